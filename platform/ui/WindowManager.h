// Window-manager calls on the platform's own windows: the window a device
// context draws on, window rectangles and moves, window regions, and the
// menu-animation setting.
#pragma once

#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

// The window whose surface DC is painting right now (a form being painted
// through its canvas); 0 for any other context.
HWND WindowFromDC(HDC DC);
// The window's bounds in screen coordinates; false for no such window.
bool GetWindowRect(HWND hWnd, TRect& Rect);

constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
// Moves and sizes a window (screen coordinates); the z-order stays as it is.
bool SetWindowPos(HWND hWnd, HWND InsertAfter, int X, int Y, int Width, int Height, unsigned Flags);

// Gives the window a region outside which nothing of it shows and no mouse
// input reaches it; the window owns the region from then on. Null removes it.
// Regions are in window coordinates. Hosts that can shape windows (GTK on X11)
// clip the real window to the region's bounding box; elsewhere the region is
// only recorded.
int SetWindowRgn(HWND hWnd, HRGN Region, bool Redraw);
// Copies the window's region into Region: SIMPLEREGION or COMPLEXREGION when
// it has one, ERROR_REGION when it has none.
int GetWindowRgn(HWND hWnd, HRGN Region);

// The system parameters the menus use. The menu-animation switch is kept per
// process: changing it never touches the desktop's setting for other programs.
constexpr unsigned SPI_GETMENUANIMATION = 0x1002;
constexpr unsigned SPI_SETMENUANIMATION = 0x1003;
constexpr unsigned SPIF_UPDATEINIFILE = 0x0001;
constexpr unsigned SPIF_SENDCHANGE = 0x0002;
// SPI_GETMENUANIMATION writes a bool to PvParam; SPI_SETMENUANIMATION takes
// the new value as PvParam itself (null: off). False for any other action.
bool SystemParametersInfo(unsigned Action, unsigned Param, void* PvParam, unsigned WinIni);
