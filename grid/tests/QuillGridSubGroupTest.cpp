// Sub-groups inside the groups of a grouped string grid, and their removal.
#include "grid/tests/QuillGridFixture.h"

#include <string>
#include <vector>

#include "grid/model/BehaviourSettings.h"

namespace {

class QuillGridSubGroupTest : public QuillGridTest {
protected:
    // A header row, then rows of (number, name, kind, amount, group); grouped
    // by the last column, which leaves: kind in column 2, amount in 3.
    void GroupRows(const std::vector<std::pair<std::string, std::string>>& GroupAndKind)
    {
        Grid->SetColCount(5);
        Grid->SetRowCount(static_cast<int>(GroupAndKind.size()) + 1);
        Grid->SetFixedRows(1);
        for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, "h" + std::to_string(c));
        for (std::size_t i = 0; i < GroupAndKind.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            Grid->SetCells(0, r, std::to_string(r));
            Grid->SetCells(1, r, "n" + std::to_string(r));
            Grid->SetCells(2, r, GroupAndKind[i].second);
            Grid->SetCells(3, r, std::to_string(10 * r));
            Grid->SetCells(4, r, GroupAndKind[i].first);
        }
        Grid->Group(4);
    }
    // Every stored text and the outline: H a node (its span), S a summary row.
    std::string Everything()
    {
        std::string s;
        for (int r = 0; r < Grid->TotalRowCount(); ++r) {
            for (int c = 0; c < Grid->AllColCount(); ++c) s += Grid->AllGridCells(c, r) + ",";
            if (Grid->IsNode(r)) s += "H" + std::to_string(Grid->GetNodeSpan(r));
            if (Grid->IsSummary(r)) s += "S";
            s += ";";
        }
        return s;
    }
    std::string Kinds()
    {
        std::string kinds;
        for (int r = 1; r < Grid->RowCount(); ++r)
            kinds += Grid->IsNode(r) ? (Grid->GetNodeLevel(r) > 1 ? 'h' : 'H') : (Grid->IsSummary(r) ? 'S' : 'd');
        return kinds;
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
    for (int variant = 0; variant < 3; ++variant) {
        const bool summary = variant > 0;
        const bool merged = variant == 2;
        SCOPED_TRACE(testing::Message() << "summaries " << summary << ", merged " << merged);
        Grid->Grouping().SetSummary(summary);
        Grid->Grouping().SetMergeHeader(merged);
        Grid->Grouping().SetHeaderColor(clRed);
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
    }
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

} // namespace
