// TCustomDateTimePicker: the own frame (flat look, border colour), the
// drop-down button in custom colours, hover and focus tracking, and AutoTab.
#include <array>

#include "controls/QuillDateTimePicker.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"
#include "render/QuillStyleIF.h"

namespace {

// The frame of a themed picker.
constexpr TColor ThemedFrameColor = TColor(0xB99D7F);

} // namespace

unsigned DTPShiftFocusMessage()
{
    static const unsigned message = RegisterWindowMessage("DTPShiftFocus");
    return message;
}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FIsThemed(CommonControlsThemed()), FIsWinXP(IsWindowsXPOrNewer()),
      FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2)
{
    SetCtl3D(false);
    DTPShiftFocusMessage();
}

void TCustomDateTimePicker::SetMetroStyle(bool Value)
{
    if (Value == FMetroStyle) return;
    FMetroStyle = Value;
    Invalidate();
}

void TCustomDateTimePicker::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
}

void TCustomDateTimePicker::ApplyBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    Invalidate();
}

bool TCustomDateTimePicker::MouseButtonDown() const { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

// ---- AutoTab

void TCustomDateTimePicker::KeyPress(char32_t& Key)
{
    if (Key < U'0' || Key > U'9' || !FAutoTab) {
        TDateTimePicker::KeyPress(Key);
        return;
    }
    if (Kind() == dtkTime) {
        int h = 0, m = 0, s = 0, ms = 0;
        DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
        Fh = h, Fm = m, Fs = s, Fms = ms;
    }
    TDateTimePicker::KeyPress(Key);
    PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::Dispatch(TMessage& Message)
{
    if (Message.Msg == DTPShiftFocusMessage()) AdvanceTimeField();
    TDateTimePicker::Dispatch(Message);
}

void TCustomDateTimePicker::AdvanceTimeField()
{
    if (Kind() != dtkTime) return;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
    if (h != Fh || m != Fm || s != Fs) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

// ---- Hover and focus

void TCustomDateTimePicker::MouseMove(TShiftState Shift, int X, int Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    const int x = X + NonClientMargins().Left;
    const bool hover = Width() - FButtonWidth < x && x < Width();
    if (hover == FButtonHover) return;
    FButtonHover = hover;
    Invalidate();
}

void TCustomDateTimePicker::CMMouseEnter(TMessage& Message)
{
    TDateTimePicker::CMMouseEnter(Message);
    if (!Enabled() || FMouseInControl) return;
    FMouseInControl = true;
    RedrawBorder();
}

void TCustomDateTimePicker::CMMouseLeave(TMessage& Message)
{
    TDateTimePicker::CMMouseLeave(Message);
    if (!Enabled() || !FMouseInControl) return;
    FMouseInControl = false;
    FButtonHover = false;
    RedrawBorder();
}

void TCustomDateTimePicker::CMEnter(TMessage& Message)
{
    TDateTimePicker::CMEnter(Message);
    FHasFocus = true;
    RedrawBorder();
}

void TCustomDateTimePicker::CMExit(TMessage& Message)
{
    TDateTimePicker::CMExit(Message);
    FHasFocus = false;
    RedrawBorder();
}

// ---- Painting

void TCustomDateTimePicker::PaintNonClient(TCanvas& Canvas)
{
    TDateTimePicker::PaintNonClient(Canvas);
    if (!Ctl3D()) {
        const TColor pen = FBorderStyle == bsNone && Parent() ? Parent()->Color() : FIsThemed ? ThemedFrameColor : FBorderColor;
        Canvas.Pen()->SetColor(pen);
        const int w = Width(), h = Height();
        const std::array<TPoint, 5> outline{TPoint{0, h}, TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{w - 1, h - 1}, TPoint{0, h - 1}};
        Canvas.Polyline(outline);
    }
    const bool enabledPlain = Enabled() && FBorderColor == clNone;
    if (MetroBorder() && !enabledPlain) DrawMetroBorder(Canvas);
}

void TCustomDateTimePicker::DrawMetroBorder(TCanvas& Canvas)
{
    const TRect whole{0, 0, Width(), Height()};
    Canvas.Brush()->SetStyle(bsSolid);
    if (!Enabled() && FIsThemed) {
        Canvas.Brush()->SetColor(ThemedFrameColor);
        Canvas.FrameRect(whole);
        return;
    }
    if (FBorderColor != clNone) {
        Canvas.Brush()->SetColor(FBorderColor);
        Canvas.FrameRect(whole);
        return;
    }
    // No colour of its own: the frame melts into the parent, around the field.
    const TColor parent = Parent() ? Parent()->Color() : Color();
    Canvas.Brush()->SetColor(parent);
    Canvas.FrameRect(whole);
    Canvas.FrameRect({1, 1, Width() - 1 - FButtonWidth, Height() - 1});
    Canvas.Brush()->SetColor(Color());
    Canvas.FrameRect({2, 2, Width() - 2 - FButtonWidth, Height() - 2});
}

void TCustomDateTimePicker::Paint()
{
    TDateTimePicker::Paint();
    if (!MetroBorder() || Kind() == dtkTime) return;
    DrawButton(*Canvas());
}

void TCustomDateTimePicker::DrawButton(TCanvas& Canvas)
{
    TRect r{ClientWidth() - FButtonWidth + 2, 0, ClientWidth(), ClientHeight()};
    InflateRect(r, -1, -1);
    // The platform button underneath is covered either way.
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect({r.Left - 2, 0, ClientWidth(), ClientHeight()});
    if (ButtonColor == clNone) {
        DrawFrameControl(Canvas.Handle(), r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
        return;
    }
    const bool down = FButtonHover && MouseButtonDown();
    const TColor face = down ? ButtonColorDown : FButtonHover ? ButtonColorHot : ButtonColor;
    TRect fill = r;
    fill.Left += 2;
    Canvas.Brush()->SetColor(face);
    Canvas.Pen()->SetColor(face);
    Canvas.FillRect(fill);
    Canvas.Pen()->SetColor(ButtonBorderColor);
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Left, r.Bottom);
    const TColor arrow = MouseButtonDown() ? ButtonTextColorDown : ButtonTextColor;
    Canvas.Brush()->SetColor(arrow);
    Canvas.Pen()->SetColor(arrow);
    const std::array<TPoint, 3> triangle{TPoint{r.Left + 5, r.Top + 7}, TPoint{r.Left + 11, r.Top + 7},
                                         TPoint{r.Left + 8, r.Top + 10}};
    Canvas.Polygon(triangle);
}
