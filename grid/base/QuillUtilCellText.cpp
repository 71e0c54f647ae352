// Cell text kinds and the wide encoding that carries 16-bit text through 8-bit stores.
#include "grid/base/QuillUtilCellText.h"

#include "platform/rtl/Strings.h"

using namespace grid;

namespace {

constexpr std::string_view WidePrefix = "|\\";

// The first few characters of text (as code points), enough for the kind tests.
std::u32string LeadingChars(std::string_view text, size_t count)
{
    std::u32string chars;
    for (size_t offset = 0; offset < text.size() && chars.size() < count;)
        chars += rtl::Utf8Decode(text, offset);
    return chars;
}

} // namespace

int ClassifyCellText(std::string_view Text, bool AllowHTML)
{
    // The kinds are tested on the text with one space appended, so a lone "=" counts.
    std::string padded(Text);
    padded += ' ';
    if (padded.size() < 2)
        return ctkPlain;
    const std::u32string lead = LeadingChars(padded, 5);
    const bool wide = padded.starts_with(WidePrefix);
    if (padded[0] == '=' || (wide && lead.size() == 5 && lead[3] == U'=' && lead[4] == 0))
        return ctkFormula;
    if (wide)
        return ctkWide;
    if (padded.starts_with("{\\"))
        return ctkRTF;
    if (AllowHTML) {
        for (std::string_view tag : {"</", "<B", "<I", "<C"})
            if (padded.find(tag) != std::string::npos)
                return ctkHTML;
    }
    return ctkPlain;
}

std::string EncodeWideCellText(std::u16string_view Text)
{
    std::string encoded(WidePrefix);
    for (char16_t unit : Text) {
        rtl::Utf8Append(encoded, static_cast<char32_t>(unit >> 8));
        rtl::Utf8Append(encoded, static_cast<char32_t>(unit & 0xFF));
    }
    return encoded;
}

std::u16string DecodeWideCellText(std::string_view Text)
{
    if (!Text.starts_with(WidePrefix))
        return rtl::Utf8ToUtf16(Text);
    std::u16string decoded;
    size_t offset = WidePrefix.size();
    while (offset < Text.size()) {
        const char32_t high = rtl::Utf8Decode(Text, offset);
        if (offset >= Text.size())
            break;
        const char32_t low = rtl::Utf8Decode(Text, offset);
        if (high > 0xFF || low > 0xFF)
            decoded += static_cast<char16_t>(rtl::ReplacementChar);
        else
            decoded += static_cast<char16_t>((high << 8) | low);
    }
    return decoded;
}
