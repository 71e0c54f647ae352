#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TFormatSettings CommaDecimal()
{
    TFormatSettings settings;
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';
    return settings;
}

} // namespace

TEST(Numbers, IntegerTexts)
{
    struct Row {
        const char* text;
        bool ok;
        int64_t value;
    } rows[] = {
        {"0", true, 0},
        {"-42", true, -42},
        {"+7", true, 7},
        {"  12", true, 12},
        {"$FF", true, 255},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1}, // hexadecimal uses the full 32 bits
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483648LL},
        {"2147483648", false, 0},
        {"$100000000", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"12 ", false, 0},
        {"12abc", false, 0},
        {"1.5", false, 0},
        {"1,000", false, 0},
    };
    for (const Row& row : rows) {
        int32_t value = 99;
        EXPECT_EQ(TryStrToInt(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(value, row.value) << row.text;
            EXPECT_EQ(StrToInt(row.text), row.value);
        } else {
            EXPECT_EQ(StrToIntDef(row.text, -5), -5) << row.text;
        }
    }
    try {
        StrToInt("12abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12abc' is not a valid integer value");
    }
}

TEST(Numbers, Int64Texts)
{
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
    EXPECT_THROW(StrToInt64("99999999999999999999999"), EConvertError);
    EXPECT_EQ(StrToInt64Def("x", 3), 3);
    EXPECT_EQ(IntToStr(-12), "-12");
    EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToStr(4000000000u), "4000000000");
}

TEST(Numbers, ValReportsTheFirstBadCharacter)
{
    struct Row {
        const char* text;
        size_t position;
        int64_t value;
    } rows[] = {
        {"123", 0, 123}, {"  -12", 0, -12}, {"12ab", 3, 12}, {"-7x", 3, -7},
        {"", 1, 0},      {"  ", 3, 0},      {"abc", 1, 0},   {"$1G", 3, 1},
        {"99999999999999999999", 19, 999999999999999999},
    };
    for (const Row& row : rows) {
        int64_t value = 77;
        EXPECT_EQ(Val(row.text, value), row.position) << row.text;
        EXPECT_EQ(value, row.value) << row.text;
    }
}

TEST(Numbers, FloatTexts)
{
    struct Row {
        const char* text;
        bool ok;
        double value;
    } rows[] = {
        {"1.5", true, 1.5},
        {" -2.25 ", true, -2.25},
        {"1e3", true, 1000},
        {"1E-3", true, 0.001},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"+3", true, 3},
        {"1e-400", true, 0}, // underflow is zero
        {"1,5", false, 0},   // comma where "." is required
        {"1,000.5", false, 0},
        {"", false, 0},
        {"  ", false, 0},
        {"1.5x", false, 0},
        {"1e", false, 0},
        {"e5", false, 0},
        {".", false, 0},
        {"1.2.3", false, 0},
        {"1e400", false, 0}, // overflow
        {"0x10", false, 0},
    };
    for (const Row& row : rows) {
        double value = 99;
        EXPECT_EQ(TryStrToFloat(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_DOUBLE_EQ(value, row.value) << row.text;
        }
    }
    try {
        StrToFloat("1,5");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1,5' is not a valid floating point value");
    }
    EXPECT_DOUBLE_EQ(StrToFloat("1,5", CommaDecimal()), 1.5);
    EXPECT_THROW(StrToFloat("1.5", CommaDecimal()), EConvertError);
    EXPECT_DOUBLE_EQ(StrToFloatDef("junk", 2.5), 2.5);
    EXPECT_TRUE(std::isnan(StrToFloat("NAN")));
    EXPECT_EQ(StrToFloat("-inf"), -Inf);
}

TEST(Numbers, FloatToStrGeneralForm)
{
    struct Row {
        double value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1.5, "-1.5"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {1e15, "1E15"},
        {1e14, "100000000000000"},
        {123456789012345.0, "123456789012345"},
        {1e16, "1E16"},
        {123456789012345678.0, "1.23456789012346E17"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-0.000012345, "-1.2345E-5"},
        {1e100, "1E100"},
        {5e-324, "4.94065645841247E-324"},
        {999999999999999.9, "1E15"}, // rounding carries into a new digit
        {NaN, "NAN"},
        {Inf, "INF"},
        {-Inf, "-INF"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FloatToStr(row.value), row.text) << row.text;
    EXPECT_EQ(FloatToStr(-1234.5, CommaDecimal()), "-1234,5");
}

TEST(Numbers, FloatToStrFForms)
{
    struct Row {
        double value;
        TFloatFormat format;
        int precision;
        int digits;
        const char* text;
    } rows[] = {
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {-0.004, ffFixed, 15, 2, "0.00"}, // no "-0.00"
        {0.125, ffFixed, 15, 2, "0.13"},  // halves away from zero
        {1.005, ffFixed, 15, 2, "1.01"},  // as the general form shows it
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-999.5, ffNumber, 15, 0, "-1,000"},
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {-0.00012, ffExponent, 3, 0, "-1.20E-4"},
        {0, ffExponent, 3, 2, "0.00E+00"},
        {1e20, ffGeneral, 15, 3, "1E020"},
        {1234.5, ffGeneral, 3, 0, "1.23E3"},
        {1e20, ffFixed, 15, 2, "1E20"}, // too many integer digits
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
        {NaN, ffFixed, 15, 2, "NAN"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FloatToStrF(row.value, row.format, row.precision, row.digits), row.text) << row.text;

    TFormatSettings euro = CommaDecimal();
    euro.CurrencyString = "€";
    euro.CurrencyFormat = 3;
    euro.NegCurrFormat = 8;
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, euro), "1.234,50 €");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, euro), "-1.234,50 €");
}

TEST(Numbers, FormatFloatPatterns)
{
    struct Row {
        const char* pattern;
        double value;
        const char* text;
    } rows[] = {
        {"0.00", 3.14159, "3.14"},
        {"0.00", 2.5, "2.50"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.00", -0.001, "0.00"},
        {"#.##", 0.5, ".5"},
        {"0.##", 1, "1"},
        {"0.0#", 1.234, "1.23"},
        {"000", 7, "007"},
        {"#", 12345, "12345"},
        {"00", 12345, "12345"},
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#,##0", 999, "999"},
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"0.00E-00", 12345, "1.23E04"},
        {"00.0E+0", 12345, "12.3E+3"},
        {"0.0e+000", 0, "0.0e+000"},
        {"\"$\"#,##0.00", 5, "$5.00"},
        {"'Total: '0", 5, "Total: 5"},
        {"0 \"kg;g\"", 5, "5 kg;g"},
        {"0.0;(0.0);zero", -1.25, "(1.3)"},
        {"0.0;(0.0);zero", 0, "zero"},
        {"0.0;(0.0);zero", 2, "2.0"},
        {"0.0;;zero", -2, "-2.0"},
        {"0%", 50, "50%"},
        {"", 1.0 / 3, "0.333333333333333"},
        {"0.00", NaN, "NAN"},
        {"0", 1e30, "1E30"},
        {"\"unclosed", 1, "unclosed"},
        {"0E+0#", 12345, "1E+4"}, // a placeholder after the exponent has no digit
        {"#e+#-##", 12345, "1e+4-"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatFloat(row.pattern, row.value), row.text) << row.pattern << " with " << row.value;
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, CommaDecimal()), "1.234,50");
}

TEST(Numbers, BooleanTexts)
{
    struct Row {
        const char* text;
        bool ok;
        bool value;
    } rows[] = {
        {"True", true, true}, {"FALSE", true, false}, {"true", true, true}, {"0", true, false},
        {"-1", true, true},   {"2.5", true, true},    {"", false, false},   {"yes", false, false},
        {"NAN", false, false},
    };
    for (const Row& row : rows) {
        bool value = !row.value;
        EXPECT_EQ(TryStrToBool(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(value, row.value) << row.text;
        }
    }
    EXPECT_THROW(StrToBool("maybe"), EConvertError);
    EXPECT_EQ(BoolToStr(true), "-1");
    EXPECT_EQ(BoolToStr(false, true), "False");
}

TEST(Numbers, RoundingHalvesToEven)
{
    struct Row {
        double value;
        int64_t rounded;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {1e15 + 0.5, 1000000000000000}};
    for (const Row& row : rows)
        EXPECT_EQ(Round(row.value), row.rounded) << row.value;
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_DOUBLE_EQ(Int(-2.5), -2);
    EXPECT_DOUBLE_EQ(Frac(-2.5), -0.5);
    for (double bad : {NaN, Inf, 9.3e18, -9.3e18})
        EXPECT_THROW(Round(bad), EInvalidOp) << bad;
    EXPECT_EQ(Round(-9223372036854775808.0), std::numeric_limits<int64_t>::min());
}
