#include "controls/pickers/QuillTimePickerDropDown.h"

#include <cmath>

#include "controls/QuillEditInput.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

namespace {

std::string Separator() { return std::string(1, FormatSettings().TimeSeparator); }

std::string TwoDigits(int Value) { return Value < 10 ? "0" + std::to_string(Value) : std::to_string(Value); }

std::string Trimmed(const std::string& Text)
{
    const auto first = Text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return Text.substr(first, Text.find_last_not_of(' ') - first + 1);
}

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

TTimeParts PartsOf(TDateTime Time)
{
    TTimeParts p;
    DecodeTime(Time - std::floor(Time), p.Hour, p.Minute, p.Second, p.MSec);
    return p;
}

int PartValue(const std::string& Part) { return Part.empty() ? 0 : std::stoi(Part); }

} // namespace

bool IsTwoDigitNumber(const std::string& Part)
{
    if (Part.empty()) return true;
    if (Part.size() > 2 || !IsDigit(static_cast<unsigned char>(Part[0]))) return false;
    return Part.size() == 1 || IsDigit(static_cast<unsigned char>(Part[1]));
}

TQuillTimePickerDropDown::TQuillTimePickerDropDown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
    // The base constructor styled the drop-down before the watch's look existed.
    SetComponentStyle(GetComponentStyle());
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FInternalCall = true;
    SetMask();
    SetRawText(FormatTimeText(0, 0, 0));
    FInternalCall = false;
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
}

TQuillTimePickerDropDown::~TQuillTimePickerDropDown()
{
    if (FQuillWatch) FQuillWatch->OnChange = nullptr;
    if (FDateTimePicker) FDateTimePicker->OnChange = nullptr;
}

void TQuillTimePickerDropDown::SetMask()
{
    const std::string sep = Separator();
    FEditMask = "!90" + sep + "00" + (FShowSeconds ? sep + "00" : std::string()) + ";1; ";
}

std::string TQuillTimePickerDropDown::FormatTimeText(int Hour, int Minute, int Second) const
{
    std::string text = TwoDigits(Hour) + Separator() + TwoDigits(Minute);
    if (FShowSeconds) text += Separator() + TwoDigits(Second);
    return text;
}

void TQuillTimePickerDropDown::WriteOwnText(const std::string& Text)
{
    const bool was = FInternalCall;
    FInternalCall = true;
    SetRawText(Text);
    FInternalCall = was;
}

void TQuillTimePickerDropDown::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    const TTimeParts p = PartsOf(Value);
    WriteOwnText(FormatTimeText(p.Hour, p.Minute, p.Second));
}

void TQuillTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    WriteOwnText("");
    SetMask();
    const TDateTime time = FTime;
    // Moved by a day, so that writing the same time again is no skipped change.
    FTime = time + 1;
    SetTime(time);
}

void TQuillTimePickerDropDown::SetComponentStyle(TQORStyle AStyle)
{
    TQuillCustomDropDown::SetComponentStyle(AStyle);
    if (FWatchAppearance) TQuillWatch::ApplyComponentStyle(*FWatchAppearance, AStyle);
}

void TQuillTimePickerDropDown::SetTimeHour(int Value)
{
    TTimeParts p = PartsOf(FTime);
    if (Value == p.Hour || Value < 0 || Value > 23) return;
    SetTime(std::floor(FTime) + EncodeTime(Value, p.Minute, p.Second, p.MSec));
    if (OnTimeChange) OnTimeChange(this);
}

void TQuillTimePickerDropDown::SetTimeMinute(int Value)
{
    TTimeParts p = PartsOf(FTime);
    if (Value == p.Minute || Value < 0 || Value >= 60) return;
    SetTime(std::floor(FTime) + EncodeTime(p.Hour, Value, p.Second, p.MSec));
    if (OnTimeChange) OnTimeChange(this);
}

void TQuillTimePickerDropDown::SetTimeSecond(int Value)
{
    TTimeParts p = PartsOf(FTime);
    if (Value == p.Second || Value < 0 || Value >= 60) return;
    SetTime(std::floor(FTime) + EncodeTime(p.Hour, p.Minute, Value, p.MSec));
    if (OnTimeChange) OnTimeChange(this);
}

// ---- The popup

void TQuillTimePickerDropDown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this);
        FPanelCtrl->SetParent(DropDownForm());
        FPanelCtrl->SetBevelOuter(bvNone);
        FPanelCtrl->SetBevelInner(bvNone);
        FPanelCtrl->SetBounds(0, 0, WatchSize, 180);
    }
    if (!FQuillWatch) {
        FQuillWatch = new TQuillWatch(this);
        FQuillWatch->SetParent(FPanelCtrl);
        FQuillWatch->SetAlign(alClient);
    }
    SetDropDownControl(FPanelCtrl);
}

void TQuillTimePickerDropDown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    // A click elsewhere closes the popup taking the watch's time.
    DropDownForm()->SetCancelOnDeActivate(false);
    FTimeAtOpening = FTime;
    FPanelCtrl->SetColor(DropDownColor());
    TQuillWatch& w = *FQuillWatch;
    w.OnChange = nullptr;
    w.SetAppearance(*FWatchAppearance);
    w.SetSettings(*FWatchSettings);
    w.SetShowAMPM(FShowWatchAMPM);
    w.SetShowNumbers(FShowWatchNumbers);
    w.SetAnimation(FAnimation);
    w.SetAnimationFactor(FAnimationFactor);
    if (!FWatchSettings->Auto()) w.SetTime(FTime);
    w.OnChange = [this](TObject*) { HandleWatchChange(); };
    if (FShowTimePicker) {
        if (!FDateTimePicker) {
            FDateTimePicker = new TDateTimePicker(this);
            FDateTimePicker->SetParent(FPanelCtrl);
            FDateTimePicker->SetKind(dtkTime);
            FDateTimePicker->SetAlign(alBottom);
        }
        FDateTimePicker->OnChange = nullptr;
        FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
        FDateTimePicker->SetDateTime(FTime);
        FDateTimePicker->SetVisible(true);
        FDateTimePicker->BringToFront();
        FDateTimePicker->OnChange = [this](TObject*) { HandlePickerChange(); };
        FDateTimePicker->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        FDateTimePicker->OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    } else if (FDateTimePicker) FDateTimePicker->SetVisible(false);
}

void TQuillTimePickerDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    const int picker = FShowTimePicker && FDateTimePicker ? FDateTimePicker->Height() : 0;
    FPanelCtrl->SetAlign(alNone);
    FPanelCtrl->SetBounds(0, 0, WatchSize, WatchSize + picker);
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
}

void TQuillTimePickerDropDown::HandleWatchChange()
{
    const TDateTime watch = FQuillWatch->Time();
    if (FDateTimePicker && FShowTimePicker && PartsOf(FDateTimePicker->DateTime()).Minute * 60 +
                                                      PartsOf(FDateTimePicker->DateTime()).Hour * 3600 !=
                                                  PartsOf(watch).Minute * 60 + PartsOf(watch).Hour * 3600) {
        FDateTimePicker->OnChange = nullptr;
        FDateTimePicker->SetDateTime(watch);
        FDateTimePicker->OnChange = [this](TObject*) { HandlePickerChange(); };
        if (OnTimeChange) OnTimeChange(this);
    }
    SetTime(watch);
}

void TQuillTimePickerDropDown::HandlePickerChange()
{
    if (!FWatchSettings->Auto()) FQuillWatch->SetTime(FDateTimePicker->DateTime());
}

void TQuillTimePickerDropDown::DoHideDropDown(bool Cancel)
{
    // Esc leaves the time as it was when the popup opened, however far the
    // watch moved it meanwhile.
    if (Cancel && DroppedDown()) {
        FQuillWatch->OnChange = nullptr;
        FQuillWatch->SetTime(FTimeAtOpening);
        SetTime(FTimeAtOpening);
    }
    TQuillCustomDropDown::DoHideDropDown(Cancel);
}

void TQuillTimePickerDropDown::DropDownHidden()
{
    TQuillCustomDropDown::DropDownHidden();
    FQuillWatch->OnChange = nullptr;
    SetTime(FQuillWatch->Time());
}

// ---- Keys

bool TQuillTimePickerDropDown::KeyStaysInPopup(unsigned short Key, TShiftState Shift) const
{
    const bool stepping = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    return stepping && !Shift.Contains(ssAlt);
}

void TQuillTimePickerDropDown::FormKeyDown(unsigned short& Key, TShiftState Shift)
{
    if (!KeyStaysInPopup(Key, Shift)) {
        unsigned short sent = Key;
        TQuillCustomDropDown::FormKeyDown(sent, Shift);
    }
    if (DroppedDown()) FQuillWatch->HandleWatchKey(Key);
}

void TQuillTimePickerDropDown::FormKeyUp(unsigned short& Key, TShiftState Shift)
{
    if (!KeyStaysInPopup(Key, Shift)) TQuillCustomDropDown::FormKeyUp(Key, Shift);
}

void TQuillTimePickerDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift)
{
    if (!KeyStaysInPopup(Key, Shift)) TQuillCustomDropDown::ControlKeyDown(Key, Shift);
}

void TQuillTimePickerDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift)
{
    if (!KeyStaysInPopup(Key, Shift)) TQuillCustomDropDown::ControlKeyUp(Key, Shift);
}

void TQuillTimePickerDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    // With the popup open the edit keeps the focus: its keys are the popup's.
    if (DroppedDown() && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_F4 && !Shift.Contains(ssAlt)) {
        FQuillWatch->HandleWatchKey(Key);
        Key = 0;
        return;
    }
    const bool alt = Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0;
    if (!DroppedDown() && !alt && !Shift.Contains(ssCtrl) && (Key == VK_UP || Key == VK_DOWN)) {
        StepFieldAtCaret(Key == VK_UP);
        Key = 0;
        return;
    }
    // Delete would break the fixed layout of the mask.
    if (Key == VK_DELETE) {
        Key = 0;
        return;
    }
    TQuillCustomDropDown::KeyDown(Key, Shift);
}

void TQuillTimePickerDropDown::StepFieldAtCaret(bool Up)
{
    const std::string text = Text();
    const int P = SelStart();
    const TTimeParts p = PartsOf(FTime);
    const std::string sep = Separator();
    const auto first = text.find(sep);
    const int a = first == std::string::npos ? 0 : static_cast<int>(first) + 1;
    const int delta = Up ? -1 : 1;
    auto wrap = [](int V, int Top) { return V < 0 ? Top : V > Top ? 0 : V; };
    if (P < a) SetTimeHour(wrap(p.Hour + delta, 23));
    else {
        const std::string rest = text.substr(static_cast<std::size_t>(a));
        const auto second = rest.find(sep);
        const int b = second == std::string::npos ? 0 : static_cast<int>(second) + 1;
        if (P - a >= b && b > 0 && FShowSeconds) SetTimeSecond(wrap(p.Second + delta, 59));
        else SetTimeMinute(wrap(p.Minute + delta, 59));
    }
    SetSelStart(P);
    SetSelLength(0);
}

void TQuillTimePickerDropDown::WMChar(TMessage& Message)
{
    // The watch takes the popup's keys; no character reaches the text.
    if (DroppedDown() || !EditorEnabled() || ReadOnly()) return;
    const auto key = static_cast<char32_t>(Message.WParam);
    std::string text = Text();
    const char sep = FormatSettings().TimeSeparator;
    int pos = SelStart();
    if (key == 8) {
        // Backspace blanks the digit before the caret.
        --pos;
        while (pos >= 0 && text[static_cast<std::size_t>(pos)] == sep) --pos;
        if (pos < 0) return;
        text[static_cast<std::size_t>(pos)] = ' ';
        SetRawText(text);
        SetSelStart(pos);
        return;
    }
    if (!IsDigit(key) && key != U' ') return;
    while (pos < static_cast<int>(text.size()) && text[static_cast<std::size_t>(pos)] == sep) ++pos;
    if (pos >= static_cast<int>(text.size())) return;
    text[static_cast<std::size_t>(pos)] = static_cast<char>(key);
    SetRawText(text);
    ++pos;
    while (pos < static_cast<int>(text.size()) && text[static_cast<std::size_t>(pos)] == sep) ++pos;
    SetSelStart(pos);
    SetSelLength(0);
}

bool TQuillTimePickerDropDown::HasTimeLayout(const std::string& Text) const
{
    const char sep = FormatSettings().TimeSeparator;
    const auto count = std::count(Text.begin(), Text.end(), sep);
    return count == (FShowSeconds ? 2 : 1);
}

void TQuillTimePickerDropDown::Change()
{
    TQuillCustomDropDown::Change();
    if (FInternalCall) return;
    const std::string raw = Text();
    if (Trimmed(raw).size() != (FShowSeconds ? 8u : 5u) || !HasTimeLayout(raw)) return;
    std::string text = raw;
    for (char& c : text)
        if (c == ' ') c = '0';
    const char sep = FormatSettings().TimeSeparator;
    const auto s1 = text.find(sep);
    const auto s2 = FShowSeconds ? text.find(sep, s1 + 1) : std::string::npos;
    const std::string hour = Trimmed(text.substr(0, s1));
    const std::string minute = Trimmed(text.substr(s1 + 1, s2 == std::string::npos ? std::string::npos : s2 - s1 - 1));
    const std::string second = s2 == std::string::npos ? std::string() : Trimmed(text.substr(s2 + 1));
    if (!IsTwoDigitNumber(hour) || !IsTwoDigitNumber(minute) || !IsTwoDigitNumber(second)) return;
    const int h = PartValue(hour), m = PartValue(minute), s = PartValue(second);
    TDateTime time = 0;
    // An hour above 23 or a minute or second above 59 leaves the time as it was.
    if (!TryEncodeTime(h, m, s, 0, time)) return;
    FTime = time;
    const std::string canonical = FormatTimeText(h, m, s);
    if (canonical != raw && m == 0 && s == 0) {
        const int caret = SelStart();
        WriteOwnText(canonical);
        SetSelStart(caret);
    }
}

} // namespace controls
