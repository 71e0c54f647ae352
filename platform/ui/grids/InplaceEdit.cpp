// The in-place editor: hand-over of navigation keys and characters to the
// grid, and the change notice that stores the text in the cell.
#include "platform/ui/grids/InplaceEdit.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/grids/Grids.h"

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomEdit(AGrid), FGrid(AGrid)
{
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetVisible(false);
    SetParent(AGrid);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::UpdateContents()
{
    FEditMask = FGrid->ProvideEditMask(FGrid->Col(), FGrid->Row());
    SetMaxLength(FGrid->ProvideEditLimit());
    FLoading = true;
    const rtl::ScopeExit loaded([this] { FLoading = false; });
    SetText(FGrid->ProvideEditText(FGrid->Col(), FGrid->Row()));
    SetModified(false);
    SelectAll();
}

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBoundsRect(Loc);
    Show();
    Invalidate();
}

void TInplaceEdit::Hide()
{
    if (!Visible()) return;
    bool hadFocus = Focused();
    SetVisible(false);
    if (hadFocus && FGrid->CanFocus()) FGrid->SetFocus();
}

void TInplaceEdit::Change()
{
    if (FLoading) return;
    FGrid->UpdateText();
    TCustomEdit::Change();
}

void TInplaceEdit::SendToGrid(unsigned short& Key, TShiftState Shift)
{
    // The grid moves (which closes this edit); the key is used up here.
    FGrid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    const int length = static_cast<int>(FText32.size());
    const bool plain = !Shift.Contains(ssShift) && SelLength() == 0;
    switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        SendToGrid(Key, Shift);
        break;
    case VK_TAB:
        if (FGrid->Options().Contains(goTabs) && !Shift.Contains(ssAlt)) SendToGrid(Key, Shift);
        break;
    case VK_LEFT:
        if (plain && SelStart() == 0) SendToGrid(Key, Shift);
        break;
    case VK_RIGHT:
        if (plain && SelStart() == length) SendToGrid(Key, Shift);
        break;
    default:
        break;
    }
}

void TInplaceEdit::KeyPress(char32_t& Key)
{
    FGrid->KeyPress(Key);
    if (Key != 0) TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}
