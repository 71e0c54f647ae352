// A drawing surface over a transparent bitmap of the flat API, for reading back drawn pixels.
#pragma once

#include "platform/gdiplus/GdiPlusFlat.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gdiplus::testing {

struct TestSurface {
    TestSurface(int width, int height)
    {
        EXPECT_EQ(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &Bitmap), Ok);
        EXPECT_EQ(GdipGetImageGraphicsContext(ImageOf(Bitmap), &Graphics), Ok);
    }
    ~TestSurface()
    {
        GdipDeleteGraphics(Graphics);
        GdipDisposeImage(ImageOf(Bitmap));
    }
    ARGB Pixel(int x, int y) const
    {
        ARGB color = 0;
        EXPECT_EQ(GdipBitmapGetPixel(Bitmap, x, y, &color), Ok);
        return color;
    }
    GpBitmap* Bitmap = nullptr;
    GpGraphics* Graphics = nullptr;
};

// Colours equal within a tolerance per channel (smoothing and blending round differently).
inline ::testing::AssertionResult NearColor(ARGB actual, ARGB expected, int tolerance = 3)
{
    for (int shift : {24, 16, 8, 0}) {
        int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "colour 0x" << actual << ", expected 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

} // namespace gdiplus::testing
