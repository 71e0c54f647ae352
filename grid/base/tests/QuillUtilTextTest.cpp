// Searching, counting and small conversions on cell text.
#include "grid/base/QuillUtilText.h"

#include "platform/classes/StringList.h"
#include "platform/ui/grids/GridTypes.h"

#include <gtest/gtest.h>

TEST(QuillUtilText, SearchRoutinesGiveOneBasedBytePositions)
{
    size_t position = 99;
    EXPECT_EQ(CharIndex('b', "abcb"), 2u);
    EXPECT_EQ(CharIndex('z', "abc"), 0u);
    EXPECT_EQ(LocateChar('z', "abc", position), 0u);
    EXPECT_EQ(position, 99u) << "an absent character leaves the position alone";
    EXPECT_EQ(LocateChar(U'é', "caféx", position), 4u);
    EXPECT_EQ(LocateCharNoCase('B', "xab", position), 3u);
    EXPECT_EQ(LocateSubstring("zz", "abc", position), 0u);
    EXPECT_EQ(position, 0u) << "an absent substring stores 0";
    EXPECT_EQ(LocateSubstring("bc", "abc", position), 2u);
    EXPECT_EQ(PosUpperCased("CD", "abcd"), 3u);
    EXPECT_EQ(WideTextPos(u"\u4e16", u"a\u4e16"), 2u);
    EXPECT_EQ(CountCharOccurrences(';', "a;b;;c"), 3u);
    EXPECT_EQ(CountCharInText(U'é', "éaé"), 2u);
    EXPECT_EQ(CountLines("a\r\nb\r\nc", true), 3);
    EXPECT_EQ(CountLines("a\r\nb", false), 1);
}

TEST(QuillUtilText, ExtractLeadingTokenCutsTokenAndDelimiter)
{
    std::string text = "ab::cd";
    EXPECT_EQ(ExtractLeadingToken(text, "::"), "ab");
    EXPECT_EQ(text, "cd");
    EXPECT_EQ(ExtractLeadingToken(text, "::"), "");
    EXPECT_EQ(text, "cd") << "without the delimiter the text stays";
}

TEST(QuillUtilText, TakeFirstLineKeepsOrDropsTheRest)
{
    std::string text = "one\r\ntwo\rthree";
    EXPECT_EQ(TakeFirstLine(text, true), "one");
    EXPECT_EQ(text, "two\rthree");
    EXPECT_EQ(TakeFirstLine(text, false), "two");
    EXPECT_EQ(text, "");
    text = "single";
    EXPECT_EQ(TakeFirstLine(text, true), "single");
    EXPECT_EQ(text, "");
}

TEST(QuillUtilText, ConcatAndFill)
{
    TStringList list;
    list.Add("a");
    list.Add("");
    list.Add("bc");
    EXPECT_EQ(ConcatListLines(list), "abc");
    std::string secret = "pässwörd";
    FillTextWithChar(secret, U'•');
    EXPECT_EQ(secret, "••••••••") << "one mask character per character, not per byte";
}

TEST(QuillUtilText, IntegerHelpers)
{
    EXPECT_EQ(ClampToMinMax(5, 10, 0), 10);
    EXPECT_EQ(ClampToMinMax(50, 0, 20), 20);
    EXPECT_EQ(ClampToMinMax(50, 7, 7), 50);
    EXPECT_EQ(ClampToMinMax(-5, 0, 20), -5) << "a Min of 0 does not clamp";
    EXPECT_EQ(LargerOf(3, -4), 3);
    EXPECT_EQ(SmallerOf(3, -4), -4);
    EXPECT_TRUE(CellInGridRect(TGridRect{1, 1, 3, 3}, 3, 1));
    EXPECT_FALSE(CellInGridRect(TGridRect{1, 1, 3, 3}, 4, 1));
}

TEST(QuillUtilText, ColorAndUrlHelpers)
{
    EXPECT_EQ(ColorToHTMLHex(0x00563412), "123456") << "red is the lowest byte and comes first";
    EXPECT_EQ(ColorToHTMLHex(static_cast<TColor>(0xFF00000F)), "0F0000") << "system colours are not resolved";
    EXPECT_TRUE(IsURLText("see http://x"));
    EXPECT_TRUE(IsURLText("mailto:a@b"));
    EXPECT_FALSE(IsURLText("MAILTO:a@b"));
    std::string url = "http://a.b/c";
    StripURLScheme(url);
    EXPECT_EQ(url, "a.b/c");
    url = "mailto:x@y";
    StripURLScheme(url);
    EXPECT_EQ(url, "x@y");
    url = "plain";
    StripURLScheme(url);
    EXPECT_EQ(url, "plain");
}

TEST(QuillUtilText, ToMixedCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"old mcdonald", "Old McDonald"},
        {"mcbride and mcdonald", "McBride And McDonald"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"louis xiv", "Louis Xiv"},
        {"henry iii", "Henry III"},
        {"henry ii", "Henry II"},
        {"ÉCOLE ÉLÉMENTAIRE", "École Élémentaire"},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ToMixedCase(in), out) << in;
}

TEST(QuillUtilText, OemCodePageRoundTrip)
{
    std::string text = "Straße ü 1½";
    AnsiToOemText(text);
    EXPECT_EQ(text, "Stra\xE1"
                    "e \x81 1\xAB");
    OemToAnsiText(text);
    EXPECT_EQ(text, "Straße ü 1½");
    std::string missing = "a€b";
    AnsiToOemText(missing);
    EXPECT_EQ(missing, "a?b") << "a character the code page lacks becomes ?";
}
