// Soft word wrap: logical lines cut into flagged continuation lines and joined back, keeping
// each logical line's marks, and the caret and selection on the same text.
#include "memo/MemoWrap.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "memo/QuillMemo.h"

#include <map>

namespace memo {

std::vector<std::string> WrapLine(std::string_view Line, int Width)
{
    std::vector<std::string> pieces;
    const std::u32string text = ToU32(Line);
    size_t start = 0;
    while (text.size() - start > static_cast<size_t>(Width)) {
        size_t end = start;
        for (;;) {
            const size_t space = text.find(U' ', end);
            if (space == std::u32string::npos) break;
            // The word with its trailing space must keep the piece below Width.
            if (space + 1 - start >= static_cast<size_t>(Width)) break;
            end = space + 1;
        }
        if (end == start) end = start + static_cast<size_t>(Width);
        pieces.push_back(ToUtf8(std::u32string_view(text).substr(start, end - start)));
        start = end;
    }
    pieces.push_back(ToUtf8(std::u32string_view(text).substr(start)));
    return pieces;
}

} // namespace memo

int TQuillCustomMemo::WrapWidth()
{
    switch (FWordWrap) {
    case wwClientWidth: return VisiblePosCount() - 1;
    case wwRightMargin: return FRightMargin;
    default: return 0;
    }
}

bool TQuillCustomMemo::Rewrap(int Width)
{
    const int count = FLines->Count();
    // Logical lines whose stored pieces differ from the wanted ones, by their first line.
    std::map<int, std::vector<std::string>> changes;
    for (int i = 0, end; i < count; i = end) {
        end = i + 1;
        while (end < count && memo::IsLineWrapped(*FLines, end)) ++end;
        if (end == i + 1 && (Width <= 0 || LineLength(i) <= Width)) continue;
        std::string joined;
        for (int k = i; k < end; ++k) joined += FLines->Strings(k);
        std::vector<std::string> pieces = Width > 0 ? memo::WrapLine(joined, Width) : std::vector<std::string>{joined};
        bool same = static_cast<int>(pieces.size()) == end - i;
        for (int k = 0; same && k < end - i; ++k) same = pieces[k] == FLines->Strings(i + k);
        if (!same) changes.emplace(i, std::move(pieces));
    }
    if (changes.empty()) return false;

    // A logical line keeps its first line's object, and with it its marks;
    // continuation lines reuse theirs, and new ones get one flagged below.
    std::vector<TQuillMemoStrings::Row> rows;
    std::vector<int> newContinuations;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0, end; i < count; i = end) {
        end = i + 1;
        while (end < count && memo::IsLineWrapped(*FLines, end)) ++end;
        auto changed = changes.find(i);
        if (changed == changes.end()) {
            for (int k = i; k < end; ++k) rows.push_back({FLines->Strings(k), FLines->GetLineProp(k)});
            continue;
        }
        std::vector<std::string>& pieces = changed->second;
        for (size_t k = 0; k < pieces.size(); ++k) {
            TLineProp* prop = static_cast<int>(k) < end - i ? FLines->GetLineProp(i + static_cast<int>(k)) : nullptr;
            if (k > 0 && !prop) newContinuations.push_back(static_cast<int>(rows.size()));
            rows.push_back({std::move(pieces[k]), prop});
        }
    }
    FLines->RebuildLines(std::move(rows));
    {
        TQuillMemoStrings::QuietChanges quiet(*FLines);
        for (int index : newContinuations) FLines->LineProp(index).Wrapped = true;
    }
    FMaxLengthCount = -1;
    UpdateMaxLength();
    return true;
}

void TQuillCustomMemo::WrapLines()
{
    if (FLines->Count() > 0 && FWordWrap != wwNone && !ComponentState().Contains(csLoading)) Rewrap(WrapWidth());
}

void TQuillCustomMemo::UnwrapLines()
{
    if (FLines->Count() > 0 && FWordWrap != wwNone && !ComponentState().Contains(csLoading)) Rewrap(0);
}

void TQuillCustomMemo::RelayoutKeepingPositions(int Width)
{
    const int caret = TextFromPos(FCurX, FCurY);
    const int anchor = TextFromPos(FSelStartX, FSelStartY);
    const int end = TextFromPos(FSelEndX, FSelEndY);
    const bool prevAtCaret = FPrevSelX == FCurX && FPrevSelY == FCurY;
    if (!Rewrap(Width)) return;
    PosFromText(caret, FCurX, FCurY);
    PosFromText(anchor, FSelStartX, FSelStartY);
    PosFromText(end, FSelEndX, FSelEndY);
    if (prevAtCaret) {
        FPrevSelX = FCurX;
        FPrevSelY = FCurY;
    }
    if (FActiveLineSettings->ActiveLineAtCursor()) FActiveLine = FCurY;
    // Wrapped text fits the view, so it is shown from its first column.
    if (FWordWrap == wwClientWidth || (FWordWrap == wwRightMargin && FRightMargin < VisiblePosCount())) FLeftCol = 0;
    if (!FLetRefresh) return;
    RefreshScrollBars(false);
    ScrollCaretIntoView();
    if (FCaretVisible) UpdateCaret(true);
    Invalidate();
}

void TQuillCustomMemo::UpdateWrap()
{
    if (FLines->Count() == 0 || FWordWrap == wwNone || ComponentState().Contains(csLoading)) return;
    const int width = WrapWidth();
    if (width > 0) RelayoutKeepingPositions(width);
}

void TQuillCustomMemo::SetWordWrap(TWordWrapStyle Value)
{
    if (Value == FWordWrap) return;
    if (FWordWrap != wwNone) RelayoutKeepingPositions(0);
    FWordWrap = Value;
    UpdateWrap();
    RefreshScrollBars(false);
    Invalidate();
}
