// Hidden rows and columns of the string grid and the mapping between real
// and display indexes. Hidden rows stay in the model at their real place;
// only the platform's row axis loses them.
#include "grid/QuillGrid.h"

#include <algorithm>

#include "grid/base/AuxLists.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"

int TQuillStringGrid::RealColIndex(int ACol) const { return FColumnMap->DisplToReal(ACol); }

int TQuillStringGrid::DisplColIndex(int ACol) { return FColumnMap->RealToDispl(ACol); }

int TQuillStringGrid::RealRowIndex(int ARow) const { return FRowStore->DisplToReal(ARow); }

int TQuillStringGrid::DisplRowIndex(int ARow) const { return FRowStore->RealToDispl(ARow); }

bool TQuillStringGrid::IsHiddenColumn(int ColIndex) const { return FColumnMap->IsHidden(ColIndex); }

bool TQuillStringGrid::IsHiddenRow(int RowIndex) const { return FRowStore->IsHidden(RowIndex); }

int TQuillStringGrid::NumHiddenColumns() const { return FColumnMap ? FColumnMap->HiddenCount() : 0; }

int TQuillStringGrid::NumHiddenRows() const { return FRowStore->HiddenCount(); }

int TQuillStringGrid::TotalColCount() const { return ColCount() + NumHiddenColumns(); }

bool TQuillStringGrid::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }

void TQuillStringGrid::CloseEditor()
{
    if (EditorMode()) SetEditorMode(false);
}

// Columns.

void TQuillStringGrid::HideColumns(int FromCol, int ToCol)
{
    CloseEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        // The last shown column is never hidden.
        if (IsHiddenColumn(c) || c >= TotalColCount() || ColCount() <= 1) continue;
        const int displ = FColumnMap->RealToDispl(c);
        FColumnMap->SetWidth(c, ColWidths(displ));
        MoveAxisColumn(displ, ColCount() - 1);
        FColumnMap->SetHidden(c, true);
        if (Col() == ColCount() - 1 && Col() > 0) SetCol(Col() - 1);
        SetAxisColCount(ColCount() - 1);
    }
    Invalidate();
}

void TQuillStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    CloseEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (!IsHiddenColumn(c)) continue;
        FColumnMap->SetHidden(c, false);
        const int displ = FColumnMap->RealToDispl(c);
        SetAxisColCount(ColCount() + 1);
        if (displ != ColCount() - 1) MoveAxisColumn(ColCount() - 1, displ);
        SetColWidths(displ, FColumnMap->Width(c));
    }
    Invalidate();
}

void TQuillStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

// Rows.

int TQuillStringGrid::RestoredHeight(int AReal)
{
    const int height = FRowStore->Row(AReal).Height;
    return height > 0 ? height : DefaultRowHeight();
}

void TQuillStringGrid::HideRows(int FromRow, int ToRow)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, FRowStore->Total() - 1);
    // The rows newly hidden are consecutive among the shown ones.
    int first = -1;
    int count = 0;
    for (int r = FromRow; r <= ToRow && count < HideableRows(); ++r) {
        if (IsHiddenRow(r)) continue;
        if (first < 0) first = DisplRowIndex(r);
        grid::TRowRecord& record = FRowStore->Row(r);
        record.Height = RowHeights(first + count);
        record.Level = grid::TRowRecord::NoFilterLevel;
        ++count;
    }
    if (count == 0) return;
    CloseEditor();
    for (int r = FromRow, marked = 0; marked < count; ++r)
        if (!IsHiddenRow(r)) {
            FRowStore->SetHidden(r, true);
            ++marked;
        }
    RemoveShownRowSizes(first, count);
}

void TQuillStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow)) return;
    CloseEditor();
    ToRow = std::min(ToRow, FRowStore->Total() - 1);
    int r = FromRow;
    while (r <= ToRow) {
        if (!IsHiddenRow(r)) {
            ++r;
            continue;
        }
        // A run of hidden rows returns as one block at its own place.
        const int displ = DisplRowIndex(r);
        std::vector<int> heights;
        for (; r <= ToRow && IsHiddenRow(r); ++r) {
            heights.push_back(RestoredHeight(r));
            FRowStore->SetHidden(r, false);
        }
        InsertShownRowSizes(displ, heights);
    }
    Invalidate();
}

void TQuillStringGrid::UnHideRowsAll()
{
    if (NumHiddenRows() == 0) return;
    CloseEditor();
    const std::vector<int> back = FRowStore->HiddenReals();
    FRowStore->ShowMany(back);
    RestoreShownRowSizes(back);
    Invalidate();
}

void TQuillStringGrid::HideRowList(const TIntList& RowList)
{
    // Display indexes name the rows as they stand before any is hidden.
    std::vector<unsigned char> drop(static_cast<std::size_t>(RowCount()), 0);
    for (int i = 0; i < RowList.Count(); ++i)
        if (const int displ = RowList.GetInteger(i); displ >= 0 && displ < RowCount())
            drop[static_cast<std::size_t>(displ)] = 1;
    HideFilterPass(std::move(drop));
}

void TQuillStringGrid::HideFilterPass(std::vector<unsigned char> Drop)
{
    HideDisplayRows(std::move(Drop), FFilterLevel);
    ++FFilterLevel;
}

void TQuillStringGrid::HideRealRows(const std::vector<int>& Reals, int Level)
{
    std::vector<unsigned char> drop(static_cast<std::size_t>(RowCount()), 0);
    for (int real : Reals)
        if (real >= 0 && real < FRowStore->Total() && !IsHiddenRow(real))
            drop[static_cast<std::size_t>(DisplRowIndex(real))] = 1;
    HideDisplayRows(std::move(drop), Level);
}

void TQuillStringGrid::HideDisplayRows(std::vector<unsigned char> Drop, int Level)
{
    // The grid keeps a row shown: flags past the first HideableRows() go.
    int left = HideableRows();
    bool any = false;
    for (unsigned char& flag : Drop) {
        if (!flag) continue;
        if (left > 0) {
            --left;
            any = true;
        } else {
            flag = 0;
        }
    }
    if (!any) return;
    CloseEditor();
    FRowStore->HideDisplayRows(Drop, Level, [&](int Displ, grid::TRowRecord& Record) { Record.Height = RowHeights(Displ); });
    std::vector<int> kept;
    kept.reserve(Drop.size());
    for (std::size_t d = 0; d < Drop.size(); ++d)
        if (!Drop[d]) kept.push_back(RowHeights(static_cast<int>(d)));
    SetShownRowSizes(kept);
    Invalidate();
}

void TQuillStringGrid::RestoreShownRowSizes(const std::vector<int>& Reals)
{
    if (Reals.empty()) return;
    // The rows shown before keep their heights in order; the others get back
    // the heights they had.
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(FRowStore->ShownCount()));
    std::size_t back = 0;
    int before = 0;
    for (int d = 0; d < FRowStore->ShownCount(); ++d) {
        const int real = RealRowIndex(d);
        if (back < Reals.size() && Reals[back] == real) {
            heights.push_back(RestoredHeight(real));
            ++back;
        } else {
            heights.push_back(RowHeights(before++));
        }
    }
    if (Row() >= static_cast<int>(heights.size())) FocusCell(FixedCols(), FixedRows(), true);
    SetShownRowSizes(heights);
}

void TQuillStringGrid::UnHideRowList()
{
    const int level = FFilterLevel - 1;
    if (level < 0 || NumHiddenRows() == 0) return;
    CloseEditor();
    // Only the rows of the last pass come back; rows hidden otherwise stay
    // hidden with their contents.
    RestoreShownRowSizes(FRowStore->ShowLevel(level));
    Invalidate();
}
