// The grid's handlers of its find panel: typing, Next and Previous,
// highlighting and closing.
#include "grid/tests/QuillGridFixture.h"
#include "grid/QuillGridSearchPanel.h"

#include <string>
#include <vector>

#include "grid/base/SearchFooter.h"

namespace {

class QuillGridSearchPanelTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Grid->SetColCount(3);
        Grid->SetRowCount(5);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        const char* texts[] = {"apple", "pear", "crab apple", "plum", "fig", "Apple pie", "kiwi", "lime"};
        for (int i = 0; i < 8; ++i) Grid->SetCells(1 + i % 2, 1 + i / 2, texts[i]);
        Grid->OnSearchFooterAction = [this](TObject*, std::string Value, int ACol, int ARow, TSearchAction Action) {
            Actions.push_back(Value + "@" + std::to_string(ACol) + "," + std::to_string(ARow) + "#" +
                              std::to_string(Action));
        };
    }
    std::vector<std::string> Actions;
};

TEST_F(QuillGridSearchPanelTest, TypingFindsFromTheStartAndColoursTheEdit)
{
    Grid->SearchPanelEditChange("apple");
    EXPECT_EQ(Actions.back(), "apple@1,1#0");
    EXPECT_EQ(Grid->SearchPanelState().EditColor, clWindow);
    Grid->SearchPanelEditChange("apple p");
    EXPECT_EQ(Actions.back(), "apple p@2,3#0");
    EXPECT_EQ(Grid->Row(), 3) << "the hit becomes the current cell";
    Grid->SearchPanelEditChange("apple px");
    EXPECT_EQ(Actions.back(), "apple px@-1,-1#0");
    EXPECT_EQ(Grid->SearchPanelState().EditColor, grid::SearchNotFoundColor);
    Grid->SearchPanelEditChange("");
    EXPECT_EQ(Grid->SearchPanelState().EditColor, clWindow);
    // The application may take the text over.
    Grid->OnSearchEditChange = [](TObject*, std::string, bool& DefaultSearch) { DefaultSearch = false; };
    const std::size_t before = Actions.size();
    Grid->SearchPanelEditChange("kiwi");
    EXPECT_EQ(Actions.size(), before);
}

TEST_F(QuillGridSearchPanelTest, NextAndPreviousStepThroughTheHits)
{
    Grid->SearchFooter().SetAutoSearch(false);
    Grid->SearchPanelState().Text = "apple";
    for (int press = 0; press < 4; ++press) Grid->SearchPanelForwardClick();
    // Column by column: (1,1) apple, (1,2) crab apple, (2,3) Apple pie, then a miss.
    EXPECT_EQ(Actions, (std::vector<std::string>{"apple@1,1#2", "apple@1,2#2", "apple@2,3#2", "apple@-1,-1#2"}));
    Grid->SearchPanelForwardClick();
    EXPECT_EQ(Actions.back(), "apple@1,1#2") << "after a miss the search starts over";
    Grid->SearchPanelForwardClick();
    Grid->SearchPanelBackwardClick();
    EXPECT_EQ(Actions.back(), "apple@1,1#1");
    Grid->SearchPanelState().Text = "p";
    Grid->SearchFooter().SetSearchColumn(2);
    Grid->SearchPanelForwardClick();
    EXPECT_EQ(Actions.back(), "p@2,1#2") << "a new text starts from the beginning, in the search column";
}

TEST_F(QuillGridSearchPanelTest, HighlightingAndClosing)
{
    Grid->SearchFooter().SetSearchColumn(2);
    Grid->SearchPanelState().Text = "apple";
    Grid->SearchPanelHighLightClick(true);
    EXPECT_EQ(Grid->Cells(2, 3), "<hi>Apple</hi> pie");
    EXPECT_EQ(Grid->Cells(1, 2), "crab apple") << "only the search column";
    Grid->SearchPanelEditChange("e p");
    EXPECT_EQ(Actions.back(), "e p@2,3#0") << "tags are ignored while highlighting";
    EXPECT_EQ(Grid->Cells(2, 3), "Appl<hi>e p</hi>ie");
    Grid->SearchPanelHighLightClick(false);
    EXPECT_EQ(Grid->Cells(2, 3), "Apple pie");
    bool closed = false;
    Grid->OnSearchFooterClose = [&](TObject*) { closed = true; };
    Grid->SearchFooter().SetVisible(true);
    Grid->SearchPanelClose();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Grid->SearchFooter().Visible());
}

} // namespace
