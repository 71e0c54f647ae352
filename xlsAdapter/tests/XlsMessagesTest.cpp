// Byte and string routines of the engine, and its general routines.
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorXlsMessages.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

TEST(XlsMessages, CheckedIncrements)
{
    ByteArray data{0xFF, 0xFF, 0x05};
    EXPECT_EQ("Too many entries for this kind of record (65536 out of a maximum of 65535)",
              ErrorOf([&] { IncWord(data, 0, 1, 65535); }));
    EXPECT_EQ("Too many entries for this kind of record (-1 out of a maximum of 65535)",
              ErrorOf([&] { IncWord(data, 0, -65536, 65535); }));
    EXPECT_EQ(65535, GetWord(data, 0));
    IncByte(data, 2, 250, 255);
    EXPECT_EQ(255, data[2]);
    std::uint16_t value = 10;
    IncWordClamped(value, -20, 255, 0);
    EXPECT_EQ(0, value);
    IncWordClamped(value, 300, 255, 0);
    EXPECT_EQ(255, value);
    ByteArray four{0xFF, 0xFF, 0xFF, 0xFF};
    IncLong(four, 0, 2);
    EXPECT_EQ(1u, GetCardinal(four, 0));
}

TEST(XlsMessages, AccessOutsideTheBlockRaises)
{
    const ByteArray data(5);
    EXPECT_EQ("Reading 2 bytes at position 4 of a 5-byte block", ErrorOf([&] { GetWord(data, 4); }));
    EXPECT_NE("no exception", ErrorOf([&] { GetCardinal(data, -1); }));
    EXPECT_EQ("no exception", ErrorOf([&] { GetCardinal(data, 1); }));
}

TEST(XlsMessages, BiffStrings)
{
    // Short form, 3 characters, 16-bit, 2 rich-text runs.
    ByteArray data{3, 0x09, 2, 0, 'a', 0, 'b', 0, 'c', 0};
    data.resize(18);
    EXPECT_EQ(18, GetStrByteCount(false, data, 0));
    std::int64_t bytes = 0;
    std::u16string text;
    ReadBiffString(false, data, 0, bytes, text);
    EXPECT_EQ(u"abc", text);
    EXPECT_EQ(18, bytes);
    // Long form, 8-bit, count given by the caller.
    const ByteArray latin{0x00, 0xE9, 'x'};
    ReadBiffString(true, latin, 0, bytes, text, 2, true);
    EXPECT_EQ(u"\u00E9x", text);
    // A count larger than the data.
    const ByteArray cut{200, 0x00, 'a'};
    EXPECT_NE("no exception", ErrorOf([&] { ReadBiffString(false, cut, 0, bytes, text); }));

    EXPECT_TRUE(IsWideText(u"a\u263A"));
    EXPECT_FALSE(IsWideText(u"a\u00FF"));
    ByteArray dest(4);
    CompressText(u"a\u263A\u00E9", dest, 1);
    EXPECT_EQ((ByteArray{0, 'a', '?', 0xE9}), dest);
    EXPECT_NE("no exception", ErrorOf([&] { CompressText(u"abcd", dest, 1); }));
}

TEST(XlsMessages, ColumnLetters)
{
    const std::pair<int, const char*> cases[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"},
                                                 {53, "BA"}, {256, "IV"}, {0, ""}, {-3, ""}};
    for (const auto& [col, letters] : cases)
        EXPECT_EQ(letters, ColNumberToLetters(col)) << col;
}

TEST(XlsMessages, NumberTextAndCase)
{
    const std::pair<const char*, bool> numbers[] = {{"12.5", true}, {"-3e2", true}, {"+7", true},
                                                    {"1,5", false}, {"inf", false}, {"nan", false},
                                                    {"", false},    {"12.5x", false}};
    for (const auto& [text, ok] : numbers) {
        double value = -1;
        EXPECT_EQ(ok, TryTextToFloat(text, value)) << text;
        if (!ok) {
            EXPECT_EQ(0, value) << text;
        }
    }
    EXPECT_EQ(u"\u00C9T\u00C9 \u0416", UpperCaseUnicode(u"\u00E9t\u00E9 \u0436"));
    EXPECT_EQ(u"hh:mm AM/PM \"ampm\"", ReplaceUnquoted(u"hh:mm ampm \"ampm\"", u"AMPM", u"AM/PM"));
    EXPECT_EQ("2.5", VariantToText(Variant(2.5)));
    EXPECT_TRUE(MatchesAt(u"bc", u"abcd", 2));
    EXPECT_FALSE(MatchesAt(u"cd", u"abcd", 4));
    EXPECT_FALSE(MatchesAt(u"a", u"abcd", 0));
}

TEST(XlsMessages, LocatingFiles)
{
    EXPECT_TRUE(IsAbsoluteFileName("/tmp/x"));
    EXPECT_FALSE(IsAbsoluteFileName("x/y"));
    EXPECT_EQ(VISTRA_TEST_DATA "/libreoffice.csv", LocateFile(VISTRA_TEST_DATA, "libreoffice.csv"));
    EXPECT_EQ(VISTRA_TEST_DATA "/libreoffice.csv", LocateFile("", VISTRA_TEST_DATA "/libreoffice.csv"));
    EXPECT_EQ("Can't find the file \"" VISTRA_TEST_DATA "/missing.xls\"",
              ErrorOf([] { LocateFile(VISTRA_TEST_DATA "/", "missing.xls"); }));
    EXPECT_EQ("Can't find the file \"missing.xls\"", ErrorOf([] { LocateFile(" ", "missing.xls"); }));
}

TEST(XlsMessages, DatesAndTimesInText)
{
    struct Case {
        const char* text;
        bool ok;
        bool hasDate;
        bool hasTime;
        const char* format;
    };
    const Case cases[] = {
        {"12.30", false, false, false, ""},
        {"1.2.3", false, false, false, ""},
        {"3/4/2011", true, true, false, "m/d/yyyy"},
        {"10:15", true, false, true, "h:nn AM/PM"},
        {"3/4/2011 10:15", true, true, true, "m/d/yyyy h:nn AM/PM"},
        {"hello", false, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -1;
        std::string format;
        bool hasTime = true;
        bool hasDate = true;
        EXPECT_EQ(c.ok, TryTextToDateTime(c.text, value, format, nullptr, "", "", hasTime, hasDate));
        if (c.ok) {
            EXPECT_EQ(c.hasDate, hasDate);
            EXPECT_EQ(c.hasTime, hasTime);
            EXPECT_EQ(c.format, format);
        }
    }
    double value = 0;
    std::string format;
    bool hasTime = false;
    bool hasDate = false;
    ASSERT_TRUE(TryTextToDateTime("3/4/2011", value, format, nullptr, "", "", hasTime, hasDate));
    EXPECT_EQ(40606, value);

    EXPECT_EQ("1/1/1904", FormatDateTime1904("m/d/yyyy", true, InvariantFormatSettings(), 0));
    EXPECT_EQ("12/30/1899", FormatDateTime1904Default("m/d/yyyy", false, 0));
    EXPECT_EQ("hh:mm AM/PM \"ampm\"", ReplaceUnquoted(std::string_view("hh:mm ampm \"ampm\""), "AMPM", "AM/PM"));
}
