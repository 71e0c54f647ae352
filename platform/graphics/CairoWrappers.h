// Owning pointers for Cairo objects: each is destroyed exactly once, also when an exception
// passes. Declared over Cairo's own type names, so a header may hold one without Cairo's.
#pragma once

#include <memory>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_pattern cairo_pattern_t;
typedef struct _cairo_region cairo_region_t;
typedef struct _cairo_font_options cairo_font_options_t;
typedef struct cairo_path cairo_path_t;

namespace graphics {

struct CairoDeleter {
    void operator()(cairo_t* cr) const noexcept;
    void operator()(cairo_surface_t* surface) const noexcept;
    void operator()(cairo_pattern_t* pattern) const noexcept;
    void operator()(cairo_region_t* region) const noexcept;
    void operator()(cairo_font_options_t* options) const noexcept;
    void operator()(cairo_path_t* path) const noexcept;
};

using CairoPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using CairoPatternPtr = std::unique_ptr<cairo_pattern_t, CairoDeleter>;
using CairoRegionPtr = std::unique_ptr<cairo_region_t, CairoDeleter>;
using CairoFontOptionsPtr = std::unique_ptr<cairo_font_options_t, CairoDeleter>;
using CairoPathPtr = std::unique_ptr<cairo_path_t, CairoDeleter>;

} // namespace graphics
