// A drop-down that edits a text of several lines in a memo in its popup
// while the edit shows the first line ("..." after it when more follow, or
// shortened with "..." when it is wider than the edit). Typing in the edit
// replaces the text with the typed line.
#pragma once

#include <memory>

#include "controls/dropdown/QuillDropDown.h"
#include "platform/ui/EditControls.h"

class TPopupMenu;
class TStringList;

namespace controls {

class TQuillMemoDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillMemoDropDown, TQuillCustomDropDown)

    explicit TQuillMemoDropDown(TComponent* AOwner);
    ~TQuillMemoDropDown() override;

    TStringList& MemoText() const noexcept { return *FMemoText; }
    void SetMemoText(const TStrings& Value);
    // Read-only memo; set while the popup is open, it applies at once.
    bool MemoReadOnly() const noexcept { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    // Scroll bars and context menu of the memo, from the next opening on.
    TScrollStyle MemoScrollBars() const noexcept { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) noexcept { FMemoScrollBars = Value; }
    TPopupMenu* MemoPopup() const noexcept { return FMemoPopup; }
    void SetMemoPopup(TPopupMenu* Value) noexcept { FMemoPopup = Value; }
    // The popup opens when the edit gets the focus.
    bool AutoDrop() const noexcept { return FAutoDrop; }
    void SetAutoDrop(bool Value) noexcept { FAutoDrop = Value; }
    TMemo* Memo() const noexcept { return FMemo; }

    // Every change in the memo.
    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownHidden() override;
    void ControlKeyDown(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyUp(unsigned short& Key, TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void Change() override;
    void CMEnter(TMessage& Message) override;

private:
    class TPopupMemo;
    void HandleMemoTextChange();

    TMemo* FMemo = nullptr;
    std::unique_ptr<TStringList> FMemoText;
    bool FMemoReadOnly = false, FAutoDrop = false, FInternalUpdate = false;
    TScrollStyle FMemoScrollBars = ssNone;
    TPopupMenu* FMemoPopup = nullptr;
    static constexpr int MemoHeight = 100;
};

} // namespace controls
