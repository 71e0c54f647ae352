#include "controls/dropdown/DropDownDrawing.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLRenderer.h"

namespace controls {

namespace {

// Nearest integer, a tie going to the even neighbour (the default rounding mode).
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

std::uint8_t Mix(int c1, int c2, double p) { return static_cast<std::uint8_t>(RoundEven(p * c1 + (1 - p) * c2)); }

} // namespace

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, TRect Rect, int Steps)
{
    if (Steps <= 0) Steps = 1;
    TColor from = ColorToRGB(FromColor);
    TColor to = ColorToRGB(ToColor);
    int r0 = GetRValue(from), g0 = GetGValue(from), b0 = GetBValue(from);
    int dr = GetRValue(to) - r0, dg = GetGValue(to) - g0, db = GetBValue(to) - b0;
    if (Horizontal) --Rect.Right;
    else --Rect.Bottom;
    double band = (Horizontal ? Rect.Right - Rect.Left : Rect.Bottom - Rect.Top) / static_cast<double>(Steps);
    for (int i = 0; i < Steps; ++i) {
        TColor c = RGB(static_cast<std::uint8_t>(r0 + RoundEven(i * dr / static_cast<double>(Steps))),
                       static_cast<std::uint8_t>(g0 + RoundEven(i * dg / static_cast<double>(Steps))),
                       static_cast<std::uint8_t>(b0 + RoundEven(i * db / static_cast<double>(Steps))));
        Canvas.Pen()->SetStyle(psSolid);
        Canvas.Pen()->SetWidth(1);
        Canvas.Pen()->SetColor(c);
        Canvas.Brush()->SetColor(c);
        if (Horizontal) {
            int x = Rect.Left + RoundEven(i * band);
            Canvas.Rectangle(x, Rect.Top, x + RoundEven(band) + 1, Rect.Bottom);
        } else {
            int y = Rect.Top + RoundEven(i * band);
            Canvas.Rectangle(Rect.Left, y, Rect.Right, y + RoundEven(band) + 1);
        }
    }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100) return Color1;
    if (Percent <= 0) return Color2;
    double p = Percent / 100.0;
    TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    return RGB(Mix(GetRValue(c1), GetRValue(c2), p), Mix(GetGValue(c1), GetGValue(c2), p),
               Mix(GetBValue(c1), GetBValue(c2), p));
}

TColor AdjustColorTone(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue)
{
    const TColor c = ColorToRGB(Color);
    auto adjust = [](int channel, int delta) {
        if (channel == 0) return static_cast<std::uint8_t>(std::clamp(delta, 0, 255));
        return static_cast<std::uint8_t>(RoundEven(std::min(100, 100 + delta) / 100.0 * channel));
    };
    return RGB(adjust(GetRValue(c), DeltaRed), adjust(GetGValue(c), DeltaGreen), adjust(GetBValue(c), DeltaBlue));
}

TSize MeasureTextLine(TCanvas& Canvas, std::string_view Text)
{
    if (Text.empty()) return {0, 0};
    TRect r{0, 0, 1000, 500};
    std::string text(Text);
    Canvas.TextRect(r, text, TTextFormat{tfCalcRect, tfSingleLine});
    return {r.Right, r.Bottom};
}

std::string TruncateText(TCanvas& Canvas, std::string_view Text, int MaxWidth, bool AddEllipsis)
{
    const std::string whole(Text);
    if (Canvas.TextWidth(whole) <= MaxWidth) return whole;
    const std::string tail = AddEllipsis ? "..." : "";
    auto candidate = [&](size_t characters) { return rtl::Utf8Copy(whole, 1, characters) + tail; };
    // Wider prefixes are wider text, so the longest that fits is found by
    // halving rather than by measuring every prefix.
    size_t low = 0, high = rtl::Utf8Length(whole);
    bool found = false;
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (Canvas.TextWidth(candidate(middle)) < MaxWidth) {
            found = true;
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return found ? candidate(low - 1) : whole;
}

void DrawImageAndText(TCanvas& Canvas, TRect Rect, std::string_view Text, int ImageIndex, const TImageList* Images,
                      bool Enabled)
{
    const bool image = Images && ImageIndex >= 0 && ImageIndex < Images->Count();
    if (image) {
        Images->Draw(&Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex, Enabled);
        Rect.Left += Images->Width() + 8;
    }
    if (Text.empty()) return;
    TTextFormat format{tfSingleLine, tfVerticalCenter, tfEndEllipsis};
    if (!image) format.Include(tfCenter);
    std::string text(Text);
    Canvas.TextRect(Rect, text, format);
}

void DrawRectangle(TCanvas& Canvas, TRect Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                   TColor BorderColor, int BorderWidth)
{
    if (ColorTo != clNone) {
        DrawGradient(Canvas, Color, ColorTo, Direction == gdHorizontal, Rect, 80);
    } else if (Color != clNone) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(Color);
        Canvas.FillRect(Rect);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.Pen()->SetStyle(psSolid);
        Canvas.Pen()->SetColor(BorderColor);
        Canvas.Pen()->SetWidth(BorderWidth);
        Canvas.Rectangle(Rect);
    }
}

void DrawTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor BackColor, const TRect& Rect)
{
    if (Bitmap.Empty()) return;
    const TRect glyph{0, 0, Bitmap.Width(), Bitmap.Height()};
    TBitmap work;
    work.SetSize(glyph.Width(), glyph.Height());
    work.Canvas()->Brush()->SetStyle(bsSolid);
    work.Canvas()->Brush()->SetColor(BackColor);
    work.Canvas()->FillRect(glyph);
    work.Canvas()->BrushCopy(glyph, &Bitmap, glyph, Bitmap.Canvas()->Pixels(0, 0));
    Canvas.CopyRect(Rect, *work.Canvas(), glyph);
}

TSize DrawHTMLText(TCanvas& Canvas, std::string_view Text, const TRect& Rect, bool Draw, const TImageList* Images)
{
    THTMLRenderParams params;
    params.Images = Images;
    params.MeasureOnly = !Draw;
    THTMLRenderResult result;
    RenderHTMLText(&Canvas, Text, Rect, params, result);
    return {result.Width, result.Height};
}

} // namespace controls
