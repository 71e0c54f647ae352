// The posted-message queue, registered messages and window timers.
#include "platform/ui/MessageQueue.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"

namespace {

struct TPosted {
    HWND Wnd;
    TMessage Message;
};

struct TTimerEntry {
    HWND Wnd;
    std::uintptr_t Id;
    unsigned Interval;
    std::uint64_t Due;
    TTimerProc Proc;
};

struct TQueueState {
    std::mutex Lock;
    std::deque<TPosted> Posted;
    std::vector<TTimerEntry> Timers;
    std::map<std::string, unsigned> Registered;
    std::uintptr_t NextTimerId = 1;
};

// Windows destroyed at exit (the application's forms go with the window
// layer's globals, after every file-scope object) still kill focus and set
// timers, so the queue is never destroyed: it lives as long as the process.
TQueueState& State()
{
    static TQueueState* state = new TQueueState;
    return *state;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void DeliverPosted(TPosted& p)
{
    if (p.Wnd == 0) {
        if (Application) Application->ThreadMessage(p.Message);
        return;
    }
    TWinControl* target = FindControl(p.Wnd);
    if (!target) return;
    if (p.Message.Msg == CM_RELEASE) {
        // The form frees itself here, outside any of its own handlers.
        if (auto* form = dynamic_cast<TCustomForm*>(target)) delete form;
        return;
    }
    target->MainWndProc(p.Message);
}

} // namespace

LRESULT SendMessage(HWND hWnd, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    TWinControl* target = FindControl(hWnd);
    if (!target) return 0;
    TMessage m{Msg, WParam, LParam, 0};
    target->MainWndProc(m);
    return m.Result;
}

bool PostMessage(HWND hWnd, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    {
        std::lock_guard lock(State().Lock);
        State().Posted.push_back({hWnd, {Msg, WParam, LParam, 0}});
    }
    if (ui::BackendCreated()) ui::Backend().Wake();
    return true;
}

unsigned RegisterWindowMessage(std::string_view Name)
{
    std::lock_guard lock(State().Lock);
    std::string key = Lower(Name);
    auto it = State().Registered.find(key);
    if (it != State().Registered.end()) return it->second;
    unsigned id = FirstRegisteredMessage + static_cast<unsigned>(State().Registered.size());
    State().Registered.emplace(key, id);
    return id;
}

std::uintptr_t SetTimer(HWND hWnd, std::uintptr_t IdEvent, unsigned Elapse, TTimerProc TimerFunc)
{
    if (Elapse == 0) Elapse = 1;
    std::uint64_t due = ui::Backend().NowMs() + Elapse;
    if (hWnd == 0 && IdEvent == 0) IdEvent = 0x10000 + State().NextTimerId++;
    for (auto& t : State().Timers) {
        if (t.Wnd == hWnd && t.Id == IdEvent) {
            t.Interval = Elapse;
            t.Due = due;
            t.Proc = std::move(TimerFunc);
            return IdEvent;
        }
    }
    State().Timers.push_back({hWnd, IdEvent, Elapse, due, std::move(TimerFunc)});
    return IdEvent;
}

bool KillTimer(HWND hWnd, std::uintptr_t IdEvent)
{
    auto n = std::erase_if(State().Timers, [&](const TTimerEntry& t) { return t.Wnd == hWnd && t.Id == IdEvent; });
    return n > 0;
}

namespace ui {

void KillTimersOf(HWND hWnd)
{
    std::erase_if(State().Timers, [&](const TTimerEntry& t) { return t.Wnd == hWnd; });
}

void ResetMessageQueue()
{
    std::lock_guard lock(State().Lock);
    State().Posted.clear();
    State().Timers.clear();
}

std::optional<std::uint64_t> NextTimerDeadline()
{
    if (State().Timers.empty()) return std::nullopt;
    std::uint64_t due = State().Timers.front().Due;
    for (const auto& t : State().Timers) due = std::min(due, t.Due);
    return due;
}

bool HasPending()
{
    {
        std::lock_guard lock(State().Lock);
        if (!State().Posted.empty()) return true;
    }
    if (auto due = NextTimerDeadline(); due && *due <= Backend().NowMs()) return true;
    return Screen && Screen->AnyFormNeedsPaint();
}

bool ProcessPending()
{
    bool worked = false;
    // Only what was queued before this pass: handlers that post again wait for the next.
    std::deque<TPosted> batch;
    {
        std::lock_guard lock(State().Lock);
        batch.swap(State().Posted);
    }
    for (std::size_t i = 0; i < batch.size(); ++i) {
        worked = true;
        DeliverPosted(batch[i]);
        if (Application && Application->Terminated()) {
            // What is left waits for whoever pumps messages next.
            std::lock_guard lock(State().Lock);
            State().Posted.insert(State().Posted.begin(), batch.begin() + static_cast<std::ptrdiff_t>(i + 1), batch.end());
            return true;
        }
    }
    std::uint64_t now = Backend().NowMs();
    std::vector<TTimerEntry> due;
    for (auto& t : State().Timers) {
        if (t.Due <= now) {
            t.Due = now + t.Interval;
            due.push_back(t);
        }
    }
    for (auto& t : due) {
        // A handler may have killed this timer meanwhile.
        if (std::none_of(State().Timers.begin(), State().Timers.end(), [&](const TTimerEntry& e) { return e.Wnd == t.Wnd && e.Id == t.Id; }))
            continue;
        worked = true;
        if (t.Proc) {
            try {
                t.Proc(t.Wnd, WM_TIMER, t.Id, now);
            } catch (...) {
                if (Application) Application->HandleException(nullptr);
            }
        } else if (TWinControl* target = FindControl(t.Wnd)) {
            TMessage m{WM_TIMER, t.Id, 0, 0};
            target->MainWndProc(m);
        }
    }
    if (Screen && Screen->AnyFormNeedsPaint()) {
        worked = true;
        Screen->PaintForms();
    }
    return worked;
}

} // namespace ui
