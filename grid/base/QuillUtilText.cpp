// Searching, counting and small conversions on cell text.
#include "grid/base/QuillUtilText.h"

#include "platform/classes/StringList.h"
#include "platform/ui/grids/GridTypes.h"
#include "platform/rtl/Strings.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace {

// The byte position of needle in text as a 1-based position, 0 when absent.
size_t OneBased(size_t offset)
{
    return offset == std::string_view::npos ? 0 : offset + 1;
}

char FoldAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvPtr = std::unique_ptr<void, IconvCloser>;

constexpr const char* OemCodePage = "CP437";

// Converts text between two encodings, putting Replacement in place of each input
// character the target lacks or the source does not hold validly.
std::string Recode(std::string_view text, const char* from, const char* to, bool fromUtf8)
{
    IconvPtr cd(iconv_open(to, from));
    if (!cd || cd.get() == reinterpret_cast<void*>(-1)) {
        cd.release();
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() * 2);
    char buffer[256];
    size_t offset = 0;
    while (offset < text.size()) {
        char* in = const_cast<char*>(text.data()) + offset;
        size_t inLeft = text.size() - offset;
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(static_cast<iconv_t>(cd.get()), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        offset = static_cast<size_t>(in - text.data());
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // An unconvertible or invalid character: replace it and step over it.
        out += '?';
        offset = fromUtf8 ? rtl::Utf8Next(text, offset) : offset + 1;
    }
    return out;
}

bool IsWordTerminator(char32_t c)
{
    return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.';
}

bool EndsWith(const std::u32string& s, std::u32string_view tail)
{
    return s.size() >= tail.size() && std::u32string_view(s).substr(s.size() - tail.size()) == tail;
}

} // namespace

size_t CharIndex(char32_t Ch, std::string_view Text)
{
    return OneBased(Text.find(rtl::Utf8Encode(Ch)));
}

size_t LocateChar(char32_t Ch, std::string_view Text, size_t& Position)
{
    const size_t found = CharIndex(Ch, Text);
    if (found != 0)
        Position = found;
    return found;
}

size_t LocateCharNoCase(char32_t Ch, std::string_view Text, size_t& Position)
{
    if (Ch >= 0x80)
        return LocateChar(Ch, Text, Position);
    for (size_t i = 0; i < Text.size(); ++i) {
        if (static_cast<char32_t>(static_cast<unsigned char>(FoldAsciiLetter(Text[i]))) == Ch) {
            Position = i + 1;
            return Position;
        }
    }
    return 0;
}

size_t LocateSubstring(std::string_view SubText, std::string_view Text, size_t& Position)
{
    Position = OneBased(Text.find(SubText));
    return Position;
}

size_t PosUpperCased(std::string_view SubText, std::string_view Text)
{
    return OneBased(UpperCase(Text).find(SubText));
}

size_t WideTextPos(std::u16string_view SubText, std::u16string_view Text)
{
    return OneBased(Text.find(SubText));
}

std::string ExtractLeadingToken(std::string& Text, std::string_view Delimiter)
{
    const size_t found = Delimiter.empty() ? std::string::npos : Text.find(Delimiter);
    if (found == std::string::npos)
        return {};
    std::string token = Text.substr(0, found);
    Text.erase(0, found + Delimiter.size());
    return token;
}

std::string ConcatListLines(const TStrings& List)
{
    std::string joined;
    for (int i = 0; i < List.Count(); ++i)
        joined += List.Strings(i);
    return joined;
}

void FillTextWithChar(std::string& Text, char32_t Ch)
{
    const size_t length = rtl::Utf8Length(Text);
    const std::string one = rtl::Utf8Encode(Ch);
    std::string filled;
    filled.reserve(length * one.size());
    for (size_t i = 0; i < length; ++i)
        filled += one;
    Text = std::move(filled);
}

void AnsiToOemText(std::string& Text)
{
    Text = Recode(Text, "UTF-8", OemCodePage, true);
}

void OemToAnsiText(std::string& Text)
{
    Text = Recode(Text, OemCodePage, "UTF-8", false);
}

size_t CountCharOccurrences(char32_t Ch, std::string_view Text)
{
    const std::string needle = rtl::Utf8Encode(Ch);
    size_t count = 0;
    for (size_t at = Text.find(needle); at != std::string_view::npos; at = Text.find(needle, at + needle.size()))
        ++count;
    return count;
}

size_t CountCharInText(char32_t Ch, std::string_view Text)
{
    return CountCharOccurrences(Ch, Text);
}

int CountLines(std::string_view Text, bool Multiline)
{
    return Multiline ? 1 + static_cast<int>(CountCharOccurrences('\r', Text)) : 1;
}

std::string TakeFirstLine(std::string& Text, bool KeepRest)
{
    const size_t cr = Text.find('\r');
    if (cr == std::string::npos) {
        std::string whole = std::move(Text);
        Text.clear();
        return whole;
    }
    std::string line = Text.substr(0, cr);
    size_t restStart = cr + 1;
    if (restStart < Text.size() && Text[restStart] == '\n')
        ++restStart;
    if (KeepRest)
        Text.erase(0, restStart);
    else
        Text.clear();
    return line;
}

bool CellInGridRect(const TGridRect& GridRect, int Col, int Row)
{
    return GridRect.Contains(Col, Row);
}

int LargerOf(int A, int B)
{
    return A > B ? A : B;
}

int SmallerOf(int A, int B)
{
    return A < B ? A : B;
}

int ClampToMinMax(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    if (Value < Min && Min > 0)
        return Min;
    if (Value > Max && Max > 0)
        return Max;
    return Value;
}

std::string ColorToHTMLHex(TColor Color)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const auto value = static_cast<uint32_t>(Color);
    std::string hex;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned byte = (value >> shift) & 0xFF;
        hex += digits[byte >> 4];
        hex += digits[byte & 0xF];
    }
    return hex;
}

bool IsURLText(std::string_view Text)
{
    return Text.find("://") != std::string_view::npos || Text.find("mailto:") != std::string_view::npos;
}

void StripURLScheme(std::string& Text)
{
    if (const size_t at = Text.find("://"); at != std::string::npos)
        Text.erase(0, at + 3);
    else if (const size_t mail = Text.find("mailto:"); mail != std::string::npos)
        Text.erase(0, mail + 7);
}

std::string ToMixedCase(std::string_view Text)
{
    std::u32string source;
    for (size_t offset = 0; offset < Text.size();)
        source += rtl::Utf8Decode(Text, offset);

    std::u32string result;
    bool newWord = true;
    for (size_t i = 0; i < source.size(); ++i) {
        const char32_t c = source[i];
        if (IsWordTerminator(c)) {
            newWord = true;
            result += c;
        } else if (newWord) {
            result += rtl::UnicodeUpper(c);
            newWord = false;
        } else {
            result += rtl::UnicodeLower(c);
        }
        // Name prefixes and closing Roman numerals keep the next letter in capitals.
        if (result.size() == 2 && result == U"Mc")
            newWord = true;
        else if (result.size() >= 3 && EndsWith(result, U" Mc"))
            newWord = true;
        else if (i + 3 >= source.size() && (EndsWith(result, U" I") || EndsWith(result, U" II")))
            newWord = true;
    }
    std::string out;
    for (char32_t c : result)
        rtl::Utf8Append(out, c);
    return out;
}
