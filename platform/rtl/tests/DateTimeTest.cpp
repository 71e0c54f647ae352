#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TFormatSettings DayMonthYear()
{
    TFormatSettings settings;
    settings.ShortDateFormat = "dd.mm.yyyy";
    settings.DateSeparator = '.';
    settings.LongTimeFormat = "hh:nn:ss";
    return settings;
}

} // namespace

TEST(DateTime, EncodeAndDecodeKnownDays)
{
    struct Row {
        int year, month, day;
        double serial;
    } rows[] = {
        {1899, 12, 30, 0}, {1900, 1, 1, 2}, {1899, 12, 29, -1}, {2000, 2, 29, 36585},
        {2026, 12, 10, 46366}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EncodeDate(row.year, row.month, row.day), row.serial) << row.year;
        int y, m, d;
        DecodeDate(row.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, row.year * 10000 + row.month * 100 + row.day) << row.serial;
    }
}

TEST(DateTime, InvalidArgumentsRaise)
{
    TDateTime value;
    EXPECT_FALSE(TryEncodeDate(2026, 2, 29, value));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, value));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1, value));
    EXPECT_FALSE(TryEncodeDate(2026, 13, 1, value));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, value));
    EXPECT_FALSE(TryEncodeTime(1, 60, 0, 0, value));
    EXPECT_FALSE(TryEncodeTime(1, 0, 0, 1000, value));
    EXPECT_THROW(EncodeDate(2026, 4, 31), EConvertError);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
    int y, m, d;
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 3e6, -7e5})
        EXPECT_THROW(DecodeDate(bad, y, m, d), EConvertError) << bad;
}

TEST(DateTime, TimesAndNegativeDates)
{
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    // Before 1899-12-30 the fraction is still the time of day.
    const TDateTime early = EncodeDateTime(1899, 12, 29, 6, 0, 0, 0);
    EXPECT_DOUBLE_EQ(early, -1.25);
    int y, mo, d, h, mi, s, ms;
    DecodeDateTime(early, y, mo, d, h, mi, s, ms);
    EXPECT_EQ(d, 29);
    EXPECT_EQ(h, 6);
    DecodeTime(EncodeTime(13, 45, 30, 500), h, mi, s, ms);
    EXPECT_EQ(h * 10000000 + mi * 100000 + s * 1000 + ms, 134530500);
    // A time that rounds up to midnight belongs to the next day, never "24:00".
    const TDateTime almostMidnight = EncodeDate(2026, 12, 31) + 0.9999999999;
    DecodeDateTime(almostMidnight, y, mo, d, h, mi, s, ms);
    EXPECT_EQ(y * 10000 + mo * 100 + d, 20270101);
    EXPECT_EQ(h, 0);
}

TEST(DateTime, CalendarArithmetic)
{
    EXPECT_EQ(DayOfWeek(0), 7);                          // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5);  // a Thursday
    EXPECT_EQ(DayOfWeek(-1.5), 6);
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2024, 13), 0);
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -13), EncodeDate(2023, 2, 28));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.5, 12), EncodeDate(2025, 1, 15) + 0.5);
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1)), EConvertError);
    const TDateTime now = Now();
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_EQ(Date(), std::trunc(Date()));
}

TEST(DateTime, FormatDateTimePatterns)
{
    const TDateTime value = EncodeDateTime(2026, 3, 7, 14, 5, 9, 42);
    struct Row {
        const char* pattern;
        const char* text;
    } rows[] = {
        {"d/m/yy", "7/3/26"},
        {"dd.mm.yyyy", "07.03.2026"},
        {"ddd dddd", "Sat Saturday"},
        {"mmm mmmm", "Mar March"},
        {"h:m:s", "14:5:9"}, // m after h is the minute
        {"hh:nn:ss.zzz", "14:05:09.042"},
        {"z", "42"},
        {"h AM/PM", "2 PM"},
        {"hh am/pm", "02 pm"},
        {"h a/p", "2 p"},
        {"h ampm", "2 PM"},
        {"ddddd", "3/7/2026"},
        {"dddddd", "Saturday, March 7, 2026"},
        {"t", "2:05 PM"},
        {"tt", "2:05:09 PM"},
        {"c", "3/7/2026 2:05:09 PM"},
        {"\"Day\" d 'of' mmmm", "Day 7 of March"},
        {"yyyy-mm-dd", "2026-03-07"},
        {"YYYY/MM/DD", "2026/03/07"},
        {"x", "x"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatDateTime(row.pattern, value), row.text) << row.pattern;
    EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(0, 30, 0, 0)), "12:30 am");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2026, 3, 7)), "3/7/2026"); // midnight shows no time
    EXPECT_EQ(DateToStr(value, DayMonthYear()), "07.03.2026");
    EXPECT_EQ(TimeToStr(value, DayMonthYear()), "14:05:09");
}

TEST(DateTime, SelfReferringSettingsDoNotRecurse)
{
    TFormatSettings settings;
    settings.ShortDateFormat = "c";
    settings.LongTimeFormat = "tt ddddd";
    settings.LongDateFormat = "dddddd";
    EXPECT_NO_THROW(FormatDateTime("c dddddd", 1.5, settings));
}

TEST(DateTime, ReadingDatesAndTimes)
{
    struct Row {
        const char* text;
        bool ok;
        double value;
    } rows[] = {
        {"3/7/2026", true, EncodeDate(2026, 3, 7)},
        {" 12/31/1999 ", true, EncodeDate(1999, 12, 31)},
        {"2/29/2024", true, EncodeDate(2024, 2, 29)},
        {"1/2/30", true, EncodeDate(2030, 1, 2)},  // two-digit years within the window
        {"1/2/90", true, EncodeDate(1990, 1, 2)},
        {"2/29/2026", false, 0},
        {"13/1/2026", false, 0},
        {"3/7/", false, 0},
        {"3/7/2026x", false, 0},
        {"3-7-2026", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"3", false, 0},
        {"3/7/20260", false, 0},
    };
    for (const Row& row : rows) {
        TDateTime value = -99;
        EXPECT_EQ(TryStrToDate(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(value, row.value) << row.text;
        }
    }
    EXPECT_EQ(StrToDate("07.03.2026", DayMonthYear()), EncodeDate(2026, 3, 7));
    try {
        StrToDate("31/12/2026");
        FAIL() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'31/12/2026' is not a valid date");
    }

    struct TimeRow {
        const char* text;
        bool ok;
        double value;
    } times[] = {
        {"14:05", true, EncodeTime(14, 5, 0, 0)},
        {"2:05:09 PM", true, EncodeTime(14, 5, 9, 0)},
        {"12:00 am", true, 0},
        {"12:30 PM", true, EncodeTime(12, 30, 0, 0)},
        {"1:02:03.004", true, EncodeTime(1, 2, 3, 4)},
        {"7 PM", true, EncodeTime(19, 0, 0, 0)},
        {"13:00 PM", false, 0},
        {"24:00", false, 0},
        {"10:60", false, 0},
        {"10", false, 0},
        {"10:", false, 0},
        {"10:30 xm", false, 0},
    };
    for (const TimeRow& row : times) {
        TDateTime value = -99;
        EXPECT_EQ(TryStrToTime(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_DOUBLE_EQ(value, row.value) << row.text;
        }
    }
    EXPECT_DOUBLE_EQ(StrToDateTime("3/7/2026 2:05:09 PM"), EncodeDateTime(2026, 3, 7, 14, 5, 9, 0));
    EXPECT_EQ(StrToDateTime("3/7/2026"), EncodeDate(2026, 3, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("06:00"), 0.25);
    EXPECT_THROW(StrToDateTime("3/7/2026 junk"), EConvertError);
    // What DateTimeToStr writes reads back.
    const TDateTime value = EncodeDateTime(2026, 3, 7, 14, 5, 9, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value)), value);
}
