#include "controls/pickers/PickerDropDown.h"

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

int SteppedIndex(TListStep Step, int Current, int Count) noexcept
{
    if (Count <= 0) return -1;
    switch (Step) {
    case TListStep::First: return 0;
    case TListStep::Last: return Count - 1;
    case TListStep::Next: return Current < 0 ? 0 : Current + 1 < Count ? Current + 1 : -1;
    case TListStep::Previous: return Current < 0 ? 0 : Current > 0 ? Current - 1 : -1;
    }
    return -1;
}

TQuillPickerDropDown::TQuillPickerDropDown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FItemAppearance(std::make_unique<TItemAppearance>(this)),
      FKeyTimer(new TTimer(this))
{
    SetDropDownEnabled(true);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(TypeAheadMs);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
    SetItemAppearanceStyle(FItemAppearance.get(), GetComponentStyle());
}

TQuillPickerDropDown::~TQuillPickerDropDown() { FKeyTimer->SetEnabled(false); }

void TQuillPickerDropDown::SetComponentStyle(TQORStyle AStyle)
{
    TQuillCustomDropDown::SetComponentStyle(AStyle);
    if (FItemAppearance) SetItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TQuillPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TQuillCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

TQuillCustomItemSelector& TQuillPickerDropDown::EnsureSelector(TSelectorType Type)
{
    if (!FItemSelector) {
        FItemSelector = new TQuillCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(Type);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetDropDownControl(FItemSelector);
    return *FItemSelector;
}

void TQuillPickerDropDown::LoadSelectorWith(const std::function<void(TSelectorItems&)>& Fill, int ItemIndex)
{
    if (!FItemSelector) return;
    TQuillCustomItemSelector& s = *FItemSelector;
    s.OnItemSelect = nullptr;
    s.SetColumns(FColumns);
    s.SetImages(Images());
    s.SetItemLayout(FLayout);
    s.SetColor(DropDownColor());
    s.SetItemAppearance(*FItemAppearance);
    s.Items().Clear();
    Fill(s.Items());
    s.UpdateSelectorPanel();
    s.SetItemIndex(ItemIndex);
    s.OnItemSelect = [this](TObject*) { HandleSelectorSelect(); };
    s.SetShowHint(ShowHint());
}

void TQuillPickerDropDown::SyncSelector(int Index)
{
    if (!FItemSelector) return;
    const TNotifyEvent hook = FItemSelector->OnItemSelect;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetItemIndex(Index);
    FItemSelector->OnItemSelect = hook;
}

void TQuillPickerDropDown::Internal(const std::function<void()>& Action)
{
    const bool was = FInternalCall;
    FInternalCall = true;
    Action();
    FInternalCall = was;
}

void TQuillPickerDropDown::HandleSelectorSelect()
{
    if (!FItemSelector) return;
    TakeSelectorChoice(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TQuillPickerDropDown::AdaptToSelector(int& Width, int& Height)
{
    if (!FItemSelector) {
        TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
        return;
    }
    FItemSelector->SetAlign(alNone);
    const TSize panel = FItemSelector->GetSelectorPanelSize();
    FItemSelector->SetBounds(0, 0, DropDownWidth() <= 0 ? panel.cx : FItemSelector->Width(),
                             DropDownHeight() <= 0 ? panel.cy : FItemSelector->Height());
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
    // The list stands inside the popup's border: the popup is that much wider.
    if (DropDownWidth() <= 0) Width += 2 * DropDownBorderWidth();
    // The list scrolls when the popup leaves it less than its height.
    int room = Height - 2 * DropDownBorderWidth();
    if (DropDownHeader().Visible()) room -= DropDownHeader().Height;
    if (DropDownFooter().Visible()) room -= DropDownFooter().Height;
    if (room < panel.cy) Width += GetSystemMetrics(SM_CXVSCROLL);
}

void TQuillPickerDropDown::PickerKeyDown(unsigned short& Key, bool EnterUsed)
{
    if (!IsEnabledWithParents() || GetKeyState(VK_MENU) < 0) return;
    if (Key == VK_RETURN) {
        if (!EnterUsed && OnSelect) OnSelect(this);
    } else if (ListKeyDown(Key, Columns())) {
        Key = 0;
    }
}

bool TQuillPickerDropDown::ChooseHotItem(unsigned short Key)
{
    if (!IsEnabledWithParents() || !DroppedDown() || Key != VK_RETURN || !FItemSelector) return false;
    const int hot = FItemSelector->ItemHot();
    if (hot < 0) return false;
    FItemSelector->SetItemIndex(hot);
    return true;
}

bool TQuillPickerDropDown::ListKeyDown(unsigned short Key, int RowStep)
{
    TQuillCustomItemSelector* s = FItemSelector;
    const bool open = DroppedDown() && s;
    auto moveTo = [&](int V) {
        if (V < 0 || V >= s->Items().Count()) return;
        Internal([&] { s->SetItemIndex(V); });
        s->ScrollItemInView(V);
    };
    auto page = [&](int Direction) {
        if (!s) return;
        if (s->Items().Count() != PickerItemCount()) LoadSelector();
        const int n = s->GetVisibleItemCount();
        if (n <= 0) return;
        int v = s->ItemIndex() + Direction * n;
        v = Direction < 0 ? std::max(0, v) : std::min(PickerItemCount() - 1, v);
        moveTo(v);
    };
    switch (Key) {
    case VK_PRIOR: page(-1); return true;
    case VK_NEXT: page(1); return true;
    case VK_HOME:
    case VK_END:
        if (open) Internal([&] { Key == VK_HOME ? s->SelectFirst() : s->SelectLast(); });
        else if (Key == VK_HOME) PickerSelectFirst();
        else PickerSelectLast();
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (!EditorEnabled() && open) Internal([&] { Key == VK_LEFT ? s->SelectPrevious() : s->SelectNext(); });
        return true;
    case VK_UP:
    case VK_DOWN:
        if (open) moveTo(s->ItemIndex() < 0 ? 0 : s->ItemIndex() + (Key == VK_UP ? -RowStep : RowStep));
        else if (Key == VK_UP) PickerSelectPrevious();
        else PickerSelectNext();
        return true;
    default: break;
    }
    // Only the keys of letters, digits and the space bar spell a caption.
    const bool spells = (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z') || Key == VK_SPACE;
    if (!s || !spells || GetKeyState(VK_CONTROL) < 0) return false;
    FCurSearch += static_cast<char>(Key);
    Internal([&] { s->LookupItem(FCurSearch); });
    // A running timer keeps its schedule: the burst ends half a second after its first key.
    if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
    return true;
}

} // namespace controls
