// The spreadsheet-grid window of the batch geocoder; it holds no grid until the spreadsheet grid exists.
#pragma once

#include "platform/ui/Forms.h"

class TButton;
class TLabel;

class TFrmGrid1 : public TForm {
    VISTRA_CLASS(TFrmGrid1, TForm)

    explicit TFrmGrid1(TComponent* AOwner);
    ~TFrmGrid1() override;

    void Button1Click(TObject* Sender);

    TLabel* Label1 = nullptr;
    TButton* Button1 = nullptr;
};

extern TFrmGrid1* FrmGrid1;
