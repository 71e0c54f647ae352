// The map control: page launch, script running, the first tiles-loaded report, options and callbacks.
#include "map/UGeolith.h"

#include "map/UGeolithBrowser.h"
#include "map/UGeolithControls.h"
#include "map/UGeolithMarkers.h"
#include "map/UGeolithPage.h"
#include "map/UGeolithScripts.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "platform/rtl/Numbers.h"
#include "platform/classes/Resources.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Application.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Screen.h"
#include "platform/web/WebBrowser.h"

#include <exception>

namespace {

// Documents loaded from text resolve relative and file addresses against this.
constexpr std::string_view PageBaseUrl = "file:///";

template <class Event, class... Args>
void Raise(const Event& event, Args&&... args)
{
    if (event) event(std::forward<Args>(args)...);
}

}  // namespace

// ---------------------------------------------------------------- options

void TMapOptions::SendWithWindow(const std::string& script) const
{
    if (FGeolith) (void)FGeolith->ExecJScript(script);
}

void TMapOptions::SendWhenLive(const std::string& script) const
{
    if (FGeolith && FGeolith->PageLive()) (void)FGeolith->ExecJScript(script);
}

void TMapOptions::SetLanguage(TLanguageName Value)
{
    FLanguage = Value;
    if (FGeolith && FGeolith->PageLive()) (void)FGeolith->Launch();
}

void TMapOptions::SetDraggable(bool Value)
{
    FDraggable = Value;
    SendWithWindow(map::scripts::MapSetBooleanOption("draggable", Value));
}

void TMapOptions::SetDisableDoubleClickZoom(bool Value)
{
    FDisableDoubleClickZoom = Value;
    SendWithWindow(map::scripts::MapSetBooleanOption("disableDoubleClickZoom", Value));
}

void TMapOptions::SetEnableKeyboard(bool Value)
{
    FEnableKeyboard = Value;
    SendWithWindow(map::scripts::MapSetBooleanOption("keyboardShortcuts", Value));
}

void TMapOptions::SetScrollWheel(bool Value)
{
    FScrollWheel = Value;
    SendWithWindow(map::scripts::MapSetBooleanOption("scrollwheel", Value));
}

void TMapOptions::SetDisableControls(bool Value)
{
    FDisableControls = Value;
    SendWithWindow(map::scripts::MapSetBooleanOption("disableDefaultUI", Value));
}

void TMapOptions::SetZoomMap(TZoomMap Value)
{
    FZoomMap = Value;
    SendWhenLive(map::scripts::SetZoomMap(Value));
}

void TMapOptions::SetMapType(TMapType Value)
{
    FMapType = Value;
    SendWhenLive(map::scripts::MapSetMapType(Value));
}

void TMapOptions::SetShowTraffic(bool Value)
{
    FShowTraffic = Value;
    SendWhenLive(map::scripts::ShowLayer("ShowTraffic", "HideTraffic", Value));
}

void TMapOptions::SetShowBicycling(bool Value)
{
    FShowBicycling = Value;
    SendWhenLive(map::scripts::ShowLayer("ShowBicycling", "HideBicyling", Value));
}

void TMapOptions::SetShowPanoramio(bool Value)
{
    FShowPanoramio = Value;
    SendWhenLive(map::scripts::ShowLayer("ShowPanoramio", "HidePanoramio", Value));
}

void TStreetViewOptions::SetVisible(bool Value)
{
    FVisible = Value;
    if (!FGeolith || !FGeolith->PageLive()) return;
    if (Value)
        OpenStreetView();
    else
        (void)FGeolith->ExecJScript(map::scripts::HideStreetView());
}

void TStreetViewOptions::OpenStreetView() const
{
    if (!FGeolith || !FGeolith->HasPageWindow() || FGeolith->ComponentState().Contains(csDesigning)) return;
    (void)FGeolith->ExecJScript(map::scripts::ShowStreetView(FDefaultLatitude, FDefaultLongitude, FHeading, FZoom, FPitch));
}

// ---------------------------------------------------------------- control

TGeolith::TGeolith(TComponent* AOwner) : TGeolithBrowser(AOwner)
{
    FMapOptions = std::make_unique<TMapOptions>(this);
    FStreetViewOptions = std::make_unique<TStreetViewOptions>(this);
    FControlsOptions = std::make_unique<TControlsOptions>(this);
    SetColor(clWhite);
    if (!ComponentState().Contains(csDesigning)) CreatePreloader();
    FWebBrowser = new TNewWebBrowser(this);
    FWebBrowser->SetVisible(false);
    FWebBrowser->SetParent(this);
    FWebBrowser->SetAlign(alClient);
    FWebBrowser->SetApplicationObject(Application);
    ConnectBrowserEvents();
    FMarkers = std::make_unique<TMarkers>(this);
    SetBorderWidth(0);
    SetBounds(Left(), Top(), 400, 250);
}

TGeolith::~TGeolith()
{
    // Page calls still on their way are dropped: they must not reach an
    // owner that is going away while the markers' delete call is waited for.
    if (HasPageWindow()) FWebBrowser->Engine()->SetExternalMethods({});
    // The markers go first, while the browser can still hear their delete call.
    FMarkers->Clear();
    FMarkers.reset();
    delete FWebBrowser;
    FWebBrowser = nullptr;
    delete FPreloader;
    FPreloader = nullptr;
    FMapOptions.reset();
    FStreetViewOptions.reset();
    FControlsOptions.reset();
}

int TGeolith::GetVersionNr() const { return (1 << 24) | (0 << 16) | (2 << 8) | 0; }

std::string TGeolith::Version() const
{
    const int v = GetVersionNr();
    return IntToStr((v >> 24) & 0xFF) + "." + IntToStr((v >> 16) & 0xFF) + "." + IntToStr((v >> 8) & 0xFF) + "." +
           IntToStr(v & 0xFF);
}

TPoint TGeolith::CursorInBrowser(bool overMap) const
{
    if (!Mouse || !FWebBrowser || !FWebBrowser->Showing()) return {};
    const TPoint at = FWebBrowser->ScreenToClient(Mouse->CursorPos());
    const bool inside = at.X >= 0 && at.Y >= 0 && at.X < FWebBrowser->Width() && at.Y < FWebBrowser->Height();
    return overMap && !inside ? TPoint{} : at;
}

void TGeolith::RaiseError(TErrorType ErrorType) { Raise(OnGeolithError, this, ErrorType); }

bool TGeolith::HasPageWindow() const { return FWebBrowser && FWebBrowser->HasDocument(); }

bool TGeolith::PageLive() const
{
    return HasPageWindow() && FWebBrowser->Visible() && !ComponentState().Contains(csDesigning);
}

void TGeolith::BuildMapPage(std::string& Text) const { Text = map::BuildMapPage(*FMapOptions, *FControlsOptions); }

void TGeolith::CreatePreloader()
{
    FPreloader = new TImage(this);
    FPreloader->SetAnimate(false);
    FPreloader->SetTransparent(true);
    FPreloader->SetVisible(false);
    FPreloader->SetParent(this);
    FPreloader->SetAlign(alClient);
    FPreloader->SetCenter(true);
    // A program built without the picture still has a map, only no animation.
    if (classes::ResourceExists("LOADER", "GIF")) {
        TResourceStream picture(0, "LOADER", "GIF");
        FPreloader->Picture().LoadFromStream(picture);
    }
}

void TGeolith::ShowPreloader(bool Show)
{
    if (!FPreloader) return;
    FPreloader->SetVisible(Show);
    FPreloader->SetAnimate(Show);
}

bool TGeolith::LoadPage(const std::string& page)
{
    FWebBrowser->Navigate("about:blank");
    if (!FWebBrowser->WaitUntilComplete(FWebBrowser->Timeout())) return false;
    if (!FWebBrowser->HasDocument()) return false;
    return static_cast<bool>(FWebBrowser->LoadFromString(page, PageBaseUrl));
}

bool TGeolith::Launch()
{
    // A Launch from inside the wait of another (a callback or a timer) would
    // replace the page under it.
    if (FLaunching) return false;
    FLaunching = true;
    bool loaded = false;
    try {
        std::string page;
        BuildMapPage(page);
        if (FMapOptions->PreloaderVisible()) ShowPreloader(true);
        loaded = LoadPage(page);
    } catch (const std::exception&) {
        loaded = false;
    }
    FLaunching = false;
    if (!loaded) {
        // A failed launch must not leave the loading picture over the map.
        ShowPreloader(false);
        RaiseError(etVistraProblem);
        return false;
    }
    bLaunchFinish = false;
    FMarkers->PageReset();
    return true;
}

bool TGeolith::ExecJScript(const std::string& Script)
{
    if (!HasPageWindow()) return false;
    if (FWebBrowser->ExecScript(Script)) return true;
    RaiseError(etJavascriptError);
    return false;
}

void TGeolith::DoMapTilesLoad()
{
    if (bLaunchFinish) return;
    bLaunchFinish = true;
    if (HasPageWindow()) {
        (void)FWebBrowser->SetBodyStyle("overflow", "hidden");
        (void)FWebBrowser->SetBodyStyle("borderStyle", "none");
    }
    ShowPreloader(false);
    FMarkers->CreateAllInPage(false);
    if (FStreetViewOptions->Visible()) FStreetViewOptions->OpenStreetView();
    FWebBrowser->SetVisible(true);
    Raise(OnDownloadFinish, this);
}

std::unique_ptr<TGraphic> TGeolith::ScreenShot(TImgType ImgType)
{
    if (!HasPageWindow()) return nullptr;
    try {
        TBitmap work;
        work.SetHeight(Height());
        work.SetWidth(Width());
        const web::Outcome drawn = FWebBrowser->Snapshot(work);
        if (drawn && work.Width() == Width() && work.Height() == Height()) {
            std::unique_ptr<TGraphic> result;
            switch (ImgType) {
            case itBitmap: result = std::make_unique<TBitmap>(); break;
            case itJpeg: result = std::make_unique<TJPEGImage>(); break;
            case itPng: result = std::make_unique<TPngImage>(); break;
            }
            if (result) {
                result->Assign(&work);
                return result;
            }
        }
    } catch (const std::exception&) {
    }
    RaiseError(etScreenshotProblem);
    return nullptr;
}

bool TGeolith::CreateMapMarker(const TMarker* Marker) { return ExecJScript(map::CreateMarkerScript(*Marker)); }

bool TGeolith::DeleteMapMarker(int Id) { return ExecJScript(map::scripts::DeleteMapMarker(Id)); }
bool TGeolith::DeleteAllMapMarker() { return ExecJScript(map::scripts::DeleteAllMapMarker()); }
bool TGeolith::openMarkerInfoWindowHtml(int Id, const std::string& HtmlText)
{
    return ExecJScript(map::scripts::OpenMarkerInfoWindowHtml(Id, HtmlText));
}
bool TGeolith::CloseMarkerInfoWindowHtml(int Id) { return ExecJScript(map::scripts::CloseMarkerInfoWindowHtml(Id)); }
bool TGeolith::StartMarkerBounceAnimation(int Id) { return ExecJScript(map::scripts::StartMarkerBounceAnimation(Id)); }
bool TGeolith::StopMarkerBounceAnimation(int Id) { return ExecJScript(map::scripts::StopMarkerBounceAnimation(Id)); }
bool TGeolith::MapPanTo(double Latitude, double Longitude) { return ExecJScript(map::scripts::MapPanTo(Latitude, Longitude)); }
bool TGeolith::MapPanBy(int X, int Y) { return ExecJScript(map::scripts::MapPanBy(X, Y)); }

void TGeolith::SwitchToStreetView()
{
    FStreetViewOptions->SetDefaultLatitude(FMapOptions->DefaultLatitude());
    FStreetViewOptions->SetDefaultLongitude(FMapOptions->DefaultLongitude());
    FStreetViewOptions->SetVisible(true);
}

void TGeolith::SwitchToMap()
{
    FMapOptions->SetDefaultLatitude(FStreetViewOptions->DefaultLatitude());
    FMapOptions->SetDefaultLongitude(FStreetViewOptions->DefaultLongitude());
    FStreetViewOptions->SetVisible(false);
}

// ---------------------------------------------------------------- callbacks

void TGeolith::ConnectBrowserEvents()
{
    TNewWebBrowser& b = *FWebBrowser;
    b.OnBeforeNavigate2 = [this](TObject*, const std::string&) { Raise(OnDownloadStart, this); };
    b.OnProgressChange = [this](TObject* sender, int progress, int progressMax) {
        Raise(OnDownloadProgress, sender, progress, progressMax);
    };
    auto forwardMarker = [](TEventMarker TGeolith::*event, TGeolith* self) {
        return [self, event](const std::string& title, int id, double lat, double lng) {
            Raise(self->*event, title, id, lat, lng);
        };
    };
    b.OnMarkerClick = [this](const std::string& title, int id, double lat, double lng, TMouseButton button) {
        Raise(OnMarkerClick, title, id, lat, lng, button);
    };
    b.OnMarkerDblClick = forwardMarker(&TGeolith::OnMarkerDblClick, this);
    b.OnMarkerDragStart = forwardMarker(&TGeolith::OnMarkerDragStart, this);
    b.OnMarkerDrag = forwardMarker(&TGeolith::OnMarkerDrag, this);
    b.OnMarkerDragEnd = [this](const std::string& title, int id, double lat, double lng) {
        // Saving the markers or a new page must show them where the user left them.
        FMarkers->PageMoved(id, lat, lng);
        Raise(OnMarkerDragEnd, title, id, lat, lng);
    };
    b.OnMarkerMouseDown = forwardMarker(&TGeolith::OnMarkerMouseDown, this);
    b.OnMarkerMouseUp = forwardMarker(&TGeolith::OnMarkerMouseUp, this);
    b.OnMarkerMouseEnter = forwardMarker(&TGeolith::OnMarkerMouseEnter, this);
    b.OnMarkerMouseExit = forwardMarker(&TGeolith::OnMarkerMouseExit, this);
    b.OnMarkerInfoWindowCloseClick = [this](int id) { Raise(OnMarkerInfoWindowCloseClick, id); };

    // Map events carry where the cursor is over the browser. Clicks, moves
    // over the map, entering it and starting a drag happen with the cursor on
    // the map; leaving it and dragging on may take the cursor outside.
    enum class Cursor { OverMap, Anywhere };
    auto forwardPosition = [](TPositionMap TGeolith::*event, TGeolith* self, Cursor where) {
        return [self, event, where](double lat, double lng, int, int) {
            if (!(self->*event)) return;
            const TPoint at = self->CursorInBrowser(where == Cursor::OverMap);
            (self->*event)(lat, lng, at.X, at.Y);
        };
    };
    b.OnMapClick = [this](double lat, double lng, int, int, TMouseButton button) {
        if (!OnMapClick) return;
        const TPoint at = CursorInBrowser(true);
        OnMapClick(lat, lng, at.X, at.Y, button);
    };
    b.OnMapDblClick = forwardPosition(&TGeolith::OnMapDblClick, this, Cursor::OverMap);
    b.OnMapMouseMove = forwardPosition(&TGeolith::OnMapMouseMove, this, Cursor::OverMap);
    b.OnMapMouseEnter = forwardPosition(&TGeolith::OnMapMouseEnter, this, Cursor::OverMap);
    b.OnMapMouseExit = forwardPosition(&TGeolith::OnMapMouseExit, this, Cursor::Anywhere);
    b.OnMapMoveStart = forwardPosition(&TGeolith::OnMapMoveStart, this, Cursor::OverMap);
    b.OnMapMove = forwardPosition(&TGeolith::OnMapMove, this, Cursor::Anywhere);
    auto moveEnd = forwardPosition(&TGeolith::OnMapMoveEnd, this, Cursor::Anywhere);
    b.OnMapMoveEnd = [this, moveEnd](double lat, double lng, int x, int y) {
        FMapOptions->FDefaultLatitude = lat;
        FMapOptions->FDefaultLongitude = lng;
        moveEnd(lat, lng, x, y);
    };
    auto streetViewMove = forwardPosition(&TGeolith::OnStreetViewMove, this, Cursor::Anywhere);
    b.OnStreetViewMove = [this, streetViewMove](double lat, double lng, int x, int y) {
        FStreetViewOptions->FDefaultLatitude = lat;
        FStreetViewOptions->FDefaultLongitude = lng;
        streetViewMove(lat, lng, x, y);
    };
    b.OnMapZoomChange = [this](int level) {
        // The page's zoom is 0..21; anything else is not a level to store.
        if (level >= 0 && level <= 21) FMapOptions->FZoomMap = static_cast<TZoomMap>(level);
        Raise(OnMapZoomChange, level);
    };
    b.OnMapTypeChange = [this](int type) {
        const TMapType mapType = type >= mtDefault && type <= mtTerrain ? static_cast<TMapType>(type) : mtDefault;
        FMapOptions->FMapType = mapType;
        Raise(OnMapTypeChange, mapType);
    };
    b.OnMapTilesLoad = [this](TObject*) { DoMapTilesLoad(); };
    b.OnMapIdle = [this](TObject*) { Raise(OnMapIdle, this); };
    b.OnVistraError = [this](TErrorType error) { RaiseError(error); };
}
