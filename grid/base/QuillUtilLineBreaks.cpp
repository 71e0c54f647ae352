// The line-break codes that cell text takes in the grid's files and clipboard formats.
#include "grid/base/QuillUtilLineBreaks.h"

#include "grid/base/QuillUtilText.h"

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    size_t start = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.substr(start));
    return out;
}

// Maps single bytes through a small table given as (from, to) pairs; a to of -1 drops
// the byte.
std::string MapBytes(std::string_view text, std::initializer_list<std::pair<char, int>> table)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        int mapped = static_cast<unsigned char>(c);
        for (const auto& [from, to] : table)
            if (c == from) {
                mapped = to;
                break;
            }
        if (mapped >= 0)
            out += static_cast<char>(mapped);
    }
    return out;
}

} // namespace

std::string EncodeLineBreaksForFile(std::string_view Text)
{
    if (Text.find('\r') == std::string_view::npos)
        return std::string(Text);
    // A tab would read back as the CR it encodes, so it is stored as U+0002.
    return MapBytes(Text, {{'\r', 9}, {'\n', 8}, {'\0', 1}, {'\t', 2}});
}

std::string DecodeLineBreaksFromFile(std::string_view Text, bool Multiline)
{
    if (Text.find('\x08') == std::string_view::npos)
        return std::string(Text);
    std::string decoded = MapBytes(Text, {{'\x09', '\r'}, {'\x08', '\n'}, {'\x01', 0}, {'\x02', '\t'}});
    if (Multiline)
        return decoded;
    return TakeFirstLine(decoded, false);
}

std::string QuoteWithVTBreaks(std::string_view Text)
{
    return '"' + ReplaceAll(Text, "\r\n", "\v") + '"';
}

std::string VTToCRLF(std::string_view Text)
{
    return ReplaceAll(Text, "\v", "\r\n");
}

std::string CRLFToLineFeed(std::string_view Text)
{
    return ReplaceAll(Text, "\r\n", "\n");
}

std::string CRToTilde(std::string_view Text)
{
    return MapBytes(Text, {{'\r', '~'}, {'\n', -1}});
}

std::string TildeToCRLF(std::string_view Text)
{
    if (Text == "^")
        return {};
    return ReplaceAll(Text, "~", "\r\n");
}

std::string CRToBackslashN(std::string_view Text)
{
    return ReplaceAll(MapBytes(Text, {{'\n', -1}}), "\r", "\\n");
}

std::string BackslashNToCR(std::string_view Text)
{
    return ReplaceAll(Text, "\\n", "\r");
}

std::string CRToHTMLBreak(std::string_view Text)
{
    return ReplaceAll(Text, "\r", "<br>");
}

std::string RemoveCRChars(std::string_view Text)
{
    return MapBytes(Text, {{'\r', -1}});
}

std::string CRToLineFeed(std::string_view Text)
{
    return MapBytes(Text, {{'\r', '\n'}});
}
