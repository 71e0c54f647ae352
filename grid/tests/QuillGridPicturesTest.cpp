// Pictures, indicators, comments, markers and rotated text.
#include "grid/tests/QuillGridFixture.h"
#include "grid/model/CellGraphic.h"

#include "platform/graphics/Bitmap.h"

TEST_F(QuillGridTest, AddBorrowsAndCreateOwns)
{
    TBitmap mine;
    Grid->AddBitmap(1, 1, &mine, false, haLeft, vaTop);
    EXPECT_EQ(Grid->GetBitmap(1, 1), &mine);
    EXPECT_FALSE(Grid->GetCellGraphic(1, 1)->CellCreated());
    TBitmap* owned = Grid->CreateBitmap(1, 2, false, haLeft, vaTop);
    EXPECT_EQ(Grid->GetBitmap(1, 2), owned);
    EXPECT_TRUE(Grid->GetCellGraphic(1, 2)->CellCreated());
    Grid->RemoveBitmap(1, 1);
    EXPECT_FALSE(Grid->HasBitmap(1, 1));
    EXPECT_NE(Grid->CreatePicture(2, 2, false, Stretch, 0, haLeft, vaTop), nullptr);
    EXPECT_TRUE(Grid->HasPicture(2, 2));
}

TEST_F(QuillGridTest, IndicatorsKeepTheirValuesAndColours)
{
    Grid->AddProgressFormatted(1, 1, clGreen, clWhite, clSilver, clBlack, "%d%%", 10, 90);
    const TCellGraphic* progress = Grid->GetCellGraphic(1, 1);
    EXPECT_TRUE(Grid->HasProgress(1, 1));
    EXPECT_EQ(progress->CellBitmapColor(), clGreen);
    EXPECT_EQ(progress->CellIconColor(), clSilver);
    EXPECT_EQ(progress->CellErrLen(), 90);
    Grid->AddProgressPie(1, 2, clBlue, 10);
    Grid->SetProgressPie(1, 2, 75);
    EXPECT_EQ(Grid->GetCellGraphic(1, 2)->CellAngle(), 75);
    Grid->AddShape(2, 1, csStar, clYellow, clBlack, haLeft, vaTop);
    Grid->SetShapeColor(2, 1, clRed);
    EXPECT_EQ(Grid->GetShapeColor(2, 1), clRed);
    EXPECT_EQ(Grid->GetShapeColor(2, 2), clNone);
    Grid->AddScrollBar(3, 1, false);
    Grid->SetScrollPosition(3, 1, 40);
    EXPECT_EQ(Grid->GetScrollPosition(3, 1), 40);
    EXPECT_EQ(Grid->GetScrollPosition(3, 2), -1);
}

TEST_F(QuillGridTest, CommentsAndMarkers)
{
    Grid->SetComment(1, 1, "first");
    EXPECT_EQ(Grid->GetComment(1, 1), "first");
    Grid->SetComment(1, 1, "second");
    EXPECT_EQ(Grid->GetComment(1, 1), "second");
    Grid->AddCheckBox(2, 1, true, false);
    Grid->SetComment(2, 1, "ignored");
    EXPECT_EQ(Grid->GetCellType(2, 1), ctCheckBox) << "another graphic is left alone";
    Grid->RemoveAllComments();
    EXPECT_EQ(Grid->GetCellType(1, 1), ctEmpty);
    int pos = -1, len = -1;
    Grid->AddMarker(3, 3, 2, 4);
    Grid->GetMarker(3, 3, pos, len);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(len, 4);
    Grid->RemoveMarker(3, 3);
    EXPECT_EQ(Grid->GetCellType(3, 3), ctEmpty);
}

TEST_F(QuillGridTest, RotatingLeavesNodesAndOwnedObjectsAlone)
{
    FillRows(6);
    Grid->AddRotated(1, 1, -90, "up");
    int angle = 0;
    EXPECT_TRUE(Grid->IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 270);
    EXPECT_EQ(Grid->Cells(1, 1), "up");
    Grid->AddNode(2, 2);
    Grid->SetRotated(0, 2, 45);
    EXPECT_TRUE(Grid->IsNode(2)) << "the node survives";
    Grid->CreateBitmap(1, 3, false, haLeft, vaTop);
    Grid->SetRotated(1, 3, 45);
    EXPECT_TRUE(Grid->HasBitmap(1, 3)) << "an owned bitmap is not orphaned";
    Grid->AddCheckBox(1, 4, true, false);
    Grid->SetRotated(1, 4, 30);
    EXPECT_TRUE(Grid->IsRotated(1, 4, angle));
    EXPECT_EQ(angle, 30);
}
