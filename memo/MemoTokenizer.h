// The syntax tokenizer: cuts one line into runs of equal lexer state under a styler's rules.
#pragma once

#include "memo/MemoLineProp.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class TQuillCustomMemoStyler;

namespace memo {

// The lexer state with nothing open and no token flags.
TStyle ClearedStyle();
// The state a line hands to the next: the token flags are cleared.
TStyle CarriedStyle(TStyle Style);

// The characters that end a URL word, and whether a word is a URL.
bool IsUrlDelimiter(char32_t Ch);
bool WordIsURL(std::u32string_view Word);

// A styler's rules read once, ready for many lines.
class TTokenRules {
public:
    // Without a styler every part is one plain run.
    TTokenRules(const TQuillCustomMemoStyler* Styler, bool CaseSensitive, bool UrlAware);

    bool HasStyler() const noexcept { return FHasStyler; }
    bool UrlAware() const noexcept { return FUrlAware; }
    // The symbols of every symbol style, in collection order.
    const std::u32string& Delimiters() const noexcept { return FDelimiters; }

private:
    friend class TLineTokenizer;
    struct Bracket {
        int Index;
        char32_t Start, End;
    };
    struct Symbols {
        int Index;
        std::u32string Chars;
    };
    struct Keywords {
        int Index;
        std::unordered_set<std::u32string> Words;
    };

    bool FHasStyler = false;
    bool FUrlAware = true;
    bool FCaseSensitive = false;
    bool FCustomDraw = false;
    char32_t FLiteral = 0;
    std::u32string FLineComment, FMultiLeft, FMultiRight;
    std::u32string FDelimiters, FNumberStart, FNumberChars, FHexPrefix;
    std::vector<Bracket> FBrackets;
    std::vector<Symbols> FSymbols;
    std::vector<Keywords> FKeywords;
};

// Receives the runs of a line; consecutive tokens of equal state arrive as one run.
class TRunSink {
public:
    virtual ~TRunSink() = default;
    virtual void Run(std::u32string_view Text, const TStyle& State) = 0;
    // A keyword the styler draws itself (CustomDraw); the runs before it have arrived.
    virtual void CustomKeyword(std::u32string_view) {}
};

// The parts of a line: alternating runs of URL-delimiter characters and of
// others; the literal character keeps the one after it in its run. Without
// UrlAware the line is one part; an empty line has none.
std::vector<std::u32string_view> SplitURLWords(std::u32string_view Line, bool UrlAware, char32_t Literal);

class TLineTokenizer {
public:
    explicit TLineTokenizer(const TTokenRules& Rules) : FRules(Rules) {}
    // Tokenizes Line from the state Style holds on entry; on return Style is
    // the state the next line starts with. Runs go to Sink when it is given.
    // Returns whether the line held a line comment.
    bool Tokenize(std::u32string_view Line, TStyle& Style, TRunSink* Sink);

private:
    void Part(std::u32string_view S);
    void Emit(std::u32string_view Token);
    void Flush();
    bool IsDelimiter(char32_t Ch) const;
    int NumberEnd(std::u32string_view S, size_t P) const;
    bool FindKeyword(std::u32string_view Word, int& Index) const;

    const TTokenRules& FRules;
    TRunSink* FSink = nullptr;
    TStyle FState;
    TStyle FPendingState;
    std::u32string FPending;
    bool FLineComment = false;
};

} // namespace memo
