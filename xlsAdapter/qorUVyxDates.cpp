// Recognising dates and times in typed-in text, and formatting them in
// either date system.
#include "xlsAdapter/qorUVyxMessages.h"

#include "platform/rtl/DateTime.h"

#include <cmath>

namespace {

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsWholeNumber(std::string_view part)
{
    return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
}

// A time-only value read from "12.30" or "1.2.3" is a number, not a time.
bool IsPlausibleDateText(std::string_view text, double value)
{
    if (std::trunc(value) != 0)
        return true;
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        if (!IsWholeNumber(text.substr(start, dot == std::string_view::npos ? dot : dot - start)))
            return true;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts != 2 && parts != 3;
}

bool Contains(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}

} // namespace

std::string ReplaceUnquoted(std::string_view S, std::string_view OldPattern, std::string_view NewPattern)
{
    std::string result;
    bool quoted = false;
    std::size_t i = 0;
    const auto matchesAt = [&](std::size_t at) {
        if (OldPattern.empty() || at + OldPattern.size() > S.size())
            return false;
        for (std::size_t k = 0; k < OldPattern.size(); ++k)
            if (AsciiUpper(S[at + k]) != AsciiUpper(OldPattern[k]))
                return false;
        return true;
    };
    while (i < S.size()) {
        if (S[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && matchesAt(i)) {
            result += NewPattern;
            i += OldPattern.size();
            continue;
        }
        result += S[i++];
    }
    return result;
}

void EnsureAmPmStrings(TFormatSettings& Settings)
{
    if (Settings.TimeAMString.empty())
        Settings.TimeAMString = "AM";
    if (Settings.TimePMString.empty())
        Settings.TimePMString = "PM";
}

const TFormatSettings& LocaleFormatSettings()
{
    static const TFormatSettings settings = [] {
        TFormatSettings s = FormatSettings();
        EnsureAmPmStrings(s);
        return s;
    }();
    return settings;
}

bool TryTextToDateTime(std::string_view Text, double& Value, std::string& Format, const TFormatSettings* Settings,
                       std::string_view TimeFormat, std::string_view DateFormat, bool& HasTime, bool& HasDate)
{
    const TFormatSettings& settings = Settings ? *Settings : LocaleFormatSettings();
    const std::string dateFormat(DateFormat.empty() ? std::string_view(settings.ShortDateFormat) : DateFormat);
    const std::string timeFormat =
        ReplaceUnquoted(TimeFormat.empty() ? std::string_view(settings.ShortTimeFormat) : TimeFormat, "AMPM", "AM/PM");
    Value = 0;
    Format.clear();
    HasTime = false;
    HasDate = false;
    TDateTime value = 0;
    if (!TryStrToDateTime(Text, value, LocaleFormatSettings()) || !IsPlausibleDateText(Text, value))
        return false;
    HasDate = (Contains(Text, '.') || Contains(Text, '/') || Contains(Text, '-') ||
               Contains(Text, settings.DateSeparator)) &&
              std::trunc(value) != 0;
    HasTime = Contains(Text, ':') || Contains(Text, settings.TimeSeparator);
    if (!HasDate && !HasTime)
        return false;
    Value = value;
    if (HasDate)
        Format = dateFormat;
    if (HasTime)
        Format += (HasDate ? " " : "") + timeFormat;
    return true;
}

std::string FormatDateTime1904(std::string_view Format, bool Dates1904, const TFormatSettings& Settings, double Value)
{
    try {
        return FormatDateTime(Format, Value + (Dates1904 ? 1462 : 0), Settings);
    } catch (const std::exception&) {
        return "##";
    }
}

std::string FormatDateTime1904Default(std::string_view Format, bool Dates1904, double Value)
{
    return FormatDateTime1904(Format, Dates1904, FormatSettings(), Value);
}
