// Documents a memo can switch between, and the checker a memo calls while the user types.
#pragma once

#include "memo/MemoLines.h"
#include "memo/MemoUndo.h"
#include "platform/classes/Component.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TQuillCustomMemo;
class TQuillCustomMemoStyler;

// Where a memo stood in a document.
struct TQuillMemoSavePos {
    int CurX = 0, CurY = 0, LeftCol = 0, TopLine = 0;
    int SelStartX = 0, SelStartY = 0, SelEndX = 0, SelEndY = 0;
};

// One document: its lines, undo steps, styler, read-only flag, numbered
// bookmarks and the place the last memo stood in it. A memo whose MemoSource
// is this edits these lines; one memo is bound at a time, and a memo bound
// again finds its caret, selection, scroll position and bookmarks as it left them.
class TQuillMemoSource : public TComponent {
    VISTRA_CLASS(TQuillMemoSource, TComponent)

    explicit TQuillMemoSource(TComponent* AOwner);
    ~TQuillMemoSource() override;

    TQuillCustomMemoStyler* SyntaxStyler() const noexcept { return FSyntaxStyler; }
    void SetSyntaxStyler(TQuillCustomMemoStyler* Value);
    TQuillMemoStrings& Lines() const noexcept { return *FLines; }
    void SetLines(const TStrings& Value);
    TQuillUndoList& UndoList() const noexcept { return *FUndoList; }
    // Takes over Value's steps, newest first; Value is left empty.
    void SetUndoList(TQuillUndoList& Value);
    // The bound memo's, or the source's own while none is bound.
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool Modified() const;
    void SetModified(bool Value);
    TQuillCustomMemo* Memo() const noexcept { return FMemo; }
    const TQuillMemoSavePos& CaretInfo() const noexcept { return FCaretInfo; }
    // Binds Memo (nullptr unbinds), saving the view state of the memo bound before.
    void AttachMemo(TQuillCustomMemo* Memo);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Unbind();
    TQuillCustomMemoStyler* FSyntaxStyler = nullptr;
    std::unique_ptr<TQuillMemoStrings> FLines;
    std::unique_ptr<TQuillUndoList> FUndoList;
    int FUndoLimit = 100;
    TQuillCustomMemo* FMemo = nullptr;
    bool FModified = false;
    bool FReadOnly = false;
    TQuillMemoSavePos FCaretInfo;
    std::vector<int> FBookmarkList;
};

enum TAutoCorrectType { acNone, acLineCorrect, acLineCheck, acWordCorrect, acWordCheck };

// The checks and corrections a memo asks for while the user types, as
// AutoCorrectType says: on Enter the line (or the word), on space and Tab the
// word. This class only clears a checked line's error marks; descendants
// check, correct and mark errors with the memo's SetError.
class TQuillMemoChecker : public TComponent {
    VISTRA_CLASS(TQuillMemoChecker, TComponent)

    explicit TQuillMemoChecker(TComponent* AOwner) : TComponent(AOwner) {}
    ~TQuillMemoChecker() override;

    TQuillCustomMemo* Memo() const noexcept { return FMemo; }
    void SetMemo(TQuillCustomMemo* Value);
    TAutoCorrectType AutoCorrectType() const noexcept { return FAutoCorrectType; }
    void SetAutoCorrectType(TAutoCorrectType Value) noexcept { FAutoCorrectType = Value; }

    virtual void CheckLine(int LineNo);
    virtual void CheckWord(int LineNo, int LinePos, const std::string& S);
    virtual void CorrectLine(int LineNo);
    virtual void CorrectWord(int LineNo, int LinePos, std::string& S);
    virtual void CheckAllLines();
    virtual void CorrectAllLines();
    // Records the line's text before a correction as one undo step of the memo's document.
    void AddCorrectUndo(int LineNo, const std::string& OldText);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TQuillCustomMemo* FMemo = nullptr;
    TAutoCorrectType FAutoCorrectType = acNone;
};
