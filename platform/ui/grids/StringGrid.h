// The string grid: a draw grid that keeps a text and an object slot per cell
// and draws the texts itself.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/StringList.h"
#include "platform/ui/grids/CellStore.h"
#include "platform/ui/grids/Grids.h"

class TStringGrid;

// One row or column of a string grid as a list of strings: as many items as
// the grid has columns (rows); writing an item writes the cell. Items cannot
// be inserted or deleted; Add fills the first empty item.
class TStringGridStrings : public TStrings {
    VISTRA_CLASS(TStringGridStrings, TStrings)

    TStringGridStrings(TStringGrid& AGrid, bool AIsRow, int AIndex);

    int Count() const override;
    std::string Strings(int Index) const override;
    void SetStrings(int Index, const std::string& S) override;
    TObject* Objects(int Index) const override;
    void SetObjects(int Index, TObject* AObject) override;
    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    // Empties every item: texts and object slots.
    void Clear() override;
    // Copies another list item by item; items past its end are emptied.
    void Assign(const TPersistent* Source) override;

private:
    void CheckIndex(int Index) const;
    int Col(int Index) const noexcept { return FIsRow ? Index : FIndex; }
    int Row(int Index) const noexcept { return FIsRow ? FIndex : Index; }

    TStringGrid& FGrid;
    bool FIsRow;
    int FIndex;
};

class TStringGrid : public TDrawGrid {
    VISTRA_CLASS(TStringGrid, TDrawGrid)

    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    // Any cell may be read and written, also beyond the counts (the data stays
    // when a count shrinks and shows again when it grows); negative indexes
    // raise EListError. Writing repaints the cell.
    const std::string& Cells(int ACol, int ARow) const { return FStore.Text(ACol, ARow); }
    void SetCells(int ACol, int ARow, const std::string& Value);
    // Object slots are references: the grid never frees them.
    TObject* Objects(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value);
    // Views of one row (ColCount items) or one column (RowCount items).
    std::unique_ptr<TStringGridStrings> Rows(int ARow);
    std::unique_ptr<TStringGridStrings> Cols(int ACol);
    const TGridCellStore& Store() const noexcept { return FStore; }

protected:
    // Writes a cell's text without repainting it or reloading the editor,
    // for descendants that repaint what they choose.
    void StoreCellText(int ACol, int ARow, const std::string& Value) { FStore.SetText(ACol, ARow, Value); }

    void HandleSizeChanged(int OldColCount, int OldRowCount) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string ProvideEditText(int ACol, int ARow) override;
    void ApplyEditText(int ACol, int ARow, const std::string& Value) override;

private:
    TGridCellStore FStore;
    // Set while the editor writes its own cell, so the write does not reload it.
    bool FEditUpdate = false;
};
