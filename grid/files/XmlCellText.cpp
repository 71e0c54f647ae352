// Cell texts in the grid's XML files: escaping for writing and the reverse for raw element text.
#include "grid/files/XmlCellText.h"

#include "platform/rtl/Strings.h"

#include <array>
#include <cstdio>
#include <utility>

namespace grid::files {

namespace {

bool IsXmlForbidden(char32_t Ch)
{
    return (Ch < 0x20 && Ch != '\t' && Ch != '\n' && Ch != '\r') || Ch == 0xFFFE || Ch == 0xFFFF ||
           (Ch >= 0xD800 && Ch <= 0xDFFF);
}

std::string Hex(char32_t Ch)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(Ch));
    return digits;
}

// A number of up to eight hex or decimal digits ending in ";" at Text[Pos]; the
// position after the ";" goes to End.
bool ReadNumber(std::string_view Text, std::size_t Pos, int Base, char32_t& Value, std::size_t& End)
{
    std::uint32_t value = 0;
    std::size_t i = Pos;
    for (; i < Text.size() && i - Pos < 8; ++i) {
        const char c = Text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (Base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (Base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        value = value * Base + digit;
    }
    if (i == Pos || i >= Text.size() || Text[i] != ';' || value > 0x10FFFF) return false;
    Value = value;
    End = i + 1;
    return true;
}

} // namespace

std::string EscapeXmlCellText(std::string_view Text, char32_t Highest)
{
    std::string out;
    out.reserve(Text.size());
    for (std::size_t offset = 0; offset < Text.size();) {
        const std::size_t start = offset;
        const char32_t ch = rtl::Utf8Decode(Text, offset);
        switch (ch) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        case '\r': out += "&#13;"; continue;
        case '$': {
            // A "$" that would read as one of the "$" codes is written as a reference.
            const std::string_view rest = Text.substr(offset);
            out += rest.starts_with("amp;") || rest.starts_with("#x") ? "&#36;" : "$";
            continue;
        }
        default:
            break;
        }
        if (IsXmlForbidden(ch))
            out += "$#x" + Hex(ch) + ";";
        else if (ch > Highest)
            out += "&#x" + Hex(ch) + ";";
        else
            out.append(Text.substr(start, offset - start));
    }
    return out;
}

std::string UnescapeXmlCellText(std::string_view Raw)
{
    static constexpr std::array<std::pair<std::string_view, char>, 5> kEntities = {
        {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}}};
    std::string out;
    out.reserve(Raw.size());
    for (std::size_t i = 0; i < Raw.size();) {
        const char c = Raw[i];
        if (c == '&') {
            const std::string_view rest = Raw.substr(i + 1);
            bool matched = false;
            for (const auto& [name, ch] : kEntities) {
                if (rest.starts_with(name)) {
                    out += ch;
                    i += 1 + name.size();
                    matched = true;
                    break;
                }
            }
            if (matched) continue;
            char32_t value;
            std::size_t end;
            if (rest.starts_with("#x") && ReadNumber(Raw, i + 3, 16, value, end)) {
                rtl::Utf8Append(out, value);
                i = end;
                continue;
            }
            if (rest.starts_with("#") && ReadNumber(Raw, i + 2, 10, value, end)) {
                rtl::Utf8Append(out, value);
                i = end;
                continue;
            }
        } else if (c == '$') {
            const std::string_view rest = Raw.substr(i + 1);
            if (rest.starts_with("amp;")) {
                out += '&';
                i += 5;
                continue;
            }
            char32_t value;
            std::size_t end;
            if (rest.starts_with("#x") && ReadNumber(Raw, i + 3, 16, value, end)) {
                rtl::Utf8Append(out, value);
                i = end;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace grid::files
