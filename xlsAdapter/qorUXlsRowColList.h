// Cells of a sheet kept row by row: item i holds the cells of row i, sorted
// by column on demand.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsCellRow.h"
#include "xlsAdapter/qorUXlsRowEntries.h"

#include <memory>
#include <vector>

class TOle2File;

class TBaseRowColList {
public:
    virtual ~TBaseRowColList() = default;

    // Rows up to the last that was ever given a cell; rows in between may
    // be empty.
    int Count() const { return static_cast<int>(FRows.size()); }
    // The cells of row Row, or null when the row lies past the end.
    TCellRecordList* RowList(int Row) const;
    void Clear() { FRows.clear(); }

    // Appends aRecord to row aRow (unsorted), adding empty rows up to it.
    void AddRecord(std::unique_ptr<TCellRecord> aRecord, int aRow);
    void AddPlainCell(const TCellSlot& Slot, int aRow) { EnsureRow(aRow).Add(Slot); }
    // Makes room for Count cells in row aRow.
    void ReserveRow(int aRow, int Count) { EnsureRow(aRow).Reserve(Count); }
    // Appends copies of every row of aList.
    void CopyFrom(const TBaseRowColList& aList);

    // Every cell moves its own row and column (and formula references).
    // Negative counts delete.
    virtual void ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                          const TSheetInfo& SheetInfo);
    void DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo);
    void DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo);
    // Inserts aCount copies of rows FirstRow..LastRow at DestRow; with
    // OnlyFormulas the copies hold only the formula cells.
    void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo,
                           bool OnlyFormulas);
    virtual void InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, const TSheetInfo& SheetInfo,
                                   bool OnlyFormulas);

    void SaveToStream(TOle2File& DataStream);
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    std::int64_t TotalSize() const;
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

protected:
    // Removes the rows from Row on.
    void TruncateRows(int Row);
    // The cells of row Row, created (with the rows before it) when missing.
    TCellRecordList& EnsureRow(int Row);

    // Mutable so that finding a cell may sort its row.
    mutable std::vector<TCellRecordList> FRows;
};
