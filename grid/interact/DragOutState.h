// What the grid keeps between a press on selected cells and the drag that
// may follow it.
#pragma once

#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"
#include "platform/ui/grids/GridTypes.h"

namespace grid {

struct TDragOutState {
    // A press on selected cells (or a header) may become a drag once the
    // pointer moves far enough with the button down.
    bool Pending = false;
    TPoint Press;
    TGridCoord Cell{-1, -1};
    TShiftState PressShift;
    // The selection a drag of cells took, removed or cleared by a move.
    TGridRect DropSelection{};
};

} // namespace grid
