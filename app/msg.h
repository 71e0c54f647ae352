// The info window: notes shown before geocoding.
#pragma once

#include "memo/QuillMemo.h"
#include "memo/QuillmWS.h"
#include "platform/ui/Forms.h"

class TFrmMsg : public TForm {
    VISTRA_CLASS(TFrmMsg, TForm)

    explicit TFrmMsg(TComponent* AOwner);
    ~TFrmMsg() override;

    TQuillMemo* Memo1 = nullptr;
    // Sits beside the memo without being attached, so the notes show in plain colours.
    TQuillHTMLMemoStyler* QuillHTMLMemoStyler1 = nullptr;
};

extern TFrmMsg* FrmMsg;
