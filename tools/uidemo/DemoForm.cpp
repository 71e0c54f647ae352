// TDemoForm: builds its controls and wires their events.
#include "tools/uidemo/DemoForm.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Menus.h"

namespace {
TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}
} // namespace

TDemoForm::TDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Corvanta Vistra - controls");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 480, 360);

    MainMenu1 = new TMainMenu(this);
    TMenuItem* file = AddItem(this, MainMenu1->Items(), "&File");
    ClearMemo1 = AddItem(this, file, "&Clear memo");
    ClearMemo1->SetShortCut(ShortCut('L', TShiftState{ssCtrl}));
    AddItem(this, file, "-");
    Exit1 = AddItem(this, file, "E&xit");
    TMenuItem* help = AddItem(this, MainMenu1->Items(), "&Help");
    About1 = AddItem(this, help, "&About");
    SetMenu(MainMenu1);

    PnlTop = new TPanel(this);
    PnlTop->SetParent(this);
    PnlTop->SetAlign(alTop);
    PnlTop->SetHeight(36);
    PnlTop->SetBevelOuter(bvNone);
    Edit1 = new TEdit(PnlTop);
    Edit1->SetParent(PnlTop);
    Edit1->SetBounds(8, 7, 300, 21);
    BtnAdd = new TButton(PnlTop);
    BtnAdd->SetParent(PnlTop);
    BtnAdd->SetBounds(316, 5, 88, 25);
    BtnAdd->SetCaption("&Add");
    BtnAdd->SetDefault(true);

    PnlBottom = new TPanel(this);
    PnlBottom->SetParent(this);
    PnlBottom->SetAlign(alBottom);
    PnlBottom->SetHeight(40);
    PnlBottom->SetBevelOuter(bvNone);
    TrbZoom = new TTrackBar(PnlBottom);
    TrbZoom->SetParent(PnlBottom);
    TrbZoom->SetBounds(8, 4, 200, 32);
    TrbZoom->SetRange(1, 21);
    TrbZoom->SetPosition(11);
    TrbZoom->SetPageSize(1);
    TrbZoom->SetTickStyle(tsNone);
    LblZoom = new TLabel(PnlBottom);
    LblZoom->SetParent(PnlBottom);
    LblZoom->SetBounds(216, 12, 40, 17);

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetAlign(alClient);

    BtnAdd->OnClick = [this](TObject* s) { BtnAddClick(s); };
    TrbZoom->OnChange = [this](TObject* s) { TrbZoomChange(s); };
    ClearMemo1->OnClick = [this](TObject*) { Memo1->Clear(); };
    Exit1->OnClick = [this](TObject*) { Close(); };
    About1->OnClick = [](TObject*) { ShowMessage("Corvanta Vistra window layer demo"); };
    TrbZoomChange(TrbZoom);
}

void TDemoForm::BtnAddClick(TObject*)
{
    if (Edit1->Text().empty()) return;
    Memo1->Lines().Add(Edit1->Text());
    Edit1->Clear();
    Edit1->SetFocus();
}

void TDemoForm::TrbZoomChange(TObject*) { LblZoom->SetCaption("Zoom " + std::to_string(TrbZoom->Position())); }
