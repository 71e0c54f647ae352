// Menu items and menus: the item tree, check marks, radio groups, shortcuts.
#include "platform/ui/Menus.h"

#include <algorithm>
#include <cctype>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MenuWindow.h"

namespace {
unsigned gNextCommand = 1;
ui::TPopupMenuHook gPopupHook;
} // namespace

namespace ui {
void SetPopupMenuHook(TPopupMenuHook hook) { gPopupHook = std::move(hook); }
} // namespace ui

std::string StripHotkey(const std::string& Text)
{
    std::string out;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '&') {
            if (i + 1 < Text.size() && Text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += Text[i];
    }
    return out;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(gNextCommand++) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    // Sub-items without an owner belong to their parent item; owned ones go
    // with their owner and are only unlinked here.
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems)) {
        item->FParent = nullptr;
        if (!item->Owner()) delete item;
    }
    if (FParent) std::erase(FParent->FItems, this);
}

void TMenuItem::SetCaption(const std::string& Value)
{
    FCaption = Value;
    Changed(false);
}

void TMenuItem::SetShortCut(TShortCut Value)
{
    FShortCut = Value;
    Changed(false);
}

void TMenuItem::SetChecked(bool Value)
{
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
    Changed(false);
}

void TMenuItem::TurnSiblingsOff()
{
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
            sibling->FChecked = false;
            sibling->Changed(false);
        }
}

void TMenuItem::SetRadioItem(bool Value)
{
    FRadioItem = Value;
    if (Value && FChecked) TurnSiblingsOff();
    Changed(false);
}

void TMenuItem::SetGroupIndex(std::uint8_t Value)
{
    FGroupIndex = Value;
    if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetEnabled(bool Value)
{
    FEnabled = Value;
    Changed(false);
}

void TMenuItem::SetVisible(bool Value)
{
    FVisible = Value;
    Changed(true);
}

void TMenuItem::SetDefault(bool Value)
{
    FDefault = Value;
    Changed(false);
}

void TMenuItem::SetBreak(bool Value)
{
    FBreak = Value;
    Changed(true);
}

void TMenuItem::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Changed(false);
}

void TMenuItem::SetBitmap(const TBitmap* Value)
{
    if (!Value) FBitmap.reset();
    else {
        if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(Value);
    }
    Changed(false);
}

char32_t TMenuItem::AccessKey() const
{
    for (std::size_t i = 0; i + 1 < FCaption.size(); ++i) {
        if (FCaption[i] != '&') continue;
        if (FCaption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char32_t>(std::tolower(static_cast<unsigned char>(FCaption[i + 1])));
    }
    return 0;
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("Menu index out of range (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)];
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item) return;
    if (Item->FParent) throw EInvalidOperation("Menu inserted twice");
    if (Index < 0 || Index > Count()) throw EListError("Menu index out of range (" + std::to_string(Index) + ")");
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Item->FreeNotification(this);
    if (Item->FRadioItem && Item->FChecked) Item->TurnSiblingsOff();
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* Item)
{
    int i = IndexOf(Item);
    if (i < 0) throw EInvalidOperation("Sub-menu is not in menu");
    Delete(i);
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    FItems.erase(FItems.begin() + Index);
    item->FParent = nullptr;
    Changed(true);
}

void TMenuItem::Clear()
{
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems)) {
        std::erase(FItems, item);
        item->FParent = nullptr;
        if (!item->Owner()) delete item;
    }
    Changed(true);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        auto* item = dynamic_cast<TMenuItem*>(AComponent);
        if (item && item->FParent == this) {
            std::erase(FItems, item);
            item->FParent = nullptr;
        }
    }
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const
{
    std::string wanted = StripHotkey(ACaption);
    for (TMenuItem* item : FItems)
        if (StripHotkey(item->FCaption) == wanted) return item;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* top = this;
    while (top->FParent) top = top->FParent;
    return top->FMenu;
}

TImageList* TMenuItem::GetImageList() const
{
    for (const TMenuItem* p = FParent; p; p = p->FParent)
        if (p->FSubMenuImages) return p->FSubMenuImages;
    TMenu* menu = GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

void TMenuItem::Changed(bool Rebuild)
{
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, this, Rebuild);
}

void TMenuItem::Click()
{
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
    if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height)
{
    ui::DefaultMeasureMenuItem(*this, ACanvas, Width, Height);
    if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel)
{
    if (OnAdvancedDrawItem) {
        OnAdvancedDrawItem(this, ACanvas, ARect, State);
        return;
    }
    if (OnDrawItem) {
        OnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
        return;
    }
    ui::DefaultDrawMenuItem(*this, ACanvas, ARect, State, TopLevel);
}

// ---- TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    Destroying();
    FItems->FMenu = nullptr;
}

void TMenu::SetOwnerDraw(bool Value)
{
    FOwnerDraw = Value;
    MenuChanged(this, nullptr, true);
}

void TMenu::SetImages(TImageList* Value)
{
    FImages = Value;
    MenuChanged(this, nullptr, true);
}

namespace {
TMenuItem* FindIn(TMenuItem* root, unsigned value, TFindItemKind kind)
{
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        if ((kind == fkCommand && item->Command() == value) || (kind == fkShortCut && item->ShortCut() == value))
            return item;
        if (TMenuItem* found = FindIn(item, value, kind)) return found;
    }
    return nullptr;
}
} // namespace

TMenuItem* TMenu::FindItem(unsigned Value, TFindItemKind Kind) const
{
    if (Kind == fkShortCut && Value == 0) return nullptr;
    return FindIn(FItems.get(), Value, Kind);
}

bool TMenu::IsShortCut(TShortCut Value)
{
    TMenuItem* item = FindItem(Value, fkShortCut);
    if (!item) return false;
    for (TMenuItem* p = item; p; p = p->Parent())
        if (!p->Enabled() || !p->Visible()) return p->Parent() == nullptr;
    item->Click();
    return true;
}

bool TMenu::DispatchCommand(unsigned ACommand)
{
    TMenuItem* item = FindItem(ACommand, fkCommand);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::UpdateItems() { MenuChanged(this, nullptr, true); }

void TMenu::MenuChanged(TObject*, TMenuItem*, bool)
{
    if (OnChange) OnChange(this);
}

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild)
{
    TMenu::MenuChanged(Sender, Source, Rebuild);
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && form->Menu() == this) form->MenuChanged();
}

// ---- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = {X, Y};
    if (OnPopup) OnPopup(this);
    TMenuItem* chosen = nullptr;
    if (gPopupHook) chosen = gPopupHook(*this);
    else chosen = ui::TrackPopup(*Items(), {X, Y}, FAlignment);
    if (OnClose) OnClose(this);
    if (chosen) chosen->Click();
}

TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   TNotifyEvent AOnClick, const std::string& AName)
{
    auto* item = new TMenuItem(nullptr);
    item->SetName(AName);
    item->SetCaption(ACaption);
    item->SetShortCut(AShortCut);
    item->SetChecked(AChecked);
    item->SetEnabled(AEnabled);
    item->OnClick = std::move(AOnClick);
    return item;
}

TMenuItem* NewLine() { return NewItem("-", 0, false, true, nullptr, ""); }
