// Opening a file or an address with the desktop's program for it.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Messages.h"

// Opens target ("open" is the only verb); returns false when nothing could open it.
bool ShellOpen(const std::string& Target);
// The shell's open with its result: above 32 for success, as callers test.
std::intptr_t ShellExecute(HWND hWnd, const std::string& Operation, const std::string& File,
                           const std::string& Parameters, const std::string& Directory, int ShowCmd);
inline constexpr int SW_SHOWNORMAL = 1;

namespace ui {
// Replaces how targets are opened (tests record them); null restores the backend's.
void SetShellOpenHandler(std::function<bool(const std::string& target)> handler);
} // namespace ui
