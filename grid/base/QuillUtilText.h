// Searching, counting and small conversions on cell text.
#pragma once

#include "platform/graphics/Colors.h"

#include <string>
#include <string_view>

class TStrings;
struct TGridRect;

// Text is UTF-8. Positions are 1-based byte positions, the same as Pos, Copy and
// Delete count them, so a result can be handed to those directly; 0 means not found.

// Position of the first Ch in Text.
size_t CharIndex(char32_t Ch, std::string_view Text);
// As CharIndex, also stored in Position; when absent Position is left alone.
size_t LocateChar(char32_t Ch, std::string_view Text, size_t& Position);
// As LocateChar with the letters a to z of Text folded to upper case; Ch is expected in
// upper case.
size_t LocateCharNoCase(char32_t Ch, std::string_view Text, size_t& Position);
// Position of SubText in Text, also stored in Position (0 when absent).
size_t LocateSubstring(std::string_view SubText, std::string_view Text, size_t& Position);
// Position of SubText (expected in upper case) in Text upper-cased by the ASCII rule.
size_t PosUpperCased(std::string_view SubText, std::string_view Text);
// 1-based position of SubText in 16-bit Text, counted in code units.
size_t WideTextPos(std::u16string_view SubText, std::u16string_view Text);

// The text before the first Delimiter; Text loses it and the delimiter. When the
// delimiter is absent the result is empty and Text stays.
std::string ExtractLeadingToken(std::string& Text, std::string_view Delimiter);
// All lines of List joined with nothing between them.
std::string ConcatListLines(const TStrings& List);
// Replaces every character of Text by Ch (password masking).
void FillTextWithChar(std::string& Text, char32_t Ch);

// Conversion between this program's text and the console (OEM) code page 437. Text
// given to AnsiToOemText becomes single-byte code page text (characters the code page
// lacks become "?"); OemToAnsiText turns such bytes back into UTF-8.
void AnsiToOemText(std::string& Text);
void OemToAnsiText(std::string& Text);

size_t CountCharOccurrences(char32_t Ch, std::string_view Text);
size_t CountCharInText(char32_t Ch, std::string_view Text);
// 1 plus the number of CR characters when Multiline, else 1.
int CountLines(std::string_view Text, bool Multiline);
// Returns Text up to its first CR. The CR and one LF after it are removed from Text,
// which keeps the remaining lines only when KeepRest is set and is emptied otherwise.
std::string TakeFirstLine(std::string& Text, bool KeepRest);

bool CellInGridRect(const TGridRect& GridRect, int Col, int Row);
int LargerOf(int A, int B);
int SmallerOf(int A, int B);
// Used by automatic column sizing: with Min = Max the value stays; otherwise a value
// below Min becomes Min only when Min > 0, one above Max becomes Max only when Max > 0.
int ClampToMinMax(int Value, int Min, int Max);

// The colour's three low bytes as six upper-case hex digits, red first; system colours
// are not resolved.
std::string ColorToHTMLHex(TColor Color);
// Text holds "://" or "mailto:" (case-sensitive).
bool IsURLText(std::string_view Text);
// Deletes everything up to and including the first "://", or else the first "mailto:".
void StripURLScheme(std::string& Text);

// Capitalises each word: the first letter after a space, apostrophe, comma, hyphen or
// full stop goes upper case, the others lower case; "Mc" prefixes and a closing Roman
// "II" or "III" keep their capitals.
std::string ToMixedCase(std::string_view Text);
