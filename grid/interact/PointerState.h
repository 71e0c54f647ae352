// What the string grid keeps between pointer messages: hint and cursor
// settings, the cell of the last hint, what a press in a fixed cell would
// select, a column being sized, wheel panning and the fill handle.
#pragma once

#include <string>

#include "grid/interact/PointerEvents.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"
#include "platform/ui/grids/GridTypes.h"

class THTMLHintWindow;
struct THintInfo;

namespace grid {

struct TPointerState {
    // Hints.
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    bool AnchorHint = false;
    bool UseInternalHintClass = true;
    TGridCoord LastHintPos{-1, -1};
    std::string LastAnchorHint;
    // The window of the sizing hint, owned by the grid as a component.
    THTMLHintWindow* SizingHint = nullptr;

    // Cursors: the one the grid shows when nothing special is under the
    // pointer, and the one it last set itself (a different cursor found
    // later was set by the application and becomes the plain one).
    TCursor OldCursor = crDefault;
    TCursor ShownCursor = crDefault;
    TMouseSelectMode MouseSelectMode = msNormal;
    // Hover of fixed cells paused (a fixed cell's drop-down menu is open).
    bool NoMouseLeave = false;

    // A press on a column (row) border: the column (row) sized and the
    // press's distance from its far border.
    bool Sizing = false;
    bool SizingColumn = true;
    int SizingIndex = -1;
    int SizingOfs = 0;

    // A fixed cell drawn as a pressed button.
    bool FixedAsButtons = false;
    TGridCoord PushedFixedCell{-1, -1};

    // Whole rows or columns dragged over from a press in a fixed cell; -1 when none.
    int MouseSelectStart = -1;

    // Wheel panning.
    TIntelliPan IntelliPan = ipVertical;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    bool Panning = false;
    TPoint PanOrigin{};
    TCursor PanPrevCursor = crDefault;
    bool PanHintsWereOn = true;

    // The fill handle.
    bool SelectionResizer = false;
    bool SelectionRectangle = false;
    bool MouseResize = false;
    TGridRect DropSelection{};
};

} // namespace grid
