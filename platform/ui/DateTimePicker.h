// The date and time picker: a one-line control showing a date or a time in
// the fields of its format. Digits and the arrow keys edit the field under the
// caret, a check box may switch the value off, and in date mode a button (or
// F4, Alt+Down) drops a month calendar; in time mode the button steps the field.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/DateTimeFields.h"

enum TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TCustomControl {
    VISTRA_CLASS(TDateTimePicker, TCustomControl)

    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const noexcept { return FKind; }
    void SetKind(TDateTimeKind Value);
    TDateTime DateTime() const noexcept { return FDateTime; }
    void SetDateTime(TDateTime Value) { SetDateTimeValue(Value); }
    // The whole days, and the time of day.
    TDateTime Date() const;
    TDateTime Time() const;
    // Empty: the short date format, or hours, minutes and seconds.
    const std::string& Format() const noexcept { return FFormat; }
    void SetFormat(const std::string& Value);
    bool ShowCheckbox() const noexcept { return FShowCheckbox; }
    void SetShowCheckbox(bool Value);
    // Off: the value is shown greyed and the fields take no input.
    bool Checked() const noexcept { return FChecked; }
    virtual void SetChecked(bool Value);
    // The sunken frame; off, a flat one-pixel frame.
    bool Ctl3D() const noexcept { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool DroppedDown() const noexcept { return FCalendar != nullptr; }
    // Drops the calendar (date mode) and closes it, taking its date or not.
    void DropDown();
    void CloseUp(bool Accept);
    // The field the caret stands in, counted among the editable fields.
    int FieldIndex() const noexcept { return FField; }
    void SetFieldIndex(int Value);
    // The text the control shows.
    std::string DisplayText() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    // Sends a new value to the control; every change of value goes through here.
    virtual void SetDateTimeValue(TDateTime Value);
    // The user changed the value or the check box; Unchecked when the box was
    // cleared. The base raises OnChange.
    virtual void DateTimeChanged(bool Unchecked);
    // The button's rectangle in client coordinates.
    TRect ButtonRect() const;
    // The fields' rectangle: between the check box and the button.
    TRect TextRect() const;

    TRect NonClientMargins() const override;
    void PaintNonClient(TCanvas& Canvas) override;
    void Paint() override;
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMExit(TMessage& Message) override;

private:
    class TCalendarPopup;
    ui::TDateField CurrentField() const;
    // A change made by the user: the value, then the notification.
    void UserSets(TDateTime Value);
    void CommitTyped();
    void MoveField(int Delta);
    int FieldAt(int X) const;

    TDateTimeKind FKind = dtkDate;
    TDateTime FDateTime;
    std::string FFormat;
    std::unique_ptr<ui::TDateTimeFields> FFields;
    int FField = 0;
    std::string FTyped;
    bool FShowCheckbox = false, FChecked = true, FCtl3D = true;
    std::unique_ptr<TCalendarPopup> FCalendar;
};
