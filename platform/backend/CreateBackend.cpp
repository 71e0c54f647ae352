// Picks the backend at start-up. Only the headless backend exists so far;
// VISTRA_BACKEND=gtk says so instead of silently running without windows.
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Backend.h"

namespace vistra::backend {

std::unique_ptr<ui::TBackend> CreateHeadlessBackend();

std::unique_ptr<ui::TBackend> CreateBackend()
{
    const char* forced = std::getenv("VISTRA_BACKEND");
    std::string choice = forced ? forced : "";
    if (choice == "headless") return CreateHeadlessBackend();
    if (choice == "gtk") throw EInvalidOperation("This build has no GTK backend yet");
    if (!choice.empty()) throw EInvalidOperation("VISTRA_BACKEND must be \"headless\" or \"gtk\", not \"" + choice + "\"");
    return CreateHeadlessBackend();
}

} // namespace vistra::backend
// Every program that links the backend library gets this object (the library
// asks the linker for it by name), and with it the factory at start-up.
extern "C" const bool vistra_backend_registered = [] {
    vistra::ui::SetBackendFactory([] { return vistra::backend::CreateBackend(); });
    return true;
}();
