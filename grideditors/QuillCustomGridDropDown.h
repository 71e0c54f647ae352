// A drop-down edit whose popup holds a whole string grid. The list comes
// from the drop-down's own Items and Columns, copied into the grid at every
// opening (UseItems), or from the grid itself, filled by the application
// (GetColGrid). Typing finds the first entry that begins with what was
// typed, or narrows the rows down to those that do; a header click sorts
// when Sorting asks for it; the grid's events reach the application as the
// drop-down's OnGrid... events.
//
// The edit keeps the keyboard while the popup is open: the list's keys
// (arrows, pages, Home, End) are handed to the grid, characters search it,
// Enter takes the current row and Esc returns to the entry chosen before.
#pragma once

#include <memory>
#include <string>

#include "controls/dropdown/QuillDropDown.h"
#include "grid/QuillGrid.h"
#include "grideditors/GridDropDownItems.h"

class TBands;
class TMouseActions;
class TNavigation;
class TSearchFooter;

namespace grideditors {

class TCustomQuillGridDropDown;

enum TLookupMethod { lmLookup, lmNarrowDown };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

// The grid in the popup.
class TQuillColGrid : public TQuillStringGrid {
    VISTRA_CLASS(TQuillColGrid, TQuillStringGrid)

    explicit TQuillColGrid(TComponent* AOwner);

    TDropDownColumns& Columns() const noexcept { return *FColumns; }
    TColor LineColor() const noexcept { return FLineColor; }
    void SetLineColor(TColor Value) noexcept { FLineColor = Value; }
    TColor FixedLineColor() const noexcept { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) noexcept { FFixedLineColor = Value; }
    TColor HeaderColor() const noexcept { return FHeaderColor; }
    void SetHeaderColor(TColor Value) noexcept { FHeaderColor = Value; }
    TColor HeaderColorTo() const noexcept { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) noexcept { FHeaderColorTo = Value; }
    int HeaderHeight() const noexcept { return FHeaderHeight; }
    void SetHeaderHeight(int Value) noexcept { FHeaderHeight = Value; }
    TFont& HeaderFont() const noexcept { return *FHeaderFont; }
    // The line width the drop-down asked for; the grid paints its lines by
    // its own look.
    int ColGridLineWidth() const noexcept { return FGridLineWidth; }
    void SetColGridLineWidth(int Value);
    const TImageList* Images() const noexcept { return FImages; }
    void SetImages(const TImageList* Value) noexcept { FImages = Value; }
    TNotifyEvent OnSelect;

    // Takes the drop-down's settings and, with UseItems, its row count.
    void LoadGrid(TCustomQuillGridDropDown* DropDown);
    // Fills the rows from the drop-down's items; each row's first cell
    // keeps its item's index, so sorting and narrowing keep the link.
    void LoadItems();
    using TQuillStringGrid::AutoSizeColumns;
    using TQuillStringGrid::AutoSizeRows;
    // The AutoSize columns sized to their items; rows of word-wrapped
    // columns to their texts.
    void AutoSizeColumns();
    void AutoSizeRows();
    // The width that shows every column.
    int ContentWidth() const;
    // The item a row shows, and the first data row showing an item.
    int ItemOfRow(int ARow) const;
    int RowOfItem(int Index) const;

    bool ConfirmSelection() const noexcept { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) noexcept { FConfirmSelection = Value; }
    bool MouseWheelSelection() const noexcept { return FMouseWheelSelection; }

    TCustomQuillGridDropDown* DropDown() const noexcept { return FQuillDropDown; }

protected:
    virtual void DoSelect();
    bool HandleSelectCell(int ACol, int ARow) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool HandleWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& Message) override;
    void HandleTopLeftChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TCustomQuillGridDropDown;
    TCustomQuillGridDropDown* FQuillDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = static_cast<TColor>(0xFFFFFF), FHeaderColorTo = static_cast<TColor>(0x808080);
    TColor FLineColor = static_cast<TColor>(0x808080), FFixedLineColor = static_cast<TColor>(0x808080);
    const TImageList* FImages = nullptr;
    int FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    int FGridLineWidth = 1;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

class TCustomQuillGridDropDown : public controls::TQuillCustomDropDown {
    VISTRA_CLASS(TCustomQuillGridDropDown, controls::TQuillCustomDropDown)

    explicit TCustomQuillGridDropDown(TComponent* AOwner);
    ~TCustomQuillGridDropDown() override;

    std::uint32_t GetVersionNr() const override { return 0x06000000; }

    TDropDownColumns& Columns() const noexcept { return *FColumns; }
    void SetColumns(const TDropDownColumns& Value) { FColumns->Assign(&Value); }
    TDropDownItems& Items() const noexcept { return *FItems; }
    void SetItems(const TDropDownItems& Value) { FItems->Assign(&Value); }
    // The chosen entry: an item index with UseItems, else a data row
    // counted from 0; -1 none.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    // The number of items.
    int RowCount() const noexcept { return FItems->Count(); }
    int LookupColumn() const noexcept { return FLookupColumn; }
    void SetLookupColumn(int Value) noexcept { FLookupColumn = Value; }
    TLookupMethod LookupMethod() const noexcept { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) noexcept { FLookupMethod = Value; }
    bool UseItems() const noexcept { return FUseItems; }
    void SetUseItems(bool Value) noexcept { FUseItems = Value; }
    TDropDownStyle Style() const noexcept { return FStyle; }
    void SetStyle(TDropDownStyle Value);
    bool AutoShowDropDown() const noexcept { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) noexcept { FAutoShowDropDown = Value; }
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) noexcept { FCaseSensitive = Value; }
    bool MatchCase() const noexcept { return FMatchCase; }
    void SetMatchCase(bool Value) noexcept { FMatchCase = Value; }
    bool DropDownAutoWidth() const noexcept { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) noexcept { FDropDownAutoWidth = Value; }
    int DropDownRowHeight() const noexcept { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) noexcept { FDropDownRowHeight = Value; }
    TColor LineColor() const noexcept { return FLineColor; }
    void SetLineColor(TColor Value) noexcept { FLineColor = Value; }
    TColor FixedLineColor() const noexcept { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) noexcept { FFixedLineColor = Value; }
    TColor HeaderColor() const noexcept { return FHeaderColor; }
    void SetHeaderColor(TColor Value) noexcept { FHeaderColor = Value; }
    TColor HeaderColorTo() const noexcept { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) noexcept { FHeaderColorTo = Value; }
    int HeaderHeight() const noexcept { return FHeaderHeight; }
    void SetHeaderHeight(int Value) noexcept { FHeaderHeight = Value; }
    TFont& HeaderFont() const noexcept { return *FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(&Value); }
    TColor SelectionTextColor() const noexcept { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) noexcept { FSelectionTextColor = Value; }
    bool ColumnSizing() const noexcept { return FColumnSizing; }
    void SetColumnSizing(bool Value) noexcept { FColumnSizing = Value; }
    bool ColumnMoving() const noexcept { return FColumnMoving; }
    void SetColumnMoving(bool Value) noexcept { FColumnMoving = Value; }
    bool RowSizing() const noexcept { return FRowSizing; }
    void SetRowSizing(bool Value) noexcept { FRowSizing = Value; }
    bool RowMoving() const noexcept { return FRowMoving; }
    void SetRowMoving(bool Value) noexcept { FRowMoving = Value; }
    bool ColumnSizeWithDropDown() const noexcept { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) noexcept { FColumnSizeWithDropDown = Value; }
    bool RowSelect() const noexcept { return FRowSelect; }
    void SetRowSelect(bool Value) noexcept { FRowSelect = Value; }
    bool HoverRow() const noexcept { return FHoverRow; }
    void SetHoverRow(bool Value) noexcept { FHoverRow = Value; }
    TColor HoverRowColor() const noexcept { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) noexcept { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const noexcept { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) noexcept { FHoverRowColorTo = Value; }
    TGridSorting Sorting() const noexcept { return FSorting; }
    void SetSorting(TGridSorting Value) noexcept { FSorting = Value; }
    bool GridEditable() const noexcept { return FGridEditable; }
    void SetGridEditable(bool Value) noexcept { FGridEditable = Value; }
    const TImageList* GridImages() const noexcept { return FGridImages; }
    void SetGridImages(const TImageList* Value);
    TSearchFooter& SearchFooter() const noexcept { return *FSearchFooter; }
    void SetSearchFooter(const TSearchFooter& Value);
    TBands& Bands() const noexcept { return *FBands; }
    void SetBands(const TBands& Value);
    TNavigation& Navigation() const noexcept { return *FNavigation; }
    void SetNavigation(const TNavigation& Value);
    TMouseActions& MouseActions() const noexcept { return *FMouseActions; }
    void SetMouseActions(const TMouseActions& Value);

    void BeginUpdate() {}
    // Rebuilds the list typing completes from.
    void EndUpdate() { RebuildLookupList(); }
    void Loaded() override;
    // The inner grid, made with the popup.
    TQuillColGrid* GetColGrid() const noexcept { return FQuillColGrid; }
    void SetComponentStyle(TQORStyle AStyle) override;
    void SetSelectionColorStyle(controls::TSelectionColorStyle Value) override;

    // Steps through the entries (through ItemIndex).
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    TNotifyEvent OnSelect;
    // The inner grid's events, forwarded (the grid is the sender unless said).
    TAnchorClickEvent OnGridAnchorClick;
    grid::TAnchorEvent OnGridAnchorEnter, OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TButtonClickEvent OnGridButtonClick;
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TCustomCellDrawEvent OnGridCustomCellDraw;
    grid::TGridBalloonEvent OnGridCellBalloon;
    TGridAlignEvent OnGridGetAlignment;
    TGetEditorTypeEvent OnGridGetEditorType;
    TClickCellEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown, OnGridMouseUp;
    TKeyEvent OnGridKeyDown, OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    // The drop-down is the sender.
    TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertColEvent OnGridInsertCol;
    TCanAddRowEvent OnGridCanAddRow;
    TCheckBoxClickEvent OnGridCheckBoxClick;

    static constexpr int DefaultDropDownRowHeight = 22;
    static constexpr int DefaultHeaderHeight = 25;

protected:
    virtual TDropDownItems* CreateDropDownItems(TPersistent* AOwner);
    virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, std::string Anchor, bool& AutoHandle);
    virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, std::string Anchor);
    virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, std::string Anchor);
    virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, std::string& Anchor);
    virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
    virtual void DoGridCanSort(TObject* Sender, int ACol, bool& DoSort);
    virtual void DoGridClickSort(TObject* Sender, int ACol);
    virtual void DoGridCustomCompare(TObject* Sender, std::string Str1, std::string Str2, int& Res);
    virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize);
    virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
    virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowSizing(TObject* Sender, int ARow, int RowSize);
    virtual void DoGridEndRowSize(TObject* Sender, int ARow);
    virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                      const TRect& ARect, bool Printing);
    virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                                   int& AIcon);
    virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGridGetEditorProp(TObject* Sender, int ARow, int ACol);
    virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S);
    virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, std::string& Value);
    virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& APrefix,
                                 std::string& ASuffix);
    virtual void DoGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
    virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridKeyDown(TObject* Sender, unsigned short& Key, TShiftState Shift);
    virtual void DoGridKeyUp(TObject* Sender, unsigned short& Key, TShiftState Shift);
    virtual void DoGridKeyPress(TObject* Sender, char32_t& Key);
    virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DoGridScrollHint(TObject* Sender, int ARow, std::string& HintStr);
    virtual void DoGridTopLeftChanged(TObject* Sender);
    virtual void DoGridSearchEditChange(TObject* Sender, std::string Value, bool& DefaultSearch);
    virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
    virtual void DoGridInsertCol(TObject* Sender, int ACol);
    virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void ControlKeyDown(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyUp(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void FormSizing() override;
    void SelectionWheelDown() override;
    void SelectionWheelUp() override;

    void Change() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMChar(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TQuillColGrid;
    // The first entry whose lookup text begins with Text: its index (item
    // or grid row) and its text; -1 none.
    int FindLookupItem(const std::string& Text, std::string& Found) const;
    // Searches for Ch added to what was typed into the open list; the item
    // index, grid row or first remaining row found, -1 none.
    int LookupKey(char32_t Ch);
    // Makes a row found by typing the grid's current row.
    void ShowLookupRow(int Result);
    void RebuildLookupList();
    void SizeColumnsToDropDown();
    int EntryCount() const;
    std::string LookupText(int Item) const;
    void ShowText(const std::string& Value);
    // Follows the grid: the current row moved, or a row was chosen.
    void HandleGridSelectCell(int ARow);
    void HandleGridSelect();
    void HandleCanSort(TObject* Sender, int ACol, bool& DoSort);
    void HandleClickSort(TObject* Sender, int ACol);
    void HandleGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
    void AttachGridEvents();
    // Runs a forwarded event with the popup kept open, for a window the
    // handler may open.
    template <class Fn> void KeepingPopupOpen(Fn&& Run);

    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    TQuillColGrid* FQuillColGrid = nullptr;
    int FLookupColumn = 0;
    int FItemIndex = -1, FOldItemIndex = -1, FTempItemIndex = -1;
    int FSelRow = 0;
    TColor FHeaderColor = static_cast<TColor>(0xFFFFFF), FHeaderColorTo = static_cast<TColor>(0x808080);
    TColor FLineColor = static_cast<TColor>(0xC0C0C0), FFixedLineColor = clNone;
    int FHeaderHeight = DefaultHeaderHeight;
    bool FColumnSizing = false, FColumnMoving = false, FRowSizing = false, FRowMoving = false;
    bool FColumnSizeWithDropDown = true, FDropDownAutoWidth = true;
    int FDropDownRowHeight = DefaultDropDownRowHeight;
    TColor FSelectionTextColor = clBlack;
    bool FCaseSensitive = false, FMatchCase = false;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = -1, FItemSel = 0;
    std::string FLookupEntry;
    TLookupMethod FLookupMethod = lmLookup;
    bool FUseItems = true;
    bool FRowSelect = true;
    TDropDownStyle FStyle = dsDropDown;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk, FHoverRowColorTo = clNone;
    TGridSorting FSorting = gsNone;
    bool FGridEditable = false;
    const TImageList* FGridImages = nullptr;
    bool FAutoShowDropDown = false;
    bool FBalloonInit = false;
    bool FCompleting = false;
};

} // namespace grideditors
