// The markers list.
#include "app/UMarkers.h"

#include "app/UMain.h"
#include "map/UGeolith.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Menus.h"
#include "platform/ui/grids/StringGrid.h"

#include <algorithm>

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
    if (FrmMain) FrmMain->Geolith1->Markers()->OnListChange = [this](TMarker* marker) { MarkersChanged(marker); };
}

TFrmMarkers::~TFrmMarkers()
{
    if (FrmMain) FrmMain->Geolith1->Markers()->OnListChange = nullptr;
    if (FrmMarkers == this) FrmMarkers = nullptr;
}

void TFrmMarkers::MarkersChanged(TMarker* Marker)
{
    if (Marker && Marker->Index() >= 0 && Marker->Index() < SGMarkers->RowCount()) ShowMarker(*Marker, Marker->Index());
    else ShowAllMarkers();
}

void TFrmMarkers::ShowMarker(const TMarker& Marker, int Row)
{
    SGMarkers->SetCells(0, Row, IntToStr(Row + 1) + " - " + Marker.Title());
    SGMarkers->SetCells(1, Row, FloatToStr(Marker.Latitude()));
    SGMarkers->SetCells(2, Row, FloatToStr(Marker.Longitude()));
}

void TFrmMarkers::ShowAllMarkers()
{
    if (!FrmMain) return;
    const TMarkers& markers = *FrmMain->Geolith1->Markers();
    // An empty map leaves one empty row, the grid's least.
    SGMarkers->SetRowCount(std::max(1, markers.Count()));
    if (markers.Count() == 0) SGMarkers->Rows(0)->Clear();
    for (int i = 0; i < markers.Count(); ++i) ShowMarker(*markers.Items(i), i);
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
    // The empty row of an empty list names no place.
    if (SGMarkers->Cells(1, row).empty() && SGMarkers->Cells(2, row).empty()) return;
    FrmMain->ELatitude->SetText(SGMarkers->Cells(1, row));
    FrmMain->ELongitude->SetText(SGMarkers->Cells(2, row));
    FrmMain->PanToEdits();
}
