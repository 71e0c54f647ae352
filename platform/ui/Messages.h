// Window message identifiers, their parameter flags, and the message record controls receive.
#pragma once

#include <cstdint>
#include <string>

// A handle names one windowed control; 0 names none.
using HWND = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Every message identifier, once, with its number. Numbers below WM_USER are
// system messages; CM_ are the framework's own notifications to controls; CN_
// are notifications reflected back to the control that raised them.
#define VISTRA_WINDOW_MESSAGES(X)                                                           \
    X(WM_NULL, 0x0000) X(WM_CREATE, 0x0001) X(WM_DESTROY, 0x0002) X(WM_MOVE, 0x0003)        \
    X(WM_SIZE, 0x0005) X(WM_ACTIVATE, 0x0006) X(WM_SETFOCUS, 0x0007)                         \
    X(WM_KILLFOCUS, 0x0008) X(WM_ENABLE, 0x000A) X(WM_SETTEXT, 0x000C)                       \
    X(WM_GETTEXT, 0x000D) X(WM_GETTEXTLENGTH, 0x000E) X(WM_PAINT, 0x000F)                    \
    X(WM_CLOSE, 0x0010) X(WM_QUIT, 0x0012) X(WM_ERASEBKGND, 0x0014)                          \
    X(WM_SHOWWINDOW, 0x0018) X(WM_ACTIVATEAPP, 0x001C) X(WM_CANCELMODE, 0x001F)              \
    X(WM_SETCURSOR, 0x0020) X(WM_MOUSEACTIVATE, 0x0021) X(WM_MEASUREITEM, 0x002C)            \
    X(WM_DRAWITEM, 0x002B) X(WM_NEXTDLGCTL, 0x0028) X(WM_SETFONT, 0x0030)                    \
    X(WM_WINDOWPOSCHANGED, 0x0047) X(WM_CONTEXTMENU, 0x007B) X(WM_NCCALCSIZE, 0x0083)        \
    X(WM_NCHITTEST, 0x0084) X(WM_NCPAINT, 0x0085) X(WM_NCACTIVATE, 0x0086)                   \
    X(WM_GETDLGCODE, 0x0087) X(WM_NCLBUTTONDOWN, 0x00A1) X(WM_KEYDOWN, 0x0100)               \
    X(WM_KEYUP, 0x0101) X(WM_CHAR, 0x0102) X(WM_SYSKEYDOWN, 0x0104) X(WM_SYSKEYUP, 0x0105)   \
    X(WM_SYSCHAR, 0x0106) X(WM_COMMAND, 0x0111) X(WM_SYSCOMMAND, 0x0112) X(WM_TIMER, 0x0113) \
    X(WM_HSCROLL, 0x0114) X(WM_VSCROLL, 0x0115) X(WM_INITMENUPOPUP, 0x0117)                  \
    X(WM_GETICON, 0x007F) X(WM_MDIACTIVATE, 0x0222) X(WM_MDIGETACTIVE, 0x0229)               \
    X(WM_MDIREFRESHMENU, 0x0234)                                                              \
    X(WM_MENUSELECT, 0x011F) X(WM_MOUSEMOVE, 0x0200) X(WM_LBUTTONDOWN, 0x0201)               \
    X(WM_LBUTTONUP, 0x0202) X(WM_LBUTTONDBLCLK, 0x0203) X(WM_RBUTTONDOWN, 0x0204)            \
    X(WM_RBUTTONUP, 0x0205) X(WM_RBUTTONDBLCLK, 0x0206) X(WM_MBUTTONDOWN, 0x0207)            \
    X(WM_MBUTTONUP, 0x0208) X(WM_MBUTTONDBLCLK, 0x0209) X(WM_MOUSEWHEEL, 0x020A)             \
    X(WM_SIZING, 0x0214) X(WM_CAPTURECHANGED, 0x0215) X(WM_DROPFILES, 0x0233)                \
    X(WM_MOUSELEAVE, 0x02A3) X(WM_CUT, 0x0300) X(WM_COPY, 0x0301) X(WM_PASTE, 0x0302)        \
    X(WM_CLEAR, 0x0303) X(WM_UNDO, 0x0304) X(WM_THEMECHANGED, 0x031A) X(WM_USER, 0x0400)     \
    X(EM_GETSEL, 0x00B0) X(EM_SETSEL, 0x00B1) X(EM_GETRECT, 0x00B2) X(EM_SETRECT, 0x00B3)    \
    X(EM_SETRECTNP, 0x00B4) X(EM_GETMODIFY, 0x00B8) X(EM_SETMODIFY, 0x00B9)                  \
    X(EM_GETLINECOUNT, 0x00BA) X(EM_REPLACESEL, 0x00C2) X(EM_LIMITTEXT, 0x00C5)              \
    X(EM_CANUNDO, 0x00C6) X(EM_UNDO, 0x00C7) X(EM_SETREADONLY, 0x00CF) X(EM_SETMARGINS, 0x00D3)   \
    X(EM_GETMARGINS, 0x00D4) X(EM_POSFROMCHAR, 0x00D6) X(EM_CHARFROMPOS, 0x00D7)              \
    X(CM_BASE, 0xB000)                                                                       \
    X(CM_ACTIVATE, 0xB000) X(CM_DEACTIVATE, 0xB001) X(CM_DIALOGKEY, 0xB005)                  \
    X(CM_DIALOGCHAR, 0xB006) X(CM_FOCUSCHANGED, 0xB007) X(CM_PARENTFONTCHANGED, 0xB008)      \
    X(CM_PARENTCOLORCHANGED, 0xB009) X(CM_HITTEST, 0xB00A) X(CM_VISIBLECHANGED, 0xB00B)      \
    X(CM_ENABLEDCHANGED, 0xB00C) X(CM_COLORCHANGED, 0xB00D) X(CM_FONTCHANGED, 0xB00E)        \
    X(CM_CURSORCHANGED, 0xB00F) X(CM_CTL3DCHANGED, 0xB010) X(CM_TEXTCHANGED, 0xB012)         \
    X(CM_MOUSEENTER, 0xB013) X(CM_MOUSELEAVE, 0xB014) X(CM_MENUCHANGED, 0xB015)              \
    X(CM_BUTTONPRESSED, 0xB018) X(CM_SHOWINGCHANGED, 0xB019) X(CM_ENTER, 0xB01A)             \
    X(CM_EXIT, 0xB01B) X(CM_DESIGNHITTEST, 0xB01C) X(CM_WANTSPECIALKEY, 0xB01E)              \
    X(CM_CANCELMODE, 0xB01F) X(CM_SHOWHINTCHANGED, 0xB021) X(CM_SYSCOLORCHANGE, 0xB022)      \
    X(CM_SYSFONTCHANGED, 0xB024) X(CM_CHILDKEY, 0xB02A) X(CM_HINTSHOW, 0xB030)               \
    X(CM_RELEASE, 0xB033) X(CM_RECREATEWND, 0xB034) X(CM_CHANGED, 0xB037) X(CM_TABSTOPCHANGED, 0xB039)             \
    X(CM_CONTROLLISTCHANGE, 0xB03C) X(CM_MOUSEWHEEL, 0xB043) X(CM_INVOKEHELP, 0xB03A)        \
    X(CN_BASE, 0xBC00) X(CN_COMMAND, 0xBD11) X(CN_NOTIFY, 0xBC4E) X(CN_KEYDOWN, 0xBD00)      \
    X(CN_KEYUP, 0xBD01) X(CN_CHAR, 0xBD02) X(CN_SYSKEYDOWN, 0xBD04) X(CN_SYSCHAR, 0xBD06)    \
    X(CN_HSCROLL, 0xBD14) X(CN_VSCROLL, 0xBD15) X(CN_CTLCOLOREDIT, 0xBD33)                   \
    X(CN_CTLCOLORSTATIC, 0xBD38)

#define VISTRA_DECLARE_MESSAGE(Name, Value) inline constexpr unsigned Name = Value;
VISTRA_WINDOW_MESSAGES(VISTRA_DECLARE_MESSAGE)
#undef VISTRA_DECLARE_MESSAGE

// The first number handed out by RegisterWindowMessage.
inline constexpr unsigned FirstRegisteredMessage = 0xC000;

// WM_GETDLGCODE answers.
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// WM_ACTIVATE states (low word of WParam).
inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;
inline constexpr WPARAM WA_CLICKACTIVE = 2;

// WM_MOUSEACTIVATE answers.
inline constexpr LRESULT MA_ACTIVATE = 1;
inline constexpr LRESULT MA_NOACTIVATE = 3;

// WM_NCHITTEST answers.
// WM_GETICON's kinds.
inline constexpr WPARAM ICON_SMALL = 0, ICON_BIG = 1, ICON_SMALL2 = 2;
inline constexpr LRESULT HTNOWHERE = 0;
inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTCAPTION = 2;
inline constexpr LRESULT HTHSCROLL = 6;
inline constexpr LRESULT HTVSCROLL = 7;
inline constexpr LRESULT HTBORDER = 18;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;
inline constexpr LRESULT HTTRANSPARENT = -1;

// Mouse message key flags (WParam of mouse messages).
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

// One wheel notch.
inline constexpr int WHEEL_DELTA = 120;

// Scroll codes of WM_HSCROLL/WM_VSCROLL (low word of WParam).
inline constexpr unsigned SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1,
                          SB_PAGEUP = 2, SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3,
                          SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6,
                          SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8;

// Edit change notification carried in the high word of CN_COMMAND's WParam.
inline constexpr unsigned EN_CHANGE = 0x0300;
// Button click notification.
inline constexpr unsigned BN_CLICKED = 0;

// The message record every control handler receives.
struct TMessage {
    unsigned Msg = WM_NULL;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    unsigned WParamLo() const noexcept { return static_cast<unsigned>(WParam & 0xFFFF); }
    unsigned WParamHi() const noexcept { return static_cast<unsigned>((WParam >> 16) & 0xFFFF); }
    // Signed halves of LParam, as points are packed.
    int LParamLoSigned() const noexcept { return static_cast<std::int16_t>(LParam & 0xFFFF); }
    int LParamHiSigned() const noexcept { return static_cast<std::int16_t>((LParam >> 16) & 0xFFFF); }
};

constexpr LPARAM MakeLParam(int lo, int hi) noexcept
{
    return static_cast<LPARAM>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(lo)) |
                               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(hi)) << 16));
}
constexpr WPARAM MakeWParam(unsigned lo, unsigned hi) noexcept
{
    return static_cast<WPARAM>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16));
}

namespace ui {
// The identifier's name for diagnostics ("WM_KEYDOWN"), or a hex number.
std::string MessageName(unsigned msg);
} // namespace ui
