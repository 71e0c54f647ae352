// Colour names and "#RRGGBB" colours of the markup.
#include "render/HTMLUtils.h"

#include <array>

namespace {

struct NamedColor {
    std::string_view Name;
    TColor Color;
};

constexpr std::array<NamedColor, 40> namedColors{{
    {"clred", clRed}, {"clblack", clBlack}, {"clblue", clBlue}, {"clgreen", clGreen},
    {"claqua", clAqua}, {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
    {"cllime", clLime}, {"clsilver", clSilver}, {"clgray", clGray}, {"clolive", clOlive},
    {"clnavy", clNavy}, {"clpurple", clPurple}, {"clteal", clTeal}, {"clmaroon", clMaroon},
    {"clbackground", clBackground}, {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption}, {"clmenu", clMenu}, {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame}, {"clmenutext", clMenuText}, {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText}, {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder}, {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight}, {"clhighlighttext", clHighlightText}, {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow}, {"clgraytext", clGrayText}, {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText}, {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow}, {"cl3dlight", cl3DLight}, {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

} // namespace

TColor ColorFromHTMLName(std::string_view Name)
{
    for (const NamedColor& c : namedColors)
        if (c.Name == Name) return c.Color;
    return clBlack;
}

int HexPairToByte(std::string_view Text)
{
    if (Text.size() < 2) return 0;
    return 16 * HexDigitValue(Text[0]) + HexDigitValue(Text[1]);
}

TColor ColorFromHTMLHex(std::string_view Text)
{
    // Characters 2-3, 4-5 and 6-7 (one-based) after the "#".
    auto pair = [Text](size_t from) { return from < Text.size() ? HexPairToByte(Text.substr(from, 2)) : 0; };
    return pair(1) + 256 * pair(3) + 65536 * pair(5);
}
