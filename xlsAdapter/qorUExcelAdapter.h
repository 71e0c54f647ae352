// The abstract spreadsheet file: everything outside the engine reads and
// writes a workbook through these operations. Rows, columns and sheets
// count from 1 here.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <functional>
#include <memory>
#include <string>

class TStream;

enum TXlsSheetVisible : std::uint8_t;

enum TExcelSaveFormatNative : std::uint8_t { snXLS, snCSVComma, snCSVSemiColon, snTabDelimited };
using TSetOfExcelSaveFormatNative = TSet<TExcelSaveFormatNative, snTabDelimited + 1>;

using TFileName = std::string;
// Asked while saving for the file name (or the stream) of one save format,
// given as the ordinal of its TExcelSaveFormatNative value.
using TOnGetFileNameEvent = std::function<void(TObject* Sender, int FileFormat, TFileName& Filename)>;
using TOnGetOutStreamEvent = std::function<void(TObject* Sender, int FileFormat, TStream*& OutStream)>;

using TColorPaletteRange = int; // 1..56

class TExcelFile : public TObject {
public:
    // Cell values.
    virtual Variant GetCellValue(int aRow, int aCol) = 0;
    virtual void SetCellValue(int aRow, int aCol, const Variant& Value) = 0;
    virtual TXlsCellValue GetCellValueX(int aRow, int aCol) = 0;
    virtual void SetCellValueX(int aRow, int aCol, const TXlsCellValue& Value) = 0;
    virtual std::string GetCellFormula(int aRow, int aCol) = 0;
    virtual void SetCellFormula(int aRow, int aCol, std::string_view Value) = 0;
    // A formula with its result as computed elsewhere.
    virtual void SetCellFormulaX(int aRow, int aCol, std::string_view Formula, const Variant& Value) = 0;

    // The active sheet.
    virtual int ActiveSheet() const = 0;
    virtual void SetActiveSheet(int Value) = 0;
    virtual std::string ActiveSheetName() = 0;
    virtual void SetActiveSheetName(std::string_view Value) = 0;
    virtual std::string ActiveSheetCodeName() = 0;
    virtual void SetActiveSheetCodeName(std::string_view Value) = 0;
    virtual TXlsSheetVisible ActiveSheetVisible() = 0;
    virtual void SetActiveSheetVisible(TXlsSheetVisible Value) = 0;

    // Column widths, row heights, hidden state and default sizes.
    virtual int GetColumnWidth(int aCol) = 0;
    virtual int GetColumnWidthHiddenIsZero(int aCol) = 0;
    virtual int GetRowHeight(int aRow) = 0;
    virtual int RowHeightHiddenIsZero(int aRow) = 0;
    virtual void SetColumnWidth(int aCol, int Value) = 0;
    virtual void SetRowHeight(int aRow, int Value) = 0;
    virtual bool GetRowHidden(int aRow) = 0;
    virtual bool GetColumnHidden(int aCol) = 0;
    virtual void SetRowHidden(int aRow, bool Value) = 0;
    virtual void SetColumnHidden(int aCol, bool Value) = 0;
    virtual int DefaultColWidth() = 0;
    virtual int DefaultRowHeight() = 0;
    virtual bool GetAutoRowHeight(int Row) = 0;
    virtual void SetAutoRowHeight(int Row, bool Value) = 0;

    // Formats, palette, fonts.
    virtual int GetColumnFormat(int aColumn) = 0;
    virtual int GetRowFormat(int aRow) = 0;
    virtual void SetColumnFormat(int aColumn, int Value) = 0;
    virtual void SetRowFormat(int aRow, int Value) = 0;
    virtual int GetCellFormat(int aRow, int aCol) = 0;
    virtual void SetCellFormat(int aRow, int aCol, int Value) = 0;
    virtual std::uint32_t GetColorPalette(TColorPaletteRange Index) = 0;
    virtual void SetColorPalette(TColorPaletteRange Index, std::uint32_t Value) = 0;
    virtual TVyxFont GetFontList(int index) = 0;
    virtual void SetFontList(int index, const TVyxFont& Value) = 0;
    virtual TVyxFormat GetFormatList(int index) = 0;
    virtual void SetFormatList(int index, const TVyxFormat& Value) = 0;

    // File-wide flags and merged cells.
    virtual bool InvalidateFormulas() = 0;
    virtual void SetInvalidateFormulas(bool Value) = 0;
    virtual bool IsXltTemplate() = 0;
    virtual void SetIsXltTemplate(bool Value) = 0;
    virtual TXlsCellRange GetCellMergedBounds(int aRow, int aCol) = 0;
    virtual TXlsCellRange GetCellMergedList(int index) = 0;
    virtual bool Options1904Dates() = 0;
    virtual void SetOptions1904Dates(bool Value) = 0;
    virtual bool OptionsSaveExternalLinkValues() = 0;
    virtual void SetOptionsSaveExternalLinkValues(bool Value) = 0;
    virtual bool OptionsPrecisionAsDisplayed() = 0;
    virtual void SetOptionsPrecisionAsDisplayed(bool Value) = 0;

    // File and sheet lifecycle.
    virtual void Connect() = 0;
    virtual void Disconnect() = 0;
    virtual void OpenFile(const TFileName& FileName) = 0;
    virtual void OpenFileAndSearch(const TFileName& FileName) = 0;
    virtual void NewFile(int SheetCount) = 0;
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void CloseFile() = 0;
    virtual void InsertAndCopySheets(int CopyFrom, int InsertBefore, int SheetCount) = 0;
    virtual void ClearSheet() = 0;
    virtual void DeleteSheet(int aSheetCount) = 0;
    virtual int SheetCount() = 0;
    virtual void SelectSheet(int SheetNo) = 0;
    virtual void DeleteMarkedRows(std::string_view Mark) = 0;
    virtual void MakePageBreaks(std::string_view Mark) = 0;
    // A break at Row (Col) lies after that row (column).
    virtual void InsertHPageBreak(int Row) = 0;
    virtual void InsertVPageBreak(int Col) = 0;
    virtual void DeleteHPageBreak(int Row) = 0;
    virtual void DeleteVPageBreak(int Col) = 0;
    virtual bool HasHPageBreak(int Row) = 0;
    virtual bool HasVPageBreak(int Col) = 0;
    virtual void Save(bool AutoClose, const std::string& FileName, const TOnGetFileNameEvent& OnGetFileName,
                      const TOnGetOutStreamEvent& OnGetOutStream, TStream* DataStream) = 0;
    virtual void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, bool OnlyFormulas) = 0;
    virtual void InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, bool OnlyFormulas) = 0;
    virtual void DeleteRows(int aRow, int aCount) = 0;
    virtual void DeleteCols(int aCol, int aCount) = 0;
    virtual void BeginSheet() = 0;
    virtual void EndSheet(int RowOffset) = 0;
    virtual bool CanOptimizeRead() = 0;

    // Block read and write: columns as offsets from the bound first column.
    virtual int CellCount(int aRow) = 0;
    virtual Variant GetCellData(int aRow, int aColOffset) = 0;
    virtual TXlsCellValue GetCellDataX(int aRow, int aColOffset) = 0;
    virtual void GetCellDataX2(int aRow, int aColOffset, TXlsCellValue& v, TRTFRunList& RTFRuns) = 0;
    virtual void AssignCellData(int aRow, int aColOffset, const Variant& Value) = 0;
    virtual void AssignCellDataX(int aRow, int aColOffset, const TXlsCellValue& Value) = 0;
    virtual void AssignCellDataX2(int aRow, int aColOffset, const TXlsCellValue& Value,
                                  const TRTFRunList& RTFRuns) = 0;
    virtual void GetCellValueX2(int aRow, int aCol, TXlsCellValue& v, TRTFRunList& RTFRuns) = 0;
    virtual void AssignCellValueX2(int aRow, int aCol, const TXlsCellValue& Value, const TRTFRunList& RTFRuns) = 0;
    virtual void SetCellString(int aRow, int aCol, std::string_view Text, std::string_view DateFormat = {},
                               std::string_view TimeFormat = {}) = 0;
    virtual void SetCellString(int aRow, int aCol, std::string_view Text, const TVyxFormat& Fm,
                               std::string_view DateFormat = {}, std::string_view TimeFormat = {}) = 0;
    virtual int MaxRow() = 0;
    virtual int MaxCol() = 0;
    virtual bool IsEmptyRow(int aRow) = 0;
    virtual int ColByIndex(int Row, int ColIndex) = 0;
    virtual int ColIndexCount(int Row) = 0;
    virtual int ColIndex(int Row, int Col) = 0;
    virtual int GetFirstColumn() = 0;
    virtual void PrepareBlockData(int R1, int C1, int R2, int C2) = 0;
    virtual void AssignBlockData(int Row, int Col, const Variant& v) = 0;
    virtual void PasteBlockData() = 0;
    virtual bool IsWorksheet(int index) = 0;
    virtual BooleanArray GetUsedPaletteColors() = 0;
    virtual int FontListCount() = 0;
    virtual int FormatListCount() = 0;
    virtual int AddFormat(const TVyxFormat& Fmt) = 0;
    virtual int AddFont(const TVyxFont& Fmt) = 0;
    virtual void MergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol) = 0;
    virtual void UnMergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol) = 0;
    virtual int CellMergedListCount() = 0;

    // Window and print options of the active sheet.
    virtual bool ShowGridLines() = 0;
    virtual void SetShowGridLines(bool Value) = 0;
    virtual bool ShowGridHeaders() = 0;
    virtual void SetShowGridHeaders(bool Value) = 0;
    virtual bool PrintGridLines() = 0;
    virtual void SetPrintGridLines(bool Value) = 0;
    virtual int SheetZoom() = 0;
    virtual void SetSheetZoom(int Value) = 0;
    virtual bool PrintHCentered() = 0;
    virtual void SetPrintHCentered(bool Value) = 0;
    virtual bool PrintVCentered() = 0;
    virtual void SetPrintVCentered(bool Value) = 0;
    virtual bool PrintToFit() = 0;
    virtual void SetPrintToFit(bool Value) = 0;
    virtual bool OutlineSummaryColsRightOfDetail() = 0;
    virtual void SetOutlineSummaryColsRightOfDetail(bool Value) = 0;
    virtual bool OutlineSummaryRowsBelowDetail() = 0;
    virtual void SetOutlineSummaryRowsBelowDetail(bool Value) = 0;
    virtual bool OutlineAutomaticStyles() = 0;
    virtual void SetOutlineAutomaticStyles(bool Value) = 0;
    // Rows above Row and columns left of Col stay in view.
    virtual void FreezePanes(int Row, int Col) = 0;
    virtual void GetFrozenPanes(int& Row, int& Col) = 0;
    virtual void SplitWindow(int xOffset, int yOffset) = 0;
    virtual void GetSplitWindow(int& xOffset, int& yOffset) = 0;
    virtual TXlsMargins Margins() = 0;
    virtual void SetMargins(const TXlsMargins& Value) = 0;

    // Page header, footer and print setup of the active sheet.
    virtual std::string PageHeader() = 0;
    virtual void SetPageHeader(std::string_view Value) = 0;
    virtual std::string PageFooter() = 0;
    virtual void SetPageFooter(std::string_view Value) = 0;
    virtual int PrintNumberOfHorizontalPages() = 0;
    virtual void SetPrintNumberOfHorizontalPages(int Value) = 0;
    virtual int PrintNumberOfVerticalPages() = 0;
    virtual void SetPrintNumberOfVerticalPages(int Value) = 0;
    virtual int PrintScale() = 0;
    virtual void SetPrintScale(int Value) = 0;
    virtual int PrintOptions() = 0;
    virtual void SetPrintOptions(int Value) = 0;
    virtual int PrintCopies() = 0;
    virtual void SetPrintCopies(int Value) = 0;
    virtual int PrintPaperSize() = 0;
    virtual void SetPrintPaperSize(int Value) = 0;
    virtual int PrintXResolution() = 0;
    virtual void SetPrintXResolution(int Value) = 0;
    virtual int PrintYResolution() = 0;
    virtual void SetPrintYResolution(int Value) = 0;
    virtual TPrinterDriverSettings PrinterDriverSettings() = 0;
    virtual void SetPrinterDriverSettings(const TPrinterDriverSettings& Value) = 0;
    // R1C1 reference style: read from the first worksheet, written to all.
    virtual bool OptionsR1C1() = 0;
    virtual void SetOptionsR1C1(bool Value) = 0;

    // Row heights and column widths from the contents, 1-based.
    virtual void AutofitRow(int Row1, int Row2, bool AutofitNotAutofittingRows, bool KeepHeightAutomatic,
                            double Adjustment) = 0;
    virtual void AutofitCol(int Col1, int Col2, bool IgnoreStrings, double Adjustment) = 0;
    virtual void AutofitRowsOnWorkbook(bool AutofitNotAutofittingRows, bool KeepSizesAutomatic, double Adjustment) = 0;

    // Autofilter of the active sheet, 1-based.
    virtual void SetAutoFilter(int Row, int Col1, int Col2) = 0;
    virtual void RemoveAutoFilter() = 0;
    virtual bool HasAutoFilter() = 0;
    virtual bool HasAutoFilter(int Row, int Col) = 0;
    virtual TXlsCellRange GetAutoFilterRange() = 0;

    // Defined names of the workbook, 1-based; bounds and sheets 1-based.
    virtual int RangeCount() = 0;
    virtual std::string GetRangeName(int index) = 0;
    virtual int GetRangeR1(int index) = 0;
    virtual int GetRangeR2(int index) = 0;
    virtual int GetRangeC1(int index) = 0;
    virtual int GetRangeC2(int index) = 0;
    virtual void SetRangeR1(int index, int value) = 0;
    virtual void SetRangeR2(int index, int value) = 0;
    virtual void SetRangeC1(int index, int value) = 0;
    virtual void SetRangeC2(int index, int value) = 0;
    virtual int GetRangeSheet(int index) = 0;
    virtual void AddRange(TXlsNamedRange& NamedRange) = 0;
    // The block operations address the columns of defined name aRangePos.
    virtual void SetBounds(int aRangePos) = 0;

    // Pictures of the active sheet. Row 0 or less addresses picture aPos
    // (from 0) of the sheet; a row from 1 on addresses the aPos-th picture
    // anchored in that row. Corners in TImageProperties count from 1.
    virtual int GetPicturesCount(int Row) = 0;
    virtual std::string GetPictureName(int Row, int aPos) = 0;
    virtual void AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType) = 0;
    virtual void AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType,
                               const TImageProperties& Props, TVyxAnchorType Anchor) = 0;
    virtual void AssignPictureProperties(int Row, int aPos, const TImageProperties& Props, TVyxAnchorType Anchor) = 0;
    // The picture's data (when Pic is given) and its anchor, rows and
    // columns from 1.
    virtual void GetPicture(int Row, int aPos, TStream* Pic, TXlsImgTypes& PicType, TClientAnchor& Anchor) = 0;
    virtual void DeleteImage(int Index) = 0;
    virtual void ClearImage(int Index) = 0;
    virtual void AddImage(const ByteArray& Data, TXlsImgTypes DataType, const TImageProperties& Properties,
                          TVyxAnchorType Anchor) = 0;

    // Comments of the active sheet; aPos counts the row's comments from 0.
    virtual int GetCommentsCount(int Row) = 0;
    virtual std::string GetCommentText(int Row, int aPos) = 0;
    virtual int GetCommentColumn(int Row, int aPos) = 0;
    // An empty Comment deletes it.
    virtual void AssignComment(int Row, int aPos, std::string_view Comment) = 0;
    virtual std::string GetCellComment(int Row, int Col) = 0;
    // Sets, adds (its box at Properties) or, when Value is empty, deletes.
    virtual void SetCellComment(int Row, int Col, std::string_view Value, const TImageProperties& Properties) = 0;
    virtual void ParseComments() = 0;

    // Hyperlinks of the active sheet, 1-based indexes and ranges.
    virtual int HyperLinkCount() = 0;
    virtual THyperLink GetHyperLink(int HyperLinkIndex) = 0;
    virtual void SetHyperLink(int HyperLinkIndex, const THyperLink& value) = 0;
    virtual TXlsCellRange GetHyperLinkCellRange(int HyperLinkIndex) = 0;
    virtual void SetHyperLinkCellRange(int HyperLinkIndex, const TXlsCellRange& CellRange) = 0;
    virtual void AddHyperLink(const TXlsCellRange& CellRange, const THyperLink& value) = 0;
    virtual void DeleteHyperLink(int HyperLinkIndex) = 0;

    // Outline levels.
    virtual int GetRowOutlineLevel(int aRow) = 0;
    virtual void SetRowOutlineLevel(int FirstRow, int LastRow, int Value) = 0;
    virtual int GetColOutlineLevel(int aCol) = 0;
    virtual void SetColOutlineLevel(int FirstCol, int LastCol, int Level) = 0;
};

// Hands out file objects; the caller owns each.
class TExcelAdapter : public TComponent {
public:
    using TComponent::TComponent;
    std::string BasePathToOpen() const { return FBasePathToOpen; }
    void SetBasePathToOpen(std::string_view Value) { FBasePathToOpen = Value; }
    virtual std::unique_ptr<TExcelFile> GetWorkbook() = 0;

protected:
    std::string FBasePathToOpen;
};
