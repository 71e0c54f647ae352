// The string grid a client program uses: cells as text and typed values,
// hidden rows and columns, row blocks, moves, insertion, removal, clearing
// and merging. The cell data lives in the grid model (grid/model).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "grid/files/FileSettings.h"
#include "grid/GridScrollTypes.h"
#include "grid/interact/GridEditEvents.h"
#include "grid/interact/PointerEvents.h"
#include "grid/model/GridSettingsOwner.h"
#include "grid/print/PrintEvents.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/SelectionSets.h"
#include "render/QuillStyleIF.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Buttons.h"
#include "platform/rtl/Exceptions.h"

// The settings objects the grid owns and hands out by reference.
class TBackGround;
class TBalloonSettings;
class TBands;
class TCellGraphic;
class TCellNode;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilterDropDown;
class TFloatingFooter;
class TGridChangeNotifier;
class TGridProgressAppearance;
class TGridSelectionListener;
class THTMLSettings;
class TPrintSettings;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TSyncGrid;
struct THintInfo;
// The grid's private states and its collaborators' records.
namespace grid {
struct TCellGradient;
struct TDragOutState;
struct TOleDropState;
struct TFooterCellValue;
class TFooterTotals;
struct TFooterTotalsMap;
struct TGridLookColors;
class TGridNotifierList;
struct THeaderPressState;
struct THoverState;
struct TPointerState;
struct TRichRun;
enum class TRowChange;
struct TSearchPanelState;
class TSelectionListenerLink;
struct TSortKeyRef;
} // namespace grid

class TIntList;
namespace grid {
struct TSortRun;
}
class TSortIndexList;
class TSortSettings;
class TFilter;
class TGrouping;
class TColumnSize;
class TIcon;
class TPicture;
class TMouseActions;
class TFocusHelper;
class TNavigation;
class TQuillInplaceEdit;
class TPopupMenu;
class TCustomListBox;
struct THTMLRenderResult;
class THintWindow;
class TTimer;
class TStringList;
class TStrings;
class TStream;
class TCustomIniFile;
class TCustomForm;
class TQuillHintInfo;
class TQuillStringGridCheck;
class THTMLPictureCache;
namespace grid::files {
class THtmlImageWriter;
}
namespace grid {
struct TFormResizeChain;
class TRowStore;
class TColumnMap;
struct TEditState;
struct TEditStateDeleter {
    void operator()(TEditState* State) const noexcept;
};
class TSpecialEditors;
struct TFormsState;
class TFilterDropDownPopup;
class TFixedCellEditor;
class TCellControlEditor;
struct TFormsStateDeleter {
    void operator()(TFormsState* State) const noexcept;
};
}

// The string grid's own errors; their messages are fixed texts.
class EQuillGridError : public Exception {
public:
    using Exception::Exception;
};

using TCellsChangedEvent = std::function<void(TObject* Sender, TRect R)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TGridProgressEvent = std::function<void(TObject* Sender, short Progress)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStrings* Filter)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, std::string FriendlyName,
                                              std::string& FilterCondition)>;
// The search options, bit n for the n-th value.
enum TFindParameters {
    fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
    fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
    fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters, 16>;
using TFooterCalcEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;

// The grid module's shared state.
namespace grid {
// A cell text read as a number: blanks, separators and units dropped,
// parentheses or a minus making it negative, empty or "-" reading as 0.
// False when the text is no number.
[[nodiscard]] bool TryCellFloat(std::string_view Text, double& Value);
// A cell text as a column statistic or footer takes it: only a text holding
// a number, so empty cells and texts such as "x" are left out.
[[nodiscard]] bool TryStatisticValue(std::string_view Text, double& Value);
// The name of the clipboard format of the grid's own cell data, and of the
// two messages the grid and its date editor post to themselves.
inline constexpr const char* GridCellsClipboardFormatName = "TQuillStringGrid Cells";
inline constexpr const char* GridEditDoneMessageName = "GridEditDone";
inline constexpr const char* DTPShiftFocusMessageName = "DTPShiftFocus";
// The hand cursor shown over hyperlinks in cells.
inline constexpr int GridLinkCursorHandPoint = -21;
} // namespace grid

class TQuillStringGrid;
namespace grid::print {
class TGridPrinter;
}
extern TQuillStringGrid* FocusFrameGrid;
extern int GridLinkCursor;
extern std::string HintFontName;

// Separators and formats of the process's current format settings.
char CurrentTimeSeparator();
char CurrentDateSeparator();
char CurrentThousandSeparator();
char CurrentDecimalSeparator();
std::string CurrentShortDateFormat();
std::string CurrentShortTimeFormat();
std::string CurrentLongTimeFormat();

class TQuillStringGrid : public TBaseGrid, public IQORStyle, public IQORTones, public grid::TGridSettingsOwner {
    VISTRA_CLASS(TQuillStringGrid, TBaseGrid)

    explicit TQuillStringGrid(TComponent* AOwner);
    ~TQuillStringGrid() override;

    // Copies dimensions, sizes, settings named by the grid and every cell of
    // another string grid; any other source is ignored.
    void Assign(const TPersistent* Source) override;
    // Copies only the cell texts of another string grid (hidden rows and
    // columns included, hidden state too).
    virtual void AssignCells(const TPersistent* Source);

    // The settings objects the grid owns from construction to destruction.
    // Setters copy the given object.
    TControlLook& ControlLook() noexcept { return *FControlLook; }
    TPrintSettings& PrintSettings() noexcept { return *FPrintSettings; }
    TBalloonSettings& Balloon() noexcept { return *FBalloon; }
    TBands& Bands() noexcept { return *FBands; }
    TBackGround& BackGround() noexcept { return *FBackGround; }
    TFloatingFooter& FloatingFooter() noexcept { return *FFloatingFooter; }
    TSearchFooter& SearchFooter() noexcept { return *FSearchFooter; }
    TDragDropSettings& DragDropSettings() noexcept { return *FDragDropSettings; }
    TSyncGrid& SyncGrid() noexcept { return *FSyncGrid; }
    TGridProgressAppearance& ProgressAppearance() noexcept { return *FProgressAppearance; }
    TShowModified& ShowModified() noexcept { return *FShowModified; }
    TFilterDropDown& FilterDropDown() noexcept { return *FFilterDropDown; }
    TSizeWhileTyping& SizeWhileTyping() noexcept { return *FSizeWhileTyping; }
    TQuillHintInfo& OfficeHint() noexcept { return *FOfficeHint; }
    THTMLPictureCache& ImageCache() noexcept { return *FImageCache; }
    // The font of fixed cells and of the cell with the focus; a change repaints.
    TFont& FixedFont() noexcept { return *FFixedFont; }
    void SetFixedFont(const TFont* Value);
    TFont& ActiveCellFont() noexcept { return *FActiveCellFont; }
    void SetActiveCellFont(const TFont* Value);
    // The picture shown in column 0 of the current row; empty draws none.
    TBitmap& RowIndicator() noexcept { return *FRowIndicator; }
    void SetRowIndicator(const TBitmap* Value);
    TStringList& LookupItems() noexcept { return *FLookupItems; }
    // Null is ignored.
    void SetLookupItems(const TStrings* Value);
    // Resizing with the form that owns the grid: the grid grows and shrinks
    // by the form's change of size.
    bool SizeWithForm() const noexcept { return FSizeWithForm; }
    void SetSizeWithForm(bool Value) noexcept { FSizeWithForm = Value; }

    // Printing (grid/print/): the whole grid, a range or the selection on the printer, the
    // same pages previewed on any canvas, or the grid drawn as one page.
    void Print();
    void PrintRect(const TGridRect& Gridrect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    void PrintPreview(TCanvas& Canvas, const TRect& Displayrect);
    void PrintPreviewRect(TCanvas& Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(TCanvas& Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedRows(TCanvas& Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedCols(TCanvas& Canvas, const TRect& Displayrect);
    void PrintDraw(TCanvas& Canvas, const TRect& DrawRect);
    void PrintDrawRect(TCanvas& Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
    void PrintGridRect(const TGridRect& GridRect, bool SelectedOnly);
    void PreviewGridRect(TCanvas& Canvas, const TRect& DisplayRect, bool SelectedOnly, const TGridRect& GridRect);
    // Lays the print range out: mode 0 previews, 1 draws, 2 and 3 count (print, preview).
    int PrintPages(TCanvas& Canvas, int Mode, int TotalPages, bool SelectedOnly);
    // The last layout's print width and left edge of a display column (0 to 511).
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;
    // Font heights in tenths of a millimetre for a size in points, and back.
    int MapFontHeight(int pointsize) const;
    static int MapFontSize(int Height);
    int PreviewPage() const;
    void SetPreviewPage(int Value);
    int PrintNrOfPages() const;
    bool FastPrint() const;
    void SetFastPrint(bool Value);
    bool PrinterDriverFix() const;
    void SetPrinterDriverFix(bool Value);
    bool IsPrintPreview() const;
    TRect PrintPageRect() const;
    int PrintPageWidth() const;
    int PrintColStart() const;
    int PrintColEnd() const;
    grid::print::TGridPrinter& Printing() noexcept { return *FPrinting; }
    // The lines a printed cell gets: raises OnGetCellPrintBorder.
    virtual void DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen);
    TPrintStartEvent OnPrintStart;
    TPrintColumnWidthEvent OnPrintSetColumnWidth;
    TFitToPageEvent OnFitToPage;
    TPrintRowHeightEvent OnPrintSetRowHeight;
    TPrintPageEvent OnPrintPage;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintCancelEvent OnPrintCancel;
    TGridBorderEvent OnGetCellPrintBorder;
    // The sides of a cell that carry a border line, and its pen: raises OnGetCellBorder.
    virtual void DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    TGridBorderEvent OnGetCellBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    // Nested brackets around a long change: the grid repaints once, when the last one closes.
    void BeginUpdate() noexcept { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const noexcept { return FUpdateCount; }
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellSizeEvent OnCustomCellSize;

private:
    friend class grid::print::TGridPrinter;
    // The workbook export asks how each cell is painted.
    friend class TQuillGridExcelIO;
    int FUpdateCount = 0;
    std::unique_ptr<grid::print::TGridPrinter> FPrinting;
    void BuildOwnedSettings();
    void ApplyFloatingFooterLayout();
    // Copies the settings objects Assign takes from another grid.
    void AssignOwnedSettings(TQuillStringGrid& Source);
    // The owning form's resize, passed on by the form's chain of grids.
    void FormResized(TCustomForm& Form);
    void JoinFormResize();
    void LeaveFormResize();
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TQuillHintInfo> FOfficeHint;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TStringList> FLookupItems;
    // The form whose resizes reach the grid, and the chain of its grids; null when none.
    TCustomForm* FResizeForm = nullptr;
    std::shared_ptr<grid::TFormResizeChain> FResizeChain;
    bool FDropTargetRegistered = false;
    int FFormWidth = 0;
    int FFormHeight = 0;
    bool FSizeWithForm = false;

public:

    // Cells by real column and display row; anything may be read, writing
    // repaints the cell. Object slots hold the cells' property objects.
    const std::string& Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    TObject* Objects(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value) { SetGridObject(ACol, ARow, Value); }
    const std::string& GetGridCell(int ACol, int ARow) const override;
    void SetGridCell(int ACol, int ARow, const std::string& Value) override;
    TObject* GetGridObject(int ACol, int ARow) const override;
    void SetGridObject(int ACol, int ARow, TObject* Value) override;

    // Real-row access: hidden rows are reached too.
    std::string AllCells(int ACol, int ARow);
    void SetAllCells(int ACol, int ARow, const std::string& Value);
    std::string GetCellsEx(int ACol, int ARow) { return AllCells(ACol, ARow); }
    std::string AllGridCells(int ACol, int ARow) const;
    void SetAllGridCells(int ACol, int ARow, const std::string& Value);
    std::u16string AllWideCells(int ACol, int ARow);
    void SetAllWideCells(int ACol, int ARow, const std::u16string& Value);
    TObject* AllObjects(int ACol, int ARow) const;
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    int AllColCount() const { return TotalColCount(); }
    int AllRowCount() const { return TotalRowCount(); }
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);

    // Typed views of the shown text. Reading a text that is no number raises
    // EQuillGridError and changes nothing.
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    std::u16string WideCells(int ACol, int ARow) const;
    void SetWideCells(int ACol, int ARow, const std::u16string& Value);
    std::string StrippedCells(int ACol, int ARow);
    int LinesInCell(int ACol, int ARow);
    std::string OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const std::string& Value);
    std::string UnSortedCells(int ACol, int ARow);
    void SetUnSortedCells(int ACol, int ARow, const std::string& Value);
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;

    // The current cell at its real column and, when merged, its base cell.
    virtual std::string CurrentCell();
    virtual void SetCurrentCell(const std::string& Value);
    virtual std::string GetCurrentCellValue();
    virtual void SetCurrentCellValue(const std::string& Value);

    // Values of the HTML form controls in a cell, by control ID (real
    // column, display row): empty when the cell has no such control. Writing
    // rewrites the control in the stored text; a cell without it is left as it is.
    std::string ControlValues(int ACol, int ARow, const std::string& ID);
    void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
    // Rich text. A rich editor's content is its
    // styled runs: a cell holding RTF loads formatted, any other text as it
    // is, every character kept; RichToString gives the content as RTF.
    void CellToRich(int Col, int Row, std::vector<grid::TRichRun>& RichEditor);
    std::string RichToString(const std::vector<grid::TRichRun>& RichEditor);
    void RichToCell(int Col, int Row, const std::vector<grid::TRichRun>& RichEditor);

    const std::string& FloatFormat() const noexcept { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value) { FFloatFormat = Value; }
    bool ShowNullDates() const noexcept { return FShowNullDates; }
    void SetShowNullDates(bool Value) noexcept { FShowNullDates = Value; }
    bool URLShowInText() const noexcept { return FURLShowInText; }
    void SetURLShowInText(bool Value);
    bool EditWithTags() const noexcept { return FEditWithTags; }
    void SetEditWithTags(bool Value) noexcept { FEditWithTags = Value; }
    const std::string& CheckTrue() const noexcept { return FCheckTrue; }
    void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
    const std::string& CheckFalse() const noexcept { return FCheckFalse; }
    void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }

    // Index mapping between real and display rows and columns.
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealCol() const { return RealColIndex(Col()); }
    int RealRow() const { return RealRowIndex(Row()); }
    bool IsHiddenColumn(int ColIndex) const;
    bool IsHiddenRow(int RowIndex) const;
    int NumHiddenColumns() const;
    int NumHiddenRows() const;
    int TotalColCount() const override;
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    bool IsIgnoredColumn(int ACol) const;
    TIntList& IgnoreColumns() noexcept { return *FIgnoreColumns; }

    // Hiding and showing; column and row arguments are real indexes.
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow) { HideRows(FromRow, ToRow); }
    void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // A filter pass: hides the rows at the given display indexes (ascending)
    // as one level; UnHideRowList shows the rows of the last level again.
    void HideRowList(const TIntList& RowList);
    void UnHideRowList();
    int FilterLevel() const noexcept { return FFilterLevel; }
    void SetFilterLevel(int Value) noexcept { FFilterLevel = Value; }

    // Dimensions.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    bool FixedRowAlways() const noexcept { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) noexcept { FFixedRowAlways = Value; }
    bool FixedColAlways() const noexcept { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) noexcept { FFixedColAlways = Value; }
    void SetDefaultRowHeight(int Value);
    int FixedRowHeight() const noexcept { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int FixedFooters() const noexcept { return FFixedFooters; }
    void SetFixedFooters(int Value);
    int FixedRightCols() const noexcept { return FFixedRightCols; }
    void SetFixedRightCols(int Value);
    void SetRow(int Value);
    void SetTopRow(int Value);
    int MaxRowCount() const noexcept { return FMaxRowCount; }
    int MaxColCount() const noexcept { return FMaxColCount; }
    bool SaveFixedCells() const noexcept { return FSaveFixedCells; }
    void SetSaveFixedCells(bool Value) noexcept { FSaveFixedCells = Value; }
    bool SaveFixedRows() const noexcept { return FSaveFixedRows; }
    void SetSaveFixedRows(bool Value) noexcept { FSaveFixedRows = Value; }
    bool SaveFixedCols() const noexcept { return FSaveFixedCols; }
    void SetSaveFixedCols(bool Value) noexcept { FSaveFixedCols = Value; }
    bool SaveHiddenCells() const noexcept { return FSaveHiddenCells; }
    void SetSaveHiddenCells(bool Value) noexcept { FSaveHiddenCells = Value; }
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;
    // The smallest rectangle holding every shown non-empty text.
    virtual TRect UsedCells();
    TColor SelectionColor() const noexcept { return FSelectionColor; }
    void SetSelectionColor(TColor Value);
    TColor SelectionTextColor() const noexcept { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value);
    int SelectionColorMixerFactor() const noexcept { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const noexcept { return FShowSel; }
    void SetShowSelection(bool Value);
    TVAlignment VAlignment() const noexcept { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    TAlignment DefaultAlignment() const noexcept { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);

    // Row blocks and moves; rows are display indexes.
    void InsertRowBlock(int ARow, int ACount, bool AUpdate);
    void DeleteRowBlock(int ARow, int ACount, bool AUpdate);
    virtual void RemoveRowRange(int ARow, int ACount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    int ColumnByHeader(std::string_view AValue) const;
    int GroupColumn() const noexcept { return FGroupColumn; }
    void ScrollInView(int ColIndex, int RowIndex);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const noexcept { return FSelHidden; }

    // Insertion, removal, clearing and merging.
    void AddRow();
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void RemoveRowsEx(int RowIndex, int RCount) { RemoveRows(RowIndex, RCount); }
    void RemoveDuplicates(int ACol, bool DoCase);
    void SwapRows(int Index, int Index2);
    // Removes the normal rows whose check box in the column (real) is in the
    // given state; rows without a check box there stay.
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // The rows and columns of the selection rectangle, or all other normal
    // ones; hidden columns between shown ones stay.
    void RemoveSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void AddColumn() { InsertCols(ColCount(), 1); }
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    void MergeCols(int ColIndex1, int ColIndex2, std::string_view Separator);
    void SwapColumns(int Index, int Index2);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    void ClearAll();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ACol);
    void SplitRowCells(int ARow);
    void SplitAllCells();
    bool IsCell(std::string_view SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow);

    // The graphic of a cell (display row, real column); ctEmpty without one.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
    TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }

    // Check boxes (plain, data, virtual, row and tri-state), radio groups,
    // radio buttons, buttons and expand buttons. Columns are real, rows
    // display rows unless a reading below says otherwise.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    // With hidden rows, ARow is a real row here and in SetCheckBoxState.
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    virtual bool ToggleCheck(int ACol, int ARow, bool CheckEditable);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    TCheckBoxClickEvent OnCheckBoxChange;
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
    TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    void RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    bool IsRadio(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctRadio}); }
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStrings* GetRadioStrings(int ACol, int ARow);
    void AddRadioButton(int ACol, int ARow, bool State);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctRadioButton}); }
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    virtual bool ToggleRadio(int ACol, int ARow, bool CheckEditable);
    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
    void RemoveButton(int ACol, int ARow);
    bool HasButton(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctButton, ctBitButton}); }
    void SetButtonText(int ACol, int ARow, const std::string& Caption);
    std::string GetButtonText(int ACol, int ARow);
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    bool HasExpand(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctExpand}); }
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);

    // Pictures, indicators, comments, markers and rotated text. An Add
    // operation borrows the caller's object; a Create operation makes one the
    // cell owns and returns it.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent, TStretchMode stretchmode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode, int padding,
                            TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const std::string& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctProgress}); }
    void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddQuillProgress(int ACol, int ARow, int Min, int Max);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctRating}); }
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) { return BaseCellTypeIn(ACol, ARow, {ctScrollbar}); }
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void AddComment(int ACol, int ARow, const std::string& Comment) { AddColorComment(ACol, ARow, Comment, clRed); }
    void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, std::string& comment);
    std::string GetComment(int ACol, int ARow);
    void SetComment(int ACol, int ARow, const std::string& value);
    void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void AddRotated(int ACol, int ARow, int AAngle, const std::string& s);
    // Turns the cell's graphic into rotated text; a node, or a graphic that
    // owns an object, is left as it is rather than lost.
    void SetRotated(int ACol, int ARow, int AAngle);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    void RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

    // Per-cell looks kept in the cell's property object (column as stored,
    // display row). Reading a cell without one answers the default and makes
    // none, except ReadOnly and WordWraps.
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    std::string FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const std::string& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow);
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // Whole rows from the first normal column.
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    TColor QORGradientFrom() const noexcept;
    void SetQORGradientFrom(TColor Value);
    TColor QORGradientTo() const noexcept;
    void SetQORGradientTo(TColor Value);

    // Nodes: a node row holds the glyph in column 0 and spans rows below it;
    // contracting hides them, expanding shows them in place. Row arguments
    // are display rows unless named real.
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    bool GetNodeState(int ARow);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    int GetSubNodeCount(int ARow);
    int GetParentRow(int ARow);
    int NumNodes() const noexcept { return FNumNodes; }
    // Real rows.
    void AddNode(int ARow, int Span);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    void InsertNormalRow(int ARow);
    // Display rows.
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    void UpdateSubNodeCount(int ARow, int Delta);
    void SetNodeState(int ARow, bool Value);
    void RemoveNormalRow(int ARow);
    // A new row under the node holding real row ARow, InsertAt rows below
    // it; on a node row with InsertAt 0 the node's texts move down into the
    // new first child. RemoveChildRow takes a child row (real) out of its
    // nodes. Rows hidden inside contracted nodes are left alone.
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    TCellNode& CellNode();
    // Whether a point lies on the check box or radio button of a cell (real
    // column, display row), to the pixel with PreciseCheckBoxCheck.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    static constexpr int NodeIndentPixels = 12;

    // Column and row statistics over the numbers of a range; -1 for either
    // row means all normal rows. A text that is no number is left out of
    // every statistic, including the count an average divides by.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    TGroupCalcEvent OnColumnCalc;

    // Numbering a column or row from its first normal cell.
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart() const noexcept { return FAutoNumberStart; }
    void SetAutoNumberStart(int Value) noexcept { FAutoNumberStart = Value; }
    int AutoNumberOffset() const noexcept { return FAutoNumberOffset; }
    void SetAutoNumberOffset(int Value) noexcept { FAutoNumberOffset = Value; }
    TSortDirection AutoNumberDirection() const noexcept { return FAutoNumberDirection; }
    void SetAutoNumberDirection(TSortDirection Value) noexcept { FAutoNumberDirection = Value; }

    // Sizes of cell graphics (real column, display row): on screen, and for
    // printing and export in a cell of the given size and scale.
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    virtual TPoint GetCellGraphicExtent(int ACol, int ARow, int CellWidth, int CellHeight, double Scale);
    TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicSize(ACol, ARow); }

    // Sizing columns and rows to their contents (display indexes) and fitting
    // the columns into the control's width. Limits of 0 or less are no limit.
    int MinColWidth() const noexcept { return FMinColWidth; }
    void SetMinColWidth(int Value) noexcept { FMinColWidth = Value; }
    int MaxColWidth() const noexcept { return FMaxColWidth; }
    void SetMaxColWidth(int Value) noexcept { FMaxColWidth = Value; }
    int MinRowHeight() const noexcept { return FMinRowHeight; }
    void SetMinRowHeight(int Value) noexcept { FMinRowHeight = Value; }
    int MaxRowHeight() const noexcept { return FMaxRowHeight; }
    void SetMaxRowHeight(int Value) noexcept { FMaxRowHeight = Value; }
    bool SizeGrowOnly() const noexcept { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) noexcept { FSizeGrowOnly = Value; }
    TPoint XYOffset() const noexcept { return FXYOffset; }
    void SetXYOffset(TPoint Value) noexcept { FXYOffset = Value; }
    bool XYOffsetTopLeftOnly() const noexcept { return FXYOffsetTopLeftOnly; }
    void SetXYOffsetTopLeftOnly(bool Value) noexcept { FXYOffsetTopLeftOnly = Value; }
    int HorzTextMargin() const noexcept { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
    int VertTextMargin() const noexcept { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    void AutoSizeCol(int ACol, int Padding);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void AutoSizeRow(int ARow, int Padding);
    void SizeColumnToContent(int ACol, bool GrowOnly);
    void SizeRowToContent(int ARow, bool GrowOnly);
    void SizeRowToLines(int ARow, int Lines, int Padding);
    // The most text lines of a cell in the row (1 without multi-line cells).
    int RowLineCount(int ARow);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    std::function<void(TObject* Sender, int ACol, int& AWidth)> OnUpdateColumnSize;
    virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);

    // Selection sets. Disjunct cells are kept as full coordinates, so any
    // row and column of a large grid can be selected.
    TMouseActions& MouseActions() noexcept { return *FMouseActions; }
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    std::string SelectedText();
    bool IsSelected(int ACol, int ARow);
    bool SelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    TGridCoord SelectedCell(int Index) const;
    int SelectedCellsCount() const;
    int SelectedRowCount() const;
    int SelectedColCount() const;
    int SelectedRow(int Index) const;
    void ClearSelectedCells();

    // Row and column flags. With
    // MouseActions().DisjunctRowSelect rows are flagged one by one (by real
    // row with RowSelectPersistent), with DisjunctColSelect columns; without,
    // the selection rectangle answers. Bad indexes raise EQuillGridError.
    bool RowSelect(int ARow) const;
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Value);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    int RowSelectCount() const;
    int ColSelectCount() const;
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void GotoCell(int ACol, int ARow);
    // Rows flagged as modified (marked in column 0) and rows disabled.
    bool RowModified(int ARow) const { return FModifiedRows.Get(ARow); }
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const noexcept { return FModifiedRows.FlaggedCount(); }
    void ClearModifiedRows();
    bool RowEnabled(int ARow) const { return !FDisabledRows.Get(ARow); }
    // Disabling or enabling the current row first moves the current row to
    // the first other enabled normal row, when there is one.
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const noexcept { return FUseEnabledRows; }
    // Hiding and removing the flagged rows or all others, each in one pass.
    void HideSelectedRows() { HideRowsByFlag(true); }
    void HideUnSelectedRows() { HideRowsByFlag(false); }
    void RemoveUnSelectedRows();
    std::function<void(TObject* Sender, int ARow, bool Value, bool& Allow)> OnRowDisjunctSelect;
    std::function<void(TObject* Sender, int ARow)> OnRowDisjunctSelected;

protected:
    void UpdateRowSelectFromSelection(bool All);
    void UpdateColSelectFromSelection(bool All);

private:
    // The index a display row's selection flag is kept at.
    int RowFlagIndex(int ARow) const;
    void RepaintFlaggedRow(int AFlagIndex);
    void HideRowsByFlag(bool Flagged);
    // Keeps the row flags in step when rows go: display rows and their real
    // rows, both ascending.
    void DropRowFlags(const std::vector<int>& Displ, const std::vector<int>& Real);
    void InsertRowFlags(int ARow, int AReal, int ACount);
    // Hides the shown real rows given as one pass at a filter level,
    // keeping at least one row shown.
    void HideRealRows(const std::vector<int>& Reals, int Level);
    // Hiding many rows in one pass: Drop flags display rows, of which the
    // first HideableRows() are hidden. A filter pass hides its rows as the
    // next level.
    void HideDisplayRows(std::vector<unsigned char> Drop, int Level);
    void HideFilterPass(std::vector<unsigned char> Drop);
    // Gives the platform's row axis the heights of the rows shown once the
    // store has shown the real rows Reals (ascending) again.
    void RestoreShownRowSizes(const std::vector<int>& Reals);
    grid::TIndexFlags FRowSelect;
    grid::TIndexFlags FColSelect;
    grid::TIndexFlags FModifiedRows;
    grid::TIndexFlags FDisabledRows;
    grid::TCellSet FSelectedCells;
    bool FUseEnabledRows = false;

public:

    // Highlighting ("hi" tags) and marking ("e" tags) of text inside cells.
    // The stored text is tagged and untagged, so shown decoration never
    // becomes data and untagging gives the original back.
    static std::string HilightText(bool DoCase, std::string_view S, std::string_view Text);
    static std::string UnHilightText(std::string_view S);
    static std::string MarkText(bool DoCase, std::string_view S, std::string_view Text);
    static std::string UnMarkText(std::string_view S);
    void HilightInCell(bool DoCase, int Col, int Row, std::string_view HiText);
    void MarkInCell(bool DoCase, int Col, int Row, std::string_view HiText);
    void UnHilightInCell(int Col, int Row);
    void UnMarkInCell(int Col, int Row);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, std::string_view HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, std::string_view HiText);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnMarkInCol(bool DoFixed, int Col);
    void HilightInGrid(bool DoFixed, bool DoCase, std::string_view HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, std::string_view HiText);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInGrid(bool DoFixed);

    // Row variants, cell checking, test fills and swapping two cells.
    void HilightInRow(bool DoFixed, bool DoCase, int Row, std::string_view HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, std::string_view HiText);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnMarkInRow(bool DoFixed, int Row);
    // The checker that corrects and marks cell texts; cleared when it is freed.
    TQuillStringGridCheck* CellChecker() const noexcept { return FCellChecker; }
    void SetCellChecker(TQuillStringGridCheck* Value);
    // True when the checker left the cell's text as it was (or there is none).
    bool CheckCell(int Col, int Row);
    // Checks every cell of the range, also after a failure; True when all passed.
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    void TextFill(bool DoFixed, const std::string& Txt);
    // Each cell gets Fmt formatted with its column and row.
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // Exchanges the stored texts and cell objects of two cells (real columns).
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Writes Text(c, r) into every cell of the fill range, then reports the change.
    void FillCells(bool DoFixed, const std::function<std::string(int, int)>& Text);
    TQuillStringGridCheck* FCellChecker = nullptr;

public:

    // Headers written into the fixed row and column.
    const TStringList& ColumnHeaders() const noexcept { return *FColumnHeaders; }
    void SetColumnHeaders(const TStrings& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    const TStringList& RowHeaders() const noexcept { return *FRowHeaders; }
    void SetRowHeaders(const TStrings& Value);
    void ShowRowHeaders();
    void ClearRowHeaders();

    // The questions the grid asks: a default answer, then the event.
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoButtonClick(int ACol, int ARow);
    // Fires OnExpandClick, then gives the row the expand button's height.
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetEditorTypeForStore(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetEditorTypeForShow(int ACol, int ARow, TEditorType& AEditor);
    virtual bool IsEditorNone(int ACol, int ARow);
    virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrap);
    // A cell's colour or image editor chose: the events get the current cell
    // and the editor's colour with its text, or its image index. The editors
    // stand above the grid and hand their choice in.
    virtual void DoColorSelect(TColor Color, const std::string& Value);
    virtual void DoImageSelect(int Index);
    // The grid's font, or a scratch font the grid owns loaded with the
    // cell's own font; the next call overwrites it.
    TFont& GetCellFont(int ACol, int ARow);
    TCanEditCellEvent OnCanEditCell;
    TButtonClickEvent OnButtonClick;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;
    TExpandClickEvent OnExpandClick;
    TGridAlignEvent OnGetAlignment;
    // A number's display format; the spreadsheet grid asks it for every numeric result.
    TFloatFormatEvent OnGetFloatFormat;
    TGetEditorTypeEvent OnGetEditorType;
    TIsPasswordCellEvent OnIsPasswordCell;
    TWordWrapEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;

    // Looks, grid styles and colour schemes.
    TGridLook Look() const noexcept { return FLook; }
    void SetLook(TGridLook Value);
    TQuillGridStyle Style() const noexcept { return FStyle; }
    virtual void SetStyle(TQuillGridStyle AStyle);
    void SetComponentStyle(TQuillGridStyle AStyle);
    void SetComponentStyle(TQORStyle AStyle) override { SetComponentStyle(static_cast<TQuillGridStyle>(AStyle)); }
    // The flat look built from five tones.
    void SetColorTones(const TColorTones& ATones) override;
    const TColorTones& ColorTones() const noexcept { return FColorTones; }
    // Follows the Office theme found on the system; a theme seen last time
    // changes nothing.
    void AdaptToOfficeTheme() { AdaptToOfficeTheme(DetectOfficeTheme()); }
    void AdaptToOfficeTheme(TOfficeTheme Theme);
    void SetTheme(TXPColorScheme Scheme);
    const grid::TGridLookColors& LookColors() const noexcept { return *FLookColors; }
    // For colours no setter of their own covers; repaint afterwards.
    grid::TGridLookColors& LookColors() noexcept { return *FLookColors; }
    // Fixed cells that light up under the mouse, and the fixed cell the
    // mouse is over (-1, -1 for none) and whether its button is down; the
    // mouse handling reports them, painting reads them.
    THoverFixedCells HoverFixedCells() const noexcept { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells Value);
    TPoint HotFixedCell() const noexcept { return FHotFixedCell; }
    bool HotFixedCellPressed() const noexcept { return FHotFixedCellPressed; }
    void SetHotFixedCell(TPoint Cell, bool Pressed);
    // The fixed cells at the current row and column light up in the look's
    // active-cell colours.
    bool ActiveCellShow() const noexcept { return FActiveCellShow; }
    void SetActiveCellShow(bool Value);
    bool HideFocusRect() const noexcept { return FHideFocusRect; }
    void SetHideFocusRect(bool Value);
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    // Blends the selection colour with a coloured cell's own colour.
    bool SelectionColorMixer() const noexcept { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool Value);
    TColor URLColor() const noexcept { return FURLColor; }
    void SetURLColor(TColor Value);

    // How a cell looks: colours, gradient,
    // font, alignment and word wrap in their order of precedence. Painting
    // only asks; nothing of the grid changes.
    std::pair<TAlignment, TVAlignment> ResolveCellAlignment(int ACol, int ARow);
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush);
    // The size of a cell's rendered text; ACol is a real column. VS measures
    // wrapped text in the cell's width; SB leaves room for an in-cell scroll bar.
    TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    TSize MeasureCellText(int RealCol, int DisplCol, int ARow, bool VS, bool SB);
    // Moves R's top-left corner to where text rotated by Angle degrees is
    // drawn inside R with the canvas's current font.
    void RotatedTextOrigin(TRect& R, int Angle, const std::string& Text, TAlignment HA, TVAlignment VA);
    // Around the cells: the border of the modern
    // looks, the focus glow around the edited cell's rectangle (client
    // coordinates), and the sizing lines, drawn with XOR so that drawing one
    // again takes it away.
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    void ShowFocusWindow(const TRect& Rect);
    void PlaceFocusWindow();
    void HideFocusWindow();
    bool FocusWindowShown() const noexcept { return FFocusGlowShown; }
    TRect FocusWindowRect() const noexcept { return FFocusGlowRect; }
    // Whether an opened editor gets the glow.
    TFocusHelper& FocusHelper();
    void DrawColSizeLine(int X);
    void DrawRowSizeLine(int Y);

    // The quick-configuration panel of a grid in design mode. Items: 1
    // "Allow edit", 2 "Column numbers", 3 the look, 4 close; 255 none.
    bool DesignMode() const;
    void SetDesignMode(bool Value);
    bool ShowDesignHelper() const noexcept { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value);
    bool ShowColumnNumbers() const noexcept { return FShowColNrs; }
    virtual void PaintDesignHelper(TCanvas& ACanvas);
    int DesignHitTest(int X, int Y);
    // The designer's hit test: true when the point is on an item, so that
    // the click goes to the grid.
    bool HandleDesignHitTest(TPoint P);
    virtual void DesignHelperClick(int X, int Y);

    // The sort mark of the header of real column ACol, centred on (X, Y).
    void DrawSortIndicator(TCanvas& ACanvas, int ACol, int X, int Y);

    // Called after bulk changes with the rectangle that changed.
    virtual void DoCellsChanged(TRect R);
    TCellsChangedEvent OnCellsChanged;
    TRowChangedEvent OnRowUpdate;

    // Sorting: by one column with the following columns breaking ties, by the
    // sort indexes, or inside the groups of an outline. Sorts are stable, and
    // every sort style orders its values consistently, ranking numbers before
    // texts where a style meets both. Columns are real indexes.
    TSortSettings& SortSettings() noexcept { return *FSortSettings; }
    TSortIndexList& SortIndexes() noexcept { return *FSortIndexes; }
    TNavigation& Navigation() noexcept { return *FNavigation; }
    virtual void QSort();
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    // Raises EQuillGridError without sort indexes.
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Sort the display rows Left..Right only.
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // Puts every row back where it was before the first sort.
    virtual void QUnSort();
    void InitSortXRef();
    bool SortLine(int Col, int ARow1, int ARow2);
    virtual void SortSwapRows(int Index, int Index2);
    // 1 when the first row comes after the second ascending, 0, or -1. Blank
    // placement is already turned for Descending, which the caller applies.
    int CompareRowCells(int ACol, int ARow1, int ARow2, bool Descending);
    int CompareRows(int ACol, int ARow1, int ARow2);
    // By the sort indexes from entry Index, each entry's direction applied.
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    virtual void DoGetFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
    int Compares = 0;
    int Swaps = 0;
    TGridFormatEvent OnGetFormat;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;

    // Files (grid/files). Every save writes a new file beside the old one and
    // renames it over, so a failed save leaves the old file as it was.
    char Delimiter() const noexcept { return FFileSettings.Delimiter; }
    void SetDelimiter(char Value) noexcept { FFileSettings.Delimiter = Value; }
    bool AlwaysQuotes() const noexcept { return FFileSettings.AlwaysQuotes; }
    void SetAlwaysQuotes(bool Value) noexcept { FFileSettings.AlwaysQuotes = Value; }
    bool QuoteEmptyCells() const noexcept { return FFileSettings.QuoteEmptyCells; }
    void SetQuoteEmptyCells(bool Value) noexcept { FFileSettings.QuoteEmptyCells = Value; }
    bool JavaCSV() const noexcept { return FFileSettings.JavaCSV; }
    void SetJavaCSV(bool Value) noexcept { FFileSettings.JavaCSV = Value; }
    bool OemConvert() const noexcept { return FFileSettings.OemConvert; }
    void SetOemConvert(bool Value) noexcept { FFileSettings.OemConvert = Value; }
    bool LoadFirstRow() const noexcept { return FFileSettings.LoadFirstRow; }
    void SetLoadFirstRow(bool Value) noexcept { FFileSettings.LoadFirstRow = Value; }
    bool MultiLineCells() const noexcept { return FFileSettings.MultiLineCells; }
    void SetMultiLineCells(bool Value) noexcept { FFileSettings.MultiLineCells = Value; }
    // The text a writer saves for a cell, and the store of a loaded text.
    virtual void GetSaveCellText(int ACol, int ARow, std::string& Value);
    virtual void DoLoadCell(int ACol, int ARow, const std::string& Value);
    virtual void ExportNotification(TExportState AState, int ARow);
    virtual void ImportNotification(TImportState AState, int ARow);
    TCellTextEvent OnSaveCell;
    TCellTextEvent OnLoadCell;
    TFileProgressEvent OnFileProgress;
    // CSV: a missing or unreadable file raises the platform's file error, an
    // empty one Exception "File is empty"; MaxRows 0 or less loads every line.
    void SaveToCSV(const std::string& FileName, bool Unicode = true);
    void AppendToCSV(const std::string& FileName, bool Unicode = true);
    void LoadFromCSV(const std::string& FileName, int MaxRows = -1);
    void LoadFromCSVStream(TStream& AStream, int MaxRows = -1);
    void InsertFromCSV(const std::string& FileName, int MaxRows = -1);
    // The text grid file (size, column widths, each non-empty cell by its
    // coordinates) and the same lines in UTF-16 on a stream, relative to the
    // save range; loading a stream stops at the first line that is no grid line.
    void SaveToFile(const std::string& FileName, bool Unicode = false);
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TStream& Stream);
    void LoadFromStream(TStream& Stream);
    // The binary cell stream: a header, then every cell of a rectangle with its
    // properties. Loading at a point clips cells that fall outside the grid.
    void SaveRectToBinStream(const TRect& Rect, TStream& Stream);
    void SaveToBinStream(TStream& Stream);
    void SaveToBinFile(const std::string& FileName);
    void LoadAtPointFromBinStream(const TPoint& Point, TStream& Stream);
    void LoadFromBinStream(TStream& Stream);
    void LoadFromBinFile(const std::string& FileName);
    // Column text padded with blanks, multi-line cells over continuation lines.
    void SaveToASCII(const std::string& FileName, bool Unicode = false);
    void AppendToASCII(const std::string& FileName, bool Unicode = false);
    // Fixed-width text: Positions holds each saved column's width in
    // characters (missing ones are added); for loading, the 1-based positions
    // where fields begin, the last one ending the last field.
    void SaveToFixed(const std::string& FileName, TIntList& Positions);
    void LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    // XML: a list element, a record element per row, a field element per cell.
    // The file is written in the declared encoding (UTF-8 or ISO-8859-1, other
    // characters as references); FieldDescr names the field elements (FIELD0,
    // FIELD1 ... without). Loading reads any document of records and fields.
    const std::string& XMLEncoding() const noexcept { return FFileSettings.XMLEncoding; }
    void SetXMLEncoding(const std::string& Value) { FFileSettings.XMLEncoding = Value; }
    void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                   const TStrings* FieldDescr = nullptr, bool ExportEmptyCells = false);
    void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
    // HTML: one table with a CSS class per cell look. Texts are always
    // escaped; a file in UTF-16 (Unicode) or ASCII with character references.
    THTMLSettings& HTMLSettings() noexcept { return *FHTMLSettings; }
    bool URLShow() const noexcept { return FFileSettings.URLShow; }
    void SetURLShow(bool Value) noexcept { FFileSettings.URLShow = Value; }
    bool URLFull() const noexcept { return FFileSettings.URLFull; }
    void SetURLFull(bool Value) noexcept { FFileSettings.URLFull = Value; }
    std::string SaveToHTMLString();
    void SaveToHTML(const std::string& FileName, bool Unicode = false);
    void AppendToHTML(const std::string& FileName, bool Unicode = false);
    // The table as an HTML document in UTF-8 under "HTML Format" (text/html
    // here, so without the header of that format's other platforms), and as text.
    void CopyToClipBoardAsHTML();
    // The clipboard as tab-separated text: a cell holding a tab, a quote or a
    // line break is quoted with its quotes doubled. Pasting into a larger
    // selection with Navigation().AllowSmartClipboard continues a number series
    // or repeats the pasted block.
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteSelectionFromClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Stores one pasted value: a check-box cell takes its state (Text equal to
    // CheckTrue), any other cell the text; the change goes to the undo object.
    virtual void PasteCellText(int ACol, int ARow, const std::string& Text);
    // With Navigation().AllowRTFClipboard a copy adds the top-left cell's rich
    // text as "Rich Text Format" (8-bit text), and a paste takes it into one
    // cell; with AllowFmtClipboard a copy adds every cell with its properties
    // and graphics as GridCellsClipboardFormatName, and a paste prefers it,
    // placing the block at the paste cell whatever grid it came from.
    virtual bool UseFormattedClipboard();
    virtual void BeforePasteCells() {}
    virtual void AfterPasteCells() {}
    // Told of every pasted block: Origin is the top-left cell of this grid's
    // last copy when the block came from it, else (-1, -1).
    virtual void PastedCells(TPoint Origin, TRect Target, TClipOperation LastOp);
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    // The clipboard shortcuts of Navigation().AllowClipboardShortCuts, each
    // asked first: Ctrl+X or Shift+Delete cut, Ctrl+V or Shift+Insert paste,
    // Ctrl+C or Ctrl+Insert copy.
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCopy;
    // Visual properties (colours, fonts, look, bands, grouping, background
    // ...) as key=value lines; the print settings in an INI file's section.
    // Saving goes through a temporary file; loading never writes, and a
    // malformed value raises EConvertError before anything changes.
    void SaveVisualProps(const std::string& FileName);
    void LoadVisualProps(const std::string& FileName);
    void SavePrintSettings(const std::string& Key, const std::string& Section);
    void LoadPrintSettings(const std::string& Key, const std::string& Section);
    // Column layout: "N#widths#order#visibility" (widths by real column), and
    // "Col"/"Pos" keys in the store ColumnSize() names. A malformed string
    // raises EConvertError before anything changes; loading never writes the store.
    std::string ColumnStatesToString();
    void StringToColumnStates(const std::string& Value);
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();

    // Filtering: each pass hides the normal rows that fail the conditions of
    // Filter as one level, so later passes narrow and removing a level shows
    // exactly its rows again. Conditions are read once per pass.
    TFilter& Filter() noexcept { return *FFilter; }
    bool FilterActive() const noexcept { return FFilterActive; }
    void SetFilterActive(bool Value);
    bool FilterNormalCellsOnly() const noexcept { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool Value) noexcept { FFilterNormalCellsOnly = Value; }
    bool FilterIncremental() const noexcept { return FFilterIncremental; }
    void SetFilterIncremental(bool Value) noexcept { FFilterIncremental = Value; }
    bool AutoFilterUpdate() const noexcept { return FAutoFilterUpdate; }
    void SetAutoFilterUpdate(bool Value) noexcept { FAutoFilterUpdate = Value; }
    bool FilterDropDownAuto() const noexcept { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value);
    bool FilterDropDownCheck() const noexcept { return FFilterDropDownCheck; }
    void SetFilterDropDownCheck(bool Value) noexcept { FFilterDropDownCheck = Value; }
    const std::string& FilterDropDownClear() const noexcept { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const std::string& Value) { FFilterDropDownClear = Value; }
    // Only a fixed row is taken.
    int FilterDropDownRow() const noexcept { return FFilterDropDownRow; }
    void SetFilterDropDownRow(int Value);
    // The entries of the open drop-down, and the real column it belongs to (-1: none).
    TStringList& FilterList() noexcept { return *FFilterList; }
    int FilterCol() const noexcept { return FFilterCol; }
    void SetFilterCol(int Value) noexcept { FFilterCol = Value; }
    virtual bool DoCustomFilter(int ARow);
    void FilterRow(int ARow);
    void ApplyFilter();
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // Type-ahead narrowing on one column, or on whole rows with AColumn -1;
    // the typed text is matched literally.
    void NarrowDown(const std::string& ACondition, int AColumn);
    // Fills FilterList for a column; the column's own values become entries
    // that match exactly that value, whatever characters it holds.
    virtual bool DoGetColumnFilter(int ACol);
    virtual void FilterListSelect(TObject* Sender, int ItemIndex);
    // The check-list drop-down: the entries whose boxes are ticked.
    virtual void FilterCheckListSelect(const std::vector<int>& CheckedItems);
    // Filters the column (real index) on rows matching any of the conditions.
    void FilterOnConditions(int ACol, const std::vector<std::string>& Conditions);
    virtual void DoFilterDone();
    TCustomFilterEvent OnCustomFilter;
    TGridProgressEvent OnFilterProgress;
    TGetColumnFilterEvent OnGetColumnFilter;
    TFilterSelectEvent OnFilterSelect;
    TNotifyEvent OnFilterDone;

    // Search and replace. Cells are walked row by row or column by column
    // within the bounds the options give; a hit is (column, row), a miss
    // (-1, -1). Replace changes stored texts only.
    TPoint Find(TPoint StartCell, const std::string& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const std::u16string& s, TFindParams FindParams);
    TPoint FindFirst(const std::string& s, TFindParams FindParams);
    TPoint FindNext();
    int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
    // The first normal row whose sort column starts with s (given in upper case); -1 for none.
    int Search(const std::string& s);
    int FindCol() const noexcept { return FFindCol; }
    void SetFindCol(int Value) noexcept { FFindCol = Value; }
    int FindRow() const noexcept { return FFindRow; }
    void SetFindRow(int Value) noexcept { FFindRow = Value; }
    TPoint SearchCell() const noexcept { return FSearchCell; }
    void SetSearchCell(TPoint Value) noexcept { FSearchCell = Value; }
    const std::string& SearchCache() const noexcept { return FSearchCache; }

    // The find panel under the grid drives these: typing searches from the
    // start, Next and Previous step from the last hit, the highlight button
    // tags the text in the search column (all columns for -1).
    grid::TSearchPanelState& SearchPanelState() noexcept { return *FSearchPanel; }
    void SearchPanelEditChange(const std::string& Text);
    void SearchPanelForwardClick();
    void SearchPanelBackwardClick();
    void SearchPanelHighLightClick(bool Down);
    void SearchPanelClose();
    virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction);
    TSearchEditChangeEvent OnSearchEditChange;
    TSearchFooterActionEvent OnSearchFooterAction;
    TNotifyEvent OnSearchFooterClose;

    // Grouping: rows sorted by a column become a one-level outline with a
    // header row per value (a node spanning its group) and, with
    // Grouping.Summary, a summary row after each group; the grouped column
    // leaves the grid until UnGroup brings it back. Column 0 holds the
    // outline and is never grouped by.
    TGrouping& Grouping() noexcept { return *FGrouping; }
    virtual void Group(int Colindex);
    virtual void UnGroup();
    // -1 ungroups, a column above 0 groups; 0 changes nothing.
    void SetGroupColumn(int Value);
    // Sub-groups inside the groups by a column: a header row before each run
    // of its values, the value moving into the next column of the header;
    // SubUnGroup gives the values back and removes those headers.
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    bool IsGrouping() const noexcept { return FIsGrouping; }
    // Method: 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom,
    // 7 distinct values, 8 standard deviation; written into each expanded
    // group's header row, or its summary row with Grouping.Summary.
    void GroupCalc(int ACol, int Method);
    void GroupSum(int Colindex) { GroupCalc(Colindex, 1); }
    void GroupAvg(int Colindex) { GroupCalc(Colindex, 2); }
    void GroupMin(int Colindex) { GroupCalc(Colindex, 3); }
    void GroupMax(int Colindex) { GroupCalc(Colindex, 4); }
    void GroupCount(int ColIndex) { GroupCalc(ColIndex, 5); }
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int ColIndex) { GroupCalc(ColIndex, 7); }
    void GroupStdDev(int ColIndex) { GroupCalc(ColIndex, 8); }
    TGroupCalcEvent OnGroupCalc;

    // Components told of changed cells after OnCellsChanged, in the order
    // they registered; each is registered once.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // The one listener told of every accepted move of the current cell; a
    // new one replaces it, and it is forgotten when freed.
    void RegisterSelListener(TGridSelectionListener* AListener);
    // Forgets the listener, whichever is passed.
    void UnRegisterSelListener(TGridSelectionListener* AListener);

    // Footers and column stretching. A footer row (FixedFooters) whose cells
    // carry a calculation type shows that statistic of the normal rows above
    // it, hidden rows included.
    virtual void UpdateFooterValues(int ACol);
    // Merging and splitting change which cells a footer counts.
    void MergeCells(int ACol, int ARow, int SpanX, int SpanY) override;
    void SplitCells(int ACol, int ARow) override;
    // ACol -1: every column. Footers keep running totals of the shown texts
    // and move them by each stored change; when OnGetDisplText starts
    // answering differently for cells already counted, or FixedRows changes,
    // call CalcFooter(-1) to count the column afresh.
    void CalcFooter(int ACol) { UpdateFooterValues(ACol); }
    TFooterCalcEvent OnFooterCalc;
    TColumnSize& ColumnSize() noexcept { return *FColumnSize; }
    // Widens or narrows a display column (-1: the last) to fill the client
    // width; raises EQuillGridError "Stretch column index out of range" for
    // a column outside the grid.
    void StretchColumn(int ACol);
    void StretchRightColumn() { StretchColumn(ColCount() - 1); }

    // Scrolling. A proportional thumb covers the visible share of the rows or
    // columns over the thumb positions 0 to 127.
    TScrollType ScrollType() const noexcept { return FScrollType; }
    void SetScrollType(TScrollType Value);
    TColor ScrollColor() const noexcept { return FScrollColor; }
    // With ssFlat or ssEncarta the window's bars take this track colour
    // (clNone: the standard one) and this thickness.
    void SetScrollColor(TColor Value);
    int ScrollWidth() const noexcept { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TScrollBarAlways ScrollBarAlways() const noexcept { return FScrollBarAlways; }
    // Keeps the named bars shown, empty, while all rows (columns) fit.
    void SetScrollBarAlways(TScrollBarAlways Value);
    void UpdateScrollBarsAlways(bool Forced);
    bool ScrollProportional() const noexcept { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    void UpdateVertProportionalScroll();
    void UpdateHorzProportionalScroll();
    TScrollHintType ScrollHints() const noexcept { return FScrollHints; }
    void SetScrollHints(TScrollHintType Value) noexcept { FScrollHints = Value; }
    // Scroll while the thumb is dragged, not only when it is released.
    bool ScrollSynch() const noexcept { return FScrollSynch; }
    void SetScrollSynch(bool Value) noexcept { FScrollSynch = Value; }
    TColor HintColor() const noexcept { return FHintColor; }
    void SetHintColor(TColor Value) noexcept { FHintColor = Value; }
    // The window showing the row or column a dragged thumb points at; null before the first drag.
    THintWindow* ScrollHintWindow() const noexcept { return FScrollHintWnd; }
    TScrollHintEvent OnScrollHint;
    // Pressing and dragging near or beyond an edge scrolls on a timer.
    TDragScrollOptions& DragScrollOptions() noexcept { return *FDragScrollOptions; }
    TDragScrollEvent OnDragScroll;

protected:
    void Paint() override;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    void GetDefaultCellProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                             TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                             bool& WW, TCellGradientDirection& GD) override;
    void DoGetDisplText(int ACol, int ARow, std::string& Value) override;
    // Draws the cell's graphic and its text beside it; ACol is a display column.
    void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void WriteCellText(int ACol, int ARow, const std::string& Value) override;
    void CellTextChanged(int ACol, int ARow) override;
    void HandleSizeChanged(int OldColCount, int OldRowCount) override;
    // The thumbs and bar rules follow a change of the control's size.
    void BoundsChanged() override;
    void CreateHandle() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    std::string ProvideEditText(int ACol, int ARow) override;
    void ApplyEditText(int ACol, int ARow, const std::string& Value) override;
    // The raw object of a cell by real row (normally its property object).
    TObject* GetRealCellObject(int ACol, int ARow) const;
    // The per-cell texts of a checked and an unchecked data check box.
    virtual void DoGetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void DoGetCheckFalse(int ACol, int ARow, std::string& Value);
    bool HasNodes() override { return FNumNodes > 0; }
    int GetNodeIndent(int ARow) override;
    void MarkSummaryRow(int ARow);
    // Sets a check box by a display row and reports a change.
    bool ChangeCheckBoxState(int ACol, int ARow, bool State);
    // The store of graphics: a new empty graphic replaces the cell's own.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
    // Whether the graphic of the cell's base cell is of one of these kinds.
    bool BaseCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> ATypes);
    // The graphic's identity for sorting by graphic; -1 for other kinds.
    std::intptr_t GetCellImageKey(int ACol, int ARow);

private:
    // Frees a property object with the cell graphic it owns.
    void FreeCellObject(TObject* Object);
    void FreeRowObjects(int AReal);
    // Removes display rows [ADispl, ADispl + ACount) from the platform's row
    // axis only (their heights go, the rest move up).
    void RemoveShownRowSizes(int ADispl, int ACount);
    // Inserts shown rows with these heights at ADispl in the platform's row axis.
    void InsertShownRowSizes(int ADispl, const std::vector<int>& Heights);
    // Gives the platform's row axis exactly these rows.
    void SetShownRowSizes(const std::vector<int>& Heights);
    // Sets the platform's row or column count, or moves a platform column,
    // without touching the model.
    void SetAxisRowCount(int Value);
    void SetAxisColCount(int Value);
    void MoveAxisColumn(int FromIndex, int ToIndex);
    void MoveAxisRow(int FromIndex, int ToIndex);
    // A real row's height when it is shown again.
    int RestoredHeight(int AReal);
    // The rows the grid keeps shown: never fewer than one.
    int HideableRows() const { return RowCount() - 1; }
    void CloseEditor();
    int CheckedInt(const std::string& Text) const;
    // The range of a column statistic, and whether it counts real rows.
    void StatisticRows(int& FromRow, int& ToRow, bool& Real) const;
    // The numbers of the admitted cells of a column range.
    std::vector<double> ColumnValues(int ACol, int FromRow, int ToRow);
    std::vector<double> RowValues(int ARow, int FromCol, int ToCol);
    double CheckedFloat(const std::string& Text) const;
    void RepaintShownColumn(int ARealCol, int ARow);
    // A new check box or radio button of the grid's look in a cell.
    TCellGraphic& NewToggleGraphic(int ACol, int ARow);
    // The graphic behind a check-box reading: by real row with hidden rows.
    TCellGraphic* CheckGraphic(int ACol, int ARow, bool& RealRow);
    std::string CheckText(int ACol, int ARow, bool Checked);
    TCellGraphic* NodeGraphic(int ARow);
    const TCellProperties* FindProps(int ACol, int ARow) const;
    // The cell's property object, made when missing, for a write that is
    // then repainted by RepaintLooks.
    TCellProperties& WritableProps(int ACol, int ARow) { return *GetCellProperties(ACol, ARow); }
    void RepaintLooks(int ACol, int ARow);
    // Tags (Tag non-empty with Match) or untags the stored texts of a range.
    void TagRange(int FromCol, int FromRow, int ToCol, int ToRow, std::string_view Tag, std::string_view Match,
                  bool DoCase, bool Untag);
    // The columns and rows the In- and Un-variants cover.
    int LastNormalRow() const { return RowCount() - FFixedFooters - 1; }
    // The real row after the last one a node at display row ARow covers.
    int NodeEndReal(int ARow);
    void ChangeNodeLevels(int FromRow, int Count, int Delta);
    int SaveColEdge() const;

    std::unique_ptr<grid::TRowStore> FRowStore;
    std::unique_ptr<grid::TColumnMap> FColumnMap;
    std::unique_ptr<TIntList> FColumnOrder;
    // For each real row, hidden or shown, the real row its data held before
    // the first sort; hiding and showing rows leave it valid.
    std::vector<int> FSortRowXRef;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TMouseActions> FMouseActions;
    TFont FCellFont;
    // Auto-sizing.
    int FMinColWidth = 0;
    int FMaxColWidth = 0;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    bool FSizeGrowOnly = false;
    TPoint FXYOffset{2, 2};
    bool FXYOffsetTopLeftOnly = false;
    // The width a column of the display index needs for its cells.
    int ContentWidth(int ACol);
    // Tree nodes' look, made on first use.
    std::unique_ptr<TCellNode> FCellNode;
    // Widens (Delta 1) or narrows the node at display row ARow by one row.
    void ChangeNodeRows(int ARow, int Delta);
    // Removes the real columns behind display columns [FromDispl, ToDispl].
    void RemoveShownCols(int FromDispl, int ToDispl);
    // Removes the normal columns whose selection flag is (or is not) set.
    void RemoveFlaggedCols(bool Flagged);
    int FAutoNumberStart = 0;
    int FAutoNumberOffset = 0;
    TSortDirection FAutoNumberDirection = sdAscending;
    // Set while the platform moves or counts rows for an operation that has
    // already updated the model.
    bool FAxisOnly = false;
    bool FDestroying = false;
    int FFilterLevel = 0;
    int FNumNodes = 0;

    // Sorting.
    struct TSortPass;
    TSortPass ColumnSortPass(int ACol, int Left, int Right);
    TSortPass IndexedSortPass(int Left, int Right);
    void SortRows(TSortPass& Pass);
    // The row UnSortedCells reads for ARow.
    int UnSortedCellRow(int ARow) const;
    // Puts the data of real row Reals[Source[k]] at real row Reals[k], moving
    // each row once; Reals ascend. Hidden rows move with their data, so the
    // shown rows among Reals must fill the same display rows afterwards: all
    // of Reals are shown, or they run from real row 0 without a gap.
    void MoveRowsToOrder(std::span<const int> Reals, std::span<const int> Source);
    // Moves the modified, disabled and selected flags as rows moved: display
    // row Places[k] takes the flags of Places[PlaceSource[k]], real row
    // Reals[k] those of Reals[RealSource[k]].
    void ReorderRowFlags(std::span<const int> Places, std::span<const int> PlaceSource, std::span<const int> Reals,
                         std::span<const int> RealSource);
    // A sort of the normal rows with the current row, scroll position and
    // fixed column kept as the settings ask.
    void SortNormalRows(bool Indexed);
    void SortGroups(bool Indexed);
    TSortStyle ColumnSortStyle(int ACol, std::string& Prefix, std::string& Suffix);
    // Each orders the runs of Order (rows as indexes in the pass's range) by
    // one column and returns the runs it left tied.
    using TSortRuns = std::vector<grid::TSortRun>;
    TSortRuns SortRunsByKeys(const TSortPass& Pass, std::size_t Column, std::vector<std::uint32_t>& Order,
                             const TSortRuns& Runs);
    TSortRuns SortRunsByEvents(const TSortPass& Pass, std::size_t Column, std::vector<std::uint32_t>& Order,
                               const TSortRuns& Runs);
    // The shown texts are the stored ones in every cell without properties.
    bool ShowsStoredTexts() const;
    std::string_view SortCellText(int ACol, int ARow, std::string& Storage);
    // The key of a cell; its text views the stored text, CellText or KeyText.
    grid::TSortKeyRef CellSortKey(int ACol, int ARow, TSortStyle Style, std::string_view Prefix,
                                  std::string_view Suffix, std::string& CellText, std::string& KeyText);
    int CompareSortCells(int ACol, TSortStyle Style, const grid::TSortKeyRef& A, const grid::TSortKeyRef& B,
                         int ARow1, int ARow2, bool Descending);
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TNavigation> FNavigation;
    int FSortRow = -1;

    // Filtering.
    // The conditions of Filter read for one pass, or null outside a pass.
    struct TFilterPass;
    const TFilterPass* FFilterPass = nullptr;
    bool RowPassesFilter(int ARow, const TFilterPass& Pass);
    // The stored text of a cell without an object of its own (so with no
    // merge and no properties); false for a cell with one. Where the grid
    // ShowsStoredTexts, it is also the text the cell shows.
    bool PlainStoredText(int ACol, int ARow, std::string_view& Text) const;
    // The text a condition tests: a view of the stored text, or of Storage.
    std::string_view FilterCellText(int ACol, int ARow, TFilterCells Data, bool StoredTexts, std::string& Storage);
    void EndFilterLevel();
    void ApplyFilterCondition(const std::string& ACondition, int AColumn);
    // The condition of a drop-down entry ("" for the clear entry) and its name.
    std::string FilterEntryCondition(int ItemIndex, std::string& FriendlyName);
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TStringList> FFilterList;
    // The exact conditions of the entries DoGetColumnFilter made, by entry.
    std::vector<std::pair<std::string, std::string>> FFilterEntries;
    bool FFilterActive = false;
    bool FFilterNormalCellsOnly = true;
    bool FFilterIncremental = true;
    bool FAutoFilterUpdate = true;
    bool FFilterDropDownAuto = false;
    bool FFilterDropDownCheck = false;
    std::string FFilterDropDownClear = "(All)";
    int FFilterDropDownRow = 0;
    int FFilterFixedRows = 0;
    int FFilterCol = -1;
    std::string FLastFilter;

    // Searching.
    TPoint WalkSearch(TPoint StartCell, TFindParams FindParams, const std::function<bool(std::string_view)>& Test);
    std::string SearchCellText(int ACol, int ARow, TFindParams FindParams);
    void GotoSearchHit(TPoint Hit, TFindParams FindParams);
    TFindParams SearchPanelParams(bool Typing);
    void HighlightSearchText(bool On);
    void SearchPanelStep(bool Backward);
    std::unique_ptr<grid::TSearchPanelState> FSearchPanel;
    TFindParams FFindParams;
    std::string FSearchCache;
    std::u16string FSearchCacheWide;
    TPoint FSearchCell{-1, -1};
    int FFindCol = 0;
    int FFindRow = 0;

    // Grouping.
    // Inserts one empty shown row before each display row of Before
    // (ascending; RowCount() appends), moving every row at most once.
    void InsertRowsBefore(const std::vector<int>& Before);
    // Removes the display rows flagged in Drop in one pass, freeing their objects.
    void RemoveFlaggedRows(const std::vector<bool>& Drop);
    void ColorGroupRow(int ARow, TColor Color, TColor ColorTo, TColor TextColor);
    // Node and summary rows, which sub-grouping walks past.
    bool IsOutlineRow(int ARow);
    // Merges or colours a sub-group header (or summary) row as Grouping says.
    void LookSubGroupRow(int ARow, int Colindex, bool Header);
    // For each display row from FixedRows() to AEnd (exclusive), the display
    // row of the innermost node holding it, -1 for none, in one walk.
    std::vector<int> EnclosingNodes(int AEnd);
    // Counts one row more (or less) in Delta, indexed from FixedRows(), for
    // AParent and each outer node above it, as a child row changes them.
    void ResizeEnclosingNodes(const std::vector<int>& Enclosing, int AParent, std::vector<int>& Delta);
    std::unique_ptr<TGrouping> FGrouping;
    bool FIsGrouping = false;
    int FGroupWidth = 0;
    std::string FGroupCaption;
    std::string FGroupFooter;
    std::vector<std::string> FGroupHiddenValues;

    // Footers and stretching.
    std::unique_ptr<TColumnSize> FColumnSize;
    bool FIsColChanging = false;
    bool FColChangeFlag = false;
    // The running totals behind each tracked footer cell, by real column, so
    // that edits and row insertions and removals move a footer by what
    // changed instead of re-reading its column.
    std::unique_ptr<grid::TFooterTotalsMap> FFooterTotals;
    // Set by a row insertion or removal that kept the totals in step, for
    // the cells-changed notification that follows it.
    bool FFooterInStep = false;
    std::unique_ptr<grid::TGridNotifierList> FNotifierList;
    std::unique_ptr<grid::TSelectionListenerLink> FSelListener;
    // Tells the selection listener that the cell became current.
    void NotifySelectionChanged(int ACol, int ARow);
    void NotifyCellsChanged(const TRect& R);
    bool FFooterAreaOut = false;
    bool FooterCalculates() const;
    bool InFooterRange(int AReal) const;
    // The hidden rows the footer counts.
    int FooterHiddenRows() const;
    int HiddenRowsLeftOut() const;
    const TCellProperties* FooterProps(int ACol) const;
    grid::TFooterCellValue FooterCellValue(int ACol, int AReal, TColumnCalcType Calc);
    // The column's totals when they still belong to its footer cell and rows
    // (AddedRows: rows inserted since); stale ones are dropped.
    grid::TFooterTotals* KeptFooterTotals(int ACol, int AddedRows = 0);
    void CalculateFooter(int ACol);
    void ShowFooterValue(int ACol, TColumnCalcType Calc);
    void RefreshFooterValues();
    void FooterCellsChanged();
    // Brings the footer of ACol up to date once its cell in display row ARow changed.
    void FooterCellEdited(int ACol, int ARow);
    // Reports one cell whose new text was stored through the running totals:
    // the footers only show them.
    void NotifyCellEdited(int ACol, int ARow);
    // A row moved between the counted rows and the fixed or footer rows
    // changes what the footers count.
    void FooterRowMoved(int FromIndex, int ToIndex);
    // Stores a cell text by real row, moving the totals of its column.
    void StoreCellText(int ACol, int AReal, const std::string& Value);
    // Around row blocks: shown rows just inserted, or about to go.
    void FooterRowsChanging(int ARow, int ACount, grid::TRowChange Change);
    // Takes the cells of an area out of the totals before its merge changes
    // (Leaving) and puts them back after.
    void FooterAreaChanging(const TRect& Area, bool Leaving);

    // Scrolling.
    // Puts the proportional thumbs back after the platform set plain ones for a moved view.
    void UpdateProportionalScroll();
    void ApplyScrollBarLook();
    void ApplyScrollType();
    // The thin bars of ssMetro, over the cells at the right and bottom edges:
    // a press before or after the thumb pages, on it drags.
    grid::TThinThumb ThinBarThumb(bool Vertical);
    void PaintThinScrollBars(TCanvas& ACanvas);
    enum class TThinBarMouse { Press, Move, Release };
    // True when the thin bars took the mouse.
    bool ThinBarMouse(TThinBarMouse Action, int X, int Y);
    struct TThinDrag {
        int Bar = 0; // 0: none, else SB_HORZ + 1 or SB_VERT + 1
        int Start = 0;
        int First = 0;
    };
    TThinDrag FThinDrag;
    void HandleScrollMessage(TMessage& Message);
    void ShowScrollHint(const std::string& Prefix, int Index);
    void DragScrollOver(TShiftState Shift, int X, int Y);
    void StopDragScroll();
    void DragScrollStep(TObject* Sender);
    TScrollType FScrollType = ssNormal;
    // The window's bars take the flat look (ssFlat, ssEncarta).
    bool FIsFlat = false;
    TColor FScrollColor = clNone;
    int FScrollWidth = 17;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FScrollProportional = false;
    // Raised while sizes change in bulk (zooming): the proportional thumbs wait.
    bool FScrollLock = false;
    TScrollHintType FScrollHints = shNone;
    bool FScrollSynch = false;
    TColor FHintColor = clInfoBk;
    THintWindow* FScrollHintWnd = nullptr;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    TTimer* FDragTmr = nullptr;
    TDragScrollDirection FDragScrollDirection;

    std::string FFloatFormat = "%.2f";
    std::string FCheckTrue = "Y";
    std::string FCheckFalse = "N";
    bool FShowNullDates = true;
    bool FURLShowInText = false;
    bool FEditWithTags = false;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 0;
    int FFixedColsMin = 0;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowHeight = 22;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FOldRowSel = -1;
    int FGroupColumn = -1;
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    TColor FSelectionColor = 0xEACAB6;
    TColor FSelectionTextColor = clBlack;
    int FSelectionColorMixerFactor = 50;
    TVAlignment FVAlignment = vtaTop;
    TAlignment FDefaultAlignment = taLeftJustify;
    TGridRect FOldSelection{};
    bool FSelHidden = false;

    // Looks (grid/paint).
    void ApplyLookPreset(TGridLook Value);
    void SetSortHeaderColors(const grid::TCellGradient& Colors);
    // Cell painting steps (grid/paint).
    // Whether the cell is a header that shows the sort indicator.
    bool IsSortHeader(int ACol, int ARow);
    void DrawCellText(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                      TAlignment HA, TVAlignment VA, bool WW, const TCellGraphic* Graphic);
    void DrawFixedCellLook(TCanvas& ACanvas, int ACol, int ARow, TRect ARect);
    void DrawFixedCellEdges(TCanvas& ACanvas, TRect ARect);
    THoverFixedCells FHoverFixedCells = hfNone;
    TPoint FHotFixedCell{-1, -1};
    bool FHotFixedCellPressed = false;
    bool FHideFocusRect = false;
    bool FActiveCellShow = false;
    bool FFlat = false;
    TColor FURLColor = clBlue;
    bool FSelectionColorMixer = false;
    void DrawBorderFrame(TCanvas& ACanvas);
    bool DesignHelperShown() const;
    void DrawColumnNumber(TCanvas& ACanvas, int ACol, const TRect& ARect);
    TColor FBorderColor = 0xB99D7F;
    TRect FFocusGlowRect{};
    bool FFocusGlowShown = false;
    bool FShowDesignHelper = true;
    bool FShowColNrs = false;
    int FLastDesignChoice = 255;
    // Owned as a component of the grid.
    TPopupMenu* FLookMenu = nullptr;
    TGridLook FLook = glXP;
    TQuillGridStyle FStyle = gsWindowsXP;
    std::unique_ptr<grid::TGridLookColors> FLookColors;
    TColorTones FColorTones;
    TOfficeTheme FOfficeTheme = otUnknown;

    // Keyboard and in-place editing (grid/interact): the editor a cell gets,
    // committing and validating its value, Enter and Tab moves, typing to
    // edit and search as you type.
public:
    TEditorType DefaultEditor();
    void SetDefaultEditor(TEditorType Value);
    // The kind of the editor open or last open, and whether one is open.
    TEditorType EditControl();
    bool EditMode();
    bool AlwaysValidate();
    void SetAlwaysValidate(bool Value);
    int MaxEditLength();
    void SetMaxEditLength(int Value);
    std::string EditMask();
    void SetEditMask(const std::string& Value);
    std::string ValidChars();
    void SetValidChars(const std::string& Value);
    char32_t PasswordChar();
    void SetPasswordChar(char32_t Value);
    bool ExcelStyleDecimalSeparator();
    void SetExcelStyleDecimalSeparator(bool Value);
    // The text typed so far for search as you type.
    std::string SearchInc();
    // The normal text editor (null before the first edit) and the special
    // editor control open now (null when none).
    TQuillInplaceEdit* NormalEdit() const;
    TWinControl* EditCtrl();
    // Whether the cell (real column) may be edited: editing on for the grid
    // and the cell neither read-only, refused by OnCanEditCell nor fixed.
    bool IsEditable(int ACol, int ARow);
    bool IsCellEditable(int ACol, int ARow);
    void GetCellEditable(int ACol, int ARow, bool& CanEdit);
    void DoIsFixedCell(int ACol, int ARow, bool& IsFixed);
    // Whether x lies on the glyph of the node at display row ARow.
    bool IsNodeButtonHit(int ARow, int X);
    // Check boxes, radio buttons and cell buttons are worked by click and
    // key, never by an editor (real column).
    bool HasClickableControl(int ACol, int ARow);
    // Validates an edited text for the cell being edited: True when it was
    // accepted (and stored) or no validation was due. A refused text is
    // never stored; the editor stays open on it.
    virtual bool ValidateCell(const std::string& NewValue);
    void ShowInplaceEdit();
    void HideInplaceEdit();
    void ShowCellEdit();
    void HideCellEdit();
    // A key (Enter, Tab, an arrow) ended the edit of a special editor.
    void DoneInplaceEdit(unsigned short Key, TShiftState Shift);
    bool EditorWantsTab();
    void MoveToNextEditCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Edit);
    void MoveToNextTabCell(bool Backward);
    bool IsTabStopCell(int ACol, int ARow);
    int FirstTabStopColumn(int ARow);
    int LastTabStopColumn(int ARow);
    virtual void MoveToFirstRow();
    // The first normal row whose text in the sort column begins with the
    // upper-case text, -1 when none.
    int IncrementalSearchRow(const std::string& UpperText);
    // The one item list shared by every combo-box cell.
    void ClearComboString();
    void AddComboString(const std::string& S);
    bool RemoveComboString(const std::string& S);
    bool SetComboSelectionString(const std::string& S);
    void SetComboSelection(int Idx);
    int GetComboCount();
    TCellValidateEvent OnCellValidate;
    TNotifyEvent OnEditingDone;
    // A button editor was clicked: S is its caption, Result what the
    // caption and the cell become (S unless OnEllipsClick changes it).
    virtual void DoEllipsClick(const std::string& S, std::string& Result);
    TEllipsClickEvent OnEllipsClick;
    TEditCellDoneEvent OnEditCellDone;
    TAutoAdvanceEvent OnAutoAdvance;
    TCellChangingEvent OnCellChanging;
    TChangingEvent OnRowChanging;
    TChangingEvent OnColChanging;
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditMaskEvent OnGetEditMask;
    TEditChangeEvent OnEditChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    // The mouse: a header click sorts, Ctrl+wheel zooms by steps in
    // -10..10 pixels, links in cells open only web and mail addresses.
    void Zoom(int X);
    bool IsOverSizingBorder(int X, int Y);
    TCanSortEvent OnCanSort;
    TClickSortEvent OnClickSort;
    TAnchorClickEvent OnAnchorClick;

protected:
    bool HandleCanEditShow() override;
    TInplaceEdit* HandleCreateEditor() override;
    bool HandleSelectCell(int ACol, int ARow) override;
    void HandleKeyDown(unsigned short& Key, TShiftState Shift) override;
    void HandleKeyPress(char32_t& Key) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    int ProvideEditLimit() override;
    std::string ProvideEditMask(int ACol, int ARow) override;
    void WMKeyDown(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    virtual void DoCellChanging(int NewCol, int NewRow, bool& Allow);
    virtual void StoreOldCellValue(int ACol, int ARow);
    virtual void RestoreCellFromCache();
    virtual void OpenCellEditor(int ACol, int ARow);
    virtual void CloseCellEditor(int ACol, int ARow);
    virtual void StoreEditorText(int ACol, int ARow, const std::string& Value);
    virtual void DoGetEditorProp(int ACol, int ARow);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;
    // The glow follows the edited cell when the view scrolls or sizes change.
    void HandleTopLeftChanged() override;
    void HandleColWidthsChanged() override;
    void HandleRowHeightsChanged() override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    // The wheel asks the parent first; the grid moves only when it declines.
    void WMMouseWheel(TMessage& Message) override;
    // Told the rows the current row moved after a wheel notch moved or
    // scrolled the grid; clearing Handled adds the platform's one-row step.
    virtual void MouseWheelScrolled(int Delta, bool& Handled);

private:
    friend class TQuillInplaceEdit;
    friend class grid::TSpecialEditors;
    grid::TEditState& Edit();
    // Validates the open editor's value and closes the editor when it was
    // accepted; a refused value stays in the editor. True when accepted.
    bool CommitEdit();
    // Closes the open editor without storing anything.
    void CancelEdit();
    void NotifyEditingDone(int ACol, int ARow);
    // The normal editor went out of sight: the edit is over.
    void InplaceEditorHidden();
    // Whether the cell being edited is still where the edit began.
    bool EditedCellUnmoved();
    // The focus glow around the cell whose editor just opened, when asked for.
    void ShowEditorGlow();
    // Lights the fixed cell under the pointer, pressed or not.
    void TrackHotFixedCell(int X, int Y, bool Pressed);
    bool IsNormalKind(TEditorType Kind) const noexcept;
    bool StepEnterTarget(int& ACol, int& ARow, bool Forward, bool& Ended);
    bool StepTabTarget(bool Backward);
    bool HandleKeyDownMessage(unsigned short Key, TShiftState Shift);
    // Runs the cut, copy or paste a clipboard shortcut names; false for other keys.
    bool ClipboardShortCut(unsigned short Key, TShiftState Shift);
    bool SearchAsYouType(char32_t Key);
    void AppendRowOnArrowDown();
    void OpenCellLink(int ACol, int ARow, const std::string& Target);
    void SortByHeaderClick(int ACol, TShiftState Shift);
    void SortByColumnClick(int ACol);
    void SortByIndexClick(int ACol, TShiftState Shift);
    bool WheelStep(TShiftState Shift, TPoint MousePos, int Direction);
    // The sort column and sort indexes follow a moved column (real indexes).
    void KeepColumnSettingsAfterMove(int FromIndex, int ToIndex);
    std::unique_ptr<grid::TEditState, grid::TEditStateDeleter> FEditState;

    // Presses on the headers: whole rows, columns or the grid selected from the
    // fixed cells and dragged over, fixed columns and rows sized by their
    // borders, sizes reported while a border is dragged.
public:
    TSelectionChangedEvent OnSelectionChanged;
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TRowSizeEvent OnRowSize;
    TEndRowSizeEvent OnEndRowSize;
    // Columns merged by equal neighbouring texts; every change merges them
    // afresh, and with SortSettings.AutoColumnMerge a header sort splits and
    // merges them again around the sort.
    TIntList& MergedColumns();
    // Splits the vertical merges of every column; merges the listed columns again.
    void SplitMergedColumns();
    void RemergeColumns();
    // Milliseconds the last sort by a header click took.
    int SortTime() const noexcept;

protected:
    // Reports a selection changed by the user, corners in order.
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    // Receives the selection a press on a fixed cell is about to apply.
    virtual void AdjustMouseSelection(TGridRect& ARect);
    // Also grabs fixed columns' and rows' far borders (SizeFixedCol,
    // SizeFixedRow); OnColumnSize and OnRowSize may refuse a border.
    void HandleCalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                               const TGridDrawInfo& FixedInfo) override;

private:
    // A press on a fixed cell selects whole rows, columns or the grid.
    void HeaderSelectPress(TShiftState Shift, int X, int Y);
    // A drag begun there selects every row (column) it passes.
    void HeaderSelectMove(int X, int Y);
    void HeaderSelectRelease();
    // The selection at a press; the release reports it when it changed.
    void BeginSelectionReport();
    void ReportSelectionChange();
    void FixedBorderAt(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);
    // The cell the sizing hint sits on and the size the pointer gives the
    // column (row) being sized.
    TRect SizingReferenceRect();
    int SizingSizeAt(int X, int Y);
    // OnColumnSizing (OnRowSizing) while a border is dragged.
    void ReportSizing(int X, int Y);
    bool CommitBeforeSizing(int X, int Y);
    void BeginUserSizing();
    // OnEndColumnSize and OnUpdateColumnSize (OnEndRowSize) at a drop that
    // changed the size.
    void EndUserSizing(bool Column, int Index);
    // With AllColumnSize (AllRowSize) the other data columns (rows) follow
    // the sized one in proportion to its size before the drag.
    void ScaleOtherSizes(bool Column, int Index, int SizeAtPress);
    // The line that shows where a dragged border would drop.
    void MoveSizeLine(int Pos);
    void PaintSizeLine();
    // Whether a release in row 0 lies on a column border rather than on the header.
    bool OnHeaderSideBorder(TGridCoord Cell, int X);
    // The sort a header click asks for, timed, with the merged columns split around it.
    void RunHeaderSort(int ACol, TShiftState Shift);
    std::unique_ptr<grid::THeaderPressState> FHeaderPress;
    std::unique_ptr<TIntList> FMergedColumns;

    // Dragging cells and columns out of the grid with DragDropSettings'
    // OleDropSource.
public:
    // (row, real column) under the pointer as the drag starts, with its text;
    // Allow false turns the gesture into a selection.
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)> OnOleDrag;
    std::function<void(TObject* Sender, int ARow, int ACol)> OnOleDragStart;
    // The drop's effect (DROPEFFECT_COPY, DROPEFFECT_MOVE); never after a cancel.
    std::function<void(TObject* Sender, int OLEEffect)> OnOleDragStop;

private:
    bool DragCandidatePress(TShiftState Shift, int X, int Y);
    // True while the press waits for the pointer to move, and when a drag ran.
    bool DragOutMove(TShiftState Shift, int X, int Y);
    bool DragCandidateRelease(int X, int Y);
    int DragColumn(int ACol);
    int DragSelectedCells(TGridCoord Pressed);
    std::unique_ptr<grid::TDragOutState> FDragOut;

    // Drops from other windows and programs with DragDropSettings'
    // OleDropTarget (grid/interact/GridOleDrop.cpp).
public:
    // The cell under a screen point; column or row -1 outside the cells.
    TGridCoord ScreenToCell(TPoint pt);
    // A column (real index ACol) is dragged out of the list box AList, where
    // it is item AIndex: the next column drop shows it again.
    void OleColumnDragStart(int ACol, int AIndex, class TCustomListBox* AList);
    // (target row, column) under a drag; Allow refuses the drop there.
    std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)> OnOleDragOver;
    // A drop of text, rich text or a file to load, with the text or file name.
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)> OnOleDrop;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& URL, bool& Allow)> OnOleDropURL;
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& FileName, bool& Allow)> OnOleDropFile;
    // A column dropped: target row, the dragged column, the target column.
    std::function<void(TObject* Sender, int ARow, int PCol, int DropCol)> OnOleDropCol;
    // A drop completed; the rectangle it changed.
    std::function<void(TObject* Sender, const TGridRect& Rect)> OnOleDropped;

private:
    friend class TGridDropTarget;
    friend class TGridDropSource;
    std::unique_ptr<grid::TOleDropState> FOleDrop;

    // Header filter drop-downs, fixed-cell editors and form controls in
    // cells (grid/interact).
public:
    // Whether the header cell (display column) shows a filter button: a
    // cell of FilterDropDownRow whose column has filter entries.
    bool HasFilterButton(int ACol, int ARow);
    // Opens the list of the column's filter entries under its header cell
    // (display column); choosing an entry filters, with FilterDropDownCheck
    // ticking entries does. The open list closes first.
    void ShowFilterDropDown(int ACol, int ARow);
    void HideFilterDropDown();
    // The open filter list, null when none.
    TCustomListBox* FilterDropDownList();
    // Opens the editor over a fixed cell (display column) unless the open
    // one refuses to close or OnCanEditCell refuses.
    void ShowFixedCellEditor(int ACol, int ARow);
    // The open fixed-cell editor, null when none.
    TWinControl* FixedCellEditor();
    TDblClickCellEvent OnDblClickCell;
    // (row, column); -1 outside the cells.
    TClickCellEvent OnRightClickCell;
    TColumnSizeEvent OnColumnSize;
    TEndColumnSizeEvent OnEndColumnSize;
    // May change the kind of editor and the combo's values.
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>
        OnFixedEdit;
    // Form controls in HTML cells, (row, column): a click, with the value
    // from before it, and the end of an edit, with the new value.
    using TControlEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string CtrlID,
                                             std::string CtrlType, std::string CtrlVal)>;
    TControlEvent OnControlClick;
    TControlEvent OnControlEditDone;
    // Fills a COMBO control's list; Edit lets its text be typed.
    std::function<void(TObject* Sender, int ARow, int ACol, std::string CtrlID, std::string CtrlType,
                       std::string CtrlVal, TStrings* Values, bool& Edit, int& DropCount)>
        OnControlComboList;
    std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex, std::string CtrlID, std::string CtrlValue)>
        OnControlComboSelect;
    // The open editor of a form control in a cell, null when none; closing
    // it writes its text into the control.
    TWinControl* CellControlEditor();
    void EndCellControlEdit();

protected:
    void DrawFilterButton(TCanvas& ACanvas, int ACol, const TRect& ARect);
    void WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double) override;
    void CMWantSpecialKey(TMessage& Message) override;

private:
    friend class grid::TFilterDropDownPopup;
    friend class grid::TFixedCellEditor;
    friend class grid::TCellControlEditor;
    grid::TFormsState& Forms();
    // A press elsewhere closed the filter list.
    void DismissFilterDropDown();
    // Keys and characters reach the open filter list through the grid,
    // which keeps the focus; True when the list took the key.
    bool FilterListKey(unsigned short Key, TShiftState Shift);
    bool FilterListChar(char32_t Key);
    bool FilterListKeyUp(unsigned short Key);
    // A left release on a filter button opens its list; True when the
    // release lay on a filter button (it then sorts nothing).
    bool FilterButtonRelease(int X, int Y);
    // Whether a header release belongs to a filter button or ends a double
    // click that fitted a column: it then sorts nothing.
    bool HeaderReleaseTaken(int X, int Y);
    void DoubleClickAt(TMessage& Message, int X, int Y);
    void OpenEditorByDoubleClick(TGridCoord Cell);
    // A press that opens a fixed cell's editor by MouseActions.
    void FixedCellPress(TMouseButton Button, int X, int Y);
    grid::TFixedCellEditor& FixedEditor();
    grid::TCellControlEditor& ControlEditor();
    // A left press on a form control in an HTML cell works the control;
    // True when it did (nothing else answers the press then).
    bool PressCellControl(int X, int Y);
    // A press on a link in the cell (display column) opens it.
    void PressCellLink(int ACol, int ARow, int X, int Y);
    bool HitTestHTMLCell(int ACol, int ARow, int X, int Y, THTMLRenderResult& Result);
    // The release of a held BUTTON control.
    void ReleaseCellButton();
    // Where a cell's text is laid out inside ARect.
    TRect CellTextRect(int ACol, int ARow, TRect ARect);
    std::unique_ptr<grid::TFormsState, grid::TFormsStateDeleter> FFormsState;

    // Hover and links: the row and the
    // cell button under the pointer lit, links underlined while the pointer
    // is on them, anchors entered and left, addresses edited by a right press.
public:
    bool URLUnderlineOnHover() const noexcept;
    void SetURLUnderlineOnHover(bool Value);
    bool URLEdit() const noexcept;
    void SetURLEdit(bool Value) noexcept;
    // The row painted in HoverRowColor; -1 when none.
    int HoverRowIndex() const noexcept { return FHoverRowIdx; }
    // The cell whose button is drawn hot; (-1, -1) when none.
    TGridCoord HoverButton() const noexcept;
    grid::TAnchorEvent OnAnchorEnter;
    grid::TAnchorEvent OnAnchorExit;
    // Balloon tips: with Balloon().Enable, a
    // window with a title and the cell's text shows after the pointer rests on a cell.
    void BalloonInit();
    void BalloonDone();
    // The balloon shown now; null when none.
    THintWindow* BalloonWindow() const noexcept;
    grid::TGridBalloonEvent OnCellBalloon;

private:
    void TrackHover(int X, int Y);
    void TrackHoverRow(int ARow);
    void TrackHoverButton(TGridCoord Cell, int X, int Y);
    void TrackCellLinks(TGridCoord Cell, int X, int Y);
    void SetHoverLink(TGridCoord Cell, int Link);
    void LeaveAnchor(TGridCoord Cell);
    // The pointer left the grid: nothing stays lit.
    void ClearHover();
    // Where the cell's graphic is drawn.
    TRect CellGraphicRect(int ACol, int ARow);
    // A right press on an address opens the cell's editor on it.
    void EditURLCell(TGridCoord Cell);
    // Makes the (base) cell current and opens its in-place editor.
    void ShowEditorAt(TPoint Base);
    // The cell (real column, row) of the BUTTON control held down; (-1, -1) when none.
    TPoint HeldCellButton() const noexcept;
    std::unique_ptr<grid::THoverState> FHover;
    std::unique_ptr<grid::TGridBalloon, grid::TGridBalloonDeleter> FBalloonTip;

    // Pointer feedback: cell hints, the cursor of each
    // region, fixed cells pressed like buttons, sorting by several headers,
    // wheel panning and the fill handle.
public:
    // Hints over cells: every cell's text, only texts that do not fit, the
    // size while a column or row is sized, HTML shown as HTML, the title of
    // the link under the pointer. They need ShowHint.
    bool HintShowCells() const noexcept;
    void SetHintShowCells(bool Value) noexcept;
    bool HintShowLargeText() const noexcept;
    void SetHintShowLargeText(bool Value) noexcept;
    bool HintShowSizing() const noexcept;
    void SetHintShowSizing(bool Value) noexcept;
    bool HTMLHint() const noexcept;
    void SetHTMLHint(bool Value) noexcept;
    bool AnchorHint() const noexcept;
    void SetAnchorHint(bool Value) noexcept;
    bool UseInternalHintClass() const noexcept;
    void SetUseInternalHintClass(bool Value) noexcept;
    // Answers the hint request for the point in HintInfo.CursorPos.
    void GetCellHintInfo(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);
    // The window of the sizing hint; null before the first sizing with HintShowSizing.
    THintWindow* SizingHintWindow() const noexcept;
    // Whether HoverFixedCells covers the cell.
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // Hover of fixed cells stops while a fixed cell's drop-down menu is open.
    void SuspendFixedHover(bool Value);
    TMouseSelectMode MouseSelectMode() const noexcept;
    // Header cells drawn sunken while pressed (with the fixed grid lines).
    bool FixedAsButtons() const noexcept;
    void SetFixedAsButtons(bool Value) noexcept;
    TGridCoord PushedFixedCell() const noexcept;
    // The wheel: off with EnableWheel, Ctrl+wheel zoom with IntelliZoom, and
    // panning while the wheel button is pressed in the directions IntelliPan allows.
    bool EnableWheel() const noexcept;
    void SetEnableWheel(bool Value) noexcept;
    bool IntelliZoom() const noexcept;
    void SetIntelliZoom(bool Value) noexcept;
    TIntelliPan IntelliPan() const noexcept;
    void SetIntelliPan(TIntelliPan Value) noexcept;
    bool Panning() const noexcept;
    // A frame around the selection and, with SelectionResizer, the fill
    // handle at its corner: dragging it grows the selection and fills it.
    bool SelectionRectangle() const noexcept;
    void SetSelectionRectangle(bool Value);
    bool SelectionResizer() const noexcept;
    void SetSelectionResizer(bool Value);
    // Whether the point lies on the fill handle.
    bool OverFillHandle(int X, int Y);
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    // The zoom steps taken; cells paint their fonts this many points larger.
    int ZoomFactor() const noexcept;
    TAnchorHintEvent OnAnchorHint;
    TGridHintEvent OnGridHint;
    TGetCellCursorEvent OnGetCellCursor;

protected:
    void CMHintShow(TMessage& Message) override;
    virtual void DoGridHint(int ACol, int ARow, std::string& HintStr);
    // The cursor for the cell (display column) under (X, Y), starting from ACursor.
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y, TCursor& ACursor);

private:
    // The cursor the pointer at (X, Y) asks for, shown at once.
    void UpdatePointerCursor(int X, int Y);
    void ShowGridCursor(TCursor Value);
    TMouseSelectMode SelectModeAt(int X, int Y);
    void TrackHintCell(int X, int Y);
    void BeginSizingHint(int X, int Y);
    void ShowSizingHint(int X, int Y);
    void EndSizingHint();
    void PressFixedButton(int X, int Y);
    void ReleaseFixedButton(int X, int Y);
    void DrawPushedFixedCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect);
    bool PanMessage(TMessage& Message);
    void StartPanning(TPoint At);
    void EndPanning();
    void PanStep();
    void InvalidatePanIndicator();
    void DrawPanIndicator(TCanvas& ACanvas);
    void DisjunctCellPress(TShiftState Shift, int X, int Y);
    TRect FillHandleRect();
    bool FillHandlePress(int X, int Y);
    bool FillHandleRelease();
    void DrawFillHandle(TCanvas& ACanvas);
    void DisjunctCellRelease(TShiftState Shift, int X, int Y);
    std::unique_ptr<grid::TPointerState> FPointer;

private:
    // Files (grid/files).
    grid::TFileSettings FFileSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::string HTMLCellLine(int ACol, int ARow, bool Header, bool Widths, std::vector<std::string>& Classes,
                             grid::files::THtmlImageWriter& Images);
    // The table; its cells' pictures go to Images when that writes any.
    std::string HTMLTable(grid::files::THtmlImageWriter& Images);
    void SaveHTMLFile(const std::string& FileName, bool Unicode, std::string Earlier);
    void CopyRectToClipboard(const TGridRect& R);
    void CutRect(const TGridRect& R);
    // Pastes the clipboard at a cell (the grid's cells, rich text or text);
    // the number of cells and the block's size.
    int PasteAt(int ACol, int ARow, int& BlockCols, int& BlockRows);
    int PasteTextAt(int ACol, int ARow, int& BlockCols, int& BlockRows);
    // Pastes tab-separated text as the clipboard's text paste does.
    int PasteTextBlock(int ACol, int ARow, const std::string& Text, int& BlockCols, int& BlockRows);
    int PasteCellsAt(int ACol, int ARow, const std::string& Bytes, int& BlockCols, int& BlockRows);
    // Stores a pasted value through the paste events when the cell may be written.
    bool PasteThroughEvents(int ACol, int ARow, std::string Value, bool Events = true);
    bool ClipboardMayWrite(int ACol, int ARow);
    void FillWithTopLeft(const TGridRect& R);
    void SmartFill(const TGridRect& R, int Pasted);
    // Loads a cell stream; AsBlock places its cells from the first one on at
    // Point and never resizes or clears the grid, as pastes and drops do.
    void LoadCellStream(const TPoint& Point, std::string_view Bytes, bool AsBlock);
    // The top-left cell of the last copy, the last operation, and what tells
    // this grid's cells on the clipboard from others'.
    TPoint FClipboardOrigin{-1, -1};
    TClipOperation FLastClipOp = coCopy;
    std::size_t FCellsCopyHash = 0;
    // The INI file or registry view ColumnSize() names; null when Key or Section is empty.
    std::unique_ptr<TCustomIniFile> OpenColumnStore();
    void ApplyColumnOrder(const std::vector<int>& Order);
    // Reports progress through OnFileProgress when the whole percentage changed.
    void ReportFileProgress(int& Last, double Fraction);
    void LoadCSVText(std::string_view Text, int MaxRows, bool Insert);
    std::string CSVText();
    std::string ASCIIText();
    // The longest line of a column's saved texts in characters.
    int MaxSavedTextLength(int ACol);

private:
    // What the settings objects the grid owns ask of it.
    void RepaintWholeGrid() override;
    void RepaintGridCell(int Col, int Row) override;
    void RepaintGridRow(int Row) override;
    int GridFixedRows() const override;
    void SetGridFixedGradient(grid::TFixedGradient Which, TColor Value) override;
    bool GridHasParent() const override;
    void StretchGridColumn(int Col) override;
    bool GridDesigning() const override;
    bool GridDropTargetRegistered() const override;
    void RegisterGridDropTarget() override;
    void RevokeGridDropTarget() override;
    void SetGridOleRTFSupport(bool Value) override;
    TSortIndexList& GridSortIndexes() override;
    void SortGridByColumn() override;
    void SortGridByIndexes() override;
};
