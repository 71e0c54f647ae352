// The address a click on a cell opens: the first anchor's href of an HTML
// cell, or the cell text itself when it is an address. Only web, file
// transfer and mail addresses are ever opened; anything else a loaded or
// pasted file may hold (local programs, other handlers) is not.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// The anchor or address of a cell text; empty when there is none.
std::string CellLinkTarget(std::string_view Text);
// Whether the address starts with http://, https://, ftp:// or mailto:
// (in any case).
bool IsOpenableLink(std::string_view Target);

} // namespace grid
