// Text helpers over UTF-8 std::string: character stepping, case, trimming, searching, conversions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Flags of StringReplace; combine with |.
enum TReplaceFlags : unsigned { rfReplaceAll = 1u, rfIgnoreCase = 2u };
constexpr TReplaceFlags operator|(TReplaceFlags a, TReplaceFlags b)
{
    return static_cast<TReplaceFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Byte-indexed routines: positions are 1-based byte offsets, as Pos returns them.

// 1-based byte position of Substr in S at or after Offset; 0 when absent or Substr is empty.
size_t Pos(std::string_view Substr, std::string_view S, size_t Offset = 1);
// Count bytes from 1-based Index; out-of-range parts are clipped, never an error.
std::string Copy(std::string_view S, size_t Index, size_t Count);
void Delete(std::string& S, size_t Index, size_t Count);
// Inserts Source before 1-based Index; an Index past the end appends.
void Insert(std::string_view Source, std::string& S, size_t Index);

// ASCII case (bytes above 127 are left alone).
std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);
// ASCII case-insensitive comparison: <0, 0 or >0.
int CompareText(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);

// Unicode case, with the full mappings (so "ß" upper-cases to "SS"). Bytes that
// are not valid UTF-8 pass through unchanged.
std::string AnsiUpperCase(std::string_view S);
std::string AnsiLowerCase(std::string_view S);
// Unicode case-insensitive comparison (case-folded, then by code point).
int AnsiCompareText(std::string_view S1, std::string_view S2);
bool AnsiSameText(std::string_view S1, std::string_view S2);

// Remove leading and/or trailing characters at or below the blank (controls and spaces).
std::string Trim(std::string_view S);
// The part of S that Trim keeps, without a copy.
std::string_view TrimmedView(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

// Replaces the first (or, with rfReplaceAll, every) occurrence of OldPattern.
// rfIgnoreCase matches character by character with Unicode simple case folding.
std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags = TReplaceFlags{});
// S in single quotes with inner quotes doubled.
std::string QuotedStr(std::string_view S);
std::string StringOfChar(char Ch, int Count);
// Upper-case hexadecimal, at least Digits digits; a negative value shows its two's complement
// in the width of its type (32 or 64 bits).
std::string IntToHex(int32_t Value, int Digits);
std::string IntToHex(int64_t Value, int Digits);

namespace rtl {

// U+FFFD, which stands for every byte or code unit that is not valid text.
constexpr char32_t ReplacementChar = 0xFFFD;

// Decodes the character at Offset and moves Offset past it. An invalid or truncated
// sequence (also overlong forms, surrogates and values above U+10FFFF) yields
// ReplacementChar and advances one byte.
char32_t Utf8Decode(std::string_view S, size_t& Offset);
// Appends the UTF-8 form of Ch; a surrogate or a value above U+10FFFF appends U+FFFD.
void Utf8Append(std::string& Out, char32_t Ch);
std::string Utf8Encode(char32_t Ch);

// Character counting: each invalid byte counts as one character.
size_t Utf8Length(std::string_view S);
// Byte offset of the next / previous character boundary (clamped to 0 and S.size()).
size_t Utf8Next(std::string_view S, size_t Offset);
size_t Utf8Prev(std::string_view S, size_t Offset);
// Byte offset of the 0-based CharIndex-th character; S.size() when past the end.
size_t Utf8ByteOffset(std::string_view S, size_t CharIndex);
// Character index of the character that starts at or contains ByteOffset.
size_t Utf8CharIndex(std::string_view S, size_t ByteOffset);

// Character-indexed editing: Index is 1-based in characters, Count in characters; parts out of range are clipped.
std::string Utf8Copy(std::string_view S, size_t Index, size_t Count);
void Utf8Delete(std::string& S, size_t Index, size_t Count);
void Utf8Insert(std::string_view Source, std::string& S, size_t Index);

// UTF-16: invalid UTF-8 bytes become U+FFFD; unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view S);
std::string Utf16ToUtf8(std::u16string_view S);
// Latin-1 (each byte is the character of the same code). Characters above U+00FF
// become Replacement.
std::string Latin1ToUtf8(std::string_view S);
std::string Utf8ToLatin1(std::string_view S, char Replacement = '?');

// Single-character Unicode helpers (simple mappings).
char32_t UnicodeUpper(char32_t Ch);
char32_t UnicodeLower(char32_t Ch);
bool IsLetter(char32_t Ch);
// Decimal digits, letter-like numbers (Roman numerals) and other numbers (superscripts, fractions).
bool IsNumber(char32_t Ch);

// 1-based byte position of Substr in S at or after Offset, matching with Unicode
// simple case folding; 0 when absent. MatchLength receives the matched byte length.
size_t PosIgnoreCase(std::string_view Substr, std::string_view S, size_t Offset, size_t* MatchLength = nullptr);

} // namespace rtl
