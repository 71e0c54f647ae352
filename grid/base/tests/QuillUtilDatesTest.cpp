// Dates and times read out of cell text, and the step of a date series.
#include "grid/base/QuillUtilDates.h"

#include "grid/base/tests/LocaleScope.h"

#include <gtest/gtest.h>

using grid::test::LocaleScope;

TEST(QuillUtilDates, ParseLocaleDateTime)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    TDateTime value = -1;
    EXPECT_TRUE(ParseLocaleDateTime("31/12/2011 10:30", value));
    EXPECT_DOUBLE_EQ(value, EncodeDateTime(2011, 12, 31, 10, 30, 0, 0));
    EXPECT_TRUE(ParseLocaleDateTime(" 1/2/2011 ", value));
    EXPECT_DOUBLE_EQ(value, EncodeDate(2011, 2, 1));
    EXPECT_TRUE(ParseLocaleDateTime("1/2/2011 23:59:59", value));
    EXPECT_DOUBLE_EQ(value, EncodeDateTime(2011, 2, 1, 23, 59, 59, 0));

    value = -1;
    EXPECT_FALSE(ParseLocaleDateTime("31/12/2011 10", value)) << "a time without separator";
    EXPECT_DOUBLE_EQ(value, EncodeDate(2011, 12, 31)) << "but the date is stored";

    for (const char* bad : {"32/1/2011", "29/2/2011", "1/13/2011", "1/2", "1-2-2011", "a/2/2011", "1/2/2011 24:00",
                            "1/2/2011 10:60", "1/2/2011 10:30:60", "1/2/99999", "", "/", "1/2/2011 x:1"}) {
        value = -1;
        EXPECT_FALSE(ParseLocaleDateTime(bad, value)) << bad;
        EXPECT_DOUBLE_EQ(value, -1) << bad;
    }
}

TEST(QuillUtilDates, ParseLocaleDateTimeFollowsTheFormatOrder)
{
    const LocaleScope iso('.', ',', '-', '.', "yyyy-mm-dd");
    TDateTime value = 0;
    EXPECT_TRUE(ParseLocaleDateTime("2011-12-31 10.05", value));
    EXPECT_DOUBLE_EQ(value, EncodeDateTime(2011, 12, 31, 10, 5, 0, 0));
}

TEST(QuillUtilDates, FixedOrderShortDates)
{
    EXPECT_DOUBLE_EQ(ParseMDYShortDate("12/31/25"), EncodeDate(2025, 12, 31));
    EXPECT_DOUBLE_EQ(ParseMDYShortDate("12/31/26"), EncodeDate(1926, 12, 31));
    EXPECT_DOUBLE_EQ(ParseMDYShortDate("12-31-99"), EncodeDate(1999, 12, 31));
    EXPECT_DOUBLE_EQ(ParseDMYShortDate("31.12.05"), EncodeDate(2005, 12, 31));
    // Years written in full are taken as they stand.
    EXPECT_DOUBLE_EQ(ParseMDYShortDate("12/31/2011"), EncodeDate(2011, 12, 31));
    EXPECT_DOUBLE_EQ(ParseDMYShortDate("1/2/9000"), EncodeDate(9000, 2, 1));
    // Unreadable and impossible dates are 0 alike, never an error.
    for (const char* bad : {"31/04/2011", "12/31", "a/b/c", "", "12/31/x", "29/02/2011", "1/2/-5"})
        EXPECT_DOUBLE_EQ(ParseDMYShortDate(bad), 0) << bad;
    EXPECT_DOUBLE_EQ(ParseMDYShortDate("13/01/11"), 0);
}

TEST(QuillUtilDates, IsDateLikeText)
{
    const LocaleScope dayFirst('.', ',', '/', ':', "dd/mm/yyyy");
    EXPECT_TRUE(IsDateLikeText("1/2/3"));
    EXPECT_FALSE(IsDateLikeText("/1/2"));
    EXPECT_FALSE(IsDateLikeText("1//2"));
    EXPECT_FALSE(IsDateLikeText("1/2"));
}

TEST(QuillUtilDates, IncrementDate)
{
    const TDateTime noon = 0.5;
    EXPECT_DOUBLE_EQ(IncrementDate(0, 1, 0, EncodeDate(2011, 12, 15), 0), EncodeDate(2012, 1, 15));
    EXPECT_DOUBLE_EQ(IncrementDate(0, -1, 0, EncodeDate(2012, 1, 15), 0), EncodeDate(2011, 12, 15));
    EXPECT_DOUBLE_EQ(IncrementDate(0, 0, -1, EncodeDate(2012, 1, 2) + noon, 0), EncodeDate(2012, 1, 1) + noon);
    EXPECT_DOUBLE_EQ(IncrementDate(2, 0, 0, EncodeDate(2011, 3, 4), 0), EncodeDate(2013, 3, 4));
    EXPECT_DOUBLE_EQ(IncrementDate(1, 1, 0, 100, 7.5), 107.5);
    EXPECT_DOUBLE_EQ(IncrementDate(0, 0, 0, 100, 2), 102);
    // Steps of more than a year wrap, and a monthly series from the 31st keeps going.
    EXPECT_DOUBLE_EQ(IncrementDate(0, 25, 0, EncodeDate(2011, 12, 15), 0), EncodeDate(2014, 1, 15));
    EXPECT_DOUBLE_EQ(IncrementDate(0, 1, 0, EncodeDate(2011, 1, 31), 0), EncodeDate(2011, 2, 28));
    EXPECT_DOUBLE_EQ(IncrementDate(1, 0, 0, EncodeDate(2012, 2, 29), 0), EncodeDate(2013, 2, 28));
}
