// Where text turned by an angle starts inside a rectangle.
#pragma once

#include "platform/graphics/Types.h"
#include <string>

#include "grid/base/GridEnums.h"
#include "platform/ui/ExtCtrls.h"

class TCanvas;

namespace grid {

// Moves R's left and top to the origin of text turned by Angle degrees
// (counter-clockwise) placed in R by HA and VA. With the text's width w and
// line height h: A = |cos| w, B = |sin| h, C = |sin| w, D = |cos| h.
void PlaceRotatedText(TRect& R, TAlignment HA, TVAlignment VA, int Angle, int A, int B, int C, int D);

// Shrinks R by 2 on every side and places Text, measured with the canvas's
// current font, in it.
void RotatedTextOrigin(TCanvas& Canvas, TRect& R, int Angle, const std::string& Text, TAlignment HA, TVAlignment VA);

} // namespace grid
