// Clicks that build a selection of separate cells: a plain click starts it
// over, Ctrl+click adds or takes away a cell, Shift+click adds the cells of
// the block it extends to.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "platform/ui/VirtualKeys.h"

namespace {

bool KeyHeld(TShiftState Shift, TShiftStateValue Flag, unsigned short Key)
{
    return Shift.Contains(Flag) || GetKeyState(Key) < 0;
}

} // namespace

// A press without Ctrl on a data cell forgets the cells selected so far.
void TQuillStringGrid::DisjunctCellPress(TShiftState Shift, int X, int Y)
{
    if (!MouseActions().DisjunctCellSelect() || KeyHeld(Shift, ssCtrl, VK_CONTROL)) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < FixedRows()) return;
    FSelectedCells.Clear();
    Invalidate();
}

void TQuillStringGrid::DisjunctCellRelease(TShiftState Shift, int X, int Y)
{
    if (!MouseActions().DisjunctCellSelect()) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return;
    const bool ctrl = KeyHeld(Shift, ssCtrl, VK_CONTROL), shift = KeyHeld(Shift, ssShift, VK_SHIFT);
    const TPoint base = BaseCell(cell.X, cell.Y);
    if (base.X < FixedCols() || base.Y < FixedRows()) {
        // A fixed cell never joins the list; a plain click on one empties it.
        if (!ctrl && cell.X >= FixedCols() && cell.Y >= FixedRows()) {
            FSelectedCells.Clear();
            Invalidate();
        }
        return;
    }
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, base.X, base.Y, canSelect);
    if (!canSelect) return;
    if (shift) {
        SetSelectedCells(cell.X, cell.Y, true);
    } else if (ctrl) {
        SetSelectedCells(base.X, base.Y, !FSelectedCells.Contains(base.X, base.Y));
    } else {
        FSelectedCells.Clear();
        Invalidate();
        SetSelectedCells(base.X, base.Y, true);
    }
    // A dragged or extended block joins the list whole.
    const TGridRect s = Selection();
    const int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
    const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
    if (left == right && top == bottom) return;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            if (c >= FixedCols() && r >= FixedRows()) SetSelectedCells(c, r, true);
}
