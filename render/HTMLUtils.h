// Plain-text routines that go with the mini-HTML markup: stripping, entities, colours, match tags.
#pragma once

#include "platform/graphics/Colors.h"

#include <cstddef>
#include <string>
#include <string_view>

// Markup to plain text: BR and HR tags become line breaks, other tags are
// dropped, an unclosed "<" and everything after it stay. Entities are kept.
std::string StripHTMLMarkup(std::string_view Text);
// The visible text for searching: tags are dropped up to the first ">" that
// comes before the next "<"; from there on the text is copied unchanged.
std::string StripTagsOnly(std::string_view Text);

// "&", double quote, "<", ">" and the accented letters, copyright, registered,
// euro and guillemet characters to their named entities, and back. Unescaping
// decodes each entity once, so escaping then unescaping returns the text.
std::string EscapeHTMLChars(std::string_view Text);
std::string UnescapeHTMLChars(std::string_view Text);
std::string SpacesToNbsp(std::string_view Text);

// "clred", "clbtnface" ... (lower case) to a colour; any other name is black.
TColor ColorFromHTMLName(std::string_view Name);
// "#RRGGBB" to a colour; missing digits read as 0.
TColor ColorFromHTMLHex(std::string_view Text);
// The first two characters as a hexadecimal byte; 0 for a shorter text.
// Characters that are no hexadecimal digit count as 0.
int HexPairToByte(std::string_view Text);

// Wraps every occurrence of Match in the visible text of Text in <Tag>...</Tag>.
std::string InsertMatchTags(std::string_view Text, std::string_view Match, std::string_view Tag,
                            bool CaseSensitive);
// Removes every <Tag> and </Tag> (any case) that InsertMatchTags put in.
std::string RemoveMatchTags(std::string_view Text, std::string_view Tag);
// Every "<#" loses its "<" and the first ">" after it.
std::string UnwrapHashTags(std::string_view Text);
// Line feeds are dropped; carriage returns become "<BR>" when KeepBreaks, else are dropped.
std::string CRLFToBRTags(std::string_view Text, bool KeepBreaks);

// One-based byte position of Sub in Text ignoring ASCII case; 0 when absent or Sub is empty.
std::size_t PosNoCase(std::string_view Sub, std::string_view Text);
// Position of Sub (already upper case) in the upper-cased Text, also written to Position.
std::size_t PosInUpperCase(std::string_view Sub, std::string_view Text, std::size_t& Position);
// Plain position of Sub in Text, also written to Position.
std::size_t PosInto(std::string_view Sub, std::string_view Text, std::size_t& Position);
// Replaces the first occurrence of Sub found by PosNoCase; false when there is none.
bool ReplaceFirstNoCase(std::string_view Sub, std::string_view New, std::string& Text);

// The integer at the start of Text: blanks are skipped, then a sign, then
// decimal digits or hexadecimal ones after "$", "x" or "0x". When anything
// follows the number its value is returned without the sign. 0 without
// digits; values beyond the integer range are clamped.
int TextToIntLoose(std::string_view Text);
