// The main window: the map, the bottom bar with position edits, address and zoom, the main menu and every handler.
#pragma once

#include "map/UGeolithCommon.h"
#include "platform/ui/Forms.h"

#include <string>

class TGeolith;
class TGeolithGeocoding;
class TPanel;
class TLabel;
class TEdit;
class TButton;
class TTrackBar;
class TOpenTextFileDialog;
class TSaveTextFileDialog;
class TSavePictureDialog;
class TMainMenu;
class TMenuItem;

class TFrmMain : public TForm {
    VISTRA_CLASS(TFrmMain, TForm)

    explicit TFrmMain(TComponent* AOwner);
    ~TFrmMain() override;

    const std::string& MarkerFileName() const { return FMarkerFileName; }
    void SetMarkerFileName(const std::string& Value);
    // The program's folder, with its trailing separator.
    std::string GlobalPath() const;

    // Reads the file named by MarkerFileName (the argument is not consulted).
    // A large file reaches the map in parts, the window showing how far it is
    // and answering between them.
    void LoadCSVMarkers(const std::string& FileName);
    void SaveCSVMarkers(const std::string& FileName);
    std::string PrepareIconString(const std::string& inpstr) const;
    int MaxMarkerZIndex() const;
    // Saves the map's picture of the type a picture dialog's filter index
    // names (2 JPEG, 3 bitmap, others PNG); false, with a message, when the
    // map has no picture to give.
    bool ExportScreenShot(const std::string& FileName, int FilterIndex);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);

    // Menu commands.
    void ExportScreenShot1Click(TObject* Sender);
    void SavePictureDialog1TypeChange(TObject* Sender);
    void Exit1Click(TObject* Sender);
    void MapTypeClick(TObject* Sender);
    void ShowBicycling1Click(TObject* Sender);
    void ShowPanoramio1Click(TObject* Sender);
    void ShowTraffic1Click(TObject* Sender);
    void ShowStreetView1Click(TObject* Sender);
    void Pantopostition1Click(TObject* Sender);
    void AddmarkeratLatLon1Click(TObject* Sender);
    void Addmarkeratadress1Click(TObject* Sender);
    void Savemarkers1Click(TObject* Sender);
    void Loadmarkers1Click(TObject* Sender);
    void Deleteselectedmarker1Click(TObject* Sender);
    void DeleteAllMarkers1Click(TObject* Sender);
    void MergeFiles1Click(TObject* Sender);
    void Geocode1Click(TObject* Sender);
    void ControlsTypeClick(TObject* Sender);
    void PanCtrlPosClick(TObject* Sender);
    void StreetViewCtrlPosClick(TObject* Sender);
    void ZoomCtrlPosClick(TObject* Sender);
    void ScaleCtrlPosClick(TObject* Sender);
    void MapTypeCtrlPosClick(TObject* Sender);
    void PanCtrlVisibleClick(TObject* Sender);
    void StreetViewCtrlVisibleClick(TObject* Sender);
    void ZoomCtrlVisibleClick(TObject* Sender);
    void ScaleCtrlVisibleClick(TObject* Sender);
    void MapTypeCtrlVisibleClick(TObject* Sender);
    void OverviewMapVisibleClick(TObject* Sender);
    void ZoomControlStyleClick(TObject* Sender);
    void MapTypeStyleClick(TObject* Sender);
    void Open1Click(TObject* Sender);
    void CustomPanControl1Click(TObject* Sender);
    void Settings1Click(TObject* Sender);
    void Draggable1Click(TObject* Sender);
    void DisableControls1Click(TObject* Sender);
    void DisableDoubleClickZoom1Click(TObject* Sender);
    void ScrollWheel1Click(TObject* Sender);
    void EnableKeyboard1Click(TObject* Sender);
    void ShowEvents1Click(TObject* Sender);
    void ShowMarkerslist1Click(TObject* Sender);
    void ShowLanguages1Click(TObject* Sender);
    void Operations1Click(TObject* Sender);
    void About1Click(TObject* Sender);

    // Bottom bar.
    void BGoToAddressClick(TObject* Sender);
    void ELatitudeExit(TObject* Sender);
    void ELatitudeKeyPress(TObject* Sender, char32_t& Key);
    void TrbZoomChange(TObject* Sender);

    // Map events: one event-log line each.
    void Geolith1DownloadStart(TObject* Sender);
    void Geolith1DownloadFinish(TObject* Sender);
    void Geolith1DownloadProgress(TObject* ASender, int Progress, int ProgressMax);
    void Geolith1MapIdle(TObject* Sender);
    void Geolith1MapClick(double Latitude, double Longitude, int X, int Y, TMouseButton Button);
    void Geolith1MapDblClick(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMouseEnter(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMouseExit(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMouseMove(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMove(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMoveEnd(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapMoveStart(double Latitude, double Longitude, int X, int Y);
    void Geolith1StreetViewMove(double Latitude, double Longitude, int X, int Y);
    void Geolith1MapTypeChange(TMapType NewMapType);
    void Geolith1MapZoomChange(int NewLevel);
    void Geolith1MarkerClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude,
                             TMouseButton Button);
    void Geolith1MarkerDblClick(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerDrag(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerDragEnd(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerDragStart(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerMouseDown(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerMouseEnter(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerMouseExit(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerMouseUp(const std::string& MarkerTitle, int IdMarker, double Latitude, double Longitude);
    void Geolith1MarkerInfoWindowCloseClick(int IdMarker);

    // Components of the window, owned by it.
    TGeolith* Geolith1 = nullptr;
    TGeolithGeocoding* GeolithGeocoding1 = nullptr;
    TPanel* PnlBottom = nullptr;
    TPanel* EditPanel = nullptr;
    TLabel* LblLatitude = nullptr;
    TLabel* LblLongitude = nullptr;
    TLabel* LblAddress = nullptr;
    TEdit* ELatitude = nullptr;
    TEdit* ELongitude = nullptr;
    TEdit* EAddress = nullptr;
    TButton* BGoToAddress = nullptr;
    TPanel* ZoomPanel = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TTrackBar* TrbZoom = nullptr;
    // Shown in the bottom bar while a large marker file loads.
    TPanel* PnlLoading = nullptr;
    TOpenTextFileDialog* OpenTextFileDialog1 = nullptr;
    TSaveTextFileDialog* SaveTextFileDialog1 = nullptr;
    TSavePictureDialog* SavePictureDialog1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    // The menu items other windows and tests reach by name.
    TMenuItem* ExportScreenShot1 = nullptr;
    TMenuItem* Savemarkers1 = nullptr;
    TMenuItem* Loadmarkers1 = nullptr;
    TMenuItem* AddmarkeratLatLon1 = nullptr;
    TMenuItem* CustomPanControl1 = nullptr;
    TMenuItem* ShowEvents1 = nullptr;
    TMenuItem* ShowMarkerslist1 = nullptr;
    TMenuItem* ShowLanguages1 = nullptr;

    std::string csvtxtline;
    // Index of the marker last clicked with the left button; -1 when there is none.
    int DeleteMarker = -1;

    // Converts the two position edits and pans the map there; a text that is
    // no number raises EConvertError naming its field.
    void PanToEdits();

private:
    void BuildLayout();
    // Fits the bottom bar to its width: the zoom slider gives way first, then the address box.
    void ArrangeBottomBar();
    void BuildMainMenu();
    void ConnectMapEvents();
    void Log(const std::string& Line);
    void LogPosition(const char* Name, double Latitude, double Longitude, int X, int Y);
    void LogMarker(const char* Name, const std::string& Title, int Id, double Latitude, double Longitude);
    // Sets the zoom slider and its label to the map's zoom.
    void ShowMapZoom();
    void ShowLoadingProgress(size_t Done, size_t Total);

    std::string FMarkerFileName;
    // The collection identity of the marker DeleteMarker named when it was
    // clicked, so a delete never reaches a marker that moved into its place.
    int FDeleteMarkerID = -1;
    // Counts marker file loads: a load started while another one lets the
    // window answer takes over from it.
    int FMarkerLoads = 0;
};

extern TFrmMain* FrmMain;
