// The sparse cell store of the string grid: texts and object slots by
// (column, row), independent of the grid's counts.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class TObject;

// Rows are allocated on their first write and hold only as many columns as
// were written, so empty regions cost one pointer per row. Data beyond the
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
    // Forgets every cell.
    void Clear();
    // Rows that hold a row record (written at least once).
    std::size_t AllocatedRows() const noexcept;

private:
    struct TRowCells {
        std::vector<std::string> Texts;
        std::vector<TObject*> Objects; // empty until the row gets an object
    };
    TRowCells& RowFor(int ACol, int ARow);
    const TRowCells* FindRow(int ARow) const noexcept;

    std::vector<std::unique_ptr<TRowCells>> FRows;
};
