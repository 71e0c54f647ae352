#include "platform/web/WebKitEngine.h"

#include "platform/net/testing/LoopbackHttpServer.h"
#include "platform/web/ScriptText.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace std::chrono_literals;
using web::Outcome;
using web::ReadyState;
using web::ScriptValue;
using web::WebKitEngine;

class WebKitEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        if (!WebKitEngine::DisplayAvailable(&whyNot))
            GTEST_SKIP() << whyNot;
        engine = std::make_unique<WebKitEngine>(320, 200);
    }

    void LoadPage(const std::string& html)
    {
        engine->Navigate("about:blank");
        ASSERT_TRUE(engine->WaitUntilComplete().Ok);
        const Outcome loaded = engine->LoadDocument(html, "file:///");
        ASSERT_TRUE(loaded.Ok) << loaded.Error;
    }

    std::unique_ptr<WebKitEngine> engine;
};

TEST_F(WebKitEngineTest, NavigatesWithReadyStateAndEvents)
{
    std::vector<std::string> navigations;
    int lastProgress = -1;
    engine->OnBeforeNavigate = [&](std::string_view url) { navigations.emplace_back(url); };
    engine->OnProgressChange = [&](int progress, int max) {
        EXPECT_EQ(max, 100);
        lastProgress = progress;
    };
    EXPECT_EQ(engine->GetReadyState(), ReadyState::Uninitialized);
    EXPECT_FALSE(engine->HasDocument());
    EXPECT_FALSE(engine->RunScript("1;").Ok) << "no document yet";

    engine->Navigate("about:blank");
    EXPECT_EQ(engine->GetReadyState(), ReadyState::Loading);
    const Outcome completed = engine->WaitUntilComplete();
    ASSERT_TRUE(completed.Ok) << completed.Error;
    EXPECT_EQ(engine->GetReadyState(), ReadyState::Complete);
    EXPECT_TRUE(engine->HasDocument());
    EXPECT_EQ(navigations, std::vector<std::string>{"about:blank"});
    EXPECT_EQ(lastProgress, 100);

    // The new document is the one scripts reach as soon as the load returns.
    ASSERT_TRUE(engine->LoadDocument("<html><body><p id='p'>fresh</p></body></html>", "file:///").Ok);
    EXPECT_EQ(engine->RunScript("document.getElementById('p').textContent").Value, "\"fresh\"");
    EXPECT_TRUE(engine->WaitUntilComplete().Ok);
    EXPECT_EQ(navigations, (std::vector<std::string>{"about:blank", "file:///"})) << "a document load navigates too";
}

TEST_F(WebKitEngineTest, ScriptsReportSuccessAndFailure)
{
    LoadPage("<html><body><script>var counter = 1;</script></body></html>");

    const Outcome ok = engine->RunScript("counter += 41; counter;");
    EXPECT_TRUE(ok.Ok) << ok.Error;
    EXPECT_EQ(ok.Value, "42");
    EXPECT_EQ(engine->RunScript("var nothing = 1;").Value, "");
    EXPECT_TRUE(engine->RunScript("document.body").Ok) << "a result that cannot travel back is no failure";

    struct Case {
        const char* name;
        const char* script;
    };
    const Case failures[] = {
        {"thrown error", "throw new Error('boom');"},
        {"type error", "var a = []; a[5].x();"},
        {"syntax error", "createMapMarker(\"a\"b\");"},
        {"unknown function", "noSuchFunction();"},
    };
    for (const Case& c : failures) {
        const Outcome failed = engine->RunScript(c.script);
        EXPECT_FALSE(failed.Ok) << c.name;
        EXPECT_FALSE(failed.Error.empty()) << c.name;
    }
    EXPECT_EQ(engine->RunScript("counter").Value, "42") << "failures leave the page usable";
}

TEST_F(WebKitEngineTest, ScriptTimeOutIsAFailureAndThePageRecovers)
{
    LoadPage("<html><body></body></html>");
    const Outcome slow = engine->RunScript("var t = Date.now(); while (Date.now() - t < 1500) {} 'late';", 200ms);
    EXPECT_FALSE(slow.Ok);
    EXPECT_NE(slow.Error.find("200 ms"), std::string::npos) << slow.Error;
    // The late answer of the abandoned script must not disturb the next one.
    const Outcome next = engine->RunScript("'next'", 5000ms);
    EXPECT_TRUE(next.Ok) << next.Error;
    EXPECT_EQ(next.Value, "\"next\"");
}

TEST_F(WebKitEngineTest, ExternalCallsReachCWithTheirArgumentsIntact)
{
    const std::string awkward = "quote \" backslash \\ line\nbreak </script> end";
    std::vector<std::vector<ScriptValue>> calls;
    std::vector<std::string> names;
    engine->SetExternalMethods({
        {"ExternalMarkerClick",
         [&](const std::vector<ScriptValue>& args) {
             names.emplace_back("ExternalMarkerClick");
             calls.push_back(args);
         }},
        {"ExternalMapIdle",
         [&](const std::vector<ScriptValue>& args) {
             names.emplace_back("ExternalMapIdle");
             calls.push_back(args);
         }},
    });
    // The inline script carries the awkward text as a literal: it must survive the HTML parser too.
    LoadPage("<html><body><script>window.external.ExternalMarkerClick(" + web::ScriptStringLiteral(awkward) +
             ", 3, 48.85904, 2.294297, 1);</script></body></html>");
    ASSERT_TRUE(engine->RunScript("window.external.ExternalMapIdle(true, null, undefined, {a: 1}, -0.5);").Ok);
    WebKitEngine::ProcessEvents(5000ms, [&] { return calls.size() >= 2; });

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(names, (std::vector<std::string>{"ExternalMarkerClick", "ExternalMapIdle"}));
    EXPECT_EQ(calls[0], (std::vector<ScriptValue>{awkward, 3, 48.85904, 2.294297, 1}));
    EXPECT_EQ(calls[1], (std::vector<ScriptValue>{true, {}, {}, "[object Object]", -0.5}));

    // Only the table's methods exist, and the page cannot swap the object.
    EXPECT_EQ(engine->RunScript("typeof window.external.ExternalMapClick").Value, "\"undefined\"");
    (void)engine->RunScript("window.external = {}; window.external.ExternalMapIdle2 = 1;");
    EXPECT_EQ(engine->RunScript("typeof window.external.ExternalMapIdle").Value, "\"function\"");
}

TEST_F(WebKitEngineTest, ExternalMethodThatThrowsIsReportedNotPropagated)
{
    engine->SetExternalMethods(
        {{"ExternalMapIdle", [](const std::vector<ScriptValue>&) { throw std::runtime_error("handler broke"); }}});
    std::string failure;
    engine->OnHandlerFailed = [&](std::string_view source, std::string_view error) {
        failure = std::string(source) + ": " + std::string(error);
    };
    LoadPage("<html><body></body></html>");
    ASSERT_TRUE(engine->RunScript("window.external.ExternalMapIdle();").Ok);
    WebKitEngine::ProcessEvents(5000ms, [&] { return !failure.empty(); });
    EXPECT_EQ(failure, "ExternalMapIdle: handler broke");
}

TEST_F(WebKitEngineTest, BodyStyleReachesTheDocument)
{
    LoadPage("<html><body style='overflow: scroll'>x</body></html>");
    ASSERT_TRUE(engine->SetBodyStyle("overflow", "hidden").Ok);
    ASSERT_TRUE(engine->SetBodyStyle("borderStyle", "none").Ok);
    EXPECT_EQ(engine->RunScript("getComputedStyle(document.body).overflow").Value, "\"hidden\"");
    EXPECT_EQ(engine->RunScript("document.body.style.borderStyle").Value, "\"none\"");
}

TEST_F(WebKitEngineTest, HiddenViewKeepsRunningItsPage)
{
    // A page loading out of sight must still reach the point where it reports back.
    engine->SetVisible(false);
    EXPECT_FALSE(engine->Visible());
    bool framed = false;
    engine->SetExternalMethods({{"ExternalMapTilesLoad", [&](const std::vector<ScriptValue>&) { framed = true; }}});
    LoadPage("<html><body><script>requestAnimationFrame(function () {"
             " setTimeout(function () { window.external.ExternalMapTilesLoad(); }, 0); });</script></body></html>");
    WebKitEngine::ProcessEvents(5000ms, [&] { return framed; });
    EXPECT_TRUE(framed) << "animation frames and timers stopped while hidden";

    engine->SetSize(200, 120);
    EXPECT_EQ(engine->RunScript("window.innerWidth + 'x' + window.innerHeight").Value, "\"200x120\"");
    engine->SetVisible(true);
    EXPECT_TRUE(engine->Visible());
}

TEST_F(WebKitEngineTest, SnapshotHasExactlyTheViewSize)
{
    LoadPage("<html><body style='margin:0; background: rgb(255, 0, 0)'>"
             "<div style='position:absolute; left:0; top:0; width:40px; height:30px; background: rgb(0, 0, 255)'>"
             "</div></body></html>");
    web::PixelBuffer picture;
    const Outcome taken = engine->Snapshot(picture);
    ASSERT_TRUE(taken.Ok) << taken.Error;
    EXPECT_EQ(picture.Width, 320);
    EXPECT_EQ(picture.Height, 200);
    ASSERT_EQ(picture.Pixels.size(), 320u * 200u);
    EXPECT_EQ(picture.Pixel(10, 10), 0xFF0000FFu) << "blue box at the top left";
    EXPECT_EQ(picture.Pixel(200, 150), 0xFFFF0000u) << "red body elsewhere";

    engine->SetSize(160, 90);
    ASSERT_TRUE(engine->Snapshot(picture).Ok);
    EXPECT_EQ(picture.Width, 160);
    EXPECT_EQ(picture.Height, 90);
    EXPECT_EQ(engine->RunScript("window.innerWidth + 'x' + window.innerHeight").Value, "\"160x90\"");
}

TEST_F(WebKitEngineTest, FailedAndStalledLoadsEndInTime)
{
    net::testing::LoopbackHttpServer server;
    server.SetMode(net::testing::LoopbackMode::CloseAtOnce);
    for (const std::string& url : {server.Url("/page"), std::string("nosuchscheme://x"),
                                   std::string("file:///no/such/file.html")}) {
        engine->Navigate(url);
        const Outcome broken = engine->WaitUntilComplete();
        EXPECT_FALSE(broken.Ok) << url;
        EXPECT_NE(broken.Error.find("failed"), std::string::npos) << url << ": " << broken.Error;
    }

    server.SetMode(net::testing::LoopbackMode::NeverAnswer);
    engine->Navigate(server.Url("/stalled"));
    const Outcome stalled = engine->WaitUntilComplete(300ms);
    EXPECT_FALSE(stalled.Ok);
    EXPECT_NE(stalled.Error.find("300 ms"), std::string::npos) << stalled.Error;
    EXPECT_NE(engine->GetReadyState(), ReadyState::Complete);
}

// GTK reads the display scale once, so the scaled case runs in a child process.
TEST(WebKitEngineScaledDisplay, SnapshotKeepsTheViewSize)
{
    std::string whyNot;
    if (!WebKitEngine::DisplayAvailable(&whyNot))
        GTEST_SKIP() << whyNot;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("GDK_SCALE", "2", 1);
            WebKitEngine engine(200, 100);
            web::PixelBuffer picture;
            const bool ok = engine.LoadDocument("<body style='margin:0; background: rgb(0, 255, 0)'></body>",
                                                "file:///").Ok &&
                            engine.WaitUntilComplete().Ok && engine.Snapshot(picture).Ok;
            std::exit(!ok ? 1 : picture.Width != 200 || picture.Height != 100 ? 2
                              : picture.Pixel(199, 99) != 0xFF00FF00u     ? 3
                                                                          : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(WebKitEngineWithoutDisplay, CreationFailsWithAClearError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            try {
                WebKitEngine engine;
            } catch (const web::EBrowserUnavailable& e) {
                std::exit(e.Message().find("no display") == 0 ? 0 : 2);
            }
            std::exit(1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
