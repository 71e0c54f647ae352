// Measuring styled items, caption notes and shortcut texts.
#include "menus/MenuAppearance.h"
#include "menus/MenuFonts.h"
#include "menus/MenuItemDrawing.h"
#include "menus/MenuSideBar.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/MenuWindow.h"

#include <gtest/gtest.h>

namespace {

struct MeasureFixture : testing::Test {
    TQuillPopupMenu Menu{nullptr};
    TBitmap Probe{1, 1};

    TMenuItem* Add(const std::string& Caption, TShortCut Key = 0)
    {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(Caption);
        item->SetShortCut(Key);
        Menu.Items()->Add(item);
        return item;
    }
    // Measures as a popup does: the platform's default first, then the styled rules.
    TSize Measure(TMenuItem* Item)
    {
        Probe.Canvas()->Font()->Assign(&menus::SystemMenuFont());
        int w = 0, h = 0;
        Item->MeasureItem(Probe.Canvas(), w, h);
        return {w, h};
    }
    TSize Text(const std::string& Text, const TFont& Font)
    {
        Probe.Canvas()->Font()->Assign(&Font);
        TRect r;
        DrawText(Probe.Canvas()->Handle(), Text, r, DT_CALCRECT | DT_SINGLELINE);
        return {r.Width(), r.Height()};
    }
    int DefaultHeight(TMenuItem* Item)
    {
        Probe.Canvas()->Font()->Assign(&menus::SystemMenuFont());
        int w = 0, h = 0;
        ui::DefaultMeasureMenuItem(*Item, Probe.Canvas(), w, h);
        return h;
    }
};

} // namespace

TEST_F(MeasureFixture, PlainItemSeparatorAndHiddenItem)
{
    TMenuItem* item = Add("Delete Row");
    const int h0 = DefaultHeight(item);
    const TSize text = Text("Delete Row", *Menu.CurrentMenuStyler()->Font());
    EXPECT_EQ(Measure(item), (TSize{24 + 15 + text.cx + 7 + 17, std::max((h0 - 1 + 1) / 2 * 2, text.cy + 6)}));

    TMenuItem* line = Add("-");
    EXPECT_EQ(Measure(line), (TSize{-2, Menu.CurrentMenuStyler()->Separator()->Width() + 2}));

    TMenuItem* hidden = Add("Hidden");
    hidden->SetVisible(false);
    EXPECT_EQ(Measure(hidden), (TSize{0, 0}));
}

TEST_F(MeasureFixture, NotesLinesAddHeightAndWidth)
{
    const std::string longNote = "a notes line that is much wider than its title";
    TMenuItem* item = Add("Geocode\\nfirst line\\n" + longNote);
    const TCustomQuillMenuStyler& S = *Menu.CurrentMenuStyler();
    const TSize title = Text("Geocode", *S.Font());
    const int gh = Text("gh", *S.NotesFont()).cy;
    const int widest = Text(longNote, *S.NotesFont()).cx;
    const TSize size = Measure(item);
    EXPECT_EQ(size.cy, title.cy + 6 + 2 * gh);
    EXPECT_EQ(size.cx, widest + 17 + S.IconBar()->Size() + 8);

    // Without notes the whole caption, separators included, is one line.
    Menu.SetShowNotes(false);
    const TSize whole = Text("Geocode\\nfirst line\\n" + longNote, *S.Font());
    EXPECT_EQ(Measure(item).cx, 24 + 15 + whole.cx + 7 + 17);
}

TEST_F(MeasureFixture, SideBarWidensItemsAndTheirNotes)
{
    TMenuItem* item = Add("Go\\n" + std::string("a long notes line under a short title"));
    const int without = Measure(item).cx;
    Menu.CurrentMenuStyler()->SideBar()->SetVisible(true);
    Menu.CurrentMenuStyler()->SideBar()->SetVisibleIn(viFirstLevel);
    ASSERT_TRUE(SideBarShown(item));
    EXPECT_EQ(Measure(item).cx, without + 24 + 1);
    // A popup menu's items are never in a menu bar's first drop-down.
    Menu.CurrentMenuStyler()->SideBar()->SetVisibleIn(viFirstVisible);
    EXPECT_FALSE(SideBarShown(item));
}

TEST(MenuItemTextTest, CaptionsSplitIntoTitleAndNotes)
{
    const auto two = menus::SplitCaption("Title\\nOne\\nTwo", true);
    EXPECT_EQ(two.Title, "Title");
    EXPECT_EQ(two.Notes, (std::vector<std::string>{"One", "Two"}));
    const auto off = menus::SplitCaption("Title\\nOne", false);
    EXPECT_EQ(off.Title, "Title\\nOne");
    EXPECT_FALSE(off.HasNotes);
    EXPECT_FALSE(menus::SplitCaption("Plain", true).HasNotes);
}

TEST(MenuItemTextTest, ShortcutTexts)
{
    struct Case {
        TShortCut Key;
        bool International;
        const char* Text;
    };
    const Case cases[] = {
        {static_cast<TShortCut>(scCtrl | scShift | VK_F5), true, "Ctrl+Shift+F5"},
        {static_cast<TShortCut>(scCtrl | scShift | VK_F5), false, "Shift+Ctrl+F5"},
        {static_cast<TShortCut>(scAlt | VK_BACK), true, "Alt+Backspace"},
        {static_cast<TShortCut>(scCtrl | VK_PRIOR), true, "Ctrl+Page up"},
        {static_cast<TShortCut>(scWindowsKey | 'E'), false, "Win+E"},
        {static_cast<TShortCut>(scWindowsKey | 'E'), true, "E"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortCutText(c.Key, c.International), c.Text) << c.Text;
    EXPECT_EQ(menus::CapitalizeKeyName("NUM 5 (KEYPAD)"), "Num 5 (Keypad)");
}
