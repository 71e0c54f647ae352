#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Variant.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(Format, Specifiers)
{
    struct Row {
        const char* format;
        std::vector<TFormatArg> args;
        const char* text;
    } rows[] = {
        {"%d items", {42}, "42 items"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%.4d", {-7}, "-0007"},
        {"%d", {std::numeric_limits<int64_t>::min()}, "-9223372036854775808"},
        {"%u", {-1}, "4294967295"},
        {"%u", {int64_t{-1}}, "18446744073709551615"},
        {"%x|%X|0x%2x", {255, 255, 10}, "FF|FF|0x A"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%s and %s", {"salt", std::string("pepper")}, "salt and pepper"},
        {"%-6s|%6s|%.2s", {"ab", "é", "héllo"}, "ab    |     é|hé"},
        {"%s", {'c'}, "c"},
        {"%f", {1.0 / 3}, "0.33"},
        {"%12.6f", {3.14159265}, "    3.141593"},
        {"%.0f", {2.5}, "3"},
        {"%.2f|%.2n", {1.005, 2.675}, "1.01|2.68"}, // ties at the shown digits go away from zero
        {"%f", {7}, "7.00"}, // integers are accepted where a float is asked
        {"%e", {12345.678}, "1.23456780000000E+004"},
        {"%.3e", {-0.00012}, "-1.20E-004"},
        {"%g|%g|%g", {0.5, 1e20, 1e-5}, "0.5|1E20|1E-5"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%m", {-5.5}, "($5.50)"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d|%-*d|%.*f", {4, 1, 3, 2, 1, 1.25}, "   1|2  |1.3"},
        {"%*d|%.*f|%.f", {-3, 1, -1, 0.5, 0.5}, "1  |0.50|1"}, // negative star width / precision
        {"100%%", {}, "100%"},
        {"", {}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Format(row.format, row.args), row.text) << row.format;
}

TEST(Format, InvalidFormatsAndArgumentsRaiseConvertErrors)
{
    struct Row {
        const char* format;
        std::vector<TFormatArg> args;
    } rows[] = {
        {"%d", {1.5}},          // float for an integer
        {"%d", {"12"}},         // text for an integer
        {"%s", {12}},           // integer for text
        {"%f", {"1.5"}},        // text for a float
        {"%s", {2.5}},          // float for text
        {"%q", {1}},            // unknown type
        {"%", {1}},             // ends inside a specifier
        {"%5", {1}},            // width but no type
        {"%.", {1}},            //
        {"%999999999d", {1}},   // width too large to honour
        {"%.999999d", {1}},     //
        {"%*d", {"x", 1}},      // width from a non-integer
        {"%-:d", {1}},          //
    };
    for (const Row& row : rows) {
        try {
            Format(row.format, row.args);
            ADD_FAILURE() << row.format << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Format '" + std::string(row.format) + "' invalid or incompatible with argument");
        }
    }
    for (const char* missing : {"%1:d", "%d %d", "%2:d", "%*d"}) {
        try {
            Format(missing, {1});
            ADD_FAILURE() << missing << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "No argument for format '" + std::string(missing) + "'");
        }
    }
}

TEST(Format, SettingsAndVariantArguments)
{
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    EXPECT_EQ(Format("%.2f|%n", {1.5, 1234.5}, comma), "1,50|1.234,50");
    EXPECT_EQ(Format("%s=%d, %s, %.1f", {Variant("n"), Variant(3), Variant(true), Variant(2.25)}), "n=3, True, 2.3");
    EXPECT_EQ(Format("%u", {Variant(uint32_t{4000000000u})}), "4000000000");
    EXPECT_THROW(Format("%s", {Variant::Null()}), EInvalidCast);
}
