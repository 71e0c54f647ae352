// Reference images of rendered markup, and right-to-left reading.
#include "platform/graphics/TextOutput.h"
#include "testsupport/GoldenImage.h"
#include "render/tests/HTMLRenderFixture.h"

#include <cstdlib>
#include <optional>
#include <string>

using testsupport::ExpectMatchesGolden;

TEST_F(HTMLRenderFixture, GoldenStyles)
{
    SetHTMLHighlightColors(clYellow, clBlack);
    Draw("Plain <b>bold</b> <i>italic</i> <u>under</u> <s>struck</s><br>"
         "<font face=\"Times New Roman\" size=\"4\" color=\"clred\">Times red</font> "
         "<font color=\"#008000\" bgcolor=\"#E0E0FF\">green on blue</font><br>"
         "H<sub>2</sub>O and x<sup>2</sup> <sh>shadow</sh> <hi>highlight</hi><br>"
         "<e>misspeled wurds</e> &amp; &euro; &lt;tag&gt;");
    SetHTMLHighlightColors(clHighlight, clHighlightText);
    ExpectMatchesGolden(bitmap, "html-render-styles");
}

TEST_F(HTMLRenderFixture, GoldenLayout)
{
    Draw("<p align=\"center\" bgcolor=\"#FFE0C0\">Centred heading</p>"
         "<ul><li>first item<li>second item<ul><li>nested</ul></ul>"
         "<hr>"
         "<p align=\"right\">right aligned</p>"
         "<p align=\"left\" indent=\"20\">an indented paragraph that wraps over several lines of the box</p>",
         TRect{10, 10, 250, 190});
    ExpectMatchesGolden(bitmap, "html-render-layout");
}

TEST_F(HTMLRenderFixture, GoldenLinks)
{
    THTMLRenderParams params;
    params.FocusLink = 0;
    params.HoverOnly = true;
    params.HoverLink = 2;
    params.HoverColor = clSilver;
    params.HoverFontColor = clRed;
    Draw("Visit <a href=\"one\">the first link</a>, then <a href=\"two\">the second</a> "
         "or <a href=\"three\">a third</a>.",
         TRect{0, 0, 220, 200}, params);
    ExpectMatchesGolden(bitmap, "html-render-links");
}

TEST(HTMLBiDiTest, DrawTextFlags)
{
    const struct {
        unsigned Flags;
        THTMLReadingMode Mode;
        bool MiddleEast;
        unsigned Expected;
    } cases[] = {
        {0x268, rmRightToLeft, false, 0x268},
        {0x268, rmLeftToRight, true, 0x268},
        {0x268, rmRightToLeft, true, 0x268 | DT_RIGHT | DT_RTLREADING},
        {0x268 | DT_RIGHT, rmRightToLeft, true, 0x268 | DT_RTLREADING},
        {0x268 | DT_CENTER, rmRightToLeft, true, 0x268 | DT_CENTER | DT_RTLREADING},
        {0x268, rmRightToLeftNoAlign, true, 0x268 | DT_RTLREADING},
        {0x268, rmRightToLeftReading, true, 0x268 | DT_RTLREADING},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BiDiDrawTextFlags(c.Flags, c.Mode, c.MiddleEast), c.Expected) << c.Flags << " " << int(c.Mode);
}

TEST_F(HTMLRenderFixture, RightToLeftPiecesRunFromTheRightEdge)
{
    const char* saved = std::getenv("LC_ALL");
    const std::optional<std::string> previous = saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("LC_ALL", "ar_EG.UTF-8", 1);
    THTMLRenderParams params;
    params.ReadingMode = rmRightToLeft;
    Draw("abc <b>def</b>", TRect{0, 0, 400, 200}, params);
    if (previous)
        setenv("LC_ALL", previous->c_str(), 1);
    else
        unsetenv("LC_ALL");
    const auto [first, last] = InkColumns(0, gh);
    EXPECT_GT(last, 390);
    EXPECT_GT(first, 400 - TextWidth("abc ") - TextWidth("def", {fsBold}) - 4);
}
