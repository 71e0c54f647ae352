// A browser engine without a browser: it records what it is asked to do.
#include "platform/web/RecordingEngine.h"

#include <algorithm>

namespace web {

RecordingEngine::RecordingEngine(int width, int height) : FWidth(std::max(width, 0)), FHeight(std::max(height, 0))
{
}

void RecordingEngine::ReachStopState()
{
    FReadyState = FStopAt;
    if (FStopAt == ReadyState::Interactive || FStopAt == ReadyState::Complete)
        FHasDocument = true;
    RaiseProgressChange(FStopAt == ReadyState::Complete ? 100 : 50, 100);
}

void RecordingEngine::Navigate(std::string_view url)
{
    FNavigations.emplace_back(url);
    RaiseBeforeNavigate(url);
    FReadyState = ReadyState::Loading;
    RaiseProgressChange(0, 100);
    ReachStopState();
}

Outcome RecordingEngine::WaitUntilComplete(Milliseconds timeout)
{
    // Nothing would ever advance the state, so there is no point in waiting.
    if (FReadyState != ReadyState::Complete)
        return Outcome::Failure("the page did not finish loading within " + std::to_string(timeout.count()) +
                                " ms");
    return Outcome::Success();
}

Outcome RecordingEngine::LoadDocument(std::string_view html, std::string_view baseUrl)
{
    FDocuments.emplace_back(html);
    RaiseBeforeNavigate(baseUrl);
    if (FFailDocumentLoads) {
        FReadyState = ReadyState::Complete;
        return Outcome::Failure("the document could not be loaded (recording engine)");
    }
    FReadyState = ReadyState::Loading;
    RaiseProgressChange(0, 100);
    ReachStopState();
    if (!FHasDocument)
        return Outcome::Failure("the document was not committed within " + std::to_string(Timeout().count()) +
                                " ms");
    return Outcome::Success();
}

Outcome RecordingEngine::RunScript(std::string_view script, Milliseconds)
{
    FScripts.emplace_back(script);
    if (!FHasDocument)
        return Outcome::Failure("there is no document to run the script in");
    if (FFailsWhen && FFailsWhen(script))
        return Outcome::Failure("script error (recording engine)");
    return Outcome::Success();
}

Outcome RecordingEngine::Snapshot(PixelBuffer& picture)
{
    if (FFailSnapshots)
        return Outcome::Failure("the snapshot failed (recording engine)");
    picture.Width = FWidth;
    picture.Height = FHeight;
    picture.Pixels.assign(static_cast<std::size_t>(FWidth) * FHeight, SnapshotColour);
    return Outcome::Success();
}

void RecordingEngine::SetSize(int width, int height)
{
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
}

void RecordingEngine::FailScriptsWhen(std::function<bool(std::string_view script)> failsWhen)
{
    FFailsWhen = std::move(failsWhen);
}

void RecordingEngine::DropDocument()
{
    FHasDocument = false;
    FReadyState = ReadyState::Uninitialized;
}

bool RecordingEngine::InjectExternalCall(std::string_view name, const std::vector<ScriptValue>& args)
{
    return DispatchExternalCall(name, args);
}

}  // namespace web
