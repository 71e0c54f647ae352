// The page engine: measures and fits the columns, cuts the column range into bands that
// fit the page width and each band into pages, repeats fixed rows and columns, writes
// headers and footers, draws page frames and raises the print events.
#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/print/GridPrintLayout.h"
#include "render/HTMLRenderer.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Printers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace grid::print {

namespace {

bool IsTop(TPrintPosition P) { return P == ppTopLeft || P == ppTopRight || P == ppTopCenter; }
bool IsBottom(TPrintPosition P) { return P == ppBottomLeft || P == ppBottomRight || P == ppBottomCenter; }
bool IsLeft(TPrintPosition P) { return P == ppTopLeft || P == ppBottomLeft; }

// Keeps the canvas's font, pen and brush over a layout.
struct CanvasState {
    explicit CanvasState(TCanvas& C) : Canvas(C)
    {
        Font.Assign(C.Font());
        Pen.Assign(C.Pen());
        Brush.Assign(C.Brush());
    }
    ~CanvasState()
    {
        Canvas.SetFont(&Font);
        Canvas.SetPen(&Pen);
        Canvas.SetBrush(&Brush);
    }
    TCanvas& Canvas;
    TFont Font;
    TPen Pen;
    TBrush Brush;
};

} // namespace

TGridPrinter::TGridPrinter(TQuillStringGrid& Grid) : FGrid(Grid) {}
TGridPrinter::~TGridPrinter() = default;

int TGridPrinter::MapFontHeight(int PointSize) const
{
    return -static_cast<int>(std::trunc(PointSize * 254.0 / 72.0 * FFontscalefactor));
}

int TGridPrinter::MapFontSize(int Height) { return static_cast<int>(std::trunc(Height * 72.0 / 254.0)); }

int TGridPrinter::PrintColWidth(int ACol) const
{
    if (ACol < 0 || ACol > PrintColumnSlots - 2) throw EQuillGridError("Columns is not in valid range");
    return MaxWidths[static_cast<size_t>(ACol)];
}

int TGridPrinter::PrintColOffset(int ACol) const
{
    if (ACol < 0 || ACol > PrintColumnSlots - 2) throw EQuillGridError("Columns is not in valid range");
    return Indents[static_cast<size_t>(ACol)];
}

bool TGridPrinter::RowIncluded(int ARow, bool SelectedOnly) const
{
    if (!SelectedOnly) return true;
    if (ARow < FGrid.FixedRows()) {
        if (FGrid.PrintSettings().FixedCellsAlways()) return true;
    }
    if (FGrid.MouseActions().DisjunctRowSelect())
        return FGrid.RowSelect(FGrid.MouseActions().RowSelectPersistent() ? FGrid.RealRowIndex(ARow) : ARow);
    const TGridRect sel = FGrid.Selection();
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TGridPrinter::ColIncluded(int ACol, bool SelectedOnly) const
{
    if (!SelectedOnly || FGrid.MouseActions().DisjunctRowSelect()) return true;
    if (ACol < FGrid.FixedCols() && FGrid.PrintSettings().FixedCellsAlways()) return true;
    if (FGrid.MouseActions().DisjunctColSelect()) return FGrid.ColSelect(ACol);
    const TGridRect sel = FGrid.Selection();
    return ACol >= sel.Left && ACol <= sel.Right;
}

bool TGridPrinter::PageDrawn(const Layout& L) const
{
    const int page = L.PageCounter + 1;
    return (L.Mode == ModePreview || L.Mode == ModeDraw) && page >= FPreviewPage && page <= FPrintPageTo;
}

int TGridPrinter::PrintPages(TCanvas& Canvas, int Mode, int TotalPages, bool SelectedOnly)
{
    TPrintSettings& S = FGrid.PrintSettings();
    TPageCanvas page(Canvas);
    CanvasState kept(Canvas);
    Layout L;
    L.Mode = Mode;
    L.Page = &page;
    L.Canvas = &Canvas;
    L.TotalPages = TotalPages;
    L.SelectedOnly = SelectedOnly;
    FLayout = &L;
    auto done = rtl::ScopeExit([this] {
        FLayout = nullptr;
        FFontscalefactor = 1.0;
    });

    // Fonts drawn at the canvas's resolution against the screen's, and screen pixels in tenths of a millimetre.
    L.FontRatio = double(page.DpiY()) / ScreenPixelsPerInch;
    L.ResFactor = 254.0 / ScreenPixelsPerInch;
    FFontscalefactor = 1.0;

    Canvas.Pen()->SetColor(clBlack);
    Canvas.Pen()->SetStyle(S.BorderStyle());
    page.SetPenWidth(S.Borders() == pbDouble ? 10 : 2);
    L.FramePen.Assign(Canvas.Pen());

    auto measureFont = [&](const TFont* font) {
        Canvas.SetFont(font);
        page.SetFontHeight(MapFontHeight(font->Size()));
    };
    measureFont(S.HeaderFont());
    L.HeaderTextHeight = page.TextHeight("gh");
    measureFont(S.FooterFont());
    L.FooterTextHeight = page.TextHeight("gh");
    measureFont(S.Font());
    L.Gap = page.TextHeight("gh") / 8;
    L.HalfG = page.TextWidth("g") / 2;
    L.PrintFontSize = S.Font()->Size();

    if (Mode == ModeDraw) {
        const TRect clip = page.DPtoLP(Canvas.ClipRect());
        L.PageWidth = clip.Right - clip.Left;
        L.PageHeight = clip.Bottom;
    } else if (Mode == ModeCountPrint) {
        L.PageWidth = FPrevRect.Right - FPrevRect.Left;
        L.PageHeight = -FPrevRect.Bottom - FPrevRect.Top;
    } else {
        const TRect r = page.DPtoLP(FPrevRect);
        L.PageWidth = r.Right - r.Left;
        L.PageHeight = r.Bottom - r.Top;
    }
    FPrintPageRect = {0, 0, L.PageWidth, L.PageHeight};
    L.Spacing = S.UseFixedWidth() ? 0 : S.ColumnSpacing() + 20;
    L.Scale = 1.0;

    // The layout keeps a width and an offset for 512 display columns; the rows end with the grid.
    L.Range = FPrintRect;
    L.Range.Left = std::max(L.Range.Left, 0);
    L.Range.Top = std::max(L.Range.Top, 0);
    L.Range.Right = std::min({L.Range.Right, FGrid.ColCount() - 1, PrintColumnSlots - 3});
    L.Range.Bottom = std::min(L.Range.Bottom, FGrid.RowCount() - 1);
    if (L.Range.Left > L.Range.Right || L.Range.Top > L.Range.Bottom) return 0;

    MeasureColumns(L);
    FitColumns(L);
    if (FGrid.OnPrintSetColumnWidth)
        for (int c = L.Range.Left; c <= L.Range.Right; ++c)
            FGrid.OnPrintSetColumnWidth(&FGrid, c, MaxWidths[static_cast<size_t>(c)]);

    L.StartCol = L.EndCol = L.Range.Left;
    while (L.EndCol <= L.Range.Right && !L.Cancel) LayOutBand(L);
    return L.PageCounter;
}

void TGridPrinter::MeasureColumns(Layout& L)
{
    TPrintSettings& S = FGrid.PrintSettings();
    for (int c = L.Range.Left; c <= L.Range.Right; ++c) MaxWidths[static_cast<size_t>(c)] = 0;
    // Repeated fixed columns outside the range are measured like the range's own.
    const int firstCol = S.RepeatFixedCols() ? std::min(L.Range.Left, FGrid.FixedCols()) : L.Range.Left;
    for (int c = firstCol; c <= L.Range.Right; ++c) {
        int& width = MaxWidths[static_cast<size_t>(c)];
        width = 0;
        if (!ColIncluded(c, L.SelectedOnly) && c >= L.Range.Left) continue;
        if (S.NoAutoSize()) {
            width = static_cast<int>(std::lround(FGrid.ColWidths(c) * L.ResFactor));
            continue;
        }
        auto measure = [&](int r) {
            if (FGrid.CellSpan(c, r).X > 0 || FGrid.IsXMergedCell(c, r)) return;
            width = std::max(width, S.UseFixedWidth() ? S.FixedWidth() : PrintCellSize(L, FGrid.RealColIndex(c), r).X);
        };
        if (S.RepeatFixedRows())
            for (int r = 0; r < std::min(FGrid.FixedRows(), L.Range.Top); ++r) measure(r);
        for (int r = L.Range.Top; r <= L.Range.Bottom; ++r) measure(r);
    }
}

void TGridPrinter::FitColumns(Layout& L)
{
    TPrintSettings& S = FGrid.PrintSettings();
    if (S.FitToPage() == fpNever) return;
    int total = 0;
    for (int c = L.Range.Left; c <= L.Range.Right; ++c)
        if (ColIncluded(c, L.SelectedOnly)) total += MaxWidths[static_cast<size_t>(c)] + L.Spacing;
    const int spacingTotal = (L.Range.Right - L.Range.Left + 1) * L.Spacing;
    double scale = 1.0;
    if (total != spacingTotal)
        scale = double(L.PageWidth - S.RightSize() - S.LeftSize() - spacingTotal) / double(total - spacingTotal);
    switch (S.FitToPage()) {
    case fpShrink: scale = std::min(scale, 1.0); break;
    case fpGrow: scale = std::max(scale, 1.0); break;
    case fpCustom:
        if (scale != 1.0) {
            bool allow = true;
            if (FGrid.OnFitToPage) FGrid.OnFitToPage(&FGrid, scale, allow);
            if (!allow) scale = 1.0;
        }
        break;
    default: break;
    }
    L.Scale = scale;
    if (scale == 1.0) return;
    for (int c = L.Range.Left; c <= L.Range.Right; ++c) {
        int& width = MaxWidths[static_cast<size_t>(c)];
        width = static_cast<int>(std::trunc(width * scale));
    }
}

void TGridPrinter::PlaceColumns(Layout& L, int Width, int FixedColsWidth)
{
    TPrintSettings& S = FGrid.PrintSettings();
    auto indent = [this](int c) -> int& { return Indents[static_cast<size_t>(c)]; };
    const int start = S.Centered() ? 0 : S.LeftSize();
    indent(L.StartCol) = indent(0) = start;
    for (int c = L.StartCol; c <= L.EndCol; ++c)
        indent(c + 1) = indent(c) + (ColIncluded(c, L.SelectedOnly) ? MaxWidths[static_cast<size_t>(c)] + L.Spacing : 0);
    FPrintColStart = L.StartCol;
    FPrintColEnd = L.EndCol;
    const int fixedCols = FGrid.FixedCols();
    if (L.RepeatCols)
        for (int c = 1; c <= fixedCols; ++c) indent(c) = indent(c - 1) + MaxWidths[static_cast<size_t>(c - 1)] + L.Spacing;
    if (S.Centered() && Width < L.PageWidth) {
        const int offset = (L.PageWidth - Width) / 2;
        for (int c = L.StartCol; c <= L.EndCol + 1; ++c) indent(c) += offset;
        if (L.RepeatCols)
            for (int c = 0; c <= fixedCols; ++c) indent(c) += offset;
    }
    for (int c = L.StartCol; c <= L.EndCol + 1; ++c) indent(c) += FixedColsWidth;
}

void TGridPrinter::HeaderAndFooterHeights(Layout& L) const
{
    TPrintSettings& S = FGrid.PrintSettings();
    const std::array<TPrintPosition, 4> items{S.Time(), S.Date(), S.PageNr(), S.Title()};
    const int extraTitleLines = S.TitleText().empty() && S.TitleLines()->Count() > 0 ? S.TitleLines()->Count() - 1 : 0;
    if (std::any_of(items.begin(), items.end(), IsTop))
        L.HeaderHeight = L.Gap + L.HeaderTextHeight + S.HeaderSize() +
                         (IsTop(S.Title()) ? extraTitleLines * L.HeaderTextHeight : 0);
    else
        L.HeaderHeight = S.HeaderSize();
    if (std::any_of(items.begin(), items.end(), IsBottom))
        L.FooterHeight = 2 * (L.Gap + L.FooterTextHeight) + S.FooterSize() +
                         (IsBottom(S.Title()) ? extraTitleLines * L.FooterTextHeight : 0);
    else
        L.FooterHeight = L.Gap + L.FooterTextHeight + S.FooterSize();
}

void TGridPrinter::LayOutBand(Layout& L)
{
    TPrintSettings& S = FGrid.PrintSettings();
    const int fixedCols = FGrid.FixedCols();
    ++L.BandCounter;
    L.PageInBand = 0;
    L.RepeatCols = fixedCols > 0 && S.RepeatFixedCols() && (L.StartCol > L.Range.Left || L.Range.Left >= fixedCols);
    int fixedColsWidth = 0;
    if (L.RepeatCols)
        for (int c = 0; c < fixedCols; ++c) fixedColsWidth += MaxWidths[static_cast<size_t>(c)] + L.Spacing;

    const int limit = L.PageWidth - S.RightSize();
    int width = fixedColsWidth;
    bool overflow = false;
    while (width <= limit && L.EndCol <= L.Range.Right) {
        width += MaxWidths[static_cast<size_t>(L.EndCol)] + L.Spacing;
        if (width <= limit)
            ++L.EndCol;
        else
            overflow = true;
    }
    if (overflow) width -= MaxWidths[static_cast<size_t>(L.EndCol)] + L.Spacing;
    --L.EndCol;
    // A band holds at least its first column, even one wider than the page.
    if (L.EndCol < L.StartCol) {
        L.EndCol = L.StartCol;
        width = fixedColsWidth + MaxWidths[static_cast<size_t>(L.StartCol)] + L.Spacing;
    }
    L.EndCol = std::min(L.EndCol, L.Range.Right);
    if (L.EndCol < L.Range.Right) L.SeveralBands = true;
    FPrintPageWidth = width;
    PlaceColumns(L, width, fixedColsWidth);
    HeaderAndFooterHeights(L);
    if (L.Mode == ModePreview || L.Mode == ModeDraw)
        if (FGrid.OnPrintPage) FGrid.OnPrintPage(&FGrid, L.Canvas, L.PageCounter + 1, L.PageWidth, L.PageHeight);

    const int fixedRows = FGrid.FixedRows();
    const bool allRows = L.Range.Top <= fixedRows && L.Range.Bottom >= FGrid.RowCount() - 1 - FGrid.FixedFooters();
    int V = L.Range.Top;
    L.RowsOnPage = 0;
    auto printRow = [&](int row) {
        if (L.RepeatCols) PrintRow(L, L.Y, 0, fixedCols - 1, row);
        L.Y -= PrintRow(L, L.Y, L.StartCol, L.EndCol, row);
    };
    while (V <= L.Range.Bottom && !L.Cancel) {
        FGrid.ExportNotification(allRows ? esExportNewRow : esExportSelRow, V);
        if (L.RowsOnPage == 0) {
            L.Y = -L.HeaderHeight - S.TitleSpacing() - PrintHeaderFooter(L);
            if (V > 0 && S.RepeatFixedRows() && fixedRows > 0 && (L.PageInBand > 0 || L.Range.Top >= fixedRows)) {
                L.IgnoreSelection = true;
                for (int r = 0; r < fixedRows; ++r) printRow(r);
                L.IgnoreSelection = false;
                ++L.RowsOnPage;
            }
        }
        if (RowIncluded(V, L.SelectedOnly)) printRow(V);
        ++V;
        ++L.RowsOnPage;
        bool newPage = false;
        if (FGrid.OnPrintNewPage) FGrid.OnPrintNewPage(&FGrid, V, newPage);
        const bool pageFull = V <= L.Range.Bottom && L.Y - RowHeight(L, V) < L.PageHeight + L.FooterHeight;
        if ((L.Mode == ModePreview || L.Mode == ModeDraw) && (pageFull || V > L.Range.Bottom || newPage)) {
            if (FGrid.OnPrintPageDone)
                FGrid.OnPrintPageDone(&FGrid, L.Canvas, V, L.Y, L.PageCounter + 1, L.PageWidth, L.PageHeight);
            if (FGrid.OnPrintCancel) FGrid.OnPrintCancel(&FGrid, L.PageCounter + 1, L.Cancel);
        }
        if (pageFull || newPage) {
            DrawPageFrame(L);
            L.RowsOnPage = 0;
            L.LastBreakRow = V;
            StartNextPage(L);
            if (FFastPrint && FPreviewPage < L.PageCounter) V = L.Range.Bottom + 1;
            ++L.PageCounter;
            ++L.PageInBand;
            HeaderAndFooterHeights(L);
        }
    }
    if (L.LastBreakRow != V) DrawPageFrame(L);
    L.StartCol = L.EndCol = L.EndCol + 1;
    if (L.StartCol <= L.Range.Right) StartNextPage(L);
    ++L.PageCounter;
}

void TGridPrinter::StartNextPage(Layout& L)
{
    const int p = L.PageCounter;
    if (p + 2 < FPreviewPage || p + 2 > FPrintPageTo) return;
    if (L.Mode == ModeDraw && p + 1 >= FPreviewPage && Printer()->Printing() && L.Canvas == Printer()->Canvas())
        Printer()->NewPage();
    if ((L.Mode == ModePreview || L.Mode == ModeDraw) && FGrid.OnPrintPage)
        FGrid.OnPrintPage(&FGrid, L.Canvas, p + 2, L.PageWidth, L.PageHeight);
}

void TGridPrinter::DrawPageFrame(Layout& L)
{
    if (!PageDrawn(L)) return;
    TPrintSettings& S = FGrid.PrintSettings();
    TPageCanvas& page = *L.Page;
    L.Canvas->SetPen(&L.FramePen);
    const int first = L.RepeatCols ? 0 : L.StartCol;
    const int left = Indents[static_cast<size_t>(first)];
    const int right = Indents[static_cast<size_t>(L.EndCol + 1)];
    const int top = -L.HeaderHeight - S.TitleSpacing();
    const int bottom = L.Y + L.Gap / 2;
    const TPrintBorders b = S.Borders();
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        page.Line(left, top, right, top);
        page.Line(right, top, right, bottom);
        page.Line(right, bottom, left, bottom);
        page.Line(left, bottom, left, top);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) page.Line(left, bottom, right, bottom);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && L.RepeatCols)
        for (int c = 0; c < FGrid.FixedCols(); ++c) {
            const int x = Indents[static_cast<size_t>(c)];
            page.Line(x, top, x, bottom);
        }
}

int TGridPrinter::PrintHeaderFooter(Layout& L)
{
    TPrintSettings& S = FGrid.PrintSettings();
    std::array<std::string, 7> texts; // by TPrintPosition
    auto join = [&](TPrintPosition position, const std::string& item) {
        if (position == ppNone) return;
        std::string& text = texts[static_cast<size_t>(position)];
        text = IsLeft(position) ? item + " " + text : text + " " + item;
    };
    const TDateTime now = Now();
    join(S.Time(), FormatDateTime("hh:nn", now));
    join(S.Date(), FormatDateTime(S.DateFormat(), now));
    std::string number;
    if (L.SeveralBands)
        number = std::to_string(L.PageInBand + 1) + "-" + std::to_string(L.BandCounter);
    else if (!S.PageNumSep().empty() && L.TotalPages > 1)
        number = std::to_string(L.PageCounter + 1 + S.PageNumberOffset()) + S.PageNumSep() +
                 std::to_string(static_cast<long long>(L.TotalPages) + S.MaxPagesOffset());
    else
        number = std::to_string(L.PageCounter + 1 + S.PageNumberOffset());
    join(S.PageNr(), S.PagePrefix() + " " + number + " " + S.PageSuffix());
    std::vector<std::string> moreTitleLines;
    std::string htmlTitle;
    if (!S.TitleText().empty()) {
        join(S.Title(), S.TitleText());
    } else if (S.TitleLines()->Count() > 0 && S.Title() != ppNone) {
        std::string all;
        for (int i = 0; i < S.TitleLines()->Count(); ++i) all += S.TitleLines()->Strings(i);
        if (ClassifyCellText(all, true) == ctkHTML) {
            htmlTitle = all;
        } else {
            std::string& text = texts[static_cast<size_t>(S.Title())];
            const std::string first = S.TitleLines()->Strings(0);
            if (text.empty() || first.empty())
                text = IsLeft(S.Title()) ? first + text : text + first;
            else
                text = IsLeft(S.Title()) ? first + " " + text : text + " " + first;
            for (int i = 1; i < S.TitleLines()->Count(); ++i) moreTitleLines.push_back(S.TitleLines()->Strings(i));
        }
    }
    TPageCanvas& page = *L.Page;
    TCanvas& canvas = *L.Canvas;
    const bool drawn = PageDrawn(L);
    // An HTML title is measured on every page, drawn or not, so that counting and drawing
    // break the pages alike; it is drawn in device pixels in the box it takes.
    int titleHeight = 0;
    if (!htmlTitle.empty()) {
        TFont kept;
        kept.Assign(canvas.Font());
        canvas.SetFont(S.HeaderFont());
        THTMLRenderParams params;
        params.Printing = true;
        params.PrintScale = L.FontRatio;
        params.LinkColor = FGrid.URLColor();
        THTMLRenderResult result;
        if (IsTop(S.Title())) {
            params.MeasureOnly = true;
            const TRect measure = page.LPtoDP({S.LeftSize(), -S.HeaderSize(), L.PageWidth, -S.HeaderSize() - 65535});
            RenderHTMLText(&canvas, htmlTitle, measure, params, result);
            const int h = static_cast<int>(std::lround(result.Height * 254.0 / page.DpiY() * L.Scale));
            titleHeight = L.Gap + h;
            if (drawn) {
                params.MeasureOnly = false;
                RenderHTMLText(&canvas, htmlTitle, page.LPtoDP({S.LeftSize(), -S.HeaderSize(), L.PageWidth, -S.HeaderSize() - h}),
                               params, result);
            }
        } else if (drawn) {
            RenderHTMLText(&canvas, htmlTitle, page.LPtoDP({S.LeftSize(), L.PageHeight + S.FooterSize(), L.PageWidth, L.PageHeight}),
                           params, result);
        }
        canvas.SetFont(&kept);
    }
    if (!drawn) return titleHeight;

    TFont keptFont;
    keptFont.Assign(canvas.Font());
    const TBrushStyle keptBrush = canvas.Brush()->Style();
    canvas.Brush()->SetStyle(bsClear);
    FFontscalefactor = L.Scale;
    auto xFor = [&](TPrintPosition position, const std::string& text) {
        const int w = page.TextWidth(text);
        if (IsLeft(position)) return S.LeftSize();
        if (position == ppTopRight || position == ppBottomRight) return L.PageWidth - w - S.RightSize() - 20;
        return (L.PageWidth - w) / 2;
    };
    canvas.SetFont(S.HeaderFont());
    page.SetFontHeight(MapFontHeight(S.HeaderFont()->Size()));
    for (TPrintPosition p : {ppTopLeft, ppTopRight, ppTopCenter}) {
        const std::string& text = texts[static_cast<size_t>(p)];
        if (!text.empty()) page.TextOut(xFor(p, text), -S.HeaderSize(), text);
    }
    if (IsTop(S.Title()))
        for (size_t i = 0; i < moreTitleLines.size(); ++i)
            page.TextOut(xFor(S.Title(), moreTitleLines[i]),
                         -S.HeaderSize() - static_cast<int>(i + 1) * page.TextHeight("gh"), moreTitleLines[i]);
    canvas.SetFont(S.FooterFont());
    page.SetFontHeight(MapFontHeight(S.FooterFont()->Size()));
    const int footerTop = L.PageHeight + L.FooterTextHeight + L.Gap + S.FooterSize();
    for (TPrintPosition p : {ppBottomLeft, ppBottomRight, ppBottomCenter}) {
        const std::string& text = texts[static_cast<size_t>(p)];
        if (!text.empty()) page.TextOut(xFor(p, text), footerTop, text);
    }
    if (IsBottom(S.Title()))
        for (size_t i = 0; i < moreTitleLines.size(); ++i)
            page.TextOut(xFor(S.Title(), moreTitleLines[i]),
                         footerTop - static_cast<int>(i + 1) * page.TextHeight("gh"), moreTitleLines[i]);
    FFontscalefactor = 1.0;
    canvas.SetFont(&keptFont);
    canvas.Brush()->SetStyle(keptBrush);
    return titleHeight;
}

} // namespace grid::print
