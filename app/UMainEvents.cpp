// The main window's map-event handlers: one event-log line each, and the marker left-click sequence.
#include "app/UMain.h"

#include "app/UEvent.h"
#include "map/UGeolith.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/EditControls.h"

#include <algorithm>

namespace {

std::string HtmlEscaped(const std::string& text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&': result += "&amp;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        default: result += c;
        }
    }
    return result;
}

}  // namespace

void TFrmMain::ConnectMapEvents()
{
    TGeolith& g = *Geolith1;
    g.OnDownloadStart = [this](TObject* s) { Geolith1DownloadStart(s); };
    g.OnDownloadFinish = [this](TObject* s) { Geolith1DownloadFinish(s); };
    g.OnDownloadProgress = [this](TObject* s, int p, int m) { Geolith1DownloadProgress(s, p, m); };
    g.OnMapIdle = [this](TObject* s) { Geolith1MapIdle(s); };
    g.OnMapClick = [this](double la, double lo, int x, int y, TMouseButton b) { Geolith1MapClick(la, lo, x, y, b); };
    g.OnMapDblClick = [this](double la, double lo, int x, int y) { Geolith1MapDblClick(la, lo, x, y); };
    g.OnMapMouseEnter = [this](double la, double lo, int x, int y) { Geolith1MapMouseEnter(la, lo, x, y); };
    g.OnMapMouseExit = [this](double la, double lo, int x, int y) { Geolith1MapMouseExit(la, lo, x, y); };
    g.OnMapMouseMove = [this](double la, double lo, int x, int y) { Geolith1MapMouseMove(la, lo, x, y); };
    g.OnMapMove = [this](double la, double lo, int x, int y) { Geolith1MapMove(la, lo, x, y); };
    g.OnMapMoveEnd = [this](double la, double lo, int x, int y) { Geolith1MapMoveEnd(la, lo, x, y); };
    g.OnMapMoveStart = [this](double la, double lo, int x, int y) { Geolith1MapMoveStart(la, lo, x, y); };
    g.OnStreetViewMove = [this](double la, double lo, int x, int y) { Geolith1StreetViewMove(la, lo, x, y); };
    g.OnMapTypeChange = [this](TMapType t) { Geolith1MapTypeChange(t); };
    g.OnMapZoomChange = [this](int level) { Geolith1MapZoomChange(level); };
    g.OnMarkerClick = [this](const std::string& t, int id, double la, double lo, TMouseButton b) {
        Geolith1MarkerClick(t, id, la, lo, b);
    };
    g.OnMarkerDblClick = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerDblClick(t, id, la, lo); };
    g.OnMarkerDrag = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerDrag(t, id, la, lo); };
    g.OnMarkerDragEnd = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerDragEnd(t, id, la, lo); };
    g.OnMarkerDragStart = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerDragStart(t, id, la, lo); };
    g.OnMarkerMouseDown = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerMouseDown(t, id, la, lo); };
    g.OnMarkerMouseEnter = [this](const std::string& t, int id, double la, double lo) {
        Geolith1MarkerMouseEnter(t, id, la, lo);
    };
    g.OnMarkerMouseExit = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerMouseExit(t, id, la, lo); };
    g.OnMarkerMouseUp = [this](const std::string& t, int id, double la, double lo) { Geolith1MarkerMouseUp(t, id, la, lo); };
    g.OnMarkerInfoWindowCloseClick = [this](int id) { Geolith1MarkerInfoWindowCloseClick(id); };
    // OnGeolithError stays unconnected: the page's failures are not the user's business.
}

void TFrmMain::Log(const std::string& Line)
{
    if (FrmEvent) FrmEvent->MmEvents->Lines().Add(Line);
}

void TFrmMain::LogPosition(const char* Name, double Latitude, double Longitude, int X, int Y)
{
    Log(std::string(Name) + " , Lat : " + FloatToStr(Latitude) + ", Long :" + FloatToStr(Longitude) + ", X :" +
        IntToStr(X) + ", Y :" + IntToStr(Y));
}

void TFrmMain::LogMarker(const char* Name, const std::string& Title, int Id, double Latitude, double Longitude)
{
    Log(std::string(Name) + " , Lat : " + FloatToStr(Latitude) + ", Long :" + FloatToStr(Longitude) +
        ", IdMarker :" + IntToStr(Id) + ", TitleMarker :" + Title);
}

int TFrmMain::MaxMarkerZIndex() const
{
    int highest = 0;
    for (int i = 0; i < Geolith1->Markers()->Count(); ++i) highest = std::max(highest, Geolith1->Markers()->Items(i)->Zindex());
    return highest;
}

void TFrmMain::Geolith1DownloadStart(TObject*) { Log("DownloadStart"); }
void TFrmMain::Geolith1DownloadFinish(TObject*) { Log("DownloadFinish"); }
void TFrmMain::Geolith1DownloadProgress(TObject*, int Progress, int ProgressMax)
{
    Log("DownloadProgress : Max :" + IntToStr(ProgressMax) + ", Current : " + IntToStr(Progress));
}
void TFrmMain::Geolith1MapIdle(TObject*) { Log("MapIdle"); }

void TFrmMain::Geolith1MapClick(double Latitude, double Longitude, int X, int Y, TMouseButton Button)
{
    LogPosition(Button == mbLeft ? "LeftClick" : "RightClick", Latitude, Longitude, X, Y);
    if (Button != mbLeft) return;
    ELatitude->SetText(FloatToStr(Latitude));
    ELongitude->SetText(FloatToStr(Longitude));
}

void TFrmMain::Geolith1MapDblClick(double La, double Lo, int X, int Y) { LogPosition("DblClick", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMouseEnter(double La, double Lo, int X, int Y) { LogPosition("MouseEnter", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMouseExit(double La, double Lo, int X, int Y) { LogPosition("MouseExit", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMouseMove(double La, double Lo, int X, int Y) { LogPosition("MouseMove", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMove(double La, double Lo, int X, int Y) { LogPosition("MapMove", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMoveEnd(double La, double Lo, int X, int Y) { LogPosition("MapMoveEnd", La, Lo, X, Y); }
void TFrmMain::Geolith1MapMoveStart(double La, double Lo, int X, int Y) { LogPosition("MapMoveStart", La, Lo, X, Y); }
void TFrmMain::Geolith1StreetViewMove(double La, double Lo, int X, int Y) { LogPosition("StreetViewMove", La, Lo, X, Y); }

void TFrmMain::Geolith1MapTypeChange(TMapType NewMapType)
{
    static constexpr const char* names[] = {"Default", "Satellite", "Hybrid", "Terrain"};
    if (NewMapType >= mtDefault && NewMapType <= mtTerrain) Log(std::string("MapTypeChanged : ") + names[NewMapType]);
}

void TFrmMain::Geolith1MapZoomChange(int NewLevel)
{
    Log("ZoomChange : " + IntToStr(NewLevel));
    TrbZoom->SetPosition(NewLevel);
}

void TFrmMain::Geolith1MarkerClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude,
                                   TMouseButton Button)
{
    Log(std::string(Button == mbLeft ? "MarkerLeftClick" : "MarkerRightClick") + " , Title :" + MarkerTitle +
        ", IdMarker :" + IntToStr(IdMarker));
    if (Button != mbLeft) return;
    // The page reports -1 for a marker it no longer finds; such a click names no marker of ours.
    TMarkers& markers = *Geolith1->Markers();
    if (IdMarker < 0 || IdMarker >= markers.Count()) return;
    TMarker* marker = markers.Items(IdMarker);
    marker->SetZindex(MaxMarkerZIndex() + 1);
    const std::string lat = FloatToStr(Latitude);
    const std::string lng = FloatToStr(Longitude);
    Geolith1->openMarkerInfoWindowHtml(IdMarker, "<b><font face=arial size=1>" + HtmlEscaped(MarkerTitle) +
                                                     "<br />" "Lat : " + lat + "<br />" "Lon : " + lng + "</b><br />");
    ELatitude->SetText(lat);
    ELongitude->SetText(lng);
    DeleteMarker = IdMarker;
    FDeleteMarkerID = marker->ID();
}

void TFrmMain::Geolith1MarkerDblClick(const std::string& MarkerTitle, int IdMarker, double, double)
{
    Log("MarkerDblClick , Title :" + MarkerTitle + ", IdMarker :" + IntToStr(IdMarker));
}

void TFrmMain::Geolith1MarkerDrag(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerDrag", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerDragEnd(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerDragEnd", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerDragStart(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerDragStart", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerMouseDown(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerMouseDown", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerMouseEnter(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerMouseEnter", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerMouseExit(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerMouseExit", T, Id, La, Lo); }
void TFrmMain::Geolith1MarkerMouseUp(const std::string& T, int Id, double La, double Lo) { LogMarker("MarkerMouseUp", T, Id, La, Lo); }

void TFrmMain::Geolith1MarkerInfoWindowCloseClick(int IdMarker)
{
    Log("MarkerInfoWindowCloseClick , , IdMarker :" + IntToStr(IdMarker));
}
