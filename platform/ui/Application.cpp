// TApplication: the message loop, exception reporting and hints.
#include "platform/ui/Application.h"


#include <filesystem>

#include "platform/classes/ExceptionHook.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Hints.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"

namespace {
// The hint timer belongs to no window.
constexpr std::uintptr_t HintTimerId = 0x7F01;
} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication()
{
    Destroying();
    FHintWindow.reset();
}

void TApplication::Initialize() { ui::Backend(); }

std::string TApplication::ExeName() const
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

void TApplication::Run()
{
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) HandleMessage();
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (ui::BackendCreated()) ui::Backend().Wake();
}

void TApplication::ProcessMessages()
{
    auto& backend = ui::Backend();
    backend.PollEvents();
    // Bounded: a handler that keeps posting cannot hold the caller here forever.
    for (int pass = 0; pass < 64 && !FTerminated; ++pass) {
        if (!ui::ProcessPending()) break;
        backend.PollEvents();
    }
}

bool TApplication::Idle()
{
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(this, done);
        } catch (...) {
            HandleException(this);
        }
    }
    return done;
}

void TApplication::HandleMessage()
{
    auto& backend = ui::Backend();
    backend.PollEvents();
    if (ui::ProcessPending() || FTerminated) return;
    // Idle handlers that delivered messages did work: the caller looks again first.
    std::uint64_t before = ui::DispatchedMessageCount();
    if (!Idle() || ui::HasPending() || FTerminated || ui::DispatchedMessageCount() != before) return;
    backend.WaitForEvents(ui::NextTimerDeadline());
    ui::ProcessPending();
}

void TApplication::ThreadMessage(TMessage& Message)
{
    bool handled = false;
    if (OnMessage) OnMessage(Message, handled);
    if (!handled && Message.Msg == WM_QUIT) Terminate();
}

void TApplication::HandleException(TObject* Sender) { ::HandleException(Sender); }

void TApplication::ReportException(TObject* Sender, const std::exception& E)
{
    auto* known = dynamic_cast<const Exception*>(&E);
    Exception wrapped(E.what());
    const Exception& e = known ? *known : wrapped;
    if (OnException) OnException(Sender, e);
    else ShowException(e);
}

void TApplication::ShowException(const Exception& E)
{
    std::string text = E.Message();
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    return ui::RunMessageBox(Text, Caption.empty() ? FTitle : Caption, Flags);
}

void TApplication::FormDestroyed(TCustomForm* Form)
{
    if (FMainForm == Form) FMainForm = nullptr;
    if (FHintControl && FHintControl->GetParentForm() == Form) CancelHint();
}

void TApplication::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (!Value) CancelHint();
}

void TApplication::CancelHint()
{
    KillTimer(0, HintTimerId);
    FHintControl = nullptr;
    if (FHintShown && FHintWindow) FHintWindow->ReleaseHandle();
    FHintShown = false;
}

namespace {
// A control without a hint text of its own may still give one for the
// point under the pointer (CM_HINTSHOW), so ShowHint alone decides.
bool ControlShowsHint(TControl* c) { return c && c->ShowHint(); }
} // namespace

void TApplication::HintMouseMessage(TControl* Control)
{
    if (!FShowHint || Control == FHintControl) return;
    CancelHint();
    if (!ControlShowsHint(Control)) return;
    FHintControl = Control;
    SetTimer(0, HintTimerId, FHintPause, [this](HWND, unsigned, std::uintptr_t, std::uint64_t) { HintTimerExpired(); });
}

void TApplication::HintTimerExpired()
{
    KillTimer(0, HintTimerId);
    if (!FHintControl) return;
    ActivateHint(Mouse ? Mouse->CursorPos() : TPoint{});
}

void TApplication::ActivateHint(TPoint CursorPos)
{
    TControl* control = FHintControl;
    if (!control) return;
    THintInfo info;
    info.HintControl = control;
    info.HintStr = control->Hint();
    info.CursorPos = control->ScreenToClient(CursorPos);
    info.HintPos = {CursorPos.X, CursorPos.Y + 20};
    info.HintMaxWidth = 300;
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
    FHint = info.HintStr;
    if (OnHint) OnHint(this);
    if (!FHintWindow || info.HintWindowClass != FHintWindowClass) {
        if (FHintWindow) FHintWindow->ReleaseHandle();
        FHintWindowClass = info.HintWindowClass;
        FHintWindow.reset(FHintWindowClass ? FHintWindowClass(nullptr) : new THintWindow(nullptr));
    }
    FHintWindow->SetColor(info.HintColor);
    TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
    OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    FHintWindow->ActivateHint(r, info.HintStr);
    FHintShown = true;
}
