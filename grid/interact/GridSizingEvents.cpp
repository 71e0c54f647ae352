// Columns and rows sized with the mouse: fixed columns and rows grabbed
// anywhere along their far border when the mouse actions allow it, the
// application asked before a border can be grabbed, told the size while the
// border is dragged and given the last word on a column's width at the drop.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "grid/QuillGrid.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/interact/PointerState.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"

namespace {

// A pointer less than this far from a fixed column's (row's) far border grabs it.
constexpr int FixedBorderReach = 3;
// A release in row 0 this close to a header's side is on the column border.
constexpr int HeaderBorderReach = 3;

} // namespace

void TQuillStringGrid::HandleCalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                             int& SizingOfs, const TGridDrawInfo& FixedInfo)
{
    TBaseGrid::HandleCalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    if (State == gsNormal) FixedBorderAt(X, Y, State, Index, SizingPos, SizingOfs);
    // The application is asked about the very column (row) whose border is
    // under the pointer, and only then.
    bool allow = true;
    if (State == gsColSizing && OnColumnSize) OnColumnSize(this, Index, allow);
    else if (State == gsRowSizing && OnRowSize) OnRowSize(this, Index, allow);
    if (!allow) {
        State = gsNormal;
        Index = -1;
    }
}

// The far border of a fixed column (row) under a pointer over the cells,
// with SizeFixedCol (SizeFixedRow): it sizes like a header border does.
void TQuillStringGrid::FixedBorderAt(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || DesignMode()) return;
    const TMouseActions& actions = MouseActions();
    auto grab = [&](TGridState Sizing, int Count, auto Start, auto Size, int Pos) {
        for (int i = 0; i < Count; ++i) {
            const int border = static_cast<int>(Start(i)) + std::max(Size(i), 0);
            // Measured from where the next column (row) starts, grid line included.
            if (std::abs(Pos - static_cast<int>(Start(i + 1))) >= FixedBorderReach) continue;
            State = Sizing;
            Index = i;
            SizingPos = border;
            SizingOfs = Pos - border;
            return true;
        }
        return false;
    };
    if (actions.SizeFixedCol() &&
        grab(gsColSizing, FixedCols(), [this](int i) { return ColOffset(i); }, [this](int i) { return ColWidths(i); }, X))
        return;
    if (actions.SizeFixedRow())
        grab(gsRowSizing, FixedRows(), [this](int i) { return RowOffset(i); }, [this](int i) { return RowHeights(i); }, Y);
}

// Grabbing a border closes the editor: the edit under way is committed
// first. False when its value was refused; the editor then stays and
// nothing is sized.
bool TQuillStringGrid::CommitBeforeSizing(int X, int Y)
{
    if (!Edit().EditMode) return true;
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    HandleCalcSizingState(X, Y, state, index, pos, ofs, CalcDrawInfo());
    if (state != gsColSizing && state != gsRowSizing) return true;
    HideInplaceEdit();
    return !Edit().EditMode;
}

TRect TQuillStringGrid::SizingReferenceRect()
{
    const TGridCoord pressed = Edit().PressCell;
    const int index = FPointer->SizingIndex;
    return FPointer->SizingColumn ? CellRect(index, std::max(pressed.Y, 0)) : CellRect(std::max(pressed.X, 0), index);
}

int TQuillStringGrid::SizingSizeAt(int X, int Y)
{
    const TRect ref = SizingReferenceRect();
    return std::max(FPointer->SizingColumn ? X - FPointer->SizingOfs - ref.Left : Y - FPointer->SizingOfs - ref.Top, 0);
}

void TQuillStringGrid::ReportSizing(int X, int Y)
{
    if (!FPointer->Sizing) return;
    const int size = SizingSizeAt(X, Y);
    const TRect ref = SizingReferenceRect();
    MoveSizeLine((FPointer->SizingColumn ? ref.Left : ref.Top) + size);
    if (FPointer->SizingColumn) {
        if (OnColumnSizing) OnColumnSizing(this, FPointer->SizingIndex, size);
    } else if (OnRowSizing) {
        OnRowSizing(this, FPointer->SizingIndex, size);
    }
}

void TQuillStringGrid::BeginUserSizing()
{
    const int index = FPointer->SizingIndex;
    FHeaderPress->SizeAtPress = !FPointer->Sizing ? -1 : FPointer->SizingColumn ? ColWidths(index) : RowHeights(index);
}

// The drop: the column's (row's) size is final unless the application
// changes a column's width. A press and release that sized nothing report nothing.
void TQuillStringGrid::MoveSizeLine(int Pos)
{
    if (Pos == FHeaderPress->SizeLinePos) return;
    FHeaderPress->SizeLinePos = Pos;
    Invalidate();
}

void TQuillStringGrid::EndUserSizing(bool Column, int Index)
{
    MoveSizeLine(-1);
    if (Index < 0 || FHeaderPress->SizeAtPress < 0) return;
    const int sizeAtPress = std::exchange(FHeaderPress->SizeAtPress, -1);
    if (Index >= (Column ? ColCount() : RowCount()) || (Column ? ColWidths(Index) : RowHeights(Index)) == sizeAtPress)
        return;
    ScaleOtherSizes(Column, Index, sizeAtPress);
    if (!Column) {
        if (OnEndRowSize) OnEndRowSize(this, Index);
        return;
    }
    if (OnEndColumnSize) OnEndColumnSize(this, Index);
    int width = ColWidths(Index);
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, Index, width);
    if (width != ColWidths(Index)) SetColWidths(Index, width);
}

void TQuillStringGrid::ScaleOtherSizes(bool Column, int Index, int SizeAtPress)
{
    const TMouseActions& actions = MouseActions();
    // A column (row) that had no size gives no proportion.
    if (SizeAtPress <= 0 || !(Column ? actions.AllColumnSize() : actions.AllRowSize())) return;
    const double ratio = static_cast<double>(Column ? ColWidths(Index) : RowHeights(Index)) / SizeAtPress;
    const int count = Column ? ColCount() : RowCount();
    for (int i = Column ? FixedCols() : FixedRows(); i < count; ++i) {
        const int size = Column ? ColWidths(i) : RowHeights(i);
        // Hidden ones stay hidden; none shrinks out of reach of the mouse.
        if (i == Index || size <= 0) continue;
        const int scaled =
            std::max(static_cast<int>(std::lround(size * ratio)), std::min(size, grid::MinSizedColWidth));
        if (Column) SetColWidths(i, scaled);
        else SetRowHeights(i, scaled);
    }
}

bool TQuillStringGrid::OnHeaderSideBorder(TGridCoord Cell, int X)
{
    if (Cell.Y != 0 || !Options().Contains(goColSizing)) return false;
    const TRect r = CellRect(Cell.X, Cell.Y);
    return X - r.Left <= HeaderBorderReach || (r.Right - 1) - X <= HeaderBorderReach;
}
