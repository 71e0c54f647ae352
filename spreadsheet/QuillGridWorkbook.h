// A workbook of several grid sheets: one grid shows the active sheet, every other
// sheet is kept as a binary grid stream with its position and sizes, and a tab set
// along the bottom switches between them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/QuillGrid.h"
#include "grid/base/AuxLists.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Streams.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/TabSet.h"

class TQuillGridWorkbook;

using TSheetChangeEvent = std::function<void(TObject* Sender, int NewSheet, bool& AllowChange)>;

class TGridSheet : public TCollectionItem {
    VISTRA_CLASS(TGridSheet, TCollectionItem)

    explicit TGridSheet(TCollection* Collection);
    ~TGridSheet() override;

    // The sheet's grid as a binary grid stream; empty until the sheet is first left.
    TMemoryStream& Data() noexcept { return FData; }
    int Tag() const noexcept { return FTag; }
    void SetTag(int Value) noexcept { FTag = Value; }
    const std::string& Name() const noexcept { return FName; }
    void SetName(const std::string& Value);
    int Col() const noexcept { return FCol; }
    void SetCol(int Value) noexcept { FCol = Value; }
    int Row() const noexcept { return FRow; }
    void SetRow(int Value) noexcept { FRow = Value; }
    int LeftCol() const noexcept { return FLeftCol; }
    void SetLeftCol(int Value) noexcept { FLeftCol = Value; }
    int TopRow() const noexcept { return FTopRow; }
    void SetTopRow(int Value) noexcept { FTopRow = Value; }
    TIntList& ColWidths() noexcept { return FColWidths; }
    TIntList& RowHeights() noexcept { return FRowHeights; }
    int SortColumn() const noexcept { return FSortColumn; }
    void SetSortColumn(int Value) noexcept { FSortColumn = Value; }
    std::string DisplayName() const override { return FName; }

private:
    void NotifyCollection();

    TMemoryStream FData;
    int FTag = 0;
    std::string FName;
    int FCol = 0;
    int FRow = 0;
    int FLeftCol = 0;
    int FTopRow = 0;
    TIntList FColWidths{0, 0};
    TIntList FRowHeights{0, 0};
    int FSortColumn = -1;
};

class TGridSheetCollection : public TCollection {
    VISTRA_CLASS(TGridSheetCollection, TCollection)

    explicit TGridSheetCollection(TQuillGridWorkbook* AOwner);
    ~TGridSheetCollection() override;
    TGridSheet* Add() { return static_cast<TGridSheet*>(TCollection::Add()); }
    TGridSheet* Insert(int Index) { return static_cast<TGridSheet*>(TCollection::Insert(Index)); }
    TGridSheet* GetItem(int Index) const { return static_cast<TGridSheet*>(Items(Index)); }
    void SetItem(int Index, const TGridSheet* Value) { SetItems(Index, Value); }
    // Removes every sheet through the workbook, one at a time.
    void Clear();

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override;
    void Update(TCollectionItem* Item) override;

private:
    friend class TGridSheet;
    TQuillGridWorkbook* FOwner;
};

// The look of the sheet tabs; every change fires OnChange.
class TTabLook : public TPersistent {
    VISTRA_CLASS(TTabLook, TPersistent)

    TTabLook();
    TFont& Font() noexcept { return *FFont; }
    TColor SelectColor() const noexcept { return FSelectColor; }
    void SetSelectColor(TColor Value);
    TColor UnSelectColor() const noexcept { return FUnSelectColor; }
    void SetUnSelectColor(TColor Value);
    bool DitherBackground() const noexcept { return FDitherBackground; }
    void SetDitherBackground(bool Value);
    TColor BackgroundColor() const noexcept { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value);

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TFont> FFont;
    TColor FSelectColor = clBtnFace;
    TColor FUnSelectColor = clWhite;
    bool FDitherBackground = true;
    TColor FBackgroundColor = clBtnFace;
};

class TQuillGridWorkbook : public TCustomControl {
    VISTRA_CLASS(TQuillGridWorkbook, TCustomControl)

    explicit TQuillGridWorkbook(TComponent* AOwner);
    ~TQuillGridWorkbook() override;

    int ActiveSheet() const noexcept { return FActiveSheet; }
    void SetActiveSheet(int Value);
    TGridSheetCollection& Sheets() noexcept { return *FSheets; }
    void SetSheets(const TGridSheetCollection& Value) { FSheets->Assign(&Value); }
    TTabLook& TabLook() noexcept { return *FTabLook; }
    // 3.3.1.0; writing it does nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    virtual int GetVersionNr();

    // The grid, made with the workbook's set-up on first use outside loading.
    TQuillStringGrid* Grid();
    TTabSet* TabSet() const noexcept { return FTabSet; }

    void AddSheet(const std::string& SheetName);
    void InsertSheet(int Index, const std::string& SheetName);
    void RemoveSheet(int Index);

    // The one-time set-up: the grid (adopted from the children or made), the
    // tabs and the default sizes. Runs when the window is made, or at first use.
    void EnsureCreated();

    TSheetChangeEvent OnSheetChange;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void SetName(const std::string& Value) override;
    void CreateWnd() override;
    void Paint() override;
    virtual void SheetsChanged(TObject* Sender);
    // The class of grid the workbook makes.
    virtual TQuillStringGrid* CreateGrid();
    // Saves the grid into the active sheet's stream, position and sizes.
    void SaveActiveSheet();
    // Called once a sheet has been loaded into the grid.
    virtual void ActiveSheetChanged() {}

private:
    friend class TGridSheetCollection;
    void SyncTabs();
    void ApplyTabLook();
    void TabSetChange(int NewTab, bool& AllowChange);
    void LoadSheet(int Index);

    TTabSet* FTabSet = nullptr;
    TQuillStringGrid* FGrid = nullptr;
    int FActiveSheet = 0;
    bool FAutoCreated = false;
    bool FWinCreated = false;
    std::unique_ptr<TGridSheetCollection> FSheets;
    int FDefaultColCount = 0;
    int FDefaultRowCount = 0;
    int FDefaultRowHeight = 0;
    int FDefaultColWidth = 0;
    std::unique_ptr<TTabLook> FTabLook;
    bool FChangingSheet = false;
};
