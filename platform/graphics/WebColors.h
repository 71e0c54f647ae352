// The named web colours: 138 colours of web pages, each with a name of its own.
#pragma once

#include <string>

#include "platform/graphics/Colors.h"

// The web colour's name ("clWebSnow") of Color's RGB value (system colours
// resolved), or, for a colour that has none, "#" and its red, green and blue
// as two upper-case hex digits each.
std::string ColorToWebName(TColor Color);
