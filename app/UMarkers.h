// The markers list: one row per line of the last marker file read.
#pragma once

#include "platform/ui/Forms.h"

class TStringGrid;

class TFrmMarkers : public TForm {
    VISTRA_CLASS(TFrmMarkers, TForm)

    explicit TFrmMarkers(TComponent* AOwner);
    ~TFrmMarkers() override;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Pans the map to the clicked row's position.
    void SGMarkersClick(TObject* Sender);

    TStringGrid* SGMarkers = nullptr;
};

extern TFrmMarkers* FrmMarkers;
