// The map page: its template, the placeholders filled from the options, and the language table.
#pragma once

#include "map/UGeolithCommon.h"

#include <string>
#include <string_view>

class TMapOptions;
class TControlsOptions;

// The host the page loads the map library from.
inline constexpr std::string_view MapLibraryHost = "maps.googleapis.com";

namespace map {

// The page template with its %placeholders%; lines end with a carriage return.
const std::string& MapPageTemplate();

// The page for the given options.
std::string BuildMapPage(const TMapOptions& MapOptions, const TControlsOptions& ControlsOptions);

}  // namespace map

// Text with every occurrence of Placeholder (case ignored) replaced by the
// position's page name.
std::string ReplaceControlPosition(std::string_view Text, std::string_view Placeholder, TControlPosition Position);
