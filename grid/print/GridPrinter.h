// The string grid's printing: the page engine that lays a range of cells out on pages
// (bands of columns that fit the page width, rows cut into pages, repeated fixed rows
// and columns, headers and footers, page frames), the row and cell renderer, and the
// entry points that print on the printer, preview on any canvas or draw one page.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/ui/grids/GridTypes.h"

#include <array>
#include <memory>
#include <string>

class TQuillStringGrid;
class TBitmap;

namespace grid::print {

class TPageCanvas;

// A bitmap stretched into R on the canvas (device units), with a raster operation.
void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap);
void StretchGraphicToCanvas(TCanvas& Canvas, const TRect& R, TBitmap& Bitmap, unsigned RasterOp);

// Columns whose print width and offset a layout keeps.
constexpr int PrintColumnSlots = 513;

class TGridPrinter {
public:
    explicit TGridPrinter(TQuillStringGrid& Grid);
    ~TGridPrinter();

    // Modes of PrintPages.
    static constexpr int ModePreview = 0, ModeDraw = 1, ModeCountPrint = 2, ModeCountPreview = 3;
    int PrintPages(TCanvas& Canvas, int Mode, int TotalPages, bool SelectedOnly);
    void PrintGridRect(const TGridRect& GridRect, bool SelectedOnly);
    void PreviewGridRect(TCanvas& Canvas, const TRect& DisplayRect, bool SelectedOnly, const TGridRect& GridRect);
    void PrintDrawRect(TCanvas& Canvas, const TRect& DrawRect, const TGridRect& GridRect);

    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;
    int MapFontHeight(int PointSize) const;
    static int MapFontSize(int Height);
    // The printer's landscape turn, in degrees.
    static int PrinterLandscapeAngle();

    int PreviewPage() const noexcept { return FPreviewPage; }
    void SetPreviewPage(int Value) noexcept { FPreviewPage = FPrintPageTo = Value; }
    int PrintPageTo() const noexcept { return FPrintPageTo; }
    int PrintNrOfPages() const noexcept { return FPrintNrOfPages; }
    bool FastPrint() const noexcept { return FFastPrint; }
    void SetFastPrint(bool Value) noexcept { FFastPrint = Value; }
    bool PrinterDriverFix() const noexcept { return FPrinterDriverFix; }
    void SetPrinterDriverFix(bool Value) noexcept { FPrinterDriverFix = Value; }
    bool IsPrintPreview() const noexcept { return FIsPrintPreview; }
    TRect PrintPageRect() const noexcept { return FPrintPageRect; }
    int PrintPageWidth() const noexcept { return FPrintPageWidth; }
    int PrintColStart() const noexcept { return FPrintColStart; }
    int PrintColEnd() const noexcept { return FPrintColEnd; }
    double Fontscalefactor() const noexcept { return FFontscalefactor; }
    const TGridRect& PrintRect() const noexcept { return FPrintRect; }
    const TRect& PrevRect() const noexcept { return FPrevRect; }

private:
    struct Layout;
    // The page engine's steps.
    void MeasureColumns(Layout& L);
    void FitColumns(Layout& L);
    void LayOutBand(Layout& L);
    void PlaceColumns(Layout& L, int Width, int FixedColsWidth);
    void HeaderAndFooterHeights(Layout& L) const;
    int PrintHeaderFooter(Layout& L);
    void DrawPageFrame(Layout& L);
    void StartNextPage(Layout& L);
    bool PageDrawn(const Layout& L) const;
    int RowHeight(Layout& L, int ARow);
    bool RowIncluded(int ARow, bool SelectedOnly) const;
    bool ColIncluded(int ACol, bool SelectedOnly) const;
    // The row and cell renderer.
    int PrintRow(Layout& L, int Y, int FromCol, int ToCol, int ARow);
    void PrintCellContent(Layout& L, int ACol, int DisplayCol, int ARow, const TRect& Cell, int Space,
                          bool HasLeft, bool HasTop, int PenWidth);
    TPoint PrintCellSize(Layout& L, int ACol, int ARow);
    std::string PrintText(int ACol, int ARow) const;

    TQuillStringGrid& FGrid;
    Layout* FLayout = nullptr; // the layout under way
    TGridRect FPrintRect;
    TRect FPrevRect;
    int FPreviewPage = 1;
    int FPrintPageTo = 1;
    int FPrintNrOfPages = 0;
    bool FFastPrint = false;
    bool FPrinterDriverFix = false;
    bool FIsPrintPreview = false;
    TRect FPrintPageRect;
    int FPrintPageWidth = 0;
    int FPrintColStart = 0;
    int FPrintColEnd = 0;
    std::array<int, PrintColumnSlots> MaxWidths{};
    std::array<int, PrintColumnSlots> Indents{};
    double FFontscalefactor = 1.0;
};

} // namespace grid::print
