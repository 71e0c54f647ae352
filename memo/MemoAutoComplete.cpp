// The memo's completion list: opening, filtering, keys and accepting an entry.
#include "memo/MemoText.h"
#include "memo/QuillMemo.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Timer.h"

#include <unordered_set>
#include <utility>

namespace {

// The text of an entry after its kind word and its space.
std::string AfterKindWord(const std::string& Entry)
{
    size_t space = Entry.find(' ');
    return space == std::string::npos ? Entry : Entry.substr(space + 1);
}

} // namespace

bool TQuillCustomMemo::IsCompletionStartKey(char32_t Ch) const
{
    return memo::ToU32(FAutoCompletion->StartToken).find(Ch) != std::u32string::npos;
}

bool TQuillCustomMemo::HasCompletionStartToken(const std::string& Text) const
{
    for (char32_t ch : memo::ToU32(Text))
        if (IsCompletionStartKey(ch)) return true;
    return false;
}

bool TQuillCustomMemo::IsCompletionWordChar(char32_t Ch) const
{
    return Ch == U'-' || Ch == U'_' || Ch == 189 || rtl::IsLetter(Ch) || rtl::IsNumber(Ch);
}

void TQuillCustomMemo::SetAutoCompletionListImages(TImageList* Value)
{
    FAutoCompletionListImages = Value;
    if (FListCompletion) FListCompletion->SetImageList(Value);
}

void TQuillCustomMemo::CompletionSettingsChanged()
{
    FAutoCompleteTimer->SetInterval(static_cast<unsigned>(std::max(0, FAutoCompletion->Delay())));
    if (!FListCompletion) return;
    FListCompletion->SetColor(FAutoCompletion->Color());
    FListCompletion->Font().Assign(&FAutoCompletion->Font());
}

void TQuillCustomMemo::DoGetAutoCompletionList(const std::string& AToken, TStringList& AList)
{
    if (OnGetAutoCompletionList) OnGetAutoCompletionList(this, AToken, AList);
}

void TQuillCustomMemo::DoGetAutoCompletionListIndex(const std::string& AToken, TStringList& AList, int& AIndex)
{
    if (OnGetAutoCompletionListIndex) OnGetAutoCompletionListIndex(this, AToken, AList, AIndex);
}

void TQuillCustomMemo::DoInsertAutoCompletionEntry(std::string& AEntry)
{
    if (OnInsertAutoCompletionEntry) OnInsertAutoCompletionEntry(this, AEntry);
}

void TQuillCustomMemo::CreateCompletionForm()
{
    FFormAutoCompletion = new TQuillAutoform(this);
    FFormAutoCompletion->SetName("_fa");
    FFormAutoCompletion->Shadow = !FAutoCompletion->SizeDropDown;
    FFormAutoCompletion->SetVisible(false);
    FListCompletion = new TAutoCompletionListBox(FFormAutoCompletion);
    FListCompletion->SetName("_lc");
    FListCompletion->SetParent(FFormAutoCompletion);
    FListCompletion->SetTabStop(false);
    FListCompletion->SetCursor(crArrow);
    FListCompletion->SetBorderStyle(bsNone);
}

void TQuillCustomMemo::HookAutoCompletionList()
{
    FListHooked = true;
    FListCompletion->OnKeyPress = [this](TObject* sender, char32_t& key) { AutoCompletionListKeyPress(sender, key); };
    FListCompletion->OnKeyDown = [this](TObject* sender, unsigned short& key, TShiftState shift) {
        AutoCompletionListKeyDown(sender, key, shift);
    };
    FListCompletion->OnListMouseUp = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        AutoCompletionListMouseUp(sender, button, shift, x, y);
    };
}

void TQuillCustomMemo::UnhookAutoCompletionList()
{
    FListHooked = false;
    if (!FListCompletion) return;
    FListCompletion->OnKeyPress = nullptr;
    FListCompletion->OnKeyDown = nullptr;
    FListCompletion->OnListMouseUp = nullptr;
}

void TQuillCustomMemo::ShowAutoCompletion(bool)
{
    if (!FAutoCompletion->Active || FReadOnly) return;
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    if (styler ? styler->AutoCompletion().Count() == 0 : !OnGetAutoCompletionList) return;
    const std::string token = AnsiUpperCase(FullWordAtCursor());
    bool show = true;
    if (OnBeforeAutoCompletion) OnBeforeAutoCompletion(this, token, show);
    if (!show) return;

    FAutoCompleteList->Clear();
    if (styler) {
        const TStringList& entries = styler->AutoCompletion();
        for (int i = 0; i < entries.Count(); ++i)
            if (token.empty() || AfterKindWord(AnsiUpperCase(entries.Strings(i))).starts_with(token))
                FAutoCompleteList->AddObject(entries.Strings(i), entries.Objects(i));
    }
    DoGetAutoCompletionList(token, *FAutoCompleteList);
    int index = -1;
    DoGetAutoCompletionListIndex(token, *FAutoCompleteList, index);
    if (index == -1) index = 0;
    if (FAutoCompleteList->Count() == 0) return;

    const TPoint origin = ClientToScreen({0, 0});
    const int caretRow = FoldingActive() ? DisplayRowFromLine(FCurY) - DisplayRowFromLine(FTopLine) : FCurY - FTopLine;
    const int x = origin.X + (FCurX - FLeftCol) * FCellSize.W + (FGutter->Visible() ? FGutter->Width() : 0) +
                  (FoldingActive() && FCodeFoldingNodeCount > 0 ? 16 : 0);
    const int y = origin.Y + (caretRow + 1) * FCellSize.H + 2;

    if (!FFormAutoCompletion) CreateCompletionForm();
    FFormAutoCompletion->SetBounds(x, y, 0, 0);
    TAutoCompletionListBox& list = *FListCompletion;
    list.SetColor(FAutoCompletion->Color());
    list.Items().Assign(FAutoCompleteList.get());
    list.Font().Assign(&FAutoCompletion->Font());
    list.ColorVar = FAutoCompletion->ColorVar;
    list.ColorProp = FAutoCompletion->ColorProp;
    list.ColorMethod = FAutoCompletion->ColorMethod;
    list.ColorFunc = FAutoCompletion->ColorFunc;
    list.ColorProc = FAutoCompletion->ColorProc;
    list.ColorEvent = FAutoCompletion->ColorEvent;
    list.ColorIdentifier = FAutoCompletion->ColorIdentifier;
    list.ShowImages = FAutoCompletion->ShowImages;
    list.SetImageList(FAutoCompletionListImages);
    if (FAutoCompletion->SizeDropDown) {
        FFormAutoCompletion->SetBorderStyle(bsSizeToolWin);
        list.SetAlign(alClient);
    } else {
        // A silver form around the list's one-pixel margins draws its frame.
        FFormAutoCompletion->SetBorderStyle(bsNone);
        FFormAutoCompletion->SetColor(TColor(0xC0C0C0));
        list.SetAlign(alNone);
    }
    HookAutoCompletionList();
    if (OnStartAutoCompletion) OnStartAutoCompletion(this);
    int width = list.AutoAdaptWidth();
    if (FAutoCompletion->MaxWidth > 0) width = std::min(width, FAutoCompletion->MaxWidth);
    if (!FAutoCompletion->AutoWidth) width = FAutoCompletion->Width;
    FFormAutoCompletion->SetBounds(x, y, width, FAutoCompletion->Height);
    if (!FAutoCompletion->SizeDropDown)
        list.SetBounds(1, 1, FFormAutoCompletion->ClientWidth() - 2, FFormAutoCompletion->ClientHeight() - 2);
    FFormAutoCompletion->Show();

    const std::string dotToken = FAutoCompleteDot ? TokenAtXY(FDotPoint.X, FDotPoint.Y) : std::string();
    if (!dotToken.empty()) UpdateCompletionList(AnsiUpperCase(dotToken));
    else list.SetItemIndex(std::min(index, list.Count() - 1));
}

void TQuillCustomMemo::UpdateCompletionList(const std::string& AToken)
{
    if (!FFormAutoCompletion) return;
    TAutoCompletionListBox& list = *FListCompletion;
    list.Items().Clear();
    int selected = -1;
    // The hooks see the candidates again; what they add a second time is listed once.
    TStringList candidates;
    candidates.Assign(FAutoCompleteList.get());
    DoGetAutoCompletionList(AToken, candidates);
    DoGetAutoCompletionListIndex(AToken, candidates, selected);
    std::unordered_set<std::string> listed;
    for (int i = 0; i < candidates.Count(); ++i) {
        const std::string& entry = candidates.Strings(i);
        if (!listed.insert(entry + '\n' + std::to_string(CompletionKindOf(candidates.Objects(i)))).second) continue;
        bool add = AToken.empty();
        if (!add) {
            std::string name = AfterKindWord(AnsiUpperCase(entry));
            if (size_t dot = name.find('.'); dot != std::string::npos) name.erase(0, dot + 1);
            size_t at = name.find(AToken);
            add = FAutoCompletion->FromFirstChar ? at == 0 : at != std::string::npos;
            if (add && selected == -1) selected = list.Count();
        }
        if (add) list.Items().AddObject(entry, candidates.Objects(i));
    }
    if (list.Count() > 0) list.SetItemIndex(selected < 0 || selected >= list.Count() ? 0 : selected);
    int width = list.AutoAdaptWidth();
    if (FAutoCompletion->MaxWidth > 0) width = std::min(width, FAutoCompletion->MaxWidth);
    if (!FAutoCompletion->AutoWidth) width = FAutoCompletion->Width;
    if (FAutoCompletion->SizeDropDown) FFormAutoCompletion->SetWidth(width);
    list.Invalidate();
}

void TQuillCustomMemo::CloseAutoCompletion()
{
    if (!FFormAutoCompletion || !FFormAutoCompletion->Visible()) return;
    if (FAutoCompletion->KeepLastSize) {
        FAutoCompletion->AutoWidth = false;
        FAutoCompletion->Width = FFormAutoCompletion->Width();
        FAutoCompletion->Height = FFormAutoCompletion->Height();
    }
    UnhookAutoCompletionList();
    FFormAutoCompletion->Hide();
    // The memo kept the focus while the list was open. The window goes at
    // the next message; its name is free for the next list at once.
    FFormAutoCompletion->SetName("");
    FListCompletion->SetName("");
    FFormAutoCompletion->Release();
    FFormAutoCompletion = nullptr;
    FListCompletion = nullptr;
}

void TQuillCustomMemo::CancelAutoCompletion()
{
    if (OnCancelAutoCompletion) OnCancelAutoCompletion(this);
    CloseAutoCompletion();
}

std::string TQuillCustomMemo::CompletionTokenAfterEdit()
{
    return AnsiUpperCase(FAutoCompleteDot ? WordAtXY(FDotPoint.X, FDotPoint.Y) : FullWordAtCursor());
}

void TQuillCustomMemo::AutoCompletionListKeyPress(TObject*, char32_t& Key)
{
    const char32_t key = std::exchange(Key, 0);
    switch (key) {
    case 8: {
        if (!FReadOnly) DeleteCharBack();
        const std::string token = CompletionTokenAfterEdit();
        const std::string word = FullWordAtCursor();
        if (FAutoCompleteDot && word.find('.') == std::string::npos && word.find(')') == std::string::npos) CloseAutoCompletion();
        else UpdateCompletionList(token);
        return;
    }
    case 9:
    case 27: CloseAutoCompletion(); UpdateCaret(true); return;
    case 13: AcceptAutoCompletion(true); return;
    case U' ':
        AcceptAutoCompletion(true);
        if (IsCompletionAcceptChar(key)) InsertChar(key);
        return;
    default: break;
    }
    if (IsCompletionWordChar(key)) {
        if (!FReadOnly) InsertChar(key);
        UpdateCompletionList(CompletionTokenAfterEdit());
        Invalidate();
    } else if (IsCompletionAcceptChar(key)) {
        AcceptAutoCompletion(false);
        InsertChar(key);
        CheckCompletionTrigger(key);
    } else {
        CancelAutoCompletion();
        UpdateCaret(true);
    }
}

// The list moves its selection itself; Delete edits the memo.
void TQuillCustomMemo::AutoCompletionListKeyDown(TObject*, unsigned short& Key, TShiftState)
{
    if (Key != VK_DELETE) return;
    if (!FReadOnly) DeleteChar(-1, -1);
    Key = 0;
}

void TQuillCustomMemo::AutoCompletionListMouseUp(TObject*, TMouseButton Button, TShiftState, int, int)
{
    if (Button != mbLeft || !FListCompletion || FListCompletion->ItemIndex() < 0) return;
    InsertCompletion(FListCompletion->Items().Strings(FListCompletion->ItemIndex()), false, U"(; ", U" \"'()");
}

void TQuillCustomMemo::AcceptAutoCompletion(bool AddParentheses)
{
    if (!FListCompletion || FListCompletion->ItemIndex() < 0) return;
    InsertCompletion(FListCompletion->Items().Strings(FListCompletion->ItemIndex()), AddParentheses, U"(; :", U" ()[]");
}

void TQuillCustomMemo::InsertCompletion(std::string Entry, bool AddParentheses, std::u32string_view NameEnds, std::u32string_view Bounds)
{
    const std::string chosen = Entry;
    DoInsertAutoCompletionEntry(Entry);
    bool parentheses = false;
    if (Entry == chosen) {
        std::u32string e = memo::ToU32(AfterKindWord(Entry));
        std::u32string name = e.substr(0, std::min(e.find_first_of(NameEnds), e.size()));
        parentheses = AddParentheses && e.find(U'(') != std::u32string::npos;
        Entry = memo::ToUtf8(parentheses ? name + U"()" : name);
    }
    if (FLines->Count() == 0) FLines->Add("");
    FCurY = std::clamp(FCurY, 0, FLines->Count() - 1);
    const std::u32string line = memo::ToU32(LineText(FCurY));
    const int caret = std::min(FCurX, static_cast<int>(line.size()));
    int from = caret, to = caret;
    if (!FAutoCompleteDot || Entry.find('.') != std::string::npos) {
        while (from > 0 && Bounds.find(line[static_cast<size_t>(from - 1)]) == std::u32string_view::npos) --from;
        while (to < static_cast<int>(line.size()) && Bounds.find(line[static_cast<size_t>(to)]) == std::u32string_view::npos) ++to;
    } else {
        // From the anchor to the caret: text after the caret stays.
        from = std::clamp(FDotPoint.X, 0, caret);
    }
    FSelStartY = FSelEndY = FCurY;
    FSelStartX = from;
    FSelEndX = to;
    if (OnAutoCompletion) OnAutoCompletion(this);
    SetSelection(Entry);
    if (parentheses) {
        SetCurX(FCurX - 1);
        ShowParameterHint();
    }
    UnhookAutoCompletionList();
    CloseAutoCompletion();
    UpdateCaret(true);
}

void TQuillCustomMemo::CheckCompletionTrigger(char32_t Key)
{
    if (FAutoCompletion->Active && IsCompletionStartKey(Key)) {
        FAutoCompleteTimer->SetInterval(static_cast<unsigned>(std::max(0, FAutoCompletion->Delay())));
        FAutoCompleteTimer->SetEnabled(true);
    } else if (IsParameterHintKey(Key) && FAutoHintParameters != hpNone) {
        ShowParameterHint();
    }
}

void TQuillCustomMemo::CompletionTimerTick()
{
    FAutoCompleteTimer->SetEnabled(false);
    if (!FAutoCompletion->Active || !FAutoCompletion->AutoDisplay || FFormAutoCompletion) return;
    if (FullWordAtCursor().empty()) return;
    FAutoCompleteDot = true;
    FDotPoint = {FCurX, FCurY};
    ShowAutoCompletion();
}
