// The drop-down example window: a list drop-down, a typed edit with a lookup
// list, a directory edit, a date-time picker and a plain edit.
#pragma once

#include "platform/ui/Forms.h"

class TEdit;
class TLabel;
class TQuillEdit;
class TQuillDirectoryEdit;
class TQuillDateTimePicker;
namespace controls {
class TQuillListDropDown;
}

class TDropDownDemoForm : public TForm {
    VISTRA_CLASS(TDropDownDemoForm, TForm)

    explicit TDropDownDemoForm(TComponent* AOwner);

    TLabel* LblCity;
    controls::TQuillListDropDown* DrpCity;
    TEdit* EdtNote;
    TQuillEdit* EdtTown;
    TQuillDirectoryEdit* DirFolder;
    TQuillDateTimePicker* DtpWhen;
};
