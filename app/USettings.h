// The settings window, and reading and writing the settings file for the whole program.
#pragma once

#include "platform/ui/Forms.h"

class TPanel;
class TGroupBox;
class TQuillEdit;
class TButton;
class TBitBtn;
class TOpenDialog;

// Reads the settings file into the store and gives the icon folder to FrmSettings.
void LoadSettings();
// Takes FrmSettings's five edits into the store and writes the settings file.
void SaveSettings();

class TFrmSettings : public TForm {
    VISTRA_CLASS(TFrmSettings, TForm)

    explicit TFrmSettings(TComponent* AOwner);
    ~TFrmSettings() override;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Path1Change(TObject* Sender);
    void zoomlevelChange(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void BSelectImageClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

    TPanel* Panel1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TQuillEdit* ELatitude = nullptr;
    TQuillEdit* ELongitude = nullptr;
    TQuillEdit* Path1 = nullptr;
    TQuillEdit* zoomlevel = nullptr;
    TQuillEdit* markerfile = nullptr;
    TButton* Button2 = nullptr;
    TButton* BSelectImage = nullptr;
    TButton* Button1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;

private:
    // Shows the first typed value the next start could not use, naming its
    // field, and focuses that field; true when every value can be used.
    bool CheckFields();
};

extern TFrmSettings* FrmSettings;
