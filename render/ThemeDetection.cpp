// Detection of the Office colour theme from the registry, falling back to the
// desktop's colour scheme.
#include "render/QuillStyleIF.h"

#include "platform/classes/Registry.h"
#include "platform/rtl/ScopeExit.h"
#include "render/OfficeKeys.h"

#include <utility>

namespace {

using render::kOffice2007Common;
using render::kOffice2007General;
using render::kOffice2010Common;
using render::kOffice2010General;

render::TThemeLibraryProbe& Probe()
{
    static render::TThemeLibraryProbe probe;
    return probe;
}

// A scheme name matches a known scheme when it occurs within the known name,
// so a shortened name still counts.
bool OccursWithin(const std::string& name, std::string_view word)
{
    return !name.empty() && word.find(name) != std::string_view::npos;
}

} // namespace

namespace render {

TThemeLibraryProbe SetThemeLibraryProbeForTesting(TThemeLibraryProbe NewProbe)
{
    return std::exchange(Probe(), std::move(NewProbe));
}

} // namespace render

int InstalledOfficeVersion()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.KeyExists(kOffice2010General))
        return 2;
    if (registry.KeyExists(kOffice2007General))
        return 1;
    return 0;
}

int CurrentXPColorScheme()
{
    if (!IsWindowsXPOrNewer() || !Probe())
        return 0;
    std::optional<render::TThemeLibraryState> state = Probe()();
    if (!state || !state->ThemeActive || !CommonControlsThemed())
        return 0;
    if (OccursWithin(state->ColorSchemeName, "NormalColor"))
        return 1;
    if (OccursWithin(state->ColorSchemeName, "HomeStead"))
        return 2;
    if (OccursWithin(state->ColorSchemeName, "Metallic"))
        return 3;
    return 0;
}

int ReadOfficeThemeValue(TRegistry& Registry, std::string_view Key)
{
    if (!Registry.KeyExists(Key))
        return -1;
    int result = -1;
    Registry.OpenKey(Key, false);
    const rtl::ScopeExit close([&Registry] { Registry.CloseKey(); });
    if (Registry.ValueExists("Theme"))
        result = Registry.ReadInteger("Theme");
    return result;
}

TOfficeTheme DetectOfficeTheme()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    switch (ReadOfficeThemeValue(registry, kOffice2010Common)) {
    case -1:
        break;
    case 1:
        return ot2010Blue;
    case 2:
        return ot2010Silver;
    case 3:
        return ot2010Black;
    default:
        return ot2003Blue;
    }
    switch (ReadOfficeThemeValue(registry, kOffice2007Common)) {
    case -1:
        break;
    case 1:
        return ot2007Blue;
    case 2:
        return ot2007Silver;
    case 3:
        return ot2007Black;
    default:
        return ot2003Blue;
    }
    switch (CurrentXPColorScheme()) {
    case 1:
        return ot2003Blue;
    case 2:
        return ot2003Olive;
    case 3:
        return ot2003Silver;
    default:
        return ot2003Classic;
    }
}
