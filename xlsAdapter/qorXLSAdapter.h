// The .xls file object: opens, creates and saves workbook files and carries
// out the file interface's operations on the engine's workbook.
#pragma once

#include "xlsAdapter/qorUExcelAdapter.h"
#include "xlsAdapter/qorUVyxRowComments.h"

#include <memory>

class THLinkRecord;
class TNameRecord;
class TSheet;
class TWorkbook;
class TWorkSheet;
class TXLSAdapter;
class TXlsBaseTemplateStore;

class TXLSFile : public TExcelFile {
public:
    explicit TXLSFile(TXLSAdapter* aAdapter, bool aAllowOverwritingFiles = false);
    ~TXLSFile() override;

    // The engine workbook, for code inside the engine; null after Disconnect.
    TWorkbook* GetTWorkbook() { return FWorkbook.get(); }
    bool AllowOverwritingFiles = false;

    Variant GetCellValue(int aRow, int aCol) override;
    void SetCellValue(int aRow, int aCol, const Variant& Value) override;
    TXlsCellValue GetCellValueX(int aRow, int aCol) override;
    void SetCellValueX(int aRow, int aCol, const TXlsCellValue& Value) override;
    std::string GetCellFormula(int aRow, int aCol) override;
    void SetCellFormula(int aRow, int aCol, std::string_view Value) override;
    void SetCellFormulaX(int aRow, int aCol, std::string_view Formula, const Variant& Value) override;

    int ActiveSheet() const override { return FActiveSheet; }
    void SetActiveSheet(int Value) override { FActiveSheet = Value; }
    std::string ActiveSheetName() override;
    void SetActiveSheetName(std::string_view Value) override;
    std::string ActiveSheetCodeName() override;
    void SetActiveSheetCodeName(std::string_view Value) override;
    TXlsSheetVisible ActiveSheetVisible() override;
    void SetActiveSheetVisible(TXlsSheetVisible Value) override;

    int GetColumnWidth(int aCol) override;
    int GetColumnWidthHiddenIsZero(int aCol) override;
    int GetRowHeight(int aRow) override;
    int RowHeightHiddenIsZero(int aRow) override;
    void SetColumnWidth(int aCol, int Value) override;
    void SetRowHeight(int aRow, int Value) override;
    bool GetRowHidden(int aRow) override;
    bool GetColumnHidden(int aCol) override;
    void SetRowHidden(int aRow, bool Value) override;
    void SetColumnHidden(int aCol, bool Value) override;
    int DefaultColWidth() override;
    int DefaultRowHeight() override;
    bool GetAutoRowHeight(int Row) override;
    void SetAutoRowHeight(int Row, bool Value) override;

    int GetColumnFormat(int aColumn) override;
    int GetRowFormat(int aRow) override;
    void SetColumnFormat(int aColumn, int Value) override;
    void SetRowFormat(int aRow, int Value) override;
    int GetCellFormat(int aRow, int aCol) override;
    void SetCellFormat(int aRow, int aCol, int Value) override;
    std::uint32_t GetColorPalette(TColorPaletteRange Index) override;
    void SetColorPalette(TColorPaletteRange Index, std::uint32_t Value) override;
    TVyxFont GetFontList(int index) override;
    void SetFontList(int index, const TVyxFont& Value) override;
    TVyxFormat GetFormatList(int index) override;
    void SetFormatList(int index, const TVyxFormat& Value) override;

    bool InvalidateFormulas() override { return IsFileModified; }
    void SetInvalidateFormulas(bool Value) override { IsFileModified = Value; }
    bool IsXltTemplate() override;
    void SetIsXltTemplate(bool Value) override;
    TXlsCellRange GetCellMergedBounds(int aRow, int aCol) override;
    TXlsCellRange GetCellMergedList(int index) override;
    bool Options1904Dates() override;
    void SetOptions1904Dates(bool Value) override;
    bool OptionsSaveExternalLinkValues() override;
    void SetOptionsSaveExternalLinkValues(bool Value) override;
    bool OptionsPrecisionAsDisplayed() override;
    void SetOptionsPrecisionAsDisplayed(bool Value) override;

    void Connect() override;
    void Disconnect() override;
    void OpenFile(const TFileName& FileName) override { OpenFileAndOrSearch(FileName, false); }
    void OpenFileAndSearch(const TFileName& FileName) override { OpenFileAndOrSearch(FileName, true); }
    void NewFile(int SheetCount) override;
    void LoadFromStream(TStream& Stream) override { OpenStream(Stream); }
    void CloseFile() override {}
    void InsertAndCopySheets(int CopyFrom, int InsertBefore, int SheetCount) override;
    void ClearSheet() override;
    void DeleteSheet(int aSheetCount) override;
    int SheetCount() override;
    void SelectSheet(int SheetNo) override;
    void DeleteMarkedRows(std::string_view Mark) override;
    void MakePageBreaks(std::string_view Mark) override;
    void InsertHPageBreak(int Row) override;
    void InsertVPageBreak(int Col) override;
    void DeleteHPageBreak(int Row) override;
    void DeleteVPageBreak(int Col) override;
    bool HasHPageBreak(int Row) override;
    bool HasVPageBreak(int Col) override;
    void Save(bool AutoClose, const std::string& FileName, const TOnGetFileNameEvent& OnGetFileName,
              const TOnGetOutStreamEvent& OnGetOutStream, TStream* DataStream) override;
    void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, bool OnlyFormulas) override;
    void InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, bool OnlyFormulas) override;
    void DeleteRows(int aRow, int aCount) override;
    void DeleteCols(int aCol, int aCount) override;
    // Rebuilds the by-row picture index of the active sheet.
    void BeginSheet() override { IndexRowPictures(); }
    void EndSheet(int) override {}
    bool CanOptimizeRead() override { return true; }

    int CellCount(int aRow) override;
    Variant GetCellData(int aRow, int aColOffset) override;
    TXlsCellValue GetCellDataX(int aRow, int aColOffset) override;
    void GetCellDataX2(int aRow, int aColOffset, TXlsCellValue& v, TRTFRunList& RTFRuns) override;
    void AssignCellData(int aRow, int aColOffset, const Variant& Value) override;
    void AssignCellDataX(int aRow, int aColOffset, const TXlsCellValue& Value) override;
    void AssignCellDataX2(int aRow, int aColOffset, const TXlsCellValue& Value, const TRTFRunList& RTFRuns) override;
    void GetCellValueX2(int aRow, int aCol, TXlsCellValue& v, TRTFRunList& RTFRuns) override;
    void AssignCellValueX2(int aRow, int aCol, const TXlsCellValue& Value, const TRTFRunList& RTFRuns) override;
    void SetCellString(int aRow, int aCol, std::string_view Text, std::string_view DateFormat = {},
                       std::string_view TimeFormat = {}) override;
    void SetCellString(int aRow, int aCol, std::string_view Text, const TVyxFormat& Fm,
                       std::string_view DateFormat = {}, std::string_view TimeFormat = {}) override;
    int MaxRow() override;
    int MaxCol() override;
    bool IsEmptyRow(int aRow) override;
    int ColByIndex(int Row, int ColIndex) override;
    int ColIndexCount(int Row) override;
    int ColIndex(int Row, int Col) override;
    int GetFirstColumn() override { return FirstColumn + 1; }
    void PrepareBlockData(int, int, int, int) override {}
    void AssignBlockData(int Row, int Col, const Variant& v) override { AssignCellData(Row, Col, v); }
    void PasteBlockData() override {}
    bool IsWorksheet(int index) override;
    BooleanArray GetUsedPaletteColors() override;
    int FontListCount() override;
    int FormatListCount() override;
    int AddFormat(const TVyxFormat& Fmt) override;
    int AddFont(const TVyxFont& Fmt) override;
    void MergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol) override;
    void UnMergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol) override;
    int CellMergedListCount() override;

    bool ShowGridLines() override;
    void SetShowGridLines(bool Value) override;
    bool ShowGridHeaders() override;
    void SetShowGridHeaders(bool Value) override;
    bool PrintGridLines() override;
    void SetPrintGridLines(bool Value) override;
    bool PrintHCentered() override;
    void SetPrintHCentered(bool Value) override;
    bool PrintVCentered() override;
    void SetPrintVCentered(bool Value) override;
    bool PrintToFit() override;
    void SetPrintToFit(bool Value) override;
    bool OutlineSummaryColsRightOfDetail() override;
    void SetOutlineSummaryColsRightOfDetail(bool Value) override;
    bool OutlineSummaryRowsBelowDetail() override;
    void SetOutlineSummaryRowsBelowDetail(bool Value) override;
    bool OutlineAutomaticStyles() override;
    void SetOutlineAutomaticStyles(bool Value) override;
    int SheetZoom() override;
    void SetSheetZoom(int Value) override;
    void FreezePanes(int Row, int Col) override;
    void GetFrozenPanes(int& Row, int& Col) override;
    void SplitWindow(int xOffset, int yOffset) override;
    void GetSplitWindow(int& xOffset, int& yOffset) override;
    TXlsMargins Margins() override;
    void SetMargins(const TXlsMargins& Value) override;

    std::string PageHeader() override;
    void SetPageHeader(std::string_view Value) override;
    std::string PageFooter() override;
    void SetPageFooter(std::string_view Value) override;
    int PrintNumberOfHorizontalPages() override;
    void SetPrintNumberOfHorizontalPages(int Value) override;
    int PrintNumberOfVerticalPages() override;
    void SetPrintNumberOfVerticalPages(int Value) override;
    int PrintScale() override;
    void SetPrintScale(int Value) override;
    int PrintOptions() override;
    void SetPrintOptions(int Value) override;
    int PrintCopies() override;
    void SetPrintCopies(int Value) override;
    int PrintPaperSize() override;
    void SetPrintPaperSize(int Value) override;
    int PrintXResolution() override;
    void SetPrintXResolution(int Value) override;
    int PrintYResolution() override;
    void SetPrintYResolution(int Value) override;
    TPrinterDriverSettings PrinterDriverSettings() override;
    void SetPrinterDriverSettings(const TPrinterDriverSettings& Value) override;
    bool OptionsR1C1() override;
    void SetOptionsR1C1(bool Value) override;
    void AutofitRow(int Row1, int Row2, bool AutofitNotAutofittingRows, bool KeepHeightAutomatic,
                    double Adjustment) override;
    void AutofitCol(int Col1, int Col2, bool IgnoreStrings, double Adjustment) override;
    void AutofitRowsOnWorkbook(bool AutofitNotAutofittingRows, bool KeepSizesAutomatic, double Adjustment) override;
    void SetAutoFilter(int Row, int Col1, int Col2) override;
    void RemoveAutoFilter() override;
    bool HasAutoFilter() override;
    bool HasAutoFilter(int Row, int Col) override;
    TXlsCellRange GetAutoFilterRange() override;

    int RangeCount() override;
    std::string GetRangeName(int index) override;
    int GetRangeR1(int index) override;
    int GetRangeR2(int index) override;
    int GetRangeC1(int index) override;
    int GetRangeC2(int index) override;
    void SetRangeR1(int index, int value) override;
    void SetRangeR2(int index, int value) override;
    void SetRangeC1(int index, int value) override;
    void SetRangeC2(int index, int value) override;
    int GetRangeSheet(int index) override;
    void AddRange(TXlsNamedRange& NamedRange) override;
    void SetBounds(int aRangePos) override;

    int GetRowOutlineLevel(int aRow) override;
    void SetRowOutlineLevel(int FirstRow, int LastRow, int Value) override;
    int GetColOutlineLevel(int aCol) override;
    void SetColOutlineLevel(int FirstCol, int LastCol, int Level) override;

    // Pastes the first worksheet of a workbook copied to the clipboard (its
    // Biff8 data in Stream) with its top left cell at (Row, Col): values,
    // formats and rich-text fonts; empty cells of the copy clear theirs.
    void PasteFromXlsClipboardFormat(int Row, int Col, TStream& Stream);

    int GetPicturesCount(int Row) override;
    std::string GetPictureName(int Row, int aPos) override;
    void AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType) override;
    void AssignPicture(int Row, int aPos, const ByteArray& Pic, TXlsImgTypes PicType, const TImageProperties& Props,
                       TVyxAnchorType Anchor) override;
    void AssignPictureProperties(int Row, int aPos, const TImageProperties& Props, TVyxAnchorType Anchor) override;
    void GetPicture(int Row, int aPos, TStream* Pic, TXlsImgTypes& PicType, TClientAnchor& Anchor) override;
    void DeleteImage(int Index) override;
    void ClearImage(int Index) override;
    void AddImage(const ByteArray& Data, TXlsImgTypes DataType, const TImageProperties& Properties,
                  TVyxAnchorType Anchor) override;
    int GetCommentsCount(int Row) override;
    std::string GetCommentText(int Row, int aPos) override;
    int GetCommentColumn(int Row, int aPos) override;
    void AssignComment(int Row, int aPos, std::string_view Comment) override;
    std::string GetCellComment(int Row, int Col) override;
    void SetCellComment(int Row, int Col, std::string_view Value, const TImageProperties& Properties) override;
    void ParseComments() override {}

    int HyperLinkCount() override;
    THyperLink GetHyperLink(int HyperLinkIndex) override;
    void SetHyperLink(int HyperLinkIndex, const THyperLink& value) override;
    TXlsCellRange GetHyperLinkCellRange(int HyperLinkIndex) override;
    void SetHyperLinkCellRange(int HyperLinkIndex, const TXlsCellRange& CellRange) override;
    void AddHyperLink(const TXlsCellRange& CellRange, const THyperLink& value) override;
    void DeleteHyperLink(int HyperLinkIndex) override;

private:
    // Hyperlink HyperLinkIndex (1-based) of the active sheet, else the
    // index message.
    THLinkRecord& HyperLink(int HyperLinkIndex);
    void IndexRowPictures();
    // The sheet's picture index of (Row, aPos).
    int PictureIndex(int Row, int aPos);
    void OpenFileAndOrSearch(const TFileName& FileName, bool Search);
    void OpenStream(TStream& Stream);
    void SaveXls(const std::string& FileName, TStream* DataStream);
    void SaveXlsToStream(TStream& OutStream);
    TWorkbook& Workbook();
    // Defined name index (1-based), else the index message.
    TNameRecord& Name(int index);
    // The active sheet of any kind, or null outside the workbook.
    TSheet* ActiveSheetSection();
    // The active sheet when it is a worksheet, else null.
    TWorkSheet* ActiveWorkSheet();
    TWorkSheet& ActiveWorkSheetOrRaise();
    void RestoreObjectCoords();
    void SetCellStringCore(int aRow, int aCol, std::string_view Text, const TVyxFormat* Fm,
                           std::string_view DateFormat, std::string_view TimeFormat);
    // The format F for a typed value: Fm, else the cell's current format.
    TVyxFormat FormatForTyped(int aRow, int aCol, const TVyxFormat* Fm);

    // The active sheet's pictures by row, as of the last BeginSheet.
    std::unique_ptr<TRowComments> RowPictures;
    TXLSAdapter* FAdapter;
    int FActiveSheet = 1;
    std::unique_ptr<TWorkbook> FWorkbook;
    ByteArray FOtherStreams;
    int FirstColumn = 0;
    int LastColumn = 0;
    bool IsFileModified = false;
};

class TXLSAdapter : public TExcelAdapter {
public:
    explicit TXLSAdapter(TComponent* AOwner);

    TSetOfExcelSaveFormatNative SaveFormat() const { return FSaveFormat; }
    void SetSaveFormat(TSetOfExcelSaveFormatNative Value) { FSaveFormat = Value; }
    bool AllowOverwritingFiles() const { return FAllowOverwritingFiles; }
    void SetAllowOverwritingFiles(bool Value) { FAllowOverwritingFiles = Value; }
    TXlsBaseTemplateStore* TemplateStore() const { return FTemplateStore; }
    void SetTemplateStore(TXlsBaseTemplateStore* Value);

    std::unique_ptr<TExcelFile> GetWorkbook() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSetOfExcelSaveFormatNative FSaveFormat;
    TXlsBaseTemplateStore* FTemplateStore = nullptr;
    bool FAllowOverwritingFiles = false;
};
