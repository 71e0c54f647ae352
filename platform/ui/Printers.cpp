// The printer over PDF documents: a file, or a job for the print system.
#include "platform/ui/Printers.h"

#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Backend.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// A4 at the printer's resolution.
constexpr int A4ShortSide = 2480;
constexpr int A4LongSide = 3508;

std::string TemporaryDocumentName()
{
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "print-job-XXXXXX").string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) throw EPrinter("Cannot make a temporary file for the print job");
    close(fd);
    return pattern;
}

} // namespace

TPrinter::TPrinter() : FCanvas(std::make_unique<TCanvas>())
{
    FCanvas->Font()->SetPixelsPerInch(Resolution);
    FCanvas->Font()->SetSize(DefFontSize);
}

TPrinter::~TPrinter()
{
    if (FPrinting) Abort();
    FCanvas->SetHandle(nullptr);
    if (FMeasure) DeleteDC(FMeasure);
}

int TPrinter::PageWidth() const noexcept { return FOrientation == poPortrait ? A4ShortSide : A4LongSide; }
int TPrinter::PageHeight() const noexcept { return FOrientation == poPortrait ? A4LongSide : A4ShortSide; }

void TPrinter::SetOrientation(TPrinterOrientation Value)
{
    if (FPrinting) throw EPrinter("Cannot change the orientation while printing");
    if (Value == FOrientation) return;
    FOrientation = Value;
    if (FMeasure) {
        FCanvas->SetHandle(nullptr);
        DeleteDC(FMeasure);
        FMeasure = nullptr;
    }
}

void TPrinter::UseContext(HDC DC)
{
    FCanvas->SetHandle(DC);
    FCanvas->Refresh();
}

TCanvas* TPrinter::Canvas()
{
    if (!FPrinting && !FMeasure) {
        FMeasure = CreatePdfDocumentDC("", PageWidth(), PageHeight(), Resolution);
        UseContext(FMeasure);
    }
    return FCanvas.get();
}

const std::vector<std::string>& TPrinter::Printers()
{
    if (!FListed) Refresh();
    return FPrinters;
}

void TPrinter::Refresh()
{
    std::string current = FPrinters.empty() ? std::string() : FPrinters[static_cast<size_t>(FPrinterIndex)];
    FPrinters = {FilePrinterName};
    for (std::string& name : ui::Backend().PrinterNames()) FPrinters.push_back(std::move(name));
    FListed = true;
    FPrinterIndex = 0;
    for (size_t i = 0; i < FPrinters.size(); ++i)
        if (FPrinters[i] == current) FPrinterIndex = static_cast<int>(i);
}

void TPrinter::SetPrinterIndex(int Value)
{
    if (FPrinting) throw EPrinter("Cannot change the printer while printing");
    if (Value < 0 || Value >= static_cast<int>(Printers().size())) throw EPrinter("Printer index out of range");
    FPrinterIndex = Value;
}

void TPrinter::SetPrinterName(const std::string& Name)
{
    if (Name.empty() || Name == FilePrinterName) return SetPrinterIndex(0);
    const auto& list = Printers();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] == Name) return SetPrinterIndex(static_cast<int>(i));
    FPrinters.push_back(Name);
    SetPrinterIndex(static_cast<int>(FPrinters.size()) - 1);
}

std::string TPrinter::PrinterName() { return Printers()[static_cast<size_t>(FPrinterIndex)]; }

void TPrinter::BeginDoc()
{
    if (FPrinting) throw EPrinter("Printing in progress");
    FDocumentFile = FPrinterIndex == 0 ? FFileName + ".part" : TemporaryDocumentName();
    FDocument = CreatePdfDocumentDC(FDocumentFile, PageWidth(), PageHeight(), Resolution);
    if (!FDocument) throw EPrinter("Cannot write the print document " + FDocumentFile);
    UseContext(FDocument);
    FPrinting = true;
    FAborted = false;
    FPageNumber = 1;
}

void TPrinter::NewPage()
{
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
    if (!NextPageDC(FDocument)) throw EPrinter("The print document cannot take another page");
    UseContext(FDocument);
    ++FPageNumber;
}

void TPrinter::FreeDocument()
{
    FCanvas->SetHandle(nullptr);
    if (FMeasure) UseContext(FMeasure);
    DeleteDC(FDocument);
    FDocument = nullptr;
    FPrinting = false;
}

void TPrinter::EndDoc()
{
    if (!FPrinting) throw EPrinter("Printer is not currently printing");
    std::string failure = EndDocumentDC(FDocument);
    FreeDocument();
    std::error_code ec;
    auto removeDocument = rtl::ScopeExit([&] { std::filesystem::remove(FDocumentFile, ec); });
    if (!failure.empty()) throw EPrinter("The print document was not written: " + failure);
    if (FPrinterIndex == 0) {
        std::filesystem::rename(FDocumentFile, FFileName, ec);
        if (ec) throw EPrinter("Cannot write the print file " + FFileName + ": " + ec.message());
        return;
    }
    ui::TPrintJobRequest job{FPrinters[static_cast<size_t>(FPrinterIndex)], FDocumentFile, FTitle, FCopies};
    failure = ui::Backend().SubmitPrintJob(job);
    if (!failure.empty()) throw EPrinter("The printer " + job.Printer + " did not take the job: " + failure);
}

void TPrinter::Abort()
{
    if (!FPrinting) return;
    FreeDocument();
    std::error_code ec;
    std::filesystem::remove(FDocumentFile, ec);
    FAborted = true;
}

TPrinter* Printer()
{
    static TPrinter printer;
    return &printer;
}
