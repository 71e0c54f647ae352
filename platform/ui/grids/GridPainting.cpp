// Painting: the cells in view, scrolling cells first and the fixed cells over
// them, each region clipped to its part of the client area.
#include "platform/ui/grids/Grids.h"

#include <algorithm>

#include "platform/graphics/DeviceContext.h"
#include "platform/ui/grids/InplaceEdit.h"

namespace {

constexpr TColor GridLineColor = clSilver;
constexpr TColor FixedLineColor = clBlack;

} // namespace

void TCustomGrid::Paint()
{
    TCanvas& canvas = *Canvas();
    const int width = ClientWidth(), height = ClientHeight();
    const int fixedW = std::min<int>(static_cast<int>(FCols.Offset(FFixedCols)), width);
    const int fixedH = std::min<int>(static_cast<int>(FRows.Offset(FFixedRows)), height);
    const TGridDrawInfo info = CalcDrawInfo();

    // The area past the last cell takes the grid's colour.
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    if (info.Horz.GridBoundary < width) canvas.FillRect({info.Horz.GridBoundary, 0, width, height});
    if (info.Vert.GridBoundary < height) canvas.FillRect({0, info.Vert.GridBoundary, width, height});

    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    PaintCells(canvas, FTopLeft.X, lastCol, FTopLeft.Y, lastRow, fixedW, fixedH, {fixedW, fixedH, width, height});
    if (FFixedRows > 0) PaintCells(canvas, FTopLeft.X, lastCol, 0, FFixedRows - 1, fixedW, 0, {fixedW, 0, width, fixedH});
    if (FFixedCols > 0) PaintCells(canvas, 0, FFixedCols - 1, FTopLeft.Y, lastRow, 0, fixedH, {0, fixedH, fixedW, height});
    if (FFixedCols > 0 && FFixedRows > 0)
        PaintCells(canvas, 0, FFixedCols - 1, 0, FFixedRows - 1, 0, 0, {0, 0, fixedW, fixedH});
}

// Paints the block of cells whose first cell's top-left corner is at
// (XStart, YStart), stopping at the clip's far edges.
void TCustomGrid::PaintCells(TCanvas& ACanvas, int FirstCol, int LastCol, int FirstRow, int LastRow, int XStart,
                             int YStart, const TRect& Clip)
{
    if (Clip.IsEmpty()) return;
    HDC dc = ACanvas.Handle();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, Clip.Left, Clip.Top, Clip.Right, Clip.Bottom);

    const int line = GridLineWidth();
    const TGridRect sel = Selection();
    const bool focused = IsActiveControl();
    const bool editorShown = FInplaceEdit && FInplaceEdit->Visible();
    int y = YStart;
    for (int r = FirstRow; r <= LastRow && y < Clip.Bottom; ++r) {
        const int h = FRows.Size(r);
        if (h < 0) continue;
        int x = XStart;
        for (int c = FirstCol; c <= LastCol && x < Clip.Right; ++c) {
            const int w = FCols.Size(c);
            if (w < 0) continue;
            const TRect cell{x, y, x + w, y + h};
            const bool fixed = c < FFixedCols || r < FFixedRows;
            TGridDrawState state;
            if (fixed) {
                state.Include(gdFixed);
            } else {
                const bool current = c == FCurrent.X && r == FCurrent.Y;
                if (current && focused) state.Include(gdFocused);
                if (sel.Contains(c, r) &&
                    (!current || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect)))
                    state.Include(gdSelected);
            }
            if (line > 0) {
                const bool vert = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
                const bool horz = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
                ACanvas.Brush()->SetStyle(bsSolid);
                ACanvas.Brush()->SetColor(vert || horz ? (fixed ? FixedLineColor : GridLineColor) : Color());
                ACanvas.FillRect({x + w, y, x + w + line, y + h + line});
                ACanvas.FillRect({x, y + h, x + w + line, y + h + line});
                if (!vert || !horz) {
                    ACanvas.Brush()->SetColor(Color());
                    if (!vert) ACanvas.FillRect({x + w, y, x + w + line, y + h});
                    if (!horz) ACanvas.FillRect({x, y + h, x + w, y + h + line});
                }
            }
            if (FDefaultDrawing) {
                ACanvas.Brush()->SetStyle(bsSolid);
                ACanvas.Font()->Assign(&Font());
                if (state.Contains(gdFixed)) {
                    ACanvas.Brush()->SetColor(FFixedColor);
                } else if (state.Contains(gdSelected)) {
                    ACanvas.Brush()->SetColor(clHighlight);
                    ACanvas.Font()->SetColor(clHighlightText);
                } else {
                    ACanvas.Brush()->SetColor(Color());
                }
                ACanvas.FillRect(cell);
            }
            HandleDrawCell(c, r, cell, state);
            if (FDefaultDrawing && state.Contains(gdFocused) && !editorShown && !FOptions.Contains(goRowSelect))
                ACanvas.DrawFocusRect(cell);
            x += w + line;
        }
        y += h + line;
    }
    RestoreDC(dc, saved);
}
