// Blending the selection colour with a cell's own colour.
#pragma once

#include "platform/graphics/Colors.h"

namespace grid {

// Percent of Color and the rest of Color2, per channel, halves to even;
// 100 or more gives Color, 0 or less (or Color clNone) gives Color2.
TColor MixColors(TColor Color, TColor Color2, int Percent);
// MixColors of the selection and the cell colour when Mixer, else SelColor.
inline TColor MixSelectionColor(TColor SelColor, TColor CellColor, bool Mixer, int Percent)
{
    return Mixer ? MixColors(SelColor, CellColor, Percent) : SelColor;
}

} // namespace grid
