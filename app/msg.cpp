// The info window.
#include "app/msg.h"

#include "platform/ui/EditControls.h"

TFrmMsg* FrmMsg = nullptr;

TFrmMsg::TFrmMsg(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Info");
    SetBorderStyle(bsSingle);
    SetPosition(poDesktopCenter);
    SetClientWidth(485);
    SetClientHeight(216);
    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetAlign(alClient);
    Memo1->SetReadOnly(true);
}

TFrmMsg::~TFrmMsg()
{
    if (FrmMsg == this) FrmMsg = nullptr;
}
