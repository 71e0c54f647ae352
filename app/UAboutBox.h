// The about box: the product's name and version.
#pragma once

#include "platform/ui/Forms.h"

class TPanel;
class TLabel;
class TButton;

class TFrmAboutBox : public TForm {
    VISTRA_CLASS(TFrmAboutBox, TForm)

    explicit TFrmAboutBox(TComponent* AOwner);
    ~TFrmAboutBox() override;

    void OKButtonClick(TObject* Sender);

    TPanel* Panel1 = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* Version = nullptr;
    TLabel* Notice = nullptr;
    TLabel* Comments = nullptr;
    TLabel* Contact = nullptr;
    TButton* OKButton = nullptr;
};

extern TFrmAboutBox* FrmAboutBox;
