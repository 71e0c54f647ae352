// The styler a styled menu draws with.
#include "menus/MenuStylerSlot.h"

#include "menus/MenuStyler.h"
#include "platform/ui/Menus.h"

namespace menus {

TMenuStylerSlot::TMenuStylerSlot(TMenu& Menu) : FMenu(Menu) { CreateInternal(); }

TMenuStylerSlot::~TMenuStylerSlot()
{
    FMenuStyler = nullptr;
    FCurrentMenuStyler = nullptr;
    delete FInternalMenuStyler;
}

void TMenuStylerSlot::CreateInternal()
{
    FMenuStyler = nullptr;
    FInternalMenuStyler = new TCustomQuillMenuStyler(&FMenu);
    FCurrentMenuStyler = FInternalMenuStyler;
    FInternalMenuStyler->SetName("InternalMenuStyler");
}

void TMenuStylerSlot::Assign(TCustomQuillMenuStyler* Value)
{
    if (Value == FMenuStyler) return;
    if (FMenuStyler && FMenuStyler != FInternalMenuStyler) FMenuStyler->RemoveFreeNotification(&FMenu);
    if (Value) {
        if (FInternalMenuStyler && !FInternalMenuStyler->ComponentState().Contains(csLoading)) {
            delete FInternalMenuStyler;
            FInternalMenuStyler = nullptr;
        }
        FMenuStyler = Value;
        FCurrentMenuStyler = Value;
        Value->FreeNotification(&FMenu);
    } else {
        CreateInternal();
    }
    FCurrentMenuStyler->SetMenu(&FMenu);
}

void TMenuStylerSlot::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation != opRemove) return;
    if (AComponent == FInternalMenuStyler) {
        // Freed by its owner, the menu, on the way out.
        FInternalMenuStyler = nullptr;
        if (FCurrentMenuStyler == AComponent) FCurrentMenuStyler = nullptr;
    }
    if (!FMenu.ComponentState().Contains(csDestroying) && AComponent == FMenuStyler && AComponent->Owner() != &FMenu)
        CreateInternal();
}

void TMenuStylerSlot::Loaded()
{
    if (FInternalMenuStyler && FInternalMenuStyler != FCurrentMenuStyler) {
        delete FInternalMenuStyler;
        FInternalMenuStyler = nullptr;
    }
}

} // namespace menus
