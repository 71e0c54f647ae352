// Gradients, the styled selection box, colour arithmetic, filled rectangles,
// transparent bitmaps and the layered-window calls.
#include "grid/base/QuillUtilPaint.h"

#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct TChannels {
    int R, G, B;
};

TChannels ChannelsOf(TColor color)
{
    auto rgb = static_cast<TColorRef>(ColorToRGB(color));
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

TColor ColorOf(int r, int g, int b)
{
    auto clamp = [](int c) { return static_cast<std::uint8_t>(std::clamp(c, 0, 255)); };
    return static_cast<TColor>(RGB(clamp(r), clamp(g), clamp(b)));
}

int Rounded(double value)
{
    return static_cast<int>(Round(value));
}

void SetPenAndBrush(TCanvas& canvas, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

void FillRectWithColor(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush()->SetColor(Color);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.FillRect(R);
}

void DrawSteppedGradient(TCanvas& Canvas, TColor Color, TColor ColorTo, int Steps, TRect R, bool Horizontal)
{
    if (R.Top == R.Bottom)
        return;
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    const bool noTo = ColorToRGB(ColorTo) == clNone;
    const bool noFrom = ColorToRGB(Color) == clNone;
    if (noTo || noFrom) {
        if (!(noTo && noFrom))
            FillRectWithColor(Canvas, R, noTo ? Color : ColorTo);
        return;
    }
    const int extent = (Horizontal ? R.Width() : R.Height()) - 1;
    if (extent < 0)
        return;
    Steps = std::max(std::min(Steps, extent), 1);
    const double bandWidth = static_cast<double>(extent) / Steps;
    const TChannels from = ChannelsOf(Color);
    const TChannels to = ChannelsOf(ColorTo);
    const int farEdge = Horizontal ? R.Right : R.Bottom;
    for (int i = 0; i <= Steps; ++i) {
        auto channel = [&](int start, int end) {
            return start + Rounded(i * (end - start) / static_cast<double>(Steps));
        };
        SetPenAndBrush(Canvas, ColorOf(channel(from.R, to.R), channel(from.G, to.G), channel(from.B, to.B)));
        const int begin = (Horizontal ? R.Left : R.Top) + static_cast<int>(Trunc(i * bandWidth));
        const int end = std::min(begin + static_cast<int>(Trunc(bandWidth + 1)), farEdge);
        // Filled, not outlined: a band can be a single pixel wide.
        Canvas.FillRect(Horizontal ? TRect{begin, R.Top, end, R.Bottom} : TRect{R.Left, begin, R.Right, end});
    }
}

void DrawMirrorGradient(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
    TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill)
{
    constexpr int kSteps = 128;
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone) {
            if (ColorTo == clNone) {
                SetPenAndBrush(Canvas, Color);
                Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom + 1);
            } else {
                DrawSteppedGradient(Canvas, Color, ColorTo, kSteps, R, !Vertical);
            }
        } else {
            TRect first = R;
            TRect second = R;
            if (Vertical) {
                first.Bottom = second.Top = R.Top + R.Height() / 2;
            } else {
                first.Right = second.Left = R.Left + R.Width() / 2;
            }
            DrawSteppedGradient(Canvas, Color, ColorTo, kSteps, first, !Vertical);
            DrawSteppedGradient(Canvas, MirrorColor, MirrorColorTo, kSteps, second, !Vertical);
        }
    }
    if (BorderColor == clNone)
        return;
    if (SideLinesOnly) {
        Canvas.Pen()->SetColor(BorderColor);
        Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
        Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    } else {
        Canvas.Brush()->SetColor(BorderColor);
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.FrameRect(R);
    }
}

TColor GradientColorAt(TColor Color, TColor ColorTo, double Min, double Max, double Pos)
{
    // An empty range has no gradient to speak of; its one colour is the start.
    if (ColorTo == clNone || Max == Min)
        return Color;
    const TChannels from = ChannelsOf(Color);
    const TChannels to = ChannelsOf(ColorTo);
    auto channel = [&](int start, int end) { return start + Rounded((end - start) / (Max - Min) * Pos); };
    return ColorOf(channel(from.R, to.R), channel(from.G, to.G), channel(from.B, to.B));
}

TColor HalveColor(TColor Color)
{
    const TChannels c = ChannelsOf(Color);
    return ColorOf(c.R / 2, c.G / 2, c.B / 2);
}

TColor AdjustColorByPercent(TColor Color, int Percent)
{
    const TChannels c = ChannelsOf(Color);
    auto adjust = [Percent](int channel) { return Rounded(channel + channel * Percent / 100.0); };
    return ColorOf(adjust(c.R), adjust(c.G), adjust(c.B));
}

void DrawStyledSelection(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
    TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor, TColor BackgroundColor,
    const TRect& R, int Part)
{
    // The box's rows run from T to B inclusive and its columns from L to
    // Right - 1, leaving a gap of one column and one row to the next cell's box.
    const int L = R.Left;
    const int T = R.Top;
    const int Right = R.Right - 1;
    const int B = R.Bottom - 2;
    const int middle = T + (B - T) / 2;
    const bool leftEnd = Part == 0 || Part == 1;
    const bool rightEnd = Part == 0 || Part == 2;
    const int insetLeft = leftEnd ? L + 2 : L;
    const int insetRight = rightEnd ? Right - 2 : Right;

    Canvas.Pen()->SetColor(InnerTopColor);
    Line(Canvas, L, T + 1, Right, T + 1);
    if (leftEnd)
        Line(Canvas, L + 1, T + 1, L + 1, middle);
    if (rightEnd)
        Line(Canvas, Right - 2, T + 1, Right - 2, middle);

    Canvas.Pen()->SetColor(InnerBottomColor);
    Line(Canvas, L, B - 1, Right, B - 1);
    if (leftEnd)
        Line(Canvas, L + 1, middle, L + 1, B - 1);
    if (rightEnd)
        Line(Canvas, Right - 2, middle, Right - 2, B - 1);

    Canvas.Pen()->SetColor(BorderColor);
    Line(Canvas, insetLeft, T, insetRight, T);
    Line(Canvas, insetLeft, B, insetRight, B);
    if (rightEnd)
        Line(Canvas, Right - 1, T + 2, Right - 1, B - 1);
    if (leftEnd)
        Line(Canvas, L, T + 2, L, B - 1);

    auto corners = [&](int outer, int inner) {
        const std::array<TPoint, 6> rounding{
            {{inner, T}, {inner, T + 1}, {outer, T + 1}, {inner, B}, {inner, B - 1}, {outer, B - 1}}};
        for (TPoint p : rounding)
            Canvas.SetPixels(p.X, p.Y, CornerColor);
        Canvas.SetPixels(outer, T, BackgroundColor);
        Canvas.SetPixels(outer, B, BackgroundColor);
    };
    if (leftEnd)
        corners(L, L + 1);
    if (rightEnd)
        corners(Right - 1, Right - 2);

    constexpr int kSteps = 16;
    const TRect inside{insetLeft, T + 2, insetRight, B - 1};
    if (ColorTo == clNone) {
        FillRectWithColor(Canvas, inside, Color);
    } else if (MirrorColor == clNone) {
        DrawSteppedGradient(Canvas, Color, ColorTo, kSteps, inside, false);
    } else {
        TRect upper = inside;
        TRect lower = inside;
        upper.Bottom = lower.Top = inside.Top + inside.Height() / 2;
        DrawSteppedGradient(Canvas, Color, ColorTo, kSteps, upper, false);
        DrawSteppedGradient(Canvas, MirrorColor, MirrorColorTo, kSteps, lower, false);
    }
}

void DrawBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& R)
{
    if (Bitmap.Empty())
        return;
    TBitmap copy;
    copy.Assign(&Bitmap);
    copy.SetPixelFormat(pf24bit);
    const TRGBQuad key = copy.ScanLine(0)[0];
    const TChannels background = ChannelsOf(BackgroundColor);
    for (int y = 0; y < copy.Height(); ++y) {
        TRGBQuad* row = copy.ScanLine(y);
        for (int x = 0; x < copy.Width(); ++x) {
            TRGBQuad& p = row[x];
            if (p.rgbRed == key.rgbRed && p.rgbGreen == key.rgbGreen && p.rgbBlue == key.rgbBlue) {
                p.rgbRed = static_cast<std::uint8_t>(background.R);
                p.rgbGreen = static_cast<std::uint8_t>(background.G);
                p.rgbBlue = static_cast<std::uint8_t>(background.B);
            }
        }
    }
    copy.PixelsChanged();
    Canvas.Draw(R.Left, R.Top, &copy);
}

void DrawResourceBitmap(TCanvas& Canvas, TColor BackgroundColor, const TRect& R, std::string_view ResourceName)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(HInstance, ResourceName);
    DrawBitmapTransparent(Canvas, bitmap, BackgroundColor, R);
}

void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color)
{
    SetPenAndBrush(Canvas, Color);
    const std::array<TPoint, 3> points{{{X - 3, Y}, {X + 3, Y}, {X, Y + 3}}};
    Canvas.Polygon(points);
}

bool TryUpdateLayeredWindow(HWND, HDC, const TPoint*, const TSize*, HDC, const TPoint*, TColorRef,
    const BLENDFUNCTION*, unsigned)
{
    return false;
}

bool TrySetLayeredWindowAttributes(HWND, TColorRef, std::uint8_t, unsigned)
{
    return false;
}
