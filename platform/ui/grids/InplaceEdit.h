// The grid's in-place editor: a one-line text edit that sits over the current
// cell, loads the cell's edit text and hands its text back on every change.
#pragma once

#include <string>

#include "platform/ui/CustomControl.h"

class TCustomGrid;

// Text is UTF-8; the caret and selection count bytes and always sit on
// character boundaries. Navigation keys the edit has no use for (Up, Down,
// Page Up and Down, Tab with the grid's tabs, Left at the start and Right at
// the end) go on to the grid, which moves and so closes the edit.
class TInplaceEdit : public TCustomControl {
    VISTRA_CLASS(TInplaceEdit, TCustomControl)

    explicit TInplaceEdit(TCustomGrid* AGrid);
    ~TInplaceEdit() override;

    TCustomGrid* Grid() const noexcept { return FGrid; }
    int SelStart() const noexcept { return FSelStart; }
    int SelLength() const noexcept { return FSelLength; }
    void SetSel(int Start, int Length);
    void SelectAll();
    std::string SelText() const;
    // Replaces the selection with Value and leaves the caret after it.
    void SetSelText(const std::string& Value);
    bool Modified() const noexcept { return FModified; }
    void SetModified(bool Value) noexcept { FModified = Value; }
    // Most bytes the text may hold; 0 for no limit.
    int MaxLength() const noexcept { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value < 0 ? 0 : Value; }

    // Loads the grid's edit text of its current cell and places the edit over it.
    void UpdateContents();
    // Places the edit over the current cell and shows it.
    void Move(const TRect& Loc);
    // Hides the edit, giving the focus back to the grid when it had it.
    void Hide();

    TNotifyEvent OnChange;

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMGetDlgCode(TMessage& Message) override;
    void TextChanged() override;
    void Paint() override;
    // Runs after every change of the text made by typing or SetSelText.
    virtual void Change();

private:
    void ReplaceSelection(const std::string& Value);
    int PrevCharStart(int Pos) const;
    int NextCharStart(int Pos) const;
    void SendToGrid(unsigned short& Key, TShiftState Shift);

    TCustomGrid* FGrid;
    int FSelStart = 0;
    int FSelLength = 0;
    int FMaxLength = 0;
    bool FModified = false;
    bool FLoading = false;
};
