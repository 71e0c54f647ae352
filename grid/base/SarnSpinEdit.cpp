// TSarnSpinEdit: reading and writing the value of each kind, its limits,
// stepping, and the placement of the button pair.
#include "grid/base/SarnSpinEdit.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "grid/base/EditorLayout.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ScrollBars.h"

namespace {

constexpr double HoursPerDay = 24, MinutesPerDay = 24 * 60, SecondsPerDay = 24 * 60 * 60;
// Reals are written with at most this many significant digits.
constexpr int FloatDigits = 15;

// Which separator-delimited field of Text the caret at Caret stands in: 0, 1 or 2.
int FieldAt(const std::u32string& Text, int Caret, char Separator)
{
    int field = 0;
    for (int i = 0; i < Caret && i < static_cast<int>(Text.size()); ++i)
        if (Text[static_cast<std::size_t>(i)] == static_cast<char32_t>(Separator)) ++field;
    return std::min(field, 2);
}

// True when the locale's short date puts the month before the day.
bool MonthBeforeDay()
{
    std::string format = FormatSettings().ShortDateFormat;
    for (char& c : format) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto month = format.find('m'), day = format.find('d');
    return month != std::string::npos && day != std::string::npos && month < day;
}

} // namespace

TSarnSpinEdit::TSarnSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FButton = new TSarnSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* sender) { UpButtonClick(sender); };
    FButton->OnDownClick = [this](TObject* sender) { DownButtonClick(sender); };
    SetText("0");
    LayoutButtonAndText();
}

TSarnSpinEdit::~TSarnSpinEdit()
{
    // The button pair is freed with the other owned components; nothing may reach it then.
    FButton = nullptr;
}

void TSarnSpinEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}

void TSarnSpinEdit::Loaded()
{
    TCustomEdit::Loaded();
    if (FSpinType == sptDate) SetDateValue(FDateValue);
    if (FSpinType == sptTime) SetTimeValue(FTimeValue);
    SetSpinType(FSpinType);
}

void TSarnSpinEdit::UpButtonClick(TObject*) { StepUp(false); }
void TSarnSpinEdit::DownButtonClick(TObject*) { StepDown(false); }

// ---- Settings

void TSarnSpinEdit::SetSpinType(TSarnSpinType Value)
{
    FSpinType = Value;
    ReapplyValue();
}

void TSarnSpinEdit::SetPrecision(int AValue)
{
    FPrecision = std::max(0, AValue);
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TSarnSpinEdit::SetEditAlign(grid::TEditAlign AValue)
{
    FEditAlign = AValue;
    if (HandleAllocated()) RecreateWnd();
}

void TSarnSpinEdit::SetDirection(TSpinDirection AValue)
{
    FButton->SetDirection(AValue);
    LayoutButtonAndText();
}

void TSarnSpinEdit::SetSpinFlat(bool AValue)
{
    FSpinFlat = AValue;
    FButton->UpButton().SetFlat(AValue);
    FButton->DownButton().SetFlat(AValue);
}

void TSarnSpinEdit::SetSpinTransparent(bool AValue)
{
    FSpinTransparent = AValue;
    LayoutButtonAndText();
}

// ---- Values

int TSarnSpinEdit::Value() const
{
    const std::string text = Trim(Text());
    if (text.empty()) return 0;
    std::int32_t value = 0;
    return TryStrToInt(text, value) ? value : FMinValue;
}

int TSarnSpinEdit::LimitInt(int AValue) const
{
    if (FMinValue == FMaxValue) return AValue;
    return std::clamp(AValue, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

void TSarnSpinEdit::SetValue(int AValue)
{
    SetText(IntToStr(LimitInt(AValue)));
    if (!FEditorEnabled) SelectAll();
}

double TSarnSpinEdit::FloatValue() const
{
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : FMinValue;
}

double TSarnSpinEdit::LimitFloat(double AValue) const
{
    if (FMinFloatValue == FMaxFloatValue) return AValue;
    return std::clamp(AValue, std::min(FMinFloatValue, FMaxFloatValue), std::max(FMinFloatValue, FMaxFloatValue));
}

void TSarnSpinEdit::SetFloatValue(double AValue)
{
    const double value = LimitFloat(AValue);
    SetText(FPrecision > 0 ? FloatToStrF(value, ffFixed, FloatDigits, FPrecision) : FloatToStr(value));
}

TDateTime TSarnSpinEdit::DateValue() const
{
    const std::string text = Text();
    if (text.empty() || text == "0") return Date();
    TDateTime value = 0;
    return TryStrToDate(text, value) ? value : FMinDateValue;
}

TDateTime TSarnSpinEdit::LimitDate(TDateTime AValue) const
{
    if (FMinDateValue == FMaxDateValue) return AValue;
    return std::clamp(AValue, std::min(FMinDateValue, FMaxDateValue), std::max(FMinDateValue, FMaxDateValue));
}

void TSarnSpinEdit::SetDateValue(TDateTime AValue)
{
    FDateValue = AValue;
    if (ComponentState().Contains(csLoading)) return;
    SetTextKeepingCaret(DateToStr(LimitDate(AValue)));
}

TDateTime TSarnSpinEdit::TimeValue() const
{
    TDateTime value = 0;
    return TryStrToTime(Text(), value) ? value : 0;
}

void TSarnSpinEdit::SetTimeValue(TDateTime AValue)
{
    FTimeValue = AValue;
    if (ComponentState().Contains(csLoading)) return;
    const TDateTime value = LimitDate(AValue);
    SetTextKeepingCaret(FShowSeconds ? TimeToStr(value) : FormatDateTime("h:nn", value));
}

void TSarnSpinEdit::SetTextKeepingCaret(const std::string& AText)
{
    const int caret = SelStart();
    SetText(AText);
    SetSelStart(caret);
}

void TSarnSpinEdit::ReapplyValue()
{
    switch (FSpinType) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

// ---- Stepping

void TSarnSpinEdit::StepUp(bool Page) { Step(1, Page); }
void TSarnSpinEdit::StepDown(bool Page) { Step(-1, Page); }

void TSarnSpinEdit::Step(int Sign, bool Page)
{
    if (ReadOnly()) return;
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(Sign); break;
    case sptTime: StepTime(Sign); break;
    }
}

void TSarnSpinEdit::StepDate(int Sign)
{
    const TDateTime value = DateValue();
    const int field = FieldAt(FText32, CaretPos(), FormatSettings().DateSeparator);
    const bool monthFirst = MonthBeforeDay();
    const int dayField = monthFirst ? 1 : 0, monthField = monthFirst ? 0 : 1;
    if (field == dayField) {
        SetDateValue(value + Sign);
    } else if (field == monthField) {
        SetDateValue(IncMonth(value, Sign));
    } else {
        // A year step keeps month and day; 29 February lands on the 28th in a common year.
        int year = 0, month = 0, day = 0;
        DecodeDate(value, year, month, day);
        year += Sign;
        SetDateValue(EncodeDate(year, month, std::min(day, DaysInAMonth(year, month))));
    }
}

void TSarnSpinEdit::StepTime(int Sign)
{
    const int field = FieldAt(FText32, CaretPos(), FormatSettings().TimeSeparator);
    double step = FIncrementMinutes / MinutesPerDay;
    if (field == 0) step = FIncrementHours / HoursPerDay;
    else if (FShowSeconds && field >= 2) step = FIncrementSeconds / SecondsPerDay;
    double value = TimeValue();
    // The text shows only the time of day, so steps wrap through midnight.
    if (Sign > 0) {
        value += step;
    } else {
        value = value + 1 - step;
    }
    value -= std::floor(value);
    SetTimeValue(value);
}

// ---- Layout

void TSarnSpinEdit::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
    Params.Style &= ~(ES_CENTER | ES_RIGHT);
    if (FEditAlign == grid::eaRight) Params.Style |= ES_RIGHT;
    if (FEditAlign == grid::eaCenter) Params.Style |= ES_CENTER;
}

void TSarnSpinEdit::BoundsChanged()
{
    TCustomEdit::BoundsChanged();
    RaiseToMinimumHeight();
}

void TSarnSpinEdit::CMFontChanged(TMessage& Message)
{
    TCustomEdit::CMFontChanged(Message);
    RaiseToMinimumHeight();
}

void TSarnSpinEdit::AlignControls(TControl* AControl, TRect& Rect)
{
    // Every change of size or frame realigns; the buttons and the text follow.
    TCustomEdit::AlignControls(AControl, Rect);
    LayoutButtonAndText();
}

void TSarnSpinEdit::RaiseToMinimumHeight()
{
    int minimum = grid::EditMinimumHeight(Font()) + 2;
    if (BorderStyle() == bsSingle) minimum += 4 * GetSystemMetrics(SM_CYBORDER);
    if (Height() < minimum) SetHeight(minimum);
}

void TSarnSpinEdit::LayoutButtonAndText()
{
    if (!FButton) return;
    grid::PlaceEmbeddedButton(*FButton, *this);
    const int inset = BorderStyle() == bsSingle ? 0 : 3;
    // The text stops short of the buttons so it never runs under them.
    TRect text{inset, inset, FButton->Left() - 2, ClientHeight() - inset};
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&text));
}
