// The palette of colour boxes a colour drop-down hosts for its discrete
// style: boxes in rows of Columns, by default a theme palette of 60 colours
// (ten base colours, then five rows of tints and shades joined into column
// strips), with two-line frames on the hot and the selected box.
#pragma once

#include <memory>

#include "controls/dropdown/DropDownDrawing.h"
#include "controls/pickers/ColorSelectorPanels.h"
#include "platform/classes/Collection.h"

namespace controls {

// Where a box stands in a joined column strip: no line is drawn between
// boxes of one strip.
enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
    VISTRA_CLASS(TColorBoxItem, TCollectionItem)

    explicit TColorBoxItem(TCollection* Collection) : TCollectionItem(Collection) {}

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    TItemPos ColorBoxPos() const noexcept { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) noexcept { FColorBoxPos = Value; }
    // A disabled box can be neither hot nor selected.
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }
    // The box in the selector; (-1, -1, -1, -1) before the first arrangement.
    const TRect& Rect() const noexcept { return FRect; }

    void Assign(const TPersistent* Source) override;

private:
    friend class TCustomColorSelector;
    TColor FColor = clNone;
    bool FEnabled = true;
    TRect FRect{-1, -1, -1, -1};
    TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems : public TOwnedCollection {
    VISTRA_CLASS(TColorBoxItems, TOwnedCollection)

    explicit TColorBoxItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TColorBoxItem>()) {}
    TColorBoxItem* Add() { return static_cast<TColorBoxItem*>(TCollection::Add()); }
    TColorBoxItem* Insert(int Index) { return static_cast<TColorBoxItem*>(TCollection::Insert(Index)); }
    TColorBoxItem* Items(int Index) const { return static_cast<TColorBoxItem*>(TCollection::Items(Index)); }
    // Raised when a box's colour changes.
    TNotifyEvent OnChange;
};

class TColorBoxAppearance : public TPersistent {
    VISTRA_CLASS(TColorBoxAppearance, TPersistent)

    void Assign(const TPersistent* Source) override;

    TColor BorderColor = TColor(0xC5C5C5);
    TColor OuterBorderColorHot = TColor(0x3694F2), InnerBorderColorHot = TColor(0x94E2FF);
    TColor OuterBorderColorSelected = TColor(0x0000FF), InnerBorderColorSelected = TColor(0x94E2FF);
    TNotifyEvent OnChange;
};

class TCustomColorSelector : public TQuillCustomColorSelectorPanel {
    VISTRA_CLASS(TCustomColorSelector, TQuillCustomColorSelectorPanel)

    explicit TCustomColorSelector(TComponent* AOwner);

    TColorBoxAppearance& ColorBoxAppearance() const noexcept { return *FColorBoxAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FColorBoxAppearance->Assign(&Value); }
    TColorBoxItems& Items() const noexcept { return *FItems; }
    void SetItems(const TColorBoxItems& Value) { FItems->Assign(&Value); }
    // Selecting a box takes its colour and fires OnItemSelect; a disabled box
    // is refused; -1 selects nothing silently.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const noexcept { return FItemHot; }
    void SetItemHot(int Index);
    // Selects the first box of that colour, or none.
    TColor SelectedColor() const noexcept { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    // Each of these lays the boxes out again.
    int Columns() const noexcept { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const noexcept { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxWidth() const noexcept { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const noexcept { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    // The frame colours' style; every preset has the same frames.
    TSelectionColorStyle ItemColorStyle() const noexcept { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);

    // Clears the boxes and adds the 60-colour palette.
    void AddDefaultBoxes();
    void SelectFirstBox();
    void SelectLastBox();
    void SelectNextBox();
    void SelectPreviousBox();
    void HotNextBox();
    void HotPreviousBox();
    // The colour drop-down's keys (Page Up to Down): Locked (a closed popup
    // over an editor) keeps Left and Right from moving; Up and Down step by a
    // row while open, by one box while closed.
    void HandleKey(unsigned short Key, bool EditorEnabled, bool DroppedDown);
    TRect BoxRect(int Index) const;
    // The first box holding the point; -1 none.
    int BoxAtPos(int X, int Y) const;

    virtual void DrawBox(int Index, TCanvas& Canvas);
    virtual void GetBoxesRect(TRect& R) const;
    virtual void GetBoxSize(TSize& Size) const;
    // Places the boxes and sizes the selector to them (100 x 50 without boxes).
    virtual void ArrangeBoxes();
    virtual void InvalidateBox(int Index);

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool Refused(int Index) const;
    void DrawBoxes(TCanvas& Canvas);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4, FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12, FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = scCustom;
    TColor FSelectedColor = clNone;
};

} // namespace controls
