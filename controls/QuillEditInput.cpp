// The typed edit's value rules, free of any window.
#include "controls/QuillEditInput.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

namespace controls {

char32_t DecimalSeparator() { return static_cast<unsigned char>(FormatSettings().DecimalSeparator); }
char32_t ThousandSeparator() { return static_cast<unsigned char>(FormatSettings().ThousandSeparator); }

std::u32string ToU32(std::string_view Utf8)
{
    std::u32string out;
    for (size_t i = 0; i < Utf8.size();)
        out.push_back(rtl::Utf8Decode(Utf8, i));
    return out;
}

std::string ToUtf8(std::u32string_view Text)
{
    std::string out;
    for (char32_t c : Text)
        rtl::Utf8Append(out, c);
    return out;
}

TNumberKind NumberKindOf(std::string_view Text)
{
    if (Text.empty()) return TNumberKind::Other;
    const std::u32string text = ToU32(Text);
    const char32_t thousand = ThousandSeparator(), decimal = DecimalSeparator();
    bool isInteger = true, isDecimal = true, isHex = true;
    int minus = 0, decimals = 0;
    int previousThousand = -1;
    for (size_t index = 0; index < text.size(); ++index) {
        const char32_t c = text[index];
        const int position = static_cast<int>(index) + 1;
        if (c != U'-' && !IsDigit(c)) isInteger = false;
        if (c != U',' && c != U'-' && c != U'.' && !IsDigit(c)) isDecimal = false;
        if (c != U'-' && !IsDigit(c) && !IsHexLetter(c)) isHex = false;
        if (c == thousand) {
            if (position - previousThousand < 3) isDecimal = false;
            previousThousand = position;
        }
        if (c == U'-') ++minus;
        if (c == decimal) ++decimals;
    }
    if (minus > 1 || decimals > 1) return TNumberKind::Other;
    if (isInteger) return TNumberKind::Integer;
    if (isDecimal) return TNumberKind::Decimal;
    if (isHex) return TNumberKind::Hexadecimal;
    return TNumberKind::Other;
}

double TextToNumber(std::string_view Text)
{
    std::string plain;
    const char thousand = FormatSettings().ThousandSeparator;
    for (char c : Text)
        if (c != thousand) plain.push_back(c);
    double value = 0;
    if (!TryStrToFloat(plain, value) || !std::isfinite(value)) return 0;
    return value;
}

std::int64_t LeadingInteger(std::string_view Text)
{
    size_t i = 0;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
    // Saturates instead of overflowing: the caller narrows the result anyway.
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max() + std::int64_t{1};
    std::int64_t value = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i)
        value = std::min(limit, value * 10 + (Text[i] - '0'));
    return negative ? -value : std::min(value, limit - 1);
}

std::int32_t HexValue(std::string_view Text)
{
    std::uint32_t value = 0;
    const bool negative = !Text.empty() && Text.front() == '-';
    for (char c : Text.substr(negative ? 1 : 0)) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = static_cast<std::uint32_t>(c - 'a' + 10);
        value = value * 16 + digit;
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::string FormatFixed(double Value, int Decimals) { return Format("%.*f", {Decimals, Value}); }
std::string FormatThousands(double Value, int Decimals) { return Format("%.*n", {Decimals, Value}); }
std::string FormatGeneral(double Value) { return Format("%g", {Value}); }

std::string FormatWrittenValue(const TValueFormat& F, std::string Value)
{
    const TQuillEditType kind = F.EditType;
    const bool numeric = kind == etNumeric || kind == etFloat || kind == etMoney || kind == etHex;
    if (Value.empty() && !F.AllowNumericNullValue && numeric) Value.assign(1, '0');
    const bool decimal = kind == etFloat || kind == etMoney;
    if (F.PrecisionDisplay == pdShortest && decimal)
        Value = FormatGeneral(TextToNumber(Value));
    else if (!Value.empty() && (F.Precision > 0 || kind == etMoney)) {
        // A negative precision means the general form for number writes; here it
        // formats money without decimals rather than failing.
        if (kind == etMoney) Value = FormatThousands(TextToNumber(Value), std::max(F.Precision, 0));
        else if (kind == etFloat) Value = FormatFixed(TextToNumber(Value), F.Precision);
    }
    if (kind == etHex) Value = UpperCase(Value);
    return Value;
}

std::u32string RegroupMoney(std::u32string_view Value, bool AutoThousandSeparator)
{
    if (Value.empty()) return {};
    std::u32string_view rest = Value;
    std::u32string sign;
    if (rest.front() == U'-') {
        sign = U"-";
        rest.remove_prefix(1);
    }
    const size_t decimalAt = rest.find(DecimalSeparator());
    std::u32string fraction;
    if (decimalAt != std::u32string_view::npos) fraction = rest.substr(decimalAt, 255);
    std::u32string digits;
    for (char32_t c : rest.substr(0, decimalAt))
        if (IsDigit(c) && !(digits.empty() && c == U'0')) digits.push_back(c);
    if (digits.empty()) digits = U"0";
    std::u32string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (AutoThousandSeparator && i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(ThousandSeparator());
        grouped.push_back(digits[i]);
    }
    return sign + grouped + fraction;
}

int IntegerPartLength(std::u32string_view Value, bool CountSign)
{
    std::u32string plain;
    for (char32_t c : Value)
        if (c != ThousandSeparator()) plain.push_back(c);
    const size_t at = plain.find(DecimalSeparator());
    int length = at == std::u32string::npos ? static_cast<int>(plain.size()) + 1 : static_cast<int>(at) + 1;
    if (CountSign && plain.find(U'-') != std::u32string::npos) --length;
    return length;
}

bool SeparatorPlacementAllows(std::u32string_view Value, int Caret)
{
    const char32_t thousand = ThousandSeparator();
    if (Value.find(thousand) == std::u32string_view::npos) return true;
    std::u32string_view rest = Value;
    int caret = Caret;
    int nearest = static_cast<int>(Value.size());
    for (size_t at; (at = rest.find(thousand)) != std::u32string_view::npos;) {
        const int b = static_cast<int>(at) + 1;
        const int distance = std::abs(b - caret);
        nearest = std::min(nearest, distance);
        if (distance < 3) return false;
        if (b < caret) caret -= b;
        rest.remove_prefix(static_cast<size_t>(b));
    }
    return nearest <= 3;
}

bool DecimalsFull(std::u32string_view Value, int Caret, int Precision)
{
    if (Precision <= 0) return false;
    const size_t at = Value.find(DecimalSeparator());
    if (at == std::u32string_view::npos) return false;
    const int d = static_cast<int>(at) + 1;
    const int length = static_cast<int>(Value.size());
    return Caret >= d && length - d >= Precision && length - Caret <= Precision;
}

bool RangeSeparatorAllows(std::u32string_view Value, int Caret)
{
    auto isSeparator = [](char32_t c) { return c == U',' || c == U'-' || c == U';'; };
    if (Caret <= 0) return false;
    const auto at = static_cast<size_t>(Caret);
    if (at <= Value.size() && isSeparator(Value[at - 1])) return false;
    if (at < Value.size() && isSeparator(Value[at])) return false;
    return true;
}

std::u32string MixedCase(std::u32string_view Text)
{
    static constexpr std::u32string_view breaks = U" \"$')*,-./:\\";
    std::u32string out;
    const int length = static_cast<int>(Text.size());
    bool capitaliseNext = true;
    for (int i = 1; i <= length; ++i) {
        const char32_t c = Text[static_cast<size_t>(i - 1)];
        if (breaks.find(c) != std::u32string_view::npos) {
            out.push_back(c);
            capitaliseNext = true;
        } else {
            out.push_back(capitaliseNext ? rtl::UnicodeUpper(c) : rtl::UnicodeLower(c));
            capitaliseNext = false;
        }
        if (out == U"Mc" || out == U"Mac") capitaliseNext = true;
        if (const size_t at = out.find(U" Mc"); i > 2 && at != std::u32string::npos && static_cast<int>(at) + 3 == i)
            capitaliseNext = true;
        if (i > length - 3) {
            const std::u32string_view done = out;
            if (done.ends_with(U" I") || done.ends_with(U" II")) capitaliseNext = true;
        }
    }
    return out;
}

std::string ValueOfDisplay(std::string Display, std::string_view Prefix, std::string_view Suffix)
{
    if (!Prefix.empty() && Display.starts_with(Prefix)) Display.erase(0, Prefix.size());
    if (!Suffix.empty()) {
        const size_t length = rtl::Utf8Length(Display);
        Display.resize(rtl::Utf8ByteOffset(Display, length - std::min(length, rtl::Utf8Length(Suffix))));
    }
    return Display;
}

bool LooksLikeURL(std::string_view Text)
{
    if (Text.find("://") != std::string_view::npos) return true;
    if (Text.find('@', 1) != std::string_view::npos) return true;
    return Text.size() >= 4 && SameText(Text.substr(0, 4), "www.");
}

} // namespace controls
