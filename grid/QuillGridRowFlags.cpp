// Row and column flags: disjunct row and column selections, modified and
// disabled rows, and hiding or removing the flagged rows in one pass.
#include "grid/QuillGrid.h"

#include <algorithm>
#include <cstdlib>

#include "grid/base/MouseActions.h"
#include "grid/model/RowStore.h"
#include "platform/graphics/Bitmap.h"

int TQuillStringGrid::RowFlagIndex(int ARow) const
{
    return FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
}

void TQuillStringGrid::RepaintFlaggedRow(int AFlagIndex)
{
    const int displ = FMouseActions->RowSelectPersistent() ? DisplRowIndex(AFlagIndex) : AFlagIndex;
    if (displ >= 0 && displ < RowCount()) InvalidateRow(displ);
}

bool TQuillStringGrid::RowSelect(int ARow) const
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EQuillGridError("Invalid row " + std::to_string(ARow) + " accessed");
    if (FMouseActions->DisjunctRowSelect()) return FRowSelect.Get(ARow);
    const TGridRect s = grid::OrderedRect(Selection());
    return ARow >= s.Top && ARow <= s.Bottom;
}

void TQuillStringGrid::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= TotalRowCount() && RowCount() > FixedRows()))
        throw EQuillGridError("Invalid row accessed");
    if (FRowSelect.Get(ARow) == Value) {
        if (ARow < FRowSelect.Size()) return;
    } else if (OnRowDisjunctSelect) {
        bool allow = true;
        OnRowDisjunctSelect(this, ARow, Value, allow);
        if (!allow) return;
    }
    FRowSelect.Grow(ARow + 1);
    if (FRowSelect.Set(ARow, Value)) RepaintFlaggedRow(ARow);
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TQuillStringGrid::ColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount()) throw EQuillGridError("Invalid column accessed");
    return FColSelect.Get(ACol);
}

void TQuillStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) throw EQuillGridError("Invalid column accessed");
    if (FColSelect.Set(ACol, Value)) InvalidateCol(ACol);
}

void TQuillStringGrid::ClearRowSelect()
{
    for (int index : FRowSelect.Flagged()) RepaintFlaggedRow(index);
    FRowSelect.Clear();
}

void TQuillStringGrid::ClearColSelect()
{
    for (int index : FColSelect.Flagged())
        if (index < ColCount()) InvalidateCol(index);
    FColSelect.Clear();
}

void TQuillStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount < 1 || RowIndex < 0) return;
    if (!FMouseActions->DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) SetRowSelect(RowFlagIndex(r), true);
    }
    if (!FRowIndicator->Empty()) InvalidateCol(0);
}

void TQuillStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (!FMouseActions->DisjunctRowSelect() || RowIndex < 0) return;
    const int last = std::min(RowIndex + RCount, RowCount());
    for (int r = RowIndex; r < last; ++r) SetRowSelect(RowFlagIndex(r), false);
}

void TQuillStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (CCount < 1 || ColIndex < 0) return;
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    const int last = std::min(ColIndex + CCount, ColCount());
    for (int c = ColIndex; c < last; ++c) SetColSelect(c, true);
}

void TQuillStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions->DisjunctColSelect() || ColIndex < 0) return;
    const int last = std::min(ColIndex + CCount, ColCount());
    for (int c = ColIndex; c < last; ++c) SetColSelect(c, false);
}

int TQuillStringGrid::RowSelectCount() const
{
    if (FMouseActions->DisjunctRowSelect()) return FRowSelect.FlaggedBelow(TotalRowCount());
    const TGridRect s = Selection();
    return std::abs(s.Top - s.Bottom) + 1;
}

int TQuillStringGrid::ColSelectCount() const
{
    if (FMouseActions->DisjunctColSelect()) return FColSelect.FlaggedCount();
    const TGridRect s = Selection();
    return s.Right - s.Left + 1;
}

void TQuillStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TQuillStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TQuillStringGrid::UpdateRowSelectFromSelection(bool All)
{
    const TGridRect s = grid::OrderedRect(Selection());
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= s.Top && r <= s.Bottom;
        if (All || inside) SetRowSelect(RowFlagIndex(r), inside);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

void TQuillStringGrid::UpdateColSelectFromSelection(bool All)
{
    const TGridRect s = grid::OrderedRect(Selection());
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (All || inside) SetColSelect(c, inside);
    }
}

void TQuillStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0) return;
    FModifiedRows.Set(ARow, Value);
    if (ARow < RowCount()) InvalidateCell(0, ARow);
}

void TQuillStringGrid::ClearModifiedRows()
{
    FModifiedRows.Clear();
    Invalidate();
}

void TQuillStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    FUseEnabledRows = true;
    FDisabledRows.Set(ARow, !Value);
    if (ARow < RowCount()) InvalidateRow(ARow);
}

void TQuillStringGrid::HideRowsByFlag(bool Flagged)
{
    std::vector<int> reals;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (FRowSelect.Get(RowFlagIndex(r)) == Flagged) reals.push_back(RealRowIndex(r));
    HideRealRows(reals, grid::TRowRecord::NoFilterLevel);
}

void TQuillStringGrid::RemoveUnSelectedRows()
{
    std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
    bool any = false;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (!FRowSelect.Get(RowFlagIndex(r))) drop[static_cast<std::size_t>(r)] = any = true;
    if (any) RemoveFlaggedRows(drop);
    if (FMouseActions->RowSelectPersistent()) SelectRows(FixedRows(), RowCount() - FixedRows());
    else ClearRowSelect();
}

void TQuillStringGrid::DropRowFlags(const std::vector<int>& Displ, const std::vector<int>& Real)
{
    FModifiedRows.RemoveEach(Displ);
    FDisabledRows.RemoveEach(Displ);
    FRowSelect.RemoveEach(FMouseActions->RowSelectPersistent() ? Real : Displ);
}

void TQuillStringGrid::InsertRowFlags(int ARow, int AReal, int ACount)
{
    FModifiedRows.Insert(ARow, ACount);
    FDisabledRows.Insert(ARow, ACount);
    FRowSelect.Insert(FMouseActions->RowSelectPersistent() ? AReal : ARow, ACount);
}
