// Reading the styled runs of an RTF cell text. Every byte is read through a
// bounds-checked cursor; groups nest at most MaxDepth deep.
#include "grid/paint/RichText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cctype>
#include <cstdint>
#include <span>
#include <utility>

#include "platform/rtl/ByteCursor.h"
#include "platform/rtl/Strings.h"

namespace grid {

namespace {

constexpr int MaxDepth = 64;
// Control-word names and parameters longer than this are malformed.
constexpr size_t MaxWordLength = 32;
constexpr int MaxParamDigits = 10;

// The Windows-1252 characters 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(std::uint8_t Byte) { return Byte >= 0x80 && Byte < 0xA0 ? Cp1252High[Byte - 0x80] : Byte; }

enum TDestination { dText, dSkip, dFontTable, dColorTable };

struct TGroupState {
    TRichRun Style;
    TDestination Destination = dText;
    int UnicodeSkip = 1;
};

class TRtfReader {
public:
    explicit TRtfReader(std::string_view Rtf)
        : FText(Rtf), FCursor({reinterpret_cast<const std::uint8_t*>(Rtf.data()), Rtf.size()}, {"RTF", "cell text", 0})
    {
    }

    std::vector<TRichRun> Read()
    {
        FCursor.Require(FCursor.Size() >= 5 && FCursor.U8() == '{' && FCursor.U8() == '\\' && FCursor.U8() == 'r' &&
                            FCursor.U8() == 't' && FCursor.U8() == 'f',
                        "the text does not start with {\\rtf");
        // The document's own group is open; "\rtf1" is read as a control word.
        FCursor.Seek(1);
        FStack.push_back({});
        int pendingSkip = 0;
        while (!FCursor.AtEnd() && !FStack.empty()) {
            const std::uint8_t ch = FCursor.U8();
            if (ch == '{') {
                FCursor.Require(static_cast<int>(FStack.size()) < MaxDepth, "groups nest too deeply");
                FStack.push_back(FStack.back());
            } else if (ch == '}') {
                FStack.pop_back();
            } else if (ch == '\\') {
                ControlSequence(pendingSkip);
                continue;
            } else if (ch == '\r' || ch == '\n') {
                continue;
            } else if (pendingSkip > 0) {
                --pendingSkip;
            } else {
                Character(FromCp1252(ch));
            }
            pendingSkip = 0;
        }
        FCursor.Require(FStack.empty(), "the text ends inside a group");
        FlushHighSurrogate();
        // The last paragraph mark ends the last paragraph; it starts no line of its own.
        if (!FRuns.empty() && FRuns.back().Text.ends_with('\n')) {
            FRuns.back().Text.pop_back();
            if (FRuns.back().Text.empty()) FRuns.pop_back();
        }
        return std::move(FRuns);
    }

private:
    TGroupState& State() { return FStack.back(); }

    void Character(char32_t Ch)
    {
        FlushHighSurrogate();
        TGroupState& s = State();
        if (s.Destination == dFontTable) {
            if (Ch == ';') {
                FFontNames.push_back(FFontName);
                FFontName.clear();
            } else if (Ch != ' ' || !FFontName.empty()) {
                rtl::Utf8Append(FFontName, Ch);
            }
            return;
        }
        if (s.Destination == dColorTable) {
            if (Ch == ';') {
                FColors.push_back(FColorSet ? RGB(FRed, FGreen, FBlue) : clNone);
                FRed = FGreen = FBlue = 0;
                FColorSet = false;
            }
            return;
        }
        if (s.Destination != dText) return;
        const TRichRun& style = s.Style;
        if (FRuns.empty() || !SameStyle(FRuns.back(), style)) {
            FRuns.push_back(style);
            FRuns.back().Text.clear();
        }
        rtl::Utf8Append(FRuns.back().Text, Ch);
    }

    static bool SameStyle(const TRichRun& A, const TRichRun& B)
    {
        return A.FontName == B.FontName && A.HalfPoints == B.HalfPoints && A.Bold == B.Bold && A.Italic == B.Italic &&
               A.Underline == B.Underline && A.StrikeOut == B.StrikeOut && A.Color == B.Color &&
               A.Highlight == B.Highlight;
    }

    void ControlSequence(int& PendingSkip)
    {
        const std::uint8_t first = FCursor.U8();
        if (!std::isalpha(first)) {
            ControlSymbol(first, PendingSkip);
            return;
        }
        std::string word(1, static_cast<char>(first));
        while (!FCursor.AtEnd() && std::isalpha(Peek())) {
            word += static_cast<char>(FCursor.U8());
            FCursor.Require(word.size() <= MaxWordLength, "a control word is too long");
        }
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (!FCursor.AtEnd() && Peek() == '-') {
            FCursor.U8();
            negative = true;
        }
        for (int digits = 0; !FCursor.AtEnd() && std::isdigit(Peek()); ++digits) {
            FCursor.Require(digits < MaxParamDigits, "a control word's number is too long");
            param = param * 10 + (FCursor.U8() - '0');
            hasParam = true;
        }
        if (negative) param = -param;
        if (!FCursor.AtEnd() && Peek() == ' ') FCursor.U8();
        ControlWord(word, hasParam, static_cast<int>(std::clamp<long long>(param, INT_MIN, INT_MAX)), PendingSkip);
    }

    // The next byte without moving the cursor; callers check AtEnd first.
    std::uint8_t Peek() const { return static_cast<std::uint8_t>(FText[FCursor.Position()]); }

    void ControlSymbol(std::uint8_t Symbol, int& PendingSkip)
    {
        switch (Symbol) {
        case '\'': {
            const auto hex = FCursor.Bytes(2);
            auto nibble = [&](std::uint8_t c) -> int {
                if (std::isdigit(c)) return c - '0';
                if (c >= 'a' && c <= 'f') return c - 'a' + 10;
                if (c >= 'A' && c <= 'F') return c - 'A' + 10;
                FCursor.Fail("a \\' escape is not followed by two hex digits");
            };
            const std::uint8_t byte = static_cast<std::uint8_t>(nibble(hex[0]) * 16 + nibble(hex[1]));
            if (PendingSkip > 0) --PendingSkip;
            else Character(FromCp1252(byte));
            break;
        }
        case '*':
            State().Destination = dSkip;
            break;
        case '~':
            Character(0xA0);
            break;
        case '\\':
        case '{':
        case '}':
            Character(Symbol);
            break;
        case '\r':
        case '\n':
            Character('\n');
            break;
        default:
            break;
        }
    }

    void ControlWord(const std::string& Word, bool HasParam, int Param, int& PendingSkip)
    {
        TGroupState& s = State();
        TRichRun& style = s.Style;
        const bool on = !HasParam || Param != 0;
        if (Word == "fonttbl") s.Destination = dFontTable;
        else if (Word == "colortbl") s.Destination = dColorTable;
        else if (Word == "stylesheet" || Word == "info" || Word == "pict" || Word == "header" || Word == "footer" ||
                 Word == "object" || Word == "generator")
            s.Destination = dSkip;
        else if (Word == "red") FRed = static_cast<std::uint8_t>(std::clamp(Param, 0, 255)), FColorSet = true;
        else if (Word == "green") FGreen = static_cast<std::uint8_t>(std::clamp(Param, 0, 255)), FColorSet = true;
        else if (Word == "blue") FBlue = static_cast<std::uint8_t>(std::clamp(Param, 0, 255)), FColorSet = true;
        else if (Word == "b") style.Bold = on;
        else if (Word == "i") style.Italic = on;
        else if (Word == "ul") style.Underline = on;
        else if (Word == "ulnone") style.Underline = false;
        else if (Word == "strike") style.StrikeOut = on;
        else if (Word == "fs") style.HalfPoints = std::clamp(Param, 0, 2000);
        else if (Word == "cf") style.Color = ColorAt(Param);
        else if (Word == "highlight" || Word == "cb") style.Highlight = ColorAt(Param);
        else if (Word == "f") {
            if (s.Destination == dFontTable) FFontName.clear();
            else style.FontName = Param >= 0 && Param < static_cast<int>(FFontNames.size()) ? FFontNames[Param] : "";
        } else if (Word == "plain") style = {};
        else if (Word == "par" || Word == "line") Character('\n');
        else if (Word == "tab") Character('\t');
        else if (Word == "uc") s.UnicodeSkip = std::clamp(Param, 0, 8);
        else if (Word == "u") {
            // Negative numbers stand for the upper half of the 16-bit range.
            const int code = Param < 0 ? std::max(Param + 65536, 0) : std::min(Param, 0x10FFFF);
            // Characters beyond 16 bits come as a pair of surrogates; a lone one is no character.
            if (code >= 0xD800 && code <= 0xDBFF) {
                FlushHighSurrogate();
                FHighSurrogate = static_cast<char32_t>(code);
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                const char32_t high = std::exchange(FHighSurrogate, 0);
                Character(high ? 0x10000 + ((high - 0xD800) << 10) + (static_cast<char32_t>(code) - 0xDC00) : 0xFFFD);
            } else {
                Character(static_cast<char32_t>(code));
            }
            PendingSkip = s.UnicodeSkip;
        }
    }

    void FlushHighSurrogate()
    {
        if (FHighSurrogate == 0) return;
        FHighSurrogate = 0;
        Character(0xFFFD);
    }

    TColor ColorAt(int Index) const
    {
        return Index >= 0 && Index < static_cast<int>(FColors.size()) ? FColors[Index] : clNone;
    }

    std::string_view FText;
    rtl::TByteCursor FCursor;
    std::vector<TGroupState> FStack;
    std::vector<TRichRun> FRuns;
    std::vector<std::string> FFontNames;
    std::string FFontName;
    std::vector<TColor> FColors;
    std::uint8_t FRed = 0, FGreen = 0, FBlue = 0;
    bool FColorSet = false;
    char32_t FHighSurrogate = 0;
};

} // namespace

std::vector<TRichRun> ReadRichText(std::string_view Rtf) { return TRtfReader(Rtf).Read(); }

} // namespace grid
