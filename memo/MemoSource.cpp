// The memo source (a document a memo can be bound to) and the memo checker.
#include "memo/MemoSource.h"

#include "memo/MemoText.h"
#include "memo/QuillMemo.h"

TQuillMemoSource::TQuillMemoSource(TComponent* AOwner)
    : TComponent(AOwner), FLines(std::make_unique<TQuillMemoStrings>()), FUndoList(std::make_unique<TQuillUndoList>())
{
}

// Unbound before the parts go, so the memo never sees freed lines.
TQuillMemoSource::~TQuillMemoSource()
{
    if (FMemo) {
        TQuillCustomMemo* memo = FMemo;
        AttachMemo(nullptr);
        memo->SourceDestroyed(this);
    }
    Destroying();
}

void TQuillMemoSource::SetSyntaxStyler(TQuillCustomMemoStyler* Value)
{
    if (Value == FSyntaxStyler) return;
    if (FSyntaxStyler) FSyntaxStyler->RemoveFreeNotification(this);
    FSyntaxStyler = Value;
    if (Value) Value->FreeNotification(this);
    if (FMemo) FMemo->SourceStylerChanged();
}

void TQuillMemoSource::SetLines(const TStrings& Value)
{
    FLines->Clear();
    for (int i = 0; i < Value.Count(); ++i) FLines->Add(Value.Strings(i));
}

void TQuillMemoSource::SetUndoList(TQuillUndoList& Value)
{
    FUndoList->Clear();
    // Oldest first, so that each step lands in front of the older ones.
    std::vector<TUndo*> steps;
    for (int i = Value.Count() - 1; i >= 0; --i) steps.push_back(Value.Items(i));
    // The steps change hands: Value forgets them without freeing them.
    Value.TList::Clear();
    Value.SetPos(0);
    for (TUndo* step : steps) FUndoList->Add(step);
}

bool TQuillMemoSource::ReadOnly() const { return FMemo ? FMemo->ReadOnly() : FReadOnly; }

void TQuillMemoSource::SetReadOnly(bool Value)
{
    if (FMemo) FMemo->SetReadOnly(Value);
    else FReadOnly = Value;
}

bool TQuillMemoSource::Modified() const { return FMemo ? FMemo->Modified() : FUndoList->Count() > 0; }

void TQuillMemoSource::SetModified(bool Value)
{
    if (FMemo) FMemo->SetModified(Value);
}

void TQuillMemoSource::Unbind()
{
    if (FSyntaxStyler) FSyntaxStyler->AllStyles().FOwner = nullptr;
    FLines->OnChange = nullptr;
    FLines->SetMemo(nullptr);
    FUndoList->SetMemo(nullptr);
}

void TQuillMemoSource::AttachMemo(TQuillCustomMemo* Memo)
{
    if (Memo == FMemo) return;
    if (FMemo) {
        TQuillCustomMemo& old = *FMemo;
        Unbind();
        FReadOnly = old.ReadOnly();
        FModified = old.Modified();
        old.SaveViewState(FCaretInfo);
        FBookmarkList.clear();
        for (int i = 0; i < 10; ++i) FBookmarkList.push_back(old.Bookmarks(i));
        old.RemoveFreeNotification(this);
        old.Invalidate();
    }
    FMemo = Memo;
    if (!Memo) {
        Unbind();
        return;
    }
    Memo->FreeNotification(this);
    if (FSyntaxStyler) FSyntaxStyler->AllStyles().FOwner = Memo;
    FLines->SetMemo(Memo);
    FLines->ConnectMemoChange();
    Memo->RestoreViewState(FCaretInfo);
    if (FBookmarkList.size() == 10) Memo->FBookmarkList = [&] {
        std::array<int, 10> slots;
        for (size_t i = 0; i < 10; ++i) slots[i] = FBookmarkList[i];
        return slots;
    }();
    FUndoList->SetMemo(Memo);
    Memo->FReadOnly = FReadOnly;
    Memo->Invalidate();
}

void TQuillMemoSource::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FSyntaxStyler) {
        FSyntaxStyler = nullptr;
        if (FMemo) FMemo->SourceStylerChanged();
    }
    if (AComponent == FMemo) AttachMemo(nullptr);
}

TQuillMemoChecker::~TQuillMemoChecker()
{
    if (FMemo) FMemo->CheckerDestroyed(this);
    Destroying();
}

void TQuillMemoChecker::SetMemo(TQuillCustomMemo* Value)
{
    if (FMemo == Value) return;
    if (FMemo) FMemo->RemoveFreeNotification(this);
    FMemo = Value;
    if (Value) Value->FreeNotification(this);
}

void TQuillMemoChecker::CheckLine(int LineNo)
{
    if (FMemo && LineNo >= 0 && LineNo < FMemo->EffectiveLines().Count()) FMemo->ClearLineErrors(LineNo);
}

void TQuillMemoChecker::CheckWord(int, int, const std::string&) {}
void TQuillMemoChecker::CorrectLine(int) {}
void TQuillMemoChecker::CorrectWord(int, int, std::string&) {}

void TQuillMemoChecker::CheckAllLines()
{
    if (!FMemo) return;
    for (int i = 0; i < FMemo->EffectiveLines().Count(); ++i) CheckLine(i);
}

void TQuillMemoChecker::CorrectAllLines()
{
    if (!FMemo) return;
    for (int i = 0; i < FMemo->EffectiveLines().Count(); ++i) CorrectLine(i);
}

void TQuillMemoChecker::AddCorrectUndo(int LineNo, const std::string& OldText)
{
    if (FMemo) FMemo->UndoList().Add(new TCorrectUndo(LineNo, OldText));
}

void TQuillMemoChecker::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMemo) FMemo = nullptr;
}

void TQuillCustomMemo::SetMemoSource(TQuillMemoSource* Value)
{
    if (Value == FMemoSource) return;
    if (FMemoSource) {
        // Only this memo's own binding is undone: the source may serve another memo by now.
        if (FMemoSource->Memo() == this) FMemoSource->AttachMemo(nullptr);
        FMemoSource->RemoveFreeNotification(this);
    }
    FMemoSource = Value;
    FLines = Value ? &Value->Lines() : FOwnLines.get();
    FUndoList = Value ? &Value->UndoList() : FOwnUndoList.get();
    ForgetLogicalFrom(0);
    InvalidateTopLineStyle();
    if (Value) {
        Value->FreeNotification(this);
        Value->AttachMemo(this);
        if (FTopLine >= FLines->Count() || FCurY >= FLines->Count()) {
            SetTopLine(0);
            SetCurX(0);
            SetCurY(0);
        }
        const std::string spaces(static_cast<size_t>(FTabSize), ' ');
        for (int i = 0; i < FLines->Count(); ++i)
            if (std::string line = FLines->Strings(i); line.find('\t') != std::string::npos) {
                for (size_t at = line.find('\t'); at != std::string::npos; at = line.find('\t', at + spaces.size()))
                    line.replace(at, 1, spaces);
                FLines->SetStrings(i, line);
            }
    }
    UpdateMaxLength();
    RefreshScrollBars();
    Invalidate();
}

void TQuillCustomMemo::SaveViewState(TQuillMemoSavePos& Pos) const
{
    Pos = {FCurX, FCurY, FLeftCol, FTopLine, FSelStartX, FSelStartY, FSelEndX, FSelEndY};
}

void TQuillCustomMemo::RestoreViewState(const TQuillMemoSavePos& Pos)
{
    FCurX = Pos.CurX;
    FCurY = Pos.CurY;
    FLeftCol = Pos.LeftCol;
    FTopLine = Pos.TopLine;
    FSelStartX = Pos.SelStartX;
    FSelStartY = Pos.SelStartY;
    FSelEndX = Pos.SelEndX;
    FSelEndY = Pos.SelEndY;
    InvalidateTopLineStyle();
    if (FCaretVisible) UpdateCaret(true);
    RefreshScrollBars();
}

void TQuillCustomMemo::SetMemoChecker(TQuillMemoChecker* Value)
{
    if (FMemoChecker && FMemoChecker != Value) FMemoChecker->RemoveFreeNotification(this);
    FMemoChecker = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    Value->SetMemo(this);
}

void TQuillCustomMemo::SourceDestroyed(TQuillMemoSource* Source)
{
    if (Source != FMemoSource) return;
    FMemoSource = nullptr;
    FLines = FOwnLines.get();
    FUndoList = FOwnUndoList.get();
    ForgetLogicalFrom(0);
    InvalidateTopLineStyle();
    SetCurY(std::min(FCurY, FLines->Count() - 1));
    Invalidate();
}

void TQuillCustomMemo::SourceStylerChanged()
{
    FCachedDelimiters.clear();
    FCachedDelimitersFound = false;
    InvalidateTopLineStyle();
    Invalidate();
}

void TQuillCustomMemo::CheckerDestroyed(TQuillMemoChecker* Checker)
{
    if (Checker == FMemoChecker) FMemoChecker = nullptr;
}

void TQuillCustomMemo::RunChecker(char32_t Key)
{
    if (!FMemoChecker || FCurY < 0 || FCurY >= FLines->Count()) return;
    const TAutoCorrectType type = FMemoChecker->AutoCorrectType();
    if (Key == U'\r') {
        if (type == acLineCorrect) {
            FMemoChecker->CorrectLine(FCurY);
            FCurX = LineLength(FCurY);
        } else if (type == acLineCheck) {
            FMemoChecker->CheckLine(FCurY);
        } else if (type == acWordCheck) {
            FMemoChecker->CheckWord(FCurY, FCurX, WordTillCursor());
        }
        return;
    }
    if (Key != U' ' && Key != U'\t') return;
    const std::string word = WordTillCursor();
    if (word.empty()) return;
    if (type == acWordCheck) {
        FMemoChecker->CheckWord(FCurY, FCurX, word);
    } else if (type == acWordCorrect) {
        std::string corrected = word;
        FMemoChecker->CorrectWord(FCurY, FCurX, corrected);
        if (corrected == word) return;
        const std::string line = LineText(FCurY);
        const int start = FCurX - memo::Length(word);
        PutLine(FCurY, memo::Left(line, start) + corrected + memo::Mid(line, FCurX));
        FCurX = start + memo::Length(corrected);
        FMemoChecker->AddCorrectUndo(FCurY, line);
        RewrapEdits();
        LinesChanged();
    }
}
