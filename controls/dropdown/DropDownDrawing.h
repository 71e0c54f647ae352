// Drawing routines shared by the drop-downs, their popups and panels, and by
// the string grid's panels.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"

class TCanvas;

namespace controls {

enum TGradientDirection { gdHorizontal, gdVertical };

// Fills Rect with Steps bands going from FromColor to ToColor, left to right
// when Horizontal, else top to bottom. Neighbouring bands overlap by one
// pixel so that no gap shows whatever the rounding.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, TRect Rect, int Steps);

// Percent of Color1 mixed with the rest of Color2. At 100 or more Color1 comes
// back unchanged (a system colour stays a system colour), at 0 or less Color2.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);

// A gradient (ColorTo set) or plain (Color set) fill with an optional outline.
void DrawRectangle(TCanvas& Canvas, TRect Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                   TColor BorderColor, int BorderWidth);

} // namespace controls
