// The normal cell editor: character rules per editor kind, the length
// limit, and leaving the cell by Enter, Tab, Esc or the focus.
#include "grid/interact/QuillInplaceEdit.h"

#include "grid/QuillGrid.h"
#include "grid/base/QuillUtilText.h"
#include "grid/interact/EditCharFilter.h"
#include "grid/interact/EditState.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/MessageQueue.h"

namespace {

std::u32string Decode(std::string_view Text)
{
    std::u32string out;
    for (std::size_t i = 0; i < Text.size();) out += rtl::Utf8Decode(Text, i);
    return out;
}

} // namespace

TQuillInplaceEdit::TQuillInplaceEdit(TQuillStringGrid* AGrid) : TInplaceEdit(AGrid), FQuillGrid(AGrid) {}

TQuillInplaceEdit::~TQuillInplaceEdit() = default;

bool TQuillInplaceEdit::Commit()
{
    if (!FQuillGrid) return true;
    if (FQuillGrid->ValidateCell(Text())) {
        if (Text() != FQuillGrid->Edit().NewCellText) SetText(FQuillGrid->Edit().NewCellText);
        SetModified(false);
        return true;
    }
    ShowRefusedText(FQuillGrid->Edit().NewCellText);
    return false;
}

void TQuillInplaceEdit::ShowRefusedText(const std::string& Text)
{
    SetText(Text);
    SetModified(false);
    if (FQuillGrid && !FQuillGrid->Navigation().EditSelectAll()) {
        SetSelStart(static_cast<int>(FText32.size()));
        SetSelLength(0);
    } else {
        SelectAll();
    }
}

void TQuillInplaceEdit::KeyDown(unsigned short& Key, TShiftState Shift)
{
    FCtrlDown = Shift.Contains(ssCtrl);
    FSwallowEnter = false;
    if (!FQuillGrid || !Visible()) {
        TInplaceEdit::KeyDown(Key, Shift);
        return;
    }
    switch (Key) {
    case VK_ESCAPE:
        // The cell keeps the text it had: nothing typed is stored.
        FQuillGrid->CancelEdit();
        Key = 0;
        return;
    case VK_TAB:
        if (!FQuillGrid->EditorWantsTab()) break;
        Key = 0;
        if (!Commit()) return;
        FQuillGrid->HideEditor();
        if (FQuillGrid->Options().Contains(goTabs)) FQuillGrid->MoveToNextTabCell(Shift.Contains(ssShift));
        else PostMessage(FQuillGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
        return;
    case VK_RETURN:
        if (Shift.Contains(ssCtrl) || FQuillGrid->Navigation().LineFeedOnEnter()) break;
        // A refused value keeps the editor open on it; its Enter goes no further.
        if (!Commit()) {
            Key = 0;
            FSwallowEnter = true;
            return;
        }
        break;
    case 'A':
        if (!Shift.Contains(ssCtrl)) break;
        SelectAll();
        Key = 0;
        return;
    default:
        break;
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TQuillInplaceEdit::KeyPress(char32_t& Key)
{
    if (!FQuillGrid) {
        TInplaceEdit::KeyPress(Key);
        return;
    }
    if (Key == U'\r' && FSwallowEnter) {
        FSwallowEnter = false;
        Key = 0;
        return;
    }
    // Ctrl+A selects (in KeyDown) and Ctrl+Enter makes no line break here.
    if ((Key == 1 || Key == 10) && FCtrlDown) {
        Key = 0;
        return;
    }
    grid::TEditState& s = FQuillGrid->Edit();
    const bool control = Key == 8 || Key == 13 || Key == 27;
    if (FLengthLimit > 0 && static_cast<int>(FText32.size()) >= FLengthLimit && SelLength() == 0 && !control) {
        Key = 0;
        return;
    }
    grid::TEditCharContext context;
    context.Kind = s.EditControl;
    context.Text = FText32;
    context.SelStart = SelStart();
    context.SelLength = SelLength();
    context.Ctrl = FCtrlDown;
    context.ValidChars = Decode(s.ValidChars);
    context.DecimalSeparator = static_cast<unsigned char>(CurrentDecimalSeparator());
    context.ThousandSeparator = static_cast<unsigned char>(CurrentThousandSeparator());
    if (!grid::FilterEditChar(context, Key)) {
        Key = 0;
        return;
    }
    TInplaceEdit::KeyPress(Key);
}

void TQuillInplaceEdit::Change()
{
    // The cell takes the text only once the edit is validated, never while
    // it is typed.
    SetModified(false);
    TCustomEdit::Change();
    if (!FQuillGrid || !Visible() || FMixing) return;
    grid::TEditState& s = FQuillGrid->Edit();
    if (s.EditControl == edMixedCase) {
        FMixing = true;
        const rtl::ScopeExit mixed([this] { FMixing = false; });
        const int caret = SelStart();
        const std::string mixedText = ToMixedCase(Text());
        if (mixedText != Text()) {
            SetText(mixedText);
            SetSelStart(caret);
        }
    }
    if (FQuillGrid->OnEditChange) FQuillGrid->OnEditChange(FQuillGrid, FQuillGrid->Col(), FQuillGrid->Row(), Text());
}

unsigned TQuillInplaceEdit::CloseMessage()
{
    static const unsigned message = RegisterWindowMessage("QuillInplaceEditClose");
    return message;
}

void TQuillInplaceEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == CloseMessage()) {
        if (FQuillGrid && Visible() && !Focused()) FQuillGrid->HideEditor();
        return;
    }
    TInplaceEdit::Dispatch(Message);
}

void TQuillInplaceEdit::CMWantSpecialKey(TMessage& Message)
{
    TInplaceEdit::CMWantSpecialKey(Message);
    if (FQuillGrid && Message.WParam == VK_TAB && FQuillGrid->EditorWantsTab()) Message.Result = 1;
}

void TQuillInplaceEdit::CMVisibleChanged(TMessage& Message)
{
    TInplaceEdit::CMVisibleChanged(Message);
    if (FQuillGrid && !Visible()) FQuillGrid->InplaceEditorHidden();
    if (FQuillGrid && Visible()) FLengthLimit = FQuillGrid->MaxEditLength();
}

void TQuillInplaceEdit::WMSetFocus(TMessage& Message)
{
    TInplaceEdit::WMSetFocus(Message);
    FGotFocus = true;
    if (FQuillGrid && !FQuillGrid->Navigation().EditSelectAll()) {
        SetSelStart(static_cast<int>(FText32.size()));
        SetSelLength(0);
    }
}

void TQuillInplaceEdit::WMKillFocus(TMessage& Message)
{
    TInplaceEdit::WMKillFocus(Message);
    if (!FQuillGrid) return;
    grid::TEditState& s = FQuillGrid->Edit();
    s.StartEditChar = 0;
    // Leaving for another window commits; a refused value is dropped and
    // the cell keeps its text. A form being freed takes nothing.
    const TCustomForm* form = GetParentForm();
    if (form && form->ComponentState().Contains(csDestroying)) return;
    if (Visible() && static_cast<HWND>(Message.WParam) != FQuillGrid->Handle() && s.EditMode) {
        if (FQuillGrid->EditedCellUnmoved()) (void)FQuillGrid->ValidateCell(Text());
        s.Editing = false;
        // Hidden once the focus has gone where the user sent it: hiding a
        // focused control would hand the focus on itself.
        PostMessage(Handle(), CloseMessage(), 0, 0);
    }
    if (FGotFocus && !Visible()) {
        FGotFocus = false;
        FQuillGrid->NotifyEditingDone(FQuillGrid->RealColIndex(s.OldCol), s.OldRow);
    }
}
