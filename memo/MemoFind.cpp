// Finding and replacing text line by line: the next or previous match, the matching lines, a
// match's text position, and replacing every match from the caret on as one undoable step.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"

#include <optional>

namespace {

char32_t FoldAscii(char32_t Ch) { return Ch >= U'A' && Ch <= U'Z' ? Ch + (U'a' - U'A') : Ch; }

std::u32string Folded(std::u32string S)
{
    for (char32_t& ch : S) ch = FoldAscii(ch);
    return S;
}

bool IsAsciiWordChar(char32_t Ch)
{
    return (Ch >= U'0' && Ch <= U'9') || (Ch >= U'a' && Ch <= U'z') || (Ch >= U'A' && Ch <= U'Z');
}

// How one line is searched: the text (already folded without frMatchCase),
// the search text likewise, and what may stand around a whole word.
struct TLineSearch {
    std::u32string Find;
    bool Forward;
    bool WholeWord;
    bool (*WordChar)(char32_t);

    bool IsWhole(std::u32string_view S, size_t At) const
    {
        if (!WholeWord) return true;
        const size_t end = At + Find.size();
        return (At == 0 || !WordChar(S[At - 1])) && (end >= S.size() || !WordChar(S[end]));
    }
    // The column of the first (forward) or last (backward) acceptable match
    // in S; every occurrence is tried, so a whole word after a part word is found.
    std::optional<size_t> In(std::u32string_view S) const
    {
        if (Find.empty() || S.size() < Find.size()) return std::nullopt;
        if (Forward) {
            for (size_t at = S.find(Find); at != std::u32string_view::npos; at = S.find(Find, at + 1))
                if (IsWhole(S, at)) return at;
        } else {
            for (size_t at = S.rfind(Find); at != std::u32string_view::npos; at = at == 0 ? std::u32string_view::npos : S.rfind(Find, at - 1))
                if (IsWhole(S, at)) return at;
        }
        return std::nullopt;
    }
};

TLineSearch MakeSearch(std::u32string Find, TFindOptions Options, bool (*WordChar)(char32_t))
{
    if (!Options.Contains(frMatchCase)) Find = Folded(std::move(Find));
    return {std::move(Find), Options.Contains(frDown), Options.Contains(frWholeWord), WordChar};
}

bool IsNotSpace(char32_t Ch) { return Ch != U' '; }

// The line breaks in a text (CR LF, CR or LF each one), and how many
// characters follow the last of them.
int BreaksIn(std::u32string_view S, int& Tail)
{
    int breaks = 0;
    size_t start = 0;
    for (size_t i = 0; i < S.size(); ++i)
        if (S[i] == U'\r' || S[i] == U'\n') {
            if (S[i] == U'\r' && i + 1 < S.size() && S[i + 1] == U'\n') ++i;
            ++breaks;
            start = i + 1;
        }
    Tail = static_cast<int>(S.size() - start);
    return breaks;
}

} // namespace

std::u32string TQuillCustomMemo::SearchableLine(int Line, TFindOptions Options) const
{
    std::u32string s = memo::ToU32(LineText(Line));
    return Options.Contains(frMatchCase) ? s : Folded(std::move(s));
}

// The part of a line a search from the caret looks at: [From, To) of its
// columns, or nothing when the line is skipped.
bool TQuillCustomMemo::SearchWindow(int Line, int Length, bool Forward, int& From, int& To) const
{
    From = 0;
    To = Length;
    if (Line != FSelStartY || FSelStartY != FSelEndY) return true;
    if (Forward) {
        if (FSelEndX >= Length) return false;
        From = std::max(FSelEndX, 0);
    } else {
        const bool empty = FSelStartX == FSelEndX || (FSelStartX <= 0 && FSelEndX <= 0);
        To = std::clamp(empty ? FCurX : FSelStartX, 0, Length);
    }
    return true;
}

int TQuillCustomMemo::SearchLines(const std::string& SearchStr, TFindOptions Options, bool CountOnly)
{
    if (SearchStr.empty()) return -1;
    if (CountOnly && !OnTextFound) return -1;
    const TLineSearch search = MakeSearch(memo::ToU32(SearchStr), Options, IsAsciiWordChar);
    const int step = search.Forward ? 1 : -1;
    int result = CountOnly ? 0 : -1;
    for (int line = FCurY; line >= 0 && line < FLines->Count(); line += step) {
        const std::u32string s = SearchableLine(line, Options);
        int from = 0, to = 0;
        if (!SearchWindow(line, static_cast<int>(s.size()), search.Forward, from, to)) continue;
        const auto found = search.In(std::u32string_view(s).substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
        if (!found) continue;
        const int x = static_cast<int>(*found) + from;
        if (CountOnly) {
            if (OnTextFound) OnTextFound(this, x + 1, line + 1);
            ++result;
            continue;
        }
        SetCurY(line);
        SetCurX(x);
        FSelStartX = FCurX;
        FSelStartY = line;
        FSelEndX = FCurX + static_cast<int>(search.Find.size());
        FSelEndY = line;
        Invalidate();
        DoSelectionChange();
        return SelStart();
    }
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    Invalidate();
    return result;
}

int TQuillCustomMemo::FindText(const std::string& SearchStr, TFindOptions Options)
{
    return SearchLines(SearchStr, Options, false);
}

int TQuillCustomMemo::FindTextCount(const std::string& SearchStr, TFindOptions Options)
{
    return SearchLines(SearchStr, Options, true);
}

int TQuillCustomMemo::FindTextPos(const std::string& SearchStr, TFindOptions Options)
{
    if (SearchStr.empty()) return -1;
    const TLineSearch search = MakeSearch(memo::ToU32(SearchStr), Options, IsNotSpace);
    for (int line = FCurY; line >= 0 && line < FLines->Count(); line += search.Forward ? 1 : -1) {
        std::u32string s = SearchableLine(line, Options);
        // Trailing blanks do not count, unless the next line continues this one.
        if (!memo::IsLineWrapped(*FLines, line + 1))
            while (!s.empty() && s.back() == U' ') s.pop_back();
        int from = 0, to = static_cast<int>(s.size());
        if (line == FSelStartY && FSelStartY == FSelEndY) {
            if (search.Forward) {
                if (FSelEndX >= to) continue;
                from = std::max(FSelEndX, 0);
            } else {
                to = std::clamp(FSelStartX, 0, to);
            }
        }
        const auto found = search.In(std::u32string_view(s).substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
        if (found) return TextFromPos(static_cast<int>(*found) + from, line);
    }
    return -1;
}

// Every match from the caret on, in the search direction, is replaced in one
// pass over the lines: the text after a replacement is never searched again,
// so a replacement that holds the search text or is empty cannot loop or stop
// early, and the whole change is one undo step.
int TQuillCustomMemo::FindAndReplace(const std::string& SearchStr, const std::string& NewStr, TFindOptions Options)
{
    if (SearchStr.empty() || FLines->Count() == 0 || FReadOnly || !IsEditAllowed()) return 0;
    const TLineSearch search = MakeSearch(memo::ToU32(SearchStr), Options, IsAsciiWordChar);
    const std::u32string replacement = memo::ToU32(NewStr);
    const int step = search.Forward ? 1 : -1;
    int count = 0, added = 0;
    int endX = FCurX, endY = FCurY;
    // Lines come in search order; kept from the lowest index up for the undo step.
    std::vector<std::pair<int, std::string>> changed;
    for (int line = FCurY; line >= 0 && line < FLines->Count(); line += step) {
        const std::u32string original = memo::ToU32(LineText(line));
        const std::u32string s = Options.Contains(frMatchCase) ? original : Folded(original);
        int from = 0, to = 0;
        if (!SearchWindow(line, static_cast<int>(s.size()), search.Forward, from, to)) continue;
        std::vector<size_t> matches;
        if (search.Forward) {
            for (size_t at = static_cast<size_t>(from);;) {
                auto found = search.In(std::u32string_view(s).substr(at, static_cast<size_t>(to) - at));
                if (!found) break;
                matches.push_back(at + *found);
                at += *found + search.Find.size();
            }
        } else {
            for (size_t end = static_cast<size_t>(to);;) {
                auto found = search.In(std::u32string_view(s).substr(static_cast<size_t>(from), end - static_cast<size_t>(from)));
                if (!found) break;
                matches.insert(matches.begin(), static_cast<size_t>(from) + *found);
                end = static_cast<size_t>(from) + *found;
            }
        }
        if (matches.empty()) continue;
        std::u32string text;
        size_t copied = 0;
        int caretX = 0;
        for (size_t at : matches) {
            text.append(original, copied, at - copied);
            if (!search.Forward && at == matches.front()) caretX = static_cast<int>(text.size());
            text += replacement;
            copied = at + search.Find.size();
            if (search.Forward) caretX = static_cast<int>(text.size());
        }
        text.append(original, copied);
        // The caret ends behind the last replacement made (forward) or at
        // the first one (backward), on the lines the replacements leave.
        int tail = 0;
        const int down = BreaksIn(std::u32string_view(text).substr(0, static_cast<size_t>(caretX)), tail);
        if (search.Forward) {
            endY = line + added + down;
            endX = down > 0 ? tail : caretX;
        } else {
            endY = line + down;
            endX = down > 0 ? tail : caretX;
        }
        int ignored = 0;
        added += BreaksIn(text, ignored);
        changed.emplace_back(line, memo::ToUtf8(text));
        count += static_cast<int>(matches.size());
    }
    if (count == 0) {
        FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
        Invalidate();
        return 0;
    }
    if (!search.Forward) std::reverse(changed.begin(), changed.end());
    const int first = changed.front().first, last = changed.back().first;
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(last - first + 1));
    for (int line = first; line <= last; ++line) lines.push_back(LineText(line));
    for (auto& [line, text] : changed) lines[static_cast<size_t>(line - first)] = std::move(text);
    auto undo = std::make_unique<TReplaceLinesUndo>(FCurX, FCurY, endX, endY, first, last - first + 1, std::move(lines));
    ClearSelection();
    undo->Memo = this;
    undo->Exchange();
    AddUndoStep(undo.release());
    SetCurY(std::min(endY, FLines->Count() - 1));
    SetCurX(endX);
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    Invalidate();
    return count;
}

int TQuillCustomMemo::ReplaceLineRange(int First, int Count, const std::vector<std::string>& Texts)
{
    // A text may hold line breaks: each becomes lines of its own.
    std::vector<std::string> rows;
    for (const std::string& text : Texts) {
        size_t start = 0;
        for (size_t br = text.find_first_of("\r\n"); br != std::string::npos; br = text.find_first_of("\r\n", start)) {
            rows.push_back(text.substr(start, br - start));
            start = br + (text.compare(br, 2, "\r\n") == 0 ? 2 : 1);
        }
        rows.push_back(text.substr(start));
    }
    {
        TQuillMemoStrings::QuietChanges quiet(*FLines);
        const int want = static_cast<int>(rows.size()), common = std::min(Count, want);
        for (int j = 0; j < common; ++j)
            if (FLines->Strings(First + j) != rows[static_cast<size_t>(j)]) {
                PutLine(First + j, rows[static_cast<size_t>(j)]);
                MarkModified(First + j);
            }
        for (int j = common; j < want; ++j) {
            FLines->DoInsert(First + j, rows[static_cast<size_t>(j)]);
            NoteEdit(First + j);
            MarkModified(First + j);
        }
        for (int j = Count - 1; j >= want; --j) {
            NoteEdit(First + j);
            FLines->RemoveLine(First + j);
        }
    }
    RewrapEdits();
    LinesChanged();
    return static_cast<int>(rows.size());
}
