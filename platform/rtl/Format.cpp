// printf-like formatting whose format may come from a user: every fault is an EConvertError.
#include "platform/rtl/Format.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

namespace {

constexpr int MaxWidth = 100000;

struct Spec {
    bool leftJustify = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

class Formatter {
public:
    Formatter(std::string_view format, std::span<const TFormatArg> args, const TFormatSettings& settings)
        : FFormat(format), FArgs(args), FSettings(settings) {}

    std::string Run();

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError("Format '" + std::string(FFormat) + "' invalid or incompatible with argument");
    }
    const TFormatArg& NextArg()
    {
        if (FArgIndex >= FArgs.size())
            throw EConvertError("No argument for format '" + std::string(FFormat) + "'");
        return FArgs[FArgIndex++];
    }
    // Digits or "*" (the next argument); nothing when neither is there.
    std::optional<int> NumberOrStar();
    Spec ParseSpec();
    std::string Convert(const Spec& spec, const TFormatArg& arg) const;
    std::string IntegerText(const Spec& spec, const TFormatArg& arg) const;
    std::string FloatText(const Spec& spec, double value) const;

    std::string_view FFormat;
    std::span<const TFormatArg> FArgs;
    const TFormatSettings& FSettings;
    size_t FPos = 0;
    size_t FArgIndex = 0;
};

std::optional<int> Formatter::NumberOrStar()
{
    if (FPos < FFormat.size() && FFormat[FPos] == '*') {
        ++FPos;
        const TFormatArg& arg = NextArg();
        if (arg.ArgKind() != TFormatArg::Signed && arg.ArgKind() != TFormatArg::Unsigned)
            Invalid();
        if (arg.ArgKind() == TFormatArg::Unsigned && arg.UnsignedValue() > static_cast<uint64_t>(MaxWidth))
            Invalid();
        const int64_t value = arg.ArgKind() == TFormatArg::Signed ? arg.SignedValue()
                                                                  : static_cast<int64_t>(arg.UnsignedValue());
        if (value > MaxWidth || value < -MaxWidth)
            Invalid();
        return static_cast<int>(value);
    }
    if (FPos >= FFormat.size() || !std::isdigit(static_cast<unsigned char>(FFormat[FPos])))
        return std::nullopt;
    int value = 0;
    while (FPos < FFormat.size() && std::isdigit(static_cast<unsigned char>(FFormat[FPos]))) {
        value = value * 10 + (FFormat[FPos++] - '0');
        if (value > MaxWidth)
            Invalid();
    }
    return value;
}

Spec Formatter::ParseSpec()
{
    Spec spec;
    // An index is digits or "*" followed by ":"; otherwise they are the width.
    size_t afterDigits = FPos;
    while (afterDigits < FFormat.size() && std::isdigit(static_cast<unsigned char>(FFormat[afterDigits])))
        ++afterDigits;
    const bool digitIndex = afterDigits > FPos && afterDigits < FFormat.size() && FFormat[afterDigits] == ':';
    const bool starIndex = FPos + 1 < FFormat.size() && FFormat[FPos] == '*' && FFormat[FPos + 1] == ':';
    if (digitIndex || starIndex) {
        const int index = *NumberOrStar();
        ++FPos; // the ':'
        if (index < 0)
            Invalid();
        FArgIndex = static_cast<size_t>(index);
    }
    if (FPos < FFormat.size() && FFormat[FPos] == '-') {
        spec.leftJustify = true;
        ++FPos;
    }
    if (const std::optional<int> width = NumberOrStar()) {
        // A negative width from "*" left-justifies.
        spec.leftJustify = spec.leftJustify || *width < 0;
        spec.width = std::abs(*width);
    }
    if (FPos < FFormat.size() && FFormat[FPos] == '.') {
        ++FPos;
        // "." alone is precision 0; a negative precision from "*" means the default.
        const std::optional<int> precision = NumberOrStar();
        spec.precision = !precision ? 0 : std::max(*precision, -1);
    }
    if (FPos >= FFormat.size())
        Invalid();
    spec.type = static_cast<char>(std::tolower(static_cast<unsigned char>(FFormat[FPos++])));
    return spec;
}

std::string Formatter::IntegerText(const Spec& spec, const TFormatArg& arg) const
{
    const bool isSigned = arg.ArgKind() == TFormatArg::Signed;
    uint64_t magnitude;
    bool negative = false;
    if (spec.type == 'd') {
        negative = isSigned && arg.SignedValue() < 0;
        magnitude = !isSigned ? arg.UnsignedValue()
                              : (negative ? 0ULL - static_cast<uint64_t>(arg.SignedValue())
                                          : static_cast<uint64_t>(arg.SignedValue()));
    } else {
        magnitude = isSigned ? static_cast<uint64_t>(arg.SignedValue()) : arg.UnsignedValue();
        if (arg.Narrow())
            magnitude &= 0xFFFFFFFFULL;
    }
    std::string digits = spec.type == 'x' ? IntToHex(static_cast<int64_t>(magnitude), 0) : std::to_string(magnitude);
    if (spec.precision > static_cast<int>(digits.size()))
        digits.insert(0, static_cast<size_t>(spec.precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

std::string Formatter::FloatText(const Spec& spec, double value) const
{
    switch (spec.type) {
    case 'e':
        return FloatToStrF(value, ffExponent, spec.precision < 0 ? 15 : spec.precision, 3, FSettings);
    case 'f':
        return FloatToStrF(value, ffFixed, 18, spec.precision < 0 ? 2 : spec.precision, FSettings);
    case 'g':
        return FloatToStrF(value, ffGeneral, spec.precision < 0 ? 15 : spec.precision, 0, FSettings);
    case 'n':
        return FloatToStrF(value, ffNumber, 18, spec.precision < 0 ? 2 : spec.precision, FSettings);
    default: // 'm'
        return FloatToStrF(value, ffCurrency, 18, spec.precision < 0 ? FSettings.CurrencyDecimals : spec.precision,
                           FSettings);
    }
}

std::string Formatter::Convert(const Spec& spec, const TFormatArg& arg) const
{
    const TFormatArg::Kind kind = arg.ArgKind();
    const bool integer = kind == TFormatArg::Signed || kind == TFormatArg::Unsigned;
    switch (spec.type) {
    case 'd':
    case 'u':
    case 'x':
        if (!integer)
            Invalid();
        return IntegerText(spec, arg);
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm':
        if (kind == TFormatArg::Text)
            Invalid();
        if (kind == TFormatArg::Float)
            return FloatText(spec, arg.FloatValue());
        return FloatText(spec, kind == TFormatArg::Signed ? static_cast<double>(arg.SignedValue())
                                                          : static_cast<double>(arg.UnsignedValue()));
    case 's':
        if (kind != TFormatArg::Text)
            Invalid();
        if (spec.precision >= 0)
            return rtl::Utf8Copy(arg.TextValue(), 1, static_cast<size_t>(spec.precision));
        return arg.TextValue();
    default:
        Invalid();
    }
}

std::string Formatter::Run()
{
    std::string out;
    while (FPos < FFormat.size()) {
        const size_t percent = FFormat.find('%', FPos);
        out.append(FFormat.substr(FPos, percent == std::string_view::npos ? std::string_view::npos : percent - FPos));
        if (percent == std::string_view::npos)
            break;
        FPos = percent + 1;
        if (FPos < FFormat.size() && FFormat[FPos] == '%') {
            out += '%';
            ++FPos;
            continue;
        }
        const Spec spec = ParseSpec();
        const std::string text = Convert(spec, NextArg());
        const size_t length = rtl::Utf8Length(text);
        const size_t pad = spec.width > static_cast<int>(length) ? static_cast<size_t>(spec.width) - length : 0;
        if (!spec.leftJustify)
            out.append(pad, ' ');
        out += text;
        if (spec.leftJustify)
            out.append(pad, ' ');
    }
    return out;
}

} // namespace

TFormatArg::TFormatArg(const Variant& value)
{
    switch (value.VarType()) {
    case varInteger:
    case varInt64:
        *this = TFormatArg(value.AsInt64());
        FNarrow = value.VarType() == varInteger;
        break;
    case varLongWord:
    case varUInt64:
        *this = TFormatArg(value.AsUInt64());
        FNarrow = value.VarType() == varLongWord;
        break;
    case varDouble:
    case varCurrency:
    case varDate:
        *this = TFormatArg(value.AsDouble());
        break;
    default:
        *this = TFormatArg(value.AsString());
        break;
    }
}

std::string Format(std::string_view Fmt, std::span<const TFormatArg> Args, const TFormatSettings& Settings)
{
    return Formatter(Fmt, Args, Settings).Run();
}

std::string Format(std::string_view Fmt, std::span<const TFormatArg> Args)
{
    return Format(Fmt, Args, FormatSettings());
}

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args)
{
    return Format(Fmt, std::span<const TFormatArg>(Args.begin(), Args.size()), FormatSettings());
}

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args, const TFormatSettings& Settings)
{
    return Format(Fmt, std::span<const TFormatArg>(Args.begin(), Args.size()), Settings);
}
