// Soft word wrap: logical lines cut into flagged continuation lines and joined back, keeping
// each logical line's marks and the caret and selection on their text; and the bookkeeping of
// inserted and removed lines (marks kept by line number, lines an edit leaves to re-wrap).
#include "memo/MemoWrap.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoText.h"
#include "memo/QuillMemo.h"

#include "platform/rtl/ScopeExit.h"

#include <utility>

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

int TQuillCustomMemo::WrapGroupStart(int Line) const
{
    while (Line > 0 && memo::IsLineWrapped(*FLines, Line)) --Line;
    return Line;
}

std::vector<TQuillCustomMemo::WrapChange> TQuillCustomMemo::WrapChanges(int Width, int From, int To) const
{
    std::vector<WrapChange> changes;
    const int count = FLines->Count();
    if (count == 0) return changes;
    for (int i = WrapGroupStart(std::clamp(From, 0, count - 1)), end; i < count && i <= To; i = end) {
        end = i + 1;
        while (end < count && memo::IsLineWrapped(*FLines, end)) ++end;
        if (end == i + 1 && (Width <= 0 || LineLength(i) <= Width)) continue;
        std::string joined;
        for (int k = i; k < end; ++k) joined += FLines->Strings(k);
        std::vector<std::string> pieces = Width > 0 ? memo::WrapLine(joined, Width) : std::vector<std::string>{joined};
        bool same = static_cast<int>(pieces.size()) == end - i;
        for (int k = 0; same && k < end - i; ++k) same = pieces[k] == FLines->Strings(i + k);
        if (!same) changes.push_back({i, end - i, std::move(pieces)});
    }
    return changes;
}

void TQuillCustomMemo::ApplyWrapInPlace(std::vector<WrapChange>& Changes)
{
    // From the last change up, so that the lines of earlier ones stay where they are.
    TQuillMemoStrings::QuietChanges quiet(*FLines);
    for (auto change = Changes.rbegin(); change != Changes.rend(); ++change) {
        const int have = change->OldCount, want = static_cast<int>(change->Pieces.size());
        for (int j = 0; j < std::min(have, want); ++j)
            if (FLines->Strings(change->Start + j) != change->Pieces[j]) PutLine(change->Start + j, change->Pieces[j]);
        for (int j = have; j < want; ++j) {
            FLines->DoInsert(change->Start + j, change->Pieces[j]);
            FLines->LineProp(change->Start + j).Wrapped = true;
        }
        for (int j = have - 1; j >= want; --j) FLines->RemoveLine(change->Start + j);
    }
}

void TQuillCustomMemo::RebuildWrapped(std::vector<WrapChange>& Changes)
{
    // A logical line keeps its first line's object, and with it its marks;
    // continuation lines reuse theirs, and new ones get one flagged below.
    const int count = FLines->Count();
    std::vector<TQuillMemoStrings::Row> rows;
    std::vector<int> newContinuations, newIndex(static_cast<size_t>(count));
    rows.reserve(static_cast<size_t>(count));
    auto change = Changes.begin();
    for (int i = 0; i < count;) {
        if (change != Changes.end() && change->Start == i) {
            const int want = static_cast<int>(change->Pieces.size());
            for (int j = 0; j < change->OldCount; ++j) newIndex[static_cast<size_t>(i + j)] = static_cast<int>(rows.size()) + std::min(j, want - 1);
            for (int j = 0; j < want; ++j) {
                TLineProp* prop = j < change->OldCount ? FLines->GetLineProp(i + j) : nullptr;
                if (j > 0 && !prop) newContinuations.push_back(static_cast<int>(rows.size()));
                rows.push_back({std::move(change->Pieces[static_cast<size_t>(j)]), prop});
            }
            i += change->OldCount;
            ++change;
            continue;
        }
        newIndex[static_cast<size_t>(i)] = static_cast<int>(rows.size());
        rows.push_back({FLines->Strings(i), FLines->GetLineProp(i)});
        ++i;
    }
    FLines->RebuildLines(std::move(rows));
    {
        TQuillMemoStrings::QuietChanges quiet(*FLines);
        for (int index : newContinuations) FLines->LineProp(index).Wrapped = true;
    }
    auto remap = [&](int line) { return line >= 0 && line < count ? newIndex[static_cast<size_t>(line)] : line; };
    for (int& line : FBookmarkList) line = remap(line);
    TQuillMarkers& markers = FMarkerList->Markers();
    for (int i = 0; i < markers.Count(); ++i) markers.Items(i)->SetLineNumber(remap(markers.Items(i)->LineNumber()));
}

bool TQuillCustomMemo::Rewrap(int Width, int From, int To)
{
    std::vector<WrapChange> changes = WrapChanges(Width, From, To);
    if (changes.empty()) return false;
    const bool rewrapping = std::exchange(FRewrapping, true);
    auto restore = rtl::ScopeExit([&] { FRewrapping = rewrapping; });

    // Positions are held as (first line of their logical line, characters
    // into it) while the lines change, and found again from there.
    struct Held {
        int* X;
        int* Y;
        int Start = 0, Offset = 0;
    };
    Held held[] = {{&FCurX, &FCurY}, {&FSelStartX, &FSelStartY}, {&FSelEndX, &FSelEndY}, {&FPrevSelX, &FPrevSelY}};
    for (Held& h : held) {
        const int y = std::clamp(*h.Y, 0, FLines->Count() - 1);
        h.Start = WrapGroupStart(y);
        h.Offset = *h.X;
        for (int k = h.Start; k < y; ++k) h.Offset += LineLength(k);
    }
    // Lines that the changes before a start added or removed.
    auto shift = [&](int start) {
        int delta = 0;
        for (const WrapChange& change : changes)
            if (change.Start < start) delta += static_cast<int>(change.Pieces.size()) - change.OldCount;
        return delta;
    };
    for (Held& h : held) h.Start += shift(h.Start);

    ForgetLogicalFrom(changes.front().Start);
    if (changes.size() > 64) RebuildWrapped(changes);
    else ApplyWrapInPlace(changes);

    for (Held& h : held) {
        int line = h.Start, offset = h.Offset;
        while (offset >= LineLength(line) && memo::IsLineWrapped(*FLines, line + 1)) offset -= LineLength(line++);
        *h.X = offset;
        *h.Y = line;
    }
    // Cut lines only get shorter: the longest length is looked for again when next needed.
    FMaxLengthCount = -1;
    return true;
}

int TQuillCustomMemo::LogicalLineIndex(int Line)
{
    if (FWordWrap == wwNone || Line < 0) return Line;
    Line = std::min(Line, FLines->Count() - 1);
    if (Line < 0) return 0;
    int from = FLogicalFrom, index = FLogicalIndex;
    if (from < 0 || from >= FLines->Count()) from = index = 0;
    // Each head line (not a continuation) between the two lines is one logical line.
    for (int i = from + 1; i <= Line; ++i)
        if (!memo::IsLineWrapped(*FLines, i)) ++index;
    for (int i = from; i > Line; --i)
        if (!memo::IsLineWrapped(*FLines, i)) --index;
    FLogicalFrom = Line;
    FLogicalIndex = index;
    return index;
}

void TQuillCustomMemo::NoteWrapEdit(int From, int To)
{
    if (FWordWrap == wwNone || FRewrapping) return;
    FWrapDirtyFrom = FWrapDirtyFrom < 0 ? From : std::min(FWrapDirtyFrom, From);
    FWrapDirtyTo = std::max(FWrapDirtyTo, To);
}

void TQuillCustomMemo::LineInserted(int Index)
{
    ForgetLogicalFrom(Index);
    for (int& line : FBookmarkList)
        if (line >= Index) ++line;
    FMarkerList->Markers().AdjustMarkerLinePlus(Index);
    if (FRewrapping || FWrapDirtyFrom < 0) return NoteWrapEdit(Index, Index);
    if (FWrapDirtyFrom >= Index) ++FWrapDirtyFrom;
    if (FWrapDirtyTo >= Index) ++FWrapDirtyTo;
    NoteWrapEdit(Index, Index);
}

void TQuillCustomMemo::LineRemoved(int Index)
{
    ForgetLogicalFrom(Index);
    // Marks below move up with their lines. A bookmark on the removed line
    // goes with it; a marker there stays with the text joined into the line
    // above (deleting a line as a whole removes its marker first).
    for (int& line : FBookmarkList)
        if (line == Index) line = -1;
        else if (line > Index) --line;
    FMarkerList->Markers().AdjustMarkerLineMinus(Index);
    if (!FRewrapping && FWrapDirtyFrom >= 0) {
        if (FWrapDirtyFrom > Index) --FWrapDirtyFrom;
        if (FWrapDirtyTo >= Index) --FWrapDirtyTo;
    }
    NoteWrapEdit(std::max(Index - 1, 0), Index);
}

void TQuillCustomMemo::WrapLines()
{
    if (FLines->Count() > 0 && FWordWrap != wwNone && !ComponentState().Contains(csLoading)) Rewrap(WrapWidth(), 0, FLines->Count());
}

void TQuillCustomMemo::UnwrapLines()
{
    if (FLines->Count() > 0 && FWordWrap != wwNone && !ComponentState().Contains(csLoading)) Rewrap(0, 0, FLines->Count());
}

void TQuillCustomMemo::RelayoutAfterWrap()
{
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
    FWrapDirtyFrom = FWrapDirtyTo = -1;
    if (FLines->Count() == 0 || FWordWrap == wwNone || ComponentState().Contains(csLoading)) return;
    const int width = WrapWidth();
    if (width > 0 && Rewrap(width, 0, FLines->Count())) RelayoutAfterWrap();
}

void TQuillCustomMemo::RewrapEdits()
{
    const int from = FWrapDirtyFrom, to = FWrapDirtyTo;
    FWrapDirtyFrom = FWrapDirtyTo = -1;
    if (from < 0 || FLines->Count() == 0 || FWordWrap == wwNone || ComponentState().Contains(csLoading)) return;
    const int width = WrapWidth();
    if (width > 0 && Rewrap(width, from, to)) RelayoutAfterWrap();
}

void TQuillCustomMemo::SetWordWrap(TWordWrapStyle Value)
{
    if (Value == FWordWrap) return;
    if (FWordWrap != wwNone && Rewrap(0, 0, FLines->Count())) RelayoutAfterWrap();
    FWordWrap = Value;
    UpdateWrap();
    RefreshScrollBars(false);
    Invalidate();
}
