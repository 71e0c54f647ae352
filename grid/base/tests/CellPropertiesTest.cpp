// Property objects: made on first use with the model's defaults, and freed
// with the grid together with the cell graphics they own.
#include "BaseGridFixture.h"

#include "platform/rtl/Exceptions.h"

namespace {

int graphicsAlive = 0;
int propertiesAlive = 0;

// Named like the string grid's cell graphics, which the grid owns.
class TCellGraphic : public TObject {
    VISTRA_CLASS(TCellGraphic, TObject)
    TCellGraphic() { ++graphicsAlive; }
    ~TCellGraphic() override { --graphicsAlive; }
};

// Any other graphic stays the caller's.
class TOtherGraphic : public TObject {
    VISTRA_CLASS(TOtherGraphic, TObject)
};

class TCountedProperties : public TCellProperties {
public:
    TCountedProperties(TBaseGrid* grid, int c, int r) : TCellProperties(grid, c, r) { ++propertiesAlive; }
    ~TCountedProperties() override { --propertiesAlive; }
};

} // namespace

TEST_F(BaseGridTest, QueriesOnAPlainCellCreateNothing)
{
    EXPECT_EQ(Grid->GetObjectEx(3, 3), nullptr);
    EXPECT_EQ(Grid->GetGraphicObjectEx(3, 3), nullptr);
    EXPECT_EQ(Grid->BaseCell(3, 3), (TPoint{3, 3}));
    EXPECT_TRUE(Grid->IsBaseCell(3, 3));
    EXPECT_EQ(Grid->CellSpan(3, 3), (TPoint{0, 0}));
    EXPECT_EQ(Grid->CellExt(3, 3), (TPoint{0, 0}));
    EXPECT_FALSE(Grid->IsMergedCell(3, 3));
    EXPECT_FALSE(Grid->IsYMergedCell(3, 3));
    (void)Grid->CellRect(3, 3);
    (void)Grid->GetCellEx(3, 3);
    EXPECT_EQ(Grid->GetGridObject(3, 3), nullptr);
    EXPECT_TRUE(Grid->Log.empty());
    // Cells outside the grid answer as plain cells.
    EXPECT_EQ(Grid->BaseCell(-1, 50), (TPoint{-1, 50}));
    EXPECT_FALSE(Grid->IsMergedCell(10, 0));
}

TEST_F(BaseGridTest, FirstUseMakesThePropertiesWithTheModelsDefaults)
{
    Grid->SetWordWrap(false);
    TCellProperties* props = Grid->GetCellProperties(2, 4);
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(Grid->GetCellProperties(2, 4), props) << "made once";
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"GetDefaultCellProps 2,4"}));
    EXPECT_EQ(props->BrushColor(), clYellow);
    EXPECT_EQ(props->Alignment(), taRightJustify);
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_EQ(props->FontName(), Grid->Font().Name());
    EXPECT_EQ(props->FontColor(), Grid->Font().Color());
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->CellSpanX(), -1);
    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(props->Editor(), edNormal);
    EXPECT_EQ(props->OwnerCol(), 2);
    EXPECT_EQ(props->OwnerRow(), 4);
}

TEST_F(BaseGridTest, AUserObjectOnAnEmptyCellLeavesItEmpty)
{
    TOtherGraphic user;
    Grid->SetObjectEx(1, 1, &user);
    EXPECT_EQ(Grid->GetObjectEx(1, 1), &user);
    EXPECT_EQ(Grid->TextDuringDefaults, " ") << "the cell looks used while its defaults are made";
    EXPECT_EQ(Grid->GetGridCell(1, 1), "");
    EXPECT_EQ(Grid->GetCellProperties(1, 1)->BrushColor(), clYellow);

    Grid->SetGridCell(2, 1, "kept");
    Grid->SetGraphicObjectEx(2, 1, &user);
    EXPECT_EQ(Grid->GetGridCell(2, 1), "kept");
    EXPECT_EQ(Grid->GetGraphicObjectEx(2, 1), &user);
    Grid->SetGraphicObjectEx(2, 1, nullptr);
}

TEST_F(BaseGridTest, PropertiesBeyondTheCountsWaitForTheGridToGrow)
{
    TOtherGraphic user;
    Grid->SetObjectEx(15, 2, &user);
    EXPECT_EQ(Grid->GetObjectEx(15, 2), nullptr) << "outside the grid a cell answers as plain";
    Grid->SetColCount(16);
    EXPECT_EQ(Grid->GetObjectEx(15, 2), &user);
    EXPECT_THROW(Grid->GetCellProperties(-1, 2), EListError);
}

TEST_F(BaseGridTest, FreeingCellsFreesOnlyTheCellGraphicsTheyOwn)
{
    TOtherGraphic borrowed;
    Grid->SetGraphicObjectEx(1, 1, new TCellGraphic);
    Grid->SetGraphicObjectEx(2, 1, &borrowed);
    ASSERT_EQ(graphicsAlive, 1);
    Grid->FreeCellPropertiesRect(0, 0, 9, 9);
    EXPECT_EQ(graphicsAlive, 0);
    EXPECT_FALSE(Grid->HasCellProperties(1, 1));
    EXPECT_FALSE(Grid->HasCellProperties(2, 1));
}

TEST_F(BaseGridTest, TheGridFreesEveryPropertyObjectAlsoBeyondItsCounts)
{
    Grid->SetCellProperties(1, 1, new TCountedProperties(Grid, 1, 1));
    Grid->SetCellProperties(8, 8, new TCountedProperties(Grid, 8, 8));
    Grid->GetCellProperties(8, 8)->SetGraphicObject(new TCellGraphic);
    // Replacing a cell's properties frees the old ones.
    Grid->SetCellProperties(1, 1, new TCountedProperties(Grid, 1, 1));
    EXPECT_EQ(propertiesAlive, 2);
    // Shrinking keeps the data of the cells now outside the grid.
    Grid->SetRowCount(3);
    Grid->SetColCount(3);
    delete Form;
    Form = nullptr;
    EXPECT_EQ(propertiesAlive, 0);
    EXPECT_EQ(graphicsAlive, 0);
}

TEST_F(BaseGridTest, AssignCopiesLooksAndMergeStateButNotTheCalculation)
{
    TCellProperties* props = Grid->GetCellProperties(1, 1);
    props->SetBrushColor(clRed);
    props->SetBrushColorTo(clBlue);
    props->SetNodeLevel(3);
    props->SetCalcType(acSUM);
    props->SetCellSpanX(2);
    TCellProperties copy(Grid, 5, 5);
    copy.Assign(props);
    EXPECT_EQ(copy.BrushColor(), clRed);
    EXPECT_EQ(copy.NodeLevel(), 3);
    EXPECT_EQ(copy.CellSpanX(), 2);
    EXPECT_EQ(copy.OwnerCol(), 1);
    EXPECT_EQ(copy.BrushColorTo(), clNone);
    EXPECT_EQ(copy.CalcType(), acNONE);
}
