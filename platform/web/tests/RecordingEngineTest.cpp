#include "platform/web/RecordingEngine.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using web::ReadyState;
using web::RecordingEngine;
using web::ScriptValue;

TEST(RecordingEngine, RecordsScriptsAndFailsThemOnDemand)
{
    RecordingEngine engine;
    EXPECT_FALSE(engine.RunScript("early();").Ok) << "no document yet";

    engine.Navigate("about:blank");
    ASSERT_TRUE(engine.WaitUntilComplete().Ok);
    ASSERT_TRUE(engine.LoadDocument("<html></html>", "file:///").Ok);
    EXPECT_TRUE(engine.RunScript("deleteMapMarker(0);").Ok);
    engine.FailScriptsWhen([](std::string_view script) { return script.find("\"a\"b\"") != std::string_view::npos; });
    const web::Outcome failed = engine.RunScript("createMapMarker(\"a\"b\");");
    EXPECT_FALSE(failed.Ok);
    EXPECT_FALSE(failed.Error.empty());
    EXPECT_TRUE(engine.SetBodyStyle("overflow", "hidden").Ok);
    engine.FailScriptsWhen({});
    EXPECT_TRUE(engine.RunScript("createMapMarker(\"a\"b\");").Ok);

    const std::vector<std::string> expected = {
        "early();",
        "deleteMapMarker(0);",
        "createMapMarker(\"a\"b\");",
        "document.body.style[\"overflow\"] = \"hidden\";",
        "createMapMarker(\"a\"b\");",
    };
    EXPECT_EQ(engine.Scripts(), expected);
    EXPECT_EQ(engine.Navigations(), std::vector<std::string>{"about:blank"});
    EXPECT_EQ(engine.Documents(), std::vector<std::string>{"<html></html>"});
}

TEST(RecordingEngine, ReportsReadyStateAndNavigationEvents)
{
    RecordingEngine engine;
    EXPECT_EQ(engine.GetReadyState(), ReadyState::Uninitialized);
    EXPECT_FALSE(engine.HasDocument());
    std::vector<std::string> navigations;
    std::vector<int> progress;
    engine.OnBeforeNavigate = [&](std::string_view url) { navigations.emplace_back(url); };
    engine.OnProgressChange = [&](int value, int max) {
        EXPECT_EQ(max, 100);
        progress.push_back(value);
    };

    engine.Navigate("about:blank");
    EXPECT_EQ(engine.GetReadyState(), ReadyState::Complete);
    EXPECT_TRUE(engine.HasDocument());
    EXPECT_EQ(navigations, std::vector<std::string>{"about:blank"});
    EXPECT_EQ(progress, (std::vector<int>{0, 100}));

    ASSERT_TRUE(engine.LoadDocument("<p>", "file:///").Ok);
    EXPECT_EQ(navigations, (std::vector<std::string>{"about:blank", "file:///"})) << "as the browser reports it";

    engine.StopLoadsAt(ReadyState::Loading);
    engine.Navigate("about:blank");
    EXPECT_EQ(engine.GetReadyState(), ReadyState::Loading);
    EXPECT_FALSE(engine.WaitUntilComplete(std::chrono::milliseconds(50)).Ok);

    engine.StopLoadsAt(ReadyState::Complete);
    engine.FailDocumentLoads(true);
    EXPECT_FALSE(engine.LoadDocument("<p>", "file:///").Ok);

    engine.DropDocument();
    EXPECT_EQ(engine.GetReadyState(), ReadyState::Uninitialized);
    EXPECT_FALSE(engine.RunScript("x();").Ok);
}

TEST(RecordingEngine, InjectedCallsReachTheExternalMethodTable)
{
    RecordingEngine engine;
    std::vector<ScriptValue> received;
    engine.SetExternalMethods({
        {"ExternalMarkerDragEnd", [&](const std::vector<ScriptValue>& args) { received = args; }},
        {"ExternalMapIdle", [](const std::vector<ScriptValue>&) { throw std::runtime_error("handler broke"); }},
    });
    std::string failedSource, failure;
    engine.OnHandlerFailed = [&](std::string_view source, std::string_view error) {
        failedSource = source;
        failure = error;
    };

    EXPECT_TRUE(engine.InjectExternalCall("ExternalMarkerDragEnd", {"Tower", 2, 48.5, 2.25}));
    EXPECT_EQ(received, (std::vector<ScriptValue>{"Tower", 2, 48.5, 2.25}));
    EXPECT_FALSE(engine.InjectExternalCall("ExternalNoSuchMethod"));
    EXPECT_FALSE(engine.InjectExternalCall("externalmarkerdragend")) << "names are exact, as in script";

    EXPECT_TRUE(engine.InjectExternalCall("ExternalMapIdle"));
    EXPECT_EQ(failedSource, "ExternalMapIdle");
    EXPECT_EQ(failure, "handler broke");
}

TEST(RecordingEngine, SnapshotHasTheViewSize)
{
    RecordingEngine engine(400, 250);
    web::PixelBuffer picture;
    ASSERT_TRUE(engine.Snapshot(picture).Ok);
    EXPECT_EQ(picture.Width, 400);
    EXPECT_EQ(picture.Height, 250);
    EXPECT_EQ(picture.Pixels.size(), 400u * 250u);
    EXPECT_EQ(picture.Pixel(399, 249), RecordingEngine::SnapshotColour);

    engine.SetSize(120, 80);
    ASSERT_TRUE(engine.Snapshot(picture).Ok);
    EXPECT_EQ(picture.Width, 120);
    EXPECT_EQ(picture.Height, 80);
    engine.FailSnapshots(true);
    EXPECT_FALSE(engine.Snapshot(picture).Ok);
}

}  // namespace
