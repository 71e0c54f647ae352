// The painted panels a colour drop-down hosts for its cube and spectrum
// styles: a honeycomb of 127 hexagonal colour cells, and a 128 x 128 spectrum
// picture any pixel of which can be picked, with swatches of the chosen and
// the pointed-at colour. Both choose on the button press and fire OnSelect.
#pragma once

#include <array>

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/CustomControl.h"

class TImage;

namespace controls {

// The base of the colour drop-down's panels.
class TQuillCustomColorSelectorPanel : public TCustomControl {
    VISTRA_CLASS(TQuillCustomColorSelectorPanel, TCustomControl)

    explicit TQuillCustomColorSelectorPanel(TComponent* AOwner) : TCustomControl(AOwner) {}
    // Raised when a mouse button is released over the panel.
    TNotifyEvent OnShouldHide;

protected:
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

class TQuillColorCubePanel : public TQuillCustomColorSelectorPanel {
    VISTRA_CLASS(TQuillColorCubePanel, TQuillCustomColorSelectorPanel)

    explicit TQuillColorCubePanel(TComponent* AOwner);

    static constexpr int CellCount = 127;
    struct TCubeCell {
        int X = 0, Y = 0;
        TColor Color = clNone;
    };

    // Marks the first cell of that colour (or none); the colour is kept
    // either way. No repaint.
    TColor SelectedColor() const noexcept { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    // The chosen cell, 1 to 127; -1 none.
    int SelectedIndex() const noexcept { return FSelectedIndex; }
    int HotIndex() const noexcept { return FHotIndex; }
    // The hint names the hot cell's red, green and blue.
    bool ShowRGBHint() const noexcept { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    // Cell I (1 to 127).
    const TCubeCell& Cell(int I) const { return FCubeCells.at(static_cast<size_t>(I - 1)); }

    // Lays the 13 rows of cells out and colours them.
    void BuildCells();
    // Forgets the hot cell and gives the panel its size, 182 x 160.
    void ResetHot();
    // The first cell whose centre lies within half a cell's width of the point; -1 none.
    int CellAtPos(int X, int Y) const;
    // A hexagon with vertical sides around Centre, 2 W wide and 4 H high.
    static void DrawHexagon(TCanvas& Canvas, TPoint Centre, int W, int H);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(TCanvas& Canvas, int I);
    void RedrawCell(int I);

    std::array<TCubeCell, CellCount> FCubeCells{};
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = false;
};

class TQuillColorSpectrumPanel : public TQuillCustomColorSelectorPanel {
    VISTRA_CLASS(TQuillColorSpectrumPanel, TQuillCustomColorSelectorPanel)

    explicit TQuillColorSpectrumPanel(TComponent* AOwner);

    // No repaint.
    TColor SelectedColor() const noexcept { return FSelectedColor; }
    void SetSelectedColor(TColor Value) noexcept { FSelectedColor = Value; }
    TColor HotColor() const noexcept { return FHotColor; }
    TImage& SpectrumImage() const noexcept { return *FSpectrumImage; }
    const TRect& SelectedRect() const noexcept { return FSelectedRect; }
    const TRect& HotRect() const noexcept { return FHotRect; }
    // Sizes the panel 150 x 174, centres the picture and places the swatches
    // below it; forgets the hot colour.
    void ArrangeSpectrum();
    // The spectrum's colour at a point of the picture: hue across, white at
    // the top through the full hue at row 64 to black at the bottom.
    static TColor SpectrumColor(int X, int Y);

    TNotifyEvent OnSelect;

    // The pointer over the picture: the eyedropper's number in the screen's cursor table.
    static constexpr int crEyeDropper = 54;

protected:
    void Paint() override;

private:
    void DrawSwatch(TCanvas& Canvas, const TRect& R, TColor Color);

    TImage* FSpectrumImage;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FHotRect, FSelectedRect;
};

} // namespace controls
