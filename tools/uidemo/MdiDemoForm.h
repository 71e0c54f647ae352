// The multiple-document example: a frame whose styled menu bar lists its
// document windows under Window; choosing one brings it to the front.
#pragma once

#include "platform/ui/Forms.h"

class TMenuItem;
class TQuillMainMenu;

class TMdiDemoForm : public TForm {
    VISTRA_CLASS(TMdiDemoForm, TForm)

    explicit TMdiDemoForm(TComponent* AOwner);

    TQuillMainMenu* MainMenu1;
    TMenuItem* NewWindow1;
    TMenuItem* Exit1;
    TMenuItem* Window1;

    // Opens one more document window, "Document N".
    TCustomForm* NewDocument();

private:
    int FDocuments = 0;
};
