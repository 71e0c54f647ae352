// A drop-down listing detail items: each row an optional picture or image,
// a caption in the caption font and, below it, notes (mini-HTML) in the notes
// font. The edit shows the chosen caption; typing completes it with the first
// caption that begins with what was typed, and the arrows, pages and wheel
// step through the items with the popup open or closed.
#pragma once

#include <memory>
#include <string>

#include "controls/pickers/PickerDropDown.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Picture.h"

namespace controls {

class TDetailItem : public TCollectionItem {
    VISTRA_CLASS(TDetailItem, TCollectionItem)

    explicit TDetailItem(TCollection* Collection);

    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value);
    TPicture& Image() const noexcept { return *FImage; }
    void SetImage(const TPicture& Value) { FImage->Assign(&Value); }
    // Shown below the caption; may hold mini-HTML.
    const std::string& Notes() const noexcept { return FNotes; }
    void SetNotes(const std::string& Value) { FNotes = Value; }
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }

    void Assign(const TPersistent* Source) override;

private:
    void Notify();
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    std::string FNotes;
};

class TDetailItems : public TOwnedCollection {
    VISTRA_CLASS(TDetailItems, TOwnedCollection)

    explicit TDetailItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TDetailItem>()) {}
    TDetailItem* Add() { return static_cast<TDetailItem*>(TCollection::Add()); }
    TDetailItem* Insert(int Index) { return static_cast<TDetailItem*>(TCollection::Insert(Index)); }
    TDetailItem* Items(int Index) const { return static_cast<TDetailItem*>(TCollection::Items(Index)); }
    // The first item whose caption equals Value exactly; -1 none.
    int IndexOf(const std::string& Value) const;
    // Raised when an item's caption or image index changes.
    TNotifyEvent OnChange;
};

class TQuillDetailDropDown : public TQuillPickerDropDown {
    VISTRA_CLASS(TQuillDetailDropDown, TQuillPickerDropDown)

    explicit TQuillDetailDropDown(TComponent* AOwner);

    TDetailItems& Items() const noexcept { return *FItems; }
    void SetItems(const TDetailItems& Value) { FItems->Assign(&Value); }
    // Choosing shows the caption, selected, and fires OnSelect; -1 empties
    // the text silently; other values are ignored.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHeight() const noexcept { return FItemHeight; }
    void SetItemHeight(int Value) noexcept { FItemHeight = Value; }
    TFont& CaptionFont() const noexcept { return *FCaptionFont; }
    void SetCaptionFont(const TFont& Value) { FCaptionFont->Assign(&Value); }
    TFont& NotesFont() const noexcept { return *FNotesFont; }
    void SetNotesFont(const TFont& Value) { FNotesFont->Assign(&Value); }
    // The completion compares letter case.
    bool MatchCase() const noexcept { return FMatchCase; }
    void SetMatchCase(bool Value) noexcept { FMatchCase = Value; }
    // Kept for callers; the completion always matches from a caption's start.
    bool MatchStart() const noexcept { return FMatchStart; }
    void SetMatchStart(bool Value) noexcept { FMatchStart = Value; }
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    // Replaces the drawing of every row of the list.
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void FormSizing() override;
    void SelectionWheelDown() override;
    void SelectionWheelUp() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void Change() override;

    int PickerItemCount() const override { return FItems->Count(); }
    void LoadSelector() override;
    void TakeSelectorChoice(int Index) override;
    void PickerSelectFirst() override;
    void PickerSelectLast() override;
    void PickerSelectNext() override { SelectNext(); }
    void PickerSelectPrevious() override { SelectPrevious(); }

private:
    void StepChoice(TListStep Step);
    void FillSelector(TSelectorItems& Items) const;
    void DrawDetailItem(TCanvas& Canvas, TRect R, int Index);
    void MeasureDetailItem(TSize& Size);
    void Wheel(int Step);
    // Shows a caption without completing it again.
    void ShowCaption(const std::string& Caption);

    std::unique_ptr<TDetailItems> FItems;
    int FItemIndex = -1;
    int FItemHeight = 22;
    std::unique_ptr<TFont> FCaptionFont, FNotesFont;
    bool FWorkMode = true;
    bool FCompleting = false;
    bool FMatchCase = false, FMatchStart = true;
};

} // namespace controls
