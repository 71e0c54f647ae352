// The date-time pickers of the library: TCustomDateTimePicker paints its own
// frame and drop-down button (flat look, custom button colours) and, with
// AutoTab, moves on to the next field by itself while digits are typed;
// TQuillDateTimePicker adds an attached label and the kinds date, time and
// date with time, the last with a companion time picker in its right end.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/EditControls.h"

// The message a picker posts itself after a typed digit, so that it can see
// whether the field changed once the digit has been taken.
unsigned DTPShiftFocusMessage();

class TCustomDateTimePicker : public TDateTimePicker {
    VISTRA_CLASS(TCustomDateTimePicker, TDateTimePicker)

    explicit TCustomDateTimePicker(TComponent* AOwner);

    bool AutoTab() const noexcept { return FAutoTab; }
    void SetAutoTab(bool Value) { ApplyAutoTab(Value); }
    bool MetroStyle() const noexcept { return FMetroStyle; }
    void SetMetroStyle(bool Value);
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value) { ApplyBorderStyle(Value); }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The drop-down button's custom colours; ButtonColor not clNone turns them on.
    TColor ButtonColor = clNone, ButtonColorHot = clNone, ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone, ButtonTextColorDown = clNone, ButtonBorderColor = clNone;

    bool ButtonHover() const noexcept { return FButtonHover; }
    int ButtonWidth() const noexcept { return FButtonWidth; }

protected:
    // Moves the caret to the next field once a typed digit completed one.
    virtual void AdvanceTimeField();
    virtual void ApplyAutoTab(bool Value) { FAutoTab = Value; }
    // True: the control keeps the platform's frame and paints no flat one.
    virtual bool HasDefaultBorder() const { return true; }
    virtual void ApplyBorderStyle(TBorderStyle Value);

    bool MetroBorder() const { return FMetroStyle && !HasDefaultBorder(); }
    void RedrawBorder() { Invalidate(); }

    void Dispatch(TMessage& Message) override;
    void KeyPress(char32_t& Key) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void PaintNonClient(TCanvas& Canvas) override;
    void Paint() override;

    int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
    bool FIsThemed;
    bool FIsWinXP;

private:
    void DrawButton(TCanvas& Canvas);
    void DrawMetroBorder(TCanvas& Canvas);
    bool MouseButtonDown() const;

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clBlack;
    int FButtonWidth;
    bool FButtonHover = false, FMouseInControl = false, FMetroStyle = false, FHasFocus = false, FAutoTab = false;
};

enum TQuillDateTimeKind { dkDate, dkTime, dkDateTime };

class TQuillDateTimePicker : public TCustomDateTimePicker {
    VISTRA_CLASS(TQuillDateTimePicker, TCustomDateTimePicker)

    explicit TQuillDateTimePicker(TComponent* AOwner);
    ~TQuillDateTimePicker() override;

    TQuillDateTimeKind Kind() const noexcept { return FKind; }
    void SetKind(TQuillDateTimeKind Value);
    // With a companion, the time part is the companion's.
    TDateTime DateTime() const;
    void SetDateTime(TDateTime Value) { ApplyDateTime(Value); }
    TDateTime Date() const { return TDateTimePicker::Date(); }
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    const std::string& TimeFormat() const noexcept { return FTimeFormat; }
    void SetTimeFormat(const std::string& Value);
    // The companion time picker of dkDateTime; null otherwise.
    TCustomDateTimePicker* TimePicker() const noexcept { return FTimePicker; }
    void SetChecked(bool Value) override;

    // ---- Label
    TLabel* PickerLabel() const noexcept { return FLabelLink.Label(); }
    std::string LabelCaption() const { return FLabelLink.Caption(); }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const noexcept { return FLabelLink.Position(); }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const noexcept { return FLabelLink.Margin(); }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const noexcept { return FLabelLink.Transparent(); }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const noexcept { return FLabelLink.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() const noexcept { return FLabelLink.Font(); }
    bool FocusLabel() const noexcept { return FLabelLink.FocusLabel(); }
    void SetFocusLabel(bool Value) { FLabelLink.SetFocusLabel(Value); }

    virtual std::uint32_t GetVersionNr() const { return 0x01020000; }
    std::string Version() const;

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool Value) override;

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    virtual void DoChange();
    virtual void DoClick();
    virtual void ApplyDateTime(TDateTime Value);
    virtual void TimePickerKeyPress(TObject*, char32_t&) {}

    void AdvanceTimeField() override;
    void ApplyAutoTab(bool Value) override;
    bool HasDefaultBorder() const override { return false; }
    void ApplyBorderStyle(TBorderStyle Value) override;
    void SetDateTimeValue(TDateTime Value) override;
    void DateTimeChanged(bool Unchecked) override;
    void KeyPress(char32_t& Key) override;
    void Loaded() override;
    void Paint() override;
    void BoundsChanged() override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    void UpdateLabel();
    // The companion follows the picker's enabled state and check box.
    void FollowChecked();

    TQuillDateTimeKind FKind = dkDateTime;
    std::string FTimeFormat;
    int Fy = 0, FmDate = 0, Fd = 0;
    TEditLabelLink FLabelLink;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    bool FUpdatingTimePicker = false;
    TCustomDateTimePicker* FTimePicker = nullptr;
};
