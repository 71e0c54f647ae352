// The markers list: one row per marker of the map, kept in step with its collection.
#pragma once

#include "platform/ui/Forms.h"

class TStringGrid;
class TMarker;

class TFrmMarkers : public TForm {
    VISTRA_CLASS(TFrmMarkers, TForm)

    explicit TFrmMarkers(TComponent* AOwner);
    ~TFrmMarkers() override;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Pans the map to the clicked row's position.
    void SGMarkersClick(TObject* Sender);

    TStringGrid* SGMarkers = nullptr;

private:
    // Row n shows marker n: "n+1 - title", latitude and longitude.
    void ShowMarker(const TMarker& Marker, int Row);
    void ShowAllMarkers();
    // A change of the map's markers: one row, or the whole list (null).
    void MarkersChanged(TMarker* Marker);
};

extern TFrmMarkers* FrmMarkers;
