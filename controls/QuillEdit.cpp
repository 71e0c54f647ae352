// TQuillEdit: the value model, the number reads and writes, the setters that
// re-format the value, validation, change notifications and range lists.
#include "controls/QuillEdit.h"

#include <algorithm>
#include <cmath>

#include "controls/QuillEditInput.h"
#include "controls/RangeList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ExtCtrls.h"

using namespace controls;

namespace {

bool IsNumberKind(TQuillEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney; }

std::string WithoutThousands(std::string_view Text)
{
    std::string out;
    for (char c : Text)
        if (c != FormatSettings().ThousandSeparator) out.push_back(c);
    return out;
}

} // namespace

TQuillEdit::TQuillEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FLabelLink.OnLabelCreated = [this](TLabel& Label) {
        Label.SetFont(LabelFont());
        Label.SetParentFont(ParentFont());
        ForwardLabelClicks(Label, this, OnLabelClick, OnLabelDblClick);
    };
    FNormalColor = TCustomEdit::Color();
    FFontColor = Font().Color();
    FOldBorder = BorderStyle();
    FLookupList = std::make_unique<TListHintWindow>(*this);
    TListBox& list = FLookupList->ListControl();
    list.OnKeyPress = [this](TObject*, char32_t& Key) {
        if (Key == U'\r') SelectLookupEntry();
    };
    list.OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft) SelectLookupEntry();
    };
}

TQuillEdit::~TQuillEdit()
{
    // The window goes with the control: its text and history are kept.
    if (HandleAllocated()) SavePersist();
    delete FLabelLink.Label();
}

// ---- Value positions

int TQuillEdit::PrefixLength() const { return static_cast<int>(rtl::Utf8Length(FPrefix)); }

int TQuillEdit::SuffixLength() const { return static_cast<int>(rtl::Utf8Length(FSuffix)); }

int TQuillEdit::ValueLength() const { return static_cast<int>(FText32.size()) - PrefixLength() - SuffixLength(); }

void TQuillEdit::SetValueSel(int Start, int Length)
{
    const int length = std::max(0, ValueLength());
    const int start = std::clamp(Start, 0, length);
    SetSelStart(PrefixLength() + start);
    SetSelLength(std::clamp(Length, 0, length - start));
}

bool TQuillEdit::WholeValueSelected() const
{
    return ValueLength() > 0 && SelLength() > 0 && SelStart() <= PrefixLength() &&
           SelStart() + SelLength() >= PrefixLength() + ValueLength();
}

// ---- Value

std::string TQuillEdit::Text() const
{
    return ValueOfDisplay(DisplayText(), FPrefix, FSuffix);
}

void TQuillEdit::WriteRawValue(const std::string& Value) { TCustomEdit::SetText(FPrefix + Value + FSuffix); }

void TQuillEdit::WriteFormattedValue(std::string Value)
{
    WriteRawValue(FormatWrittenValue({FEditType, FPrecision, FPrecisionDisplay, FAllowNumericNullValue}, std::move(Value)));
    SetModified(false);
    if (FShowURL) SetURLLook(TextIsURL());
}

void TQuillEdit::SetText(const std::string& Value) { WriteFormattedValue(Value); }

void TQuillEdit::Clear() { SetText(""); }

double TQuillEdit::FloatValue() const
{
    const std::string text = Text();
    switch (FEditType) {
    case etString: {
        double value = 0;
        return TryStrToFloat(text, value, InvariantFormatSettings()) && std::isfinite(value) ? value : 0;
    }
    case etNumeric:
    case etFloat: return text.empty() || text == "-" ? 0 : TextToNumber(text);
    case etMoney: {
        std::string plain = WithoutThousands(text);
        if (!plain.empty() && plain.back() == FormatSettings().DecimalSeparator) plain.pop_back();
        return plain.empty() || plain == "-" ? 0 : TextToNumber(plain);
    }
    case etHex: return HexValue(text);
    default: return 0;
    }
}

int TQuillEdit::IntValue() const
{
    const std::string text = Text();
    switch (FEditType) {
    case etNumeric:
    case etFloat: return static_cast<int>(LeadingInteger(text));
    case etMoney: return static_cast<int>(LeadingInteger(WithoutThousands(text)));
    case etHex: return HexValue(text);
    default: return 0;
    }
}

void TQuillEdit::SetFloatValue(double Value)
{
    auto fixedOrGeneral = [&] { return FPrecision < 0 ? FormatGeneral(Value) : FormatFixed(Value, FPrecision); };
    switch (FEditType) {
    case etString:
    case etFloat: SetText(fixedOrGeneral()); break;
    // Whole numbers only: thousand separators or decimals would not read back.
    case etNumeric: SetText(FPrecision < 0 ? FormatGeneral(Value) : FormatFixed(Value, 0)); break;
    case etMoney:
        SetText(fixedOrGeneral());
        ApplyMoneyGrouping();
        break;
    case etHex: {
        const double whole = std::trunc(Value);
        const auto bits = static_cast<std::int32_t>(static_cast<std::int64_t>(std::clamp(whole, -2147483648.0, 4294967295.0)));
        SetText(Format("%x", {bits}));
        break;
    }
    default: break;
    }
    SetModified(true);
}

void TQuillEdit::SetIntValue(int Value)
{
    switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
        SetText(IntToStr(Value));
        ApplyMoneyGrouping();
        break;
    case etHex: SetText(Format("%x", {Value})); break;
    default: break;
    }
    SetModified(true);
}

// ---- Setters that re-format

void TQuillEdit::SetEditType(TQuillEditType Value)
{
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(U'*');
        FCanUndo = false;
        if (HandleAllocated()) RecreateWnd();
    } else
        SetPasswordChar(0);
    const std::string value = Text();
    if (value.empty() && FAllowNumericNullValue) return;
    const TNumberKind kind = NumberKindOf(value);
    if (Value == etNumeric && kind != TNumberKind::Integer) SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && kind != TNumberKind::Integer && kind != TNumberKind::Decimal)
        SetFloatValue(0);
    else if (Value == etHex && kind != TNumberKind::Integer && kind != TNumberKind::Hexadecimal)
        SetIntValue(0);
}

void TQuillEdit::SetPrecision(int Value)
{
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = Value;
    const std::string value = Text();
    if (value.empty() && FAllowNumericNullValue) return;
    const TNumberKind kind = NumberKindOf(value);
    SetFloatValue(kind == TNumberKind::Integer || kind == TNumberKind::Decimal ? FloatValue() : 0);
}

void TQuillEdit::SetPrecisionDisplay(TPrecisionDisplay Value)
{
    FPrecisionDisplay = Value;
    SetFloatValue(FloatValue());
}

void TQuillEdit::SetAutoThousandSeparator(bool Value)
{
    FAutoThousandSeparator = Value;
    if (FEditType == etFloat || FEditType == etMoney) ApplyMoneyGrouping();
}

void TQuillEdit::SetPrefix(const std::string& Value)
{
    const std::string value = Text();
    FPrefix = Value;
    SetText(value);
}

void TQuillEdit::SetSuffix(const std::string& Value)
{
    const std::string value = Text();
    FSuffix = Value;
    SetText(value);
}

void TQuillEdit::SetCanUndo(bool Value)
{
    if (FEditType == etPassword) return;
    FCanUndo = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TQuillEdit::SetModified(bool Value)
{
    if (Loading() || ReadOnly()) return;
    if (FShowModified) SetFontColor(Value ? FModifiedColor : FFontColor);
    TCustomEdit::SetModified(Value);
    FIsModified = Value;
}

std::string TQuillEdit::Version() const
{
    const std::uint32_t v = GetVersionNr();
    return Format("%d.%d.%d.%d", {int(v >> 24), int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF)});
}

// ---- Money grouping and integer part

void TQuillEdit::ApplyMoneyGrouping()
{
    const std::u32string value = ToU32(Text());
    if (value.empty()) return;
    const int caret = HandleAllocated() ? ValueCaret() : 0;
    const std::u32string grouped = RegroupMoney(value, FAutoThousandSeparator);
    if (grouped != value) {
        // The regrouped text is the same value: no change of its own.
        FBlockChange = true;
        WriteRawValue(ToUtf8(grouped));
        FBlockChange = false;
    }
    SetValueCaret(caret + static_cast<int>(grouped.size()) - static_cast<int>(value.size()));
}

int TQuillEdit::IntegerPartLength(const std::string& Value) const
{
    return controls::IntegerPartLength(ToU32(Value), FSigned && IsNumberKind(FEditType));
}

// ---- Validation and change

bool TQuillEdit::ValidateValue(const std::string& Value)
{
    if (FIsValidating) return true;
    FIsValidating = true;
    const rtl::ScopeExit validated([this] { FIsValidating = false; });
    bool valid = true;
    DoValueValidate(Value, valid);
    return valid;
}

void TQuillEdit::DoValueValidate(const std::string& Value, bool& IsValid)
{
    if (OnValueValidate) OnValueValidate(this, Value, IsValid);
}

bool TQuillEdit::TextIsURL() const { return LooksLikeURL(Text()); }

void TQuillEdit::Change()
{
    TCustomEdit::Change();
    if (FShowError && !Loading()) SetIsError(!ValidateValue(Text()));
}

void TQuillEdit::HandleCommand(TMessage& Message)
{
    if (FBlockChange) {
        FBlockChange = false;
        return;
    }
    if (Transparent()) Invalidate();
    if (FShowURL) SetURLLook(TextIsURL());
    TCustomEdit::Dispatch(Message);
}

void TQuillEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (Message.WParamHi() == EN_CHANGE) HandleCommand(Message);
        else TCustomEdit::Dispatch(Message);
        return;
    case WM_COPY: HandleCopy(Message); return;
    case WM_CUT: HandleCut(Message); return;
    case WM_PASTE: HandlePaste(Message); return;
    case WM_CANCELMODE:
        FLookupList->HidePopup();
        TCustomEdit::Dispatch(Message);
        return;
    default: TCustomEdit::Dispatch(Message); return;
    }
}

// ---- Selection

void TQuillEdit::SelectAll()
{
    const std::string value = Text();
    int start = 0;
    if (FShowURL) {
        const std::u32string text = ToU32(value);
        if (const size_t at = text.find(U"://"); at != std::u32string::npos) start = static_cast<int>(at) + 3;
        else if (const size_t mail = text.find(U"mailto:"); mail != std::u32string::npos) start = static_cast<int>(mail) + 7;
    }
    SetValueSel(start, ValueLength() - start);
}

void TQuillEdit::SelectBeforeDecimal()
{
    const size_t at = ToU32(Text()).find(DecimalSeparator());
    SetValueCaret(at == std::u32string::npos ? 0 : static_cast<int>(at));
}

void TQuillEdit::SelectAfterDecimal()
{
    const size_t at = ToU32(Text()).find(DecimalSeparator());
    SetValueCaret(at == std::u32string::npos ? 0 : static_cast<int>(at) + 1);
}

// ---- Range lists

bool TQuillEdit::RangeStrToList(TRangeList& RangeList) const { return RangeList.StrToList(Text()); }

void TQuillEdit::ListToRangeStr(TRangeList& RangeList) { SetText(RangeList.ToRangeStr()); }
