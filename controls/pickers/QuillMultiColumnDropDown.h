// A drop-down whose popup lists items in several columns under a header row.
// Each item holds one text per column and an optional image; the lookup
// column's text is what the edit shows and what typing completes. The popup
// hosts a small grid that paints the items itself.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/QuillDropDown.h"
#include "platform/classes/Collection.h"
#include "platform/ui/grids/StringGrid.h"

class TStringList;

namespace controls {

enum TColumnType { ctText, ctImage };

class TDropDownColumn : public TCollectionItem {
    VISTRA_CLASS(TDropDownColumn, TCollectionItem)

    explicit TDropDownColumn(TCollection* Collection);
    ~TDropDownColumn() override;

    int Width = 80;
    TColor Color = clWhite;
    TAlignment Alignment = taLeftJustify;
    bool Ellipsis = false;
    TColumnType ColumnType = ctText;
    std::string Header;
    bool Wordwrap = false;
    // The width follows the content when the list is loaded.
    bool AutoSize = false;
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value);
    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TFont> FFont;
};

class TDropDownColumns : public TOwnedCollection {
    VISTRA_CLASS(TDropDownColumns, TOwnedCollection)

    explicit TDropDownColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TDropDownColumn>()) {}
    TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
    TDropDownColumn* Insert(int Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
    TDropDownColumn* Items(int Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
    void SetItem(int Index, const TDropDownColumn& Value) { Items(Index)->Assign(&Value); }
};

class TDropDownItem : public TCollectionItem {
    VISTRA_CLASS(TDropDownItem, TCollectionItem)

    explicit TDropDownItem(TCollection* Collection);
    ~TDropDownItem() override;

    int ImageIndex = -1;
    // One string per column, in column order.
    TStringList& Text() const noexcept { return *FText; }
    void SetText(const TStrings& Value);
    // The string of a column; false when the item has none there.
    bool TextAt(int Column, std::string& Value) const;
    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TStringList> FText;
};

class TDropDownItems : public TOwnedCollection {
    VISTRA_CLASS(TDropDownItems, TOwnedCollection)

    explicit TDropDownItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TDropDownItem>()) {}
    TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
    TDropDownItem* Insert(int Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
    TDropDownItem* Items(int Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
    void SetItem(int Index, const TDropDownItem& Value) { Items(Index)->Assign(&Value); }
    // The first item whose string at Column equals Value exactly; -1 none.
    int IndexInColumn(int Column, const std::string& Value) const;
};

class TQuillMultiColumnDropDown;

using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TDropDownDrawItemEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas& Canvas, TRect Rect)>;

// The popup's list: a string grid that paints the drop-down's items itself.
class TQuillColGrid : public TStringGrid {
    VISTRA_CLASS(TQuillColGrid, TStringGrid)

    explicit TQuillColGrid(TComponent* AOwner);
    ~TQuillColGrid() override;

    void SetDropDown(TQuillMultiColumnDropDown* Value) noexcept { FQuillDropDown = Value; }
    TDropDownColumns& Columns() const noexcept { return *FColumns; }
    TColor LineColor = 0xC0C0C0, FixedLineColor = clGray, HeaderColor = clWhite, HeaderColorTo = clGray;
    int HeaderHeight = 25;
    TFont& HeaderFont() const noexcept { return *FHeaderFont; }
    const TImageList* Images = nullptr;
    // Its own line width; the platform grid's stays 0 and the cells paint their lines.
    int GridLineWidth() const noexcept { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    bool ConfirmSelection() const noexcept { return FConfirmSelection; }

    // The current row is chosen: Enter, or a mouse release on a data row.
    virtual void DoSelect();
    TNotifyEvent OnSelect;
    std::function<void(int Row)> OnRowChanged;

    void AutoSizeColumns();
    void AutoSizeRows();

protected:
    void HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool HandleSelectCell(int ACol, int ARow) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    friend class TQuillMultiColumnDropDown;
    TQuillMultiColumnDropDown* FQuillDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TFont> FHeaderFont;
    int FGridLineWidth = 1;
    bool FMouseWheelSelection = false, FConfirmSelection = false;
};

class TQuillMultiColumnDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillMultiColumnDropDown, TQuillCustomDropDown)

    explicit TQuillMultiColumnDropDown(TComponent* AOwner);
    ~TQuillMultiColumnDropDown() override;

    TDropDownColumns& Columns() const noexcept { return *FColumns; }
    void SetColumns(const TDropDownColumns& Value) { FColumns->Assign(&Value); }
    TDropDownItems& Items() const noexcept { return *FItems; }
    void SetItems(const TDropDownItems& Value) { FItems->Assign(&Value); }
    // The item chosen; -1 none. A value past the items is ignored.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    int LookupColumn() const noexcept { return FLookupColumn; }
    void SetLookupColumn(int Value) noexcept { FLookupColumn = Value; }
    int RowCount() const { return FItems->Count(); }
    // The first item whose lookup text equals Value; -1 none.
    int GetItemIndex(const std::string& Value) const;
    void BeginUpdate() {}
    void EndUpdate() { RebuildLookupList(); }

    TColor HeaderColor = clWhite, HeaderColorTo = clGray;
    int HeaderHeight = 25;
    TFont& HeaderFont() const noexcept { return *FHeaderFont; }
    void SetHeaderFont(const TFont& Value);
    TColor LineColor = 0xC0C0C0, FixedLineColor = clGray;
    bool ColumnSizing = false;
    bool ColumnSizeWithDropDown = true;
    bool DropDownAutoWidth = true;
    int DropDownRowHeight = 22;
    TColor SelectionTextColor = clBlack;
    // The open list's search compares letter case.
    bool CaseSensitive = false;
    // The edit's completion compares letter case.
    bool MatchCase = false;

    TQuillColGrid* Grid() const noexcept { return FQuillColGrid; }
    const TStringList& LookupItems() const noexcept { return *FLookupItems; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    void Assign(const TPersistent* Source) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TQORStyle AStyle) override;

    // The widths of the columns scaled to fill Available pixels, the rounding
    // error carried from column to column.
    static std::vector<int> ScaledWidths(const std::vector<int>& Widths, int Available);

    TNotifyEvent OnSelect;
    TDropDownDrawItemEvent OnDropDownDrawItem;
    TGetCellTextEvent OnDropDownGetItemText;

protected:
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
    void Loaded() override;
    void Change() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyUp(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMChar(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    friend class TQuillColGrid;
    void LoadGrid();
    void RebuildLookupList();
    void SizeColumnsToDropDown();
    void HandleGridSelectCell(int Row);
    void HandleGridSelect();
    int LookupKey(char32_t Ch);
    int FindLookupItem(const std::string& Entry);
    std::string LookupText(int Index) const;
    std::string Upper(const std::string& Text, bool KeepCase) const;
    void StepTo(int Index);

    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    int FLookupColumn = 0;
    int FItemIndex = -1, FOldItemIndex = -1;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TFont> FHeaderFont;
    bool workmode = true;
    bool FItemChange = false;
    int FItemIdx = -1, FItemSel = 0;
    std::string FLookupEntry;
    bool FShowing = false;
    bool FCompleting = false;
    TQuillColGrid* FQuillColGrid = nullptr;
};

} // namespace controls
