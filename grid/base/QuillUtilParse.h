// Locale settings, number texts and R1C1 cell references read out of cell text.
#pragma once

#include "platform/graphics/Types.h"

#include <string>
#include <string_view>

// The process format settings, read afresh at every call so a locale change takes
// effect at once.
char LocaleDecimalSeparator();
char LocaleThousandSeparator();
char LocaleDateSeparator();
char LocaleTimeSeparator();
std::string LocaleShortDateFormat();

// A Unicode decimal digit.
bool IsDigitChar(char32_t Ch);
bool IsDigitOrMinus(char32_t Ch);
// A digit, the locale thousand or decimal separator, "e" or "E".
bool IsNumberChar(char32_t Ch);
// A digit, ".", "-", "e", "E" or "+".
bool IsInvariantNumberChar(char32_t Ch);
// IsNumberChar, "+" or "-".
bool IsSignedNumberChar(char32_t Ch);

namespace grid {

// Results of ClassifyNumberText.
enum NumberTextKind : int {
    ntkInteger = 0,
    ntkDecimal = 1,
    ntkNotANumber = 2,
    ntkScientific = 5,
};

// "-12" or "3.25" under a "." decimal separator: a number by any reading,
// taken without the general classification, to the same double the general
// readers give. False for anything else.
bool ReadPlainDecimal(std::string_view Text, double& Value);

} // namespace grid

// Whether Text is a number under the locale separators, and of which kind.
int ClassifyNumberText(std::string_view Text);
// Reduces a cell text ("(1.234,50)", "USD 12", "12 kg") to a number text with "." as
// decimal point and "-" for negatives.
std::string NormalizeNumberText(std::string_view Text);
// The locale decimal separator becomes "." and locale thousand separators are dropped.
std::string ToInvariantNumberText(std::string_view Text);

// Reads "R<row>C<column>" (any case) into X = column, Y = row; False leaves Point alone.
bool ParseRowColAddress(std::string_view Text, TPoint& Point);
