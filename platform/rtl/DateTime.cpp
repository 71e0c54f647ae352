// The calendar behind TDateTime: encoding, decoding, the clock and month arithmetic.
#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

namespace {

constexpr int64_t MSecsPerDay = 86400000;
// Days from 0000-03-01 (the proleptic Gregorian epoch of the algorithm below) to 1899-12-30.
constexpr int64_t EpochShift = 693901 - 2;

// Day number since 1899-12-30 of a valid civil date (Gregorian, proleptic).
int64_t DaysFromCivil(int year, int month, int day)
{
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = y / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - EpochShift;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day)
{
    const int64_t z = days + EpochShift;
    const int64_t era = z / 146097; // z stays positive for years 1..9999
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Splits a value into its day number and the milliseconds of its time of day.
void SplitDateTime(TDateTime value, int64_t& day, int64_t& msecs)
{
    constexpr int64_t firstDay = -693593; // 0001-01-01
    constexpr int64_t lastDay = 2958465;  // 9999-12-31
    if (!(value > firstDay - 1 && value < lastDay + 1))
        throw EConvertError("Invalid date-time value " + std::to_string(value));
    day = static_cast<int64_t>(std::trunc(value));
    msecs = std::llround(std::fabs(value - std::trunc(value)) * MSecsPerDay);
    if (msecs >= MSecsPerDay) {
        // The time rounded up to midnight: it is the start of the following day.
        msecs = 0;
        day += value < 0 ? -1 : 1;
    }
    if (day < firstDay || day > lastDay)
        throw EConvertError("Invalid date-time value " + std::to_string(value));
}

} // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12)
        return 0;
    return days[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
        return false;
    Date = static_cast<TDateTime>(DaysFromCivil(Year, Month, Day));
    return true;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time)
{
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        return false;
    Time = static_cast<double>(((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / MSecsPerDay;
    return true;
}

bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec, TDateTime& Value)
{
    TDateTime date;
    TDateTime time;
    if (!TryEncodeDate(Year, Month, Day, date) || !TryEncodeTime(Hour, Min, Sec, MSec, time))
        return false;
    Value = date < 0 ? date - time : date + time;
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime value;
    if (!TryEncodeDate(Year, Month, Day, value))
        throw EConvertError("Invalid argument to date encode");
    return value;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    TDateTime value;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, value))
        throw EConvertError("Invalid argument to time encode");
    return value;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec)
{
    TDateTime value;
    if (!TryEncodeDateTime(Year, Month, Day, Hour, Min, Sec, MSec, value))
        throw EConvertError("Invalid argument to date-time encode");
    return value;
}

void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec, int& MSec)
{
    int64_t day;
    int64_t msecs;
    SplitDateTime(Value, day, msecs);
    CivilFromDays(day, Year, Month, Day);
    Hour = static_cast<int>(msecs / 3600000);
    Min = static_cast<int>(msecs / 60000 % 60);
    Sec = static_cast<int>(msecs / 1000 % 60);
    MSec = static_cast<int>(msecs % 1000);
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day)
{
    int hour, min, sec, msec;
    DecodeDateTime(Date, Year, Month, Day, hour, min, sec, msec);
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec)
{
    int year, month, day;
    DecodeDateTime(Time, year, month, day, Hour, Min, Sec, MSec);
}

TDateTime Now()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto msecs = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          std::min(local.tm_sec, 59), static_cast<int>(msecs));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time()
{
    const TDateTime now = Now();
    return now - std::trunc(now);
}

int DayOfWeek(TDateTime Value)
{
    int64_t day;
    int64_t msecs;
    SplitDateTime(Value, day, msecs);
    // Day 0, 1899-12-30, was a Saturday.
    return static_cast<int>(((day - 1) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime Value, int NumberOfMonths)
{
    int year, month, day, hour, min, sec, msec;
    DecodeDateTime(Value, year, month, day, hour, min, sec, msec);
    const int64_t monthIndex = static_cast<int64_t>(year) * 12 + (month - 1) + NumberOfMonths;
    const int newYear = static_cast<int>(monthIndex / 12);
    const int newMonth = static_cast<int>(monthIndex % 12) + 1;
    if (monthIndex < 12 || newYear > 9999)
        throw EConvertError("Invalid argument to date encode");
    return EncodeDateTime(newYear, newMonth, std::min(day, DaysInAMonth(newYear, newMonth)), hour, min, sec, msec);
}
