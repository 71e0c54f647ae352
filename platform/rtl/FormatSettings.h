// The settings that number, currency, date and time texts are written and read with.
#pragma once

#include <array>
#include <string>

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char ListSeparator = ',';
    std::string CurrencyString = "$";
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    // 0 "($1)" … 15 "(1 $)", in the conventional order of negative currency layouts.
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;
    std::string ShortDateFormat = "m/d/yyyy";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string ShortTimeFormat = "h:nn AMPM";
    std::string LongTimeFormat = "h:nn:ss AMPM";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    // Index 0 is Sunday.
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    // A two-digit year is placed within this many years before the current year and
    // the rest of the century after it; 0 puts it in the current century.
    int TwoDigitYearCenturyWindow = 50;
};

// The process-wide settings every routine uses unless it is given others. They start as
// the US-English defaults above (the C locale's "." decimal separator) and change only
// where the application sets them.
TFormatSettings& FormatSettings();

// Fixed US-English settings for texts that must not depend on the process settings
// (stored files, formula texts).
const TFormatSettings& InvariantFormatSettings();
