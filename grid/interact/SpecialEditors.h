// The editor controls the string grid opens itself over a cell for the
// kinds its normal text editor does not serve: spin edits, combo boxes,
// edits with a button, unit edits, date and time pickers, a check box and a
// push button. Each is made
// on first use, reused for every cell, and reports back to the grid through
// one contract: Enter, Tab and the focus leaving commit the value through
// the grid's validation, Esc closes without storing, and a refused value
// keeps the editor open on what was typed. Kinds the grid has no control
// for come from the factory a library above it registers.
#pragma once

#include <map>
#include <string>

#include "grid/base/GridEnums.h"
#include "platform/ui/EditControls.h"

class TQuillStringGrid;

namespace grid {

class ICellEditorLink;

class TSpecialEditors {
public:
    explicit TSpecialEditors(TQuillStringGrid& Grid);
    ~TSpecialEditors();

    // Opens the control of the kind over the cell (display column), loads
    // it and hands it the character that started the edit. False when the
    // kind has no control here.
    bool Open(TEditorType Kind, int ACol, int ARow, char32_t StartChar);
    // The value of the open editor as the cell will store it.
    std::string Value() const;
    // Shows a refused value again, all of it selected.
    void ShowRefused(const std::string& Text);
    // Hides the open editor; nothing is stored.
    void Close();
    TWinControl* OpenControl() const noexcept { return FOpen; }
    void DetachGrid() noexcept;

    // Called by the controls: a key that may end the edit (true when it was
    // used), and the focus leaving for the window Target.
    bool EditorKey(unsigned short Key, TShiftState Shift);
    void EditorLostFocus(HWND Target);
    bool WantsTab() const;
    // The check box and the button leave the cell by the arrow keys.
    bool WantsArrows() const noexcept { return FKind == edCheckBox || FKind == edButton; }
    // The button editor was clicked (by the mouse or Space).
    void ButtonClicked();
    // The close posted when the focus left.
    void ClosePosted();
    static unsigned CloseMessage();

private:
    TWinControl* ControlFor(TEditorType Kind);
    // The open control when a library above the grid made it.
    ICellEditorLink* OpenLink() const;
    void Load(TEditorType Kind, const std::string& Text);

    TQuillStringGrid* FGrid;
    TEditorType FKind = edNormal;
    TWinControl* FOpen = nullptr;
    TWinControl* FSpin = nullptr;
    TWinControl* FCombo = nullptr;
    TWinControl* FEditBtn = nullptr;
    TWinControl* FUnitEditBtn = nullptr;
    TWinControl* FDate = nullptr;
    TWinControl* FCheck = nullptr;
    TWinControl* FButton = nullptr;
    // The controls the registered factory made, by kind.
    std::map<TEditorType, ICellEditorLink*> FLinks;
    bool FClosing = false;
};

} // namespace grid
