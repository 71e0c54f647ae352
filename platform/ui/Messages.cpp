// Names of message identifiers for diagnostics.
#include "platform/ui/Messages.h"

#include <cstdio>

namespace ui {

std::string MessageName(unsigned msg)
{
    struct Entry {
        const char* Name;
        unsigned Value;
    };
#define VISTRA_MESSAGE_ENTRY(Name, Value) {#Name, Value},
    static constexpr Entry table[] = {VISTRA_WINDOW_MESSAGES(VISTRA_MESSAGE_ENTRY)};
#undef VISTRA_MESSAGE_ENTRY
    for (const Entry& e : table)
        if (e.Value == msg) return e.Name;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", msg);
    return buffer;
}

} // namespace ui
