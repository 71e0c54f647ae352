// Writing doubles as text: FloatToStr and FloatToStrF.
#include "platform/rtl/FloatDigits.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace rtl {

TFloatDigits FloatDigits(double value, int precision)
{
    TFloatDigits number;
    number.negative = std::signbit(value);
    if (value == 0)
        return number;
    const int generated = std::clamp(precision, 15, 17);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, generated - 1);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer)); // "d.ddde+XX"
    const size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.')
            number.digits += c;
    number.exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
    RoundDigits(number, std::max(precision, 1));
    return number;
}

void RoundDigits(TFloatDigits& number, int count)
{
    std::string& digits = number.digits;
    if (count < static_cast<int>(digits.size())) {
        const bool up = count >= 0 && digits[static_cast<size_t>(count)] >= '5';
        digits.resize(static_cast<size_t>(std::max(count, 0)));
        if (up) {
            int i = count - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
                digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++number.exponent;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        number.exponent = 0;
}

std::string ExponentText(char letter, int exponent, bool alwaysSign, int minDigits)
{
    std::string out(1, letter);
    if (exponent < 0)
        out += '-';
    else if (alwaysSign)
        out += '+';
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    return out + digits;
}

std::string IntegerDigits(const TFloatDigits& number)
{
    if (number.exponent <= 0)
        return "0";
    std::string out = number.digits.substr(0, static_cast<size_t>(number.exponent));
    out.resize(static_cast<size_t>(number.exponent), '0');
    return out;
}

std::string FractionDigits(const TFloatDigits& number, int decimals)
{
    std::string out;
    for (int place = 0; place < decimals; ++place) {
        const int index = number.exponent + place; // index into digits of this decimal
        out += (index >= 0 && index < static_cast<int>(number.digits.size())) ? number.digits[static_cast<size_t>(index)] : '0';
    }
    return out;
}

std::string GroupThousands(const std::string& integerDigits, char separator)
{
    std::string out;
    for (size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0)
            out += separator;
        out += integerDigits[i];
    }
    return out;
}

} // namespace rtl

namespace {

using rtl::TFloatDigits;

std::string SpecialValueText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value > 0 ? "INF" : "-INF";
}

std::string GeneralText(double value, int precision, int exponentDigits, const TFormatSettings& settings)
{
    const TFloatDigits number = rtl::FloatDigits(value, precision);
    if (number.digits.empty())
        return "0";
    std::string out = number.negative ? "-" : "";
    if (number.exponent > precision || number.exponent < -3) {
        out += number.digits[0];
        if (number.digits.size() > 1)
            out += settings.DecimalSeparator + number.digits.substr(1);
        return out + rtl::ExponentText('E', number.exponent - 1, false, exponentDigits);
    }
    out += rtl::IntegerDigits(number);
    const int decimals = static_cast<int>(number.digits.size()) - number.exponent;
    if (decimals > 0)
        out += settings.DecimalSeparator + rtl::FractionDigits(number, decimals);
    return out;
}

std::string ExponentFormText(double value, int precision, int exponentDigits, const TFormatSettings& settings)
{
    TFloatDigits number = rtl::FloatDigits(value, precision);
    std::string digits = number.digits;
    digits.resize(static_cast<size_t>(precision), '0');
    std::string out = (number.negative && !number.digits.empty()) ? "-" : "";
    out += digits[0];
    if (precision > 1)
        out += settings.DecimalSeparator + digits.substr(1);
    const int exponent = number.digits.empty() ? 0 : number.exponent - 1;
    return out + rtl::ExponentText('E', exponent, true, exponentDigits);
}

// The currency layouts, '$' standing for the currency string and '1' for the number.
constexpr std::string_view PositiveCurrencyLayouts[] = {"$1", "1$", "$ 1", "1 $"};
constexpr std::string_view NegativeCurrencyLayouts[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",
                                                        "1-$",  "1$-",  "-1 $", "-$ 1", "1 $-",  "$ 1-",
                                                        "$ -1", "1- $", "($ 1)", "(1 $)"};

std::string ApplyCurrencyLayout(std::string_view layout, const std::string& number, const std::string& currency)
{
    std::string out;
    for (char c : layout) {
        if (c == '$')
            out += currency;
        else if (c == '1')
            out += number;
        else
            out += c;
    }
    return out;
}

} // namespace

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings& Settings)
{
    if (!std::isfinite(Value))
        return SpecialValueText(Value);
    Precision = std::clamp(Precision, 1, 18);
    if (Format == ffGeneral)
        return GeneralText(Value, Precision, std::clamp(Digits, 0, 4), Settings);
    if (Format == ffExponent)
        return ExponentFormText(Value, Precision, std::clamp(Digits, 0, 4), Settings);

    // The fixed forms show at most 15 significant digits; a value whose integer part
    // has more than Precision digits is written in the general form instead.
    TFloatDigits number = rtl::FloatDigits(Value, std::min(Precision, 15));
    if (number.exponent > Precision)
        return GeneralText(Value, Precision, 0, Settings);
    const int decimals = std::clamp(Digits, 0, 18);
    rtl::RoundToDecimals(number, decimals);
    std::string text = rtl::IntegerDigits(number);
    if (Format != ffFixed)
        text = rtl::GroupThousands(text, Settings.ThousandSeparator);
    if (decimals > 0)
        text += Settings.DecimalSeparator + rtl::FractionDigits(number, decimals);
    const bool negative = number.negative && !number.digits.empty();
    if (Format != ffCurrency)
        return negative ? "-" + text : text;
    if (negative) {
        const int layout = (Settings.NegCurrFormat >= 0 && Settings.NegCurrFormat < 16) ? Settings.NegCurrFormat : 0;
        return ApplyCurrencyLayout(NegativeCurrencyLayouts[layout], text, Settings.CurrencyString);
    }
    const int layout = (Settings.CurrencyFormat >= 0 && Settings.CurrencyFormat < 4) ? Settings.CurrencyFormat : 0;
    return ApplyCurrencyLayout(PositiveCurrencyLayouts[layout], text, Settings.CurrencyString);
}

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits)
{
    return FloatToStrF(Value, Format, Precision, Digits, FormatSettings());
}

std::string FloatToStr(double Value, const TFormatSettings& Settings)
{
    return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
}

std::string FloatToStr(double Value) { return FloatToStr(Value, FormatSettings()); }
