// Sub-groups inside the groups of a grouped string grid, and their removal.
#include "grid/tests/QuillGridGroupFixture.h"

#include <string>
#include <utility>
#include <vector>

#include "grid/model/BehaviourSettings.h"

namespace {

class QuillGridSubGroupTest : public QuillGridGroupTest {
protected:
    // Rows of (group, kind) grouped by group: kind stays in column 2, amount in 3.
    void GroupRows(const std::vector<std::pair<std::string, std::string>>& GroupAndKind)
    {
        std::vector<std::string> groups, kinds;
        for (const auto& [group, kind] : GroupAndKind) {
            groups.push_back(group);
            kinds.push_back(kind);
        }
        FillRows(groups, kinds);
        Grid->Group(4);
    }
};

TEST_F(QuillGridSubGroupTest, RunsOfAColumnBecomeHeadersInsideEachGroup)
{
    GroupRows({{"A", "x"}, {"B", "x"}, {"A", "y"}, {"B", "x"}, {"A", "x"}});
    // A: n1 x, n3 y, n5 x; B: n2 x, n4 x (sorted stably by group).
    Grid->SubGroup(2);
    EXPECT_EQ(Kinds(), "HhdhdhdHhdd");
    EXPECT_EQ(ShownColumn(3), "h3  x 10 y 30 x 50  x 20 40");
    EXPECT_EQ(ShownColumn(2), "h2" + std::string(11, ' ')) << "the values moved into the headers";
    EXPECT_EQ(Grid->GetNodeSpan(1), 7) << "the group spans its sub-groups";
    EXPECT_EQ(Grid->GetNodeSpan(2), 2);
    EXPECT_EQ(Grid->GetNodeSpan(9), 3);
}

TEST_F(QuillGridSubGroupTest, SubUnGroupAndUnGroupGiveTheGridBack)
{
    ForEachGroupingLook([&](bool summary, bool merged) {
        GroupRows({{"A", "x"}, {"B", "x"}, {"A", "y"}, {"B", "x"}, {"A", "x"}, {"C", "z"}});
        if (summary) Grid->GroupSum(2);
        const std::string grouped = Everything();
        Grid->SubGroup(2);
        if (merged) {
            EXPECT_TRUE(Grid->IsBaseCell(3, 2));
        }
        EXPECT_EQ(Grid->GetNodeLevel(2), 2);
        Grid->SubUnGroup(2);
        EXPECT_EQ(Everything(), grouped);
        EXPECT_EQ(Grid->Colors(3, 2), clNone) << "no sub-group colour stays behind";
        Grid->UnGroup();
        // Grouping sorted the rows by group, stably.
        EXPECT_EQ(ShownColumn(2), "h2 x y x x x z");
        EXPECT_EQ(ShownColumn(4), "h4 A A A B B C");
        EXPECT_EQ(Grid->NumNodes(), 0);
    });
}

TEST_F(QuillGridSubGroupTest, AwkwardValuesAndColumns)
{
    // A value equal to the text the walk starts from still makes progress.
    GroupRows({{"A", "\xC3\xBF\xC3\xBE"}, {"A", "\xC3\xBF\xC3\xBE"}, {"A", ""}});
    Grid->SubGroup(2);
    EXPECT_EQ(Kinds(), "Hhddhd");
    Grid->SubUnGroup(2);
    EXPECT_EQ(Kinds(), "Hddd");
    const int rows = Grid->RowCount();
    Grid->SubGroup(Grid->ColCount() - 1);
    EXPECT_EQ(Grid->RowCount(), rows) << "the last column has no column for its values";
    Grid->SubGroup(0);
    EXPECT_EQ(Grid->RowCount(), rows) << "fixed column";
}

TEST_F(QuillGridSubGroupTest, FooterRowsStayLastAndKeepTheirTexts)
{
    Grid->Grouping().SetSummary(false);
    FillRows({"A", "B", "A", "X"}, {"x", "y", "x", "total"});
    Grid->SetFixedFooters(1);
    Grid->Group(4);
    // Summaries switched on after grouping: the last sub-group gets one.
    Grid->Grouping().SetSummary(true);
    Grid->SubGroup(2);
    EXPECT_EQ(Kinds(), "HhddHhdSd");
    EXPECT_EQ(ShownRow(Grid->RowCount() - 1), "4 n4 total 40");
}

TEST_F(QuillGridSubGroupTest, ContractedGroupsAndHiddenRowsKeepTheirValues)
{
    GroupRows({{"A", "x"}, {"B", "y"}, {"A", "x"}, {"B", "z"}, {"A", "y"}, {"A", "y"}});
    // A: n1 x, n3 x, n5 y, n6 y; B: n2 y, n4 z.
    Grid->ContractNode(Grid->RealRowIndex(6));
    Grid->HideRow(Grid->RealRowIndex(2));
    Grid->SubGroup(2);
    EXPECT_EQ(Kinds(), "HhdhddH") << "the contracted group is passed over";
    EXPECT_EQ(ShownColumn(3), "h3  x 30 y 50 60 ");
    EXPECT_EQ(Grid->GetNodeSpan(1), 7) << "two headers more, the hidden row counted";
    EXPECT_EQ(Grid->GetNodeSpan(2), 2);
    Grid->SubUnGroup(2);
    EXPECT_EQ(Kinds(), "HdddHdd");
    EXPECT_EQ(ShownColumn(2), "h2  x y y  y z") << "rows no header held keep their own values";
    EXPECT_EQ(Grid->GetNodeSpan(1), 5);
    Grid->UnHideRow(Grid->RealRowIndex(1) + 1);
    EXPECT_EQ(Grid->Cells(2, 2), "x");
}

} // namespace
