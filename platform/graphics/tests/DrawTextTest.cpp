// DrawText's measuring and formatting rules.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "platform/graphics/tests/InkColumns.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("Arial");
        canvas->Font()->SetSize(10);
        lineHeight = canvas->TextHeight("gh");
    }

    TRect Measure(const char* text, unsigned format, int width = 1000)
    {
        TRect r = Rect(10, 20, 10 + width, 20 + 500);
        DrawText(canvas->Handle(), text, r, format | DT_CALCRECT);
        return r;
    }

    std::pair<int, int> InkColumns(int top, int bottom) { return graphics::testing::InkColumns(bitmap, top, bottom); }

    TBitmap bitmap{200, 100};
    TCanvas* canvas = nullptr;
    int lineHeight = 0;
};

} // namespace

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    TRect single = Measure("Hello", DT_SINGLELINE);
    EXPECT_EQ(single.Left, 10);
    EXPECT_EQ(single.Top, 20);
    EXPECT_EQ(single.Width(), canvas->TextWidth("Hello"));
    EXPECT_EQ(single.Height(), lineHeight);
    EXPECT_EQ(Measure("One\nTwo\nThree", 0).Height(), 3 * lineHeight);
    EXPECT_EQ(Measure("One\nTwo", DT_SINGLELINE).Height(), lineHeight) << "single line ignores breaks";
    EXPECT_EQ(Measure("", 0).Height(), lineHeight);
    EXPECT_EQ(Measure("", 0).Width(), 0);
    EXPECT_EQ(InkColumns(0, 100).first, -1) << "nothing drawn";
}

TEST_F(DrawTextTest, WordBreakWrapsWithinTheWidth)
{
    TRect wrapped = Measure("alpha beta gamma delta epsilon", DT_WORDBREAK, 60);
    EXPECT_GT(wrapped.Height(), lineHeight);
    EXPECT_LE(wrapped.Width(), 60);
    EXPECT_EQ(Measure("alpha beta gamma delta epsilon", 0, 60).Height(), lineHeight) << "no word break, no wrap";
    // A word longer than the width stays whole unless edit-control breaking is asked for.
    EXPECT_EQ(Measure("Supercalifragilistic", DT_WORDBREAK, 30).Height(), lineHeight);
    EXPECT_GT(Measure("Supercalifragilistic", DT_WORDBREAK | DT_EDITCONTROL, 30).Height(), lineHeight);
}

TEST_F(DrawTextTest, PrefixesAndTabs)
{
    EXPECT_EQ(Measure("&File", DT_SINGLELINE).Width(), canvas->TextWidth("File"));
    EXPECT_EQ(Measure("a&&b", DT_SINGLELINE).Width(), canvas->TextWidth("a&b"));
    EXPECT_EQ(Measure("&File", DT_SINGLELINE | DT_NOPREFIX).Width(), canvas->TextWidth("&File"));
    EXPECT_EQ(Measure("File&", DT_SINGLELINE).Width(), canvas->TextWidth("File"));
    TRect tabbed = Measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS);
    TEXTMETRIC tm;
    GetTextMetrics(canvas->Handle(), tm);
    EXPECT_EQ(tabbed.Width(), 8 * tm.tmAveCharWidth + canvas->TextWidth("b"));
}

TEST_F(DrawTextTest, AlignmentPlacesTheText)
{
    struct Row {
        const char* Name;
        unsigned Format;
        int ExpectedLeft;
    } rows[] = {{"left", DT_LEFT, 0}, {"centre", DT_CENTER, 1}, {"right", DT_RIGHT, 2}};
    int width = canvas->TextWidth("Mm");
    for (const auto& row : rows) {
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(Rect(0, 0, 200, 100));
        TRect r = Rect(0, 0, 200, 40);
        SetBkMode(canvas->Handle(), TRANSPARENT);
        DrawText(canvas->Handle(), "Mm", r, row.Format | DT_SINGLELINE | DT_VCENTER);
        auto [first, last] = InkColumns(0, 40);
        int expectedLeft = row.ExpectedLeft == 0 ? 0 : row.ExpectedLeft == 1 ? (200 - width) / 2 : 200 - width;
        EXPECT_NEAR(first, expectedLeft, 2) << row.Name;
        EXPECT_LE(last, 199) << row.Name;
    }
}

TEST_F(DrawTextTest, EllipsisAndClipKeepTextInsideTheRectangle)
{
    TRect r = Rect(10, 10, 60, 30);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    DrawText(canvas->Handle(), "A rather long text for the cell", r, DT_SINGLELINE | DT_END_ELLIPSIS);
    auto [first, last] = InkColumns(0, 100);
    EXPECT_GE(first, 10);
    EXPECT_LT(last, 60);
    EXPECT_EQ(r, Rect(10, 10, 60, 30)) << "drawing leaves the rectangle";

    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 200, 100));
    TRect clipped = Rect(10, 40, 40, 60);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    DrawText(canvas->Handle(), "Clipped text here", clipped, DT_SINGLELINE);
    EXPECT_LT(InkColumns(0, 100).second, 40);
    TRect unclipped = clipped;
    DrawText(canvas->Handle(), "Clipped text here", unclipped, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkColumns(0, 100).second, 40);
}

TEST_F(DrawTextTest, VerticalPlacementAndReturnedHeight)
{
    TRect r = Rect(0, 0, 100, 60);
    EXPECT_EQ(DrawText(canvas->Handle(), "x", r, DT_SINGLELINE), lineHeight);
    r = Rect(0, 0, 100, 60);
    EXPECT_EQ(DrawText(canvas->Handle(), "x", r, DT_SINGLELINE | DT_BOTTOM), 60);
    r = Rect(0, 0, 100, 60);
    EXPECT_EQ(DrawText(canvas->Handle(), "x", r, DT_SINGLELINE | DT_VCENTER), (60 - lineHeight) / 2 + lineHeight);
    int plain = Measure("a\nb", 0).Height();
    EXPECT_GE(Measure("a\nb", DT_EXTERNALLEADING).Height(), plain);
}

namespace {

// Where a glyph left ink in a fresh white picture: its box, and whether any
// pixel is coloured (not grey).
struct TInk {
    TRect Box{-1, -1, -1, -1};
    bool Coloured = false;
    // The longest run of ink down the box's leftmost column, as a share of its height.
    double LeftEdgeShare = 0;
};

TInk InkOf(const std::string& text)
{
    TBitmap picture(120, 80);
    TCanvas& c = *picture.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, 120, 80});
    c.Font()->SetName("Tahoma");
    c.Font()->SetHeight(-48);
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    c.TextOut(10, 10, text);
    TInk ink;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const TColor p = c.Pixels(x, y);
            if (p == clWhite) continue;
            const int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            if (std::max({r, g, b}) - std::min({r, g, b}) > 40) ink.Coloured = true;
            if (ink.Box.Left < 0 || x < ink.Box.Left) ink.Box.Left = x;
            if (ink.Box.Top < 0) ink.Box.Top = y;
            ink.Box.Right = std::max(ink.Box.Right, x + 1);
            ink.Box.Bottom = y + 1;
        }
    if (ink.Box.Left < 0) return ink;
    int run = 0, longest = 0;
    for (int y = ink.Box.Top; y < ink.Box.Bottom; ++y) {
        run = c.Pixels(ink.Box.Left, y) != clWhite ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    ink.LeftEdgeShare = static_cast<double>(longest) / ink.Box.Height();
    return ink;
}

} // namespace

// Characters the fixed fonts lack are drawn from a font that has them, not as
// the box of a missing glyph. (The golden pictures hold Latin text to the
// fixed fonts.)
TEST(TextFallback, CharactersTheFixedFontsLackComeFromAFontThatHasThem)
{
    // A private-use character no font has: the missing-glyph box, whose left
    // edge runs its whole height.
    const TInk box = InkOf("\xEE\x80\x80");
    ASSERT_GE(box.Box.Left, 0);
    EXPECT_GT(box.LeftEdgeShare, 0.9) << "the box of a missing glyph is not recognised";
    for (const char* cjk : {"\xE4\xB8\xAD" /* zhong */, "\xE3\x81\x82" /* hiragana a */}) {
        const TInk ink = InkOf(cjk);
        ASSERT_GE(ink.Box.Left, 0) << cjk;
        EXPECT_LT(ink.LeftEdgeShare, 0.8) << cjk << " is drawn as a missing-glyph box";
    }
    // An emoji none of the fixed fonts has comes in colour from the emoji font.
    const TInk emoji = InkOf("\xF0\x9F\x8D\x95" /* slice of pizza */);
    EXPECT_LT(emoji.LeftEdgeShare, 0.8) << "the emoji is drawn as a missing-glyph box";
    EXPECT_TRUE(emoji.Coloured) << "the emoji is not drawn from the colour emoji font";
}
