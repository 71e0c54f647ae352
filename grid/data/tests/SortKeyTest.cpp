// The quick readers of plain dates and decimals against the general readers
// they stand in for: whatever the quick reader takes, the general one reads
// to the same value, and the sort keys come out the same either way.
#include "grid/data/SortKey.h"

#include "grid/base/tests/LocaleScope.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

using grid::test::LocaleScope;

namespace {

// Bit for bit, so that 0 and -0 or two neighbouring doubles are told apart.
std::uint64_t Bits(double Value) { return std::bit_cast<std::uint64_t>(Value); }

TEST(SortKey, PlainShortDatesReadAsTheGeneralReaderReadsThem)
{
    const char* const texts[] = {
        "05/11/2024", "5/1/2024",   "31/12/1999", "29/02/2024", "29/02/2023", "31/04/2011", "00/01/2024",
        "1/13/2024",  "12/31/2011", "01/01/0001", "1/1/999",    "1/1/10000",  "01/01/24",   "1/1/7",
        "2024/11/05", "0005/11/20", " 05/11/2024", "05/11/2024 ", "05/11/2024 10:30", "05-11-2024", "05/11/2024/",
        "05/11",      "/11/2024",   "05//2024",   "05/11/",     "x5/11/2024", "05/11/2O24", "",
        "00012/1/2024", "5/1/-2024", "\xEF\xBC\x95/1/2024",
    };
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    for (const char* format : {"dd/mm/yyyy", "m/d/yyyy", "yyyy/mm/dd", "YYYY-MM-DD"}) {
        FormatSettings().ShortDateFormat = format;
        for (const char* text : texts) {
            SCOPED_TRACE(testing::Message() << format << " '" << text << "'");
            TDateTime general = 0;
            const bool generalRead = TryStrToDateTime(text, general);
            double quick = -1;
            if (grid::ReadPlainShortDate(text, quick)) {
                EXPECT_TRUE(generalRead);
                EXPECT_EQ(Bits(quick), Bits(general));
            }
            EXPECT_EQ(Bits(grid::ReadSortDateTime(text)), Bits(generalRead ? general : 0.0));
        }
    }
    // The date separator may be any character but a digit or a blank.
    FormatSettings().ShortDateFormat = "dd.mm.yyyy";
    FormatSettings().DateSeparator = '.';
    double value = 0;
    EXPECT_TRUE(grid::ReadPlainShortDate("24.12.2024", value));
    EXPECT_EQ(value, EncodeDate(2024, 12, 24));
    EXPECT_FALSE(grid::ReadPlainShortDate("24/12/2024", value));
}

TEST(SortKey, PlainDecimalsReadAsTheGeneralReaderReadsThem)
{
    const char* const texts[] = {
        "0",        "-0",        "7",         "12345.67",           "-3.25",            "0.1",
        "0.3",      "99999.99",  "00012.50",  "123456789012345",    "1234567890123456", "9007199254740993",
        "0.000000000000001",     "0.0000000000000001",  "1.7976931348623157", "123456789.123456789",
        "4.35",     "1.", ".5",  "+1",        "1e3",                "1,000.5",          "--1",
        "1.2.3",    "",          "-",         " 1",                 "1 ",               "0x10",
    };
    const LocaleScope plain('.', ',', '/', ':', "dd/mm/yyyy");
    for (const char* text : texts) {
        SCOPED_TRACE(testing::Message() << "'" << text << "'");
        double general = 0;
        const bool generalRead = TryStrToFloat(text, general, InvariantFormatSettings());
        double quick = -1;
        if (grid::ReadPlainDecimal(text, quick)) {
            EXPECT_TRUE(generalRead);
            EXPECT_EQ(Bits(quick), Bits(general));
        }
    }
    // Another decimal separator leaves every text to the general reader.
    FormatSettings().DecimalSeparator = ',';
    double value = 0;
    EXPECT_FALSE(grid::ReadPlainDecimal("1.5", value));
}

TEST(SortKey, KeysViewTheirTextOnlyWhereTheStyleKeepsItUnchanged)
{
    const LocaleScope plain('.', ',', '/', ':', "dd/mm/yyyy");
    struct Case {
        TSortStyle Style;
        bool IgnoreCase;
        const char* Text;
        const char* KeyText;
        bool Viewed;
    };
    const Case cases[] = {
        {ssAlphabetic, false, "Abc", "Abc", true},
        {ssAlphaNoCase, false, "Abc", "ABC", false},
        {ssAlphaNoCase, false, "ABC 1", "ABC 1", true},
        {ssAutomatic, true, "abc", "ABC", false},
        {ssAutomatic, false, "abc", "abc", true},
        {ssAutomatic, false, "12.5", "", true},
        {ssHTML, false, "<b>x</b>", "x", false},
        {ssAlphaNumericNoCase, false, "x1", "X1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::string text = c.Text;
        std::string owned;
        const grid::TSortKeyRef key = grid::MakeSortKeyRef(c.Style, text, {c.IgnoreCase, {}, {}}, owned);
        EXPECT_EQ(key.Text, c.KeyText);
        if (!key.Text.empty()) {
            EXPECT_EQ(key.Text.data() == text.data(), c.Viewed);
        }
        const grid::TSortKey copy = grid::MakeSortKey(c.Style, text, {c.IgnoreCase, {}, {}});
        EXPECT_EQ(grid::CompareSortKeys(grid::RefOf(copy), key), 0);
    }
}

} // namespace
