// The list the detail, colour and image pickers show in their popups: items
// laid out as equal cells in rows of Columns cells, each a picture, an image
// of an image list or a colour box with an optional mini-HTML caption, with
// one hot item (pointer or keys) and one selected item.
//
// TQuillCustomItemSelector is the scrolling host a drop-down creates; it owns
// the items and their look and exactly one painted panel, TCustomItemSelector,
// which sizes itself to the item grid so that the host scrolls it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/DropDownDrawing.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ScrollingWinControl.h"

class TImageList;

namespace controls {

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// The hot and selected look of a picker's items.
class TItemAppearance : public TPersistent {
    VISTRA_CLASS(TItemAppearance, TPersistent)

    explicit TItemAppearance(TPersistent* AOwner = nullptr);

    // Loads the preset colours of a style; scCustom and the style already
    // set change nothing.
    void SetColorStyle(TSelectionColorStyle Value);
    TSelectionColorStyle ColorStyle() const noexcept { return FColorStyle; }
    TFont& Font() const noexcept { return *FFont; }
    // The colours, then the font, then the style (whose preset may overwrite
    // the colours just copied), then the text and border colours.
    void Assign(const TPersistent* Source) override;

    TColor ColorMirrorHotTo = clNone, BorderColor = clNone, ColorMirrorHot = clNone, ColorSelectedTo = clNone,
           ColorSelected = clNone, EdgeColor = clNone, ColorHotTo = clNone, BorderColorBottom = clNone,
           ColorHot = clNone, BorderColorTop = clNone, ColorMirrorSelectedTo = clNone, ColorMirrorSelected = clNone;
    TColor ColorSelectedText = clBlack, ColorHotText = clBlack;
    // Set: a framed gradient in this colour instead of the rounded styled box.
    TColor BorderColorHot = clNone, BorderColorSelected = clNone;
    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
    TSelectionColorStyle FColorStyle = scCustom;
    std::unique_ptr<TFont> FFont;
};

class TSelectorItems;

class TSelectorItem : public TCollectionItem {
    VISTRA_CLASS(TSelectorItem, TCollectionItem)

    explicit TSelectorItem(TCollection* Collection);

    // May hold mini-HTML.
    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    // The colour box's colour (stColor).
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    // An image of the host's image list; -1 none.
    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value);
    // A picture of the item's own, shown before the image list's.
    TPicture& Image() const noexcept { return *FImage; }
    void SetImage(const TPicture& Value) { FImage->Assign(&Value); }
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // A disabled item can be neither hot nor selected.
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }
    // The item's cell in the panel; (-1, -1, -1, -1) before the first arrangement.
    const TRect& Rect() const noexcept { return FRect; }

    void Assign(const TPersistent* Source) override;

private:
    friend class TCustomItemSelector;
    void Notify();
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    TColor FColor = clNone;
    std::unique_ptr<TPicture> FImage;
    TRect FRect{-1, -1, -1, -1};
    std::string FHint;
};

class TSelectorItems : public TOwnedCollection {
    VISTRA_CLASS(TSelectorItems, TOwnedCollection)

    explicit TSelectorItems(TPersistent* AOwner);
    TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
    TSelectorItem* Insert(int Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
    TSelectorItem* Items(int Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }
    // Raises OnChange; an item's caption, colour or image index changing
    // calls it (adding, deleting and clearing do not).
    void NotifyChange();
    TNotifyEvent OnChange;
};

class TQuillCustomItemSelector;

// The painted grid of items inside the host.
class TCustomItemSelector : public TCustomControl {
    VISTRA_CLASS(TCustomItemSelector, TCustomControl)

    // Raises Exception "Invalid parent" unless AOwner is a TQuillCustomItemSelector.
    explicit TCustomItemSelector(TComponent* AOwner);

    // Selecting fires OnItemSelect, also for the item already selected; a
    // disabled item is refused, and -1 selects nothing silently.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHot() const noexcept { return FItemHot; }
    void SetItemHot(int Index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain, trimmed, upper-cased caption begins
    // with S (which the caller gives in upper case); false when none does.
    bool LookupItem(const std::string& S);
    TRect GetItemRect(int Index) const;
    // The first item whose cell holds the point; -1 none.
    int ItemAtPos(int X, int Y) const;

    TQuillCustomItemSelector& QuillItemSelector() const noexcept { return FQuillItemSelector; }
    // Views of the host's settings.
    int Columns() const;
    TSelectorItems& Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    const TImageList* Images() const;
    int ColorBoxWidth() const;
    int ColorBoxHeight() const;
    TSelectionColorStyle ItemColorStyle() const;
    TColor ItemColorHot() const;
    TColor ItemColorHotTo() const;
    TColor ItemColorSelected() const;
    TColor ItemColorSelectedTo() const;

    TNotifyEvent OnItemSelect;

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R) const;
    virtual void GetItemSize(TSize& Size);
    virtual void InvalidateItem(int Index);
    // Lays the items out and sizes the panel to them (100 x 50 without items).
    virtual void ArrangeItems();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    void DrawItems(TCanvas& Canvas);
    void DrawContent(int Index, TCanvas& Canvas, const TRect& Cell);
    bool Selectable(int Index) const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2, FOffSetY = 2;
    int FItemOffSetX = 4, FItemOffSetY = 4;
    int FCaptionGap = 4;
    TQuillCustomItemSelector& FQuillItemSelector;
};

// The host: the items, their look and layout, and the panel it scrolls.
class TQuillCustomItemSelector : public TScrollingWinControl {
    VISTRA_CLASS(TQuillCustomItemSelector, TScrollingWinControl)

    explicit TQuillCustomItemSelector(TComponent* AOwner);
    ~TQuillCustomItemSelector() override;

    TSelectorItems& Items() const noexcept { return *FItems; }
    void SetItems(const TSelectorItems& Value) { FItems->Assign(&Value); }
    TItemAppearance& ItemAppearance() const noexcept { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(&Value); }
    TSelectorType SelectorType() const noexcept { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Only stored: the next UpdateSelectorPanel lays the items out anew.
    TItemLayout ItemLayout() const noexcept { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) noexcept { FItemLayout = Value; }
    // Values below 1 are ignored.
    int Columns() const noexcept { return FColumns; }
    void SetColumns(int Value);
    int ColorBoxWidth() const noexcept { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const noexcept { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    // Not owned; the list must outlive the selector or be set back to null.
    const TImageList* Images() const noexcept { return FImages; }
    void SetImages(const TImageList* Value);
    TCustomItemSelector* SelectorPanel() const noexcept { return FItemSelectorPanel; }

    int ItemIndex() const;
    // Selects through the panel and scrolls the item into view.
    void SetItemIndex(int Value);
    int ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const std::string& S);
    void UpdateSelectorPanel();
    void ScrollItemInView(int Index);
    // Whole rows that fit the host's height, times the columns.
    int GetVisibleItemCount() const;
    TSize GetSelectorPanelSize() const;

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    void WMGetDlgCode(TMessage& Message) override;

private:
    void CreateSelectorPanel();

    std::unique_ptr<TSelectorItems> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14, FColorBoxHeight = 14;
    const TImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    std::unique_ptr<TItemAppearance> FItemAppearance;
};

} // namespace controls
