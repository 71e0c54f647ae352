// A masked time edit ("hh:mm:ss", or "hh:mm" without seconds) whose popup
// shows an analogue watch and, optionally, a time picker below it. The time
// is set by typing, by stepping the field under the caret with Up and Down,
// or in the popup with the watch (mouse and keys) and the picker; closing the
// popup takes the watch's time, Esc leaves the time as it was.
#pragma once

#include <memory>
#include <string>

#include "controls/dropdown/QuillDropDown.h"
#include "controls/pickers/QuillWatch.h"

class TDateTimePicker;
class TPanel;

namespace controls {

class TQuillTimePickerDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillTimePickerDropDown, TQuillCustomDropDown)

    explicit TQuillTimePickerDropDown(TComponent* AOwner);
    ~TQuillTimePickerDropDown() override;

    TDateTime Time() const noexcept { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowSeconds() const noexcept { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const noexcept { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) noexcept { FShowTimePicker = Value; }
    // Copied into the popup's watch at each opening.
    TWatchAppearance& WatchAppearance() const noexcept { return *FWatchAppearance; }
    void SetWatchAppearance(const TWatchAppearance& Value) { FWatchAppearance->Assign(&Value); }
    TWatchSettings& WatchSettings() const noexcept { return *FWatchSettings; }
    void SetWatchSettings(const TWatchSettings& Value) { FWatchSettings->Assign(&Value); }
    bool ShowWatchAMPM() const noexcept { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) noexcept { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const noexcept { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) noexcept { FShowWatchNumbers = Value; }
    bool Animation() const noexcept { return FAnimation; }
    void SetAnimation(bool Value) noexcept { FAnimation = Value; }
    int AnimationFactor() const noexcept { return FAnimationFactor; }
    void SetAnimationFactor(int Value) noexcept { FAnimationFactor = Value; }
    // The mask of the face: optional first hour digit, required others,
    // separators kept in the text, a blank for a missing digit.
    const std::string& EditMask() const noexcept { return FEditMask; }

    // One part of the time; an unchanged or out-of-range value does nothing.
    void SetTimeHour(int Value);
    void SetTimeMinute(int Value);
    void SetTimeSecond(int Value);
    // Two-digit parts joined by the time separator; the second only with ShowSeconds.
    std::string FormatTimeText(int Hour, int Minute, int Second) const;

    TQuillWatch* Watch() const noexcept { return FQuillWatch; }
    TDateTimePicker* TimePicker() const noexcept { return FDateTimePicker; }

    void SetComponentStyle(TQORStyle AStyle) override;

    // The time was stepped, or changed by the picker.
    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownHidden() override;
    void FormKeyDown(unsigned short& Key, TShiftState Shift) override;
    void FormKeyUp(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyDown(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyUp(unsigned short& Key, TShiftState Shift) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void Change() override;

private:
    void HandleWatchChange();
    void HandlePickerChange();
    void SetMask();
    // The text has the separators of the current format and nothing more.
    bool HasTimeLayout(const std::string& Text) const;
    void StepFieldAtCaret(bool Up);
    void WriteOwnText(const std::string& Text);
    bool KeyStaysInPopup(unsigned short Key, TShiftState Shift) const;

    TDateTime FTime = 0;
    TDateTime FTimeAtOpening = 0;
    bool FShowSeconds = true, FShowTimePicker = false;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FShowWatchAMPM = true, FShowWatchNumbers = true, FAnimation = true;
    int FAnimationFactor = 10;
    TQuillWatch* FQuillWatch = nullptr;
    TPanel* FPanelCtrl = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    bool FInternalCall = false;
    std::string FEditMask;
    static constexpr int WatchSize = 170;
};

// Every character of the text up to a blank is a digit, at most two of them;
// an empty part passes.
bool IsTwoDigitNumber(const std::string& Part);

} // namespace controls
