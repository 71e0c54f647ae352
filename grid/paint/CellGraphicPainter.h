// Draws a cell's graphic: the least drawing of each kind that shows what the
// cell holds, placed by the graphic's alignment.
#pragma once

#include <cstdint>
#include <string>

#include "grid/model/CellGraphic.h"

class TCanvas;

namespace grid {

// The sides check boxes and radio buttons are drawn at.
inline constexpr int CheckBoxSize = 15;
inline constexpr int RadioButtonSize = 10;

// What painting needs to know of the cell beside its graphic.
struct TGraphicCell {
    TRect Rect;
    std::string Text;
    // The text that checks a data check box.
    std::string CheckTrue;
    // The sides check boxes and radio buttons are drawn at.
    int CheckSize = CheckBoxSize;
    int RadioSize = RadioButtonSize;
    // The pointer is over the cell's button.
    bool Hot = false;
    // Check boxes and radio buttons take the desktop theme's look, drawn for
    // this window.
    bool Themed = false;
    std::uintptr_t Window = 0;
};

// Where a button, bit button or expand button sits in the cell's rectangle;
// empty for other kinds.
TRect CellButtonBox(const TCellGraphic& Graphic, const TRect& Cell);

// Draws Graphic into Cell.Rect and returns the part of the rectangle left
// for the cell's text.
TRect PaintCellGraphic(TCanvas& Canvas, const TCellGraphic& Graphic, const TGraphicCell& Cell);

} // namespace grid
