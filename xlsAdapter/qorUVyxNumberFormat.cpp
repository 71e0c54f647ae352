// Number format rendering: the section for the value is chosen, then walked
// once, each run of characters handed to the float or date-time formatter.
#include "xlsAdapter/qorUVyxNumberFormat.h"

#include "platform/rtl/Numbers.h"
#include "xlsAdapter/qorUVyxMessages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

constexpr const char* NoSection = "###################";
constexpr int MaxSections = 4;

struct TResultCondition {
    bool SupressNeg = false;
    bool SupressNegComp = false;
    bool Complement = false;
    bool Assigned = false;
};

struct TSections {
    std::array<std::string, MaxSections> Text;
    std::array<TResultCondition, MaxSections> Conditions;
    int Count = 0;
};

struct TRenderState {
    bool Dates1904 = false;
    bool HasDate = false;
    bool HasTime = false;
    int* Color = nullptr;
};

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsLiteralChar(char c)
{
    return std::strchr(" !$&'()<=>^{}~", c) != nullptr || static_cast<unsigned char>(c) == 0xB4;
}

bool IsDateChar(char c)
{
    return c != 0 && std::strchr("./:ACDHMNPQSTWY\\", Upper(c)) != nullptr;
}

bool IsNumberChar(char c)
{
    return c != 0 && std::strchr("\"#%*+,-.0?E\\e", c) != nullptr;
}

// A condition at the "[" at Pos; sets Cond and returns true when there is one.
bool ReadCondition(std::string_view format, std::size_t pos, double x, TResultCondition& cond, bool& holds)
{
    static const char* const operators[] = {"<=", "<>", ">=", "<", "=", ">"};
    const std::string_view rest = format.substr(pos + 1);
    for (const char* op : operators) {
        const std::string_view o(op);
        if (!rest.starts_with(o))
            continue;
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos)
            return false;
        double t = 0;
        if (!TryTextToFloat(rest.substr(o.size(), close - o.size()), t))
            return false;
        if (o == "<")
            holds = x < t, cond.SupressNeg = t <= 0, cond.SupressNegComp = true;
        else if (o == "<=")
            holds = x <= t, cond.SupressNeg = t <= 0, cond.SupressNegComp = true;
        else if (o == "<>")
            holds = x != t, cond.SupressNeg = false, cond.SupressNegComp = true;
        else if (o == "=")
            holds = x == t, cond.SupressNeg = true, cond.SupressNegComp = false;
        else if (o == ">")
            holds = x > t, cond.SupressNeg = false, cond.SupressNegComp = t <= 0;
        else
            holds = x >= t, cond.SupressNeg = false, cond.SupressNegComp = t <= 0;
        cond.Complement = !holds;
        cond.Assigned = true;
        return true;
    }
    return false;
}

// Splits the format into up to four sections and picks the one for x.
// Returns the section number, or -1 when none can show the value.
int ChooseSection(std::string_view format, double x, TSections& sections, bool& suppressMinus)
{
    sections = {};
    std::string current;
    int chosenByCondition = -1;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"')
            quoted = !quoted;
        if (quoted || c == '"') {
            current += c;
            continue;
        }
        if (c == '\\' && i + 1 < format.size()) {
            current += format.substr(i, 2);
            ++i;
            continue;
        }
        if (c == '[') {
            if (format.size() - i > 2) {
                TResultCondition& cond = sections.Conditions[static_cast<std::size_t>(sections.Count)];
                bool holds = false;
                if (ReadCondition(format, i, x, cond, holds) && holds && chosenByCondition < 0)
                    chosenByCondition = sections.Count;
            }
            const std::size_t close = format.find(']', i);
            const std::size_t end = close == std::string_view::npos ? format.size() - 1 : close;
            current += format.substr(i, end - i + 1);
            i = end;
            continue;
        }
        if (c == ';') {
            sections.Text[static_cast<std::size_t>(sections.Count)] = current;
            current.clear();
            if (++sections.Count == MaxSections)
                break;
            continue;
        }
        current += c;
    }
    if (sections.Count < MaxSections)
        sections.Text[static_cast<std::size_t>(sections.Count++)] = current;

    const int n = sections.Count;
    const auto& c = sections.Conditions;
    if (chosenByCondition >= 0) {
        suppressMinus = c[static_cast<std::size_t>(chosenByCondition)].SupressNeg;
        return chosenByCondition < n ? chosenByCondition : -1;
    }
    suppressMinus = false;
    int chosen = 1;
    if (!c[0].Assigned && (x > 0 || n < 2 || (x == 0 && n <= 2)))
        chosen = 0;
    else if (c[1].Assigned || (x >= 0 && n > 2))
        chosen = c[2].Assigned ? 3 : 2;
    else
        suppressMinus = n == 2 && c[0].Assigned ? c[0].SupressNegComp : true;
    return chosen < n ? chosen : -1;
}

std::string PlainText(const Variant& value, bool suppressMinus)
{
    if (suppressMinus && value.IsNumeric() && value.AsDouble() < 0)
        return VariantToText(Variant(-value.AsDouble()));
    return VariantToText(value);
}

bool ReadColorTag(std::string_view section, std::size_t& pos, int* color)
{
    static const std::pair<const char*, int> colors[] = {
        {"Black", 0x000000}, {"Cyan", 0xFFFF00},    {"Blue", 0xFF0000},  {"Green", 0x008000},
        {"Magenta", 0xFF00FF}, {"Red", 0x0000FF}, {"White", 0xFFFFFF}, {"Yellow", 0x00FFFF},
    };
    if (!section.starts_with('['))
        return false;
    const std::size_t close = section.find(']');
    if (close == std::string_view::npos)
        return false;
    // Names in any case: other programs write "[RED]".
    const std::string_view name = section.substr(1, close - 1);
    for (const auto& [colorName, value] : colors)
        if (name.size() == std::strlen(colorName) &&
            std::equal(name.begin(), name.end(), colorName, [](char a, char b) { return Upper(a) == Upper(b); })) {
            if (color)
                *color = value;
            pos = close + 1;
            return true;
        }
    return false;
}

// "[$text-locale]" or "[$text]": the text is shown; a locale number the
// settings know changes them for the rest of the section. Settings points at
// long-lived settings, so no section copies them.
bool ReadLocaleOrCurrencyTag(std::string_view s, std::size_t& pos, std::string& out, const TFormatSettings*& settings)
{
    if (s.substr(pos, 2) != "[$")
        return false;
    std::size_t i = pos + 2;
    while (i < s.size() && s[i] != '-' && s[i] != ']')
        ++i;
    out += s.substr(pos + 2, i - pos - 2);
    const std::size_t close = s.find(']', i);
    if (i < s.size() && s[i] == '-' && close != std::string_view::npos) {
        const std::string_view tail = s.substr(i + 1, close - i - 1);
        const std::string_view hex = tail.substr(tail.size() > 4 ? tail.size() - 4 : 0);
        bool allHex = true;
        unsigned locale = 0;
        for (char c : hex) {
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                allHex = false;
            else
                locale = locale * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : Upper(c) - 'A' + 10);
        }
        // US English is the one locale known by number; others keep the settings.
        if (allHex && locale == 0x409)
            settings = &InvariantFormatSettings();
    }
    pos = close == std::string_view::npos ? s.size() : close + 1;
    return true;
}

bool FormatElapsedTime(std::string_view s, std::size_t& pos, double value, std::string& out, bool& hourFlag,
                       TRenderState& state)
{
    if (s[pos] != '[' || pos + 1 >= s.size())
        return false;
    const char letter = Upper(s[pos + 1]);
    if (letter != 'H' && letter != 'M' && letter != 'S')
        return false;
    std::size_t i = pos + 1;
    while (i < s.size() && Upper(s[i]) == letter)
        ++i;
    if (i >= s.size() || s[i] != ']')
        return false;
    const double factor = letter == 'H' ? 24 : letter == 'M' ? 1440 : 86400;
    out += FormatFloat(std::string(i - pos - 1, '0'), std::trunc(value * factor), FormatSettings());
    state.HasTime = true;
    hourFlag = letter == 'H';
    pos = i + 1;
    return true;
}

bool ReadLiteral(std::string_view s, std::size_t& pos, std::string& out)
{
    const char c = s[pos];
    if (IsLiteralChar(c)) {
        out += c;
        ++pos;
    } else if ((c == '\\' || c == '*') && pos + 1 < s.size()) {
        out += s[pos + 1];
        pos += 2;
    } else if (c == '_' && pos + 1 < s.size()) {
        out += ' ';
        pos += 2;
    } else if (c == '"') {
        const std::size_t close = s.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? s.size() : close;
        out += s.substr(pos + 1, end - pos - 1);
        pos = end == s.size() ? end : end + 1;
    } else {
        return false;
    }
    return true;
}

bool FormatDateRun(std::string_view s, std::size_t& pos, double value, std::string& out, bool& hourFlag,
                   const TFormatSettings& settings, TRenderState& state)
{
    std::string pattern;
    std::size_t i = pos;
    while (i < s.size() && IsDateChar(s[i])) {
        const char c = s[i];
        const char u = Upper(c);
        if (c == '\\' && i + 1 < s.size()) {
            pattern += '"';
            pattern += s[i + 1];
            pattern += '"';
            i += 2;
            continue;
        }
        if (u == 'A' && i + 5 <= s.size() && Upper(s[i + 1]) == 'M' && s[i + 2] == '/' && Upper(s[i + 3]) == 'P' &&
            Upper(s[i + 4]) == 'M') {
            pattern += "AMPM";
            state.HasTime = true;
            i += 5;
            continue;
        }
        if (u == 'M' && hourFlag) {
            while (i < s.size() && Upper(s[i]) == 'M') {
                pattern += 'n';
                ++i;
            }
            hourFlag = false;
            state.HasTime = true;
            continue;
        }
        if (u == 'H') {
            hourFlag = true;
            state.HasTime = true;
        } else if (u == 'N' || u == 'S') {
            state.HasTime = true;
        } else if (u == 'C' || u == 'D' || u == 'Y' || u == 'M') {
            state.HasDate = true;
        }
        pattern += c;
        ++i;
    }
    if (i == pos)
        return false;
    TFormatSettings working = settings;
    EnsureAmPmStrings(working);
    out += FormatDateTime1904(pattern, state.Dates1904, working, value);
    pos = i;
    return true;
}

bool FormatNumberRun(std::string_view s, std::size_t& pos, double value, bool suppressMinus, std::string& out)
{
    std::string pattern;
    double working = value;
    std::size_t i = pos;
    while (i < s.size() && IsNumberChar(s[i])) {
        const char c = s[i];
        if (c == '"' && i > pos) {
            const std::size_t close = s.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            pattern += '"';
            for (char q : s.substr(i + 1, end - i - 1))
                if (q != '\\')
                    pattern += q;
            pattern += '"';
            i = end == s.size() ? end : end + 1;
            continue;
        }
        if (c == '"')
            break;
        if ((c == '\\' || c == '*') && i + 1 < s.size()) {
            pattern += '"';
            pattern += s[i + 1];
            pattern += '"';
            i += 2;
            continue;
        }
        if (c == '%')
            working *= 100;
        pattern += c == '?' ? '#' : c;
        ++i;
    }
    if (i == pos)
        return false;
    if (suppressMinus && working < 0)
        working = -working;
    out += FormatFloat(pattern, working, FormatSettings());
    pos = i;
    return true;
}

// A condition bracket was used to choose the section; it shows nothing.
bool SkipConditionBracket(std::string_view s, std::size_t& pos)
{
    if (s[pos] != '[' || pos + 1 >= s.size() || std::strchr("<>=", s[pos + 1]) == nullptr)
        return false;
    const std::size_t close = s.find(']', pos);
    if (close == std::string_view::npos)
        return false;
    pos = close + 1;
    return true;
}

std::string RenderNumberSection(const Variant& value, bool suppressMinus, std::string_view section,
                                TRenderState& state)
{
    const TFormatSettings* settings = &LocaleFormatSettings();
    const double x = value.AsDouble();
    std::size_t pos = 0;
    ReadColorTag(section, pos, state.Color);
    std::string out;
    bool hourFlag = false;
    while (pos < section.size()) {
        if (ReadLocaleOrCurrencyTag(section, pos, out, settings) ||
            FormatElapsedTime(section, pos, x, out, hourFlag, state) || SkipConditionBracket(section, pos) ||
            ReadLiteral(section, pos, out) || FormatDateRun(section, pos, x, out, hourFlag, *settings, state) ||
            FormatNumberRun(section, pos, x, suppressMinus, out))
            continue;
        return PlainText(value, suppressMinus);
    }
    return out;
}

std::string RenderTextSection(const Variant& value, std::string_view format, TRenderState& state)
{
    TSections sections;
    bool suppressMinus = false;
    ChooseSection(format, 0, sections, suppressMinus);
    const bool useFourth = sections.Count == MaxSections;
    const std::string_view section = sections.Text[useFourth ? 3 : 0];
    const std::string text = VariantToText(value);
    if (!useFourth && section.find('@') == std::string_view::npos) {
        std::size_t pos = 0;
        int color = 0;
        if (ReadColorTag(section, pos, &color)) {
            std::string rest(section.substr(pos));
            for (char& c : rest)
                c = Upper(c);
            if ((rest.empty() || rest == "GENERAL") && state.Color)
                *state.Color = color;
        }
        return text;
    }
    std::size_t pos = 0;
    ReadColorTag(section, pos, state.Color);
    const TFormatSettings* settings = &LocaleFormatSettings();
    std::string out;
    while (pos < section.size()) {
        if (ReadLocaleOrCurrencyTag(section, pos, out, settings) || ReadLiteral(section, pos, out))
            continue;
        if (section[pos] == '@') {
            out += text;
            ++pos;
            continue;
        }
        return text;
    }
    return out;
}

std::string ApplyNumberFormatCore(const Variant& Value, std::string_view Format, const TFormatSettings* Settings,
                                  TRenderState& state)
{
    if (Value.IsEmpty() || Value.IsNull())
        return {};
    if (Format.empty())
        return VariantToText(Value);
    switch (Value.VarType()) {
    case varString:
        return RenderTextSection(Value, Format, state);
    case varBoolean:
        return Value.AsBoolean() ? "TRUE" : "FALSE";
    case varInteger:
    case varInt64:
    case varDouble:
    case varCurrency:
    case varDate:
        break;
    default:
        return VariantToText(Value);
    }
    const double x = Value.AsDouble();
    TSections sections;
    bool suppressMinus = false;
    const int chosen = ChooseSection(Format, x, sections, suppressMinus);
    if (chosen < 0)
        return NoSection;
    const std::string& section = sections.Text[static_cast<std::size_t>(chosen)];
    std::string upper = section;
    for (char& c : upper)
        c = Upper(c);
    const TFormatSettings& system = Settings ? *Settings : LocaleFormatSettings();
    if (upper.find("[$-F800]") != std::string::npos) {
        state.HasDate = true;
        return FormatDateTime1904(system.LongDateFormat, state.Dates1904, system, x);
    }
    if (upper.find("[$-F400]") != std::string::npos) {
        state.HasTime = true;
        return FormatDateTime1904(system.LongTimeFormat, state.Dates1904, system, x);
    }
    if (Value.VarType() == varDate && x < 0)
        return NoSection;
    return RenderNumberSection(Value, suppressMinus, section, state);
}

} // namespace

std::string ApplyNumberFormat(const Variant& Value, std::string_view Format, bool Dates1904,
                              const TFormatSettings* Settings, int& Color)
{
    TRenderState state;
    state.Dates1904 = Dates1904;
    state.Color = &Color;
    return ApplyNumberFormatCore(Value, Format, Settings, state);
}

bool NumberFormatHasDateTime(std::string_view Format, bool& HasDate, bool& HasTime, const TFormatSettings* Settings)
{
    TRenderState state;
    int color = 0;
    state.Color = &color;
    ApplyNumberFormatCore(Variant(10), Format, Settings, state);
    HasDate = state.HasDate;
    HasTime = state.HasTime;
    return HasDate || HasTime;
}
