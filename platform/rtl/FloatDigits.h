// Decimal digits of a double, the common ground of every float-to-text routine.
#pragma once

#include <string>

namespace rtl {

struct TFloatDigits {
    bool negative = false;
    std::string digits; // significant digits, no trailing zeros; empty for zero
    int exponent = 0;   // the value is 0.<digits> × 10^exponent
};

// Digits of a finite value: at most Precision significant ones. Up to 15 digits are
// taken from the value correctly rounded to 15 digits and then rounded half away from
// zero, so what the general format shows is what fixed forms round (1.005 → 1.01);
// 16 and 17 come straight from the binary value.
TFloatDigits FloatDigits(double value, int precision);
// Keeps Count leading digits, rounding half away from zero (Count may be 0 or negative).
void RoundDigits(TFloatDigits& number, int count);
inline void RoundToDecimals(TFloatDigits& number, int decimals) { RoundDigits(number, number.exponent + decimals); }

// "E", then the sign ("-" only, or "+"/"-" when AlwaysSign), then at least MinDigits digits.
std::string ExponentText(char letter, int exponent, bool alwaysSign, int minDigits);
// The digits of the integer part (at least "0") and of Decimals decimals.
std::string IntegerDigits(const TFloatDigits& number);
std::string FractionDigits(const TFloatDigits& number, int decimals);
// Inserts Separator between groups of three digits.
std::string GroupThousands(const std::string& integerDigits, char separator);

} // namespace rtl
