// TEditButton and TQuillEditBtn: the button window's size and click, and the
// edit's button placement, text rectangle, minimum height, keys and lock.
#include "controls/QuillEdBtn.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"

namespace {

bool KeyHeld(int VirtualKey) { return GetKeyState(VirtualKey) < 0; }

} // namespace

// ---- Button window

TEditButton::TEditButton(TQuillEditBtn& Edit) : TWinControl(&Edit), FEdit(Edit)
{
    FButton = new TQuillSpeedButton(*this);
    FButton->SetParent(this);
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) { HandleButtonMouseUp(Button); };
    SetBounds(0, 0, 16, 25);
}

void TEditButton::SetButtonWidth(int Value)
{
    FBWidth = std::max(0, Value);
    SetBounds(Left(), Top(), FBWidth, Height());
}

void TEditButton::SetBounds(int ALeft, int ATop, int, int AHeight)
{
    // The width is the button width, whatever was asked.
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
    if (FButton) FButton->SetBounds(0, 0, FBWidth, AHeight);
}

void TEditButton::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFocusControl) FFocusControl = nullptr;
    if (AComponent == FButton) FButton = nullptr;
}

void TEditButton::HandleButtonMouseUp(TMouseButton Button)
{
    if (Button != mbLeft || !Enabled()) return;
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

// ---- Edit

TQuillEditBtn::TQuillEditBtn(TComponent* AOwner) : TQuillEdit(AOwner)
{
    FButton = new TEditButton(*this);
    FButton->SetBounds(0, 0, 17, 17);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject*) { DoClickBtn(); };
    SetText("");
    SetIndents(0, 18);
    ResizeButton();
}

TQuillEditBtn::~TQuillEditBtn()
{
    // The button is freed with the other owned components; nothing may reach it then.
    FButton = nullptr;
}

void TQuillEditBtn::Notification(TComponent* AComponent, TOperation Operation)
{
    TQuillEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}

void TQuillEditBtn::DoClickBtn()
{
    if (OnClickBtn) OnClickBtn(this);
}

void TQuillEditBtn::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    if (FButton) FButton->Button().SetFlat(Value);
    TQuillEdit::SetFlat(Value);
    // The nudge redoes the layout for the new border.
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TQuillEditBtn::SetEtched(bool Value)
{
    if (Value == FEtched) return;
    FEtched = Value;
    if (FButton) FButton->Button().SetEtched(Value);
    Invalidate();
}

void TQuillEditBtn::SetButtonWidth(int Value)
{
    if (!FButton) return;
    FButton->SetButtonWidth(Value);
    SetIndents(0, Value + 3);
    ResizeButton();
}

void TQuillEditBtn::SetButtonHint(const std::string& Value)
{
    if (Value == FButtonHint) return;
    FButtonHint = Value;
    if (!FButton) return;
    FButton->SetHint(Value);
    FButton->SetShowHint(!Value.empty());
}

void TQuillEditBtn::SetButtonStyle(TButtonStyle Value)
{
    FButtonStyle = Value;
    if (FButton) FButton->Button().Invalidate();
}

void TQuillEditBtn::UpdateButtonEnabled()
{
    if (!FButton) return;
    FButton->SetEnabled(Enabled() && !ReadOnly());
    FButton->Button().Invalidate();
}

void TQuillEditBtn::SetReadOnly(bool Value)
{
    TQuillEdit::SetReadOnly(Value);
    UpdateButtonEnabled();
}

void TQuillEditBtn::SetEnabled(bool Value)
{
    TQuillEdit::SetEnabled(Value);
    UpdateButtonEnabled();
}

// ---- Layout

int TQuillEditBtn::GetMinHeight() const
{
    const int font = FontLineHeight(Font());
    return font + std::min(FontLineHeight(TFont()), font) / 4;
}

void TQuillEditBtn::ResizeButton()
{
    if (!FButton || FResizing) return;
    const int minimum = GetMinHeight();
    if (Height() < minimum) {
        // The new height comes back here through the size change.
        SetHeight(minimum);
        Invalidate();
        return;
    }
    const int a = FFlat ? 3 : BorderStyle() == bsSingle ? 4 : 1;
    FResizing = true;
    FButton->SetBounds(Width() - ButtonWidth() - a, FFlat ? 2 : 0, ButtonWidth(), Height() - a);
    FResizing = false;
    SetEditRect();
    Invalidate();
}

void TQuillEditBtn::SetEditRect()
{
    if (!FButton || !HandleAllocated()) return;
    TRect r{0, 0, ClientWidth() - FButton->Width() - 3, ClientHeight() + 1};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TQuillEditBtn::CreateWnd()
{
    TQuillEdit::CreateWnd();
    ResizeButton();
}

void TQuillEditBtn::Loaded()
{
    TQuillEdit::Loaded();
    ResizeButton();
    UpdateButtonEnabled();
}

void TQuillEditBtn::BoundsChanged()
{
    TQuillEdit::BoundsChanged();
    ResizeButton();
}

void TQuillEditBtn::CMFontChanged(TMessage& Message)
{
    TQuillEdit::CMFontChanged(Message);
    ResizeButton();
}

// ---- Focus look

bool TQuillEditBtn::IsButtonHot() const
{
    if (MouseInControl()) return true;
    return Screen && Screen->ActiveControl() == this;
}

void TQuillEditBtn::UpdateButtonFocus()
{
    if (FFlat && FButton) FButton->Button().SetFocused(IsButtonHot());
}

void TQuillEditBtn::WMSetFocus(TMessage& Message)
{
    TQuillEdit::WMSetFocus(Message);
    SetEditRect();
    UpdateButtonFocus();
}

void TQuillEditBtn::WMKillFocus(TMessage& Message)
{
    TQuillEdit::WMKillFocus(Message);
    UpdateButtonFocus();
}

void TQuillEditBtn::CMMouseEnter(TMessage& Message)
{
    TQuillEdit::CMMouseEnter(Message);
    if (Enabled()) UpdateButtonFocus();
}

void TQuillEditBtn::CMMouseLeave(TMessage& Message)
{
    TQuillEdit::CMMouseLeave(Message);
    if (Enabled()) UpdateButtonFocus();
}

// ---- Keys and the typing lock

void TQuillEditBtn::WMKeyDown(TMessage& Message)
{
    if (Message.WParam == VK_DELETE && !FEditorEnabled) {
        Message.WParam = 0;
        Message.Result = 1;
        return;
    }
    const bool ctrlEnter = Message.WParam == VK_RETURN && KeyHeld(VK_CONTROL);
    TQuillEdit::WMKeyDown(Message);
    if (ctrlEnter) PostMessage(Handle(), WM_KEYDOWN, VK_UP, 0);
}

void TQuillEditBtn::WMChar(TMessage& Message)
{
    constexpr WPARAM CtrlC = 3, Enter = 13, Escape = 27;
    const WPARAM key = Message.WParam;
    if (FEditorEnabled || (key == CtrlC && EditType() != etPassword) || key == Enter || key == Escape)
        TQuillEdit::WMChar(Message);
}

void TQuillEditBtn::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TQuillEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !KeyHeld(VK_CONTROL) && !KeyHeld(VK_LMENU) && !KeyHeld(VK_RMENU) && !Shift.Contains(ssAlt))
        DoClickBtn();
}

void TQuillEditBtn::Dispatch(TMessage& Message)
{
    if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly())) return;
    TQuillEdit::Dispatch(Message);
}
