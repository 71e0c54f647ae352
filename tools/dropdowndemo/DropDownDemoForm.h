// The drop-down example window: a list drop-down and a plain edit beside it.
#pragma once

#include "platform/ui/Forms.h"

class TEdit;
class TLabel;
namespace controls {
class TQuillListDropDown;
}

class TDropDownDemoForm : public TForm {
    VISTRA_CLASS(TDropDownDemoForm, TForm)

    explicit TDropDownDemoForm(TComponent* AOwner);

    TLabel* LblCity;
    controls::TQuillListDropDown* DrpCity;
    TEdit* EdtNote;
};
