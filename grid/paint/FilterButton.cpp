// The filter button at the right of a header cell: the application's glyph,
// its active glyph while the column is filtered, or a drawn funnel.
#include "grid/QuillGrid.h"
#include "grid/model/AppearanceSettings.h"

#include "grid/model/FilterSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

void TQuillStringGrid::DrawFilterButton(TCanvas& ACanvas, int ACol, const TRect& ARect)
{
    TFilterDropDown& look = FilterDropDown();
    const bool filtered = FFilter->HasFilter(ACol);
    TBitmap* glyph = filtered ? look.GlyphActive() : look.Glyph();
    const int left = ARect.Right - 16;
    if (!glyph->Empty()) {
        glyph->SetTransparent(true);
        ACanvas.Draw(left, ARect.Top, glyph);
        return;
    }
    // A funnel: dark grey, black and filled while the column is filtered.
    const int x = left + 3, y = ARect.Top + 4;
    const TPoint funnel[] = {{x, y}, {x + 9, y}, {x + 6, y + 4}, {x + 6, y + 8}, {x + 3, y + 9}, {x + 3, y + 4}};
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Pen()->SetColor(filtered ? clBlack : 0x606060);
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Brush()->SetColor(filtered ? clBlack : FixedColor());
    ACanvas.Polygon(funnel);
    ACanvas.Brush()->SetStyle(bsClear);
}
