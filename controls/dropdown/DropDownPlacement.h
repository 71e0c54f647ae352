// Where a drop-down's popup opens on the screen.
#pragma once

#include "platform/graphics/Types.h"

namespace controls {

enum TDropPosition { dpAuto, dpDown, dpUp };

// The popup's screen rectangle for an edit at EditRect (screen coordinates):
// below the edit, sharing its bottom row, or above it; dpAuto goes below when
// the popup fits under the edit in the work area and above otherwise, and
// falls back to the side with more room when it fits on neither. The result
// is kept inside the work area so that no part of the popup is off-screen.
TRect PlaceDropDown(TRect EditRect, int Width, int Height, TDropPosition Position, TRect WorkArea);

} // namespace controls
