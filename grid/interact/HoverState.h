// What lights up under the pointer besides fixed cells: the cell button
// drawn hot, the link drawn underlined and the anchor last entered; and the
// link settings that go with them.
#pragma once

#include <string>

#include "grid/interact/PointerEvents.h"
#include "platform/ui/grids/GridTypes.h"

namespace grid {

struct THoverState {
    // Links are underlined only while the pointer is on them.
    bool URLUnderlineOnHover = false;
    // A right press on a cell holding an address edits it instead.
    bool URLEdit = false;

    // The cell (display column) whose button or expand button is under the pointer.
    TGridCoord Button{-1, -1};
    // The cell whose link HoverLink (one-based) is under the pointer; -1 when none.
    TGridCoord LinkCell{-1, -1};
    int HoverLink = -1;
    // The anchor under the pointer at the last move, and whether the
    // pointer is on a link at all (the hand cursor shows).
    std::string Anchor;
    bool OverLink = false;
};

} // namespace grid
