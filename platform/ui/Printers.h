// The printer: pages drawn on its canvas become a PDF document, written to a file or
// handed to a printer of the print system when the document ends.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"

#include <memory>
#include <string>
#include <vector>

enum TPrinterOrientation { poPortrait, poLandscape };

// A print job that cannot start, go on or be delivered.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

class TPrinter : public TObject {
    VISTRA_CLASS(TPrinter, TObject)

    TPrinter();
    ~TPrinter() override;

    // The name of the printer that writes the document to FileName.
    static constexpr const char* FilePrinterName = "Print to File";
    // The resolution the pages are drawn at, in dots per inch, both ways.
    static constexpr int Resolution = 300;

    // Starts a document on page 1; raises EPrinter when one is already open or the
    // document cannot be made.
    void BeginDoc();
    void NewPage();
    // Ends the document and delivers it; raises EPrinter when it is not delivered.
    void EndDoc();
    // Drops the open document: nothing is written or sent.
    void Abort();

    // Draws on the current page while printing; measures like the page at other times.
    TCanvas* Canvas();
    bool Printing() const noexcept { return FPrinting; }
    bool Aborted() const noexcept { return FAborted; }
    int PageNumber() const noexcept { return FPageNumber; }

    // The page's printable size in dots: A4 the way Orientation turns it.
    int PageWidth() const noexcept;
    int PageHeight() const noexcept;
    TPrinterOrientation Orientation() const noexcept { return FOrientation; }
    // Raises EPrinter while printing.
    void SetOrientation(TPrinterOrientation Value);
    // The turn of a landscape page, in degrees.
    int LandscapeAngle() const noexcept { return 90; }

    // The job's title, also the document's title.
    const std::string& Title() const noexcept { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    int Copies() const noexcept { return FCopies; }
    void SetCopies(int Value) { FCopies = Value < 1 ? 1 : Value; }
    // The PDF file the file printer writes; "output.pdf" unless set.
    const std::string& FileName() const noexcept { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }

    // The file printer first, then the printers of the print system (read again by Refresh).
    const std::vector<std::string>& Printers();
    void Refresh();
    int PrinterIndex() const noexcept { return FPrinterIndex; }
    // Raises EPrinter outside the list or while printing.
    void SetPrinterIndex(int Value);
    // Chooses a printer by name, adding a print-system printer the list did not hold.
    void SetPrinterName(const std::string& Name);
    std::string PrinterName();

private:
    void FreeDocument();
    void UseContext(HDC DC);
    std::unique_ptr<TCanvas> FCanvas;
    HDC FDocument = nullptr; // the open document
    HDC FMeasure = nullptr;  // a page without output for measuring while not printing
    std::string FDocumentFile;
    std::vector<std::string> FPrinters;
    bool FListed = false;
    int FPrinterIndex = 0;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
    TPrinterOrientation FOrientation = poPortrait;
    std::string FTitle;
    std::string FFileName = "output.pdf";
    int FCopies = 1;
};

// The process's printer, made on first use.
TPrinter* Printer();
