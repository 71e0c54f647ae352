// The fonts the styled menus start from.
#pragma once

#include "platform/graphics/Colors.h"

#include <memory>

class TFont;

namespace menus {

// The font the platform uses for menu text.
const TFont& SystemMenuFont();
// A copy of the system menu font two points smaller, for notes lines.
std::unique_ptr<TFont> NewNotesFont(TColor Color);

} // namespace menus
