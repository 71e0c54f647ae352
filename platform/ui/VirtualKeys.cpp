// The keyboard state the input pipeline keeps, and shortcut texts.
#include "platform/ui/VirtualKeys.h"

#include <utility>

#include <array>

namespace {
// Per key: bit 0x80 while down, bit 0x01 toggled by each press.
std::array<unsigned char, 256> gKeys{};
} // namespace

short GetKeyState(int nVirtKey)
{
    if (nVirtKey < 0 || nVirtKey > 255) return 0;
    unsigned char k = gKeys[static_cast<std::size_t>(nVirtKey)];
    return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

short GetAsyncKeyState(int vKey) { return static_cast<short>(GetKeyState(vKey) & 0x8000); }

TShiftState KeyboardStateToShiftState()
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    if (GetKeyState(VK_LBUTTON) < 0) s.Include(ssLeft);
    if (GetKeyState(VK_RBUTTON) < 0) s.Include(ssRight);
    if (GetKeyState(VK_MBUTTON) < 0) s.Include(ssMiddle);
    return s;
}

TShiftState KeyDataToShiftState(std::uint32_t KeyData)
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (KeyData & KF_ALTDOWN_BIT) s.Include(ssAlt);
    return s;
}

std::string ShortCutToText(TShortCut shortCut)
{
    unsigned key = shortCut & 0xFF;
    if (key == 0) return {};
    std::string name;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) name = std::string(1, static_cast<char>(key));
    else if (key >= VK_F1 && key <= VK_F24) name = "F" + std::to_string(key - VK_F1 + 1);
    else {
        switch (key) {
        case VK_BACK: name = "BkSp"; break;
        case VK_TAB: name = "Tab"; break;
        case VK_RETURN: name = "Enter"; break;
        case VK_ESCAPE: name = "Esc"; break;
        case VK_SPACE: name = "Space"; break;
        case VK_PRIOR: name = "PgUp"; break;
        case VK_NEXT: name = "PgDn"; break;
        case VK_END: name = "End"; break;
        case VK_HOME: name = "Home"; break;
        case VK_LEFT: name = "Left"; break;
        case VK_UP: name = "Up"; break;
        case VK_RIGHT: name = "Right"; break;
        case VK_DOWN: name = "Down"; break;
        case VK_INSERT: name = "Ins"; break;
        case VK_DELETE: name = "Del"; break;
        default: return {};
        }
    }
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

namespace ui {

void SetKeyDown(unsigned short vk, bool down)
{
    auto set = [&](unsigned short k) {
        unsigned char& s = gKeys[k & 0xFF];
        if (down && !(s & 0x80)) s ^= 0x01;
        s = static_cast<unsigned char>(down ? (s | 0x80) : (s & ~0x80));
    };
    set(vk);
    // The sided modifier keys also count as the generic ones.
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) set(VK_SHIFT);
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) set(VK_CONTROL);
    if (vk == VK_LMENU || vk == VK_RMENU) set(VK_MENU);
}

void ResetKeyboardState() { gKeys.fill(0); }

unsigned short VirtualKeyForCharacter(char32_t Character)
{
    if (Character >= 'a' && Character <= 'z')
        return static_cast<unsigned short>(Character - 'a' + 'A');
    if ((Character >= 'A' && Character <= 'Z') || (Character >= '0' && Character <= '9'))
        return static_cast<unsigned short>(Character);
    // Punctuation and the shifted digits, each with the key that carries it.
    static constexpr std::pair<char, unsigned short> Keys[] = {
        {' ', VK_SPACE}, {'\t', VK_TAB}, {'\r', VK_RETURN}, {'\n', VK_RETURN}, {'\b', VK_BACK},
        {';', VK_OEM_1}, {':', VK_OEM_1}, {'=', VK_OEM_PLUS}, {'+', VK_OEM_PLUS},
        {',', VK_OEM_COMMA}, {'<', VK_OEM_COMMA}, {'-', VK_OEM_MINUS}, {'_', VK_OEM_MINUS},
        {'.', VK_OEM_PERIOD}, {'>', VK_OEM_PERIOD}, {'/', VK_OEM_2}, {'?', VK_OEM_2},
        {'`', VK_OEM_3}, {'~', VK_OEM_3}, {'[', VK_OEM_4}, {'{', VK_OEM_4},
        {'\\', VK_OEM_5}, {'|', VK_OEM_5}, {']', VK_OEM_6}, {'}', VK_OEM_6},
        {'\'', VK_OEM_7}, {'"', VK_OEM_7}, {')', '0'}, {'!', '1'}, {'@', '2'}, {'#', '3'},
        {'$', '4'}, {'%', '5'}, {'^', '6'}, {'&', '7'}, {'*', '8'}, {'(', '9'},
    };
    for (const auto& [character, vk] : Keys)
        if (static_cast<char32_t>(character) == Character)
            return vk;
    return 0;
}

} // namespace ui
