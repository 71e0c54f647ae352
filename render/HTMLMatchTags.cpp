// Wrapping search matches of the visible text in tag pairs, and removing the pairs again.
#include "render/HTMLUtils.h"

#include "platform/rtl/Strings.h"

#include <vector>

namespace {

// The visible text of markup (everything outside "<" ... ">", an unclosed "<"
// hiding the rest, as the renderer ends the text there) with, for each
// one-based visible position k, the source index before which a tag for
// position k goes: just after the visible character k - 1, so that a tag at
// the start of the match comes before any tags in front of that character.
struct VisibleText {
    std::string Text;
    std::vector<size_t> InsertAt; // index k - 1; one entry more than Text has bytes
};

VisibleText WalkVisible(std::string_view markup)
{
    VisibleText v;
    v.InsertAt.push_back(0);
    bool inTag = false;
    for (size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '<') inTag = true;
        if (!inTag) {
            v.Text += c;
            v.InsertAt.push_back(i + 1);
        }
        if (c == '>') inTag = false;
    }
    // One past the last visible character is the end of the text.
    v.InsertAt.back() = markup.size();
    return v;
}

std::string EscapeBrackets(std::string_view s)
{
    std::string r = StringReplace(s, "<", "&lt;", rfReplaceAll);
    return StringReplace(r, ">", "&gt;", rfReplaceAll);
}

// True when Text, ignoring ASCII case, ends with Pattern.
bool EndsWithNoCase(const std::string& text, std::string_view pattern)
{
    if (text.size() < pattern.size()) return false;
    return SameText(std::string_view(text).substr(text.size() - pattern.size()), pattern);
}

} // namespace

std::string InsertMatchTags(std::string_view Text, std::string_view Match, std::string_view Tag,
                            bool CaseSensitive)
{
    // Brackets can only be seen in the text as entities, so a match holding
    // one is searched for in that form.
    const std::string match = EscapeBrackets(Match);
    if (match.empty()) return std::string(Text);
    const VisibleText visible = WalkVisible(Text);
    const std::string openTag = "<" + std::string(Tag) + ">";
    const std::string closeTag = "</" + std::string(Tag) + ">";

    std::string result;
    result.reserve(Text.size());
    size_t copied = 0;
    auto insertAt = [&](size_t sourceIndex, const std::string& tag) {
        result.append(Text.substr(copied, sourceIndex - copied));
        result += tag;
        copied = sourceIndex;
    };
    size_t offset = 0; // zero-based in the visible text
    while (offset < visible.Text.size()) {
        size_t found;
        size_t length = match.size();
        if (CaseSensitive) {
            found = visible.Text.find(match, offset);
            if (found == std::string::npos) break;
        } else {
            const size_t pos = rtl::PosIgnoreCase(match, visible.Text, offset + 1, &length);
            if (pos == 0) break;
            found = pos - 1;
        }
        insertAt(visible.InsertAt[found], openTag);
        insertAt(visible.InsertAt[found + length], closeTag);
        offset = found + length;
    }
    result.append(Text.substr(copied));
    return result;
}

std::string RemoveMatchTags(std::string_view Text, std::string_view Tag)
{
    // Dropping a tag as soon as its ">" arrives removes every pair, including
    // one that only forms once an inner one is gone, in a single pass.
    const std::string openTag = "<" + UpperCase(Tag) + ">";
    const std::string closeTag = "</" + UpperCase(Tag) + ">";
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        result += c;
        if (c != '>') continue;
        if (EndsWithNoCase(result, openTag))
            result.resize(result.size() - openTag.size());
        else if (EndsWithNoCase(result, closeTag))
            result.resize(result.size() - closeTag.size());
    }
    return result;
}
