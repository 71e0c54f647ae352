// The spin edit's pair of up and down buttons, each repeating its click while held.
#pragma once

#include <memory>

#include "grid/base/ButtonColorSet.h"
#include "platform/classes/Sets.h"
#include "platform/ui/Buttons.h"

class TTimer;

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimerButtonState { tbFocusRect, tbAllowTimer };
using TTimerButtonStates = TSet<TTimerButtonState, 2>;

// A speed button that clicks again 400 ms after it is pressed and then every
// 100 ms while it stays down.
class TQuillTimerSpeedButton : public TSpeedButton {
    VISTRA_CLASS(TQuillTimerSpeedButton, TSpeedButton)

    explicit TQuillTimerSpeedButton(TComponent* AOwner);
    ~TQuillTimerSpeedButton() override;

    TTimerButtonStates& TimeBtnState() noexcept { return FState; }
    TButtonDirection ButtonDirection() const noexcept { return FDirection; }
    void SetButtonDirection(TButtonDirection Value);
    bool IsWinXP() const noexcept { return FIsWinXP; }
    void SetIsWinXP(bool Value) { FIsWinXP = Value; }
    bool MouseOver() const noexcept { return FMouseOver; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    void TimerExpired();
    void StopTimer();

    TTimerButtonStates FState;
    TButtonDirection FDirection = bdUp;
    bool FIsWinXP = false, FMouseOver = false;
    TTimer* FRepeatTimer = nullptr;
};

class TSarnSpinButton : public TWinControl, public grid::TButtonColorProperties {
    VISTRA_CLASS(TSarnSpinButton, TWinControl)

    explicit TSarnSpinButton(TComponent* AOwner);
    ~TSarnSpinButton() override;

    TQuillTimerSpeedButton& UpButton() const noexcept { return *FUpButton; }
    TQuillTimerSpeedButton& DownButton() const noexcept { return *FDownButton; }
    TSpinDirection Direction() const noexcept { return FDirection; }
    void SetDirection(TSpinDirection Value);
    TWinControl* FocusControl() const noexcept { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    void SetIsWinXP(bool Value);

    // The buttons paint in the face colours of ButtonColors() when one is set;
    // the text colours are kept for the editors that read them back.

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void BoundsChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void ButtonColorChanged(grid::TButtonColorPart Part) override;

private:
    TQuillTimerSpeedButton* CreateButton(TButtonDirection Direction);
    void LayoutButtons();
    void ButtonPressed(TQuillTimerSpeedButton& Button);
    void ButtonClicked(TQuillTimerSpeedButton& Button);
    void SetFocusedButton(TQuillTimerSpeedButton* Button);

    TQuillTimerSpeedButton* FUpButton;
    TQuillTimerSpeedButton* FDownButton;
    TQuillTimerSpeedButton* FFocusedButton;
    TSpinDirection FDirection = spVertical;
    TWinControl* FFocusControl = nullptr;
};
