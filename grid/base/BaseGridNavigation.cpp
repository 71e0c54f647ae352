// Keys and wheel that step over merged areas, the current cell kept on base
// cells, and repaints that follow the current cell and the view.
#include "grid/base/BaseGrid.h"

#include "platform/ui/VirtualKeys.h"

bool TBaseGrid::HandleSelectCell(int ACol, int ARow)
{
    RepaintCell(Col(), Row());
    const bool allowed = TObjStringGrid::HandleSelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return allowed;
}

void TBaseGrid::HandleTopLeftChanged()
{
    TObjStringGrid::HandleTopLeftChanged();
    RepaintMergedFixedCells();
}

// A merged fixed cell spans scrolling columns or rows, so its picture
// changes with the view.
void TBaseGrid::RepaintMergedFixedCells()
{
    if (FixedCols() > 0)
        for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
            for (int c = 0; c < FixedCols(); ++c)
                if (IsMergedCell(c, r)) RepaintCell(c, r);
    if (FixedRows() > 0)
        for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
            for (int r = 0; r < FixedRows(); ++r)
                if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::StepToAreaEnd(bool Horizontal)
{
    if (!PropsAt(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    const TPoint span = CellSpan(Col(), Row());
    if (Horizontal) {
        const int last = base.X + span.X;
        if (last > Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount()) SetCol(last);
    } else {
        const int last = base.Y + span.Y;
        if (last > Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1 && last < RowCount()) SetRow(last);
    }
}

// From a covered cell the framework's one-step move back starts at the
// area's first column (row), so it lands on the cell just before the area,
// as a step forward lands just past it.
void TBaseGrid::StepToAreaStart(bool Horizontal)
{
    if (!PropsAt(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    if (Horizontal) {
        if (Col() > base.X && base.X > FixedCols()) SetCol(base.X);
    } else {
        if (Row() > base.Y && base.Y > FixedRows()) SetRow(base.Y);
    }
}

void TBaseGrid::HandleKeyDown(unsigned short& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_LEFT: StepToAreaStart(true); break;
    case VK_UP: StepToAreaStart(false); break;
    case VK_RIGHT: StepToAreaEnd(true); break;
    case VK_DOWN: StepToAreaEnd(false); break;
    case VK_NEXT:
        // The framework's page step aims at the last row, which the footer
        // takes; the row above it is as far as the page may go.
        if (FHideLastRow && RowCount() > 1 && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
            SetRow(RowCount() - 2);
        break;
    default: break;
    }
    TObjStringGrid::HandleKeyDown(Key, Shift);
    SnapToBaseCell();
}

bool TBaseGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos)
{
    // Like Down, the wheel leaves a merged area from its last row; stepping
    // from the base row would land in the area and snap straight back.
    StepToAreaEnd(false);
    const bool handled = TObjStringGrid::HandleWheelDown(Shift, MousePos);
    if (FHideLastRow && Row() - TopRow() > VisibleRowCount() && Row() != RowCount() - 1) SetTopRow(TopRow() + 1);
    SnapToBaseCell();
    return handled;
}

bool TBaseGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TObjStringGrid::HandleWheelUp(Shift, MousePos);
    SnapToBaseCell();
    return handled;
}

void TBaseGrid::SnapToBaseCell()
{
    if (!PropsAt(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}
