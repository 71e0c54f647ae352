// Links in cell text and the header of the clipboard's HTML format.
#include "grid/base/QuillUtilHtml.h"

#include "platform/rtl/Strings.h"

namespace {

bool IsURLChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("%()-./:@\\_{}").find(c) != std::string_view::npos;
}

std::string EscapeAngleBrackets(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// A header number: eight digits with leading zeros, more when the value needs them.
std::string HeaderNumber(size_t value)
{
    std::string digits = std::to_string(value);
    if (digits.size() < 8)
        digits.insert(0, 8 - digits.size(), '0');
    return digits;
}

constexpr std::string_view DocumentStart = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
constexpr std::string_view HeadAndBodyStart =
    "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head>"
    "<body><!--StartFragment-->";
constexpr std::string_view DocumentEnd = "<!--EndFragment--></body></html>";
// "Version:1.0" and the four numbered lines, each ending in CR LF.
constexpr size_t HeaderLength = 97;
constexpr size_t FragmentStart = HeaderLength + DocumentStart.size() + HeadAndBodyStart.size();
static_assert(FragmentStart == 274);

} // namespace

bool WrapURLInAnchor(std::string_view Text, std::string_view Marker, std::string& Out)
{
    if (Marker.empty() || UpperCase(Text).find(Marker) == std::string::npos)
        return false;
    std::string escaped = EscapeAngleBrackets(Text);
    // The ASCII upper-casing keeps byte positions, so the marker's place carries over.
    const size_t start = UpperCase(escaped).find(Marker);
    size_t end = start;
    while (end < escaped.size() && IsURLChar(escaped[end]))
        ++end;
    const std::string url = escaped.substr(start, end - start);
    escaped.insert(end, "</a>");
    escaped.insert(start, "<a href=\"" + url + "\">");
    Out = std::move(escaped);
    return true;
}

void WrapClipboardHTML(std::string& Fragment)
{
    const size_t length = Fragment.size();
    std::string wrapped;
    wrapped.reserve(length + FragmentStart + DocumentEnd.size());
    wrapped += "Version:1.0\r\n";
    wrapped += "StartHTML:" + HeaderNumber(HeaderLength) + "\r\n";
    wrapped += "EndHTML:" + HeaderNumber(length + FragmentStart + DocumentEnd.size()) + "\r\n";
    wrapped += "StartFragment:" + HeaderNumber(FragmentStart) + "\r\n";
    wrapped += "EndFragment:" + HeaderNumber(length + FragmentStart) + "\r\n";
    wrapped += DocumentStart;
    wrapped += HeadAndBodyStart;
    wrapped += Fragment;
    wrapped += DocumentEnd;
    Fragment = std::move(wrapped);
}
