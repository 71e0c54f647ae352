// Clicks on the grid's headers: sorting by one column, or by several with a
// key held, and fixed cells pressed in and out like buttons.
#include "grid/QuillGrid.h"
#include "grid/interact/PointerState.h"
#include "grid/base/AuxLists.h"
#include "grid/interact/EditState.h"
#include "grid/model/SortSettings.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/VirtualKeys.h"

void TQuillStringGrid::SortByHeaderClick(int ACol, TShiftState Shift)
{
    bool doSort = !IsIgnoredColumn(ACol);
    if (OnCanSort) OnCanSort(this, ACol, doSort);
    if (!doSort) {
        RepaintCell(DisplColIndex(ACol), SortSettings().Row());
        return;
    }
    // The edit under way is committed first; a refused value stops the sort.
    HideInplaceEdit();
    if (Edit().EditMode) return;
    RunHeaderSort(ACol, Shift);
    if (OnClickSort) OnClickSort(this, SortSettings().Column());
}

// One sort column: a second click turns the order, a third (with UndoSort)
// puts the rows back as they were.
void TQuillStringGrid::SortByColumnClick(int ACol)
{
    TSortSettings& sort = SortSettings();
    if (sort.Column() == ACol) {
        const TSortDirection flipped = sort.Direction() == sdAscending ? sdDescending : sdAscending;
        if (sort.UndoSort() && sort.Direction() != sort.InitSortDirection() && !HasNodes()) {
            QUnSort();
            sort.SetColumn(-1);
            sort.SetDirection(sort.InitSortDirection());
        } else {
            sort.SetDirection(flipped);
        }
    } else {
        sort.SetColumn(ACol);
        sort.SetDirection(sort.InitSortDirection());
    }
    if (sort.Column() < 0) return;
    if (HasNodes()) QSortGroup();
    else QSort();
}

// Sort indexes: with the index key a click adds the column (or turns its
// order); without it the column becomes the only one, and a click on the
// only one turns its order.
void TQuillStringGrid::SortByIndexClick(int ACol, TShiftState Shift)
{
    TSortSettings& sort = SortSettings();
    TSortIndexList& indexes = SortIndexes();
    const bool keyDown = sort.IndexSortKey() == ikCtrl ? Shift.Contains(ssCtrl) || GetKeyState(VK_CONTROL) < 0
                                                       : Shift.Contains(ssShift) || GetKeyState(VK_SHIFT) < 0;
    const bool ascending = sort.InitSortDirection() == sdAscending;
    const bool listed = indexes.FindIndex(ACol) >= 0;
    if (keyDown) {
        if (listed) indexes.ToggleIndex(ACol);
        else indexes.AddIndex(ACol, ascending);
    } else if (listed && indexes.Count() == 1) {
        indexes.ToggleIndex(ACol);
    } else {
        indexes.Clear();
        indexes.AddIndex(ACol, ascending);
    }
    sort.SetColumn(indexes.GetSortColumns(0));
    sort.SetDirection(indexes.GetSortDirections(0) ? sdAscending : sdDescending);
    if (HasNodes()) QSortGroupIndexed();
    else QSortIndexed();
}

// A press on a fixed cell of a grid with FixedAsButtons draws it pressed in.
void TQuillStringGrid::PressFixedButton(int X, int Y)
{
    const TGridOptions options = Options();
    if (!FPointer->FixedAsButtons || !options.Contains(goFixedVertLine) || !options.Contains(goFixedHorzLine)) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return;
    bool fixed = cell.X < FixedCols() || cell.Y < FixedRows();
    if (!fixed) DoIsFixedCell(RealColIndex(cell.X), cell.Y, fixed);
    if (!fixed || (cell.X == 0 && IsNode(cell.Y) && IsNodeButtonHit(cell.Y, X))) return;
    FPointer->PushedFixedCell = cell;
    RepaintCell(cell.X, cell.Y);
}

// The release lets the pressed fixed cell out again; over any cell it is
// the pressed cell's button click.
void TQuillStringGrid::ReleaseFixedButton(int X, int Y)
{
    const TGridCoord pushed = FPointer->PushedFixedCell;
    if (pushed.X < 0) return;
    FPointer->PushedFixedCell = {-1, -1};
    if (pushed.X < ColCount() && pushed.Y < RowCount()) RepaintCell(pushed.X, pushed.Y);
    const TGridCoord over = MouseCoord(X, Y);
    if (over.X >= 0 && over.Y >= 0 && pushed.X < ColCount() && pushed.Y < RowCount()) DoButtonClick(pushed.X, pushed.Y);
}

void TQuillStringGrid::DrawPushedFixedCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect)
{
    if (!(TGridCoord{ACol, ARow} == FPointer->PushedFixedCell)) return;
    ++ARect.Bottom;
    ++ARect.Right;
    TRect edge = ARect;
    DrawEdge(ACanvas.Handle(), edge, BDR_SUNKENINNER, BF_BOTTOMRIGHT);
    edge = ARect;
    DrawEdge(ACanvas.Handle(), edge, BDR_SUNKENINNER, BF_TOPLEFT);
}
