// Maps the font names programs ask for onto the fixed fonts shipped with the set-up.
#pragma once

#include <string>
#include <string_view>

namespace graphics {

// The family that draws a requested font name. Known names map to a metric
// match among the fixed fonts; any other name gets the default family.
std::string MapFontName(std::string_view Name);

} // namespace graphics
