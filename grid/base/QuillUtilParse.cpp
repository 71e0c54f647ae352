// Locale settings, number texts and R1C1 cell references read out of cell text.
#include "grid/base/QuillUtilParse.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

using namespace grid;

namespace {

// The zero of every run of ten decimal digits in the Basic Multilingual Plane.
constexpr std::array<char32_t, 37> DigitZeros = {
    0x0030, 0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6,
    0x0C66, 0x0CE6, 0x0D66, 0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0,
    0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50, 0x1BB0, 0x1C40, 0x1C50, 0xA620,
    0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10,
};

std::u32string DecodeChars(std::string_view text)
{
    std::u32string chars;
    chars.reserve(text.size());
    for (size_t offset = 0; offset < text.size();)
        chars += rtl::Utf8Decode(text, offset);
    return chars;
}

char32_t AsChar(char c)
{
    return static_cast<unsigned char>(c);
}

} // namespace

char LocaleDecimalSeparator()
{
    return FormatSettings().DecimalSeparator;
}

char LocaleThousandSeparator()
{
    return FormatSettings().ThousandSeparator;
}

char LocaleDateSeparator()
{
    return FormatSettings().DateSeparator;
}

char LocaleTimeSeparator()
{
    return FormatSettings().TimeSeparator;
}

std::string LocaleShortDateFormat()
{
    return FormatSettings().ShortDateFormat;
}

bool IsDigitChar(char32_t Ch)
{
    const auto above = std::upper_bound(DigitZeros.begin(), DigitZeros.end(), Ch);
    return above != DigitZeros.begin() && Ch - *(above - 1) < 10;
}

bool IsDigitOrMinus(char32_t Ch)
{
    return IsDigitChar(Ch) || Ch == U'-';
}

bool IsNumberChar(char32_t Ch)
{
    return IsDigitChar(Ch) || Ch == AsChar(LocaleThousandSeparator()) || Ch == AsChar(LocaleDecimalSeparator()) ||
           Ch == U'e' || Ch == U'E';
}

bool IsInvariantNumberChar(char32_t Ch)
{
    return IsDigitChar(Ch) || Ch == U'.' || Ch == U'-' || Ch == U'e' || Ch == U'E' || Ch == U'+';
}

bool IsSignedNumberChar(char32_t Ch)
{
    return IsNumberChar(Ch) || Ch == U'+' || Ch == U'-';
}

int ClassifyNumberText(std::string_view Text)
{
    if (Text.empty())
        return ntkNotANumber;
    const char32_t thousand = AsChar(LocaleThousandSeparator());
    const char32_t decimal = AsChar(LocaleDecimalSeparator());
    const std::u32string chars = DecodeChars(Text);

    bool pureInteger = true;
    bool decimalForm = true;
    bool scientificForm = true;
    bool seenExponent = false;
    std::optional<size_t> lastThousand;
    int decimalCount = 0;
    int minusCount = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        const bool digit = IsDigitChar(c);
        const bool exponent = c == U'e' || c == U'E';
        if (c == U'-') {
            ++minusCount;
            if (i > 0) {
                pureInteger = false;
                decimalForm = false;
            }
        } else if (!digit) {
            pureInteger = false;
            if (c != thousand) {
                if (c == decimal)
                    ++decimalCount;
                else
                    decimalForm = false;
            }
        }
        if (c == thousand) {
            // Thousand separators need at least three characters between them.
            if (lastThousand && i - *lastThousand <= 3)
                decimalForm = false;
            lastThousand = i;
            scientificForm = false;
        }
        if (exponent) {
            if (seenExponent || i == 0)
                scientificForm = false;
            seenExponent = true;
        }
        if (i + 1 == chars.size() && (exponent || c == U'+' || c == U'-'))
            scientificForm = false;
        if (!IsSignedNumberChar(c))
            scientificForm = false;
    }
    if (pureInteger)
        return ntkInteger;
    int kind = (!decimalForm || seenExponent) ? ntkNotANumber : ntkDecimal;
    if (scientificForm && seenExponent) {
        kind = ntkScientific;
        // One sign for the mantissa and one for the exponent.
        if (minusCount == 2)
            minusCount = 1;
    }
    if (minusCount > 1 || decimalCount > 1)
        return ntkNotANumber;
    return kind;
}

std::string NormalizeNumberText(std::string_view Text)
{
    if (Text.empty())
        return {};
    std::u32string chars = DecodeChars(Trim(Text));
    bool negative = chars.size() >= 2 && chars.front() == U'(' && chars.back() == U')';
    size_t first = 0;
    while (chars.size() - first >= 2 && !IsNumberChar(chars[first])) {
        if (chars[first] == U'-')
            negative = true;
        ++first;
    }
    const char32_t thousand = AsChar(LocaleThousandSeparator());
    const char32_t decimal = AsChar(LocaleDecimalSeparator());
    std::string number;
    for (size_t i = first; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == thousand)
            continue;
        if (c == decimal)
            number += '.';
        else if (IsInvariantNumberChar(c))
            rtl::Utf8Append(number, c);
        else
            break;
    }
    return negative ? "-" + number : number;
}

std::string ToInvariantNumberText(std::string_view Text)
{
    const char thousand = LocaleThousandSeparator();
    const char decimal = LocaleDecimalSeparator();
    std::string out;
    out.reserve(Text.size());
    for (char c : Text) {
        if (c == decimal)
            out += '.';
        else if (c != thousand)
            out += c;
    }
    return out;
}

bool ParseRowColAddress(std::string_view Text, TPoint& Point)
{
    const std::string upper = UpperCase(Text);
    if (upper.size() <= 3 || upper[0] != 'R')
        return false;
    const size_t c = upper.find('C', 1);
    if (c == std::string::npos)
        return false;
    int32_t row = 0;
    int32_t col = 0;
    if (!TryStrToInt(std::string_view(upper).substr(1, c - 1), row) ||
        !TryStrToInt(std::string_view(upper).substr(c + 1), col))
        return false;
    Point.X = col;
    Point.Y = row;
    return true;
}

namespace {

// Up to this many digits a decimal's digits make an integer that a double
// holds exactly (below 2^53).
constexpr std::size_t ExactDigits = 15;
constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool grid::ReadPlainDecimal(std::string_view Text, double& Value)
{
    if (LocaleDecimalSeparator() != '.' || Text.empty()) return false;
    const bool negative = Text[0] == '-';
    std::size_t i = negative ? 1 : 0;
    const std::size_t digits = i;
    std::uint64_t mantissa = 0;
    std::size_t count = 0;
    std::size_t fractionDigits = 0;
    while (i < Text.size() && IsAsciiDigit(Text[i])) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(Text[i++] - '0');
        ++count;
        if (count > ExactDigits) break;
    }
    while (i < Text.size() && IsAsciiDigit(Text[i])) ++i;
    if (i == digits) return false;
    if (i < Text.size() && Text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < Text.size() && IsAsciiDigit(Text[i])) {
            if (count <= ExactDigits) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(Text[i] - '0');
                ++count;
                ++fractionDigits;
            }
            ++i;
        }
        if (i == fraction) return false;
    }
    if (i != Text.size()) return false;
    // Both the digits and the power of ten are exact doubles, so the one
    // division rounds correctly, as the general reader does.
    if (count <= ExactDigits) {
        const double value = static_cast<double>(mantissa) / PowersOfTen[fractionDigits];
        Value = negative ? -value : value;
        return true;
    }
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return error == std::errc() && end == Text.data() + Text.size();
}

