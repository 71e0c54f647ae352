// A drop-down for choosing a colour. The face shows a colour box with the
// chosen colour and, optionally, a text for it (the named colour's caption,
// or the value as hex digits, a web colour name, RGB components or an HTML
// colour). The popup offers the choice in one of four styles: a list of named
// colours, a 60-box theme palette, a honeycomb of 127 colours, or a spectrum
// picture. The face takes no typing: a click opens it.
#pragma once

#include <memory>
#include <string>

#include "controls/pickers/ColorBoxSelector.h"
#include "controls/pickers/ColorSelectorPanels.h"
#include "controls/pickers/PickerDropDown.h"
#include "platform/classes/Collection.h"

namespace controls {

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
// The text for a colour that is no named colour of the list.
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
    VISTRA_CLASS(TColorItem, TCollectionItem)

    explicit TColorItem(TCollection* Collection) : TCollectionItem(Collection) {}

    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value) noexcept { FEnabled = Value; }

    void Assign(const TPersistent* Source) override;

private:
    void Notify();
    std::string FCaption;
    TColor FColor = clNone;
    bool FEnabled = true;
    std::string FHint;
};

class TColorItems : public TOwnedCollection {
    VISTRA_CLASS(TColorItems, TOwnedCollection)

    explicit TColorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TColorItem>()) {}
    TColorItem* Add() { return static_cast<TColorItem*>(TCollection::Add()); }
    TColorItem* Insert(int Index) { return static_cast<TColorItem*>(TCollection::Insert(Index)); }
    TColorItem* Items(int Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }
    // Raised when an item's caption or colour changes.
    TNotifyEvent OnChange;
};

class TQuillColorPickerDropDown : public TQuillPickerDropDown {
    VISTRA_CLASS(TQuillColorPickerDropDown, TQuillPickerDropDown)

    explicit TQuillColorPickerDropDown(TComponent* AOwner);

    TColorItems& Colors() const noexcept { return *FColors; }
    void SetColors(const TColorItems& Value) { FColors->Assign(&Value); }
    // Appends the 16 basic colours, Black to White.
    void AddDefaultColors();
    // The chosen named colour; -1 none. Writing takes its colour, repaints the
    // face and fires OnSelect, also for the same value and for -1 (which keeps
    // SelectedColor). Values past the colours are ignored.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    // Writing a new colour chooses the first named colour of that value, if
    // any, and repaints the face.
    TColor SelectedColor() const noexcept { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    // The face's text: the named colour's caption in the list style, else the
    // colour in the ColorValueText form.
    virtual std::string SelectedColorText() const;
    TColorValueText ColorValueText() const noexcept { return FColorValueText; }
    void SetColorValueText(TColorValueText Value);
    TColorSelectionStyle ColorSelectionStyle() const noexcept { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const noexcept { return FShowText; }
    void SetShowText(bool Value);
    // The colour box of the list and the face; taken at the next opening.
    int ColorBoxWidth() const noexcept { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) noexcept { FColorBoxWidth = Value; }
    int ColorBoxHeight() const noexcept { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) noexcept { FColorBoxHeight = Value; }
    // The closed face's stepping through the named colours.
    void SelectFirstColor();
    void SelectLastColor();
    void SelectNextColor();
    void SelectPreviousColor();

    // The style's control; null until the style was first used.
    TCustomColorSelector* ColorSelector() const noexcept { return FColorSelector; }
    TQuillColorCubePanel* ColorCubePanel() const noexcept { return FColorCubePanel; }
    TQuillColorSpectrumPanel* SpectrumPanel() const noexcept { return FSpectrumPanel; }

    // Replaces the face's drawing.
    TOnDrawSelectedItem OnDrawSelectedColor;
    // Replaces the drawing of the list's items (over their hot and selected backgrounds).
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormDestroyed() override;
    void SelectionWheelDown() override;
    void SelectionWheelUp() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void Paint() override;

    int PickerItemCount() const override { return FColors->Count(); }
    void LoadSelector() override;
    void TakeSelectorChoice(int Index) override { SetItemIndex(Index); }
    void PickerSelectFirst() override { SelectFirstColor(); }
    void PickerSelectLast() override { SelectLastColor(); }
    void PickerSelectNext() override { SelectNextColor(); }
    void PickerSelectPrevious() override { SelectPreviousColor(); }

private:
    void StepChoice(TListStep Step);
    void EnsureListSelector();
    void EnsureBoxSelector();
    void EnsureCubePanel();
    void EnsureSpectrumPanel();
    // Makes, loads and shows the current style's control and hides the others.
    void ShowStyleControl();
    void FillSelector(TSelectorItems& Items) const;
    void HandleBoxSelect();
    void HandleCubeSelect();
    void HandleSpectrumSelect();
    void TakePanelColor(TColor Color);
    void Wheel(bool Down);
    void DrawSelectedColor(TCanvas& Canvas);

    TQuillColorCubePanel* FColorCubePanel = nullptr;
    TQuillColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14, FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    TColor FOldSelectedColor = clNone;
    bool FShowText = true;
    TColorValueText FColorValueText = cvtNone;
};

} // namespace controls
