// The spin buttons: auto-repeat, the pair's layout, focus mark and keys, and
// the faces in button colours, as scroll arrows or with arrow glyphs.
#include "grid/base/SarnSpinButton.h"

#include <array>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Timer.h"
#include "render/ThemeBinders.h"

namespace {

constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 100;
constexpr int VerticalWidth = 15;
constexpr int HorizontalWidth = 20;

// A small black arrow on a background that glyph drawing leaves out.
void DrawArrowGlyph(TBitmap& Glyph, bool Up)
{
    Glyph.SetSize(9, 6);
    TCanvas& c = *Glyph.Canvas();
    c.Brush()->SetColor(clOlive);
    c.FillRect({0, 0, 9, 6});
    c.Brush()->SetColor(clBlack);
    for (int row = 0; row < 4; ++row) {
        const int half = Up ? row : 3 - row;
        c.FillRect({4 - half, row + 1, 5 + half, row + 2});
    }
}

} // namespace

// ---- TQuillTimerSpeedButton

TQuillTimerSpeedButton::TQuillTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TQuillTimerSpeedButton::~TQuillTimerSpeedButton() = default;

void TQuillTimerSpeedButton::SetButtonDirection(TButtonDirection Value)
{
    FDirection = Value;
    Invalidate();
}

void TQuillTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Parent()) Parent()->Invalidate();
    if (!FState.Contains(tbAllowTimer)) return;
    if (!FRepeatTimer) {
        FRepeatTimer = new TTimer(this);
        FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
    }
    FRepeatTimer->SetInterval(FirstRepeatDelay);
    FRepeatTimer->SetEnabled(true);
}

void TQuillTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    StopTimer();
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Parent()) Parent()->Invalidate();
}

void TQuillTimerSpeedButton::StopTimer()
{
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TQuillTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(RepeatInterval);
    if (!Pressing() || !MouseCapture()) return;
    const rtl::ScopeFail stop([this] { StopTimer(); });
    Click();
}

void TQuillTimerSpeedButton::CMMouseEnter(TMessage& Message)
{
    FMouseOver = true;
    Invalidate();
    TSpeedButton::CMMouseEnter(Message);
}

void TQuillTimerSpeedButton::CMMouseLeave(TMessage& Message)
{
    FMouseOver = false;
    Invalidate();
    TSpeedButton::CMMouseLeave(Message);
}

void TQuillTimerSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    const bool pressed = Pressing() || Down();
    auto* owner = dynamic_cast<const TSarnSpinButton*>(Parent());
    if (owner && owner->ButtonColors().Custom()) {
        c.Brush()->SetColor(owner->ButtonColors().FaceFor(pressed, FMouseOver));
        c.Pen()->SetColor(c.Brush()->Color());
        c.Rectangle(r);
        const int L = r.Left, T = r.Top;
        std::array<TPoint, 3> arrow;
        switch (FDirection) {
        case bdLeft: arrow = {{{L + 5, T + 5}, {L + 3, T + 7}, {L + 5, T + 9}}}; break;
        case bdRight: arrow = {{{L + 3, T + 5}, {L + 5, T + 7}, {L + 3, T + 9}}}; break;
        case bdUp: arrow = {{{L + 4, T + 4}, {L + 8, T + 4}, {L + 6, T + 2}}}; break;
        case bdDown: arrow = {{{L + 4, T + 2}, {L + 8, T + 2}, {L + 6, T + 4}}}; break;
        }
        c.Brush()->SetColor(clBlack);
        c.Pen()->SetColor(clBlack);
        c.Polygon(arrow);
        return;
    }
    if (FIsWinXP) {
        static constexpr int parts[] = {SPNP_DOWNHORZ, SPNP_UPHORZ, SPNP_UP, SPNP_DOWN};
        const int state = pressed ? 3 : FMouseOver ? 2 : 1;
        const HWND window = Parent() ? Parent()->Handle() : 0;
        if (render::ControlsThemeBinder().DrawPart(window, "spin", parts[FDirection], state, c.Handle(), r)) return;
    }
    if (FDirection == bdLeft || FDirection == bdRight) {
        DrawFrameControl(c.Handle(), r, DFC_SCROLL,
            (FDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) | (pressed ? DFCS_PUSHED : 0) |
                (Flat() ? DFCS_FLAT : 0));
        return;
    }
    TSpeedButton::Paint();
}

// ---- TSarnSpinButton

TSarnSpinButton::TSarnSpinButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FUpButton = CreateButton(bdUp);
    FDownButton = CreateButton(bdDown);
    DrawArrowGlyph(FUpButton->Glyph(), true);
    DrawArrowGlyph(FDownButton->Glyph(), false);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, VerticalWidth, 25);
}

TSarnSpinButton::~TSarnSpinButton() = default;

TQuillTimerSpeedButton* TSarnSpinButton::CreateButton(TButtonDirection Direction)
{
    auto* button = new TQuillTimerSpeedButton(this);
    button->SetParent(this);
    button->SetButtonDirection(Direction);
    button->TimeBtnState().Include(tbAllowTimer);
    button->OnMouseDown = [this, button](TObject*, TMouseButton b, TShiftState, int, int) {
        if (b == mbLeft) ButtonPressed(*button);
    };
    button->OnClick = [this, button](TObject*) { ButtonClicked(*button); };
    return button;
}

void TSarnSpinButton::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TSarnSpinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFocusControl) FFocusControl = nullptr;
    if (AComponent == FUpButton) FUpButton = nullptr;
    if (AComponent == FDownButton) FDownButton = nullptr;
}

void TSarnSpinButton::SetIsWinXP(bool Value)
{
    FUpButton->SetIsWinXP(Value);
    FDownButton->SetIsWinXP(Value);
}

void TSarnSpinButton::ButtonColorChanged(grid::TButtonColorPart Part)
{
    if (Part != grid::TButtonColorPart::Face) return;
    FUpButton->Invalidate();
    FDownButton->Invalidate();
}

void TSarnSpinButton::SetDirection(TSpinDirection Value)
{
    if (Value == FDirection) return;
    FDirection = Value;
    const bool horizontal = Value == spHorizontal;
    FUpButton->SetButtonDirection(horizontal ? bdRight : bdUp);
    FDownButton->SetButtonDirection(horizontal ? bdLeft : bdDown);
    if (HandleAllocated()) RecreateWnd();
    SetWidth(horizontal ? HorizontalWidth : VerticalWidth);
    LayoutButtons();
}

void TSarnSpinButton::BoundsChanged()
{
    TWinControl::BoundsChanged();
    LayoutButtons();
}

void TSarnSpinButton::LayoutButtons()
{
    if (!FUpButton || !FDownButton) return;
    const int w = Width(), h = Height();
    if (FDirection == spVertical) {
        if (w < VerticalWidth) {
            SetWidth(VerticalWidth);
            return;
        }
        // The halves overlap by one pixel, so a single line parts them.
        FUpButton->SetBounds(0, 0, w, h / 2);
        FDownButton->SetBounds(0, h / 2 - 1, w, h - h / 2 + 1);
    } else {
        if (w < HorizontalWidth) {
            SetWidth(HorizontalWidth);
            return;
        }
        FDownButton->SetBounds(0, 0, w / 2, h);
        FUpButton->SetBounds(w / 2 + 1, 0, w - w / 2 - 1, h);
    }
}

void TSarnSpinButton::ButtonPressed(TQuillTimerSpeedButton& Button)
{
    SetFocusedButton(&Button);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TSarnSpinButton::ButtonClicked(TQuillTimerSpeedButton& Button)
{
    if (&Button == FUpButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TSarnSpinButton::SetFocusedButton(TQuillTimerSpeedButton* Button)
{
    if (Button == FFocusedButton) return;
    const bool focused = Focused();
    FFocusedButton->TimeBtnState().Exclude(tbFocusRect);
    FFocusedButton->Invalidate();
    FFocusedButton = Button;
    if (focused) FFocusedButton->TimeBtnState().Include(tbFocusRect);
    FFocusedButton->Invalidate();
}

void TSarnSpinButton::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TSarnSpinButton::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
        SetFocusedButton(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusedButton(FDownButton);
        FDownButton->Click();
        break;
    default: break;
    }
}

void TSarnSpinButton::WMSetFocus(TMessage& Message)
{
    TWinControl::WMSetFocus(Message);
    FFocusedButton->TimeBtnState().Include(tbFocusRect);
    FFocusedButton->Invalidate();
}

void TSarnSpinButton::WMKillFocus(TMessage& Message)
{
    TWinControl::WMKillFocus(Message);
    FFocusedButton->TimeBtnState().Exclude(tbFocusRect);
    FFocusedButton->Invalidate();
}
