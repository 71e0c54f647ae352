// Finds attribute values in a tag's text by walking it once, outside quoted values only.
#include "render/TagAttributes.h"

#include <cctype>

namespace vistra::render {

namespace {

bool IsNameChar(char c) noexcept
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
}

bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool NameAt(std::string_view tag, std::size_t at, std::string_view name) noexcept
{
    if (tag.size() - at < name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(tag[at + i])) != std::toupper(static_cast<unsigned char>(name[i])))
            return false;
    std::size_t after = at + name.size();
    return after == tag.size() || !IsNameChar(tag[after]);
}

std::size_t SkipBlanks(std::string_view tag, std::size_t at) noexcept
{
    while (at < tag.size() && IsBlank(tag[at])) ++at;
    return at;
}

} // namespace

std::optional<std::string> FindTagAttribute(std::string_view Tag, std::string_view Name)
{
    if (Name.empty()) return std::nullopt;
    bool inQuotes = false;
    for (std::size_t at = 0; at < Tag.size(); ++at) {
        char c = Tag[at];
        if (c == '"') {
            inQuotes = !inQuotes;
            continue;
        }
        if (inQuotes || (at > 0 && IsNameChar(Tag[at - 1])) || !NameAt(Tag, at, Name)) continue;
        std::size_t next = SkipBlanks(Tag, at + Name.size());
        if (next >= Tag.size() || Tag[next] != '=') continue;
        next = SkipBlanks(Tag, next + 1);
        if (next >= Tag.size() || Tag[next] != '"') return std::string();
        std::size_t close = Tag.find('"', next + 1);
        if (close == std::string_view::npos) return std::string();
        return std::string(Tag.substr(next + 1, close - next - 1));
    }
    return std::nullopt;
}

std::string TagAttribute(std::string_view Tag, std::string_view Name)
{
    return FindTagAttribute(Tag, Name).value_or(std::string());
}

} // namespace vistra::render
