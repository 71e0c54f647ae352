// The demo's third column: the drop-downs that edit a value of their own.
#include "controls/pickers/QuillCalculatorDropdown.h"
#include "controls/pickers/QuillMemoDropDown.h"
#include "controls/pickers/QuillMultiColumnDropDown.h"
#include "controls/pickers/QuillTimePickerDropDown.h"
#include "controls/pickers/QuillTrackBarDropDown.h"
#include "platform/classes/StringList.h"
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

    DrpTime = new controls::TQuillTimePickerDropDown(this);
    place(*DrpTime, "Start (time)", 84);
    DrpTime->SetEditorEnabled(true);
    DrpTime->SetTime(EncodeTime(9, 10, 0, 0));

    DrpLevel = new controls::TQuillTrackBarDropDown(this);
    place(*DrpLevel, "Level (track bar)", 132);
    DrpLevel->SetPosition(4);

    DrpNote = new controls::TQuillMemoDropDown(this);
    place(*DrpNote, "Note (memo)", 180);
    DrpNote->MemoText().SetText("Bring the maps\nand the compass");

    DrpPlace = new controls::TQuillMultiColumnDropDown(this);
    place(*DrpPlace, "Place (multi-column)", 228);
    for (const char* h : {"City", "Country", "People"}) DrpPlace->Columns().Add()->Header = h;
    const char* places[][3] = {{"Aachen", "Germany", "250,000"}, {"Bergen", "Norway", "285,000"},
                               {"Cork", "Ireland", "210,000"},   {"Haarlem", "Netherlands", "160,000"},
                               {"Hamburg", "Germany", "1,900,000"}, {"Hannover", "Germany", "540,000"},
                               {"Innsbruck", "Austria", "130,000"}};
    for (const auto& p : places) {
        controls::TDropDownItem& item = *DrpPlace->Items().Add();
        for (const char* t : p) item.Text().Add(t);
    }
    DrpPlace->EndUpdate();
    DrpPlace->SetItemIndex(2);
}
