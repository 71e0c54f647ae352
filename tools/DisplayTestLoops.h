// Running the program's and GTK's loops in tests that drive a real display:
// once, a while, or until the input has had its effect.
#pragma once

#include "platform/ui/Application.h"

#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <thread>

namespace tools {

// Runs both loops once, then lets the server catch up a little.
inline void RunLoopsOnce()
{
    Application->ProcessMessages();
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// Runs both loops for a while, bounded, so the server and GTK settle.
inline void Settle(int rounds = 40)
{
    for (int i = 0; i < rounds; ++i) RunLoopsOnce();
}

// Runs both loops until the synthetic input has had its effect, at most ten
// seconds, however slow a loaded machine is; the caller's check says what
// was missing if the time ran out.
inline void SettleUntil(const std::function<bool()>& reached)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!reached() && std::chrono::steady_clock::now() < limit) RunLoopsOnce();
}

} // namespace tools
