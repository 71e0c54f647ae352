#include "tools/dropdowndemo/DropDownDemoForm.h"

#include "controls/QuillDateTimePicker.h"
#include "controls/QuillDirectoryEdit.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"

namespace {
constexpr const char* Cities[] = {"Aachen", "Bergen", "Cork", "Dresden", "Evora", "Faro", "Gdansk", "Haarlem",
                                  "Hamburg", "Hannover", "Innsbruck"};
}

TDropDownDemoForm::TDropDownDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetCaption("Drop-down");
    SetBounds(40, 40, 360, 300);
    LblCity = new TLabel(this);
    LblCity->SetParent(this);
    LblCity->SetBounds(16, 16, 200, 16);
    LblCity->SetCaption("City");
    DrpCity = new controls::TQuillListDropDown(this);
    DrpCity->SetParent(this);
    DrpCity->SetBounds(16, 36, 180, 21);
    for (const char* city : Cities) DrpCity->Items().Add(city);
    DrpCity->SetText("Cork");
    DrpCity->DropDownHeader().Caption = "Choose a city";
    EdtNote = new TEdit(this);
    EdtNote->SetParent(this);
    EdtNote->SetBounds(216, 36, 120, 21);

    EdtTown = new TQuillEdit(this);
    EdtTown->SetParent(this);
    EdtTown->SetBounds(16, 96, 180, 21);
    EdtTown->SetLabelCaption("Town (type two letters)");
    EdtTown->SetLabelPosition(lpTopLeft);
    EdtTown->SetLabelMargin(2);
    EdtTown->Lookup().SetEnabled(true);
    for (const char* city : Cities) EdtTown->Lookup().DisplayList().Add(city);

    DirFolder = new TQuillDirectoryEdit(this);
    DirFolder->SetParent(this);
    DirFolder->SetBounds(16, 150, 250, 21);
    DirFolder->SetLabelCaption("Folder");
    DirFolder->SetLabelPosition(lpTopLeft);
    DirFolder->SetLabelMargin(2);

    DtpWhen = new TQuillDateTimePicker(this);
    DtpWhen->SetParent(this);
    DtpWhen->SetBounds(16, 204, 250, 21);
    DtpWhen->SetFormat("dd/MM/yyyy");
    DtpWhen->SetTimeFormat("HH:mm");
    DtpWhen->SetDateTime(EncodeDateTime(2026, 12, 11, 9, 30, 0, 0));
    DtpWhen->SetAutoTab(true);
    DtpWhen->SetLabelCaption("When");
    DtpWhen->SetLabelPosition(lpTopLeft);
    DtpWhen->SetLabelMargin(2);
}
