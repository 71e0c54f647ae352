// The string grid's dimensions, simple setters, row blocks, moves, the column
// order and the parked selection.
#include "grid/QuillGrid.h"
#include "grid/QuillGridFooterTotals.h"
#include "grid/model/FloatingFooter.h"

#include <algorithm>

#include "grid/base/AuxLists.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"

// Dimensions.

void TQuillStringGrid::SetRowCount(int Value)
{
    if (TCustomGrid::RowCount() <= TCustomGrid::FixedRows() && FFixedRowAlways && FSelHidden) UnHideSelection();
    TCustomGrid::SetRowCount(Value);
    if (FFixedRowAlways && FFixedRowsMin < RowCount() && TCustomGrid::FixedRows() != FFixedRowsMin)
        TCustomGrid::SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
}

void TQuillStringGrid::SetColCount(int Value)
{
    TCustomGrid::SetColCount(Value);
    if (FFixedColAlways && FFixedColsMin < ColCount() && TCustomGrid::FixedCols() != FFixedColsMin)
        TCustomGrid::SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
}

int TQuillStringGrid::FixedRows() const
{
    const int value = TCustomGrid::FixedRows();
    return value == 0 && FFixedRowAlways ? 1 : value;
}

void TQuillStringGrid::SetFixedRows(int Value)
{
    if (FFixedRowAlways && Value >= RowCount()) Value = RowCount() - 1;
    TCustomGrid::SetFixedRows(Value);
    FFixedRowsMin = Value;
}

int TQuillStringGrid::FixedCols() const
{
    const int value = TCustomGrid::FixedCols();
    return value == 0 && FFixedColAlways ? 1 : value;
}

void TQuillStringGrid::SetFixedCols(int Value)
{
    if (FFixedColAlways && Value >= ColCount()) Value = ColCount() - 1;
    TCustomGrid::SetFixedCols(Value);
    FFixedColsMin = Value;
}

void TQuillStringGrid::SetDefaultRowHeight(int Value)
{
    TCustomGrid::SetDefaultRowHeight(Value);
    if (FFloatingFooter) FFloatingFooter->SetHeight(DefaultRowHeight());
}

void TQuillStringGrid::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < TCustomGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TQuillStringGrid::SetFixedColWidth(int Value)
{
    if (Value == DefaultColWidth()) return;
    for (int c = 0; c < TCustomGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TQuillStringGrid::SetFixedFooters(int Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void TQuillStringGrid::SetFixedRightCols(int Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

void TQuillStringGrid::SetRow(int Value)
{
    if (Col() < 0 || Col() >= ColCount()) FocusCell(FixedCols(), Value, true);
    TCustomGrid::SetRow(Value);
    if (Row() != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, Row());
        FOldRowSel = Row();
    }
}

void TQuillStringGrid::SetTopRow(int Value)
{
    if (Value >= TCustomGrid::FixedRows() && Value <= RowCount() - 1) TCustomGrid::SetTopRow(Value);
}

int TQuillStringGrid::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }

int TQuillStringGrid::SaveEndCol() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TQuillStringGrid::SaveColCount() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

int TQuillStringGrid::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

int TQuillStringGrid::SaveEndRow() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TQuillStringGrid::SaveRowCount() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

TRect TQuillStringGrid::UsedCells()
{
    TRect used{ColCount(), RowCount(), -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (!GetCellEx(RealColIndex(c), r).empty()) {
                used.Left = std::min(used.Left, c);
                used.Top = std::min(used.Top, r);
                used.Right = std::max(used.Right, c);
                used.Bottom = std::max(used.Bottom, r);
            }
    return used.Right < 0 ? TRect{0, 0, 0, 0} : used;
}

void TQuillStringGrid::SetSelectionColor(TColor Value)
{
    if (Value == FSelectionColor) return;
    FSelectionColor = Value;
    Invalidate();
}

void TQuillStringGrid::SetSelectionTextColor(TColor Value)
{
    if (Value == FSelectionTextColor) return;
    FSelectionTextColor = Value;
    Invalidate();
}

void TQuillStringGrid::SetSelectionColorMixerFactor(int Value)
{
    Value = std::clamp(Value, 0, 100);
    if (Value == FSelectionColorMixerFactor) return;
    FSelectionColorMixerFactor = Value;
    Invalidate();
}

void TQuillStringGrid::SetShowSelection(bool Value)
{
    if (Value == FShowSel) return;
    FShowSel = Value;
    Invalidate();
}

void TQuillStringGrid::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    Invalidate();
}

void TQuillStringGrid::SetDefaultAlignment(TAlignment Value)
{
    if (Value == FDefaultAlignment) return;
    FDefaultAlignment = Value;
    Invalidate();
}

// Row blocks.

void TQuillStringGrid::InsertRowBlock(int ARow, int ACount, bool)
{
    if (ACount < 1 || ARow < 0) return;
    if (FSelHidden) UnHideSelection();
    ARow = std::min(ARow, RowCount());
    // New rows go before the shown row ARow; a hidden row just above it
    // keeps its place between its old neighbours.
    const int real = ARow < RowCount() ? RealRowIndex(ARow) : FRowStore->Total();
    FRowStore->InsertRows(real, ACount);
    InsertRowFlags(ARow, real, ACount);
    InsertShownRowSizes(ARow, std::vector<int>(static_cast<std::size_t>(ACount), DefaultRowHeight()));
    FooterRowsChanging(ARow, ACount, grid::TRowChange::Inserted);
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    if (!FDestroying) DoCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
}

void TQuillStringGrid::DeleteRowBlock(int ARow, int ACount, bool)
{
    if (ARow < 0 || ARow >= RowCount() || ACount < 1) return;
    CloseEditor();
    ACount = std::min(ACount, RowCount() - ARow);
    const int savedRow = Row();
    const int savedTop = TopRow();
    const int savedFixed = FixedRows();
    // The platform keeps at least one row: deleting them all empties the first.
    const bool keepOne = ACount == RowCount();
    FooterRowsChanging(ARow, ACount, grid::TRowChange::Removing);
    const int firstReal = RealRowIndex(ARow + (keepOne ? 1 : 0));
    const int lastReal = RealRowIndex(ARow + ACount - 1);
    if (keepOne) {
        FreeRowObjects(RealRowIndex(ARow));
        FRowStore->Row(RealRowIndex(ARow)).Texts.Clear();
        --ACount;
    }
    if (ACount > 0) {
        std::vector<int> displ, reals;
        for (int d = ARow + (keepOne ? 1 : 0); d < ARow + (keepOne ? 1 : 0) + ACount; ++d) {
            displ.push_back(d);
            reals.push_back(RealRowIndex(d));
        }
        DropRowFlags(displ, reals);
        // Hidden rows inside the block stay; they move up with the rows after it.
        (void)FRowStore->RemoveRows(firstReal, lastReal + 1,
                                    [](int, const grid::TRowRecord& row) { return !row.Hidden; });
        RemoveShownRowSizes(ARow + (keepOne ? 1 : 0), ACount);
    }
    if (savedRow < RowCount() && RowCount() > savedFixed) {
        SetTopRow(savedTop);
        if (savedRow >= FixedRows()) TCustomGrid::SetRow(savedRow);
    } else if (RowCount() > savedFixed) {
        TCustomGrid::SetRow(RowCount() - 1);
    } else {
        HideSelection();
    }
    DoCellsChanged({0, ARow, ColCount() - 1, ARow + ACount});
}

void TQuillStringGrid::RemoveRowRange(int ARow, int ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount < 1) return;
    const int last = std::min(ARow + ACount, RowCount()) - 1;
    for (int d = ARow; d <= last; ++d) FreeRowObjects(RealRowIndex(d));
    DeleteRowBlock(ARow, ACount, true);
}

void TQuillStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    InsertRowBlock(RowIndex, RCount, UpdateCellControls);
}

// Moves and the column order.

void TQuillStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
}

void TQuillStringGrid::MoveRow(int FromIndex, int ToIndex) { TCustomGrid::MoveRow(FromIndex, ToIndex); }

void TQuillStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

void TQuillStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Each pass puts columns back where they started; a column count that
    // changed since the order was taken ends the passes early.
    const int limit = std::min(ColCount(), FColumnOrder->Count());
    for (bool moved = true; moved;) {
        moved = false;
        for (int position = 0; position < limit; ++position) {
            const int entry = FColumnOrder->GetInteger(position);
            if (entry < position && entry >= 0) {
                MoveColumn(position, entry);
                moved = true;
            }
        }
    }
}

int TQuillStringGrid::ColumnPosition(int ACol) const
{
    int result = ACol;
    const int n = std::min(FColumnOrder->Count(), TotalColCount());
    for (int k = 0; k < n; ++k)
        if (FColumnOrder->GetInteger(k) == ACol) {
            result = k;
            break;
        }
    if (FGroupColumn != -1 && ACol >= FGroupColumn) --result;
    return result;
}

int TQuillStringGrid::ColumnAtPosition(int APos)
{
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    if (APos < 0 || APos >= FColumnOrder->Count()) return APos;
    const int entry = FColumnOrder->GetInteger(APos);
    return FGroupColumn != -1 && entry >= FGroupColumn ? entry + 1 : entry;
}

int TQuillStringGrid::ColumnByHeader(std::string_view AValue) const
{
    const int row0 = RealRowIndex(0);
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllGridCells(c, row0) == AValue) return c;
    return -1;
}

void TQuillStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex < 0 || RowIndex < 0 || ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int left = LeftCol();
    int top = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        SetCol(ColIndex);
        left = std::max(ColIndex - VisibleColCount() / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        SetRow(RowIndex);
        top = std::max(RowIndex - VisibleRowCount() / 2, FixedRows());
    }
    left = std::min(left, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(left);
    top = std::min(top, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() < RowCount()) SetTopRow(top);
}

void TQuillStringGrid::HideSelection()
{
    const TGridRect current = Selection();
    FOldSelection = current;
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TQuillStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int top = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    const int left = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    SetSelection({left, top, left, top});
}
