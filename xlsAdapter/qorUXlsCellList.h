// The cells of a worksheet: cell records by row with the ROW records that
// describe the rows, reading and writing typed values, and saving the cell
// block (DIMENSIONS, ROW records and cells in blocks of 32 rows).
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUXlsRowColList.h"
#include "xlsAdapter/qorXlsFormulaContext.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class TMultipleValueRecord;
class TWorkbookGlobals;

namespace xlsAdapter {
// The format index of a column's column-info entry, or -1 when the column
// has none.
using TColumnXFLookup = std::function<int(int Col)>;
} // namespace xlsAdapter

// Cell records by row; every record in row list i has row i, at most one
// per column.
class TCellList : public TBaseRowColList, public xlsAdapter::TFormulaContext {
public:
    // The list keeps no ownership of the globals or the ROW records.
    TCellList(TWorkbookGlobals& aGlobals, TRowRecordList& aRowRecordList, xlsAdapter::TColumnXFLookup aColumnXF);

    TCellRecordList* CellRow(int Row) const { return RowList(Row); }
    // The row holding a cell at (Row, Col), with the cell's Index in it; null
    // when there is no such cell.
    TCellRecordList* FindCell(int Row, int Col, int& Index) const;
    // The record of the cell at (Row, Col); null when there is no cell or it
    // is a plain one (blank, number, Boolean or error).
    TCellRecord* FindRecord(int Row, int Col) const;

    // Rows 0..65535 and columns 0..255, else "Invalid Row" or "Invalid
    // Column". An empty cell gives an unassigned value with XF -1.
    void GetValueX2(int Row, int Col, TXlsCellValue& V, TRTFRunList& RTFRuns) const;
    TXlsCellValue GetValue(int Row, int Col) const;
    // Stores Value in the record kind it needs (none for an empty value in
    // the default format). Value kinds no cell can hold raise "Invalid cell
    // value" and leave the cell as it was.
    void SetValueX2(int Row, int Col, const TXlsCellValue& Value, const TRTFRunList& RTFRuns, bool Options1904);
    void SetFormat(int Row, int Col, int XF);

    // Sheets for the formulas of these cells: a sheet's name, and the first
    // sheet whose name equals SheetName ignoring case (-1 and false when
    // none does).
    std::u16string GetSheetName(int SheetNumber) const;
    [[nodiscard]] bool FindSheet(std::u16string_view SheetName, int& SheetIndex) const override;
    [[nodiscard]] bool FindName(std::u16string_view Name, int& NameIndex) const override;

    // Gives every formula that points at a shared formula that formula's
    // tokens for its own cell; the shared formulas themselves are dropped.
    void ExpandSharedFormulas();
    // The formula text of a formula cell; empty for any other cell.
    std::string GetFormula(int Row, int Col) const;
    // Stores a formula (text such as =A1*2) with Value as its last result,
    // keeping the cell's format; an empty text removes the cell. Text that
    // is no formula raises and leaves the cell as it was.
    void AssignFormulaX(int Row, int Col, std::string_view Formula, const Variant& Value, bool Options1904);
    void SetFormula(int Row, int Col, std::string_view Value);
    // What formulas of these cells read of the workbook.
    int AddExternSheet(int FirstSheet, int LastSheet) override;
    std::string ExternSheetPrefix(int ExternSheet) const override;
    std::string DefinedName(int ExternSheet, int NameIndex) const override;
    ByteArray ArrayFormula(int Row, int Col) const override;
    ByteArray TableFormula(int Row, int Col) const override;

    // The format a new cell gets: the row's, else the column's, else 15.
    int DefaultXF(int Row, int Col) const;
    std::int64_t FixTotalSize(bool NeedsRecalc) const;

private:
    // A cell about to be stored: a plain entry or a record; neither when the
    // place is to hold no cell.
    struct TNewCell {
        std::optional<TCellSlot> Plain;
        std::unique_ptr<TCellRecord> Record;
    };
    // Turns Value into a new cell at (Row, Col) with format XF.
    TNewCell CreateCell(int Row, int Col, int XF, int DefaultFormat, const Variant& Value,
                        const TRTFRunList& RTFRuns, bool Options1904) const;
    // The format of the cell, or the one a new cell there gets.
    int CurrentXF(int Row, int Col) const;
    // Puts Cell in place of whatever the cell held, keeping the row's ROW
    // record in step.
    void StoreCell(int Row, int Col, TNewCell Cell);
    // Makes the ROW record's column span fit the row's cells, or removes the
    // record when the row is empty and standard.
    void RepairRowBounds(int Row);
    // Removes empty, standard rows at the end; from above Row only, unless
    // KeepRow is false.
    void TrimTrailingRows(int Row, bool KeepRow);

    TWorkbookGlobals& FGlobals;
    TRowRecordList& FRowRecordList;
    xlsAdapter::TColumnXFLookup FColumnXF;
};

// A worksheet's ROW records and cells.
class TCells {
public:
    TCells(TWorkbookGlobals& aGlobals, xlsAdapter::TColumnXFLookup aColumnXF);

    TRowRecordList& RowList() { return FRowList; }
    const TRowRecordList& RowList() const { return FRowList; }
    TCellList& CellList() { return FCellList; }
    const TCellList& CellList() const { return FCellList; }

    // Loading: a ROW record, a cell of row aRow, and the single cells of a
    // MULBLANK or MULRK (which the caller keeps).
    void AddRow(TRowEntry aRow);
    void AddCell(std::unique_ptr<TCellRecord> aRecord, int aRow);
    void AddMultipleCells(TMultipleValueRecord& aRecord);
    void AddPlainCell(const TCellSlot& Slot, int aRow);
    // After loading: every row with cells gets a ROW record.
    void FixRows();

    void Clear();
    void CopyFrom(const TCells& aList);

    void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo,
                           bool OnlyFormulas);
    void DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo);
    void InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, const TSheetInfo& SheetInfo,
                           bool OnlyFormulas);
    void DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo);
    void ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                  const TSheetInfo& SheetInfo);

    // Every ROW record's column span becomes that of its row's cells.
    void UpdateRowBounds();
    // The rows with ROW records and the columns up to the widest span.
    TXlsCellRange GetUsedRange() const;

    void SaveToStream(TOle2File& DataStream);
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    std::int64_t TotalSize() const { return FixTotalSize(false); }
    std::int64_t FixTotalSize(bool NeedsRecalc) const;
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

private:
    // Loading gives rows one after the other: a row's block is sized from its
    // ROW record when it begins and fitted to its cells when the next begins.
    void StartLoadingRow(int Row);

    TRowRecordList FRowList;
    TCellList FCellList;
    int FLoadingRow = -1;
};
