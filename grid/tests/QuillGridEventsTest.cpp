// The grid's questions: default answers changed by their events.
#include "grid/tests/QuillGridFixture.h"

TEST_F(QuillGridTest, CheckTextsComeFromTheEventPerCell)
{
    Grid->OnGetCheckTrue = [](TObject*, int ACol, int, std::string& value) {
        if (ACol == 2) value = "yes";
    };
    Grid->AddCheckBox(2, 1, false, true);
    Grid->SetCells(2, 1, "yes");
    EXPECT_TRUE(Grid->IsChecked(2, 1));
    Grid->AddCheckBox(1, 1, false, true);
    Grid->SetCells(1, 1, "yes");
    EXPECT_FALSE(Grid->IsChecked(1, 1)) << "other columns keep the grid's text";
}

TEST_F(QuillGridTest, ExpandClicksSizeTheRowAndEditorsCanBeNone)
{
    Grid->AddExpand(1, 2, 60);
    bool reported = false;
    Grid->OnExpandClick = [&](TObject*, int, int, bool expanded) { reported = expanded; };
    Grid->DoExpandClick(1, 2, true);
    EXPECT_TRUE(reported);
    EXPECT_EQ(Grid->RowHeights(2), 60);
    Grid->DoExpandClick(1, 2, false);
    EXPECT_EQ(Grid->RowHeights(2), 22);
    EXPECT_FALSE(Grid->IsEditorNone(1, 1));
    Grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& editor) {
        if (ACol == 3) editor = edNone;
    };
    EXPECT_TRUE(Grid->IsEditorNone(3, 1));
    EXPECT_FALSE(Grid->IsEditorNone(1, 1));
}

TEST_F(QuillGridTest, CellFontsComeFromTheCellsProperties)
{
    EXPECT_EQ(&Grid->GetCellFont(1, 1), &Grid->Font());
    Grid->SetFontNames(1, 1, "Courier New");
    Grid->SetFontSizes(1, 1, 14);
    const TFont& font = Grid->GetCellFont(1, 1);
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Size(), 14);
}

TEST_F(QuillGridTest, ColourAndImageChoicesReachTheirEventsWithTheCurrentCell)
{
    std::string reported;
    Grid->DoColorSelect(clRed, "Red"); // no event: nothing happens
    Grid->OnColorSelect = [&](TObject*, int ACol, int ARow, TColor Color, const std::string& Value) {
        reported = std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(Color) + " " + Value;
    };
    Grid->OnImageSelect = [&](TObject*, int ACol, int ARow, int Index) {
        reported = std::to_string(ACol) + "," + std::to_string(ARow) + " image " + std::to_string(Index);
    };
    Grid->SetCol(2);
    Grid->SetRow(3);
    Grid->DoColorSelect(clRed, "Red");
    EXPECT_EQ(reported, "2,3 255 Red");
    Grid->DoImageSelect(4);
    EXPECT_EQ(reported, "2,3 image 4");
}
