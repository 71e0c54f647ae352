// The sort mark of a column header: a 3-D triangle or the direction's glyph,
// or with sort indexes shown the column's place in the sort order.
#include "grid/QuillGrid.h"

#include "grid/base/AuxLists.h"
#include "grid/model/SortSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

bool TQuillStringGrid::IsSortHeader(int ACol, int ARow)
{
    const TSortSettings& sort = *FSortSettings;
    if (!sort.Show() || ARow != sort.Row() || RowCount() <= 2 || FixedRows() <= 0) return false;
    if (ACol < FixedCols() && !sort.FixedCols()) return false;
    const int realCol = RealColIndex(ACol);
    return realCol == sort.Column() || FSortIndexes->FindIndex(realCol) >= 0;
}

void TQuillStringGrid::DrawSortIndicator(TCanvas& ACanvas, int ACol, int X, int Y)
{
    TSortSettings& sort = *FSortSettings;
    ACanvas.Pen()->SetWidth(1);
    if (sort.IndexShow()) {
        const int k = FSortIndexes->FindIndex(ACol);
        if (k < 0) return;
        const bool descending = !FSortIndexes->GetSortDirections(k);
        const bool glyphs = !sort.IndexUpGlyph()->Empty() && !sort.IndexDownGlyph()->Empty();
        ACanvas.Brush()->SetColor(sort.IndexColor());
        ACanvas.Pen()->SetColor(clBlack);
        if (glyphs) {
            ACanvas.Draw(X - 7, Y - 7, descending ? sort.IndexUpGlyph() : sort.IndexDownGlyph());
        } else if (descending) {
            const TPoint triangle[] = {{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}};
            ACanvas.Polygon(triangle);
        } else {
            const TPoint triangle[] = {{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}};
            ACanvas.Polygon(triangle);
        }
        ACanvas.Brush()->SetStyle(bsClear);
        ACanvas.Font()->SetColor(clBlack);
        ACanvas.Font()->SetSize(6);
        ACanvas.Font()->SetStyle({});
        ACanvas.TextOut(X - 2, descending ? Y - 4 : Y - 2, std::to_string(k + 1));
        ACanvas.Brush()->SetStyle(bsSolid);
        return;
    }
    const bool descending = sort.Direction() == sdDescending;
    if (!sort.UpGlyph()->Empty() && !sort.DownGlyph()->Empty()) {
        ACanvas.Draw(X - 4, Y - 4, descending ? sort.DownGlyph() : sort.UpGlyph());
        return;
    }
    // Lit from the top left: white, grey and black edges.
    auto edge = [&](TColor Color, TPoint To) {
        ACanvas.Pen()->SetColor(Color);
        ACanvas.LineTo(To.X, To.Y);
    };
    if (descending) {
        ACanvas.MoveTo(X + 4, Y - 4);
        edge(clWhite, {X, Y + 4});
        edge(0x808080, {X - 4, Y - 4});
        edge(clBlack, {X + 4, Y - 4});
    } else {
        ACanvas.MoveTo(X - 4, Y + 4);
        edge(clWhite, {X + 4, Y + 4});
        edge(0x808080, {X, Y - 4});
        edge(clBlack, {X - 4, Y + 4});
    }
}
