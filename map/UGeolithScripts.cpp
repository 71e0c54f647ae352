// The script texts of the map control, its markers and its option objects.
#include "map/UGeolithScripts.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/web/ScriptText.h"

namespace map::scripts {
namespace {

std::string Int(int value) { return IntToStr(value); }

std::string Literal(std::string_view text) { return web::ScriptStringLiteral(text); }

std::string MarkerCall(int index, std::string_view call) { return "allmarkers[" + Int(index) + "]." + std::string(call); }

// The shape the control setters share; the blanks are part of the text.
std::string NestedOption(std::string_view options, std::string_view key, std::string_view value)
{
    return "map.setOptions( {  " + std::string(options) + ": {    " + std::string(key) + ": " + std::string(value) +
           "  }} );";
}

}  // namespace

std::string CreateMapMarker(const MarkerValues& m)
{
    return "createMapMarker(\"" + NumberText(m.Latitude) + "\", \"" + NumberText(m.Longitude) + "\", " +
           Literal(m.Title) + ", " + BoolText(m.Draggable) + ", " + BoolText(m.Visible) + ", " +
           BoolText(m.Clickable) + ", " + BoolText(m.Flat) + ", " + BoolText(m.InitialDropAnimation) + ", " +
           Literal(m.Icon) + " , " + Int(m.Zindex) + " );";
}

std::string DeleteMapMarker(int Id) { return "deleteMapMarker(" + Int(Id) + ");"; }
std::string DeleteAllMapMarker() { return "deleteAllMapMarker();"; }

std::string OpenMarkerInfoWindowHtml(int Id, std::string_view HtmlText)
{
    return "openMarkerInfoWindowHtml(" + Int(Id) + "," + Literal(HtmlText) + ");";
}

std::string CloseMarkerInfoWindowHtml(int Id) { return "closeMarkerInfoWindowHtml(" + Int(Id) + ");"; }
std::string StartMarkerBounceAnimation(int Id) { return "startMarkerBounceAnimation(" + Int(Id) + ");"; }
std::string StopMarkerBounceAnimation(int Id) { return "stopMarkerBounceAnimation(" + Int(Id) + ");"; }

std::string MapPanTo(double Latitude, double Longitude)
{
    return "map.panTo(new google.maps.LatLng(" + NumberText(Latitude) + ", " + NumberText(Longitude) + "));";
}

std::string MapPanBy(int X, int Y) { return "map.panBy(" + Int(X) + ", " + Int(Y) + ");"; }

std::string MarkerSetPosition(int Index, double Latitude, double Longitude)
{
    return MarkerCall(Index, "setPosition(new google.maps.LatLng(" + NumberText(Latitude) + "," +
                                 NumberText(Longitude) + "));");
}

std::string MarkerSetTitle(int Index, std::string_view Title)
{
    return MarkerCall(Index, "setTitle(" + Literal(Title) + ");");
}

std::string MarkerSetVisible(int Index, bool Value) { return MarkerCall(Index, "setVisible(" + BoolText(Value) + ");"); }
std::string MarkerSetDraggable(int Index, bool Value)
{
    return MarkerCall(Index, "setDraggable(" + BoolText(Value) + ");");
}
std::string MarkerSetClickable(int Index, bool Value)
{
    return MarkerCall(Index, "setClickable(" + BoolText(Value) + ");");
}
std::string MarkerSetFlat(int Index, bool Value) { return MarkerCall(Index, "setFlat(" + BoolText(Value) + ");"); }
std::string MarkerSetZIndex(int Index, int Zindex) { return MarkerCall(Index, "setZIndex(" + Int(Zindex) + ");"); }

std::string MapSetBooleanOption(std::string_view Name, bool Value)
{
    return "map.setOptions( {" + std::string(Name) + ":" + BoolText(Value) + "} );";
}

std::string MapSetMapType(TMapType MapType)
{
    return "map.setMapTypeId(google.maps.MapTypeId." + std::string(MapTypeName(MapType)) + ");";
}

std::string SetZoomMap(int Zoom) { return "setzoommap(" + Int(Zoom) + ");"; }

std::string ShowLayer(std::string_view ShowCall, std::string_view HideCall, bool Show)
{
    return std::string(Show ? ShowCall : HideCall) + "();";
}

std::string ShowStreetView(double Latitude, double Longitude, int Heading, int Zoom, int Pitch)
{
    return "showStreetview(\"" + NumberText(Latitude) + "\", \"" + NumberText(Longitude) + "\", " + Int(Heading) +
           ", " + Int(Zoom) + ", " + Int(Pitch) + " );";
}

std::string HideStreetView() { return "streetviewPanorama.setVisible(false);"; }

std::string ControlPositionOption(std::string_view ControlOptions, TControlPosition Position)
{
    return NestedOption(ControlOptions, "position",
                        "google.maps.ControlPosition." + std::string(ControlPositionName(Position)));
}

std::string ZoomControlStyleOption(TZoomStyle Style)
{
    return NestedOption("zoomControlOptions", "style", "google.maps.ZoomControlStyle." + std::string(ZoomStyleName(Style)));
}

std::string MapTypeControlStyleOption(TMapTypeStyle Style)
{
    return NestedOption("mapTypeControlOptions", "style",
                        "google.maps.MapTypeControlStyle." + std::string(MapTypeStyleName(Style)));
}

std::string OverviewOpenedOption(bool Opened) { return NestedOption("overviewMapControlOptions", "opened", BoolText(Opened)); }

std::string ControlsTypeOption(TControlsType ControlsType)
{
    return NestedOption("navigationControlOptions", "style",
                        "google.maps.NavigationControlStyle." + std::string(ControlsTypeName(ControlsType)));
}

}  // namespace map::scripts
