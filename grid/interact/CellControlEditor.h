// The one editor a form control in an HTML cell gets while it is edited: an
// edit for EDIT, PASSWORD and MASK controls, a combo for COMBO controls.
// When it closes, its text becomes the control's VALUE in the cell.
#pragma once

#include <memory>
#include <string>

#include "grid/interact/OverlayEditor.h"
#include "platform/graphics/Types.h"

class TQuillStringGrid;
class TEdit;
class TComboBox;
class TWinControl;

namespace grid {

class TCellControlEditor final : public TOverlayEditorOwner {
public:
    explicit TCellControlEditor(TQuillStringGrid& Grid);
    ~TCellControlEditor() override;

    // Opens the editor of the control ID of type Type in cell (real column
    // ACol, row ARow) over the control's rectangle R; other types open nothing.
    void Open(const std::string& CellText, const std::string& Type, int ARow, int ACol, const TRect& R,
              const std::string& Value, const std::string& ID);
    // Writes the editor's text into the control's VALUE and closes it;
    // nothing when no editor is open.
    void End();
    // The open editor control, null when none is open.
    TWinControl* Shown() const;

private:
    bool OverlayKey(unsigned short Key) override;
    void OverlayFocusLost() override;
    void Close();
    TQuillStringGrid& FGrid;
    std::unique_ptr<TOverlayEditor<TEdit>> FEdit;
    std::unique_ptr<TOverlayEditor<TComboBox>> FCombo;
    bool FEditing = false;
    TPoint FCell{-1, -1};
    std::string FID;
    std::string FType;
};

} // namespace grid
