// Auto-correct's replacement table and the memo's correction of the word a keystroke ends.
#include "memo/MemoAutoCorrect.h"

#include "memo/MemoText.h"
#include "memo/QuillMemo.h"

void TAutoCorrect::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TAutoCorrect*>(Source);
    if (!other) return;
    FDoAutoCorrect = other->FDoAutoCorrect;
    FOldValue.Assign(&other->FOldValue);
    FNewValue.Assign(&other->FNewValue);
}

std::string TAutoCorrect::Replacement(const std::string& Word) const
{
    for (int i = 0; i < FOldValue.Count(); ++i)
        if (FOldValue.Strings(i) == Word) return i < FNewValue.Count() ? FNewValue.Strings(i) : Word;
    return Word;
}

void TQuillCustomMemo::CorrectWordAtCaret()
{
    bool useTable = FAutoCorrect->Active() && FAutoCorrect->OldValue().Count() > 0;
    if (!OnWordComplete && !useTable) return;
    if (FLines->Count() == 0 || FCurY >= FLines->Count()) return;
    // Only the part of the word left of the caret has just been typed; the
    // characters right of it stay whatever the replacement.
    const std::string word = WordTillCursor();
    if (word.empty()) return;
    std::string replacement = useTable ? FAutoCorrect->Replacement(word) : word;
    if (OnWordComplete) OnWordComplete(this, word, replacement);
    if (replacement == word) return;
    const std::string line = LineText(FCurY);
    const int start = FCurX - memo::Length(word);
    FUndoList->Add(new TCorrectUndo(FCurX, start + memo::Length(replacement), FCurY, line));
    PutLine(FCurY, memo::Left(line, start) + replacement + memo::Mid(line, FCurX));
    FCurX = start + memo::Length(replacement);
    RewrapEdits();
    ClearSelection();
    LinesChanged();
}
