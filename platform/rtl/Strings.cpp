// Text helpers over UTF-8 std::string: character stepping, case, trimming, searching, conversions.
#include "platform/rtl/Strings.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace {

using GCharPtr = std::unique_ptr<gchar, decltype(&g_free)>;

unsigned char Byte(std::string_view s, size_t i) { return static_cast<unsigned char>(s[i]); }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Applies a GLib whole-string case mapping to each valid UTF-8 run; invalid bytes are kept.
template <typename Mapping>
std::string MapValidRuns(std::string_view s, Mapping mapping)
{
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (pos < s.size()) {
        const gchar* end = nullptr;
        g_utf8_validate(s.data() + pos, static_cast<gssize>(s.size() - pos), &end);
        const size_t validLength = static_cast<size_t>(end - (s.data() + pos));
        if (validLength > 0) {
            GCharPtr mapped(mapping(s.data() + pos, static_cast<gssize>(validLength)), &g_free);
            out += mapped.get();
            pos += validLength;
        } else {
            out += s[pos]; // an invalid byte (or a NUL, which GLib stops at)
            ++pos;
        }
    }
    return out;
}

std::string HexDigits(uint64_t value, int digits)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    do {
        out += hex[value & 0xF];
        value >>= 4;
    } while (value != 0);
    if (digits > 0 && out.size() < static_cast<size_t>(std::min(digits, 64)))
        out.append(static_cast<size_t>(std::min(digits, 64)) - out.size(), '0');
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

size_t Pos(std::string_view Substr, std::string_view S, size_t Offset)
{
    if (Substr.empty() || Offset == 0 || Offset > S.size())
        return 0;
    const size_t found = S.find(Substr, Offset - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string Copy(std::string_view S, size_t Index, size_t Count)
{
    if (Index == 0)
        Index = 1;
    if (Index > S.size())
        return {};
    return std::string(S.substr(Index - 1, Count));
}

void Delete(std::string& S, size_t Index, size_t Count)
{
    if (Index == 0 || Index > S.size())
        return;
    S.erase(Index - 1, Count);
}

void Insert(std::string_view Source, std::string& S, size_t Index)
{
    if (Index == 0)
        Index = 1;
    S.insert(std::min(Index - 1, S.size()), Source);
}

std::string UpperCase(std::string_view S)
{
    std::string out(S);
    std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
    return out;
}

std::string LowerCase(std::string_view S)
{
    std::string out(S);
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

int CompareText(std::string_view S1, std::string_view S2)
{
    const size_t common = std::min(S1.size(), S2.size());
    for (size_t i = 0; i < common; ++i) {
        const int a = static_cast<unsigned char>(AsciiUpper(S1[i]));
        const int b = static_cast<unsigned char>(AsciiUpper(S2[i]));
        if (a != b)
            return a - b;
    }
    return S1.size() < S2.size() ? -1 : (S1.size() > S2.size() ? 1 : 0);
}

bool SameText(std::string_view S1, std::string_view S2)
{
    return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

std::string AnsiUpperCase(std::string_view S)
{
    return MapValidRuns(S, [](const gchar* text, gssize length) { return g_utf8_strup(text, length); });
}

std::string AnsiLowerCase(std::string_view S)
{
    return MapValidRuns(S, [](const gchar* text, gssize length) { return g_utf8_strdown(text, length); });
}

int AnsiCompareText(std::string_view S1, std::string_view S2)
{
    auto fold = [](const gchar* text, gssize length) { return g_utf8_casefold(text, length); };
    const std::string a = MapValidRuns(S1, fold);
    const std::string b = MapValidRuns(S2, fold);
    // Byte order of UTF-8 is code point order.
    const int result = a.compare(b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool AnsiSameText(std::string_view S1, std::string_view S2) { return AnsiCompareText(S1, S2) == 0; }

std::string TrimLeft(std::string_view S)
{
    size_t first = 0;
    while (first < S.size() && Byte(S, first) <= ' ')
        ++first;
    return std::string(S.substr(first));
}

std::string TrimRight(std::string_view S)
{
    size_t end = S.size();
    while (end > 0 && Byte(S, end - 1) <= ' ')
        --end;
    return std::string(S.substr(0, end));
}

std::string_view TrimmedView(std::string_view S)
{
    size_t first = 0;
    size_t end = S.size();
    while (end > 0 && Byte(S, end - 1) <= ' ')
        --end;
    while (first < end && Byte(S, first) <= ' ')
        ++first;
    return S.substr(first, end - first);
}

std::string Trim(std::string_view S) { return std::string(TrimmedView(S)); }

std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags)
{
    if (OldPattern.empty())
        return std::string(S);
    const bool ignoreCase = (Flags & rfIgnoreCase) != 0;
    std::string out;
    size_t from = 0; // 0-based byte offset of the unsearched rest
    while (from <= S.size()) {
        size_t matchLength = OldPattern.size();
        size_t found = ignoreCase ? rtl::PosIgnoreCase(OldPattern, S, from + 1, &matchLength)
                                  : Pos(OldPattern, S, from + 1);
        if (found == 0)
            break;
        --found;
        out.append(S.substr(from, found - from));
        out.append(NewPattern);
        from = found + matchLength;
        if ((Flags & rfReplaceAll) == 0)
            break;
    }
    if (from < S.size())
        out.append(S.substr(from));
    return out;
}

std::string QuotedStr(std::string_view S)
{
    std::string out = "'";
    for (char c : S) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    out += '\'';
    return out;
}

std::string StringOfChar(char Ch, int Count) { return Count > 0 ? std::string(static_cast<size_t>(Count), Ch) : std::string(); }

std::string IntToHex(int32_t Value, int Digits) { return HexDigits(static_cast<uint32_t>(Value), Digits); }
std::string IntToHex(int64_t Value, int Digits) { return HexDigits(static_cast<uint64_t>(Value), Digits); }

namespace rtl {

char32_t Utf8Decode(std::string_view S, size_t& Offset)
{
    const unsigned char lead = Byte(S, Offset);
    if (lead < 0x80) {
        ++Offset;
        return lead;
    }
    size_t extra;
    char32_t ch;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, ch = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, ch = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, ch = lead & 0x07, minimum = 0x10000;
    } else {
        ++Offset;
        return ReplacementChar;
    }
    if (Offset + extra >= S.size()) { // truncated at the end
        ++Offset;
        return ReplacementChar;
    }
    for (size_t i = 1; i <= extra; ++i) {
        const unsigned char next = Byte(S, Offset + i);
        if ((next & 0xC0) != 0x80) {
            ++Offset;
            return ReplacementChar;
        }
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++Offset;
        return ReplacementChar;
    }
    Offset += extra + 1;
    return ch;
}

void Utf8Append(std::string& Out, char32_t Ch)
{
    if (Ch > 0x10FFFF || (Ch >= 0xD800 && Ch <= 0xDFFF))
        Ch = ReplacementChar;
    if (Ch < 0x80) {
        Out += static_cast<char>(Ch);
    } else if (Ch < 0x800) {
        Out += static_cast<char>(0xC0 | (Ch >> 6));
        Out += static_cast<char>(0x80 | (Ch & 0x3F));
    } else if (Ch < 0x10000) {
        Out += static_cast<char>(0xE0 | (Ch >> 12));
        Out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Ch & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (Ch >> 18));
        Out += static_cast<char>(0x80 | ((Ch >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((Ch >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (Ch & 0x3F));
    }
}

std::string Utf8Encode(char32_t Ch)
{
    std::string out;
    Utf8Append(out, Ch);
    return out;
}

size_t Utf8Length(std::string_view S)
{
    size_t count = 0;
    for (size_t offset = 0; offset < S.size(); ++count)
        Utf8Decode(S, offset);
    return count;
}

size_t Utf8Next(std::string_view S, size_t Offset)
{
    if (Offset >= S.size())
        return S.size();
    Utf8Decode(S, Offset);
    return Offset;
}

size_t Utf8Prev(std::string_view S, size_t Offset)
{
    if (Offset == 0)
        return 0;
    Offset = std::min(Offset, S.size());
    // A character is at most four bytes: try the longest start that decodes to end exactly here.
    for (size_t back = std::min<size_t>(4, Offset); back > 1; --back) {
        size_t probe = Offset - back;
        const unsigned char lead = Byte(S, probe);
        if (lead < 0xC2)
            continue;
        Utf8Decode(S, probe);
        if (probe == Offset)
            return Offset - back;
    }
    return Offset - 1;
}

size_t Utf8ByteOffset(std::string_view S, size_t CharIndex)
{
    size_t offset = 0;
    for (size_t i = 0; i < CharIndex && offset < S.size(); ++i)
        Utf8Decode(S, offset);
    return offset;
}

size_t Utf8CharIndex(std::string_view S, size_t ByteOffset)
{
    size_t index = 0;
    size_t offset = 0;
    while (offset < S.size()) {
        Utf8Decode(S, offset);
        if (offset > ByteOffset)
            break;
        ++index;
    }
    return index;
}

std::string Utf8Copy(std::string_view S, size_t Index, size_t Count)
{
    if (Index == 0)
        Index = 1;
    const size_t start = Utf8ByteOffset(S, Index - 1);
    const std::string_view rest = S.substr(start);
    return std::string(rest.substr(0, Utf8ByteOffset(rest, Count)));
}

void Utf8Delete(std::string& S, size_t Index, size_t Count)
{
    if (Index == 0)
        return;
    const size_t start = Utf8ByteOffset(S, Index - 1);
    const size_t length = Utf8ByteOffset(std::string_view(S).substr(start), Count);
    S.erase(start, length);
}

void Utf8Insert(std::string_view Source, std::string& S, size_t Index)
{
    if (Index == 0)
        Index = 1;
    S.insert(Utf8ByteOffset(S, Index - 1), Source);
}

std::u16string Utf8ToUtf16(std::string_view S)
{
    std::u16string out;
    out.reserve(S.size());
    for (size_t offset = 0; offset < S.size();) {
        const char32_t ch = Utf8Decode(S, offset);
        if (ch >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(ch);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view S)
{
    std::string out;
    out.reserve(S.size());
    for (size_t i = 0; i < S.size(); ++i) {
        char32_t ch = S[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < S.size() && S[i + 1] >= 0xDC00 && S[i + 1] <= 0xDFFF) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (S[i + 1] - 0xDC00);
            ++i;
        }
        Utf8Append(out, ch); // a lone surrogate is replaced there
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view S)
{
    std::string out;
    out.reserve(S.size());
    for (size_t i = 0; i < S.size(); ++i)
        Utf8Append(out, Byte(S, i));
    return out;
}

std::string Utf8ToLatin1(std::string_view S, char Replacement)
{
    std::string out;
    out.reserve(S.size());
    for (size_t offset = 0; offset < S.size();) {
        const char32_t ch = Utf8Decode(S, offset);
        out += ch <= 0xFF ? static_cast<char>(ch) : Replacement;
    }
    return out;
}

char32_t UnicodeUpper(char32_t Ch) { return static_cast<char32_t>(g_unichar_toupper(static_cast<gunichar>(Ch))); }
char32_t UnicodeLower(char32_t Ch) { return static_cast<char32_t>(g_unichar_tolower(static_cast<gunichar>(Ch))); }
bool IsLetter(char32_t Ch) { return g_unichar_isalpha(static_cast<gunichar>(Ch)) != FALSE; }

bool IsNumber(char32_t Ch)
{
    const GUnicodeType type = g_unichar_type(static_cast<gunichar>(Ch));
    return type == G_UNICODE_DECIMAL_NUMBER || type == G_UNICODE_LETTER_NUMBER || type == G_UNICODE_OTHER_NUMBER;
}

size_t PosIgnoreCase(std::string_view Substr, std::string_view S, size_t Offset, size_t* MatchLength)
{
    if (Substr.empty() || Offset == 0 || Offset > S.size())
        return 0;
    for (size_t start = Offset - 1; start < S.size(); start = Utf8Next(S, start)) {
        size_t a = start;
        size_t b = 0;
        bool matched = true;
        while (matched && b < Substr.size()) {
            if (a >= S.size())
                return 0; // the rest of S is shorter than the pattern
            matched = UnicodeLower(Utf8Decode(S, a)) == UnicodeLower(Utf8Decode(Substr, b));
        }
        if (matched) {
            if (MatchLength)
                *MatchLength = a - start;
            return start + 1;
        }
    }
    return 0;
}

} // namespace rtl
