// TSarnSpinEdit's keyboard: stepping keys, Enter as Tab, the keypad decimal
// key, the typing lock, and the character filter of each kind.
#include <algorithm>

#include "grid/base/EditorLayout.h"
#include "grid/base/SarnSpinEdit.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/MessageQueue.h"

namespace {

// Bit 6 of the scan code in a character's key data: set for the numeric
// keypad's decimal key, clear for the main "." key.
constexpr LPARAM KeypadScanCodeBit = LPARAM{1} << 22;

bool IsDigit(char32_t Key) { return Key >= U'0' && Key <= U'9'; }

int CountOf(const std::u32string& Text, char32_t Key) { return static_cast<int>(std::count(Text.begin(), Text.end(), Key)); }

} // namespace

void TSarnSpinEdit::Dispatch(TMessage& Message)
{
    if (grid::CutOrPasteLocked(Message.Msg, FEditorEnabled, ReadOnly())) return;
    switch (Message.Msg) {
    case WM_KEYDOWN:
        // The stepping keys are used up here, before any key event sees them.
        switch (Message.WParam) {
        case VK_PRIOR: StepUp(true); return;
        case VK_NEXT: StepDown(true); return;
        case VK_UP: StepUp(false); return;
        case VK_DOWN: StepDown(false); return;
        default: break;
        }
        break;
    case WM_CHAR:
        if (FExcelStyleDecimalSeparator && Message.WParam == '.' && (Message.LParam & KeypadScanCodeBit))
            Message.WParam = static_cast<WPARAM>(static_cast<unsigned char>(FormatSettings().DecimalSeparator));
        break;
    default: break;
    }
    TCustomEdit::Dispatch(Message);
}

void TSarnSpinEdit::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        // Posted, so the focus moves on once this key is done, as the Tab key would move it.
        PostMessage(Handle(), WM_NEXTDLGCTL, 0, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
}

void TSarnSpinEdit::KeyPress(char32_t& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key != 0 && !AcceptsChar(Key)) Key = 0;
}

bool TSarnSpinEdit::AcceptsChar(char32_t& Key)
{
    if (Key == 8) return FEditorEnabled;
    const TFormatSettings& fs = FormatSettings();
    const char32_t decimal = static_cast<unsigned char>(fs.DecimalSeparator);
    const char32_t thousand = static_cast<unsigned char>(fs.ThousandSeparator);
    const char32_t timeSep = static_cast<unsigned char>(fs.TimeSeparator);
    const char32_t dateSep = static_cast<unsigned char>(fs.DateSeparator);
    const bool numeric = FSpinType == sptNormal || FSpinType == sptFloat;
    // Outside its own kind a separator passes only where it doubles as a number character.
    auto numberCharacter = [&](char32_t c) { return numeric && (c == decimal || c == thousand || c == U'-' || c == U'+'); };

    bool result = Key == decimal || Key == thousand || Key == timeSep || Key == dateSep || IsDigit(Key) || Key == U'-' ||
                  (Key < 32 && Key != U'\r');
    if (Key == timeSep && FSpinType != sptTime) result = numberCharacter(timeSep);
    if (Key == dateSep && FSpinType != sptDate) result = numberCharacter(dateSep);
    const std::u32string selected = FText32.substr(static_cast<std::size_t>(std::min(SelStart(), static_cast<int>(FText32.size()))),
        static_cast<std::size_t>(SelLength()));
    if (Key == U'-') result = SelStart() == 0 && (CountOf(FText32, U'-') == 0 || CountOf(selected, U'-') > 0);

    switch (FSpinType) {
    case sptNormal: result = result && (IsDigit(Key) || Key == U'-'); break;
    case sptFloat:
        if (Key == 27 || Key == U'\r') break;
        if (Key == thousand) result = false;
        if (Key == decimal && CountOf(FText32, decimal) > 0 && CountOf(selected, decimal) == 0) result = false;
        if (FPrecision > 0 && SelLength() == 0) {
            const auto point = FText32.find(decimal);
            if (point != std::u32string::npos && CaretPos() > static_cast<int>(point) &&
                static_cast<int>(FText32.size() - point - 1) >= FPrecision)
                result = false;
        }
        break;
    case sptTime:
        if (Key == timeSep && CountOf(FText32, timeSep) >= 2) result = false;
        break;
    case sptDate: break;
    }
    if (!FEditorEnabled && Key >= 32) result = false;
    return result;
}

void TSarnSpinEdit::CMEnter(TMessage& Message)
{
    TCustomEdit::CMEnter(Message);
    // A locked edit selects all even when entered by a mouse press.
    if (AutoSelect() && !FEditorEnabled) SelectAll();
}

void TSarnSpinEdit::CMExit(TMessage& Message)
{
    switch (FSpinType) {
    case sptNormal:
        if (const int v = Value(); LimitInt(v) != v) SetValue(v);
        break;
    case sptFloat:
        if (const double v = FloatValue(); LimitFloat(v) != v) SetFloatValue(v);
        break;
    case sptDate:
        if (const TDateTime v = DateValue(); LimitDate(v) != v) SetDateValue(v);
        break;
    case sptTime:
        if (const TDateTime v = TimeValue(); LimitDate(v) != v) SetTimeValue(v);
        break;
    }
    TCustomEdit::CMExit(Message);
}
