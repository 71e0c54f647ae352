// Inside the drawing library: colour stops shared by the linear and path gradients.
#pragma once

#include "platform/gdiplus/Objects.h"

#include <vector>

namespace gdiplus {

// Checks preset colours and positions: at least two, from 0 to 1, never decreasing.
bool ValidPreset(const ARGB* blend, const float* positions, int count);
std::vector<GradientStop> MakePreset(const ARGB* blend, const float* positions, int count);
// The stops to draw: the preset, or the two colours; with gamma correction
// further stops make the blend even in linear light.
std::vector<GradientStop> StopsToDraw(ARGB from, ARGB to, const std::vector<GradientStop>& preset, bool gamma);
// The colour at a position between stops.
ARGB ColorAt(const std::vector<GradientStop>& stops, double position);

} // namespace gdiplus
