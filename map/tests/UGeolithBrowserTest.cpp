// The map control in the real browser engine, against the map library stand-in served on loopback;
// and where page callbacks put the cursor, on the recording engine in a headless form.
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithMarkers.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/ScriptText.h"
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include "platform/graphics/Graphic.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class UGeolithBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        if (!web::WebKitEngine::DisplayAvailable(&whyNot)) GTEST_SKIP() << "needs a display: " << whyNot;
        // The server sets http_proxy before the engine exists, so the page's
        // library request reaches the stand-in.
        server = std::make_unique<web::testing::MapStandinServer>();
        geolith = std::make_unique<TGeolith>(nullptr);
        geolith->OnGeolithError = [this](TObject*, TErrorType e) { errors.push_back(e); };
        geolith->OnDownloadFinish = [this](TObject*) { ++finished; };
    }

    void TearDown() override
    {
        geolith.reset();
        server.reset();
    }

    static bool WaitFor(const std::function<bool()>& until)
    {
        web::WebKitEngine::ProcessEvents(10s, until);
        return until();
    }

    void LaunchAndWait()
    {
        ASSERT_TRUE(geolith->Launch());
        ASSERT_TRUE(WaitFor([this] { return finished > 0; })) << "no tiles-loaded report";
    }

    // A page expression's value as JSON text.
    std::string Page(const std::string& expression)
    {
        const web::Outcome result = geolith->WebBrowser()->ExecScript("(" + expression + ");");
        EXPECT_TRUE(result.Ok) << expression << ": " << result.Error;
        return result.Value;
    }

    std::string PageMarkerTitles() { return Page("__standin.state().markers.map(function(m){return m.title;}).join('|')"); }

    static std::string Json(const std::string& text) { return "\"" + text + "\""; }

    std::unique_ptr<web::testing::MapStandinServer> server;
    std::unique_ptr<TGeolith> geolith;
    std::vector<TErrorType> errors;
    int finished = 0;
};

TEST_F(UGeolithBrowserTest, LaunchLoadsTheLibraryAndFinishesOnTheFirstTiles)
{
    LaunchAndWait();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(geolith->WebBrowser()->Visible());
    EXPECT_TRUE(geolith->PageLive());
    EXPECT_EQ(server->ScriptRequests(), 1);
    // The stand-in reports every option the page got wrong (a quoted boolean, an unknown constant).
    EXPECT_EQ(Page("__standin.problems().join('; ')"), "\"\"");
    EXPECT_EQ(Page("__standin.state().zoom"), "10");
    EXPECT_EQ(Page("__standin.state().center.lat"), "48.85904");
    EXPECT_EQ(Page("document.body.style.overflow"), Json("hidden"));

    // A repeated report changes nothing.
    int idles = 0;
    geolith->OnMapIdle = [&](TObject*) { ++idles; };
    EXPECT_TRUE(geolith->WebBrowser()->ExecScript("__standin.fireMap('tilesloaded'); __standin.fireMap('idle');").Ok);
    ASSERT_TRUE(WaitFor([&] { return idles > 0; })) << "calls arrive in order, so the report came before";
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(UGeolithBrowserTest, MarkersMatchIndexForIndexBeforeAndAfterTheFirstReport)
{
    TMarkers& markers = *geolith->Markers();
    markers.Add(1, 1, "before-0");
    markers.Add(2, 2, "before-1");
    ASSERT_TRUE(geolith->Launch());
    markers.Add(3, 3, "loading-2");  // the page runs, its first report has not come yet
    ASSERT_TRUE(WaitFor([this] { return finished > 0; }));
    markers.Add(4, 4, "after-3");
    EXPECT_EQ(PageMarkerTitles(), Json("before-0|before-1|loading-2|after-3"));

    markers.Delete(1);
    markers.Items(1)->SetTitle("renamed");
    EXPECT_EQ(PageMarkerTitles(), Json("before-0|renamed|after-3"));
    markers.Items(0)->SetIndex(2);
    EXPECT_EQ(PageMarkerTitles(), Json("renamed|after-3|before-0"));
    EXPECT_TRUE(errors.empty());

    // A language change reloads the page, and the new page gets the markers again.
    geolith->MapOptions()->SetLanguage(lnGerman);
    ASSERT_TRUE(WaitFor([this] { return finished > 1; }));
    EXPECT_EQ(PageMarkerTitles(), Json("renamed|after-3|before-0"));
    EXPECT_EQ(server->ScriptRequests(), 2);
}

TEST_F(UGeolithBrowserTest, ThousandsOfMarkersWaitingAtTheFirstReportAllReachThePage)
{
    constexpr int Count = 5000;
    TMarkers& markers = *geolith->Markers();
    markers.BeginUpdate();
    for (int i = 0; i < Count; ++i) markers.Add(40.0 + i * 0.001, 2.0 - i * 0.001, "m" + std::to_string(i));
    markers.EndUpdate();
    LaunchAndWait();
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(markers.PageInStep());

    // Index for index: the title and place of every marker on the page.
    std::string expected, actual = Page(
        "__standin.state().markers.map(function(m,i){"
        "return m.title+'@'+Math.round(m.position.lat*1000)+','+Math.round(m.position.lng*1000);}).join('|')");
    for (int i = 0; i < Count; ++i)
        expected += (i ? "|m" : "m") + std::to_string(i) + "@" + std::to_string(40000 + i) + "," + std::to_string(2000 - i);
    EXPECT_EQ(actual, Json(expected));
}

TEST_F(UGeolithBrowserTest, EveryCallbackReachesItsEvent)
{
    geolith->Markers()->Add(10, 20, "m0");
    geolith->Markers()->Add(30, 40, "m1");
    LaunchAndWait();
    ASSERT_TRUE(geolith->openMarkerInfoWindowHtml(1, "<i>info</i>"));

    Strings seen;
    auto note = [&](std::string s) { seen.push_back(std::move(s)); };
    auto marker = [&](const char* name) {
        return [&, name](const std::string& t, int id, double la, double lo) {
            note(std::string(name) + " " + t + " " + std::to_string(id) + " " + std::to_string(static_cast<int>(la)) +
                 "," + std::to_string(static_cast<int>(lo)));
        };
    };
    auto position = [&](const char* name) {
        return [&, name](double la, double lo, int, int) {
            note(std::string(name) + " " + std::to_string(static_cast<int>(la)) + "," + std::to_string(static_cast<int>(lo)));
        };
    };
    TGeolith& g = *geolith;
    g.OnMarkerClick = [&](const std::string& t, int id, double, double, TMouseButton b) {
        note("MarkerClick " + t + " " + std::to_string(id) + " " + std::to_string(b));
    };
    g.OnMarkerDblClick = marker("MarkerDblClick");
    g.OnMarkerDragStart = marker("MarkerDragStart");
    g.OnMarkerDrag = marker("MarkerDrag");
    g.OnMarkerDragEnd = marker("MarkerDragEnd");
    g.OnMarkerMouseDown = marker("MarkerMouseDown");
    g.OnMarkerMouseUp = marker("MarkerMouseUp");
    g.OnMarkerMouseEnter = marker("MarkerMouseEnter");
    g.OnMarkerMouseExit = marker("MarkerMouseExit");
    g.OnMarkerInfoWindowCloseClick = [&](int id) { note("InfoWindowClose " + std::to_string(id)); };
    g.OnMapClick = [&](double la, double lo, int, int, TMouseButton b) {
        note("MapClick " + std::to_string(static_cast<int>(la)) + "," + std::to_string(static_cast<int>(lo)) + " " +
             std::to_string(b));
    };
    g.OnMapDblClick = position("MapDblClick");
    g.OnMapMouseMove = position("MapMouseMove");
    g.OnMapMouseExit = position("MapMouseExit");
    g.OnMapMouseEnter = position("MapMouseEnter");
    g.OnMapMoveStart = position("MapMoveStart");
    g.OnMapMove = position("MapMove");
    g.OnMapMoveEnd = position("MapMoveEnd");
    g.OnStreetViewMove = position("StreetViewMove");
    g.OnMapIdle = [&](TObject* sender) { note(sender == &g ? "MapIdle" : "MapIdle from elsewhere"); };
    g.OnMapZoomChange = [&](int level) { note("MapZoomChange " + std::to_string(level)); };
    g.OnMapTypeChange = [&](TMapType type) { note("MapTypeChange " + std::to_string(type)); };

    struct Row {
        const char* script;
        Strings expected;
    };
    // Zoom and type changes make the map idle too; the idle report is counted apart.
    const Row rows[] = {
        {"__standin.fireMap('click', 1, 2)", {"MapClick 1,2 0"}},
        {"__standin.fireMap('rightclick', 1, 2)", {"MapClick 1,2 1"}},
        {"__standin.fireMap('dblclick', 3, 4)", {"MapDblClick 3,4"}},
        {"__standin.fireMap('mousemove', 5, 6)", {"MapMouseMove 5,6"}},
        {"__standin.fireMap('mouseout', 5, 6)", {"MapMouseExit 5,6"}},
        {"__standin.fireMap('mouseover', 5, 6)", {"MapMouseEnter 5,6"}},
        {"__standin.fireMap('dragstart', 7, 8)", {"MapMoveStart 7,8"}},
        {"__standin.fireMap('drag', 9, 10)", {"MapMove 9,10"}},
        {"__standin.fireMap('dragend', 11, 12)", {"MapMoveEnd 11,12"}},
        {"__standin.fireMap('idle')", {"MapIdle"}},
        {"__standin.zoomTo(12)", {"MapZoomChange 12"}},
        {"__standin.selectMapType('satellite')", {"MapTypeChange 1"}},
        {"__standin.fireMarker(1, 'click')", {"MarkerClick m1 1 0"}},
        {"__standin.fireMarker(1, 'rightclick')", {"MarkerClick m1 1 1"}},
        {"__standin.fireMarker(0, 'dblclick')", {"MarkerDblClick m0 0 10,20"}},
        {"__standin.fireMarker(0, 'dragstart')", {"MarkerDragStart m0 0 10,20"}},
        {"__standin.fireMarker(0, 'drag', 15, 25)", {"MarkerDrag m0 0 15,25"}},
        {"__standin.fireMarker(0, 'dragend', 16, 26)", {"MarkerDragEnd m0 0 16,26"}},
        {"__standin.fireMarker(1, 'mousedown')", {"MarkerMouseDown m1 1 30,40"}},
        {"__standin.fireMarker(1, 'mouseup')", {"MarkerMouseUp m1 1 30,40"}},
        {"__standin.fireMarker(1, 'mouseover')", {"MarkerMouseEnter m1 1 30,40"}},
        {"__standin.fireMarker(1, 'mouseout')", {"MarkerMouseExit m1 1 30,40"}},
        {"__standin.fireInfoWindowClose(1)", {"InfoWindowClose 1"}},
        {"__standin.movePanorama(50, 60)", {"StreetViewMove 50,60"}},
    };
    for (const Row& row : rows) {
        seen.clear();
        const bool wantsIdle = row.expected[0] == "MapIdle";
        auto relevant = [&] {
            Strings kept;
            for (const auto& s : seen)
                if ((s == "MapIdle") == wantsIdle) kept.push_back(s);
            if (wantsIdle && kept.size() > 1) kept.resize(1);
            return kept;
        };
        ASSERT_TRUE(geolith->WebBrowser()->ExecScript(std::string(row.script) + ";").Ok) << row.script;
        WaitFor([&] { return relevant().size() >= row.expected.size(); });
        EXPECT_EQ(relevant(), row.expected) << row.script;
    }
    EXPECT_EQ(g.MapOptions()->ZoomMap(), 12);
    EXPECT_EQ(g.MapOptions()->MapType(), mtSatellite);
    EXPECT_EQ(g.MapOptions()->DefaultLatitude(), 11);
    EXPECT_EQ(g.StreetViewOptions()->DefaultLongitude(), 60);
    EXPECT_EQ(g.Markers()->Items(0)->Latitude(), 16) << "the drag end moved the marker in the collection";

    // The page's error reports.
    ASSERT_TRUE(geolith->StopMarkerBounceAnimation(2));
    ASSERT_TRUE(WaitFor([&] { return !errors.empty(); }));
    EXPECT_EQ(errors, std::vector<TErrorType>{etNotValidMarker});
    for (const char* status : {"UNKNOWN_ERROR", "ZERO_RESULTS"}) {
        ASSERT_TRUE(geolith->WebBrowser()->ExecScript(std::string("__standin.setStreetViewStatus('") + status + "');").Ok);
        geolith->SwitchToStreetView();
    }
    ASSERT_TRUE(WaitFor([&] { return errors.size() >= 3; }));
    EXPECT_EQ(errors, (std::vector<TErrorType>{etNotValidMarker, etStreetViewUnknownError, etStreetViewNoResults}));
}

TEST_F(UGeolithBrowserTest, FailingScriptRaisesJavascriptError)
{
    LaunchAndWait();
    EXPECT_FALSE(geolith->StartMarkerBounceAnimation(-1)) << "allmarkers[-1] is undefined in the page";
    EXPECT_FALSE(geolith->ExecJScript("this is not script"));
    EXPECT_EQ(errors, (std::vector<TErrorType>{etJavascriptError, etJavascriptError}));
}

TEST_F(UGeolithBrowserTest, HostileTitleArrivesIntact)
{
    const std::string title = "quote \" backslash \\ end </script> line\nbreak";
    std::string clicked;
    geolith->OnMarkerClick = [&](const std::string& t, int, double, double, TMouseButton) { clicked = t; };
    LaunchAndWait();
    geolith->Markers()->Add(1, 2, title);
    ASSERT_TRUE(geolith->openMarkerInfoWindowHtml(0, title));
    EXPECT_EQ(Page("__standin.state().markers[0].title === " + web::ScriptStringLiteral(title)), "true");
    EXPECT_EQ(Page("__standin.state().infoWindows[0].content === " + web::ScriptStringLiteral(title)), "true");
    EXPECT_EQ(Page("__standin.state().markers.length"), "1");
    ASSERT_TRUE(geolith->WebBrowser()->ExecScript("__standin.fireMarker(0, 'click');").Ok);
    ASSERT_TRUE(WaitFor([&] { return !clicked.empty(); }));
    EXPECT_EQ(clicked, title);
    EXPECT_TRUE(errors.empty());
}

// An info window belongs to its marker: deleting the marker, or all markers,
// takes its open info window off the map.
TEST_F(UGeolithBrowserTest, DeletedMarkersTakeTheirInfoWindowsAlong)
{
    LaunchAndWait();
    TMarkers& markers = *geolith->Markers();
    for (const char* title : {"a", "b", "c"}) markers.Add(1, 2, title);
    auto openInfo = [&](std::initializer_list<int> ids) {
        for (int id : ids) ASSERT_TRUE(geolith->openMarkerInfoWindowHtml(id, "info " + std::to_string(id)));
    };
    const std::string shown = "__standin.state().infoWindows.map(function(w){return w.content;}).join('|')";
    openInfo({0, 1, 2});
    markers.Delete(1);
    EXPECT_EQ(Page(shown), Json("info 0|info 2"));
    openInfo({1});
    EXPECT_EQ(Page(shown), Json("info 0|info 1")) << "the marker now at 1 keeps its own window";
    markers.Clear();
    EXPECT_EQ(Page(shown), Json(""));
    EXPECT_TRUE(errors.empty());
}

// What python3-pil makes of a picture file: "<format> <width>x<height>".
std::string PeerReads(const std::string& file)
{
    std::string output;
    EXPECT_EQ(0, testsupport::RunCommand("/usr/bin/python3 -c \"from PIL import Image; i = Image.open('" + file +
                                             "'); print(i.format, '%dx%d' % i.size)\"",
                                         &output))
        << output;
    return output;
}

TEST_F(UGeolithBrowserTest, ScreenShotIsExactlyTheControlsSize)
{
    REQUIRE_PEER("python3-pil");
    const testsupport::TempFolder folder("map-shots");
    geolith->SetBounds(0, 0, 360, 240);
    geolith->Markers()->Add(48.85904, 2.294297, "Tower");
    LaunchAndWait();
    struct Row {
        TImgType type;
        const char* file;
        const char* peer;
    };
    for (const Row& row : {Row{itBitmap, "shot.bmp", "BMP 360x240\n"}, Row{itJpeg, "shot.jpg", "JPEG 360x240\n"},
                           Row{itPng, "shot.png", "PNG 360x240\n"}}) {
        std::unique_ptr<TGraphic> picture = geolith->ScreenShot(row.type);
        ASSERT_NE(picture, nullptr) << row.file;
        EXPECT_EQ(picture->Width(), 360) << row.file;
        EXPECT_EQ(picture->Height(), 240) << row.file;
        const std::string file = folder / row.file;
        picture->SaveToFile(file);
        EXPECT_EQ(PeerReads(file), row.peer) << row.file;
    }
    EXPECT_TRUE(errors.empty());
}

// Page callbacks carry the cursor in the browser's client coordinates.
TEST(UGeolithCursor, MapEventsCarryTheCursorOverTheBrowser)
{
    backend::InstallHeadlessBackend();
    auto saved = TWebBrowser::SetEngineFactory([](int w, int h) { return std::make_unique<web::RecordingEngine>(w, h); });
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(480, 285, 600, 400);
    auto* geolith = new TGeolith(form.get());
    geolith->SetParent(form.get());
    geolith->SetBounds(50, 40, 400, 250);
    form->Show();
    ASSERT_TRUE(geolith->Launch());
    auto& engine = *static_cast<web::RecordingEngine*>(geolith->WebBrowser()->Engine());
    ASSERT_TRUE(engine.InjectExternalCall("ExternalMapTilesLoad"));

    std::string seen;
    auto note = [&](double, double, int x, int y) { seen = std::to_string(x) + "," + std::to_string(y); };
    geolith->OnMapClick = [&](double la, double lo, int x, int y, TMouseButton) { note(la, lo, x, y); };
    geolith->OnMapDblClick = geolith->OnMapMouseMove = geolith->OnMapMouseEnter = geolith->OnMapMouseExit = note;
    geolith->OnMapMoveStart = geolith->OnMapMove = geolith->OnMapMoveEnd = geolith->OnStreetViewMove = note;

    struct Case {
        const char* call;
        const char* overMap;     // the cursor over the browser at (120, 80)
        const char* offTheMap;   // the cursor last seen at (5, 5) of the form, outside the browser
    };
    const Case cases[] = {
        {"ExternalMapClick", "120,80", "0,0"},      {"ExternalMapDblClick", "120,80", "0,0"},
        {"ExternalMapMouseMove", "120,80", "0,0"},  {"ExternalMapMouseEnter", "120,80", "0,0"},
        {"ExternalMapMoveStart", "120,80", "0,0"},  {"ExternalMapMouseExit", "120,80", "-45,-35"},
        {"ExternalMapMove", "120,80", "-45,-35"},    {"ExternalMapMoveEnd", "120,80", "-45,-35"},
        {"ExternalStreetViewMove", "120,80", "-45,-35"},
    };
    auto args = [](const char* call) {
        return std::string(call) == "ExternalMapClick" ? std::vector<web::ScriptValue>{1.0, 2.0, 1}
                                                       : std::vector<web::ScriptValue>{1.0, 2.0};
    };
    backend::input::MouseMove(*geolith->WebBrowser(), {120, 80});
    for (const Case& c : cases) {
        seen.clear();
        EXPECT_TRUE(engine.InjectExternalCall(c.call, args(c.call)));
        EXPECT_EQ(seen, c.overMap) << c.call;
    }
    backend::input::MouseMove(*form, {5, 5});
    for (const Case& c : cases) {
        seen.clear();
        EXPECT_TRUE(engine.InjectExternalCall(c.call, args(c.call)));
        EXPECT_EQ(seen, c.offTheMap) << c.call;
    }
    form.reset();
    TWebBrowser::SetEngineFactory(saved);
}

}  // namespace
