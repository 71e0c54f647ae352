// The styled popup menu: a platform popup menu whose items measure and paint
// themselves in the look of a menu styler.
#pragma once

#include "menus/StyledMenuSettings.h"
#include "platform/ui/Menus.h"

#include <cstdint>
#include <string>

class TCustomQuillMenuStyler;
class TImageList;


class TQuillPopupMenu : public TPopupMenu, public menus::TStyledMenuSettings, public menus::TDisabledImagesSource {
    VISTRA_CLASS(TQuillPopupMenu, TPopupMenu)

    explicit TQuillPopupMenu(TComponent* AOwner);
    ~TQuillPopupMenu() override;

    // Places the popup for the strip its windows lose at the right, then shows
    // and tracks it; OnClose follows when the menu had items.
    void Popup(int X, int Y) override;
    void Popup(TPoint P) { Popup(P.X, P.Y); }
    void PopupAtCursor();
    void Loaded() override;

    // Item changes are bound to the styled painting after the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool MenuUpdating() const noexcept { return FMenuUpdating; }
    // Binds item changes even while updating.
    bool DirectUpdate() const noexcept { return FDirectUpdate; }
    void SetDirectUpdate(bool Value) noexcept { FDirectUpdate = Value; }

    // Images drawn for disabled items. Image lists are not components here, so
    // whoever frees one that a menu uses clears it from the menu first.
    TImageList* DisabledImages() const override { return FDisabledImages; }
    void SetDisabledImages(TImageList* Value);

    virtual std::uint32_t GetVersionNr() const { return 0x02050400; }
    std::string Version() const;
    // The version is fixed; writing it changes nothing.
    void SetVersion(const std::string&) {}

    // Free for the menu's user; the menu never reads it.
    TObject* ItemObject() const noexcept { return FItemObject; }
    void SetItemObject(TObject* Value) noexcept { FItemObject = Value; }

    // IQuillMenu
    void UpdateItems() override { TMenu::UpdateItems(); }
    TMenu* OwnerMenu() override { return this; }

    // The handlers every item receives.
    void ExpandItemWidth(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    // Binds Item, or every item without one; with Children, Item's submenu too.
    void HookItems(TMenuItem* Item, bool Children = false);
    // The width the first item asks for, measured as its popup would measure it.
    int FirstItemWidth();

    bool FMenuUpdating = false;
    int FUpdateRef = 0;
    bool FDirectUpdate = false;
    TImageList* FDisabledImages = nullptr;
    TObject* FItemObject = nullptr;
};
