// TTrackBar: drawing, keys, wheel and dragging the thumb.
#include "platform/ui/ComCtrls.h"

#include <algorithm>

#include "platform/graphics/FrameDrawing.h"

namespace {
constexpr int ThumbLength = 11;
constexpr int ThumbThickness = 20;
constexpr int ChannelMargin = 8;
} // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    FColor = clBtnFace;
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetRange(int AMin, int AMax)
{
    FMin = AMin;
    FMax = std::max(AMin, AMax);
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMin(int Value) { SetRange(Value, std::max(Value, FMax)); }

void TTrackBar::SetMax(int Value) { SetRange(std::min(FMin, Value), Value); }

void TTrackBar::SetPosition(int Value)
{
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
    Changed();
}

void TTrackBar::Changed()
{
    if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int Value)
{
    FFrequency = std::max(1, Value);
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (FOrientation == Value) return;
    FOrientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value)
{
    FTickMarks = Value;
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value)
{
    FTickStyle = Value;
    Invalidate();
}

TRect TTrackBar::ChannelRect() const
{
    bool horizontal = FOrientation == trHorizontal;
    int length = (horizontal ? ClientWidth() : ClientHeight()) - 2 * ChannelMargin;
    int middle = (horizontal ? ClientHeight() : ClientWidth()) / 2 - (FTickStyle == tsNone ? 0 : 4);
    if (horizontal) return Bounds(ChannelMargin, middle - 2, std::max(0, length), 4);
    return Bounds(middle - 2, ChannelMargin, 4, std::max(0, length));
}

TRect TTrackBar::ThumbRect() const
{
    TRect ch = ChannelRect();
    bool horizontal = FOrientation == trHorizontal;
    int span = FMax - FMin;
    int length = horizontal ? ch.Width() : ch.Height();
    int offset = span > 0 ? static_cast<int>(static_cast<long long>(FPosition - FMin) * length / span) : 0;
    if (horizontal) {
        int cx = ch.Left + offset, cy = ch.Top + ch.Height() / 2;
        return Bounds(cx - ThumbLength / 2, cy - ThumbThickness / 2, ThumbLength, ThumbThickness);
    }
    int cy = ch.Top + offset, cx = ch.Left + ch.Width() / 2;
    return Bounds(cx - ThumbThickness / 2, cy - ThumbLength / 2, ThumbThickness, ThumbLength);
}

int TTrackBar::PositionAt(TPoint P) const
{
    TRect ch = ChannelRect();
    bool horizontal = FOrientation == trHorizontal;
    int length = horizontal ? ch.Width() : ch.Height();
    if (length <= 0) return FMin;
    int along = horizontal ? P.X - ch.Left : P.Y - ch.Top;
    long long span = FMax - FMin;
    // Round to the nearest position.
    long long pos = FMin + (static_cast<long long>(along) * span + length / 2) / length;
    return static_cast<int>(std::clamp<long long>(pos, FMin, FMax));
}

void TTrackBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    TRect ch = ChannelRect();
    DrawEdge(c.Handle(), ch, EDGE_SUNKEN, BF_RECT);
    bool horizontal = FOrientation == trHorizontal;
    if (FTickStyle == tsAuto && FMax > FMin) {
        c.Pen()->SetColor(clWindowText);
        TRect thumb = ThumbRect();
        for (long long v = FMin; v <= FMax; v += FFrequency) {
            int length = horizontal ? ch.Width() : ch.Height();
            int at = (horizontal ? ch.Left : ch.Top) + static_cast<int>((v - FMin) * length / (FMax - FMin));
            auto tick = [&](int from, int to) {
                if (horizontal) {
                    c.MoveTo(at, from);
                    c.LineTo(at, to);
                } else {
                    c.MoveTo(from, at);
                    c.LineTo(to, at);
                }
            };
            int below = horizontal ? thumb.Bottom + 2 : thumb.Right + 2;
            int above = horizontal ? thumb.Top - 2 : thumb.Left - 2;
            if (FTickMarks != tmTopLeft) tick(below, below + 3);
            if (FTickMarks != tmBottomRight) tick(above - 3, above);
        }
    }
    TRect thumb = ThumbRect();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(thumb);
    DrawEdge(c.Handle(), thumb, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        TRect focus = ClientRect();
        c.DrawFocusRect(focus);
    }
}

void TTrackBar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TTrackBar::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(FPosition - FLineSize); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(FPosition + FLineSize); break;
    case VK_PRIOR: SetPosition(FPosition - FPageSize); break;
    case VK_NEXT: SetPosition(FPosition + FPageSize); break;
    case VK_HOME: SetPosition(FMin); break;
    case VK_END: SetPosition(FMax); break;
    default: return;
    }
}

bool TTrackBar::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    SetPosition(FPosition + (WheelDelta > 0 ? -FLineSize : FLineSize));
    return true;
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        TRect thumb = ThumbRect();
        if (thumb.Contains({X, Y})) {
            FDragging = true;
            FDragOffset = FOrientation == trHorizontal ? X - (thumb.Left + thumb.Width() / 2)
                                                       : Y - (thumb.Top + thumb.Height() / 2);
        } else {
            // A press beside the thumb moves it a page toward the press.
            int target = PositionAt({X, Y});
            SetPosition(target < FPosition ? std::max(target, FPosition - FPageSize)
                                            : std::min(target, FPosition + FPageSize));
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragging) {
        if (FOrientation == trHorizontal) X -= FDragOffset;
        else Y -= FDragOffset;
        SetPosition(PositionAt({X, Y}));
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}
