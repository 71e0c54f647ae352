// The event viewer: the event log of the map, one line per event.
#pragma once

#include "platform/ui/Forms.h"

class TMemo;

class TFrmEvent : public TForm {
    VISTRA_CLASS(TFrmEvent, TForm)

    explicit TFrmEvent(TComponent* AOwner);
    ~TFrmEvent() override;

    void FormClose(TObject* Sender, TCloseAction& Action);

    TMemo* MmEvents = nullptr;
};

extern TFrmEvent* FrmEvent;
