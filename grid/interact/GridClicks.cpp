// The double click and the right button: a double click on a header border
// fits the column to its content, one on a cell opens its editor; a right
// press reports the cell; both open a fixed cell's editor when asked to.
#include "grid/QuillGrid.h"

#include <cstdlib>

#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "grid/interact/FormsState.h"
#include "platform/rtl/ScopeExit.h"

namespace {

// A double click this close to a header border fits the column.
constexpr int BorderReach = 4;

} // namespace

void TQuillStringGrid::WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double)
{
    const int x = Message.LParamLoSigned(), y = Message.LParamHiSigned();
    if (Down && Double && Button == mbLeft) {
        DoubleClickAt(Message, x, y);
        return;
    }
    TBaseGrid::WMMouseButton(Message, Button, Down, Double);
    if (!Down) {
        // Only the release right after a double click that fitted a column
        // is held back from sorting.
        if (Button == mbLeft && FFormsState) FFormsState->DblClk = false;
        if (Button == mbLeft) ReleaseCellButton();
        return;
    }
    FixedCellPress(Button, x, y);
    if (Button != mbRight) return;
    const TGridCoord cell = MouseCoord(x, y);
    if (OnRightClickCell) OnRightClickCell(this, cell.Y, cell.X);
    EditURLCell(cell);
}

void TQuillStringGrid::DoubleClickAt(TMessage& Message, int X, int Y)
{
    auto framework = [&] { TBaseGrid::WMMouseButton(Message, mbLeft, true, true); };
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0) {
        if (FixedRowAlways()) {
            framework();
            return;
        }
        // Right of the last column: as on the last column's header.
        cell = {ColCount() - 1, 0};
    }
    if (cell.Y < 0) {
        framework();
        return;
    }
    grid::TEditState& edit = Edit();
    TMouseActions& actions = MouseActions();
    const int realCol = RealColIndex(cell.X);
    if (actions.RangeSelectAndEdit() && !HasClickableControl(realCol, cell.Y)) edit.ForceSel = true;
    const rtl::ScopeExit lowerForceSel([&] { edit.ForceSel = false; });

    const TRect r = CellRect(cell.X, cell.Y);
    if (cell.Y < FixedRows() && Options().Contains(goColSizing) && actions.AutoSizeColOnDblClick()) {
        int sized = -1;
        if (std::abs(X - r.Left) < BorderReach) {
            Forms().DblClk = true;
            if (cell.X - 1 >= FixedCols()) sized = cell.X - 1;
        }
        if (sized < 0 && std::abs(X - r.Right) < BorderReach && cell.X >= FixedCols()) {
            Forms().DblClk = true;
            sized = cell.X;
        }
        if (sized >= 0) {
            bool allow = true;
            if (OnColumnSize) OnColumnSize(this, sized, allow);
            if (allow) {
                AutoSizeCol(sized, 0);
                if (OnEndColumnSize) OnEndColumnSize(this, sized);
            }
            edit.ForceSel = false;
            framework();
            return;
        }
    }
    // Buttons take their own clicks; other controls in a cell only the framework's.
    if (HasButton(realCol, cell.Y) || HasExpand(realCol, cell.Y)) return;
    if (HasClickableControl(realCol, cell.Y)) {
        framework();
        return;
    }
    framework();
    if (OnDblClickCell) OnDblClickCell(this, cell.Y, cell.X);

    if (actions.EditOnDblClickOnly()) {
        const bool rangeEdit = actions.RangeSelectAndEdit();
        actions.SetRangeSelectAndEdit(true);
        const rtl::ScopeExit restore([&] { actions.SetRangeSelectAndEdit(rangeEdit); });
        if (cell.X >= FixedCols() && IsEditable(realCol, cell.Y)) OpenEditorByDoubleClick(cell);
    } else if (actions.RangeSelectAndEdit() && cell.X >= FixedCols() && IsEditable(realCol, cell.Y)) {
        OpenEditorByDoubleClick(cell);
    }
    edit.ForceSel = false;

    const bool fixedRow = cell.Y < FixedRows(), fixedCol = cell.X < FixedCols();
    if ((fixedRow && actions.FixedRowsEdit() == fceDblClick) || (fixedCol && actions.FixedColsEdit() == fceDblClick))
        ShowFixedCellEditor(cell.X, cell.Y);
}

void TQuillStringGrid::OpenEditorByDoubleClick(TGridCoord Cell)
{
    if (Cell.Y < FixedRows()) return;
    const TPoint base = BaseCell(Cell.X, Cell.Y);
    TGridOptions options = Options();
    options.Include(goEditing);
    SetOptions(options);
    ShowEditorAt(base);
}

void TQuillStringGrid::ShowEditorAt(TPoint Base)
{
    if (Base.X != Col() || Base.Y != Row()) FocusCell(Base.X, Base.Y, true);
    if (Base.X != Col() || Base.Y != Row()) return;
    grid::TEditState& edit = Edit();
    edit.OldCol = Base.X;
    edit.OldRow = Base.Y;
    if (!EditMode()) ShowInplaceEdit();
}

bool TQuillStringGrid::HeaderReleaseTaken(int X, int Y)
{
    // The release that ends a double click fitting a column does nothing more.
    if (FFormsState && FFormsState->DblClk) return true;
    return FilterButtonRelease(X, Y);
}
