// GDK keys become our virtual keys, characters and key data.
#include <gtest/gtest.h>

#include <gdk/gdk.h>
#include <gdk/gdkkeysyms.h>

#include "platform/backend/gtk/GtkKeys.h"
#include "platform/ui/VirtualKeys.h"

using backend::gtk::TranslateKey;

TEST(GtkKeysTest, KeysTranslateToCodesCharactersAndFlags)
{
    struct Case {
        const char* name;
        unsigned keyval, state;
        unsigned short vk;
        char32_t ch;
        bool system;
    } cases[] = {
        {"letter", GDK_KEY_a, 0, 'A', U'a', false},
        {"shifted letter", GDK_KEY_A, GDK_SHIFT_MASK, 'A', U'A', false},
        {"Ctrl+C gives character 3", GDK_KEY_c, GDK_CONTROL_MASK, 'C', 3, false},
        {"Ctrl+V gives character 22", GDK_KEY_v, GDK_CONTROL_MASK, 'V', 22, false},
        {"digit", GDK_KEY_7, 0, '7', U'7', false},
        {"keypad digit", GDK_KEY_KP_5, 0, VK_NUMPAD5, U'5', false},
        {"Enter", GDK_KEY_Return, 0, VK_RETURN, 13, false},
        {"Backspace", GDK_KEY_BackSpace, 0, VK_BACK, 8, false},
        {"Delete makes no character", GDK_KEY_Delete, 0, VK_DELETE, 0, false},
        {"F4", GDK_KEY_F4, 0, VK_F4, 0, false},
        {"Alt+x is a system key", GDK_KEY_x, GDK_MOD1_MASK, 'X', U'x', true},
        {"Shift+Tab", GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK, VK_TAB, 9, false},
        {"e acute", GDK_KEY_eacute, 0, 0, U'é', false},
        {"period", GDK_KEY_period, 0, VK_OEM_PERIOD, U'.', false},
        {"dollar is on the 4 key", GDK_KEY_dollar, GDK_SHIFT_MASK, '4', U'$', false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto k = TranslateKey(c.keyval, 38, c.state, false);
        EXPECT_EQ(k.VirtualKey, c.vk);
        EXPECT_EQ(k.Char, c.ch);
        EXPECT_EQ(k.System, c.system);
        EXPECT_EQ((k.KeyData & KF_ALTDOWN_BIT) != 0, c.system && c.vk != VK_F10);
        EXPECT_EQ((k.KeyData >> 16) & 0x3F, 38u) << "scan code byte";
        EXPECT_EQ((k.KeyData & KF_KEYPAD_BIT) != 0, c.vk == VK_NUMPAD5) << "only keypad keys carry bit 22";
    }
    auto up = TranslateKey(GDK_KEY_a, 38, 0, true);
    EXPECT_NE(up.KeyData & KF_UP_BIT, 0u);
    EXPECT_EQ(up.Char, 0u) << "a release makes no character";
}
