#include "controls/pickers/QuillCalculatorDropdown.h"

#include <cmath>

#include "controls/QuillEditInput.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

namespace {

// Beyond this magnitude a double no longer holds every digit a display of
// fifteen significant digits shows: such a result says "Error" rather than
// showing digits it does not have.
constexpr long double MaxShownMagnitude = 1e15L;
constexpr char32_t Backspace = 8;

bool Showable(long double Value) { return std::isfinite(Value) && std::fabs(Value) < MaxShownMagnitude; }

std::string WithoutThousandSeparators(const std::string& Text)
{
    const std::string separator = ToUtf8(std::u32string(1, ThousandSeparator()));
    std::string out;
    for (std::size_t i = 0; i < Text.size();) {
        if (Text.compare(i, separator.size(), separator) == 0) {
            i += separator.size();
            continue;
        }
        out += Text[i++];
    }
    return out;
}

bool HasDecimalSeparator(const std::string& Text)
{
    return ToU32(Text).find(DecimalSeparator()) != std::u32string::npos;
}

} // namespace

TQuillCalculatorDropdown::TQuillCalculatorDropdown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>())
{
    // The base constructor styled the drop-down before the keypad's look
    // existed; the keypad takes the drop-down button's colours now.
    SetComponentStyle(GetComponentStyle());
    CreateDropDownForm();
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetEditType(etFloat);
    SetPrecision(2);
}

TQuillCalculatorDropdown::~TQuillCalculatorDropdown() = default;

void TQuillCalculatorDropdown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (!FQuillButtonPanel) {
        FQuillButtonPanel = new TCustomButtonPanel(this);
        FQuillButtonPanel->SetParent(DropDownForm());
        FQuillButtonPanel->SetDropDown(this);
        FQuillButtonPanel->SetBounds(0, 0, 230, KeypadHeight);
        FQuillButtonPanel->InitButtons();
    }
    SetDropDownControl(FQuillButtonPanel);
    FQuillButtonPanel->OnButtonClick = [this](TObject* Sender, int Index) { CalcButtonClick(Sender, Index); };
}

void TQuillCalculatorDropdown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    // A click elsewhere closes the popup keeping the result.
    DropDownForm()->SetCancelOnDeActivate(false);
    FQuillButtonPanel->SetButtonAppearance(*FCalcButtonAppearance);
    FQuillButtonPanel->SetColor(DropDownColor());
    FQuillButtonPanel->ArrangeButtons();
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
}

void TQuillCalculatorDropdown::AdaptDropDownSize(int& Width, int& Height)
{
    // The keypad fills the popup while it is open; its own height is what the
    // popup needs.
    FQuillButtonPanel->SetAlign(alNone);
    FQuillButtonPanel->SetBounds(0, 0, DropDownWidth() > 0 ? DropDownWidth() : this->Width(), KeypadHeight);
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
}

void TQuillCalculatorDropdown::SetComponentStyle(TQORStyle AStyle)
{
    TQuillCustomDropDown::SetComponentStyle(AStyle);
    if (!FCalcButtonAppearance) return;
    const TQuillButtonAppearance& b = ButtonAppearance();
    TButtonAppearance& a = *FCalcButtonAppearance;
    a.SetBorderColor(b.BorderColor);
    a.SetBorderColorHot(b.BorderColorHot);
    a.SetBorderColorDown(b.BorderColorDown);
    a.SetColor(b.Color);
    a.SetColorTo(b.ColorTo);
    a.SetColorDown(b.ColorDown);
    a.SetColorDownTo(b.ColorDownTo);
    a.SetColorHot(b.ColorHot);
    a.SetColorHotTo(b.ColorHotTo);
    a.SetColorDisabled(b.ColorDisabled);
    a.SetColorDisabledTo(b.ColorDisabledTo);
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        a.SetGlowColorHot(b.ColorHot);
        a.SetGlowColorDown(b.ColorHot);
    } else {
        a.SetGlowColorDown(0xD5C244);
        a.SetGlowColorHot(b.ColorDownTo);
    }
}

void TQuillCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    if (Value == FShowThousandSeparator) return;
    FShowThousandSeparator = Value;
    const double value = FloatValue();
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(value);
}

long double TQuillCalculatorDropdown::Value()
{
    if (Text().empty()) ShowText("0");
    double v = 0;
    if (!TryStrToFloat(WithoutThousandSeparators(Text()), v)) return 0;
    return v;
}

void TQuillCalculatorDropdown::SetValue(long double Value)
{
    ApplyText(FormatGeneral(static_cast<double>(Value)));
}

long double TQuillCalculatorDropdown::ShownNumber() const { return StrToFloat(WithoutThousandSeparators(Text())); }

void TQuillCalculatorDropdown::ShowResult(long double Value)
{
    if (!Showable(Value)) {
        ShowText(ErrorText);
        return;
    }
    SetFloatValue(static_cast<double>(Value));
}

bool TQuillCalculatorDropdown::CalculatorClosed() const
{
    return FCalcClosed || !DroppedDown();
}

bool TQuillCalculatorDropdown::LengthFull() const
{
    return MaxLength() > 0 && static_cast<int>(rtl::Utf8Length(Text())) >= MaxLength();
}

// ---- The engine

void TQuillCalculatorDropdown::CalcButtonClick(TObject*, int Index)
{
    if (!FQuillButtonPanel || Index < 0 || Index >= FQuillButtonPanel->Buttons().Count()) return;
    BeforeCalcInput();
    const int tag = FQuillButtonPanel->Buttons().Items(Index)->Tag;
    if ((tag >= 10 && tag <= 14) || (tag >= 16 && tag <= 18) || tag == 30 || tag == 32) FDecim = 0;
    if ((tag <= 9 || tag == 14 || tag == 15) && LengthFull()) return;
    switch (tag) {
    case 10: CalcAdd(); break;
    case 11: CalcSubtract(); break;
    case 12: CalcMultiply(); break;
    case 13: CalcDivide(); break;
    case 14: {
        std::string t = Text();
        if (t.find('-') != std::string::npos) t.erase(0, 1);
        else t.insert(0, "-");
        ShowText(t);
        break;
    }
    case 15:
        if (!HasDecimalSeparator(Text())) ShowText(Text() + ToUtf8(std::u32string(1, DecimalSeparator())));
        FDecim = 10;
        if (FNewval) ShowText("0");
        FNewval = false;
        break;
    case 16:
    case 30:
    case 32:
        ShowText("0");
        FPrevval = 0;
        FPrevop = -1;
        break;
    case 17: CalcEquals(); break;
    case 18: CalcPercent(); break;
    case 31:
        if (FPrevop < 0) {
            std::string t = FloatToStr(FloatValue());
            if (!t.empty()) t.pop_back();
            ShowText(t);
        }
        break;
    case 33: FMVal = 0; break;
    case 34: ShowResult(FMVal); break;
    case 35: FMVal = ShownNumber(); break;
    case 36: FMVal += ShownNumber(); break;
    case 37:
        if (FloatValue() >= 0) SetFloatValue(std::sqrt(FloatValue()));
        else ShowText(ErrorText);
        break;
    case 38:
        if (FloatValue() != 0) ShowResult(1.0L / FloatValue());
        else ShowText(ErrorText);
        break;
    default:
        if (tag >= 0 && tag <= 9) DigitEntry(tag);
        break;
    }
    SetModified(true);
}

void TQuillCalculatorDropdown::DigitEntry(int Digit)
{
    long double v = FloatValue();
    if ((v == 0 && FDecim == 0) || FNewval) {
        ShowText(std::to_string(Digit));
        FNewval = false;
        return;
    }
    const long double sign = v < 0 ? -1 : 1;
    if (FDecim > 0) {
        v += sign * Digit / FDecim;
        // Past ten decimal places the divisor would overflow; further digits
        // are beyond any display.
        if (FDecim < 1000000000) FDecim *= 10;
    } else v = v * 10 + sign * Digit;
    ShowResult(v);
}

void TQuillCalculatorDropdown::ApplyPendingOperator()
{
    if (Text().empty() || ShowsError()) ShowText("0");
    const long double x = ShownNumber();
    switch (FPrevop) {
    case 0: FPrevval += x; break;
    case 1: FPrevval *= x; break;
    case 2: FPrevval -= x; break;
    case 3:
        if (x == 0) {
            FPrevval = 0;
            ShowText(ErrorText);
            return;
        }
        FPrevval /= x;
        break;
    default: FPrevval = ShownNumber(); break;
    }
    FNewval = true;
    if (!Showable(FPrevval)) {
        // An overflow says so rather than showing a plausible 0.
        FPrevval = 0;
        ShowText(ErrorText);
        return;
    }
    SetFloatValue(static_cast<double>(FPrevval));
}

void TQuillCalculatorDropdown::ApplyPendingThen(int Operator)
{
    ApplyPendingOperator();
    FPrevop = Operator;
}

void TQuillCalculatorDropdown::CalcEquals()
{
    ApplyPendingOperator();
    if (Text().empty()) ShowText("0");
    FPrevop = -1;
    if (!ShowsError()) FPrevval = ShownNumber();
}

void TQuillCalculatorDropdown::CalcPercent()
{
    if (Text().empty() || ShowsError()) ShowText("0");
    const long double x = ShownNumber();
    const long double result = FPrevval * x / 100;
    ShowText(Showable(result) ? FormatGeneral(static_cast<double>(result)) : ErrorText);
}

// ---- Keys

void TQuillCalculatorDropdown::HandleKeyPress(char32_t& Key)
{
    if (CalculatorClosed()) {
        switch (Key) {
        case U'\r':
        case U'=': CalcEquals(); break;
        case U'%': CalcPercent(); break;
        case U'*': CalcMultiply(); break;
        case U'+': CalcAdd(); break;
        case U'-': CalcSubtract(); break;
        case U'/': CalcDivide(); break;
        case U'C':
        case U'c':
            ShowText("0");
            FNewval = true;
            FPrevop = -1;
            break;
        default: break;
        }
    }
    if (!(rtl::IsNumber(Key) || Key == DecimalSeparator() || Key == Backspace || Key == U'-')) Key = 0;
    const int prefix = static_cast<int>(rtl::Utf8Length(Prefix()));
    if ((Text() == "0" || FNewval) && IsDigit(Key)) {
        ShowText(ToUtf8(std::u32string(1, Key)));
        Key = 0;
        SetSelStart(prefix + 1);
        SetSelLength(0);
        FNewval = false;
        return;
    }
    if (rtl::Utf8Length(Text()) == 1 && Key == Backspace) {
        ShowText("0");
        Key = 0;
        SetSelStart(prefix + 1);
        SetSelLength(0);
        return;
    }
    if (Key == ThousandSeparator() || (Key == DecimalSeparator() && HasDecimalSeparator(Text()))) Key = 0;
}

void TQuillCalculatorDropdown::CalcKeyPress(char32_t Key)
{
    BeforeCalcInput();
    if (Key == DecimalSeparator() && !HasDecimalSeparator(Text()))
        ShowText(Text() + ToUtf8(std::u32string(1, DecimalSeparator())));
    if (IsDigit(Key) && LengthFull()) return;
    switch (Key) {
    case U'-': CalcSubtract(); break;
    case U'\r':
        CalcEquals();
        DoHideDropDown(false);
        break;
    case 27: DoHideDropDown(true); break;
    case U'%': CalcPercent(); break;
    case U'*': CalcMultiply(); break;
    case U'+': CalcAdd(); break;
    case U'=': CalcEquals(); break;
    case U'/': CalcDivide(); break;
    case U'C':
    case U'c':
        ShowText("0");
        FPrevval = 0;
        FNewval = true;
        FPrevop = -1;
        break;
    default:
        if (IsDigit(Key)) FNewval = false;
        break;
    }
}

void TQuillCalculatorDropdown::WMChar(TMessage& Message)
{
    const auto original = static_cast<char32_t>(Message.WParam);
    // Keys typed on the open popup reach the edit directly: the calculator
    // sees them after the edit did, as keys re-sent from the popup would be.
    const bool open = !CalculatorClosed() && !FInFormKeyPress;
    char32_t key = original;
    HandleKeyPress(key);
    if (key != 0) {
        Message.WParam = key;
        TQuillCustomDropDown::WMChar(Message);
    }
    if (open && DroppedDown()) CalcKeyPress(original);
}

void TQuillCalculatorDropdown::FormKeyPress(char32_t& Key)
{
    FInFormKeyPress = true;
    char32_t sent = Key;
    TQuillCustomDropDown::FormKeyPress(sent);
    FInFormKeyPress = false;
    CalcKeyPress(Key);
}

void TQuillCalculatorDropdown::FormKeyDown(unsigned short& Key, TShiftState Shift)
{
    TQuillCustomDropDown::FormKeyDown(Key, Shift);
    if (Key == VK_TAB || Key == VK_F4) DoHideDropDown(false);
    else if (Key == VK_BACK) {
        const bool error = ShowsError();
        std::u32string t = ToU32(Text());
        if (!t.empty()) t.pop_back();
        ShowText(t.empty() || error ? "0" : ToUtf8(t));
    }
}

void TQuillCalculatorDropdown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    // Enter on the open popup is "=" before it closes the popup accepting.
    if (Key == VK_RETURN && DroppedDown() && !Shift.Contains(ssCtrl)) CalcEquals();
    TQuillCustomDropDown::KeyDown(Key, Shift);
    if (Key == VK_DELETE && (Text().empty() || ShowsError())) ShowText("0");
}

void TQuillCalculatorDropdown::CMEnter(TMessage& Message)
{
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TQuillCustomDropDown::CMEnter(Message);
}

} // namespace controls
