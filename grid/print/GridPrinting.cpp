// The grid's printing members: each hands its work to the grid's printer.
#include "grid/QuillGrid.h"
#include "grid/print/GridPrinter.h"

void TQuillStringGrid::Print() { PrintGridRect({0, 0, ColCount() - 1, RowCount() - 1}, false); }
void TQuillStringGrid::PrintRect(const TGridRect& Gridrect) { PrintGridRect(Gridrect, false); }
void TQuillStringGrid::PrintSelection() { PrintGridRect(Selection(), false); }
void TQuillStringGrid::PrintSelectedRows() { PrintGridRect({0, 0, ColCount() - 1, RowCount() - 1}, true); }
void TQuillStringGrid::PrintSelectedCols() { PrintGridRect({0, 0, ColCount() - 1, RowCount() - 1}, true); }

void TQuillStringGrid::PrintPreview(TCanvas& Canvas, const TRect& Displayrect)
{
    PreviewGridRect(Canvas, Displayrect, false, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TQuillStringGrid::PrintPreviewRect(TCanvas& Canvas, const TRect& Displayrect, const TGridRect& Gridrect)
{
    PreviewGridRect(Canvas, Displayrect, false, Gridrect);
}
void TQuillStringGrid::PrintPreviewSelection(TCanvas& Canvas, const TRect& Displayrect)
{
    PreviewGridRect(Canvas, Displayrect, false, Selection());
}
void TQuillStringGrid::PrintPreviewSelectedRows(TCanvas& Canvas, const TRect& Displayrect)
{
    PreviewGridRect(Canvas, Displayrect, true, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TQuillStringGrid::PrintPreviewSelectedCols(TCanvas& Canvas, const TRect& Displayrect)
{
    PreviewGridRect(Canvas, Displayrect, true, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TQuillStringGrid::PrintDraw(TCanvas& Canvas, const TRect& DrawRect)
{
    PrintDrawRect(Canvas, DrawRect, {0, 0, ColCount() - 1, RowCount() - 1});
}
void TQuillStringGrid::PrintDrawRect(TCanvas& Canvas, const TRect& DrawRect, const TGridRect& Gridrect)
{
    FPrinting->PrintDrawRect(Canvas, DrawRect, Gridrect);
}
void TQuillStringGrid::PrintGridRect(const TGridRect& GridRect, bool SelectedOnly)
{
    FPrinting->PrintGridRect(GridRect, SelectedOnly);
}
void TQuillStringGrid::PreviewGridRect(TCanvas& Canvas, const TRect& DisplayRect, bool SelectedOnly,
                                       const TGridRect& GridRect)
{
    FPrinting->PreviewGridRect(Canvas, DisplayRect, SelectedOnly, GridRect);
}
int TQuillStringGrid::PrintPages(TCanvas& Canvas, int Mode, int TotalPages, bool SelectedOnly)
{
    return FPrinting->PrintPages(Canvas, Mode, TotalPages, SelectedOnly);
}
int TQuillStringGrid::PrintColWidth(int ACol) const { return FPrinting->PrintColWidth(ACol); }
int TQuillStringGrid::PrintColOffset(int ACol) const { return FPrinting->PrintColOffset(ACol); }
int TQuillStringGrid::MapFontHeight(int pointsize) const { return FPrinting->MapFontHeight(pointsize); }
int TQuillStringGrid::MapFontSize(int Height) { return grid::print::TGridPrinter::MapFontSize(Height); }
int TQuillStringGrid::PreviewPage() const { return FPrinting->PreviewPage(); }
void TQuillStringGrid::SetPreviewPage(int Value) { FPrinting->SetPreviewPage(Value); }
int TQuillStringGrid::PrintNrOfPages() const { return FPrinting->PrintNrOfPages(); }
bool TQuillStringGrid::FastPrint() const { return FPrinting->FastPrint(); }
void TQuillStringGrid::SetFastPrint(bool Value) { FPrinting->SetFastPrint(Value); }
bool TQuillStringGrid::PrinterDriverFix() const { return FPrinting->PrinterDriverFix(); }
void TQuillStringGrid::SetPrinterDriverFix(bool Value) { FPrinting->SetPrinterDriverFix(Value); }
bool TQuillStringGrid::IsPrintPreview() const { return FPrinting->IsPrintPreview(); }
TRect TQuillStringGrid::PrintPageRect() const { return FPrinting->PrintPageRect(); }
int TQuillStringGrid::PrintPageWidth() const { return FPrinting->PrintPageWidth(); }
int TQuillStringGrid::PrintColStart() const { return FPrinting->PrintColStart(); }
int TQuillStringGrid::PrintColEnd() const { return FPrinting->PrintColEnd(); }

void TQuillStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen* APen)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}
