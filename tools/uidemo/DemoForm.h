// The example window: a main menu, an edit, a button, a track bar and a memo.
#pragma once

#include "platform/ui/Forms.h"

class TMainMenu;
class TMenuItem;
class TEdit;
class TButton;
class TTrackBar;
class TLabel;
class TMemo;
class TPanel;

class TDemoForm : public TForm {
    VISTRA_CLASS(TDemoForm, TForm)

    explicit TDemoForm(TComponent* AOwner);

    TMainMenu* MainMenu1;
    TMenuItem* ClearMemo1;
    TMenuItem* Exit1;
    TMenuItem* About1;
    TPanel* PnlTop;
    TEdit* Edit1;
    TButton* BtnAdd;
    TPanel* PnlBottom;
    TTrackBar* TrbZoom;
    TLabel* LblZoom;
    TMemo* Memo1;

private:
    void BtnAddClick(TObject* Sender);
    void TrbZoomChange(TObject* Sender);
};
