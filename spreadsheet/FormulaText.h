// Number and text conversions of the formula language, independent of the C locale.
#pragma once

#include <string>
#include <string_view>

namespace spreadsheet {

// Reads a whole text as a number: optional leading spaces and sign, digits with an
// optional Separator and fraction, an optional "E"/"e" exponent, nothing after. A value
// too large for a double reads as an infinity, one too small as 0.
[[nodiscard]] bool TextToNumber(std::string_view Text, double& Value, char Separator = '.');
[[nodiscard]] bool TextToNumber(std::u16string_view Text, double& Value, char Separator = '.');

// The general form of a number: up to 15 significant digits without trailing zeros,
// fixed notation unless the value is below 0.00001 in size or has more than 15 integer
// digits, with the locale decimal separator.
std::string GeneralNumberText(double Value);

// Text of a value as it becomes an argument of a text function: the general form, or
// one NUL character for 0, which keeps the argument from reading as empty.
std::u16string TextArgumentOf(double Value);

// The text with every NUL character removed.
std::u16string WithoutNul(std::u16string_view Text);

} // namespace spreadsheet
