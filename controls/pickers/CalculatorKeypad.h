// The calculator's keypad: a painted panel of glossy gradient buttons, each
// with a caption, an optional picture and a Tag telling the calculator what
// it does. The calculator kind builds and lays out its 28 buttons itself; the
// custom kind leaves the buttons and their rectangles to the owner.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/ItemSelector.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/CustomControl.h"

class TImageList;

namespace controls {

class TQuillCustomDropDown;

class TButtonItem : public TCollectionItem {
    VISTRA_CLASS(TButtonItem, TCollectionItem)

    explicit TButtonItem(TCollection* Collection);

    std::string Caption;
    // Kept and copied; captions take their colour from the appearance.
    TColor CaptionColor = clWhite;
    int ImageIndex = -1;
    int Tag = 0;
    bool Enabled = true;
    std::string Name;
    // The caption is drawn in the appearance's SpecialTextColor.
    bool Special = false;
    // The button's rectangle in panel coordinates, set by the layout.
    int Left = 0, Top = 0, Width = 0, Height = 0;

    TPicture& Image() const noexcept { return *FImage; }
    void SetImage(const TPicture& Value) { FImage->Assign(&Value); }
    TRect Rect() const noexcept { return {Left, Top, Left + Width, Top + Height}; }
    // Copies caption, caption colour, tag, image index, picture, enabled and name.
    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TPicture> FImage;
};

class TButtonItems : public TOwnedCollection {
    VISTRA_CLASS(TButtonItems, TOwnedCollection)

    explicit TButtonItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TButtonItem>()) {}
    TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
    TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
    TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
    void SetItem(int Index, const TButtonItem& Value) { Items(Index)->Assign(&Value); }
};

// The keypad buttons' colours and font; every colour setter that changes a
// value raises OnChange.
class TButtonAppearance : public TPersistent {
    VISTRA_CLASS(TButtonAppearance, TPersistent)

    TButtonAppearance();
    ~TButtonAppearance() override;
    void Assign(const TPersistent* Source) override;

#define VISTRA_KEYPAD_COLOUR(Name, Field) \
    TColor Name() const noexcept { return Field; } \
    void Set##Name(TColor Value) { SetColour(Field, Value); }
    VISTRA_KEYPAD_COLOUR(Color, FColor)
    VISTRA_KEYPAD_COLOUR(ColorTo, FColorTo)
    VISTRA_KEYPAD_COLOUR(ColorHot, FColorHot)
    VISTRA_KEYPAD_COLOUR(ColorHotTo, FColorHotTo)
    VISTRA_KEYPAD_COLOUR(ColorDown, FColorDown)
    VISTRA_KEYPAD_COLOUR(ColorDownTo, FColorDownTo)
    VISTRA_KEYPAD_COLOUR(BorderColor, FBorderColor)
    VISTRA_KEYPAD_COLOUR(BorderColorHot, FBorderColorHot)
    VISTRA_KEYPAD_COLOUR(BorderColorDown, FBorderColorDown)
    VISTRA_KEYPAD_COLOUR(GlowColorHot, FGlowColorHot)
    VISTRA_KEYPAD_COLOUR(GlowColorDown, FGlowColorDown)
    VISTRA_KEYPAD_COLOUR(TextColor, FTextColor)
    VISTRA_KEYPAD_COLOUR(SpecialTextColor, FSpecialTextColor)
    // Checked and disabled colours: kept and copied, the keypad draws none.
    VISTRA_KEYPAD_COLOUR(ColorChecked, FColorChecked)
    VISTRA_KEYPAD_COLOUR(ColorCheckedTo, FColorCheckedTo)
    VISTRA_KEYPAD_COLOUR(ColorDisabled, FColorDisabled)
    VISTRA_KEYPAD_COLOUR(ColorDisabledTo, FColorDisabledTo)
    VISTRA_KEYPAD_COLOUR(BorderColorChecked, FBorderColorChecked)
#undef VISTRA_KEYPAD_COLOUR
    // The translucent highlight over a button's upper half (no notification).
    TColor ShineColor() const noexcept { return FShineColor; }
    void SetShineColor(TColor Value) noexcept { FShineColor = Value; }
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value);

    TNotifyEvent OnChange;

private:
    void SetColour(TColor& Field, TColor Value);

    TColor FColor = 0x9A915F, FColorTo = 0xB0A170, FColorHot = 0x9F6F1C, FColorHotTo = 0xD5C244;
    TColor FColorDown = 0x4B2F08, FColorDownTo = 0xADB514;
    TColor FBorderColor = clBlack, FBorderColorHot = clBlack, FBorderColorDown = clBlack;
    TColor FGlowColorHot = 0xD5C244, FGlowColorDown = 0xD5C244;
    TColor FTextColor = clBlack, FSpecialTextColor = clMaroon, FShineColor = clWhite;
    TColor FColorChecked, FColorCheckedTo, FColorDisabled, FColorDisabledTo, FBorderColorChecked = 0xFF0000;
    std::unique_ptr<TFont> FFont;
};

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TCustomButtonPanel : public TCustomControl {
    VISTRA_CLASS(TCustomButtonPanel, TCustomControl)

    explicit TCustomButtonPanel(TComponent* AOwner);
    ~TCustomButtonPanel() override;

    TButtonItems& Buttons() const noexcept { return *FButtons; }
    void SetButtons(const TButtonItems& Value) { FButtons->Assign(&Value); }
    TButtonAppearance& ButtonAppearance() const noexcept { return *FAppearance; }
    void SetButtonAppearance(const TButtonAppearance& Value) { FAppearance->Assign(&Value); }
    TItemLayout ButtonLayout() const noexcept { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) noexcept { FButtonLayout = Value; }
    TButtonPanelType ButtonPanelType() const noexcept { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    // The list must outlive the panel or be set back to null.
    const TImageList* Images() const noexcept { return FImages; }
    void SetImages(const TImageList* Value);
    // While hosted by a drop-down the panel draws no frame of its own and does
    // not repaint on appearance changes (the drop-down copies a look in before
    // each opening).
    void SetDropDown(TQuillCustomDropDown* Value) noexcept { FDropDown = Value; }

    // The first button, in collection order, whose rectangle holds the point; -1 none.
    int ButtonAtPos(int X, int Y) const;
    int HotIndex() const noexcept { return FHotIndex; }
    int DownIndex() const noexcept { return FDownIndex; }

    virtual void DrawButton(int Index, TCanvas* Canvas);
    virtual void GetButtonsRect(TRect& R) const;
    virtual void GetButtonSize(TSize& Size);
    virtual void ClearButtons();
    virtual void ResetButtons();
    virtual void InitButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int Index);
    virtual void DoButtonClick(int Index);

    TCalculatorButtonClickEvent OnButtonClick;

    static constexpr int OffsetX = 8, OffsetY = 8;
    static constexpr int ButtonOffsetX = 4, ButtonOffsetY = 4;

protected:
    void Paint() override;
    void Loaded() override;
    void BoundsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);
    bool ValidIndex(int Index) const { return Index >= 0 && Index < FButtons->Count(); }
    TSize ImageSize(const TButtonItem& Item) const;

    std::unique_ptr<TButtonItems> FButtons;
    std::unique_ptr<TButtonAppearance> FAppearance;
    TItemLayout FButtonLayout = ilCaptionRight;
    TButtonPanelType FButtonPanelType = plCalculator;
    const TImageList* FImages = nullptr;
    TQuillCustomDropDown* FDropDown = nullptr;
    int FCaptionGap = 0;
    int FHotIndex = -1, FDownIndex = -1;
};

// Draws a keypad button's glossy face in R: a flat upper half under a shine,
// a gradient lower half, an inner line, the outline and, with a glow colour
// other than clNone, a fading halo around it.
void DrawKeypadFace(TCanvas& Canvas, const TRect& R, TColor Face, TColor FaceTo, TColor Border, TColor Glow,
                    TColor Shine);

} // namespace controls
