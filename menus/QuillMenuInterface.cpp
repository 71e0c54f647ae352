// Finding a menu's styled-menu interface and asking it to refresh.
#include "menus/QuillMenuInterface.h"

#include "platform/ui/Menus.h"

IQuillMenu* MenuInterface(TMenu* Menu)
{
    return dynamic_cast<IQuillMenu*>(Menu);
}

IQuillMenu* ItemMenuInterface(const TMenuItem* Item)
{
    return Item ? MenuInterface(Item->GetParentMenu()) : nullptr;
}

void RefreshMenu(IQuillMenu* Intf, bool RebuildA, bool RebuildB)
{
    if (!Intf || !Intf->OwnerMenu()) return;
    if (RebuildA || RebuildB) Intf->UpdateItems();
}

namespace menus {

namespace {

void HookItem(TMenu* Menu, TMenuItem* Item, bool KeepUserHandlers, const TItemDrawHandler& DrawHandler,
              const TMenuMeasureItemEvent& MeasureHandler)
{
    if (Menu->ComponentState().Contains(csLoading)) return;
    const auto* bound = Item->OnAdvancedDrawItem.target<TItemDrawHandler>();
    if (bound && bound->Owner == DrawHandler.Owner) return;
    if (!(Item->OnMeasureItem && KeepUserHandlers)) Item->OnMeasureItem = MeasureHandler;
    if (!((Item->OnAdvancedDrawItem || Item->OnDrawItem) && KeepUserHandlers)) Item->OnAdvancedDrawItem = DrawHandler;
}

void HookChildren(TMenu* Menu, TMenuItem* Parent, bool Recursive, bool KeepUserHandlers,
                  const TItemDrawHandler& DrawHandler, const TMenuMeasureItemEvent& MeasureHandler)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* child = Parent->Items(i);
        HookItem(Menu, child, KeepUserHandlers, DrawHandler, MeasureHandler);
        if (Recursive && child->Count() > 0)
            HookChildren(Menu, child, Recursive, KeepUserHandlers, DrawHandler, MeasureHandler);
    }
}

} // namespace

void HookMenu(TMenu* Menu, TMenuItem* Item, bool Recursive, bool KeepUserHandlers, const TItemDrawHandler& DrawHandler,
              const TMenuMeasureItemEvent& MeasureHandler)
{
    if (!Menu) return;
    if (Item) {
        HookItem(Menu, Item, KeepUserHandlers, DrawHandler, MeasureHandler);
        if (Recursive) HookChildren(Menu, Item, Recursive, KeepUserHandlers, DrawHandler, MeasureHandler);
    } else HookChildren(Menu, Menu->Items(), Recursive, KeepUserHandlers, DrawHandler, MeasureHandler);
}

void RefreshOwnerMenu(TMenu* Menu, bool Rebuild)
{
    RefreshMenu(MenuInterface(Menu), Rebuild, false);
}
} // namespace menus
