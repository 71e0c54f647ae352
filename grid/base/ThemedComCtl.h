// Whether the grid's in-cell controls can be drawn with the desktop's visual themes.
#pragma once

// True on a system of version 5.1 or later whose visual themes are active (the theme
// library bound at run time) and whose common-controls library is newer than version 5.
bool HasThemedComCtl();
