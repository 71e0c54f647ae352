// The typed-character rules of each edit type, free of any window.
#include "controls/TypedCharFilter.h"

#include <algorithm>

#include "controls/QuillEditInput.h"
#include "platform/rtl/Strings.h"

namespace controls {

namespace {

using TAction = TTypedOutcome::TAction;
using TModified = TTypedOutcome::TModified;

constexpr char32_t LineFeed = 10, Tab = 9;

bool IsNumberKind(TQuillEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney; }

bool WholeValueSelected(const TTypedState& S)
{
    return !S.Value.empty() && S.SelLength > 0 && S.SelStart <= 0 &&
           S.SelStart + S.SelLength >= static_cast<int>(S.Value.size());
}

// The value with the selection cut out.
std::u32string OutsideSelection(const TTypedState& S)
{
    std::u32string outside = S.Value;
    const int start = std::clamp(S.SelStart, 0, static_cast<int>(S.Value.size()));
    outside.erase(static_cast<size_t>(start), static_cast<size_t>(std::max(S.SelLength, 0)));
    return outside;
}

// Nothing happens; Modified may still mark the attempt.
TTypedOutcome Refuse(TModified Modified = TModified::Unchanged)
{
    TTypedOutcome outcome;
    outcome.Modified = Modified;
    outcome.Finished = true;
    return outcome;
}

TTypedOutcome Drop() { return {}; }

TTypedOutcome Insert(const TTypedState& S, char32_t Key, TModified Modified = TModified::Unchanged)
{
    TTypedOutcome outcome;
    outcome.Action = TAction::Insert;
    outcome.Key = Key;
    outcome.State = S;
    outcome.Modified = Modified;
    return outcome;
}

TTypedOutcome Write(std::u32string Value, int Caret, TModified Modified, bool Finished)
{
    TTypedOutcome outcome;
    outcome.Action = TAction::Write;
    outcome.State = {std::move(Value), Caret, 0, Caret};
    outcome.Modified = Modified;
    outcome.Finished = Finished;
    return outcome;
}

int AfterDecimal(const std::u32string& Value)
{
    const size_t at = Value.find(DecimalSeparator());
    return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

TTypedOutcome IntegerSign(const TTypedState& S)
{
    if (WholeValueSelected(S)) return Write(U"-", 1, TModified::Unchanged, true);
    if (S.Value.empty()) return Write(U"-", 1, TModified::Unchanged, false);
    if (S.Value.find(U'-') != std::u32string::npos)
        return Write(S.Value.substr(1), std::max(0, S.Caret - 1), TModified::Unchanged, false);
    return Write(U"-" + S.Value, S.Caret + 1, TModified::Set, false);
}

TTypedOutcome DecimalSign(const TTypedState& S)
{
    if (S.Value.find(U'-') != std::u32string::npos)
        return Write(S.Value.substr(1), std::max(0, S.Caret - 1), TModified::Set, true);
    return Write(U"-" + S.Value, S.Caret + 1, TModified::Set, true);
}

// With every decimal typed a digit overwrites the next decimal (the state's
// selection grows to it); a separator or a digit at the end is refused.
bool DecimalsFullBlocks(TTypedState& S, char32_t Key, int Precision)
{
    if (S.SelLength > 0 || !DecimalsFull(S.Value, S.Caret, Precision)) return false;
    if (!IsDigit(Key) && Key != DecimalSeparator()) return false;
    if (IsDigit(Key) && S.Caret < static_cast<int>(S.Value.size())) {
        S.SelStart = S.Caret;
        S.SelLength = 1;
        return false;
    }
    return true;
}

// A decimal separator typed into an empty value comes with its leading zero.
bool ZeroLeadIn(const TTypedState& S, char32_t Key)
{
    return S.Value.empty() && S.Caret == 0 && Key == DecimalSeparator();
}

TTypedOutcome FloatRules(const TTypedRules& R, TTypedState S, char32_t Key)
{
    const char32_t decimal = DecimalSeparator(), thousand = ThousandSeparator();
    if ((Key == U',' || Key == U'.') && Key != decimal && Key != thousand) return Refuse();
    if (Key != Tab && Key != U',' && Key != U'-' && Key != U'.' && !IsDigit(Key)) return Drop();
    const std::u32string selected = S.Value.substr(static_cast<size_t>(std::clamp(S.SelStart, 0, static_cast<int>(S.Value.size()))),
                                                   static_cast<size_t>(std::max(S.SelLength, 0)));
    if (Key == decimal && selected.find(decimal) == std::u32string::npos) {
        if (S.Value.find(decimal) != std::u32string::npos) {
            if (R.Precision > 0) return Write(S.Value, AfterDecimal(S.Value), TModified::Unchanged, true);
            return Refuse();
        }
        if (R.Precision == 0) return Refuse();
    }
    if (Key == U',' && thousand != U',' && OutsideSelection(S).find(U',') != std::u32string::npos) return Refuse();
    if ((Key == thousand || Key == decimal) && !SeparatorPlacementAllows(S.Value, S.Caret)) return Refuse();
    if (DecimalsFullBlocks(S, Key, R.Precision)) return Refuse();
    if (ZeroLeadIn(S, Key)) return Write(std::u32string{U'0', Key}, 2, TModified::Set, true);
    if (Key == U'-' && S.SelLength == 0) return DecimalSign(S);
    return Insert(S, Key);
}

TTypedOutcome MoneyRules(const TTypedRules& R, TTypedState S, char32_t Key)
{
    const char32_t decimal = DecimalSeparator();
    if (Key == decimal && (S.Value.find(decimal) != std::u32string::npos || R.Precision == 0)) {
        if (R.Precision <= 0) return Refuse();
        // Over the whole value the separator starts a zero amount's decimals.
        if (WholeValueSelected(S)) {
            const std::u32string zero = ToU32(FormatThousands(0, R.Precision));
            return Write(zero, AfterDecimal(zero), TModified::Clear, true);
        }
        return Write(S.Value, AfterDecimal(S.Value), TModified::Unchanged, true);
    }
    if (Key != Tab && Key != U'-' && Key != decimal && !IsDigit(Key)) return Drop();
    if (Key == decimal && !SeparatorPlacementAllows(S.Value, S.Caret)) return Refuse();
    if (DecimalsFullBlocks(S, Key, R.Precision)) return Refuse();
    if (ZeroLeadIn(S, Key)) return Write(std::u32string{U'0', Key}, 2, TModified::Set, true);
    if (Key == U'-' && S.SelLength == 0) return DecimalSign(S);
    TTypedOutcome outcome = Insert(S, Key);
    std::u32string typed = OutsideSelection(S);
    if (Key != Tab) typed.insert(static_cast<size_t>(std::clamp(S.SelStart, 0, static_cast<int>(typed.size()))), 1, Key);
    outcome.Regroup = !typed.empty() && typed != U"-" && Key != decimal;
    return outcome;
}

} // namespace

TTypedOutcome FilterTypedChar(const TTypedRules& R, const TTypedState& S, char32_t Key, bool CtrlHeld)
{
    const char32_t decimal = DecimalSeparator();
    if (R.LengthLimit > 0 && S.SelLength == 0 && IntegerPartLength(S.Value, R.Signed && IsNumberKind(R.EditType)) > R.LengthLimit) {
        const size_t at = S.Value.find(decimal);
        const bool beforeDecimal = at == std::u32string::npos || S.Caret <= static_cast<int>(at);
        const bool allowedAnyway = Key == decimal || (Key == U'-' && R.Signed && IsNumberKind(R.EditType));
        if (beforeDecimal && !allowedAnyway) return Refuse();
    }
    if (Key == LineFeed) return Refuse();
    if (Key == U'-' && IsNumberKind(R.EditType) && !R.Signed) return Refuse();

    switch (R.EditType) {
    case etString:
    case etPassword: return Insert(S, Key, TModified::Set);
    case etNumeric:
        if (Key == U'-') return IntegerSign(S);
        if (IsDigit(Key) || Key == Tab || CtrlHeld) return Insert(S, Key);
        return Drop();
    case etUppercase: return Insert(S, rtl::UnicodeUpper(Key));
    case etLowerCase: return Insert(S, rtl::UnicodeLower(Key));
    case etMixedCase: {
        std::u32string typed = OutsideSelection(S);
        const int at = std::clamp(S.SelStart, 0, static_cast<int>(typed.size()));
        typed.insert(static_cast<size_t>(at), 1, Key);
        return Write(MixedCase(typed), at + 1, TModified::Set, false);
    }
    case etFloat: return FloatRules(R, S, Key);
    case etMoney: return MoneyRules(R, S, Key);
    case etRange: {
        const bool separator = Key == U',' || Key == U'-' || Key == U';';
        if (!separator && !IsDigit(Key) && Key != Tab) return Refuse();
        if (separator && !RangeSeparatorAllows(S.Value, S.Caret)) return Refuse(TModified::Set);
        return Insert(S, Key, TModified::Set);
    }
    case etHex:
    case etAlphaNumeric:
    case etValidChars: {
        bool accepted = false;
        if (R.EditType == etHex) accepted = Key == U'-' || IsDigit(Key) || IsHexLetter(Key) || Key == Tab;
        else if (R.EditType == etAlphaNumeric) accepted = IsDigit(Key) || IsAsciiLetter(Key) || Key == Tab;
        else accepted = R.ValidChars.find(Key) != std::u32string::npos;
        return accepted ? Insert(S, Key, TModified::Set) : Drop();
    }
    }
    return Drop();
}

} // namespace controls
