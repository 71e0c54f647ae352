// The theme notifier: a watcher thread on the Office settings in the registry
// that tells registered windows when the Office colour theme may have changed.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/Lists.h"
#include "platform/classes/Registry.h"
#include "platform/ui/WinControl.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Sent to the registered windows when the watched key changed. WParam is the
// watched root key, LParam a pointer to the watched key's path (a
// NUL-terminated text that stays valid for the life of the program).
constexpr unsigned WM_OFFICETHEMECHANGE = 2993;

// A list of window handles kept as integers.
class THandleList : public TList {
    VISTRA_CLASS(THandleList, TList)

    THandleList() = default;

    HWND GetInteger(int Index) const;
    void SetInteger(int Index, HWND Value);
    int Add(HWND Value);
    void Insert(int Index, HWND Value);
    void Delete(int Index);
    // Removes the first entry equal to Value, when there is one.
    void DeleteValue(HWND Value);
    bool HasValue(HWND Value) const;
};

// Watches a registry key (always with its subtree) on a thread of its own and
// posts WM_OFFICETHEMECHANGE to Wnd and then to every window of WinList, in
// that order, after each change. The messages are handled on the
// user-interface thread by its message loop.
class TRegMonitorThread {
public:
    TRegMonitorThread();
    // Stops the thread and waits for it to end.
    ~TRegMonitorThread();
    TRegMonitorThread(const TRegMonitorThread&) = delete;
    TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

    // Runs Execute on the thread; the properties must be set before.
    void Start();
    // Tells the thread to end and wakes it; safe from any thread.
    void Stop();
    bool Terminated() const noexcept { return FTerminated; }
    // True once Execute has begun watching the key (after a successful open).
    bool Watching() const noexcept { return FWatching; }

    const std::string& Key() const noexcept { return FKey; }
    void SetKey(std::string Value) { FKey = std::move(Value); }
    HKEY RootKey() const noexcept { return FRootKey; }
    void SetRootKey(HKEY Value) { FRootKey = Value; }
    bool WatchSub() const noexcept { return FWatchSub; }
    void SetWatchSub(bool Value) { FWatchSub = Value; }
    // A filter of 0 reads as 15 (every kind of change), and is kept so.
    int Filter();
    void SetFilter(int Value) { FFilter = Value; }
    HWND Wnd() const noexcept { return FWnd; }
    void SetWnd(HWND Value) { FWnd = Value; }

    // The further windows; the thread reads them under WinListLock, so
    // change them only while holding it.
    THandleList* WinList() noexcept { return FWinList.get(); }
    std::mutex& WinListLock() noexcept { return FWinListLock; }

private:
    void Execute();
    void NotifyWindows();

    std::unique_ptr<TRegistry> FReg;
    std::unique_ptr<TRegistryChangeWatch> FWatch;
    std::string FKey;
    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FWatchSub = false;
    int FFilter = 0;
    HWND FWnd = 0;
    std::unique_ptr<THandleList> FWinList;
    std::mutex FWinListLock;
    std::mutex FWatchLock;
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FWatching{false};
    std::thread FThread;
};

// The hidden window the monitor thread tells first; it raises
// OnOfficeThemeChange on WM_OFFICETHEMECHANGE.
class TThemeNotifierWindow : public TWinControl {
    VISTRA_CLASS(TThemeNotifierWindow, TWinControl)

    explicit TThemeNotifierWindow(TComponent* AOwner);

    TNotifyEvent OnOfficeThemeChange;

    void WndProc(TMessage& Message) override;
};

class TThemeNotifier : public TComponent {
    VISTRA_CLASS(TThemeNotifier, TComponent)

    // Without Office 2007 or 2010 settings (or at design time) the notifier
    // has no window and no thread. Otherwise AOwner should be a windowed
    // control: it becomes the hidden window's parent.
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    // Without a monitor thread both do nothing.
    void RegisterWindow(HWND Hwnd);
    void UnRegisterWindow(HWND Hwnd);

    TRegMonitorThread* RegMonitorThread() const noexcept { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* Notifier() const noexcept { return FNotifier; }

    TNotifyEvent OnOfficeThemeChange;

private:
    void NotifierThemeChange(TObject* Sender);

    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    TThemeNotifierWindow* FNotifier = nullptr; // owned as a component
};

// The shared notifier, created on first use. Its owner is the application's
// main form when that has a window, else AOwner.
TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner);
