// The GTK host's theme library (GtkThemeLibrary.cpp).
#pragma once

#include <memory>

namespace ui {
class TThemeLibrary;
}

namespace backend::gtk {

std::unique_ptr<ui::TThemeLibrary> CreateGtkThemeLibrary();

} // namespace backend::gtk
