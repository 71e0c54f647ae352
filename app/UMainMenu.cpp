// The main window's menu: seven menus with their toggle and radio items, tags and handlers.
#include "app/UMain.h"

#include "map/UGeolith.h"
#include "map/UGeolithControls.h"
#include "platform/ui/Menus.h"

#include <utility>

namespace {

enum class TItemKind { Plain, Toggle, Radio };

using THandler = void (TFrmMain::*)(TObject*);

class TMenuBuilder {
public:
    explicit TMenuBuilder(TFrmMain& form) : FForm(form) {}

    TMenuItem* Add(TMenuItem* parent, const std::string& caption, THandler handler = nullptr,
                   TItemKind kind = TItemKind::Plain, bool checked = false, int tag = 0,
                   const std::string& name = {})
    {
        auto* item = new TMenuItem(&FForm);
        if (!name.empty()) item->SetName(name);
        item->SetCaption(caption);
        item->SetTag(tag);
        if (kind != TItemKind::Plain) item->SetAutoCheck(true);
        if (kind == TItemKind::Radio) item->SetRadioItem(true);
        item->SetChecked(checked);
        if (handler) item->OnClick = [form = &FForm, handler](TObject* sender) { (form->*handler)(sender); };
        parent->Add(item);
        return item;
    }
    TMenuItem* Separator(TMenuItem* parent) { return Add(parent, "-"); }

    // The twelve control positions, tagged with their ordinals; Checked is the one checked.
    void Positions(TMenuItem* control, THandler handler, int checkedTag, const char* bottomLeftCaption)
    {
        TMenuItem* menu = Add(control, "Position");
        const std::pair<const char*, int> places[] = {
            {bottomLeftCaption, 4}, {"BottomCenter", 5}, {"BottomRight", 3}, {"LeftBottom", 6},
            {"LeftCenter", 7},      {"LeftTop", 8},      {"RightBottom", 9}, {"RightCenter", 10},
            {"RightTop", 11},       {"TopLeft", 1},      {"TopCenter", 2},   {"TopRight", 0}};
        for (const auto& [caption, tag] : places) Add(menu, caption, handler, TItemKind::Radio, tag == checkedTag, tag);
    }

private:
    TFrmMain& FForm;
};

}  // namespace

void TFrmMain::BuildMainMenu()
{
    MainMenu1 = new TMainMenu(this);
    TMenuBuilder b(*this);
    // Every check mark starts as the map's own state, so the menu never shows
    // an option the map does not have.
    const TMapOptions& map = *Geolith1->MapOptions();
    const TControlsOptions& ctl = *Geolith1->ControlsOptions();
    TMenuItem* root = MainMenu1->Items();
    using K = TItemKind;

    TMenuItem* file = b.Add(root, "&File");
    ExportScreenShot1 = b.Add(file, "&Export screenshot", &TFrmMain::ExportScreenShot1Click, K::Plain, false, 0, "ExportScreenShot1");
    b.Add(file, "E&xit", &TFrmMain::Exit1Click, K::Plain, false, 0, "Exit1");

    TMenuItem* view = b.Add(root, "&View");
    b.Add(view, "&Road Map", &TFrmMain::MapTypeClick, K::Radio, map.MapType() == mtDefault, mtDefault, "RoadMap1");
    b.Add(view, "&Satellite View", &TFrmMain::MapTypeClick, K::Radio, map.MapType() == mtSatellite, mtSatellite, "SatelliteView1");
    b.Add(view, "&Hybrid View", &TFrmMain::MapTypeClick, K::Radio, map.MapType() == mtHybrid, mtHybrid, "HybridView1");
    b.Add(view, "&Terrain View", &TFrmMain::MapTypeClick, K::Radio, map.MapType() == mtTerrain, mtTerrain, "errainView1");
    b.Separator(view);
    b.Add(view, "Show &Bicycling", &TFrmMain::ShowBicycling1Click, K::Toggle, map.ShowBicycling(), 0, "ShowBicycling1");
    b.Add(view, "Show &Panoramio", &TFrmMain::ShowPanoramio1Click, K::Toggle, map.ShowPanoramio(), 0, "ShowPanoramio1");
    b.Add(view, "Show &Traffic", &TFrmMain::ShowTraffic1Click, K::Toggle, map.ShowTraffic(), 0, "ShowTraffic1");
    b.Add(view, "Show Street&View", &TFrmMain::ShowStreetView1Click, K::Toggle, Geolith1->StreetViewOptions()->Visible(), 0, "ShowStreetView1");

    TMenuItem* markers = b.Add(root, "&Markers");
    b.Add(markers, "&Pan to position", &TFrmMain::Pantopostition1Click, K::Plain, false, 0, "Pantopostition1");
    AddmarkeratLatLon1 = b.Add(markers, "Add marker at &Lat/Lon", &TFrmMain::AddmarkeratLatLon1Click, K::Toggle, false, 0, "AddmarkeratLatLon1");
    b.Add(markers, "Add marker at &Address", &TFrmMain::Addmarkeratadress1Click, K::Plain, false, 0, "Addmarkeratadress1");
    Savemarkers1 = b.Add(markers, "&Save markers to CSV file", &TFrmMain::Savemarkers1Click, K::Plain, false, 0, "Savemarkers1");
    Loadmarkers1 = b.Add(markers, "&Load markers from CSV file", &TFrmMain::Loadmarkers1Click, K::Plain, false, 0, "Loadmarkers1");
    b.Add(markers, "&Delete selected marker from View", &TFrmMain::Deleteselectedmarker1Click, K::Plain, false, 0, "Deleteselectedmarker1");
    b.Add(markers, "Delete All Markers from View", &TFrmMain::DeleteAllMarkers1Click, K::Plain, false, 0, "DeleteAllMarkers1");
    b.Add(markers, "&MergeMarkerFiles", &TFrmMain::MergeFiles1Click, K::Plain, false, 0, "MergeFiles1");

    TMenuItem* tools = b.Add(root, "&Tools");
    b.Add(tools, "&Geocode", &TFrmMain::Geocode1Click, K::Plain, false, 0, "Geocode1");

    TMenuItem* controls = b.Add(root, "&Controls");
    TMenuItem* controlsType = b.Add(controls, "ControlsType", nullptr, K::Plain, false, 0, "ControlsType1");
    b.Add(controlsType, "&Default", &TFrmMain::ControlsTypeClick, K::Radio, ctl.ControlsType() == ctDefault, ctDefault);
    b.Add(controlsType, "&Android", &TFrmMain::ControlsTypeClick, K::Radio, ctl.ControlsType() == ctAndroid, ctAndroid);
    b.Add(controlsType, "&Small", &TFrmMain::ControlsTypeClick, K::Radio, ctl.ControlsType() == ctSmall, ctSmall);
    b.Add(controlsType, "&ZoomPan", &TFrmMain::ControlsTypeClick, K::Radio, ctl.ControlsType() == ctZomPan, ctZomPan);
    b.Separator(controls);

    TMenuItem* pan = b.Add(controls, "&Pan Control", nullptr, K::Plain, false, 0, "PanControl1");
    b.Positions(pan, &TFrmMain::PanCtrlPosClick, ctl.PanControl()->Position(), "Bottomleft");
    b.Add(pan, "Visible", &TFrmMain::PanCtrlVisibleClick, K::Toggle, ctl.PanControl()->Visible());

    TMenuItem* streetView = b.Add(controls, "&StreetView Control", nullptr, K::Plain, false, 0, "StreetViewControl1");
    b.Positions(streetView, &TFrmMain::StreetViewCtrlPosClick, ctl.StreetViewControl()->Position(), "BottomLeft");
    b.Add(streetView, "Visible", &TFrmMain::StreetViewCtrlVisibleClick, K::Toggle, ctl.StreetViewControl()->Visible());

    TMenuItem* zoom = b.Add(controls, "&Zoom Control", nullptr, K::Plain, false, 0, "ZoomControl1");
    b.Positions(zoom, &TFrmMain::ZoomCtrlPosClick, ctl.ZoomControl()->Position(), "BottomLeft");
    TMenuItem* zoomStyle = b.Add(zoom, "Style");
    b.Add(zoomStyle, "Default", &TFrmMain::ZoomControlStyleClick, K::Radio, ctl.ZoomControl()->Style() == zsDefault, zsDefault);
    b.Add(zoomStyle, "Large", &TFrmMain::ZoomControlStyleClick, K::Radio, ctl.ZoomControl()->Style() == zsLarge, zsLarge);
    b.Add(zoomStyle, "Small", &TFrmMain::ZoomControlStyleClick, K::Radio, ctl.ZoomControl()->Style() == zsSmall, zsSmall);
    b.Add(zoom, "Visible", &TFrmMain::ZoomCtrlVisibleClick, K::Toggle, ctl.ZoomControl()->Visible());

    TMenuItem* scale = b.Add(controls, "&Scale Control", nullptr, K::Plain, false, 0, "ScaleControl1");
    b.Positions(scale, &TFrmMain::ScaleCtrlPosClick, ctl.ScaleControl()->Position(), "BottomLeft");
    b.Add(scale, "Visible", &TFrmMain::ScaleCtrlVisibleClick, K::Toggle, ctl.ScaleControl()->Visible());

    TMenuItem* mapType = b.Add(controls, "&MapType Control", nullptr, K::Plain, false, 0, "MapTypeControl1");
    b.Positions(mapType, &TFrmMain::MapTypeCtrlPosClick, ctl.MapTypeControl()->Position(), "BottomLeft");
    TMenuItem* mapTypeStyle = b.Add(mapType, "Style");
    b.Add(mapTypeStyle, "Default", &TFrmMain::MapTypeStyleClick, K::Radio, ctl.MapTypeControl()->Style() == mtsDefault, mtsDefault);
    b.Add(mapTypeStyle, "DropDownMenu", &TFrmMain::MapTypeStyleClick, K::Radio, ctl.MapTypeControl()->Style() == mtsDropDownMenu, mtsDropDownMenu);
    b.Add(mapTypeStyle, "HorizontalBar", &TFrmMain::MapTypeStyleClick, K::Radio, ctl.MapTypeControl()->Style() == mtsHorizontalBar, mtsHorizontalBar);
    b.Add(mapType, "Visible", &TFrmMain::MapTypeCtrlVisibleClick, K::Toggle, ctl.MapTypeControl()->Visible());

    TMenuItem* overview = b.Add(controls, "&Overviewmap Control", nullptr, K::Plain, false, 0, "OverviewmapControl1");
    b.Add(overview, "Open", &TFrmMain::Open1Click, K::Toggle, ctl.OverviewMapControl()->Open(), 0, "Open1");
    b.Add(overview, "Visible", &TFrmMain::OverviewMapVisibleClick, K::Toggle, ctl.OverviewMapControl()->Visible());
    b.Separator(controls);
    CustomPanControl1 = b.Add(controls, "&Custom Pan Control", &TFrmMain::CustomPanControl1Click, K::Toggle, false, 0, "CustomPanControl1");

    TMenuItem* options = b.Add(root, "&Options");
    b.Add(options, "Settings", &TFrmMain::Settings1Click, K::Plain, false, 0, "Settings1");
    b.Add(options, "Draggable", &TFrmMain::Draggable1Click, K::Toggle, map.Draggable(), 0, "Draggable1");
    b.Add(options, "DisableControls", &TFrmMain::DisableControls1Click, K::Toggle, map.DisableControls(), 0, "DisableControls1");
    b.Add(options, "DisableDoubleClickZoom", &TFrmMain::DisableDoubleClickZoom1Click, K::Toggle, map.DisableDoubleClickZoom(), 0, "DisableDoubleClickZoom1");
    b.Add(options, "ScrollWheel", &TFrmMain::ScrollWheel1Click, K::Toggle, map.ScrollWheel(), 0, "ScrollWheel1");
    b.Add(options, "EnableKeyboard", &TFrmMain::EnableKeyboard1Click, K::Toggle, map.EnableKeyboard(), 0, "EnableKeyboard1");
    b.Separator(options);
    ShowEvents1 = b.Add(options, "Show &Events", &TFrmMain::ShowEvents1Click, K::Toggle, false, 0, "ShowEvents1");
    ShowMarkerslist1 = b.Add(options, "Show &Markers", &TFrmMain::ShowMarkerslist1Click, K::Toggle, false, 0, "ShowMarkerslist1");
    ShowLanguages1 = b.Add(options, "Show &Languages", &TFrmMain::ShowLanguages1Click, K::Toggle, false, 0, "ShowLanguages1");

    TMenuItem* help = b.Add(root, "&Help");
    b.Add(help, "&Operations", &TFrmMain::Operations1Click, K::Plain, false, 0, "Operations1");
    b.Add(help, "&About", &TFrmMain::About1Click, K::Plain, false, 0, "About1");

    SetMenu(MainMenu1);
}
