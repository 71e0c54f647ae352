// The non-visual component that moves a grid's content to and from binary
// workbook files (.xls) through the workbook engine: one file object per
// import or export, created and freed inside the call.
#pragma once

#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"
#include "xlsAdapter/qorUVyxFormats.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TExcelAdapter;
class TExcelFile;
class TGraphic;
class TQuillGridWorkbook;
class TQuillStringGrid;

enum TOverwriteMode { omNever, omAlways, omWarn };

enum TInsertInSheet {
    InsertInSheet_Clear,
    InsertInSheet_OverwriteCells,
    InsertInSheet_InsertRows,
    InsertInSheet_InsertCols,
    InsertInSheet_InsertRowsExceptFirstAndSecond,
    InsertInSheet_InsertColsExceptFirstAndSecond,
};

// Whether the cell written last above a column had a bottom border, and
// whether the cell left of it had a right border, with their palette colours.
struct TOneRowBorder {
    bool HasBottom = false;
    bool HasRight = false;
    std::int32_t BottomColor = 0;
    std::int32_t RightColor = 0;
};
using TRowBorderArray = std::vector<TOneRowBorder>;

using TSARNIOProgressEvent = std::function<void(TObject* Sender, int SheetNum, int SheetTot, int RowNum, int RowTot)>;
using TVyxFormatCellEvent = std::function<void(TObject* Sender, int GridCol, int GridRow, int XlsCol, int XlsRow,
                                               const std::string& Value, std::string& DateFormat,
                                               std::string& TimeFormat)>;
using TVyxFormatCellGenericEvent = std::function<void(TObject* Sender, int GridCol, int GridRow, int XlsCol,
                                                      int XlsRow, const std::string& Value, TVyxFormat& Format)>;
using TExportColumnFormatEvent = std::function<void(TObject* Sender, int GridCol, int GridRow, int XlsCol,
                                                    int XlsRow, const std::string& Value, bool& ExportCellAsString)>;
using TGetCommentBoxSizeEvent =
    std::function<void(TObject* Sender, const std::string& Comment, int& Height, int& Width)>;
using TVyxGetCellFormulaEvent = std::function<void(TObject* Sender, int GridCol, int GridRow,
                                                   const std::string& Value, std::string& Formula)>;

// The import and export switches of the bridge.
class TSARNIOOptions : public TPersistent {
    VISTRA_CLASS(TSARNIOOptions, TPersistent)

    TSARNIOOptions();
    // Copies the seven import switches of another option set; anything else is ignored.
    void Assign(const TPersistent* Source) override;

    bool ImportFormulas() const noexcept { return FImportFormulas; }
    void SetImportFormulas(bool V) noexcept { FImportFormulas = V; }
    bool ImportImages() const noexcept { return FImportImages; }
    void SetImportImages(bool V) noexcept { FImportImages = V; }
    bool ImportCellFormats() const noexcept { return FImportCellFormats; }
    void SetImportCellFormats(bool V) noexcept { FImportCellFormats = V; }
    bool ImportCellProperties() const noexcept { return FImportCellProperties; }
    void SetImportCellProperties(bool V) noexcept { FImportCellProperties = V; }
    bool ImportCellSizes() const noexcept { return FImportCellSizes; }
    void SetImportCellSizes(bool V) noexcept { FImportCellSizes = V; }
    bool ImportClearCells() const noexcept { return FImportClearCells; }
    void SetImportClearCells(bool V) noexcept { FImportClearCells = V; }
    bool ImportLockedCellsAsReadonly() const noexcept { return FImportLockedCellsAsReadonly; }
    void SetImportLockedCellsAsReadonly(bool V) noexcept { FImportLockedCellsAsReadonly = V; }
    TOverwriteMode ExportOverwrite() const noexcept { return FExportOverwrite; }
    void SetExportOverwrite(TOverwriteMode V) noexcept { FExportOverwrite = V; }
    const std::string& ExportOverwriteMessage() const noexcept { return FExportOverwriteMessage; }
    void SetExportOverwriteMessage(const std::string& V) { FExportOverwriteMessage = V; }
    bool ExportFormulas() const noexcept { return FExportFormulas; }
    void SetExportFormulas(bool V) noexcept { FExportFormulas = V; }
    bool ExportCellFormats() const noexcept { return FExportCellFormats; }
    void SetExportCellFormats(bool V) noexcept { FExportCellFormats = V; }
    bool ExportCellProperties() const noexcept { return FExportCellProperties; }
    void SetExportCellProperties(bool V) noexcept { FExportCellProperties = V; }
    bool ExportCellSizes() const noexcept { return FExportCellSizes; }
    void SetExportCellSizes(bool V) noexcept { FExportCellSizes = V; }
    bool ExportHiddenColumns() const noexcept { return FExportHiddenColumns; }
    void SetExportHiddenColumns(bool V) noexcept { FExportHiddenColumns = V; }
    bool ExportImages() const noexcept { return FExportImages; }
    void SetExportImages(bool V) noexcept { FExportImages = V; }
    bool ExportReadonlyCellsAsLocked() const noexcept { return FExportReadonlyCellsAsLocked; }
    void SetExportReadonlyCellsAsLocked(bool V) noexcept { FExportReadonlyCellsAsLocked = V; }
    bool ExportWordWrapped() const noexcept { return FExportWordWrapped; }
    void SetExportWordWrapped(bool V) noexcept { FExportWordWrapped = V; }
    bool ExportHTMLTags() const noexcept { return FExportHTMLTags; }
    void SetExportHTMLTags(bool V) noexcept { FExportHTMLTags = V; }
    bool ExportRawRTF() const noexcept { return FExportRawRTF; }
    void SetExportRawRTF(bool V) noexcept { FExportRawRTF = V; }
    bool ExportShowInExcel() const noexcept { return FExportShowInExcel; }
    void SetExportShowInExcel(bool V) noexcept { FExportShowInExcel = V; }
    bool ExportHardBorders() const noexcept { return FExportHardBorders; }
    void SetExportHardBorders(bool V) noexcept { FExportHardBorders = V; }
    bool ExportShowGridLines() const noexcept { return FExportShowGridLines; }
    void SetExportShowGridLines(bool V) noexcept { FExportShowGridLines = V; }
    bool ExportPrintOptions() const noexcept { return FExportPrintOptions; }
    void SetExportPrintOptions(bool V) noexcept { FExportPrintOptions = V; }
    bool ImportPrintOptions() const noexcept { return FImportPrintOptions; }
    void SetImportPrintOptions(bool V) noexcept { FImportPrintOptions = V; }
    bool ImportActiveSheet() const noexcept { return FImportActiveSheet; }
    void SetImportActiveSheet(bool V) noexcept { FImportActiveSheet = V; }
    bool ExportSummaryRowsBelowDetail() const noexcept { return FExportSummaryRowsBelowDetail; }
    void SetExportSummaryRowsBelowDetail(bool V) noexcept { FExportSummaryRowsBelowDetail = V; }
    bool ExportCellMargins() const noexcept { return FExportCellMargins; }
    void SetExportCellMargins(bool V) noexcept { FExportCellMargins = V; }
    bool UseExcelStandardColorPalette() const noexcept { return FUseExcelStandardColorPalette; }
    void SetUseExcelStandardColorPalette(bool V) noexcept { FUseExcelStandardColorPalette = V; }

    // Hidden rows are written only by code that reaches this field.
    bool FExportHiddenRows = false;

private:
    bool FImportCellProperties = false;
    bool FImportCellSizes = true;
    bool FImportCellFormats = true;
    bool FImportClearCells = true;
    bool FImportFormulas = true;
    bool FImportImages = true;
    bool FImportPrintOptions = true;
    bool FImportActiveSheet = false;
    bool FExportCellSizes = true;
    bool FExportCellFormats = true;
    bool FExportFormulas = true;
    bool FExportCellProperties = true;
    bool FExportWordWrapped = false;
    bool FExportHTMLTags = true;
    bool FExportImages = true;
    bool FExportRawRTF = false;
    bool FExportHiddenColumns = false;
    bool FExportShowInExcel = false;
    std::string FExportOverwriteMessage;
    TOverwriteMode FExportOverwrite = omNever;
    bool FExportHardBorders = false;
    bool FUseExcelStandardColorPalette = true;
    bool FExportShowGridLines = true;
    bool FImportLockedCellsAsReadonly = false;
    bool FExportReadonlyCellsAsLocked = false;
    bool FExportPrintOptions = true;
    bool FExportSummaryRowsBelowDetail = false;
    bool FExportCellMargins = false;
};

class TQuillGridExcelIO : public TComponent {
    VISTRA_CLASS(TQuillGridExcelIO, TComponent)

    static constexpr const char* DefaultOverwriteMessage = "File %s already exists\rOk to overwrite ?";
    static constexpr int DefaultZoom = 100;

    explicit TQuillGridExcelIO(TComponent* AOwner);
    ~TQuillGridExcelIO() override;

    // The first sheet into the grid, or every sheet into the linked workbook.
    void XLSImport(const std::string& FileName);
    // The sheet with that 1-based number; a negative one with a workbook linked means all sheets.
    void XLSImport(const std::string& FileName, int SheetNumber);
    void XLSImport(const std::string& FileName, const std::string& SheetName);
    void LoadSheetNames(const std::string& FileName);
    void XLSExport(const std::string& FileName, const std::string& SheetName = {}, int SheetPos = -1,
                   int SelectSheet = 1, TInsertInSheet InsertInSheet = InsertInSheet_OverwriteCells);

    TQuillStringGrid* QuillStringGrid() const noexcept { return FQuillStringGrid; }
    void SetQuillStringGrid(TQuillStringGrid* Value);
    TQuillGridWorkbook* QuillGridWorkbook() const noexcept { return FQuillGridWorkbook; }
    void SetQuillGridWorkbook(TQuillGridWorkbook* Value);
    // The grid every operation works on: the workbook's grid, else the linked grid, else none.
    TQuillStringGrid* CurrentGrid() const;
    // An adapter whose GetWorkbook supplies the file objects; none by default.
    TExcelAdapter* Adapter() const noexcept { return FAdapter; }
    void SetAdapter(TExcelAdapter* Value);

    bool AutoResizeGrid() const noexcept { return FAutoResizeGrid; }
    void SetAutoResizeGrid(bool V) noexcept { FAutoResizeGrid = V; }
    TSARNIOOptions& Options() noexcept { return *FOptions; }
    // Takes ownership of Value; the previous option set is freed.
    void SetOptions(std::unique_ptr<TSARNIOOptions> Value);
    bool UseUnicode() const noexcept { return FUseUnicode; }
    void SetUseUnicode(bool V) noexcept { FUseUnicode = V; }
    int GridStartRow() const noexcept { return FGridStartRow; }
    void SetGridStartRow(int Value) noexcept { FGridStartRow = Value < 0 ? 1 : Value; }
    int GridStartCol() const noexcept { return FGridStartCol; }
    void SetGridStartCol(int Value) noexcept { FGridStartCol = Value < 0 ? 1 : Value; }
    int XlsStartRow() const noexcept { return FXlsStartRow; }
    void SetXlsStartRow(int Value) noexcept { FXlsStartRow = Value <= 0 ? 1 : Value; }
    int XlsStartCol() const noexcept { return FXlsStartCol; }
    void SetXlsStartCol(int Value) noexcept { FXlsStartCol = Value <= 0 ? 1 : Value; }
    bool ZoomSaved() const noexcept { return FZoomSaved; }
    void SetZoomSaved(bool V) noexcept { FZoomSaved = V; }
    int Zoom() const noexcept { return FZoom; }
    void SetZoom(int Value) noexcept;
    const std::string& DateFormat() const noexcept { return FDateFormat; }
    void SetDateFormat(const std::string& V) { FDateFormat = V; }
    const std::string& TimeFormat() const noexcept { return FTimeFormat; }
    void SetTimeFormat(const std::string& V) { FTimeFormat = V; }
    std::string Version() const { return "3.4.1"; }
    void SetVersion(const std::string&) noexcept {}

    int SheetNamesCount() const noexcept { return static_cast<int>(FSheetNames.size()); }
    std::string GetSheetNames(int Index) const;

    TVyxFormatCellEvent OnDateTimeFormat;
    TVyxFormatCellGenericEvent OnCellFormat;
    TSARNIOProgressEvent OnProgress;
    TExportColumnFormatEvent OnExportColumnFormat;
    TGetCommentBoxSizeEvent OnGetCommentBoxSize;
    TVyxGetCellFormulaEvent OnGetCellFormula;

    // Asked under omWarn; true means overwrite. Defaults to a Yes/No message box.
    std::function<bool(const std::string& Question)> ConfirmOverwrite;
    // Opens the written file when ExportShowInExcel is set. Defaults to the shell's "open".
    std::function<void(const std::string& FileName)> ShowFile;

    // The effective format of a sheet cell: its own, else its row's, else its column's, else format 15.
    static void ReadCellFormat(TExcelFile& File, int Row, int Col, TVyxFormat& Fmt);
    static TColor FillColorOfFormat(TExcelFile& File, const TVyxFormat& Fmt);
    // A CR before every LF.
    static std::u16string ExpandLineFeeds(std::u16string_view Text);

    // Translations of a cell's look into the workbook's terms.
    void ExportCellBorders(int ACol, int ARow, TRowBorderArray& Borders, int SpanY, int SpanX, TVyxFormat& Fmt,
                           TExcelFile& File, std::vector<bool>& UsedColors);
    int PaletteIndexOfColor(TExcelFile& File, TColor Color, std::vector<bool>& UsedColors);
    void ReadUsedColors(TExcelFile& File, std::vector<bool>& UsedColors);
    void ExportCellImage(TExcelFile& File, TGraphic& Graphic, int xr, int xc, int ACol, int ARow);

    // The text a cell carries into the file: RTF as plain text unless raw
    // RTF is wanted, line breaks as single LFs.
    std::string CellTextForExport(const std::string& Text);
    bool IsRTFText(const std::string& Text) const;
    static std::string RTFToPlainText(const std::string& Text);

    int FWorkSheet = 0;
    int FWorkSheetNum = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TExcelFile> CreateWorkbookFile();
    static void FreeWorkbookFile(std::unique_ptr<TExcelFile>& File);
    void RequireGrid() const;

    void ImportFile(const std::string& FileName, int SheetNumber, const std::string& SheetName);
    void ImportSheet(TExcelFile& File);
    void ImportCell(TExcelFile& File, TQuillStringGrid& Grid, int r, int c, long double z);
    void ImportPictures(TExcelFile& File, long double z);
    void ImportOutline(TExcelFile& File, int FirstRow, int LastRow);
    void ImportOutlineLevel(TExcelFile& File, int FirstRow, int LastRow, int Level);
    void OpenTextFile(TExcelFile& File, const std::string& FileName, char Delimiter);
    void ReadSheetNames(TExcelFile& File);

    void ExportSheet(TExcelFile& File);
    void ExportCell(TExcelFile& File, TQuillStringGrid& Grid, int s, int q, int ARow, TRowBorderArray& Borders,
                    std::vector<bool>& UsedColors);
    void ExportCellGraphic(TExcelFile& File, TQuillStringGrid& Grid, int ACol, int ARow, int xr, int xc);
    void ExportComment(TExcelFile& File, TQuillStringGrid& Grid, int ACol, int ARow, int xr, int xc);
    void ExportPrintOptions(TExcelFile& File, TQuillStringGrid& Grid);
    void ExportSizes(TExcelFile& File, TQuillStringGrid& Grid, int HiddenRows, int MX, int MY);
    void PrepareTargetSheet(TExcelFile& File, const std::string& FileName, bool FileIsKept,
                            const std::string& SheetName, int SheetPos, TInsertInSheet InsertInSheet);
    // Sheet names compare after Unicode upper-casing.
    static std::string UpperSheetName(const std::string& Name);
    static bool FindSheetByName(TExcelFile& File, const std::string& Name, int& Index);
    static void OpenWorkbookFile(TExcelFile& File, const std::string& FileName);
    void FormatMergedBlock(TExcelFile& File, TObject* Props, const TVyxFormat& Fmt, int xr, int xc);
    void MeasureCommentBox(TExcelFile& File, const std::string& Text, int& Width, int& Height);
    // Writes a formula; a formula the engine cannot read goes in as its shown text instead.
    void WriteFormula(TExcelFile& File, int xr, int xc, const std::string& Formula, const std::string& Shown);
    void ReportProgress(int RowNum, int RowTot);

    TQuillStringGrid* FQuillStringGrid = nullptr;
    TQuillGridWorkbook* FQuillGridWorkbook = nullptr;
    TExcelAdapter* FAdapter = nullptr;
    bool FAutoResizeGrid = true;
    bool FUseUnicode = false;
    std::vector<std::string> FSheetNames;
    int FGridStartCol = 1;
    int FGridStartRow = 1;
    int FXlsStartRow = 1;
    int FXlsStartCol = 1;
    bool FZoomSaved = true;
    int FZoom = DefaultZoom;
    std::string FDateFormat;
    std::string FTimeFormat;
    std::unique_ptr<TSARNIOOptions> FOptions;
};
