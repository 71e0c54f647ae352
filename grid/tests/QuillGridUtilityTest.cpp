// Checking cells through the cell checker, test fills, tagging a row and
// swapping two cells.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/StringGridCheck.h"

namespace {

using QuillGridUtilityTest = QuillGridTest;

// Upper-cases the texts it corrects and counts the cells it saw.
class TUpperChecker : public TQuillStringGridCheck {
public:
    using TQuillStringGridCheck::TQuillStringGridCheck;
    std::string Correct(int, int, const std::string& S) override
    {
        ++Seen;
        std::string upper = S;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return upper;
    }
    int Seen = 0;
};

TEST_F(QuillGridUtilityTest, FillsCoverTheirRange)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->LinearFill(true);
    EXPECT_EQ(ShownRow(0), "0:0 1:0");
    EXPECT_EQ(ShownRow(1), "0:1 1:1");
    Grid->TextFill(false, "x");
    EXPECT_EQ(ShownRow(0), "0:0 1:0");
    EXPECT_EQ(ShownRow(1), "0:1 x");
    Grid->FormatFill(true, "%d-%d");
    EXPECT_EQ(ShownRow(1), "0-1 1-1");
    Grid->RandomFill(false, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "0");
}

TEST_F(QuillGridUtilityTest, CheckingGoesOnPastAFailedCell)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, "ABC");
    Grid->SetCells(2, 1, "abc");
    Grid->SetCells(1, 2, "DEF");
    EXPECT_TRUE(Grid->CheckGrid(false)); // no checker: every cell passes

    auto* checker = new TUpperChecker(Form);
    checker->SetUseCorrect(true);
    Grid->SetCellChecker(checker);
    EXPECT_FALSE(Grid->CheckGrid(false));
    EXPECT_EQ(checker->Seen, 4);
    EXPECT_EQ(Grid->Cells(2, 1), "ABC");
    EXPECT_TRUE(Grid->CheckRow(false, 1));

    // A freed checker is forgotten.
    delete checker;
    EXPECT_EQ(Grid->CellChecker(), nullptr);
    EXPECT_TRUE(Grid->CheckCol(true, 1));
}

TEST_F(QuillGridUtilityTest, RowTaggingKeepsToItsColumnsAndUntagsHiddenOnes)
{
    Grid->SetColCount(3);
    for (int c = 0; c < 3; ++c) Grid->SetCells(c, 1, "ab");
    Grid->HilightInRow(false, false, 1, "b");
    EXPECT_EQ(Grid->Cells(0, 1), "ab");
    EXPECT_EQ(Grid->Cells(1, 1), "a<hi>b</hi>");
    Grid->HideColumn(2);
    Grid->UnHilightInRow(false, 1);
    EXPECT_EQ(Grid->AllGridCells(1, 1), "ab");
    EXPECT_EQ(Grid->AllGridCells(2, 1), "ab");
}

TEST_F(QuillGridUtilityTest, SwapCellsExchangesTextsAndLooks)
{
    Grid->SetCells(1, 1, "one");
    Grid->SetColors(1, 1, clRed);
    Grid->SetCells(2, 3, "two");
    Grid->SwapCells({1, 1}, {2, 3});
    EXPECT_EQ(Grid->Cells(1, 1), "two");
    EXPECT_EQ(Grid->Cells(2, 3), "one");
    EXPECT_EQ(Grid->Colors(2, 3), clRed);
    EXPECT_NE(Grid->Colors(1, 1), clRed);
}

} // namespace
