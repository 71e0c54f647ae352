// The browser engine seam: navigation, documents, scripts, the page's external object and snapshots.
//
// Two engines implement it: WebKitEngine (a real browser, needs a display)
// and RecordingEngine (records script texts, for tests without a display).
// Nothing here throws once an engine exists: operations that can fail return
// an Outcome, and every wait is bounded by a time limit.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/web/ScriptValue.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace web {

// Creating an engine failed: no display, or the engine could not start.
class EBrowserUnavailable : public Exception {
public:
    using Exception::Exception;
};

// The document's progress, numbered as script hosts number it (complete is 4).
enum class ReadyState {
    Uninitialized = 0,  // nothing loaded yet, or the page's process ended
    Loading = 1,        // a navigation or document load has started
    Interactive = 3,    // the new document is committed and runs script
    Complete = 4,       // the load has finished (or failed)
};

// The result of an operation that fails without throwing.
struct [[nodiscard]] Outcome {
    bool Ok = true;
    std::string Error;  // what went wrong, when not Ok
    std::string Value;  // a script's result as JSON text; "" for undefined and for other operations

    explicit operator bool() const { return Ok; }
    static Outcome Success(std::string value = {}) { return {true, {}, std::move(value)}; }
    static Outcome Failure(std::string error) { return {false, std::move(error), {}}; }
};

// A picture of the view: rows top to bottom, one 0xAARRGGBB value per pixel
// with premultiplied alpha (the layout of a 32-bit Cairo image surface).
struct PixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    std::uint32_t Pixel(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

// One method of the page's external object; it receives the call's arguments.
using ExternalMethod = std::function<void(const std::vector<ScriptValue>& args)>;
using ExternalMethodTable = std::map<std::string, ExternalMethod, std::less<>>;

class BrowserEngine {
public:
    using Milliseconds = std::chrono::milliseconds;
    static constexpr Milliseconds DefaultTimeout{10000};

    BrowserEngine() = default;
    BrowserEngine(const BrowserEngine&) = delete;
    BrowserEngine& operator=(const BrowserEngine&) = delete;
    virtual ~BrowserEngine() = default;

    // Raised before every navigation, of the document or of a frame in it (a
    // document loaded from text included, with its base address), with its address.
    std::function<void(std::string_view url)> OnBeforeNavigate;
    // Raised as a load advances; progressMax is 100.
    std::function<void(int progress, int progressMax)> OnProgressChange;
    // Raised when one of the handlers above or an external method threw; the
    // exception stops there. source is the event's or the method's name.
    std::function<void(std::string_view source, std::string_view error)> OnHandlerFailed;

    // The limit of every wait that is not given its own.
    Milliseconds Timeout() const { return FTimeout; }
    void SetTimeout(Milliseconds timeout) { FTimeout = timeout; }

    virtual ReadyState GetReadyState() const = 0;
    // True once a document has been committed (and its page still lives).
    virtual bool HasDocument() const = 0;

    // Starts navigating the top document to url; does not wait.
    virtual void Navigate(std::string_view url) = 0;
    // Waits until the ready state is Complete; fails when the load failed or
    // the time limit passed first.
    Outcome WaitUntilComplete() { return WaitUntilComplete(FTimeout); }
    virtual Outcome WaitUntilComplete(Milliseconds timeout) = 0;

    // Replaces the document with html (relative addresses resolve against
    // baseUrl) and waits until the new document is committed, so scripts run
    // afterwards reach it rather than the previous one.
    virtual Outcome LoadDocument(std::string_view html, std::string_view baseUrl) = 0;

    // Runs script in the page's window. A syntax error, an exception thrown by
    // the script, no document or the time limit passing is a failure. Value
    // holds the script's completion value as JSON when it has one.
    Outcome RunScript(std::string_view script) { return RunScript(script, FTimeout); }
    virtual Outcome RunScript(std::string_view script, Milliseconds timeout) = 0;

    // Sets one CSS property of the document body ("overflow", "hidden").
    Outcome SetBodyStyle(std::string_view property, std::string_view value);

    // The page's window.external: one method per table entry. The object is
    // built into each document as it starts, so a change reaches documents
    // loaded afterwards. Calls arrive asynchronously, in order, on the thread
    // that runs the engine; calls to names not in the table are ignored.
    void SetExternalMethods(ExternalMethodTable methods);
    const ExternalMethodTable& ExternalMethods() const { return FExternalMethods; }

    // A picture of exactly Width() × Height() pixels, whatever the display scale.
    virtual Outcome Snapshot(PixelBuffer& picture) = 0;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetSize(int width, int height) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    // The view as the host's own widget, for a window to embed; null when the
    // engine has nothing to show. The engine keeps ownership; a host that
    // borrows the view gives it back to where it found it.
    virtual void* NativeView() { return nullptr; }

protected:
    virtual void ExternalMethodsChanged() = 0;
    // Runs the external method `name` with args; false when there is none.
    bool DispatchExternalCall(std::string_view name, const std::vector<ScriptValue>& args);
    // Event raising that never lets a handler's exception escape into the engine.
    void RaiseBeforeNavigate(std::string_view url);
    void RaiseProgressChange(int progress, int progressMax);

private:
    void Guarded(std::string_view source, const std::function<void()>& handler);

    Milliseconds FTimeout = DefaultTimeout;
    ExternalMethodTable FExternalMethods;
};

}  // namespace web
