// The grid's date-time picker: its settings and the mouse, hover and focus state its painting reads.
#include "grid/base/SarnDateTimePicker.h"

#include "grid/base/ThemedComCtl.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBars.h"
#include "render/QuillStyleIF.h"
#include "render/ThemeBinders.h"

TSarnDateTimePicker::TSarnDateTimePicker(TComponent* AOwner)
    : TPlainDateTimePicker(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsWinXP(IsWindowsXPOrNewer()), FIsThemed(render::OperatingSystem().CommonControlsMajorVersion > 5)
{
    ApplyBorderStyle(bsSingle);
    FBorderStyle = bsNone;
}

void TSarnDateTimePicker::ApplyBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    Invalidate();
}

void TSarnDateTimePicker::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
}

void TSarnDateTimePicker::SetMetroStyle(bool Value)
{
    if (Value == FMetroStyle) return;
    FMetroStyle = Value;
    Invalidate();
}

bool TSarnDateTimePicker::MetroActive() const
{
    return FMetroStyle && !ComponentState().Contains(csDesigning);
}

bool TSarnDateTimePicker::UsesTheme() const
{
    return FIsThemed && render::ControlsThemeBinder().Loaded() && HasThemedComCtl();
}

bool TSarnDateTimePicker::Active() const
{
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

bool TSarnDateTimePicker::Hot() const
{
    return !ComponentState().Contains(csDesigning) && Active() && FFocusBorder;
}

void TSarnDateTimePicker::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CTL3DCHANGED) Invalidate();
    TPlainDateTimePicker::Dispatch(Message);
}

void TSarnDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseButtonDown = Button == mbLeft || Button == mbRight;
    if (MetroActive()) Invalidate();
    TPlainDateTimePicker::MouseDown(Button, Shift, X, Y);
}

void TSarnDateTimePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseButtonDown = false;
    if (MetroActive()) Invalidate();
    TPlainDateTimePicker::MouseUp(Button, Shift, X, Y);
}

void TSarnDateTimePicker::MouseMove(TShiftState Shift, int X, int Y)
{
    const bool hover = Width() - FButtonWidth < X && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
    TPlainDateTimePicker::MouseMove(Shift, X, Y);
}

void TSarnDateTimePicker::CMMouseEnter(TMessage& Message)
{
    if (!ComponentState().Contains(csDesigning) && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
    TPlainDateTimePicker::CMMouseEnter(Message);
}

void TSarnDateTimePicker::CMMouseLeave(TMessage& Message)
{
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
    TPlainDateTimePicker::CMMouseLeave(Message);
}

void TSarnDateTimePicker::CMEnter(TMessage& Message)
{
    if (!ComponentState().Contains(csDesigning)) {
        FHasFocus = true;
        Invalidate();
    }
    TPlainDateTimePicker::CMEnter(Message);
}

void TSarnDateTimePicker::CMExit(TMessage& Message)
{
    if (!ComponentState().Contains(csDesigning)) {
        FHasFocus = false;
        Invalidate();
    }
    TPlainDateTimePicker::CMExit(Message);
}
