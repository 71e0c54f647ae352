// The markers list.
#include "app/UMarkers.h"

#include "app/UMain.h"
#include "map/UGeolith.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Menus.h"
#include "platform/ui/grids/StringGrid.h"

TFrmMarkers* FrmMarkers = nullptr;

TFrmMarkers::TFrmMarkers(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Markers");
    SetBorderStyle(bsSizeToolWin);
    SetClientWidth(440);
    SetClientHeight(418);
    SGMarkers = new TStringGrid(this);
    SGMarkers->SetParent(this);
    SGMarkers->SetAlign(alClient);
    SGMarkers->SetColCount(3);
    SGMarkers->SetFixedRows(0);
    SGMarkers->SetFixedCols(0);
    SGMarkers->SetRowCount(1);
    SGMarkers->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect});
    SGMarkers->SetScrollBars(ssVertical);
    SGMarkers->OnClick = [this](TObject* sender) { SGMarkersClick(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TFrmMarkers::~TFrmMarkers()
{
    if (FrmMarkers == this) FrmMarkers = nullptr;
}

void TFrmMarkers::FormCreate(TObject*)
{
    SGMarkers->SetColWidths(0, 300);
    SGMarkers->SetColWidths(1, 80);
    SGMarkers->SetColWidths(2, 80);
    // The grid fills the window, so its width is taken from the columns rather than read back.
    const int gridWidth = SGMarkers->ColWidths(0) + SGMarkers->ColWidths(1) + SGMarkers->ColWidths(2);
    SGMarkers->SetWidth(gridWidth);
    SetWidth(gridWidth + 24);
}

void TFrmMarkers::FormClose(TObject*, TCloseAction&)
{
    if (FrmMain) FrmMain->ShowMarkerslist1->SetChecked(false);
}

void TFrmMarkers::SGMarkersClick(TObject*)
{
    const int row = SGMarkers->Row();
    FrmMain->ELatitude->SetText(SGMarkers->Cells(1, row));
    FrmMain->ELongitude->SetText(SGMarkers->Cells(2, row));
    FrmMain->Geolith1->MapPanTo(StrToFloat(FrmMain->ELatitude->Text()), StrToFloat(FrmMain->ELongitude->Text()));
}
