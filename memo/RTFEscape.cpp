// Plain text to RTF text: the characters RTF reserves, and everything beyond ASCII.
#include "memo/RTFEscape.h"

#include "platform/rtl/Strings.h"

namespace memo {
namespace {

constexpr char HexDigits[] = "0123456789abcdef";

// "\u" takes a signed 16-bit number, so the upper half of the range is written negative.
void AppendUnicodeUnit(std::string& out, char32_t unit, char32_t fallback)
{
    out += "\\u";
    out += std::to_string(unit < 0x8000 ? static_cast<int>(unit) : static_cast<int>(unit) - 0x10000);
    // Latin-1 letters are the same in the declared 1252 code page, so old
    // readers still show them; anything else falls back to a question mark.
    if (fallback >= 0xA0 && fallback <= 0xFF) {
        out += "\\'";
        out += HexDigits[fallback >> 4];
        out += HexDigits[fallback & 0xF];
    } else {
        out += '?';
    }
}

} // namespace

void AppendRTFChar(std::string& Out, char32_t Ch)
{
    if (Ch == '\\' || Ch == '{' || Ch == '}') {
        Out += '\\';
        Out += static_cast<char>(Ch);
    } else if (Ch < 0x80) {
        Out += static_cast<char>(Ch);
    } else if (Ch <= 0xFFFF) {
        AppendUnicodeUnit(Out, Ch, Ch);
    } else {
        const char32_t v = Ch - 0x10000;
        AppendUnicodeUnit(Out, 0xD800 + (v >> 10), 0);
        AppendUnicodeUnit(Out, 0xDC00 + (v & 0x3FF), 0);
    }
}

std::string EscapeRTFText(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        const char32_t ch = rtl::Utf8Decode(Text, i);
        if (ch >= 0x20) AppendRTFChar(out, ch);
    }
    return out;
}

} // namespace memo
