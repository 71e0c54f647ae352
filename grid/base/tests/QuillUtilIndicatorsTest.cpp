// Progress bars, the pie gauge, the signed bar and the error zig-zag.
#include "grid/base/QuillUtilIndicators.h"

#include "grid/base/QuillUtilPaint.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "testsupport/GoldenImage.h"
#include "platform/ui/EditControls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace {

using grid::TLevelProgressSettings;

constexpr TColor kFilled = RGB(0, 160, 0);
constexpr TColor kEmpty = RGB(230, 230, 230);
constexpr TColor kBorder = RGB(0, 0, 128);
constexpr TColor kPaper = RGB(255, 255, 240);

std::unique_ptr<TBitmap> Render(int width, int height, const std::function<void(TCanvas&)>& draw)
{
    auto sheet = std::make_unique<TBitmap>(width, height);
    sheet->SetPixelFormat(pf24bit);
    FillRectWithColor(*sheet->Canvas(), {0, 0, width, height}, clWhite);
    sheet->Canvas()->Brush()->SetColor(kPaper);
    draw(*sheet->Canvas());
    return sheet;
}

bool SamePixels(TBitmap& a, TBitmap& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y))
                return false;
    return true;
}

std::unique_ptr<TBitmap> Progress(double value, double min, double max, std::string format)
{
    return Render(104, 24, [=](TCanvas& c) {
        DrawProgressBar(c, {0, 0, 104, 24}, kFilled, clWhite, kEmpty, clBlack, value, 2, 2, min, max, format, kBorder,
            false);
    });
}

} // namespace

TEST(ProgressBarTest, FillFramesAndClamping)
{
    auto full = Progress(150, 0, 100, "");
    TCanvas& c = *full->Canvas();
    EXPECT_EQ(c.Pixels(3, 20), kFilled);
    EXPECT_EQ(c.Pixels(100, 20), kFilled);
    EXPECT_EQ(c.Pixels(1, 1), kBorder);  // one pixel outside the bar
    EXPECT_EQ(c.Pixels(0, 0), kPaper);   // the brush colour from before the call
    EXPECT_EQ(c.Pixels(103, 23), kPaper);

    auto below = Progress(-5, 0, 100, "%d");
    EXPECT_EQ(below->Canvas()->Pixels(3, 20), kEmpty);
    auto quarter = Progress(25, 0, 100, "%d");
    EXPECT_EQ(quarter->Canvas()->Pixels(26, 20), kFilled);
    EXPECT_EQ(quarter->Canvas()->Pixels(27, 20), kEmpty);

    // Without a range the bar is empty before its end and full at it.
    EXPECT_EQ(Progress(4, 5, 5, "%d")->Canvas()->Pixels(50, 20), kEmpty);
    EXPECT_EQ(Progress(5, 5, 5, "%d")->Canvas()->Pixels(50, 20), kFilled);
}

TEST(ProgressBarTest, TextFollowsTheFormatsConversion)
{
    // The same text written out gives the same picture.
    struct TRow {
        const char* Format;
        const char* Shown;
    };
    const TRow rows[] = {
        {"%d items", "43 items"},
        {"%.1f", "42.6"},
        {"%.1f done", "42.6 done"}, // the "d" of "done" is no integer conversion
        {"used: %u%%", "used: 43%%"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Format);
        EXPECT_TRUE(SamePixels(*Progress(42.6, 0, 100, row.Format), *Progress(42.6, 0, 100, row.Shown)));
    }
    EXPECT_FALSE(SamePixels(*Progress(42.6, 0, 100, "%.1f done"), *Progress(42.6, 0, 100, "43.0 done")));
    testsupport::ExpectMatchesGolden(*Progress(42.6, 0, 100, "%.1f done"), "progress-bar");
}

TEST(LevelProgressBarTest, LevelColoursBlocksAndStacking)
{
    TLevelProgressSettings s;
    s.Level0Color = RGB(0, 200, 0);
    s.Level1Color = RGB(200, 200, 0);
    s.Level2Color = RGB(200, 100, 0);
    s.Level3Color = RGB(0, 0, 200);
    s.Level1Perc = 30;
    s.Level2Perc = 60;
    s.UnCompleteColor = kEmpty;
    s.BorderColor = kBorder;
    s.ShowBorder = true;
    s.CompletionSmooth = true;
    auto bar = [&](int percent) {
        return Render(52, 12, [&](TCanvas& c) { DrawLevelProgressBar(c, {0, 0, 52, 12}, percent, s); });
    };
    EXPECT_EQ(bar(100)->Canvas()->Pixels(25, 6), s.Level3Color);
    EXPECT_EQ(bar(99)->Canvas()->Pixels(25, 6), s.Level2Color);
    EXPECT_EQ(bar(45)->Canvas()->Pixels(10, 6), s.Level1Color);
    EXPECT_EQ(bar(10)->Canvas()->Pixels(3, 6), s.Level0Color);
    // Past 100 the bar stays inside its frame.
    auto over = Render(60, 12, [&](TCanvas& c) { DrawLevelProgressBar(c, {0, 0, 52, 12}, 150, s); });
    EXPECT_EQ(over->Canvas()->Pixels(50, 6), s.Level3Color);
    EXPECT_EQ(over->Canvas()->Pixels(51, 6), kBorder);
    EXPECT_EQ(over->Canvas()->Pixels(55, 6), clWhite);
    auto empty = bar(0);
    EXPECT_EQ(empty->Canvas()->Pixels(25, 6), kEmpty);
    EXPECT_EQ(empty->Canvas()->Pixels(0, 0), kBorder);

    // Blocks of 7 with gaps of 2 from 2 pixels in: 50% of 50 is 25 pixels,
    // two whole blocks and a last one of 25 mod 9 - 1 = 6.
    s.CompletionSmooth = false;
    auto blocks = bar(50);
    TCanvas& b = *blocks->Canvas();
    EXPECT_EQ(b.Pixels(1, 6), kEmpty);
    EXPECT_EQ(b.Pixels(2, 6), s.Level1Color);
    EXPECT_EQ(b.Pixels(8, 6), s.Level1Color);
    EXPECT_EQ(b.Pixels(9, 6), kEmpty);
    EXPECT_EQ(b.Pixels(20, 6), s.Level1Color);
    EXPECT_EQ(b.Pixels(25, 6), s.Level1Color);
    EXPECT_EQ(b.Pixels(26, 6), kEmpty);
    EXPECT_EQ(b.Pixels(5, 1), kEmpty); // blocks keep off the sides

    // Stacked in 100 pixels: 30 in level 0, 30 in level 1, the rest in level 3.
    s.Stacked = true;
    auto stacked = Render(102, 12, [&](TCanvas& c) { DrawLevelProgressBar(c, {0, 0, 102, 12}, 100, s); });
    TCanvas& st = *stacked->Canvas();
    EXPECT_EQ(st.Pixels(1, 6), s.Level0Color);
    EXPECT_EQ(st.Pixels(30, 6), s.Level0Color);
    EXPECT_EQ(st.Pixels(31, 6), s.Level1Color);
    EXPECT_EQ(st.Pixels(60, 6), s.Level1Color);
    EXPECT_EQ(st.Pixels(61, 6), s.Level3Color);
    EXPECT_EQ(st.Pixels(100, 6), s.Level3Color);
    EXPECT_EQ(st.Pixels(101, 6), kBorder);
}

TEST(LevelProgressBarTest, GradientAndPercentageLook)
{
    TLevelProgressSettings s;
    s.Level0Color = RGB(0, 200, 0);
    s.Level0ColorTo = RGB(200, 255, 200);
    s.Level1Perc = 70;
    s.Level2Perc = 90;
    s.UnCompleteColor = clWhite;
    s.BorderColor = clGray;
    s.ShowBorder = true;
    s.ShowGradient = true;
    s.Steps = 8;
    s.CompletionSmooth = true;
    s.ShowPercentage = true;
    s.CompleteFontColor = clBlack;
    auto bar = Render(120, 20, [&](TCanvas& c) { DrawLevelProgressBar(c, {0, 0, 120, 20}, 64, s); });
    testsupport::ExpectMatchesGolden(*bar, "level-progress");
}

TEST(PieProgressTest, OutlineLineAndFilledWedge)
{
    constexpr TColor kFill = RGB(240, 120, 0);
    auto pie = [&](int percent) {
        return Render(41, 41, [&](TCanvas& c) { DrawPieProgress(c, {0, 0, 41, 41}, kFill, percent, false); });
    };
    auto none = pie(0);
    EXPECT_EQ(none->Canvas()->Pixels(20, 5), TColor(0x808080)); // the 12 o'clock line
    EXPECT_EQ(none->Canvas()->Pixels(28, 12), clWhite);
    EXPECT_EQ(none->Canvas()->Pixels(12, 28), clWhite);

    auto half = pie(50);
    EXPECT_EQ(half->Canvas()->Pixels(28, 12), kFill);
    EXPECT_EQ(half->Canvas()->Pixels(28, 28), kFill);
    EXPECT_EQ(half->Canvas()->Pixels(12, 20), clWhite);
    EXPECT_EQ(half->Canvas()->Pixels(0, 0), clWhite); // outside the circle
    testsupport::ExpectMatchesGolden(*pie(30), "pie-progress");
}

TEST(SignedBarTest, GrowsFromTheMiddleAndKeepsToMax)
{
    constexpr TColor kNegative = RGB(220, 0, 0);
    constexpr TColor kPositive = RGB(0, 0, 220);
    auto bar = [&](double value, double max, bool showValue) {
        return Render(44, 20, [&](TCanvas& c) {
            DrawSignedBar(c, {0, 0, 44, 20}, value, max, showValue, kNegative, kPositive);
        });
    };
    // Shrunk by 2: x 2..41, middle 22, half width 20.
    auto left = bar(-30, 20, false);
    EXPECT_EQ(left->Canvas()->Pixels(2, 10), kNegative);
    EXPECT_EQ(left->Canvas()->Pixels(21, 10), kNegative);
    EXPECT_EQ(left->Canvas()->Pixels(22, 10), clWhite);
    EXPECT_EQ(left->Canvas()->Pixels(1, 10), clWhite);
    auto right = bar(5, 20, false);
    EXPECT_EQ(right->Canvas()->Pixels(22, 10), kPositive);
    EXPECT_EQ(right->Canvas()->Pixels(26, 10), kPositive);
    EXPECT_EQ(right->Canvas()->Pixels(27, 10), clWhite);

    // The value shown is the kept one, and a Max of 0 draws no bar.
    EXPECT_TRUE(SamePixels(*bar(-30, 20, true), *bar(-20, 20, true)));
    EXPECT_FALSE(SamePixels(*bar(-30, 20, true), *bar(-30, 20, false)));
    EXPECT_TRUE(SamePixels(*bar(7, 0, false), *bar(0, 20, false)));
}

TEST(ErrorUnderlineTest, ZigZagSpansTheCharactersAsAnEditPlacesThem)
{
    const std::string text = "Speling mistake";
    const TRect cell{10, 4, 190, 28};
    TWinControl grid(nullptr);
    grid.SetBounds(0, 0, 200, 32);
    auto sheet = Render(200, 40, [&](TCanvas& c) { DrawErrorUnderline(grid, c, text, cell, 14, 0, 7); });

    // Where an edit of the grid's font puts the first and the seventh character.
    TEdit probe(nullptr);
    probe.SetParent(&grid);
    probe.SetBoundsRect(cell);
    probe.SetText(text);
    auto xOf = [&](int index) {
        return cell.Left + static_cast<std::int16_t>(probe.Perform(EM_POSFROMCHAR, index, 0) & 0xFFFF);
    };
    int leftmost = 1000, rightmost = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (sheet->Canvas()->Pixels(x, y) == RGB(255, 0, 0)) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    ASSERT_GE(rightmost, 0) << "no zig-zag drawn";
    EXPECT_NEAR(leftmost, xOf(0), 1);
    EXPECT_GE(rightmost, xOf(6));
    EXPECT_LE(rightmost, xOf(6) + 4);

    // Nothing to underline, nothing drawn.
    auto none = Render(200, 40, [&](TCanvas& c) { DrawErrorUnderline(grid, c, "", cell, 14, 0, 3); });
    EXPECT_EQ(none->Canvas()->Pixels(12, 20), clWhite);
}
