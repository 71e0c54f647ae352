// A styled menu for the tests: a platform popup menu that answers as a styled
// menu and counts the rebuilds asked of it.
#pragma once

#include "menus/QuillMenuInterface.h"
#include "platform/ui/Menus.h"

class TCountingStyledMenu : public TPopupMenu, public IQuillMenu {
    VISTRA_CLASS(TCountingStyledMenu, TPopupMenu)

    explicit TCountingStyledMenu(TComponent* AOwner) : TPopupMenu(AOwner)
    {
        OnChange = [this](TObject*) { ++Rebuilds; };
    }

    void UpdateItems() override { TMenu::UpdateItems(); }
    TMenu* OwnerMenu() override { return this; }
    TCustomQuillMenuStyler* MenuStyler() const override { return nullptr; }
    TCustomQuillMenuStyler* CurrentMenuStyler() const override { return nullptr; }
    void SetMenuStyler(TCustomQuillMenuStyler*) override {}
    std::uint8_t Opacity() const override { return 255; }
    void SetOpacity(std::uint8_t) override {}
    bool ShowNotes() const override { return true; }
    void SetShowNotes(bool) override {}
    bool IntlKeybShortCuts() const override { return false; }
    void SetIntlKeybShortCuts(bool) override {}

    int Rebuilds = 0;
};
