// The theme notifier, its hidden window, the registry monitor thread and the
// handle list the thread reports to.
#include "render/ThemeNotifier.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "render/OfficeKeys.h"
#include "render/QuillStyleIF.h"

#include <set>
#include <vector>

namespace {

TThemeNotifier* gSharedNotifier = nullptr;

// The key path handed to windows must outlive every posted message, which may
// be delivered after the thread and its notifier are gone; the few watched
// paths are therefore kept for the life of the program.
const char* LastingKeyPath(const std::string& path)
{
    static std::mutex lock;
    static std::set<std::string> paths;
    std::lock_guard guard(lock);
    return paths.insert(path).first->c_str();
}

void* AsItem(HWND value)
{
    return reinterpret_cast<void*>(value);
}

} // namespace

// ---- THandleList ----

HWND THandleList::GetInteger(int Index) const
{
    return reinterpret_cast<HWND>(Items(Index));
}

void THandleList::SetInteger(int Index, HWND Value)
{
    SetItems(Index, AsItem(Value));
}

int THandleList::Add(HWND Value)
{
    return TList::Add(AsItem(Value));
}

void THandleList::Insert(int Index, HWND Value)
{
    TList::Insert(Index, AsItem(Value));
}

void THandleList::Delete(int Index)
{
    TList::Delete(Index);
}

void THandleList::DeleteValue(HWND Value)
{
    int index = IndexOf(AsItem(Value));
    if (index >= 0)
        TList::Delete(index);
}

bool THandleList::HasValue(HWND Value) const
{
    return IndexOf(AsItem(Value)) >= 0;
}

// ---- TRegMonitorThread ----

TRegMonitorThread::TRegMonitorThread()
    : FReg(std::make_unique<TRegistry>()), FWinList(std::make_unique<THandleList>())
{
}

TRegMonitorThread::~TRegMonitorThread()
{
    Stop();
    if (FThread.joinable())
        FThread.join();
}

void TRegMonitorThread::Start()
{
    if (!FThread.joinable())
        FThread = std::thread([this] { Execute(); });
}

void TRegMonitorThread::Stop()
{
    std::lock_guard guard(FWatchLock);
    FTerminated = true;
    if (FWatch)
        FWatch->Cancel();
}

int TRegMonitorThread::Filter()
{
    if (FFilter == 0)
        FFilter = 15;
    return FFilter;
}

void TRegMonitorThread::Execute()
{
    // A key that cannot be opened or watched ends the thread; nobody is told.
    try {
        FReg->SetRootKey(FRootKey);
        if (!FReg->OpenKeyReadOnly(FKey))
            throw ERegistryException("Unable to open registry key " + FKey);
        {
            std::lock_guard guard(FWatchLock);
            if (FTerminated)
                return;
            // The watch always covers the subtree, whatever WatchSub says.
            FWatch = std::make_unique<TRegistryChangeWatch>(FRootKey, FKey, true);
        }
        FWatching = true;
        while (FWatch->WaitForChange() && !FTerminated)
            NotifyWindows();
    } catch (const std::exception&) {
    }
    FWatching = false;
}

void TRegMonitorThread::NotifyWindows()
{
    const auto path = reinterpret_cast<LPARAM>(LastingKeyPath(FKey));
    std::vector<HWND> targets;
    if (FWnd != 0)
        targets.push_back(FWnd);
    {
        std::lock_guard guard(FWinListLock);
        for (int i = 0; i < FWinList->Count(); ++i)
            targets.push_back(FWinList->GetInteger(i));
    }
    // Posted, not sent: the windows belong to the user-interface thread,
    // whose loop delivers the messages in this order.
    for (HWND target : targets)
        PostMessage(target, WM_OFFICETHEMECHANGE, FRootKey, path);
}

// ---- TThemeNotifierWindow ----

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner)
{
    SetVisible(false);
}

void TThemeNotifierWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_OFFICETHEMECHANGE && OnOfficeThemeChange)
        OnOfficeThemeChange(this);
    TWinControl::WndProc(Message);
}

// ---- TThemeNotifier ----

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    int office = InstalledOfficeVersion();
    if (office == 0)
        return;
    FNotifier = new TThemeNotifierWindow(this);
    if (auto* parent = dynamic_cast<TWinControl*>(AOwner))
        FNotifier->SetParent(parent);
    FNotifier->OnOfficeThemeChange = [this](TObject* Sender) { NotifierThemeChange(Sender); };

    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->SetWnd(FNotifier->Handle());
    FRegMonitorThread->SetFilter(4); // changes of values
    FRegMonitorThread->SetKey(std::string(office == 2 ? render::kOffice2010Common
                                                      : render::kOffice2007Common));
    FRegMonitorThread->SetRootKey(HKEY_CURRENT_USER);
    FRegMonitorThread->SetWatchSub(true);
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    // The thread goes first, so it posts nothing to a window being freed.
    FRegMonitorThread.reset();
    if (gSharedNotifier == this)
        gSharedNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd)
{
    if (!FRegMonitorThread)
        return;
    std::lock_guard guard(FRegMonitorThread->WinListLock());
    if (!FRegMonitorThread->WinList()->HasValue(Hwnd))
        FRegMonitorThread->WinList()->Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd)
{
    if (!FRegMonitorThread)
        return;
    std::lock_guard guard(FRegMonitorThread->WinListLock());
    FRegMonitorThread->WinList()->DeleteValue(Hwnd);
}

void TThemeNotifier::NotifierThemeChange(TObject*)
{
    if (OnOfficeThemeChange)
        OnOfficeThemeChange(this);
}

TThemeNotifier* ThemeNotifierInstance(TComponent* AOwner)
{
    if (gSharedNotifier)
        return gSharedNotifier;
    TComponent* owner = AOwner;
    if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
        owner = Application->MainForm();
    gSharedNotifier = new TThemeNotifier(owner);
    return gSharedNotifier;
}
