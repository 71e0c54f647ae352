// What the string grid keeps for its header filter lists, the editor over
// a fixed cell and the form controls in HTML cells.
#pragma once

#include <memory>

#include "platform/graphics/Types.h"

namespace grid {

class TFilterDropDownPopup;
class TFixedCellEditor;
class TCellControlEditor;

// Closes a filter list whose grid is going; it must not call back.
void WithdrawFilterPopup(TFilterDropDownPopup* Popup);

struct TFormsState {
    TFormsState();
    ~TFormsState();

    // The open filter list; it frees itself once closed.
    TFilterDropDownPopup* FilterPopup = nullptr;
    // A press on the open list's own header button closed it: the release
    // that follows must not open it again.
    int ClosedByButtonCol = -1;
    // The open list took Enter, Space or Esc: their character goes nowhere.
    bool SwallowFilterChar = false;
    // The key the open list took last, whose release is the list's too.
    unsigned short FilterKeyDown = 0;
    // A double click fitted a column to its content: the release that
    // follows does nothing more.
    bool DblClk = false;
    std::unique_ptr<TFixedCellEditor> FixedEditor;
    // The editor of a form control in a cell, and the cell (real column,
    // row) whose BUTTON control is held down.
    std::unique_ptr<TCellControlEditor> ControlEditor;
    bool CtrlDown = false;
    TPoint CtrlXY{-1, -1};
    // Where the held BUTTON was pressed: the button drawn there is drawn pressed.
    TPoint CtrlPoint{-1, -1};
};

} // namespace grid
