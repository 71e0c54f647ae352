// The styled menu bar and its window list.
#include "menus/QuillMenuBar.h"

#include "menus/MenuItemDrawing.h"
#include "menus/MenuStyler.h"
#include "platform/ui/Forms.h"

TQuillMainMenu::TQuillMainMenu(TComponent* AOwner) : TMainMenu(AOwner), menus::TStyledMenuSettings(static_cast<TMenu&>(*this)) { SetOwnerDraw(true); }

TQuillMainMenu::~TQuillMainMenu()
{
    Destroying();
    UnhookMDIClient();
}

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
    if (!FMenuUpdating) {
        HookItems();
        HookMDIClient();
    }
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
    HookMDIClient();
    TMenu::UpdateItems();
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
    DrawMDIChildIcon(item, ARect);
    DrawMenuItemBackground(item, ACanvas, ARect, SideBarShown(item), State);
}
