// The memo's print jobs on the process's printer: every page, a range of pages, or the selection.
#include "memo/QuillMemo.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Printers.h"

#include <algorithm>
#include <climits>

namespace {

// One document with the pages From to To (held to the text's last page).
void PrintJob(TQuillCustomMemo& Memo, int From, int To)
{
    TPrinter* printer = Printer();
    const std::string& job = Memo.PrintOptions().JobName;
    printer->SetTitle(job.empty() ? "QuillMemo print job" : job);
    printer->BeginDoc();
    // A job that fails half way is dropped: nothing counts as printed that was not.
    auto dropOnFailure = rtl::ScopeExit([printer] { printer->Abort(); });
    TCanvas& canvas = *printer->Canvas();
    const int width = printer->PageWidth(), height = printer->PageHeight();
    const int pages = Memo.NumberOfPages(canvas, width, height);
    const int first = std::min(From, pages), last = std::min(To, pages);
    for (int page = first; page <= last; ++page) {
        if (page > first) printer->NewPage();
        Memo.PrintToCanvas(canvas, width, height, page);
    }
    printer->EndDoc();
    dropOnFailure.Release();
}

} // namespace

void TQuillCustomMemo::Print() { PrintJob(*this, 1, INT_MAX); }

void TQuillCustomMemo::PrintPages(int FromPage, int ToPage)
{
    if (FromPage <= 0 || ToPage <= 0 || ToPage < FromPage) return;
    PrintJob(*this, FromPage, ToPage);
}

void TQuillCustomMemo::PrintSelection()
{
    TQuillCustomMemo selection(this);
    selection.SetVisible(false);
    selection.SetParent(this);
    selection.SetPrintOptions(*FPrintOptions);
    selection.SetSyntaxStyles(SyntaxStyles());
    // Printed line numbers are those this memo's gutter shows beside the selected lines.
    selection.Gutter().SetLineNumberStart(std::min(FSelStartY, FSelEndY) + FGutter->LineNumberStart());
    selection.Lines().Clear();
    selection.Lines().Add(Selection());
    selection.Print();
}
