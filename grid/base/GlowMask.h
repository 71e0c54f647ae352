// The focus glow around the edited cell: a rounded-rectangle mask, its Gaussian blur,
// and the 32-bit alpha mask built from it.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <cstdint>
#include <vector>

// A 32-bit bitmap whose pixels carry premultiplied alpha for a layered window.
class TGridAlphaMask : public TBitmap {
    VISTRA_CLASS(TGridAlphaMask, TBitmap)

    TGridAlphaMask();

    std::uint8_t Opacity() const noexcept { return FOpacity; }
    void SetOpacity(std::uint8_t Value) noexcept { FOpacity = Value; }

    // From another alpha mask: its opacity and the pixels of this mask's own size (where
    // the source is smaller, only the part both cover); from anything else the bitmap
    // assignment. The result is 32-bit either way.
    void Assign(const TPersistent* Source) override;
    // Only for a 24-bit Bitmap: takes its size, and for each pixel alpha from the red
    // channel of Mask (0 outside it) and Bitmap's colour premultiplied by that alpha.
    // Color is not used.
    void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color);

private:
    std::uint8_t FOpacity = 255;
};

int ClampToRange(int lower, int upper, int x);
// upper when x >= upper, lower when x < lower, otherwise x truncated.
int ClampTruncToRange(int lower, int upper, double x);

// The blur kernel for Radius: at most 21 weights (half-size 10), trimmed while the
// dropped tails weigh less than half a level, and summing to 1.
std::vector<double> MakeGaussKernel(double Radius);
// One line of Count pixels blurred by Kernel into Out (positions past the ends repeat
// the end pixels).
void BlurLine(const std::vector<double>& Kernel, const TRGBQuad* Line, int Count, TRGBQuad* Out);
// Blurs a 24-bit DIB in place; any other bitmap raises "Blur only works for 24-bit
// bitmaps". Rows and columns more than 20 pixels from every edge copy row or column 15,
// which suits the uniform inside of the glow masks.
void GaussianBlur24(TBitmap& Bitmap, double Radius);
// A 24-bit W by H black bitmap with a white rounded rectangle (filled when PenWidth < 1,
// else outlined PenWidth wide), blurred by Radius when that is above 0.
void BuildRoundRectMask(TBitmap& Bitmap, int W, int H, double Radius, int Corner, int PenWidth);
