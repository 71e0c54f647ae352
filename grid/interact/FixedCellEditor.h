// The editor the grid lays over a fixed (header) cell: a plain edit or a
// combo, opened by a click or double click as MouseActions says. Enter and
// the loss of the focus store the text once OnCellValidate accepts it; Esc
// drops it.
#pragma once

#include <memory>
#include <string>

#include "grid/interact/OverlayEditor.h"

class TQuillStringGrid;
class TEdit;
class TComboBox;
class TWinControl;

namespace grid {

class TFixedCellEditor final : public TOverlayEditorOwner {
public:
    explicit TFixedCellEditor(TQuillStringGrid& Grid);
    ~TFixedCellEditor() override;

    // Opens over the fixed cell (display column, row).
    void Open(int ACol, int ARow);
    // Validates and stores the open editor's text and closes it; False, with
    // the editor kept open and focused, when the validation refused it.
    bool Stop();
    void Cancel();
    // The open editor control, null when none is open.
    TWinControl* Shown() const;
    // The real column and the row being edited.
    int Col() const noexcept { return FCol; }
    int Row() const noexcept { return FRow; }

private:
    bool OverlayKey(unsigned short Key) override;
    void OverlayFocusLost() override;
    std::string Text() const;
    TQuillStringGrid& FGrid;
    std::unique_ptr<TOverlayEditor<TEdit>> FEdit;
    std::unique_ptr<TOverlayEditor<TComboBox>> FCombo;
    int FCol = -1;
    int FRow = -1;
    bool FStopping = false;
};

} // namespace grid
