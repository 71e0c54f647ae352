// The demo's third column: the drop-downs that edit a value of their own.
#include "controls/pickers/QuillCalculatorDropdown.h"
#include "tools/dropdowndemo/DropDownDemoForm.h"

void TDropDownDemoForm::CreateValueEditors()
{
    auto place = [this](controls::TQuillCustomDropDown& Drop, const char* Caption, int Top) {
        Drop.SetParent(this);
        Drop.SetBounds(736, Top, 190, 21);
        Drop.SetLabelCaption(Caption);
        Drop.SetLabelPosition(lpTopLeft);
        Drop.SetLabelMargin(2);
    };
    DrpCalc = new controls::TQuillCalculatorDropdown(this);
    place(*DrpCalc, "Amount (calculator)", 36);
}
