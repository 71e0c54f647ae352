// Number texts, character classes and R1C1 references under the locale settings.
#include "grid/base/QuillUtilParse.h"

#include "grid/base/tests/LocaleScope.h"

#include <gtest/gtest.h>

using namespace grid;
using grid::test::LocaleScope;

TEST(QuillUtilParse, ClassifyNumberText)
{
    const LocaleScope us('.', ',', '/', ':', "m/d/yyyy");
    const std::pair<const char*, int> cases[] = {
        {"", ntkNotANumber},      {"-", ntkInteger},          {"123", ntkInteger},
        {"-123", ntkInteger},     {"1,234,567", ntkDecimal},  {"1,23,456", ntkNotANumber},
        {"1.5", ntkDecimal},      {"-1.5", ntkDecimal},       {"1.5e-3", ntkScientific},
        {"-1.5e-3", ntkScientific}, {"1e", ntkNotANumber},    {"e5", ntkNotANumber},
        {"+5", ntkNotANumber},    {"1.2.3", ntkNotANumber},   {"--5", ntkNotANumber},
        {"1e5e3", ntkNotANumber}, {"1,000e3", ntkNotANumber}, {"12a", ntkNotANumber},
        {"\u0663\u0664", ntkInteger},
    };
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(ClassifyNumberText(text), kind) << '"' << text << '"';
}

TEST(QuillUtilParse, ClassifyFollowsTheLocaleAtEveryCall)
{
    {
        const LocaleScope german(',', '.', '.', ':', "dd.mm.yyyy");
        EXPECT_EQ(ClassifyNumberText("1.234,5"), ntkDecimal);
        EXPECT_EQ(ClassifyNumberText("1.234.567"), ntkDecimal);
    }
    const LocaleScope us('.', ',', '/', ':', "m/d/yyyy");
    EXPECT_EQ(ClassifyNumberText("1.234.567"), ntkNotANumber);
}

TEST(QuillUtilParse, NormalizeNumberText)
{
    {
        const LocaleScope german(',', '.', '.', ':', "dd.mm.yyyy");
        EXPECT_EQ(NormalizeNumberText(" (1.234,50) "), "-1234.50");
        EXPECT_EQ(ToInvariantNumberText("1.234,5"), "1234.5");
    }
    const LocaleScope us('.', ',', '/', ':', "m/d/yyyy");
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},          {"USD 12", "12"}, {"EUR 12", "E"},  {"12 kg", "12"},
        {"-$5.5", "-5.5"}, {"1,234", "1234"}, {"(7)", "-7"}, {"x", ""},
    };
    for (const auto& [text, normal] : cases)
        EXPECT_EQ(NormalizeNumberText(text), normal) << '"' << text << '"';
}

TEST(QuillUtilParse, CharacterClasses)
{
    const LocaleScope german(',', '.', '.', ':', "dd.mm.yyyy");
    EXPECT_TRUE(IsDigitChar(U'7'));
    EXPECT_TRUE(IsDigitChar(U'\u0669'));
    EXPECT_TRUE(IsDigitChar(U'\uFF10'));
    EXPECT_FALSE(IsDigitChar(U'\u00B2')) << "superscripts are no decimal digits";
    EXPECT_FALSE(IsDigitChar(U'a'));
    EXPECT_TRUE(IsDigitOrMinus(U'-'));
    EXPECT_TRUE(IsNumberChar(U','));
    EXPECT_TRUE(IsNumberChar(U'.'));
    EXPECT_FALSE(IsNumberChar(U'+'));
    EXPECT_TRUE(IsSignedNumberChar(U'+'));
    EXPECT_TRUE(IsInvariantNumberChar(U'.'));
    EXPECT_FALSE(IsInvariantNumberChar(U','));
}

TEST(QuillUtilParse, ParseRowColAddress)
{
    TPoint point{-1, -1};
    EXPECT_TRUE(ParseRowColAddress("r12c3", point));
    EXPECT_EQ(point, (TPoint{3, 12}));
    for (const char* bad : {"R1C", "RC12", "A1C2", "R1X2", "R1", "RaC2", "R1C2C3"}) {
        point = {-1, -1};
        EXPECT_FALSE(ParseRowColAddress(bad, point)) << bad;
        EXPECT_EQ(point, (TPoint{-1, -1})) << bad;
    }
}
