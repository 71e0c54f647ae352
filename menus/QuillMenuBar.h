// The styled menu bar: a form's main menu whose bar items and drop-downs are
// measured and painted in a menu styler's look, with a list of the
// application's windows kept in one of its menus.
#pragma once

#include "menus/StyledMenuSettings.h"
#include "platform/ui/Menus.h"

#include <cstdint>

class TCustomQuillMenuStyler;
class TImageList;

// The shortcut value that marks the separator in front of the window list.
inline constexpr TShortCut WindowListMarkerShortCut = 0xABCD;
// The radio group of the window-list items.
inline constexpr std::uint8_t WindowListGroupIndex = 205;

class TQuillMainMenu : public TMainMenu, public menus::TStyledMenuSettings, public menus::TDisabledImagesSource {
    VISTRA_CLASS(TQuillMainMenu, TMainMenu)

    explicit TQuillMainMenu(TComponent* AOwner);
    ~TQuillMainMenu() override;
    void Loaded() override;

    void BarBeginUpdate();
    // The last one binds all items and draws the bar again.
    void BarEndUpdate();
    bool MenuUpdating() const noexcept { return FMenuUpdating; }

    TImageList* DisabledImages() const override { return FDisabledImages; }
    void SetDisabledImages(TImageList* Value) { FDisabledImages = Value; }

    // The menu that lists the application's windows after a marker separator.
    TMenuItem* WindowMenu() const noexcept { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* Value);
    // Rebuilds the window list: one numbered radio item per shown top-level
    // form, sorted by caption, the active form's checked.
    void RefreshWindowList();
    // Brings the form of a window-list item to the front.
    void WindowListItemClick(TObject* Sender);

    // IQuillMenu. Refreshing the bar refreshes its window list too.
    void UpdateItems() override;
    TMenu* OwnerMenu() override { return this; }

    // The handlers every item receives.
    void BarMeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void BarDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    void HookItems();

    bool FMenuUpdating = false;
    int FUpdateCount = 0;
    bool FRefreshingList = false;
    TImageList* FDisabledImages = nullptr;
    TMenuItem* FWindowMenu = nullptr;
};
