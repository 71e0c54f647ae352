// The decision on one typed character of a typed edit: from the edit type, the
// value and its selection it says whether the character goes in (possibly
// changed or over another selection), whether the value is rewritten, or
// whether nothing happens. Both the typed edit and the drop-down face carry
// the outcome out on their own windows.
#pragma once

#include <string>

#include "controls/QuillEditTypes.h"

namespace controls {

struct TTypedRules {
    TQuillEditType EditType = etString;
    int Precision = 0;
    bool Signed = false;
    int LengthLimit = 0;
    std::u32string ValidChars;
};

// The value without prefix and suffix, the selection and the caret in it.
struct TTypedState {
    std::u32string Value;
    int SelStart = 0;
    int SelLength = 0;
    int Caret = 0;
};

struct TTypedOutcome {
    enum class TAction { Keep, Insert, Write };
    enum class TModified { Unchanged, Set, Clear };
    TAction Action = TAction::Keep;
    // Insert: the character that goes in over the selection of State.
    char32_t Key = 0;
    // Insert: the selection the character replaces; Write: the new value and
    // its selection.
    TTypedState State;
    TModified Modified = TModified::Unchanged;
    // The inserted money digit asks for the value to be grouped again.
    bool Regroup = false;
    // The rule did all the work: no common after-steps follow.
    bool Finished = false;
};

// Key is a typed character other than Backspace, Enter, Esc and the clipboard
// Ctrl characters, which the edits treat themselves.
TTypedOutcome FilterTypedChar(const TTypedRules& Rules, const TTypedState& State, char32_t Key, bool CtrlHeld);

} // namespace controls
