// Stripping markup, line-break and "<#" conversions, and the small string routines of the renderer.
#include "render/HTMLUtils.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <climits>
#include <cstdint>

std::string StripHTMLMarkup(std::string_view Text)
{
    std::string text = StringReplace(Text, "<BR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    text = StringReplace(text, "<HR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '<') {
            result += text[i++];
            continue;
        }
        const size_t close = text.find('>', i);
        if (close == std::string::npos) {
            result.append(text, i);
            break;
        }
        i = close + 1;
    }
    return result;
}

std::string StripTagsOnly(std::string_view Text)
{
    std::string result;
    size_t at = 0;
    while (true) {
        const size_t open = Text.find('<', at);
        const size_t close = Text.find('>', at);
        if (open == std::string_view::npos || close == std::string_view::npos || close < open) break;
        result.append(Text.substr(at, open - at));
        at = close + 1;
    }
    result.append(Text.substr(at));
    return result;
}

std::string UnwrapHashTags(std::string_view Text)
{
    // Left to right with a count of "<#" still owed their ">": the same result
    // as unwrapping the first "<#" again and again, in one pass.
    std::string result;
    result.reserve(Text.size());
    size_t owedClosers = 0;
    for (char c : Text) {
        if (c == '#') {
            // Dropping a "<" can bring an earlier "<" next to the "#".
            while (!result.empty() && result.back() == '<') {
                result.pop_back();
                ++owedClosers;
            }
        } else if (c == '>' && owedClosers > 0) {
            --owedClosers;
            continue;
        }
        result += c;
    }
    return result;
}

std::string CRLFToBRTags(std::string_view Text, bool KeepBreaks)
{
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        if (c == '\n') continue;
        if (c == '\r') {
            if (KeepBreaks) result += "<BR>";
            continue;
        }
        result += c;
    }
    return result;
}

std::size_t PosNoCase(std::string_view Sub, std::string_view Text)
{
    return Pos(UpperCase(Sub), UpperCase(Text));
}

std::size_t PosInUpperCase(std::string_view Sub, std::string_view Text, std::size_t& Position)
{
    Position = Pos(Sub, UpperCase(Text));
    return Position;
}

std::size_t PosInto(std::string_view Sub, std::string_view Text, std::size_t& Position)
{
    Position = Pos(Sub, Text);
    return Position;
}

bool ReplaceFirstNoCase(std::string_view Sub, std::string_view New, std::string& Text)
{
    const size_t at = PosNoCase(Sub, Text);
    if (at == 0) return false;
    Text.replace(at - 1, Sub.size(), New);
    return true;
}

int TextToIntLoose(std::string_view Text)
{
    int64_t value = 0;
    const size_t stop = Val(Text, value);
    // Text after the number drops its sign.
    if (stop != 0 && value < 0) value = value == INT64_MIN ? INT64_MAX : -value;
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}
