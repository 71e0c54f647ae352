// Virtual-key codes, the bits of a key message's key data, and shift states.
#pragma once

#include <cstdint>
#include <string>

#include "platform/classes/Sets.h"

#define VISTRA_VIRTUAL_KEYS(X)                                                                 \
    X(VK_LBUTTON, 0x01) X(VK_RBUTTON, 0x02) X(VK_CANCEL, 0x03) X(VK_MBUTTON, 0x04)             \
    X(VK_BACK, 0x08) X(VK_TAB, 0x09) X(VK_CLEAR, 0x0C) X(VK_RETURN, 0x0D) X(VK_SHIFT, 0x10)    \
    X(VK_CONTROL, 0x11) X(VK_MENU, 0x12) X(VK_PAUSE, 0x13) X(VK_CAPITAL, 0x14)                 \
    X(VK_ESCAPE, 0x1B) X(VK_SPACE, 0x20) X(VK_PRIOR, 0x21) X(VK_NEXT, 0x22) X(VK_END, 0x23)    \
    X(VK_HOME, 0x24) X(VK_LEFT, 0x25) X(VK_UP, 0x26) X(VK_RIGHT, 0x27) X(VK_DOWN, 0x28)        \
    X(VK_SELECT, 0x29) X(VK_PRINT, 0x2A) X(VK_SNAPSHOT, 0x2C) X(VK_INSERT, 0x2D)               \
    X(VK_DELETE, 0x2E) X(VK_HELP, 0x2F) X(VK_LWIN, 0x5B) X(VK_RWIN, 0x5C) X(VK_APPS, 0x5D)     \
    X(VK_NUMPAD0, 0x60) X(VK_NUMPAD1, 0x61) X(VK_NUMPAD2, 0x62) X(VK_NUMPAD3, 0x63)            \
    X(VK_NUMPAD4, 0x64) X(VK_NUMPAD5, 0x65) X(VK_NUMPAD6, 0x66) X(VK_NUMPAD7, 0x67)            \
    X(VK_NUMPAD8, 0x68) X(VK_NUMPAD9, 0x69) X(VK_MULTIPLY, 0x6A) X(VK_ADD, 0x6B)               \
    X(VK_SEPARATOR, 0x6C) X(VK_SUBTRACT, 0x6D) X(VK_DECIMAL, 0x6E) X(VK_DIVIDE, 0x6F)          \
    X(VK_F1, 0x70) X(VK_F2, 0x71) X(VK_F3, 0x72) X(VK_F4, 0x73) X(VK_F5, 0x74) X(VK_F6, 0x75)  \
    X(VK_F7, 0x76) X(VK_F8, 0x77) X(VK_F9, 0x78) X(VK_F10, 0x79) X(VK_F11, 0x7A)               \
    X(VK_F12, 0x7B) X(VK_F24, 0x87) X(VK_NUMLOCK, 0x90) X(VK_SCROLL, 0x91) X(VK_LSHIFT, 0xA0)  \
    X(VK_RSHIFT, 0xA1) X(VK_LCONTROL, 0xA2) X(VK_RCONTROL, 0xA3) X(VK_LMENU, 0xA4)             \
    X(VK_RMENU, 0xA5) X(VK_OEM_1, 0xBA) X(VK_OEM_PLUS, 0xBB) X(VK_OEM_COMMA, 0xBC)             \
    X(VK_OEM_MINUS, 0xBD) X(VK_OEM_PERIOD, 0xBE) X(VK_OEM_2, 0xBF) X(VK_OEM_3, 0xC0)           \
    X(VK_OEM_4, 0xDB) X(VK_OEM_5, 0xDC) X(VK_OEM_6, 0xDD) X(VK_OEM_7, 0xDE)
// Letters and digits are their ASCII upper-case codes ('A' .. 'Z', '0' .. '9').

#define VISTRA_DECLARE_VK(Name, Value) inline constexpr unsigned short Name = Value;
VISTRA_VIRTUAL_KEYS(VISTRA_DECLARE_VK)
#undef VISTRA_DECLARE_VK

// Key data (LParam of key messages): repeat count in bits 0-15, scan code in
// 16-23, then these flags.
inline constexpr std::uint32_t KF_EXTENDED_BIT = 1u << 24; // keys outside the main block and keypad
inline constexpr std::uint32_t KF_KEYPAD_BIT = 1u << 22;   // typed on the numeric keypad
inline constexpr std::uint32_t KF_ALTDOWN_BIT = 1u << 29;  // Alt held (context code)
inline constexpr std::uint32_t KF_REPEAT_BIT = 1u << 30;   // the key was already down
inline constexpr std::uint32_t KF_UP_BIT = 1u << 31;       // the key is being released

// Which modifier keys and mouse buttons are held.
enum TShiftStateValue { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateValue, 8>;

// A key with its modifiers, as menus store shortcuts: the virtual key in the low
// byte and these modifier bits above it.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

inline TShortCut ShortCut(unsigned short Key, TShiftState Shift)
{
    TShortCut result = static_cast<TShortCut>(Key & 0xFF);
    if (Shift.Contains(ssShift)) result |= scShift;
    if (Shift.Contains(ssCtrl)) result |= scCtrl;
    if (Shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

// The key state as the keyboard reports it: the high bit set while the key is
// down, the low bit toggled by each press.
short GetKeyState(int nVirtKey);
short GetAsyncKeyState(int vKey);
// The modifier keys held now (Shift, Ctrl, Alt) plus the mouse buttons down.
TShiftState KeyboardStateToShiftState();
// The shift state a key message carries: Alt from the key data, Shift and Ctrl
// from the keyboard state.
TShiftState KeyDataToShiftState(std::uint32_t KeyData);
// "Ctrl+S", "Shift+F4", "" for none.
std::string ShortCutToText(TShortCut shortCut);

namespace ui {
// Records a key going down or up in the keyboard state; the input pipeline calls it.
void SetKeyDown(unsigned short vk, bool down);
// Forgets every held key and button (tests start from a clean keyboard).
void ResetKeyboardState();
// The key that types Character on a US keyboard ('.' is VK_OEM_PERIOD, '!' is
// '1'); 0 for a character no key types directly.
unsigned short VirtualKeyForCharacter(char32_t Character);
} // namespace ui
