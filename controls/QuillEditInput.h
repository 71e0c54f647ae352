// The typed edit's value rules as pure functions: number kinds, number texts,
// the formatting of written values, money grouping and the typing rules that
// decide on one character from the value and the caret.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/QuillEditTypes.h"

namespace controls {

enum class TNumberKind { Integer, Decimal, Hexadecimal, Other };

// What a text looks like as a number under the process-wide separators.
TNumberKind NumberKindOf(std::string_view Text);
// The text as a number, thousand separators ignored; 0 when it is no number.
double TextToNumber(std::string_view Text);
// The leading integer of a text (optional sign, digits); 0 when there is none.
std::int64_t LeadingInteger(std::string_view Text);
// The text as hexadecimal digits in 32 bits; characters that are no digit
// count as 0, and a leading "-" negates the value.
std::int32_t HexValue(std::string_view Text);

// Number texts with the process-wide separators: "%.<d>f", "%.<d>n" and "%g".
std::string FormatFixed(double Value, int Decimals);
std::string FormatThousands(double Value, int Decimals);
std::string FormatGeneral(double Value);

// The settings that shape a written value.
struct TValueFormat {
    TQuillEditType EditType = etString;
    int Precision = 0;
    TPrecisionDisplay PrecisionDisplay = pdNormal;
    bool AllowNumericNullValue = false;
};
// The value as the edit stores it when it is written: empty numbers become 0,
// floats and money amounts take their decimals, hexadecimal goes upper case.
std::string FormatWrittenValue(const TValueFormat& Format, std::string Value);

// The value with its integer digits grouped again (or ungrouped), the sign and
// the fraction kept as typed. The digits are regrouped as text, so long
// amounts keep every digit.
std::u32string RegroupMoney(std::u32string_view Value, bool AutoThousandSeparator);

// The 1-based position of the decimal separator (length + 1 without one) after
// removing thousand separators, less one when CountSign and a "-" is present.
// The integer part is full when this exceeds the length limit.
int IntegerPartLength(std::u32string_view Value, bool CountSign);

// A thousand or decimal separator may be typed at Caret only exactly three
// characters from the nearest thousand separator (always, without one).
bool SeparatorPlacementAllows(std::u32string_view Value, int Caret);
// All decimals are typed and the caret stands among them.
bool DecimalsFull(std::u32string_view Value, int Caret, int Precision);
// ",", "-" and ";" of a range text may not open it or stand beside another.
bool RangeSeparatorAllows(std::u32string_view Value, int Caret);
// Capitalises each word ("ronald mcdonald ii" becomes "Ronald McDonald II").
std::u32string MixedCase(std::u32string_view Text);
// The text looks like an address: it holds "://", an "@" after its first
// character, or starts with "www." in any case.
bool LooksLikeURL(std::string_view Text);

// The value of a display text: the prefix taken off when the text starts with
// it, the suffix by its length, whatever its characters are.
std::string ValueOfDisplay(std::string Display, std::string_view Prefix, std::string_view Suffix);

// Character helpers.
inline bool IsDigit(char32_t C) { return C >= U'0' && C <= U'9'; }
inline bool IsHexLetter(char32_t C) { return (C >= U'A' && C <= U'F') || (C >= U'a' && C <= U'f'); }
inline bool IsAsciiLetter(char32_t C) { return (C >= U'A' && C <= U'Z') || (C >= U'a' && C <= U'z'); }
char32_t DecimalSeparator();
char32_t ThousandSeparator();
std::u32string ToU32(std::string_view Utf8);
std::string ToUtf8(std::u32string_view Text);

} // namespace controls
