// Reading integers, floats and Booleans from text; rounding.
#include "platform/rtl/Numbers.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct IntegerScan {
    uint64_t magnitude = 0;
    bool negative = false;
    bool hexadecimal = false;
    size_t badPosition = 0; // 0-based index of the first unfitting character; npos when all fit
};

// Scans an integer whose magnitude may not exceed Limit (hexadecimal texts may use
// HexLimit, the full unsigned width).
IntegerScan ScanInteger(std::string_view s, uint64_t limit, uint64_t hexLimit)
{
    IntegerScan scan;
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        scan.negative = s[i++] == '-';
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        scan.hexadecimal = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        scan.hexadecimal = true;
        i += 2;
    }
    const size_t firstDigit = i;
    const uint64_t base = scan.hexadecimal ? 16 : 10;
    const uint64_t maximum = scan.hexadecimal ? hexLimit : limit;
    for (; i < s.size(); ++i) {
        const int digit = scan.hexadecimal ? HexValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (digit < 0 || scan.magnitude > (maximum - static_cast<uint64_t>(digit)) / base)
            break;
        scan.magnitude = scan.magnitude * base + static_cast<uint64_t>(digit);
    }
    scan.badPosition = (i == s.size() && i > firstDigit) ? std::string_view::npos : i;
    return scan;
}

template <typename Int>
bool TryStrToInteger(std::string_view s, Int& value)
{
    using Unsigned = std::make_unsigned_t<Int>;
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<Int>::max()) + 1; // for the minimum
    const IntegerScan scan = ScanInteger(s, limit, std::numeric_limits<Unsigned>::max());
    if (scan.badPosition != std::string_view::npos)
        return false;
    if (!scan.hexadecimal && !scan.negative && scan.magnitude == limit)
        return false;
    // Two's complement wrap: "$FFFFFFFF" is -1 and "-5" is the negation of 5.
    Unsigned bits = static_cast<Unsigned>(scan.magnitude);
    if (scan.negative)
        bits = static_cast<Unsigned>(Unsigned{0} - bits);
    value = static_cast<Int>(bits);
    return true;
}

[[noreturn]] void ThrowNotInteger(std::string_view s)
{
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

[[noreturn]] void ThrowNotFloat(std::string_view s)
{
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
}

// Reads the float syntax into a "C"-locale text for strtod_l; empty when malformed.
std::string NormaliseFloatText(std::string_view s, char decimalSeparator)
{
    size_t first = 0;
    size_t end = s.size();
    while (first < end && IsBlank(s[first]))
        ++first;
    while (end > first && IsBlank(s[end - 1]))
        --end;
    std::string out;
    size_t i = first;
    if (i < end && (s[i] == '+' || s[i] == '-'))
        out += s[i++];
    size_t mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < end; ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            out += s[i];
            ++mantissaDigits;
        } else if (s[i] == decimalSeparator && !seenPoint) {
            out += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < end && (s[i] == '+' || s[i] == '-'))
            out += s[i++];
        size_t exponentDigits = 0;
        for (; i < end && s[i] >= '0' && s[i] <= '9'; ++i, ++exponentDigits)
            out += s[i];
        if (exponentDigits == 0)
            return {};
    }
    return i == end ? out : std::string();
}

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

int64_t CheckedToInt64(double value)
{
    // -2^63 and 2^63 are exact doubles; the range is [-2^63, 2^63).
    if (std::isnan(value) || value < -9223372036854775808.0 || value >= 9223372036854775808.0)
        throw EInvalidOp("Invalid floating point operation");
    return static_cast<int64_t>(value);
}

} // namespace

bool TryStrToInt(std::string_view S, int32_t& Value) { return TryStrToInteger(S, Value); }
bool TryStrToInt64(std::string_view S, int64_t& Value) { return TryStrToInteger(S, Value); }

int32_t StrToInt(std::string_view S)
{
    int32_t value;
    if (!TryStrToInt(S, value))
        ThrowNotInteger(S);
    return value;
}

int64_t StrToInt64(std::string_view S)
{
    int64_t value;
    if (!TryStrToInt64(S, value))
        ThrowNotInteger(S);
    return value;
}

int32_t StrToIntDef(std::string_view S, int32_t Default)
{
    int32_t value;
    return TryStrToInt(S, value) ? value : Default;
}

int64_t StrToInt64Def(std::string_view S, int64_t Default)
{
    int64_t value;
    return TryStrToInt64(S, value) ? value : Default;
}

size_t Val(std::string_view S, int64_t& Value)
{
    constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const IntegerScan scan = ScanInteger(S, limit, std::numeric_limits<uint64_t>::max());
    const int64_t magnitude = static_cast<int64_t>(scan.magnitude); // hex may wrap, as in StrToInt64
    Value = scan.negative ? static_cast<int64_t>(0ULL - static_cast<uint64_t>(magnitude)) : magnitude;
    return scan.badPosition == std::string_view::npos ? 0 : scan.badPosition + 1;
}

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings)
{
    const std::string text = NormaliseFloatText(S, Settings.DecimalSeparator);
    if (text.empty()) {
        const std::string word = UpperCase(Trim(S));
        if (word == "NAN")
            Value = std::numeric_limits<double>::quiet_NaN();
        else if (word == "INF" || word == "+INF")
            Value = std::numeric_limits<double>::infinity();
        else if (word == "-INF")
            Value = -std::numeric_limits<double>::infinity();
        else
            return false;
        return true;
    }
    const double result = strtod_l(text.c_str(), nullptr, CLocale());
    if (std::isinf(result))
        return false; // too large for a double
    Value = result;
    return true;
}

bool TryStrToFloat(std::string_view S, double& Value) { return TryStrToFloat(S, Value, FormatSettings()); }

double StrToFloat(std::string_view S, const TFormatSettings& Settings)
{
    double value;
    if (!TryStrToFloat(S, value, Settings))
        ThrowNotFloat(S);
    return value;
}

double StrToFloat(std::string_view S) { return StrToFloat(S, FormatSettings()); }

double StrToFloatDef(std::string_view S, double Default, const TFormatSettings& Settings)
{
    double value;
    return TryStrToFloat(S, value, Settings) ? value : Default;
}

double StrToFloatDef(std::string_view S, double Default) { return StrToFloatDef(S, Default, FormatSettings()); }

bool TryStrToBool(std::string_view S, bool& Value)
{
    if (SameText(S, "True")) {
        Value = true;
        return true;
    }
    if (SameText(S, "False")) {
        Value = false;
        return true;
    }
    double number;
    if (TryStrToFloat(S, number) && !std::isnan(number)) {
        Value = number != 0;
        return true;
    }
    return false;
}

bool StrToBool(std::string_view S)
{
    bool value;
    if (!TryStrToBool(S, value))
        throw EConvertError("'" + std::string(S) + "' is not a valid boolean value");
    return value;
}

std::string BoolToStr(bool B, bool UseBoolStrs)
{
    if (UseBoolStrs)
        return B ? "True" : "False";
    return B ? "-1" : "0";
}

int64_t Round(double Value) { return CheckedToInt64(std::nearbyint(Value)); }

int64_t Trunc(double Value) { return CheckedToInt64(std::trunc(Value)); }

double Int(double Value) { return std::trunc(Value); }

double Frac(double Value) { return Value - std::trunc(Value); }
