// TTimer: a component that raises OnTimer every Interval milliseconds.
#pragma once

#include <cstdint>

#include "platform/classes/Component.h"

class TTimer : public TComponent {
    VISTRA_CLASS(TTimer, TComponent)

    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned Interval() const noexcept { return FInterval; }
    // 0 stops the timer without clearing Enabled.
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    std::uintptr_t FId = 0;
};
