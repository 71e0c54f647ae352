// The print cell renderer: one row of a band on a page, and the print size of one cell.
#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/base/QuillUtilText.h"
#include "grid/model/CellGraphic.h"
#include "grid/paint/RichText.h"
#include "grid/paint/RotatedText.h"
#include "grid/print/GridPrintLayout.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Icon.h"
#include "platform/ui/Printers.h"
#include "render/HTMLRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace grid::print {

namespace {

// The lines of a cell text, split as the grid splits multi-line cells.
std::vector<std::string> TextLines(std::string Text, bool Multiline)
{
    std::vector<std::string> lines;
    if (!Multiline) return {TakeFirstLine(Text, false)};
    do {
        lines.push_back(TakeFirstLine(Text, true));
    } while (!Text.empty());
    return lines;
}

bool IsCheckBox(TCellType Type)
{
    return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox ||
           Type == ctRadioButton || Type == ctTriStateCheckBox;
}

} // namespace

void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap)
{
    StretchGraphicToCanvas(Canvas, R, Bitmap, SRCCOPY);
}

void StretchGraphicToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap, unsigned RasterOp)
{
    if (Bitmap.Width() <= 0 || Bitmap.Height() <= 0) return;
    StretchBlt(Canvas.Handle(), R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top, Bitmap.Canvas()->Handle(), 0, 0,
               Bitmap.Width(), Bitmap.Height(), RasterOp);
}

int TGridPrinter::PrinterLandscapeAngle() { return Printer()->LandscapeAngle(); }

std::string TGridPrinter::PrintText(int ACol, int ARow) const
{
    std::string text = FGrid.GetCellEx(ACol, ARow);
    if (ClassifyCellText(text, true) == ctkRTF) {
        std::vector<TRichRun> runs;
        FGrid.CellToRich(ACol, ARow, runs);
        text.clear();
        for (const TRichRun& run : runs) text += run.Text;
    }
    return text;
}

int TGridPrinter::RowHeight(Layout& L, int ARow)
{
    TPrintSettings& S = FGrid.PrintSettings();
    if (S.NoAutoSizeRow()) return static_cast<int>(std::lround(FGrid.RowHeights(ARow) * L.ResFactor)) - 4;
    if (S.UseFixedHeight()) return S.FixedHeight();
    if (L.CachedRow == ARow) return L.CachedHeight;
    const double kept = FFontscalefactor;
    FFontscalefactor = L.Scale;
    int h = 0;
    for (int c = L.Range.Left; c <= L.Range.Right; ++c)
        if (!FGrid.IsYMergedCell(c, ARow)) h = std::max(h, PrintCellSize(L, FGrid.RealColIndex(c), ARow).Y);
    if (h == 0) h = PrintCellSize(L, FGrid.RealColIndex(L.Range.Right), ARow).Y;
    FFontscalefactor = kept;
    int height = h + h / 8;
    if (FGrid.OnPrintSetRowHeight) FGrid.OnPrintSetRowHeight(&FGrid, ARow, height);
    L.CachedRow = ARow;
    L.CachedHeight = height;
    return height;
}

TPoint TGridPrinter::PrintCellSize(Layout& L, int ACol, int ARow)
{
    TPrintSettings& S = FGrid.PrintSettings();
    TPageCanvas& page = *L.Page;
    TCanvas& canvas = *L.Canvas;
    const int displayCol = FGrid.DisplColIndex(ACol);
    std::string text = PrintText(ACol, ARow);
    TFont keptFont;
    keptFont.Assign(canvas.Font());

    if (ClassifyCellText(text, true) == ctkHTML) {
        const int width = S.NoAutoSize() ? page.ToDeviceX(static_cast<int>(std::lround((FGrid.ColWidths(displayCol) + 12) * L.ResFactor)))
                                         : 65535;
        canvas.Font()->SetSize(static_cast<int>(std::trunc(S.Font()->Size() * L.Scale)));
        THTMLRenderParams params;
        params.MeasureOnly = true;
        params.Printing = true;
        params.PrintScale = L.FontRatio;
        THTMLRenderResult result;
        RenderHTMLText(&canvas, text, {0, 0, width, 65535}, params, result);
        canvas.SetFont(&keptFont);
        return {page.ToLogicalX(result.Width), -page.ToLogicalY(result.Height)};
    }

    TBrush brush;
    TFont font;
    font.Assign(canvas.Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    TGridDrawState state;
    FGrid.GetVisualProperties(displayCol, ARow, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, ha, va,
                              ww, gd);
    canvas.SetFont(&font);
    page.SetFontHeight(MapFontHeight(font.Size()));
    int angle = 0;
    const bool rotated = FGrid.IsRotated(ACol, ARow, angle);
    TPoint graphic{0, 0};
    if (S.PrintGraphics() && FGrid.GetCellGraphic(ACol, ARow)) {
        TPoint g = FGrid.GetCellGraphicSize(ACol, ARow);
        graphic = {static_cast<int>(std::lround(g.X * L.ResFactor)), static_cast<int>(std::lround(g.Y * L.ResFactor))};
    }
    if (text.empty()) text = "gh";
    TPoint size;
    if (FGrid.WordWrap() && S.NoAutoSize() && !rotated) {
        const int width = FGrid.IsXMergedCell(displayCol, ARow) ? 65535 : MaxWidths[static_cast<size_t>(std::clamp(displayCol, 0, PrintColumnSlots - 1))];
        size = {width, page.MeasureWrapped(width, text)};
    } else {
        const std::vector<std::string> lines = TextLines(text, FGrid.MultiLineCells());
        int widest = 0;
        for (std::string line : lines) {
            if (FGrid.URLShow() && !FGrid.URLFull()) StripURLScheme(line);
            widest = std::max(widest, page.TextWidth(line));
        }
        const int lineHeight = page.TextHeight("gh");
        size = {widest + graphic.X, lineHeight * static_cast<int>(lines.size())};
        if (rotated) {
            const double theta = angle * std::numbers::pi / 180.0;
            const int w = size.X, h = size.Y;
            size.X = std::abs(static_cast<int>(std::lround(std::cos(theta) * w))) +
                     std::abs(static_cast<int>(std::lround(std::sin(theta) * h)));
            size.Y = std::abs(static_cast<int>(std::lround(std::sin(theta) * widest))) +
                     std::abs(static_cast<int>(std::lround(std::cos(theta) * h)));
        }
    }
    size.Y = std::max(size.Y, graphic.Y);
    size.X = std::max(size.X, graphic.X);
    canvas.SetFont(&keptFont);
    if (FGrid.OnCustomCellSize) FGrid.OnCustomCellSize(&FGrid, &canvas, ACol, ARow, size, true);
    return size;
}

int TGridPrinter::PrintRow(Layout& L, int Y, int FromCol, int ToCol, int ARow)
{
    TPrintSettings& S = FGrid.PrintSettings();
    const int space = 2 * L.Gap + RowHeight(L, ARow) + S.RowSpacing();
    if (!PageDrawn(L)) return space;
    FFontscalefactor = L.Scale;
    TPageCanvas& page = *L.Page;
    TCanvas& canvas = *L.Canvas;
    const bool selectedOnly = L.SelectedOnly && !L.IgnoreSelection;
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!ColIncluded(c, selectedOnly)) continue;
        const int realCol = FGrid.RealColIndex(c);
        const TPoint ext = FGrid.CellExt(c, ARow);
        int width = 0;
        for (int k = 0; k <= ext.X && c + k < PrintColumnSlots; ++k) width += MaxWidths[static_cast<size_t>(c + k)] + L.Spacing;
        auto rowTerm = [&](int r) {
            const int h = static_cast<int>(std::trunc((FGrid.RowHeights(r) - 4) * L.ResFactor));
            return h + h / 8 + 2 * L.Gap + S.RowSpacing();
        };
        int height = ext.Y > 0 && S.NoAutoSizeRow() ? rowTerm(ARow) : space;
        for (int r = ARow + 1; r <= ARow + ext.Y; ++r) height += rowTerm(r);
        const int left = Indents[static_cast<size_t>(c)];
        TRect cell{left, Y, left + width, Y - height};

        TCellBorders lines;
        switch (S.Borders()) {
        case pbSingle:
        case pbDouble: lines = TCellBorders{cbTop, cbLeft, cbRight, cbBottom}; break;
        case pbVertical:
        case pbAroundVertical: lines = TCellBorders{cbLeft, cbRight}; break;
        case pbHorizontal:
        case pbAroundHorizontal: lines = TCellBorders{cbTop, cbBottom}; break;
        default: break;
        }
        TPen cellPen;
        cellPen.Assign(canvas.Pen());
        cellPen.SetWidth(1);
        cellPen.SetColor(S.BorderColor());
        FGrid.DoGetCellPrintBorder(realCol, ARow, lines, &cellPen);
        int penWidth = L.Mode == ModeDraw ? static_cast<int>(std::lround(cellPen.Width() * L.ResFactor)) : cellPen.Width();

        const bool base = FGrid.IsBaseCell(c, ARow);
        if (base)
            PrintCellContent(L, realCol, c, ARow, cell, space, lines.Contains(cbLeft), lines.Contains(cbTop), penWidth);

        if (!base) {
            if (ext.X > 0) lines = lines - TCellBorders{cbLeft, cbRight};
            if (ext.Y > 0) lines = lines - TCellBorders{cbTop, cbBottom};
        }
        if (FGrid.IsYMergedCell(c, ARow) && ext.Y == 0) lines.Exclude(cbTop);
        if (FGrid.IsXMergedCell(c, ARow) && ext.X == 0) lines.Exclude(cbLeft);

        if (cell.Bottom < L.PageHeight + S.FooterSize()) {
            cell.Bottom = Y - space;
            lines.Exclude(cbBottom);
        }
        if (cell.Right > L.PageWidth) cell.Right = Indents[static_cast<size_t>(L.EndCol + 1)];
        if (lines.Empty()) continue;
        canvas.Pen()->SetColor(cellPen.Color());
        canvas.Pen()->SetStyle(S.BorderStyle());
        page.SetPenWidth(penWidth);
        const int lineLeft = c > FromCol ? cell.Left - penWidth : cell.Left;
        const int lineRight = c == FGrid.ColCount() - 1 ? cell.Right : cell.Right - penWidth;
        if (lines.Contains(cbLeft)) page.Line(lineLeft, cell.Top, lineLeft, cell.Bottom);
        if (lines.Contains(cbRight)) page.Line(lineRight, cell.Top, lineRight, cell.Bottom);
        if (lines.Contains(cbTop)) page.Line(cell.Left, cell.Top, cell.Right, cell.Top);
        if (lines.Contains(cbBottom)) page.Line(cell.Left, cell.Bottom, cell.Right, cell.Bottom);
        canvas.SetPen(&L.FramePen);
    }
    FFontscalefactor = 1.0;
    return space;
}

void TGridPrinter::PrintCellContent(Layout& L, int ACol, int DisplayCol, int ARow, const TRect& Cell, int Space,
                                    bool HasLeft, bool HasTop, int PenWidth)
{
    TPrintSettings& S = FGrid.PrintSettings();
    TPageCanvas& page = *L.Page;
    TCanvas& canvas = *L.Canvas;
    TFont keptFont;
    keptFont.Assign(canvas.Font());
    TBrush keptBrush;
    keptBrush.Assign(canvas.Brush());

    TBrush brush;
    brush.SetStyle(bsSolid);
    TFont font;
    font.Assign(canvas.Font());
    font.SetSize(L.PrintFontSize);
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    TGridDrawState state;
    FGrid.GetVisualProperties(DisplayCol, ARow, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, ha, va,
                              ww, gd);
    canvas.SetBrush(&brush);
    canvas.SetFont(&font);
    page.SetFontHeight(MapFontHeight(font.Size()));

    const std::string text = PrintText(ACol, ARow);
    const int kind = ClassifyCellText(FGrid.GetCellEx(ACol, ARow), true);

    // The background, clear of the lines that are drawn.
    TRect back = Cell;
    if (!HasLeft) back.Left += 2 * PenWidth;
    if (!HasTop) back.Top -= 2 * PenWidth;
    if (brush.Color() != clNone && brush.Color() != clWhite && brush.Color() != clWindow) page.FillRect(back);

    ha = FGrid.ResolveCellAlignment(DisplayCol, ARow).first;
    int lineH = page.TextHeight("gh") + S.RowSpacing();
    lineH += lineH / 8;
    const bool multiline = FGrid.MultiLineCells();
    std::vector<std::string> lines = TextLines(text, multiline);
    int maxW = 0;
    for (const std::string& line : lines) maxW = std::max(maxW, page.TextWidth(line));

    int angle = 0;
    const bool rotated = FGrid.IsRotated(ACol, ARow, angle) && angle != 0;
    if (rotated) {
        const bool turnBack = L.Mode == ModeDraw && FPrinterDriverFix && PrinterLandscapeAngle() != 270;
        canvas.Font()->SetOrientation(turnBack ? -angle * 10 : angle * 10);
    }

    // The cell's graphic: a box at the side the graphic asks for; the text keeps clear of it.
    TRect textCell = Cell;
    const TCellGraphic* graphic = S.PrintGraphics() ? FGrid.GetCellGraphic(ACol, ARow) : nullptr;
    TRect box;
    if (graphic) {
        const TPoint g = FGrid.GetCellGraphicSize(ACol, ARow);
        const int gw = static_cast<int>(std::lround(g.X * L.ResFactor)), gh = static_cast<int>(std::lround(g.Y * L.ResFactor));
        const int cellW = Cell.Right - Cell.Left;
        int x = Cell.Left + static_cast<int>(std::lround(L.ResFactor));
        const bool alone = IsCheckBox(graphic->CellType()) && text.empty();
        if (alone && ha == taRightJustify) x = Cell.Right - gw;
        else if (alone && ha == taCenter) x = Cell.Left + (cellW - gw) / 2;
        else if (graphic->CellHAlign() == haRight || graphic->CellHAlign() == haAfterText) x = Cell.Right - gw;
        else if (graphic->CellHAlign() == haCenter) x = Cell.Left + (cellW - gw) / 2;
        const int cellH = Cell.Top - Cell.Bottom;
        int top = Cell.Top;
        if (graphic->CellVAlign() == vaBottom || graphic->CellVAlign() == vaUnderText) top = Cell.Bottom + gh;
        else if (graphic->CellVAlign() == vaCenter) top = Cell.Top - (cellH - gh) / 2;
        box = {x, top, x + gw, top - gh};
        if (!alone) {
            if (x == Cell.Right - gw) textCell.Right -= gw;
            else if (graphic->CellHAlign() != haCenter) textCell.Left = box.Right;
        }
    }

    canvas.Brush()->SetStyle(bsClear);
    const int bandRight = Indents[static_cast<size_t>(L.EndCol + 1)];
    if (graphic && graphic->CellType() == ctRadio) {
        // A radio group prints no text.
    } else if (kind == ctkHTML) {
        const TRect device = page.LPtoDP(textCell);
        canvas.Font()->SetSize(static_cast<int>(std::trunc(S.Font()->Size() * L.Scale)));
        THTMLRenderParams params;
        params.Printing = true;
        params.PrintScale = L.FontRatio;
        params.ShadowColor = clGray;
        params.LinkColor = FGrid.URLColor();
        THTMLRenderResult result;
        RenderHTMLText(&canvas, text, device, params, result);
    } else if (FGrid.WordWrap() && S.NoAutoSize() && !rotated) {
        TRect r = textCell;
        r.Right = std::min(r.Right, bandRight);
        r.Left += static_cast<int>(std::lround(2 * L.ResFactor));
        TRect t = r;
        if (ha == taLeftJustify) t.Left += L.HalfG;
        else if (ha == taRightJustify) t.Right -= L.HalfG;
        TTextFormat format{tfWordBreak, tfEditControl, tfExpandTabs, tfNoPrefix, tfTop};
        format.Include(ha == taRightJustify ? tfRight : ha == taCenter ? tfCenter : tfLeft);
        page.TextRect(t, text, format);
    } else if (lines.size() == 1) {
        TRect t = textCell;
        t.Bottom = t.Top - Space - S.RowSpacing();
        t.Right = std::min(t.Right, bandRight);
        std::string line = lines.front();
        if (FGrid.URLShow() && !FGrid.URLFull()) StripURLScheme(line);
        const TPoint ext = FGrid.CellExt(DisplayCol, ARow);
        if (ext.Y > 0) t.Bottom -= ext.Y * (S.RowSpacing() + Space);
        if (rotated) {
            // Placed in device pixels, where the screen's rule for turned text applies as it is.
            TRect d = page.LPtoDP(t);
            const double theta = angle * std::numbers::pi / 180.0;
            const int w = canvas.TextWidth(line), h = canvas.TextHeight(line);
            PlaceRotatedText(d, ha, va, angle, std::abs(static_cast<int>(std::trunc(std::cos(theta) * w))),
                             std::abs(static_cast<int>(std::trunc(std::sin(theta) * h))),
                             std::abs(static_cast<int>(std::trunc(std::sin(theta) * w))),
                             std::abs(static_cast<int>(std::trunc(std::cos(theta) * h))));
            canvas.TextRect(page.LPtoDP(Cell), d.Left, d.Top, line);
        } else {
            if (ha == taLeftJustify) t.Left += L.HalfG;
            else if (ha == taRightJustify) t.Right -= L.HalfG;
            TTextFormat format{tfSingleLine, tfEditControl, tfNoPrefix};
            format.Include(ha == taRightJustify ? tfRight : ha == taCenter ? tfCenter : tfLeft);
            if (va == vtaCenter) format.Include(tfVerticalCenter);
            else if (va == vtaBottom) format.Include(tfBottom);
            page.TextRect(t, line, format);
        }
    } else {
        const int count = static_cast<int>(lines.size());
        const int step = lineH - S.RowSpacing();
        int offset = 0;
        const bool merged = FGrid.IsMergedCell(DisplayCol, ARow);
        if (!merged && va == vtaCenter) offset = (Space - step * count) / 2;
        else if (!merged && va == vtaBottom) offset = Space - step * count;
        for (int k = 0; k < count; ++k) {
            std::string line = lines[static_cast<size_t>(k)];
            if (FGrid.URLShow() && !FGrid.URLFull()) StripURLScheme(line);
            const int w = page.TextWidth(line);
            const int x = ha == taLeftJustify ? textCell.Left + L.HalfG
                          : ha == taRightJustify ? textCell.Right - L.HalfG - w
                                                 : textCell.Left + (textCell.Right - textCell.Left - w) / 2;
            page.TextOutClipped(Cell, x, textCell.Top - offset - k * step, line);
        }
    }

    canvas.Brush()->SetStyle(bsSolid);
    if (graphic) {
        const TCellType type = graphic->CellType();
        if (type == ctBitmap) {
            if (auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellBitmap()))
                StretchBitmapToCanvas(canvas, page.LPtoDP(box), *bitmap);
        } else if (type == ctIcon) {
            if (graphic->CellIcon()) canvas.StretchDraw(page.LPtoDP(box), graphic->CellIcon());
        } else if (IsCheckBox(type)) {
            bool checked = false;
            FGrid.GetCheckBoxState(ACol, ARow, checked);
            canvas.Pen()->SetColor(clBlack);
            page.SetPenWidth(3);
            page.Line(box.Left, box.Top, box.Right, box.Top);
            page.Line(box.Right, box.Top, box.Right, box.Bottom);
            page.Line(box.Right, box.Bottom, box.Left, box.Bottom);
            page.Line(box.Left, box.Bottom, box.Left, box.Top);
            if (checked) {
                const int w = box.Right - box.Left, h = box.Top - box.Bottom;
                page.Line(box.Left + w / 5, box.Top - h / 2, box.Left + w * 2 / 5, box.Bottom + h / 5);
                page.Line(box.Left + w * 2 / 5, box.Bottom + h / 5, box.Right - w / 5, box.Top - h / 5);
            }
        }
    }
    if (rotated) canvas.Font()->SetOrientation(0);
    canvas.SetFont(&keptFont);
    canvas.SetBrush(&keptBrush);

    if (FGrid.OnCustomCellDraw) {
        TRect r = page.LPtoDP({Cell.Left, Cell.Top, Cell.Right, Cell.Top - Space});
        canvas.Font()->SetSize(L.PrintFontSize);
        FGrid.OnCustomCellDraw(&FGrid, &canvas, ACol, ARow, TGridDrawState{}, r, true);
        canvas.SetFont(&keptFont);
    }
}

} // namespace grid::print
