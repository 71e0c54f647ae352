// TDateTimePicker: the fields, the keys and the mouse, the check box, the
// button, and the month calendar it drops in date mode.
#include "platform/ui/DateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PopupWatch.h"
#include "platform/ui/ScrollBars.h"

namespace {

constexpr int CheckBoxSize = 13;

std::string DefaultFormat(TDateTimeKind Kind)
{
    const TFormatSettings& settings = FormatSettings();
    if (Kind == dtkTime) return std::string("HH") + settings.TimeSeparator + "mm" + settings.TimeSeparator + "ss";
    // The short date format names the month "m" and the separator "/".
    std::string format;
    for (char c : settings.ShortDateFormat)
        format += c == 'm' ? 'M' : c == '/' ? settings.DateSeparator : c;
    return format;
}

} // namespace

// ---- Month calendar

// The dropped month: a header with the month and arrows to the months
// around it, the day names, and six weeks of days. It never takes the
// activation; the picker keeps the keyboard and moves its day.
class TDateTimePicker::TCalendarPopup final : public TCustomForm, private ui::TOpenPopup {
public:
    static constexpr int CellWidth = 24, CellHeight = 16, HeaderHeight = 20;

    TCalendarPopup(TDateTimePicker& Picker) : TCustomForm(nullptr), FPicker(Picker), FDay(Picker.Date())
    {
        SetPopup(true);
        SetBorderStyle(bsNone);
        FColor = clWindow;
    }
    ~TCalendarPopup() override
    {
        if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
    }

    TDateTime Day() const noexcept { return FDay; }
    // Hidden, and no longer the open popup; freed later.
    void Withdraw()
    {
        if (ui::OpenPopup() == this) ui::SetOpenPopup(nullptr);
        Hide();
    }
    void SetDay(TDateTime Value)
    {
        FDay = std::trunc(Value);
        Invalidate();
    }
    void Open(TPoint At)
    {
        SetBounds(At.X, At.Y, 7 * CellWidth + 2, HeaderHeight + 7 * CellHeight + 4);
        Show();
        ui::SetOpenPopup(this);
    }
    // The day under a client point, or the month step of an arrow; false
    // when the point holds neither.
    bool DayAt(TPoint P, TDateTime& Day, int& MonthStep) const
    {
        MonthStep = 0;
        if (P.Y < HeaderHeight) {
            if (P.X < CellWidth) MonthStep = -1;
            else if (P.X >= Width() - CellWidth) MonthStep = 1;
            return MonthStep != 0;
        }
        const int row = (P.Y - HeaderHeight - CellHeight) / CellHeight, column = (P.X - 1) / CellWidth;
        if (P.Y < HeaderHeight + CellHeight || row > 5 || column < 0 || column > 6) return false;
        Day = FirstShown() + row * 7 + column;
        return true;
    }

protected:
    void Paint() override
    {
        TCanvas& c = *Canvas();
        const TFormatSettings& settings = FormatSettings();
        c.Brush()->SetColor(clWindow);
        c.Pen()->SetColor(clBtnShadow);
        c.Rectangle(ClientRect());
        int year = 0, month = 0, day = 0;
        DecodeDate(FDay, year, month, day);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect({1, 1, Width() - 1, HeaderHeight});
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(clWindowText);
        const TTextFormat centred{tfCenter, tfVerticalCenter, tfSingleLine};
        std::string title = settings.LongMonthNames[static_cast<size_t>(month - 1)] + " " + std::to_string(year);
        TRect header{CellWidth, 0, Width() - CellWidth, HeaderHeight};
        c.TextRect(header, title, centred);
        std::string previous = "<", next = ">";
        TRect left{0, 0, CellWidth, HeaderHeight}, right{Width() - CellWidth, 0, Width(), HeaderHeight};
        c.TextRect(left, previous, centred);
        c.TextRect(right, next, centred);
        for (int column = 0; column < 7; ++column) {
            std::string name = settings.ShortDayNames[static_cast<size_t>(column)].substr(0, 2);
            TRect r = Cell(-1, column);
            c.TextRect(r, name, centred);
        }
        const TDateTime first = FirstShown();
        for (int i = 0; i < 42; ++i) {
            const TDateTime shown = first + i;
            int y = 0, m = 0, d = 0;
            DecodeDate(shown, y, m, d);
            TRect r = Cell(i / 7, i % 7);
            if (shown == FDay) {
                c.Brush()->SetStyle(bsSolid);
                c.Brush()->SetColor(clHighlight);
                c.FillRect(r);
                c.Brush()->SetStyle(bsClear);
            }
            c.Font()->SetColor(shown == FDay ? clHighlightText : m == month ? clWindowText : clGrayText);
            std::string text = std::to_string(d);
            c.TextRect(r, text, centred);
        }
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TCustomForm::MouseDown(Button, Shift, X, Y);
        TDateTime day = 0;
        int step = 0;
        if (Button != mbLeft || !DayAt({X, Y}, day, step)) return;
        if (step != 0) {
            SetDay(IncMonth(FDay, step));
            return;
        }
        SetDay(day);
        FPicker.CloseUp(true);
    }

private:
    // The Sunday on or before the month's first day.
    TDateTime FirstShown() const
    {
        int year = 0, month = 0, day = 0;
        DecodeDate(FDay, year, month, day);
        const TDateTime first = EncodeDate(year, month, 1);
        return first - (DayOfWeek(first) - 1);
    }
    TRect Cell(int Row, int Column) const
    {
        const int top = HeaderHeight + CellHeight + Row * CellHeight;
        return {1 + Column * CellWidth, top, 1 + (Column + 1) * CellWidth, top + CellHeight};
    }
    const TCustomForm* PopupForm() const override { return this; }
    const TCustomForm* OwnerForm() const override { return FPicker.GetParentForm(); }
    void Dismiss() override { FPicker.CloseUp(false); }

    TDateTimePicker& FPicker;
    TDateTime FDay;
};

// ---- Picker

TDateTimePicker::TDateTimePicker(TComponent* AOwner)
    : TCustomControl(AOwner), FDateTime(::Now()), FFields(std::make_unique<ui::TDateTimeFields>(DefaultFormat(dtkDate)))
{
    FColor = clWindow;
    SetTabStop(true);
    SetBounds(Left(), Top(), 186, 21);
}

TDateTimePicker::~TDateTimePicker() = default;

// Days before 1899-12-30 count down, while their time of day still counts up.
TDateTime TDateTimePicker::Date() const { return std::trunc(FDateTime); }

TDateTime TDateTimePicker::Time() const { return std::abs(FDateTime - std::trunc(FDateTime)); }

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    if (Value == FKind) return;
    CloseUp(false);
    FKind = Value;
    SetFormat(FFormat);
}

void TDateTimePicker::SetFormat(const std::string& Value)
{
    FFormat = Value;
    FFields = std::make_unique<ui::TDateTimeFields>(Value.empty() ? DefaultFormat(FKind) : Value);
    FTyped.clear();
    FField = std::clamp(FField, 0, std::max(0, static_cast<int>(FFields->Editable().size()) - 1));
    Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value)
{
    FShowCheckbox = Value;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool Value)
{
    FChecked = Value;
    Invalidate();
}

void TDateTimePicker::SetCtl3D(bool Value)
{
    FCtl3D = Value;
    // The frame's width changes with it.
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TDateTimePicker::SetFieldIndex(int Value)
{
    CommitTyped();
    FField = std::clamp(Value, 0, std::max(0, static_cast<int>(FFields->Editable().size()) - 1));
    Invalidate();
}

std::string TDateTimePicker::DisplayText() const { return FFields->Text(FDateTime); }

void TDateTimePicker::SetDateTimeValue(TDateTime Value)
{
    FDateTime = Value;
    if (FCalendar) FCalendar->SetDay(Value);
    Invalidate();
}

void TDateTimePicker::DateTimeChanged(bool)
{
    if (OnChange) OnChange(this);
}

void TDateTimePicker::UserSets(TDateTime Value)
{
    if (Value == FDateTime) return;
    SetDateTimeValue(Value);
    DateTimeChanged(false);
}

ui::TDateField TDateTimePicker::CurrentField() const
{
    const auto& editable = FFields->Editable();
    if (editable.empty()) return ui::TDateField::Literal;
    return FFields->Parts()[static_cast<size_t>(editable[static_cast<size_t>(FField)])].Field;
}

void TDateTimePicker::CommitTyped()
{
    if (FTyped.empty()) return;
    UserSets(ui::TDateTimeFields::Commit(FDateTime, CurrentField(), FTyped));
}

void TDateTimePicker::MoveField(int Delta) { SetFieldIndex(FField + Delta); }

// ---- Layout and painting

TRect TDateTimePicker::NonClientMargins() const
{
    const int b = FCtl3D ? 2 : 1;
    return {b, b, b, b};
}

void TDateTimePicker::PaintNonClient(TCanvas& Canvas)
{
    if (FCtl3D) {
        PaintSingleBorder(Canvas, bsSingle);
        return;
    }
    Canvas.Brush()->SetColor(clWindowFrame);
    Canvas.FrameRect({0, 0, Width(), Height()});
}

TRect TDateTimePicker::ButtonRect() const
{
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return {ClientWidth() - width, 0, ClientWidth(), ClientHeight()};
}

TRect TDateTimePicker::TextRect() const
{
    const int left = FShowCheckbox ? CheckBoxSize + 6 : 2;
    return {left, 0, ButtonRect().Left - 1, ClientHeight()};
}

void TDateTimePicker::Paint()
{
    TCanvas& c = *Canvas();
    const TColor background = Enabled() ? Color() : clBtnFace;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(background);
    c.FillRect(ClientRect());
    if (FShowCheckbox) {
        const int top = (ClientHeight() - CheckBoxSize) / 2;
        TRect box{3, top, 3 + CheckBoxSize, top + CheckBoxSize};
        DrawFrameControl(c.Handle(), box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (FChecked ? DFCS_CHECKED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    c.Font()->Assign(&Font());
    const bool active = Enabled() && FChecked;
    const TRect text = TextRect();
    int x = text.Left;
    const int y = (ClientHeight() - c.TextHeight("0")) / 2;
    const auto& parts = FFields->Parts();
    const auto& editable = FFields->Editable();
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string shown = ui::TDateTimeFields::PartText(parts[i], FDateTime);
        const bool current = Focused() && active && !editable.empty() &&
                             static_cast<int>(i) == editable[static_cast<size_t>(FField)];
        if (current && !FTyped.empty()) shown = FTyped;
        const int w = c.TextWidth(shown);
        c.Brush()->SetColor(current ? clHighlight : background);
        c.Font()->SetColor(current ? clHighlightText : active ? Font().Color() : clGrayText);
        c.TextOut(x, y, shown);
        x += w;
    }
    TRect button = ButtonRect();
    const unsigned inactive = Enabled() ? 0 : DFCS_INACTIVE;
    if (FKind == dtkDate) {
        DrawFrameControl(c.Handle(), button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | inactive | (DroppedDown() ? DFCS_PUSHED : 0));
        return;
    }
    const int middle = button.Top + button.Height() / 2;
    TRect up{button.Left, button.Top, button.Right, middle}, down{button.Left, middle, button.Right, button.Bottom};
    DrawFrameControl(c.Handle(), up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(c.Handle(), down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
}

int TDateTimePicker::FieldAt(int X) const
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(&Font());
    int x = TextRect().Left;
    const auto& parts = FFields->Parts();
    const auto& editable = FFields->Editable();
    int nearest = FField;
    for (size_t i = 0; i < parts.size(); ++i) {
        const int w = c.TextWidth(ui::TDateTimeFields::PartText(parts[i], FDateTime));
        const auto at = std::find(editable.begin(), editable.end(), static_cast<int>(i));
        if (at != editable.end()) {
            nearest = static_cast<int>(at - editable.begin());
            if (X < x + w) return nearest;
        }
        x += w;
    }
    return nearest;
}

// ---- Input

void TDateTimePicker::WMGetDlgCode(TMessage& Message)
{
    TCustomControl::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While the calendar is down, Enter and Esc belong to it.
    if (DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
}

void TDateTimePicker::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    if ((Key == VK_F4 && !Shift.Contains(ssAlt)) || ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt))) {
        if (DroppedDown()) CloseUp(true);
        else DropDown();
        Key = 0;
        return;
    }
    if (DroppedDown()) {
        // The calendar's keys: days, weeks and months, Enter takes, Esc leaves.
        const TDateTime day = FCalendar->Day();
        switch (Key) {
        case VK_LEFT: FCalendar->SetDay(day - 1); break;
        case VK_RIGHT: FCalendar->SetDay(day + 1); break;
        case VK_UP: FCalendar->SetDay(day - 7); break;
        case VK_DOWN: FCalendar->SetDay(day + 7); break;
        case VK_PRIOR: FCalendar->SetDay(IncMonth(day, -1)); break;
        case VK_NEXT: FCalendar->SetDay(IncMonth(day, 1)); break;
        case VK_RETURN: CloseUp(true); break;
        case VK_ESCAPE: CloseUp(false); break;
        default: return;
        }
        Key = 0;
        return;
    }
    if (!FChecked) return;
    switch (Key) {
    case VK_LEFT: MoveField(-1); break;
    case VK_RIGHT: MoveField(1); break;
    case VK_HOME: SetFieldIndex(0); break;
    case VK_END: SetFieldIndex(static_cast<int>(FFields->Editable().size()) - 1); break;
    case VK_UP:
    case VK_DOWN:
        CommitTyped();
        UserSets(ui::TDateTimeFields::Step(FDateTime, CurrentField(), Key == VK_UP ? 1 : -1));
        break;
    default: return;
    }
    Key = 0;
}

void TDateTimePicker::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == U' ' && FShowCheckbox) {
        SetChecked(!FChecked);
        DateTimeChanged(!FChecked);
        Key = 0;
        return;
    }
    if (!FChecked || DroppedDown()) return;
    if (CurrentField() == ui::TDateField::AmPm && Key >= U'A') {
        // A or P chooses the half of the day.
        FTyped.clear();
        UserSets(ui::TDateTimeFields::TypeLetter(FDateTime, CurrentField(), Key));
        Invalidate();
        Key = 0;
        return;
    }
    if (Key < U'0' || Key > U'9') return;
    const TDateTime value = ui::TDateTimeFields::TypeDigit(FDateTime, CurrentField(), static_cast<int>(Key - U'0'), FTyped);
    UserSets(value);
    Invalidate();
    Key = 0;
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    const TPoint p{X, Y};
    if (FShowCheckbox && p.X < CheckBoxSize + 5) {
        SetChecked(!FChecked);
        DateTimeChanged(!FChecked);
        return;
    }
    const TRect button = ButtonRect();
    if (p.X >= button.Left) {
        if (FKind == dtkDate) {
            if (DroppedDown()) CloseUp(true);
            else DropDown();
        } else if (FChecked) {
            CommitTyped();
            const bool up = p.Y < button.Top + button.Height() / 2;
            UserSets(ui::TDateTimeFields::Step(FDateTime, CurrentField(), up ? 1 : -1));
        }
        return;
    }
    SetFieldIndex(FieldAt(p.X));
}

void TDateTimePicker::CMExit(TMessage& Message)
{
    CommitTyped();
    CloseUp(false);
    TCustomControl::CMExit(Message);
    Invalidate();
}

// ---- Calendar

void TDateTimePicker::DropDown()
{
    if (FKind != dtkDate || DroppedDown() || !Enabled() || !FChecked) return;
    CommitTyped();
    if (OnDropDown) OnDropDown(this);
    FCalendar = std::make_unique<TCalendarPopup>(*this);
    FCalendar->Open(ClientToScreen({-NonClientMargins().Left, ClientHeight() + NonClientMargins().Bottom}));
    Invalidate();
}

void TDateTimePicker::CloseUp(bool Accept)
{
    if (!FCalendar) return;
    const TDateTime day = FCalendar->Day();
    // The popup goes once its own message handling is done.
    FCalendar->Withdraw();
    FCalendar.release()->Release();
    Invalidate();
    if (Accept) {
        int year = 0, month = 0, dayOfMonth = 0, hour = 0, minute = 0, second = 0, msec = 0;
        DecodeDate(day, year, month, dayOfMonth);
        DecodeTime(FDateTime, hour, minute, second, msec);
        UserSets(EncodeDateTime(year, month, dayOfMonth, hour, minute, second, msec));
    }
    if (OnCloseUp) OnCloseUp(this);
}
