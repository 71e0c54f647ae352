// The settings window.
#include "app/USettings.h"

#include "app/SettingsStore.h"
#include "app/UMain.h"
#include "controls/QuillEdit.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"

TFrmSettings* FrmSettings = nullptr;

namespace {

TQuillEdit* LabelledEdit(TWinControl* parent, TComponent* owner, int left, int top, int width, const char* caption)
{
    auto* edit = new TQuillEdit(owner);
    edit->SetParent(parent);
    edit->SetBounds(left, top, width, 21);
    edit->SetLabelPosition(lpTopLeft);
    edit->SetLabelCaption(caption);
    return edit;
}

TButton* AddButton(TWinControl* parent, TComponent* owner, int left, int top, const char* caption)
{
    auto* button = new TButton(owner);
    button->SetParent(parent);
    button->SetBounds(left, top, 100, 25);
    button->SetCaption(caption);
    return button;
}

std::string ProgramFolder() { return FrmMain ? FrmMain->GlobalPath() : std::string(); }

}  // namespace

void LoadSettings()
{
    app::ReadSettingsFile(app::SettingsFileName(), Settings());
    app::FillMissingSettings(Settings(), app::ResetDefaults(ProgramFolder()));
    if (FrmSettings) FrmSettings->Path1->SetText(Settings().opt3);
}

void SaveSettings()
{
    TSettingsStore& store = Settings();
    store.opt1 = FrmSettings->ELatitude->Text();
    store.opt2 = FrmSettings->ELongitude->Text();
    store.opt3 = FrmSettings->Path1->Text();
    store.opt4 = FrmSettings->markerfile->Text();
    store.opt5 = FrmSettings->zoomlevel->Text();
    app::WriteSettingsFile(app::SettingsFileName(), store);
}

bool TFrmSettings::CheckFields()
{
    TSettingsStore typed = Settings();
    typed.opt1 = ELatitude->Text();
    typed.opt2 = ELongitude->Text();
    typed.opt5 = zoomlevel->Text();
    const app::TSettingsProblem problem = app::SettingsProblem(typed);
    if (problem.Field.empty()) return true;
    ShowMessage(problem.Message);
    // The field named takes the focus, so the user can mend it at once.
    TQuillEdit* field = problem.Field == "Latitude" ? ELatitude : problem.Field == "Longitude" ? ELongitude : zoomlevel;
    if (field->CanFocus()) field->SetFocus();
    return false;
}

TFrmSettings::TFrmSettings(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Settings");
    SetBorderStyle(bsToolWindow);
    SetClientWidth(452);
    SetClientHeight(258);
    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetAlign(alClient);
    Panel1->SetCaption("");
    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetParent(Panel1);
    GroupBox1->SetBounds(12, 8, 428, 64);
    GroupBox1->SetCaption("Map Startup Center Settings");
    ELatitude = LabelledEdit(GroupBox1, this, 12, 32, 120, "Latitude");
    ELongitude = LabelledEdit(GroupBox1, this, 150, 32, 120, "Longitude");
    Path1 = LabelledEdit(Panel1, this, 12, 96, 300, "Path1");
    zoomlevel = LabelledEdit(Panel1, this, 330, 96, 60, "ZoomLevel");
    zoomlevel->SetText("12");
    markerfile = LabelledEdit(Panel1, this, 12, 144, 300, "Active Marker File");
    Button2 = AddButton(Panel1, this, 330, 142, "Open");
    BSelectImage = AddButton(Panel1, this, 12, 200, "Save Settings");
    BSelectImage->SetDefault(true);
    Button1 = AddButton(Panel1, this, 124, 200, "Reset Defaults");
    BitBtn1 = new TBitBtn(this);
    BitBtn1->SetParent(Panel1);
    BitBtn1->SetBounds(330, 200, 100, 25);
    BitBtn1->SetKind(bkCancel);
    BitBtn1->SetCaption("Cancel/Close");
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetFilter("CSV|*.csv");

    Path1->OnChange = [this](TObject* sender) { Path1Change(sender); };
    zoomlevel->OnChange = [this](TObject* sender) { zoomlevelChange(sender); };
    Button2->OnClick = [this](TObject* sender) { Button2Click(sender); };
    BSelectImage->OnClick = [this](TObject* sender) { BSelectImageClick(sender); };
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    BitBtn1->OnClick = [this](TObject* sender) { BitBtn1Click(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmSettings::~TFrmSettings()
{
    if (FrmSettings == this) FrmSettings = nullptr;
}

void TFrmSettings::FormCreate(TObject*) {}

void TFrmSettings::FormShow(TObject*)
{
    // The stored start position and zoom, so that saving keeps them unless the
    // user types new ones; the main window's edits show the map's current place.
    ELatitude->SetText(Settings().opt1);
    ELongitude->SetText(Settings().opt2);
    if (!Settings().opt5.empty()) zoomlevel->SetText(Settings().opt5);
    Path1->SetText(Settings().opt3);
    markerfile->SetText(Settings().opt4);
}

void TFrmSettings::FormClose(TObject*, TCloseAction&) {}

void TFrmSettings::Path1Change(TObject*) { Settings().opt3 = Path1->Text(); }

void TFrmSettings::zoomlevelChange(TObject*) { Settings().opt5 = zoomlevel->Text(); }

void TFrmSettings::Button2Click(TObject*)
{
    OpenDialog1->SetInitialDir(Settings().opt3);
    if (!OpenDialog1->Execute()) return;
    markerfile->SetText(OpenDialog1->FileName());
    Settings().opt4 = markerfile->Text();
}

void TFrmSettings::Button1Click(TObject*)
{
    const TSettingsStore defaults = app::ResetDefaults(ProgramFolder());
    ELatitude->SetText(defaults.opt1);
    ELongitude->SetText(defaults.opt2);
    Path1->SetText(defaults.opt3);
    markerfile->SetText(defaults.opt4);
    zoomlevel->SetText(defaults.opt5);
}

void TFrmSettings::BSelectImageClick(TObject*)
{
    // Values the next start could not use are never written.
    if (!CheckFields()) return;
    SaveSettings();
    ShowMessage("Settings saved.");
}

void TFrmSettings::BitBtn1Click(TObject*)
{
    if (ModalResult() == mrCancel) Close();
}
