// Number and text conversions of the formula language.
#include "spreadsheet/FormulaText.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <utility>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"
#include "spreadsheet/QuillPars.h"

using rtl::Utf8ToUtf16;

namespace spreadsheet {

bool TextToNumber(std::string_view Text, double& Value, char Separator)
{
    size_t k = 0;
    while (k < Text.size() && Text[k] == ' ') ++k;
    std::string plain;
    bool negative = false;
    if (k < Text.size() && (Text[k] == '+' || Text[k] == '-')) negative = Text[k++] == '-';
    size_t digits = 0;
    while (k < Text.size() && Text[k] >= '0' && Text[k] <= '9') plain += Text[k++], ++digits;
    if (k < Text.size() && Text[k] == Separator) {
        plain += '.';
        ++k;
        while (k < Text.size() && Text[k] >= '0' && Text[k] <= '9') plain += Text[k++], ++digits;
    }
    if (digits == 0) return false;
    bool negativeExponent = false;
    if (k < Text.size() && (Text[k] == 'E' || Text[k] == 'e')) {
        plain += 'e';
        ++k;
        if (k < Text.size() && (Text[k] == '+' || Text[k] == '-')) {
            negativeExponent = Text[k] == '-';
            plain += Text[k++];
        }
        size_t exponentDigits = 0;
        while (k < Text.size() && Text[k] >= '0' && Text[k] <= '9') plain += Text[k++], ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    if (k != Text.size()) return false;
    double v = 0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Too large unless the exponent or an all-zero integer part made it tiny.
        const bool tiny = negativeExponent || plain.find_first_not_of("0.") == plain.find('e');
        v = tiny ? 0.0 : HUGE_VAL;
    } else if (ec != std::errc() || end != plain.data() + plain.size()) {
        return false;
    }
    Value = negative ? -v : v;
    return true;
}

bool TextToNumber(std::u16string_view Text, double& Value, char Separator)
{
    std::string narrow;
    narrow.reserve(Text.size());
    for (char16_t c : Text) {
        if (c > 0x7F) return false;
        narrow += static_cast<char>(c);
    }
    return TextToNumber(narrow, Value, Separator);
}

std::string GeneralNumberText(double Value)
{
    char buffer[64];
    const double size = std::fabs(Value);
    std::to_chars_result written;
    if (Value == 0) return "0";
    if (size >= 1e-5 && size < 1e15) {
        const int integerDigits = static_cast<int>(std::floor(std::log10(size))) + 1;
        const int decimals = std::max(0, 15 - integerDigits);
        written = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, decimals);
    } else {
        written = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::scientific, 14);
    }
    std::string text(buffer, written.ptr);
    const size_t exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    std::string result = (mantissa == "-0" || mantissa.empty()) ? std::string(1, '0') : std::move(mantissa);
    if (exponent != std::string::npos) {
        // "1.5e-07" becomes "1.5E-7".
        std::string_view tail(text.c_str() + exponent + 1);
        const char sign = tail.front() == '-' ? '-' : '+';
        if (tail.front() == '-' || tail.front() == '+') tail.remove_prefix(1);
        while (tail.size() > 1 && tail.front() == '0') tail.remove_prefix(1);
        result += 'E';
        if (sign == '-') result += '-';
        result += tail;
    }
    const char separator = FormatSettings().DecimalSeparator;
    for (char& c : result)
        if (c == '.') c = separator;
    return result;
}

std::u16string TextArgumentOf(double Value)
{
    if (Value == 0) return std::u16string(1, u'\0');
    return Utf8ToUtf16(GeneralNumberText(Value));
}

std::u16string WithoutNul(std::u16string_view Text)
{
    std::u16string result;
    result.reserve(Text.size());
    for (char16_t c : Text)
        if (c != 0) result += c;
    return result;
}

} // namespace spreadsheet

std::string DotDecimalText(std::string_view Text)
{
    const TFormatSettings& settings = FormatSettings();
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        if (c == settings.DecimalSeparator)
            result += '.';
        else if (c != settings.ThousandSeparator)
            result += c;
    }
    return result;
}
