// Merging and splitting areas, the span queries, and merges that do not fit.
#include "BaseGridFixture.h"

#include "platform/rtl/Exceptions.h"

TEST_F(BaseGridTest, AMergedAreaAnswersEveryQuery)
{
    Grid->MergeCells(1, 1, 3, 2);
    EXPECT_EQ(Grid->FMergeCount, 1);
    const TCellProperties* base = Grid->GetCellProperties(1, 1);
    EXPECT_TRUE(base->IsBaseCell());
    EXPECT_EQ(base->CellSpanX(), 2);
    EXPECT_EQ(base->CellSpanY(), 1);
    const TCellProperties* corner = Grid->GetCellProperties(3, 2);
    EXPECT_FALSE(corner->IsBaseCell());
    EXPECT_EQ(corner->CellSpanX(), 2);
    EXPECT_EQ(corner->CellSpanY(), 1);
    EXPECT_EQ(Grid->BaseCell(3, 2), (TPoint{1, 1}));
    EXPECT_EQ(Grid->CellSpan(3, 2), (TPoint{2, 1}));
    EXPECT_EQ(Grid->CellExt(2, 1), (TPoint{1, 1}));
    const TRect full = Grid->FullCell(2, 2);
    EXPECT_EQ(full, (TRect{1, 1, 3, 2}));
    int merged = 0, covered = 0;
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) {
            merged += Grid->IsMergedCell(c, r) && Grid->IsXMergedCell(c, r) && Grid->IsYMergedCell(c, r);
            covered += Grid->IsMergedNonBaseCell(c, r);
        }
    EXPECT_EQ(merged, 6);
    EXPECT_EQ(covered, 5);
    EXPECT_FALSE(Grid->IsMergedCell(4, 1));
    EXPECT_EQ(Grid->MinRowSpan(1), 1);
    EXPECT_EQ(Grid->MaxRowSpan(2), 1);
    EXPECT_EQ(Grid->MinRowSpan(5), Grid->RowCount());
}

TEST_F(BaseGridTest, CoveredCellsShowAndTakeTheBaseCellsText)
{
    Grid->SetGridCell(1, 1, "base");
    Grid->SetGridCell(2, 2, "hidden");
    Grid->MergeCells(1, 1, 2, 2);
    EXPECT_EQ(Grid->GetCellEx(2, 2), "base");
    Grid->SetCellEx(2, 2, "typed");
    EXPECT_EQ(Grid->GetGridCell(1, 1), "typed");
    EXPECT_EQ(Grid->GetGridCell(2, 2), "hidden");
    Grid->SplitCells(2, 2);
    EXPECT_EQ(Grid->GetCellEx(2, 2), "hidden") << "a split shows the covered cells' own texts again";
}

TEST_F(BaseGridTest, SmallAndEmptyMerges)
{
    Grid->MergeCells(1, 1, 0, 3);
    EXPECT_FALSE(Grid->HasCellProperties(1, 1)) << "a span of 0 changes no cell";

    Grid->MergeCells(4, 4, 1, 1);
    EXPECT_FALSE(Grid->IsMergedCell(4, 4));
    EXPECT_EQ(Grid->CellSpan(4, 4), (TPoint{0, 0}));
    EXPECT_EQ(Grid->GetCellProperties(4, 4)->CellSpanX(), 0);
    // A one-cell area still measures through the merged path.
    EXPECT_EQ(Grid->CellSize(4, 4), (TPoint{50, 20}));
}

TEST_F(BaseGridTest, SplittingResetsTheWholeArea)
{
    Grid->MergeCells(2, 2, 2, 3);
    Grid->SplitCells(3, 4);
    EXPECT_EQ(Grid->FMergeCount, 0);
    for (int c = 2; c <= 3; ++c)
        for (int r = 2; r <= 4; ++r) {
            const TCellProperties* props = Grid->GetCellProperties(c, r);
            EXPECT_TRUE(props->IsBaseCell());
            EXPECT_EQ(props->CellSpanX(), -1);
            EXPECT_EQ(props->CellSpanY(), -1);
        }
    // On a plain cell a split only makes its properties.
    Grid->SplitCells(7, 7);
    EXPECT_TRUE(Grid->HasCellProperties(7, 7));
    EXPECT_EQ(Grid->FMergeCount, -1);
}

TEST_F(BaseGridTest, MergesThatDoNotFitInTheGridAreRefused)
{
    struct Case {
        const char* name;
        int c, r, spanX, spanY;
    } cases[] = {
        {"negative column", -1, 1, 2, 2},
        {"negative row", 1, -1, 2, 2},
        {"past the last column", 9, 1, 2, 1},
        {"past the last row", 1, 8, 1, 3},
        {"a runaway span", 0, 0, 2000000000, 2000000000},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(Grid->MergeCells(c.c, c.r, c.spanX, c.spanY), EListError) << c.name;
        EXPECT_EQ(Grid->Store().ObjectCells().size(), 0u) << c.name;
    }
    EXPECT_EQ(Grid->FMergeCount, 0);
    Grid->MergeCells(8, 8, 2, 2);
    EXPECT_EQ(Grid->BaseCell(9, 9), (TPoint{8, 8})) << "an area ending at the last cell fits";
}

TEST_F(BaseGridTest, AMergeOverlappingPartOfAnotherAreaIsRefused)
{
    Grid->MergeCells(1, 1, 2, 2);
    EXPECT_THROW(Grid->MergeCells(2, 2, 2, 2), EInvalidOperation);
    EXPECT_THROW(Grid->MergeCells(0, 2, 2, 1), EInvalidOperation);
    EXPECT_EQ(Grid->FullCell(2, 2), (TRect{1, 1, 2, 2})) << "the old area is untouched";
    EXPECT_FALSE(Grid->IsMergedCell(3, 3));
    EXPECT_EQ(Grid->FMergeCount, 1);

    // An area wholly inside the new one becomes part of it.
    Grid->MergeCells(1, 1, 3, 3);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r) EXPECT_EQ(Grid->FullCell(c, r), (TRect{1, 1, 3, 3}));
}

TEST_F(BaseGridTest, RowsAgreeWhenTheyShareAVerticalMerge)
{
    Grid->MergeCells(1, 1, 1, 3);  // rows 1-3 in column 1
    Grid->MergeCells(2, 4, 1, 2);  // rows 4-5 in column 2
    EXPECT_TRUE(Grid->RowSpanIdentical(1, 3));
    EXPECT_FALSE(Grid->RowSpanIdentical(3, 4)) << "merged in different areas";
    EXPECT_FALSE(Grid->RowSpanIdentical(6, 7)) << "no vertical merges";
    // Only columns where both rows are merged count.
    Grid->MergeCells(3, 2, 1, 2);  // rows 2-3 in column 3
    EXPECT_TRUE(Grid->RowSpanIdentical(1, 3));
    Grid->MergeCells(3, 0, 1, 2);  // rows 0-1 in column 3
    EXPECT_FALSE(Grid->RowSpanIdentical(1, 3)) << "column 3 parts rows 1 and 3";
}

TEST_F(BaseGridTest, ColumnsAgreeOnlyWhenUnmergedRowsAgreeToo)
{
    Grid->MergeCells(1, 1, 3, 1);  // columns 1-3 in row 1
    EXPECT_TRUE(Grid->ColSpanIdentical(1, 3));
    EXPECT_FALSE(Grid->ColSpanIdentical(4, 5)) << "no horizontal merges";
    Grid->MergeCells(2, 4, 2, 1);  // columns 2-3 in row 4, column 1 unmerged there
    EXPECT_FALSE(Grid->ColSpanIdentical(1, 3));
    EXPECT_TRUE(Grid->ColSpanIdentical(2, 3));
}
