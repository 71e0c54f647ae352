// The syntax tokenizer. It scans by index, so a very long line costs time in
// proportion to its length.
#include "memo/MemoTokenizer.h"

#include "memo/MemoStyler.h"
#include "memo/MemoText.h"
#include "platform/rtl/Strings.h"

namespace memo {

namespace {

char32_t UpperAscii(char32_t Ch) { return Ch >= U'a' && Ch <= U'z' ? Ch - 32 : Ch; }

std::u32string UpperAscii(std::u32string S)
{
    for (char32_t& ch : S) ch = UpperAscii(ch);
    return S;
}

std::u32string Lower(std::u32string_view S)
{
    std::u32string out(S);
    for (char32_t& ch : out) ch = rtl::UnicodeLower(ch);
    return out;
}

bool StartsAt(std::u32string_view S, size_t P, std::u32string_view What)
{
    return !What.empty() && S.size() - P >= What.size() && S.compare(P, What.size(), What) == 0;
}

bool Contains(std::u32string_view Set, char32_t Ch) { return Set.find(Ch) != std::u32string_view::npos; }

} // namespace

TStyle ClearedStyle()
{
    TStyle style;
    style.index = -1;
    return style;
}

TStyle CarriedStyle(TStyle Style)
{
    Style.isnumber = Style.iskeyWord = Style.isdelimiter = Style.isURL = false;
    return Style;
}

bool IsUrlDelimiter(char32_t Ch) { return Ch == U' ' || Ch == U'"' || Ch == U'\'' || Ch == U','; }

bool WordIsURL(std::u32string_view Word)
{
    static const std::u32string prefixes[] = {U"http://", U"mailto:", U"www.", U"https://", U"ftp://", U"nntp://",
                                              U"file://"};
    std::u32string lower;
    for (size_t i = 0; i < Word.size() && i < 8; ++i)
        lower.push_back(Word[i] >= U'A' && Word[i] <= U'Z' ? Word[i] + 32 : Word[i]);
    for (const auto& prefix : prefixes)
        if (lower.starts_with(prefix)) return true;
    return false;
}

std::vector<std::u32string_view> SplitURLWords(std::u32string_view Line, bool UrlAware, char32_t Literal)
{
    std::vector<std::u32string_view> parts;
    if (Line.empty()) return parts;
    if (!UrlAware) {
        parts.push_back(Line);
        return parts;
    }
    size_t start = 0;
    bool inDelimiters = IsUrlDelimiter(Line[0]);
    for (size_t i = 0; i < Line.size(); ++i) {
        if (Literal && Line[i] == Literal) {
            ++i; // the escaped character stays in this run
            continue;
        }
        if (IsUrlDelimiter(Line[i]) != inDelimiters) {
            parts.push_back(Line.substr(start, i - start));
            start = i;
            inDelimiters = !inDelimiters;
        }
    }
    parts.push_back(Line.substr(start));
    return parts;
}

TTokenRules::TTokenRules(const TQuillCustomMemoStyler* Styler, bool CaseSensitive, bool UrlAware)
    : FHasStyler(Styler != nullptr), FUrlAware(UrlAware), FCaseSensitive(CaseSensitive)
{
    if (!Styler) return;
    FCustomDraw = Styler->CustomDraw();
    std::u32string literal = ToU32(Styler->Literal());
    FLiteral = literal.empty() ? 0 : literal[0];
    FLineComment = ToU32(Styler->LineComment());
    FMultiLeft = ToU32(Styler->MultiCommentLeft());
    FMultiRight = ToU32(Styler->MultiCommentRight());
    FHexPrefix = UpperAscii(ToU32(Styler->HexIdentifier()));
    FNumberStart = UpperAscii(ToU32(Styler->NumericChars())) + FHexPrefix;
    FNumberChars = UpperAscii(ToU32(Styler->NumericChars())) + U"E";
    const TElementStyles& styles = Styler->AllStyles();
    for (int i = 0; i < styles.Count(); ++i) {
        const TElementStyle& item = *styles.Items(i);
        switch (item.StyleType()) {
        case stSymbol:
            FDelimiters += item.Symbols();
            FSymbols.push_back({i, item.Symbols()});
            break;
        case stBracket:
            FBrackets.push_back({i, item.BracketStart(), item.BracketEnd()});
            break;
        case stKeyword: {
            Keywords words{i, {}};
            for (int k = 0; k < item.KeyWords().Count(); ++k) {
                std::u32string word = ToU32(item.KeyWords().Strings(k));
                words.Words.insert(CaseSensitive ? word : Lower(word));
            }
            FKeywords.push_back(std::move(words));
            break;
        }
        }
    }
}

bool TLineTokenizer::IsDelimiter(char32_t Ch) const { return Contains(FRules.FDelimiters, Ch); }

bool TLineTokenizer::FindKeyword(std::u32string_view Word, int& Index) const
{
    std::u32string key = FRules.FCaseSensitive ? std::u32string(Word) : Lower(Word);
    for (const auto& list : FRules.FKeywords)
        if (list.Words.contains(key)) {
            Index = list.Index;
            return true;
        }
    return false;
}

void TLineTokenizer::Emit(std::u32string_view Token)
{
    if (!(FState == FPendingState)) {
        Flush();
        FPendingState = FState;
    }
    FPending.append(Token);
    FState = CarriedStyle(FState);
}

void TLineTokenizer::Flush()
{
    if (FSink && !FPending.empty()) FSink->Run(FPending, FPendingState);
    FPending.clear();
}

int TLineTokenizer::NumberEnd(std::u32string_view S, size_t P) const
{
    std::u32string allowed = FRules.FNumberChars;
    size_t j = P;
    if (!FRules.FHexPrefix.empty() && S.size() - P >= FRules.FHexPrefix.size() &&
        UpperAscii(std::u32string(S.substr(P, FRules.FHexPrefix.size()))) == FRules.FHexPrefix) {
        allowed += U"ABCDEF";
        j += FRules.FHexPrefix.size();
    }
    size_t firstDot = std::u32string_view::npos;
    for (; j < S.size() && Contains(allowed, UpperAscii(S[j])); ++j) {
        if (S[j] != U'.') continue;
        if (firstDot != std::u32string_view::npos) return static_cast<int>(firstDot);
        firstDot = j;
    }
    return static_cast<int>(j);
}

// One part of a line. W of the classic description is the rest of S from i
// plus the plain characters already passed; only whether any were passed and
// the last of them matter, so nothing is ever erased from a string.
void TLineTokenizer::Part(std::u32string_view S)
{
    if (!FRules.FHasStyler || (FState.isURL && FRules.FUrlAware)) {
        Emit(S);
        return;
    }
    const size_t n = S.size();
    size_t i = 0;
    bool keptAny = false;
    char32_t lastKept = 0;
    bool wordStart = true, restart = false;
    const bool multiComments = !FRules.FMultiLeft.empty() && !FRules.FMultiRight.empty();
    auto keep = [&](char32_t ch) {
        keptAny = true;
        lastKept = ch;
    };
    while (i < n) {
        if (!restart)
            wordStart = !keptAny || FRules.FDelimiters.empty() || lastKept == U' ' || IsDelimiter(lastKept);
        restart = false;

        if (!FState.isBracket && multiComments) {
            if (FState.isComment) {
                size_t q = S.find(FRules.FMultiRight, i);
                if (q == std::u32string_view::npos) {
                    Emit(S.substr(i));
                    return;
                }
                size_t end = q + FRules.FMultiRight.size();
                Emit(S.substr(i, end - i));
                i = end;
                FState.isComment = false;
                if (i >= n) return;
            } else if (StartsAt(S, i, FRules.FMultiLeft)) {
                i += FRules.FMultiLeft.size();
                keptAny = false;
                FState.isComment = true;
                Emit(FRules.FMultiLeft);
                restart = true;
                continue;
            }
        }

        if (!FState.isComment) {
            if (!FState.isBracket && StartsAt(S, i, FRules.FLineComment)) {
                FState.isComment = true;
                Emit(S.substr(i));
                FLineComment = true;
                return;
            }
            if (FState.isBracket && FState.StartBracket) {
                char32_t c = S[i];
                if (FRules.FLiteral && c == FRules.FLiteral) {
                    Emit(S.substr(i, 1));
                    if (++i >= n) return;
                    Emit(S.substr(i, 1));
                    if (++i >= n) return;
                } else if (c == FState.EndBracket) {
                    Emit(S.substr(i, 1));
                    ++i;
                    FState.isBracket = false;
                    wordStart = false;
                } else {
                    Emit(S.substr(i, 1));
                    keep(c);
                    if (++i >= n) {
                        if (FState.EndBracket == U' ') {
                            FState.isBracket = false;
                            FState.StartBracket = FState.EndBracket = 0;
                        }
                        return;
                    }
                }
                restart = true;
                continue;
            }
            FState.StartBracket = FState.EndBracket = 0;
            bool opened = false;
            for (const auto& bracket : FRules.FBrackets) {
                FState.EndBracket = bracket.End;
                FState.StartBracket = bracket.Start;
                FState.index = bracket.Index;
                if (FState.EndBracket && S[i] == FState.StartBracket) {
                    FState.isBracket = opened = true;
                    break;
                }
            }
            if (opened) {
                Emit(S.substr(i, 1));
                ++i;
                continue;
            }
        }
        if (i >= n) return;

        if (!restart) {
            bool symbol = false;
            for (const auto& symbols : FRules.FSymbols)
                if (Contains(symbols.Chars, S[i])) {
                    FState.isdelimiter = true;
                    FState.index = symbols.Index;
                    symbol = true;
                    break;
                }
            if (symbol) {
                Emit(S.substr(i, 1));
                ++i;
                wordStart = restart = true;
                continue;
            }
        }

        if (wordStart && Contains(FRules.FNumberStart, UpperAscii(S[i]))) {
            size_t end = static_cast<size_t>(NumberEnd(S, i));
            if (end > i) {
                FState.isdelimiter = false;
                FState.isnumber = true;
                Emit(S.substr(i, end - i));
                i = end;
                wordStart = false;
                restart = true;
                continue;
            }
        }

        if (wordStart) {
            size_t k = i + 1;
            while (k < n && S[k] != U' ' && S[k] != U';' && S[k] != U':' && !IsDelimiter(S[k])) ++k;
            int index = -1;
            if (FindKeyword(S.substr(i, k - i), index)) {
                FState.iskeyWord = true;
                FState.index = index;
                if (FRules.FCustomDraw && FSink) {
                    Flush();
                    FSink->CustomKeyword(S.substr(i, k - i));
                    FPendingState = FState = CarriedStyle(FState);
                } else {
                    Emit(S.substr(i, k - i));
                }
                i = k;
                restart = true;
                continue;
            }
        }

        Emit(S.substr(i, 1));
        keep(S[i]);
        ++i;
    }
}

bool TLineTokenizer::Tokenize(std::u32string_view Line, TStyle& Style, TRunSink* Sink)
{
    FSink = Sink;
    FState = Style;
    FPendingState = Style;
    FPending.clear();
    FLineComment = false;
    for (std::u32string_view part : SplitURLWords(Line, FRules.FUrlAware, FRules.FLiteral)) {
        FState.isURL = FRules.FUrlAware && WordIsURL(part);
        Part(part);
    }
    Flush();
    if (FLineComment) FState.isComment = false;
    Style = CarriedStyle(FState);
    return FLineComment;
}

} // namespace memo
