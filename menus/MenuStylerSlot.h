// The styler a styled menu draws with: one the menu owns, or one assigned to it.
#pragma once

#include "platform/classes/Component.h"

class TCustomQuillMenuStyler;
class TMenu;

namespace menus {

class TMenuStylerSlot {
public:
    // Starts with an internal styler owned by Menu.
    explicit TMenuStylerSlot(TMenu& Menu);
    ~TMenuStylerSlot();
    TMenuStylerSlot(const TMenuStylerSlot&) = delete;
    TMenuStylerSlot& operator=(const TMenuStylerSlot&) = delete;

    // The assigned styler; null while the internal one is in use.
    TCustomQuillMenuStyler* Assigned() const noexcept { return FMenuStyler; }
    // The styler in use; never null while the menu lives.
    TCustomQuillMenuStyler* Current() const noexcept { return FCurrentMenuStyler; }
    // Null goes back to a fresh internal styler.
    void Assign(TCustomQuillMenuStyler* Value);
    // The menu's removal notifications: a freed assigned styler is replaced.
    void Notification(TComponent* AComponent, TOperation Operation);
    // After loading, an internal styler that is no longer in use goes.
    void Loaded();

private:
    void CreateInternal();

    TMenu& FMenu;
    TCustomQuillMenuStyler* FMenuStyler = nullptr;
    TCustomQuillMenuStyler* FInternalMenuStyler = nullptr;
    TCustomQuillMenuStyler* FCurrentMenuStyler = nullptr;
};

} // namespace menus
