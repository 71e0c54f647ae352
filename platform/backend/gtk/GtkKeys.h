// Translating the host's keys into our key messages.
#pragma once

#include <cstdint>

namespace backend::gtk {

struct TTranslatedKey {
    unsigned short VirtualKey = 0; // 0 when the key has no code of ours
    std::uint32_t KeyData = 0;
    char32_t Char = 0;             // 0 when the key makes no character
    bool System = false;           // Alt held (or F10): WM_SYSKEYDOWN and WM_SYSCHAR
};

// keyval and modifierState are GDK's; hardwareKeycode's low six bits become
// the scan-code byte, whose 0x40 bit marks the numeric keypad.
TTranslatedKey TranslateKey(unsigned keyval, unsigned hardwareKeycode, unsigned modifierState, bool release);

} // namespace backend::gtk
