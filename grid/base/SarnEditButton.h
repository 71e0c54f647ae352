// The small button an edit carries at its right edge: a windowed container
// holding one painted speed button that always fills it.
#pragma once

#include <string>

#include "grid/base/ButtonColorSet.h"
#include "platform/ui/Buttons.h"

class TSarnEditButton;

namespace grid {

// The speed button inside TSarnEditButton. It paints in its container's
// button colours when they are set, else as a flat or pushed button.
class TQuillSpeedButton : public TSpeedButton {
    VISTRA_CLASS(TQuillSpeedButton, TSpeedButton)

    explicit TQuillSpeedButton(TComponent* AOwner);
    // Asks for the themed face; the desktop theme library is never present
    // here, so the flag is kept for the editors and the usual face is drawn.
    bool IsWinXP() const noexcept { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    // How many equal pictures the glyph holds side by side; the first is drawn.
    int NumGlyphs() const noexcept { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    bool Hot() const noexcept { return FHot; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool PressedOrLatched() const noexcept { return Pressing() || Down(); }
    // The face: colour fill, flat edges or the push-button frame; returns
    // the rectangle left for the glyph and caption.
    TRect PaintFace(TCanvas& C, const TSarnEditButton* Container);
    void PaintGlyph(TCanvas& C, const TRect& R);

    bool FIsWinXP = false, FHot = false;
    int FNumGlyphs = 1;
};

} // namespace grid

class TSarnEditButton : public TWinControl, public grid::TButtonColorProperties {
    VISTRA_CLASS(TSarnEditButton, TWinControl)

    explicit TSarnEditButton(TComponent* AOwner);
    ~TSarnEditButton() override;

    grid::TQuillSpeedButton& Button() const noexcept { return *FButton; }
    TBitmap& Glyph() const noexcept { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& Value) { FButton->SetGlyph(Value); }
    int NumGlyphs() const noexcept { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
    std::string ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
    bool Flat() const noexcept { return FButton->Flat(); }
    void SetFlat(bool Value) { FButton->SetFlat(Value); }
    // The control that takes the focus when the button is released.
    TWinControl* FocusControl() const noexcept { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    // The face paints in the face colours of ButtonColors() when one is set;
    // the text colours are kept for the editors that read them back.

protected:
    void BoundsChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ButtonColorChanged(grid::TButtonColorPart Part) override;

private:
    // A left release on the speed button: OnClick, then the focus moves on.
    void ButtonReleased();

    grid::TQuillSpeedButton* FButton;
    TWinControl* FFocusControl = nullptr;
};
