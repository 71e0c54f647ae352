// The plainest drop-down: a list of texts. The arrow keys and the wheel move
// the list's selection while the popup is open (the edit shows the entry at
// once), Enter or a click on an entry takes it, Esc returns to the text the
// edit had when the popup opened.
#pragma once

#include "controls/dropdown/QuillDropDown.h"
#include "platform/ui/ListControls.h"

namespace controls {

class TQuillListDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillListDropDown, TQuillCustomDropDown)

    explicit TQuillListDropDown(TComponent* AOwner);

    TStringList& Items() noexcept { return FList->Items(); }
    // The popup shows at most this many entries without scrolling.
    int DropDownCount() const noexcept { return FDropDownCount; }
    void SetDropDownCount(int Value) noexcept { FDropDownCount = Value; }
    TListBox& List() const noexcept { return *FList; }

protected:
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void SelectionWheelDown() override { MoveSelection(1); }
    void SelectionWheelUp() override { MoveSelection(-1); }
    void KeyDown(unsigned short& Key, TShiftState Shift) override;

private:
    // Moves the list's selection by Delta entries and shows the entry.
    void MoveSelection(int Delta);
    TListBox* FList;
    int FDropDownCount = 8;
};

} // namespace controls
