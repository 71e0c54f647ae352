// The page's callbacks: TAppWrapper's published methods and the browser's external object.
#include "map/UGeolithBrowser.h"

#include "platform/rtl/Exceptions.h"

#include <array>
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

using classes::TPublishedArgs;
using classes::TPublishedValue;

// Page values for enumerations are ordinals; one out of range is refused.
template <class E>
E Ordinal(const TPublishedValue& value, int count, std::string_view what)
{
    const int ordinal = value.AsVariant().AsInteger();
    if (ordinal < 0 || ordinal >= count)
        throw EConvertError(std::to_string(ordinal) + " is not a " + std::string(what));
    return static_cast<E>(ordinal);
}

void CheckCount(const TPublishedArgs& a, std::size_t count, std::string_view method)
{
    if (a.size() != count)
        throw EPropertyError("Method " + std::string(method) + " takes " + std::to_string(count) + " arguments, not " +
                             std::to_string(a.size()));
}

constexpr std::array<std::string_view, 24> CallbackNames = {
    "ExternalMarkerClick", "ExternalMarkerDblClick", "ExternalMarkerMouseDown", "ExternalMarkerMouseUp",
    "ExternalMarkerMouseEnter", "ExternalMarkerMouseExit", "ExternalMarkerInfoWindowCloseClick",
    "ExternalMarkerDragStart", "ExternalMarkerDrag", "ExternalMarkerDragEnd", "ExternalMapClick",
    "ExternalMapDblClick", "ExternalMapMouseExit", "ExternalMapMouseEnter", "ExternalMapMoveStart",
    "ExternalStreetViewMove", "ExternalMapMoveEnd", "ExternalMapMove", "ExternalMapTilesLoad", "ExternalMapIdle",
    "ExternalMapMouseMove", "ExternalMapTypeChanged", "ExternalMapZoomChange", "ExternalVistraError"};

void PublishCallbacks()
{
    classes::Publish<TAppWrapper>()
        .Method("ExternalMarkerClick", [](TAppWrapper& w, const TPublishedArgs& a) -> TPublishedValue {
            CheckCount(a, 5, "ExternalMarkerClick");
            w.ExternalMarkerClick(a[0].AsVariant().AsString(), a[1].AsVariant().AsInteger(), a[2].AsVariant().AsDouble(),
                                  a[3].AsVariant().AsDouble(), Ordinal<TMouseButton>(a[4], 3, "mouse button"));
            return {};
        })
        .Method("ExternalMarkerDblClick", &TAppWrapper::ExternalMarkerDblClick)
        .Method("ExternalMarkerMouseDown", &TAppWrapper::ExternalMarkerMouseDown)
        .Method("ExternalMarkerMouseUp", &TAppWrapper::ExternalMarkerMouseUp)
        .Method("ExternalMarkerMouseEnter", &TAppWrapper::ExternalMarkerMouseEnter)
        .Method("ExternalMarkerMouseExit", &TAppWrapper::ExternalMarkerMouseExit)
        .Method("ExternalMarkerInfoWindowCloseClick", &TAppWrapper::ExternalMarkerInfoWindowCloseClick)
        .Method("ExternalMarkerDragStart", &TAppWrapper::ExternalMarkerDragStart)
        .Method("ExternalMarkerDrag", &TAppWrapper::ExternalMarkerDrag)
        .Method("ExternalMarkerDragEnd", &TAppWrapper::ExternalMarkerDragEnd)
        .Method("ExternalMapClick", [](TAppWrapper& w, const TPublishedArgs& a) -> TPublishedValue {
            CheckCount(a, 3, "ExternalMapClick");
            w.ExternalMapClick(a[0].AsVariant().AsDouble(), a[1].AsVariant().AsDouble(),
                               Ordinal<TMouseButton>(a[2], 3, "mouse button"));
            return {};
        })
        .Method("ExternalMapDblClick", &TAppWrapper::ExternalMapDblClick)
        .Method("ExternalMapMouseExit", &TAppWrapper::ExternalMapMouseExit)
        .Method("ExternalMapMouseEnter", &TAppWrapper::ExternalMapMouseEnter)
        .Method("ExternalMapMoveStart", &TAppWrapper::ExternalMapMoveStart)
        .Method("ExternalStreetViewMove", &TAppWrapper::ExternalStreetViewMove)
        .Method("ExternalMapMoveEnd", &TAppWrapper::ExternalMapMoveEnd)
        .Method("ExternalMapMove", &TAppWrapper::ExternalMapMove)
        .Method("ExternalMapTilesLoad", &TAppWrapper::ExternalMapTilesLoad)
        .Method("ExternalMapIdle", &TAppWrapper::ExternalMapIdle)
        .Method("ExternalMapMouseMove", &TAppWrapper::ExternalMapMouseMove)
        .Method("ExternalMapTypeChanged", &TAppWrapper::ExternalMapTypeChanged)
        .Method("ExternalMapZoomChange", &TAppWrapper::ExternalMapZoomChange)
        .Method("ExternalVistraError", [](TAppWrapper& w, const TPublishedArgs& a) -> TPublishedValue {
            CheckCount(a, 1, "ExternalVistraError");
            w.ExternalVistraError(Ordinal<TErrorType>(a[0], ErrorTypeCount, "map error kind"));
            return {};
        });
}

}  // namespace

const std::vector<std::string>& map::ExternalCallbackNames()
{
    static const std::vector<std::string> names = [] {
        PublishCallbacks();
        return std::vector<std::string>(CallbackNames.begin(), CallbackNames.end());
    }();
    return names;
}

bool TNewWebBrowser::GetExternal(web::ExternalMethodTable& Methods)
{
    auto wrapper = std::make_unique<TAppWrapper>();
    wrapper->Connect(FApplication);
    static_cast<map::TPageCallbackEvents&>(*wrapper) = *this;

    // The plain dispatcher reaches the wrapper's own members only: no
    // fall-through to the application object or its components.
    auto dispatch = std::make_shared<map::TObjectDispatch>(wrapper.release(), true);
    for (const std::string& name : map::ExternalCallbackNames())
        Methods[name] = [dispatch, name](const std::vector<web::ScriptValue>& args) { (void)dispatch->Invoke(name, args); };
    return true;
}
