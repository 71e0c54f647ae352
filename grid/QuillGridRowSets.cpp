// Removing the rows a check-box column marks and the rows or columns of the
// selection.
#include "grid/QuillGrid.h"

#include <algorithm>
#include <vector>

#include "grid/base/MouseActions.h"

void TQuillStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    if (CheckBoxColumn < 0 || CheckBoxColumn >= TotalColCount()) return;
    // With hidden rows a check box is read at its real row.
    const bool real = NumHiddenRows() > 0;
    std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
    bool any = false;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        bool checked = false;
        if (!GetCheckBoxState(CheckBoxColumn, real ? RealRowIndex(r) : r, checked)) continue;
        if (checked == RemoveChecked) drop[static_cast<std::size_t>(r)] = any = true;
    }
    // One pass over the rows, however many go.
    if (any) RemoveFlaggedRows(drop);
}

void TQuillStringGrid::RemoveSelectedRows()
{
    if (FMouseActions->DisjunctRowSelect()) {
        std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
        bool any = false;
        for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
            if (FRowSelect.Get(RowFlagIndex(r))) drop[static_cast<std::size_t>(r)] = any = true;
        if (any) RemoveFlaggedRows(drop);
        ClearRowSelect();
        return;
    }
    const TGridRect sel = Selection();
    const int top = std::max(std::min(sel.Top, sel.Bottom), FixedRows());
    const int bottom = std::max(sel.Top, sel.Bottom);
    if (bottom >= top) RemoveRows(top, bottom - top + 1);
}

void TQuillStringGrid::RemoveShownCols(int FromDispl, int ToDispl)
{
    for (int c = ToDispl; c >= FromDispl; --c)
        if (c >= 0 && c < ColCount()) RemoveCols(RealColIndex(c), 1);
}

void TQuillStringGrid::RemoveFlaggedCols(bool Flagged)
{
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
        if (FColSelect.Get(c) == Flagged) RemoveCols(RealColIndex(c), 1);
}

void TQuillStringGrid::RemoveSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        RemoveFlaggedCols(true);
        return;
    }
    const TGridRect sel = Selection();
    RemoveShownCols(std::max(std::min(sel.Left, sel.Right), FixedCols()), std::max(sel.Left, sel.Right));
}

void TQuillStringGrid::RemoveUnSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        RemoveFlaggedCols(false);
    } else {
        const TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
        RemoveShownCols(right + 1, ColCount() - FFixedRightCols - 1);
        RemoveShownCols(FixedCols(), left - 1);
    }
    ClearColSelect();
}
