// The DOS code page (437) that CSV files written for older programs use.
#pragma once

#include <string>
#include <string_view>

namespace grid::files {

// Each character as its code-page byte, held as the Latin-1 character of that
// byte (so an ANSI file gets exactly the code-page bytes); characters the code
// page lacks become "?".
std::string ToOemCodePage(std::string_view Text);
// The reverse: each Latin-1 character read as a code-page byte.
std::string FromOemCodePage(std::string_view Text);

} // namespace grid::files
