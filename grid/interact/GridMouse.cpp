// The grid's mouse: check boxes and links worked by a click, fixed cells lit
// under the pointer, the sizing cursor over header borders, column widths that never shrink out of
// reach, header clicks that sort, the wheel and Ctrl+wheel zoom.
#include <algorithm>
#include <charconv>
#include <vector>

#include "grid/QuillGrid.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/interact/PointerState.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/CellLinks.h"
#include "grid/interact/EditState.h"
#include "grid/model/SortSettings.h"
#include "platform/ui/Shell.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// "CELL://R<row>C<col>": a row and display column inside the grid.
bool ReadCellAddress(std::string_view Target, int& ACol, int& ARow)
{
    constexpr std::string_view prefix = "CELL://R";
    if (Target.size() <= prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(Target[i])) != prefix[i]) return false;
    Target.remove_prefix(prefix.size());
    const size_t c = Target.find_first_of("Cc");
    if (c == std::string_view::npos) return false;
    auto number = [](std::string_view s, int& out) {
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), out);
        return error == std::errc() && end == s.data() + s.size();
    };
    return number(Target.substr(0, c), ARow) && number(Target.substr(c + 1), ACol);
}

} // namespace

// The fixed cell under the pointer lights up (pressed while the left button
// is held on it); anything else leaves no cell lit.
// The list-view look lights its headers whatever HoverFixedCells says.
// Nothing changes while a fixed cell's drop-down menu is open.
void TQuillStringGrid::TrackHotFixedCell(int X, int Y, bool Pressed)
{
    if (FPointer->NoMouseLeave || (HoverFixedCells() == hfNone && Look() != glListView)) return;
    const TGridCoord cell = MouseCoord(X, Y);
    const bool fixed = cell.X >= 0 && cell.Y >= 0 && (cell.X < FixedCols() || cell.Y < FixedRows()) &&
                       (IsHoverFixedCell(cell.X, cell.Y) || Look() == glListView);
    SetHotFixedCell(fixed ? TPoint{cell.X, cell.Y} : TPoint{-1, -1}, fixed && Pressed);
}

void TQuillStringGrid::CMMouseLeave(TMessage& Message)
{
    TBaseGrid::CMMouseLeave(Message);
    FPointer->MouseSelectMode = msNormal;
    if (!FPointer->NoMouseLeave) SetHotFixedCell({-1, -1}, false);
    ClearHover();
}

bool TQuillStringGrid::IsOverSizingBorder(int X, int Y)
{
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    HandleCalcSizingState(X, Y, state, index, pos, ofs, CalcDrawInfo());
    return state == gsColSizing || state == gsRowSizing;
}

void TQuillStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (ThinBarMouse(TThinBarMouse::Move, X, Y)) return;
    // A press on the selection becomes a drag out of the grid.
    if (DragOutMove(Shift, X, Y)) return;
    const TGridRect before = Selection();
    TrackHover(X, Y);
    TBaseGrid::MouseMove(Shift, X, Y);
    TrackHotFixedCell(X, Y, Shift.Contains(ssLeft) && MouseCoord(X, Y) == Edit().PressCell);
    DragScrollOver(Shift, X, Y);
    TrackHintCell(X, Y);
    ShowSizingHint(X, Y);
    ReportSizing(X, Y);
    UpdatePointerCursor(X, Y);
    // A drag begun on a header selects whole rows or columns.
    HeaderSelectMove(X, Y);
    if (!(Selection() == before)) ReportSelectionChange();
}

void TQuillStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && ThinBarMouse(TThinBarMouse::Press, X, Y)) return;
    // Whole rows and columns by header presses; the release reports the selection when it changed.
    if (Button == mbLeft || (Button == mbRight && MouseActions().SelectOnRightClick())) BeginSelectionReport();
    grid::TEditState& s = Edit();
    s.PressCell = MouseCoord(X, Y);
    s.SizedWidths.clear();
    if (Button == mbLeft && FillHandlePress(X, Y)) return;
    if (Button == mbLeft) {
        TrackHotFixedCell(X, Y, true);
        PressFixedButton(X, Y);
        DisjunctCellPress(Shift, X, Y);
    }
    // A form control in a cell takes the press for itself, a quick second one
    // too: the cell editor would otherwise open on the control's markup.
    if (Button == mbLeft && PressCellControl(X, Y)) return;
    if (Button == mbLeft && !CommitBeforeSizing(X, Y)) return;
    if (Button == mbLeft && !Shift.Contains(ssDouble) && DragCandidatePress(Shift, X, Y)) return;
    if (Button == mbLeft && !Shift.Contains(ssDouble)) HeaderSelectPress(Shift, X, Y);
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    // A right press selects the cell under it first when asked to.
    if (Button == mbRight && MouseActions().SelectOnRightClick() && s.PressCell.X >= FixedCols() &&
        s.PressCell.Y >= FixedRows())
        FocusCell(s.PressCell.X, s.PressCell.Y, true);
    if (GridState() == gsColSizing)
        for (int c = 0; c < ColCount(); ++c) s.SizedWidths.push_back(ColWidths(c));
    if (Button == mbLeft && (GridState() == gsColSizing || GridState() == gsRowSizing)) {
        BeginSizingHint(X, Y);
        BeginUserSizing();
    }
    const TGridState state = GridState();
    if (Button != mbLeft || Shift.Contains(ssDouble) || (state != gsNormal && state != gsSelecting)) return;
    const TGridCoord cell = s.PressCell;
    if (cell.X < FixedCols() || cell.Y < FixedRows()) return;
    // A merged area answers through its base cell.
    const TPoint base = BaseCell(cell.X, cell.Y);
    const int col = RealColIndex(base.X);
    if (HasCheckBox(col, base.Y)) {
        bool canEdit = Options().Contains(goEditing) || s.EditDisable;
        GetCellEditable(col, base.Y, canEdit);
        if (!canEdit) return;
        (void)ToggleCheck(col, base.Y, false);
        bool state = false;
        (void)GetCheckBoxState(col, RealRowIndex(base.Y), state);
        if (OnCheckBoxClick) OnCheckBoxClick(this, col, base.Y, state);
        return;
    }
    PressCellLink(base.X, base.Y, X, Y);
}

void TQuillStringGrid::OpenCellLink(int ACol, int ARow, const std::string& Target)
{
    bool autoHandle = true;
    if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, Target, autoHandle);
    if (!autoHandle) return;
    int col = 0, row = 0;
    if (ReadCellAddress(Target, col, row)) {
        // An address outside the grid is ignored like one that cannot be read.
        if (col >= FixedCols() && col < ColCount() && row >= FixedRows() && row < RowCount()) FocusCell(col, row, true);
        return;
    }
    if (grid::IsOpenableLink(Target)) (void)ShellOpen(Target);
}

void TQuillStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (ThinBarMouse(TThinBarMouse::Release, X, Y)) return;
    grid::TEditState& s = Edit();
    StopDragScroll();
    EndSizingHint();
    const TGridState state = GridState();
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    // A press on the selection that never dragged selects the released cell.
    if (Button == mbLeft) DragCandidateRelease(X, Y);
    if (Button == mbLeft) HeaderSelectRelease();
    if (Button == mbLeft || (Button == mbRight && MouseActions().SelectOnRightClick())) ReportSelectionChange();
    if (Button != mbLeft || FillHandleRelease()) return;
    ReleaseFixedButton(X, Y);
    DisjunctCellRelease(Shift, X, Y);
    TrackHotFixedCell(X, Y, false);
    if (state == gsColSizing || state == gsRowSizing) {
        for (int c = 0; c < static_cast<int>(s.SizedWidths.size()) && c < ColCount(); ++c)
            if (ColWidths(c) != s.SizedWidths[c] && ColWidths(c) < grid::MinSizedColWidth)
                SetColWidths(c, grid::MinSizedColWidth);
        EndUserSizing(state == gsColSizing, FPointer->SizingIndex);
        return;
    }
    const TGridCoord cell = MouseCoord(X, Y);
    // A release on a header's filter button drops its list and never sorts.
    if (cell == s.PressCell && HeaderReleaseTaken(X, Y)) return;
    // A press and release on the same header that moved nothing is a click.
    if (state != gsNormal && state != gsColMoving) return;
    if (cell.X < 0 || !(cell == s.PressCell) || OnHeaderSideBorder(cell, X)) return;
    if (FixedRows() > 0 && cell.Y == SortSettings().Row() && cell.Y < FixedRows() && SortSettings().Show() &&
        RowCount() > 2 && (cell.X >= FixedCols() || SortSettings().FixedCols()))
        SortByHeaderClick(RealColIndex(cell.X), Shift);
}
