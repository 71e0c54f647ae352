#include "controls/dropdown/QuillListDropDown.h"

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"

namespace controls {

namespace {
// The list never takes the focus: the drop-down's edit keeps the keyboard.
class TPopupListBox final : public TListBox {
public:
    using TListBox::TListBox;
    bool CanFocus() const override { return false; }
};
} // namespace

TQuillListDropDown::TQuillListDropDown(TComponent* AOwner) : TQuillCustomDropDown(AOwner)
{
    FList = new TPopupListBox(DropDownForm());
    FList->SetParent(DropDownForm());
    FList->SetTabStop(false);
    FList->SetBorderStyle(bsNone);
    FList->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        if (Button == mbLeft && FList->ItemAtPos({X, Y}, true) >= 0) DoHideDropDown(false);
    };
}

void TQuillListDropDown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    FList->SetItemIndex(Items().IndexOf(Text()));
    SetDropDownControl(FList);
}

void TQuillListDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    int rows = std::clamp(Items().Count(), 1, std::max(1, FDropDownCount));
    FList->SetAlign(alNone);
    FList->SetBounds(FList->Left(), FList->Top(), this->Width(), rows * FList->ItemHeight() + 2);
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
    FList->SetAlign(alClient);
}

void TQuillListDropDown::DoHideDropDown(bool Cancel)
{
    int chosen = FList->ItemIndex();
    if (!Cancel && DroppedDown() && chosen >= 0) ApplyText(Items().Strings(chosen));
    TQuillCustomDropDown::DoHideDropDown(Cancel);
}

void TQuillListDropDown::MoveSelection(int Delta)
{
    int count = Items().Count();
    if (count == 0) return;
    // A closed list starts from the entry the edit shows.
    int current = DroppedDown() ? FList->ItemIndex() : Items().IndexOf(Text());
    int index = current < 0 ? (Delta > 0 ? 0 : count - 1) : std::clamp(current + Delta, 0, count - 1);
    FList->SetItemIndex(index);
    SetRawText(Items().Strings(index));
    SelectAll();
}

void TQuillListDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (DroppedDown() && !Shift.Contains(ssAlt)) {
        int page = std::max(1, FDropDownCount - 1);
        int delta = Key == VK_DOWN ? 1 : Key == VK_UP ? -1 : Key == VK_NEXT ? page : Key == VK_PRIOR ? -page : 0;
        if (delta != 0) {
            MoveSelection(delta);
            Key = 0;
            return;
        }
    }
    TQuillCustomDropDown::KeyDown(Key, Shift);
}

} // namespace controls
