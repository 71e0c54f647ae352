// Searching the string grid's cells under the find options, jumping to a
// hit, replacing text in every hit and the quick lookup by the sort column.
#include "grid/QuillGrid.h"

#include <algorithm>

#include "grid/base/AuxLists.h"
#include "grid/base/FilterMatch.h"
#include "grid/model/SortSettings.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLUtils.h"

namespace {

bool IsAscii(std::string_view Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The locale's upper case; plain ASCII takes the quick ASCII rule.
std::string SearchUpperCase(std::string_view Text) { return IsAscii(Text) ? UpperCase(Text) : AnsiUpperCase(Text); }

// A search text of two double quotes looks for empty cells.
constexpr std::string_view EmptyCellSearch = "\"\"";

} // namespace

std::string TQuillStringGrid::SearchCellText(int ACol, int ARow, TFindParams FindParams)
{
    return FindParams.Contains(fnIncludeHiddenRows) ? AllCells(ACol, ARow) : GetCellEx(ACol, ARow);
}

TPoint TQuillStringGrid::WalkSearch(TPoint StartCell, TFindParams FindParams,
                                    const std::function<bool(std::string_view)>& Test)
{
    FFindParams = FindParams;
    FSearchCell = {-1, -1};
    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() ||
        RowCount() == 0)
        return {-1, -1};

    // Bounds, then the restrictions that pin a row or a column.
    const bool fixed = FindParams.Contains(fnIncludeFixed);
    int c0 = fixed ? 0 : FixedCols();
    int c1 = fixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    int r0 = fixed ? 0 : FixedRows();
    int r1 = fixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    if (FindParams.Contains(fnSelectedCells)) {
        const TGridRect selection = Selection();
        c0 = selection.Left;
        c1 = selection.Right;
        r0 = selection.Top;
        r1 = selection.Bottom;
    }
    if (FindParams.Contains(fnIncludeHiddenColumns)) c1 += NumHiddenColumns();
    if (FindParams.Contains(fnIncludeHiddenRows)) r1 += NumHiddenRows();
    const auto pin = [](int& From, int& To, int Value) { From = To = Value; };
    if (FindParams.Contains(fnFindInCurrentRow)) pin(r0, r1, Row());
    if (FindParams.Contains(fnFindInPresetRow)) pin(r0, r1, FFindRow);
    if (FindParams.Contains(fnFindInCurrentCol)) pin(c0, c1, Col());
    if (FindParams.Contains(fnFindInPresetCol)) pin(c0, c1, FFindCol);
    if (c0 > c1 || r0 > r1) return {-1, -1};

    const bool rowByRow = FindParams.Contains(fnDirectionLeftRight);
    const bool backward = FindParams.Contains(fnBackward);
    const int step = backward ? -1 : 1;
    // The walk moves along a line (a row's columns or a column's rows) and
    // then on to the next line.
    const int line0 = rowByRow ? r0 : c0, line1 = rowByRow ? r1 : c1;
    const int pos0 = rowByRow ? c0 : r0, pos1 = rowByRow ? c1 : r1;
    int line = backward ? line1 : line0;
    int pos = backward ? pos1 : pos0;
    const bool fresh = StartCell.X == -1 && StartCell.Y == -1;
    const bool pastEnd = backward ? (StartCell.X < c0 && StartCell.Y < r0) : (StartCell.X > c1 && StartCell.Y > r1);
    if (!fresh && !pastEnd) {
        line = std::clamp(rowByRow ? StartCell.Y : StartCell.X, line0, line1);
        pos = (rowByRow ? StartCell.X : StartCell.Y) + step;
    }

    ExportNotification(esExportStart, line);
    TPoint hit{-1, -1};
    for (; backward ? line >= line0 : line <= line1; line += step) {
        // A start left of the bounds (right of them backwards) begins the line.
        pos = backward ? std::min(pos, pos1) : std::max(pos, pos0);
        for (; backward ? pos >= pos0 : pos <= pos1; pos += step) {
            const int c = rowByRow ? pos : line;
            const int r = rowByRow ? line : pos;
            const int realCol = FindParams.Contains(fnIncludeHiddenColumns) ? c : RealColIndex(c);
            if (IsIgnoredColumn(realCol)) continue;
            ExportNotification(esExportNextRow, r);
            if (Test(SearchCellText(realCol, r, FindParams))) {
                hit = {c, r};
                break;
            }
        }
        if (hit.X >= 0) break;
        pos = backward ? pos1 : pos0;
    }
    ExportNotification(esExportDone, line);
    FSearchCell = hit;
    if (FindParams.Contains(fnAutoGoto) && hit.X >= 0) GotoSearchHit(hit, FindParams);
    return hit;
}

void TQuillStringGrid::GotoSearchHit(TPoint Hit, TFindParams FindParams)
{
    int row = Hit.Y;
    if (FindParams.Contains(fnIncludeHiddenRows)) {
        // A hit hidden in a contracted node opens the node first.
        if (IsHiddenRow(row))
            for (int d = FixedRows(); d < RowCount() && IsHiddenRow(row); ++d) {
                if (!IsNode(d) || !GetNodeState(d)) continue;
                const int first = RealRowIndex(d);
                if (row > first && row < first + GetNodeSpan(d)) ExpandNode(first);
            }
        if (IsHiddenRow(row)) return;
        row = DisplRowIndex(row);
    }
    int col = Hit.X;
    if (FindParams.Contains(fnIncludeHiddenColumns)) {
        if (IsHiddenColumn(col)) return;
        col = DisplColIndex(col);
    }
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
    SetRow(row);
    SetCol(col);
    if (Row() > TopRow() + VisibleRowCount() - 2 && VisibleRowCount() + FixedRows() < RowCount())
        SetTopRow(TopRow() + 1);
}

TPoint TQuillStringGrid::Find(TPoint StartCell, const std::string& s, TFindParams FindParams)
{
    const bool matchCase = FindParams.Contains(fnMatchCase);
    FSearchCache = matchCase ? s : SearchUpperCase(s);
    FSearchCacheWide = rtl::Utf8ToUtf16(FSearchCache);
    const std::string& wanted = FSearchCache;
    const bool stripTags = FindParams.Contains(fnIgnoreHTMLTags);
    const bool full = FindParams.Contains(fnMatchFull);
    const bool start = FindParams.Contains(fnMatchStart);
    std::unique_ptr<TFilterCondition> expression;
    if (FindParams.Contains(fnMatchRegular)) expression = std::make_unique<TFilterCondition>(s, matchCase);
    return WalkSearch(StartCell, FindParams, [&](std::string_view Cell) {
        std::string text = stripTags ? StripHTMLMarkup(Cell) : std::string(Cell);
        if (s == EmptyCellSearch) return text.empty();
        if (expression) return expression->Matches(text);
        if (!matchCase) text = SearchUpperCase(text);
        if (full) return text == wanted;
        return start ? text.starts_with(wanted) : text.find(wanted) != std::string::npos;
    });
}

TPoint TQuillStringGrid::FindWide(TPoint StartCell, const std::u16string& s, TFindParams FindParams)
{
    // Cells hold UTF-8, so a wide search text is the same search.
    return Find(StartCell, rtl::Utf16ToUtf8(s), FindParams);
}

TPoint TQuillStringGrid::FindFirst(const std::string& s, TFindParams FindParams)
{
    return Find({-1, -1}, s, FindParams);
}

TPoint TQuillStringGrid::FindNext()
{
    // The cache is already in the case the options compare in.
    return Find(FSearchCell, FSearchCache, FFindParams);
}

int TQuillStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams)
{
    if (OrigStr.empty()) return 0;
    int written = 0;
    TPoint at{-1, -1};
    // Hits are found as the cells show; the replacement goes into the stored
    // texts, so shown decoration never becomes data.
    while ((at = Find(at, OrigStr, FindParams)).X >= 0) {
        const int col = FindParams.Contains(fnIncludeHiddenColumns) ? at.X : RealColIndex(at.X);
        const bool real = FindParams.Contains(fnIncludeHiddenRows);
        const std::string stored = real ? AllGridCells(col, at.Y) : Cells(col, at.Y);
        const std::string replaced = StringReplace(stored, OrigStr, NewStr, rfReplaceAll | rfIgnoreCase);
        if (replaced == stored) continue;
        if (real) SetAllGridCells(col, at.Y, replaced);
        else SetCells(col, at.Y, replaced);
        ++written;
    }
    return written;
}

int TQuillStringGrid::Search(const std::string& s)
{
    if (RowCount() < 2) return -1;
    int col = FixedCols();
    if (FSortSettings->Show())
        col = FSortSettings->IndexShow() ? (FSortIndexes->Count() > 0 ? FSortIndexes->GetSortColumns(0) : FixedCols())
                                          : FSortSettings->Column();
    if (col < 0) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const std::string text = AnsiUpperCase(StripHTMLMarkup(GetCellEx(col, r)));
        if (text.starts_with(s)) return r;
    }
    return -1;
}
