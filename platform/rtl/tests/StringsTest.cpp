#include "platform/rtl/Strings.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Strings, ByteIndexedRoutinesClipInsteadOfFailing)
{
    EXPECT_EQ(Pos("lo", "hello"), 4u);
    EXPECT_EQ(Pos("x", "hello"), 0u);
    EXPECT_EQ(Pos("", "hello"), 0u);
    EXPECT_EQ(Pos("l", "hello", 4), 4u);
    EXPECT_EQ(Pos("l", "hello", 99), 0u);
    EXPECT_EQ(Copy("hello", 2, 3), "ell");
    EXPECT_EQ(Copy("hello", 4, 100), "lo");
    EXPECT_EQ(Copy("hello", 9, 1), "");
    std::string s = "hello";
    Delete(s, 2, 100);
    EXPECT_EQ(s, "h");
    Insert("ey", s, 50);
    EXPECT_EQ(s, "hey");
}

TEST(Strings, CaseMappingAndComparison)
{
    EXPECT_EQ(UpperCase("straße é"), "STRAßE é"); // ASCII only
    EXPECT_EQ(AnsiUpperCase("straße é"), "STRASSE É");
    EXPECT_EQ(AnsiLowerCase("ÀÉÎ Ω"), "àéî ω");
    EXPECT_EQ(AnsiUpperCase("a\xff" "b"), "A\xff" "B"); // invalid bytes kept
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(CompareText("Hello", "hELLO"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_TRUE(SameText("Key", "KEY"));
    EXPECT_FALSE(SameText("é", "É"));
    EXPECT_TRUE(AnsiSameText("é", "É"));
    EXPECT_LT(AnsiCompareText("ábc", "ÁBD"), 0);
}

TEST(Strings, TrimRemovesControlsAndBlanksOnly)
{
    EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x \n"), "  x");
    EXPECT_EQ(Trim("\xc2\xa0" "x"), "\xc2\xa0" "x"); // a no-break space is a character, not a blank
    EXPECT_EQ(Trim("   "), "");
}

TEST(Strings, StringReplace)
{
    struct Row {
        const char* s;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    } rows[] = {
        {"a-b-c", "-", "+", TReplaceFlags{}, "a+b-c"},
        {"a-b-c", "-", "+", rfReplaceAll, "a+b+c"},
        {"Ab ab AB", "ab", "x", rfReplaceAll, "Ab x AB"},
        {"Ab ab AB", "ab", "x", rfReplaceAll | rfIgnoreCase, "x x x"},
        {"ÉCOLE école", "école", "school", rfReplaceAll | rfIgnoreCase, "school school"},
        {"aaa", "aa", "a", rfReplaceAll, "aa"},   // no rescanning of replaced text
        {"abc", "", "x", rfReplaceAll, "abc"},    // empty pattern changes nothing
        {"abc", "abcd", "x", rfIgnoreCase, "abc"}, // pattern longer than the text
    };
    for (const Row& row : rows)
        EXPECT_EQ(StringReplace(row.s, row.from, row.to, row.flags), row.expected) << row.s << " / " << row.from;
}

TEST(Strings, SmallFormatters)
{
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(StringOfChar('*', 3), "***");
    EXPECT_EQ(StringOfChar('*', -1), "");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(int64_t{-1}, 0), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(Strings, Utf8Stepping)
{
    const std::string s = "aé€😀"; // 1, 2, 3 and 4 bytes
    EXPECT_EQ(rtl::Utf8Length(s), 4u);
    EXPECT_EQ(rtl::Utf8ByteOffset(s, 0), 0u);
    EXPECT_EQ(rtl::Utf8ByteOffset(s, 2), 3u);
    EXPECT_EQ(rtl::Utf8ByteOffset(s, 3), 6u);
    EXPECT_EQ(rtl::Utf8ByteOffset(s, 9), s.size());
    EXPECT_EQ(rtl::Utf8Next(s, 1), 3u);
    EXPECT_EQ(rtl::Utf8Prev(s, s.size()), 6u);
    EXPECT_EQ(rtl::Utf8Prev(s, 6), 3u);
    EXPECT_EQ(rtl::Utf8CharIndex(s, 4), 2u);
    EXPECT_EQ(rtl::Utf8Copy(s, 2, 2), "é€");
    std::string t = s;
    rtl::Utf8Delete(t, 2, 2);
    EXPECT_EQ(t, "a😀");
    rtl::Utf8Insert("ß", t, 2);
    EXPECT_EQ(t, "aß😀");
    rtl::Utf8Insert("!", t, 99);
    EXPECT_EQ(t, "aß😀!");
}

TEST(Strings, InvalidUtf8CountsBytewiseAndDecodesToReplacement)
{
    struct Row {
        std::string bytes;
        size_t length;
        std::u16string utf16;
    } rows[] = {
        {"\xff", 1, u"\uFFFD"},
        {"a\xc3", 2, u"a\uFFFD"},                  // truncated sequence
        {"\xc0\xaf", 2, u"\uFFFD\uFFFD"},          // overlong "/"
        {"\xed\xa0\x80", 3, u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
        {"\xf4\x90\x80\x80", 4, u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xe2\x82x", 3, u"\uFFFD\uFFFDx"},
        {"nul\0in"s, 6, u"nul\0in"s},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(rtl::Utf8Length(row.bytes), row.length) << row.bytes;
        EXPECT_EQ(rtl::Utf8ToUtf16(row.bytes), row.utf16) << row.bytes;
    }
    EXPECT_EQ(rtl::Utf8Prev("a\x80\x80", 3), 2u);
    // A sequence cut by the end of a view is not completed from the bytes beyond it.
    const std::string buffer = "a\xc3\xa9";
    const std::string_view cut(buffer.data(), 2);
    EXPECT_EQ(rtl::Utf8Length(cut), 2u);
    EXPECT_EQ(rtl::Utf8Next(cut, 1), 2u);
}

TEST(Strings, Utf16AndLatin1Conversions)
{
    const std::string text = "Zoë €5 😀";
    const std::u16string wide = rtl::Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"Zoë €5 😀");
    EXPECT_EQ(wide.size(), 9u); // the emoji is a surrogate pair
    EXPECT_EQ(rtl::Utf16ToUtf8(wide), text);
    // Unpaired surrogates, leading and trailing.
    EXPECT_EQ(rtl::Utf16ToUtf8(u"a\xD800" u"b\xDC00"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    EXPECT_EQ(rtl::Utf16ToUtf8(std::u16string(1, char16_t(0xD83D))), "\xEF\xBF\xBD");

    EXPECT_EQ(rtl::Latin1ToUtf8("caf\xe9 \xff"), "café ÿ");
    EXPECT_EQ(rtl::Utf8ToLatin1("café €"), "caf\xe9 ?");
    EXPECT_EQ(rtl::Utf8ToLatin1("\xff", '_'), "_");
}

TEST(Strings, CharacterClasses)
{
    EXPECT_TRUE(rtl::IsLetter(U'ж'));
    EXPECT_FALSE(rtl::IsLetter(U'1'));
    for (char32_t number : {U'7', U'٣', U'Ⅻ', U'½'})
        EXPECT_TRUE(rtl::IsNumber(number)) << static_cast<uint32_t>(number);
    EXPECT_FALSE(rtl::IsNumber(U'x'));
    EXPECT_EQ(rtl::UnicodeUpper(U'ж'), U'Ж');
    EXPECT_EQ(rtl::UnicodeLower(U'Σ'), U'σ');
}
