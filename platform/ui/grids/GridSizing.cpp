// Sizing and moving columns and rows, by mouse and by code, and deleting them.
#include "platform/ui/grids/Grids.h"

#include <algorithm>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"

namespace {

void CheckIndex(int Index, int Count)
{
    if (Index < 0 || Index >= Count) throw EListError("Grid index out of range (" + std::to_string(Index) + ")");
}

} // namespace

// A press in the fixed rows near a column's far border sizes that column; in
// the fixed columns near a row's lower border, that row.
void TCustomGrid::HandleCalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                        int& SizingOfs, const TGridDrawInfo& FixedInfo)
{
    State = gsNormal;
    Index = -1;
    auto nearBorder = [&](bool horz, int pos, int zone) {
        const TGridAxisInfo& info = horz ? FixedInfo.Horz : FixedInfo.Vert;
        const TGridAxis& axis = horz ? FCols : FRows;
        if (info.GridBoundary <= 0 || pos < 0 || pos >= info.GridBoundary + zone) return -1;
        // The cells whose far borders lie around pos: the one under it and the
        // shown one before it.
        int probe = std::min(pos, info.GridBoundary - 1);
        TGridCoord hit = horz ? MouseCoord(probe, 0) : MouseCoord(0, probe);
        int under = horz ? hit.X : hit.Y;
        if (under < 0) return -1;
        auto borderOf = [&](int cell) {
            return CellStart(axis, info.FixedCellCount, info.FirstGridCell, cell) + std::max(axis.Size(cell), 0);
        };
        if (std::abs(pos - borderOf(under)) <= zone) return under;
        int before = under - 1;
        if (before >= info.FixedCellCount && before < info.FirstGridCell) before = info.FixedCellCount - 1;
        if (before >= 0 && std::abs(pos - borderOf(before)) <= zone) return before;
        return -1;
    };
    if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FixedInfo.Vert.FixedBoundary) {
        int col = nearBorder(true, X, ColSizingZone);
        if (col >= 0) {
            State = gsColSizing;
            Index = col;
            SizingPos = CellStart(FCols, FFixedCols, FTopLeft.X, col) + std::max(FCols.Size(col), 0);
            SizingOfs = X - SizingPos;
            return;
        }
    }
    if (FOptions.Contains(goRowSizing) && X >= 0 && X < FixedInfo.Horz.FixedBoundary) {
        int row = nearBorder(false, Y, RowSizingZone);
        if (row >= 0) {
            State = gsRowSizing;
            Index = row;
            SizingPos = CellStart(FRows, FFixedRows, FTopLeft.Y, row) + std::max(FRows.Size(row), 0);
            SizingOfs = Y - SizingPos;
        }
    }
}

void TCustomGrid::FinishSizing(int X, int Y)
{
    if (FSizingIndex < 0) return;
    if (FGridState == gsColSizing && FSizingIndex < ColCount()) {
        int start = CellStart(FCols, FFixedCols, FTopLeft.X, FSizingIndex);
        SetColWidths(FSizingIndex, std::max(X - FSizingOfs - start, 0));
    } else if (FGridState == gsRowSizing && FSizingIndex < RowCount()) {
        int start = CellStart(FRows, FFixedRows, FTopLeft.Y, FSizingIndex);
        SetRowHeights(FSizingIndex, std::max(Y - FSizingOfs - start, 0));
    }
    FSizingIndex = -1;
}

void TCustomGrid::FinishMoving(int X, int Y)
{
    if (FMoveIndex < 0) return;
    int from = FMoveIndex;
    FMoveIndex = -1;
    if (FGridState == gsColMoving) {
        TGridCoord c = MouseCoord(std::clamp(X, 0, std::max(ClientWidth() - 1, 0)), 0);
        if (c.X >= FFixedCols && c.X != from) MoveColumn(from, c.X);
    } else {
        TGridCoord c = MouseCoord(0, std::clamp(Y, 0, std::max(ClientHeight() - 1, 0)));
        if (c.Y >= FFixedRows && c.Y != from) MoveRow(from, c.Y);
    }
}

namespace {

// Where an index lands when the item at From moves to To.
int MovedIndex(int Index, int From, int To)
{
    if (Index == From) return To;
    if (From < To && Index > From && Index <= To) return Index - 1;
    if (From > To && Index >= To && Index < From) return Index + 1;
    return Index;
}

} // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    CheckIndex(FromIndex, ColCount());
    CheckIndex(ToIndex, ColCount());
    if (FromIndex == ToIndex) return;
    HideEdit();
    FCols.Move(FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    FCurrent.X = MovedIndex(FCurrent.X, FromIndex, ToIndex);
    FAnchor.X = MovedIndex(FAnchor.X, FromIndex, ToIndex);
    RepairAfterSizeChange();
    Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    CheckIndex(FromIndex, RowCount());
    CheckIndex(ToIndex, RowCount());
    if (FromIndex == ToIndex) return;
    HideEdit();
    FRows.Move(FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    FCurrent.Y = MovedIndex(FCurrent.Y, FromIndex, ToIndex);
    FAnchor.Y = MovedIndex(FAnchor.Y, FromIndex, ToIndex);
    RepairAfterSizeChange();
    Invalidate();
}

void TCustomGrid::DeleteColumn(int ACol)
{
    CheckIndex(ACol, ColCount());
    MoveColumn(ACol, ColCount() - 1);
    SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow)
{
    CheckIndex(ARow, RowCount());
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1);
}
