// The browser engine seam: what both engines share.
#include "platform/web/BrowserEngine.h"

#include "platform/web/ScriptText.h"

namespace web {

Outcome BrowserEngine::SetBodyStyle(std::string_view property, std::string_view value)
{
    return RunScript(BodyStyleScript(property, value));
}

void BrowserEngine::SetExternalMethods(ExternalMethodTable methods)
{
    FExternalMethods = std::move(methods);
    ExternalMethodsChanged();
}

bool BrowserEngine::DispatchExternalCall(std::string_view name, const std::vector<ScriptValue>& args)
{
    const auto found = FExternalMethods.find(name);
    if (found == FExternalMethods.end() || !found->second)
        return false;
    // A copy, so a method that replaces the table does not destroy itself while running.
    const ExternalMethod method = found->second;
    Guarded(name, [&] { method(args); });
    return true;
}

void BrowserEngine::RaiseBeforeNavigate(std::string_view url)
{
    if (OnBeforeNavigate)
        Guarded("OnBeforeNavigate", [&] { OnBeforeNavigate(url); });
}

void BrowserEngine::RaiseProgressChange(int progress, int progressMax)
{
    if (OnProgressChange)
        Guarded("OnProgressChange", [&] { OnProgressChange(progress, progressMax); });
}

// Handlers run from the engine's event loop, where an exception must not unwind.
void BrowserEngine::Guarded(std::string_view source, const std::function<void()>& handler)
{
    std::string error;
    try {
        handler();
        return;
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = "unknown exception";
    }
    if (OnHandlerFailed) {
        try {
            OnHandlerFailed(source, error);
        } catch (...) {
            // The report of a failure has nowhere further to go.
        }
    }
}

}  // namespace web
