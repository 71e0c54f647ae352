// DrawText's measuring and formatting rules.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "platform/graphics/tests/InkColumns.h"

#include <gtest/gtest.h>

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
