// What the image, colour and detail drop-downs share: an item selector in
// the popup, the look of its hot and selected items, and the keys that drive
// it. Keys and the wheel move the choice without closing the popup (an
// "internal" selection); a click in the list chooses and closes.
//
// The keys, after the edit's own handling (Enter, Esc, F4, Alt+Down):
// - Enter on an open popup with a hot item chooses that item;
// - Page Up and Page Down move by the rows that fit the list;
// - Home and End go to the first and last item;
// - Left and Right step by one, only on a face without editor and only while open;
// - Up and Down step by a row while open and by one item while closed;
// - letters and digits typed within half a second of each other look up the
//   first item whose caption begins with them.
#pragma once

#include <memory>
#include <string>

#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/QuillDropDown.h"

class TTimer;

namespace controls {

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R)>;

enum class TListStep { First, Last, Next, Previous };

// The index one step moves a choice at Current among Count items to, or -1 when
// the choice stays: Next and Previous start at the first item when nothing is
// chosen, and a step past either end stays where it is.
[[nodiscard]] int SteppedIndex(TListStep Step, int Current, int Count) noexcept;

class TQuillPickerDropDown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillPickerDropDown, TQuillCustomDropDown)

    ~TQuillPickerDropDown() override;

    // Cells per row of the list; taken at the next opening.
    int Columns() const noexcept { return FColumns; }
    void SetColumns(int Value) noexcept { FColumns = Value; }
    // Where the captions stand beside the pictures; taken at the next opening.
    TItemLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TItemLayout Value) noexcept { FLayout = Value; }
    TItemAppearance& ItemAppearance() const noexcept { return *FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance->Assign(&Value); }
    // The list in the popup; null until made.
    TQuillCustomItemSelector* ItemSelector() const noexcept { return FItemSelector; }
    // The text typed so far for the lookup; it empties half a second after
    // the first key of a burst.
    const std::string& SearchText() const noexcept { return FCurSearch; }

    void SetComponentStyle(TQORStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    // An item was chosen, or the choice moved.
    TNotifyEvent OnSelect;

    static constexpr unsigned TypeAheadMs = 500;

protected:
    explicit TQuillPickerDropDown(TComponent* AOwner);

    // Makes the list once, in the popup, of the given kind.
    TQuillCustomItemSelector& EnsureSelector(TSelectorType Type);
    // The drop-down's own item count, against which a Page key reloads the list.
    virtual int PickerItemCount() const = 0;
    // Copies the items and the choice into the list.
    virtual void LoadSelector() = 0;
    // The list chose an item: take it as the drop-down's choice.
    virtual void TakeSelectorChoice(int Index) = 0;
    // The drop-down's own stepping, with the popup closed.
    virtual void PickerSelectFirst() = 0;
    virtual void PickerSelectLast() = 0;
    virtual void PickerSelectNext() = 0;
    virtual void PickerSelectPrevious() = 0;
    // Copies the common list settings (columns, images, layout, colour,
    // appearance) into the list and hooks its selection; Fill adds the items.
    void LoadSelectorWith(const std::function<void(TSelectorItems&)>& Fill, int ItemIndex);
    // Puts the list's selection at Index without choosing anything: a cancel
    // leaves the list where the choice went back to.
    void SyncSelector(int Index);
    // Runs Action as a key or wheel move: the choice moves, the popup stays.
    void Internal(const std::function<void()>& Action);
    bool InternalCall() const noexcept { return FInternalCall; }
    // The list's selection handler: takes the choice, and closes unless internal.
    void HandleSelectorSelect();
    // The keys above but Enter, Up and Down stepping by RowStep while open;
    // true when the key was one of the list's.
    bool ListKeyDown(unsigned short Key, int RowStep);
    // The keys after the edit's own handling, with Up and Down stepping by a
    // row of Columns and Enter firing OnSelect unless EnterUsed (it chose a
    // hot item); a key the list used is cleared.
    void PickerKeyDown(unsigned short& Key, bool EnterUsed);
    // Enter on an open popup with a hot item chooses it; true when it did.
    bool ChooseHotItem(unsigned short Key);
    // The popup grows by a scroll bar's width when the list will scroll.
    void AdaptToSelector(int& Width, int& Height);

    TQuillCustomItemSelector* FItemSelector = nullptr;
    int FOldItemIndex = -1;

private:
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    TTimer* FKeyTimer;
    std::string FCurSearch;
};

} // namespace controls
