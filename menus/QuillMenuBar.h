// The styled menu bar: a form's main menu whose bar items and drop-downs are
// measured and painted in a menu styler's look, with a list of the
// application's windows kept in one of its menus.
#pragma once

#include "menus/MenuStylerSlot.h"
#include "menus/QuillMenuInterface.h"
#include "platform/ui/Menus.h"

#include <cstdint>

class TCustomQuillMenuStyler;
class TImageList;

// The shortcut value that marks the separator in front of the window list.
inline constexpr TShortCut WindowListMarkerShortCut = 0xABCD;
// The radio group of the window-list items.
inline constexpr std::uint8_t WindowListGroupIndex = 205;

class TQuillMainMenu : public TMainMenu, public IQuillMenu, public menus::TDisabledImagesSource {
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
    TCustomQuillMenuStyler* MenuStyler() const override { return FStyler.Assigned(); }
    TCustomQuillMenuStyler* CurrentMenuStyler() const override { return FStyler.Current(); }
    void SetMenuStyler(TCustomQuillMenuStyler* Value) override { FStyler.Assign(Value); }
    std::uint8_t Opacity() const override { return FOpacity; }
    void SetOpacity(std::uint8_t Value) override { FOpacity = Value; }
    bool ShowNotes() const override { return FShowNotes; }
    void SetShowNotes(bool Value) override { FShowNotes = Value; }
    bool IntlKeybShortCuts() const override { return FIntlKeybShortCuts; }
    void SetIntlKeybShortCuts(bool Value) override { FIntlKeybShortCuts = Value; }

    // The handlers every item receives.
    void BarMeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void BarDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    void HookItems();

    menus::TMenuStylerSlot FStyler{*this};
    std::uint8_t FOpacity = 255;
    bool FShowNotes = true;
    bool FIntlKeybShortCuts = false;
    bool FMenuUpdating = false;
    int FUpdateCount = 0;
    bool FRefreshingList = false;
    TImageList* FDisabledImages = nullptr;
    TMenuItem* FWindowMenu = nullptr;
};
