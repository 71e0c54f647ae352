// Dates and times read out of cell text, and the step of a date series.
#pragma once

#include "platform/rtl/DateTime.h"

#include <cstdint>
#include <string_view>

// Reads a date in the field order of the locale short date format, optionally followed
// by a space and a time "h:m" or "h:m:s" with the locale separators. A date without a
// time separator after it is stored with time 0 but answers False; on any other failure
// the result is False and Value is left alone.
bool ParseLocaleDateTime(std::string_view Text, TDateTime& Value);

// Month/day/year and day/month/year with "/", "." or "-" between the fields. Two-digit
// years 0 to 25 mean 2000 to 2025 and 26 to 99 mean 1926 to 1999; a year written with
// more digits is taken as it stands. 0 when the text is no such date.
TDateTime ParseMDYShortDate(std::string_view Text);
TDateTime ParseDMYShortDate(std::string_view Text);

// The locale date separator after the first character, and again after the first
// character of the text that follows it.
bool IsDateLikeText(std::string_view Text);

// The next value of a date series: a step in days, months or years when only that one
// is non-zero (a day past the end of the target month becomes its last day), otherwise
// Date + Delta.
TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, TDateTime Date, double Delta);
