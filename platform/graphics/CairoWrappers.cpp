// Destroying Cairo objects for the owning pointers.
#include "platform/graphics/CairoWrappers.h"

#include <cairo.h>

namespace graphics {

void CairoDeleter::operator()(cairo_t* cr) const noexcept { cairo_destroy(cr); }
void CairoDeleter::operator()(cairo_surface_t* surface) const noexcept { cairo_surface_destroy(surface); }
void CairoDeleter::operator()(cairo_pattern_t* pattern) const noexcept { cairo_pattern_destroy(pattern); }
void CairoDeleter::operator()(cairo_region_t* region) const noexcept { cairo_region_destroy(region); }
void CairoDeleter::operator()(cairo_font_options_t* options) const noexcept { cairo_font_options_destroy(options); }
void CairoDeleter::operator()(cairo_path_t* path) const noexcept { cairo_path_destroy(path); }

} // namespace graphics
