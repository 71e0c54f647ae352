// Number format rendering: a table of values and formats with the text and
// colour they show, and the date and time detection.
#include "xlsAdapter/qorUVyxNumberFormat.h"

#include "platform/rtl/DateTime.h"
#include "xlsAdapter/qorUVyxMessages.h"

#include <gtest/gtest.h>

namespace {

struct TCase {
    const char* Name;
    Variant Value;
    const char* Format;
    std::string Shown;
    int Color = -1; // -1: the colour stays as it was
};

} // namespace

TEST(VyxNumberFormat, ValuesShowAsTheirFormatsSay)
{
    const TCase cases[] = {
        {"thousands and decimals", Variant(1234.5), "#,##0.00", "1,234.50"},
        {"percent", Variant(0.25), "0%", "25%"},
        {"scientific", Variant(12345.0), "0.00E+00", "1.23E+04"},
        {"negative in brackets", Variant(-5.0), "0;(0)", "(5)"},
        {"one section keeps the minus", Variant(-5.0), "0", "-5"},
        {"zero section text", Variant(0.0), "0;-0;\"zero\"", "zero"},
        {"red positive", Variant(5.0), "[Red]0;[Blue]-0", "5", 0x0000FF},
        {"colour names in any case", Variant(-5.0), "[RED]0;[BLUE]-0", "-5", 0xFF0000},
        {"blue negative writes its own minus", Variant(-5.0), "[Red]0;[Blue]-0", "-5", 0xFF0000},
        {"condition chooses the second section", Variant(12.5), "[<10]0;0.00", "12.50"},
        {"condition bracket shows nothing", Variant(5.0), "[<10]0.00", "5.00"},
        {"elapsed hours", Variant(1.5), "[h]:mm", "36:00"},
        {"elapsed minutes", Variant(1.5), "[mm]:ss", "2160:00"},
        {"elapsed hours alone", Variant(1.5), "[h]", "36"},
        {"minutes after hours", Variant(0.75), "h:mm", "18:00"},
        {"month alone", Variant(45000.0), "mm", "03"},
        {"date", Variant(45000.0), "dd/mm/yyyy", "15/03/2023"},
        {"negative date value", Variant::FromDate(-1.0), "dd/mm/yyyy", "###################"},
        {"negative number as a date", Variant(-1.0), "yyyy", "1899"},
        {"text through the fourth section", Variant("abc"), "0;0;0;\"pre \"@", "pre abc"},
        {"text with a number format", Variant("abc"), "0.00", "abc"},
        {"boolean", Variant(true), "0.00", "TRUE"},
        {"general", Variant(2.5), "General", "2.5"},
        {"currency tag", Variant(3.0), "[$€-407]0.00", "€3.00"},
        {"literal and padding", Variant(7.0), "_(0_)", " 7 "},
        {"quoted unit", Variant(2.0), "0\" kg\"", "2 kg"},
        {"no section for negatives", Variant(-1.0), "[>0]0", "###################"},
    };
    for (const TCase& c : cases) {
        int color = -1;
        EXPECT_EQ(ApplyNumberFormat(c.Value, c.Format, false, nullptr, color), c.Shown) << c.Name;
        EXPECT_EQ(color, c.Color) << c.Name;
    }
}

TEST(VyxNumberFormat, DatesAndTimesAreDetected)
{
    bool hasDate = false;
    bool hasTime = false;
    EXPECT_TRUE(NumberFormatHasDateTime("dd/mm/yyyy hh:mm", hasDate, hasTime));
    EXPECT_TRUE(hasDate && hasTime);
    EXPECT_FALSE(NumberFormatHasDateTime("0.00", hasDate, hasTime));
    EXPECT_TRUE(NumberFormatHasDateTime("[$-F800]", hasDate, hasTime));
    EXPECT_TRUE(hasDate);
    EXPECT_FALSE(hasTime);
    int color = 0;
    EXPECT_EQ(ApplyNumberFormat(Variant(1.0), "yyyy", true, nullptr, color), "1904");
}
