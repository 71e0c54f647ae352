// The print system through GTK: its print dialog (the desktop's printers and "Print to
// File"), the list of printers, and handing a finished PDF document to a printer.
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <filesystem>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/ui/Dialogs.h"

namespace backend::gtk {

namespace {

using GtkPrintSettingsPtr = rtl::GObjectPtr<GtkPrintSettings>;
using GtkPageSetupPtr = rtl::GObjectPtr<GtkPageSetup>;
using GtkPrintJobPtr = rtl::GObjectPtr<GtkPrintJob>;

// Every printer the print system offers, listed synchronously; the caller owns the references.
std::vector<GtkPrinter*> EnumeratePrinters()
{
    std::vector<GtkPrinter*> printers;
    gtk_enumerate_printers(
        [](GtkPrinter* printer, gpointer data) -> gboolean {
            static_cast<std::vector<GtkPrinter*>*>(data)->push_back(GTK_PRINTER(g_object_ref(printer)));
            return FALSE;
        },
        &printers, nullptr, TRUE);
    return printers;
}

std::string FileUri(const std::string& fileName)
{
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(fileName.empty() ? "output.pdf" : fileName, ec);
    const rtl::GCharPtr uri(g_filename_to_uri(path.c_str(), nullptr, nullptr));
    return uri ? uri.get() : std::string();
}

GtkPrintSettingsPtr SettingsFor(const ui::TPrintDialogRequest& request)
{
    GtkPrintSettingsPtr settings(gtk_print_settings_new());
    GtkPrintSettings* s = settings.get();
    // The file printer of GTK's own file backend is the default choice unless one was chosen before.
    gtk_print_settings_set_printer(s, request.Printer.empty() ? "Print to File" : request.Printer.c_str());
    gtk_print_settings_set(s, GTK_PRINT_SETTINGS_OUTPUT_URI, FileUri(request.FileName).c_str());
    gtk_print_settings_set(s, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    gtk_print_settings_set_n_copies(s, std::max(1, request.Copies));
    gtk_print_settings_set_orientation(s, request.Landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                            : GTK_PAGE_ORIENTATION_PORTRAIT);
    return settings;
}

void ReadRange(GtkPrintSettings* s, const ui::TPrintDialogRequest& request, ui::TPrintDialogAnswer& answer)
{
    answer.FromPage = request.MinPage;
    answer.ToPage = request.MaxPage;
    switch (gtk_print_settings_get_print_pages(s)) {
    case GTK_PRINT_PAGES_SELECTION: answer.Range = ui::TPrintRangeKind::Selection; break;
    case GTK_PRINT_PAGES_CURRENT:
        answer.Range = ui::TPrintRangeKind::PageNums;
        answer.ToPage = answer.FromPage = request.FromPage;
        break;
    case GTK_PRINT_PAGES_RANGES: {
        gint count = 0;
        const rtl::GArrayPtr<GtkPageRange> ranges(gtk_print_settings_get_page_ranges(s, &count));
        if (count > 0) {
            answer.Range = ui::TPrintRangeKind::PageNums;
            answer.FromPage = ranges.get()[0].start + 1;
            answer.ToPage = ranges.get()[count - 1].end + 1;
        }
        break;
    }
    default: answer.Range = ui::TPrintRangeKind::AllPages; break;
    }
}

} // namespace

std::optional<ui::TPrintDialogAnswer> RunGtkPrintDialog(const ui::TPrintDialogRequest& request, GtkWindow* parent)
{
    GtkWidgetPtr dialog(gtk_print_unix_dialog_new(request.JobTitle.empty() ? "Print" : request.JobTitle.c_str(), parent));
    auto* d = GTK_PRINT_UNIX_DIALOG(dialog.get());
    GtkPrintSettingsPtr settings = SettingsFor(request);
    gtk_print_unix_dialog_set_settings(d, settings.get());
    GtkPageSetupPtr setup(gtk_page_setup_new());
    gtk_page_setup_set_orientation(setup.get(), request.Landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                                  : GTK_PAGE_ORIENTATION_PORTRAIT);
    gtk_print_unix_dialog_set_page_setup(d, setup.get());
    gtk_print_unix_dialog_set_embed_page_setup(d, TRUE);
    gtk_print_unix_dialog_set_current_page(d, std::max(0, request.FromPage - 1));
    gtk_print_unix_dialog_set_support_selection(d, request.SelectionAllowed);
    gtk_print_unix_dialog_set_has_selection(d, request.SelectionAllowed);
    // Pages, copies and orientation are ours to honour; the document is always PDF.
    gtk_print_unix_dialog_set_manual_capabilities(
        d, GtkPrintCapabilities(GTK_PRINT_CAPABILITY_PAGE_SET | GTK_PRINT_CAPABILITY_COPIES |
                                GTK_PRINT_CAPABILITY_GENERATE_PDF));
    if (gtk_dialog_run(GTK_DIALOG(d)) != GTK_RESPONSE_OK) return std::nullopt;

    ui::TPrintDialogAnswer answer;
    const GtkPrintSettingsPtr chosen(gtk_print_unix_dialog_get_settings(d));
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(d);
    if (!printer || gtk_printer_is_virtual(printer)) {
        const char* uri = gtk_print_settings_get(chosen.get(), GTK_PRINT_SETTINGS_OUTPUT_URI);
        const rtl::GCharPtr name(uri ? g_filename_from_uri(uri, nullptr, nullptr) : nullptr);
        answer.FileName = name ? name.get() : request.FileName;
    } else {
        answer.Printer = gtk_printer_get_name(printer);
    }
    ReadRange(chosen.get(), request, answer);
    answer.Copies = std::max(1, gtk_print_settings_get_n_copies(chosen.get()));
    GtkPageSetup* page = gtk_print_unix_dialog_get_page_setup(d);
    answer.Landscape = page && gtk_page_setup_get_orientation(page) == GTK_PAGE_ORIENTATION_LANDSCAPE;
    return answer;
}

std::vector<std::string> GtkPrinterNames()
{
    std::vector<std::string> names;
    for (GtkPrinter* printer : EnumeratePrinters()) {
        if (!gtk_printer_is_virtual(printer)) names.emplace_back(gtk_printer_get_name(printer));
        g_object_unref(printer);
    }
    return names;
}

std::string SubmitGtkPrintJob(const ui::TPrintJobRequest& job)
{
    GtkPrinter* target = nullptr;
    for (GtkPrinter* printer : EnumeratePrinters()) {
        if (!target && job.Printer == gtk_printer_get_name(printer))
            target = printer;
        else
            g_object_unref(printer);
    }
    if (!target) return "the printer " + job.Printer + " is not available";
    const rtl::GObjectPtr<GtkPrinter> owned(target);
    GtkPrintSettingsPtr settings(gtk_print_settings_new());
    gtk_print_settings_set_n_copies(settings.get(), std::max(1, job.Copies));
    GtkPageSetupPtr setup(gtk_page_setup_new());
    GtkPrintJobPtr printJob(gtk_print_job_new(job.Title.c_str(), target, settings.get(), setup.get()));
    GError* error = nullptr;
    if (!gtk_print_job_set_source_file(printJob.get(), job.DocumentFile.c_str(), &error)) {
        const rtl::GErrorPtr owner(error);
        return error ? error->message : "the document cannot be read";
    }
    struct Outcome {
        bool Done = false;
        std::string Failure;
    } outcome;
    gtk_print_job_send(
        printJob.get(),
        [](GtkPrintJob*, gpointer data, const GError* failure) {
            auto* o = static_cast<Outcome*>(data);
            if (failure) o->Failure = failure->message;
            o->Done = true;
        },
        &outcome, nullptr);
    while (!outcome.Done) g_main_context_iteration(nullptr, TRUE);
    return outcome.Failure;
}

} // namespace backend::gtk
