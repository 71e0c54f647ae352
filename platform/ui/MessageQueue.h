// Sending and posting messages, the queue of posted messages, registered
// message numbers, and the message timers of windows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/ui/Messages.h"

// Delivers a message to the window now and returns its result; 0 for an unknown handle.
LRESULT SendMessage(HWND hWnd, unsigned Msg, WPARAM WParam, LPARAM LParam);
// Queues a message for the window; the loop delivers it later. Safe from any
// thread. Returns false for handle 0 with a message other than WM_QUIT.
bool PostMessage(HWND hWnd, unsigned Msg, WPARAM WParam, LPARAM LParam);
// The same number for the same name, case-insensitive, from FirstRegisteredMessage on.
unsigned RegisterWindowMessage(std::string_view Name);

// Timers send WM_TIMER (WParam = id) to the window each interval; a timer
// fires at most once per loop pass however late the loop is.
using TTimerProc = std::function<void(HWND hWnd, unsigned Msg, std::uintptr_t IdEvent, std::uint64_t Time)>;
std::uintptr_t SetTimer(HWND hWnd, std::uintptr_t IdEvent, unsigned Elapse, TTimerProc TimerFunc = nullptr);
bool KillTimer(HWND hWnd, std::uintptr_t IdEvent);

namespace ui {

// One pass of the loop: delivers the posted messages that were queued, the
// timers that are due, then paints. Returns false when there was nothing to do.
bool ProcessPending();
// The deadline of the next timer, if any.
std::optional<std::uint64_t> NextTimerDeadline();
bool HasPending();
void KillTimersOf(HWND hWnd);
// Forgets every posted message and timer (tests start clean).
void ResetMessageQueue();

} // namespace ui
