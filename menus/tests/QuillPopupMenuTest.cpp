// The styled popup menu as a component: stylers, item binding, placement.
#include "menus/MenuStyler.h"
#include "menus/tests/PopupFixture.h"

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(Caption);
    Parent->Add(item);
    return item;
}

bool BoundToStyledPainting(const TMenuItem* Item)
{
    return Item->OnAdvancedDrawItem.target<menus::TItemDrawHandler>() != nullptr && Item->OnMeasureItem != nullptr;
}

} // namespace

TEST_F(PopupTest, MenuSwitchesBetweenItsOwnStylerAndAnAssignedOne)
{
    TQuillPopupMenu menu(Form);
    TCustomQuillMenuStyler* internal = menu.CurrentMenuStyler();
    ASSERT_NE(internal, nullptr);
    EXPECT_EQ(internal->Name(), "InternalMenuStyler");
    EXPECT_EQ(menu.MenuStyler(), nullptr);

    auto* styler = new TCustomQuillMenuStyler(Form);
    menu.SetMenuStyler(styler);
    EXPECT_EQ(menu.MenuStyler(), styler);
    EXPECT_EQ(menu.CurrentMenuStyler(), styler);
    EXPECT_EQ(styler->Menu(), &menu);
    menu.SetMenuStyler(styler);
    EXPECT_EQ(menu.CurrentMenuStyler(), styler);

    // Freeing the assigned styler leaves a fresh internal one, never a dangling one.
    delete styler;
    ASSERT_NE(menu.CurrentMenuStyler(), nullptr);
    EXPECT_EQ(menu.MenuStyler(), nullptr);
    EXPECT_EQ(menu.CurrentMenuStyler()->Name(), "InternalMenuStyler");

    auto* other = new TCustomQuillMenuStyler(Form);
    menu.SetMenuStyler(other);
    menu.SetMenuStyler(nullptr);
    EXPECT_EQ(menu.MenuStyler(), nullptr);
    EXPECT_EQ(menu.CurrentMenuStyler()->Name(), "InternalMenuStyler");
    EXPECT_EQ(menu.CurrentMenuStyler()->Menu(), &menu);
    EXPECT_EQ(other->Menu(), &menu) << "the styler once assigned keeps its menu until it is given another";
    other->SetMenu(nullptr);
}

TEST_F(PopupTest, ItemsAreBoundOnceAndKeepTheirUsersDrawing)
{
    TQuillPopupMenu menu(Form);
    TMenuItem* plain = AddItem(menu.Items(), "Plain");
    TMenuItem* sub = AddItem(menu.Items(), "Sub");
    TMenuItem* deep = AddItem(sub, "Deep");
    EXPECT_TRUE(BoundToStyledPainting(plain));
    EXPECT_TRUE(BoundToStyledPainting(deep));

    auto* own = new TMenuItem(nullptr);
    int ownDraws = 0;
    own->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool) { ++ownDraws; };
    menu.Items()->Add(own);
    EXPECT_EQ(own->OnAdvancedDrawItem, nullptr);
    EXPECT_NE(own->OnMeasureItem, nullptr) << "measuring still follows the styled rules";

    // Nested updates bind only at the last EndUpdate.
    menu.BeginUpdate();
    menu.BeginUpdate();
    TMenuItem* late = AddItem(menu.Items(), "Late");
    menu.EndUpdate();
    EXPECT_FALSE(BoundToStyledPainting(late));
    EXPECT_TRUE(menu.MenuUpdating());
    menu.EndUpdate();
    EXPECT_TRUE(BoundToStyledPainting(late));
    EXPECT_FALSE(menu.MenuUpdating());
    // An EndUpdate without BeginUpdate binds and leaves updating off.
    menu.EndUpdate();
    EXPECT_FALSE(menu.MenuUpdating());
}

TEST_F(PopupTest, VersionReadsTheSameAfterAWrite)
{
    TQuillPopupMenu menu(Form);
    EXPECT_EQ(menu.GetVersionNr(), 0x02050400u);
    menu.SetVersion("9.9.9.9");
    EXPECT_EQ(menu.Version(), "2.5.4.0");
}

TEST_F(PopupTest, PlacementMakesRoomForTheClippedStripAndStaysOnTheDesktop)
{
    TQuillPopupMenu menu(Form);
    AddItem(menu.Items(), "Delete Row");
    int closes = 0;
    menu.OnClose = [&](TObject*) { ++closes; };
    TPoint shownAt;
    ui::SetPopupMenuHook([&](TPopupMenu& shown) {
        shownAt = shown.PopupPoint();
        return nullptr;
    });
    const int desktop = Screen->DesktopWidth();
    struct Case {
        const char* Name;
        TPopupAlignment Alignment;
        int X, ExpectedX;
    };
    const Case cases[] = {
        {"left, room to the right", paLeft, 300, 300},
        {"left, near the right edge", paLeft, desktop - 30, desktop - 13},
        {"right, room to the left", paRight, 300, 317},
        {"right, near the left edge", paRight, 5, 5},
        {"centre", paCenter, 300, 308},
        {"beyond the desktop", paLeft, desktop + 50, desktop - 1},
    };
    for (const Case& c : cases) {
        menu.SetAlignment(c.Alignment);
        menu.Popup(c.X, 40);
        EXPECT_EQ(shownAt, (TPoint{c.ExpectedX, 40})) << c.Name;
    }
    EXPECT_EQ(closes, static_cast<int>(std::size(cases)));

    // A menu without items goes to the platform unchanged and reports no closing.
    TQuillPopupMenu empty(Form);
    int emptyCloses = 0;
    empty.OnClose = [&](TObject*) { ++emptyCloses; };
    empty.Popup(desktop + 50, 40);
    EXPECT_EQ(empty.PopupPoint(), (TPoint{desktop + 50, 40}));
    EXPECT_EQ(emptyCloses, 0);
    EXPECT_TRUE(static_cast<bool>(empty.OnClose));
    ui::SetPopupMenuHook(nullptr);
}

TEST_F(PopupTest, MenuAnimationIsOffForThisProcessWhileMenusAreLoaded)
{
    bool animation = true;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETMENUANIMATION, 0, &animation, 0));
    EXPECT_FALSE(animation);
}

TEST_F(PopupTest, PopupWindowIsClippedFramedAndGivenBackWhenItCloses)
{
    TQuillPopupMenu menu(Form);
    AddItem(menu.Items(), "Delete Row");
    AddItem(menu.Items(), "Insert Row");
    HWND window = 0;
    WithPopupOpen(menu, 200, 150, [&](TCustomForm& popup) {
        window = popup.Handle();
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(window, region), ERROR_REGION);
        TRect box;
        GetRgnBox(region, box);
        DeleteObject(region);
        EXPECT_EQ(box, Rect(1, 1, popup.Width() - 18, popup.Height() - 1));
        // The first level moves one pixel left and two up.
        EXPECT_EQ(popup.Left(), 199);
        EXPECT_EQ(popup.Top(), 148);
        auto shot = Shot(popup);
        const TColor border = menu.CurrentMenuStyler()->MenuBorderColor();
        EXPECT_EQ(shot->Canvas()->Pixels(1, 5), border);
        EXPECT_EQ(shot->Canvas()->Pixels(popup.Width() - 19, 5), border);
        EXPECT_EQ(shot->Canvas()->Pixels(5, popup.Height() - 2), border);
        EXPECT_EQ(shot->Canvas()->Pixels(0, 5), Desktop);
    });
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR_REGION) << "closing removes the region";
    DeleteObject(region);
}

TEST_F(PopupTest, SubmenuWindowOpeningRightMovesOverItsParent)
{
    TQuillPopupMenu menu(Form);
    AddItem(menu.Items(), "Plain");
    TMenuItem* more = AddItem(menu.Items(), "More");
    AddItem(more, "Deep");
    WithPopupOpen(menu, 200, 150, [&](TCustomForm& popup) {
        backend::input::PressKey(*Form, VK_DOWN);
        backend::input::PressKey(*Form, VK_DOWN);
        backend::input::PressKey(*Form, VK_RIGHT);
        std::vector<TCustomForm*> popups = OpenPopups();
        ASSERT_EQ(popups.size(), 2u);
        TCustomForm& sub = *popups.back();
        sub.Surface();
        // The tracker opened it at its parent item's right edge, three pixels
        // inside the parent window; the first paint moved it fourteen more.
        EXPECT_EQ(sub.Left(), popup.Left() + popup.Width() - 3 - 14);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(sub.Handle(), region), ERROR_REGION);
        DeleteObject(region);
        backend::input::PressKey(*Form, VK_ESCAPE);
    });
}
