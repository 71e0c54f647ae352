// Undo steps of the memo and the list that keeps them, newest first.
#pragma once

#include "platform/classes/Lists.h"

#include <string>
#include <vector>

class TQuillCustomMemo;

// One recorded change that knows how to revert and repeat itself. Carets
// are (column, line); "before" is the caret before the change, "after" the
// caret behind it.
class TUndo : public TObject {
    VISTRA_CLASS(TUndo, TObject)

    TUndo(int ACurX0, int ACurY0, int ACurX, int ACurY, std::string AText)
        : FUndoCurX0(ACurX0), FUndoCurY0(ACurY0), FUndoCurX(ACurX), FUndoCurY(ACurY), FUndoText(std::move(AText))
    {
    }

    // True when NewUndo was merged into this step.
    virtual bool Append(TUndo* NewUndo);
    virtual void PerformUndo() = 0;
    virtual void PerformRedo() = 0;
    void Undo();
    void Redo();

    int UndoCurX0() const noexcept { return FUndoCurX0; }
    int UndoCurY0() const noexcept { return FUndoCurY0; }
    int UndoCurX() const noexcept { return FUndoCurX; }
    int UndoCurY() const noexcept { return FUndoCurY; }
    void SetUndoCurY(int Value) noexcept { FUndoCurY = Value; }
    const std::string& UndoText() const noexcept { return FUndoText; }
    bool LinkedUndo() const noexcept { return FLinkedUndo; }
    void SetLinkedUndo(bool Value) noexcept { FLinkedUndo = Value; }

    TQuillCustomMemo* Memo = nullptr;

protected:
    // The merge of typing and deleting runs: NewUndo is of this class and
    // starts where this step ended.
    bool Continues(const TUndo* NewUndo) const;
    void TakeEnd(const TUndo* NewUndo);
    // Replays inserted text backwards through the backspace command.
    void BackspaceText();
    // Replays inserted text through the new-line and typing commands.
    void RetypeText(bool MarkModified);

    int FUndoCurX0, FUndoCurY0, FUndoCurX, FUndoCurY;
    std::string FUndoText;
    bool FLinkedUndo = false;
};

class TInsertCharUndo : public TUndo {
    VISTRA_CLASS(TInsertCharUndo, TUndo)
    using TUndo::TUndo;
    bool Append(TUndo* NewUndo) override;
    void PerformUndo() override { BackspaceText(); }
    void PerformRedo() override { RetypeText(true); }
};

class TNewLineUndo : public TUndo {
    VISTRA_CLASS(TNewLineUndo, TUndo)
    using TUndo::TUndo;
    bool Append(TUndo* NewUndo) override;
    void PerformUndo() override { BackspaceText(); }
    void PerformRedo() override { RetypeText(false); }
};

class TOverwriteCharUndo : public TUndo {
    VISTRA_CLASS(TOverwriteCharUndo, TUndo)
    using TUndo::TUndo;
    void PerformUndo() override { Exchange(); }
    void PerformRedo() override { Exchange(); }

private:
    void Exchange();
};

class TDeleteCharUndo : public TUndo {
    VISTRA_CLASS(TDeleteCharUndo, TUndo)
    TDeleteCharUndo(int ACurX0, int ACurY0, int ACurX, int ACurY, std::string AText, bool AIsBackspace)
        : TUndo(ACurX0, ACurY0, ACurX, ACurY, std::move(AText)), FIsBackspace(AIsBackspace)
    {
    }
    bool IsBackspace() const noexcept { return FIsBackspace; }
    bool Append(TUndo* NewUndo) override;
    void PerformUndo() override;
    void PerformRedo() override;

private:
    bool FIsBackspace;
};

// A whole line replaced by a correction: undo and redo exchange the stored
// text with the line's. The checker's steps record no caret (-1); the
// memo's auto-correct records the caret on the line before and after.
class TCorrectUndo : public TUndo {
    VISTRA_CLASS(TCorrectUndo, TUndo)
    TCorrectUndo(int LineNo, std::string UndoLine) : TUndo(-1, -1, -1, LineNo, std::move(UndoLine)) {}
    TCorrectUndo(int ACurX0, int ACurX, int LineNo, std::string UndoLine)
        : TUndo(ACurX0, LineNo, ACurX, LineNo, std::move(UndoLine))
    {
    }
    void PerformUndo() override { Exchange(); }
    void PerformRedo() override { Exchange(); }

private:
    void Exchange();
};

// Lines replaced as a block (every match of a replace-all): undo and redo
// exchange the stored lines with those now in their place.
class TReplaceLinesUndo : public TUndo {
    VISTRA_CLASS(TReplaceLinesUndo, TUndo)
    TReplaceLinesUndo(int ACurX0, int ACurY0, int ACurX, int ACurY, int First, int Count, std::vector<std::string> Lines)
        : TUndo(ACurX0, ACurY0, ACurX, ACurY, {}), FFirst(First), FCount(Count), FLines(std::move(Lines))
    {
    }
    void PerformUndo() override { Exchange(); }
    void PerformRedo() override { Exchange(); }
    void Exchange();

private:
    int FFirst, FCount;
    std::vector<std::string> FLines;
};

class TDeleteLineUndo : public TUndo {
    VISTRA_CLASS(TDeleteLineUndo, TUndo)
    // OnlyLine: the deleted line was the memo's only one, which was emptied.
    TDeleteLineUndo(int ACurX0, int ACurY0, int ACurX, int ACurY, std::string AText, bool OnlyLine = false)
        : TUndo(ACurX0, ACurY0, ACurX, ACurY, std::move(AText)), FOnlyLine(OnlyLine)
    {
    }
    void PerformUndo() override;
    void PerformRedo() override;

private:
    bool FOnlyLine;
};

class TSelUndo : public TUndo {
    VISTRA_CLASS(TSelUndo, TUndo)
    using TUndo::TUndo;
    void SetSelection(int SX, int SY, int EX, int EY) noexcept
    {
        FUndoSelStartX = SX;
        FUndoSelStartY = SY;
        FUndoSelEndX = EX;
        FUndoSelEndY = EY;
    }
    int UndoSelStartX() const noexcept { return FUndoSelStartX; }
    int UndoSelStartY() const noexcept { return FUndoSelStartY; }
    int UndoSelEndX() const noexcept { return FUndoSelEndX; }
    int UndoSelEndY() const noexcept { return FUndoSelEndY; }

protected:
    int FUndoSelStartX = 0, FUndoSelStartY = 0, FUndoSelEndX = 0, FUndoSelEndY = 0;
};

class TDeleteBufUndo : public TSelUndo {
    VISTRA_CLASS(TDeleteBufUndo, TSelUndo)
    using TSelUndo::TSelUndo;
    void PerformUndo() override;
    void PerformRedo() override;
};

class TPasteUndo : public TUndo {
    VISTRA_CLASS(TPasteUndo, TUndo)
    TPasteUndo(int ACurX0, int ACurY0, int ACurX, int ACurY, std::string AText, bool IsLinked)
        : TUndo(ACurX0, ACurY0, ACurX, ACurY, std::move(AText))
    {
        FLinkedUndo = IsLinked;
    }
    void PerformUndo() override;
    void PerformRedo() override;
};

class TInsertOverwriteUndo : public TUndo {
    VISTRA_CLASS(TInsertOverwriteUndo, TUndo)
    explicit TInsertOverwriteUndo(bool AInsertMode) : TUndo(0, 0, 0, 0, {}), FInsertMode(AInsertMode) {}
    bool InsertMode() const noexcept { return FInsertMode; }
    void PerformUndo() override;
    void PerformRedo() override;

private:
    bool FInsertMode;
};

class TIndentUndo : public TUndo {
    VISTRA_CLASS(TIndentUndo, TUndo)
    TIndentUndo(int SelFrom, int SelTo, int Indent)
        : TUndo(0, 0, 0, 0, {}), FIndent(Indent), FSelRowFrom(SelFrom), FSelRowTo(SelTo)
    {
    }
    int Indent() const noexcept { return FIndent; }
    int SelRowFrom() const noexcept { return FSelRowFrom; }
    int SelRowTo() const noexcept { return FSelRowTo; }
    void PerformUndo() override;
    void PerformRedo() override;

private:
    int FIndent, FSelRowFrom, FSelRowTo;
};

// The list owns its steps. Index 0 is the newest; Pos counts the undone ones.
class TQuillUndoList : public TList {
    VISTRA_CLASS(TQuillUndoList, TList)

    TQuillUndoList() = default;
    ~TQuillUndoList() override;

    // Takes Item; returns -1 when it was merged or discarded, else 0.
    int Add(TUndo* Item);
    void Clear();
    void Delete(int Index);
    void Undo();
    void Redo();
    TUndo* Items(int Index) const { return static_cast<TUndo*>(TList::Items(Index)); }

    int Pos() const noexcept { return FPos; }
    void SetPos(int Value) noexcept { FPos = Value; }
    TQuillCustomMemo* Memo() const noexcept { return FMemo; }
    void SetMemo(TQuillCustomMemo* Value) noexcept { FMemo = Value; }
    bool IsPerforming() const noexcept { return FIsPerforming; }
    void SetIsPerforming(bool Value) noexcept { FIsPerforming = Value; }
    int Limit() const noexcept { return FLimit; }
    void SetLimit(int Value);

private:
    // Runs Replay with recording and auto-indent off, restoring both even
    // when a step fails.
    template <class F>
    void Replaying(F&& Replay);
    void Notify();

    int FPos = 0;
    TQuillCustomMemo* FMemo = nullptr;
    bool FIsPerforming = false;
    int FLimit = 100;
};
