// The typed edit's value rules without a window: number kinds, number texts,
// written-value formatting, money regrouping and the typing rules.
#include <gtest/gtest.h>

#include "controls/QuillEditInput.h"
#include "platform/rtl/FormatSettings.h"

using namespace controls;

namespace {

// Separators for one test, restored afterwards.
class Separators {
public:
    Separators(char decimal, char thousand) : FOld(FormatSettings())
    {
        FormatSettings().DecimalSeparator = decimal;
        FormatSettings().ThousandSeparator = thousand;
    }
    ~Separators() { FormatSettings() = FOld; }

private:
    TFormatSettings FOld;
};

} // namespace

TEST(QuillEditInput, NumberKindOfTexts)
{
    Separators s('.', ',');
    struct Case {
        const char* text;
        TNumberKind kind;
    } cases[] = {
        {"", TNumberKind::Other},
        {"123", TNumberKind::Integer},
        {"-12", TNumberKind::Integer},
        {"--1", TNumberKind::Other},
        {"1.5", TNumberKind::Decimal},
        {"1,234.5", TNumberKind::Decimal},
        {"1.2.3", TNumberKind::Other},
        {",1", TNumberKind::Other},
        {"1,2,3", TNumberKind::Other},
        {"ff", TNumberKind::Hexadecimal},
        {"12a", TNumberKind::Hexadecimal},
        {"12g", TNumberKind::Other},
        {"1 2", TNumberKind::Other},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberKindOf(c.text), c.kind) << '"' << c.text << '"';
}

TEST(QuillEditInput, NumberTexts)
{
    Separators s('.', ',');
    EXPECT_DOUBLE_EQ(TextToNumber("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(TextToNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(TextToNumber(""), 0);
    EXPECT_EQ(LeadingInteger("12.9"), 12);
    EXPECT_EQ(LeadingInteger("-7x"), -7);
    EXPECT_EQ(LeadingInteger("x7"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647) << "saturates instead of overflowing";
    EXPECT_EQ(HexValue("ff"), 255);
    EXPECT_EQ(HexValue("FFFFFFFF"), -1);
    EXPECT_EQ(HexValue("-FF"), -255) << "the minus a hexadecimal edit accepts keeps its meaning";
    EXPECT_EQ(HexValue(""), 0);
}

TEST(QuillEditInput, WrittenValueFormatting)
{
    Separators s('.', ',');
    struct Case {
        const char* name;
        TValueFormat format;
        const char* in;
        const char* out;
    } cases[] = {
        {"empty numeric becomes 0", {etNumeric, 0, pdNormal, false}, "", "0"},
        {"empty numeric stays empty with null values", {etNumeric, 0, pdNormal, true}, "", ""},
        {"empty text stays empty", {etString, 0, pdNormal, false}, "", ""},
        {"numeric is not formatted", {etNumeric, 2, pdNormal, false}, "1234", "1234"},
        {"float takes its decimals", {etFloat, 2, pdNormal, false}, "1.5", "1.50"},
        {"float without precision is kept", {etFloat, 0, pdNormal, false}, "1.5", "1.5"},
        {"money groups thousands", {etMoney, 2, pdNormal, false}, "1234567.5", "1,234,567.50"},
        {"money with negative precision has no decimals", {etMoney, -1, pdNormal, false}, "1234.4", "1,234"},
        {"shortest form", {etFloat, 2, pdShortest, false}, "1.50", "1.5"},
        {"not a number writes 0", {etFloat, 2, pdNormal, false}, "abc", "0.00"},
        {"hexadecimal goes upper case", {etHex, 0, pdNormal, false}, "ff", "FF"},
        {"empty hexadecimal becomes 0", {etHex, 0, pdNormal, false}, "", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatWrittenValue(c.format, c.in), c.out) << c.name;
}

TEST(QuillEditInput, WrittenValuesFollowTheSeparators)
{
    Separators s(',', '.');
    EXPECT_EQ(FormatWrittenValue({etMoney, 2, pdNormal, false}, "1.234,5"), "1.234,50");
    EXPECT_EQ(FormatWrittenValue({etFloat, 1, pdNormal, false}, "2,25"), "2,3");
}

TEST(QuillEditInput, MoneyRegrouping)
{
    Separators s('.', ',');
    EXPECT_EQ(RegroupMoney(U"1234", true), U"1,234");
    EXPECT_EQ(RegroupMoney(U"-1234567.25", true), U"-1,234,567.25");
    EXPECT_EQ(RegroupMoney(U"1,234", false), U"1234");
    EXPECT_EQ(RegroupMoney(U"0012", true), U"12");
    EXPECT_EQ(RegroupMoney(U".5", true), U"0.5");
    EXPECT_EQ(RegroupMoney(U"", true), U"");
    // Amounts longer than a double's digits keep every digit.
    EXPECT_EQ(RegroupMoney(U"123456789012345678901", true), U"123,456,789,012,345,678,901");
}

TEST(QuillEditInput, IntegerPartLength)
{
    Separators s('.', ',');
    EXPECT_EQ(IntegerPartLength(U"123.45", false), 4);
    EXPECT_EQ(IntegerPartLength(U"1,234", false), 5);
    EXPECT_EQ(IntegerPartLength(U"-12", true), 3);
    EXPECT_EQ(IntegerPartLength(U"-12", false), 4);
    EXPECT_EQ(IntegerPartLength(U"", false), 1);
}

TEST(QuillEditInput, TypingRules)
{
    Separators s('.', ',');
    // Separator placement: exactly three characters from the nearest thousand separator.
    EXPECT_FALSE(SeparatorPlacementAllows(U"1,23", 4));
    EXPECT_TRUE(SeparatorPlacementAllows(U"1,234", 5));
    EXPECT_FALSE(SeparatorPlacementAllows(U"1,2345", 6));
    EXPECT_TRUE(SeparatorPlacementAllows(U"1234", 2)) << "without thousand separators anything goes";
    // Decimals full: precision 2, all decimals typed, caret among them.
    EXPECT_TRUE(DecimalsFull(U"1.25", 4, 2));
    EXPECT_TRUE(DecimalsFull(U"1.25", 3, 2));
    EXPECT_FALSE(DecimalsFull(U"1.25", 1, 2)) << "caret in the integer part";
    EXPECT_FALSE(DecimalsFull(U"1.2", 3, 2));
    EXPECT_FALSE(DecimalsFull(U"1.25", 4, 0));
    // Range separators.
    EXPECT_FALSE(RangeSeparatorAllows(U"", 0));
    EXPECT_TRUE(RangeSeparatorAllows(U"1", 1));
    EXPECT_FALSE(RangeSeparatorAllows(U"1-", 2));
    EXPECT_FALSE(RangeSeparatorAllows(U"1,3", 1)) << "beside the next separator";
}

TEST(QuillEditInput, MixedCase)
{
    struct Case {
        std::u32string in, out;
    } cases[] = {
        {U"mcdonald", U"McDonald"},
        {U"ronald mcdonald", U"Ronald McDonald"},
        {U"henry iii", U"Henry III"},
        {U"ronald mcdonald ii", U"Ronald McDonald II"},
        {U"macbeth", U"MacBeth"},
        {U"o'neil-smith", U"O'Neil-Smith"},
        {U"(abc) def", U"(abc) Def"},
        {U"SHOUTED words", U"Shouted Words"},
        {U"", U""},
    };
    for (const Case& c : cases) EXPECT_EQ(ToUtf8(MixedCase(c.in)), ToUtf8(c.out));
}

TEST(QuillEditInput, AddressLook)
{
    EXPECT_TRUE(LooksLikeURL("http://example.org"));
    EXPECT_TRUE(LooksLikeURL("WWW.example.org"));
    EXPECT_TRUE(LooksLikeURL("a@b.c"));
    EXPECT_FALSE(LooksLikeURL("@home"));
    EXPECT_FALSE(LooksLikeURL("plain text"));
}
