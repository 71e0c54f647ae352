// The DOS code page (437) that CSV files written for older programs use.
#include "grid/files/OemCodePage.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

#include <array>
#include <iconv.h>
#include <unordered_map>

namespace grid::files {

namespace {

// The upper half of the code page, from the C library's converter.
struct TOemTable {
    std::array<char32_t, 128> Upper{};
    std::unordered_map<char32_t, unsigned char> Reverse;

    TOemTable()
    {
        iconv_t cd = ::iconv_open("UTF-32LE", "CP437");
        if (cd == reinterpret_cast<iconv_t>(-1)) return;
        const auto closeConverter = rtl::ScopeExit([cd] { ::iconv_close(cd); });
        for (int b = 0x80; b <= 0xFF; ++b) {
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1, outLeft = 4;
            if (::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) continue;
            const char32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t(out[3]) << 24);
            Upper[b - 0x80] = cp;
            Reverse.emplace(cp, static_cast<unsigned char>(b));
        }
    }
};

const TOemTable& OemTable()
{
    static const TOemTable table;
    return table;
}

} // namespace

std::string ToOemCodePage(std::string_view Text)
{
    const TOemTable& table = OemTable();
    std::string out;
    out.reserve(Text.size());
    for (std::size_t offset = 0; offset < Text.size();) {
        const char32_t ch = rtl::Utf8Decode(Text, offset);
        if (ch < 0x80) {
            out += static_cast<char>(ch);
            continue;
        }
        const auto hit = table.Reverse.find(ch);
        rtl::Utf8Append(out, hit == table.Reverse.end() ? U'?' : char32_t(hit->second));
    }
    return out;
}

std::string FromOemCodePage(std::string_view Text)
{
    const TOemTable& table = OemTable();
    std::string out;
    out.reserve(Text.size());
    for (std::size_t offset = 0; offset < Text.size();) {
        const char32_t ch = rtl::Utf8Decode(Text, offset);
        const char32_t mapped = ch >= 0x80 && ch <= 0xFF && table.Upper[ch - 0x80] != 0 ? table.Upper[ch - 0x80] : ch;
        rtl::Utf8Append(out, mapped);
    }
    return out;
}

} // namespace grid::files
