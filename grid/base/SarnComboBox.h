// The combo box with an optional flat look, its own border and button
// painting, focus colours, a list width of its own and an attached caption
// label placed around it.
#pragma once

#include <memory>
#include <string>

#include "grid/base/ButtonColorSet.h"
#include "platform/ui/ListControls.h"

class TSarnCustomCombo : public TCustomComboBox, public grid::TButtonColorProperties {
    VISTRA_CLASS(TSarnCustomCombo, TCustomComboBox)

    explicit TSarnCustomCombo(TComponent* AOwner);
    ~TSarnCustomCombo() override;

    // Remembers the current colour as the one the combo returns to when the focus leaves.
    void Init();
    // Selects the item of that text; a text the list does not hold changes nothing.
    void SelectItem(const std::string& AString);

    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    TColor FlatLineColor() const noexcept { return FFlatLineColor; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const noexcept { return FFlatParentColor; }
    void SetFlatParentColor(bool Value);
    bool Etched() const noexcept { return FEtched; }
    void SetEtched(bool Value);
    // Only 14 to 32 pixels are taken.
    int ButtonWidth() const noexcept { return FButtonWidth; }
    void SetButtonWidth(int Value);
    // Width of the dropped list; 0 keeps it as wide as the combo.
    int DropWidth() const noexcept { return FDropWidth; }
    void SetDropWidth(int Value);
    // The combo takes the focus when the mouse enters it.
    bool AutoFocus() const noexcept { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The sunken frame shows while the mouse is over the combo or it is active.
    bool FocusBorder() const noexcept { return FFocusBorder; }
    void SetFocusBorder(bool Value);
    TColor FocusBorderColor() const noexcept { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value);
    TColor FocusColor() const noexcept { return FFocusColor; }
    void SetFocusColor(TColor Value) { FFocusColor = Value; }
    // The label turns bold while the combo has the focus.
    bool FocusLabel() const noexcept { return FLabelLink.FocusLabel(); }
    void SetFocusLabel(bool Value) { FLabelLink.SetFocusLabel(Value); }
    bool DisabledBorder() const noexcept { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);

    // The attached label, made when a caption is first given; null before.
    TLabel* ComboLabel() const noexcept { return FLabelLink.Label(); }
    std::string LabelCaption() const { return FLabelLink.Caption(); }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const noexcept { return FLabelLink.Position(); }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const noexcept { return FLabelLink.Margin(); }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const noexcept { return FLabelLink.Transparent(); }
    void SetLabelTransparent(bool Value);
    // The label stays enabled whatever the combo's state.
    bool LabelAlwaysEnabled() const noexcept { return FLabelLink.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool Value);
    // The label's font, used unless the combo takes its parent's font.
    TFont& LabelFont() const noexcept { return FLabelLink.Font(); }
    void SetLabelFont(const TFont& Value);

    // The drop button's colours (ButtonColor… from TButtonColorProperties) are
    // set by the grid's combo editor; the hot text colour is kept only.
    // Looks asked for by the owner: with the newer-platform flag and no
    // button colour the combo paints as the platform's does.
    bool IsWinXP() const noexcept { return FIsWinXP; }
    void SetIsWinXP(bool Value) { FIsWinXP = Value; }
    bool IsVista() const noexcept { return FIsVista; }
    void SetIsVista(bool Value) { FIsVista = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void SetEnabled(bool Value) override;

    // Fired when the list closes.
    TNotifyEvent OnDropUp;

    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    int DropButtonWidth() const override { return FButtonWidth; }
    void Dispatch(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMParentFontChanged(TMessage& Message) override;
    void PaintNonClient(TCanvas& Canvas) override;
    // A new plain face colour may switch the combo to its own painting.
    void ButtonColorChanged(grid::TButtonColorPart Part) override;

private:
    void UpdateLabel();
    void ShowFocusLook();
    void ShowNormalLook();
    bool Loading() const;
    bool IsActiveControl() const;
    // Painting, in window coordinates (SarnComboPaint.cpp).
    bool UsesOwnPainting() const;
    TRect ButtonRect() const;
    void PaintButton(TCanvas& Canvas);
    void PaintFrame(TCanvas& Canvas);

    TEditLabelLink FLabelLink;
    bool FFlat = false, FFlatParentColor = true, FEtched = false, FAutoFocus = false;
    bool FFocusBorder = false, FDisabledBorder = true;
    bool FIsWinXP = false, FIsVista = false;
    bool FHasFocus = false, FMouseInControl = false, FButtonHover = false;
    int FButtonWidth;
    int FDropWidth = 0;
    TColor FFlatLineColor = clNone, FBorderColor = clNone, FFocusBorderColor = clNone, FFocusColor = clNone;
    TColor FLoadingColor = clWindow, FNormalColor = clNone;
    // The colour and parent-colour flag a flat combo had before it was disabled.
    TColor FDisabledSavedColor = clWindow;
    bool FDisabledSavedParentColor = false;
};

class TSarnComboBox : public TSarnCustomCombo {
    VISTRA_CLASS(TSarnComboBox, TSarnCustomCombo)
    using TSarnCustomCombo::TSarnCustomCombo;
};
