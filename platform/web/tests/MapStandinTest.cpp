// The map library stand-in, served through a loopback proxy and driven in the real browser.
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using web::Outcome;
using web::ScriptValue;
using web::WebKitEngine;
using Args = std::vector<ScriptValue>;

const char* const ExternalNames[] = {
    "ExternalMarkerClick", "ExternalMarkerDblClick", "ExternalMarkerMouseDown", "ExternalMarkerMouseUp",
    "ExternalMarkerMouseEnter", "ExternalMarkerMouseExit", "ExternalMarkerInfoWindowCloseClick",
    "ExternalMarkerDragStart", "ExternalMarkerDrag", "ExternalMarkerDragEnd", "ExternalMapClick",
    "ExternalMapDblClick", "ExternalMapMouseExit", "ExternalMapMouseEnter", "ExternalMapMoveStart",
    "ExternalStreetViewMove", "ExternalMapMoveEnd", "ExternalMapMove", "ExternalMapTilesLoad", "ExternalMapIdle",
    "ExternalMapMouseMove", "ExternalMapTypeChanged", "ExternalMapZoomChange", "ExternalVistraError",
};

struct Call {
    std::string Name;
    Args Arguments;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class MapStandinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        if (!WebKitEngine::DisplayAvailable(&whyNot))
            GTEST_SKIP() << whyNot;
        server = std::make_unique<web::testing::MapStandinServer>();
        // Created after the server so that it takes the server as its proxy.
        engine = std::make_unique<WebKitEngine>(400, 250);
        web::ExternalMethodTable table;
        for (const char* name : ExternalNames)
            table[name] = [this, name](const Args& args) { calls.push_back({name, args}); };
        engine->SetExternalMethods(std::move(table));
        const Outcome loaded = engine->LoadDocument(ReadFile(VISTRA_TEST_DATA "/StandinPage.html"), "file:///");
        ASSERT_TRUE(loaded.Ok) << loaded.Error;
        ASSERT_TRUE(NextCall("ExternalMapTilesLoad")) << "the page never reported its tiles";
        ASSERT_TRUE(NextCall("ExternalMapIdle"));
    }

    // Runs a script that must succeed and gives its JSON value.
    std::string Eval(const std::string& script)
    {
        const Outcome result = engine->RunScript(script);
        EXPECT_TRUE(result.Ok) << script << ": " << result.Error;
        return result.Value;
    }

    // The arguments of the next unseen call of that name, waiting for it for a while.
    std::optional<Args> NextCall(std::string_view name)
    {
        const auto find = [&]() -> std::optional<Args> {
            for (std::size_t i = seen; i < calls.size(); ++i) {
                if (calls[i].Name == name) {
                    seen = i + 1;
                    return calls[i].Arguments;
                }
            }
            return std::nullopt;
        };
        std::optional<Args> found = find();
        if (!found) {
            WebKitEngine::ProcessEvents(5000ms, [&] {
                if (!found)
                    found = find();
                return found.has_value();
            });
        }
        return found;
    }

    void CreateMarker(const std::string& lat, const std::string& lng, const std::string& title)
    {
        ASSERT_TRUE(engine->RunScript("createMapMarker(\"" + lat + "\", \"" + lng + "\", \"" + title +
                                      "\", true, true, true, false, false, \"\" , 3 );").Ok);
    }

    std::unique_ptr<web::testing::MapStandinServer> server;
    std::unique_ptr<WebKitEngine> engine;
    std::vector<Call> calls;
    std::size_t seen = 0;
};

TEST_F(MapStandinTest, ServedThroughTheProxyAtItsRealAddress)
{
    const auto requests = server->Server().Requests();
    ASSERT_EQ(server->ScriptRequests(), 1);
    const auto& request = requests.front();
    EXPECT_TRUE(request.ViaProxy);
    EXPECT_EQ(request.Host, "maps.standin.test");
    EXPECT_EQ(request.Path, "/maps/api/js?sensor=false&v=3.5&libraries=panoramio");

    EXPECT_EQ(Eval("__standin.problems().length"), "0") << Eval("__standin.problems().join('; ')");
    EXPECT_EQ(Eval("__standin.state().zoom"), "10");
    EXPECT_EQ(Eval("__standin.state().center.lat"), "48.85904");
    EXPECT_EQ(Eval("__standin.state().mapTypeId"), "\"roadmap\"");
    EXPECT_EQ(Eval("__standin.state().controls.zoom.position"), "\"TOP_LEFT\"");
    EXPECT_EQ(Eval("__standin.state().controls.mapType.position"), "\"TOP_RIGHT\"");
    EXPECT_EQ(Eval("__standin.state().controls.overviewMap.visible"), "false");
    EXPECT_EQ(Eval("JSON.stringify(__standin.state().layers)"),
              "\"{\\\"traffic\\\":false,\\\"bicycling\\\":true,\\\"panoramio\\\":false}\"");
}

TEST_F(MapStandinTest, MapEventsReachTheirListeners)
{
    struct Case {
        const char* event;
        const char* call;
        Args expected;
    };
    const Case cases[] = {
        {"click", "ExternalMapClick", {10.5, 20.25, 0}},
        {"rightclick", "ExternalMapClick", {10.5, 20.25, 1}},
        {"dblclick", "ExternalMapDblClick", {10.5, 20.25}},
        {"mousemove", "ExternalMapMouseMove", {10.5, 20.25}},
        {"mouseout", "ExternalMapMouseExit", {10.5, 20.25}},
        {"mouseover", "ExternalMapMouseEnter", {10.5, 20.25}},
        {"dragstart", "ExternalMapMoveStart", {10.5, 20.25}},
        {"drag", "ExternalMapMove", {10.5, 20.25}},
        {"dragend", "ExternalMapMoveEnd", {10.5, 20.25}},
        {"idle", "ExternalMapIdle", {}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(engine->RunScript(std::string("__standin.fireMap('") + c.event + "', 10.5, 20.25);").Ok)
            << c.event;
        const auto args = NextCall(c.call);
        ASSERT_TRUE(args) << c.event;
        EXPECT_EQ(*args, c.expected) << c.event;
    }
    EXPECT_EQ(Eval("__standin.state().center.lng"), "20.25") << "a drag moves the centre";

    ASSERT_TRUE(engine->RunScript("__standin.zoomTo(12);").Ok);
    EXPECT_EQ(NextCall("ExternalMapZoomChange"), (Args{12}));
    ASSERT_TRUE(engine->RunScript("__standin.selectMapType(google.maps.MapTypeId.TERRAIN);").Ok);
    EXPECT_EQ(NextCall("ExternalMapTypeChanged"), (Args{3}));
}

TEST_F(MapStandinTest, PanningMovesTheCentreAndReportsIdle)
{
    ASSERT_TRUE(engine->RunScript("map.panTo(new google.maps.LatLng(45.5, 4.25));").Ok);
    EXPECT_EQ(Eval("__standin.state().center.lat"), "45.5");
    EXPECT_EQ(Eval("__standin.state().center.lng"), "4.25");
    EXPECT_TRUE(NextCall("ExternalMapIdle"));

    // At zoom 10 the world is 2^18 pixels wide: 256 pixels east is 360 / 1024 degrees.
    ASSERT_TRUE(engine->RunScript("map.panBy(256, 0);").Ok);
    EXPECT_EQ(Eval("Math.abs(__standin.state().center.lng - (4.25 + 360 / 1024)) < 1e-9"), "true");
    EXPECT_EQ(Eval("Math.abs(__standin.state().center.lat - 45.5) < 1e-9"), "true");
    ASSERT_TRUE(engine->RunScript("map.panBy(0, 100);").Ok);
    EXPECT_EQ(Eval("__standin.state().center.lat < 45.5"), "true") << "down is south";
    EXPECT_EQ(Eval("__standin.problems().length"), "0");
}

TEST_F(MapStandinTest, MarkerEventsCarryTheMarkerAndItsIndex)
{
    CreateMarker("48.85904", "2.294297", "Tower");
    CreateMarker("48.8606", "2.3376", "Museum");
    EXPECT_EQ(Eval("__standin.state().markers.map(function (m) { return m.title; }).join('|')"),
              "\"Tower|Museum\"");
    EXPECT_EQ(Eval("__standin.state().markers[1].zIndex"), "3");

    ASSERT_TRUE(engine->RunScript("__standin.fireMarker(1, 'click');").Ok);
    EXPECT_EQ(NextCall("ExternalMarkerClick"), (Args{"Museum", 1, 48.8606, 2.3376, 0}));
    ASSERT_TRUE(engine->RunScript("__standin.fireMarker(0, 'rightclick');").Ok);
    EXPECT_EQ(NextCall("ExternalMarkerClick"), (Args{"Tower", 0, 48.85904, 2.294297, 1}));
    ASSERT_TRUE(engine->RunScript("__standin.fireMarker(1, 'dragend', 45.5, 4.25);").Ok);
    EXPECT_EQ(NextCall("ExternalMarkerDragEnd"), (Args{"Museum", 1, 45.5, 4.25}));
    EXPECT_EQ(Eval("__standin.state().markers[1].position.lat"), "45.5");

    ASSERT_TRUE(engine->RunScript("allmarkers[0].setMap(map);").Ok);
    EXPECT_EQ(Eval("__standin.state().markers[0].title"), "\"Tower\"") << "same map, same place";

    // Removing a marker moves the later ones down, as the page's own list does.
    ASSERT_TRUE(engine->RunScript("deleteMapMarker(0);").Ok);
    EXPECT_EQ(Eval("__standin.state().markers.length"), "1");
    ASSERT_TRUE(engine->RunScript("__standin.fireMarker(0, 'mouseover');").Ok);
    EXPECT_EQ(NextCall("ExternalMarkerMouseEnter"), (Args{"Museum", 0, 45.5, 4.25}));

    ASSERT_TRUE(engine->RunScript("startMarkerBounceAnimation(0);").Ok);
    EXPECT_EQ(Eval("__standin.state().markers[0].animation"), "\"BOUNCE\"");
    ASSERT_TRUE(engine->RunScript("deleteMapMarker(1);").Ok);
    EXPECT_EQ(NextCall("ExternalVistraError"), (Args{3}));
    EXPECT_FALSE(engine->RunScript("__standin.fireMarker(5, 'click');").Ok) << "no marker there";
}

TEST_F(MapStandinTest, InfoWindowOpensAndReportsItsCloseButton)
{
    CreateMarker("48.85904", "2.294297", "Tower");
    ASSERT_TRUE(engine->RunScript("openMarkerInfoWindowHtml(0,\"<b>Tower</b> at the river\");").Ok);
    EXPECT_EQ(Eval("__standin.state().infoWindows[0].content"), "\"<b>Tower</b> at the river\"");
    EXPECT_EQ(Eval("__standin.state().infoWindows[0].marker"), "0");

    EXPECT_EQ(Eval("__standin.fireInfoWindowClose(0)"), "true");
    EXPECT_EQ(NextCall("ExternalMarkerInfoWindowCloseClick"), (Args{0}));
    EXPECT_EQ(Eval("__standin.state().infoWindows.length"), "0");
    EXPECT_EQ(Eval("__standin.fireInfoWindowClose(0)"), "false") << "nothing open any more";
}

TEST_F(MapStandinTest, StreetViewAnswersWithTheChosenStatus)
{
    ASSERT_TRUE(engine->RunScript("showStreetview(\"48.8584\", \"2.2945\", 90, 1, 10 );").Ok);
    EXPECT_EQ(NextCall("ExternalStreetViewMove"), (Args{48.8584, 2.2945}));
    EXPECT_EQ(Eval("__standin.state().streetView.visible"), "true");
    EXPECT_EQ(Eval("__standin.state().streetView.pov.heading"), "90");

    ASSERT_TRUE(engine->RunScript("__standin.movePanorama(48.86, 2.3);").Ok);
    EXPECT_EQ(NextCall("ExternalStreetViewMove"), (Args{48.86, 2.3}));

    ASSERT_TRUE(engine->RunScript("__standin.setStreetViewStatus('UNKNOWN_ERROR');"
                                  "showStreetview(\"1\", \"2\", 0, 1, 0 );").Ok);
    EXPECT_EQ(NextCall("ExternalVistraError"), (Args{4}));
    EXPECT_EQ(Eval("__standin.state().streetView.visible"), "false");
    ASSERT_TRUE(engine->RunScript("__standin.setStreetViewStatus('ZERO_RESULTS');"
                                  "showStreetview(\"1\", \"2\", 0, 1, 0 );").Ok);
    EXPECT_EQ(NextCall("ExternalVistraError"), (Args{5}));
}

TEST_F(MapStandinTest, EveryTilesLoadedAddsAPanoramaListener)
{
    EXPECT_EQ(Eval("__standin.state().listeners.panorama.position_changed"), "1");
    ASSERT_TRUE(engine->RunScript("__standin.fireMap('tilesloaded');").Ok);
    EXPECT_TRUE(NextCall("ExternalMapTilesLoad"));
    EXPECT_EQ(Eval("__standin.state().listeners.panorama.position_changed"), "2");
}

TEST_F(MapStandinTest, LayersAndOptionsFollowThePage)
{
    ASSERT_TRUE(engine->RunScript("ShowTraffic(); HideBicyling();").Ok);
    EXPECT_EQ(Eval("__standin.state().layers.traffic"), "true");
    EXPECT_EQ(Eval("__standin.state().layers.bicycling"), "false");

    ASSERT_TRUE(engine->RunScript(
        "map.setOptions( {  zoomControlOptions: {    position: google.maps.ControlPosition.BOTTOM_RIGHT  }} );").Ok);
    EXPECT_EQ(Eval("__standin.state().controls.zoom.position"), "\"BOTTOM_RIGHT\"");
    EXPECT_EQ(Eval("__standin.state().controls.zoom.style"), "\"SMALL\"") << "other members are kept";

    // A quoted value is a string, not the option: the stand-in says so.
    ASSERT_TRUE(engine->RunScript("map.setOptions( {draggable:\"false\"} );").Ok);
    ASSERT_TRUE(engine->RunScript(
        "map.setOptions( {  panControlOptions: {    position: \"google.maps.ControlPosition.TOP_LEFT\"  }} );").Ok);
    EXPECT_EQ(Eval("__standin.problems().length"), "2") << Eval("__standin.problems().join('; ')");
    EXPECT_NE(Eval("__standin.problems()[0]").find("draggable"), std::string::npos);
}

TEST_F(MapStandinTest, ManyChangesInOneScriptAreDrawnOnceAfterIt)
{
    ASSERT_TRUE(engine->RunScript("var draws = 0, draw = map.__draw;"
                                  "map.__draw = function () { ++draws; draw.call(this); };"
                                  "for (var i = 0; i < 3000; ++i)"
                                  "  new google.maps.Marker({position: new google.maps.LatLng(48.85904 + i / 100000, 2.294297), map: map,"
                                  "                          title: 'm' + i});"
                                  "map.setZoom(5);").Ok);
    WebKitEngine::ProcessEvents(5000ms, [&] { return Eval("draws") != "0"; });
    EXPECT_EQ(Eval("draws"), "1");
    EXPECT_EQ(Eval("__standin.state().drawnMarkers"), "3000");
    EXPECT_EQ(Eval("__standin.state().markers[2999].title"), "\"m2999\"");
}

TEST_F(MapStandinTest, SnapshotShowsTheMapAndItsMarkers)
{
    CreateMarker("48.85904", "2.294297", "Tower");
    // The map is drawn after the script that changed it.
    WebKitEngine::ProcessEvents(5000ms, [&] { return Eval("__standin.state().drawnMarkers") == "1"; });
    web::PixelBuffer picture;
    const Outcome taken = engine->Snapshot(picture);
    ASSERT_TRUE(taken.Ok) << taken.Error;
    ASSERT_EQ(picture.Width, 400);
    ASSERT_EQ(picture.Height, 250);
    // The marker sits on the centre: a 12-pixel box just above it, in the first marker colour.
    EXPECT_EQ(picture.Pixel(200, 119), 0xFFD93025u);
    // Far from markers, controls and grid lines: the road map's background.
    EXPECT_EQ(picture.Pixel(150, 200) & 0xFFFFFF, 0xE9E5DCu);
}

}  // namespace
