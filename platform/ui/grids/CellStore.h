// The sparse cell store of the string grid: texts and object slots by
// (column, row), independent of the grid's counts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/grids/GridTypes.h"

class TObject;

// Rows get their cell arrays on their first write and hold only as many
// columns as were written, so rows never written cost one empty record each. Data beyond the
// grid's counts stays where it is: shrinking a grid and growing it again
// shows the old cells. Objects are referenced, never owned.
class TGridCellStore {
public:
    TGridCellStore();
    ~TGridCellStore();

    // Negative indexes raise EListError; any other cell may be read (empty
    // when never written) or written.
    const std::string& Text(int ACol, int ARow) const;
    void SetText(int ACol, int ARow, std::string Value);
    TObject* Object(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, TObject* Value);

    // Moves a whole row (all its columns) or a column (in every row) to a new
    // index; the ones between shift by one.
    void MoveRow(int From, int To);
    void MoveColumn(int From, int To);
    // Every cell whose object slot is set, row by row, wherever it lies.
    std::vector<TGridCoord> ObjectCells() const;
    // Forgets every cell.
    void Clear();
    // Rows that hold cells (written at least once).
    std::size_t AllocatedRows() const noexcept;
    // How many columns a row makes room for when it is first written, so that
    // filling a row cell by cell does not grow it again and again.
    void SetRowWidthHint(int Columns) noexcept { FRowWidthHint = Columns < 1 ? 1 : Columns; }

private:
    struct TRowCells {
        std::vector<std::string> Texts;
        std::vector<TObject*> Objects; // empty until the row gets an object
    };
    TRowCells& RowFor(int ACol, int ARow);
    const TRowCells* FindRow(int ARow) const noexcept;

    std::vector<TRowCells> FRows;
    int FRowWidthHint = 1;
};
