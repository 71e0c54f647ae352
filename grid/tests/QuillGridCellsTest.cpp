// A new grid's defaults, copying, and cells as text and typed values.
#include "grid/tests/QuillGridFixture.h"

#include "platform/classes/StringList.h"

TEST_F(QuillGridTest, NewGridHasItsDefaults)
{
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_EQ(Grid->FixedCols(), 1);
    EXPECT_EQ(Grid->DefaultRowHeight(), 22);
    EXPECT_EQ(Grid->FixedRowHeight(), 22);
    EXPECT_EQ(Grid->Width(), 400);
    EXPECT_EQ(Grid->Height(), 250);
    EXPECT_EQ(Grid->FloatFormat(), "%.2f");
    EXPECT_EQ(Grid->CheckTrue(), "Y");
    EXPECT_EQ(Grid->CheckFalse(), "N");
    EXPECT_EQ(Grid->SelectionColor(), 0xEACAB6u);
    EXPECT_EQ(GridLinkCursor, -21);
}

TEST_F(QuillGridTest, IntsReadTrimmedDigitsAndRefuseAnythingElse)
{
    struct TCase {
        const char* Text;
        int Value;
    } good[] = {{" 42 ", 42}, {"", 0}, {"-", 0}, {"-17", -17}};
    for (const TCase& c : good) {
        Grid->SetCells(1, 1, c.Text);
        EXPECT_EQ(Grid->Ints(1, 1), c.Value) << '"' << c.Text << '"';
    }
    for (const char* bad : {"4,2", "12abc", "1.5", "1 000"}) {
        Grid->SetCells(1, 1, bad);
        try {
            (void)Grid->Ints(1, 1);
            ADD_FAILURE() << bad << " read as an integer";
        } catch (const EQuillGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain integer value");
        }
        EXPECT_EQ(Grid->Cells(1, 1), bad) << "the cell stays as it was";
    }
}

TEST_F(QuillGridTest, FloatsReadNumbersAndWriteWithTheFloatFormat)
{
    Grid->SetCells(1, 1, "(12.5)");
    EXPECT_DOUBLE_EQ(Grid->Floats(1, 1), -12.5);
    Grid->SetFloats(1, 2, 3.14159);
    EXPECT_EQ(Grid->Cells(1, 2), "3.14");
    Grid->SetCells(1, 3, "1.2.3");
    EXPECT_THROW((void)Grid->Floats(1, 3), EQuillGridError);
    EXPECT_EQ(Grid->Cells(1, 3), "1.2.3");
    // A bad format fails the write and leaves the cell alone.
    Grid->SetFloatFormat("%d%d");
    EXPECT_THROW(Grid->SetFloats(1, 2, 1.0), Exception);
    EXPECT_EQ(Grid->Cells(1, 2), "3.14");
}

TEST_F(QuillGridTest, DatesAndTimesUseTheShortFormats)
{
    const TDateTime day = EncodeDate(2011, 4, 30);
    Grid->SetDates(1, 1, day);
    EXPECT_EQ(Grid->Cells(1, 1), DateToStr(day));
    EXPECT_DOUBLE_EQ(Grid->Dates(1, 1), day);
    Grid->SetShowNullDates(false);
    Grid->SetDates(1, 1, 0);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    Grid->SetShowNullDates(true);
    Grid->SetDates(1, 1, 0);
    EXPECT_NE(Grid->Cells(1, 1), "");
    Grid->SetCells(1, 2, "31/31/2011");
    EXPECT_THROW((void)Grid->Dates(1, 2), EConvertError);
    EXPECT_EQ(Grid->Cells(1, 2), "31/31/2011");
    Grid->SetTimes(1, 3, 0.5);
    EXPECT_DOUBLE_EQ(Grid->Times(1, 3), 0.5);
}

TEST_F(QuillGridTest, AllCellsReachHiddenRows)
{
    FillRows(10);
    Grid->HideRow(4);
    EXPECT_EQ(Grid->Cells(0, 4), "r5");
    EXPECT_EQ(Grid->AllCells(0, 4), "r4");
    Grid->SetAllCells(7, 4, "far");
    EXPECT_EQ(Grid->AllGridCells(7, 4), "far");
    Grid->SetAllInts(1, 4, 12);
    EXPECT_EQ(Grid->AllInts(1, 4), 12);
    EXPECT_EQ(Grid->AllCells(-1, 4), "");
    Grid->UnHideRow(4);
    EXPECT_EQ(Grid->Cells(7, 4), "far");
    EXPECT_EQ(Grid->Ints(1, 4), 12);
}

TEST_F(QuillGridTest, UrlsAreAnchoredOnlyWhenAsked)
{
    Grid->SetCells(1, 1, "see www.example.com");
    EXPECT_EQ(Grid->GetCellEx(1, 1), "see www.example.com");
    Grid->SetURLShowInText(true);
    EXPECT_EQ(Grid->GetCellEx(1, 1), "see <a href=\"www.example.com\">www.example.com</a>");
    EXPECT_EQ(Grid->Cells(1, 1), "see www.example.com") << "the stored text keeps no anchor";
}

TEST_F(QuillGridTest, EditTextDropsMarkupUnlessTagsAreEdited)
{
    struct TEditGrid : TQuillStringGrid {
        using TQuillStringGrid::ProvideEditText;
        using TQuillStringGrid::TQuillStringGrid;
    };
    auto* grid = new TEditGrid(Form);
    grid->SetCells(1, 1, "<b>word</b>");
    EXPECT_EQ(grid->ProvideEditText(1, 1), "word");
    grid->SetEditWithTags(true);
    EXPECT_EQ(grid->ProvideEditText(1, 1), "<b>word</b>");
}

TEST_F(QuillGridTest, AssignCopiesCellsAndHiddenStateButIgnoresOtherSources)
{
    FillRows(6);
    Grid->SetCells(3, 2, "x");
    Grid->HideRow(2);
    Grid->HideColumn(3);
    auto* copy = new TQuillStringGrid(Form);
    TStringList notAGrid;
    copy->Assign(&notAGrid);
    EXPECT_EQ(copy->RowCount(), 10);
    copy->Assign(Grid);
    EXPECT_EQ(copy->RowCount(), 5);
    EXPECT_TRUE(copy->IsHiddenRow(2));
    EXPECT_TRUE(copy->IsHiddenColumn(3));
    EXPECT_EQ(copy->AllGridCells(3, 2), "x");
    EXPECT_EQ(copy->Cells(0, 2), "r3");
}
