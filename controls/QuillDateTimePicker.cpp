// TQuillDateTimePicker: the kinds, the companion time picker and its place,
// the date and time parts, AutoTab across the date fields, the check box's
// hold on the companion, and the attached label.
#include "controls/QuillDateTimePicker.h"

#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/MessageQueue.h"
#include "render/QuillStyleIF.h"

namespace {

constexpr int CompanionWidth = 90, CompanionHeight = 17;

// Value's day with the hours, minutes and seconds of Time (milliseconds dropped).
TDateTime DayWithTime(TDateTime Day, TDateTime Time)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    DecodeDate(Day, year, month, day);
    DecodeTime(Time, hour, minute, second, msec);
    return EncodeDateTime(year, month, day, hour, minute, second, 0);
}

} // namespace

TQuillDateTimePicker::TQuillDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner)
{
    FLabelLink.OnLabelCreated = [this](TLabel& Label) {
        Label.SetFont(LabelFont());
        Label.SetParentFont(ParentFont());
        ForwardLabelClicks(Label, this, OnLabelClick, OnLabelDblClick);
    };
    ApplyBorderStyle(bsSingle);
    SetCtl3D(true);
    CreateTimePicker();
    UpdateTimePicker();
}

TQuillDateTimePicker::~TQuillDateTimePicker() { delete FLabelLink.Label(); }

void TQuillDateTimePicker::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomDateTimePicker::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    FLabelLink.Forget(AComponent);
    if (AComponent == FTimePicker) FTimePicker = nullptr;
}

std::string TQuillDateTimePicker::Version() const
{
    const std::uint32_t v = GetVersionNr();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

void TQuillDateTimePicker::DoChange()
{
    if (OnChange) OnChange(this);
}

void TQuillDateTimePicker::DoClick()
{
    if (OnClick) OnClick(this);
}

// ---- Kind and value

void TQuillDateTimePicker::SetKind(TQuillDateTimeKind Value)
{
    if (Value == FKind) return;
    FKind = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    if (Value == dkTime && !FTimeFormat.empty()) SetFormat(FTimeFormat);
    if (Value == dkDateTime) CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TQuillDateTimePicker::DateTime() const
{
    if (!FTimePicker) return TDateTimePicker::DateTime();
    return DayWithTime(TDateTimePicker::DateTime(), FTimePicker->Time());
}

void TQuillDateTimePicker::ApplyDateTime(TDateTime Value)
{
    const TDateTime value = DayWithTime(Value, std::abs(Value - std::trunc(Value)));
    TDateTimePicker::SetDateTime(value);
    if (FKind == dkDateTime && !FTimePicker) CreateTimePicker();
    if (FTimePicker) FTimePicker->SetDateTime(value);
}

void TQuillDateTimePicker::SetDate(TDateTime Value) { ApplyDateTime(DayWithTime(Value, Time())); }

TDateTime TQuillDateTimePicker::Time() const
{
    if (FKind == dkDateTime && FTimePicker) return FTimePicker->Time();
    return TDateTimePicker::Time();
}

void TQuillDateTimePicker::SetTime(TDateTime Value)
{
    ApplyDateTime(DayWithTime(DateTime(), std::abs(Value - std::trunc(Value))));
    UpdateTimePicker();
}

void TQuillDateTimePicker::SetTimeFormat(const std::string& Value)
{
    if (FTimePicker) FTimePicker->SetFormat(Value);
    if (FKind == dkTime) SetFormat(Value);
    FTimeFormat = Value;
    UpdateTimePicker();
}

void TQuillDateTimePicker::ApplyAutoTab(bool Value)
{
    TCustomDateTimePicker::ApplyAutoTab(Value);
    if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TQuillDateTimePicker::ApplyBorderStyle(TBorderStyle Value)
{
    TCustomDateTimePicker::ApplyBorderStyle(Value);
    UpdateTimePicker();
}

// ---- Companion

void TQuillDateTimePicker::CreateTimePicker()
{
    if (FKind != dkDateTime || FTimePicker) return;
    FTimePicker = new TCustomDateTimePicker(this);
    FTimePicker->FreeNotification(this);
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, CompanionWidth, CompanionHeight);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->SetKind(dtkTime);
    FTimePicker->SetDateTime(TDateTimePicker::DateTime());
    FTimePicker->SetAutoTab(AutoTab());
    FTimePicker->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { DoClick(); };
    FTimePicker->OnKeyPress = [this](TObject* Sender, char32_t& Key) { TimePickerKeyPress(Sender, Key); };
    FTimePicker->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) {
        if (OnKeyDown) OnKeyDown(this, Key, Shift);
    };
}

void TQuillDateTimePicker::FollowChecked()
{
    if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
}

void TQuillDateTimePicker::UpdateTimePicker()
{
    if (!FTimePicker || FUpdatingTimePicker) return;
    FUpdatingTimePicker = true;
    if (FTimePicker->Parent() != this) FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FollowChecked();
    FTimePicker->SetVisible(FKind == dkDateTime);
    FTimePicker->SetDateTime(DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->Font().Assign(&Font());
    FUpdatingTimePicker = false;
    if (!FTimePicker->Visible() && !ComponentState().Contains(csLoading)) {
        // Leaving dkDateTime removes the companion.
        delete FTimePicker;
        FTimePicker = nullptr;
        return;
    }
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&Font());
    const int w = probe.Canvas()->TextWidth(FTimePicker->DisplayText()) + 31;
    if (IsVistaOrNewer()) FTimePicker->SetBounds(Width() - w - 23, -2, w, Height());
    else FTimePicker->SetBounds(Width() - w - 21, -2, w, Height());
}

void TQuillDateTimePicker::BoundsChanged()
{
    TCustomDateTimePicker::BoundsChanged();
    UpdateTimePicker();
}

void TQuillDateTimePicker::Paint()
{
    TCustomDateTimePicker::Paint();
    if (!FFirstRun) return;
    FFirstRun = false;
    UpdateTimePicker();
}

void TQuillDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    CreateTimePicker();
    UpdateTimePicker();
    if (!Checked() && FTimePicker) FTimePicker->SetEnabled(false);
    FLabelLink.FollowEnabled(Enabled());
    UpdateLabel();
}

// ---- Check box

void TQuillDateTimePicker::SetDateTimeValue(TDateTime Value)
{
    TCustomDateTimePicker::SetDateTimeValue(Value);
    if (!ShowCheckbox() || !FTimePicker) return;
    FollowChecked();
    FIgnoreTimePickerCheck = FTimePicker->Enabled();
}

void TQuillDateTimePicker::DateTimeChanged(bool Unchecked)
{
    TCustomDateTimePicker::DateTimeChanged(Unchecked);
    if (ShowCheckbox() && FTimePicker && !FIgnoreTimePickerCheck) {
        FollowChecked();
        if (Unchecked) FTimePicker->SetEnabled(false);
    }
    FIgnoreTimePickerCheck = false;
}

void TQuillDateTimePicker::SetChecked(bool Value)
{
    TCustomDateTimePicker::SetChecked(Value);
    if (ShowCheckbox()) FollowChecked();
}

void TQuillDateTimePicker::SetEnabled(bool Value)
{
    TCustomDateTimePicker::SetEnabled(Value);
    FLabelLink.FollowEnabled(Value);
    FollowChecked();
}

// ---- AutoTab across the date fields

void TQuillDateTimePicker::KeyPress(char32_t& Key)
{
    if (Key >= U'0' && Key <= U'9' && AutoTab()) DecodeDate(DateTime(), Fy, FmDate, Fd);
    TCustomDateTimePicker::KeyPress(Key);
}

void TQuillDateTimePicker::AdvanceTimeField()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::AdvanceTimeField();
        return;
    }
    int year = 0, month = 0, day = 0;
    DecodeDate(TDateTimePicker::DateTime(), year, month, day);
    const bool dayChanged = day != Fd, monthChanged = month != FmDate, yearChanged = year != Fy;
    auto nextField = [this] { PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0); };
    auto toCompanion = [this] {
        if (FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
    };
    const std::string& format = Format();
    if (format.empty()) {
        if (dayChanged || monthChanged) nextField();
        else if (yearChanged) toCompanion();
        return;
    }
    const char last = format.back();
    const bool lastFieldDone = ((last == 'd' || last == 'D') && dayChanged) ||
                               ((last == 'm' || last == 'M') && monthChanged) || ((last == 'y' || last == 'Y') && yearChanged);
    if (lastFieldDone) toCompanion();
    else if (dayChanged || monthChanged || yearChanged) nextField();
}

// ---- Label

void TQuillDateTimePicker::SetLabelCaption(const std::string& Value)
{
    FLabelLink.SetCaption(*this, Value);
    UpdateLabel();
}

void TQuillDateTimePicker::SetLabelPosition(TLabelPosition Value)
{
    FLabelLink.SetPosition(Value);
    UpdateLabel();
}

void TQuillDateTimePicker::SetLabelMargin(int Value)
{
    FLabelLink.SetMargin(Value);
    UpdateLabel();
}

void TQuillDateTimePicker::SetLabelTransparent(bool Value)
{
    FLabelLink.SetTransparent(Value);
    UpdateLabel();
}

void TQuillDateTimePicker::SetLabelAlwaysEnabled(bool Value)
{
    FLabelLink.SetAlwaysEnabled(Value);
    if (PickerLabel() && Value) PickerLabel()->SetEnabled(true);
    Invalidate();
}

void TQuillDateTimePicker::UpdateLabel() { FLabelLink.Update(*this, Focused(), ParentFont()); }

void TQuillDateTimePicker::SetParent(TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    FLabelLink.SetParent(AParent);
    UpdateLabel();
}

void TQuillDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (PickerLabel() && PickerLabel()->Parent()) UpdateLabel();
}

void TQuillDateTimePicker::CMVisibleChanged(TMessage& Message)
{
    TCustomDateTimePicker::CMVisibleChanged(Message);
    FLabelLink.SetVisible(Visible());
}

void TQuillDateTimePicker::CMEnter(TMessage& Message)
{
    TCustomDateTimePicker::CMEnter(Message);
    FLabelLink.ShowFocus(true);
}

void TQuillDateTimePicker::CMExit(TMessage& Message)
{
    TCustomDateTimePicker::CMExit(Message);
    FLabelLink.ShowFocus(false);
}
