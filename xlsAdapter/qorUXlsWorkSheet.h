// A worksheet section: its cells, column information and merged ranges in
// their own lists, and every other record kept in file order around them.
#pragma once

#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsColInfo.h"
#include "xlsAdapter/qorUXlsHyperLink.h"
#include "xlsAdapter/qorUXlsCondFmt.h"
#include "xlsAdapter/qorUXlsMergedCells.h"
#include "xlsAdapter/qorUXlsPageBreaks.h"
#include "xlsAdapter/qorUXlsSheet.h"
#include "xlsAdapter/qorUXlsEscher.h"
#include "xlsAdapter/qorUXlsNotes.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"

#include <initializer_list>
#include <memory>
#include <vector>

class TGutsRecord;
class TMarginRecord;
class TSetupRecord;
class TPaneRecord;
class TPrintCenteredRecord;
class TPrintGridLinesRecord;
class TPlsRecord;
class TRefModeRecord;
class TAutoFilterInfoRecord;
struct TPrinterDriverSettings;

class TWorkSheet : public TSheet {
public:
    static constexpr int DefaultColWidth = 2930; // 10 characters of 293
    static constexpr int DefaultRowHeight = 255;

    explicit TWorkSheet(TWorkbookGlobals* aWorkbookGlobals);
    ~TWorkSheet() override;
    // A worksheet holding the empty sheet of the built-in new-workbook
    // template, its labels attached to SST.
    static std::unique_ptr<TWorkSheet> CreateFromData(TWorkbookGlobals* aWorkbookGlobals, TSST* SST);
    // Back to the template's empty sheet.
    void ClearValues();

    void Clear() override;
    TWorkSheet* AsWorkSheet() override { return this; }
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

    void ArrangeCopySheet(const TSheetInfo& SheetInfo) override;
    // Shapes that keep their size or place follow the new row heights and
    // column widths.
    void RestoreObjectCoords() override { FDrawing->RestoreObjectCoords(this); }
    // The cell anchors of the drawing's shapes, in drawing order.
    std::vector<TClientAnchor> ObjectAnchors() const { return FDrawing->Anchors(); }
    // The shapes of the sheet and its comments, 0-based.
    TDrawing& Drawing() { return *FDrawing; }
    TNoteList& Notes() { return FNotes; }
    // Where the drawing and the notes go among the sheet's records; made
    // after the cells when the sheet has none.
    void EnsureObjectsSlot();
    void SaveObjects(TOle2File& DataStream);
    // Every formula of the sheet: a check that its tokens can be arranged
    // (raising with its cell), and name tokens renumbered.
    void CheckFormulasCanMove() const;
    void RenumberNames(const std::vector<int>& NewIndex);
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
    // Heights of the rows Row1..Row2 that have a ROW record (automatic-height
    // ones only unless Forced) fitted to their cells, times Adjustment; the
    // rows become manual-height unless KeepAutoFit.
    void RecalcRowHeights(int Row1, int Row2, bool Forced, bool KeepAutoFit, double Adjustment);
    // Widths of the columns Col1..Col2 fitted to their widest cell (numbers,
    // booleans and errors only with IgnoreStrings), times Adjustment.
    void RecalcColWidths(int Col1, int Col2, bool IgnoreStrings, double Adjustment);

    // Manual page breaks before a 0-based row or column.
    void InsertHPageBreak(int aRow) override { FHPageBreaks.AddBreak(aRow); }
    void InsertVPageBreak(int aCol) override { FVPageBreaks.AddBreak(aCol); }
    void DeleteHPageBreak(int aRow) { FHPageBreaks.DeleteBreak(aRow); }
    void DeleteVPageBreak(int aCol) { FVPageBreaks.DeleteBreak(aCol); }
    bool HasHPageBreak(int Row) const { return FHPageBreaks.HasPageBreak(Row); }
    bool HasVPageBreak(int Col) const { return FVPageBreaks.HasPageBreak(Col); }

    // Window and print options, with their defaults when the sheet has no
    // record for them.
    bool ShowGridLines() const;
    void SetShowGridLines(bool Value);
    bool ShowGridHeaders() const;
    void SetShowGridHeaders(bool Value);
    bool PrintGridLines() const;
    void SetPrintGridLines(bool Value);
    void SetSheetZoom(int Value);
    bool PrintHCentered() const;
    void SetPrintHCentered(bool Value);
    bool PrintVCentered() const;
    void SetPrintVCentered(bool Value);
    bool PrintToFit() const;
    void SetPrintToFit(bool Value);
    bool OutlineSummaryRowsBelowDetail() const;
    void SetOutlineSummaryRowsBelowDetail(bool Value);
    bool OutlineSummaryColsRightOfDetail() const;
    void SetOutlineSummaryColsRightOfDetail(bool Value);
    bool OutlineAutomaticStyles() const;
    void SetOutlineAutomaticStyles(bool Value);
    // Rows above Row and columns left of Col stay in view; (0, 0) unfreezes.
    void FreezePanes(int Row, int Col);
    void GetFrozenPanes(int& Row, int& Col) const;
    // A split (not frozen) window at these offsets; (0, 0) removes it.
    void SplitWindow(int xOffset, int yOffset);
    void GetSplitWindow(int& xOffset, int& yOffset) const;

    // The page setup block; defaults without a SETUP record, whose setters
    // then do nothing. Values outside 0..65535 are refused.
    int PrintScale() const;
    void SetPrintScale(int Value);
    int PrintNumberOfHorizontalPages() const;
    void SetPrintNumberOfHorizontalPages(int Value);
    int PrintNumberOfVerticalPages() const;
    void SetPrintNumberOfVerticalPages(int Value);
    int PrintOptions() const;
    void SetPrintOptions(int Value);
    int PrintPaperSize() const;
    void SetPrintPaperSize(int Value);
    int PrintCopies() const;
    void SetPrintCopies(int Value);
    int PrintXResolution() const;
    void SetPrintXResolution(int Value);
    int PrintYResolution() const;
    void SetPrintYResolution(int Value);
    // Empty data removes the printer's own settings.
    TPrinterDriverSettings PrinterDriverSettings() const;
    void SetPrinterDriverSettings(const TPrinterDriverSettings& Value);
    bool IsR1C1() const;
    void SetIsR1C1(bool Value);
    // The filter on Row over Col1..Col2 (0-based) of this sheet, number
    // SheetIndex from 0: its records and the workbook's built-in filter
    // name. Col2 < Col1 removes the records (the name stays).
    void SetAutoFilter(int SheetIndex, int Row, int Col1, int Col2);
    void RemoveAutoFilter();
    bool HasAutoFilter() const { return FAutoFilterInfo != nullptr; }
    // The filtered range from the built-in name; all -1 without a filter.
    TXlsCellRange GetAutoFilterRange(int SheetIndex) const;
    bool HasAutoFilter(int SheetIndex, int Row, int Col) const;

    // Hyperlinks, 0-based ranges.
    THLinkList& HLinks() { return FHLinks; }

    // Conditional formats, in file order.
    const std::vector<std::unique_ptr<TCondFmt>>& CondFmts() const { return FCondFmts; }

    // Merged ranges, 0-based.
    void MergeCells(int aRow1, int aCol1, int aRow2, int aCol2);
    void UnMergeCells(int aRow1, int aCol1, int aRow2, int aCol2);
    TXlsCellRange CellMergedBounds(int aRow, int aCol) const;
    TXlsCellRange CellMergedList(int index) const;
    int CellMergedListCount() const;

protected:
    TBaseRecordList& PrintRecords() override { return FMiscRecords1; }
    void InsertPrintRecord(int At, std::unique_ptr<TBaseRecord> Record) override
    {
        InsertRecord1(At, std::move(Record));
    }

private:
    void LinkRecords();
    void LinkSheetRecord(TBaseRecord* Record);
    void ApplyDefaultSize(const TBaseRecord& Record, int& LastDefColWidth, bool& StandardWidthApplied);
    void EnsureGuts();
    void RecalcGuts();
    // The row record of aRow, made when missing.
    TRowEntry& RowRecord(int aRow);
    void SetFormatOfCells(bool Column, int Index, int Value);

    TBaseRecordList FMiscRecords1;
    // Records of FMiscRecords1 from this position on came after the cell
    // block began (formulas, drawings, notes) and are written after it.
    int FCellBlockAt = -1;
    TBaseRecordList FMiscRecords2;
    std::unique_ptr<TDrawing> FDrawing;
    TNoteList FNotes;
    bool FHasObjectsSlot = false;
    THPageBreakList FHPageBreaks;
    TVPageBreakList FVPageBreaks;
    TColInfoList FColumns;
    TCells FCells;
    std::vector<std::unique_ptr<TMergedCells>> FRanges;
    // Written after the merged ranges.
    std::vector<std::unique_ptr<TCondFmt>> FCondFmts;
    // Written after the conditional formats.
    THLinkList FHLinks;
    // Adds the PANE record after WINDOW2 (when the sheet has the records a
    // view needs), or removes it.
    void SetPaneRecord(bool Present);

    // Inserts into or deletes from the first misc list, keeping the cell
    // block's position.
    TBaseRecord* InsertRecord1(int At, std::unique_ptr<TBaseRecord> Record);
    void DeleteRecord1(int At);
    // Deletes the sheet's own records of these kinds from the first list.
    void DeleteRecords1(std::initializer_list<std::uint16_t> Ids);
    int FindRecord1(std::uint16_t Id) const;
    TPlsRecord* FPrinterDriverSettings = nullptr;
    TRefModeRecord* FRefMode = nullptr;
    TAutoFilterInfoRecord* FAutoFilterInfo = nullptr;
    TGutsRecord* FGuts = nullptr;
    TPrintGridLinesRecord* FPrintGridLines = nullptr;
    TWsBoolRecord* FWSBool = nullptr;
    TPrintCenteredRecord* FHCenter = nullptr;
    TPrintCenteredRecord* FVCenter = nullptr;
    TPaneRecord* FPane = nullptr;
    TDimensionsRec FOriginalDimensions;
    int FDefRowHeight = DefaultRowHeight;
    int FDefColWidth = DefaultColWidth;
};
