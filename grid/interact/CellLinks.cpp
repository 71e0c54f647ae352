// Finding and vetting the address behind a cell.
#include "grid/interact/CellLinks.h"

#include <algorithm>
#include <cctype>

namespace grid {

namespace {

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix)
{
    return Text.size() >= Prefix.size() &&
           std::equal(Prefix.begin(), Prefix.end(), Text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string_view Trimmed(std::string_view Text)
{
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.front()))) Text.remove_prefix(1);
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.back()))) Text.remove_suffix(1);
    return Text;
}

// The position of Needle in Text, compared without case; npos when absent.
size_t FindNoCase(std::string_view Text, std::string_view Needle)
{
    for (size_t i = 0; i + Needle.size() <= Text.size(); ++i)
        if (StartsWithNoCase(Text.substr(i), Needle)) return i;
    return std::string_view::npos;
}

} // namespace

std::string CellLinkTarget(std::string_view Text)
{
    const size_t anchor = FindNoCase(Text, "<a ");
    if (anchor == std::string_view::npos) {
        const std::string_view plain = Trimmed(Text);
        if (plain.find_first_of(" \t\r\n<>\"") != std::string_view::npos) return {};
        return IsOpenableLink(plain) ? std::string(plain) : std::string();
    }
    const size_t tagEnd = Text.find('>', anchor);
    const std::string_view tag = Text.substr(anchor, tagEnd == std::string_view::npos ? Text.size() - anchor : tagEnd - anchor);
    const size_t href = FindNoCase(tag, "href=");
    if (href == std::string_view::npos) return {};
    std::string_view value = tag.substr(href + 5);
    if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
        const char quote = value.front();
        value.remove_prefix(1);
        value = value.substr(0, value.find(quote));
    } else {
        value = value.substr(0, value.find_first_of(" \t>"));
    }
    return std::string(Trimmed(value));
}

bool IsOpenableLink(std::string_view Target)
{
    Target = Trimmed(Target);
    for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"})
        if (StartsWithNoCase(Target, scheme) && Target.size() > scheme.size()) return true;
    return false;
}

} // namespace grid
