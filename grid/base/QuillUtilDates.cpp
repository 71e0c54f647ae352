// Dates and times read out of cell text, and the step of a date series.
#include "grid/base/QuillUtilDates.h"

#include "grid/base/QuillUtilParse.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// A date or time field: an integer that fits 16 unsigned bits.
std::optional<int> ReadField(std::string_view text)
{
    int32_t value = 0;
    if (!TryStrToInt(text, value) || value < 0 || value > 0xFFFF)
        return std::nullopt;
    return value;
}

// Cuts the text before the first separator off Text; nothing when it is absent.
std::optional<std::string_view> CutField(std::string_view& text, char separator)
{
    const size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view field = text.substr(0, at);
    text.remove_prefix(at + 1);
    return field;
}

enum DatePart { Day, Month, Year };

// The order of day, month and year in the locale short date format.
std::optional<std::array<DatePart, 3>> FieldOrder()
{
    const std::string format = UpperCase(LocaleShortDateFormat());
    std::array<std::pair<size_t, DatePart>, 3> places = {
        std::pair{format.find('D'), Day}, {format.find('M'), Month}, {format.find('Y'), Year}};
    for (const auto& [place, part] : places)
        if (place == std::string::npos)
            return std::nullopt;
    std::sort(places.begin(), places.end());
    return std::array<DatePart, 3>{places[0].second, places[1].second, places[2].second};
}

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

enum class TimeRead { Ok, NoSeparator, Invalid };

TimeRead ReadTime(std::string_view text, TimeOfDay& time)
{
    const char separator = LocaleTimeSeparator();
    const auto hour = CutField(text, separator);
    if (!hour)
        return TimeRead::NoSeparator;
    const auto hours = ReadField(*hour);
    if (!hours || *hours > 23)
        return TimeRead::Invalid;
    std::optional<int> minutes;
    std::optional<int> seconds = 0;
    if (const auto minute = CutField(text, separator)) {
        minutes = ReadField(*minute);
        seconds = ReadField(text);
        if (!seconds || *seconds > 60)
            return TimeRead::Invalid;
    } else {
        minutes = ReadField(text);
    }
    if (!minutes || *minutes > 59)
        return TimeRead::Invalid;
    time = {*hours, *minutes, *seconds};
    return TimeRead::Ok;
}

TDateTime ParseShortDate(std::string_view text, bool monthFirst)
{
    char separator = 0;
    for (char candidate : {'/', '.', '-'})
        if (text.find(candidate) != std::string_view::npos) {
            separator = candidate;
            break;
        }
    if (separator == 0)
        return 0;
    const auto first = CutField(text, separator);
    const auto second = CutField(text, separator);
    if (!first || !second)
        return 0;
    int32_t a = 0;
    int32_t b = 0;
    int32_t year = 0;
    if (!TryStrToInt(*first, a) || !TryStrToInt(*second, b) || !TryStrToInt(text, year))
        return 0;
    if (year >= 0 && year <= 25)
        year += 2000;
    else if (year > 25 && year < 100)
        year += 1900;
    TDateTime date = 0;
    const int month = monthFirst ? a : b;
    const int day = monthFirst ? b : a;
    // An impossible date is unreadable like any other text, not an error.
    if (!TryEncodeDate(year, month, day, date))
        return 0;
    return date;
}

} // namespace

bool ParseLocaleDateTime(std::string_view Text, TDateTime& Value)
{
    const char separator = LocaleDateSeparator();
    std::string_view rest = Text;
    const auto firstText = CutField(rest, separator);
    if (!firstText)
        return false;
    const auto first = ReadField(*firstText);
    if (!first)
        return false;
    const auto middleText = CutField(rest, separator);
    if (!middleText)
        return false;
    const auto middle = ReadField(*middleText);
    if (!middle)
        return false;

    const std::string last = Trim(rest);
    std::string_view lastField = last;
    std::string_view timeText;
    const bool hasTime = lastField.find(' ') != std::string_view::npos;
    if (hasTime) {
        timeText = lastField.substr(lastField.find(' '));
        lastField = lastField.substr(0, lastField.find(' '));
    }
    const auto lastValue = ReadField(lastField);
    if (!lastValue)
        return false;
    const auto order = FieldOrder();
    if (!order)
        return false;

    std::array<int, 3> parts{};
    parts[(*order)[0]] = *first;
    parts[(*order)[1]] = *middle;
    parts[(*order)[2]] = *lastValue;
    if (parts[Day] > 31 || parts[Month] > 12)
        return false;

    TimeOfDay time;
    TimeRead timeRead = TimeRead::Ok;
    if (hasTime) {
        timeRead = ReadTime(Trim(timeText), time);
        if (timeRead == TimeRead::Invalid)
            return false;
    }
    TDateTime date = 0;
    TDateTime clock = 0;
    if (!TryEncodeDate(parts[Year], parts[Month], parts[Day], date))
        return false;
    if (timeRead == TimeRead::NoSeparator) {
        Value = date;
        return false;
    }
    if (!TryEncodeTime(time.Hour, time.Minute, time.Second, 0, clock))
        return false;
    Value = date + clock;
    return true;
}

TDateTime ParseMDYShortDate(std::string_view Text)
{
    return ParseShortDate(Text, true);
}

TDateTime ParseDMYShortDate(std::string_view Text)
{
    return ParseShortDate(Text, false);
}

bool IsDateLikeText(std::string_view Text)
{
    const char separator = LocaleDateSeparator();
    const size_t first = Text.find(separator);
    if (first == std::string_view::npos || first == 0)
        return false;
    const size_t second = Text.find(separator, first + 1);
    return second != std::string_view::npos && second > first + 1;
}

TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, TDateTime Date, double Delta)
{
    const bool onlyDays = DayStep != 0 && MonthStep == 0 && YearStep == 0;
    const bool onlyYears = YearStep != 0 && MonthStep == 0 && DayStep == 0;
    const bool onlyMonths = MonthStep != 0 && YearStep == 0 && DayStep == 0;
    if (onlyDays)
        return Date + DayStep;
    if (!onlyYears && !onlyMonths)
        return Date + Delta;
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(Date, year, month, day);
    if (onlyYears) {
        year += YearStep;
    } else {
        // Months counted from year 0 so that steps of any size wrap into 1 to 12.
        const int months = year * 12 + (month - 1) + MonthStep;
        year = months >= 0 ? months / 12 : (months - 11) / 12;
        month = months - year * 12 + 1;
    }
    // A day past the end of the target month (a monthly series from the 31st) becomes
    // that month's last day; a year outside the calendar still raises.
    if (month >= 1 && month <= 12 && year >= 1 && year <= 9999)
        day = std::min(day, DaysInAMonth(year, month));
    return EncodeDate(year, month, day);
}
