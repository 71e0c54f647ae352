// The browser engine over WebKitGTK: a real page with script, the external object and snapshots.
//
// The view lives in an offscreen GTK window of its own, where it stays mapped
// so the page runs at full speed out of sight. NativeView() hands it (a
// GtkWidget*) to a window that shows it; that window gives it back to the
// offscreen window, and the page survives both moves. Everything runs on the
// thread that created the engine and drives GTK's main loop; waits run a nested main loop with a
// time limit, so page callbacks, timers and other GTK events can be handled
// inside them. Do not destroy the engine from inside one of its callbacks.
//
// The page's HTTP requests honour http_proxy/HTTP_PROXY, https_proxy and
// no_proxy as they are when the engine is created; browsing data is kept in
// memory only.
#pragma once

#include "platform/web/BrowserEngine.h"

#include <memory>

namespace web {

class WebKitEngine final : public BrowserEngine {
public:
    // Throws EBrowserUnavailable when there is no display to start GTK on.
    explicit WebKitEngine(int width = 400, int height = 250);
    ~WebKitEngine() override;

    // Whether GTK can start here; when it cannot, why.
    static bool DisplayAvailable(std::string* whyNot = nullptr);

    ReadyState GetReadyState() const override;
    bool HasDocument() const override;
    void Navigate(std::string_view url) override;
    Outcome WaitUntilComplete(Milliseconds timeout) override;
    Outcome LoadDocument(std::string_view html, std::string_view baseUrl) override;
    Outcome RunScript(std::string_view script, Milliseconds timeout) override;
    Outcome Snapshot(PixelBuffer& picture) override;
    int Width() const override;
    int Height() const override;
    void SetSize(int width, int height) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void* NativeView() override;

    using BrowserEngine::RunScript;
    using BrowserEngine::WaitUntilComplete;

    // Handles the pending events of the main loop for up to `duration`, for
    // callers that need page activity (timers, external calls) to happen
    // while they have nothing else to wait for; returns early once `until`
    // answers true.
    static void ProcessEvents(Milliseconds duration, const std::function<bool()>& until = {});

protected:
    void ExternalMethodsChanged() override;

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
};

}  // namespace web
