// The interface through which menu painting and appearance objects reach a styled menu.
#pragma once

#include <cstdint>

#include "platform/ui/Menus.h"

class TMenu;
class TMenuItem;
class TImageList;
class TCustomQuillMenuStyler;

// Implemented by the styled menus. Found by testing the menu's class
// (MenuInterface), never by an interface query.
class IQuillMenu {
public:
    // Rebuilds the item handles so that every item is measured and painted again.
    virtual void UpdateItems() = 0;
    virtual TMenu* OwnerMenu() = 0;
    // The assigned styler; null while the menu's internal one is in use.
    virtual TCustomQuillMenuStyler* MenuStyler() const = 0;
    // The styler in use, assigned or internal.
    virtual TCustomQuillMenuStyler* CurrentMenuStyler() const = 0;
    virtual void SetMenuStyler(TCustomQuillMenuStyler* Value) = 0;
    virtual std::uint8_t Opacity() const = 0;
    virtual void SetOpacity(std::uint8_t Value) = 0;
    virtual bool ShowNotes() const = 0;
    virtual void SetShowNotes(bool Value) = 0;
    virtual bool IntlKeybShortCuts() const = 0;
    virtual void SetIntlKeybShortCuts(bool Value) = 0;

protected:
    ~IQuillMenu() = default;
};

// The styled-menu interface of Menu; null for a plain menu or no menu.
IQuillMenu* MenuInterface(TMenu* Menu);
// The styled-menu interface of the menu an item belongs to.
IQuillMenu* ItemMenuInterface(const TMenuItem* Item);
// Makes the menu measure and paint its items again when either flag asks for
// a rebuild; nothing without a menu behind Intf.
void RefreshMenu(IQuillMenu* Intf, bool RebuildA, bool RebuildB);

namespace menus {

// The draw handler a styled menu gives its items, kept as an object so that
// binding tells the menu's own handler from one a user set.
struct TItemDrawHandler {
    const void* Owner = nullptr;
    TAdvancedMenuDrawItemEvent Draw;
    void operator()(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State) const
    {
        Draw(Sender, ACanvas, ARect, State);
    }
};

// Binds Item (or, without one, every item of Menu), with Recursive the
// submenus too, to the styled painting. An item already bound to this draw
// handler, and every item while Menu loads, is left alone; with
// KeepUserHandlers an item keeps a measure or draw handler of its user's.
void HookMenu(TMenu* Menu, TMenuItem* Item, bool Recursive, bool KeepUserHandlers, const TItemDrawHandler& DrawHandler,
              const TMenuMeasureItemEvent& MeasureHandler);

// A styled menu that keeps images for its disabled items.
class TDisabledImagesSource {
public:
    virtual TImageList* DisabledImages() const = 0;

protected:
    ~TDisabledImagesSource() = default;
};

// What an appearance object does after a change: refresh the menu it belongs to.
void RefreshOwnerMenu(TMenu* Menu, bool Rebuild);
} // namespace menus
