// The one interface to what only a host can do: top-level windows, presenting
// pixels, delivering input, the event loop, clipboard, dialogs and screen facts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Types.h"
#include "platform/ui/VirtualKeys.h"

class TBitmap;

namespace ui {

struct TFileDialogRequest;
struct TFileDialogAnswer;
struct TMessageBoxRequest;
struct TColorDialogRequest;
struct TFontDialogRequest;
struct TFontDialogAnswer;
struct TFolderDialogRequest;
struct TInputQueryRequest;
struct TPrintDialogRequest;
struct TPrintDialogAnswer;

struct TClipboardContents;
class TThemeLibrary;

// Data dragged over a window: its format names (the clipboard's names, text as
// "text/plain;charset=utf-8") and the bytes of one of them. Bytes from another
// program come only with the drop; before it they are nothing.
class TDragData {
public:
    virtual ~TDragData() = default;
    virtual std::vector<std::string> Formats() = 0;
    virtual std::optional<std::string> Bytes(const std::string& format) = 0;
    // True when a drag of this program carries the data.
    virtual bool Local() const { return false; }
};

// A drag out of one of our windows, as the host runs it.
class TDragOffer : public TDragData {
public:
    bool Local() const override { return true; }
    // Asked while the drag runs: false cancels it.
    virtual bool KeepGoing(bool escapePressed, TShiftState keys) = 0;
    // The effect the window under the pointer would give the drop.
    virtual void Feedback(int effect) = 0;
};

// The frame a host draws around a top-level window.
enum class TNativeFrame { Sizeable, Dialog, Single, ToolWindow, None };

// What a top-level window needs when it is created.
struct TNativeWindowParams {
    std::string Caption;
    TRect Bounds;             // the whole window, screen coordinates
    TNativeFrame Frame = TNativeFrame::Sizeable;
    bool Popup = false;       // never takes activation (drop-downs, menus, hints)
    bool StayOnTop = false;
    class TNativeWindow* Owner = nullptr;
};

// Where a host sends what happens to one of its windows; the ui layer turns each
// call into our messages. Points are client coordinates of the window.
class TNativeWindowEvents {
public:
    virtual ~TNativeWindowEvents() = default;
    // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP with its key data.
    virtual void NativeKey(unsigned msg, unsigned short vk, std::uint32_t keyData) = 0;
    // One typed character (a Unicode code point) after its key-down.
    virtual void NativeChar(char32_t ch, std::uint32_t keyData, bool sysChar) = 0;
    // A mouse button or move message (WM_LBUTTONDOWN .. WM_MBUTTONDBLCLK, WM_MOUSEMOVE).
    virtual void NativeMouse(unsigned msg, TPoint pos, TShiftState shift) = 0;
    virtual void NativeWheel(int delta, TPoint pos, TShiftState shift) = 0;
    virtual void NativeMouseLeave() = 0;
    // A button press on a native view embedded in the window (the browser):
    // true when an open menu or drop-down took it to close, so the view must
    // not see the press (nor its release).
    virtual bool NativeViewPress(TPoint pos) = 0;
    // The host resized or moved the window; sizes are of the client area.
    virtual void NativeResized(int clientWidth, int clientHeight) = 0;
    virtual void NativeMoved(TPoint screenTopLeft) = 0;
    // The window gained or lost the keyboard focus of the desktop.
    virtual void NativeActivated(bool active) = 0;
    // The user asked to close the window (title-bar button, window manager).
    virtual void NativeCloseRequested() = 0;
    // The host lost the pixels and needs the last image again.
    virtual void NativeExposed() = 0;
    // A drag over the window at a client point: the effect (DROPEFFECT_...)
    // a drop there would have, among allowed. A leave ends it without a drop.
    virtual int NativeDragOver(TDragData& data, TPoint pos, TShiftState keys, int allowed) = 0;
    virtual void NativeDragLeave() = 0;
    virtual int NativeDrop(TDragData& data, TPoint pos, TShiftState keys, int allowed) = 0;
};

// A native view embedded in a form at given bounds (the web browser uses it).
// The host places the view above the form's own drawing surface.
class TNativeChildView {
public:
    virtual ~TNativeChildView() = default;
    virtual void SetBounds(const TRect& clientBounds) = 0;
    virtual void SetVisible(bool visible) = 0;
};

// Mouse cursor shapes a host can show.
enum class TNativeCursor {
    Arrow, IBeam, Wait, Cross, UpArrow, SizeAll, SizeNESW, SizeNS, SizeNWSE, SizeWE, No, HandPoint, Help, Hidden,
    Cell, AllScroll, ArrowN, ArrowS, ArrowE, ArrowW, ArrowNE, ArrowNW, ArrowSE, ArrowSW
};

// One top-level window of the host.
class TNativeWindow {
public:
    virtual ~TNativeWindow() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // Moves and sizes the whole window (screen coordinates).
    virtual void SetBounds(const TRect& bounds) = 0;
    // The smallest size the user may give the area the host shows (menu bar and client).
    virtual void SetMinSize(int width, int height) = 0;
    virtual void Show(bool activate) = 0;
    virtual void Hide() = 0;
    virtual void Activate() = 0;
    // Shows the finished image of the client area; dirty is the part that changed.
    virtual void Present(const TBitmap& image, const TRect& dirty) = 0;
    virtual void SetCursor(TNativeCursor cursor) = 0;
    // Keeps mouse input coming to this window while a button is held outside it.
    virtual void SetMouseCapture(bool capture) = 0;
    // Makes the window modal over its owners (true) or ordinary again.
    virtual void SetModal(bool modal) = 0;
    // Embeds a native view created by a host-specific part (such as the browser).
    // nativeView is that host's own object (a GtkWidget* on GTK); null where the
    // host cannot embed views, which the caller must allow for.
    virtual std::unique_ptr<TNativeChildView> EmbedNativeView(void* nativeView) = 0;
    // Shows only the given part of the window (window coordinates) and lets
    // mouse input through elsewhere; nothing shows the whole window again.
    // Hosts that cannot shape windows ignore it.
    virtual void SetShape(const std::optional<TRect>& shape) { (void)shape; }
    // Drags the offer from this window while the left button is down, until
    // it is dropped on a window (of any program) or cancelled. Answers the
    // drop's effect among allowedEffects (platform/ui/DragDrop.h), none when
    // cancelled.
    virtual int RunDrag(TDragOffer& offer, int allowedEffects) = 0;
};

// Named clipboard formats to bytes: text is "text/plain;charset=utf-8" (UTF-8),
// other formats use the names they were registered with.
struct TClipboardContents {
    std::vector<std::pair<std::string, std::string>> Items;
};

// The host's clipboard.
class TNativeClipboard {
public:
    virtual ~TNativeClipboard() = default;
    virtual void SetContents(const TClipboardContents& contents) = 0;
    virtual TClipboardContents Contents() = 0;
};

// The host's modal dialogs. Each returns nothing when the user cancelled.
class TNativeDialogs {
public:
    virtual ~TNativeDialogs() = default;
    virtual std::optional<TFileDialogAnswer> RunFileDialog(const TFileDialogRequest& request) = 0;
    // Returns the identifier of the pressed button (mrOk, mrYes ...).
    virtual int RunMessageBox(const TMessageBoxRequest& request) = 0;
    virtual std::optional<std::uint32_t> RunColorDialog(const TColorDialogRequest& request) = 0;
    virtual std::optional<TFontDialogAnswer> RunFontDialog(const TFontDialogRequest& request) = 0;
    virtual std::optional<std::string> RunFolderDialog(const TFolderDialogRequest& request) = 0;
    virtual std::optional<std::string> RunInputQuery(const TInputQueryRequest& request) = 0;
    virtual std::optional<TPrintDialogAnswer> RunPrintDialog(const TPrintDialogRequest& request) = 0;
};

// A finished PDF document for a printer of the print system.
struct TPrintJobRequest {
    std::string Printer;
    std::string DocumentFile;
    std::string Title;
    int Copies = 1;
};

// Facts about the screen.
struct TScreenMetrics {
    int Width = 1920;
    int Height = 1080;
    TRect WorkArea{0, 0, 1920, 1080};
    int PixelsPerInch = 96;
};

// What only a host can do. One backend exists per process.
class TBackend {
public:
    virtual ~TBackend() = default;
    // "headless" or "gtk": for diagnostics only; nothing may branch on it.
    virtual std::string Name() const = 0;

    virtual std::unique_ptr<TNativeWindow> CreateNativeWindow(const TNativeWindowParams& params,
                                                              TNativeWindowEvents& events) = 0;

    // The clock timers run on, in milliseconds from an arbitrary start.
    virtual std::uint64_t NowMs() = 0;
    // Handles the host's pending events without waiting.
    virtual void PollEvents() = 0;
    // Waits until the host has an event, Wake is called, or the clock reaches
    // deadlineMs; with no deadline it may wait indefinitely. Returns after
    // handling whatever arrived.
    virtual void WaitForEvents(std::optional<std::uint64_t> deadlineMs) = 0;
    // Ends a WaitForEvents early; safe to call from any thread.
    virtual void Wake() = 0;

    virtual TNativeClipboard& Clipboard() = 0;
    virtual TNativeDialogs& Dialogs() = 0;
    virtual TScreenMetrics ScreenMetrics() = 0;
    // The mouse position in screen coordinates, as last known.
    virtual TPoint CursorPos() = 0;
    // Opens a file or an address with the desktop's program for it.
    virtual bool OpenDocument(const std::string& target) = 0;
    // The desktop theme's drawing of standard controls; null where the host
    // has no desktop theme.
    virtual std::unique_ptr<TThemeLibrary> LoadThemeLibrary();
    // The printers of the print system, by name; none where there is no print system.
    virtual std::vector<std::string> PrinterNames() { return {}; }
    // Hands a finished document to a printer: the failure's text, or empty when the
    // print system took the job.
    virtual std::string SubmitPrintJob(const TPrintJobRequest& job)
    {
        return "there is no print system to send \"" + job.Title + "\" to " + job.Printer;
    }
};

using TBackendFactory = std::function<std::unique_ptr<TBackend>()>;

// The backend in use; made by the registered factory on first use. Throws
// EInvalidOperation when no backend library is linked.
TBackend& Backend();
bool BackendCreated();
// Installs the factory the backend library provides (done at start-up by the
// backend library itself).
void SetBackendFactory(TBackendFactory factory);
// Replaces the backend in use (tests install a fresh headless backend).
void SetBackend(std::unique_ptr<TBackend> backend);

} // namespace ui
