// The print dialog over the host's dialog, feeding the process's printer.
#include "platform/ui/PrintDialog.h"

#include "platform/ui/Printers.h"

#include <algorithm>

bool TPrintDialog::Execute()
{
    TPrinter* printer = Printer();
    ui::TPrintDialogRequest request;
    request.Printer = printer->PrinterIndex() == 0 ? std::string() : printer->PrinterName();
    request.FileName = printer->FileName();
    request.MinPage = FMinPage;
    request.MaxPage = std::max(FMinPage, FMaxPage);
    request.FromPage = FFromPage;
    request.ToPage = FToPage;
    request.SelectionAllowed = FSelectionAllowed;
    request.Copies = std::max(FCopies, printer->Copies());
    request.Landscape = printer->Orientation() == poLandscape;
    request.JobTitle = printer->Title();
    auto answer = ui::RunPrintDialog(request);
    if (!answer) return false;
    printer->SetPrinterName(answer->Printer);
    if (answer->Printer.empty() && !answer->FileName.empty()) printer->SetFileName(answer->FileName);
    printer->SetCopies(answer->Copies);
    printer->SetOrientation(answer->Landscape ? poLandscape : poPortrait);
    FCopies = answer->Copies;
    switch (answer->Range) {
    case ui::TPrintRangeKind::Selection: FPrintRange = prSelection; break;
    case ui::TPrintRangeKind::PageNums:
        FPrintRange = prPageNums;
        FFromPage = std::clamp(answer->FromPage, FMinPage, request.MaxPage);
        FToPage = std::clamp(answer->ToPage, FFromPage, request.MaxPage);
        break;
    default: FPrintRange = prAllPages; break;
    }
    return true;
}
