// The map page template and the filling of its placeholders.
#include "map/UGeolithPage.h"

#include "map/UGeolith.h"
#include "map/UGeolithControls.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace map {
namespace {

// Values the page reads as booleans, numbers, layers or library constants are
// written bare: a quoted "false" would be a true string in script. The marker
// listeners are made outside createMapMarker, whose parameters lat and lng
// would otherwise hide the globals the listeners report.
constexpr std::string_view PageTemplate = R"PAGE(<!DOCTYPE html>
<html>
<head>
<meta name="viewport" content="width=device-width, initial-scale=1.0, user-scalable=no" />
<meta http-equiv="content-type" content="text/html; charset=UTF-8" />
<style type="text/css">
html, body, #map_canvas { margin: 0; padding: 0; height: 100% }
</style>
<script type="text/javascript" src="http://%host%/maps/api/js?sensor=false&v=3.5&libraries=panoramio&language=%lang%"></script>
<script type="text/javascript">
var map;
var streetviewService;
var streetviewPanorama;
var allmarkers = [];
var allinfowindows = [];
var trafficLayer;
var bicyclingLayer;
var panoramioLayer;

function setzoommap(newzoom) {
  if (Number(map.getZoom()) != Number(newzoom)) {
    map.setZoom(Number(newzoom));
  }
}

function showStreetview(lat, lng, valhead, valzm, valptch) {
  var point = new google.maps.LatLng(parseFloat(lat), parseFloat(lng));
  streetviewPanorama.setPov({ heading: Number(valhead), zoom: Number(valzm), pitch: Number(valptch) });
  streetviewService.getPanoramaByLocation(point, 100, processStreeviewData);
}

function processStreeviewData(data, status) {
  if (status == google.maps.StreetViewStatus.OK) {
    streetviewPanorama.setPano(data.location.pano);
    streetviewPanorama.setVisible(true);
  } else {
    streetviewPanorama.setVisible(false);
    if (status == google.maps.StreetViewStatus.UNKNOWN_ERROR) {
      window.external.ExternalVistraError(4);
    } else {
      window.external.ExternalVistraError(5);
    }
  }
}

function locateMarker(marker) {
  for (var i = 0; i < allmarkers.length; i++) {
    if (allmarkers[i] == marker) { IdMarker = i; }
  }
  ptmarker = marker.getPosition();
  lat = Number(ptmarker.lat());
  lng = Number(ptmarker.lng());
  title = marker.getTitle();
}

function addMarkerListener(marker, name, reset, method, button) {
  google.maps.event.addListener(marker, name, function() {
    if (reset) { IdMarker = -1; }
    locateMarker(this);
    if (button === undefined) {
      window.external[method](title, IdMarker, lat, lng);
    } else {
      window.external[method](title, IdMarker, lat, lng, button);
    }
  });
}

function createMapMarker(lat, lng, html, drag, vis, clickble, flaticon, dropanimation, imageicon, index) {
  var options = {
    position: new google.maps.LatLng(parseFloat(lat), parseFloat(lng)),
    map: map,
    title: html,
    draggable: drag,
    visible: vis,
    clickable: clickble,
    flat: flaticon,
    icon: imageicon,
    zIndex: index
  };
  if (dropanimation) { options.animation = google.maps.Animation.DROP; }
  var marker = new google.maps.Marker(options);
  var infowindow = new google.maps.InfoWindow({ content: "" });
  allmarkers.push(marker);
  allinfowindows.push(infowindow);

  google.maps.event.addListener(infowindow, "closeclick", function() {
    IdMarker = -1;
    for (var i = 0; i < allinfowindows.length; i++) {
      if (allinfowindows[i] == this) { IdMarker = i; }
    }
    window.external.ExternalMarkerInfoWindowCloseClick(IdMarker);
  });
  addMarkerListener(marker, "click", true, "ExternalMarkerClick", 0);
  addMarkerListener(marker, "rightclick", true, "ExternalMarkerClick", 1);
  addMarkerListener(marker, "dblclick", true, "ExternalMarkerDblClick");
  addMarkerListener(marker, "dragstart", false, "ExternalMarkerDragStart");
  addMarkerListener(marker, "drag", false, "ExternalMarkerDrag");
  addMarkerListener(marker, "dragend", false, "ExternalMarkerDragEnd");
  addMarkerListener(marker, "mousedown", false, "ExternalMarkerMouseDown");
  addMarkerListener(marker, "mouseout", false, "ExternalMarkerMouseExit");
  addMarkerListener(marker, "mouseover", false, "ExternalMarkerMouseEnter");
  addMarkerListener(marker, "mouseup", false, "ExternalMarkerMouseUp");
}

function validMarker(IdMarker) {
  if (IdMarker < allmarkers.length) { return true; }
  window.external.ExternalVistraError(3);
  return false;
}

function startMarkerBounceAnimation(IdMarker) {
  if (validMarker(IdMarker)) { allmarkers[IdMarker].setAnimation(google.maps.Animation.BOUNCE); }
}

function stopMarkerBounceAnimation(IdMarker) {
  if (validMarker(IdMarker)) { allmarkers[IdMarker].setAnimation(null); }
}

function deleteMapMarker(IdMarker) {
  if (validMarker(IdMarker)) {
    allinfowindows[IdMarker].close();
    allmarkers[IdMarker].setMap(null);
    allmarkers.splice(IdMarker, 1);
    allinfowindows.splice(IdMarker, 1);
  }
}

function openMarkerInfoWindowHtml(IdMarker, html) {
  if (validMarker(IdMarker)) {
    allinfowindows[IdMarker].setContent(html);
    allinfowindows[IdMarker].open(map, allmarkers[IdMarker]);
  }
}

function closeMarkerInfoWindowHtml(IdMarker) {
  if (validMarker(IdMarker)) { allinfowindows[IdMarker].close(); }
}

function deleteAllMapMarker() {
  for (var i = 0; i < allmarkers.length; i++) {
    allinfowindows[i].close();
    allmarkers[i].setMap(null);
  }
  allmarkers = [];
  allinfowindows = [];
}

function ShowTraffic() { trafficLayer.setMap(map); }
function HideTraffic() { trafficLayer.setMap(null); }
function ShowBicycling() { bicyclingLayer.setMap(map); }
function HideBicyling() { bicyclingLayer.setMap(null); }
function ShowPanoramio() { panoramioLayer.setMap(map); }
function HidePanoramio() { panoramioLayer.setMap(null); }

function addPositionListener(name, report) {
  google.maps.event.addListener(map, name, function(event) {
    if (event && event.latLng) { report(event.latLng.lat(), event.latLng.lng()); }
  });
}

function addCenterListener(name, report) {
  google.maps.event.addListener(map, name, function() {
    var center = map.getCenter();
    report(center.lat(), center.lng());
  });
}

function initialize() {
  var myOptions = {
    navigationControlOptions: { style: google.maps.NavigationControlStyle.%controlstype% },
    panControl: %panControl%,
    panControlOptions: { position: google.maps.ControlPosition.%panControlPosition% },
    zoomControl: %zoomControl%,
    zoomControlOptions: { position: google.maps.ControlPosition.%zoomControlPosition%, style: google.maps.ZoomControlStyle.%zoomControlStyle% },
    mapTypeControl: %mapTypeControl%,
    mapTypeControlOptions: { position: google.maps.ControlPosition.%mapTypeControlPosition%, style: google.maps.MapTypeControlStyle.%mapTypeControlStyle% },
    scaleControl: %scaleControl%,
    scaleControlOptions: { position: google.maps.ControlPosition.%scaleControlPosition% },
    streetViewControl: %streetViewControl%,
    streetViewControlOptions: { position: google.maps.ControlPosition.%streetViewControlPosition% },
    overviewMapControl: %overviewMapControl%,
    overviewMapControlOptions: { opened: %overviewMapControlOpened% },
    disableDoubleClickZoom: %disableDoubleClickZoom%,
    draggable: %draggable%,
    keyboardShortcuts: %keyboardShortcuts%,
    scrollwheel: %scrollwheel%,
    disableDefaultUI: %disableDefaultUI%,
    zoom: %zoom%,
    center: new google.maps.LatLng(%latitude%, %longitude%),
    mapTypeId: google.maps.MapTypeId.%maptype%
  };
  streetviewService = new google.maps.StreetViewService();
  trafficLayer = new google.maps.TrafficLayer();
  bicyclingLayer = new google.maps.BicyclingLayer();
  panoramioLayer = new google.maps.panoramio.PanoramioLayer();
  map = new google.maps.Map(document.getElementById("map_canvas"), myOptions);
  trafficLayer.setMap(%showtraffic%);
  bicyclingLayer.setMap(%showbicycling%);
  panoramioLayer.setMap(%showpanoramio%);

  google.maps.event.addListener(map, "tilesloaded", function() {
    streetviewPanorama = map.getStreetView();
    google.maps.event.addListener(streetviewPanorama, "position_changed", function() {
      NewPosition = streetviewPanorama.getPosition();
      window.external.ExternalStreetViewMove(NewPosition.lat(), NewPosition.lng());
    });
    window.external.ExternalMapTilesLoad();
  });
  addPositionListener("click", function(lat, lng) { window.external.ExternalMapClick(lat, lng, 0); });
  addPositionListener("rightclick", function(lat, lng) { window.external.ExternalMapClick(lat, lng, 1); });
  addPositionListener("dblclick", function(lat, lng) { window.external.ExternalMapDblClick(lat, lng); });
  addPositionListener("mousemove", function(lat, lng) { window.external.ExternalMapMouseMove(lat, lng); });
  addPositionListener("mouseout", function(lat, lng) { window.external.ExternalMapMouseExit(lat, lng); });
  addPositionListener("mouseover", function(lat, lng) { window.external.ExternalMapMouseEnter(lat, lng); });
  addCenterListener("dragstart", function(lat, lng) { window.external.ExternalMapMoveStart(lat, lng); });
  addCenterListener("drag", function(lat, lng) { window.external.ExternalMapMove(lat, lng); });
  addCenterListener("dragend", function(lat, lng) { window.external.ExternalMapMoveEnd(lat, lng); });
  google.maps.event.addListener(map, "idle", function() { window.external.ExternalMapIdle(); });
  google.maps.event.addListener(map, "maptypeid_changed", function() {
    var type = map.getMapTypeId();
    var n = 0;
    if (type == google.maps.MapTypeId.SATELLITE) { n = 1; }
    else if (type == google.maps.MapTypeId.HYBRID) { n = 2; }
    else if (type == google.maps.MapTypeId.TERRAIN) { n = 3; }
    window.external.ExternalMapTypeChanged(n);
  });
  google.maps.event.addListener(map, "zoom_changed", function() { window.external.ExternalMapZoomChange(map.getZoom()); });
}

google.maps.event.addDomListener(window, "load", initialize);
</script>
</head>
<body>
<div id="map_canvas"></div>
</body>
</html>
)PAGE";

std::string Replace(std::string_view text, std::string_view placeholder, std::string_view value)
{
    return StringReplace(text, placeholder, value, rfReplaceAll | rfIgnoreCase);
}

std::string Layer(bool shown) { return shown ? "map" : "null"; }

}  // namespace

const std::string& MapPageTemplate()
{
    static const std::string page = [] {
        std::string text = Replace(PageTemplate, "%host%", MapLibraryHost);
        std::replace(text.begin(), text.end(), '\n', '\r');
        return text;
    }();
    return page;
}

std::string BuildMapPage(const TMapOptions& m, const TControlsOptions& c)
{
    std::string page = MapPageTemplate();
    page = Replace(page, "%latitude%", NumberText(m.DefaultLatitude()));
    page = Replace(page, "%longitude%", NumberText(m.DefaultLongitude()));
    page = Replace(page, "%zoom%", IntToStr(static_cast<int>(m.ZoomMap())));
    page = Replace(page, "%controlstype%", ControlsTypeName(c.ControlsType()));
    page = Replace(page, "%draggable%", BoolText(m.Draggable()));
    page = Replace(page, "%disableDoubleClickZoom%", BoolText(m.DisableDoubleClickZoom()));
    page = Replace(page, "%disableDefaultUI%", BoolText(m.DisableControls()));
    page = Replace(page, "%keyboardShortcuts%", BoolText(m.EnableKeyboard()));
    page = Replace(page, "%scrollwheel%", BoolText(m.ScrollWheel()));
    page = Replace(page, "%showtraffic%", Layer(m.ShowTraffic()));
    page = Replace(page, "%showbicycling%", Layer(m.ShowBicycling()));
    page = Replace(page, "%showpanoramio%", Layer(m.ShowPanoramio()));
    page = Replace(page, "%maptype%", MapTypeName(m.MapType()));
    if (m.Language() == lnDefault)
        page = Replace(page, "&language=%lang%", "");
    else
        page = Replace(page, "%lang%", LanguageCode(m.Language()));

    page = Replace(page, "%panControl%", BoolText(c.PanControl()->Visible()));
    page = ReplaceControlPosition(page, "%panControlPosition%", c.PanControl()->Position());
    page = Replace(page, "%zoomControl%", BoolText(c.ZoomControl()->Visible()));
    page = ReplaceControlPosition(page, "%zoomControlPosition%", c.ZoomControl()->Position());
    page = Replace(page, "%zoomControlStyle%", ZoomStyleName(c.ZoomControl()->Style()));
    page = Replace(page, "%mapTypeControl%", BoolText(c.MapTypeControl()->Visible()));
    page = ReplaceControlPosition(page, "%mapTypeControlPosition%", c.MapTypeControl()->Position());
    page = Replace(page, "%mapTypeControlStyle%", MapTypeStyleName(c.MapTypeControl()->Style()));
    page = Replace(page, "%scaleControl%", BoolText(c.ScaleControl()->Visible()));
    page = ReplaceControlPosition(page, "%scaleControlPosition%", c.ScaleControl()->Position());
    page = Replace(page, "%streetViewControl%", BoolText(c.StreetViewControl()->Visible()));
    page = ReplaceControlPosition(page, "%streetViewControlPosition%", c.StreetViewControl()->Position());
    page = Replace(page, "%overviewMapControl%", BoolText(c.OverviewMapControl()->Visible()));
    page = Replace(page, "%overviewMapControlOpened%", BoolText(c.OverviewMapControl()->Open()));
    return page;
}

}  // namespace map

std::string ReplaceControlPosition(std::string_view Text, std::string_view Placeholder, TControlPosition Position)
{
    return map::Replace(Text, Placeholder, map::ControlPositionName(Position));
}
