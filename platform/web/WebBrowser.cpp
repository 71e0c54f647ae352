// The browser control over its engine.
#include "platform/web/WebBrowser.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"
#include "platform/web/SnapshotBitmap.h"
#include "platform/web/WebKitEngine.h"

#include <exception>

namespace {

std::unique_ptr<web::BrowserEngine> MakeWebKitEngine(int width, int height)
{
    return std::make_unique<web::WebKitEngine>(width, height);
}

TWebBrowser::EngineFactory& CurrentFactory()
{
    static TWebBrowser::EngineFactory factory = MakeWebKitEngine;
    return factory;
}

}  // namespace

TWebBrowser::TWebBrowser(TComponent* AOwner) : TWinControl(AOwner) {}

TWebBrowser::~TWebBrowser()
{
    FNativeView.reset();
}

TWebBrowser::EngineFactory TWebBrowser::SetEngineFactory(EngineFactory factory)
{
    EngineFactory previous = CurrentFactory();
    CurrentFactory() = factory ? std::move(factory) : EngineFactory(MakeWebKitEngine);
    return previous;
}

web::BrowserEngine* TWebBrowser::Engine()
{
    if (FEngine || !FEngineError.empty()) return FEngine.get();
    try {
        FEngine = CurrentFactory()(Width(), Height());
    } catch (const std::exception& e) {
        FEngineError = e.what();
        if (FEngineError.empty()) FEngineError = "the browser engine could not start";
        return nullptr;
    }
    if (!FEngine) {
        FEngineError = "the browser engine could not start";
        return nullptr;
    }
    FEngine->SetTimeout(FTimeout);
    FEngine->SetVisible(Visible());
    FEngine->OnBeforeNavigate = [this](std::string_view url) {
        if (OnBeforeNavigate2) OnBeforeNavigate2(this, std::string(url));
    };
    FEngine->OnProgressChange = [this](int progress, int progressMax) {
        if (OnProgressChange) OnProgressChange(this, progress, progressMax);
    };
    UpdateNativeView();
    return FEngine.get();
}

web::Outcome TWebBrowser::NoEngine() const { return web::Outcome::Failure("no browser engine: " + FEngineError); }

void TWebBrowser::Navigate(std::string_view URL)
{
    if (auto* engine = Engine()) engine->Navigate(URL);
}

int TWebBrowser::ReadyState() const { return FEngine ? static_cast<int>(FEngine->GetReadyState()) : 0; }

bool TWebBrowser::HasDocument() const { return FEngine && FEngine->HasDocument(); }

web::Outcome TWebBrowser::WaitUntilComplete(web::BrowserEngine::Milliseconds timeout)
{
    auto* engine = Engine();
    return engine ? engine->WaitUntilComplete(timeout) : NoEngine();
}

web::Outcome TWebBrowser::LoadFromString(std::string_view Html, std::string_view BaseUrl)
{
    auto* engine = Engine();
    if (!engine) return NoEngine();
    web::ExternalMethodTable methods;
    if (GetExternal(methods)) engine->SetExternalMethods(std::move(methods));
    return engine->LoadDocument(Html, BaseUrl);
}

web::Outcome TWebBrowser::ExecScript(std::string_view Script)
{
    auto* engine = Engine();
    return engine ? engine->RunScript(Script) : NoEngine();
}

web::Outcome TWebBrowser::SetBodyStyle(std::string_view Property, std::string_view Value)
{
    auto* engine = Engine();
    return engine ? engine->SetBodyStyle(Property, Value) : NoEngine();
}

web::Outcome TWebBrowser::Snapshot(TBitmap& Picture)
{
    auto* engine = Engine();
    return engine ? web::SnapshotToBitmap(*engine, Picture) : NoEngine();
}

void TWebBrowser::BoundsChanged()
{
    TWinControl::BoundsChanged();
    if (FEngine && Width() > 0 && Height() > 0) FEngine->SetSize(Width(), Height());
    UpdateNativeView();
}

void TWebBrowser::CMVisibleChanged(TMessage& Message)
{
    TWinControl::CMVisibleChanged(Message);
    if (FEngine) FEngine->SetVisible(Visible());
    UpdateNativeView();
}

void TWebBrowser::SetParent(TWinControl* AParent)
{
    TWinControl::SetParent(AParent);
    UpdateNativeView();
}

void TWebBrowser::Dispatch(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    if (Message.Msg == CM_SHOWINGCHANGED) UpdateNativeView();
}

// Painting follows every change that moves the control within its form
// (parents moved or realigned, a menu bar added), so the view follows here too.
void TWebBrowser::PaintWindow(TCanvas& Canvas)
{
    TWinControl::PaintWindow(Canvas);
    UpdateNativeView();
}

void TWebBrowser::DestroyWnd()
{
    // The form's window may be made anew, possibly at the same address.
    FNativeView.reset();
    FEmbeddedIn = nullptr;
    TWinControl::DestroyWnd();
}

void TWebBrowser::UpdateNativeView()
{
    TCustomForm* form = Parent() ? GetParentForm() : nullptr;
    ui::TNativeWindow* window = nullptr;
    if (FEngine && form && form->HandleAllocated() && !ControlState().Contains(csDestroyingHandle) &&
        !ComponentState().Contains(csDestroying))
        window = form->NativeWindow();
    if (window != FEmbeddedIn) {
        FNativeView.reset();
        FEmbeddedIn = nullptr;
        if (!window || !FEngine->NativeView()) return;
        FNativeView = window->EmbedNativeView(FEngine->NativeView());
        if (!FNativeView) return;
        FEmbeddedIn = window;
    }
    if (!FNativeView) return;
    // The window shows the menu bar above the client area; the view covers
    // the whole control, frame included.
    TPoint client = ClientToParent({0, 0}, form);
    TRect frame = WindowClientRect();
    int left = client.X - frame.Left;
    int top = client.Y - frame.Top + form->MenuBarHeight();
    FNativeView->SetBounds(Bounds(left, top, Width(), Height()));
    FNativeView->SetVisible(Showing());
}

void TWebBrowser::SetTimeout(web::BrowserEngine::Milliseconds timeout)
{
    FTimeout = timeout;
    if (FEngine) FEngine->SetTimeout(timeout);
}

bool TWebBrowser::GetExternal(web::ExternalMethodTable&) { return false; }
