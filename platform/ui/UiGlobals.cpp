// The process-wide objects of the window layer, created and destroyed in one
// place so their order is fixed: forms go before the screen, the backend last.
#include <memory>

#include "platform/classes/ExceptionHook.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Screen.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

namespace {

struct TUiGlobals {
    ui::TBackendFactory Factory;
    std::unique_ptr<ui::TBackend> Backend;
    std::unique_ptr<TMouse> MouseObject = std::make_unique<TMouse>();
    std::unique_ptr<TScreen> ScreenObject = std::make_unique<TScreen>(nullptr);
    std::unique_ptr<TApplication> ApplicationObject = std::make_unique<TApplication>(nullptr);

    TUiGlobals()
    {
        Mouse = MouseObject.get();
        Screen = ScreenObject.get();
        Application = ApplicationObject.get();
        // Exceptions that escape handlers anywhere are reported by the application.
        classes::SetExceptionHandler([](TObject* sender, const std::exception& e) {
            if (Application) Application->ReportException(sender, e);
        });
    }
    ~TUiGlobals()
    {
        classes::SetExceptionHandler(nullptr);
        ApplicationObject.reset();
        Application = nullptr;
        ScreenObject.reset();
        Screen = nullptr;
        Mouse = nullptr;
    }
};

TUiGlobals& Globals()
{
    static TUiGlobals globals;
    return globals;
}

// Made before main so that Application, Screen and Mouse are there from the start.
[[maybe_unused]] const bool gMade = (Globals(), true);

} // namespace

namespace ui {

TBackend& Backend()
{
    auto& g = Globals();
    if (!g.Backend) {
        if (!g.Factory) throw EInvalidOperation("No window backend is linked into this program");
        g.Backend = g.Factory();
    }
    return *g.Backend;
}

bool BackendCreated() { return Globals().Backend != nullptr; }

void SetBackendFactory(TBackendFactory factory) { Globals().Factory = std::move(factory); }

void SetBackend(std::unique_ptr<TBackend> backend) { Globals().Backend = std::move(backend); }

} // namespace ui
