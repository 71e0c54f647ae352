// Where a button's glyph and caption go inside its content rectangle.
#pragma once

#include "platform/graphics/Types.h"
#include "platform/ui/Buttons.h"

namespace grid {

struct TGlyphCaptionPlaces {
    TPoint Glyph;
    TPoint Caption;
};

// Places a glyph of GlyphSize and a caption of CaptionSize (an empty size for
// either means it is absent) in a content area of ContentSize, relative to its
// top-left corner. Margin -1 centres the pair; Spacing -1 spreads it evenly.
TGlyphCaptionPlaces LayoutGlyphAndCaption(TSize ContentSize, TSize GlyphSize, TSize CaptionSize, TButtonLayout Layout,
    int Margin, int Spacing);

} // namespace grid
