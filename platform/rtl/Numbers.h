// Conversions between numbers and text, and the rounding rules texts and formulas share.
#pragma once

#include "platform/rtl/FormatSettings.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string IntToStr(T Value)
{
    return std::to_string(Value);
}

// Integer texts: leading blanks are skipped, then an optional sign, then decimal digits
// or hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow, not even a
// blank. Hexadecimal texts may use the whole width of the type, so "$FFFFFFFF" is -1 for
// 32 bits. Failures raise EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view S);
int64_t StrToInt64(std::string_view S);
int32_t StrToIntDef(std::string_view S, int32_t Default);
int64_t StrToInt64Def(std::string_view S, int64_t Default);
[[nodiscard]] bool TryStrToInt(std::string_view S, int32_t& Value);
[[nodiscard]] bool TryStrToInt64(std::string_view S, int64_t& Value);

// Lenient integer scan with the syntax above. Returns 0 when the whole text is a
// number, else the 1-based position of the first character that does not fit (one past
// the end when the digits are missing). Value receives the signed value of the digits
// read before that character (0 when there are none).
[[nodiscard]] size_t Val(std::string_view S, int64_t& Value);

// Float texts: optional blanks around, an optional sign, digits with an optional
// decimal separator (the settings' one; no thousands separators), an optional exponent
// "E[sign]digits". "NAN", "INF" and "-INF" (any case) read back what FloatToStr writes.
// Failures raise EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view S);
double StrToFloat(std::string_view S, const TFormatSettings& Settings);
double StrToFloatDef(std::string_view S, double Default);
double StrToFloatDef(std::string_view S, double Default, const TFormatSettings& Settings);
[[nodiscard]] bool TryStrToFloat(std::string_view S, double& Value);
[[nodiscard]] bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// The general format with 15 significant digits: no trailing zeros, scientific form
// ("1E16", "1E-5") when the value is below 0.0001 in size or has more than 15 integer
// digits; "NAN", "INF", "-INF" for the special values; negative zero is "0".
std::string FloatToStr(double Value);
std::string FloatToStr(double Value, const TFormatSettings& Settings);
// Precision is the count of significant digits (1..18); Digits is the minimum count of
// exponent digits for ffGeneral and ffExponent (0..4) and the count of decimals for the
// others (0..18). A value with more than Precision integer digits falls back to the
// general format for ffFixed, ffNumber and ffCurrency.
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings& Settings);

// Pattern formatting: "0" and "#" digit placeholders, "." decimal point, "," thousands
// grouping, "E+00"/"E-00" scientific, "…" and '…' literal text, up to three sections
// separated by ";" for positive, negative and zero values. An empty pattern gives
// FloatToStr. Halves round away from zero at the pattern's last decimal.
std::string FormatFloat(std::string_view Format, double Value);
std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings);

// "True"/"False" in any case, or a number (non-zero is true). Failures raise
// EConvertError "'<text>' is not a valid boolean value".
bool StrToBool(std::string_view S);
[[nodiscard]] bool TryStrToBool(std::string_view S, bool& Value);
// "True"/"False" when UseBoolStrs, else "-1"/"0".
std::string BoolToStr(bool B, bool UseBoolStrs = false);

// Rounds halves to the even neighbour. NaN, infinities and values outside the 64-bit
// range raise EInvalidOp.
int64_t Round(double Value);
// Drops the fraction, with the same range rule as Round.
int64_t Trunc(double Value);
// The integer and fractional parts as doubles, both with the value's sign.
double Int(double Value);
double Frac(double Value);
