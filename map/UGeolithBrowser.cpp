// The page's callbacks: TAppWrapper's published methods and the browser's external object.
#include "map/UGeolithBrowser.h"

#include <memory>

namespace {

template <class Event, class... Args>
void Raise(const Event& event, Args&&... args)
{
    if (event) event(std::forward<Args>(args)...);
}

}  // namespace

void TAppWrapper::ExternalMarkerClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude,
                                      TMouseButton Button)
{
    Raise(OnMarkerClick, MarkerTitle, IdMarker, Latitude, Longitude, Button);
}
void TAppWrapper::ExternalMarkerDblClick(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerDblClick, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerMouseDown(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerMouseDown, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerMouseUp(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerMouseUp, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerMouseEnter(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerMouseEnter, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerMouseExit(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerMouseExit, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerInfoWindowCloseClick(int IdMarker) { Raise(OnMarkerInfoWindowCloseClick, IdMarker); }
void TAppWrapper::ExternalMarkerDragStart(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerDragStart, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerDrag(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerDrag, T, Id, La, Lo); }
void TAppWrapper::ExternalMarkerDragEnd(const std::string& T, int Id, double La, double Lo) { Raise(OnMarkerDragEnd, T, Id, La, Lo); }
void TAppWrapper::ExternalMapClick(double La, double Lo, TMouseButton Button) { Raise(OnMapClick, La, Lo, 0, 0, Button); }
void TAppWrapper::ExternalMapDblClick(double La, double Lo) { Raise(OnMapDblClick, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapMouseExit(double La, double Lo) { Raise(OnMapMouseExit, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapMouseEnter(double La, double Lo) { Raise(OnMapMouseEnter, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapMoveStart(double La, double Lo) { Raise(OnMapMoveStart, La, Lo, 0, 0); }
void TAppWrapper::ExternalStreetViewMove(double La, double Lo) { Raise(OnStreetViewMove, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapMoveEnd(double La, double Lo) { Raise(OnMapMoveEnd, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapMove(double La, double Lo) { Raise(OnMapMove, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapTilesLoad() { Raise(OnMapTilesLoad, this); }
void TAppWrapper::ExternalMapIdle() { Raise(OnMapIdle, this); }
void TAppWrapper::ExternalMapMouseMove(double La, double Lo) { Raise(OnMapMouseMove, La, Lo, 0, 0); }
void TAppWrapper::ExternalMapTypeChanged(int NewMapType) { Raise(OnMapTypeChange, NewMapType); }
void TAppWrapper::ExternalMapZoomChange(int NewLevel) { Raise(OnMapZoomChange, NewLevel); }
void TAppWrapper::ExternalVistraError(TErrorType ErrorType) { Raise(OnVistraError, ErrorType); }

namespace {

using map::TAutoArgs;
using map::TAutoKind;
using map::TAutoValue;
using map::TParamInfo;
using map::TPublishedMethod;

const TParamInfo Title{"MarkerTitle", TAutoKind::String};
const TParamInfo Id{"IdMarker", TAutoKind::Integer};
const TParamInfo Lat{"Latitude", TAutoKind::Double};
const TParamInfo Lng{"Longitude", TAutoKind::Double};
const TParamInfo Button{"Button", TAutoKind::Enumeration, 3};

TAppWrapper* App(TObject* self) { return static_cast<TAppWrapper*>(self); }

using MarkerMethod = void (TAppWrapper::*)(const std::string&, int, double, double);
using PositionMethod = void (TAppWrapper::*)(double, double);

TPublishedMethod Marker(std::string name, MarkerMethod method)
{
    return {std::move(name), {Title, Id, Lat, Lng}, [method](TObject* s, const TAutoArgs& a) {
                (App(s)->*method)(a[0].AsString(), a[1].AsInteger(), a[2].AsDouble(), a[3].AsDouble());
                return TAutoValue();
            }};
}

TPublishedMethod Position(std::string name, PositionMethod method)
{
    return {std::move(name), {Lat, Lng}, [method](TObject* s, const TAutoArgs& a) {
                (App(s)->*method)(a[0].AsDouble(), a[1].AsDouble());
                return TAutoValue();
            }};
}

TPublishedMethod WithInteger(std::string name, TParamInfo param, std::function<void(TAppWrapper*, int)> call)
{
    return {std::move(name), {std::move(param)}, [call](TObject* s, const TAutoArgs& a) {
                call(App(s), a[0].AsInteger());
                return TAutoValue();
            }};
}

TPublishedMethod NoArguments(std::string name, void (TAppWrapper::*method)())
{
    return {std::move(name), {}, [method](TObject* s, const TAutoArgs&) {
                (App(s)->*method)();
                return TAutoValue();
            }};
}

std::vector<TPublishedMethod> CallbackMethods()
{
    return {
        {"ExternalMarkerClick", {Title, Id, Lat, Lng, Button},
         [](TObject* s, const TAutoArgs& a) {
             App(s)->ExternalMarkerClick(a[0].AsString(), a[1].AsInteger(), a[2].AsDouble(), a[3].AsDouble(),
                                         static_cast<TMouseButton>(a[4].AsInteger()));
             return TAutoValue();
         }},
        Marker("ExternalMarkerDblClick", &TAppWrapper::ExternalMarkerDblClick),
        Marker("ExternalMarkerMouseDown", &TAppWrapper::ExternalMarkerMouseDown),
        Marker("ExternalMarkerMouseUp", &TAppWrapper::ExternalMarkerMouseUp),
        Marker("ExternalMarkerMouseEnter", &TAppWrapper::ExternalMarkerMouseEnter),
        Marker("ExternalMarkerMouseExit", &TAppWrapper::ExternalMarkerMouseExit),
        WithInteger("ExternalMarkerInfoWindowCloseClick", Id,
                    [](TAppWrapper* w, int v) { w->ExternalMarkerInfoWindowCloseClick(v); }),
        Marker("ExternalMarkerDragStart", &TAppWrapper::ExternalMarkerDragStart),
        Marker("ExternalMarkerDrag", &TAppWrapper::ExternalMarkerDrag),
        Marker("ExternalMarkerDragEnd", &TAppWrapper::ExternalMarkerDragEnd),
        {"ExternalMapClick", {Lat, Lng, Button},
         [](TObject* s, const TAutoArgs& a) {
             App(s)->ExternalMapClick(a[0].AsDouble(), a[1].AsDouble(), static_cast<TMouseButton>(a[2].AsInteger()));
             return TAutoValue();
         }},
        Position("ExternalMapDblClick", &TAppWrapper::ExternalMapDblClick),
        Position("ExternalMapMouseExit", &TAppWrapper::ExternalMapMouseExit),
        Position("ExternalMapMouseEnter", &TAppWrapper::ExternalMapMouseEnter),
        Position("ExternalMapMoveStart", &TAppWrapper::ExternalMapMoveStart),
        Position("ExternalStreetViewMove", &TAppWrapper::ExternalStreetViewMove),
        Position("ExternalMapMoveEnd", &TAppWrapper::ExternalMapMoveEnd),
        Position("ExternalMapMove", &TAppWrapper::ExternalMapMove),
        NoArguments("ExternalMapTilesLoad", &TAppWrapper::ExternalMapTilesLoad),
        NoArguments("ExternalMapIdle", &TAppWrapper::ExternalMapIdle),
        Position("ExternalMapMouseMove", &TAppWrapper::ExternalMapMouseMove),
        WithInteger("ExternalMapTypeChanged", {"NewMapType", TAutoKind::Integer},
                    [](TAppWrapper* w, int v) { w->ExternalMapTypeChanged(v); }),
        WithInteger("ExternalMapZoomChange", {"NewLevel", TAutoKind::Integer},
                    [](TAppWrapper* w, int v) { w->ExternalMapZoomChange(v); }),
        WithInteger("ExternalVistraError", {"ErrorType", TAutoKind::Enumeration, ErrorTypeCount},
                    [](TAppWrapper* w, int v) { w->ExternalVistraError(static_cast<TErrorType>(v)); }),
    };
}

const std::vector<std::string>& PublishCallbacks()
{
    static const std::vector<std::string> names = [] {
        std::vector<TPublishedMethod> methods = CallbackMethods();
        std::vector<std::string> list;
        for (const auto& m : methods) list.push_back(m.Name);
        map::PublishMembers(TAppWrapper::StaticClass(), {std::move(methods), {}});
        return list;
    }();
    return names;
}

}  // namespace

const std::vector<std::string>& map::ExternalCallbackNames() { return PublishCallbacks(); }

bool TNewWebBrowser::GetExternal(web::ExternalMethodTable& Methods)
{
    auto wrapper = std::make_unique<TAppWrapper>();
    wrapper->Connect(FApplication);
    wrapper->OnMarkerClick = OnMarkerClick;
    wrapper->OnVistraError = OnVistraError;
    wrapper->OnMapClick = OnMapClick;
    wrapper->OnMapMouseMove = OnMapMouseMove;
    wrapper->OnMapMoveStart = OnMapMoveStart;
    wrapper->OnMapMoveEnd = OnMapMoveEnd;
    wrapper->OnMapZoomChange = OnMapZoomChange;
    wrapper->OnMarkerDragStart = OnMarkerDragStart;
    wrapper->OnMarkerDragEnd = OnMarkerDragEnd;
    wrapper->OnMapTilesLoad = OnMapTilesLoad;
    wrapper->OnMapTypeChange = OnMapTypeChange;
    wrapper->OnMapDblClick = OnMapDblClick;
    wrapper->OnMapMouseEnter = OnMapMouseEnter;
    wrapper->OnMapMouseExit = OnMapMouseExit;
    wrapper->OnMapMove = OnMapMove;
    wrapper->OnMapIdle = OnMapIdle;
    wrapper->OnMarkerInfoWindowCloseClick = OnMarkerInfoWindowCloseClick;
    wrapper->OnMarkerDblClick = OnMarkerDblClick;
    wrapper->OnMarkerMouseDown = OnMarkerMouseDown;
    wrapper->OnMarkerMouseEnter = OnMarkerMouseEnter;
    wrapper->OnMarkerMouseUp = OnMarkerMouseUp;
    wrapper->OnMarkerMouseExit = OnMarkerMouseExit;
    wrapper->OnMarkerDrag = OnMarkerDrag;
    wrapper->OnStreetViewMove = OnStreetViewMove;

    // The plain dispatcher reaches the wrapper's own members only: no
    // fall-through to the application object or its components.
    auto dispatch = std::make_shared<map::TObjectDispatch>(wrapper.release(), true);
    for (const std::string& name : map::ExternalCallbackNames())
        Methods[name] = [dispatch, name](const std::vector<web::ScriptValue>& args) { (void)dispatch->Invoke(name, args); };
    return true;
}
