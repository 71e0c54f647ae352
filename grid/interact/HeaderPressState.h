// What a press on the string grid's headers starts and hands on to the moves
// and the release: whole rows or columns dragged over, a fixed column or row
// sized by its border, and the selection last reported as changed.
#pragma once

#include <functional>

#include "platform/ui/grids/GridTypes.h"

class TObject;

// The selection changed by the user: its corners, in order.
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;

namespace grid {

// What a drag begun on a header selects whole.
enum class THeaderDrag { None, Rows, Columns };

struct THeaderPressState {
    THeaderDrag Drag = THeaderDrag::None;
    // A row drag scrolled up past the data: the fixed rows count as its first row.
    bool AboveData = false;

    // The pointer rests on a fixed column's (row's) far border and a press
    // there would size it.
    bool SizeFixed = false;
    bool SizeFixedR = false;
    // A fixed column (row) is being sized: which one and where the sizing
    // line is drawn.
    bool SizingFixed = false;
    bool SizingFixedR = false;
    int SizingFixedCol = -1;
    int SizingFixedRow = -1;
    int SizeFixedX = 0;
    int SizeFixedY = 0;

    // The selection the application last heard of, or the one at the
    // press; a release reports the selection only when it differs.
    TGridRect Reported{-1, -1, -1, -1};

    // Milliseconds the last sort by a header click took.
    int SortTime = 0;
};

} // namespace grid
