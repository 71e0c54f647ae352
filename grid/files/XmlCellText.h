// Cell texts in the grid's XML files: escaping for writing and the reverse for raw element text.
#pragma once

#include <string>
#include <string_view>

namespace grid::files {

// Text as element content. Markup characters become entities and CR a
// character reference (parsers would turn it into LF); control characters,
// which XML cannot hold, become "$#xHH;"; characters above Highest (0xFF for
// ISO-8859-1, 0x7F for ASCII) become character references.
std::string EscapeXmlCellText(std::string_view Text, char32_t Highest = 0x10FFFF);

// Raw element or attribute text (entities not yet resolved) as cell text:
// entities and character references resolved, "$#xHH;" back to its
// character, and "$amp;" (how older files wrote "&") to "&".
std::string UnescapeXmlCellText(std::string_view Raw);

} // namespace grid::files
