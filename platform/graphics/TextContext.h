// Inside the graphics library: the one Pango context every text layout is made in.
#pragma once

struct _PangoContext;

namespace graphics {

constexpr double ScreenDpi = 96.0;

_PangoContext* SharedTextContext();

} // namespace graphics
