// The backend with a display: GTK 3 windows, GLib's main loop, the desktop
// clipboard and GTK's dialogs.
#pragma once

#include <memory>

#include "platform/ui/Backend.h"

namespace backend::gtk {

class TGtkBackend final : public ui::TBackend {
public:
    TGtkBackend();
    ~TGtkBackend() override;

    std::string Name() const override { return "gtk"; }
    std::unique_ptr<ui::TNativeWindow> CreateNativeWindow(const ui::TNativeWindowParams& params,
                                                         ui::TNativeWindowEvents& events) override;
    std::uint64_t NowMs() override;
    void PollEvents() override;
    void WaitForEvents(std::optional<std::uint64_t> deadlineMs) override;
    void Wake() override;
    ui::TNativeClipboard& Clipboard() override;
    ui::TNativeDialogs& Dialogs() override;
    ui::TScreenMetrics ScreenMetrics() override;
    TPoint CursorPos() override;
    bool OpenDocument(const std::string& target) override;
    std::unique_ptr<ui::TThemeLibrary> LoadThemeLibrary() override;
    std::vector<std::string> PrinterNames() override;
    std::string SubmitPrintJob(const ui::TPrintJobRequest& job) override;

private:
    std::unique_ptr<ui::TNativeClipboard> FClipboard;
    std::unique_ptr<ui::TNativeDialogs> FDialogs;
};

// The clipboard and the dialogs, each in its own file.
std::unique_ptr<ui::TNativeClipboard> CreateGtkClipboard();
std::unique_ptr<ui::TNativeDialogs> CreateGtkDialogs();
// The print system (GtkPrinting.cpp).
std::vector<std::string> GtkPrinterNames();
std::string SubmitGtkPrintJob(const ui::TPrintJobRequest& job);

} // namespace backend::gtk
