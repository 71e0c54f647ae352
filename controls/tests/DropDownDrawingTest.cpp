// The shared drawing routines.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownDrawing.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using namespace controls;

TEST(DropDownDrawing, BlendColorMixesByPercentAndKeepsTheEndsAsGiven)
{
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);
    EXPECT_EQ(BlendColor(clBlack, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(BlendColor(RGB(200, 0, 100), RGB(0, 100, 0), 50), RGB(100, 50, 50));
    // A half-way channel rounds to the even neighbour: 0.5 x 1 + 0.5 x 0.
    EXPECT_EQ(BlendColor(RGB(1, 3, 0), RGB(0, 0, 0), 50), RGB(0, 2, 0));
}

TEST(DropDownDrawing, GradientRunsFromStartToEndWithoutGaps)
{
    TBitmap bitmap;
    bitmap.SetSize(100, 10);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clLime);
    canvas.FillRect({0, 0, 100, 10});
    DrawGradient(canvas, clBlack, clWhite, true, {0, 0, 100, 10}, 80);
    auto red = [&](int x, int y) { return bitmap.ScanLine(y)[x].rgbRed; };
    EXPECT_EQ(red(0, 5), 0);
    EXPECT_GE(red(98, 5), 240);
    for (int x = 1; x < 99; ++x) {
        EXPECT_GE(red(x, 5), red(x - 1, 5)) << x;
        // The lime background showing through would be a gap between bands.
        EXPECT_EQ(bitmap.ScanLine(5)[x].rgbGreen, red(x, 5)) << "gap at " << x;
    }
    // No steps: one band of the start colour.
    DrawGradient(canvas, clRed, clBlue, false, {0, 0, 100, 10}, 0);
    EXPECT_EQ(bitmap.ScanLine(8)[50].rgbRed, 0xFF);
    EXPECT_EQ(bitmap.ScanLine(8)[50].rgbBlue, 0);
}

TEST(DropDownDrawing, AdjustColorToneDarkensByPercentAndSeedsEmptyChannels)
{
    EXPECT_EQ(AdjustColorTone(TColor(0xF9D2B2), -10, -10, 0), TColor(0xF9BDA0));
    EXPECT_EQ(AdjustColorTone(TColor(0xF9D2B2), 10, 10, 10), TColor(0xF9D2B2));
    EXPECT_EQ(AdjustColorTone(RGB(0, 100, 0), 20, -50, -5), RGB(20, 50, 0));
}

TEST(DropDownDrawing, TruncateTextKeepsTheLongestPrefixThatFits)
{
    TBitmap bitmap(1, 1);
    TCanvas& canvas = *bitmap.Canvas();
    const std::string text = "The quick brown fox jumps";
    EXPECT_EQ(TruncateText(canvas, text, 1000, true), text);
    EXPECT_EQ(TruncateText(canvas, text, 1, true), text) << "nothing fits: the whole text";
    const int limit = canvas.TextWidth(text) / 2;
    const std::string cut = TruncateText(canvas, text, limit, true);
    ASSERT_TRUE(cut.ends_with("..."));
    const std::string kept = cut.substr(0, cut.size() - 3);
    EXPECT_TRUE(text.starts_with(kept));
    EXPECT_LT(canvas.TextWidth(cut), limit);
    EXPECT_GE(canvas.TextWidth(text.substr(0, kept.size() + 1) + "..."), limit) << "one more character would not fit";
    EXPECT_EQ(MeasureTextLine(canvas, "").cx, 0);
    EXPECT_EQ(MeasureTextLine(canvas, text).cx, canvas.TextWidth(text));
}
