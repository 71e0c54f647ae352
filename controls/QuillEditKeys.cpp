// TQuillEdit's keyboard: the typed-character filter of each edit type, the
// guards that keep the caret off the prefix and suffix, the Esc restore, and
// the clipboard messages with their per-type paste test.
#include "controls/QuillEdit.h"

#include <algorithm>

#include "controls/QuillEditInput.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"

using namespace controls;

namespace {

constexpr char32_t Backspace = 8, Enter = 13, Escape = 27;
constexpr char32_t CtrlC = 3, CtrlV = 22, CtrlX = 24;

bool IsNumberKind(TQuillEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney; }
bool KeyHeld(int VirtualKey) { return GetKeyState(VirtualKey) < 0; }

// A minus is part of a number only in front.
bool MinusOnlyInFront(std::string_view Text) { return Text.find('-', 1) == std::string_view::npos; }

} // namespace

// ---- Typed characters

void TQuillEdit::PassOn(TMessage& Message, char32_t Key)
{
    Message.WParam = Key;
    TCustomEdit::WMChar(Message);
}

void TQuillEdit::WMChar(TMessage& Message) { HandleChar(Message); }

void TQuillEdit::HandleChar(TMessage& Message)
{
    char32_t key = static_cast<char32_t>(Message.WParam);
    const bool ctrl = KeyHeld(VK_CONTROL);
    const std::u32string value = ToU32(Text());
    const int caret = ValueCaret();
    const char32_t decimal = DecimalSeparator();

    // Typing over the whole value: the change of this keystroke raises no
    // OnChange. Keys that never edit the text (Enter, Esc, Tab, Ctrl
    // characters) leave the flag alone, so it cannot swallow a later change.
    if ((key >= 32 || key == Backspace) && WholeValueSelected() && FEditType != etPassword) FBlockChange = true;

    if (ctrl && key == Enter) {
        Message.Result = 1;
        return;
    }
    if (key == Enter) {
        char32_t copy = key;
        if (OnKeyPress) OnKeyPress(this, copy);
        if (!FDefaultHandling && Parent()) {
            TCustomForm* form = GetParentForm();
            PostKeyToParent(VK_RETURN, true, !(form && form->KeyPreview()));
        }
        return;
    }
    if (key == Escape) {
        if (!FDefaultHandling && Parent()) {
            TCustomForm* form = GetParentForm();
            if (form && form->KeyPreview()) {
                PassOn(Message, key);
                return;
            }
            PostKeyToParent(VK_ESCAPE, true, true);
        }
        // With undo the key-down has restored the value already; the character
        // itself is no text and must not mark the restored value modified.
        if (!FCanUndo) PassOn(Message, key);
        return;
    }
    if (ctrl && (key == CtrlC || key == CtrlV || key == CtrlX)) {
        PassOn(Message, key);
        return;
    }
    if (FExcelStyleDecimalSeparator && (key == U'.' || key == U',') && (static_cast<std::uint32_t>(Message.LParam) & KF_KEYPAD_BIT))
        key = decimal;
    if (key == Backspace && !FPrefix.empty() && caret <= 0 && SelLength() == 0) return;
    if (key == Backspace) {
        std::u32string predicted = value;
        if (SelLength() > 0) {
            const int start = std::clamp(ValueSelStart(), 0, static_cast<int>(value.size()));
            predicted.erase(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
        } else if (caret > 0 && caret <= static_cast<int>(value.size()))
            predicted.erase(static_cast<size_t>(caret - 1), 1);
        if (predicted != value) SetModified(true);
        PassOn(Message, key);
        if (FEditType == etMoney) ApplyMoneyGrouping();
        if (Text().empty() && FIsModified) Change();
        SetModified(FIsModified);
        UpdateLookupList();
        return;
    }
    const bool ctrlHeld = ctrl || KeyHeld(VK_LCONTROL) || KeyHeld(VK_RCONTROL);
    const TTypedOutcome outcome = FilterTypedChar({FEditType, FPrecision, FSigned, FLengthLimit, ToU32(FValidChars)},
                                                  {value, ValueSelStart(), SelLength(), caret}, key, ctrlHeld);
    CarryOut(outcome, Message);
    if (!outcome.Finished) AfterCharacter();
}

void TQuillEdit::CarryOut(const TTypedOutcome& Outcome, TMessage& Message)
{
    using TAction = TTypedOutcome::TAction;
    using TModified = TTypedOutcome::TModified;
    if (Outcome.Action == TAction::Insert) {
        if (Outcome.Modified == TModified::Set) SetModified(true);
        if (Outcome.State.SelLength != SelLength()) SetValueSel(Outcome.State.SelStart, Outcome.State.SelLength);
        PassOn(Message, Outcome.Key);
        if (Outcome.Regroup) {
            if (TCustomEdit::Modified()) SetModified(true);
            ApplyMoneyGrouping();
        }
        return;
    }
    if (Outcome.Action == TAction::Write) {
        WriteRawValue(ToUtf8(Outcome.State.Value));
        SetValueSel(Outcome.State.SelStart, Outcome.State.SelLength);
    }
    if (Outcome.Modified != TModified::Unchanged) SetModified(Outcome.Modified == TModified::Set);
}

void TQuillEdit::AfterCharacter()
{
    if (FTabOnFullLength && FLengthLimit > 0 && SelLength() == 0 && IntegerPartLength(Text()) > FLengthLimit &&
        ValueCaret() == FLengthLimit)
        MoveFocus(true);
    if (TCustomEdit::Modified()) SetModified(true);
    UpdateLookupList();
}

// ---- Key-down guards

void TQuillEdit::WMKeyDown(TMessage& Message) { HandleWMKeyDown(Message); }

void TQuillEdit::HandleWMKeyDown(TMessage& Message)
{
    unsigned short key = static_cast<unsigned short>(Message.WParam);
    const bool shift = KeyHeld(VK_SHIFT), ctrl = KeyHeld(VK_CONTROL);
    const int prefix = PrefixLength();
    const int valueEnd = prefix + ValueLength();
    const int selectionEnd = SelStart() + SelLength();
    auto consume = [&] {
        Message.WParam = 0;
        Message.Result = 0;
    };
    if (FLookupList->Visible() && HandleLookupKey(Message)) return;

    if (key == VK_UP || key == VK_DOWN) {
        if (OnKeyDown) OnKeyDown(this, key, KeyDataToShiftState(static_cast<std::uint32_t>(Message.LParam)));
        Message.Result = 1;
        return;
    }
    if (ctrl && (key == VK_TAB || key == VK_RETURN)) {
        TCustomEdit::WMKeyDown(Message);
        return;
    }
    if (key == VK_RETURN && FReturnIsTab) {
        Message.WParam = key = VK_TAB;
        if (Visible()) MoveFocus(true);
        return;
    }
    if (key == VK_RIGHT && !FSuffix.empty() && selectionEnd >= valueEnd) return consume();
    if (key == VK_DELETE && !FSuffix.empty()) {
        if (selectionEnd >= valueEnd && SelLength() == 0) return consume();
        SetModified(true);
    }
    if (key == VK_LEFT && !FPrefix.empty() && selectionEnd <= prefix) return consume();
    if (key == VK_END && !FSuffix.empty()) {
        if (shift) Perform(EM_SETSEL, static_cast<WPARAM>(CaretPos()), valueEnd);
        else SetValueCaret(ValueLength());
        return consume();
    }
    if (key == VK_HOME && !FPrefix.empty()) {
        if (shift) Perform(EM_SETSEL, static_cast<WPARAM>(valueEnd), prefix);
        else SetValueCaret(0);
        return consume();
    }
    if (key == VK_BACK && !FPrefix.empty()) {
        if (ValueCaret() <= 1) {
            unsigned short copy = key;
            if (OnKeyDown) OnKeyDown(this, copy, TShiftState{});
            return consume();
        }
        SetModified(true);
    }
    if (key == VK_DELETE && ValueCaret() >= 0) {
        std::u32string predicted = ToU32(Text());
        const int start = std::clamp(ValueSelStart(), 0, static_cast<int>(predicted.size()));
        if (SelLength() > 0) predicted.erase(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
        else if (start < static_cast<int>(predicted.size())) predicted.erase(static_cast<size_t>(start), 1);
        if (FLengthLimit > 0 &&
            controls::IntegerPartLength(predicted, FSigned && IsNumberKind(FEditType)) - 1 > FLengthLimit)
            return consume();
        SetModified(true);
    }
    TCustomEdit::WMKeyDown(Message);
    if (key == VK_DELETE && FEditType == etMoney) ApplyMoneyGrouping();
    if (!FPrefix.empty() && CaretPos() < prefix) SetValueCaret(0);
}

void TQuillEdit::CMWantSpecialKey(TMessage& Message) { HandleWantSpecialKey(Message); }

void TQuillEdit::HandleWantSpecialKey(TMessage& Message)
{
    TCustomForm* form = GetParentForm();
    if (!form) return;
    if (FBlockDefaultHandling) {
        FBlockDefaultHandling = false;
        return;
    }
    if (Message.WParam == VK_ESCAPE && FCanUndo && !form->KeyPreview()) {
        SetText(FOldString);
        if (FFocusFontColor != clNone) SetFontColor(FFocusFontColor);
        SelectAll();
        SetModified(false);
        Message.WParam = 0;
        if (FDefaultHandling && Parent()) PostKeyToParent(VK_ESCAPE, true, true);
    }
    TCustomEdit::CMWantSpecialKey(Message);
}

void TQuillEdit::PostKeyToParent(unsigned short Key, bool Down, bool Up)
{
    const HWND parent = Parent()->Handle();
    if (Down) PostMessage(parent, WM_KEYDOWN, Key, 0);
    if (Up) PostMessage(parent, WM_KEYUP, Key, 0);
}

void TQuillEdit::MoveFocus(bool Forward)
{
    if (TCustomForm* form = GetParentForm()) form->Perform(WM_NEXTDLGCTL, Forward ? 0 : 1, 0);
}

// ---- Clipboard

void TQuillEdit::HandleCopy(TMessage& Message)
{
    bool allow = true;
    if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, rtl::Utf8Copy(Text(), ValueSelStart() + 1, SelLength()), allow);
    FBlockCopy = false;
    if (allow) TCustomEdit::Dispatch(Message);
}

void TQuillEdit::HandleCut(TMessage& Message)
{
    FBlockCopy = true;
    bool allow = true;
    if (OnClipboardCut) OnClipboardCut(this, rtl::Utf8Copy(Text(), ValueSelStart() + 1, SelLength()), allow);
    if (allow) TCustomEdit::Dispatch(Message);
    FBlockCopy = false;
}

void TQuillEdit::HandlePaste(TMessage&)
{
    if (ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
    std::string pasted = Clipboard()->AsText();
    // One line only; the clipboard may end lines with CR LF or a bare LF.
    if (const size_t lineEnd = pasted.find_first_of("\r\n"); lineEnd != std::string::npos) pasted.resize(lineEnd);
    const std::string value = Text();
    const int length = static_cast<int>(rtl::Utf8Length(value));
    const int start = std::clamp(ValueSelStart(), 0, length);
    const int selected = std::clamp(SelLength(), 0, length - start);
    std::string candidate = value;
    rtl::Utf8Delete(candidate, static_cast<size_t>(start) + 1, static_cast<size_t>(selected));
    rtl::Utf8Insert(pasted, candidate, static_cast<size_t>(start) + 1);
    const int pastedLength = static_cast<int>(rtl::Utf8Length(pasted));

    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, candidate, allow);
    if (!allow) return;
    if (MaxLength() > 0 && pastedLength + length - selected > MaxLength()) return;
    if (!PasteAccepted(candidate, pasted)) return;

    if (FEditType == etMoney && ValueLength() > 3) SelectAll();
    else if (selected > 0) SetValueSel(start, pastedLength);
    else SetValueCaret(start + pastedLength);
    UpdateLookupList();
    if (FTabOnFullLength && FLengthLimit > 0 && ValueLength() == FLengthLimit) MoveFocus(true);
}

bool TQuillEdit::PasteAccepted(const std::string& Candidate, const std::string& Pasted)
{
    const TNumberKind kind = NumberKindOf(Candidate);
    const bool signOk = (FSigned || Candidate.find('-') == std::string::npos) && MinusOnlyInFront(Candidate);
    switch (FEditType) {
    case etString:
    case etPassword: SetText(Candidate); break;
    case etUppercase: SetText(AnsiUpperCase(Candidate)); break;
    case etLowerCase: SetText(AnsiLowerCase(Candidate)); break;
    case etMixedCase: SetText(ToUtf8(MixedCase(ToU32(Candidate)))); break;
    case etNumeric:
        if (kind != TNumberKind::Integer || !signOk) return false;
        SetText(Candidate);
        break;
    case etFloat:
    case etMoney:
        if (kind != TNumberKind::Integer && kind != TNumberKind::Decimal) return false;
        if (FPrecision == 0 && Pasted.find(FormatSettings().DecimalSeparator) != std::string::npos) return false;
        if (!signOk) return false;
        SetText(Candidate);
        SetFloatValue(FloatValue());
        break;
    case etRange: return false;
    case etHex:
        if ((kind != TNumberKind::Integer && kind != TNumberKind::Hexadecimal) || !MinusOnlyInFront(Candidate)) return false;
        SetText(Candidate);
        break;
    case etAlphaNumeric:
        for (char32_t c : ToU32(Candidate))
            if (!IsDigit(c) && !IsAsciiLetter(c)) return false;
        SetText(Candidate);
        break;
    case etValidChars: {
        const std::u32string valid = ToU32(FValidChars);
        for (char32_t c : ToU32(Candidate))
            if (valid.find(c) == std::u32string::npos) return false;
        SetText(Candidate);
        break;
    }
    }
    SetModified(true);
    return true;
}
