// The info window: notes shown before geocoding.
#pragma once

#include "platform/ui/Forms.h"

class TMemo;

class TFrmMsg : public TForm {
    VISTRA_CLASS(TFrmMsg, TForm)

    explicit TFrmMsg(TComponent* AOwner);
    ~TFrmMsg() override;

    // A plain memo until the source-code memo with its HTML styler takes its place.
    TMemo* Memo1 = nullptr;
};

extern TFrmMsg* FrmMsg;
