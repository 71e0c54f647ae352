// What the string grid paints around its cells: the coloured border of the
// modern looks, the focus glow around an edited cell, and the dotted lines
// that follow the mouse while a column or row is sized.
#include "grid/QuillGrid.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/interact/PointerState.h"

#include <algorithm>

#include "grid/paint/ColorMix.h"
#include "platform/graphics/Canvas.h"

namespace {

// The glow's colour and how strongly each of its four rings shows, from the
// cell outwards. Windows here cannot be translucent, so the ring is blended
// with the grid's colour and painted on the grid itself.
constexpr TColor GlowColor = 0xFDD397;
constexpr int GlowStrength[] = {90, 65, 40, 20};

} // namespace

void TQuillStringGrid::Paint()
{
    TBaseGrid::Paint();
    TCanvas& canvas = *Canvas();
    if (FFocusGlowShown) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.Pen()->SetWidth(1);
        for (int ring = 0; ring < 4; ++ring) {
            canvas.Pen()->SetColor(grid::MixColors(GlowColor, Color(), GlowStrength[ring]));
            const TRect& r = FFocusGlowRect;
            canvas.RoundRect(r.Left - ring - 1, r.Top - ring - 1, r.Right + ring + 1, r.Bottom + ring + 1, 5, 5);
        }
        canvas.Brush()->SetStyle(bsSolid);
    }
    DrawBorderFrame(canvas);
    PaintDesignHelper(canvas);
    PaintThinScrollBars(canvas);
    DrawFillHandle(canvas);
    DrawPanIndicator(canvas);
    PaintSizeLine();
}

void TQuillStringGrid::DrawBorderFrame(TCanvas& ACanvas)
{
    const bool modernLook = FLook == glSoft || (FLook >= glQOR && FLook <= glOffice2007);
    if (!modernLook || FBorderColor == clNone || FFlat) return;
    // There is no frame outside the client area here: the border is its outermost pixels.
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Pen()->SetColor(FBorderColor);
    ACanvas.Rectangle(0, 0, ClientWidth(), ClientHeight());
    ACanvas.Brush()->SetStyle(bsSolid);
}

void TQuillStringGrid::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TQuillStringGrid::ShowFocusWindow(const TRect& Rect)
{
    FFocusGlowRect = Rect;
    FFocusGlowShown = true;
    FocusFrameGrid = this;
    Invalidate();
}

void TQuillStringGrid::PlaceFocusWindow()
{
    if (!FFocusGlowShown) return;
    FFocusGlowRect = CellRect(Col(), Row());
    Invalidate();
}

void TQuillStringGrid::HandleTopLeftChanged()
{
    TBaseGrid::HandleTopLeftChanged();
    PlaceFocusWindow();
    UpdateProportionalScroll();
}

void TQuillStringGrid::HandleColWidthsChanged()
{
    TBaseGrid::HandleColWidthsChanged();
    PlaceFocusWindow();
    UpdateProportionalScroll();
}

void TQuillStringGrid::HandleRowHeightsChanged()
{
    TBaseGrid::HandleRowHeightsChanged();
    PlaceFocusWindow();
    UpdateProportionalScroll();
}

void TQuillStringGrid::HideFocusWindow()
{
    if (FocusFrameGrid == this) FocusFrameGrid = nullptr;
    if (!FFocusGlowShown) return;
    FFocusGlowShown = false;
    Invalidate();
}

namespace {

// A dotted black line drawn with XOR, so drawing it again restores the pixels.
void DrawSizeLine(TCanvas& Canvas, TPoint From, TPoint To)
{
    TPen saved;
    saved.Assign(Canvas.Pen());
    Canvas.Pen()->SetColor(clWhite);
    Canvas.Pen()->SetStyle(psDot);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetMode(pmXor);
    Canvas.MoveTo(From.X, From.Y);
    Canvas.LineTo(To.X, To.Y);
    Canvas.Pen()->Assign(&saved);
}

} // namespace

void TQuillStringGrid::DrawColSizeLine(int X)
{
    const int lastBottom = static_cast<int>(std::min<std::int64_t>(
        CellRect(0, RowCount() - 1).Bottom, Height()));
    DrawSizeLine(*Canvas(), {X, 0}, {X, std::max(Height(), lastBottom)});
}

void TQuillStringGrid::DrawRowSizeLine(int Y)
{
    const int lastRight = CellRect(ColCount() - 1, 0).Right;
    DrawSizeLine(*Canvas(), {0, Y}, {std::max(Width(), lastRight), Y});
}

// The border being dragged, drawn over the painted cells until the drop.
void TQuillStringGrid::PaintSizeLine()
{
    const int pos = FHeaderPress->SizeLinePos;
    if (pos < 0 || !FPointer->Sizing) return;
    if (FPointer->SizingColumn) DrawColSizeLine(pos);
    else DrawRowSizeLine(pos);
}
