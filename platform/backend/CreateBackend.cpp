// Picks the backend at start-up: VISTRA_BACKEND=headless|gtk forces one;
// otherwise GTK with a display and headless without.
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "platform/backend/Backends.h"
#include "platform/rtl/Exceptions.h"

namespace backend {

std::unique_ptr<ui::TBackend> CreateBackend()
{
    const char* forced = std::getenv("VISTRA_BACKEND");
    std::string choice = forced ? forced : "";
    if (choice == "headless") return CreateHeadlessBackend();
    if (choice == "gtk") {
        auto gtk = CreateGtkBackend();
        if (!gtk) throw EInvalidOperation("VISTRA_BACKEND=gtk, but GTK could not open a display");
        return gtk;
    }
    if (!choice.empty()) throw EInvalidOperation("VISTRA_BACKEND must be \"headless\" or \"gtk\", not \"" + choice + "\"");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((display && *display) || (wayland && *wayland)) {
        // A busy display server may refuse a connection now and then; a few
        // tries keep a program from starting without its windows.
        constexpr int Attempts = 5;
        for (int attempt = 1; attempt <= Attempts; ++attempt) {
            if (auto gtk = CreateGtkBackend()) return gtk;
            if (attempt < Attempts) std::this_thread::sleep_for(std::chrono::milliseconds(100 * attempt));
        }
    }
    return CreateHeadlessBackend();
}

} // namespace backend

// Every program that links the backend library gets this object (the library
// asks the linker for it by name), and with it the factory at start-up.
extern "C" const bool vistra_backend_registered = [] {
    ui::SetBackendFactory([] { return backend::CreateBackend(); });
    return true;
}();
