// TGtkBackend: the loop on GLib's main context, screen facts and the shell's open.
#include "platform/backend/gtk/GtkBackend.h"

#include <gtk/gtk.h>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkThemeLibrary.h"
#include "platform/backend/gtk/GtkWindow.h"
#include "platform/ui/ThemeLibrary.h"

namespace backend::gtk {

TGtkBackend::TGtkBackend() : FClipboard(CreateGtkClipboard()), FDialogs(CreateGtkDialogs()) {}

TGtkBackend::~TGtkBackend() = default;

std::unique_ptr<ui::TNativeWindow> TGtkBackend::CreateNativeWindow(const ui::TNativeWindowParams& params,
                                                                   ui::TNativeWindowEvents& events)
{
    return std::make_unique<TGtkWindow>(params, events);
}

std::unique_ptr<ui::TThemeLibrary> TGtkBackend::LoadThemeLibrary()
{
    return CreateGtkThemeLibrary();
}

std::uint64_t TGtkBackend::NowMs() { return static_cast<std::uint64_t>(g_get_monotonic_time() / 1000); }

void TGtkBackend::PollEvents()
{
    // Bounded, so a stream of host events cannot hold the caller for ever.
    for (int i = 0; i < 1000 && g_main_context_pending(nullptr); ++i) g_main_context_iteration(nullptr, FALSE);
}

void TGtkBackend::WaitForEvents(std::optional<std::uint64_t> deadlineMs)
{
    guint timeout = 0;
    if (deadlineMs) {
        std::uint64_t now = NowMs();
        if (*deadlineMs <= now) return PollEvents();
        timeout = g_timeout_add(static_cast<guint>(*deadlineMs - now), [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr);
    }
    g_main_context_iteration(nullptr, TRUE);
    if (timeout) {
        // The timer may have fired already; removing a gone source is harmless only through its context.
        if (GSource* s = g_main_context_find_source_by_id(nullptr, timeout)) g_source_destroy(s);
    }
    PollEvents();
}

void TGtkBackend::Wake() { g_main_context_wakeup(nullptr); }

ui::TNativeClipboard& TGtkBackend::Clipboard() { return *FClipboard; }

ui::TNativeDialogs& TGtkBackend::Dialogs() { return *FDialogs; }

std::vector<std::string> TGtkBackend::PrinterNames() { return GtkPrinterNames(); }

std::string TGtkBackend::SubmitPrintJob(const ui::TPrintJobRequest& job) { return SubmitGtkPrintJob(job); }

ui::TScreenMetrics TGtkBackend::ScreenMetrics()
{
    ui::TScreenMetrics m;
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return m;
    GdkRectangle geometry, work;
    gdk_monitor_get_geometry(monitor, &geometry);
    gdk_monitor_get_workarea(monitor, &work);
    m.Width = geometry.width;
    m.Height = geometry.height;
    m.WorkArea = Bounds(work.x, work.y, work.width, work.height);
    return m;
}

TPoint TGtkBackend::CursorPos()
{
    GdkDisplay* display = gdk_display_get_default();
    GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
    GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr;
    if (!pointer) return {};
    int x = 0, y = 0;
    gdk_device_get_position(pointer, nullptr, &x, &y);
    return {x, y};
}

bool TGtkBackend::OpenDocument(const std::string& target)
{
    // Addresses go as they are; file names become file addresses.
    std::string uri = target;
    if (target.find("://") == std::string::npos && target.rfind("mailto:", 0) != 0) {
        const GFilePtr file(g_file_new_for_path(target.c_str()));
        uri = rtl::GCharPtr(g_file_get_uri(file.get())).get();
    }
    GError* error = nullptr;
    const gboolean ok = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
    const rtl::GErrorPtr owned(error);
    return ok;
}

} // namespace backend::gtk
