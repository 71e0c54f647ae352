// The current cell and selection, keyboard navigation, mouse selection and
// the wheel.
#include "platform/ui/grids/Grids.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/grids/InplaceEdit.h"

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
                std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value)
{
    HideEdit();
    FAnchor = {Value.Left, Value.Top};
    FCurrent = {Value.Right, Value.Bottom};
    SelectionMoved();
    if (FEditorMode) UpdateEdit();
}

void TCustomGrid::SelectionMoved()
{
    // Repainting the whole grid is cheap next to working out the union of two
    // blocks that may be far apart, and painting only walks the cells in view.
    Invalidate();
}

void TCustomGrid::SetCol(int Value)
{
    if (Value != FCurrent.X) (void)MoveCurrent(Value, FCurrent.Y, true, true);
}

void TCustomGrid::SetRow(int Value)
{
    if (Value != FCurrent.Y) (void)MoveCurrent(FCurrent.X, Value, true, true);
}

TGridCoord TCustomGrid::ClampToScrolling(TGridCoord Cell) const
{
    return {std::clamp(Cell.X, FFixedCols, ColCount() - 1), std::clamp(Cell.Y, FFixedRows, RowCount() - 1)};
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidOperation("Grid index out of range");
    if (!HandleSelectCell(ACol, ARow)) return false;
    // The editor's text belongs to the cell being left.
    bool moved = ACol != FCurrent.X || ARow != FCurrent.Y;
    if (moved) {
        HideEdit();
        if (!FOptions.Contains(goAlwaysShowEditor)) FEditorMode = false;
    }
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    if (Show) ClampInView(ACol, ARow);
    SelectionMoved();
    if (moved && FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
    Click();
    return true;
}

void TCustomGrid::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0) HandleKeyDown(Key, Shift);
}

void TCustomGrid::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key != 0) HandleKeyPress(Key);
}

void TCustomGrid::HandleKeyDown(unsigned short& Key, TShiftState Shift)
{
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && Key != VK_TAB;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    TGridCoord target = FCurrent;
    int newTop = FTopLeft.Y;
    bool paging = false;

    switch (Key) {
    case VK_UP: target.Y -= 1; break;
    case VK_DOWN: target.Y += 1; break;
    case VK_LEFT:
        if (rowSelect) {
            SetLeftCol(LeftCol() - 1);
            return;
        }
        target.X -= 1;
        break;
    case VK_RIGHT:
        if (rowSelect) {
            SetLeftCol(LeftCol() + 1);
            return;
        }
        target.X += 1;
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        int page = VisibleRowCount();
        int step = Key == VK_NEXT ? page : -page;
        target.Y += step;
        newTop = std::clamp(FTopLeft.Y + step, FFixedRows, std::max(MaxTopLeft().Y, FFixedRows));
        paging = true;
        break;
    }
    case VK_HOME:
        if (ctrl) target = {FFixedCols, FFixedRows};
        else if (rowSelect) target.Y = FFixedRows;
        else target.X = FFixedCols;
        break;
    case VK_END:
        if (ctrl) target = {lastCol, lastRow};
        else if (rowSelect) target.Y = lastRow;
        else target.X = lastCol;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt)) return;
        if (Shift.Contains(ssShift)) {
            if (target.X > FFixedCols) --target.X;
            else if (target.Y > FFixedRows) target = {lastCol, target.Y - 1};
        } else {
            if (target.X < lastCol) ++target.X;
            else if (target.Y < lastRow) target = {FFixedCols, target.Y + 1};
        }
        break;
    case VK_F2:
        if (FOptions.Contains(goEditing)) ShowEditor();
        Key = 0;
        return;
    default:
        return;
    }
    Key = 0;
    // A current cell parked outside the grid comes back in at the nearest cell.
    target = ClampToScrolling(target);
    if (target == FCurrent) {
        if (paging) SetTopRow(newTop);
        return;
    }
    if (!MoveCurrent(target.X, target.Y, !extend, !paging)) return;
    if (paging) {
        SetTopRow(newTop);
        ClampInView(FCurrent.X, FCurrent.Y);
    }
}

void TCustomGrid::HandleKeyPress(char32_t& Key)
{
    const bool editorShown = FInplaceEdit && FInplaceEdit->Visible();
    if (Key == U'\r') {
        if (FOptions.Contains(goEditing) && !FOptions.Contains(goAlwaysShowEditor)) {
            if (editorShown) HideEditor();
            else ShowEditor();
            Key = 0;
        }
        return;
    }
    if (Key == 27) {
        if (!editorShown) return;
        // Escape takes back what was typed since the editor opened.
        if (FInplaceEdit->Text() != FEditOriginal) ApplyEditText(FCurrent.X, FCurrent.Y, FEditOriginal);
        FInplaceEdit->UpdateContents();
        if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
        Key = 0;
        return;
    }
    if (editorShown || !FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect)) return;
    if (Key == U'\b' || (Key >= 32 && Key != 127)) {
        char32_t ch = Key;
        Key = 0;
        ShowEditorChar(ch);
    }
}

bool TCustomGrid::HandleWheelDown(TShiftState, TPoint)
{
    if (FCurrent.Y < RowCount() - 1) SetRow(std::max(FCurrent.Y + 1, FFixedRows));
    return true;
}

bool TCustomGrid::HandleWheelUp(TShiftState, TPoint)
{
    if (FCurrent.Y > FFixedRows) SetRow(std::min(FCurrent.Y - 1, RowCount() - 1));
    return true;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return TCustomControl::DoMouseWheelDown(Shift, MousePos) || HandleWheelDown(Shift, MousePos);
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return TCustomControl::DoMouseWheelUp(Shift, MousePos) || HandleWheelUp(Shift, MousePos);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && CanFocus() && !IsActiveControl()) SetFocus();
    if (Button != mbLeft) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    const TGridDrawInfo info = CalcDrawInfo();
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    HandleCalcSizingState(X, Y, state, index, pos, ofs, info);
    if (state != gsNormal) {
        HideEditor();
        FGridState = state;
        FSizingIndex = index;
        FSizingPos = pos;
        FSizingOfs = ofs;
        SetMouseCapture(true);
    } else {
        TGridCoord cell = MouseCoord(X, Y);
        const bool fixedCol = cell.X >= 0 && cell.X < FFixedCols;
        const bool fixedRow = cell.Y >= 0 && cell.Y < FFixedRows;
        if (cell.X < 0) {
            // Outside the cells: nothing to select.
        } else if (fixedRow && !fixedCol && FOptions.Contains(goColMoving)) {
            HideEditor();
            FGridState = gsColMoving;
            FMoveIndex = cell.X;
            SetMouseCapture(true);
        } else if (fixedCol && !fixedRow && FOptions.Contains(goRowMoving)) {
            HideEditor();
            FGridState = gsRowMoving;
            FMoveIndex = cell.Y;
            SetMouseCapture(true);
        } else if (!fixedCol && !fixedRow) {
            const bool onCurrent = cell == FCurrent;
            if (onCurrent && FOptions.Contains(goEditing) && !Shift.Contains(ssShift)) {
                ShowEditor();
            } else {
                bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
                // Selecting starts before the move: the click handler it runs may
                // pump messages (a page script does) and handle the release,
                // which ends the selecting and must leave no capture behind.
                FGridState = gsSelecting;
                SetMouseCapture(true);
                if (!MoveCurrent(cell.X, cell.Y, !extend, true) && FGridState == gsSelecting) {
                    FGridState = gsNormal;
                    SetMouseCapture(false);
                }
                if (Shift.Contains(ssDouble) && FOptions.Contains(goEditing)) ShowEditor();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FGridState == gsSelecting && FOptions.Contains(goRangeSelect)) {
        // Past the edge of the client area, the next cell that way comes into view.
        int x = std::clamp(X, 0, std::max(ClientWidth() - 1, 0));
        int y = std::clamp(Y, 0, std::max(ClientHeight() - 1, 0));
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= 0) {
            if (X >= ClientWidth() && cell.X < ColCount() - 1) ++cell.X;
            if (Y >= ClientHeight() && cell.Y < RowCount() - 1) ++cell.Y;
            if (X < 0 && cell.X > FFixedCols) --cell.X;
            if (Y < 0 && cell.Y > FFixedRows) --cell.Y;
            cell = ClampToScrolling(cell);
            if (!(cell == FCurrent)) (void)MoveCurrent(cell.X, cell.Y, false, true);
        }
    } else if (FGridState == gsColSizing || FGridState == gsRowSizing) {
        FSizingPos = (FGridState == gsColSizing ? X : Y) - FSizingOfs;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        switch (FGridState) {
        case gsColSizing:
        case gsRowSizing: FinishSizing(X, Y); break;
        case gsColMoving:
        case gsRowMoving: FinishMoving(X, Y); break;
        default: break;
        }
        FGridState = gsNormal;
        SetMouseCapture(false);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}
