// The spreadsheet-grid window.
#include "app/UGrid1.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/ExtCtrls.h"

TFrmGrid1* FrmGrid1 = nullptr;

TFrmGrid1::TFrmGrid1(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("SpreadGrid");
    SetClientWidth(743);
    SetClientHeight(414);
    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(16, 16, 700, 13);
    Label1->SetCaption("Batch geocoding from a spreadsheet is not available in this version.");
    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetBounds(16, 40, 75, 25);
    Button1->SetCaption("Close");
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
}

void TFrmGrid1::Button1Click(TObject*) { Close(); }

TFrmGrid1::~TFrmGrid1()
{
    if (FrmGrid1 == this) FrmGrid1 = nullptr;
}
