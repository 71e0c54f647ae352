// The per-kind character rules of the normal cell editor.
#include "grid/interact/EditCharFilter.h"

#include <cwctype>

namespace grid {

namespace {

constexpr char32_t Backspace = 8, Tab = 9, Enter = 13, Esc = 27;

bool IsControlKey(char32_t Ch) { return Ch == Backspace || Ch == Tab || Ch == Enter || Ch == Esc; }
bool IsDigit(char32_t Ch) { return Ch >= U'0' && Ch <= U'9'; }

bool Holds(const std::u32string& Text, char32_t Ch) { return Text.find(Ch) != std::u32string::npos; }

std::u32string Selected(const TEditCharContext& C)
{
    if (C.SelLength <= 0 || C.SelStart < 0 || C.SelStart > static_cast<int>(C.Text.size())) return {};
    return C.Text.substr(static_cast<std::size_t>(C.SelStart), static_cast<std::size_t>(C.SelLength));
}

// A minus sign is only ever the first character, and only one.
bool MinusFits(const TEditCharContext& C)
{
    return (C.SelStart == 0 && !Holds(C.Text, U'-')) || Holds(Selected(C), U'-');
}

bool FilterFloat(const TEditCharContext& C, char32_t Ch)
{
    if (IsControlKey(Ch) || IsDigit(Ch)) return true;
    if (Ch == C.ThousandSeparator && Ch != C.DecimalSeparator) return false;
    if (Ch == C.DecimalSeparator) return !Holds(C.Text, Ch) || Holds(Selected(C), Ch);
    if (Ch == U'-') return C.Kind == edFloat && MinusFits(C);
    // Clipboard control characters go on while Ctrl is held.
    return C.Ctrl && Ch < 32;
}

} // namespace

bool IsNormalEditorKind(TEditorType Kind) noexcept
{
    switch (Kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

bool FilterEditChar(const TEditCharContext& C, char32_t& Ch)
{
    switch (C.Kind) {
    case edNormal: case edPassword: case edMixedCase:
        return true;
    case edNumeric:
        return IsControlKey(Ch) || IsDigit(Ch) || (Ch == U'-' && C.SelStart == 0 && !Holds(C.Text, U'-'));
    case edPositiveNumeric:
        return IsControlKey(Ch) || IsDigit(Ch);
    case edFloat: case edPositiveFloat:
        return FilterFloat(C, Ch);
    case edCapital: case edUpperCase:
        if (Ch >= 32) Ch = static_cast<char32_t>(std::towupper(static_cast<wint_t>(Ch)));
        return true;
    case edLowerCase:
        if (Ch >= 32) Ch = static_cast<char32_t>(std::towlower(static_cast<wint_t>(Ch)));
        return true;
    case edValidChars:
        return Ch == Backspace || Ch == Enter || Ch == Esc || Holds(C.ValidChars, Ch);
    default:
        return false;
    }
}

} // namespace grid
