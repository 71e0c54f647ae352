// Header filter buttons driven by mouse messages: the list they drop, what
// choosing or ticking an entry filters, and where the list shows.
#include "grid/interact/tests/GridEditingFixture.h"
#include "grid/model/AppearanceSettings.h"

#include <utility>
#include <vector>

#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/PopupWatch.h"

using namespace backend::input;

namespace {

class GridFilterDropDownTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        Grid->SetRowCount(7);
        const char* fruit[] = {"pear", "apple", ">5", "7", "pear", "fig tree"};
        for (int r = 1; r < 7; ++r) Grid->SetCells(1, r, fruit[r - 1]);
        Grid->SetFilterDropDownAuto(true);
        Grid->SortSettings().SetShow(true);
        Grid->OnClickSort = [this](TObject*, int) { ++Sorts; };
    }
    // The middle of the filter button of a header cell.
    TPoint Button(int ACol)
    {
        const TRect r = Grid->CellRect(ACol, 0);
        return {r.Right - 9, r.Top + 8};
    }
    std::vector<std::string> Entries()
    {
        std::vector<std::string> items;
        if (TCustomListBox* list = Grid->FilterDropDownList())
            for (int i = 0; i < list->Count(); ++i) items.push_back(list->Items().Strings(i));
        return items;
    }
    void Choose(const std::string& Entry)
    {
        TCustomListBox* list = Grid->FilterDropDownList();
        ASSERT_NE(list, nullptr);
        const int item = list->Items().IndexOf(Entry);
        ASSERT_GE(item, 0) << Entry;
        const TRect r = list->ItemRect(item);
        Click(*list, {r.Left + 20, (r.Top + r.Bottom) / 2});
        Pump();
    }
    int Sorts = 0;
};

} // namespace

TEST_F(GridFilterDropDownTest, ButtonDropsTheColumnsEntriesAndChoosingOneFilters)
{
    Click(*Grid, Button(1));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"(All)", "7", ">5", "apple", "fig tree", "pear"}));
    EXPECT_EQ(Grid->FilterCol(), 1);
    EXPECT_EQ(Sorts, 0) << "a click on the filter button never sorts";
    // An entry holding the filter language's characters matches itself only.
    Choose(">5");
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(ShownColumn(), " >5");
    Click(*Grid, Button(1));
    Choose("(All)");
    EXPECT_EQ(ShownColumn(), " pear apple >5 7 pear fig tree");

    // A click on the open list's button closes it; one beside the button sorts.
    Click(*Grid, Button(1));
    ASSERT_NE(Grid->FilterDropDownList(), nullptr);
    Click(*Grid, Button(1));
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(Grid->FilterCol(), -1);
    Click(*Grid, Button(1));
    ASSERT_NE(Grid->FilterDropDownList(), nullptr);
    const TRect header = Grid->CellRect(1, 0);
    Click(*Grid, {header.Left + 10, header.Top + 8});
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr) << "a press elsewhere closes the list";
    EXPECT_EQ(Sorts, 1);
}

TEST_F(GridFilterDropDownTest, OnlyColumnsWithEntriesShowAButton)
{
    Grid->SetFilterDropDownAuto(false);
    Grid->OnGetColumnFilter = [](TObject*, int Column, TStrings* Filter) {
        if (Column == 2) Filter->Add("Short=<4");
    };
    EXPECT_FALSE(Grid->HasFilterButton(1, 0));
    EXPECT_TRUE(Grid->HasFilterButton(2, 0));
    EXPECT_FALSE(Grid->HasFilterButton(2, 1)) << "only the filter row";
    Click(*Grid, Button(1));
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(Sorts, 1);
    for (int r = 1; r < 7; ++r) Grid->SetCells(2, r, std::to_string(r));
    Click(*Grid, Button(2));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Short"})) << "only the display part shows";
    Choose("Short");
    EXPECT_EQ(ShownColumn(2), " 1 2 3");
}

TEST_F(GridFilterDropDownTest, TickedEntriesFilterTogetherAndStayTickedWhenReopened)
{
    Grid->SetFilterDropDownCheck(true);
    Click(*Grid, Button(1));
    Choose("apple");
    EXPECT_NE(Grid->FilterDropDownList(), nullptr) << "the check list stays open while ticking";
    Choose("fig tree");
    EXPECT_EQ(ShownColumn(), " apple fig tree");
    Click(*Grid, Grid->CellRect(2, 2).TopLeft());
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    Click(*Grid, Button(1));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"(All)", "apple", "fig tree"}));
    // Unticking one keeps the other, which the list shows ticked.
    Choose("apple");
    EXPECT_EQ(ShownColumn(), " fig tree");
    ASSERT_EQ(Grid->Filter().Count(), 1);
    EXPECT_EQ(Grid->Filter().GetItem(0)->Condition(), "fig\\ tree");
}

TEST_F(GridFilterDropDownTest, AGridFreedWithItsListOpenLeavesNoListBehind)
{
    Click(*Grid, Button(1));
    ASSERT_NE(Grid->FilterDropDownList(), nullptr);
    delete Grid;
    Grid = nullptr;
    Click(*Other);
    Pump();
    EXPECT_EQ(ui::OpenPopup(), nullptr);
}

TEST_F(GridFilterDropDownTest, ListSitsUnderTheButtonInsideTheGrid)
{
    struct Case {
        const char* Name;
        int Column;
        bool AutoSize, ColumnWidth;
    };
    const Case cases[] = {{"fixed size", 1, false, false}, {"as wide as the column", 2, false, true},
                          {"near the right edge", 3, false, false}, {"fitted to its entries", 1, true, false}};
    Grid->SetColWidths(3, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->FilterDropDown().SetAutoSize(c.AutoSize);
        Grid->FilterDropDown().SetColumnWidth(c.ColumnWidth);
        Click(*Grid, Button(c.Column));
        TCustomListBox* list = Grid->FilterDropDownList();
        ASSERT_NE(list, nullptr);
        const TCustomForm* popup = list->GetParentForm();
        const TRect cell = Grid->CellRect(c.Column, 0);
        const TPoint at = Grid->ScreenToClient({popup->Left(), popup->Top()});
        EXPECT_EQ(at.Y, cell.Top + 16);
        if (c.ColumnWidth) {
            EXPECT_EQ(at.X, cell.Left);
            EXPECT_EQ(popup->Width(), cell.Right - cell.Left);
        } else if (c.AutoSize) {
            EXPECT_EQ(popup->Height(), list->Count() * list->ItemHeight() + 4);
            EXPECT_LT(popup->Width(), 150);
        } else {
            EXPECT_EQ(popup->Width(), 150);
            EXPECT_EQ(popup->Height(), 150);
            if (cell.Right - 16 + 150 > Grid->ClientWidth()) EXPECT_EQ(at.X + 150, cell.Right) << "ends at the column";
            else EXPECT_EQ(at.X, cell.Right - 16);
        }
        Grid->HideFilterDropDown();
    }
}

TEST_F(GridFilterDropDownTest, KeysWorkTheOpenListWhileTheGridKeepsTheFocus)
{
    // Enter and Esc belong to the open list, not to the form's buttons.
    auto* ok = new TButton(Form);
    ok->SetParent(Form);
    ok->SetBounds(510, 40, 80, 25);
    ok->SetDefault(true);
    auto* cancel = new TButton(Form);
    cancel->SetParent(Form);
    cancel->SetBounds(510, 70, 80, 25);
    cancel->SetCancel(true);
    int buttonClicks = 0;
    ok->OnClick = cancel->OnClick = [&](TObject*) { ++buttonClicks; };
    auto itemIndex = [this] { return Grid->FilterDropDownList()->ItemIndex(); };

    // Entries: "(All)", "7", ">5", "apple", "fig tree", "pear".
    Click(*Grid, Button(1));
    ASSERT_NE(Grid->FilterDropDownList(), nullptr);
    EXPECT_TRUE(Grid->Focused());
    const std::pair<unsigned short, int> moves[] = {
        {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_END, 5}, {VK_UP, 4}, {VK_HOME, 0}, {VK_NEXT, 5}, {VK_PRIOR, 0}, {VK_DOWN, 1},
    };
    for (const auto& [key, expected] : moves) {
        Press(key);
        EXPECT_EQ(itemIndex(), expected) << "after key " << key;
    }
    EXPECT_EQ(Grid->Row(), 1) << "the grid's own cell stays";
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    EXPECT_EQ(ShownColumn(), " >5");
    EXPECT_FALSE(EditorShown()) << "Enter's character opened no editor";
    Click(*Grid, Button(1));
    Press(VK_HOME);
    Press(VK_RETURN);
    EXPECT_EQ(ShownColumn(), " pear apple >5 7 pear fig tree");

    // The check list: Space ticks the item reached, Esc closes.
    Grid->SetFilterDropDownCheck(true);
    Click(*Grid, Button(1));
    EXPECT_EQ(itemIndex(), -1);
    for (int i = 0; i < 4; ++i) Press(VK_DOWN);
    Press(VK_SPACE);
    EXPECT_EQ(ShownColumn(), " apple");
    ASSERT_NE(Grid->FilterDropDownList(), nullptr) << "ticking keeps the list open";
    Press(VK_DOWN);
    Press(VK_SPACE);
    EXPECT_EQ(ShownColumn(), " apple fig tree");
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->FilterDropDownList(), nullptr);
    EXPECT_FALSE(EditorShown()) << "Space's character opened no editor";
    EXPECT_EQ(buttonClicks, 0);

    // Closed, Space and Esc are the grid's and the form's again.
    Press(VK_ESCAPE);
    EXPECT_EQ(buttonClicks, 1);

    // A grid that edits after every arrow opens no editor under the list.
    SetOption(goEditing, true);
    Grid->Navigation().SetAlwaysEdit(true);
    Click(*Grid, Button(1));
    Press(VK_DOWN);
    EXPECT_FALSE(EditorShown());
    Press(VK_ESCAPE);
    Press(VK_DOWN);
    EXPECT_TRUE(EditorShown()) << "closed, the arrows are the grid's again";
}
