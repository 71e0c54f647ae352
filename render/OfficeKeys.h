// Registry keys under HKEY_CURRENT_USER where Office keeps its settings.
#pragma once

#include <string_view>

namespace render {

// Present when the Office version's settings exist for the user.
constexpr std::string_view kOffice2007General = "Software\\Microsoft\\Office\\12.0\\Common\\General";
constexpr std::string_view kOffice2010General = "Software\\Microsoft\\Office\\14.0\\Common\\General";
// Hold the "Theme" value of the version's colour theme.
constexpr std::string_view kOffice2007Common = "Software\\Microsoft\\Office\\12.0\\Common";
constexpr std::string_view kOffice2010Common = "Software\\Microsoft\\Office\\14.0\\Common";

} // namespace render
