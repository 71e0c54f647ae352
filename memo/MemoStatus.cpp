// The memo's modified flag, version, clipboard abilities, clearing, notification hooks, error
// marks, and the matching of block start and end words around the caret.
#include "memo/QuillMemo.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "platform/rtl/Strings.h"

bool TQuillCustomMemo::Modified() const { return UndoList().Count() > 0; }

void TQuillCustomMemo::SetModified(bool Value)
{
    if (Value) return;
    UndoList().Clear();
    UndoChanged();
    DoStatusChange();
    memo::ClearModified(EffectiveLines());
}

unsigned TQuillCustomMemo::GetVersionNr() { return 0x02030B00u; }

std::string TQuillCustomMemo::GetVersionString()
{
    const unsigned nr = GetVersionNr();
    return std::to_string(nr >> 24) + "." + std::to_string((nr >> 16) & 0xFF) + "." + std::to_string((nr >> 8) & 0xFF) +
           "." + std::to_string(nr & 0xFF) + " Dec, 2011";
}

bool TQuillCustomMemo::CanCopy() const { return SelLength() > 0; }

bool TQuillCustomMemo::CanCut() const { return SelLength() >= 1 && !FReadOnly; }

void TQuillCustomMemo::Clear()
{
    SetCurX(0);
    SetCurY(0);
    FLeftCol = FTopLine = 0;
    {
        const bool saved = FLetRefresh;
        FLetRefresh = false;
        EffectiveLines().Clear();
        FLetRefresh = saved;
    }
    Invalidate();
    SetCurX(0);
    SetCurY(0);
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    LinesChanged();
    InvalidateTopLineStyle();
    EffectiveLines().Clear();
}

void TQuillCustomMemo::SetCursor(int ACurX, int ACurY)
{
    ClearSelection();
    FCurX = 0;
    SetCurY(ACurY);
    SetCurX(ACurX);
}

void TQuillCustomMemo::DoGutterClick(int LineNo)
{
    if (OnGutterClick) OnGutterClick(this, LineNo);
}

void TQuillCustomMemo::DoFind()
{
    if (OnFind) OnFind(this);
}

void TQuillCustomMemo::DoReplace()
{
    if (OnReplace) OnReplace(this);
}

void TQuillCustomMemo::SetError(int LineNo, int ErrPos, int ErrLen)
{
    TQuillMemoStrings& lines = EffectiveLines();
    if (LineNo < 0 || LineNo >= lines.Count()) throw EStringListError("List index out of bounds (" + std::to_string(LineNo) + ")");
    TLineProp& prop = lines.LineProp(LineNo);
    prop.FErrStart.Add(ErrPos);
    prop.FErrLen.Add(ErrLen);
    InvalidateLineRow(LineNo, 0);
}

void TQuillCustomMemo::ClearLineErrors(int LineNo)
{
    if (TLineProp* prop = EffectiveLines().GetLineProp(LineNo)) {
        prop->FErrStart.Clear();
        prop->FErrLen.Clear();
    }
}

void TQuillCustomMemo::ClearWordError(int LineNo, int LinePos)
{
    TLineProp* prop = EffectiveLines().GetLineProp(LineNo);
    if (!prop) return;
    for (int i = 0; i < prop->FErrStart.Count() && i < prop->FErrLen.Count(); ++i)
        if (prop->FErrStart.Items(i) == LinePos) {
            prop->FErrStart.Delete(i);
            prop->FErrLen.Delete(i);
            return;
        }
}

void TQuillCustomMemo::ClearErrors()
{
    for (int i = 0; i < EffectiveLines().Count(); ++i) ClearLineErrors(i);
    Invalidate();
}

namespace {

// The 1-based character position of the first occurrence of Word in Text that
// stands as a whole word; 0 for none.
int WholeWordIn(std::u32string_view Word, std::u32string_view Text, const std::function<bool(char32_t)>& IsDelimiter)
{
    if (Word.empty()) return 0;
    for (size_t at = Text.find(Word); at != std::u32string_view::npos; at = Text.find(Word, at + 1)) {
        const size_t end = at + Word.size();
        if ((at == 0 || IsDelimiter(Text[at - 1])) && (end >= Text.size() || IsDelimiter(Text[end])))
            return static_cast<int>(at) + 1;
    }
    return 0;
}

} // namespace

int TQuillCustomMemo::FindWholeWord(const std::string& Word, const std::string& Text, int& Pos)
{
    Pos = WholeWordIn(memo::ToU32(Word), memo::ToU32(Text), [this](char32_t ch) { return IsWordDelimiter(ch); });
    return Pos;
}

int TQuillCustomMemo::FindBlockWord(std::string& Words, int& Pos, const std::string& Text)
{
    if (Words.find(',') == std::string::npos) return FindWholeWord(Words, Text, Pos);
    Pos = 0;
    for (size_t start = 0; start <= Words.size();) {
        size_t comma = Words.find(',', start);
        if (comma == std::string::npos) comma = Words.size();
        std::string word = Words.substr(start, comma - start);
        if (FindWholeWord(word, Text, Pos) > 0) {
            Words = word;
            return Pos;
        }
        start = comma + 1;
    }
    return 0;
}

std::vector<TQuillCustomMemo::BlockWord> TQuillCustomMemo::BlockWordsOf(const std::string& Text, const std::string& Start,
                                                                        const std::string& End)
{
    std::vector<BlockWord> found;
    std::string text = Text;
    int offset = 0;
    for (;;) {
        std::string open = Start, close = End;
        int po = 0, pc = 0;
        FindBlockWord(open, po, text);
        FindBlockWord(close, pc, text);
        if (po == 0 && pc == 0) break;
        const bool opens = po > 0 && (pc == 0 || po < pc);
        const int at = (opens ? po : pc) - 1, len = memo::Length(opens ? open : close);
        found.push_back({offset + at, len, opens});
        text = memo::Mid(text, at + len);
        offset += at + len;
    }
    return found;
}

// Marks the block word pair around the caret on the visible lines: the
// forward search finds the end word that closes the caret's block, the
// backward one (reading each line from the right) the start word that opens
// it. A keyword inside a longer word never counts.
void TQuillCustomMemo::CursorChanged()
{
    FCursorChangedTrigered = true;
    const std::string bs = FInternalStyles ? AnsiUpperCase(FInternalStyles->BlockStart()) : std::string();
    const std::string be = FInternalStyles ? AnsiUpperCase(FInternalStyles->BlockEnd()) : std::string();
    const TQuillMemoStrings& lines = EffectiveLines();
    if (lines.Count() > 0 && !bs.empty() && !be.empty() && FCurY >= 0 && FCurY < lines.Count()) {
        auto wordsOf = [&](int Line) { return BlockWordsOf(AnsiUpperCase(lines.Strings(Line)), bs, be); };
        const auto caretWords = wordsOf(FCurY);
        auto has = [&](bool Opens) {
            return std::any_of(caretWords.begin(), caretWords.end(), [&](const BlockWord& w) { return w.Opens == Opens; });
        };
        bool endFound = false, startFound = false;
        const int last = std::min(FTopLine + VisibleLineCount(), lines.Count() - 1);
        for (int y = FCurY, depth = 0, target = has(true) ? 0 : -1; y <= last && !endFound; ++y)
            for (const BlockWord& w : y == FCurY ? caretWords : wordsOf(y)) {
                depth += w.Opens ? 1 : -1;
                if (!w.Opens && depth == target) {
                    SetBlockStartMark(y, w.Col, w.Len);
                    endFound = true;
                    break;
                }
            }
        for (int y = FCurY, depth = 0, target = has(false) ? 0 : -1; y >= FTopLine && y >= 0 && !startFound; --y) {
            const auto words = y == FCurY ? caretWords : wordsOf(y);
            for (auto w = words.rbegin(); w != words.rend(); ++w) {
                depth += w->Opens ? -1 : 1;
                if (w->Opens && depth == target) {
                    SetBlockEndMark(y, w->Col, w->Len);
                    startFound = true;
                    break;
                }
            }
        }
        if (!endFound || !startFound) {
            SetBlockStartMark(-1, -1, -1);
            SetBlockEndMark(-1, -1, -1);
        }
    } else if (FBlockStart.Line >= 0 || FBlockEnd.Line >= 0) {
        SetBlockStartMark(-1, -1, -1);
        SetBlockEndMark(-1, -1, -1);
    }
    if (OnCursorChange) OnCursorChange(this);
}
