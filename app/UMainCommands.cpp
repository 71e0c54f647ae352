// The main window's menu commands.
#include "app/UMain.h"

#include "app/MarkerFile.h"
#include "app/SettingsStore.h"
#include "app/UAboutBox.h"
#include "app/UCustomPan.h"
#include "app/UEvent.h"
#include "app/UGrid1.h"
#include "app/ULanguages.h"
#include "app/UMarker.h"
#include "app/UMarkers.h"
#include "app/USettings.h"
#include "app/msg.h"
#include "app/umerge.h"
#include "map/UGeolith.h"
#include "map/UGeolithControls.h"
#include "map/UGeolithGeocoding.h"
#include "map/UGeolithMarkers.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/grids/StringGrid.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Shell.h"

#include <algorithm>

namespace {

// The guide's address is a placeholder until the product has a published one.
constexpr const char* OnlineGuideAddress = "https://corvanta.example/vistra/guide";
constexpr const char* GeocodingLimitsAddress = "https://developers.google.com/maps/documentation/geocoding/usage-limits";

// The item's check state after its click toggled it.
bool State(TObject* Sender) { return static_cast<TMenuItem*>(Sender)->Checked(); }
int ItemTag(TObject* Sender) { return static_cast<int>(static_cast<TMenuItem*>(Sender)->Tag()); }

template <class TWindow>
TWindow* CreateOwnedWindow(TComponent* owner, TWindow*& reference)
{
    auto* window = new TWindow(owner);
    reference = window;
    window->DoCreate();
    return window;
}

// Markers sent to the page in one script while a file loads: few enough for
// the window to answer between two scripts, enough that the round trips to
// the page cost little.
constexpr size_t MarkerBatch = 20000;

// The picture dialog's filters in order: 1 PNG, 2 JPEG, 3 bitmap.
const char* PictureExtension(int FilterIndex) { return FilterIndex == 2 ? ".jpg" : FilterIndex == 3 ? ".bmp" : ".png"; }

// The chosen name with the extension of the chosen type: a picture extension
// of another type (the dialog's default one included) is replaced, any other
// name gets the extension added.
std::string PictureFileName(const std::string& FileName, int FilterIndex)
{
    const std::string extension = LowerCase(ExtractFileExt(FileName));
    const std::string wanted = PictureExtension(FilterIndex);
    if (extension == wanted || (wanted == ".jpg" && extension == ".jpeg")) return FileName;
    for (const char* other : {".png", ".jpg", ".jpeg", ".bmp"})
        if (extension == other) return ChangeFileExt(FileName, wanted);
    return FileName + wanted;
}

}  // namespace

bool TFrmMain::ExportScreenShot(const std::string& FileName, int FilterIndex)
{
    const TImgType type = FilterIndex == 2 ? itJpeg : FilterIndex == 3 ? itBitmap : itPng;
    std::unique_ptr<TGraphic> picture = Geolith1->ScreenShot(type);
    if (!picture) {
        ShowMessage("The map has no picture to save yet.");
        return false;
    }
    picture->SaveToFile(FileName);
    return true;
}

void TFrmMain::ExportScreenShot1Click(TObject*)
{
    if (!SavePictureDialog1->Execute()) return;
    const std::string fileName = PictureFileName(SavePictureDialog1->FileName(), SavePictureDialog1->FilterIndex());
    if (ExportScreenShot(fileName, SavePictureDialog1->FilterIndex()))
        ShellExecute(0, "open", fileName, "", "", SW_SHOWNORMAL);
}

void TFrmMain::SavePictureDialog1TypeChange(TObject*)
{
    switch (SavePictureDialog1->FilterIndex()) {
    case 1: SavePictureDialog1->SetDefaultExt("png"); break;
    case 2: SavePictureDialog1->SetDefaultExt("jpg"); break;
    case 3: SavePictureDialog1->SetDefaultExt("bmp"); break;
    default: break;
    }
}

void TFrmMain::Exit1Click(TObject*) { Close(); }

void TFrmMain::MapTypeClick(TObject* Sender) { Geolith1->MapOptions()->SetMapType(static_cast<TMapType>(ItemTag(Sender))); }
void TFrmMain::ShowBicycling1Click(TObject* Sender) { Geolith1->MapOptions()->SetShowBicycling(State(Sender)); }
void TFrmMain::ShowPanoramio1Click(TObject* Sender) { Geolith1->MapOptions()->SetShowPanoramio(State(Sender)); }
void TFrmMain::ShowTraffic1Click(TObject* Sender) { Geolith1->MapOptions()->SetShowTraffic(State(Sender)); }
void TFrmMain::ShowStreetView1Click(TObject* Sender) { Geolith1->StreetViewOptions()->SetVisible(State(Sender)); }

void TFrmMain::Pantopostition1Click(TObject*) { PanToEdits(); }

void TFrmMain::AddmarkeratLatLon1Click(TObject*)
{
    if (FrmMarker) FrmMarker->Show();
}

void TFrmMain::Addmarkeratadress1Click(TObject*)
{
    const std::string address = InputBox("Lookup address", "Address", "");
    if (address.empty()) return;
    GeolithGeocoding1->SetAddress(address);
    if (GeolithGeocoding1->LaunchGeocoding() != erOk) {
        ShowMessage("Problem with the geocoding of the address ...");
        return;
    }
    const double latitude = GeolithGeocoding1->ResultLatitude();
    const double longitude = GeolithGeocoding1->ResultLongitude();
    Geolith1->Markers()->Add(latitude, longitude, address, "", false, true, false, false, true, 0);
    Geolith1->MapPanTo(latitude, longitude);
}

void TFrmMain::Savemarkers1Click(TObject*)
{
    if (!SaveTextFileDialog1->Execute()) return;
    SetMarkerFileName(SaveTextFileDialog1->FileName());
    SaveCSVMarkers(SaveTextFileDialog1->FileName());
}

void TFrmMain::Loadmarkers1Click(TObject*)
{
    if (!OpenTextFileDialog1->Execute()) return;
    if (!FileExists(OpenTextFileDialog1->FileName())) {
        ShowMessage("The marker file " + OpenTextFileDialog1->FileName() + " does not exist.");
        return;
    }
    SetMarkerFileName(OpenTextFileDialog1->FileName());
    LoadCSVMarkers(MarkerFileName());
}

void TFrmMain::LoadCSVMarkers(const std::string&)
{
    TMarkers& markers = *Geolith1->Markers();
    if (!FileExists(MarkerFileName())) {
        markers.Clear();
        return;
    }
    // The whole file is read and converted before anything changes: a file
    // that fails leaves the map's markers and the list as they were.
    const std::vector<app::TMarkerLine> lines =
        app::ParseMarkerLines(app::ReadMarkerFileLines(MarkerFileName()), Settings().opt3);
    const int load = ++FMarkerLoads;
    rtl::ScopeExit hideProgress([this] {
        if (PnlLoading) PnlLoading->SetVisible(false);
    });
    for (size_t done = 0; done < lines.size() || done == 0; done += MarkerBatch) {
        if (lines.size() > MarkerBatch) {
            ShowLoadingProgress(done, lines.size());
            if (Application) Application->ProcessMessages();
            if (load != FMarkerLoads || (Application && Application->Terminated())) return;
        }
        // One script a part; the first also takes the old markers off.
        markers.BeginUpdate();
        rtl::ScopeExit endUpdate([&] { markers.EndUpdate(); });
        if (done == 0) markers.Clear();
        app::AddMarkers(lines, done, done + MarkerBatch, markers);
    }
    if (markers.Count() > 0) {
        const TMarker* first = markers.Items(0);
        ELatitude->SetText(FloatToStr(first->Latitude()));
        ELongitude->SetText(FloatToStr(first->Longitude()));
        Geolith1->MapPanTo(first->Latitude(), first->Longitude());
    }
}

void TFrmMain::ShowLoadingProgress(size_t Done, size_t Total)
{
    if (!PnlLoading) {
        PnlLoading = new TPanel(this);
        PnlLoading->SetParent(PnlBottom);
        PnlLoading->SetAlign(alClient);
        PnlLoading->SetBevelOuter(bvNone);
        PnlLoading->SetParentColor(true);
    }
    PnlLoading->SetCaption("Loading markers: " + IntToStr(static_cast<int>(Done * 100 / std::max<size_t>(Total, 1))) +
                           "%");
    PnlLoading->SetVisible(true);
    PnlLoading->Repaint();
}

void TFrmMain::SaveCSVMarkers(const std::string& FileName)
{
    app::WriteMarkerFile(FileName, *Geolith1->Markers(), Settings().opt3);
}

void TFrmMain::Deleteselectedmarker1Click(TObject*)
{
    Log("DeleteMarker , ID :" + IntToStr(DeleteMarker));
    if (DeleteMarker == -1) return;
    // The marker clicked, wherever it stands now; nothing when it is gone.
    if (TCollectionItem* clicked = Geolith1->Markers()->FindItemID(FDeleteMarkerID))
        Geolith1->Markers()->Delete(clicked->Index());
}

void TFrmMain::DeleteAllMarkers1Click(TObject*) { Geolith1->Markers()->Clear(); }

void TFrmMain::MergeFiles1Click(TObject*) { CreateOwnedWindow(this, frmmerge)->ShowModal(); }

void TFrmMain::Geocode1Click(TObject*)
{
    TFrmMsg* notes = CreateOwnedWindow(this, FrmMsg);
    notes->Memo1->Lines().Add("Notes about using Geocoder ...");
    notes->Memo1->Lines().Add("Google Terms of Service limits geocoding to 2,500 addresses per day.");
    notes->Memo1->Lines().Add(GeocodingLimitsAddress);
    notes->Memo1->Lines().Add("Close this form; proceed with geocoding.");
    notes->ShowModal();
    CreateOwnedWindow(this, FrmGrid1)->ShowModal();
}

void TFrmMain::ControlsTypeClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->SetControlsType(static_cast<TControlsType>(ItemTag(Sender)));
}

void TFrmMain::PanCtrlPosClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->PanControl()->SetPosition(static_cast<TControlPosition>(ItemTag(Sender)));
}
void TFrmMain::StreetViewCtrlPosClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->StreetViewControl()->SetPosition(static_cast<TControlPosition>(ItemTag(Sender)));
}
void TFrmMain::ZoomCtrlPosClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->ZoomControl()->SetPosition(static_cast<TControlPosition>(ItemTag(Sender)));
}
void TFrmMain::ScaleCtrlPosClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->ScaleControl()->SetPosition(static_cast<TControlPosition>(ItemTag(Sender)));
}
void TFrmMain::MapTypeCtrlPosClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->MapTypeControl()->SetPosition(static_cast<TControlPosition>(ItemTag(Sender)));
}

void TFrmMain::PanCtrlVisibleClick(TObject* Sender) { Geolith1->ControlsOptions()->PanControl()->SetVisible(State(Sender)); }
void TFrmMain::StreetViewCtrlVisibleClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->StreetViewControl()->SetVisible(State(Sender));
}
void TFrmMain::ZoomCtrlVisibleClick(TObject* Sender) { Geolith1->ControlsOptions()->ZoomControl()->SetVisible(State(Sender)); }
void TFrmMain::ScaleCtrlVisibleClick(TObject* Sender) { Geolith1->ControlsOptions()->ScaleControl()->SetVisible(State(Sender)); }
void TFrmMain::MapTypeCtrlVisibleClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->MapTypeControl()->SetVisible(State(Sender));
}
void TFrmMain::OverviewMapVisibleClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->OverviewMapControl()->SetVisible(State(Sender));
}
void TFrmMain::ZoomControlStyleClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->ZoomControl()->SetStyle(static_cast<TZoomStyle>(ItemTag(Sender)));
}
void TFrmMain::MapTypeStyleClick(TObject* Sender)
{
    Geolith1->ControlsOptions()->MapTypeControl()->SetStyle(static_cast<TMapTypeStyle>(ItemTag(Sender)));
}
void TFrmMain::Open1Click(TObject* Sender) { Geolith1->ControlsOptions()->OverviewMapControl()->SetOpen(State(Sender)); }

void TFrmMain::CustomPanControl1Click(TObject*)
{
    if (FrmCustomPan) FrmCustomPan->Show();
}

void TFrmMain::Settings1Click(TObject*) { CreateOwnedWindow(this, FrmSettings)->ShowModal(); }

void TFrmMain::Draggable1Click(TObject* Sender) { Geolith1->MapOptions()->SetDraggable(State(Sender)); }
void TFrmMain::DisableControls1Click(TObject* Sender) { Geolith1->MapOptions()->SetDisableControls(State(Sender)); }
void TFrmMain::DisableDoubleClickZoom1Click(TObject* Sender)
{
    Geolith1->MapOptions()->SetDisableDoubleClickZoom(State(Sender));
}
void TFrmMain::ScrollWheel1Click(TObject* Sender) { Geolith1->MapOptions()->SetScrollWheel(State(Sender)); }
void TFrmMain::EnableKeyboard1Click(TObject* Sender) { Geolith1->MapOptions()->SetEnableKeyboard(State(Sender)); }

void TFrmMain::ShowEvents1Click(TObject*)
{
    if (FrmEvent) FrmEvent->Show();
}
void TFrmMain::ShowMarkerslist1Click(TObject*)
{
    if (FrmMarkers) FrmMarkers->Show();
}
void TFrmMain::ShowLanguages1Click(TObject*)
{
    if (FrmLanguages) FrmLanguages->Show();
}

void TFrmMain::Operations1Click(TObject*)
{
    // The shell's open answers 32 or less when it failed.
    if (ShellExecute(0, "open", OnlineGuideAddress, "", "", SW_SHOWNORMAL) <= 32)
        ShowMessage(std::string("No web browser could be started to show the guide at ") + OnlineGuideAddress + ".");
}

void TFrmMain::About1Click(TObject*)
{
    if (FrmAboutBox) FrmAboutBox->Show();
}
