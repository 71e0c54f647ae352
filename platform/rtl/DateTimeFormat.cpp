// Writing TDateTime values as text: FormatDateTime and the default date and time texts.
#include "platform/rtl/DateTime.h"

#include "platform/rtl/Strings.h"

#include <cctype>
#include <cmath>

namespace {

struct DateParts {
    int year, month, day, hour, min, sec, msec, dayOfWeek;
};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word)
{
    return at + word.size() <= text.size() && SameText(text.substr(at, word.size()), word);
}

// Does an am/pm marker follow (outside quotes), making h a 12-hour clock?
bool TwelveHourClockAhead(std::string_view format, size_t from)
{
    for (size_t i = from; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"' || c == '\'') {
            const size_t close = format.find(c, i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
        } else if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                   StartsWithNoCase(format, i, "ampm")) {
            return true;
        }
    }
    return false;
}

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

// Writes the case of Pattern onto Word ("AM/PM" gives "PM", "am/pm" gives "pm").
std::string MarkerInCaseOf(std::string_view pattern, std::string_view word)
{
    const bool upper = std::isupper(static_cast<unsigned char>(pattern[0])) != 0;
    return upper ? UpperCase(word) : LowerCase(word);
}

class DateTimeWriter {
public:
    DateTimeWriter(const DateParts& parts, bool midnight, const TFormatSettings& settings)
        : FParts(parts), FMidnight(midnight), FSettings(settings) {}

    void Write(std::string_view format, int depth);
    std::string Result() const { return FOut; }

private:
    // The nested formats (c, ddddd, t, …) may name each other; a depth limit keeps a
    // settings value such as ShortDateFormat "c" from recursing without end.
    static constexpr int MaxDepth = 3;

    size_t WriteToken(std::string_view format, size_t i, int depth);
    int Hour(std::string_view format, size_t after) const;

    const DateParts& FParts;
    bool FMidnight;
    const TFormatSettings& FSettings;
    std::string FOut;
    char FLastToken = 0;
};

void DateTimeWriter::Write(std::string_view format, int depth)
{
    if (depth > MaxDepth)
        return;
    for (size_t i = 0; i < format.size();)
        i = WriteToken(format, i, depth);
}

int DateTimeWriter::Hour(std::string_view format, size_t after) const
{
    if (!TwelveHourClockAhead(format, after))
        return FParts.hour;
    const int hour = FParts.hour % 12;
    return hour == 0 ? 12 : hour;
}

// Writes the token at I and returns the index after it.
size_t DateTimeWriter::WriteToken(std::string_view format, size_t i, int depth)
{
    const char c = Lower(format[i]);
    size_t run = 1;
    while (i + run < format.size() && Lower(format[i + run]) == c)
        ++run;
    const DateParts& p = FParts;
    switch (c) {
    case '"':
    case '\'': {
        const size_t close = std::min(format.find(format[i], i + 1), format.size());
        FOut.append(format.substr(i + 1, close - i - 1));
        return close + 1;
    }
    case 'c':
        Write(FSettings.ShortDateFormat, depth + 1);
        if (!FMidnight) {
            FOut += ' ';
            Write(FSettings.LongTimeFormat, depth + 1);
        }
        FLastToken = c;
        return i + 1;
    case 'd':
        if (run == 1 || run == 2)
            FOut += Padded(p.day, run);
        else if (run == 3)
            FOut += FSettings.ShortDayNames[static_cast<size_t>(p.dayOfWeek - 1)];
        else if (run == 4)
            FOut += FSettings.LongDayNames[static_cast<size_t>(p.dayOfWeek - 1)];
        else if (run == 5)
            Write(FSettings.ShortDateFormat, depth + 1);
        else
            Write(FSettings.LongDateFormat, depth + 1);
        run = std::min<size_t>(run, 6);
        break;
    case 'm':
        run = std::min<size_t>(run, 4);
        if (run <= 2 && FLastToken == 'h')
            FOut += Padded(p.min, run);
        else if (run <= 2)
            FOut += Padded(p.month, run);
        else if (run == 3)
            FOut += FSettings.ShortMonthNames[static_cast<size_t>(p.month - 1)];
        else
            FOut += FSettings.LongMonthNames[static_cast<size_t>(p.month - 1)];
        break;
    case 'y':
        if (run <= 2)
            FOut += Padded(p.year % 100, 2);
        else
            FOut += Padded(p.year, 4);
        run = std::min<size_t>(run, 4);
        break;
    case 'h':
        run = std::min<size_t>(run, 2);
        FOut += Padded(Hour(format, i + run), run);
        break;
    case 'n':
        run = std::min<size_t>(run, 2);
        FOut += Padded(p.min, run);
        break;
    case 's':
        run = std::min<size_t>(run, 2);
        FOut += Padded(p.sec, run);
        break;
    case 'z':
        run = run >= 3 ? 3 : 1;
        FOut += Padded(p.msec, run);
        break;
    case 't':
        run = std::min<size_t>(run, 2);
        Write(run == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth + 1);
        break;
    case 'a':
        if (StartsWithNoCase(format, i, "am/pm")) {
            FOut += MarkerInCaseOf(format.substr(i), p.hour < 12 ? "am" : "pm");
            return i + 5;
        }
        if (StartsWithNoCase(format, i, "a/p")) {
            FOut += MarkerInCaseOf(format.substr(i), p.hour < 12 ? "a" : "p");
            return i + 3;
        }
        if (StartsWithNoCase(format, i, "ampm")) {
            FOut += p.hour < 12 ? FSettings.TimeAMString : FSettings.TimePMString;
            return i + 4;
        }
        FOut += format[i];
        return i + 1;
    case '/':
        FOut += FSettings.DateSeparator;
        return i + 1;
    case ':':
        FOut += FSettings.TimeSeparator;
        return i + 1;
    default:
        FOut += format[i];
        return i + 1;
    }
    FLastToken = c;
    return i + run;
}

DateParts Decode(TDateTime value, bool& midnight)
{
    DateParts p{};
    DecodeDateTime(value, p.year, p.month, p.day, p.hour, p.min, p.sec, p.msec);
    p.dayOfWeek = DayOfWeek(value);
    midnight = p.hour == 0 && p.min == 0 && p.sec == 0 && p.msec == 0;
    return p;
}

} // namespace

std::string FormatDateTime(std::string_view Format, TDateTime Value, const TFormatSettings& Settings)
{
    bool midnight;
    const DateParts parts = Decode(Value, midnight);
    DateTimeWriter writer(parts, midnight, Settings);
    writer.Write(Format.empty() ? std::string_view("c") : Format, 0);
    return writer.Result();
}

std::string FormatDateTime(std::string_view Format, TDateTime Value)
{
    return FormatDateTime(Format, Value, FormatSettings());
}

std::string DateToStr(TDateTime Value, const TFormatSettings& Settings) { return FormatDateTime("ddddd", Value, Settings); }
std::string DateToStr(TDateTime Value) { return DateToStr(Value, FormatSettings()); }
std::string TimeToStr(TDateTime Value, const TFormatSettings& Settings) { return FormatDateTime("tt", Value, Settings); }
std::string TimeToStr(TDateTime Value) { return TimeToStr(Value, FormatSettings()); }
std::string DateTimeToStr(TDateTime Value, const TFormatSettings& Settings) { return FormatDateTime("c", Value, Settings); }
std::string DateTimeToStr(TDateTime Value) { return DateTimeToStr(Value, FormatSettings()); }
