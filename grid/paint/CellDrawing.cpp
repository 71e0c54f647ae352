// Everything inside one cell of the string grid after the grid base has
// filled its background: the fixed cells' look (hovered, pressed, active,
// sorted), the cell graphic, the text, the edges of the older looks and the
// focus rectangle.
#include "grid/QuillGrid.h"
#include "grid/paint/GridLooks.h"
#include "grid/model/ControlLook.h"

#include "grid/base/QuillUtilPaint.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/CellGraphicPainter.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "render/QuillStyleIF.h"
#include "render/ThemeBinders.h"

namespace {

// Upper half From..To, lower half MirrorFrom..MirrorTo when the mirror is
// set, framed in Border when that is set.
void DrawCellGradient(TCanvas& Canvas, const TRect& R, const grid::TCellGradient& G)
{
    if (G.From == clNone) return;
    if (G.MirrorFrom == clNone) {
        DrawSteppedGradient(Canvas, G.From, G.To, 128, R, false);
    } else {
        const int mid = R.Top + (R.Bottom - R.Top) / 2;
        DrawSteppedGradient(Canvas, G.From, G.To, 128, {R.Left, R.Top, R.Right, mid}, false);
        DrawSteppedGradient(Canvas, G.MirrorFrom, G.MirrorTo, 128, {R.Left, mid, R.Right, R.Bottom}, false);
    }
    if (G.Border == clNone) return;
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.Pen()->SetColor(G.Border);
    Canvas.Rectangle(R);
    Canvas.Brush()->SetStyle(bsSolid);
}

bool LookHasGradientHeaders(TGridLook Look)
{
    return Look == glQOR || Look == glXP || Look == glVista || Look == glWin7 || Look == glOffice2007;
}

} // namespace

void TQuillStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                                       TGridDrawState AState)
{
    const int realCol = RealColIndex(ACol);
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    bool ww = WordWrap();
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, false, true, *ACanvas.Brush(), colorTo, mirror, mirrorTo,
                        *ACanvas.Font(), ha, va, ww, gd);
    const bool fixed = AState.Contains(gdFixed) || ACol < FixedCols() || ARow < FixedRows();
    if (fixed && LookHasGradientHeaders(FLook) && !FFlat) DrawFixedCellLook(ACanvas, ACol, ARow, ARect);

    TRect rect = ARect;
    const TCellGraphic* graphic = GetCellGraphic(realCol, ARow);
    if (graphic && graphic->CellType() != ctRotated) {
        grid::TGraphicCell cell{rect, GetCellEx(realCol, ARow), FCheckTrue, FControlLook->CheckSize(),
                                FControlLook->RadioSize()};
        if (fixed) cell.Rect.Top += 1;
        cell.Hot = HoverButton() == TGridCoord{ACol, ARow};
        cell.Themed = FControlLook->ControlStyle() == grid::csTheme && render::ControlsThemeBinder().ThemeActive() &&
                      CommonControlsThemed();
        cell.Window = Handle();
        rect = grid::PaintCellGraphic(ACanvas, *graphic, cell);
        // Restore the cell's font and brush that the graphic's drawing used.
        GetVisualProperties(ACol, ARow, AState, false, false, true, *ACanvas.Brush(), colorTo, mirror, mirrorTo,
                            *ACanvas.Font(), ha, va, ww, gd);
    }
    // The text keeps clear of a header's filter button.
    const bool filterButton = fixed && HasFilterButton(ACol, ARow);
    if (filterButton) rect.Right -= 18;
    if (rect.Right > rect.Left) DrawCellText(ACanvas, ACol, ARow, rect, AState, ha, va, ww, graphic);
    if (filterButton) DrawFilterButton(ACanvas, realCol, ARect);
    if (fixed && !FFlat) DrawFixedCellEdges(ACanvas, ARect);
    DrawPushedFixedCell(ACanvas, ACol, ARow, ARect);

    if (ARow == 0 && FShowColNrs && DesignMode()) DrawColumnNumber(ACanvas, ACol, ARect);

    // The focus rectangle around the current cell (its merged area's base).
    const TPoint base = BaseCell(ACol, ARow);
    if (!FHideFocusRect && !fixed && base.X == Col() && base.Y == Row() && Focused() &&
        !Options().Contains(goRowSelect)) {
        TRect focus = ARect;
        InflateRect(focus, GridLineWidth() - 1, GridLineWidth() - 1);
        --focus.Right;
        --focus.Bottom;
        ACanvas.Brush()->SetStyle(bsSolid);
        ACanvas.Font()->SetColor(clBlack);
        ACanvas.DrawFocusRect(focus);
    }
}

void TQuillStringGrid::DrawFixedCellLook(TCanvas& ACanvas, int ACol, int ARow, TRect ARect)
{
    const bool covered = IsHoverFixedCell(ACol, ARow) || FLook == glListView;
    const grid::TGridLookColors& c = *FLookColors;
    if (covered && FHotFixedCell == TPoint{ACol, ARow} && !ComponentState().Contains(csDesigning)) {
        ++ARect.Bottom;
        DrawCellGradient(ACanvas, ARect, FHotFixedCellPressed ? c.Down : c.Hover);
        return;
    }
    const bool lastFixedCol = ACol == FixedCols() - 1, lastFixedRow = ARow == FixedRows() - 1;
    if (FActiveCellShow && ((lastFixedCol && ARow == Row()) || (lastFixedRow && ACol == Col()))) {
        DrawSteppedGradient(ACanvas, c.ActiveCellColor, c.ActiveCellColorTo, 128, ARect, false);
        return;
    }
    const TSortSettings& sort = *FSortSettings;
    if (sort.Column() >= 0 && sort.HeaderColor() != clNone && RealColIndex(ACol) == sort.Column() && lastFixedRow &&
        (ACol >= FixedCols() || sort.FixedCols())) {
        DrawCellGradient(ACanvas, ARect,
                         {sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(), sort.HeaderMirrorColorTo()});
        return;
    }
    if (FLook == glVista) {
        // The base drew the gradient; Vista headers add white side lines.
        ACanvas.Pen()->SetColor(clWhite);
        ACanvas.MoveTo(ARect.Left, ARect.Top);
        ACanvas.LineTo(ARect.Left, ARect.Bottom);
    }
}

void TQuillStringGrid::DrawFixedCellEdges(TCanvas& ACanvas, TRect ARect)
{
    const TColor half = HalveColor(FixedColor());
    const bool horzLine = Options().Contains(goFixedHorzLine);
    switch (FLook) {
    case glClassic: {
        ++ARect.Top;
        ++ARect.Bottom;
        ++ARect.Left;
        TRect inner = ARect;
        DrawEdge(ACanvas.Handle(), inner, BDR_RAISEDINNER, BF_TOPLEFT);
        inner = ARect;
        DrawEdge(ACanvas.Handle(), inner, BDR_RAISEDINNER | BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
        ACanvas.Pen()->SetColor(clBlack);
        ACanvas.MoveTo(ARect.Right - 1, ARect.Top);
        ACanvas.LineTo(ARect.Right - 1, ARect.Bottom - 1);
        ACanvas.LineTo(ARect.Left - 1, ARect.Bottom - 1);
        break;
    }
    case glQOR:
    case glXP:
        ++ARect.Bottom;
        if (!horzLine) break;
        ACanvas.Pen()->SetColor(half);
        ACanvas.MoveTo(ARect.Left, ARect.Bottom - 1);
        ACanvas.LineTo(ARect.Right - 1, ARect.Bottom - 1);
        ACanvas.Pen()->SetColor(clWhite);
        ACanvas.MoveTo(ARect.Right - 2, ARect.Top + 1);
        ACanvas.LineTo(ARect.Left + 1, ARect.Top + 1);
        ACanvas.LineTo(ARect.Left + 1, ARect.Bottom - 1);
        break;
    case glSoft:
        ++ARect.Right;
        ++ARect.Bottom;
        if (horzLine) {
            ACanvas.Pen()->SetColor(half);
            ACanvas.MoveTo(ARect.Left, ARect.Bottom - 1);
            ACanvas.LineTo(ARect.Right - 1, ARect.Bottom - 1);
            ACanvas.Pen()->SetColor(clWhite);
            ACanvas.MoveTo(ARect.Right, ARect.Top + 1);
            ACanvas.LineTo(ARect.Left + 1, ARect.Top + 1);
            ACanvas.LineTo(ARect.Left + 1, ARect.Bottom - 1);
        }
        if (Options().Contains(goFixedVertLine)) {
            ACanvas.Pen()->SetColor(half);
            ACanvas.MoveTo(ARect.Right - 2, ARect.Top);
            ACanvas.LineTo(ARect.Right - 2, ARect.Bottom - 1);
            ACanvas.Pen()->SetColor(clWhite);
            ACanvas.MoveTo(ARect.Right - 1, ARect.Top);
            ACanvas.LineTo(ARect.Right - 1, ARect.Bottom - 1);
        }
        break;
    default:
        break;
    }
}

void TQuillStringGrid::SetHoverFixedCells(THoverFixedCells Value)
{
    FHoverFixedCells = Value;
    Invalidate();
}

void TQuillStringGrid::SetHotFixedCell(TPoint Cell, bool Pressed)
{
    if (Cell == FHotFixedCell && Pressed == FHotFixedCellPressed) return;
    const TPoint old = FHotFixedCell;
    FHotFixedCell = Cell;
    FHotFixedCellPressed = Pressed;
    if (old.X >= 0) RepaintCell(old.X, old.Y);
    if (Cell.X >= 0) RepaintCell(Cell.X, Cell.Y);
}

void TQuillStringGrid::SetActiveCellShow(bool Value)
{
    FActiveCellShow = Value;
    Invalidate();
}

void TQuillStringGrid::SetHideFocusRect(bool Value)
{
    FHideFocusRect = Value;
    Invalidate();
}

void TQuillStringGrid::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TQuillStringGrid::SetSelectionColorMixer(bool Value)
{
    FSelectionColorMixer = Value;
    Invalidate();
}

void TQuillStringGrid::SetURLColor(TColor Value)
{
    FURLColor = Value;
    Invalidate();
}
