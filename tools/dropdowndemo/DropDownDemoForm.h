// The drop-down example window: a list drop-down, a typed edit with a lookup
// list, a directory edit, a date-time picker and a plain edit; beside them
// the pickers (details, images and colours in four styles), each with its
// value shown to its right; and a column of value editors (calculator, time, track bar, memo, multi-column list).
#pragma once

#include <memory>

#include "platform/ui/Forms.h"

class TEdit;
class TLabel;
class TQuillEdit;
class TQuillDirectoryEdit;
class TQuillDateTimePicker;
namespace controls {
class TQuillListDropDown;
class TQuillDetailDropDown;
class TQuillImagePickerDropDown;
class TQuillColorPickerDropDown;
class TQuillCalculatorDropdown;
class TQuillTimePickerDropDown;
class TQuillTrackBarDropDown;
class TQuillMemoDropDown;
class TQuillMultiColumnDropDown;
}
class TImageList;

class TDropDownDemoForm : public TForm {
    VISTRA_CLASS(TDropDownDemoForm, TForm)

    explicit TDropDownDemoForm(TComponent* AOwner);
    ~TDropDownDemoForm() override;

    TLabel* LblCity;
    controls::TQuillListDropDown* DrpCity;
    TEdit* EdtNote;
    TQuillEdit* EdtTown;
    TQuillDirectoryEdit* DirFolder;
    TQuillDateTimePicker* DtpWhen;

    controls::TQuillDetailDropDown* DrpFruit;
    controls::TQuillImagePickerDropDown* DrpShape;
    // The colour styles: list, palette, honeycomb, spectrum.
    controls::TQuillColorPickerDropDown* DrpColors[4];
    // The value of each picker, beside it: fruit, shape, then the colours.
    TLabel* LblValues[6];

    // The value editors, in a third column.
    controls::TQuillCalculatorDropdown* DrpCalc;
    controls::TQuillTimePickerDropDown* DrpTime;
    controls::TQuillTrackBarDropDown* DrpLevel;
    controls::TQuillMemoDropDown* DrpNote;
    controls::TQuillMultiColumnDropDown* DrpPlace;

private:
    void CreateValueEditors();
    std::unique_ptr<TImageList> FShapes;
};
