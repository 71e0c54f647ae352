// Whether the grid's in-cell controls can be drawn with the desktop's visual themes.
#include "grid/base/ThemedComCtl.h"

#include "render/QuillStyleIF.h"
#include "render/ThemeBinders.h"

bool HasThemedComCtl()
{
    return IsWindowsXPOrNewer() && render::ControlsThemeBinder().Loaded() && CommonControlsThemed();
}
