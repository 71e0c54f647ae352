// The map control on the recording engine: launch, scripts, markers in step, options, callbacks.
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithControls.h"
#include "map/UGeolithMarkers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/ScriptText.h"
#include "platform/web/WebBrowser.h"

#include <gtest/gtest.h>

#include <vector>

using web::RecordingEngine;
using web::ScriptValue;
using Strings = std::vector<std::string>;

namespace {

class UGeolithTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = TWebBrowser::SetEngineFactory(
            [](int w, int h) { return std::make_unique<RecordingEngine>(w, h); });
        geolith = std::make_unique<TGeolith>(nullptr);
        geolith->OnGeolithError = [this](TObject* sender, TErrorType error) {
            EXPECT_EQ(sender, geolith.get());
            errors.push_back(error);
        };
    }
    void TearDown() override
    {
        geolith.reset();
        TWebBrowser::SetEngineFactory(saved);
    }

    RecordingEngine& Engine() { return *static_cast<RecordingEngine*>(geolith->WebBrowser()->Engine()); }

    // Launches and plays the page's first tiles-loaded report.
    void GoLive()
    {
        ASSERT_TRUE(geolith->Launch());
        ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
        ASSERT_TRUE(geolith->PageLive());
        Engine().ClearScripts();
    }

    const Strings& Scripts() { return Engine().Scripts(); }

    TWebBrowser::EngineFactory saved;
    std::unique_ptr<TGeolith> geolith;
    std::vector<TErrorType> errors;
};

TEST_F(UGeolithTest, NewControlIsAHiddenWhiteMapWithItsVersion)
{
    EXPECT_EQ(geolith->Width(), 400);
    EXPECT_EQ(geolith->Height(), 250);
    EXPECT_EQ(geolith->Color(), clWhite);
    EXPECT_EQ(geolith->WebBrowser()->Parent(), geolith.get());
    EXPECT_EQ(geolith->WebBrowser()->Align(), alClient);
    EXPECT_FALSE(geolith->WebBrowser()->Visible());
    ASSERT_NE(geolith->Preloader(), nullptr);
    EXPECT_FALSE(geolith->Preloader()->Visible());
    EXPECT_EQ(geolith->Preloader()->Picture().Width(), 32) << "the LOADER picture from the resources";
    EXPECT_EQ(geolith->Version(), "1.0.2.0");
    geolith->SetVersion("9.9");
    EXPECT_EQ(geolith->Version(), "1.0.2.0");
    EXPECT_EQ(geolith->GetVersionNr(), 0x01000200);
}

TEST_F(UGeolithTest, ScriptsBeforeAnyPageAreDroppedSilently)
{
    EXPECT_FALSE(geolith->ExecJScript("map.panBy(1, 1);"));
    EXPECT_FALSE(geolith->MapPanTo(1, 2));
    EXPECT_EQ(geolith->ScreenShot(itPng), nullptr);
    EXPECT_TRUE(errors.empty());
}

TEST_F(UGeolithTest, LaunchLoadsThePageBehindThePreloader)
{
    int starts = 0;
    geolith->OnDownloadStart = [&](TObject* sender) {
        EXPECT_EQ(sender, geolith.get());
        ++starts;
    };
    ASSERT_TRUE(geolith->Launch());
    EXPECT_EQ(Engine().Navigations(), Strings{"about:blank"});
    ASSERT_EQ(Engine().Documents().size(), 1u);
    std::string page;
    geolith->BuildMapPage(page);
    EXPECT_EQ(Engine().Documents()[0], page);
    EXPECT_GE(starts, 1);
    EXPECT_TRUE(geolith->Preloader()->Visible());
    EXPECT_TRUE(geolith->Preloader()->Animate());
    EXPECT_FALSE(geolith->WebBrowser()->Visible());
    EXPECT_FALSE(geolith->PageLive());
    EXPECT_TRUE(errors.empty());
}

TEST_F(UGeolithTest, LaunchWithoutPreloaderNeverShowsIt)
{
    geolith->MapOptions()->SetPreloaderVisible(false);
    ASSERT_TRUE(geolith->Launch());
    EXPECT_FALSE(geolith->Preloader()->Visible());
    EXPECT_FALSE(geolith->WebBrowser()->Visible());
}

TEST_F(UGeolithTest, FailedLaunchReportsAndTakesThePreloaderDown)
{
    struct Row {
        const char* name;
        std::function<void(RecordingEngine&)> breakEngine;
    };
    const Row rows[] = {
        {"blank page never completes", [](RecordingEngine& e) { e.StopLoadsAt(web::ReadyState::Loading); }},
        {"document load fails", [](RecordingEngine& e) { e.FailDocumentLoads(true); }},
    };
    for (const Row& row : rows) {
        geolith = std::make_unique<TGeolith>(nullptr);
        errors.clear();
        geolith->OnGeolithError = [this](TObject*, TErrorType e) { errors.push_back(e); };
        geolith->WebBrowser()->SetTimeout(std::chrono::milliseconds(50));
        row.breakEngine(Engine());
        EXPECT_FALSE(geolith->Launch()) << row.name;
        EXPECT_EQ(errors, std::vector<TErrorType>{etVistraProblem}) << row.name;
        EXPECT_FALSE(geolith->Preloader()->Visible()) << row.name;
        EXPECT_FALSE(geolith->Preloader()->Animate()) << row.name;
    }
}

TEST_F(UGeolithTest, FirstTilesReportShowsTheMapOnce)
{
    int finished = 0;
    geolith->OnDownloadFinish = [&](TObject* sender) {
        EXPECT_EQ(sender, geolith.get());
        ++finished;
    };
    geolith->Markers()->Add(1, 2, "a");
    geolith->Markers()->Add(3, 4, "b");
    ASSERT_TRUE(geolith->Launch());
    EXPECT_TRUE(Scripts().empty()) << "markers wait for the page's first report";
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_EQ(Scripts(), (Strings{web::BodyStyleScript("overflow", "hidden"), web::BodyStyleScript("borderStyle", "none"),
                                  R"(createMapMarker("1", "2", "a", false, true, true, false, false, "" , 0 );)"
                                  R"(createMapMarker("3", "4", "b", false, true, true, false, false, "" , 0 );)"}))
        << "the whole list in one script";
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(geolith->Preloader()->Visible());
    EXPECT_TRUE(geolith->WebBrowser()->Visible());

    Engine().ClearScripts();
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_TRUE(Scripts().empty());
    EXPECT_EQ(finished, 1);

    // A new page gets every marker again from its own first report.
    ASSERT_TRUE(geolith->Launch());
    EXPECT_TRUE(geolith->WebBrowser()->Visible()) << "a relaunch does not hide the map";
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_EQ(finished, 2);
    EXPECT_NE(Scripts().back().find(R"("b")"), std::string::npos);
}

TEST_F(UGeolithTest, MarkersStayInStepWithThePage)
{
    GoLive();
    TMarkers& markers = *geolith->Markers();
    markers.Add(48.5, 2.25, "one");
    EXPECT_EQ(Scripts(), Strings{R"(createMapMarker("48.5", "2.25", "one", false, true, true, false, false, "" , 0 );)"});
    markers.Add(1, 1, "two", "icon.png", true, false, true, true, true, 5);
    markers.Add(2, 2, "three");
    Engine().ClearScripts();

    markers.Delete(1);
    EXPECT_EQ(Scripts(), Strings{"deleteMapMarker(1);"});
    EXPECT_EQ(markers.Items(1)->Title(), "three");
    markers.Add(3, 3, "four");
    Engine().ClearScripts();
    markers.Clear();
    EXPECT_EQ(Scripts(), Strings{"deleteAllMapMarker();"}) << "one call however many markers";
    markers.Clear();
    EXPECT_EQ(Scripts(), Strings{"deleteAllMapMarker();"}) << "nothing to take off";
}

TEST_F(UGeolithTest, DestructionDeletesThePageMarkersFirst)
{
    GoLive();
    geolith->Markers()->Add(1, 1, "a");
    geolith->Markers()->Add(2, 2, "b");
    Strings sent;  // outlives the engine, which goes with the control
    Engine().FailScriptsWhen([&sent](std::string_view s) {
        sent.emplace_back(s);
        return false;
    });
    geolith.reset();
    EXPECT_EQ(sent, Strings{"deleteAllMapMarker();"});
}

TEST_F(UGeolithTest, MarkerSettersScriptTheirPageMarker)
{
    GoLive();
    TMarker* marker = geolith->Markers()->Add(10, 20, "t");
    geolith->Markers()->Add(0, 0, "u");
    Engine().ClearScripts();
    marker->SetLatitude(11.5);
    marker->SetLongitude(21.5);
    marker->SetTitle("new");
    marker->SetVisible(false);
    marker->SetDraggable(true);
    marker->SetClickable(false);
    marker->SetFlat(true);
    marker->SetZindex(9);
    marker->SetIcon("x.png");
    marker->SetInitialDropAnimation(true);
    EXPECT_EQ(Scripts(), (Strings{"allmarkers[0].setPosition(new google.maps.LatLng(11.5,20));",
                                  "allmarkers[0].setPosition(new google.maps.LatLng(11.5,21.5));",
                                  R"(allmarkers[0].setTitle("new");)", "allmarkers[0].setVisible(false);",
                                  "allmarkers[0].setDraggable(true);", "allmarkers[0].setClickable(false);",
                                  "allmarkers[0].setFlat(true);", "allmarkers[0].setZIndex(9);"}));
}

TEST_F(UGeolithTest, BareMarkersAndMovesKeepIndexesTrue)
{
    GoLive();
    TMarkers& markers = *geolith->Markers();
    markers.Add(1, 1, "a");
    TMarker* bare = markers.Add();
    EXPECT_EQ(bare->Title(), "Marker1");
    EXPECT_EQ(bare->Zindex(), 1);
    EXPECT_TRUE(bare->Draggable());
    EXPECT_EQ(Scripts().back(), R"(createMapMarker("0", "0", "Marker1", true, true, true, false, false, "" , 1 );)")
        << "a bare marker joins the page at once";
    Engine().ClearScripts();
    bare->SetIndex(0);
    EXPECT_EQ(Scripts(), Strings{"deleteAllMapMarker();"
                                 R"(createMapMarker("0", "0", "Marker1", true, true, true, false, false, "" , 1 );)"
                                 R"(createMapMarker("1", "1", "a", false, true, true, false, false, "" , 0 );)"});
}

TEST_F(UGeolithTest, AFailedCreateRebuildsThePageOrStopsScripting)
{
    GoLive();
    TMarkers& markers = *geolith->Markers();
    markers.Add(1, 1, "a");
    Engine().FailScriptsWhen([](std::string_view s) { return s.find("\"b\"") != std::string_view::npos; });
    Engine().ClearScripts();
    markers.Add(2, 2, "b");
    EXPECT_EQ(markers.Count(), 2) << "the collection keeps the marker";
    EXPECT_EQ(Scripts(), (Strings{R"(createMapMarker("2", "2", "b", false, true, true, false, false, "" , 0 );)",
                                  "deleteAllMapMarker();"
                                  R"(createMapMarker("1", "1", "a", false, true, true, false, false, "" , 0 );)"
                                  R"(createMapMarker("2", "2", "b", false, true, true, false, false, "" , 0 );)"}));
    EXPECT_FALSE(markers.PageInStep());
    EXPECT_EQ(errors, (std::vector<TErrorType>{etJavascriptError, etJavascriptError}));

    // Out of step, nothing is sent that could reach the wrong page marker.
    Engine().ClearScripts();
    markers.Items(0)->SetTitle("x");
    markers.Delete(0);
    EXPECT_TRUE(Scripts().empty());

    // The next page is rebuilt from the collection.
    Engine().FailScriptsWhen({});
    ASSERT_TRUE(geolith->Launch());
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_TRUE(markers.PageInStep());
    EXPECT_EQ(Scripts().back(), R"(createMapMarker("2", "2", "b", false, true, true, false, false, "" , 0 );)");
}

TEST_F(UGeolithTest, ADraggedMarkerKeepsItsNewPlaceInTheCollection)
{
    GoLive();
    TMarkers& markers = *geolith->Markers();
    markers.Add(1, 1, "a");
    markers.Add(2, 2, "b");
    Engine().ClearScripts();
    std::vector<double> reported;
    geolith->OnMarkerDragEnd = [&](const std::string&, int, double lat, double) { reported.push_back(lat); };
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMarkerDragEnd", {"b", 1, 48.5, 2.25}));
    EXPECT_DOUBLE_EQ(markers.Items(1)->Latitude(), 48.5);
    EXPECT_DOUBLE_EQ(markers.Items(1)->Longitude(), 2.25);
    EXPECT_DOUBLE_EQ(markers.Items(0)->Latitude(), 1);
    EXPECT_EQ(reported, std::vector<double>{48.5});
    EXPECT_TRUE(Scripts().empty()) << "the page already shows the marker there";
    // A report naming no marker of ours changes nothing.
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMarkerDragEnd", {"x", 7, 9.0, 9.0}));
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMarkerDragEnd", {"x", -1, 9.0, 9.0}));
    EXPECT_DOUBLE_EQ(markers.Items(0)->Latitude(), 1);
    EXPECT_DOUBLE_EQ(markers.Items(1)->Latitude(), 48.5);
    // The next page is built with the new place.
    ASSERT_TRUE(geolith->Launch());
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_NE(Scripts().back().find(R"(createMapMarker("48.5", "2.25", "b")"), std::string::npos) << Scripts().back();
}

TEST_F(UGeolithTest, AnUpdateBlockSendsOneScript)
{
    GoLive();
    TMarkers& markers = *geolith->Markers();
    markers.Add(9, 9, "old");
    Engine().ClearScripts();
    markers.BeginUpdate();
    markers.BeginUpdate();
    markers.Add(1, 1, "a");
    markers.Add();
    markers.Items(0)->SetFlat(true);
    markers.Delete(0);
    markers.EndUpdate();
    EXPECT_TRUE(Scripts().empty()) << "only the outermost block sends";
    markers.EndUpdate();
    EXPECT_EQ(Scripts(), Strings{R"(createMapMarker("1", "1", "a", false, true, true, false, false, "" , 0 );)"
                                 R"(createMapMarker("0", "0", "Marker2", true, true, true, false, false, "" , 2 );)"
                                 "allmarkers[0].setFlat(true);deleteMapMarker(0);"});
    EXPECT_TRUE(markers.PageInStep());

    // A failed batch rebuilds the page's list from the collection.
    Engine().FailScriptsWhen([](std::string_view s) { return s.rfind("createMapMarker(\"5\"", 0) == 0; });
    Engine().ClearScripts();
    markers.BeginUpdate();
    markers.Add(5, 5, "c");
    markers.EndUpdate();
    ASSERT_EQ(Scripts().size(), 2u);
    EXPECT_EQ(Scripts()[1].rfind("deleteAllMapMarker();createMapMarker(\"1\"", 0), 0u) << Scripts()[1];
    EXPECT_TRUE(markers.PageInStep());
}

TEST_F(UGeolithTest, TitleWithAQuoteIsCreatedIntact)
{
    GoLive();
    geolith->Markers()->Add(0, 0, "say \"hi\"");
    EXPECT_EQ(Scripts(), Strings{R"(createMapMarker("0", "0", "say \"hi\"", false, true, true, false, false, "" , 0 );)"});
    EXPECT_TRUE(errors.empty());
}

TEST_F(UGeolithTest, RejectedScriptRaisesJavascriptError)
{
    GoLive();
    Engine().FailScriptsWhen([](std::string_view) { return true; });
    EXPECT_FALSE(geolith->StartMarkerBounceAnimation(-1));
    EXPECT_EQ(errors, std::vector<TErrorType>{etJavascriptError});
    geolith->OnGeolithError = nullptr;
    EXPECT_FALSE(geolith->MapPanBy(1, 1)) << "silent without a handler";
}

TEST_F(UGeolithTest, MapOptionSettersByPageState)
{
    TMapOptions& m = *geolith->MapOptions();
    m.SetDraggable(false);
    m.SetZoomMap(12);
    m.SetLanguage(lnGerman);
    EXPECT_FALSE(m.Draggable());
    EXPECT_TRUE(Scripts().empty());
    EXPECT_TRUE(errors.empty());

    // With a window, before the page is live: the window-tested setters send.
    ASSERT_TRUE(geolith->Launch());
    Engine().ClearScripts();
    m.SetScrollWheel(false);
    m.SetZoomMap(13);
    m.SetShowTraffic(true);
    EXPECT_EQ(Scripts(), Strings{"map.setOptions( {scrollwheel:false} );"});

    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    Engine().ClearScripts();
    m.SetDraggable(true);
    m.SetDisableDoubleClickZoom(true);
    m.SetEnableKeyboard(false);
    m.SetDisableControls(true);
    m.SetMapType(mtSatellite);
    m.SetZoomMap(12);
    m.SetShowTraffic(false);
    m.SetShowBicycling(true);
    m.SetShowPanoramio(false);
    m.SetDefaultLatitude(1);
    m.SetPreloaderVisible(false);
    EXPECT_EQ(Scripts(), (Strings{"map.setOptions( {draggable:true} );", "map.setOptions( {disableDoubleClickZoom:true} );",
                                  "map.setOptions( {keyboardShortcuts:false} );", "map.setOptions( {disableDefaultUI:true} );",
                                  "map.setMapTypeId(google.maps.MapTypeId.SATELLITE);", "setzoommap(12);", "HideTraffic();",
                                  "ShowBicycling();", "HidePanoramio();"}));

    // A language change on a live page loads the page again; the map stays shown.
    const auto documents = Engine().Documents().size();
    m.SetLanguage(lnFrench);
    EXPECT_EQ(Engine().Documents().size(), documents + 1);
    EXPECT_NE(Engine().Documents().back().find("language=fr"), std::string::npos);
    EXPECT_TRUE(geolith->WebBrowser()->Visible());
}

TEST_F(UGeolithTest, ControlSettersSendOnlyOnALivePage)
{
    TControlsOptions& c = *geolith->ControlsOptions();
    ASSERT_TRUE(geolith->Launch());
    Engine().ClearScripts();
    c.ScaleControl()->SetPosition(cpRightBottom);
    EXPECT_TRUE(Scripts().empty());
    EXPECT_EQ(c.ScaleControl()->Position(), cpRightBottom);

    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    Engine().ClearScripts();
    c.PanControl()->SetVisible(false);
    c.ZoomControl()->SetVisible(true);
    c.MapTypeControl()->SetVisible(false);
    c.ScaleControl()->SetVisible(true);
    c.StreetViewControl()->SetVisible(false);
    c.OverviewMapControl()->SetVisible(true);
    c.PanControl()->SetPosition(cpTopCenter);
    c.ZoomControl()->SetPosition(cpLeftTop);
    c.MapTypeControl()->SetPosition(cpBottomCenter);
    c.StreetViewControl()->SetPosition(cpRightTop);
    c.ZoomControl()->SetStyle(zsLarge);
    c.MapTypeControl()->SetStyle(mtsDropDownMenu);
    c.OverviewMapControl()->SetOpen(false);
    c.SetControlsType(ctZomPan);
    const std::string p = "map.setOptions( {  ";
    EXPECT_EQ(Scripts(), (Strings{"map.setOptions( {panControl:false} );", "map.setOptions( {zoomControl:true} );",
                                  "map.setOptions( {mapTypeControl:false} );", "map.setOptions( {scaleControl:true} );",
                                  "map.setOptions( {streetViewControl:false} );", "map.setOptions( {overviewMapControl:true} );",
                                  p + "panControlOptions: {    position: google.maps.ControlPosition.TOP_CENTER  }} );",
                                  p + "zoomControlOptions: {    position: google.maps.ControlPosition.LEFT_TOP  }} );",
                                  p + "mapTypeControlOptions: {    position: google.maps.ControlPosition.BOTTOM_CENTER  }} );",
                                  p + "streetViewControlOptions: {    position: google.maps.ControlPosition.RIGHT_TOP  }} );",
                                  p + "zoomControlOptions: {    style: google.maps.ZoomControlStyle.LARGE  }} );",
                                  p + "mapTypeControlOptions: {    style: google.maps.MapTypeControlStyle.DROPDOWN_MENU  }} );",
                                  p + "overviewMapControlOptions: {    opened: false  }} );",
                                  p + "navigationControlOptions: {    style: google.maps.NavigationControlStyle.ZOOM_PAN  }} );"}));
}

TEST_F(UGeolithTest, StreetViewWaitsForTheLivePageAndFollowsTheLastDrag)
{
    TStreetViewOptions& sv = *geolith->StreetViewOptions();
    sv.SetHeading(90);
    sv.SetZoom(1);
    sv.SetPitch(-10);
    ASSERT_TRUE(geolith->Launch());
    Engine().ClearScripts();
    sv.SetVisible(true);
    EXPECT_TRUE(Scripts().empty());
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
    EXPECT_EQ(Scripts().back(), R"(showStreetview("48.85904", "2.294297", 90, 1, -10 );)");

    ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapMoveEnd", {10.5, 20.25}));
    geolith->MapPanTo(1, 1);
    Engine().ClearScripts();
    geolith->SwitchToStreetView();
    EXPECT_EQ(Scripts(), Strings{R"(showStreetview("10.5", "20.25", 90, 1, -10 );)"});
    ASSERT_TRUE(Engine().InjectExternalCall("ExternalStreetViewMove", {11.0, 21.0}));
    Engine().ClearScripts();
    geolith->SwitchToMap();
    EXPECT_EQ(Scripts(), Strings{"streetviewPanorama.setVisible(false);"});
    EXPECT_EQ(geolith->MapOptions()->DefaultLatitude(), 11.0);
    EXPECT_EQ(geolith->MapOptions()->DefaultLongitude(), 21.0);
}

TEST_F(UGeolithTest, CallbacksReachTheirEventsWithConvertedArguments)
{
    GoLive();
    std::vector<std::string> seen;
    auto note = [&](std::string text) { seen.push_back(std::move(text)); };
    auto markerNote = [&](const char* name) {
        return [&, name](const std::string& t, int id, double la, double lo) {
            note(std::string(name) + " " + t + " " + std::to_string(id) + " " + std::to_string(la) + " " + std::to_string(lo));
        };
    };
    auto positionNote = [&](const char* name) {
        return [&, name](double la, double lo, int x, int y) {
            note(std::string(name) + " " + std::to_string(la) + " " + std::to_string(lo) + " " + std::to_string(x) + "," +
                 std::to_string(y));
        };
    };
    TGeolith& g = *geolith;
    g.OnMarkerClick = [&](const std::string& t, int id, double la, double lo, TMouseButton b) {
        note("MarkerClick " + t + " " + std::to_string(id) + " " + std::to_string(la) + " " + std::to_string(lo) + " " +
             std::to_string(b));
    };
    g.OnMarkerDblClick = markerNote("MarkerDblClick");
    g.OnMarkerMouseDown = markerNote("MarkerMouseDown");
    g.OnMarkerMouseUp = markerNote("MarkerMouseUp");
    g.OnMarkerMouseEnter = markerNote("MarkerMouseEnter");
    g.OnMarkerMouseExit = markerNote("MarkerMouseExit");
    g.OnMarkerDragStart = markerNote("MarkerDragStart");
    g.OnMarkerDrag = markerNote("MarkerDrag");
    g.OnMarkerDragEnd = markerNote("MarkerDragEnd");
    g.OnMarkerInfoWindowCloseClick = [&](int id) { note("InfoWindowClose " + std::to_string(id)); };
    g.OnMapClick = [&](double la, double lo, int x, int y, TMouseButton b) {
        note("MapClick " + std::to_string(la) + " " + std::to_string(lo) + " " + std::to_string(x) + "," +
             std::to_string(y) + " " + std::to_string(b));
    };
    g.OnMapDblClick = positionNote("MapDblClick");
    g.OnMapMouseMove = positionNote("MapMouseMove");
    g.OnMapMouseEnter = positionNote("MapMouseEnter");
    g.OnMapMouseExit = positionNote("MapMouseExit");
    g.OnMapMoveStart = positionNote("MapMoveStart");
    g.OnMapMove = positionNote("MapMove");
    g.OnMapMoveEnd = positionNote("MapMoveEnd");
    g.OnStreetViewMove = positionNote("StreetViewMove");
    g.OnMapZoomChange = [&](int level) { note("Zoom " + std::to_string(level)); };
    g.OnMapTypeChange = [&](TMapType type) { note("Type " + std::to_string(type)); };
    g.OnMapIdle = [&](TObject* sender) { note(std::string("Idle ") + (sender == &g ? "component" : "other")); };
    g.OnDownloadFinish = [&](TObject*) { note("Finish"); };

    struct Call {
        const char* name;
        std::vector<ScriptValue> args;
        const char* expected;
    };
    const Call calls[] = {
        {"ExternalMarkerClick", {"t", 2, 1.5, 2.5, 1}, "MarkerClick t 2 1.500000 2.500000 1"},
        {"ExternalMarkerDblClick", {"t", 2, 1.5, 2.5}, "MarkerDblClick t 2 1.500000 2.500000"},
        {"ExternalMarkerMouseDown", {"t", 0, 1.0, 2.0}, "MarkerMouseDown t 0 1.000000 2.000000"},
        {"ExternalMarkerMouseUp", {"t", 0, 1.0, 2.0}, "MarkerMouseUp t 0 1.000000 2.000000"},
        {"ExternalMarkerMouseEnter", {"t", 0, 1.0, 2.0}, "MarkerMouseEnter t 0 1.000000 2.000000"},
        {"ExternalMarkerMouseExit", {"t", 0, 1.0, 2.0}, "MarkerMouseExit t 0 1.000000 2.000000"},
        {"ExternalMarkerDragStart", {"t", -1, 1.0, 2.0}, "MarkerDragStart t -1 1.000000 2.000000"},
        {"ExternalMarkerDrag", {"t", 0, 1.0, 2.0}, "MarkerDrag t 0 1.000000 2.000000"},
        {"ExternalMarkerDragEnd", {"t", 0, "3.25", 4.0}, "MarkerDragEnd t 0 3.250000 4.000000"},
        {"ExternalMarkerInfoWindowCloseClick", {3}, "InfoWindowClose 3"},
        {"ExternalMapClick", {1.0, 2.0, 1}, "MapClick 1.000000 2.000000 0,0 1"},
        {"ExternalMapDblClick", {1.0, 2.0}, "MapDblClick 1.000000 2.000000 0,0"},
        {"ExternalMapMouseMove", {1.0, 2.0}, "MapMouseMove 1.000000 2.000000 0,0"},
        {"ExternalMapMouseEnter", {1.0, 2.0}, "MapMouseEnter 1.000000 2.000000 0,0"},
        {"ExternalMapMouseExit", {1.0, 2.0}, "MapMouseExit 1.000000 2.000000 0,0"},
        {"ExternalMapMoveStart", {1.0, 2.0}, "MapMoveStart 1.000000 2.000000 0,0"},
        {"ExternalMapMove", {1.0, 2.0}, "MapMove 1.000000 2.000000 0,0"},
        {"ExternalMapMoveEnd", {5.0, 6.0}, "MapMoveEnd 5.000000 6.000000 0,0"},
        {"ExternalStreetViewMove", {7.0, 8.0}, "StreetViewMove 7.000000 8.000000 0,0"},
        {"ExternalMapZoomChange", {14}, "Zoom 14"},
        {"ExternalMapTypeChanged", {2}, "Type 2"},
        {"ExternalMapIdle", {}, "Idle component"},
    };
    for (const Call& call : calls) {
        seen.clear();
        EXPECT_TRUE(Engine().InjectExternalCall(call.name, call.args)) << call.name;
        EXPECT_EQ(seen, Strings{call.expected}) << call.name;
    }
    // The page's state is kept without any script going back.
    EXPECT_TRUE(Scripts().empty());
    EXPECT_EQ(g.MapOptions()->ZoomMap(), 14);
    EXPECT_EQ(g.MapOptions()->MapType(), mtHybrid);
    EXPECT_EQ(g.MapOptions()->DefaultLatitude(), 5.0);
    EXPECT_EQ(g.StreetViewOptions()->DefaultLongitude(), 8.0);

    std::string page;
    g.BuildMapPage(page);
    EXPECT_NE(page.find("zoom: 14,"), std::string::npos) << "a relaunch builds the page at the last zoom";

    for (int code : {3, 4, 5}) EXPECT_TRUE(Engine().InjectExternalCall("ExternalVistraError", {code}));
    EXPECT_EQ(errors, (std::vector<TErrorType>{etNotValidMarker, etStreetViewUnknownError, etStreetViewNoResults}));
}

TEST_F(UGeolithTest, BadCallbackArgumentsRaiseNothing)
{
    GoLive();
    std::string failure;
    Engine().OnHandlerFailed = [&](std::string_view, std::string_view error) { failure = std::string(error); };
    int zooms = 0;
    geolith->OnMapZoomChange = [&](int) { ++zooms; };
    EXPECT_TRUE(Engine().InjectExternalCall("ExternalVistraError", {9}));
    EXPECT_TRUE(Engine().InjectExternalCall("ExternalMapZoomChange", {"deep"}));
    EXPECT_TRUE(Engine().InjectExternalCall("ExternalMapZoomChange", {}));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(zooms, 0);
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(geolith->MapOptions()->ZoomMap(), 10);
}

TEST_F(UGeolithTest, ThePageReachesOnlyTheCallbacks)
{
    ASSERT_TRUE(geolith->Launch());
    Strings names;
    for (const auto& [name, method] : Engine().ExternalMethods()) names.push_back(name);
    EXPECT_EQ(names.size(), 24u);
    for (const auto& name : names) EXPECT_EQ(name.rfind("External", 0), 0u) << name;
}

TEST_F(UGeolithTest, ScreenShotIsExactlyTheControlsSize)
{
    geolith->SetBounds(0, 0, 320, 200);
    GoLive();
    for (TImgType type : {itBitmap, itJpeg, itPng}) {
        std::unique_ptr<TGraphic> picture = geolith->ScreenShot(type);
        ASSERT_NE(picture, nullptr) << type;
        EXPECT_EQ(picture->Width(), 320) << type;
        EXPECT_EQ(picture->Height(), 200) << type;
    }
    EXPECT_TRUE(dynamic_cast<TJPEGImage*>(geolith->ScreenShot(itJpeg).get()));
    EXPECT_TRUE(dynamic_cast<TPngImage*>(geolith->ScreenShot(itPng).get()));
    Engine().FailSnapshots(true);
    EXPECT_EQ(geolith->ScreenShot(itBitmap), nullptr);
    EXPECT_EQ(errors, std::vector<TErrorType>{etScreenshotProblem});
}

}  // namespace
