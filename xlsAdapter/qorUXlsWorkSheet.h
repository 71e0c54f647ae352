// A worksheet section: its cells, column information and merged ranges in
// their own lists, and every other record kept in file order around them.
#pragma once

#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsColInfo.h"
#include "xlsAdapter/qorUXlsMergedCells.h"
#include "xlsAdapter/qorUXlsPageBreaks.h"
#include "xlsAdapter/qorUXlsSheet.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"

#include <memory>
#include <vector>

class TGutsRecord;

class TWorkSheet : public TSheet {
public:
    static constexpr int DefaultColWidth = 2930; // 10 characters of 293
    static constexpr int DefaultRowHeight = 255;

    explicit TWorkSheet(TWorkbookGlobals* aWorkbookGlobals);
    // A worksheet holding the empty sheet of the built-in new-workbook
    // template, its labels attached to SST.
    static std::unique_ptr<TWorkSheet> CreateFromData(TWorkbookGlobals* aWorkbookGlobals, TSST* SST);
    // Back to the template's empty sheet.
    void ClearValues();

    void Clear() override;
    std::int64_t TotalSize() const override { return const_cast<TWorkSheet*>(this)->FixTotalSize(false); }
    std::int64_t TotalRangeSize(int SheetIndex, const TXlsCellRange& CellRange) const override;
    std::int64_t FixTotalSize(bool NeedsRecalc) override;
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBOFRecord> First,
                        TSST* SST) override;
    void SaveToStream(TOle2File& DataStream) override;
    void SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange) override;
    std::unique_ptr<TSheet> DoCopyTo() const override;

    void InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol, int LastCol,
                                  int DestCol, int aColCount, const TSheetInfo& SheetInfo, bool OnlyFormulas) override;
    void DeleteRowsAndCols(int aRow, int aRowCount, int aCol, int aColCount, const TSheetInfo& SheetInfo) override;
    void ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                  const TSheetInfo& SheetInfo) override;
    void FixRows() override { FCells.FixRows(); }

    TCells& Cells() { return FCells; }
    const TCells& Cells() const { return FCells; }
    int DefColWidth() const { return FDefColWidth; }
    int DefRowHeight() const { return FDefRowHeight; }
    const TDimensionsRec& OriginalDimensions() const { return FOriginalDimensions; }
    const TBaseRecordList& MiscRecords1() const { return FMiscRecords1; }
    const TBaseRecordList& MiscRecords2() const { return FMiscRecords2; }

    // Column and row sizes, formats, hidden flags and outline levels, 0-based.
    int GetColWidth(int aCol, bool HiddenIsZero = false) const;
    void SetColWidth(int aCol, int Value);
    bool GetColHidden(int aCol) const;
    void SetColHidden(int aCol, bool Value);
    int GetColFormat(int aCol) const;
    void SetColFormat(int aCol, int Value);
    int GetRowHeight(int aRow, bool HiddenIsZero = false) const;
    void SetRowHeight(int aRow, int Value);
    bool GetRowHidden(int aRow) const;
    void SetRowHidden(int aRow, bool Value);
    int GetRowFormat(int aRow) const;
    void SetRowFormat(int aRow, int Value);
    int GetColOutlineLevel(int aCol) const;
    void SetColOulineLevel(int aCol, int Value);
    int GetRowOutlineLevel(int aRow) const;
    void SetRowOulineLevel(int aRow, int Value);

    // Manual page breaks before a 0-based row or column.
    void InsertHPageBreak(int aRow) override { FHPageBreaks.AddBreak(aRow); }
    void InsertVPageBreak(int aCol) override { FVPageBreaks.AddBreak(aCol); }
    void DeleteHPageBreak(int aRow) { FHPageBreaks.DeleteBreak(aRow); }
    void DeleteVPageBreak(int aCol) { FVPageBreaks.DeleteBreak(aCol); }
    bool HasHPageBreak(int Row) const { return FHPageBreaks.HasPageBreak(Row); }
    bool HasVPageBreak(int Col) const { return FVPageBreaks.HasPageBreak(Col); }

    // Merged ranges, 0-based.
    void MergeCells(int aRow1, int aCol1, int aRow2, int aCol2);
    void UnMergeCells(int aRow1, int aCol1, int aRow2, int aCol2);
    TXlsCellRange CellMergedBounds(int aRow, int aCol) const;
    TXlsCellRange CellMergedList(int index) const;
    int CellMergedListCount() const;

private:
    void LinkRecords();
    void LinkSheetRecord(TBaseRecord* Record);
    void ApplyDefaultSize(const TBaseRecord& Record, int& LastDefColWidth, bool& StandardWidthApplied);
    void EnsureGuts();
    void RecalcGuts();
    // The row record of aRow, made when missing.
    TRowRecord& RowRecord(int aRow);
    void SetFormatOfCells(bool Column, int Index, int Value);

    TBaseRecordList FMiscRecords1;
    TBaseRecordList FMiscRecords2;
    THPageBreakList FHPageBreaks;
    TVPageBreakList FVPageBreaks;
    TColInfoList FColumns;
    TCells FCells;
    std::vector<std::unique_ptr<TMergedCells>> FRanges;
    TGutsRecord* FGuts = nullptr;
    TDimensionsRec FOriginalDimensions;
    int FDefRowHeight = DefaultRowHeight;
    int FDefColWidth = DefaultColWidth;
};
