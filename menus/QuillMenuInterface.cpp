// Finding a menu's styled-menu interface and asking it to refresh.
#include "menus/QuillMenuInterface.h"

#include "platform/ui/Menus.h"

IQuillMenu* MenuInterface(TMenu* Menu)
{
    return dynamic_cast<IQuillMenu*>(Menu);
}

void RefreshMenu(IQuillMenu* Intf, bool RebuildA, bool RebuildB)
{
    if (!Intf || !Intf->OwnerMenu()) return;
    if (RebuildA || RebuildB) Intf->UpdateItems();
}

namespace menus {
void RefreshOwnerMenu(TMenu* Menu, bool Rebuild)
{
    RefreshMenu(MenuInterface(Menu), Rebuild, false);
}
} // namespace menus
