// Every script text the map control sends to its page, built in one place.
//
// Texts that come from users or files (titles, icons, info-window HTML) are
// written as script string literals, so no character in them can end the call
// early or run as script: the page receives exactly the text.
#pragma once

#include "map/UGeolithCommon.h"

#include <string>
#include <string_view>

namespace map::scripts {

struct MarkerValues {
    double Latitude = 0;
    double Longitude = 0;
    std::string_view Title;
    std::string_view Icon;
    bool Draggable = false;
    bool Visible = true;
    bool Clickable = true;
    bool Flat = false;
    bool InitialDropAnimation = false;
    int Zindex = 0;
};

std::string CreateMapMarker(const MarkerValues& Marker);
std::string DeleteMapMarker(int Id);
std::string DeleteAllMapMarker();
std::string OpenMarkerInfoWindowHtml(int Id, std::string_view HtmlText);
std::string CloseMarkerInfoWindowHtml(int Id);
std::string StartMarkerBounceAnimation(int Id);
std::string StopMarkerBounceAnimation(int Id);
std::string MapPanTo(double Latitude, double Longitude);
std::string MapPanBy(int X, int Y);

// Setters of one page marker.
std::string MarkerSetPosition(int Index, double Latitude, double Longitude);
std::string MarkerSetTitle(int Index, std::string_view Title);
std::string MarkerSetVisible(int Index, bool Value);
std::string MarkerSetDraggable(int Index, bool Value);
std::string MarkerSetClickable(int Index, bool Value);
std::string MarkerSetFlat(int Index, bool Value);
std::string MarkerSetZIndex(int Index, int Zindex);

// Map options: "map.setOptions( {name:true} );" for the boolean options.
std::string MapSetBooleanOption(std::string_view Name, bool Value);
std::string MapSetMapType(TMapType MapType);
std::string SetZoomMap(int Zoom);
std::string ShowLayer(std::string_view ShowCall, std::string_view HideCall, bool Show);

std::string ShowStreetView(double Latitude, double Longitude, int Heading, int Zoom, int Pitch);
std::string HideStreetView();

// Controls: the option objects' "map.setOptions( {  xOptions: {    key: value  }} );" texts.
std::string ControlPositionOption(std::string_view ControlOptions, TControlPosition Position);
std::string ZoomControlStyleOption(TZoomStyle Style);
std::string MapTypeControlStyleOption(TMapTypeStyle Style);
std::string OverviewOpenedOption(bool Opened);
std::string ControlsTypeOption(TControlsType ControlsType);

}  // namespace map::scripts
