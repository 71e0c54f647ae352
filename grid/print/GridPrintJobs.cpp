// The printing entry points: a print job on the printer, a preview on any canvas,
// and the grid drawn as one page.
#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "grid/print/GridPrinter.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Printers.h"

#include <climits>
#include <cmath>

namespace grid::print {

void TGridPrinter::PrintGridRect(const TGridRect& GridRect, bool SelectedOnly)
{
    TPrintSettings& S = FGrid.PrintSettings();
    TPrinter* printer = Printer();
    FGrid.ExportNotification(esExportStart, -1);
    FPrintRect = GridRect;
    if (!S.UseDefaultOrientation()) printer->SetOrientation(S.Orientation());
    FPrevRect = {0, 0, static_cast<int>(std::lround(254.0 / TPrinter::Resolution * printer->PageWidth())),
                 static_cast<int>(std::lround(254.0 / TPrinter::Resolution * printer->PageHeight()))};
    printer->SetTitle(S.JobName());
    printer->BeginDoc();
    // A job that fails on the way is dropped: nothing counts as printed that was not.
    auto dropOnFailure = rtl::ScopeExit([printer] { printer->Abort(); });
    const int pages = FFastPrint ? INT_MAX : PrintPages(*printer->Canvas(), ModeCountPrint, -1, SelectedOnly);
    FPreviewPage = 1;
    FPrintPageTo = pages;
    FPrintNrOfPages = pages;
    if (FGrid.OnPrintStart) {
        printer->Abort();
        FGrid.OnPrintStart(&FGrid, pages, FPreviewPage, FPrintPageTo);
        if (FPreviewPage == 0 || FPrintPageTo == 0 || FPrintPageTo < FPreviewPage) {
            dropOnFailure.Release();
            return;
        }
        printer->BeginDoc();
    }
    FPrintNrOfPages = FPrintPageTo;
    PrintPages(*printer->Canvas(), ModeDraw, pages, SelectedOnly);
    printer->EndDoc();
    dropOnFailure.Release();
    FGrid.ExportNotification(esExportDone, -1);
}

void TGridPrinter::PreviewGridRect(TCanvas& Canvas, const TRect& DisplayRect, bool SelectedOnly,
                                   const TGridRect& GridRect)
{
    FGrid.ExportNotification(esExportStart, -1);
    auto finished = rtl::ScopeExit([this] {
        FGrid.ExportNotification(esExportDone, -1);
        FIsPrintPreview = false;
    });
    FPrintRect = GridRect;
    FPrevRect = DisplayRect;
    int pages = 1;
    if (!FFastPrint) {
        pages = PrintPages(Canvas, ModeCountPreview, -1, SelectedOnly);
        FPrintNrOfPages = pages;
    }
    FIsPrintPreview = true;
    int from = 1, to = pages;
    if (FGrid.OnPrintStart) FGrid.OnPrintStart(&FGrid, pages, from, to);
    if (from > 0 && to > 0 && to >= from) {
        FPrevRect = DisplayRect;
        PrintPages(Canvas, ModePreview, pages, SelectedOnly);
    }
}

void TGridPrinter::PrintDrawRect(TCanvas& Canvas, const TRect& DrawRect, const TGridRect& GridRect)
{
    FPrintRect = GridRect;
    FPrevRect = DrawRect;
    FPreviewPage = FPrintPageTo = FPrintNrOfPages = 1;
    PrintPages(Canvas, ModeDraw, 1, false);
}

} // namespace grid::print
