// Inside the drawing library: how drawing reaches a surface, with its transform, clip, brush and image attributes.
#pragma once

#include "platform/gdiplus/Objects.h"

#include <functional>

namespace gdiplus {

enum class DrawKind { Shape, Text, Image };

// Runs draw with the surface's world transform and clip in effect; shapes get
// the smoothing mode. Reports a Cairo failure as a status.
Status Paint(GpGraphics& graphics, DrawKind kind, const std::function<void(_cairo*)>& draw);
// The brush as the current source (in user space).
void SetSourceBrush(_cairo* cr, const GpBrush& brush);
// A copy of an image surface's pixels with the attributes applied; nullptr when out of memory.
graphics::CairoSurfacePtr AdjustedCopy(const GpImageAttributes& attributes, _cairo_surface* source, int width, int height);

} // namespace gdiplus
