// Dragging cells out of the grid: a press on the selection waits for the
// pointer to move, then the selected cells travel as text, as the pressed
// cell's text as rich text and as the grid's cell stream to whatever window takes
// the drop; a move takes them out of the grid. A header drags its column.
#include <cstdlib>
#include <utility>

#include "grid/QuillGrid.h"
#include "grid/interact/DragOutState.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/classes/Streams.h"
#include "grid/interact/GridOleDrop.h"

namespace {

// The pointer must move further than this from the press, in X or in Y.
constexpr int DragThreshold = 3;
// A press this close to a column's side is left to column sizing.
constexpr int BorderMargin = 3;

constexpr DWORD BothEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;

} // namespace

bool TQuillStringGrid::DragCandidatePress(TShiftState Shift, int X, int Y)
{
    FDragOut->Pending = false;
    const TDragDropSettings& settings = DragDropSettings();
    if (!settings.OleDropSource() || Options().Contains(goEditing)) return false;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < 0) return false;
    if (cell.Y < FixedRows()) {
        // A header drags its column; one that selects columns selects instead.
        if (!settings.OleColumnDragDrop() || MouseActions().ColSelect() || MouseActions().AllSelect()) return false;
    } else if (!IsSelected(cell.X, cell.Y)) {
        return false;
    }
    const TPoint base = BaseCell(cell.X, cell.Y);
    const int col = RealColIndex(base.X);
    if (HasButton(col, base.Y) || HasCheckBox(col, base.Y)) return false;
    const TRect r = CellRect(cell.X, cell.Y);
    if (Options().Contains(goColSizing) && (X <= r.Left + BorderMargin || X >= r.Right - BorderMargin)) return false;
    if (CanFocus() && !Focused()) SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
    FDragOut->Pending = true;
    FDragOut->Press = {X, Y};
    FDragOut->Cell = cell;
    FDragOut->PressShift = Shift;
    return true;
}

bool TQuillStringGrid::DragOutMove(TShiftState Shift, int X, int Y)
{
    grid::TDragOutState& d = *FDragOut;
    if (!d.Pending) return false;
    if (!Shift.Contains(ssLeft)) {
        d.Pending = false;
        return false;
    }
    if (std::abs(X - d.Press.X) <= DragThreshold && std::abs(Y - d.Press.Y) <= DragThreshold) return true;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || FillHandleRect().Contains({X, Y})) return true;
    d.Pending = false;
    const int col = RealColIndex(cell.X);
    bool allow = !(DragDropSettings().OleColumnsOnly() && cell.Y >= FixedRows());
    if (allow && OnOleDrag) OnOleDrag(this, cell.Y, col, Cells(col, cell.Y), allow);
    if (!allow) {
        // The gesture selects instead, from where the button went down.
        TBaseGrid::MouseDown(mbLeft, d.PressShift, d.Press.X, d.Press.Y);
        return false;
    }
    if (OnOleDragStart) OnOleDragStart(this, cell.Y, col);
    const int effect = d.Cell.Y < FixedRows() ? DragColumn(d.Cell.X) : DragSelectedCells(d.Cell);
    // A cancelled drag leaves everything as it was and tells nobody.
    if (effect != DROPEFFECT_NONE && OnOleDragStop) OnOleDragStop(this, effect);
    return true;
}

int TQuillStringGrid::DragColumn(int ACol)
{
    // The column's cells travel with its index, for a grid that is not this one.
    TMemoryStream cells;
    SaveRectToBinStream({ACol, 0, ACol, RowCount() - 1}, cells);
    auto source = std::make_shared<TGridDropSource>(*this);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(std::make_shared<TSourceDataObject>("", "", ACol, &cells), source, BothEffects, effect);
    if (result != DRAGDROP_S_DROP || source->NoAccept()) return DROPEFFECT_NONE;
    return static_cast<int>(effect);
}

int TQuillStringGrid::DragSelectedCells(TGridCoord Pressed)
{
    const TGridRect sel = Selection();
    FDragOut->DropSelection = sel;
    std::unique_ptr<TMemoryStream> cells;
    if (Navigation().AllowFmtClipboard()) {
        cells = std::make_unique<TMemoryStream>();
        SaveRectToBinStream({sel.Left, sel.Top, sel.Right, sel.Bottom}, *cells);
    }
    DWORD dropEffect = DROPEFFECT_NONE;
    const HRESULT result = BeginTextDragDrop(std::make_shared<TGridDropSource>(*this), SelectedText(),
                                             Cells(RealColIndex(Pressed.X), Pressed.Y), cells.get(), BothEffects,
                                             dropEffect);
    const int effect = result == DRAGDROP_S_DROP ? static_cast<int>(dropEffect) : DROPEFFECT_NONE;
    if (effect != DROPEFFECT_MOVE || DragDropSettings().OleCopyAlways()) return effect;
    // Moved: the cells leave the grid, whole rows when rows are selected.
    const TGridRect& dropped = FDragOut->DropSelection;
    const bool disjunct = MouseActions().DisjunctRowSelect();
    if (DragDropSettings().OleRemoveRows() && Options().Contains(goRowSelect)) {
        if (disjunct) RemoveSelectedRows();
        else RemoveRowRange(dropped.Top, dropped.Bottom - dropped.Top + 1);
    } else if (disjunct) {
        ClearSelection();
    } else {
        ClearRect(dropped.Left, dropped.Top, dropped.Right, dropped.Bottom);
    }
    return effect;
}

// A press that never became a drag is a click: the released cell becomes
// the selection.
bool TQuillStringGrid::DragCandidateRelease(int X, int Y)
{
    if (!std::exchange(FDragOut->Pending, false)) return false;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < FixedRows()) return false;
    FocusCell(cell.X, cell.Y, true);
    return true;
}
