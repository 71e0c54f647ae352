// Reading TDateTime values from text in the order and with the separators of the format settings.
#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <cctype>
#include <cmath>

namespace {

// A cursor over the text being read.
class Scanner {
public:
    explicit Scanner(std::string_view text) : FText(text) {}

    void SkipBlanks()
    {
        while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t'))
            ++FPos;
    }
    bool AtEnd() const { return FPos >= FText.size(); }
    size_t Position() const { return FPos; }
    void SetPosition(size_t pos) { FPos = pos; }

    bool Char(char c)
    {
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }

    // Up to MaxDigits decimal digits; Digits receives their count.
    bool Number(int& value, size_t& digits, size_t maxDigits = 4)
    {
        value = 0;
        digits = 0;
        while (FPos < FText.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(FText[FPos]))) {
            value = value * 10 + (FText[FPos++] - '0');
            ++digits;
        }
        return digits > 0 && !(FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])));
    }

    bool Word(std::string_view word)
    {
        if (word.empty() || FPos + word.size() > FText.size() || !AnsiSameText(FText.substr(FPos, word.size()), word))
            return false;
        FPos += word.size();
        return true;
    }

private:
    std::string_view FText;
    size_t FPos = 0;
};

int CurrentYear()
{
    int year, month, day;
    DecodeDate(Date(), year, month, day);
    return year;
}

int ExpandTwoDigitYear(int year, const TFormatSettings& settings)
{
    int base = CurrentYear() - settings.TwoDigitYearCenturyWindow;
    year += base / 100 * 100;
    if (settings.TwoDigitYearCenturyWindow > 0 && year < base)
        year += 100;
    return year;
}

bool ScanDate(Scanner& scanner, const TFormatSettings& settings, TDateTime& value)
{
    int numbers[3];
    size_t digits[3];
    int count = 0;
    scanner.SkipBlanks();
    while (count < 3) {
        if (!scanner.Number(numbers[count], digits[count]))
            return false;
        ++count;
        // After a separator another number must follow: "12/31/" is not a date.
        if (count == 3 || !scanner.Char(settings.DateSeparator))
            break;
    }
    if (count < 2)
        return false;
    const TDateOrder order = ShortDateOrder(settings.ShortDateFormat);
    int year, month, day;
    size_t yearDigits = 4;
    if (count == 2) {
        year = CurrentYear();
        month = order == TDateOrder::DMY ? numbers[1] : numbers[0];
        day = order == TDateOrder::DMY ? numbers[0] : numbers[1];
    } else if (order == TDateOrder::MDY) {
        month = numbers[0], day = numbers[1], year = numbers[2], yearDigits = digits[2];
    } else if (order == TDateOrder::DMY) {
        day = numbers[0], month = numbers[1], year = numbers[2], yearDigits = digits[2];
    } else {
        year = numbers[0], month = numbers[1], day = numbers[2], yearDigits = digits[0];
    }
    if (yearDigits <= 2)
        year = ExpandTwoDigitYear(year, settings);
    return TryEncodeDate(year, month, day, value);
}

bool ScanAmPm(Scanner& scanner, const TFormatSettings& settings, int& marker)
{
    const size_t before = scanner.Position();
    scanner.SkipBlanks();
    if (scanner.Word(settings.TimeAMString) || scanner.Word("AM"))
        marker = 1;
    else if (scanner.Word(settings.TimePMString) || scanner.Word("PM"))
        marker = 2;
    else
        scanner.SetPosition(before);
    return marker != 0;
}

bool ScanTime(Scanner& scanner, const TFormatSettings& settings, TDateTime& value)
{
    int marker = 0;
    scanner.SkipBlanks();
    ScanAmPm(scanner, settings, marker);
    scanner.SkipBlanks();
    int hour = 0, min = 0, sec = 0, msec = 0;
    size_t digits;
    if (!scanner.Number(hour, digits, 2))
        return false;
    bool separated = false;
    if (scanner.Char(settings.TimeSeparator)) {
        separated = true;
        if (!scanner.Number(min, digits, 2))
            return false;
        if (scanner.Char(settings.TimeSeparator)) {
            if (!scanner.Number(sec, digits, 2))
                return false;
            if (scanner.Char(settings.DecimalSeparator) && !scanner.Number(msec, digits, 3))
                return false;
        }
    }
    if (marker == 0)
        ScanAmPm(scanner, settings, marker);
    if (!separated && marker == 0)
        return false; // a lone number is not a time
    if (marker != 0) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (marker == 2 ? 12 : 0);
    }
    return TryEncodeTime(hour, min, sec, msec, value);
}

bool Finished(Scanner& scanner)
{
    scanner.SkipBlanks();
    return scanner.AtEnd();
}

[[noreturn]] void ThrowInvalid(std::string_view text, const char* what)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

} // namespace

TDateOrder ShortDateOrder(std::string_view ShortDateFormat) noexcept
{
    // Read once per date: found in place, without a lower-cased copy.
    const size_t y = ShortDateFormat.find_first_of("yY");
    const size_t m = ShortDateFormat.find_first_of("mM");
    const size_t d = ShortDateFormat.find_first_of("dD");
    if (y != std::string_view::npos && (m == std::string_view::npos || y < m) && (d == std::string_view::npos || y < d))
        return TDateOrder::YMD;
    if (d != std::string_view::npos && m != std::string_view::npos && d < m)
        return TDateOrder::DMY;
    return TDateOrder::MDY;
}

bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& Settings)
{
    Scanner scanner(S);
    TDateTime date;
    if (!ScanDate(scanner, Settings, date) || !Finished(scanner))
        return false;
    Value = date;
    return true;
}

bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings)
{
    Scanner scanner(S);
    TDateTime time;
    if (!ScanTime(scanner, Settings, time) || !Finished(scanner))
        return false;
    Value = time;
    return true;
}

bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings)
{
    Scanner scanner(S);
    TDateTime date;
    if (!ScanDate(scanner, Settings, date))
        return TryStrToTime(S, Value, Settings);
    TDateTime time = 0;
    if (!Finished(scanner) && !(ScanTime(scanner, Settings, time) && Finished(scanner)))
        return false;
    Value = date < 0 ? date - time : date + time;
    return true;
}

bool TryStrToDate(std::string_view S, TDateTime& Value) { return TryStrToDate(S, Value, FormatSettings()); }
bool TryStrToTime(std::string_view S, TDateTime& Value) { return TryStrToTime(S, Value, FormatSettings()); }
bool TryStrToDateTime(std::string_view S, TDateTime& Value) { return TryStrToDateTime(S, Value, FormatSettings()); }

TDateTime StrToDate(std::string_view S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToDate(S, value, Settings))
        ThrowInvalid(S, "date");
    return value;
}

TDateTime StrToTime(std::string_view S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToTime(S, value, Settings))
        ThrowInvalid(S, "time");
    return value;
}

TDateTime StrToDateTime(std::string_view S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToDateTime(S, value, Settings))
        ThrowInvalid(S, "date and time");
    return value;
}

TDateTime StrToDate(std::string_view S) { return StrToDate(S, FormatSettings()); }
TDateTime StrToTime(std::string_view S) { return StrToTime(S, FormatSettings()); }
TDateTime StrToDateTime(std::string_view S) { return StrToDateTime(S, FormatSettings()); }
