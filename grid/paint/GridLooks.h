// The grid's appearance presets: looks (how fixed cells, selection and
// borders are drawn), the sixteen grid styles that set a whole colour
// scheme, and the older colour schemes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "grid/base/GridEnums.h"
#include "platform/graphics/Colors.h"

namespace grid {

// A fixed-cell gradient: upper half From..To, lower half MirrorFrom..
// MirrorTo when MirrorFrom is set, and the frame of hovered and pressed cells.
struct TCellGradient {
    TColor From = clNone;
    TColor To = clNone;
    TColor MirrorFrom = clNone;
    TColor MirrorTo = clNone;
    TColor Border = clNone;
};

// The colours a look or style writes beside those the grid, its base and
// its sort settings already keep (fixed colour, selection colour, grid
// lines, sort header).
struct TGridLookColors {
    TCellGradient Fixed;
    TCellGradient Hover;
    TCellGradient Down;
    TColor ActiveCellColor = 0xEACAB6;
    TColor ActiveCellColorTo = clNone;
    TColor SelectionColorTo = clNone;
    TColor SearchFooterColor = clBtnFace;
    TColor SearchFooterColorTo = clNone;
};

// "glXP" and the like; empty for glCustom.
std::string LookIdentifier(TGridLook Look);
// "Windows XP" and the like; empty for glCustom.
std::string LookCaption(TGridLook Look);
// The look of an identifier ("glXP") or, for convenience, of its name
// without the prefix in any case ("xp"); nothing for an unknown name.
std::optional<TGridLook> LookFromName(std::string_view Name);
// "gsOffice2007Luna" and the like.
std::string StyleIdentifier(TQuillGridStyle Style);
std::optional<TQuillGridStyle> StyleFromName(std::string_view Name);

} // namespace grid
