// The settings objects the grid owns act on the grid at once: sort settings
// read from text sort it, switching stretch on stretches, and removing a
// column's filter repaints its header.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/AuxLists.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"

namespace {

class QuillGridOwnerTest : public QuillGridTest {
protected:
    // A header row over "b c a" in column 0 and "2 1 1" in column 1.
    void FillUnsorted()
    {
        Grid->SetColCount(2);
        Grid->SetRowCount(4);
        Grid->SetFixedRows(1);
        const char* texts[][2] = {{"head", "n"}, {"b", "2"}, {"c", "1"}, {"a", "1"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c) Grid->SetCells(c, r, texts[r][c]);
    }
};

TEST_F(QuillGridOwnerTest, LoadingSortSettingsFromTextSortsTheGrid)
{
    struct Case {
        const char* Text;
        const char* Column0;
    };
    const Case cases[] = {
        {"u0", "head a b c"},
        {"d0", "head c b a"},
        {"i;u1;d0", "head c a b"},
        {"i;", "head b c a"}, // indexed without indexes: nothing to sort by
        {"ux", "head b c a"}, // no column number: the state stays, no sort
    };
    for (const Case& c : cases) {
        FillUnsorted();
        Grid->SortIndexes().Clear();
        Grid->SortSettings().LoadFromString(c.Text);
        EXPECT_EQ(ShownColumn(0), c.Column0) << c.Text;
        EXPECT_TRUE(Grid->SortSettings().Show()) << c.Text;
    }
}

TEST_F(QuillGridOwnerTest, SwitchingStretchOnStretchesAtOnce)
{
    Grid->SetColCount(4);
    for (int c = 0; c < 4; ++c) Grid->SetColWidths(c, 50);
    Grid->ColumnSize().SetStretch(true);
    EXPECT_EQ(Grid->ColWidths(3), Grid->ClientWidth() - 150 - 1);

    // Without a parent the setting is only stored.
    Grid->ColumnSize().SetStretch(false);
    Grid->SetColWidths(3, 50);
    Grid->SetParent(nullptr);
    Grid->ColumnSize().SetStretch(true);
    EXPECT_EQ(Grid->ColWidths(3), 50);
}

TEST_F(QuillGridOwnerTest, RemovingAColumnFilterShowsTheRowsAndRepaintsTheHeader)
{
    FillUnsorted();
    Grid->Filter().GetColFilter(0)->SetCondition("a");
    Grid->SetFilterActive(true);
    ASSERT_EQ(ShownColumn(0), "head a");

    Form->PaintNow();
    ASSERT_FALSE(Form->NeedsPaint());
    Grid->Filter().RemoveColumnFilter(0);
    EXPECT_TRUE(Form->NeedsPaint()) << "the header's filter glyph changes";

    Grid->SetFilterActive(false);
    Grid->SetFilterActive(true);
    EXPECT_EQ(ShownColumn(0), "head b c a");
}

} // namespace
