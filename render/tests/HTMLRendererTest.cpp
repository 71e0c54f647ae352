// Measuring, drawing and hit-testing mini-HTML: sizes, line breaking, links and bad markup.
#include "render/tests/HTMLRenderFixture.h"

#include "platform/graphics/ImageList.h"

#include <random>


TEST_F(HTMLRenderFixture, EmptyTextIsOneEmptyLine)
{
    const THTMLRenderResult r = Measure("");
    EXPECT_EQ(r.Width, 0);
    EXPECT_EQ(r.Height, gh);
    THTMLRenderResult drawn = Draw("");
    EXPECT_FALSE(drawHit);
    EXPECT_EQ(drawn.Height, gh);
}

TEST_F(HTMLRenderFixture, MeasuredSizes)
{
    const struct {
        const char* Name;
        const char* Text;
        int Width;
    } cases[] = {
        {"plain", "Hello world", PiecesWidth({"Hello ", "world"})},
        {"trailing space not counted", "Hello ", PiecesWidth({"Hello "})},
        {"bold", "<b>Hello</b>", TextWidth("Hello", {fsBold})},
        {"italic", "<i>Hello</i>", TextWidth("Hello", {fsItalic})},
        {"mixed", "a<b>b</b>c", TextWidth("a") + TextWidth("b", {fsBold}) + TextWidth("c")},
        {"bold has no nesting count", "<b><b>x</b>Hello", TextWidth("x", {fsBold}) + TextWidth("Hello")},
        {"unknown tags ignored", "<foo>He</foo><bar x=\"1\">llo", TextWidth("Hello")},
        {"nbsp joins words", "a&nbsp;b", TextWidth("a b")},
    };
    for (const auto& c : cases) {
        const THTMLRenderResult r = Measure(c.Text);
        EXPECT_EQ(r.Width, c.Width) << c.Name;
        EXPECT_EQ(r.Height, gh) << c.Name;
        const THTMLRenderResult drawn = Draw(c.Text);
        EXPECT_EQ(drawn.Width, c.Width) << c.Name << ", drawn";
        EXPECT_EQ(drawn.Height, gh) << c.Name << ", drawn";
    }
}

TEST_F(HTMLRenderFixture, FontSizeRaisesTheLine)
{
    canvas->Font()->SetSize(16);
    const int big = canvas->TextHeight("gh");
    const int bigWidth = canvas->TextWidth("X");
    canvas->Font()->SetSize(10);
    const THTMLRenderResult r = Measure("a<font size=\"5\">X</font>b");
    EXPECT_EQ(r.Height, big);
    EXPECT_EQ(r.Width, TextWidth("a") + bigWidth + TextWidth("b"));
}

TEST_F(HTMLRenderFixture, BreaksAndPlainText)
{
    const struct {
        const char* Name;
        const char* Text;
        int Lines;
        const char* Plain;
    } cases[] = {
        {"br", "one<br>two", 2, "one\rtwo"},
        {"carriage return and line feed", "one\r\ntwo", 2, "one\rtwo"},
        {"closing p", "<p>one</p>two", 2, "onetwo"},
        {"hr", "one<hr>two", 2, "onetwo"},
        {"amp shows once", "a&amp;b", 1, "a&b"},
        {"amp of amp decodes once", "&amp;amp;", 1, "&amp;"},
        {"entities of the table", "&permil;&euro;&COPY;", 1, "\xE2\x80\xB0\xE2\x82\xAC\xC2\xA9"},
        {"accented letters drawn as typed", "&eacute;", 1, "&eacute;"},
        {"lt and gt", "&lt;b&gt;", 1, "<b>"},
        {"hidden text kept in plain text", "a<z>b</z>c", 1, "abc"},
        {"unclosed tag ends the text", "ab<b", 1, "ab"},
        {"lone bracket at the end dropped", "ab<", 1, "ab"},
        {"hash tags unwrapped", "<#1>", 1, "#1"},
    };
    for (const auto& c : cases) {
        const THTMLRenderResult r = Measure(c.Text);
        EXPECT_EQ(r.Height, c.Lines * gh) << c.Name;
        EXPECT_EQ(r.PlainText, c.Plain) << c.Name;
    }
}

TEST_F(HTMLRenderFixture, WordWrap)
{
    const int word = TextWidth("aaaa");
    // Room for one word and its space: every word starts a line.
    const THTMLRenderResult three = Measure("aaaa aaaa aaaa", TextWidth("aaaa ") + 2);
    EXPECT_EQ(three.Height, 3 * gh);
    EXPECT_EQ(three.Width, std::max(word, PiecesWidth({"aaaa "})));
    // A word wider than the line stays where it starts and overflows.
    const THTMLRenderResult wide = Measure("a wwwwwwwwwwww b", TextWidth("a w"));
    EXPECT_EQ(wide.Height, 2 * gh);
    EXPECT_EQ(wide.Width, PiecesWidth({"a ", "wwwwwwwwwwww "}));
    // Words glued by a tag are never split.
    EXPECT_EQ(Measure("aaaa<b>bbbb</b>", word).Height, gh);
}

TEST_F(HTMLRenderFixture, WithoutWordWrapTheFirstOverflowingPieceEndsTheText)
{
    THTMLRenderParams noWrap;
    noWrap.WordWrap = false;
    // Room for the first piece and part of the second, which is narrower than the line.
    const int room = TextWidth("first ") + TextWidth("x", {fsBold});
    const THTMLRenderResult ended = Measure("first <b>xy</b><br>third", room, noWrap);
    EXPECT_EQ(ended.Height, gh) << "later lines are not laid out";
    EXPECT_EQ(ended.PlainText, "first xy");
    // A line made of one overflowing piece keeps going on the next line.
    const THTMLRenderResult goesOn = Measure("overflowing piece<br>next", TextWidth("over"), noWrap);
    EXPECT_EQ(goesOn.Height, 2 * gh);

    // The overflowing piece is cut at the right edge with an ellipsis.
    Draw("first <b>secondsecondsecond</b>", TRect{0, 0, 120, 40}, noWrap);
    EXPECT_LT(InkColumns(0, 40).second, 120);
    EXPECT_GT(InkColumns(0, 40).second, 100);
}

TEST_F(HTMLRenderFixture, DrawingStopsBelowTheBoundsButMeasuringDoesNot)
{
    const char* text = "1<br>2<br>3<br>4";
    EXPECT_EQ(Measure(text).Height, 4 * gh);
    EXPECT_EQ(Draw(text, TRect{0, 0, 100, 2 * gh + gh / 2}).Height, 2 * gh) << "a third line would not fit";
    // A line that starts inside the bounds is laid out even when it grows below them.
    canvas->Font()->SetSize(16);
    const int big = canvas->TextHeight("gh");
    canvas->Font()->SetSize(10);
    EXPECT_EQ(Draw("1<br><font size=\"5\">2</font><br>3", TRect{0, 0, 100, 2 * gh}).Height, gh + big);
}

TEST_F(HTMLRenderFixture, LinksAreNumberedAndHit)
{
    const char* text = "go <a href=\"First\" title=\"T1\">one</a> or <a href=\"Second\">two</a>";
    EXPECT_EQ(Measure(text).LinkCount, 2);

    const int twoLeft = 1 + TextWidth("go ") + TextWidth("one") + TextWidth(" ") + TextWidth("or ");
    THTMLRenderResult r;
    r.LinkValue = "before";
    ASSERT_TRUE(HitTest(text, twoLeft + 3, gh / 2, r));
    EXPECT_EQ(r.LinkValue, "Second");
    EXPECT_EQ(r.LinkTitle, "");
    EXPECT_EQ(r.HoveredLink, 2);
    EXPECT_EQ(r.HoverRect, (TRect{twoLeft, 0, twoLeft + TextWidth("two"), gh}));

    ASSERT_TRUE(HitTest(text, 1 + TextWidth("go ") + 2, gh / 2, r));
    EXPECT_EQ(r.LinkValue, "First");
    EXPECT_EQ(r.LinkTitle, "T1");
    EXPECT_EQ(r.HoveredLink, 1);

    THTMLRenderResult miss;
    miss.LinkValue = "kept";
    EXPECT_FALSE(HitTest(text, 2, gh / 2, miss)) << "over plain text";
    EXPECT_FALSE(HitTest(text, twoLeft + 3, gh * 3, miss)) << "below the line";
    EXPECT_EQ(miss.LinkValue, "kept");
    EXPECT_EQ(miss.HoveredLink, -1);
    EXPECT_FALSE(HitTest("<a>no href</a>", 5, gh / 2, miss)) << "a link without HREF is never hit";
}

TEST_F(HTMLRenderFixture, LinkOnTheSecondLineOfAWrappedText)
{
    const char* text = "aaaa <a href=\"x\">bbbb cccc</a>";
    const int room = TextWidth("aaaa ") + TextWidth("bbbb ") + 2;
    THTMLRenderResult r;
    ASSERT_TRUE(HitTest(text, 3, gh + gh / 2, r, {}, TRect{0, 0, room, 200}));
    EXPECT_EQ(r.LinkValue, "x");
    EXPECT_EQ(r.HoveredLink, 1);
    EXPECT_EQ(r.HoverRect, (TRect{1, gh, 1 + TextWidth("cccc"), 2 * gh})) << "the part on the line under the point";
}

TEST_F(HTMLRenderFixture, HoverColours)
{
    const char* text = "<a href=\"1\">one</a> <a href=\"2\">two</a>";
    THTMLRenderParams params;
    params.LinkColor = clBlue;
    params.HoverFontColor = clRed;
    params.HoverOnly = true;
    params.HoverLink = 2;
    Draw(text, TRect{0, 0, 400, 200}, params);
    const int split = 1 + TextWidth("one") + TextWidth(" ");
    EXPECT_GT(CountColor(clBlue, TRect{0, 0, split, gh}), 0);
    EXPECT_EQ(CountColor(clRed, TRect{0, 0, split, gh}), 0);
    EXPECT_GT(CountColor(clRed, TRect{split, 0, 400, gh}), 0);
    EXPECT_EQ(CountColor(clBlue, TRect{split, 0, 400, gh}), 0);

    // Without hover-only every link is hovered, and the link colour wins.
    params.HoverOnly = false;
    Draw(text, TRect{0, 50, 400, 200}, params);
    EXPECT_GT(CountColor(clBlue, TRect{split, 50, 400, 50 + gh}), 0);
    EXPECT_EQ(CountColor(clRed, TRect{0, 50, 400, 50 + gh}), 0);
}

TEST_F(HTMLRenderFixture, FocusLink)
{
    THTMLRenderParams params;
    params.FocusLink = 1;
    const THTMLRenderResult r = Draw("<a href=\"1\">one</a> <a href=\"2\">two</a>", TRect{0, 0, 400, 200}, params);
    EXPECT_EQ(r.FocusValue, "2");
    // The dotted rectangle runs one pixel outside the link's text.
    const int left = 1 + TextWidth("one") + TextWidth(" ") - 1;
    EXPECT_NE(canvas->Pixels(left, gh - 1), clWhite);
    EXPECT_EQ(InkColumns(0, gh).second, left + TextWidth("two") + 1);
}

TEST_F(HTMLRenderFixture, SelectedTextKeepsTheFontColour)
{
    THTMLRenderParams params;
    params.Selected = true;
    Draw("<a href=\"x\">one</a><font color=\"clred\">two</font>", TRect{0, 0, 400, 200}, params);
    EXPECT_EQ(CountColor(clBlue), 0);
    EXPECT_EQ(CountColor(clRed), 0);
    EXPECT_GT(CountColor(clBlack), 0);
}

TEST_F(HTMLRenderFixture, CanvasStateIsRestored)
{
    canvas->Pen()->SetColor(clGreen);
    canvas->Pen()->SetWidth(3);
    canvas->Brush()->SetColor(clYellow);
    Draw("<font face=\"Courier New\" size=\"5\" color=\"clred\" bgcolor=\"clblue\"><b>x</b><hr><p bgcolor=\"clgray\">y");
    EXPECT_EQ(canvas->Pen()->Color(), clGreen);
    EXPECT_EQ(canvas->Pen()->Width(), 3);
    EXPECT_EQ(canvas->Brush()->Color(), clYellow);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
    EXPECT_EQ(canvas->Font()->Name(), "Arial");
    EXPECT_EQ(canvas->Font()->Size(), 10);
    EXPECT_EQ(canvas->Font()->Color(), clBlack);
    EXPECT_TRUE(canvas->Font()->Style().Empty());
}

TEST_F(HTMLRenderFixture, HostileMarkupNeverRaisesOrHangs)
{
    const char* const fixtures[] = {
        "<", "<<", "<>", "</", "</>", "</a", "<a href=\"", "<font size=\"99999999999\">x",
        "<font size=\"-5\">x", "<ind x=\"2147483647\">x", "<p indent=\"-2147483648\">x", "<r a=\"2147483647\">x</r>",
        "<ul><ul></ul></ul></ul></ul><li>x<li>y", "<li><li><li><li>", "&&&&&amp;&&", "<#<#<#>",
        "<img src=\"\">", "<control>", "<a href=\"x\"><a href=\"y\">z</a></a></a>",
    };
    for (const char* f : fixtures) {
        THTMLRenderResult r;
        EXPECT_NO_THROW(Draw(f)) << f;
        EXPECT_NO_THROW(HitTest(f, 5, 5, r)) << f;
        EXPECT_GT(Measure(f).Height, 0) << f;
    }
    // Random markup-like bytes, drawn into a narrow rectangle with and without wrapping.
    std::mt19937 random(12345);
    const std::string alphabet = "<>/\"=& abcdefghilmnoprsuz#BIUSH\r\n\xC3\xA9";
    for (int i = 0; i < 300; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 60);
        for (int j = 0; j < length; ++j)
            text += alphabet[random() % alphabet.size()];
        THTMLRenderParams params;
        params.WordWrap = i % 2 == 0;
        THTMLRenderResult r;
        EXPECT_NO_THROW(Draw(text, TRect{0, 0, 30, 200}, params)) << text;
        EXPECT_NO_THROW(HitTest(text, 10, 10, r, params, TRect{0, 0, 30, 200})) << text;
    }
}

TEST_F(HTMLRenderFixture, ImagesAndControlsTakeRoomAndAreHit)
{
    TImageList images(16, 16);
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect{0, 0, 16, 16});
    images.AddMasked(&red, clNone);
    THTMLRenderParams params;
    params.Images = &images;

    const char* linked = "a<a href=\"pic\"><img src=\"idx:0\"></a>b";
    const THTMLRenderResult measured = Measure(linked, 400, params);
    EXPECT_EQ(measured.Width, TextWidth("a") + 16 + TextWidth("b"));
    EXPECT_EQ(measured.Height, std::max(gh, 16));
    THTMLRenderResult hit;
    ASSERT_TRUE(HitTest(linked, 1 + TextWidth("a") + 8, 8, hit, params));
    EXPECT_EQ(hit.LinkValue, "pic");
    Draw(linked, TRect{0, 0, 400, 200}, params);
    EXPECT_EQ(CountColor(clRed), 16 * 16);

    const char* control = "x<control type=\"CHECK\" id=\"c1\" width=\"16\" value=\"true\">";
    ASSERT_TRUE(HitTest(control, 1 + TextWidth("x") + 8, 8, hit));
    EXPECT_EQ(hit.LinkValue, "ctrl");
    EXPECT_EQ(hit.ControlID, "c1");
    EXPECT_EQ(hit.ControlType, "CHECK");
    EXPECT_EQ(hit.ControlValue, "true");
    EXPECT_FALSE(HitTest(control, 300, 8, hit));
    EXPECT_EQ(hit.ControlID, "");
    // A centred control is hit where it is drawn, not where the line was first measured.
    const char* centred = "<p align=\"center\"><control type=\"CHECK\" id=\"c2\" width=\"16\">";
    EXPECT_FALSE(HitTest(centred, 8, 8, hit));
    EXPECT_EQ(hit.ControlID, "");
    EXPECT_EQ(hit.ControlRect, TRect{});
    EXPECT_TRUE(HitTest(centred, 200, 8, hit));
    EXPECT_EQ(hit.ControlID, "c2");
}
