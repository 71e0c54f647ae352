// Reading attribute values out of the tags of the mini-HTML markup.
#include "render/HTMLTags.h"

#include "platform/rtl/Strings.h"
#include "render/HTMLUtils.h"

#include <cctype>

namespace render {
namespace {

bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; }

// The index just after "Name =" (blanks skipped) where the name stands whole
// and outside quotes; npos when there is none.
size_t FindValueStart(std::string_view body, std::string_view name)
{
    bool inQuotes = false;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"') {
            inQuotes = !inQuotes;
            continue;
        }
        if (inQuotes || (i > 0 && IsNameCharacter(body[i - 1]))) continue;
        if (body.size() - i < name.size() || !SameText(body.substr(i, name.size()), name)) continue;
        size_t j = i + name.size();
        if (j < body.size() && IsNameCharacter(body[j])) continue;
        while (j < body.size() && body[j] == ' ')
            ++j;
        if (j >= body.size() || body[j] != '=') continue;
        ++j;
        while (j < body.size() && body[j] == ' ')
            ++j;
        return j;
    }
    return std::string_view::npos;
}

} // namespace

std::optional<std::string> HTMLTagAttribute(std::string_view Body, std::string_view Name)
{
    const size_t start = FindValueStart(Body, Name);
    if (start == std::string_view::npos) return std::nullopt;
    if (start >= Body.size() || Body[start] != '"') return std::string();
    const size_t close = Body.find('"', start + 1);
    if (close == std::string_view::npos) return std::string();
    return std::string(Body.substr(start + 1, close - start - 1));
}

std::optional<int> HTMLTagLeadingInteger(std::string_view Body, std::string_view Name)
{
    size_t start = FindValueStart(Body, Name);
    if (start == std::string_view::npos) return std::nullopt;
    if (start < Body.size() && Body[start] == '"') ++start;
    // Only the digits count; the closing quote is not needed.
    size_t end = start;
    while (end < Body.size() && Body[end] != '"' && Body[end] != ' ')
        ++end;
    return TextToIntLoose(Body.substr(start, end - start));
}

TColor HTMLTagColor(std::string_view Value)
{
    if (!Value.empty() && Value[0] == '#') return ColorFromHTMLHex(Value);
    return ColorFromHTMLName(LowerCase(Value));
}

} // namespace render
