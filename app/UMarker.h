// The marker-properties window: a marker made from typed position, title, icon and z-index.
#pragma once

#include "platform/ui/Forms.h"

class TPanel;
class TEdit;
class TButton;
class TBitBtn;
class TOpenPictureDialog;

class TFrmMarker : public TForm {
    VISTRA_CLASS(TFrmMarker, TForm)

    explicit TFrmMarker(TComponent* AOwner);
    ~TFrmMarker() override;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void EIconExit(TObject* Sender);
    void BSelectImageClick(TObject* Sender);
    void BCreateMarkerClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

    TPanel* Panel1 = nullptr;
    TEdit* ELatitude = nullptr;
    TEdit* ELongitude = nullptr;
    TEdit* EMText = nullptr;
    TEdit* EIcon = nullptr;
    TEdit* EZindex = nullptr;
    TButton* BSelectImage = nullptr;
    TButton* BCreateMarker = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TOpenPictureDialog* OpenPictureDialog1 = nullptr;
};

extern TFrmMarker* FrmMarker;
