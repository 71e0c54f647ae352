// Every script text of the map control, and texts from users arriving intact.
#include "map/UGeolithScripts.h"

#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

namespace s = map::scripts;

namespace {

struct ScriptCase {
    const char* name;
    std::string actual;
    const char* expected;
};

TEST(UGeolithScripts, EveryTextIsExact)
{
    s::MarkerValues marker;
    marker.Latitude = 48.85904;
    marker.Longitude = -2.5;
    marker.Title = "Tower";
    marker.Icon = "http://host/i.png";
    marker.Draggable = true;
    marker.Visible = false;
    marker.Clickable = true;
    marker.Flat = true;
    marker.InitialDropAnimation = false;
    marker.Zindex = -3;

    const ScriptCase cases[] = {
        {"create", s::CreateMapMarker(marker),
         R"(createMapMarker("48.85904", "-2.5", "Tower", true, false, true, true, false, "http://host/i.png" , -3 );)"},
        {"delete", s::DeleteMapMarker(4), "deleteMapMarker(4);"},
        {"delete all", s::DeleteAllMapMarker(), "deleteAllMapMarker();"},
        {"open info", s::OpenMarkerInfoWindowHtml(2, "<b>x</b>"), R"(openMarkerInfoWindowHtml(2,"<b>x<\/b>");)"},
        {"close info", s::CloseMarkerInfoWindowHtml(2), "closeMarkerInfoWindowHtml(2);"},
        {"bounce", s::StartMarkerBounceAnimation(1), "startMarkerBounceAnimation(1);"},
        {"stop bounce", s::StopMarkerBounceAnimation(1), "stopMarkerBounceAnimation(1);"},
        {"pan to", s::MapPanTo(48.85904, 2.294297), "map.panTo(new google.maps.LatLng(48.85904, 2.294297));"},
        {"pan by", s::MapPanBy(-10, 20), "map.panBy(-10, 20);"},
        {"position", s::MarkerSetPosition(0, 1.5, 0.0001),
         "allmarkers[0].setPosition(new google.maps.LatLng(1.5,0.0001));"},
        {"tiny number", s::MarkerSetPosition(0, 0.00001, 0), "allmarkers[0].setPosition(new google.maps.LatLng(1E-5,0));"},
        {"title", s::MarkerSetTitle(3, "Home"), R"(allmarkers[3].setTitle("Home");)"},
        {"visible", s::MarkerSetVisible(1, false), "allmarkers[1].setVisible(false);"},
        {"draggable", s::MarkerSetDraggable(1, true), "allmarkers[1].setDraggable(true);"},
        {"clickable", s::MarkerSetClickable(1, false), "allmarkers[1].setClickable(false);"},
        {"flat", s::MarkerSetFlat(1, true), "allmarkers[1].setFlat(true);"},
        {"z-index", s::MarkerSetZIndex(1, 7), "allmarkers[1].setZIndex(7);"},
        {"boolean option", s::MapSetBooleanOption("draggable", false), "map.setOptions( {draggable:false} );"},
        {"map type", s::MapSetMapType(mtTerrain), "map.setMapTypeId(google.maps.MapTypeId.TERRAIN);"},
        {"zoom", s::SetZoomMap(12), "setzoommap(12);"},
        {"layer shown", s::ShowLayer("ShowBicycling", "HideBicyling", true), "ShowBicycling();"},
        {"layer hidden", s::ShowLayer("ShowBicycling", "HideBicyling", false), "HideBicyling();"},
        {"street view", s::ShowStreetView(48.85904, 2.294297, 90, 1, -10),
         R"(showStreetview("48.85904", "2.294297", 90, 1, -10 );)"},
        {"hide street view", s::HideStreetView(), "streetviewPanorama.setVisible(false);"},
        {"control position", s::ControlPositionOption("scaleControlOptions", cpRightBottom),
         "map.setOptions( {  scaleControlOptions: {    position: google.maps.ControlPosition.RIGHT_BOTTOM  }} );"},
        {"zoom style", s::ZoomControlStyleOption(zsLarge),
         "map.setOptions( {  zoomControlOptions: {    style: google.maps.ZoomControlStyle.LARGE  }} );"},
        {"map type style", s::MapTypeControlStyleOption(mtsDropDownMenu),
         "map.setOptions( {  mapTypeControlOptions: {    style: google.maps.MapTypeControlStyle.DROPDOWN_MENU  }} );"},
        {"overview", s::OverviewOpenedOption(true),
         "map.setOptions( {  overviewMapControlOptions: {    opened: true  }} );"},
        {"controls type", s::ControlsTypeOption(ctZomPan),
         "map.setOptions( {  navigationControlOptions: {    style: google.maps.NavigationControlStyle.ZOOM_PAN  }} );"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(UGeolithScripts, UserTextsCannotEndTheCall)
{
    // Each hostile text stays inside one string literal: no raw quote, line
    // break or closing script tag reaches the call.
    const std::string hostile = "a\"b\\c\nd</script>e\u2028f";
    s::MarkerValues marker;
    marker.Title = hostile;
    marker.Icon = hostile;
    const std::string scripts[] = {s::CreateMapMarker(marker), s::MarkerSetTitle(0, hostile),
                                   s::OpenMarkerInfoWindowHtml(0, hostile)};
    for (const auto& script : scripts) {
        EXPECT_EQ(script.find('\n'), std::string::npos) << script;
        EXPECT_EQ(script.find("</script>"), std::string::npos) << script;
        EXPECT_NE(script.find(R"(a\"b\\c\nd<\/script>e\u2028f)"), std::string::npos) << script;
    }
}

TEST(UGeolithScripts, CoordinatesUseADotWhateverTheNumberSettings)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    const std::string pan = s::MapPanTo(48.85904, 2.294297);
    s::MarkerValues marker;
    marker.Latitude = 48.85904;
    const std::string create = s::CreateMapMarker(marker);
    FormatSettings() = saved;
    EXPECT_EQ(pan, "map.panTo(new google.maps.LatLng(48.85904, 2.294297));");
    EXPECT_EQ(create.rfind(R"(createMapMarker("48.85904", "0",)", 0), 0u) << create;
}

}  // namespace
