// The library's shared vocabulary of looks, the platform tests and the Office
// colour theme detection. The theme-change notifier, with its watcher thread,
// is in ThemeNotifier.h, for the files that register windows with it.
#pragma once

#include "platform/graphics/Colors.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TRegistry;

// Component styles a control can be asked to take on.
enum TQORStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

// Colour themes the detection can report; it never reports otUnknown.
enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Implemented by controls that follow a component style; callers find it with
// dynamic_cast. The identifier names the interface in stored and scripted forms.
class IQORStyle {
public:
    static constexpr std::string_view IID = "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}";
    virtual void SetComponentStyle(TQORStyle AStyle) = 0;

protected:
    ~IQORStyle() = default;
};

// Implemented by controls that take their colours from a tone set.
class IQORTones {
public:
    static constexpr std::string_view IID = "{1F492643-6699-4F25-8B34-3233FA735036}";
    virtual void SetColorTones(const TColorTones& ATones) = 0;

protected:
    ~IQORTones() = default;
};

// Platform tests. They answer from the facts in render::OperatingSystem().
bool CommonControlsThemed();
bool IsVistaOrNewer();
bool IsWindowsXPOrNewer();

// 2 when Office 2010 settings exist for the user, else 1 for Office 2007, else 0.
int InstalledOfficeVersion();
// The desktop's colour scheme: 0 none or unknown, 1 blue, 2 olive, 3 silver.
int CurrentXPColorScheme();
// The integer value "Theme" of Key; -1 when the key or the value is missing.
// A "Theme" value that is not an integer raises ERegistryException.
int ReadOfficeThemeValue(TRegistry& Registry, std::string_view Key);
// The Office colour theme from the registry, else from the desktop's scheme.
TOfficeTheme DetectOfficeTheme();

namespace render {

// What the platform tests are answered from. The defaults describe a current
// desktop: a modern system with the newer common controls.
struct TOperatingSystemFacts {
    int MajorVersion = 6;
    int MinorVersion = 1;
    bool KernelHasGetLocaleInfoEx = true;
    int CommonControlsMajorVersion = 6;
};

const TOperatingSystemFacts& OperatingSystem();
// Replaces the facts (tests reach both answers of every platform test); returns the old ones.
TOperatingSystemFacts SetOperatingSystemForTesting(const TOperatingSystemFacts& Facts);

// What a desktop theme library reports about the current theme.
struct TThemeLibraryState {
    bool ThemeActive = false;
    std::string ColorSchemeName;
};
// Asks the desktop's theme library; nothing when there is none (as on this
// platform, where no such library exists).
using TThemeLibraryProbe = std::function<std::optional<TThemeLibraryState>()>;
// Replaces the probe (null restores "no library"); returns the old one.
TThemeLibraryProbe SetThemeLibraryProbeForTesting(TThemeLibraryProbe Probe);

} // namespace render
