// Merging another RTF document into the body: control words filtered and fonts and colours renumbered.
#include "memo/RTFEngine.h"

#include "memo/RTFEscape.h"
#include "platform/rtl/Strings.h"

#include <array>
#include <cctype>
#include <charconv>

namespace {

// Words copied as they stand; compared without regard to case.
constexpr std::array<std::string_view, 27> PassThroughWords{
    "\\ql",    "\\qc",     "\\qr",         "\\par",     "\\tab",  "\\b",      "\\b0",    "\\i",     "\\i0",
    "\\ul",    "\\ulnone", "\\highlight0", "\\strike",  "\\strike0", "\\ltrpar", "\\pntext", "\\pnlvlblt",
    "\\pnindent0", "\\pntxtb", "\\pn",     "\\up0",     "\\dn4",  "\\up4",    "\\page",  "\\li720", "\\fi-720",
    "\\*"};

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// The document's content: after "\viewkind" and its digit, without "\uc1",
// up to the document's closing brace. Text that is no whole document is
// taken as it stands.
std::string_view ExtractRTFBody(std::string_view s)
{
    const size_t viewKind = s.find("\\viewkind");
    if (s.find("{\\rtf1") == std::string_view::npos || viewKind == std::string_view::npos) return s;
    std::string_view body = s.substr(std::min(s.size(), viewKind + 10));
    if (body.starts_with("\\uc1")) body.remove_prefix(4);
    const size_t last = body.rfind('}');
    return last == std::string_view::npos ? body : body.substr(0, last);
}

// Turns the merged document's words into this document's, dropping what the builder does not write.
class TBodyTranslator {
public:
    TBodyTranslator(TRTFHeader& target, bool tableOpen, std::string_view source) : FTarget(target), FTableOpen(tableOpen)
    {
        FFonts.LoadFonts(source);
        FColors.LoadColors(source);
    }

    // Whether the translation ends in a control word, which text after it
    // must be separated from.
    bool EndsInWord() const { return FEndsInWord && FDepth == 0; }

    std::string Translate(std::string_view body)
    {
        for (size_t i = 0; i < body.size();) {
            const char c = body[i];
            if (c == '\\') {
                i = ControlAt(body, i);
            } else if (const size_t skippedEnd = c == '{' ? SkippedGroupEnd(body, i) : 0) {
                i = skippedEnd;
            } else if (c == '{') {
                ++FDepth;
                Emit(std::string_view(&body[i++], 1), false);
            } else if (c == '}') {
                // A brace closing more than the merged text opened would end our own document.
                if (FDepth > 0) {
                    --FDepth;
                    Emit("}", false);
                }
                ++i;
            } else if (c == ' ' && FDropped) {
                // The dropped word's delimiter is still needed after a word that was kept.
                if (FEndsInWord) Emit(" ", false);
                ++i;
            } else if (static_cast<unsigned char>(c) >= 0x80) {
                // Raw characters beyond ASCII get the same escapes as the builder's own text.
                std::string escaped;
                memo::AppendRTFChar(escaped, rtl::Utf8Decode(body, i));
                Emit(escaped, false);
            } else {
                Emit(std::string_view(&body[i++], 1), false);
            }
            FDropped = c == '\\' && FDroppedNow;
            FDroppedNow = false;
        }
        FOut.append(static_cast<size_t>(FDepth), '}');
        return FOut;
    }

private:
    // A whole document's own tables, style sheet and information, and
    // destinations marked ignorable other than list numbering, hold no body
    // text: the index after such a group starting at I, else 0.
    static size_t SkippedGroupEnd(std::string_view body, size_t i)
    {
        size_t word = i + 1;
        const bool ignorable = body.substr(word).starts_with("\\*");
        if (ignorable) word += 2;
        if (word >= body.size() || body[word] != '\\') return 0;
        size_t end = word + 1;
        while (end < body.size() && IsLetter(body[end]))
            ++end;
        const std::string name = LowerCase(body.substr(word + 1, end - word - 1));
        const bool skipped = ignorable ? name != "pn"
                                       : name == "fonttbl" || name == "colortbl" || name == "stylesheet" ||
                                             name == "info" || name == "listtable" || name == "listoverridetable";
        if (!skipped) return 0;
        int depth = 0;
        for (size_t j = i; j < body.size(); ++j) {
            if (body[j] == '\\') ++j;
            else if (body[j] == '{') ++depth;
            else if (body[j] == '}' && --depth == 0) return j + 1;
        }
        return body.size();
    }

    void Emit(std::string_view s, bool word)
    {
        FOut += s;
        FEndsInWord = word;
    }
    void Drop() { FDroppedNow = true; }

    // Handles the control word or symbol at I; returns the index after it.
    size_t ControlAt(std::string_view body, size_t i)
    {
        if (i + 1 >= body.size()) return body.size();
        const char next = body[i + 1];
        if (!IsLetter(next)) return SymbolAt(body, i);
        size_t end = i + 1;
        while (end < body.size() && IsLetter(body[end]))
            ++end;
        const size_t lettersEnd = end;
        if (end < body.size() && body[end] == '-' && end + 1 < body.size() && IsDigit(body[end + 1])) ++end;
        while (end < body.size() && IsDigit(body[end]))
            ++end;
        TranslateWord(body.substr(i, end - i), body.substr(i + 1, lettersEnd - i - 1),
                      body.substr(lettersEnd, end - lettersEnd));
        return end;
    }

    size_t SymbolAt(std::string_view body, size_t i)
    {
        const char next = body[i + 1];
        if (next == '\'' && i + 3 < body.size() && IsHexDigit(body[i + 2]) && IsHexDigit(body[i + 3])) {
            Emit(body.substr(i, 4), false);
            return i + 4;
        }
        if (next == '\\' || next == '{' || next == '}' || next == '*' || next == '~' || next == '-' || next == '_') {
            Emit(body.substr(i, 2), next == '*');
        } else if (next == '\r' || next == '\n') {
            Emit("\\par ", false);
        } else {
            Drop();
        }
        return i + 2;
    }

    void TranslateWord(std::string_view word, std::string_view letters, std::string_view param)
    {
        const std::string lower = LowerCase(letters);
        if (lower == "pard" && param.empty()) {
            if (FTableOpen) Drop();
            else Emit(word, true);
            return;
        }
        for (std::string_view kept : PassThroughWords)
            if (SameText(word, kept)) return Emit(word, true);
        int n = -1;
        const bool numbered = !param.empty() && param[0] != '-' &&
                              std::from_chars(param.data(), param.data() + param.size(), n).ec == std::errc{};
        if ((lower == "cf" || lower == "highlight") && numbered && n < FColors.Colors()->Count()) {
            const TColor color = StringToColor(FColors.Colors()->Strings(n));
            return Emit("\\" + lower + std::to_string(FTarget.ColorTable()->AddColor(color)), true);
        }
        if ((lower == "f" || lower == "pnf") && numbered && n < FFonts.Fonts()->Count()) {
            TFontTable& fonts = *FTarget.FontTable();
            const std::string& face = FFonts.Fonts()->GetItem(n)->FaceName();
            fonts.AddFont(face);
            return Emit("\\" + lower + std::to_string(fonts.IndexOf(face)), true);
        }
        // Unicode characters keep their escape; the fallback after it is ordinary text.
        if (lower == "fs" || lower == "li" || (lower == "fi" && param.starts_with('-')) ||
            (lower == "u" && !param.empty()))
            return Emit(word, true);
        Drop();
    }

    TRTFHeader& FTarget;
    bool FTableOpen;
    TFontTable FFonts;
    TColorTable FColors;
    std::string FOut;
    int FDepth = 0;
    bool FEndsInWord = true;
    bool FDropped = false;
    bool FDroppedNow = false;
};

} // namespace

void TRTFEngine::AddRTF(std::string_view RTFText)
{
    TBodyTranslator translator(*FRTFHeader, FStartTable, RTFText);
    const std::string body = translator.Translate(ExtractRTFBody(RTFText));
    AppendRTF(body, translator.EndsInWord());
}
