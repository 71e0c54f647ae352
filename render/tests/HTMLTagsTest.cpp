// The tag vocabulary: attribute lookup and what each tag does to the text.
#include "render/HTMLTags.h"
#include "render/tests/HTMLRenderFixture.h"

using render::HTMLTagAttribute;
using render::HTMLTagLeadingInteger;

TEST(HTMLTagAttributeTest, Lookup)
{
    const struct {
        const char* Name;
        const char* Body;
        const char* Attribute;
        std::optional<std::string> Value;
    } cases[] = {
        {"quoted", " HREF=\"Page\" TITLE=\"t\"", "HREF", "Page"},
        {"any case", " href = \"Page\"", "HREF", "Page"},
        {"missing", " TITLE=\"t\"", "HREF", std::nullopt},
        {"unquoted is empty", " SIZE=3", "SIZE", ""},
        {"unclosed quote is empty", " HREF=\"abc", "HREF", ""},
        {"name inside another value", " TITLE=\"HREF=bad\" HREF=\"good\"", "HREF", "good"},
        {"name inside a path", " SRC=\"FILE:///WIDTH/A.PNG\" WIDTH=\"20\"", "WIDTH", "20"},
        {"COLOR is not BGCOLOR", " BGCOLOR=\"#FF0000\"", "COLOR", std::nullopt},
        {"glued after a value", " COLOR=\"clred\"SIZE=\"2\"", "SIZE", "2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HTMLTagAttribute(c.Body, c.Attribute), c.Value) << c.Name;
    EXPECT_EQ(HTMLTagLeadingInteger(" SIZE=\"3", "SIZE"), 3) << "closing quote not needed";
    EXPECT_EQ(HTMLTagLeadingInteger(" SIZE=4", "SIZE"), 4);
    EXPECT_EQ(HTMLTagLeadingInteger(" SIZE=\"x\"", "SIZE"), 0);
    EXPECT_EQ(HTMLTagLeadingInteger(" FACE=\"x\"", "SIZE"), std::nullopt);
}

namespace {

class HTMLTagsFixture : public HTMLRenderFixture {
protected:
    int HeightAtSize(int size)
    {
        canvas->Font()->SetSize(size);
        const int h = canvas->TextHeight("gh");
        canvas->Font()->SetSize(10);
        return h;
    }

    // True when the two rectangles of the bitmap hold the same pixels.
    bool SamePixels(TRect a, int dy)
    {
        for (int y = a.Top; y < a.Bottom; ++y)
            for (int x = a.Left; x < a.Right; ++x)
                if (canvas->Pixels(x, y) != canvas->Pixels(x, y + dy)) return false;
        return true;
    }
};

} // namespace

TEST_F(HTMLTagsFixture, FontSizes)
{
    EXPECT_EQ(Measure("<font size=\"3\">gh</font>").Height, HeightAtSize(12));
    EXPECT_EQ(Measure("<font size=\"20\">gh</font>").Height, HeightAtSize(20));
    EXPECT_EQ(Measure("<font size=\"1\">gh</font>").Height, gh) << "a smaller font does not lower the line";
}

TEST_F(HTMLTagsFixture, ClosingFontRestoresNameAndSizeButNotStyle)
{
    canvas->Font()->SetStyle({fsBold});
    canvas->Font()->SetSize(16);
    const int bigBoldX = canvas->TextWidth("x");
    canvas->Font()->SetSize(10);
    const int boldY = canvas->TextWidth("y");
    canvas->Font()->SetStyle({});
    EXPECT_EQ(Measure("<font size=\"5\"><b>x</font>y").Width, bigBoldX + boldY);
}

TEST_F(HTMLTagsFixture, ListsAndIndents)
{
    EXPECT_EQ(Measure("<li>a<li>b").Height, 2 * gh) << "two items in one source line";
    const THTMLRenderResult nested = Measure("<ul><li>a");
    EXPECT_EQ(nested.Height, 2 * gh) << "UL ends its line";
    EXPECT_EQ(nested.Width, 12 + TextWidth("a"));
    EXPECT_EQ(Measure("<ul></ul></ul><li>a").Width, TextWidth("a")) << "the level never goes below 0";
    EXPECT_EQ(Measure("a<ind x=\"50\">b").Width, 50 + TextWidth("b"));
    EXPECT_EQ(Measure("abc<ind x=\"2\">d").Width, TextWidth("abc") + TextWidth("d")) << "IND never moves back";
    EXPECT_EQ(Measure("a<z>bbb</z>c").Width, TextWidth("a") + TextWidth("c"));
    EXPECT_EQ(Measure("a<sub>2</sub>").Height, gh + gh / 4);
    EXPECT_EQ(Measure("a<sup>2</sup>").Height, gh + gh / 4);
    EXPECT_EQ(Measure("a<sup>2</sup><br>b").Height, 2 * gh + gh / 4) << "superscript ends with its line";
}

TEST_F(HTMLTagsFixture, ListBulletAtLevelZeroStandsLeft)
{
    Draw("<ind x=\"40\"><li>x");
    // The "o" of level 0 is drawn 12 pixels left of the draw position, the x after it.
    EXPECT_EQ(InkColumns(0, gh).first / 4, (40 - 12) / 4);
}

TEST_F(HTMLTagsFixture, ClosingUlAtLevelZeroOnlyEndsUnderline)
{
    Draw("<u>aaa</ul>bbb");
    Draw("aaa<x>bbb", TRect{0, 50, 400, 200});
    const int split = 1 + TextWidth("aaa");
    EXPECT_FALSE(SamePixels(TRect{0, 0, split, gh + 2}, 50)) << "aaa underlined";
    // The underline's antialiased end may touch the first pixel after the piece.
    EXPECT_TRUE(SamePixels(TRect{split + 1, 0, 400, gh + 2}, 50)) << "bbb plain";
}

TEST_F(HTMLTagsFixture, ParagraphAlignmentLastsUntilTheNextParagraph)
{
    Draw("<p align=\"center\">ab</p>cd<br>ef<br><p align=\"left\">gh", TRect{0, 0, 200, 200});
    for (int line = 0; line < 3; ++line) {
        const auto [first, last] = InkColumns(line * gh, (line + 1) * gh);
        EXPECT_NEAR(first + last, 200, 4) << "line " << line << " centred";
    }
    EXPECT_LT(InkColumns(3 * gh, 4 * gh).first, 4) << "left again";
}

TEST_F(HTMLTagsFixture, RuleIsDrawnWithoutText)
{
    Draw("<hr>");
    EXPECT_EQ(canvas->Pixels(200, gh + 1), clBlack);
    EXPECT_EQ(CountColor(clBlack, TRect{0, 0, 400, gh + 1}), 0);
}

TEST_F(HTMLTagsFixture, BlinkTakesTheEntryBrushColour)
{
    THTMLRenderParams hidden;
    hidden.BlinkVisible = false;
    Draw("<blink>HHHH</blink>", TRect{0, 0, 400, 200}, hidden);
    EXPECT_EQ(InkColumns(0, 200).first, -1);
    Draw("<blink>HHHH</blink>");
    EXPECT_NE(InkColumns(0, 200).first, -1);
}

TEST_F(HTMLTagsFixture, ErrorWaveRunsOnAcrossPieces)
{
    Draw("<e>ab<b>cd</b> ef</e>");
    const int right = 1 + TextWidth("ab") + TextWidth("cd", {fsBold}) + TextWidth(" ") + TextWidth("ef") - 2;
    for (int x = 2; x < right; ++x)
        EXPECT_GT(CountColor(clRed, TRect{x, gh - 1, x + 1, gh + 2}), 0) << "column " << x;
}

TEST_F(HTMLTagsFixture, Colours)
{
    Draw("<font size=\"5\"><b><font color=\"#FF0000\">HH</font><font color=\"clblue\">HH</font></b>");
    EXPECT_GT(CountColor(clBlue), 0) << "#FF0000 is red, clblue is blue: no other colour";
    EXPECT_GT(CountColor(clRed), 0);
    Draw("<font bgcolor=\"#00ff00\">x</font>", TRect{0, 50, 400, 200});
    EXPECT_GT(CountColor(clLime), 0) << "lower-case hex digits";
    Draw("<body bgcolor=\"clyellow\">x");
    EXPECT_EQ(canvas->Pixels(399, 199), clYellow);
}

TEST_F(HTMLTagsFixture, HighlightShadowAndParagraphBackground)
{
    SetHTMLHighlightColors(clYellow, clRed);
    Draw("<font size=\"5\"><b><hi>HH</hi></b>");
    SetHTMLHighlightColors(clHighlight, clHighlightText);
    EXPECT_GT(CountColor(clYellow), 0);
    EXPECT_GT(CountColor(clRed), 0);

    THTMLRenderParams params;
    params.ShadowColor = clFuchsia;
    Draw("<font size=\"5\"><b><sh>HH</sh></b>", TRect{0, 50, 400, 200}, params);
    EXPECT_GT(CountColor(clFuchsia), 0);

    Draw("<p bgcolor=\"claqua\">x</p>y", TRect{0, 100, 400, 200});
    EXPECT_EQ(canvas->Pixels(399, 100 + gh / 2), clAqua) << "the band spans the bounds";
    EXPECT_EQ(canvas->Pixels(399, 100 + gh + gh / 2), clWhite) << "and ends with the paragraph";
}

TEST_F(HTMLTagsFixture, RotatedText)
{
    Draw("<font size=\"5\"><r a=\"90\">Hello</r>", TRect{0, 100, 400, 200});
    int top = 200, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            if (canvas->Pixels(x, y) != clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const auto [first, last] = InkColumns(0, 200);
    EXPECT_GT(bottom - top, last - first) << "the text runs upward";
}

TEST_F(HTMLTagsFixture, IndentedParagraphsWrapInsideTheBounds)
{
    const char* text = "<p indent=\"40\">aaaa bbbb cccc dddd</p>";
    const int room = 1 + 40 + TextWidth("aaaa ") + TextWidth("bbbb ") + 2;
    EXPECT_EQ(Measure(text, room).Height, 2 * gh);
    Draw(text, TRect{0, 0, room, 200});
    EXPECT_LT(InkColumns(0, 2 * gh).second, room);
}

TEST_F(HTMLTagsFixture, IndentToAPlacePassedAlreadyDrawsOnInPlace)
{
    Draw("abc<ind x=\"2\">d");
    Draw("abc<x>d", TRect{0, 50, 400, 200});
    EXPECT_TRUE(SamePixels(TRect{0, 0, 400, gh}, 50));
}
