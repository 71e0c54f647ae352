// The info window.
#include "app/msg.h"

#include "app/WindowKeys.h"

TFrmMsg* FrmMsg = nullptr;

TFrmMsg::TFrmMsg(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Info");
    SetBorderStyle(bsSingle);
    SetPosition(poDesktopCenter);
    SetClientWidth(485);
    SetClientHeight(216);
    Memo1 = new TQuillMemo(this);
    Memo1->SetParent(this);
    Memo1->SetAlign(alClient);
    // The window stores an empty line list for its memo, so the notes added later start at the top.
    Memo1->SetLines(TStringList());
    QuillHTMLMemoStyler1 = new TQuillHTMLMemoStyler(this);
    app::CloseOnEscape(*this);
}

TFrmMsg::~TFrmMsg()
{
    if (FrmMsg == this) FrmMsg = nullptr;
}
