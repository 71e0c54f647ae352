// A drop-down for choosing one image of a set: the popup shows the images
// (pictures of their own or images of the image list, each with an optional
// caption) in a list of Columns cells per row; the face shows the chosen
// image centred, without text. The face takes no typing: a click opens it.
#pragma once

#include <memory>
#include <string>

#include "controls/pickers/PickerDropDown.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Picture.h"

namespace controls {

class TImageItem : public TCollectionItem {
    VISTRA_CLASS(TImageItem, TCollectionItem)

    explicit TImageItem(TCollection* Collection);

    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value);
    TPicture& Image() const noexcept { return *FImage; }
    void SetImage(const TPicture& Value) { FImage->Assign(&Value); }
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }

    void Assign(const TPersistent* Source) override;

private:
    friend class TQuillImagePickerDropDown;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    std::string FHint;
};

class TImageItems : public TOwnedCollection {
    VISTRA_CLASS(TImageItems, TOwnedCollection)

    explicit TImageItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TImageItem>()) {}
    TImageItem* Add() { return static_cast<TImageItem*>(TCollection::Add()); }
    TImageItem* Insert(int Index) { return static_cast<TImageItem*>(TCollection::Insert(Index)); }
    TImageItem* Items(int Index) const { return static_cast<TImageItem*>(TCollection::Items(Index)); }
    // Raised when an item's caption or image index changes.
    TNotifyEvent OnChange;
};

class TQuillImagePickerDropDown : public TQuillPickerDropDown {
    VISTRA_CLASS(TQuillImagePickerDropDown, TQuillPickerDropDown)

    explicit TQuillImagePickerDropDown(TComponent* AOwner);

    TImageItems& Items() const noexcept { return *FItems; }
    void SetItems(const TImageItems& Value) { FItems->Assign(&Value); }
    // The chosen image; -1 none. A new choice repaints the face and fires
    // OnChange, then OnSelect.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    // The chosen item's image-list index; writing chooses the first item
    // showing that image, or none.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    // Appends an item per file matching Mask (a folder and a file pattern,
    // such as "/pictures/*.png"), in the order the file system lists them,
    // with the file's picture and, when SetImageCaption, its name as caption.
    // A file that is no picture gives an item without picture or caption.
    void AddImagesFromFolder(const std::string& Mask, bool SetImageCaption);
    // Appends an item per image of Images; nothing without a list.
    void AddImagesFromImageList();

    // Replaces the face's drawing of the chosen image.
    TOnDrawSelectedItem OnDrawSelectedImage;
    // Replaces the drawing of the list's items (over their hot and selected backgrounds).
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void SelectionWheelDown() override;
    void SelectionWheelUp() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void Paint() override;

    int PickerItemCount() const override { return FItems->Count(); }
    void LoadSelector() override;
    void TakeSelectorChoice(int Index) override { SetItemIndex(Index); }
    void PickerSelectFirst() override { SelectFirst(); }
    void PickerSelectLast() override { SelectLast(); }
    void PickerSelectNext() override { SelectNext(); }
    void PickerSelectPrevious() override { SelectPrevious(); }

private:
    void StepChoice(TListStep Step);
    void FillSelector(TSelectorItems& Items) const;
    // The list's item drawing handed to OnDrawItem, with the drop-down as sender.
    void DrawImageItem(TCanvas& Canvas, const TRect& R, int Index);
    void DrawSelectedImage(TCanvas& Canvas);
    void Wheel(bool Down);

    std::unique_ptr<TImageItems> FItems;
    int FItemIndex = -1;
};

} // namespace controls
