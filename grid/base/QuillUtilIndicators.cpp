// Progress bars, the pie gauge, the signed bar and the error zig-zag.
#include "grid/base/QuillUtilIndicators.h"

#include "grid/base/QuillUtilPaint.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/EditControls.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

using grid::TLevelProgressSettings;

int Rounded(double value)
{
    return static_cast<int>(Round(value));
}

// The type letter of the format's first conversion ("%%" is no conversion),
// or 0 when there is none.
char FirstConversion(std::string_view format)
{
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        std::size_t j = i + 1;
        if (j < format.size() && format[j] == '%') {
            i = j;
            continue;
        }
        while (j < format.size() && (std::isdigit(static_cast<unsigned char>(format[j])) || format[j] == ':'
                                        || format[j] == '-' || format[j] == '.' || format[j] == '*'))
            ++j;
        return j < format.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(format[j]))) : 0;
    }
    return 0;
}

// Only the conversion decides how the value is passed: a letter "d" or "u"
// in the literal text ("%.1f done") must not turn a real into an integer.
std::string FormatProgressText(std::string_view format, double value)
{
    const char type = FirstConversion(format);
    if (type == 'd' || type == 'u' || type == 'x')
        return Format(format, {static_cast<std::int64_t>(Round(value))});
    return Format(format, {value});
}

int ProgressPercent(double value, double min, double max, bool formatted)
{
    double percent;
    if (!formatted)
        percent = Round(value);
    else if (max == min)
        percent = value < max ? 0 : 100; // no range: either not there yet or full
    else
        percent = Round((value - min) * 100 / (max - min));
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

TRect Inflated(const TRect& r, int dx, int dy)
{
    return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

void Frame(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FrameRect(r);
}

// Draws the level bar's blocks: positions run along the bar from its start
// edge (left, or bottom when vertical), and Inset keeps them off the sides.
class TLevelBarPainter {
public:
    TLevelBarPainter(TCanvas& canvas, const TRect& r, const TLevelProgressSettings& settings)
        : FCanvas(canvas), FR(r), FSettings(settings)
    {
    }

    void Block(int at, int length, int inset, TColor color, TColor colorTo)
    {
        if (length <= 0)
            return;
        const bool vertical = FSettings.Vertical;
        const TRect block = vertical ? TRect{FR.Left + inset, FR.Bottom - at - length, FR.Right - inset, FR.Bottom - at}
                                     : TRect{FR.Left + at, FR.Top + inset, FR.Left + at + length, FR.Bottom - inset};
        if (!FSettings.ShowGradient) {
            FillRectWithColor(FCanvas, block, color);
            return;
        }
        // Two halves across the bar, shading towards its middle line.
        TRect first = block;
        TRect second = block;
        if (vertical)
            first.Right = second.Left = block.Left + block.Width() / 2;
        else
            first.Bottom = second.Top = block.Top + block.Height() / 2;
        DrawSteppedGradient(FCanvas, colorTo, color, FSettings.Steps, first, vertical);
        DrawSteppedGradient(FCanvas, color, colorTo, FSettings.Steps, second, vertical);
    }

private:
    TCanvas& FCanvas;
    TRect FR;
    const TLevelProgressSettings& FSettings;
};

void DrawStackedLevels(TLevelBarPainter& painter, int percent, int length, const TLevelProgressSettings& s)
{
    struct TSection {
        int UpTo;
        TColor Color, ColorTo;
    };
    const TSection sections[] = {{std::min(percent, s.Level1Perc), s.Level0Color, s.Level0ColorTo},
        {std::min(percent, s.Level2Perc), s.Level1Color, s.Level1ColorTo},
        {percent, s.Level3Color, s.Level3ColorTo}};
    int done = 0;
    int drawn = 0;
    int last = -1;
    for (int i = 0; i < 3; ++i)
        if (sections[i].UpTo > (i == 0 ? 0 : sections[i - 1].UpTo))
            last = i;
    for (int i = 0; i < 3; ++i) {
        const int share = sections[i].UpTo - done;
        if (share <= 0)
            continue;
        int size = Rounded(length * share / 100.0);
        if (percent >= 100 && i == last)
            size = length - drawn; // a full bar ends exactly at its far edge
        painter.Block(1 + drawn, size, 1, sections[i].Color, sections[i].ColorTo);
        drawn += size;
        done = sections[i].UpTo;
    }
}

void DrawLevelBlocks(TLevelBarPainter& painter, int percent, int length, const TLevelProgressSettings& s)
{
    TColor color = s.Level2Color;
    TColor colorTo = s.Level2ColorTo;
    if (percent < s.Level1Perc) {
        color = s.Level0Color;
        colorTo = s.Level0ColorTo;
    } else if (percent < s.Level2Perc) {
        color = s.Level1Color;
        colorTo = s.Level1ColorTo;
    } else if (percent > 99) {
        color = s.Level3Color;
        colorTo = s.Level3ColorTo;
    }
    const int n = Rounded(percent * length / 100.0);
    if (s.CompletionSmooth) {
        painter.Block(1, n, 1, color, colorTo);
        return;
    }
    constexpr int kBlock = 7;
    constexpr int kPitch = 9;
    if (n > kPitch) {
        for (int i = 0; i < n / kPitch; ++i)
            painter.Block(2 + i * kPitch, kBlock, 2, color, colorTo);
        if (n % kPitch > 2)
            painter.Block(2 + (n / kPitch) * kPitch, n % kPitch - 1, 2, color, colorTo);
    } else if (n >= 2) {
        painter.Block(2, n - 1, 2, color, colorTo);
    }
}

void DrawLevelPercentage(TCanvas& canvas, const TRect& r, int percent, const TLevelProgressSettings& s)
{
    if (s.Font)
        canvas.SetFont(s.Font);
    canvas.Font()->SetColor(s.CompleteFontColor);
    canvas.Font()->SetOrientation(s.Vertical ? 900 : 0);
    canvas.Brush()->SetStyle(bsClear);
    const std::string text = IntToStr(percent) + "%";
    const TSize size = canvas.TextExtent(text);
    if (s.Vertical) // reads upwards, so it starts at the bottom
        canvas.TextOut(r.Left + (r.Width() - size.cy) / 2, r.Top + (r.Height() + size.cx) / 2, text);
    else
        canvas.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
}

} // namespace

void DrawProgressBar(TCanvas& Canvas, const TRect& R, TColor FilledColor, TColor FilledFontColor,
    TColor EmptyColor, TColor EmptyFontColor, double Value, int MarginX, int MarginY, double Min, double Max,
    std::string_view FormatText, TColor BorderColor, bool Printing)
{
    const TColor brushBefore = Canvas.Brush()->Color();
    const bool formatted = !FormatText.empty();
    const std::string text = formatted ? FormatProgressText(FormatText, Value) : IntToStr(Round(Value)) + "%";
    const int percent = ProgressPercent(Value, Min, Max, formatted);

    const TRect bar = Inflated(R, -MarginX, -MarginY);
    const int filled = Rounded(bar.Width() * percent / 100.0);
    const TSize size = Canvas.TextExtent(text);
    const int textHeight = Printing ? -size.cy : size.cy;
    const int x = bar.Left + (bar.Width() - size.cx) / 2;
    const int y = bar.Top + (bar.Height() - textHeight) / 2;

    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(FilledColor);
    Canvas.Font()->SetColor(FilledFontColor);
    Canvas.TextRect({bar.Left, bar.Top, bar.Left + filled, bar.Bottom}, x, y, text);
    Canvas.Brush()->SetColor(EmptyColor);
    Canvas.Font()->SetColor(EmptyFontColor);
    Canvas.TextRect({bar.Left + filled, bar.Top, bar.Right, bar.Bottom}, x, y, text);

    if (BorderColor != clNone)
        Frame(Canvas, Inflated(bar, 1, 1), BorderColor);
    Frame(Canvas, Inflated(bar, 2, 2), brushBefore);
}

void DrawLevelProgressBar(
    TCanvas& Canvas, const TRect& R, int Percent, const grid::TLevelProgressSettings& Settings)
{
    const TColor border = Settings.ShowBorder ? Settings.BorderColor : Settings.UnCompleteColor;
    Canvas.Pen()->SetColor(border);
    Canvas.Pen()->SetWidth(1);
    Canvas.Brush()->SetColor(Settings.UnCompleteColor);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Rectangle(R);

    const int length = (Settings.Vertical ? R.Height() : R.Width()) - 2;
    // Past 100 the bar would run out of its frame.
    const int percent = std::min(Percent, 100);
    if (percent > 0) {
        TLevelBarPainter painter(Canvas, R, Settings);
        if (Settings.Stacked)
            DrawStackedLevels(painter, percent, length, Settings);
        else
            DrawLevelBlocks(painter, percent, length, Settings);
    }
    if (Settings.ShowPercentage)
        DrawLevelPercentage(Canvas, R, Percent, Settings);
    Frame(Canvas, R, border);
}

void DrawPieProgress(TCanvas& Canvas, const TRect& R, TColor FillColor, int Percent, bool Printing)
{
    constexpr TColor kOutline = 0x808080;
    Canvas.Pen()->SetColor(kOutline);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Ellipse(R);

    const int cx = R.Left + R.Width() / 2;
    const int cy = R.Top + R.Height() / 2;
    const double angle = Percent * 3.6 * std::numbers::pi / 180.0;
    const int rx = (R.Width() + 1) / 2;
    const int ry = (R.Height() + 1) / 2;
    Canvas.MoveTo(cx, R.Top);
    Canvas.LineTo(cx, cy);
    Canvas.LineTo(cx + Rounded(std::sin(angle) * rx), cy - Rounded(std::cos(angle) * ry));
    if (Percent == 0)
        return;
    Canvas.Brush()->SetColor(FillColor);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.FloodFill(cx + 2, Printing ? R.Top - 2 : R.Top + 2, kOutline, fsBorder);
}

void DrawSignedBar(TCanvas& Canvas, const TRect& R, double Value, double Max, bool ShowValue, TColor NegativeColor,
    TColor PositiveColor)
{
    const TRect bar = Inflated(R, -2, -2);
    const double value = Max > 0 ? std::clamp(Value, -Max, Max) : 0;
    const int half = bar.Width() / 2;
    const int middle = bar.Left + half;
    const int length = Max > 0 ? Rounded(half * value / Max) : 0;
    if (length > 0)
        FillRectWithColor(Canvas, {middle, bar.Top, middle + length, bar.Bottom}, PositiveColor);
    else if (length < 0)
        FillRectWithColor(Canvas, {middle + length, bar.Top, middle, bar.Bottom}, NegativeColor);
    if (!ShowValue)
        return;
    const std::string text = FloatToStr(value);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(bar.Left + (bar.Width() - Canvas.TextWidth(text)) / 2, bar.Top, text);
}

void DrawErrorUnderline(TWinControl& Grid, TCanvas& Canvas, std::string_view Text, const TRect& R, int Offset,
    int Start, int Length)
{
    const int count = static_cast<int>(rtl::Utf8Length(Text));
    if (count == 0 || Length <= 0 || Start < 0)
        return;
    // A hidden edit of the grid's font lays the text out as an edit shows it.
    TEdit edit(nullptr);
    edit.SetVisible(false);
    edit.SetParent(&Grid);
    edit.SetBoundsRect(R);
    edit.SetText(std::string(Text));
    auto position = [&edit, &R](int index) {
        const LRESULT packed = edit.Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
        return TPoint{R.Left + static_cast<std::int16_t>(packed & 0xFFFF),
            R.Top + static_cast<std::int16_t>((packed >> 16) & 0xFFFF)};
    };
    const auto positionOf = [&](int index) {
        if (index < count)
            return position(index);
        TPoint p = position(count - 1);
        p.X += 4;
        return p;
    };
    const TPoint start = positionOf(Start);
    TPoint end = positionOf(Start + Length - 1);
    end.Y = start.Y;

    Canvas.Pen()->SetColor(0x0000FF);
    Canvas.Pen()->SetWidth(2);
    Canvas.Pen()->SetStyle(psSolid);
    std::vector<TPoint> zigzag;
    // Runs until the first point past the end.
    for (int x = start.X, i = 0;; x += 3, ++i) {
        zigzag.push_back({x, start.Y + Offset + (i % 2 == 0 ? 3 : 0)});
        if (x > end.X)
            break;
    }
    Canvas.Polyline(zigzag);
}
