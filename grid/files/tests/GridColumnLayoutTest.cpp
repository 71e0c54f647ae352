// The grid's column layout as a text and as keys in an INI file.
#include "grid/tests/QuillGridFixture.h"

#include "grid/model/BehaviourSettings.h"
#include "platform/rtl/Files.h"
#include "testsupport/TempFolder.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridColumnLayoutTest : public QuillGridTest {
protected:
    testsupport::TempFolder Dir{"gridlayout"};

    void ThreeColumns()
    {
        Grid->SetFixedCols(0);
        Grid->SetColCount(3);
        Grid->SetColWidths(0, 64);
        Grid->SetColWidths(1, 80);
        Grid->SetColWidths(2, 100);
    }
};

} // namespace

TEST_F(GridColumnLayoutTest, StateStringRestoresWidthsOrderAndHiddenColumns)
{
    ThreeColumns();
    EXPECT_EQ(Grid->ColumnStatesToString(), "3#64,80,100#0,1,2#1,1,1");
    Grid->SetCells(0, 1, "a");
    Grid->SetCells(2, 1, "c");
    Grid->MoveColumn(2, 0);
    Grid->HideColumn(1);
    const std::string state = Grid->ColumnStatesToString();

    Grid->UnHideColumnsAll();
    Grid->ResetColumnOrder();
    Grid->SetColWidths(0, 10);
    Grid->StringToColumnStates(state);
    EXPECT_EQ(Grid->ColumnStatesToString(), state);
    EXPECT_EQ(Grid->ColCount(), 2) << "one column hidden";
    EXPECT_TRUE(Grid->IsHiddenColumn(1));

    Grid->StringToColumnStates("5#1,2,3,4,5##1,1,1,1,1");
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->ColWidths(4), 5);
}

TEST_F(GridColumnLayoutTest, MalformedStringsChangeNothing)
{
    ThreeColumns();
    const std::string before = Grid->ColumnStatesToString();
    for (const char* bad : {"x#1#0#1", "3#64,80#0,1,2#1,1,1", "3#a,b,c#0,1,2#1,1,1", "999999999#1#1#1", "2#1,2#0,1#1,x"})
        EXPECT_THROW(Grid->StringToColumnStates(bad), EConvertError) << bad;
    Grid->StringToColumnStates("no hash at all");
    EXPECT_EQ(Grid->ColumnStatesToString(), before);
}

TEST_F(GridColumnLayoutTest, KeysInAnIniFileAndLoadingNeverWrites)
{
    ThreeColumns();
    const std::string ini = Dir / "layout.ini";
    Grid->ColumnSize().SetLocation(clIniFile);
    Grid->ColumnSize().SetKey(ini);
    Grid->ColumnSize().SetSection("grid");
    Grid->LoadColSizes();
    EXPECT_FALSE(FileExists(ini)) << "loading creates no file";
    Grid->SaveColPositions();
    EXPECT_FALSE(FileExists(ini)) << "columns never moved write nothing";

    Grid->SaveColSizes();
    Grid->MoveColumn(0, 2);
    Grid->SaveColPositions();
    const std::string saved = ReadFile(ini);
    EXPECT_NE(saved.find("Col2=100"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Pos2=0"), std::string::npos) << saved;

    Grid->ResetColumnOrder();
    Grid->SetColWidths(0, 5);
    Grid->LoadColSizes();
    Grid->LoadColPositions();
    EXPECT_EQ(Grid->ColWidths(2), 64) << "the first column restored, then moved back to the end";
    EXPECT_EQ(Grid->ColWidths(0), 80);
    EXPECT_EQ(ReadFile(ini), saved) << "loading leaves the file as it was";
}
