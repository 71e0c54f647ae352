// What a press on the string grid's headers starts and hands on to the moves
// and the release: whole rows or columns dragged over, the size of a column
// or row whose border was grabbed, and the selection last reported as changed.
#pragma once

#include "platform/ui/grids/GridTypes.h"

namespace grid {

// A column sized by the mouse keeps this much, so its border can be
// grabbed again.
constexpr int MinSizedColWidth = 4;

// What a drag begun on a header selects whole.
enum class THeaderDrag { None, Rows, Columns };

struct THeaderPressState {
    THeaderDrag Drag = THeaderDrag::None;

    // The size of the column (row) being sized when its border was grabbed.
    int SizeAtPress = -1;
    // Where the dragged border would drop, drawn as a line; -1 when none.
    int SizeLinePos = -1;

    // The selection the application last heard of, or the one at the
    // press; a release reports the selection only when it differs.
    TGridRect Reported{-1, -1, -1, -1};

    // Milliseconds the last sort by a header click took.
    int SortTime = 0;
};

} // namespace grid
