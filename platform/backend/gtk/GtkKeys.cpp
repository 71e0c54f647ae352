// GDK key values to our virtual-key codes, characters and key data.
#include "platform/backend/gtk/GtkKeys.h"

#include <gdk/gdk.h>
#include <gdk/gdkkeysyms.h>

#include <array>
#include <utility>

#include "platform/ui/VirtualKeys.h"

namespace backend::gtk {

namespace {

// Keys that are not letters or digits, once, as a table.
constexpr std::pair<unsigned, unsigned short> KeyTable[] = {
    {GDK_KEY_BackSpace, VK_BACK}, {GDK_KEY_Tab, VK_TAB}, {GDK_KEY_ISO_Left_Tab, VK_TAB},
    {GDK_KEY_Return, VK_RETURN}, {GDK_KEY_KP_Enter, VK_RETURN}, {GDK_KEY_Escape, VK_ESCAPE},
    {GDK_KEY_space, VK_SPACE}, {GDK_KEY_Page_Up, VK_PRIOR}, {GDK_KEY_Page_Down, VK_NEXT},
    {GDK_KEY_End, VK_END}, {GDK_KEY_Home, VK_HOME}, {GDK_KEY_Left, VK_LEFT}, {GDK_KEY_Up, VK_UP},
    {GDK_KEY_Right, VK_RIGHT}, {GDK_KEY_Down, VK_DOWN}, {GDK_KEY_Insert, VK_INSERT},
    {GDK_KEY_Delete, VK_DELETE}, {GDK_KEY_Shift_L, VK_LSHIFT}, {GDK_KEY_Shift_R, VK_RSHIFT},
    {GDK_KEY_Control_L, VK_LCONTROL}, {GDK_KEY_Control_R, VK_RCONTROL}, {GDK_KEY_Alt_L, VK_LMENU},
    {GDK_KEY_Alt_R, VK_RMENU}, {GDK_KEY_ISO_Level3_Shift, VK_RMENU}, {GDK_KEY_Caps_Lock, VK_CAPITAL},
    {GDK_KEY_Num_Lock, VK_NUMLOCK}, {GDK_KEY_Scroll_Lock, VK_SCROLL}, {GDK_KEY_Pause, VK_PAUSE},
    {GDK_KEY_Print, VK_SNAPSHOT}, {GDK_KEY_Menu, VK_APPS}, {GDK_KEY_Super_L, VK_LWIN},
    {GDK_KEY_Super_R, VK_RWIN}, {GDK_KEY_KP_Multiply, VK_MULTIPLY}, {GDK_KEY_KP_Add, VK_ADD},
    {GDK_KEY_KP_Subtract, VK_SUBTRACT}, {GDK_KEY_KP_Decimal, VK_DECIMAL}, {GDK_KEY_KP_Divide, VK_DIVIDE},
    {GDK_KEY_KP_Home, VK_HOME}, {GDK_KEY_KP_End, VK_END}, {GDK_KEY_KP_Left, VK_LEFT}, {GDK_KEY_KP_Right, VK_RIGHT},
    {GDK_KEY_KP_Up, VK_UP}, {GDK_KEY_KP_Down, VK_DOWN}, {GDK_KEY_KP_Page_Up, VK_PRIOR},
    {GDK_KEY_KP_Page_Down, VK_NEXT}, {GDK_KEY_KP_Insert, VK_INSERT}, {GDK_KEY_KP_Delete, VK_DELETE},
};

} // namespace

TTranslatedKey TranslateKey(unsigned keyval, unsigned hardwareKeycode, unsigned modifierState, bool release)
{
    TTranslatedKey k;
    unsigned lower = gdk_keyval_to_lower(keyval);
    if (lower >= GDK_KEY_a && lower <= GDK_KEY_z) k.VirtualKey = static_cast<unsigned short>('A' + (lower - GDK_KEY_a));
    else if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) k.VirtualKey = static_cast<unsigned short>('0' + (keyval - GDK_KEY_0));
    else if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) k.VirtualKey = static_cast<unsigned short>(VK_NUMPAD0 + (keyval - GDK_KEY_KP_0));
    else if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) k.VirtualKey = static_cast<unsigned short>(VK_F1 + (keyval - GDK_KEY_F1));
    // Printable ASCII key values are their characters.
    else if (keyval > GDK_KEY_space && keyval < 0x7F) k.VirtualKey = ui::VirtualKeyForCharacter(keyval);
    else {
        for (auto [gdk, vk] : KeyTable)
            if (gdk == keyval) {
                k.VirtualKey = vk;
                break;
            }
    }
    bool alt = (modifierState & GDK_MOD1_MASK) != 0 || k.VirtualKey == VK_LMENU || k.VirtualKey == VK_RMENU;
    bool ctrl = (modifierState & GDK_CONTROL_MASK) != 0;
    // The scan-code byte holds the host key code's low six bits; its 0x40 bit
    // (bit 22 of the key data) is kept for keys of the numeric keypad.
    k.KeyData = 1 | ((hardwareKeycode & 0x3F) << 16);
    if (keyval >= GDK_KEY_KP_Space && keyval <= GDK_KEY_KP_9) k.KeyData |= KF_KEYPAD_BIT;
    if (alt) k.KeyData |= KF_ALTDOWN_BIT;
    if (release) k.KeyData |= KF_REPEAT_BIT | KF_UP_BIT;
    k.System = alt || k.VirtualKey == VK_F10;
    if (release) return k;

    // The character the key makes: Ctrl with a letter gives its control
    // character, as Ctrl+C gives 3.
    if (ctrl && k.VirtualKey >= 'A' && k.VirtualKey <= 'Z') k.Char = static_cast<char32_t>(k.VirtualKey - 'A' + 1);
    else if (k.VirtualKey == VK_BACK) k.Char = 8;
    else if (k.VirtualKey == VK_RETURN) k.Char = ctrl ? 10 : 13;
    else if (k.VirtualKey == VK_ESCAPE) k.Char = 27;
    else if (k.VirtualKey == VK_TAB) k.Char = 9;
    else if (!ctrl) k.Char = gdk_keyval_to_unicode(keyval);
    // Delete makes no character here, as on the platform the key codes come from.
    if (k.Char == 0x7F) k.Char = 0;
    return k;
}

} // namespace backend::gtk
