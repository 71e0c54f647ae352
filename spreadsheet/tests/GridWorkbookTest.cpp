// The workbook: sheets saved and restored on a switch, tabs that follow the sheets.
#include <gtest/gtest.h>

#include "spreadsheet/QuillGridWorkbook.h"
#include "spreadsheet/QuillSprd.h"

namespace {

class GridWorkbookTest : public testing::Test {
protected:
    void SetUp() override
    {
        Book = std::make_unique<TQuillGridWorkbook>(nullptr);
        Grid = Book->Grid();
        ASSERT_NE(Grid, nullptr);
    }
    std::string Tabs()
    {
        std::string all;
        for (int k = 0; k < Book->TabSet()->Tabs().Count(); ++k) all += Book->TabSet()->Tabs().Strings(k) + "|";
        return all;
    }

    std::unique_ptr<TQuillGridWorkbook> Book;
    TQuillStringGrid* Grid = nullptr;
};

} // namespace

TEST_F(GridWorkbookTest, SwitchingSheetsSavesAndRestoresEachSheet)
{
    EXPECT_EQ(Tabs(), "Sheet 1|Sheet 2|Sheet 3|");
    EXPECT_EQ(Book->ActiveSheet(), 0);
    EXPECT_EQ(Book->Version(), "3.3.1.0");
    const int cols = Grid->ColCount(), rows = Grid->RowCount();
    Grid->SetColCount(7);
    Grid->SetRowCount(9);
    Grid->SetCells(6, 8, "last");
    Grid->SetCells(1, 1, "first");
    Grid->SetColWidths(6, 111);
    Grid->SetRowHeights(8, 33);
    Grid->SetCol(2);
    Grid->SetRow(3);
    Book->SetActiveSheet(1);
    EXPECT_EQ(Grid->ColCount(), cols);
    EXPECT_EQ(Grid->RowCount(), rows);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Book->TabSet()->TabIndex(), 1);
    Book->SetActiveSheet(0);
    EXPECT_EQ(Grid->Cells(6, 8), "last");
    EXPECT_EQ(Grid->Cells(1, 1), "first");
    EXPECT_EQ(Grid->ColWidths(6), 111);
    EXPECT_EQ(Grid->RowHeights(8), 33);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(GridWorkbookTest, SheetsAreAddedRemovedAndRenamedWithTheirTabs)
{
    Grid->SetCells(1, 1, "kept");
    Book->AddSheet("x");
    EXPECT_EQ(Tabs(), "Sheet 1|Sheet 2|Sheet 3|x|");
    EXPECT_EQ(Book->ActiveSheet(), 3);
    Book->Sheets().GetItem(3)->SetName("Totals");
    EXPECT_EQ(Tabs(), "Sheet 1|Sheet 2|Sheet 3|Totals|");
    Book->RemoveSheet(99);
    EXPECT_EQ(Book->Sheets().Count(), 4);
    Book->RemoveSheet(3);
    EXPECT_EQ(Tabs(), "Sheet 1|Sheet 2|Sheet 3|");
    EXPECT_EQ(Book->ActiveSheet(), 0);
    EXPECT_EQ(Grid->Cells(1, 1), "kept");
    Book->InsertSheet(1, "Between");
    EXPECT_EQ(Tabs(), "Sheet 1|Between|Sheet 2|Sheet 3|");
    EXPECT_EQ(Book->ActiveSheet(), 1);
    Book->SetActiveSheet(0);
    EXPECT_EQ(Grid->Cells(1, 1), "kept");
}

TEST_F(GridWorkbookTest, ASheetChangeCanBeRefusedAndClearingLeavesNoSheet)
{
    int asked = 0;
    Book->OnSheetChange = [&](TObject*, int, bool& Allow) {
        ++asked;
        Allow = false;
    };
    Book->TabSet()->SetTabIndex(2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Book->ActiveSheet(), 0);
    EXPECT_EQ(Book->TabSet()->TabIndex(), 0);
    Book->OnSheetChange = nullptr;
    const int cols = Grid->ColCount();
    Grid->SetColCount(cols + 3);
    Book->Sheets().Clear();
    EXPECT_EQ(Book->Sheets().Count(), 0);
    EXPECT_EQ(Book->ActiveSheet(), -1);
    Book->Sheets().Add()->SetName("New");
    Book->SetActiveSheet(0);
    EXPECT_EQ(Grid->ColCount(), cols);
    EXPECT_EQ(Tabs(), "New|");
}

namespace {

class TSpreadWorkbook : public TQuillGridWorkbook {
public:
    using TQuillGridWorkbook::TQuillGridWorkbook;

protected:
    TQuillStringGrid* CreateGrid() override
    {
        auto* grid = new TQuillSpreadGrid(this);
        grid->SetAutoHeaders(true);
        return grid;
    }
};

} // namespace

// A sheet shown for the first time starts cleared, and a spreadsheet grid's headers come back.
TEST(GridWorkbookSpread, ANewSheetOfASpreadsheetGridHasItsHeaders)
{
    TSpreadWorkbook book(nullptr);
    auto* grid = dynamic_cast<TQuillSpreadGrid*>(book.Grid());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Cells(1, 0), "A");
    book.AddSheet("New");
    EXPECT_EQ(grid->Cells(1, 0), "A");
    EXPECT_EQ(grid->Cells(0, 2), "2");
}
