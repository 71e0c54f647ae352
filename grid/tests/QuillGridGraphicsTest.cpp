// The grid's store of cell graphics: typing, creating, removing, and graphics
// travelling with their cells.
#include "grid/tests/QuillGridFixture.h"
#include "grid/model/CellGraphic.h"

#include "grid/base/CellProperties.h"

namespace {

// Opens the store's protected operations, as the kind-specific ones use them.
struct TGraphicsGrid : TQuillStringGrid {
    using TQuillStringGrid::BaseCellTypeIn;
    using TQuillStringGrid::CreateCellGraphic;
    using TQuillStringGrid::GetCellImageKey;
    using TQuillStringGrid::RemoveCellGraphic;
    using TQuillStringGrid::RemoveCellGraphicOfType;
    using TQuillStringGrid::TQuillStringGrid;
};

} // namespace

TEST_F(QuillGridTest, CellGraphicsAreTypedCreatedAndRemoved)
{
    auto* grid = new TGraphicsGrid(Form);
    EXPECT_EQ(grid->GetCellType(-1, 0), ctEmpty);
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    EXPECT_EQ(grid->Cells(1, 1), "") << "an empty cell stays empty";
    EXPECT_EQ(grid->GetCellType(1, 1), ctNone);
    graphic->SetCheckBox(true, false, false, haLeft, vaTop);
    EXPECT_EQ(grid->CellTypes(1, 1), ctCheckBox);
    EXPECT_FALSE(grid->RemoveCellGraphicOfType(1, 1, ctRadio));
    EXPECT_TRUE(grid->RemoveCellGraphicOfType(1, 1, ctCheckBox));
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    EXPECT_FALSE(grid->RemoveCellGraphic(1, 1));
    // Some other object in the graphic slot is no cell graphic.
    TCellProperties other(grid, 0, 0);
    grid->SetGraphicObjectEx(2, 2, &other);
    EXPECT_EQ(grid->GetCellType(2, 2), ctEmpty);
    grid->SetGraphicObjectEx(2, 2, nullptr);
}

TEST_F(QuillGridTest, SharedRowCheckGraphicsAreDetachedNotFreed)
{
    auto* grid = new TGraphicsGrid(Form);
    TCellGraphic shared;
    shared.SetCellType(ctRowCheckBox);
    grid->SetGraphicObjectEx(0, 3, &shared);
    EXPECT_TRUE(grid->RemoveCellGraphic(0, 3));
    EXPECT_EQ(shared.CellType(), ctRowCheckBox);
}

TEST_F(QuillGridTest, GraphicsTravelWithTheirCells)
{
    auto* grid = new TGraphicsGrid(Form);
    grid->SetRowCount(10);
    grid->CreateCellGraphic(1, 5)->SetRadioButton(true, false, haLeft, vaTop);
    grid->MergeCells(2, 5, 2, 1);
    grid->CreateCellGraphic(2, 5)->SetButton(40, 20, "Go", haLeft, vaTop);
    grid->InsertRows(2, 1);
    EXPECT_EQ(grid->GetCellType(1, 6), ctRadioButton);
    EXPECT_TRUE(grid->BaseCellTypeIn(3, 6, {ctButton, ctBitButton}));
    grid->HideRow(3);
    EXPECT_EQ(grid->GetCellType(1, 5), ctRadioButton);
    grid->MoveRow(5, 1);
    EXPECT_EQ(grid->GetCellType(1, 1), ctRadioButton);
    grid->UnHideRowsAll();
    grid->RemoveRows(1, 1);
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid->GetCellImageKey(1, 1), -1);
}
