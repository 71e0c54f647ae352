// Per-cell and per-row looks.
#include "grid/tests/QuillGridFixture.h"

TEST_F(QuillGridTest, LooksReadDefaultsWithoutMakingPropertyObjects)
{
    EXPECT_EQ(Grid->Colors(2, 2), clNone);
    EXPECT_EQ(Grid->Alignments(2, 2), taLeftJustify);
    EXPECT_EQ(Grid->GetGridObject(2, 2), nullptr);
    EXPECT_FALSE(Grid->ReadOnly(2, 2));
    EXPECT_NE(Grid->GetGridObject(2, 2), nullptr) << "reading ReadOnly makes one";
    Grid->SetColors(1, 1, clRed);
    Grid->SetFontColors(1, 1, clBlue);
    Grid->SetAlignments(1, 1, taRightJustify);
    EXPECT_EQ(Grid->Colors(1, 1), clRed);
    EXPECT_EQ(Grid->FontColors(1, 1), clBlue);
    EXPECT_EQ(Grid->Alignments(1, 1), taRightJustify);
}

TEST_F(QuillGridTest, RowLooksCoverNormalColumnsAndSpareColouredCells)
{
    Grid->SetRowFontColor(2, clGreen);
    Grid->SetColors(1, 2, clNone);
    Grid->SetColors(3, 2, clYellow);
    Grid->SetRowFontColor(2, clNone);
    EXPECT_EQ(Grid->FontColors(1, 2), clNone);
    EXPECT_EQ(Grid->FontColors(3, 2), clGreen);
    EXPECT_EQ(Grid->FontColors(0, 2), clNone) << "the fixed column is left alone";
    Grid->ColorRect(1, 1, 2, 2, clAqua);
    EXPECT_EQ(Grid->Colors(2, 2), clAqua);
    EXPECT_EQ(Grid->Colors(3, 2), clYellow);
}
