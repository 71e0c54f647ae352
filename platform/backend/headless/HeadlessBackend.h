// The backend without a display: windows live in memory, the clock moves only
// when the loop would wait, and dialogs are answered by the test hook.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Backend.h"

class TCustomForm;
class TControl;

namespace backend {

class THeadlessWindow;

class THeadlessBackend final : public ui::TBackend {
public:
    THeadlessBackend();
    ~THeadlessBackend() override;

    std::string Name() const override { return "headless"; }
    std::unique_ptr<ui::TNativeWindow> CreateNativeWindow(const ui::TNativeWindowParams& params,
                                                         ui::TNativeWindowEvents& events) override;
    std::uint64_t NowMs() override { return FNow; }
    void PollEvents() override {}
    // Jumps the clock to the deadline; with none, nothing could ever arrive,
    // so it raises EInvalidOperation instead of hanging.
    void WaitForEvents(std::optional<std::uint64_t> deadlineMs) override;
    void Wake() override {}
    ui::TNativeClipboard& Clipboard() override;
    ui::TNativeDialogs& Dialogs() override;
    ui::TScreenMetrics ScreenMetrics() override { return {}; }
    TPoint CursorPos() override { return FCursor; }
    // Raises EInvalidOperation: tests replace the shell's open.
    bool OpenDocument(const std::string& target) override;

    void AdvanceClock(std::uint64_t ms) { FNow += ms; }

    // Where a drag ends: the test's drop target gets the dragged data and the
    // allowed effects and answers the effect of its drop. Without one, every
    // drag is cancelled.
    using TDropHandler = std::function<int(const ui::TClipboardContents& data, int allowedEffects)>;
    void SetDropHandler(TDropHandler handler) { FDropHandler = std::move(handler); }
    // The same with the running drag itself, which a test can carry over one
    // of our windows (backend::input::DragOver, Drop) or steer by hand.
    using TDragHandler = std::function<int(ui::TDragOffer& offer, int allowedEffects)>;
    void SetDragHandler(TDragHandler handler) { FDragHandler = std::move(handler); }
    int Drop(ui::TDragOffer& offer, int allowedEffects);

private:
    TDropHandler FDropHandler;
    TDragHandler FDragHandler;
    std::uint64_t FNow = 1000;
    TPoint FCursor;
    std::unique_ptr<ui::TNativeClipboard> FClipboard;
    std::unique_ptr<ui::TNativeDialogs> FDialogs;
};

// The in-memory window behind a form.
class THeadlessWindow final : public ui::TNativeWindow {
public:
    THeadlessWindow(const ui::TNativeWindowParams& params, ui::TNativeWindowEvents& events);
    void SetCaption(const std::string& caption) override { FParams.Caption = caption; }
    void SetBounds(const TRect& bounds) override { FParams.Bounds = bounds; }
    void SetMinSize(int width, int height) override { FMinSize = {width, height}; }
    void Show(bool) override { FVisible = true; }
    void Hide() override { FVisible = false; }
    void Activate() override {}
    void Present(const TBitmap&, const TRect&) override { ++FPresents; }
    void SetCursor(ui::TNativeCursor cursor) override { FCursor = cursor; }
    void SetMouseCapture(bool capture) override { FCaptured = capture; }
    void SetModal(bool modal) override { FModal = modal; }
    std::unique_ptr<ui::TNativeChildView> EmbedNativeView(void*) override { return nullptr; }
    int RunDrag(ui::TDragOffer& offer, int allowedEffects) override;

    ui::TNativeWindowEvents& Events() const noexcept { return FEvents; }
    const ui::TNativeWindowParams& Params() const noexcept { return FParams; }
    bool IsVisible() const noexcept { return FVisible; }
    bool Captured() const noexcept { return FCaptured; }
    bool IsModal() const noexcept { return FModal; }
    int Presents() const noexcept { return FPresents; }
    TPoint MinSize() const noexcept { return FMinSize; }
    ui::TNativeCursor Cursor() const noexcept { return FCursor; }

private:
    ui::TNativeWindowParams FParams;
    ui::TNativeWindowEvents& FEvents;
    bool FVisible = false, FCaptured = false, FModal = false;
    int FPresents = 0;
    TPoint FMinSize;
    ui::TNativeCursor FCursor = ui::TNativeCursor::Arrow;
};

// Installs a fresh headless backend and clears the window layer's queues and
// keyboard state: each test starts from the same state.
THeadlessBackend& InstallHeadlessBackend();
// The headless backend in use; raises EInvalidOperation when another runs.
THeadlessBackend& HeadlessBackend();

} // namespace backend
