// Colour arithmetic, gradients, the styled selection box, cell shapes,
// transparent bitmaps and the layered-window calls.
#include "grid/base/QuillUtilPaint.h"

#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "testsupport/GoldenImage.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kWhite = 0xFFFFFF;

// A white bitmap to draw on.
struct TSheet {
    TSheet(int width, int height) : Bitmap(width, height)
    {
        Bitmap.SetPixelFormat(pf24bit);
        FillRectWithColor(Canvas(), {0, 0, width, height}, kWhite);
    }
    TCanvas& Canvas() { return *Bitmap.Canvas(); }
    TColor At(int x, int y) { return Canvas().Pixels(x, y); }
    TBitmap Bitmap;
};

} // namespace

TEST(ColorMathTest, ChannelArithmetic)
{
    struct TRow {
        const char* Name;
        TColor Got, Want;
    };
    const std::vector<TRow> rows = {
        {"halve", HalveColor(RGB(255, 101, 2)), RGB(127, 50, 1)},
        {"halve a system colour", HalveColor(clBtnFace), HalveColor(ColorToRGB(clBtnFace))},
        {"darken by 20", AdjustColorByPercent(RGB(100, 200, 255), -20), RGB(80, 160, 204)},
        {"lighten keeps to 8 bits", AdjustColorByPercent(RGB(200, 100, 0), 50), RGB(255, 150, 0)},
        {"halves round to even", AdjustColorByPercent(RGB(5, 15, 25), 10), RGB(6, 16, 28)},
        {"gradient start", GradientColorAt(kRed, kBlue, 0, 100, 0), kRed},
        {"gradient end", GradientColorAt(kRed, kBlue, 0, 100, 100), kBlue},
        {"gradient middle", GradientColorAt(RGB(0, 0, 0), RGB(255, 255, 255), 0, 10, 5), RGB(128, 128, 128)},
        {"no end colour", GradientColorAt(kRed, clNone, 0, 100, 50), kRed},
        {"empty range", GradientColorAt(kRed, kBlue, 0, 0, 0), kRed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Got, row.Want);
    }
}

TEST(SteppedGradientTest, EndpointsAndBandsArePixelExact)
{
    TSheet sheet(11, 3);
    DrawSteppedGradient(sheet.Canvas(), kRed, kBlue, 10, {0, 0, 11, 3}, true);
    EXPECT_EQ(sheet.At(0, 1), kRed);
    EXPECT_EQ(sheet.At(10, 1), kBlue);
    // Band 5 of 10: 255 x 5 / 10 = 127.5 goes to the even 128.
    EXPECT_EQ(sheet.At(5, 0), RGB(127, 0, 128));

    // More steps than pixels: one band per pixel, top to bottom.
    TSheet tall(2, 5);
    DrawSteppedGradient(tall.Canvas(), RGB(0, 0, 0), RGB(0, 255, 0), 100, {0, 0, 2, 5}, false);
    std::vector<TColor> column;
    for (int y = 0; y < 5; ++y)
        column.push_back(tall.At(1, y));
    const std::vector<TColor> perPixel{RGB(0, 0, 0), RGB(0, 64, 0), RGB(0, 128, 0), RGB(0, 191, 0), RGB(0, 255, 0)};
    EXPECT_EQ(column, perPixel);

    // A rectangle given bottom-up is drawn the same.
    TSheet reversed(2, 5);
    DrawSteppedGradient(reversed.Canvas(), RGB(0, 0, 0), RGB(0, 255, 0), 100, {0, 5, 2, 0}, false);
    EXPECT_EQ(reversed.At(1, 4), RGB(0, 255, 0));
    EXPECT_EQ(reversed.At(1, 0), RGB(0, 0, 0));
}

TEST(SteppedGradientTest, MissingColoursAndEmptyRectangles)
{
    TSheet sheet(4, 4);
    DrawSteppedGradient(sheet.Canvas(), kRed, kBlue, 4, {0, 2, 4, 2}, true);
    EXPECT_EQ(sheet.At(1, 2), kWhite);
    DrawSteppedGradient(sheet.Canvas(), clNone, clNone, 4, {0, 0, 4, 4}, true);
    EXPECT_EQ(sheet.At(1, 1), kWhite);
    DrawSteppedGradient(sheet.Canvas(), clNone, kRed, 4, {0, 0, 2, 4}, true);
    EXPECT_EQ(sheet.At(1, 3), kRed);
    DrawSteppedGradient(sheet.Canvas(), kBlue, clNone, 4, {2, 0, 4, 4}, true);
    EXPECT_EQ(sheet.At(3, 3), kBlue);
}

TEST(MirrorGradientTest, FourColoursSplitAtTheMiddleAndTheBorder)
{
    const TColor c1 = RGB(10, 10, 10), c2 = RGB(20, 20, 20), m1 = RGB(30, 30, 30), m2 = RGB(40, 40, 40);
    TSheet sheet(10, 20);
    DrawMirrorGradient(sheet.Canvas(), {0, 0, 10, 20}, c1, c2, m1, m2, true, clNone, false, true);
    EXPECT_EQ(sheet.At(5, 0), c1);
    EXPECT_EQ(sheet.At(5, 9), c2);
    EXPECT_EQ(sheet.At(5, 10), m1);
    EXPECT_EQ(sheet.At(5, 19), m2);
    DrawMirrorGradient(sheet.Canvas(), {0, 0, 10, 20}, c1, c2, m1, m2, true, kRed, false, false);
    EXPECT_EQ(sheet.At(0, 0), kRed);
    EXPECT_EQ(sheet.At(9, 19), kRed);
    EXPECT_EQ(sheet.At(5, 9), c2);

    TSheet sides(10, 6);
    DrawMirrorGradient(sides.Canvas(), {0, 0, 10, 6}, c1, clNone, clNone, clNone, true, kRed, true, true);
    EXPECT_EQ(sides.At(0, 3), kRed);
    EXPECT_EQ(sides.At(9, 3), kRed);
    EXPECT_EQ(sides.At(5, 0), c1);

    TSheet unfilled(10, 6);
    DrawMirrorGradient(unfilled.Canvas(), {0, 0, 10, 6}, c1, c2, clNone, clNone, false, clNone, false, false);
    EXPECT_EQ(unfilled.At(5, 3), kWhite);
}

TEST(StyledSelectionTest, RoundedEndsAndMiddlePieces)
{
    const TColor inner = RGB(255, 244, 214), innerBottom = RGB(245, 210, 150), border = RGB(170, 110, 30);
    const TColor corner = RGB(215, 175, 110), background = RGB(235, 235, 255), fill = RGB(200, 220, 240);
    TSheet sheet(4 * 24, 40);
    for (int part = 0; part < 4; ++part) {
        DrawStyledSelection(sheet.Canvas(), fill, clNone, clNone, clNone, inner, innerBottom, border, corner,
            background, {part * 24, 0, part * 24 + 24, 20}, part);
        DrawStyledSelection(sheet.Canvas(), RGB(255, 250, 220), RGB(255, 225, 150), RGB(255, 210, 110),
            RGB(255, 235, 170), inner, innerBottom, border, corner, background, {part * 24, 20, part * 24 + 24, 40},
            part);
    }
    testsupport::ExpectMatchesGolden(sheet.Bitmap, "styled-selection");

    // The whole box: rows 0..18 and columns 0..22 of its 24 x 20 cell.
    EXPECT_EQ(sheet.At(0, 0), background);
    EXPECT_EQ(sheet.At(1, 0), corner);
    EXPECT_EQ(sheet.At(2, 0), border);
    EXPECT_EQ(sheet.At(20, 0), border);
    EXPECT_EQ(sheet.At(21, 0), corner);
    EXPECT_EQ(sheet.At(22, 0), background);
    EXPECT_EQ(sheet.At(0, 18), background);
    EXPECT_EQ(sheet.At(5, 18), border);
    EXPECT_EQ(sheet.At(5, 1), inner);
    EXPECT_EQ(sheet.At(5, 17), innerBottom);
    EXPECT_EQ(sheet.At(0, 5), border);
    EXPECT_EQ(sheet.At(1, 5), inner);
    EXPECT_EQ(sheet.At(1, 15), innerBottom);
    EXPECT_EQ(sheet.At(5, 5), fill);
    EXPECT_EQ(sheet.At(23, 5), kWhite);
    EXPECT_EQ(sheet.At(5, 19), kWhite);
    // A middle piece has neither ends nor corners: fill reaches its left edge.
    EXPECT_EQ(sheet.At(72, 0), border);
    EXPECT_EQ(sheet.At(72, 5), fill);
}

TEST(CellShapeTest, EveryShapeAndTheSquaredOnes)
{
    TSheet sheet(19 * 22, 22);
    for (int s = 0; s <= csHalfStar; ++s)
        DrawCellShape(
            sheet.Canvas(), s * 22 + 1, 1, 20, 16, static_cast<TCellShape>(s), RGB(250, 200, 0), RGB(0, 0, 128));
    testsupport::ExpectMatchesGolden(sheet.Bitmap, "cell-shapes");

    // A circle in 30 x 20 is 20 x 20; a shape past the last draws nothing.
    TSheet circle(40, 30);
    DrawCellShape(circle.Canvas(), 0, 0, 30, 20, csCircle, kRed, kRed);
    EXPECT_EQ(circle.At(10, 10), kRed);
    EXPECT_EQ(circle.At(25, 10), kWhite);
    DrawCellShape(circle.Canvas(), 0, 0, 30, 20, static_cast<TCellShape>(19), kBlue, kBlue);
    DrawCellShape(circle.Canvas(), 0, 0, 30, 20, static_cast<TCellShape>(-1), kBlue, kBlue);
    EXPECT_EQ(circle.At(10, 10), kRed);
    EXPECT_EQ(circle.At(25, 10), kWhite);
}

TEST(TransparentBitmapTest, KeyColourOfTheTopLeftPixelBecomesTheBackground)
{
    TBitmap glyph(3, 2);
    glyph.SetPixelFormat(pf24bit);
    TCanvas& g = *glyph.Canvas();
    FillRectWithColor(g, {0, 0, 3, 2}, RGB(255, 0, 255));
    g.SetPixels(1, 0, kBlue);
    g.SetPixels(2, 1, kRed);

    TSheet sheet(8, 6);
    DrawBitmapTransparent(sheet.Canvas(), glyph, RGB(0, 128, 0), {4, 3, 5, 4});
    EXPECT_EQ(sheet.At(4, 3), RGB(0, 128, 0));
    EXPECT_EQ(sheet.At(5, 3), kBlue);
    EXPECT_EQ(sheet.At(6, 4), kRed);
    EXPECT_EQ(sheet.At(5, 4), RGB(0, 128, 0));
    EXPECT_EQ(sheet.At(7, 4), kWhite); // its own size, whatever the rectangle
    EXPECT_EQ(sheet.At(3, 3), kWhite);
    EXPECT_EQ(glyph.Canvas()->Pixels(0, 0), RGB(255, 0, 255)); // the caller's bitmap is untouched

    EXPECT_THROW(DrawResourceBitmap(sheet.Canvas(), kWhite, {0, 0, 8, 6}, "NOSUCHGLYPH"), EResNotFound);
}

TEST(SmallPiecesTest, DropArrowAndLayeredWindows)
{
    TSheet sheet(10, 8);
    DrawDropArrow(sheet.Canvas(), 5, 2, kBlue);
    EXPECT_EQ(sheet.At(2, 2), kBlue);
    EXPECT_EQ(sheet.At(5, 4), kBlue);
    EXPECT_EQ(sheet.At(5, 6), kWhite);
    EXPECT_EQ(sheet.At(5, 1), kWhite);

    // Windows cannot be layered here, and the calls say so.
    const BLENDFUNCTION blend{0, 0, 128, 1};
    EXPECT_FALSE(TrySetLayeredWindowAttributes(0x100, 0, 128, LWA_ALPHA));
    EXPECT_FALSE(TryUpdateLayeredWindow(0x100, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
}
