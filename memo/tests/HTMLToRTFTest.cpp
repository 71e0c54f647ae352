// Mini-HTML markup converted into RTF builder calls.
#include "memo/HTMLToRTF.h"

#include "memo/RTFEngine.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

namespace {

// The body the markup produces, between "\uc1" and the closing "\par}".
std::string Convert(std::string_view markup, TRTFEngine& rtf)
{
    TFont base;
    HTMLToRTF(markup, base, rtf);
    const std::string text = rtf.GetText();
    const size_t start = text.find("\\uc1") + 4;
    return text.substr(start, text.size() - start - 5);
}

std::string Convert(std::string_view markup)
{
    TRTFEngine rtf;
    return Convert(markup, rtf);
}

TEST(HTMLToRTF, MarkupBecomesBuilderCalls)
{
    struct Case {
        const char* Name;
        std::string_view Markup;
        const char* Expected;
    };
    // The default font is the first font (\f0); its window-text colour is
    // black, after any colour the markup used first.
    const Case cases[] = {
        {"bold run", "<B>bold</B> plain", "\\b bold\\b0  plain"},
        {"italic, underline and strike-out", "<i>a</i><u>b</u><s>c</s>", "\\i a\\i0\\ul b\\ulnone\\strike c\\strike0"},
        {"entities", "a &amp; b &copy;", " a & b \\u169\\'a9"},
        {"entities decoded until none is left", "&AMP;amp;copy;&amp;lt;", " \\u169\\'a9<"},
        {"escaped tag is text", "&lt;B&gt;", " <B>"},
        {"hex colour, then back to the base font", "<FONT COLOR=\"#FF0000\">x</FONT>",
         "\\cf0 x\\f0\\cf1\\fs16"},
        {"colour name", "<font color=\"clRed\">x", "\\cf0 x"},
        {"unknown colour name is black", "<font color=\"nosuch\">x", "\\cf0 x"},
        {"size 1 to 5 from a table", "<FONT SIZE=\"3\">x", "\\fs24 x"},
        {"other sizes doubled", "<FONT SIZE=14>x", "\\fs28 x"},
        {"no size of zero, below or beyond any font", "<FONT SIZE=0>a<FONT SIZE=\"-2\">b<FONT SIZE=99999999>c", " abc"},
        {"face", "<FONT FACE=\"Courier New\">x", "\\f0 x"},
        {"hidden text", "<Z>hidden</Z>visible", " visible"},
        {"unclosed tag loses the tail", "x<B", " x"},
        {"short tail dropped", "x<b", " x"},
        {"line breaks", "a\r\nb\nc<BR>d", " a\\par bc\\par d"},
        {"hash placeholders keep their name", "<#name>", " #name"},
        {"drawing-only tags ignored", "<P ALIGN=\"center\"><SHAD>a</SHAD><SUB>b</SUB><HR><IND x=\"5\">c</P>",
         " a\\strike0 b\\strike0 c"},
        {"closing BODY resets bold without a colour", "<BODY BGCOLOR=\"clRed\"><B>x</BODY>", "\\b x\\b0"},
        {"closing UL without a list ends underline", "<U>x</UL>", "\\ul x\\ulnone"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Convert(c.Markup), c.Expected) << c.Name;
}

TEST(HTMLToRTF, LinkBecomesOneHyperLinkField)
{
    const std::string body = Convert("<A HREF=page1>ignored</A> <A HREF=\"page 2\">site</A>");
    EXPECT_NE(body.find("HYPERLINK \"page1\" }}{\\fldrslt {\\rtlch \\af0\\afs16 \\ltrch \\f0\\fs16\\ul\\cf0 ignored}}}"),
              std::string::npos)
        << body;
    EXPECT_NE(body.find("HYPERLINK \"page 2\" }}{\\fldrslt {\\rtlch \\af0\\afs16 \\ltrch \\f0\\fs16\\ul\\cf0 site}}}"),
              std::string::npos)
        << body;
    EXPECT_EQ(body.find("HYPERLINK", body.find("page 2") + 1), std::string::npos);
}

TEST(HTMLToRTF, ListItemsAreBullets)
{
    const std::string body = Convert("<UL><LI>one<LI>two</UL>after");
    EXPECT_NE(body.find("\\li720 one\\par {\\pntext\\f0\\'B7\\tab}two\\par\\pard\\ltrpar after"), std::string::npos)
        << body;
}

TEST(HTMLToRTF, ImagesComeFromTheBuildersImageList)
{
    TImageList images(8, 6);
    TBitmap glyph(8, 6);
    images.Add(&glyph, nullptr);
    TRTFEngine rtf;
    rtf.SetImages(&images);
    const std::string body = Convert("<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:-1\"><IMG SRC=\"IDX:1\"><IMG SRC=\"SSYS:2\">", rtf);
    EXPECT_EQ(body.find("\\pict"), body.rfind("\\pict")) << "one picture only";
    EXPECT_NE(body.find("\\picw202\\pich152"), std::string::npos) << body.substr(0, 120);

    TRTFEngine withoutImages;
    EXPECT_EQ(Convert("<IMG SRC=\"IDX:0\">", withoutImages), "");
}

TEST(HTMLToRTF, AddHTMLStartsFromTheDefaultFont)
{
    TRTFEngine rtf;
    rtf.AddHTML("<FONT COLOR=\"#00FF00\">g</FONT>");
    EXPECT_NE(rtf.GetText().find("{\\fonttbl{\\f0\\fnil " + std::string(DefFontName) + ";}}"), std::string::npos);
    EXPECT_NE(rtf.GetText().find("\\cf0 g\\f0\\cf1\\fs16"), std::string::npos) << rtf.GetText();
}

} // namespace
