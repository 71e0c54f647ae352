// TWebBrowser: the browser control, a windowed control over one browser engine.
//
// The engine is made on first use by the process-wide engine factory (the
// WebKit engine unless a test installs another). When no engine can be made,
// every operation fails with the reason instead of throwing.
//
// While the control shows in a form whose window can embed views, the
// engine's view is placed in that window over the control's rectangle.
#pragma once

#include "platform/ui/WinControl.h"
#include "platform/web/BrowserEngine.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

using TWebBrowserBeforeNavigate = std::function<void(TObject* Sender, const std::string& URL)>;
using TWebBrowserProgressChange = std::function<void(TObject* ASender, int Progress, int ProgressMax)>;

class TBitmap;
namespace ui {
class TNativeChildView;
class TNativeWindow;
}  // namespace ui

class TWebBrowser : public TWinControl {
    VISTRA_CLASS(TWebBrowser, TWinControl)

    using EngineFactory = std::function<std::unique_ptr<web::BrowserEngine>(int width, int height)>;

    explicit TWebBrowser(TComponent* AOwner);
    ~TWebBrowser() override;

    // The factory later browsers make their engine with; an empty one
    // restores the WebKit engine. Returns the previous factory.
    static EngineFactory SetEngineFactory(EngineFactory factory);

    // Starts navigating; does not wait.
    void Navigate(std::string_view URL);
    // Complete is 4, as script hosts number it; 0 without an engine.
    int ReadyState() const;
    bool HasDocument() const;
    web::Outcome WaitUntilComplete(web::BrowserEngine::Milliseconds timeout);
    // Replaces the document with Html and waits until it runs script. The
    // external object the browser offers (GetExternal) is built into it.
    web::Outcome LoadFromString(std::string_view Html, std::string_view BaseUrl);
    web::Outcome ExecScript(std::string_view Script);
    web::Outcome SetBodyStyle(std::string_view Property, std::string_view Value);
    // The view as an opaque bitmap of the view's size.
    web::Outcome Snapshot(TBitmap& Picture);

    // The limit of every wait of the engine.
    web::BrowserEngine::Milliseconds Timeout() const { return FTimeout; }
    void SetTimeout(web::BrowserEngine::Milliseconds timeout);

    // The engine, made now when it does not exist yet; null when none can be made.
    web::BrowserEngine* Engine();
    // Why no engine could be made.
    const std::string& EngineError() const { return FEngineError; }

    void SetParent(TWinControl* AParent) override;

    TWebBrowserBeforeNavigate OnBeforeNavigate2;
    TWebBrowserProgressChange OnProgressChange;

protected:
    // The methods of the page's external object; false offers none.
    virtual bool GetExternal(web::ExternalMethodTable& Methods);
    // The engine's view follows the control's size and visibility.
    void BoundsChanged() override;
    void CMVisibleChanged(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void PaintWindow(TCanvas& Canvas) override;
    void DestroyWnd() override;

private:
    web::Outcome NoEngine() const;
    // Embeds, moves, shows or gives back the engine's view to match the
    // control: its place in the form's window, and whether it shows.
    void UpdateNativeView();

    std::unique_ptr<web::BrowserEngine> FEngine;
    // Declared after the engine so the view is given back before the engine goes.
    std::unique_ptr<ui::TNativeChildView> FNativeView;
    ui::TNativeWindow* FEmbeddedIn = nullptr;
    std::string FEngineError;
    web::BrowserEngine::Milliseconds FTimeout = web::BrowserEngine::DefaultTimeout;
};
