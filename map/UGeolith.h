// TGeolith, the map control: builds its page, loads it into its browser and drives it with script.
#pragma once

#include "map/UGeolithCommon.h"
#include "platform/ui/WinControl.h"

#include <functional>
#include <memory>
#include <string>

class TGeolith;
class TMarkers;
class TControlsOptions;
class TNewWebBrowser;
class TGraphic;
class TImage;

using TGeolithErrorEvent = std::function<void(TObject* Sender, TErrorType ErrorType)>;
using TMapTypeChange = std::function<void(TMapType NewMapType)>;
using TWebBrowserProgressChange = std::function<void(TObject* ASender, int Progress, int ProgressMax)>;

// The windowed control the map derives from.
class TGeolithBrowser : public TWinControl {
    VISTRA_CLASS(TGeolithBrowser, TWinControl)
    using TWinControl::TWinControl;
};

class TMapOptions : public TPersistent {
    VISTRA_CLASS(TMapOptions, TPersistent)

    explicit TMapOptions(TGeolith* AGeolith) : FGeolith(AGeolith) {}

    TLanguageName Language() const { return FLanguage; }
    void SetLanguage(TLanguageName Value);
    bool Draggable() const { return FDraggable; }
    void SetDraggable(bool Value);
    TZoomMap ZoomMap() const { return FZoomMap; }
    void SetZoomMap(TZoomMap Value);
    TMapType MapType() const { return FMapType; }
    void SetMapType(TMapType Value);
    double DefaultLatitude() const { return FDefaultLatitude; }
    void SetDefaultLatitude(double Value) { FDefaultLatitude = Value; }
    double DefaultLongitude() const { return FDefaultLongitude; }
    void SetDefaultLongitude(double Value) { FDefaultLongitude = Value; }
    bool PreloaderVisible() const { return FPreloaderVisible; }
    void SetPreloaderVisible(bool Value) { FPreloaderVisible = Value; }
    bool DisableDoubleClickZoom() const { return FDisableDoubleClickZoom; }
    void SetDisableDoubleClickZoom(bool Value);
    bool EnableKeyboard() const { return FEnableKeyboard; }
    void SetEnableKeyboard(bool Value);
    bool ShowTraffic() const { return FShowTraffic; }
    void SetShowTraffic(bool Value);
    bool ShowBicycling() const { return FShowBicycling; }
    void SetShowBicycling(bool Value);
    bool ShowPanoramio() const { return FShowPanoramio; }
    void SetShowPanoramio(bool Value);
    bool ScrollWheel() const { return FScrollWheel; }
    void SetScrollWheel(bool Value);
    bool DisableControls() const { return FDisableControls; }
    void SetDisableControls(bool Value);

private:
    friend class TGeolith;  // page callbacks store the map's state without script
    void SendWithWindow(const std::string& script) const;
    void SendWhenLive(const std::string& script) const;

    bool FDraggable = true;
    double FDefaultLongitude = 2.294297;
    bool FDisableDoubleClickZoom = false;
    bool FPreloaderVisible = true;
    double FDefaultLatitude = 48.85904;
    TZoomMap FZoomMap = 10;
    TMapType FMapType = mtDefault;
    TGeolith* FGeolith;
    bool FEnableKeyboard = true;
    bool FScrollWheel = true;
    bool FDisableControls = false;
    bool FShowTraffic = false;
    TLanguageName FLanguage = lnDefault;
    bool FShowBicycling = false;
    bool FShowPanoramio = false;
};

class TStreetViewOptions : public TPersistent {
    VISTRA_CLASS(TStreetViewOptions, TPersistent)

    explicit TStreetViewOptions(TGeolith* AGeolith) : FGeolith(AGeolith) {}

    double DefaultLatitude() const { return FDefaultLatitude; }
    void SetDefaultLatitude(double Value) { FDefaultLatitude = Value; }
    double DefaultLongitude() const { return FDefaultLongitude; }
    void SetDefaultLongitude(double Value) { FDefaultLongitude = Value; }
    THeadingStreetView Heading() const { return FHeading; }
    void SetHeading(THeadingStreetView Value) { FHeading = Value; }
    TPitchStreetView Pitch() const { return FPitch; }
    void SetPitch(TPitchStreetView Value) { FPitch = Value; }
    TZoomStreetView Zoom() const { return FZoom; }
    void SetZoom(TZoomStreetView Value) { FZoom = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    // Shows the panorama nearest the default position when the page has a window.
    void OpenStreetView() const;

private:
    friend class TGeolith;
    double FDefaultLongitude = 2.294297;
    TPitchStreetView FPitch = 0;
    double FDefaultLatitude = 48.85904;
    THeadingStreetView FHeading = 0;
    TZoomStreetView FZoom = 0;
    TGeolith* FGeolith;
    bool FVisible = false;
};

class TGeolith : public TGeolithBrowser {
    VISTRA_CLASS(TGeolith, TGeolithBrowser)

    explicit TGeolith(TComponent* AOwner);
    ~TGeolith() override;

    [[nodiscard]] bool Launch();
    // Runs one script text in the page; False without a page, and False with
    // OnGeolithError(etJavascriptError) when the page rejects it.
    bool ExecJScript(const std::string& Script);

    // The page as the current options build it.
    void BuildMapPage(std::string& Text) const;

    // A picture of the control's content, exactly Width × Height, that the
    // caller owns; null with OnGeolithError(etScreenshotProblem) when it
    // cannot be drawn, and null without an event before a page exists.
    std::unique_ptr<TGraphic> ScreenShot(TImgType ImgType);

    bool CreateMapMarker(const class TMarker* Marker);
    bool DeleteMapMarker(int Id);
    bool DeleteAllMapMarker();
    bool openMarkerInfoWindowHtml(int Id, const std::string& HtmlText);
    bool CloseMarkerInfoWindowHtml(int Id);
    bool StartMarkerBounceAnimation(int Id);
    bool StopMarkerBounceAnimation(int Id);
    bool MapPanTo(double Latitude, double Longitude);
    bool MapPanBy(int X, int Y);

    void SwitchToStreetView();
    void SwitchToMap();

    virtual int GetVersionNr() const;
    std::string Version() const;
    void SetVersion(const std::string&) {}

    TMarkers* Markers() const { return FMarkers.get(); }
    TMapOptions* MapOptions() const { return FMapOptions.get(); }
    TStreetViewOptions* StreetViewOptions() const { return FStreetViewOptions.get(); }
    TControlsOptions* ControlsOptions() const { return FControlsOptions.get(); }
    TNewWebBrowser* WebBrowser() const { return FWebBrowser; }
    // The loading picture; null when the control is being designed.
    TImage* Preloader() const { return FPreloader; }

    // The page has a window that runs script.
    bool HasPageWindow() const;
    // The page has a window, the browser shows and the control is not being designed.
    bool PageLive() const;
    bool LaunchFinished() const { return bLaunchFinish; }

    TGeolithErrorEvent OnGeolithError;
    TNotifyEvent OnDownloadStart;
    TNotifyEvent OnDownloadFinish;
    TWebBrowserProgressChange OnDownloadProgress;
    TNotifyEvent OnMapIdle;
    TEventMarkerClick OnMarkerClick;
    TEventMarker OnMarkerDblClick;
    TEventInfoWindow OnMarkerInfoWindowCloseClick;
    TEventMarker OnMarkerDragStart;
    TEventMarker OnMarkerDrag;
    TEventMarker OnMarkerDragEnd;
    TEventMarker OnMarkerMouseDown;
    TEventMarker OnMarkerMouseUp;
    TEventMarker OnMarkerMouseEnter;
    TEventMarker OnMarkerMouseExit;
    TPositionMouseMap OnMapClick;
    TPositionMap OnMapDblClick;
    TPositionMap OnMapMoveStart;
    TPositionMap OnMapMoveEnd;
    TPositionMap OnMapMove;
    TPositionMap OnStreetViewMove;
    TMapZoomChange OnMapZoomChange;
    TMapTypeChange OnMapTypeChange;
    TPositionMap OnMapMouseMove;
    TPositionMap OnMapMouseEnter;
    TPositionMap OnMapMouseExit;

private:
    void ConnectBrowserEvents();
    void RaiseError(TErrorType ErrorType);
    bool LoadPage(const std::string& page);
    void DoMapTilesLoad();
    void CreatePreloader();
    void ShowPreloader(bool Show);
    // The cursor in the browser's client coordinates; (0, 0) when unknown.
    // For events that only happen with the cursor over the map (overMap), a
    // known position that is not over the browser is a stale one: (0, 0) too.
    TPoint CursorInBrowser(bool overMap) const;

    bool bLaunchFinish = false;
    bool FLaunching = false;
    TImage* FPreloader = nullptr;                // owned as a component
    TNewWebBrowser* FWebBrowser = nullptr;       // owned as a component
    std::unique_ptr<TMapOptions> FMapOptions;
    std::unique_ptr<TControlsOptions> FControlsOptions;
    std::unique_ptr<TStreetViewOptions> FStreetViewOptions;
    std::unique_ptr<TMarkers> FMarkers;
};
