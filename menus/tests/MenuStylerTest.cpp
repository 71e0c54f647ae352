// The menu styler: its parts, fonts, and the menu it hands to them.
#include "menus/MenuStyler.h"

#include "menus/ButtonAppearance.h"
#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuFonts.h"
#include "menus/MenuGlyphs.h"
#include "menus/MenuSideBar.h"
#include "menus/tests/CountingStyledMenu.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

namespace {

// The menu references of the styler's seven direct parts.
std::vector<TMenu*> PartMenus(const TCustomQuillMenuStyler& Styler)
{
    return {Styler.Background()->Menu(), Styler.IconBar()->Menu(), Styler.SelectedItem()->Menu(),
            Styler.RootItem()->Menu(),   Styler.Glyphs()->Menu(),  Styler.SideBar()->Menu(),
            Styler.Separator()->Menu()};
}

} // namespace

TEST(MenuStylerTest, NewStylerStartsWithTheDefaultLook)
{
    TCustomQuillMenuStyler styler(nullptr);
    const TFont& menuFont = menus::SystemMenuFont();
    EXPECT_EQ(styler.Menu(), nullptr);
    EXPECT_EQ(styler.AntiAlias(), aaNone);
    EXPECT_TRUE(styler.UseSystemFont());
    EXPECT_FALSE(styler.MenuBarUpdating());
    EXPECT_EQ(styler.MenuBorderColor(), 0x7C7C94);
    EXPECT_EQ(styler.Font()->Name(), menuFont.Name());
    EXPECT_EQ(styler.Font()->Size(), menuFont.Size());
    EXPECT_EQ(styler.NotesFont()->Name(), menuFont.Name());
    EXPECT_EQ(styler.NotesFont()->Size(), menuFont.Size() - 2);
    EXPECT_EQ(styler.NotesFont()->Color(), 0x808080);
    EXPECT_EQ(styler.SelectedItem()->NotesFont()->Size(), menuFont.Size() - 2);
    EXPECT_EQ(styler.SelectedItem()->NotesFont()->Color(), clWindowText);
    EXPECT_EQ(styler.IconBar()->Color(), 0xFFF9F9);
    EXPECT_EQ(styler.Separator()->Color(), 0x8F6D6E);
    EXPECT_EQ(styler.Glyphs()->Check()->Width(), 16);
    EXPECT_FALSE(styler.SideBar()->Visible());
    EXPECT_EQ(styler.ButtonAppearance()->DownColor(), 0xB59285);
    EXPECT_EQ(PartMenus(styler), std::vector<TMenu*>(7, nullptr));
}

TEST(MenuStylerTest, MenuIsHandedToEveryPartAndTheirChangesRebuildIt)
{
    TCountingStyledMenu menu(nullptr);
    TCustomQuillMenuStyler styler(nullptr);
    styler.SetMenu(&menu);
    EXPECT_EQ(PartMenus(styler), std::vector<TMenu*>(7, &menu));
    EXPECT_EQ(menu.Rebuilds, 0);

    styler.IconBar()->SetSize(30);
    styler.SelectedItem()->SetUseSystemFont(false);
    styler.SetAntiAlias(aaClearType);
    TFont font;
    styler.SetFont(&font);
    EXPECT_EQ(menu.Rebuilds, 4);
    // The side bar's caption and picture objects were made before the menu was known.
    styler.SideBar()->SetFont(&font);
    styler.SideBar()->Background()->SetImage(nullptr);
    EXPECT_EQ(menu.Rebuilds, 4);

    styler.SetMenu(nullptr);
    EXPECT_EQ(PartMenus(styler), std::vector<TMenu*>(7, nullptr));
    styler.IconBar()->SetSize(40);
    EXPECT_EQ(menu.Rebuilds, 4);
}

TEST(MenuStylerTest, SettingAPartCopiesItAndRebuildsOnlyWhereSizesMayChange)
{
    TCountingStyledMenu menu(nullptr);
    TCustomQuillMenuStyler styler(nullptr);
    styler.SetMenu(&menu);

    TBackground background(nullptr);
    background.SetColor(0x000011);
    styler.SetBackground(&background);
    TSeparator separator(nullptr);
    separator.SetMargin(7);
    styler.SetSeparator(&separator);
    TButtonAppearance button;
    button.SetHoverColor(0x000022);
    styler.SetButtonAppearance(&button);
    EXPECT_EQ(styler.Background()->Color(), 0x000011);
    EXPECT_NE(styler.Background(), &background);
    EXPECT_EQ(styler.Separator()->Margin(), 7);
    EXPECT_EQ(styler.ButtonAppearance()->HoverColor(), 0x000022);
    EXPECT_EQ(menu.Rebuilds, 0);

    TSideBar side(nullptr);
    side.SetVisible(true);
    styler.SetSideBar(&side);
    EXPECT_TRUE(styler.SideBar()->Visible());
    EXPECT_EQ(menu.Rebuilds, 1);
    // Copying keeps the styler's own menu in its parts.
    EXPECT_EQ(styler.SideBar()->Menu(), &menu);
}

TEST(MenuStylerTest, FreedMenuIsForgotten)
{
    TCustomQuillMenuStyler styler(nullptr);
    {
        TCountingStyledMenu menu(nullptr);
        styler.SetMenu(&menu);
    }
    EXPECT_EQ(styler.Menu(), nullptr);
    EXPECT_EQ(PartMenus(styler), std::vector<TMenu*>(7, nullptr));
    styler.IconBar()->SetSize(20);
}

TEST(MenuStylerTest, MenuOutlivesItsStyler)
{
    TCountingStyledMenu menu(nullptr);
    {
        TCustomQuillMenuStyler styler(nullptr);
        styler.SetMenu(&menu);
    }
    menu.UpdateItems();
    EXPECT_EQ(menu.Rebuilds, 1);
}

TEST(MenuStylerTest, StylerDoesNotCopyAnotherStyler)
{
    TCustomQuillMenuStyler styler(nullptr);
    TCustomQuillMenuStyler other(nullptr);
    EXPECT_THROW(styler.Assign(&other), EConvertError);
}
