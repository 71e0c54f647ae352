#include "grid/model/SortSettings.h"

#include "DefaultsTable.h"
#include "RecordingGridOwner.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct SortSettingsTest : testing::Test {
    TRecordingGridOwner grid;
    TSortSettings sort{&grid};
};

TEST_F(SortSettingsTest, StartsAtItsDeclaredDefaults)
{
    ExpectValues({
        {"AutoSortForGrouping", sort.AutoSortForGrouping(), true},
        {"AutoColumnMerge", sort.AutoColumnMerge(), false},
        {"Column", sort.Column(), -1},
        {"Show", sort.Show(), false},
        {"IndexShow", sort.IndexShow(), false},
        {"IndexColor", sort.IndexColor(), 0x00FFFF},
        {"IndexSortKey", sort.IndexSortKey(), ikShift},
        {"Full", sort.Full(), true},
        {"SingleColumn", sort.SingleColumn(), false},
        {"IgnoreBlanks", sort.IgnoreBlanks(), false},
        {"BlankPos", sort.BlankPos(), blFirst},
        {"AutoFormat", sort.AutoFormat(), true},
        {"Direction", sort.Direction(), sdAscending},
        {"IgnoreCase", sort.IgnoreCase(), false},
        {"InitSortDirection", sort.InitSortDirection(), sdAscending},
        {"FixedCols", sort.FixedCols(), false},
        {"NormalCellsOnly", sort.NormalCellsOnly(), false},
        {"Row", sort.Row(), 0},
        {"UndoSort", sort.UndoSort(), false},
        {"SortOnVirtualCells", sort.SortOnVirtualCells(), true},
        {"HeaderColor", sort.HeaderColor(), clNone},
        {"HeaderColorTo", sort.HeaderColorTo(), clNone},
        {"HeaderMirrorColor", sort.HeaderMirrorColor(), clNone},
        {"HeaderMirrorColorTo", sort.HeaderMirrorColorTo(), clNone},
    });
    EXPECT_TRUE(sort.UpGlyph()->Empty());
    EXPECT_EQ(sort.SaveToString(), "u-1");
}

TEST_F(SortSettingsTest, TextFormRoundTrips)
{
    sort.SetColumn(3);
    sort.SetDirection(sdDescending);
    std::string saved = sort.SaveToString();
    EXPECT_EQ(saved, "d3");

    TRecordingGridOwner otherGrid;
    TSortSettings restored(&otherGrid);
    restored.LoadFromString(saved);
    EXPECT_EQ(restored.Column(), 3);
    EXPECT_EQ(restored.Direction(), sdDescending);
    EXPECT_EQ(restored.SaveToString(), saved);

    grid.SortIndexes.AddIndex(2, true);
    grid.SortIndexes.AddIndex(5, false);
    sort.SetIndexShow(true);
    saved = sort.SaveToString();
    EXPECT_EQ(saved, "i;u2;d5");
    restored.LoadFromString(saved);
    EXPECT_TRUE(restored.IndexShow());
    EXPECT_EQ(otherGrid.SortIndexes.SaveToString(), "u2;d5");
    EXPECT_EQ(restored.SaveToString(), saved);
}

// Loading a sort state: what it sets and how the grid is sorted.
TEST_F(SortSettingsTest, LoadFromStringSetsTheStateAndSorts)
{
    struct Case {
        const char* Text;
        int Column;
        TSortDirection Direction;
        bool IndexShow;
        std::vector<std::string> Calls;
    };
    const std::vector<Case> cases = {
        {"d3", 3, sdDescending, false, {"repaint", "sort"}},
        {"u3", 3, sdAscending, false, {"repaint", "sort"}},
        {"U3", 3, sdDescending, false, {"repaint", "sort"}},
        {"u-1", -1, sdAscending, false, {"repaint", "sort"}},
        {"ux", 7, sdAscending, false, {"repaint"}},
        {"d 3", 7, sdDescending, false, {"repaint"}},
        {"d99999999999", 7, sdDescending, false, {"repaint"}},
        {"i;", 7, sdDescending, true, {"repaint"}},
        {"i;u1;d4", 7, sdDescending, true, {"repaint", "sort indexed"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        TRecordingGridOwner owner;
        TSortSettings settings(&owner);
        settings.SetColumn(7);
        settings.SetDirection(sdDescending);
        settings.SetIndexShow(!c.IndexShow);

        settings.LoadFromString(c.Text);

        EXPECT_TRUE(settings.Show());
        EXPECT_EQ(settings.Column(), c.Column);
        EXPECT_EQ(settings.Direction(), c.Direction);
        EXPECT_EQ(settings.IndexShow(), c.IndexShow);
        EXPECT_EQ(owner.Calls, c.Calls);
    }
}

TEST_F(SortSettingsTest, LoadFromStringErrors)
{
    sort.LoadFromString("");
    EXPECT_FALSE(sort.Show()) << "an empty text changes nothing";
    EXPECT_TRUE(grid.Calls.empty());

    try {
        sort.LoadFromString("d");
        FAIL() << "a one-character text is refused";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Invalid sort settings specifier");
    }
    EXPECT_TRUE(sort.Show()) << "Show is set before the text is checked";
    EXPECT_EQ(sort.Column(), -1);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"repaint"}));
}

TEST_F(SortSettingsTest, RowMustBeAFixedRow)
{
    grid.FixedRows = 2;
    sort.SetRow(0);
    sort.SetRow(1);
    EXPECT_EQ(sort.Row(), 1);
    try {
        sort.SetRow(2);
        FAIL() << "row 2 is not a fixed row";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(sort.Row(), 1);
}

TEST_F(SortSettingsTest, RepaintsOnlyWhatAChangeShows)
{
    grid.FixedRows = 2;
    sort.SetShow(true);
    sort.SetShow(true);
    sort.SetHeaderColor(clRed);
    sort.SetHeaderColor(clRed);
    sort.SetHeaderMirrorColorTo(clBlue);
    sort.SetColumn(4);
    sort.ToggleDirection();
    EXPECT_EQ(sort.Direction(), sdDescending);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"repaint", "row 1", "row 1"}));

    grid.FixedRows = 0;
    sort.SetHeaderColorTo(clGreen);
    EXPECT_TRUE(grid.Calls.empty()) << "no fixed row to repaint";
}

TEST_F(SortSettingsTest, RemoveForgetsTheSortState)
{
    sort.SetColumn(2);
    grid.SortIndexes.AddIndex(2, true);
    sort.Remove();
    EXPECT_EQ(sort.Column(), -1);
    EXPECT_EQ(grid.SortIndexes.Count(), 0);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"row 0"}));
}

TEST_F(SortSettingsTest, AssignCopiesAllButCaseAndVirtualCells)
{
    TSortSettings source(nullptr);
    source.SetRow(5);
    source.SetShow(true);
    source.SetColumn(6);
    source.SetDirection(sdDescending);
    source.SetIndexShow(true);
    source.SetIndexSortKey(ikCtrl);
    source.SetBlankPos(blLast);
    source.SetAutoSortForGrouping(false);
    source.SetUndoSort(true);
    source.SetHeaderMirrorColor(clLime);
    TBitmap glyph(9, 9);
    source.SetIndexDownGlyph(&glyph);
    source.SetIgnoreCase(true);
    source.SetSortOnVirtualCells(false);

    sort.Assign(&source);

    ExpectValues({
        {"Row", sort.Row(), 5},
        {"Show", sort.Show(), true},
        {"Column", sort.Column(), 6},
        {"Direction", sort.Direction(), sdDescending},
        {"IndexShow", sort.IndexShow(), true},
        {"IndexSortKey", sort.IndexSortKey(), ikCtrl},
        {"BlankPos", sort.BlankPos(), blLast},
        {"AutoSortForGrouping", sort.AutoSortForGrouping(), false},
        {"UndoSort", sort.UndoSort(), true},
        {"HeaderMirrorColor", sort.HeaderMirrorColor(), clLime},
        {"IndexDownGlyph width", sort.IndexDownGlyph()->Width(), 9},
        {"IgnoreCase", sort.IgnoreCase(), false},
        {"SortOnVirtualCells", sort.SortOnVirtualCells(), true},
    });
    EXPECT_TRUE(grid.Calls.empty()) << "Row is stored unchecked and nothing is repainted";
}

} // namespace
