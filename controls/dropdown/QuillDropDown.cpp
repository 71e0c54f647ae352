#include "controls/dropdown/QuillDropDown.h"

#include <algorithm>
#include <array>

#include "controls/dropdown/DropDownForm.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Screen.h"
#include "render/ThemeBinders.h"

namespace controls {

TQuillCustomDropDown::TQuillCustomDropDown(TComponent* AOwner)
    : TCustomEdit(AOwner), FButtonGlyph(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 200, 21);
    CreateDropDownForm();
    // A strip shown or hidden while the popup is open shows at once.
    auto appearanceChanged = [this](TObject*) {
        if (FDroppedDown) FDropDownForm->InitializeAndUpdate();
    };
    FDropDownHeader.OnChange = appearanceChanged;
    FDropDownFooter.OnChange = appearanceChanged;
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
}

TQuillCustomDropDown::~TQuillCustomDropDown()
{
    if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
    FDropDownForm->OnHide = nullptr;
    FDropDownForm->OnDestroy = nullptr;
    delete FLabelLink.Label();
}

void TQuillCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm) return;
    FDropDownForm = std::make_unique<TDropDownForm>(*this);
    FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
    TDropDownForm& form = *FDropDownForm;
    form.OnHide = [this](TObject*) { DropDownHidden(); };
    form.OnDestroy = [this](TObject*) { DropDownFormDestroyed(); };
    form.OnKeyPress = [this](TObject*, char32_t& Key) { FormKeyPress(Key); };
    form.OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
    form.OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { FormKeyUp(Key, Shift); };
    form.OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint Pos, bool& Handled) {
        FormMouseWheelDown(Shift, Pos, Handled);
    };
    form.OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint Pos, bool& Handled) {
        FormMouseWheelUp(Shift, Pos, Handled);
    };
    form.OnSizing = [this](TObject*) { FormSizing(); };
}

void TQuillCustomDropDown::FormMouseWheelDown(TShiftState, TPoint, bool&) { SelectionWheelDown(); }

void TQuillCustomDropDown::FormMouseWheelUp(TShiftState, TPoint, bool&) { SelectionWheelUp(); }

void TQuillCustomDropDown::FormKeyPress(char32_t& Key) { Perform(WM_CHAR, Key, 0); }

void TQuillCustomDropDown::FormKeyDown(unsigned short& Key, TShiftState) { Perform(WM_KEYDOWN, Key, 0); }

void TQuillCustomDropDown::FormKeyUp(unsigned short& Key, TShiftState) { Perform(WM_KEYUP, Key, 0); }

void TQuillCustomDropDown::ControlKeyDown(unsigned short& Key, TShiftState) { Perform(WM_KEYDOWN, Key, 0); }

void TQuillCustomDropDown::ControlKeyUp(unsigned short& Key, TShiftState) { Perform(WM_KEYUP, Key, 0); }

void TQuillCustomDropDown::ControlKeyPress(char32_t& Key) { Perform(WM_CHAR, Key, 0); }

void TQuillCustomDropDown::DoLabelClick()
{
    if (OnLabelClick) OnLabelClick(this);
}

void TQuillCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick) OnLabelDblClick(this);
}

void TQuillCustomDropDown::DrawBackgroundGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor,
                                                  TGradientDirection Direction, const TRect& Rect, int Steps)
{
    DrawGradient(Canvas, FromColor, ToColor, Direction == gdHorizontal, Rect, Steps);
}

void TQuillCustomDropDown::SetDropDownControl(TControl* AControl)
{
    if (AControl == FControl) return;
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = AControl;
    if (FControl) {
        FControl->FreeNotification(this);
        PlaceDropDownControl();
    }
}

void TQuillCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FControl) FControl = nullptr;
    if (AComponent == FFocusControl) FFocusControl = nullptr;
    FLabelLink.Forget(AComponent);
}

void TQuillCustomDropDown::SetDropDownWidth(int Value)
{
    if (Value == FDropDownWidth) return;
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
}

void TQuillCustomDropDown::SetDropDownHeight(int Value)
{
    if (Value == FDropDownHeight) return;
    FDropDownHeight = Value;
    FUserDropDownHeight = -1;
}

void TQuillCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    SetCursor(Value ? crIBeam : crArrow);
}

void TQuillCustomDropDown::SetDropDownButtonWidth(int Value)
{
    FButtonWidth = std::max(0, Value);
    // The frame holds the button: its size changed.
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TQuillCustomDropDown::ApplyText(const std::string& Value)
{
    const std::string value = FormattedValue(Value);
    WriteValue(value);
    FOldText = value;
    FIsModified = false;
}

const TCustomForm* TQuillCustomDropDown::PopupForm() const { return FDropDownForm.get(); }

bool TQuillCustomDropDown::PopupVisible() const { return FDropDownForm->Visible(); }

void TQuillCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TQuillCustomDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    bool control = FControl && FControl->Visible();
    Width = FDropDownWidth > 0 ? FDropDownWidth : control ? FControl->Width() : this->Width();
    if (FDropDownHeight > 0) {
        Height = FDropDownHeight;
        return;
    }
    Height = 2 * FDropDownBorderWidth + (control ? FControl->Height() : 0);
    if (FDropDownHeader.Visible()) Height += FDropDownHeader.Height;
    if (FDropDownFooter.Visible()) Height += FDropDownFooter.Height;
}

void TQuillCustomDropDown::PlaceDropDownControl()
{
    if (!FControl) return;
    FControl->SetParent(FDropDownForm.get());
    FControl->SetAlign(alClient);
}

void TQuillCustomDropDown::DoShowDropDown()
{
    if (PopupVisible() || !IsEnabledWithParents() || ReadOnly()) return;
    // A cancel returns to the text as it was when the popup opened, so
    // nothing the user typed before opening is lost by Esc.
    FOldText = Text();
    BeforeDropDown();
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();
    int width = 0, height = 0;
    AdaptDropDownSize(width, height);
    PlaceDropDownControl();
    // The hosted control's keys reach the edit as the popup's own do.
    if (auto* control = dynamic_cast<TWinControl*>(FControl)) {
        control->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        control->OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
        control->OnKeyPress = [this](TObject*, char32_t& Key) { ControlKeyPress(Key); };
    }
    bool accept = true;
    if (OnDropDown) OnDropDown(this, accept);
    if (!accept) return;
    if (FUserDropDownWidth != -1) width = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) height = FUserDropDownHeight;
    width = std::max(width, MinPopupWidth);
    height = std::max(height, MinPopupHeight);
    TPoint topLeft = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientToScreen({0, 0});
    TRect edit{topLeft.X, topLeft.Y, topLeft.X + Width(), topLeft.Y + Height()};
    TRect work = Screen ? Screen->WorkAreaRect() : ui::Backend().ScreenMetrics().WorkArea;
    FDropDownForm->SetBoundsRect(PlaceDropDown(edit, width, height, FDropPosition, work));
    FDroppedDown = true;
    FDropDownForm->Show();
    if (FDropDownShadow && FForceShadow) {
        // Mapped a second time, the popup takes the shadow it asked for.
        FDropDownForm->Hide();
        FDroppedDown = true;
        FDropDownForm->Show();
    }
    ui::SetOpenPopup(this);
    Invalidate();
    FocusDropDownControl();
}

void TQuillCustomDropDown::DoHideDropDown(bool Cancel)
{
    if (!PopupVisible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    // A popup the user cannot resize has no size of the user's to keep: a
    // later opening, perhaps with another control, computes its size again.
    const bool sizeable = FDropDownForm->Sizeable();
    FUserDropDownWidth = sizeable ? FDropDownForm->Width() : -1;
    FUserDropDownHeight = sizeable ? FDropDownForm->Height() : -1;
    if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
    // A control in the popup that holds the focus gives it back to the edit.
    if (const TWinControl* focused = ui::FocusedControl();
        focused && focused->GetParentForm() == FDropDownForm.get() && CanFocus())
        SetFocus();
    FDropDownForm->Hide();
    if (Application) Application->CancelHint();
    if (Cancel) ApplyText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancel);
}

void TQuillCustomDropDown::DropDownHidden()
{
    // The edit kept the focus while the popup showed: nothing to return.
    FDroppedDown = false;
    Invalidate();
}

void TQuillCustomDropDown::Dismiss()
{
    if (FDropDownForm->BlockActivate()) return;
    FDropDownForm->NoteDeactivated();
    DoHideDropDown(FDropDownForm->CancelOnDeActivate());
}

void TQuillCustomDropDown::OpenFromClick()
{
    if (PopupVisible()) return;
    std::uint64_t since = ui::Backend().NowMs() - FDropDownForm->DeActivateTime();
    if (FDropDownForm->DeActivateTime() != 0 && since <= ReopenGuardMs) return;
    DoShowDropDown();
}

bool TQuillCustomDropDown::DispatchPopupKey(unsigned short Key)
{
    if (Key == VK_RETURN && PopupVisible()) {
        DoHideDropDown(false);
        return true;
    }
    if (Key == VK_ESCAPE && PopupVisible()) {
        DoHideDropDown(true);
        return true;
    }
    if (Key == VK_F4) {
        if (PopupVisible()) DoHideDropDown(false);
        else DoShowDropDown();
        return true;
    }
    return false;
}

void TQuillCustomDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt)) {
        if (PopupVisible()) DoHideDropDown(false);
        else DoShowDropDown();
        Key = 0;
        return;
    }
    if (!FEditorEnabled) {
        bool used = !ReadOnly() && DispatchPopupKey(Key);
        if (used || (Key != VK_RETURN && Key != VK_ESCAPE)) {
            Key = 0;
            return;
        }
        TCustomEdit::KeyDown(Key, Shift);
        return;
    }
    if (Shift.Contains(ssCtrl) && (Key == VK_TAB || Key == VK_RETURN)) {
        TCustomEdit::KeyDown(Key, Shift);
        return;
    }
    if (FReturnIsTab && Key == VK_RETURN) {
        // Enter moves on as Tab would, and leaves an open popup open.
        Key = 0;
        if (TCustomForm* form = GetParentForm()) form->Perform(WM_NEXTDLGCTL, 0, 0);
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
    if (Key != 0 && DispatchPopupKey(Key)) Key = 0;
    if (Key == VK_ESCAPE && FCanUndo) {
        // The value stays as typed; only its modified mark goes.
        SelectAll();
        FIsModified = false;
    }
}

void TQuillCustomDropDown::KeyPress(char32_t& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == U'\r') Key = 0;
    // A face without editor takes no typing.
    if (!FEditorEnabled) Key = 0;
}

void TQuillCustomDropDown::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    // While the popup is down, Enter and Esc belong to it, not to the form.
    if (FDroppedDown) Message.Result |= DLGC_WANTALLKEYS;
}

void TQuillCustomDropDown::WMKillFocus(TMessage& Message)
{
    // The focus leaving the edit closes the popup as a click elsewhere does,
    // unless it goes to a control in the popup.
    const TWinControl* next = FindControl(reinterpret_cast<HWND>(Message.WParam));
    if (PopupVisible() && !(next && next->GetParentForm() == FDropDownForm.get())) Dismiss();
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) && FEditorEnabled) {
        const bool modified = FIsModified;
        WriteValue(FormattedValue(Text()));
        FIsModified = modified;
    }
    TCustomEdit::WMKillFocus(Message);
    Invalidate();
}

bool TQuillCustomDropDown::InButton(int X) const { return X >= ClientWidth(); }

void TQuillCustomDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && InButton(X)) {
        if (CanFocus() && !Focused()) SetFocus();
        FButtonPressed = true;
        SetMouseCapture(true);
        Invalidate();
        return;
    }
    TCustomEdit::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !FEditorEnabled) OpenFromClick();
}

void TQuillCustomDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && FButtonPressed) {
        FButtonPressed = false;
        SetMouseCapture(false);
        Invalidate();
        // The button clicks on release, inside it.
        if (InButton(X) && X < Width() && Y >= 0 && Y < ClientHeight()) OpenFromClick();
        return;
    }
    TCustomEdit::MouseUp(Button, Shift, X, Y);
}

bool TQuillCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = TCustomEdit::DoMouseWheelDown(Shift, MousePos);
    SelectionWheelDown();
    return handled;
}

bool TQuillCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = TCustomEdit::DoMouseWheelUp(Shift, MousePos);
    SelectionWheelUp();
    return handled;
}

TRect TQuillCustomDropDown::NonClientMargins() const
{
    TRect m = TCustomEdit::NonClientMargins();
    m.Right += FButtonWidth;
    return m;
}

TRect TQuillCustomDropDown::ButtonRect() const
{
    TRect m = TCustomEdit::NonClientMargins();
    return {Width() - m.Right - FButtonWidth, m.Top, Width() - m.Right, Height() - m.Bottom};
}

void TQuillCustomDropDown::PaintNonClient(TCanvas& Canvas)
{
    TCustomEdit::PaintNonClient(Canvas);
    PaintBorder(Canvas);
    if (FButtonWidth <= 0) return;
    bool pushed = FDroppedDown || FButtonPressed;
    TRect button = ButtonRect();
    if (FButtonColor != clNone) {
        // The colour-tone look: a flat face with a line at its left and an arrow.
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(pushed ? FButtonColorDown : FMouseInControl ? FButtonColorHot : FButtonColor);
        Canvas.FillRect(button);
        Canvas.Pen()->SetColor(FButtonBorderColor == clNone ? FButtonColor : FButtonBorderColor);
        Canvas.MoveTo(button.Left, button.Top);
        Canvas.LineTo(button.Left, button.Bottom);
        Canvas.Brush()->SetColor(clBlack);
        Canvas.Pen()->SetColor(clBlack);
        const int x = button.Left + (button.Width() - 7) / 2, y = button.Top + (button.Height() - 4) / 2;
        const std::array<TPoint, 3> arrow{TPoint{x, y}, TPoint{x + 6, y}, TPoint{x + 3, y + 3}};
        Canvas.Polygon(arrow);
        return;
    }
    if (!FButtonGlyph->Empty()) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.Pen()->SetColor(TColor(0x808080));
        Canvas.Rectangle(button);
        FButtonGlyph->SetTransparent(true);
        Canvas.Draw(button.Left, button.Top, FButtonGlyph.get());
        return;
    }
    const int themeState = !IsEnabledWithParents() ? CBXS_DISABLED : pushed ? CBXS_PRESSED : CBXS_NORMAL;
    if (render::DropDownThemeBinder().ThemeActive() &&
        render::DropDownThemeBinder().DrawPart(Handle(), "combobox", CP_DROPDOWNBUTTON, themeState, Canvas.Handle(),
                                               button))
        return;
    DrawFrameControl(Canvas.Handle(), button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (pushed ? DFCS_PUSHED : 0) | (IsEnabledWithParents() ? 0 : DFCS_INACTIVE));
}

} // namespace controls
