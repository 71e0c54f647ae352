// The least date-time picker the grid's pickers build on: a one-line edit
// holding a date or a time, with its drop-down or up-down button drawn at the
// right. It has no calendar: the drop-down part is only drawn.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/EditControls.h"

namespace grid {

class TPlainDateTimePicker : public TCustomEdit {
    VISTRA_CLASS(TPlainDateTimePicker, TCustomEdit)

    explicit TPlainDateTimePicker(TComponent* AOwner);

    TDateTimeKind Kind() const noexcept { return FKind; }
    void SetKind(TDateTimeKind Value);
    TDateTime DateTime() const noexcept { return FDateTime; }
    void SetDateTime(TDateTime Value);
    // The date part (whole days) and the time part (fraction of a day).
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    // The sunken three-dimensional frame; off, a flat one-pixel frame.
    bool Ctl3D() const noexcept { return FCtl3D; }
    void SetCtl3D(bool Value);
    // Always false: there is no calendar to drop down yet.
    bool DroppedDown() const noexcept { return false; }

protected:
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;
    void CreateWnd() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void CMExit(TMessage& Message) override;
    // The right part of the client area holding the button.
    TRect ButtonRect() const;
    // Width of the platform's button; the text stops short of it.
    static int PlatformButtonWidth();

private:
    // Takes the typed text as the new value; text that is no date or time
    // gives the shown value back.
    void CommitText();
    void ShowValue();

    TDateTimeKind FKind = dtkDate;
    TDateTime FDateTime;
    bool FCtl3D = true;
};

} // namespace grid
