// The fields of a date or time format and the editing of one field.
#include "platform/ui/DateTimeFields.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/rtl/FormatSettings.h"

namespace ui {

namespace {

struct TParts {
    int year, month, day, hour, minute, second, msec;
};

TParts Split(TDateTime Value)
{
    TParts p{};
    DecodeDateTime(Value, p.year, p.month, p.day, p.hour, p.minute, p.second, p.msec);
    return p;
}

TDateTime Join(const TParts& p)
{
    const int day = std::min(p.day, DaysInAMonth(p.year, p.month));
    return EncodeDateTime(p.year, p.month, day, p.hour, p.minute, p.second, p.msec);
}

int& Slot(TParts& p, TDateField Field)
{
    switch (Field) {
    case TDateField::Day: return p.day;
    case TDateField::Month: return p.month;
    case TDateField::Year: return p.year;
    case TDateField::Hour:
    case TDateField::Hour12:
    case TDateField::AmPm: return p.hour;
    case TDateField::DayName: return p.day;
    case TDateField::Minute: return p.minute;
    default: return p.second;
    }
}

// The least and greatest value of a field.
std::pair<int, int> Range(const TParts& p, TDateField Field)
{
    switch (Field) {
    case TDateField::Day:
    case TDateField::DayName: return {1, DaysInAMonth(p.year, p.month)};
    case TDateField::Hour12: return {1, 12};
    case TDateField::Month: return {1, 12};
    case TDateField::Year: return {1, 9999};
    case TDateField::Hour: return {0, 23};
    default: return {0, 59};
    }
}

int MostDigits(TDateField Field) { return Field == TDateField::Year ? 4 : 2; }

TDateField FieldOf(char Letter)
{
    switch (Letter) {
    case 'd': return TDateField::Day;
    case 'M': return TDateField::Month;
    case 'y': return TDateField::Year;
    case 'H': return TDateField::Hour;
    case 'h': return TDateField::Hour12;
    case 't': return TDateField::AmPm;
    case 'm': return TDateField::Minute;
    case 's': return TDateField::Second;
    default: return TDateField::Literal;
    }
}

} // namespace

TDateTimeFields::TDateTimeFields(std::string_view Format)
{
    auto addLiteral = [this](std::string_view text) {
        if (text.empty()) return;
        if (!FParts.empty() && FParts.back().Field == TDateField::Literal) FParts.back().Literal += text;
        else FParts.push_back({TDateField::Literal, 0, std::string(text)});
    };
    for (size_t i = 0; i < Format.size();) {
        const char c = Format[i];
        if (c == '\'') {
            const size_t end = Format.find('\'', i + 1);
            const size_t stop = end == std::string_view::npos ? Format.size() : end;
            addLiteral(Format.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        const TDateField field = FieldOf(c);
        if (field == TDateField::Literal) {
            addLiteral(Format.substr(i, 1));
            ++i;
            continue;
        }
        size_t run = 1;
        while (i + run < Format.size() && Format[i + run] == c) ++run;
        TDateField kind = field;
        int width = field == TDateField::Year ? (run <= 2 ? 2 : 4) : (run == 1 ? 1 : 2);
        if ((field == TDateField::Day || field == TDateField::Month) && run >= 3) {
            // Names: three letters short, four or more long.
            kind = field == TDateField::Day ? TDateField::DayName : TDateField::Month;
            width = run == 3 ? 3 : 4;
        }
        FEditable.push_back(static_cast<int>(FParts.size()));
        FParts.push_back({kind, width, {}});
        i += run;
    }
}

std::string TDateTimeFields::PartText(const TDateFieldPart& Part, TDateTime Value)
{
    if (Part.Field == TDateField::Literal) return Part.Literal;
    const TFormatSettings& names = FormatSettings();
    TParts p = Split(Value);
    switch (Part.Field) {
    case TDateField::AmPm: {
        const std::string& half = p.hour < 12 ? names.TimeAMString : names.TimePMString;
        return Part.Width == 1 ? half.substr(0, 1) : half;
    }
    case TDateField::DayName: {
        const int day = DayOfWeek(Value) - 1;
        return Part.Width == 3 ? names.ShortDayNames[day] : names.LongDayNames[day];
    }
    case TDateField::Month:
        if (Part.Width == 3) return names.ShortMonthNames[p.month - 1];
        if (Part.Width == 4) return names.LongMonthNames[p.month - 1];
        break;
    case TDateField::Hour12: p.hour = p.hour % 12 == 0 ? 12 : p.hour % 12; break;
    default: break;
    }
    int n = Slot(p, Part.Field);
    if (Part.Field == TDateField::Year && Part.Width == 2) n %= 100;
    std::string digits = std::to_string(n);
    if (Part.Width > 1 && static_cast<int>(digits.size()) < Part.Width)
        digits.insert(0, static_cast<size_t>(Part.Width) - digits.size(), '0');
    return digits;
}

std::string TDateTimeFields::Text(TDateTime Value) const
{
    std::string text;
    for (const TDateFieldPart& part : FParts) text += PartText(part, Value);
    return text;
}

TDateTime TDateTimeFields::Step(TDateTime Value, TDateField Field, int Delta)
{
    if (Field == TDateField::Literal) return Value;
    TParts p = Split(Value);
    p.day = std::min(p.day, DaysInAMonth(p.year, p.month));
    if (Field == TDateField::AmPm) {
        p.hour = (p.hour + 12) % 24;
        return Join(p);
    }
    if (Field == TDateField::Hour12) {
        // Within the half of the day the value is in.
        p.hour = p.hour / 12 * 12 + (((p.hour % 12 + Delta) % 12) + 12) % 12;
        return Join(p);
    }
    const auto [least, most] = Range(p, Field);
    const int span = most - least + 1;
    int& slot = Slot(p, Field);
    slot = least + (((slot - least + Delta) % span) + span) % span;
    return Join(p);
}

TDateTime TDateTimeFields::TypeDigit(TDateTime Value, TDateField Field, int Digit, std::string& Typed)
{
    if (Field == TDateField::Literal || Field == TDateField::AmPm || Field == TDateField::DayName || Digit < 0 ||
        Digit > 9)
        return Value;
    const TParts p = Split(Value);
    const auto [least, most] = Range(p, Field);
    std::string digits = Typed + static_cast<char>('0' + Digit);
    if (static_cast<int>(digits.size()) > MostDigits(Field) || std::stoi(digits) > most)
        digits = std::string(1, static_cast<char>('0' + Digit));
    Typed = digits;
    const int n = std::stoi(digits);
    // The field takes the number once no further digit could keep it valid.
    const bool full = static_cast<int>(digits.size()) == MostDigits(Field) || n * 10 > most;
    return full ? Commit(Value, Field, Typed) : Value;
}

TDateTime TDateTimeFields::Commit(TDateTime Value, TDateField Field, std::string& Typed)
{
    if (Typed.empty() || Field == TDateField::Literal) return Value;
    TParts p = Split(Value);
    const int n = std::stoi(Typed);
    Typed.clear();
    const auto [least, most] = Range(p, Field);
    if (n < least || n > most) return Value;
    // A 12-hour hour keeps the half of the day.
    Slot(p, Field) = Field == TDateField::Hour12 ? p.hour / 12 * 12 + n % 12 : n;
    return Join(p);
}

TDateTime TDateTimeFields::TypeLetter(TDateTime Value, TDateField Field, char32_t Letter)
{
    if (Field != TDateField::AmPm) return Value;
    const TFormatSettings& names = FormatSettings();
    auto starts = [Letter](const std::string& Text, char Default) {
        const char first = Text.empty() ? Default : Text[0];
        return Letter < 128 && std::toupper(static_cast<int>(Letter)) == std::toupper(static_cast<unsigned char>(first));
    };
    TParts p = Split(Value);
    if (starts(names.TimeAMString, 'A') && p.hour >= 12) p.hour -= 12;
    else if (starts(names.TimePMString, 'P') && p.hour < 12) p.hour += 12;
    else return Value;
    return Join(p);
}

} // namespace ui
