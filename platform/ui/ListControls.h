// Lists: the list box and the combo box with its drop-down list.
#pragma once

#include <algorithm>
#include <memory>

#include "platform/classes/StringList.h"
#include "platform/ui/EditControls.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TCustomListBox : public TCustomControl {
    VISTRA_CLASS(TCustomListBox, TCustomControl)

    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStringList& Items() noexcept { return *FItems; }
    int Count() const { return FItems->Count(); }
    // -1 for none; out of range is refused.
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    TListBoxStyle Style() const noexcept { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    int ItemHeight() const;
    void SetItemHeight(int Value);
    int TopIndex() const noexcept { return FTopIndex; }
    void SetTopIndex(int Value);
    TBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // The item under a client point, -1 for none.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    void Clear() { FItems->Clear(); }

    TDrawItemEvent OnDrawItem;

protected:
    void Paint() override;
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    TRect NonClientMargins() const override;
    void PaintNonClient(TCanvas& Canvas) override;
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    // The user chose an item (keys or mouse): the base raises OnClick.
    virtual void UserSelected(int Index);
    int VisibleCount() const;
    void CreateHandle() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;

private:
    void ItemsChanged();
    // A vertical scroll bar shows while the items do not all fit.
    void ScrollChanged();
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight = 0;
    TListBoxStyle FStyle = lbStandard;
    TBorderStyle FBorderStyle = bsSingle;
};

class TListBox : public TCustomListBox {
    VISTRA_CLASS(TListBox, TCustomListBox)
    using TCustomListBox::TCustomListBox;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// List notifications a combo box sends itself in the high word of CN_COMMAND's
// WParam, after the list has dropped and after it has closed.
inline constexpr unsigned CBN_DROPDOWN = 7;
inline constexpr unsigned CBN_CLOSEUP = 8;

// An edit with a list: typing edits the text (csDropDown), or the text is
// always one of the items (csDropDownList). The button or Alt+Down drops the list.
class TCustomComboBox : public TCustomEdit {
    VISTRA_CLASS(TCustomComboBox, TCustomEdit)

    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStringList& Items() noexcept { return *FItems; }
    int ItemIndex() const noexcept { return FItemIndex; }
    void SetItemIndex(int Value);
    TComboBoxStyle Style() const noexcept { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    int DropDownCount() const noexcept { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = std::max(1, Value); }
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    bool DroppedDown() const noexcept { return FDropForm != nullptr; }
    void SetDroppedDown(bool Value);
    // The least width of the dropped list; it is never narrower than the combo box.
    int DroppedWidth() const noexcept { return FDroppedWidth; }
    void SetDroppedWidth(int Value) { FDroppedWidth = std::max(0, Value); }

    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    TRect NonClientMargins() const override;
    void PaintNonClient(TCanvas& Canvas) override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void Select();
    // Width of the drop button at the right, inside the frame.
    virtual int DropButtonWidth() const { return 17; }

private:
    void ChooseIndex(int Index, bool ByUser);
    void CloseUp(bool Accept);
    class TDropForm;
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FDroppedWidth = 0;
    TComboBoxStyle FStyle = csDropDown;
    TDropForm* FDropForm = nullptr;
};

class TComboBox : public TCustomComboBox {
    VISTRA_CLASS(TComboBox, TCustomComboBox)
    using TCustomComboBox::TCustomComboBox;
};
