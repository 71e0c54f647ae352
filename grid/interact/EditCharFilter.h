// Which characters the normal cell editor takes for each editor kind.
#pragma once

#include <string>

#include "grid/base/GridEnums.h"

namespace grid {

struct TEditCharContext {
    TEditorType Kind = edNormal;
    // The editor's text, caret and selection, in characters.
    std::u32string Text;
    int SelStart = 0;
    int SelLength = 0;
    bool Ctrl = false;
    // edValidChars: the characters allowed (every character of the text).
    std::u32string ValidChars;
    char32_t DecimalSeparator = U'.';
    char32_t ThousandSeparator = U',';
};

// True when the editor takes Ch; Ch may come back changed (upper or lower
// case). Backspace, Tab, Enter and Esc pass wherever a kind takes input.
bool FilterEditChar(const TEditCharContext& Context, char32_t& Ch);

// Whether the kind is edited by the normal text editor.
bool IsNormalEditorKind(TEditorType Kind) noexcept;

} // namespace grid
