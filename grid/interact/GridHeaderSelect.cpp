// Whole rows, whole columns or the whole grid selected by a press on the
// fixed cells, drags along the headers that select every row or column they
// pass, and selection changes reported to the application once each.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/interact/PointerState.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "grid/model/SelectionSets.h"

namespace {

// A row drag this close to the grid's bottom edge scrolls one row down.
constexpr int RowDragScrollZone = 4;

} // namespace

void TQuillStringGrid::AdjustMouseSelection(TGridRect& ARect) { (void)ARect; }

void TQuillStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    FHeaderPress->Reported = {ALeft, ATop, ARight, ABottom};
    // These looks frame the selection as a whole, so it is drawn again.
    const TGridLook look = Look();
    if (look == glVista || look == glWin7 || look == glOffice2007) Invalidate();
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TQuillStringGrid::BeginSelectionReport() { FHeaderPress->Reported = Selection(); }

void TQuillStringGrid::ReportSelectionChange()
{
    const TGridRect s = Selection();
    if (!(s == FHeaderPress->Reported)) DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// The corner selects the grid, a row header its row and a column header its
// column; with Shift the rows (columns) from the old selection's first one
// to the pressed one. A drag from a row or column header goes on from there.
void TQuillStringGrid::HeaderSelectPress(TShiftState Shift, int X, int Y)
{
    FHeaderPress->Drag = grid::THeaderDrag::None;
    FPointer->MouseSelectStart = -1;
    if (!Options().Contains(goRangeSelect)) return;
    // A press may come without a move onto its cell first.
    const TMouseSelectMode mode = SelectModeAt(X, Y);
    FPointer->MouseSelectMode = mode;
    if (mode != msAll && mode != msRow && mode != msColumn) return;
    // The edit under way is committed first; a refused value keeps its cell.
    HideInplaceEdit();
    if (Edit().EditMode) return;
    const TGridCoord cell = MouseCoord(X, Y);
    const TGridRect old = Selection();
    const bool shift = Shift.Contains(ssShift);
    TGridRect next{};
    switch (mode) {
    case msAll: next = {FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1}; break;
    case msRow: {
        // Shift keeps the old first row as the drag's start too, so the
        // extended block survives the pointer moving on.
        const int start = shift ? old.Top : cell.Y;
        next = {FixedCols(), start, ColCount() - 1, cell.Y};
        FHeaderPress->Drag = grid::THeaderDrag::Rows;
        FPointer->MouseSelectStart = start;
        break;
    }
    case msColumn: {
        const int start = shift ? old.Left : cell.X;
        next = {start, FixedRows(), cell.X, RowCount() - 1};
        FHeaderPress->Drag = grid::THeaderDrag::Columns;
        FPointer->MouseSelectStart = start;
        break;
    }
    default: return;
    }
    if (mode != msAll && MouseActions().DisjunctCellSelect()) FSelectedCells.Clear();
    AdjustMouseSelection(next);
    SetSelection(next);
}

// Extends a header drag to the row (column) under the pointer; a row drag
// at the grid's top or bottom edge scrolls a row at a time.
void TQuillStringGrid::HeaderSelectMove(int X, int Y)
{
    const grid::THeaderDrag drag = FHeaderPress->Drag;
    // A header the framework is moving is dragged, not selected along.
    if (drag == grid::THeaderDrag::None || FPointer->MouseSelectStart < 0 || GridState() != gsNormal) return;
    const int start = FPointer->MouseSelectStart;
    const int x = std::clamp(X, 0, std::max(ClientWidth() - 1, 0));
    const int y = std::clamp(Y, 0, std::max(ClientHeight() - 1, 0));
    TGridRect next{};
    if (drag == grid::THeaderDrag::Rows) {
        FPointer->MouseSelectMode = msRow;
        ShowGridCursor(grid::crRowSelect);
        bool aboveData = false;
        if (Y >= ClientHeight() - RowDragScrollZone) {
            if (TopRow() < MaxTopLeft().Y) SetTopRow(TopRow() + 1);
        } else if (FixedRows() > 0 && Y < CellRect(0, 0).Bottom) {
            if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
            aboveData = true;
        }
        int row = MouseCoord(0, y).Y;
        if (row < 0 || (row < FixedRows() && !aboveData) || row >= RowCount() - FFixedFooters) return;
        row = std::max(row, FixedRows());
        next = {FixedCols(), start, ColCount() - 1, row};
    } else {
        FPointer->MouseSelectMode = msColumn;
        ShowGridCursor(grid::crColSelect);
        const int col = MouseCoord(x, 0).X;
        if (col < FixedCols()) return;
        next = {start, FixedRows(), col, RowCount() - 1};
    }
    if (!(grid::OrderedRect(next) == Selection())) SetSelection(next);
}

void TQuillStringGrid::HeaderSelectRelease()
{
    FHeaderPress->Drag = grid::THeaderDrag::None;
    FPointer->MouseSelectStart = -1;
    FPointer->MouseSelectMode = msNormal;
}
