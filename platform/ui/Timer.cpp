// TTimer over the window timers of the message loop.
#include "platform/ui/Timer.h"

#include "platform/ui/MessageQueue.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer()
{
    if (FId) KillTimer(0, FId);
}

void TTimer::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (FId) KillTimer(0, FId);
    FId = 0;
    if (FEnabled && FInterval > 0)
        FId = SetTimer(0, 0, FInterval, [this](HWND, unsigned, std::uintptr_t, std::uint64_t) { Timer(); });
}

void TTimer::Timer()
{
    if (OnTimer) OnTimer(this);
}
