// The styled menu bar and its window list.
#include "menus/QuillMenuBar.h"

#include "menus/MenuItemDrawing.h"
#include "menus/MenuStyler.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

#include <algorithm>
#include <string>
#include <vector>

TQuillMainMenu::TQuillMainMenu(TComponent* AOwner) : TMainMenu(AOwner), menus::TStyledMenuSettings(static_cast<TMenu&>(*this)) { SetOwnerDraw(true); }

TQuillMainMenu::~TQuillMainMenu() { Destroying(); }

void TQuillMainMenu::Loaded()
{
    TMainMenu::Loaded();
    SetOwnerDraw(true);
    HookItems();
    FStyler.Loaded();
}

void TQuillMainMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TMainMenu::Notification(AComponent, Operation);
    FStyler.Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FWindowMenu) FWindowMenu = nullptr;
}

void TQuillMainMenu::HookItems()
{
    menus::HookMenu(this, nullptr, true, true,
                    menus::TItemDrawHandler{this, [this](TObject* s, TCanvas* c, TRect r, TOwnerDrawState st) {
                                                BarDrawItem(s, c, r, st);
                                            }},
                    [this](TObject* s, TCanvas* c, int& w, int& h) { BarMeasureItem(s, c, w, h); });
}

void TQuillMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild)
{
    if (!FMenuUpdating) HookItems();
    TMainMenu::MenuChanged(Sender, Source, Rebuild);
}

void TQuillMainMenu::BarBeginUpdate()
{
    FMenuUpdating = true;
    ++FUpdateCount;
}

void TQuillMainMenu::BarEndUpdate()
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0) return;
    HookItems();
    FMenuUpdating = false;
    TMainMenu::MenuChanged(this, nullptr, true);
}

void TQuillMainMenu::UpdateItems()
{
    if (!FRefreshingList) RefreshWindowList();
    TMenu::UpdateItems();
}

void TQuillMainMenu::SetWindowMenu(TMenuItem* Value)
{
    if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TQuillMainMenu::RefreshWindowList()
{
    if (!FWindowMenu || !Screen) return;
    FRefreshingList = true;
    BarBeginUpdate();
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (!form->Popup() && form->Visible() && !form->ComponentState().Contains(csDestroying)) forms.push_back(form);
    }
    TMenuItem* marker = FindItem(WindowListMarkerShortCut, fkShortCut);
    if (!marker || marker->Caption() != "-" || marker->Parent() != FWindowMenu) {
        marker = new TMenuItem(nullptr);
        marker->SetCaption("-");
        marker->SetShortCut(WindowListMarkerShortCut);
        FWindowMenu->Add(marker);
    } else {
        // The list's items belong to the window menu, which owns items without an owner.
        while (FWindowMenu->Count() > marker->MenuIndex() + 1) {
            TMenuItem* last = FWindowMenu->Items(FWindowMenu->Count() - 1);
            FWindowMenu->Delete(FWindowMenu->Count() - 1);
            delete last;
        }
    }
    marker->SetVisible(!forms.empty());
    std::stable_sort(forms.begin(), forms.end(),
                     [](TCustomForm* a, TCustomForm* b) { return a->Caption() < b->Caption(); });
    TCustomForm* active = Screen->ActiveForm();
    for (std::size_t j = 0; j < forms.size(); ++j) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(std::to_string(j + 1) + " " + forms[j]->Caption());
        item->SetTag(static_cast<std::intptr_t>(forms[j]->Handle()));
        item->OnClick = [this](TObject* Sender) { WindowListItemClick(Sender); };
        item->SetRadioItem(true);
        item->SetGroupIndex(WindowListGroupIndex);
        item->SetChecked(forms[j] == active);
        FWindowMenu->Add(item);
    }
    BarEndUpdate();
    FRefreshingList = false;
}

void TQuillMainMenu::WindowListItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || item->Tag() == 0) return;
    auto* form = dynamic_cast<TCustomForm*>(FindControl(static_cast<HWND>(item->Tag())));
    if (!form) return;
    form->BringToFrontAndActivate();
    item->SetChecked(true);
}

void TQuillMainMenu::BarMeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (item) MeasureMenuItem(item, ACanvas, Width, SideBarShown(item), Height);
}

void TQuillMainMenu::BarDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || FUpdateCount > 0) return;
    if (!menus::IsRootItem(item)) ARect.Right -= MenuRightStrip;
    DrawMenuItemBackground(item, ACanvas, ARect, SideBarShown(item), State);
}
