// The colours of the grid's styled selection looks.
#pragma once

#include "grid/base/GridEnums.h"
#include "platform/graphics/Colors.h"

namespace grid {

struct TSelectionLook {
    TColor FillFrom;
    TColor FillTo;
    TColor Corner;
    TColor Frame;
    TColor InnerBottom;
    TColor InnerTop;
    // The lower half's own gradient; clNone when the box has one gradient.
    TColor LowerFrom;
    TColor LowerTo;
};

// The look of Style, focused or not; all styles share one unfocused look.
TSelectionLook SelectionLook(TGridSelectionStyle Style, bool Focused);

} // namespace grid
