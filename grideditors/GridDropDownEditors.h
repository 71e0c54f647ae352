// The string grid's drop-down cell editors: each wraps one drop-down of the
// input controls and keeps the grid's editor contract. Enter, and Up and
// Down, store the value through the grid's validation and leave the cell;
// Tab does too when the grid wants it; Esc leaves without storing; the focus
// leaving stores; a refused value keeps the editor open on it, selected.
#pragma once

#include <string>

#include "controls/pickers/QuillCalculatorDropdown.h"
#include "controls/pickers/QuillColorPickerDropDown.h"
#include "controls/pickers/QuillDetailDropDown.h"
#include "controls/pickers/QuillImagePickerDropDown.h"
#include "controls/pickers/QuillMemoDropDown.h"
#include "controls/pickers/QuillMultiColumnDropDown.h"
#include "controls/pickers/QuillTimePickerDropDown.h"
#include "controls/pickers/QuillTrackBarDropDown.h"
#include "grid/QuillGrid.h"
#include "grid/interact/CellEditorFactory.h"
#include "grideditors/QuillCustomGridDropDown.h"

namespace grid {
class TSpecialEditors;
}

namespace grideditors {

// What sets one wrapper apart from the others.
struct TDropDownEditorTraits {
    // Enter and Esc are asked for from the form; otherwise they reach the
    // editor only when the form does not use them.
    bool WantsEnterAndEsc = false;
    // The keys the wrapper takes: Enter alone stores and validates, and
    // while the popup is open only Tab, Enter and Esc are the wrapper's.
    bool ColorKeys = false;
};

template <class Base> class TGridDropDownEditor : public Base, public grid::ICellEditorLink {
public:
    TGridDropDownEditor(TQuillStringGrid& Grid, grid::TSpecialEditors& Host, TDropDownEditorTraits Traits);

    TQuillStringGrid* EditorGrid() const noexcept { return FGrid; }
    TWinControl& Control() override { return *this; }
    void LoadCellText(const std::string& Text) override { this->SetRawText(Text); }
    std::string CellValue() const override { return this->Text(); }
    void ShowRefused(const std::string& Text) override;
    void DetachGrid() noexcept override;

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

private:
    bool TakesKey(unsigned short Key) const;
    // Stores the value through the validation; false when it was refused
    // (the editor stays open on the value shown again).
    bool StoreValue();

    TQuillStringGrid* FGrid;
    grid::TSpecialEditors* FHost;
    TDropDownEditorTraits FTraits;
    bool FSwallowChar = false;
};

class TGridDetailPickerDropDown final : public TGridDropDownEditor<controls::TQuillDetailDropDown> {
    VISTRA_CLASS(TGridDetailPickerDropDown, controls::TQuillDetailDropDown)
public:
    TGridDetailPickerDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // Shows the text and chooses the item of that caption.
    void LoadCellText(const std::string& Text) override;
};

class TGridColorDropDown final : public TGridDropDownEditor<controls::TQuillColorPickerDropDown> {
    VISTRA_CLASS(TGridColorDropDown, controls::TQuillColorPickerDropDown)
public:
    TGridColorDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // The cell's colour, or the named colour its text names.
    void LoadCellText(const std::string& Text) override;
    std::string CellValue() const override { return SelectedColorText(); }
    void ShowRefused(const std::string& Text) override { LoadCellText(Text); }
};

class TGridImageDropDown final : public TGridDropDownEditor<controls::TQuillImagePickerDropDown> {
    VISTRA_CLASS(TGridImageDropDown, controls::TQuillImagePickerDropDown)
public:
    TGridImageDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // The cell's text is the image index.
    void LoadCellText(const std::string& Text) override;
    std::string CellValue() const override;
    void ShowRefused(const std::string& Text) override { LoadCellText(Text); }
};

class TGridQuillGridDropDown final : public TGridDropDownEditor<TCustomQuillGridDropDown> {
    VISTRA_CLASS(TGridQuillGridDropDown, TCustomQuillGridDropDown)
public:
    TGridQuillGridDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // The grid in the popup.
    TQuillStringGrid* Grid() const noexcept { return GetColGrid(); }
};

class TGridTrackbarDropDown final : public TGridDropDownEditor<controls::TQuillTrackBarDropDown> {
    VISTRA_CLASS(TGridTrackbarDropDown, controls::TQuillTrackBarDropDown)
public:
    TGridTrackbarDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // Shown with the face's own formatting, as a value typed.
    void LoadCellText(const std::string& Text) override { ApplyText(Text); }
    void DoChange() {}
};

class TGridMemoDropDown final : public TGridDropDownEditor<controls::TQuillMemoDropDown> {
    VISTRA_CLASS(TGridMemoDropDown, controls::TQuillMemoDropDown)
public:
    TGridMemoDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // The cell holds every line of the memo.
    std::string CellValue() const override;
};

class TGridCalculatorDropDown final : public TGridDropDownEditor<controls::TQuillCalculatorDropdown> {
    VISTRA_CLASS(TGridCalculatorDropDown, controls::TQuillCalculatorDropdown)
public:
    TGridCalculatorDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);

protected:
    // Enter completes a pending calculation before the value is stored.
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
};

class TGridTimepickerDropDown final : public TGridDropDownEditor<controls::TQuillTimePickerDropDown> {
    VISTRA_CLASS(TGridTimepickerDropDown, controls::TQuillTimePickerDropDown)
public:
    TGridTimepickerDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
};

class TGridGridDropDown final : public TGridDropDownEditor<controls::TQuillMultiColumnDropDown> {
    VISTRA_CLASS(TGridGridDropDown, controls::TQuillMultiColumnDropDown)
public:
    TGridGridDropDown(TQuillStringGrid& Grid, grid::TSpecialEditors& Host);
    // Chooses the item of that text and shows the text.
    void LoadCellText(const std::string& Text) override;
};

// Makes the grid ask for these editors; once, at start.
void RegisterGridDropDownEditors();

} // namespace grideditors
