// Data entry moves: Enter goes on to the next cell that may be edited
// (right then down, or down then right), adding a row or a column at the
// end when asked to; Tab steps to the next or previous cell that takes
// input, wrapping rows and handing the focus on at the end of the grid.
// Both walk iteratively and stop once they come back round, so a grid with
// nothing to edit neither recurses deeply nor loops.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/MessageQueue.h"

namespace {

// Enough steps to visit every cell once, and one more.
long long StepLimit(int Cols, int Rows) { return static_cast<long long>(Cols) * Rows + 1; }

} // namespace

void TQuillStringGrid::MoveToFirstRow()
{
    if (Row() != FixedRows()) SetRow(FixedRows());
}

bool TQuillStringGrid::IsTabStopCell(int ACol, int ARow)
{
    if (Options().Contains(goEditing) || Edit().EditDisable) return IsEditable(RealColIndex(ACol), ARow);
    bool fixed = false;
    DoIsFixedCell(RealColIndex(ACol), ARow, fixed);
    return !fixed;
}

int TQuillStringGrid::FirstTabStopColumn(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsTabStopCell(c, ARow) && IsBaseCell(c, ARow)) return c;
    return -1;
}

int TQuillStringGrid::LastTabStopColumn(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsTabStopCell(c, ARow) && IsBaseCell(c, ARow)) return c;
    return -1;
}

// One step of the Enter move from (ACol, ARow). Ended is set when the move
// stops without a target (no room and no loop, or a new row with nothing
// to edit). False when the step went nowhere.
bool TQuillStringGrid::StepEnterTarget(int& ACol, int& ARow, bool Forward, bool& Ended)
{
    const TNavigation& nav = Navigation();
    const int first = FixedCols();
    const int lastCol = ColCount() - FFixedRightCols - 1;
    const int lastRow = RowCount() - FFixedFooters - 1;
    const TPoint span = CellSpan(ACol, ARow);
    const bool leftRight = nav.AdvanceDirection() == adLeftRight;
    if (!Forward) {
        if (leftRight) {
            if (ACol > first) return --ACol, true;
            ARow = ARow > FixedRows() ? ARow - 1 : lastRow;
            ACol = lastCol;
        } else {
            if (ARow > FixedRows()) return --ARow, true;
            ACol = ACol > first ? ACol - 1 : lastCol;
            ARow = lastRow;
        }
        return true;
    }
    if (leftRight) {
        if (ACol + span.X < lastCol) {
            ACol += span.X + 1;
        } else if (ARow != lastRow) {
            ++ARow;
            ACol = first;
        } else if (nav.AdvanceInsert()) {
            bool canAdd = true;
            if (OnCanAddRow) OnCanAddRow(this, canAdd);
            ACol = first;
            if (canAdd) {
                AddRow();
                ++ARow;
                if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                bool any = false;
                for (int c = FixedCols(); c < ColCount() && !any; ++c) any = IsEditable(RealColIndex(c), ARow);
                if (!any) Ended = true;
            }
        } else if (nav.AdvanceOnEnterLoop()) {
            ARow = FixedRows();
            ACol = first;
        } else {
            Ended = true;
        }
        return true;
    }
    if (ARow != lastRow) {
        ++ARow;
    } else if (ACol != lastCol) {
        ARow = FixedRows();
        ACol = ACol + 1 < ColCount() ? ACol + 1 : first;
    } else if (nav.AdvanceInsert()) {
        SetColCount(ColCount() + 1);
        ACol += span.X + 1;
        ARow = FixedRows();
        if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
    } else {
        ARow = FixedRows();
        ACol = first;
    }
    return true;
}

void TQuillStringGrid::MoveToNextEditCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Edit)
{
    grid::TEditState& s = this->Edit();
    if (!Navigation().AdvanceOnEnter() && !Force) return;
    if (MouseActions().RangeSelectAndEdit() && !Options().Contains(goEditing)) {
        TGridOptions options = Options();
        options.Include(goEditing);
        SetOptions(options);
    }
    s.StartEditChar = 0;
    const int startCol = ACol, startRow = ARow;
    const long long limit = StepLimit(ColCount(), RowCount());
    for (long long step = 0;; ++step) {
        bool ended = false;
        (void)StepEnterTarget(ACol, ARow, Forward, ended);
        if (ended || step >= limit) return;
        bool canEdit = true;
        GetCellEditable(RealColIndex(ACol), ARow, canEdit);
        if (canEdit) break;
        // Came round to the start: nothing in the grid may be edited.
        if (ACol == startCol && ARow == startRow) return;
    }
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, startRow, startCol, ARow, ACol, allow);
    if (allow && OnCellChanging) OnCellChanging(this, startRow, startCol, ARow, ACol, allow);
    // A redirect outside the grid is no target.
    if (ACol < FixedCols() || ACol >= ColCount() || ARow < FixedRows() || ARow >= RowCount()) allow = false;
    {
        s.DisableChange = true;
        const rtl::ScopeExit changed([&s] { s.DisableChange = false; });
        if (allow) (void)MoveCurrent(ACol, ARow, true, true);
    }
    if (!Edit) return;
    if (AutoEdit && Navigation().AdvanceAutoEdit() && IsEditable(RealCol(), Row())) ShowEditor();
}

// One step of the Tab move from the current cell; false when it found no
// cell to go to.
bool TQuillStringGrid::StepTabTarget(bool Backward)
{
    const TNavigation& nav = Navigation();
    const int first = FixedCols();
    const int edge = ColCount() - FFixedRightCols;
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int col = Col(), row = Row();
    const TPoint span = CellSpan(col, row);
    auto go = [this](int ACol, int ARow) { return ACol >= 0 && MoveCurrent(ACol, ARow, true, true); };
    auto handOff = [this, &nav] {
        if (nav.TabToNextAtEnd() && Parent()) PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
    };

    if (nav.TabAdvanceDirection() == adTopBottom) {
        if (Backward) {
            if (row > FixedRows()) return go(col, row - 1);
            return go(col > first ? col - 1 : edge - 1, lastRow);
        }
        if (row + span.Y + 1 <= lastRow) return go(col, row + span.Y + 1);
        MoveToFirstRow();
        if (col < edge - 1) return go(col + 1, Row());
        handOff();
        return go(first, Row());
    }
    if (Backward) {
        for (int c = col - 1; c >= first; --c)
            if (IsTabStopCell(c, row) && IsBaseCell(c, row)) return go(c, row);
        const int prevRow = row > FixedRows() ? row - 1 : lastRow;
        const int target = LastTabStopColumn(prevRow);
        return go(target >= first ? target : edge - 1, prevRow);
    }
    for (int c = col + span.X + 1; c < edge; ++c)
        if (IsTabStopCell(c, row) && IsBaseCell(c, row)) return go(c, row);
    if (row < lastRow) {
        for (int r = row + 1; r <= lastRow; ++r)
            if (const int c = FirstTabStopColumn(r); c >= first) return go(c, r);
    } else if (!nav.TabToNextAtEnd() && nav.AdvanceInsert()) {
        bool canAdd = true;
        if (OnCanAddRow) OnCanAddRow(this, canAdd);
        if (canAdd) {
            AddRow();
            if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
            return go(first, RowCount() - FFixedFooters - 1);
        }
    }
    // Past the end: round to the first row, and on out of the grid.
    MoveToFirstRow();
    handOff();
    const int c = FirstTabStopColumn(Row());
    return go(c >= first ? c : first, Row());
}

void TQuillStringGrid::MoveToNextTabCell(bool Backward)
{
    grid::TEditState& s = Edit();
    if (OnKeyDown) {
        unsigned short key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB) return;
    }
    const int startCol = Col(), startRow = Row();
    const long long limit = StepLimit(ColCount(), RowCount());
    for (long long step = 0;; ++step) {
        const TGridCoord before{Col(), Row()};
        if (!StepTabTarget(Backward)) return;
        // Cells that may not be edited are passed over while editing is on.
        const bool editing = Options().Contains(goEditing) || s.EditDisable;
        if (!editing || IsEditable(RealCol(), Row())) break;
        // Stuck, round at the start or out of steps: nothing takes input,
        // and the current cell stays where the key was pressed.
        const bool stuck = Col() == before.X && Row() == before.Y;
        if (stuck || (Col() == startCol && Row() == startRow) || step >= limit) {
            (void)MoveCurrent(startCol, startRow, true, true);
            return;
        }
    }
    if (Navigation().AdvanceAutoEdit() && !HasClickableControl(RealCol(), Row()) && Options().Contains(goEditing) &&
        IsEditable(RealCol(), Row()))
        ShowEditor();
    if (Navigation().AlwaysEdit() && CanFocus()) SetFocus();
}
