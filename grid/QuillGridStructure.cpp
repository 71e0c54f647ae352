// Inserting, removing, swapping, clearing, trimming and merging rows and
// columns of the string grid, with everything that belongs to them.
#include "grid/QuillGrid.h"

#include <algorithm>
#include <unordered_set>

#include "grid/base/MouseActions.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"
#include "platform/rtl/Strings.h"

namespace {

// Blanks and control characters at either end go.
std::string TrimBlanksAndControls(std::string_view text)
{
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return std::string(text);
}

} // namespace

// Rows.

void TQuillStringGrid::AddRow()
{
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

void TQuillStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RCount < 1 || RowIndex < 0 || RowIndex >= RowCount()) return;
    const int before = RowCount();
    RemoveRowRange(RowIndex, RCount);
    FMaxRowCount = std::max(0, FMaxRowCount - (before - RowCount()));
    const int limit = RowCount() + FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= limit && RowCount() - VisibleRowCount() - 1 > 0) SetTopRow(limit);
}

void TQuillStringGrid::RemoveDuplicates(int ACol, bool)
{
    // The first occurrence of every text stays; case is ignored. The rows go
    // in one pass, so removing many duplicates stays linear.
    const int realCol = RealColIndex(ACol);
    std::unordered_set<std::string> seen;
    std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
    int dropped = 0;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
        if (!seen.insert(AnsiUpperCase(GetCellEx(realCol, r))).second) {
            drop[static_cast<std::size_t>(r)] = true;
            ++dropped;
        }
    if (dropped > 0) RemoveFlaggedRows(drop);
}

void TQuillStringGrid::SwapRows(int Index, int Index2)
{
    if (Index < 0 || Index2 < 0 || Index >= RowCount() || Index2 >= RowCount() || Index == Index2) return;
    FRowStore->SwapRows(RealRowIndex(Index), RealRowIndex(Index2));
    const int height = RowHeights(Index);
    SetRowHeights(Index, RowHeights(Index2));
    SetRowHeights(Index2, height);
    Invalidate();
}

// Columns; column arguments are real (store) indexes.

void TQuillStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount < 1 || ColIndex < 0) return;
    ColIndex = std::min(ColIndex, TotalColCount());
    FRowStore->InsertColumns(ColIndex, CCount);
    FColumnMap->Insert(ColIndex, CCount);
    const int displ = FColumnMap->RealToDispl(ColIndex);
    const int n = ColCount();
    FColSelect.Insert(displ, CCount);
    SetAxisColCount(n + CCount);
    for (int i = 0; i < CCount; ++i) {
        if (displ + i != n + i) MoveAxisColumn(n + i, displ + i);
        SetColWidths(displ + i, DefaultColWidth());
    }
    FMaxColCount = std::max(FMaxColCount, ColCount());
    DoCellsChanged({ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TQuillStringGrid::RemoveCols(int ColIndex, int CCount)
{
    if (CCount < 1 || ColIndex < 0 || ColIndex >= TotalColCount()) return;
    CCount = std::min(CCount, TotalColCount() - ColIndex);
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        for (int r = 0; r < FRowStore->Total(); ++r)
            if (IsHiddenRow(r)) {
                FreeCellObject(FRowStore->Object(c, r));
                FRowStore->SetObject(c, r, nullptr);
            }
    // Shown columns of the block leave the platform's axis right to left, so
    // the display indexes still to come stay valid; the grid keeps one.
    for (int c = ColIndex + CCount - 1; c >= ColIndex; --c) {
        if (IsHiddenColumn(c) || ColCount() <= 1) continue;
        const int displ = FColumnMap->RealToDispl(c);
        FColSelect.Remove(displ, 1);
        MoveAxisColumn(displ, ColCount() - 1);
        SetAxisColCount(ColCount() - 1);
    }
    FRowStore->RemoveColumns(ColIndex, CCount);
    FColumnMap->Remove(ColIndex, CCount);
    DoCellsChanged({ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TQuillStringGrid::MergeCols(int ColIndex1, int ColIndex2, std::string_view Separator)
{
    // The stored texts are joined: shown decoration must not become data.
    for (int r = FixedRows(); r < RowCount(); ++r) {
        std::string joined = GetGridCell(ColIndex1, r);
        joined.append(Separator);
        joined.append(GetGridCell(ColIndex2, r));
        WriteCellText(ColIndex1, r, Trim(joined));
    }
    RemoveCols(ColIndex2, 1);
}

void TQuillStringGrid::SwapColumns(int Index, int Index2)
{
    if (Index < 0 || Index2 < 0 || Index >= TotalColCount() || Index2 >= TotalColCount() || Index == Index2) return;
    FRowStore->SwapColumns(Index, Index2);
    const bool shown1 = !IsHiddenColumn(Index);
    const bool shown2 = !IsHiddenColumn(Index2);
    if (shown1 && shown2) {
        const int d1 = FColumnMap->RealToDispl(Index);
        const int d2 = FColumnMap->RealToDispl(Index2);
        const int width = ColWidths(d1);
        SetColWidths(d1, ColWidths(d2));
        SetColWidths(d2, width);
    }
    Invalidate();
}

// Clearing and trimming.

void TQuillStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int col = FSaveHiddenCells ? RealColIndex(c) : c;
            if (TObject* object = GetGridObject(col, r)) {
                FreeCellObject(object);
                SetGridObject(col, r, nullptr);
            }
            if (!FDestroying && !GetGridCell(col, r).empty()) WriteCellText(col, r, {});
        }
    if (!FDestroying) DoCellsChanged({ACol1, ARow1, ACol2, ARow2});
}

void TQuillStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RCount < 1) return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TQuillStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (CCount < 1) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TQuillStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RCount < 1) return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TQuillStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (CCount < 1) return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TQuillStringGrid::ClearNormalCells()
{
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TQuillStringGrid::ClearSelection()
{
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (FRowSelect.Get(RowFlagIndex(r))) ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (FColSelect.Get(c)) ClearCols(c, 1);
    } else {
        const TGridRect s = Selection();
        ClearRect(s.Left, s.Top, s.Right, s.Bottom);
    }
}

void TQuillStringGrid::Clear()
{
    if (!FDestroying) RemoveAllNodes();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (NumHiddenColumns() > 0) Invalidate();
}

void TQuillStringGrid::ClearAll()
{
    Clear();
    for (int r = 0; r < FRowStore->Total(); ++r)
        if (IsHiddenRow(r)) FRowStore->Row(r).Texts.Clear();
}

void TQuillStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    // The stored texts are trimmed: shown decoration must not become data.
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int col = FSaveHiddenCells ? RealColIndex(c) : c;
            const std::string& text = GetGridCell(col, r);
            std::string trimmed = TrimBlanksAndControls(text);
            if (trimmed.size() != text.size()) WriteCellText(col, r, trimmed);
        }
}

// Merging and splitting.

void TQuillStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int end = RowCount() - FFixedFooters;
    int start = FixedRows();
    for (int r = FixedRows() + 1; r <= end; ++r) {
        const bool same = r < end && GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) &&
                          (MainMerge || RowSpanIdentical(r - 1, r));
        if (same) continue;
        if (r - start >= 2) MergeCells(ColIndex, start, 1, r - start);
        start = r;
    }
}

void TQuillStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int end = ColCount() - FFixedRightCols;
    int start = FixedCols();
    for (int c = FixedCols() + 1; c <= end; ++c) {
        const bool same = c < end && GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) &&
                          (MainMerge || ColSpanIdentical(c - 1, c));
        if (same) continue;
        if (start < end) MergeCells(start, RowIndex, c - start, 1);
        start = c;
    }
}

void TQuillStringGrid::SplitColumnCells(int ACol)
{
    for (int r = 0; r <= RowCount() - FFixedFooters - 2;) {
        const int span = CellSpan(ACol, r).Y;
        if (IsMergedCell(ACol, r) && IsBaseCell(ACol, r) && span > 0) {
            SplitCells(ACol, r);
            r += span + 1;
        } else {
            ++r;
        }
    }
}

void TQuillStringGrid::SplitRowCells(int ARow)
{
    for (int c = 0; c <= ColCount() - FFixedRightCols - 2;) {
        const int span = CellSpan(c, ARow).X;
        if (IsMergedCell(c, ARow) && IsBaseCell(c, ARow) && span > 0) {
            SplitCells(c, ARow);
            c += span + 1;
        } else {
            ++c;
        }
    }
}

void TQuillStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r) && IsBaseCell(c, r)) SplitCells(c, r);
}

// Lookups.

bool TQuillStringGrid::IsCell(std::string_view SubStr, int& ACol, int& ARow) const
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TQuillStringGrid::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).starts_with("|\\"); }
