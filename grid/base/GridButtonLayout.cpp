// The glyph-and-caption arrangement shared by the grid's painted buttons.
#include "grid/base/GridButtonLayout.h"

namespace grid {

namespace {

// Positions of glyph and caption along the layout axis of length Length.
struct TAxisPlaces {
    int Glyph;
    int Caption;
};

TAxisPlaces PlaceAlongAxis(int Length, int GlyphExtent, int CaptionExtent, bool GlyphFirst, int Margin, int Spacing)
{
    if (Margin == -1) {
        if (Spacing == -1) Margin = Spacing = (Length - GlyphExtent - CaptionExtent) / 3;
        else Margin = (Length - GlyphExtent - CaptionExtent - Spacing + 1) / 2;
    } else if (Spacing == -1) {
        Spacing = (Length - Margin - GlyphExtent - CaptionExtent) / 2;
    }
    if (GlyphFirst) return {Margin, Margin + GlyphExtent + Spacing};
    const int glyph = Length - Margin - GlyphExtent;
    return {glyph, glyph - Spacing - CaptionExtent};
}

int Centred(int Length, int Extent)
{
    return (Length - Extent + 1) / 2;
}

} // namespace

TGlyphCaptionPlaces LayoutGlyphAndCaption(TSize ContentSize, TSize GlyphSize, TSize CaptionSize, TButtonLayout Layout,
    int Margin, int Spacing)
{
    const bool hasGlyph = GlyphSize.cx > 0 && GlyphSize.cy > 0;
    const bool hasCaption = CaptionSize.cx > 0 && CaptionSize.cy > 0;
    if (!hasGlyph) GlyphSize = {0, 0};
    if (!hasCaption) CaptionSize = {0, 0};
    if (!hasGlyph || !hasCaption) Spacing = 0;

    const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    const bool glyphFirst = Layout == blGlyphLeft || Layout == blGlyphTop;
    TGlyphCaptionPlaces places;
    if (horizontal) {
        const TAxisPlaces x = PlaceAlongAxis(ContentSize.cx, GlyphSize.cx, CaptionSize.cx, glyphFirst, Margin, Spacing);
        places.Glyph = {x.Glyph, Centred(ContentSize.cy, GlyphSize.cy)};
        places.Caption = {x.Caption, Centred(ContentSize.cy, CaptionSize.cy)};
    } else {
        const TAxisPlaces y = PlaceAlongAxis(ContentSize.cy, GlyphSize.cy, CaptionSize.cy, glyphFirst, Margin, Spacing);
        places.Glyph = {Centred(ContentSize.cx, GlyphSize.cx), y.Glyph};
        places.Caption = {Centred(ContentSize.cx, CaptionSize.cx), y.Caption};
    }
    return places;
}

} // namespace grid
