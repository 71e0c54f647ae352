// Text in a platform font through the drawing surface: the font conversion, measuring and DrawText.
#include "render/QuillGDIPGraphics.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Numbers.h"
#include "render/QuillGDIPBrushes.h"
#include "render/QuillGDIPText.h"

#include <string>

namespace {

// Wide enough for any one line a control shows.
constexpr TGPRectF measuringRect{0, 0, 10000, 10000};

int roundToInt(double value) { return static_cast<int>(Round(value)); }

} // namespace

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont* font)
{
    if (!font) return std::make_unique<TGPFont>(nullptr, InvalidParameter);
    auto family = std::make_unique<TGPFontFamily>(font->Name());
    const Status found = family->GetLastStatus();
    if (found == FontFamilyNotFound || found == FontStyleNotFound) family = std::make_unique<TGPFontFamily>("Arial");
    const TFontStyles styles = font->Style();
    const int style = (styles.Contains(fsBold) ? FontStyleBold : 0) + (styles.Contains(fsItalic) ? FontStyleItalic : 0) +
                      (styles.Contains(fsUnderline) ? FontStyleUnderline : 0);
    return std::make_unique<TGPFont>(family.get(), static_cast<float>(font->Size()), style, UnitPoint);
}

TGPRectF TGPGraphics::MeasureWithPlatformFont(std::string_view text, const TGPFont* font, const TGPRectF& layoutRect)
{
    TGPRectF box;
    MeasureString(text, -1, font, layoutRect, nullptr, box);
    return box;
}

int TGPGraphics::TextHeight(std::string_view string_, const TFont* font)
{
    std::unique_ptr<TGPFont> gpFont = MakeFont(font);
    return roundToInt(MeasureWithPlatformFont(string_, gpFont.get(), measuringRect).Height);
}

int TGPGraphics::TextWidth(std::string_view string_, const TFont* font)
{
    std::unique_ptr<TGPFont> gpFont = MakeFont(font);
    return roundToInt(MeasureWithPlatformFont(string_, gpFont.get(), measuringRect).Width);
}

int TGPGraphics::DrawText(std::string_view string_, int len, TRect& rect, const TFont* font, unsigned style,
                          TColor bkColor)
{
    std::unique_ptr<TGPFont> gpFont = MakeFont(font);
    const std::string text(render::LeadingCharacters(string_, len));
    const bool calculating = (style & GPDrawTextCalcRect) != 0;
    if (calculating || bkColor != clNone) {
        const int pointSize = font ? font->Size() : 0;
        // Measured boxes carry padding on both sides that grows with the font.
        const int inset = pointSize >= 9 ? roundToInt((pointSize - 8) / 1.5) + 2 : 2;
        // A trailing space is not measured by itself; an "i" in its place is.
        std::string measured = text;
        if (measured.size() > 1 && measured.back() == ' ') measured.back() = 'i';
        const TGPRectF layout{float(rect.Left), float(rect.Top), float(rect.Width() + 1000), float(rect.Height())};
        TGPRectF box;
        MeasureString(measured, -1, gpFont.get(), layout, nullptr, box);
        rect.Right = rect.Left + roundToInt(box.Width - inset);
        rect.Bottom = rect.Top + roundToInt(box.Height);
        if (bkColor != clNone) {
            TGPSolidBrush background(ColorToOpaqueARGB(bkColor));
            FillRectangle(&background, float(rect.Left + 1), float(rect.Top), box.Width - inset + 1, box.Height);
        }
    }
    if (!calculating) {
        TGPSolidBrush foreground(ColorToOpaqueARGB(font ? font->Color() : clBlack));
        DrawString(text, -1, gpFont.get(), TGPPointF{float(rect.Left), float(rect.Top)}, &foreground);
    }
    return rect.Bottom - rect.Top;
}
