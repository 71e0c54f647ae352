// Cell text kinds and the wide encoding that carries 16-bit text through 8-bit stores.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// Results of ClassifyCellText.
enum CellTextKind : int {
    ctkPlain = 0,
    ctkHTML = 1,
    ctkRTF = 2,
    ctkFormula = 3,
    ctkWide = 5,
};

} // namespace grid

// The kind of a cell text: formula ("=" first, also a wide-encoded "=..."), wide-encoded
// ("|\" first), RTF ("{\" first), HTML (only when AllowHTML: holds "</", "<B", "<I" or
// "<C"), else plain.
int ClassifyCellText(std::string_view Text, bool AllowHTML);

// "|\" followed by two characters per 16-bit unit, its high byte and then its low byte,
// each as the character of that code (U+0000 to U+00FF).
std::string EncodeWideCellText(std::u16string_view Text);
// Decodes a wide-encoded text pair by pair (a trailing odd character is ignored; a
// character above U+00FF, which the encoding never writes, yields U+FFFD); any other text
// comes back converted to 16 bits unchanged.
std::u16string DecodeWideCellText(std::string_view Text);
