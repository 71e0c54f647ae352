// The base grid's cell painter: backgrounds with gradients, hover and active
// rows, the styled selection looks, its own grid lines, merged areas painted
// once per pass, and cell rectangles of merged areas.
#include "grid/base/BaseGrid.h"

#include <algorithm>

#include "grid/base/GridSelectionLooks.h"
#include "grid/base/QuillUtilPaint.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"

namespace {

// Pixels from the corner, each bound one pixel wide when it has no width,
// so that an area whose end cell is hidden still covers its base.
TRect AtLeastOnePixelWide(TRect R, bool GrowLeft)
{
    if (R.Right <= R.Left) {
        if (GrowLeft) R.Left = R.Right - 1;
        else R.Right = R.Left + 1;
    }
    return R;
}

TRect Span(const TRect& A, const TRect& B)
{
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

} // namespace

TRect TBaseGrid::ComputeCellRect(int ACol, int ARow) const
{
    std::int64_t left = ColOffset(ACol), top = RowOffset(ARow);
    // Scrolling cells move with the view; the first one shown starts where
    // the fixed cells end.
    if (ACol >= FixedCols()) left += ColOffset(FixedCols()) - ColOffset(LeftCol());
    if (ARow >= FixedRows()) top += RowOffset(FixedRows()) - RowOffset(TopRow());
    const int x = static_cast<int>(left), y = static_cast<int>(top);
    return {x, y, x + std::max(ColWidths(ACol), 0), y + std::max(RowHeights(ARow), 0)};
}

TRect TBaseGrid::MergedAreaRect(const TCellProperties& Props, int ACol, int ARow) const
{
    const TPoint base = Props.GetBaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    const TRect first = AtLeastOnePixelWide(ComputeCellRect(base.X, base.Y), false);
    const TRect last = AtLeastOnePixelWide(ComputeCellRect(base.X + span.X, base.Y + span.Y), true);
    // The base cell is the area's top-left corner. An area reaching from the
    // fixed cells into scrolled ones whose end is scrolled out of view ends
    // with the fixed part, never above or left of its base.
    TRect area = Span(first, last);
    area.Left = first.Left;
    area.Top = first.Top;
    return area;
}

TRect TBaseGrid::CellRect(int ACol, int ARow)
{
    if (const TCellProperties* props = PropsAt(ACol, ARow)) {
        if (props->CellSpanX() != -1 || props->CellSpanY() != -1) return MergedAreaRect(*props, ACol, ARow);
        if (props->Control()) return ComputeCellRect(ACol, ARow);
    }
    TRect rect = TObjStringGrid::CellRect(ACol, ARow);
    rect.Right = rect.Left + ColWidths(ACol);
    rect.Bottom = rect.Top + RowHeights(ARow);
    return rect;
}

TPoint TBaseGrid::CellSize(int ACol, int ARow)
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    const TRect rect = props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)
                           ? MergedAreaRect(*props, ACol, ARow)
                           : ComputeCellRect(ACol, ARow);
    return {rect.Width(), rect.Height()};
}

void TBaseGrid::HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    // The framework paints the scrolling cells, the fixed rows, the fixed
    // columns and the corner one after another, each clipped to its part, so
    // an area reaching into several parts is painted once in each.
    const int region = (ACol < FixedCols() ? 1 : 0) + (ARow < FixedRows() ? 2 : 0);
    if (region != FPaintRegion) {
        FPaintRegion = region;
        ++FPaintID;
    }
    PaintGridCell(*Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintGridCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintGridCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                              bool UseCellRect)
{
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas.Brush()->SetStyle(bsSolid);
        ACanvas.Brush()->SetColor(Color());
        ACanvas.Pen()->SetColor(Color());
        ACanvas.Rectangle(ARect);
        return;
    }

    // A merged area paints through its base cell, once per paint pass.
    TCellProperties* props = PropsAt(ACol, ARow);
    if (props && props->CellSpanX() != -1 && props->CellSpanY() != -1) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        TCellProperties* baseProps = PropsAt(base.X, base.Y);
        if (!props->IsBaseCell() && baseProps) {
            if (baseProps->PaintID() == FPaintID) return;
            baseProps->SetPaintID(FPaintID);
            // The area looks like its base cell, also where it reaches out
            // of the fixed cells.
            if (base.X < FixedCols() || base.Y < FixedRows()) {
                AState.Include(gdFixed);
                AState.Exclude(gdSelected);
            }
            PaintCell(ACanvas, base.X, base.Y, ARect, AState);
            return;
        }
        // The base cell paints the whole area, so the covered cells after
        // it in this pass have nothing left to do.
        if (UseCellRect) props->SetPaintID(FPaintID);
    }

    if (UseCellRect) {
        if (IsFixed(ACol, ARow)) {
            AState.Include(gdFixed);
            AState.Exclude(gdSelected);
        }
        ARect = CellRect(ACol, ARow);
    }
    const bool fixed = AState.Contains(gdFixed);

    // An area scrolled partly under the fixed cells must not paint over
    // them; each axis is clipped only where it runs under them. A picture
    // painted elsewhere (UseCellRect off) has no fixed cells to spare.
    HDC dc = ACanvas.Handle();
    const int fixedW = FixedColsWidth(), fixedH = FixedRowsHeight();
    const bool clipLeft = UseCellRect && ACol >= FixedCols() && FixedCols() > 0 && ARect.Left < fixedW;
    const bool clipTop = UseCellRect && ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < fixedH;
    const int savedClip = clipLeft || clipTop ? SaveDC(dc) : 0;
    if (savedClip) IntersectClipRect(dc, clipLeft ? fixedW : 0, clipTop ? fixedH : 0, Width(), Height());

    // The framework grid's looks, unless the model says otherwise.
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Font()->Assign(&Font());
    ACanvas.Brush()->SetStyle(bsSolid);
    if (fixed) {
        ACanvas.Brush()->SetColor(FixedColor());
    } else if (AState.Contains(gdSelected)) {
        ACanvas.Brush()->SetColor(clHighlight);
        ACanvas.Font()->SetColor(clHighlightText);
    } else {
        ACanvas.Brush()->SetColor(Color());
    }
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, *ACanvas.Brush(), colorTo, mirror, mirrorTo,
                        *ACanvas.Font(), ha, va, wordWrap, gd);
    ACanvas.Pen()->SetColor(ACanvas.Brush()->Color());

    if (ARow == FHoverRowIdx && FHoverRow && !AState.Contains(gdSelected)) {
        ACanvas.Brush()->SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirror = clNone;
        mirrorTo = clNone;
        gd = GradientVertical;
    }
    const bool activeRow = FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel);
    if (activeRow || (!UseCellRect && AState.Contains(gdSelected))) {
        ACanvas.Brush()->SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirror = FActiveRowMirrorColor;
        mirrorTo = FActiveRowMirrorColorTo;
        ACanvas.Pen()->SetColor(ACanvas.Brush()->Color());
    }

    if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel)
        PaintStyledSelection(ACanvas, ACol, ARect);
    else if (mirrorTo == clNone)
        DrawSteppedGradient(ACanvas, ACanvas.Brush()->Color(), colorTo, 64, ARect, gd == GradientHorizontal);
    else
        DrawMirrorGradient(ACanvas, ARect, ACanvas.Brush()->Color(), colorTo, mirror, mirrorTo,
                           gd == GradientVertical, clNone, false, true);

    PaintCellLines(ACanvas, ACol, ARow, ARect, fixed);

    if (UseCellRect) {
        TRect content = ARect;
        if (fixed) {
            content.Right -= 1;
            content.Bottom -= 2;
        } else {
            InflateRect(content, -FGridLineWidth, -FGridLineWidth);
        }
        DrawCellContent(ACanvas, ACol, ARow, content, AState);
    }
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Pen()->SetStyle(psSolid);
    if (savedClip) RestoreDC(dc, savedClip);
}

void TBaseGrid::PaintCellLines(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, bool Fixed)
{
    // Without a line width normal cells show no grid at all.
    if (!Fixed && FGridLineWidth <= 0) return;
    ACanvas.Pen()->SetColor(Fixed ? FGridFixedLineColor : FGridLineColor);
    ACanvas.Pen()->SetWidth(Fixed ? 1 : FGridLineWidth);
    const int half = Fixed ? 1 : (FGridLineWidth + 1) / 2;
    const TGridOptions options = Options();
    // The node column draws its own tree lines.
    const bool nodeColumn = BaseCell(ACol, ARow).X == 0 && HasNodes();
    if (options.Contains(Fixed ? goFixedHorzLine : goHorzLine) && !nodeColumn) {
        ACanvas.MoveTo(ARect.Left - half + 1, ARect.Bottom - half);
        ACanvas.LineTo(ARect.Right - half + 1, ARect.Bottom - half);
    }
    if (options.Contains(Fixed ? goFixedVertLine : goVertLine)) {
        ACanvas.MoveTo(ARect.Right - half, ARect.Bottom - half);
        ACanvas.LineTo(ARect.Right - half, ARect.Top - half);
    }
}

void TBaseGrid::PaintStyledSelection(TCanvas& ACanvas, int ACol, const TRect& ARect)
{
    const TGridRect selection = Selection();
    const int left = std::min(selection.Left, selection.Right), right = std::max(selection.Left, selection.Right);
    int part = 0;
    if (right > left) {
        if (ACol == left) part = 1;
        else if (ACol == right) part = 2;
        else if (ACol > left && ACol < right) part = 3;
    }
    TRect box = ARect;
    if (!Options().Contains(goHorzLine)) box.Bottom += 1;
    if (!Options().Contains(goVertLine)) box.Right += 1;
    const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
    const grid::TSelectionLook look = grid::SelectionLook(FSelectionStyle, focused);
    DrawStyledSelection(ACanvas, look.FillFrom, look.FillTo, look.LowerFrom, look.LowerTo, look.InnerTop,
                        look.InnerBottom, look.Frame, look.Corner, Color(), box, part);
}
