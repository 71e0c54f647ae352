#include "controls/dropdown/DropDownPlacement.h"

#include <algorithm>

namespace controls {

TRect PlaceDropDown(TRect EditRect, int Width, int Height, TDropPosition Position, TRect WorkArea)
{
    int below = EditRect.Bottom - 1;
    int above = EditRect.Top - Height;
    bool down = Position == dpDown;
    if (Position == dpAuto) {
        int roomBelow = WorkArea.Bottom - below;
        int roomAbove = EditRect.Top - WorkArea.Top;
        down = Height <= roomBelow || (Height > roomAbove && roomBelow >= roomAbove);
    }
    int top = down ? below : above;
    int left = EditRect.Left;
    // A popup larger than the work area keeps its top-left corner on it.
    left = std::max(WorkArea.Left, std::min(left, WorkArea.Right - Width));
    top = std::max(WorkArea.Top, std::min(top, WorkArea.Bottom - Height));
    return {left, top, left + Width, top + Height};
}

} // namespace controls
