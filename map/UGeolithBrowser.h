// The map's browser: the page's external object and the 24 callbacks it raises.
#pragma once

#include "map/UGeolithAutomation.h"
#include "map/UGeolithCommon.h"
#include "platform/web/WebBrowser.h"

#include <string>
#include <string_view>
#include <vector>

namespace map {

// The events the page's callbacks end in, held alike by the page's external
// object and by the browser that hands them on to the map.
struct TPageCallbackEvents {
    TEventMarkerClick OnMarkerClick;
    TVistraError OnVistraError;
    TPositionMouseMap OnMapClick;
    TPositionMap OnMapMouseMove;
    TPositionMap OnMapMoveStart;
    TPositionMap OnMapMoveEnd;
    TMapZoomChange OnMapZoomChange;
    TEventMarker OnMarkerDragStart;
    TEventMarker OnMarkerDragEnd;
    TNotifyEvent OnMapTilesLoad;
    TExternalMapTypeChange OnMapTypeChange;
    TPositionMap OnMapDblClick;
    TPositionMap OnMapMouseEnter;
    TPositionMap OnMapMouseExit;
    TPositionMap OnMapMove;
    TNotifyEvent OnMapIdle;
    TEventInfoWindow OnMarkerInfoWindowCloseClick;
    TEventMarker OnMarkerDblClick;
    TEventMarker OnMarkerMouseDown;
    TEventMarker OnMarkerMouseEnter;
    TEventMarker OnMarkerMouseUp;
    TEventMarker OnMarkerMouseExit;
    TEventMarker OnMarkerDrag;
    TPositionMap OnStreetViewMove;
};

}  // namespace map

// The page's external object: its 24 published methods are the callbacks the
// page makes, each forwarding to the event of the same name.
class TAppWrapper : public TObjectWrapper, public map::TPageCallbackEvents {
    VISTRA_CLASS(TAppWrapper, TObjectWrapper)

    void ExternalMarkerClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude,
                             TMouseButton Button);
    void ExternalMarkerDblClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerMouseDown(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerMouseUp(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerMouseEnter(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerMouseExit(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerInfoWindowCloseClick(int IdMarker);
    void ExternalMarkerDragStart(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerDrag(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMarkerDragEnd(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void ExternalMapClick(double Latitude, double Longitude, TMouseButton Button);
    void ExternalMapDblClick(double Latitude, double Longitude);
    void ExternalMapMouseExit(double Latitude, double Longitude);
    void ExternalMapMouseEnter(double Latitude, double Longitude);
    void ExternalMapMoveStart(double Latitude, double Longitude);
    void ExternalStreetViewMove(double Latitude, double Longitude);
    void ExternalMapMoveEnd(double Latitude, double Longitude);
    void ExternalMapMove(double Latitude, double Longitude);
    void ExternalMapTilesLoad();
    void ExternalMapIdle();
    void ExternalMapMouseMove(double Latitude, double Longitude);
    void ExternalMapTypeChanged(int NewMapType);
    void ExternalMapZoomChange(int NewLevel);
    void ExternalVistraError(TErrorType ErrorType);
};

namespace map {
// The names of the page's 24 callbacks, the only members its external object has.
const std::vector<std::string>& ExternalCallbackNames();
}  // namespace map

class TNewWebBrowser : public TWebBrowser, public map::TPageCallbackEvents {
    VISTRA_CLASS(TNewWebBrowser, TWebBrowser)

    explicit TNewWebBrowser(TComponent* AOwner) : TWebBrowser(AOwner) {}

    // The object the application is reached through; the wrapper is bound to it.
    void SetApplicationObject(TObject* Application) { FApplication = Application; }

protected:
    // A new wrapper with the browser's current handlers serves the page. Its
    // external object has the 24 callbacks and nothing else, so script in the
    // page cannot reach the program's other objects.
    bool GetExternal(web::ExternalMethodTable& Methods) override;

private:
    TObject* FApplication = nullptr;
};
