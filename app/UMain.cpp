// The main window: layout, creation and first showing, the active marker file and the bottom bar.
#include "app/UMain.h"

#include "app/MarkerFile.h"
#include "app/SettingsStore.h"
#include "app/UEvent.h"
#include "app/UMarkers.h"
#include "app/USettings.h"
#include "map/UGeolith.h"
#include "map/UGeolithGeocoding.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Menus.h"
#include "platform/ui/grids/StringGrid.h"

#include <algorithm>
#include <cmath>

TFrmMain* FrmMain = nullptr;

namespace {

constexpr const char* CsvFilter = "Comma Separated Values (*.csv)|*.csv";
constexpr const char* PictureFilter =
    "Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp";

template <class T>
T* Place(TWinControl* parent, TComponent* owner, int left, int top, int width, int height)
{
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TLabel* PlaceLabel(TWinControl* parent, TComponent* owner, int left, int top, const std::string& caption)
{
    auto* label = new TLabel(owner);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TFrmMain::TFrmMain(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Corvanta Vistra");
    SetClientWidth(960);
    SetClientHeight(569);
    Constraints().SetMinWidth(590);
    SetPosition(poDesktopCenter);
    BuildLayout();
    BuildMainMenu();
    ConnectMapEvents();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    // A failed first showing (a setting that is not a number) is reported and
    // leaves the window open without a page, as any handler's failure would.
    OnShow = [this](TObject* sender) {
        try {
            FormShow(sender);
        } catch (const Exception&) {
            if (Application) Application->HandleException(this);
            else throw;
        }
    };
}

TFrmMain::~TFrmMain()
{
    if (FrmMain == this) FrmMain = nullptr;
}

void TFrmMain::ArrangeBottomBar()
{
    constexpr int FullEditPanel = 512, FullZoomPanel = 293, SliderOnly = 149;
    constexpr int AddressLeft = 326, AddressMargin = 45, SmallestAddress = 60, ButtonGap = 4;
    const int width = PnlBottom->ClientWidth();
    const int buttonSpace = ButtonGap + BGoToAddress->Width() + ButtonGap;
    int zoom = std::clamp(width - FullEditPanel - buttonSpace, 0, FullZoomPanel);
    if (zoom < SliderOnly) zoom = 0;  // the map's own zoom control remains
    ZoomPanel->SetVisible(zoom > 0);
    if (zoom > 0) ZoomPanel->SetWidth(zoom);
    const int editPanel = std::clamp(width - zoom - buttonSpace, AddressLeft + SmallestAddress + AddressMargin, FullEditPanel);
    EditPanel->SetWidth(editPanel);
    EAddress->SetWidth(editPanel - AddressLeft - AddressMargin);
    BGoToAddress->SetLeft(editPanel + ButtonGap);
}

void TFrmMain::BuildLayout()
{
    PnlBottom = new TPanel(this);
    PnlBottom->SetParent(this);
    PnlBottom->SetHeight(29);
    PnlBottom->SetAlign(alBottom);
    PnlBottom->SetColor(clGradientInactiveCaption);
    PnlBottom->SetCaption("");

    EditPanel = new TPanel(this);
    EditPanel->SetParent(PnlBottom);
    EditPanel->SetWidth(512);
    EditPanel->SetAlign(alLeft);
    EditPanel->SetBevelOuter(bvNone);
    EditPanel->SetParentColor(true);
    EditPanel->SetCaption("");
    LblLatitude = PlaceLabel(EditPanel, this, 6, 7, "Latitude :");
    ELatitude = Place<TEdit>(EditPanel, this, 60, 4, 70, 21);
    LblLongitude = PlaceLabel(EditPanel, this, 138, 7, "Longitude:");
    ELongitude = Place<TEdit>(EditPanel, this, 194, 4, 70, 21);
    LblAddress = PlaceLabel(EditPanel, this, 272, 7, "Address :");
    EAddress = Place<TEdit>(EditPanel, this, 326, 4, 141, 21);
    for (TEdit* edit : {ELatitude, ELongitude}) {
        edit->OnExit = [this](TObject* sender) { ELatitudeExit(sender); };
        edit->OnKeyPress = [this](TObject* sender, char32_t& key) { ELatitudeKeyPress(sender, key); };
    }

    BGoToAddress = Place<TButton>(PnlBottom, this, 516, 3, 88, 24);
    BGoToAddress->SetCaption("Go to Address");
    BGoToAddress->OnClick = [this](TObject* sender) { BGoToAddressClick(sender); };

    ZoomPanel = new TPanel(this);
    ZoomPanel->SetParent(PnlBottom);
    ZoomPanel->SetWidth(293);
    ZoomPanel->SetAlign(alRight);
    ZoomPanel->SetBevelOuter(bvNone);
    ZoomPanel->SetParentColor(true);
    ZoomPanel->SetCaption("");
    Label1 = PlaceLabel(ZoomPanel, this, 60, 7, "Zoom level:");
    Label4 = PlaceLabel(ZoomPanel, this, 120, 7, "");
    Label4->SetAutoSize(false);
    Label4->SetWidth(20);
    Label4->SetAlignment(taRightJustify);
    TrbZoom = new TTrackBar(this);
    TrbZoom->SetParent(ZoomPanel);
    TrbZoom->SetWidth(149);
    TrbZoom->SetAlign(alRight);
    TrbZoom->SetRange(1, 21);
    TrbZoom->SetPosition(11);
    TrbZoom->SetPageSize(1);
    TrbZoom->SetTickStyle(tsNone);
    TrbZoom->OnChange = [this](TObject* sender) { TrbZoomChange(sender); };
    PnlBottom->OnResize = [this](TObject*) { ArrangeBottomBar(); };

    Geolith1 = new TGeolith(this);
    Geolith1->SetParent(this);
    Geolith1->SetAlign(alClient);
    Geolith1->MapOptions()->SetLanguage(lnEnglish);
    Geolith1->MapOptions()->SetZoomMap(12);
    Geolith1->MapOptions()->SetDefaultLatitude(33.197247);
    Geolith1->MapOptions()->SetDefaultLongitude(-96.639782);
    Geolith1->StreetViewOptions()->SetDefaultLatitude(48.85904);
    Geolith1->StreetViewOptions()->SetDefaultLongitude(2.294297);

    GeolithGeocoding1 = new TGeolithGeocoding(this);
    OpenTextFileDialog1 = new TOpenTextFileDialog(this);
    SaveTextFileDialog1 = new TSaveTextFileDialog(this);
    SaveTextFileDialog1->Options().Include(ofOverwritePrompt);
    SavePictureDialog1 = new TSavePictureDialog(this);
    SavePictureDialog1->Options().Include(ofOverwritePrompt);
    SavePictureDialog1->OnTypeChange = [this](TObject* sender) { SavePictureDialog1TypeChange(sender); };
}

void TFrmMain::SetMarkerFileName(const std::string& Value)
{
    FMarkerFileName = Value;
    SetCaption("Corvanta Vistra - Markerfile: " + ExtractFileName(Value));
}

std::string TFrmMain::GlobalPath() const
{
    return ExtractFilePath(Application ? Application->ExeName() : std::string());
}

void TFrmMain::FormCreate(TObject*)
{
    FormatSettings().DecimalSeparator = '.';
    FormatSettings().ThousandSeparator = ',';
    DeleteMarker = -1;
    ELatitude->SetText("0");
    ELongitude->SetText("0");
    const std::string markerFolder = GlobalPath() + "Files/MarkerFiles";
    for (TOpenDialog* dialog : {static_cast<TOpenDialog*>(OpenTextFileDialog1), static_cast<TOpenDialog*>(SaveTextFileDialog1)}) {
        dialog->SetInitialDir(markerFolder);
        dialog->SetFilter(CsvFilter);
        dialog->SetDefaultExt("csv");
        dialog->SetFilterIndex(0);
    }
    SavePictureDialog1->SetInitialDir(GlobalPath() + "Files/Screenshots");
    SavePictureDialog1->SetFilter(PictureFilter);
    SavePictureDialog1->SetDefaultExt("bmp");
    SavePictureDialog1->SetFilterIndex(0);
    SetMarkerFileName(Settings().opt4);
    ShowMapZoom();
}

void TFrmMain::ShowMapZoom()
{
    // The slider and its label say the zoom the map opens with, not the
    // slider's own start value.
    TrbZoom->SetPosition(Geolith1->MapOptions()->ZoomMap());
    Label4->SetCaption(IntToStr(TrbZoom->Position()));
}

void TFrmMain::FormShow(TObject*)
{
    LoadSettings();
    Geolith1->MapOptions()->SetZoomMap(static_cast<TZoomMap>(StrToInt(Settings().opt5)));
    ShowMapZoom();
    Geolith1->MapOptions()->SetDefaultLatitude(StrToFloat(Settings().opt1, InvariantFormatSettings()));
    Geolith1->MapOptions()->SetDefaultLongitude(StrToFloat(Settings().opt2, InvariantFormatSettings()));
    SetMarkerFileName(Settings().opt4);
    LoadCSVMarkers(MarkerFileName());
    (void)Geolith1->Launch();
    ELatitude->SetText(Settings().opt1);
    ELongitude->SetText(Settings().opt2);
}

std::string TFrmMain::PrepareIconString(const std::string& inpstr) const { return app::PrepareIconString(inpstr); }

namespace {

// The number a position edit holds; a text that is none is refused once, with
// the field named.
double PositionValue(const TEdit& Edit, const char* Field)
{
    double value = 0;
    if (!TryStrToFloat(Edit.Text(), value) || !std::isfinite(value))
        throw EConvertError(std::string(Field) + ": \"" + Edit.Text() + "\" is not a number.");
    return value;
}

}  // namespace

void TFrmMain::PanToEdits()
{
    // What the edits hold now is taken, whether it pans or is refused.
    ELatitude->SetModified(false);
    ELongitude->SetModified(false);
    const double latitude = PositionValue(*ELatitude, "Latitude");
    const double longitude = PositionValue(*ELongitude, "Longitude");
    Geolith1->MapPanTo(latitude, longitude);
}

void TFrmMain::BGoToAddressClick(TObject*)
{
    GeolithGeocoding1->SetAddress(EAddress->Text());
    if (GeolithGeocoding1->LaunchGeocoding() != erOk) {
        ShowMessage("Problem with the geocoding of the address !!!");
        return;
    }
    Geolith1->MapPanTo(GeolithGeocoding1->ResultLatitude(), GeolithGeocoding1->ResultLongitude());
}

void TFrmMain::ELatitudeExit(TObject* Sender)
{
    // A narrow field shows the number's start once it is left.
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) edit->SetSelStart(0);
    // Only a position the user typed or pasted moves the map; passing through does not.
    if (!ELatitude->Modified() && !ELongitude->Modified()) return;
    PanToEdits();
}

void TFrmMain::ELatitudeKeyPress(TObject*, char32_t& Key)
{
    // Control characters are editing commands (Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z,
    // Backspace, Enter), never typed text: they pass.
    const bool allowed = (Key >= U'0' && Key <= U'9') || Key == U'.' || Key == U'-' || Key < 32;
    if (!allowed) Key = 0;
}

void TFrmMain::TrbZoomChange(TObject*)
{
    Geolith1->MapOptions()->SetZoomMap(static_cast<TZoomMap>(TrbZoom->Position()));
    Label4->SetCaption(IntToStr(TrbZoom->Position()));
}
