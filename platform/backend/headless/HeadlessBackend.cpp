// THeadlessBackend: in-memory windows, an in-process clipboard, a clock that
// jumps to the next timer, and dialogs answered by the test hook.
#include "platform/backend/headless/HeadlessBackend.h"

#include <filesystem>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageQueue.h"

namespace backend {

namespace {

class THeadlessClipboard final : public ui::TNativeClipboard {
public:
    void SetContents(const ui::TClipboardContents& contents) override { FContents = contents; }
    ui::TClipboardContents Contents() override { return FContents; }

private:
    ui::TClipboardContents FContents;
};

template <class F>
F& Require(F& handler, const char* what)
{
    if (!handler) throw EDialogUnanswered(std::string("No test answers the ") + what + " shown without a display");
    return handler;
}

class THeadlessDialogs final : public ui::TNativeDialogs {
public:
    std::optional<ui::TFileDialogAnswer> RunFileDialog(const ui::TFileDialogRequest& request) override
    {
        auto answer = Require(ui::DialogHook().FileDialog, "file dialog")(request);
        if (answer && request.Kind == ui::TFileDialogKind::Save && request.OverwritePrompt && !answer->Files.empty() &&
            std::filesystem::exists(answer->Files.front())) {
            ui::TMessageBoxRequest confirm{request.Title.empty() ? "Confirm Save As" : request.Title,
                                           answer->Files.front() + " already exists.\nDo you want to replace it?",
                                           mtWarning, {mrYes, mrNo}};
            if (RunMessageBox(confirm) != mrYes) return std::nullopt;
        }
        return answer;
    }
    int RunMessageBox(const ui::TMessageBoxRequest& request) override
    {
        return Require(ui::DialogHook().MessageBox, "message box")(request);
    }
    std::optional<std::uint32_t> RunColorDialog(const ui::TColorDialogRequest& request) override
    {
        return Require(ui::DialogHook().ColorDialog, "colour dialog")(request);
    }
    std::optional<ui::TFontDialogAnswer> RunFontDialog(const ui::TFontDialogRequest& request) override
    {
        return Require(ui::DialogHook().FontDialog, "font dialog")(request);
    }
    std::optional<std::string> RunFolderDialog(const ui::TFolderDialogRequest& request) override
    {
        return Require(ui::DialogHook().FolderDialog, "folder dialog")(request);
    }
    std::optional<std::string> RunInputQuery(const ui::TInputQueryRequest& request) override
    {
        return Require(ui::DialogHook().InputQuery, "input box")(request);
    }
    std::optional<ui::TPrintDialogAnswer> RunPrintDialog(const ui::TPrintDialogRequest& request) override
    {
        return Require(ui::DialogHook().PrintDialog, "print dialog")(request);
    }
};

} // namespace

THeadlessBackend::THeadlessBackend()
    : FClipboard(std::make_unique<THeadlessClipboard>()), FDialogs(std::make_unique<THeadlessDialogs>())
{
}

THeadlessBackend::~THeadlessBackend() = default;

std::unique_ptr<ui::TNativeWindow> THeadlessBackend::CreateNativeWindow(const ui::TNativeWindowParams& params,
                                                                        ui::TNativeWindowEvents& events)
{
    return std::make_unique<THeadlessWindow>(params, events);
}

void THeadlessBackend::WaitForEvents(std::optional<std::uint64_t> deadlineMs)
{
    if (!deadlineMs)
        throw EInvalidOperation("The message loop waits for input, but without a display no input can come; "
                                "a test must post the message or answer the window it waits for");
    if (*deadlineMs > FNow) FNow = *deadlineMs;
}

ui::TNativeClipboard& THeadlessBackend::Clipboard() { return *FClipboard; }

ui::TNativeDialogs& THeadlessBackend::Dialogs() { return *FDialogs; }

bool THeadlessBackend::OpenDocument(const std::string& target)
{
    throw EInvalidOperation("Opening \"" + target + "\" needs a desktop; tests replace the shell's open");
}

THeadlessWindow::THeadlessWindow(const ui::TNativeWindowParams& params, ui::TNativeWindowEvents& events)
    : FParams(params), FEvents(events)
{
}

int THeadlessBackend::Drop(ui::TDragOffer& offer, int allowedEffects)
{
    // The pointer moved with the button held: the source is asked once.
    if (!offer.KeepGoing(false, TShiftState{ssLeft})) return 0;
    int effect = 0;
    if (FDragHandler) {
        effect = FDragHandler(offer, allowedEffects);
    } else if (FDropHandler) {
        ui::TClipboardContents data;
        for (const std::string& format : offer.Formats())
            if (auto bytes = offer.Bytes(format)) data.Items.emplace_back(format, *bytes);
        effect = FDropHandler(data, allowedEffects);
    }
    offer.Feedback(effect);
    return effect;
}

int THeadlessWindow::RunDrag(ui::TDragOffer& offer, int allowedEffects)
{
    return HeadlessBackend().Drop(offer, allowedEffects);
}

THeadlessBackend& HeadlessBackend()
{
    auto* b = dynamic_cast<THeadlessBackend*>(&ui::Backend());
    if (!b) throw EInvalidOperation("The headless backend is not the one in use");
    return *b;
}

} // namespace backend
