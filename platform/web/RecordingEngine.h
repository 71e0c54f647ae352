// A browser engine without a browser: it records what it is asked to do, for tests without a display.
//
// Navigations and document loads complete at once (or stop at a chosen ready
// state), every script text is recorded and succeeds unless a test makes it
// fail, tests play the page's external calls with InjectExternalCall, and a
// snapshot is a plain picture of the view's size in one colour.
#pragma once

#include "platform/web/BrowserEngine.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace web {

class RecordingEngine final : public BrowserEngine {
public:
    static constexpr std::uint32_t SnapshotColour = 0xFFFFFFFF;

    explicit RecordingEngine(int width = 400, int height = 250);

    ReadyState GetReadyState() const override { return FReadyState; }
    bool HasDocument() const override { return FHasDocument; }
    void Navigate(std::string_view url) override;
    Outcome WaitUntilComplete(Milliseconds timeout) override;
    Outcome LoadDocument(std::string_view html, std::string_view baseUrl) override;
    Outcome RunScript(std::string_view script, Milliseconds timeout) override;
    Outcome Snapshot(PixelBuffer& picture) override;
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetSize(int width, int height) override;
    bool Visible() const override { return FVisible; }
    void SetVisible(bool visible) override { FVisible = visible; }

    using BrowserEngine::RunScript;
    using BrowserEngine::WaitUntilComplete;

    // What was asked, oldest first. A script run without a document is
    // recorded too: the record is of what callers sent.
    const std::vector<std::string>& Scripts() const { return FScripts; }
    const std::vector<std::string>& Navigations() const { return FNavigations; }
    const std::vector<std::string>& Documents() const { return FDocuments; }
    void ClearScripts() { FScripts.clear(); }

    // Scripts for which failsWhen answers true fail with a script error; an
    // empty predicate lets every script succeed again.
    void FailScriptsWhen(std::function<bool(std::string_view script)> failsWhen);
    // Later navigations and document loads stop at this state (Complete by
    // default), so waits for completion time out.
    void StopLoadsAt(ReadyState state) { FStopAt = state; }
    // Later document loads fail while this is set.
    void FailDocumentLoads(bool fail) { FFailDocumentLoads = fail; }
    void FailSnapshots(bool fail) { FFailSnapshots = fail; }
    // The page's process ended: no document, state Uninitialized.
    void DropDocument();

    // Plays a call of the page's window.external; false when the table has
    // no method of that name.
    bool InjectExternalCall(std::string_view name, const std::vector<ScriptValue>& args = {});

protected:
    void ExternalMethodsChanged() override {}

private:
    void ReachStopState();

    ReadyState FReadyState = ReadyState::Uninitialized;
    ReadyState FStopAt = ReadyState::Complete;
    bool FHasDocument = false;
    bool FFailDocumentLoads = false;
    bool FFailSnapshots = false;
    bool FVisible = true;
    int FWidth;
    int FHeight;
    std::function<bool(std::string_view)> FFailsWhen;
    std::vector<std::string> FScripts;
    std::vector<std::string> FNavigations;
    std::vector<std::string> FDocuments;
};

}  // namespace web
