#include "tools/dropdowndemo/DropDownDemoForm.h"

#include "controls/dropdown/QuillListDropDown.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"

TDropDownDemoForm::TDropDownDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Drop-down");
    SetBounds(40, 40, 360, 260);
    LblCity = new TLabel(this);
    LblCity->SetParent(this);
    LblCity->SetBounds(16, 16, 200, 16);
    LblCity->SetCaption("City");
    DrpCity = new controls::TQuillListDropDown(this);
    DrpCity->SetParent(this);
    DrpCity->SetBounds(16, 36, 180, 21);
    for (const char* city : {"Aachen", "Bergen", "Cork", "Dresden", "Evora", "Faro", "Gdansk", "Haarlem", "Innsbruck"})
        DrpCity->Items().Add(city);
    DrpCity->SetText("Cork");
    DrpCity->DropDownHeader().Caption = "Choose a city";
    EdtNote = new TEdit(this);
    EdtNote->SetParent(this);
    EdtNote->SetBounds(216, 36, 120, 21);
}
