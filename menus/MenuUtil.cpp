// Small geometry and colour routines of the styled menus.
#include "menus/MenuUtil.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Format.h"

EInvalidPropertyIndex::EInvalidPropertyIndex(int Index)
    : Exception(Format("Invalid property index %d.", {Index}))
{
}

HFONT CreateRotatedFont(const TFont& Font, int Angle)
{
    LOGFONT lf;
    lf.lfHeight = Font.Height();
    lf.lfWidth = 0;
    lf.lfEscapement = Angle * 10;
    lf.lfOrientation = 0;
    const TFontStyles style = Font.Style();
    lf.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = style.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = style.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfFaceName = Font.Name();
    lf.lfQuality = 0;
    lf.lfOutPrecision = 0;
    lf.lfClipPrecision = 0;
    switch (Font.Pitch()) {
    case fpVariable: lf.lfPitchAndFamily = VARIABLE_PITCH; break;
    case fpFixed: lf.lfPitchAndFamily = FIXED_PITCH; break;
    case fpDefault: lf.lfPitchAndFamily = DEFAULT_PITCH; break;
    }
    return CreateFontIndirect(lf);
}

void CenterRectOn(TRect& R, int W, int H) noexcept
{
    const int c = (R.Left + R.Right + W) / 2;
    const int d = (R.Top + R.Bottom + H) / 2;
    R = Rect(c - W, d - H, c, d);
}

TRect BitmapBounds(const TBitmap* Bitmap)
{
    if (!Bitmap) return {};
    return Rect(0, 0, Bitmap->Width(), Bitmap->Height());
}

TColorBytes SplitColorBytes(TColor Color)
{
    const auto rgb = static_cast<std::uint32_t>(ColorToRGB(Color));
    return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
            static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
}

TColor PackColorBytes(std::uint8_t R, std::uint8_t G, std::uint8_t B, std::uint8_t A) noexcept
{
    return static_cast<TColor>(static_cast<std::uint32_t>(R) | static_cast<std::uint32_t>(G) << 8 |
                               static_cast<std::uint32_t>(B) << 16 | static_cast<std::uint32_t>(A) << 24);
}
