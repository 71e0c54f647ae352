// The memo's built-in context menu and the addresses in its text.
#include "MemoFixture.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Shell.h"

namespace {

// The client point of a column on the first row.
TPoint At(TQuillCustomMemo& Memo, int Col)
{
    const TRect area = Memo.TextAreaRect();
    return {area.Left + Col * Memo.CellSize().W + Memo.CellSize().W / 2, area.Top + Memo.CellSize().H / 2};
}

} // namespace

TEST_F(MemoTest, ContextMenuOffersTheEditCommandsAndPastes)
{
    SetText({"abc"});
    Clipboard()->SetAsText("XY");
    std::vector<std::pair<std::string, bool>> shown;
    std::string choose = "Paste";
    ui::SetPopupMenuHook([&](TPopupMenu& Menu) -> TMenuItem* {
        shown.clear();
        TMenuItem* chosen = nullptr;
        for (int i = 0; i < Menu.Items()->Count(); ++i) {
            TMenuItem* item = Menu.Items()->Items(i);
            shown.emplace_back(item->Caption(), item->Enabled());
            if (item->Caption() == choose) chosen = item;
        }
        return chosen;
    });
    auto restore = rtl::ScopeExit([] { ui::SetPopupMenuHook(nullptr); });
    Memo->SetCurX(1);
    Memo->ClearSelection();
    const TPoint screen = Memo->ClientToScreen(At(*Memo, 1));
    Memo->Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, bool>>{{"Undo", false},  {"Redo", false}, {"-", true},
                                                               {"Copy", false},  {"Cut", false},  {"Paste", true},
                                                               {"Delete", false}, {"-", true},    {"Select All", true}}));
    EXPECT_EQ(Text(), "aXYbc");
    choose = "Undo";
    Memo->Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(Text(), "abc");
    choose = "Select All";
    Memo->Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(Memo->SelLength(), 3);
    choose = "Delete";
    Memo->Perform(WM_CONTEXTMENU, 0, MakeLParam(screen.X, screen.Y));
    EXPECT_EQ(Text(), "");
    // In the gutter there is no built-in menu.
    shown.clear();
    const TPoint gutter = Memo->ClientToScreen({2, 5});
    Memo->Perform(WM_CONTEXTMENU, 0, MakeLParam(gutter.X, gutter.Y));
    EXPECT_TRUE(shown.empty());
}

TEST_F(MemoTest, AClickOnAnAddressOpensOnlyWebAndMailAddresses)
{
    SetText({"http://a.b/ file:///x mailto:a@b.c plain"});
    std::vector<std::string> opened;
    ui::SetShellOpenHandler([&](const std::string& Target) {
        opened.push_back(Target);
        return true;
    });
    auto restore = rtl::ScopeExit([] { ui::SetShellOpenHandler(nullptr); });
    EXPECT_TRUE(Memo->IsURLAt(0, 3));
    EXPECT_FALSE(Memo->IsURLAt(0, 11));
    EXPECT_TRUE(Memo->IsURLAt(0, 14));
    EXPECT_FALSE(Memo->IsURLAt(0, 37));
    for (int col : {3, 14, 25, 37}) backend::input::Click(*Memo, At(*Memo, col));
    EXPECT_EQ(opened, (std::vector<std::string>{"http://a.b/", "mailto:a@b.c"}));
    std::vector<std::string> clicked;
    Memo->OnURLClick = [&](TObject*, const std::string& Url) { clicked.push_back(Url); };
    backend::input::Click(*Memo, At(*Memo, 16));
    EXPECT_EQ(clicked, (std::vector<std::string>{"file:///x"}));
    backend::input::MouseMove(*Memo, At(*Memo, 3));
    EXPECT_EQ(Memo->Cursor(), crHandPoint);
    backend::input::MouseMove(*Memo, At(*Memo, 37));
    EXPECT_EQ(Memo->Cursor(), crIBeam);
    Memo->SetUrlAware(false);
    backend::input::Click(*Memo, At(*Memo, 3));
    EXPECT_EQ(opened.size(), 2u);
}
