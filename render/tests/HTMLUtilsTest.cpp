// Stripping, entities, colours and the string routines of the markup.
#include "render/HTMLUtils.h"
#include "testsupport/Peers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const tableEntities[] = {
    "&eacute;", "&egrave;", "&euml;", "&ecirc;", "&oacute;", "&ograve;", "&ouml;", "&ocirc;", "&iacute;",
    "&igrave;", "&iuml;", "&icirc;", "&uacute;", "&ugrave;", "&uuml;", "&ucirc;", "&aacute;", "&agrave;",
    "&auml;", "&acirc;", "&Eacute;", "&Egrave;", "&Euml;", "&Ecirc;", "&Oacute;", "&Ograve;", "&Ouml;",
    "&Ocirc;", "&Iacute;", "&Igrave;", "&Iuml;", "&Icirc;", "&Uacute;", "&Ugrave;", "&Uuml;", "&Ucirc;",
    "&Aacute;", "&Agrave;", "&Auml;", "&Acirc;", "&ccedil;", "&Ccedil;", "&oslash;", "&Oslash;", "&aring;",
    "&Aring;", "&copy;", "&reg;", "&euro;", "&laquo;", "&raquo;",
};

} // namespace

TEST(HTMLStripTest, StripHTMLMarkup)
{
    const struct {
        const char* Name;
        const char* Text;
        const char* Plain;
    } cases[] = {
        {"bold pair dropped", "a <b>word</b> b", "a word b"},
        {"br any case", "one<br>two<BR>three", "one\r\ntwo\r\nthree"},
        {"hr", "x<Hr>y", "x\r\ny"},
        {"stray closer kept", "a > b", "a > b"},
        {"unclosed tag kept once", "a <b>c</b> <font", "a c <font"},
        {"entities kept", "&amp;&lt;", "&amp;&lt;"},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripHTMLMarkup(c.Text), c.Plain) << c.Name;
}

TEST(HTMLStripTest, StripTagsOnlyStopsAtCloserBeforeOpener)
{
    EXPECT_EQ(StripTagsOnly("<b>x</b>y"), "xy");
    EXPECT_EQ(StripTagsOnly("<b>x</b> a > b <i>y</i>"), "x a > b <i>y</i>");
    EXPECT_EQ(StripTagsOnly("x <unclosed"), "x <unclosed");
    EXPECT_EQ(StripTagsOnly("no tags >"), "no tags >");
}

TEST(HTMLEntitiesTest, TableMatchesTheStandardEntities)
{
    // Python's own table of HTML entities is the independent reference.
    REQUIRE_PEER("python3");
    std::string script = "import html\nfor e in [";
    for (const char* e : tableEntities)
        script += std::string("\"") + e + "\",";
    script += "]: print(html.unescape(e))";
    std::string expected;
    ASSERT_EQ(testsupport::RunCommand("/usr/bin/python3 -c '" + script + "'", &expected), 0) << expected;
    std::string ours;
    for (const char* e : tableEntities)
        ours += UnescapeHTMLChars(e) + "\n";
    EXPECT_EQ(ours, expected);
}

TEST(HTMLEntitiesTest, EscapeThenUnescapeGivesTheTextBack)
{
    std::string everyCharacter = "plain <tag> \"q\" & x";
    for (const char* e : tableEntities)
        everyCharacter += UnescapeHTMLChars(e);
    const char* const texts[] = {
        "", "AT&amp;T", "&eacute; typed literally", "&amp;lt;", "*amp;", "&&&", "a<b>c", "caf\xC3\xA9",
    };
    EXPECT_EQ(UnescapeHTMLChars(EscapeHTMLChars(everyCharacter)), everyCharacter);
    for (const char* t : texts)
        EXPECT_EQ(UnescapeHTMLChars(EscapeHTMLChars(t)), t) << t;
}

TEST(HTMLEntitiesTest, EscapeAndUnescapeForms)
{
    EXPECT_EQ(EscapeHTMLChars("a&b\"<c>"), "a&amp;b&quot;&lt;c&gt;");
    EXPECT_EQ(EscapeHTMLChars("*amp;"), "*amp;");
    EXPECT_EQ(EscapeHTMLChars("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"), "&eacute;t&eacute; &euro;");
    EXPECT_EQ(UnescapeHTMLChars("&lt;b&gt; &quot;x&quot; &amp;"), "<b> \"x\" &");
    // An escaped escape decodes one level only.
    EXPECT_EQ(UnescapeHTMLChars("&amp;lt;"), "&lt;");
    EXPECT_EQ(UnescapeHTMLChars("&amp;eacute;"), "&eacute;");
    // Only the exact spelling is an entity.
    EXPECT_EQ(UnescapeHTMLChars("&EACUTE; &Lt;"), "&EACUTE; &Lt;");
    EXPECT_EQ(UnescapeHTMLChars("&Eacute;&eacute;"), "\xC3\x89\xC3\xA9");
    EXPECT_EQ(UnescapeHTMLChars("&nbsp;&unknown; &"), "&nbsp;&unknown; &");
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

TEST(HTMLColorsTest, NamesAndHex)
{
    const struct {
        const char* Text;
        TColor Color;
    } names[] = {
        {"clred", 0x0000FF}, {"clblue", 0xFF0000}, {"clnavy", 0x800000}, {"clteal", 0x808000},
        {"clbackground", static_cast<TColor>(0xFF000001)}, {"clbtnface", static_cast<TColor>(0xFF00000F)},
        {"clinfobk", static_cast<TColor>(0xFF000018)}, {"cl3ddkshadow", static_cast<TColor>(0xFF000015)},
        {"clRed", 0}, {"red", 0}, {"", 0},
    };
    for (const auto& n : names)
        EXPECT_EQ(ColorFromHTMLName(n.Text), n.Color) << n.Text;

    const struct {
        const char* Text;
        TColor Color;
    } hex[] = {
        {"#FF0000", 0x0000FF}, {"#00FF00", 0x00FF00}, {"#0000FF", 0xFF0000}, {"#123456", 0x563412},
        {"#ff0000", 0x0000FF}, {"#aBcDeF", 0xEFCDAB}, {"#FF", 0x0000FF}, {"#FF00F", 0x0000FF},
        {"#", 0}, {"", 0}, {"#GG0000", 0},
    };
    for (const auto& h : hex)
        EXPECT_EQ(ColorFromHTMLHex(h.Text), h.Color) << h.Text;
    EXPECT_EQ(HexPairToByte("F"), 0);
    EXPECT_EQ(HexPairToByte("7f"), 127);
}

TEST(HTMLConversionsTest, LineBreaksAndHashTags)
{
    EXPECT_EQ(CRLFToBRTags("a\r\nb\nc\rd", true), "a<BR>bc<BR>d");
    EXPECT_EQ(CRLFToBRTags("a\r\nb", false), "ab");
    const struct {
        const char* Text;
        const char* Unwrapped;
    } hashes[] = {
        {"<#1>", "#1"}, {"a<#b>c>", "a#bc>"}, {"<#a<#b>c>", "#a#bc"}, {"<#a>b<#c", "#ab#c"},
        {"<<#>#>", "##"}, {"#>", "#>"}, {"<#", "#"}, {"", ""},
    };
    for (const auto& h : hashes)
        EXPECT_EQ(UnwrapHashTags(h.Text), h.Unwrapped) << h.Text;
}

TEST(HTMLStringsTest, PositionsAndReplacing)
{
    EXPECT_EQ(PosNoCase("<br>", "ab<BR>"), 3u);
    EXPECT_EQ(PosNoCase("x", "abc"), 0u);
    EXPECT_EQ(PosNoCase("", "abc"), 0u);
    size_t at = 99;
    EXPECT_EQ(PosInUpperCase("FONT", "<font>", at), 2u);
    EXPECT_EQ(at, 2u);
    EXPECT_EQ(PosInto("b", "abc", at), 2u);
    EXPECT_EQ(at, 2u);
    std::string text = "x&AMP;y&amp;";
    EXPECT_TRUE(ReplaceFirstNoCase("&amp;", "&&", text));
    EXPECT_EQ(text, "x&&y&amp;");
    EXPECT_FALSE(ReplaceFirstNoCase("&reg;", "R", text));
    EXPECT_EQ(text, "x&&y&amp;");
}

TEST(HTMLStringsTest, TextToIntLoose)
{
    const struct {
        const char* Text;
        int Value;
    } cases[] = {
        {"12", 12}, {"  -12", -12}, {"+7", 7}, {"-12px", 12}, {"20\"", 20}, {"$FF", 255}, {"x10", 16},
        {"0x1F", 31}, {"abc", 0}, {"", 0}, {"-", 0}, {"99999999999999", 2147483647},
        {"-99999999999999", -2147483647 - 1}, {"3.5", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToIntLoose(c.Text), c.Value) << c.Text;
}
