// The offline map in a real window, driven as a person would: real X pointer and button events
// (XTest) on the map and its markers, against the map library stand-in in the real browser.
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithMarkers.h"
#include "map/tests/XPointer.h"
#include "platform/backend/Backends.h"
#include "platform/ui/Forms.h"
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

constexpr double CentreLat = 48.85904;
constexpr double CentreLng = 2.294297;
constexpr int Zoom = 12;
constexpr int MapWidth = 480;
constexpr int MapHeight = 320;

struct LatLng {
    double Lat;
    double Lng;
};

// The place shown dx, dy pixels from the centre of a map at Zoom (Web Mercator).
LatLng PlaceAt(int dx, int dy)
{
    const double world = 256.0 * std::pow(2.0, Zoom);
    const double sinLat = std::sin(CentreLat * M_PI / 180);
    const double x = (CentreLng + 180) / 360 * world + dx;
    const double y = (0.5 - std::log((1 + sinLat) / (1 - sinLat)) / (4 * M_PI)) * world + dy;
    const double n = M_PI - 2 * M_PI * y / world;
    return {180 / M_PI * std::atan(0.5 * (std::exp(n) - std::exp(-n))), x / world * 360 - 180};
}

// One pixel a little less than a pixel's worth of degrees at Zoom near the centre.
constexpr double Near = 360.0 / (256 * 4096) * 3;

class UGeolithMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        if (!web::WebKitEngine::DisplayAvailable(&whyNot)) GTEST_SKIP() << "needs a display: " << whyNot;
        if (!pointer.Ready()) GTEST_SKIP() << "the display has no XTest extension";
        auto gtk = backend::CreateGtkBackend();
        if (!gtk) GTEST_SKIP() << "GTK cannot open the display";
        ui::SetBackend(std::move(gtk));
        server = std::make_unique<web::testing::MapStandinServer>();
        form = new TForm(nullptr);
        form->SetBounds(40, 40, MapWidth, MapHeight);
        geolith = new TGeolith(form);
        geolith->SetParent(form);
        geolith->SetAlign(alClient);
        geolith->MapOptions()->SetDefaultLatitude(CentreLat);
        geolith->MapOptions()->SetDefaultLongitude(CentreLng);
        geolith->MapOptions()->SetZoomMap(static_cast<TZoomMap>(Zoom));
        ConnectEvents();
        // Put on the map before the page exists, as the program's start-up file is.
        const LatLng b = PlaceAt(BOffsetX, BOffsetY);
        geolith->Markers()->Add(CentreLat, CentreLng, "A", "", true, true, true, false, false, 0);
        geolith->Markers()->Add(b.Lat, b.Lng, "B", "", false, true, true, false, false, 0);
        form->Show();
        ASSERT_TRUE(geolith->Launch());
        ASSERT_TRUE(WaitFor([&] { return Saw("DownloadFinish"); })) << "no tiles-loaded report";
        ASSERT_TRUE(WaitFor([&] { return Page("__standin.state().drawnMarkers") == "2"; }));
        events.clear();
    }

    void TearDown() override
    {
        delete form;
        server.reset();
    }

    void ConnectEvents()
    {
        TGeolith& g = *geolith;
        auto marker = [&](const char* name) {
            return [&, name](const std::string& title, int id, double lat, double lng) {
                Note(std::string(name) + " " + title + " " + std::to_string(id), {lat, lng});
            };
        };
        auto position = [&](const char* name) {
            return [&, name](double lat, double lng, int, int) { Note(name, {lat, lng}); };
        };
        g.OnDownloadFinish = [&](TObject*) { Note("DownloadFinish", {}); };
        g.OnMapClick = [&](double lat, double lng, int x, int y, TMouseButton button) {
            Note(button == mbLeft ? "MapClick" : "MapRightClick", {lat, lng});
            clickedAt = {x, y};
        };
        g.OnMapDblClick = position("MapDblClick");
        g.OnMapMouseMove = position("MapMouseMove");
        g.OnMapMouseEnter = position("MapMouseEnter");
        g.OnMapMouseExit = position("MapMouseExit");
        g.OnMapMoveStart = position("MapMoveStart");
        g.OnMapMove = position("MapMove");
        g.OnMapMoveEnd = position("MapMoveEnd");
        g.OnMapZoomChange = [&](int level) { Note("MapZoomChange " + std::to_string(level), {}); };
        g.OnMarkerClick = [&](const std::string& title, int id, double lat, double lng, TMouseButton button) {
            Note(std::string(button == mbLeft ? "MarkerClick " : "MarkerRightClick ") + title + " " + std::to_string(id),
                 {lat, lng});
            // As the program does: a left click opens the marker's information.
            if (button == mbLeft) (void)geolith->openMarkerInfoWindowHtml(id, "<b>" + title + "</b>");
        };
        g.OnMarkerDblClick = marker("MarkerDblClick");
        g.OnMarkerDragStart = marker("MarkerDragStart");
        g.OnMarkerDrag = marker("MarkerDrag");
        g.OnMarkerDragEnd = marker("MarkerDragEnd");
        g.OnMarkerMouseDown = marker("MarkerMouseDown");
        g.OnMarkerMouseUp = marker("MarkerMouseUp");
        g.OnMarkerMouseEnter = marker("MarkerMouseEnter");
        g.OnMarkerMouseExit = marker("MarkerMouseExit");
        g.OnMarkerInfoWindowCloseClick = [&](int id) { Note("InfoWindowClose " + std::to_string(id), {}); };
    }

    struct Event {
        std::string Name;
        LatLng At;
    };

    void Note(const std::string& name, LatLng at) { events.push_back({name, at}); }

    bool Saw(const std::string& name) const
    {
        for (const Event& e : events)
            if (e.Name == name) return true;
        return false;
    }
    const Event* Last(const std::string& name) const
    {
        for (auto e = events.rbegin(); e != events.rend(); ++e)
            if (e->Name == name) return &*e;
        return nullptr;
    }
    // The names seen, without the pointer's moves and hovering over the map.
    Strings Names() const
    {
        Strings names;
        for (const Event& e : events)
            if (e.Name != "MapMouseMove" && e.Name != "MapMouseEnter" && e.Name != "MapMouseExit" &&
                (names.empty() || names.back() != e.Name))
                names.push_back(e.Name);
        return names;
    }

    static bool WaitFor(const std::function<bool()>& until)
    {
        web::WebKitEngine::ProcessEvents(5s, until);
        return until();
    }

    std::string Page(const std::string& expression)
    {
        const web::Outcome result = geolith->WebBrowser()->ExecScript("(" + expression + ");");
        EXPECT_TRUE(result.Ok) << expression << ": " << result.Error;
        return result.Value;
    }

    // The screen point dx, dy pixels from the map's centre.
    TPoint Screen(int dx, int dy) const
    {
        return geolith->ClientToScreen({geolith->Width() / 2 + dx, geolith->Height() / 2 + dy});
    }
    void MoveTo(int dx, int dy)
    {
        const TPoint at = Screen(dx, dy);
        pointer.MoveTo(at.X, at.Y);
    }
    // Presses at one point, moves there in steps and releases.
    void Drag(int fromX, int fromY, int toX, int toY)
    {
        MoveTo(fromX, fromY);
        pointer.Button(1, true);
        for (int step = 1; step <= 4; ++step) MoveTo(fromX + (toX - fromX) * step / 4, fromY + (toY - fromY) * step / 4);
        pointer.Button(1, false);
    }

    // The screen's colour at a point, 0xRRGGBB.
    static unsigned long ScreenPixel(TPoint at)
    {
        GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), at.X, at.Y, 1, 1);
        if (!shot) return 0xFFFFFFFF;
        const guchar* p = gdk_pixbuf_read_pixels(shot);
        const unsigned long rgb = (static_cast<unsigned long>(p[0]) << 16) | (p[1] << 8) | p[2];
        g_object_unref(shot);
        return rgb;
    }

    static constexpr int BOffsetX = 120;
    static constexpr int BOffsetY = 60;
    static constexpr unsigned long FirstMarkerColour = 0xD93025;
    static constexpr unsigned long SecondMarkerColour = 0x1A73E8;

    map::testing::XPointer pointer;
    std::unique_ptr<web::testing::MapStandinServer> server;
    TForm* form = nullptr;
    TGeolith* geolith = nullptr;
    std::vector<Event> events;
    TPoint clickedAt{};
};

void ExpectNear(const LatLng& seen, const LatLng& expected, const char* what)
{
    EXPECT_NEAR(seen.Lat, expected.Lat, Near) << what;
    EXPECT_NEAR(seen.Lng, expected.Lng, Near) << what;
}

TEST_F(UGeolithMouseTest, MarkersPutOnTheMapBeforeThePageAreDrawnWhereTheyAre)
{
    // A marker's box stands just above its place; its colour says which it is.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(Screen(0, -6)) == FirstMarkerColour; }))
        << std::hex << ScreenPixel(Screen(0, -6));
    EXPECT_EQ(ScreenPixel(Screen(BOffsetX, BOffsetY - 6)), SecondMarkerColour);
    EXPECT_NE(ScreenPixel(Screen(-BOffsetX, -BOffsetY - 6)), SecondMarkerColour);
}

TEST_F(UGeolithMouseTest, ClicksOnTheMapAndOnMarkersReportWhereAndWhich)
{
    // The map: left and right button, where the pointer is.
    MoveTo(-150, 80);
    pointer.Click(1);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapClick"); }));
    ExpectNear(Last("MapClick")->At, PlaceAt(-150, 80), "left click");
    EXPECT_NEAR(clickedAt.X, geolith->Width() / 2 - 150, 1);
    EXPECT_NEAR(clickedAt.Y, geolith->Height() / 2 + 80, 1);
    EXPECT_TRUE(Saw("MapMouseMove"));
    pointer.Click(3);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapRightClick"); }));
    ExpectNear(Last("MapRightClick")->At, PlaceAt(-150, 80), "right click");

    // A marker: entering it, pressing, releasing, its click opening its
    // information, whose close button reports itself.
    events.clear();
    MoveTo(BOffsetX, BOffsetY - 6);
    pointer.Click(1);
    ASSERT_TRUE(WaitFor([&] { return Saw("MarkerClick B 1"); }));
    EXPECT_EQ(Names(), (Strings{"MarkerMouseEnter B 1", "MarkerMouseDown B 1", "MarkerMouseUp B 1", "MarkerClick B 1"}));
    ExpectNear(Last("MarkerClick B 1")->At, PlaceAt(BOffsetX, BOffsetY), "the marker's own place");
    ASSERT_TRUE(WaitFor([&] { return Page("__standin.state().infoWindows.length") == "1"; }));
    ASSERT_TRUE(WaitFor([&] { return Page("document.querySelectorAll('.standin-info-window').length") == "1"; }));
    const std::string closer =
        Page("(function(){var r=document.querySelector('.standin-info-window').lastChild.getBoundingClientRect();"
             "return Math.round(r.left+r.width/2)+','+Math.round(r.top+r.height/2);})()");
    const int closeX = std::stoi(closer.substr(1)), closeY = std::stoi(closer.substr(closer.find(',') + 1));
    const TPoint closeAt = geolith->ClientToScreen({closeX, closeY});
    pointer.MoveTo(closeAt.X, closeAt.Y);
    pointer.Click(1);
    ASSERT_TRUE(WaitFor([&] { return Saw("InfoWindowClose 1"); }));
    EXPECT_FALSE(Saw("MapClick")) << "a click on the information window is not a click on the map";
    EXPECT_EQ(Page("__standin.state().infoWindows.length"), "0");

    MoveTo(BOffsetX, BOffsetY - 6);
    pointer.Click(3);
    ASSERT_TRUE(WaitFor([&] { return Saw("MarkerRightClick B 1"); }));
    MoveTo(BOffsetX + 60, BOffsetY - 6);
    ASSERT_TRUE(WaitFor([&] { return Saw("MarkerMouseExit B 1"); }));
}

TEST_F(UGeolithMouseTest, DraggingMovesAMarkerOrPansTheMapAndTheWheelAndDoubleClickZoom)
{
    // The draggable marker follows the pointer; the collection keeps its new place.
    Drag(0, -6, 60, 34);
    ASSERT_TRUE(WaitFor([&] { return Saw("MarkerDragEnd A 0"); }));
    EXPECT_EQ(Names(), (Strings{"MarkerMouseEnter A 0", "MarkerMouseDown A 0", "MarkerDragStart A 0",
                                "MarkerDrag A 0", "MarkerDragEnd A 0"}));
    const LatLng dropped = PlaceAt(60, 40);
    ExpectNear(Last("MarkerDragEnd A 0")->At, dropped, "where the marker was dropped");
    EXPECT_NEAR(geolith->Markers()->Items(0)->Latitude(), dropped.Lat, Near);
    EXPECT_NEAR(geolith->Markers()->Items(0)->Longitude(), dropped.Lng, Near);
    EXPECT_FALSE(Saw("MapMoveStart"));

    // Pressed beside the markers, the map pans with the pointer.
    MoveTo(-60, -60);
    ASSERT_TRUE(WaitFor([&] { return Saw("MarkerMouseExit A 0"); }));
    events.clear();
    Drag(-60, -60, -160, -110);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapMoveEnd"); }));
    EXPECT_EQ(Names(), (Strings{"MapMoveStart", "MapMove", "MapMoveEnd"}));
    const LatLng centre = PlaceAt(100, 50);
    ExpectNear(Last("MapMoveEnd")->At, centre, "the new centre");
    EXPECT_NEAR(geolith->MapOptions()->DefaultLatitude(), centre.Lat, Near);
    EXPECT_FALSE(Saw("MapClick")) << "a drag is not a click";

    // The wheel zooms in and out, a double click zooms in on the point.
    events.clear();
    pointer.Click(4);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapZoomChange 13"); }));
    pointer.Click(5);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapZoomChange 12"); }));
    MoveTo(-30, 20);
    events.clear();
    pointer.Click(1);
    pointer.Click(1);
    ASSERT_TRUE(WaitFor([&] { return Saw("MapDblClick") && Saw("MapZoomChange 13"); }));
    ExpectNear(Last("MapDblClick")->At, PlaceAt(100 - 30, 50 + 20), "the double-clicked place");
    EXPECT_EQ(geolith->MapOptions()->ZoomMap(), 13);
}

}  // namespace
