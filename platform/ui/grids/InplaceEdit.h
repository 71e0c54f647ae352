// The grid's in-place editor: the window layer's edit placed over the current
// cell, loading the cell's edit text and handing its text back on every change.
#pragma once

#include <string>

#include "platform/ui/EditControls.h"

class TCustomGrid;

// Navigation keys the edit has no use for (Up, Down, Page Up and Down, Tab
// with the grid's tabs, Left at the start and Right at the end) go on to the
// grid, which moves and so closes the edit. Every character is offered to
// the grid first: Enter and Esc are the grid's.
class TInplaceEdit : public TCustomEdit {
    VISTRA_CLASS(TInplaceEdit, TCustomEdit)

    explicit TInplaceEdit(TCustomGrid* AGrid);
    ~TInplaceEdit() override;

    TCustomGrid* Grid() const noexcept { return FGrid; }
    // Loads the grid's edit text of its current cell, all of it selected,
    // with the grid's length limit and edit mask for that cell.
    void UpdateContents();
    // The mask the grid gave for the cell. The window layer's edit has no
    // masked input, so the mask is only handed on to whoever asks.
    const std::string& EditMask() const noexcept { return FEditMask; }
    // Places the edit over a cell and shows it.
    void Move(const TRect& Loc);
    // Hides the edit, giving the focus back to the grid when it had it.
    void Hide();

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMGetDlgCode(TMessage& Message) override;
    // Stores the text in the cell after every change made in the edit.
    void Change() override;

private:
    void SendToGrid(unsigned short& Key, TShiftState Shift);

    TCustomGrid* FGrid;
    std::string FEditMask;
    bool FLoading = false;
};
