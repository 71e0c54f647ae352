// The fixed system palette and the colour name table.
#include "platform/graphics/Colors.h"

#include "platform/rtl/Exceptions.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

// One fixed palette, so that drawings are the same on every machine.
constexpr std::array<TColorRef, COLOR_ENDCOLORS + 1> systemPalette = {
    0xC8C8C8, // scroll bar
    0xA56E3A, // background
    0xE35400, // active caption
    0xDF967A, // inactive caption
    0xFFFFFF, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xC8D0D4, // active border
    0xC8D0D4, // inactive border
    0x808080, // application workspace
    0xC56A31, // highlight
    0xFFFFFF, // highlight text
    0xD8E9EC, // button face
    0x99A8AC, // button shadow
    0x99A8AC, // grey text
    0x000000, // button text
    0xF8E4D8, // inactive caption text
    0xFFFFFF, // button highlight
    0x646F71, // 3-D dark shadow
    0xE2EFF1, // 3-D light
    0x000000, // info text
    0xE1FFFF, // info background
    0xB5B5B5, // (unused index 25)
    0x800000, // hot light
    0xFF953D, // gradient active caption
    0xEBB99D, // gradient inactive caption
    0xC56A31, // menu highlight
    0xD8E9EC, // menu bar
};

struct NamedColor {
    TColor Value;
    const char* Name;
};

constexpr NamedColor colorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clActiveBorder, "clActiveBorder"}, {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clBackground, "clBackground"}, {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"}, {clBtnShadow, "clBtnShadow"}, {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"}, {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"}, {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clInfoBk, "clInfoBk"}, {clInfoText, "clInfoText"},
    {clMenu, "clMenu"}, {clMenuBar, "clMenuBar"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"}, {clNone, "clNone"}, {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clWindowText, "clWindowText"},
};

} // namespace

TColorRef GetSysColor(int Index) noexcept
{
    if (Index < 0 || Index > COLOR_ENDCOLORS) return 0;
    return systemPalette[static_cast<std::size_t>(Index)];
}

TColor ColorToRGB(TColor Color) noexcept
{
    if ((static_cast<std::uint32_t>(Color) & 0xFF000000u) == 0xFF000000u)
        return static_cast<TColor>(GetSysColor(Color & 0xFF));
    return Color;
}

std::optional<std::string> ColorToIdent(TColor Color)
{
    for (const auto& named : colorNames)
        if (named.Value == Color) return std::string(named.Name);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view Ident)
{
    for (const auto& named : colorNames) {
        std::string_view name(named.Name);
        if (name.size() == Ident.size() && strncasecmp(name.data(), Ident.data(), name.size()) == 0)
            return named.Value;
    }
    return std::nullopt;
}

std::string ColorToString(TColor Color)
{
    if (auto ident = ColorToIdent(Color)) return *ident;
    char text[12];
    std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(Color));
    return text;
}

TColor StringToColor(std::string_view S)
{
    if (auto named = IdentToColor(S)) return *named;
    std::string text(S);
    int base = 10;
    std::size_t start = 0;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        start = 1;
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    } else if (!text.empty() && text[0] == '-') {
        start = 0;
    }
    const char* begin = text.c_str() + start;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(begin, &end, base);
    bool wellFormed = *begin != '\0' && *end == '\0' && errno == 0 && value >= INT32_MIN && value <= 0xFFFFFFFFLL;
    if (!wellFormed) throw EConvertError("'" + text + "' is not a valid colour");
    return static_cast<TColor>(static_cast<std::uint32_t>(value));
}
