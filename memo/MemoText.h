// Character-indexed pieces of a UTF-8 line: the memo's columns count characters, never bytes.
#pragma once

#include "platform/rtl/Strings.h"

#include <string>
#include <string_view>

namespace memo {

// Count characters from the 0-based character Index (clipped at the end).
inline std::string Mid(std::string_view S, int Index, int Count = -1)
{
    size_t from = rtl::Utf8ByteOffset(S, static_cast<size_t>(std::max(Index, 0)));
    if (Count < 0) return std::string(S.substr(from));
    size_t to = from + rtl::Utf8ByteOffset(S.substr(from), static_cast<size_t>(Count));
    return std::string(S.substr(from, to - from));
}
inline std::string Left(std::string_view S, int Count) { return Mid(S, 0, std::max(Count, 0)); }
inline int Length(std::string_view S) { return static_cast<int>(rtl::Utf8Length(S)); }
// The character at a 0-based index; 0 past the end.
inline char32_t CharAt(std::string_view S, int Index)
{
    size_t at = rtl::Utf8ByteOffset(S, static_cast<size_t>(std::max(Index, 0)));
    return at < S.size() ? rtl::Utf8Decode(S, at) : 0;
}
inline std::u32string ToU32(std::string_view S)
{
    std::u32string out;
    out.reserve(S.size());
    for (size_t i = 0; i < S.size();) out.push_back(rtl::Utf8Decode(S, i));
    return out;
}
inline std::string ToUtf8(std::u32string_view S)
{
    std::string out;
    out.reserve(S.size());
    for (char32_t ch : S) rtl::Utf8Append(out, ch);
    return out;
}

} // namespace memo
