// The marker-properties window.
#include "app/UMarker.h"

#include "app/MarkerFile.h"
#include "app/SettingsStore.h"
#include "app/UMain.h"
#include "map/UGeolith.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Menus.h"

TFrmMarker* FrmMarker = nullptr;

namespace {

TEdit* LabelledEdit(TWinControl* parent, TComponent* owner, int top, const char* caption, const char* text, int width)
{
    auto* label = new TLabel(owner);
    label->SetParent(parent);
    label->SetBounds(12, top + 3, 70, 13);
    label->SetCaption(caption);
    auto* edit = new TEdit(owner);
    edit->SetParent(parent);
    edit->SetBounds(90, top, width, 21);
    edit->SetText(text);
    return edit;
}

}  // namespace

TFrmMarker::TFrmMarker(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Marker properties");
    SetBorderStyle(bsToolWindow);
    SetClientWidth(507);
    SetClientHeight(224);
    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetCaption("");
    ELatitude = LabelledEdit(Panel1, this, 12, "Latitude", "", 120);
    ELongitude = LabelledEdit(Panel1, this, 40, "Longitude", "", 120);
    EMText = LabelledEdit(Panel1, this, 68, "Title", "...", 400);
    EIcon = LabelledEdit(Panel1, this, 96, "Image", "rc1.png", 300);
    EZindex = LabelledEdit(Panel1, this, 124, "ZIndex", "11", 60);
    EZindex->OnKeyPress = [](TObject*, char32_t& key) {
        if (!((key >= U'0' && key <= U'9') || key == 8)) key = 0;
    };
    EIcon->OnExit = [this](TObject* sender) { EIconExit(sender); };

    BSelectImage = new TButton(this);
    BSelectImage->SetParent(Panel1);
    BSelectImage->SetBounds(398, 94, 96, 25);
    BSelectImage->SetCaption("Select Image");
    BSelectImage->OnClick = [this](TObject* sender) { BSelectImageClick(sender); };
    BCreateMarker = new TButton(this);
    BCreateMarker->SetParent(Panel1);
    BCreateMarker->SetBounds(300, 180, 96, 25);
    BCreateMarker->SetCaption("Create Marker");
    BCreateMarker->OnClick = [this](TObject* sender) { BCreateMarkerClick(sender); };
    BitBtn1 = new TBitBtn(this);
    BitBtn1->SetParent(Panel1);
    BitBtn1->SetBounds(402, 180, 92, 25);
    BitBtn1->SetKind(bkCancel);
    BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
    OpenPictureDialog1 = new TOpenPictureDialog(this);

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmMarker::~TFrmMarker()
{
    if (FrmMarker == this) FrmMarker = nullptr;
}

void TFrmMarker::FormCreate(TObject*)
{
    OpenPictureDialog1->SetInitialDir(Settings().opt3);
    OpenPictureDialog1->SetFilterIndex(2);
}

void TFrmMarker::FormShow(TObject*)
{
    ELatitude->SetText(FrmMain->ELatitude->Text());
    ELongitude->SetText(FrmMain->ELongitude->Text());
}

void TFrmMarker::FormClose(TObject*, TCloseAction&)
{
    if (FrmMain) FrmMain->AddmarkeratLatLon1->SetChecked(false);
}

void TFrmMarker::EIconExit(TObject*)
{
    if (!EIcon->Text().empty()) EIcon->SetText(app::PrepareIconString(EIcon->Text()));
}

void TFrmMarker::BSelectImageClick(TObject*)
{
    if (!OpenPictureDialog1->Execute()) return;
    EIcon->SetText(OpenPictureDialog1->FileName());
    EIcon->SetFocus();
}

void TFrmMarker::BCreateMarkerClick(TObject*)
{
    const double latitude = StrToFloat(ELatitude->Text());
    const double longitude = StrToFloat(ELongitude->Text());
    const int zIndex = StrToInt(EZindex->Text());
    FrmMain->Geolith1->Markers()->Add(latitude, longitude, EMText->Text(), EIcon->Text(), true, true, true, false, true,
                                      zIndex);
}

void TFrmMarker::BitBtn1Click(TObject*)
{
    if (ModalResult() != mrCancel) return;
    SetModalResult(mrNone);
    Close();
}
