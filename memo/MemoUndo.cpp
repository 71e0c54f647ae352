// Undo steps: how each kind reverts and repeats its change, and the list's merge, limit and replay.
#include "memo/MemoUndo.h"

#include "memo/MemoText.h"
#include "memo/QuillMemo.h"
#include "platform/rtl/ScopeExit.h"

bool TUndo::Append(TUndo*) { return false; }

void TUndo::Undo()
{
    if (!Memo) return;
    Memo->SetCurY(FUndoCurY);
    Memo->SetCurX(FUndoCurX);
    PerformUndo();
    Memo->SetCurY(FUndoCurY0);
    Memo->SetCurX(FUndoCurX0);
}

void TUndo::Redo()
{
    if (!Memo) return;
    Memo->SetCurY(FUndoCurY0);
    Memo->SetCurX(FUndoCurX0);
    PerformRedo();
    Memo->SetCurY(FUndoCurY);
    Memo->SetCurX(FUndoCurX);
}

bool TUndo::Continues(const TUndo* NewUndo) const
{
    return NewUndo->ClassType() == ClassType() && NewUndo->FUndoCurX0 == FUndoCurX && NewUndo->FUndoCurY0 == FUndoCurY;
}

void TUndo::TakeEnd(const TUndo* NewUndo)
{
    FUndoCurX = NewUndo->FUndoCurX;
    FUndoCurY = NewUndo->FUndoCurY;
}

void TUndo::BackspaceText()
{
    std::u32string text = memo::ToU32(FUndoText);
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        int x = Memo->CurX(), y = Memo->CurY();
        if (*it == U'\r' ? x == 0 && y > 0 : Memo->CharBeforeCaret() == *it) {
            Memo->MoveCaret(-1, 0, {});
            Memo->DeleteChar(x, y);
        }
    }
}

void TUndo::RetypeText(bool MarkModified)
{
    for (char32_t ch : memo::ToU32(FUndoText)) {
        if (ch == U'\r') {
            Memo->InsertNewLine();
            if (MarkModified) Memo->MarkModified(Memo->CurY());
        } else {
            Memo->InsertChar(ch);
        }
    }
}

bool TInsertCharUndo::Append(TUndo* NewUndo)
{
    if (!Continues(NewUndo)) return false;
    FUndoText += NewUndo->UndoText();
    TakeEnd(NewUndo);
    return true;
}

bool TNewLineUndo::Append(TUndo* NewUndo)
{
    if (!Continues(NewUndo)) return false;
    FUndoText += NewUndo->UndoText();
    TakeEnd(NewUndo);
    return true;
}

void TOverwriteCharUndo::Exchange()
{
    std::string line = Memo->LineText(FUndoCurY);
    std::string current = rtl::Utf8Encode(memo::CharAt(line, FUndoCurX));
    Memo->PutLine(FUndoCurY, memo::Left(line, FUndoCurX) + FUndoText + memo::Mid(line, FUndoCurX + 1));
    FUndoText = current;
    Memo->LinesChanged();
}

void TCorrectUndo::Exchange()
{
    // The line may be gone by now; there is then nothing to exchange.
    if (FUndoCurY < 0 || FUndoCurY >= Memo->EffectiveLines().Count()) return;
    std::string current = Memo->LineText(FUndoCurY);
    Memo->PutLine(FUndoCurY, FUndoText);
    FUndoText = std::move(current);
    Memo->RewrapEdits();
    Memo->LinesChanged();
}

void TReplaceLinesUndo::Exchange()
{
    std::vector<std::string> current;
    for (int i = FFirst; i < FFirst + FCount && i < Memo->EffectiveLines().Count(); ++i) current.push_back(Memo->LineText(i));
    FCount = Memo->ReplaceLineRange(FFirst, static_cast<int>(current.size()), FLines);
    FLines = std::move(current);
}

bool TDeleteCharUndo::Append(TUndo* NewUndo)
{
    auto* other = dynamic_cast<TDeleteCharUndo*>(NewUndo);
    if (!Continues(NewUndo) || !other || other->FIsBackspace != FIsBackspace) return false;
    FUndoText = NewUndo->UndoText() + FUndoText;
    TakeEnd(NewUndo);
    return true;
}

void TDeleteCharUndo::PerformUndo()
{
    for (char32_t ch : memo::ToU32(FUndoText)) {
        if (!FIsBackspace) {
            Memo->SetCurY(FUndoCurY0);
            Memo->SetCurX(FUndoCurX0);
        }
        if (ch == U'\r') Memo->InsertNewLine();
        else Memo->InsertChar(ch);
    }
    Memo->Invalidate();
}

void TDeleteCharUndo::PerformRedo()
{
    for (size_t i = memo::ToU32(FUndoText).size(); i > 0; --i) {
        if (FIsBackspace) Memo->DeleteCharBack();
        else Memo->DeleteChar(-1, -1);
    }
}

void TDeleteLineUndo::PerformUndo()
{
    Memo->ClearSelection();
    TQuillMemoStrings& lines = Memo->EffectiveLines();
    if (FOnlyLine && lines.Count() == 1) {
        Memo->PutLine(0, FUndoText);
    } else {
        Memo->NoteEdit(FUndoCurY0);
        lines.DoInsert(std::min(FUndoCurY0, lines.Count()), FUndoText);
    }
    Memo->LinesChanged();
}

void TDeleteLineUndo::PerformRedo() { Memo->DeleteLine(); }

void TDeleteBufUndo::PerformUndo()
{
    Memo->ClearSelection();
    Memo->SetSelection(FUndoText);
    if (Memo->CanFocus()) Memo->SetFocus();
    Memo->FSelStartX = FUndoSelStartX;
    Memo->FSelStartY = FUndoSelStartY;
    Memo->FSelEndX = FUndoSelEndX;
    Memo->FSelEndY = FUndoSelEndY;
    Memo->DoSelectionChange();
}

void TDeleteBufUndo::PerformRedo()
{
    Memo->FSelStartX = FUndoSelStartX;
    Memo->FSelStartY = FUndoSelStartY;
    Memo->FSelEndX = FUndoSelEndX;
    Memo->FSelEndY = FUndoSelEndY;
    Memo->RemoveSelectedText(true);
}

void TPasteUndo::PerformUndo()
{
    Memo->FSelStartX = FUndoCurX0;
    Memo->FSelStartY = FUndoCurY0;
    Memo->FSelEndX = FUndoCurX;
    Memo->FSelEndY = FUndoCurY;
    Memo->RemoveSelectedText(true);
}

void TPasteUndo::PerformRedo()
{
    Memo->ClearSelection();
    Memo->SetSelection(FUndoText);
}

void TInsertOverwriteUndo::PerformUndo() { Memo->FOverwrite = FInsertMode; }
void TInsertOverwriteUndo::PerformRedo() { Memo->FOverwrite = !FInsertMode; }

void TIndentUndo::PerformUndo() { Memo->BlockIndent(FSelRowFrom, FSelRowTo, -FIndent, false); }
void TIndentUndo::PerformRedo() { Memo->BlockIndent(FSelRowFrom, FSelRowTo, FIndent, false); }

TQuillUndoList::~TQuillUndoList()
{
    for (int i = 0; i < Count(); ++i) delete Items(i);
    TList::Clear();
}

void TQuillUndoList::Notify()
{
    if (FMemo) FMemo->UndoChanged();
}

int TQuillUndoList::Add(TUndo* Item)
{
    std::unique_ptr<TUndo> owned(Item);
    if (FIsPerforming) return -1;
    // Merging into a step that is undone would hide the new keystroke from
    // undo and replay it at the old place on redo, so undone steps never merge.
    if (Count() > 0 && FPos == 0 && Items(0)->Append(Item)) return -1;
    if (FMemo) Item->Memo = FMemo;
    while (FPos > 0) {
        Delete(0);
        --FPos;
    }
    TList::Insert(0, owned.release());
    if (Count() > FLimit) Delete(Count() - 1);
    Notify();
    return 0;
}

void TQuillUndoList::Delete(int Index)
{
    delete Items(Index);
    TList::Delete(Index);
}

void TQuillUndoList::Clear()
{
    for (int i = 0; i < Count(); ++i) delete Items(i);
    TList::Clear();
    FPos = 0;
    Notify();
}

template <class F>
void TQuillUndoList::Replaying(F&& Replay)
{
    bool autoIndent = FMemo && FMemo->AutoIndent();
    if (FMemo) FMemo->SetAutoIndent(false);
    FIsPerforming = true;
    auto restore = rtl::ScopeExit([&] {
        FIsPerforming = false;
        if (FMemo) FMemo->SetAutoIndent(autoIndent);
    });
    Replay();
}

void TQuillUndoList::Undo()
{
    if (FPos >= Count()) return;
    Replaying([&] {
        Items(FPos)->Undo();
        if (Items(FPos)->LinkedUndo() && FPos + 1 < Count()) {
            ++FPos;
            Items(FPos)->Undo();
        }
        ++FPos;
    });
    Notify();
}

void TQuillUndoList::Redo()
{
    if (FPos <= 0) return;
    Replaying([&] {
        --FPos;
        Items(FPos)->Redo();
        if (FPos > 0 && Items(FPos - 1)->LinkedUndo()) {
            --FPos;
            Items(FPos)->Redo();
        }
    });
    Notify();
    if (FMemo) FMemo->Perform(CM_CHANGED);
}

void TQuillUndoList::SetLimit(int Value)
{
    if (Value == FLimit) return;
    FLimit = Value <= 0 ? 10 : std::min(Value, 100);
    Clear();
}
