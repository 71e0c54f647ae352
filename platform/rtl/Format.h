// printf-like formatting whose format may come from a user: every fault is an EConvertError.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

class Variant;

// One argument of Format: an integer (signed or unsigned, remembering whether it was
// 32-bit for %u and %x), a floating-point value, or text.
class TFormatArg {
public:
    enum Kind { Signed, Unsigned, Float, Text };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    TFormatArg(T value) : FNarrow(sizeof(T) <= 4)
    {
        if constexpr (std::is_signed_v<T>)
            FKind = Signed, FSigned = value;
        else
            FKind = Unsigned, FUnsigned = value;
    }
    TFormatArg(bool) = delete; // no Boolean conversion: say "True" or 1 explicitly
    TFormatArg(double value) : FKind(Float), FFloat(value) {}
    TFormatArg(char value) : FKind(Text), FText(1, value) {}
    TFormatArg(std::string_view value) : FKind(Text), FText(value) {}
    TFormatArg(const std::string& value) : FKind(Text), FText(value) {}
    TFormatArg(const char* value) : FKind(Text), FText(value ? value : "") {}
    // Text for strings, Booleans ("True"/"False") and empty values, numbers by their kind,
    // dates as their day number; Null and error values raise EInvalidCast.
    TFormatArg(const Variant& value);

    Kind ArgKind() const { return FKind; }
    bool Narrow() const { return FNarrow; }
    int64_t SignedValue() const { return FSigned; }
    uint64_t UnsignedValue() const { return FUnsigned; }
    double FloatValue() const { return FFloat; }
    const std::string& TextValue() const { return FText; }

private:
    Kind FKind = Text;
    bool FNarrow = false;
    int64_t FSigned = 0;
    uint64_t FUnsigned = 0;
    double FFloat = 0;
    std::string FText;
};

// Specifiers: "%" [index ":"] ["-"] [width] ["." precision] type, where index, width and
// precision are digits or "*" (taken from the next argument), and type is one of
//   d  decimal integer (precision: minimum digits)
//   u  unsigned decimal (a negative 32-bit argument shows as its 32-bit pattern)
//   x  hexadecimal, upper case, like u (X is the same)
//   e  scientific "-d.ddE+ddd" (precision: significant digits, 15 by default)
//   f  fixed (precision: decimals, 2 by default)
//   g  general, as FloatToStr (precision: significant digits, 15 by default)
//   n  fixed with thousands separators
//   m  currency, with the settings' currency layout and decimals
//   s  text (precision: maximum characters)
// and "%%" writes "%". Width and precision count characters. Integers are accepted by the
// floating-point types; nothing else converts. A bad specifier, a wrong argument kind or
// a width or precision above 100,000 raises EConvertError "Format '<format>' invalid or
// incompatible with argument"; a missing argument raises "No argument for format '<format>'".
std::string Format(std::string_view Fmt, std::span<const TFormatArg> Args, const TFormatSettings& Settings);
std::string Format(std::string_view Fmt, std::span<const TFormatArg> Args);
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args, const TFormatSettings& Settings);
