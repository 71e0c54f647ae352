// The spreadsheet-grid window.
#include "app/UGrid1.h"

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
}

TFrmGrid1::~TFrmGrid1()
{
    if (FrmGrid1 == this) FrmGrid1 = nullptr;
}
