// Pattern formatting of doubles ("#,##0.00", "0.00E+00", sections for negative and zero values).
#include "platform/rtl/FloatDigits.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using rtl::TFloatDigits;

// What a section of the pattern asks for, gathered in one pass before writing.
struct SectionLayout {
    int integerPlaces = 0;   // '0' and '#' before the decimal point
    int minIntegerDigits = 0; // placeholders from the first '0' up to the decimal point
    int decimalPlaces = 0;   // placeholders after the decimal point
    int minDecimals = 0;     // up to and including the last '0' after the point
    bool grouping = false;
    bool scientific = false;
};

// Length of a quoted literal starting at i (both quotes included; an unclosed quote runs to the end).
size_t QuotedLength(std::string_view pattern, size_t i)
{
    const size_t close = pattern.find(pattern[i], i + 1);
    return close == std::string_view::npos ? pattern.size() - i : close - i + 1;
}

bool IsExponentAt(std::string_view pattern, size_t i)
{
    return (pattern[i] == 'E' || pattern[i] == 'e') && i + 1 < pattern.size() &&
           (pattern[i + 1] == '+' || pattern[i + 1] == '-');
}

std::vector<std::string_view> SplitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern[i] == '"' || pattern[i] == '\'') {
            i += QuotedLength(pattern, i);
        } else if (pattern[i] == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

SectionLayout Analyse(std::string_view section)
{
    SectionLayout layout;
    bool afterPoint = false;
    int firstZero = -1; // index among the integer placeholders
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '"' || c == '\'') {
            i += QuotedLength(section, i) - 1;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++layout.decimalPlaces;
                if (c == '0')
                    layout.minDecimals = layout.decimalPlaces;
            } else {
                if (c == '0' && firstZero < 0)
                    firstZero = layout.integerPlaces;
                ++layout.integerPlaces;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            layout.grouping = true;
        } else if (IsExponentAt(section, i)) {
            layout.scientific = true;
            break;
        }
    }
    if (firstZero >= 0)
        layout.minIntegerDigits = layout.integerPlaces - firstZero;
    return layout;
}

// Writes the section with the digits decided: the integer digits go right-aligned onto
// the integer placeholders (extra leading digits at the first one), the fraction digits
// onto the placeholders after the point, the exponent where the pattern has it.
std::string WriteSection(std::string_view section, const SectionLayout& layout, const std::string& integerDigits,
                         const std::string& fraction, int exponent, const TFormatSettings& settings)
{
    std::string out;
    const int leading = static_cast<int>(integerDigits.size()) - layout.integerPlaces;
    int integerPlace = 0;
    int fractionPlace = 0;
    bool afterPoint = false;
    auto putIntegerDigit = [&](int index) {
        out += integerDigits[static_cast<size_t>(index)];
        const int remaining = static_cast<int>(integerDigits.size()) - 1 - index;
        if (layout.grouping && !layout.scientific && remaining > 0 && remaining % 3 == 0)
            out += settings.ThousandSeparator;
    };
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '"' || c == '\'') {
            const size_t close = std::min(section.find(c, i + 1), section.size());
            out.append(section.substr(i + 1, close - i - 1));
            i = close;
        } else if ((c == '0' || c == '#') && !afterPoint) {
            if (integerPlace == 0)
                for (int index = 0; index < leading; ++index)
                    putIntegerDigit(index);
            // Placeholders past the exponent are not counted by Analyse and
            // have no digit left to show.
            const int index = leading + integerPlace;
            if (index >= 0 && index < static_cast<int>(integerDigits.size()))
                putIntegerDigit(index);
            ++integerPlace;
        } else if ((c == '0' || c == '#') && afterPoint) {
            if (fractionPlace < static_cast<int>(fraction.size()))
                out += fraction[static_cast<size_t>(fractionPlace)];
            ++fractionPlace;
        } else if (c == '.') {
            if (!afterPoint && !fraction.empty())
                out += settings.DecimalSeparator;
            afterPoint = true;
        } else if (c == ',') {
            // grouping flag, not a literal
        } else if (layout.scientific && IsExponentAt(section, i)) {
            size_t zeros = 0;
            while (i + 2 + zeros < section.size() && section[i + 2 + zeros] == '0')
                ++zeros;
            out += rtl::ExponentText(c, exponent, section[i + 1] == '+', static_cast<int>(std::min<size_t>(zeros, 4)));
            i += 1 + zeros;
        } else {
            out += c;
        }
    }
    return out;
}

std::string TrimFraction(std::string fraction, int minDecimals)
{
    while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0')
        fraction.pop_back();
    return fraction;
}

// Formats |value| with one section; Negative asks for a leading minus sign.
std::string FormatWithSection(std::string_view section, double magnitude, bool negative, const TFormatSettings& settings)
{
    const SectionLayout layout = Analyse(section);
    std::string integerDigits;
    std::string fraction;
    int exponent = 0;
    bool isZero;
    if (layout.scientific) {
        const int mantissaIntegers = std::max(layout.integerPlaces, 1);
        TFloatDigits number = rtl::FloatDigits(magnitude, std::max(mantissaIntegers + layout.decimalPlaces, 1));
        isZero = number.digits.empty();
        if (!isZero) {
            exponent = number.exponent - mantissaIntegers;
            number.exponent = mantissaIntegers;
        }
        integerDigits = isZero ? std::string(static_cast<size_t>(std::max(layout.minIntegerDigits, 1)), '0')
                               : rtl::IntegerDigits(number);
        fraction = TrimFraction(rtl::FractionDigits(number, layout.decimalPlaces), layout.minDecimals);
    } else {
        TFloatDigits number = rtl::FloatDigits(magnitude, 15);
        if (number.exponent > 18)
            return (negative ? "-" : "") + FloatToStr(magnitude, settings);
        rtl::RoundToDecimals(number, layout.decimalPlaces);
        isZero = number.digits.empty();
        integerDigits = number.exponent > 0 ? rtl::IntegerDigits(number) : std::string();
        if (static_cast<int>(integerDigits.size()) < layout.minIntegerDigits)
            integerDigits.insert(0, static_cast<size_t>(layout.minIntegerDigits) - integerDigits.size(), '0');
        fraction = TrimFraction(rtl::FractionDigits(number, layout.decimalPlaces), layout.minDecimals);
    }
    const std::string text = WriteSection(section, layout, integerDigits, fraction, exponent, settings);
    return (negative && !isZero) ? "-" + text : text;
}

} // namespace

std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings)
{
    if (!std::isfinite(Value))
        return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
    if (Format.empty())
        return FloatToStr(Value, Settings);
    const std::vector<std::string_view> sections = SplitSections(Format);
    auto present = [&](size_t index) { return index < sections.size() && !sections[index].empty(); };
    if (Value == 0 && present(2))
        return FormatWithSection(sections[2], 0, false, Settings);
    if (Value < 0 && present(1))
        return FormatWithSection(sections[1], -Value, false, Settings);
    return FormatWithSection(sections[0], std::fabs(Value), Value < 0, Settings);
}

std::string FormatFloat(std::string_view Format, double Value) { return FormatFloat(Format, Value, FormatSettings()); }
