// The check every move of the current cell passes: covered cells of merged
// areas, the node column, the edit permission of the new cell, the pending
// edit's validation and the application's changing events.
#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"

void TQuillStringGrid::DoCellChanging(int NewCol, int NewRow, bool& Allow)
{
    grid::TEditState& s = Edit();
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if ((NewCol != Col() || NewRow != Row()) && !s.DisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

bool TQuillStringGrid::HandleSelectCell(int ACol, int ARow)
{
    grid::TEditState& s = Edit();
    if (s.ForceSel || ACol < 0 || ARow < 0) return TBaseGrid::HandleSelectCell(ACol, ARow);
    const TGridOptions options = Options();
    if (IsMergedNonBaseCell(ACol, ARow) && !options.Contains(goRangeSelect)) {
        // Covered cells never become current: their area's base cell does.
        const TPoint base = BaseCell(ACol, ARow);
        if (base.X != Col() || base.Y != Row()) (void)MoveCurrent(base.X, base.Y, true, true);
        return false;
    }
    if (ACol == 0 && HasNodes() && !options.Contains(goRowSelect)) return false;
    const bool moving = ACol != Col() || ARow != Row();
    // The edit under way is validated before the cell is left; a refused
    // value keeps the current cell and its editor.
    if (moving && s.EditMode && !CommitEdit()) return false;

    // goEditing follows the new cell: taken away on a cell that may not be
    // edited, given back on the next one that may.
    const int col = RealColIndex(ACol);
    if (!HasClickableControl(col, ARow)) {
        bool canEdit = options.Contains(goEditing) || s.EditDisable;
        GetCellEditable(col, ARow, canEdit);
        if (MouseActions().EditOnDblClickOnly()) canEdit = false;
        TGridOptions next = options;
        if (canEdit) {
            s.EditDisable = false;
            next.Include(goEditing);
        } else if (options.Contains(goEditing)) {
            s.EditDisable = true;
            next.Exclude(goEditing);
        }
        if (!(next == options)) SetOptions(next);
    }

    bool allow = true;
    DoCellChanging(ACol, ARow, allow);
    // A refusal holds for row-select grids too.
    if (!allow) return false;
    bool fixed = false;
    if (ARow < RowCount() - FFixedFooters && ACol < ColCount() - FFixedRightCols) DoIsFixedCell(col, ARow, fixed);
    else fixed = true;
    if (fixed && !options.Contains(goRowSelect)) return false;
    if (!TBaseGrid::HandleSelectCell(ACol, ARow)) return false;
    s.CellCache = GetGridCell(col, ARow);
    // Only a move that happens is reported, with the cell it reaches.
    NotifySelectionChanged(ACol, ARow);
    return true;
}
