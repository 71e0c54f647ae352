// The event viewer.
#include "app/UEvent.h"

#include "app/UMain.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Menus.h"

TFrmEvent* FrmEvent = nullptr;

TFrmEvent::TFrmEvent(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Event viewer");
    SetBorderStyle(bsSizeToolWin);
    SetClientWidth(549);
    SetClientHeight(201);
    MmEvents = new TMemo(this);
    MmEvents->SetParent(this);
    MmEvents->SetAlign(alClient);
    MmEvents->SetScrollBars(ssVertical);
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmEvent::~TFrmEvent()
{
    if (FrmEvent == this) FrmEvent = nullptr;
}

void TFrmEvent::FormClose(TObject*, TCloseAction&)
{
    if (FrmMain) FrmMain->ShowEvents1->SetChecked(false);
}
