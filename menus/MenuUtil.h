// Small geometry and colour routines of the styled menus, and their index error.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>

class TBitmap;
class TFont;

// Raised by the indexed colour accessors of the menu appearance classes.
class EInvalidPropertyIndex : public Exception {
public:
    explicit EInvalidPropertyIndex(int Index);
};

// A new font handle for Font turned by Angle degrees; the caller deletes it.
HFONT CreateRotatedFont(const TFont& Font, int Angle);

inline int RectWidth(const TRect& R) noexcept { return R.Right - R.Left; }
inline int RectHeight(const TRect& R) noexcept { return R.Bottom - R.Top; }
// Makes R a W x H rectangle on R's centre (rounding toward the bottom right).
void CenterRectOn(TRect& R, int W, int H) noexcept;
// (0, 0, width, height) of the bitmap; an empty rectangle without one.
TRect BitmapBounds(const TBitmap* Bitmap);

struct TColorBytes {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};
// The red, green and blue bytes of Color with system colours resolved.
TColorBytes SplitColorBytes(TColor Color);
TColor PackColorBytes(std::uint8_t R, std::uint8_t G, std::uint8_t B, std::uint8_t A) noexcept;

inline int MinOf(int A, int B) noexcept { return A < B ? A : B; }
inline int MaxOf(int A, int B) noexcept { return A > B ? A : B; }
