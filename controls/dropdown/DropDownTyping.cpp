// TQuillCustomDropDown's typed input: the value between prefix and suffix,
// the typed characters judged by the typed edit's filter, money grouping
// while typing, Esc and the selection on focus arrival.
#include <algorithm>

#include "controls/QuillEditInput.h"
#include "controls/dropdown/QuillDropDown.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Caret.h"

namespace controls {

namespace {

constexpr char32_t Backspace = 8, Tab = 9;

} // namespace

// ---- Value between prefix and suffix

std::string TQuillCustomDropDown::Text() const { return ValueOfDisplay(GetText(), FPrefix, FSuffix); }

int TQuillCustomDropDown::PrefixLength() const { return static_cast<int>(rtl::Utf8Length(FPrefix)); }

void TQuillCustomDropDown::WriteValue(const std::string& Value) { TCustomEdit::SetText(FPrefix + Value + FSuffix); }

void TQuillCustomDropDown::SetPrefix(const std::string& Value)
{
    const std::string value = Text();
    FPrefix = Value;
    WriteValue(value);
}

void TQuillCustomDropDown::SetSuffix(const std::string& Value)
{
    const std::string value = Text();
    FSuffix = Value;
    WriteValue(value);
}

void TQuillCustomDropDown::SetValueSel(int Start, int Length)
{
    const int length = static_cast<int>(rtl::Utf8Length(Text()));
    const int start = std::clamp(Start, 0, length);
    SetSelStart(PrefixLength() + start);
    SetSelLength(std::clamp(Length, 0, length - start));
}

void TQuillCustomDropDown::SelectAll() { SetValueSel(0, static_cast<int>(rtl::Utf8Length(Text()))); }

void TQuillCustomDropDown::SelectBeforeDecimal()
{
    const size_t at = ToU32(Text()).find(DecimalSeparator());
    SetValueSel(at == std::u32string::npos ? 0 : static_cast<int>(at), 0);
}

// ---- Typed characters

void TQuillCustomDropDown::WMChar(TMessage& Message)
{
    // A face without editor takes no typing at all.
    if (!FEditorEnabled) return;
    const auto key = static_cast<char32_t>(Message.WParam);
    const int prefix = PrefixLength();
    if (key == Backspace) {
        // The prefix is no part of the value. Money is not regrouped after it.
        if (!FPrefix.empty() && CaretPos() <= prefix && SelLength() == 0) return;
        TCustomEdit::WMChar(Message);
        return;
    }
    // Enter, Esc and the Ctrl characters of the clipboard are no value text.
    if (key < 32 && key != Tab && key != U'\n') {
        TCustomEdit::WMChar(Message);
        return;
    }
    // A character typed with the caret in the prefix or suffix goes into the value.
    const int valueLength = static_cast<int>(rtl::Utf8Length(Text()));
    if (SelStart() < prefix || SelStart() + SelLength() > prefix + valueLength)
        SetValueSel(SelStart() - prefix, SelLength() - std::max(0, prefix - SelStart()));
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const TTypedState state{ToU32(Text()), SelStart() - prefix, SelLength(), CaretPos() - prefix};
    CarryOut(FilterTypedChar({FEditType, FPrecision, FSigned, FLengthLimit, ToU32(FValidChars)}, state, key, ctrl), Message);
}

void TQuillCustomDropDown::CarryOut(const TTypedOutcome& Outcome, TMessage& Message)
{
    using TAction = TTypedOutcome::TAction;
    using TModified = TTypedOutcome::TModified;
    if (Outcome.Action == TAction::Insert) {
        if (Outcome.State.SelLength != SelLength()) SetValueSel(Outcome.State.SelStart, Outcome.State.SelLength);
        Message.WParam = Outcome.Key;
        TCustomEdit::WMChar(Message);
        if (Outcome.Regroup) RegroupTypedMoney();
        FIsModified = true;
    } else if (Outcome.Action == TAction::Write) {
        WriteValue(ToUtf8(Outcome.State.Value));
        SetValueSel(Outcome.State.SelStart, Outcome.State.SelLength);
    }
    if (Outcome.Modified != TModified::Unchanged) FIsModified = Outcome.Modified == TModified::Set;
}

void TQuillCustomDropDown::RegroupTypedMoney()
{
    const std::u32string value = ToU32(Text());
    const std::u32string grouped = RegroupMoney(value, FAutoThousandSeparator);
    if (grouped == value) return;
    // The caret keeps its distance from the value's end.
    const int caret = CaretPos() - PrefixLength();
    WriteValue(ToUtf8(grouped));
    SetValueSel(caret + static_cast<int>(grouped.size()) - static_cast<int>(value.size()), 0);
}

// ---- Esc and focus arrival

void TQuillCustomDropDown::WMSetFocus(TMessage& Message)
{
    TCustomEdit::WMSetFocus(Message);
    if (!ComponentState().Contains(csLoading)) {
        if (!FEditorEnabled) HideCaret(Handle());
        else if (AutoSelect()) SelectAll();
        else if (FEditType == etFloat || FEditType == etMoney) SelectBeforeDecimal();
    }
    // The frames and the focused face show the focus.
    Invalidate();
}

} // namespace controls
