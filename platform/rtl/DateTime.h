// Dates and times as TDateTime: encoding, decoding, arithmetic, and conversion to and from text.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <string>
#include <string_view>

// Days since 1899-12-30; the fraction is the time of day. For dates before that day the
// value is negative and its fraction, in absolute value, is still the time of day, so
// -1.25 is 1899-12-29 06:00.
using TDateTime = double;

// 0001-01-01 00:00 and 9999-12-31 23:59:59.999.
constexpr TDateTime MinDateTime = -693593.0;
constexpr TDateTime MaxDateTime = 2958465.99999999;

bool IsLeapYear(int Year);
// 0 for a month outside 1..12.
int DaysInAMonth(int Year, int Month);

// Years 1..9999. Invalid arguments raise EConvertError.
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);
[[nodiscard]] bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
[[nodiscard]] bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
[[nodiscard]] bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                                     TDateTime& Value);

// The time is rounded to the millisecond; a time that rounds up to midnight belongs to
// the next day. A value outside MinDateTime..MaxDateTime (or not a number) raises EConvertError.
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec, int& MSec);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// 1 = Sunday … 7 = Saturday.
int DayOfWeek(TDateTime Value);
// Adds months, keeping the time and clamping the day to the target month's length.
TDateTime IncMonth(TDateTime Value, int NumberOfMonths = 1);

// Patterns (letters in any case): d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m and mm
// right after h or hh mean minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, c,
// am/pm a/p ampm (these make h a 12-hour clock), "/" and ":" for the settings'
// separators, "…" and '…' literal text.
std::string FormatDateTime(std::string_view Format, TDateTime Value);
std::string FormatDateTime(std::string_view Format, TDateTime Value, const TFormatSettings& Settings);
std::string DateToStr(TDateTime Value);
std::string DateToStr(TDateTime Value, const TFormatSettings& Settings);
std::string TimeToStr(TDateTime Value);
std::string TimeToStr(TDateTime Value, const TFormatSettings& Settings);
// The date and, unless it is exactly midnight, the long time.
std::string DateTimeToStr(TDateTime Value);
std::string DateTimeToStr(TDateTime Value, const TFormatSettings& Settings);

// Dates are up to three numbers separated by the date separator in ShortDateFormat's
// order (two give a date in the current year); a year of one or two digits is placed by
// TwoDigitYearCenturyWindow. Times are h[:n[:s[.z]]] with an optional AM/PM marker.
// Date-times are a date, blanks and an optional time. Blanks around are ignored.
// Failures raise EConvertError.
// The order of day, month and year that a ShortDateFormat gives; texts of dates are read
// in it.
enum class TDateOrder { MDY, DMY, YMD };
TDateOrder ShortDateOrder(std::string_view ShortDateFormat) noexcept;
TDateTime StrToDate(std::string_view S);
TDateTime StrToDate(std::string_view S, const TFormatSettings& Settings);
TDateTime StrToTime(std::string_view S);
TDateTime StrToTime(std::string_view S, const TFormatSettings& Settings);
TDateTime StrToDateTime(std::string_view S);
TDateTime StrToDateTime(std::string_view S, const TFormatSettings& Settings);
[[nodiscard]] bool TryStrToDate(std::string_view S, TDateTime& Value);
[[nodiscard]] bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
[[nodiscard]] bool TryStrToTime(std::string_view S, TDateTime& Value);
[[nodiscard]] bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
[[nodiscard]] bool TryStrToDateTime(std::string_view S, TDateTime& Value);
[[nodiscard]] bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
