// The string grid's normal cell editor: the platform grid's in-place edit
// with the cell kind's character rules, a length limit, and validation when
// the user leaves the cell by Enter, Tab or the focus.
#pragma once

#include "platform/ui/grids/InplaceEdit.h"

class TQuillStringGrid;

class TQuillInplaceEdit : public TInplaceEdit {
    VISTRA_CLASS(TQuillInplaceEdit, TInplaceEdit)

    explicit TQuillInplaceEdit(TQuillStringGrid* AGrid);
    ~TQuillInplaceEdit() override;

    // 0 or less: no limit.
    int LengthLimit() const noexcept { return FLengthLimit; }
    void SetLengthLimit(int Value) noexcept { FLengthLimit = Value; }
    // The grid is going: nothing may reach it any more.
    void DetachGrid() noexcept { FQuillGrid = nullptr; }
    // Shows the text the last validation left, all of it selected.
    void ShowRefusedText(const std::string& Text);

protected:
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;
    void CMWantSpecialKey(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

private:
    // Validates the text; on a refusal the editor keeps it. True when accepted.
    bool Commit();
    static unsigned CloseMessage();

    TQuillStringGrid* FQuillGrid;
    int FLengthLimit = 0;
    bool FGotFocus = false;
    bool FCtrlDown = false;
    // The Enter of a refused value makes no character.
    bool FSwallowEnter = false;
    bool FMixing = false;
};
