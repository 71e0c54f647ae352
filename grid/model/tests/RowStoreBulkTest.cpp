// Hiding and showing many rows of the row store at once, against the same
// rows hidden and shown one by one.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/model/RowStore.h"
#include "platform/rtl/Exceptions.h"

namespace {

void ExpectSameRows(const grid::TRowStore& bulk, const grid::TRowStore& single, const char* what)
{
    ASSERT_EQ(bulk.ShownCount(), single.ShownCount()) << what;
    ASSERT_EQ(bulk.HiddenCount(), single.HiddenCount()) << what;
    for (int real = 0; real < single.Total() + 2; ++real) {
        ASSERT_EQ(bulk.IsHidden(real), single.IsHidden(real)) << what << ", real " << real;
        ASSERT_EQ(bulk.RealToDispl(real), single.RealToDispl(real)) << what << ", real " << real;
    }
    for (int displ = 0; displ < single.ShownCount() + 2; ++displ)
        ASSERT_EQ(bulk.DisplToReal(displ), single.DisplToReal(displ)) << what << ", display " << displ;
    for (int real = 0; real < single.Total(); ++real)
        ASSERT_EQ(bulk.Text(0, real), single.Text(0, real)) << what << ", real " << real;
}

grid::TRowStore MakeStore(const std::vector<int>& HiddenFirst)
{
    grid::TRowStore store;
    store.SetShownCount(12);
    for (int r = 0; r < 12; ++r) store.SetText(0, r, "r" + std::to_string(r));
    for (int r : HiddenFirst) store.SetHidden(r, true);
    return store;
}

// Hides the display rows given at a filter level.
void HideAt(grid::TRowStore& store, std::vector<int> Displ, int Level)
{
    std::vector<unsigned char> drop(static_cast<std::size_t>(store.ShownCount()), 0);
    for (int d : Displ) drop[static_cast<std::size_t>(d)] = 1;
    store.HideDisplayRows(drop, Level, [](int, grid::TRowRecord&) {});
}

} // namespace

TEST(RowStoreBulkTest, HidingAndShowingManyMatchesOneByOne)
{
    struct TCase {
        const char* Name;
        std::vector<int> HiddenFirst;
        // Display rows flagged for hiding, as they stand after HiddenFirst.
        std::vector<int> Drop;
    } cases[] = {
        {"nothing hidden before", {}, {0, 3, 4, 11}},
        {"rows hidden before", {2, 5, 6}, {0, 2, 3, 8}},
        {"all but one", {1}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"nothing flagged", {4}, {}},
    };
    for (const TCase& c : cases) {
        grid::TRowStore bulk = MakeStore(c.HiddenFirst);
        grid::TRowStore single = MakeStore(c.HiddenFirst);
        // One lookup path settled, the other not, before the change.
        (void)bulk.DisplToReal(0);
        std::vector<unsigned char> drop(static_cast<std::size_t>(bulk.ShownCount()) + 3, 0);
        std::vector<int> reals;
        for (int d : c.Drop) {
            drop[static_cast<std::size_t>(d)] = 1;
            reals.push_back(single.DisplToReal(d));
        }
        // Flags past the shown rows name nothing.
        drop.back() = 1;
        std::vector<int> told;
        const int hidden = bulk.HideDisplayRows(drop, 0, [&](int Displ, grid::TRowRecord&) { told.push_back(Displ); });
        for (int real : reals) single.SetHidden(real, true);
        EXPECT_EQ(hidden, static_cast<int>(c.Drop.size())) << c.Name;
        EXPECT_EQ(told, c.Drop) << c.Name;
        ExpectSameRows(bulk, single, c.Name);

        // Showing the rows of the pass and one that is shown already.
        std::vector<int> back = reals;
        back.push_back(single.DisplToReal(0));
        std::sort(back.begin(), back.end());
        back.erase(std::unique(back.begin(), back.end()), back.end());
        bulk.ShowMany(back);
        for (int real : reals) single.SetHidden(real, false);
        ExpectSameRows(bulk, single, c.Name);
    }
}

TEST(RowStoreBulkTest, ShowingRowsOutOfOrderOrBoundsChangesNothing)
{
    for (const std::vector<int>& reals : {std::vector<int>{5, 2}, std::vector<int>{2, 2}, std::vector<int>{2, 12}, std::vector<int>{-1}}) {
        grid::TRowStore store = MakeStore({2, 5});
        EXPECT_THROW(store.ShowMany(reals), EListError);
        EXPECT_TRUE(store.IsHidden(2));
        EXPECT_TRUE(store.IsHidden(5));
        EXPECT_EQ(store.ShownCount(), 10);
    }
}

// A level shows exactly the rows it hid, whether its list of rows still
// holds or the hidden rows have moved since and must be looked for.
TEST(RowStoreBulkTest, ALevelShowsTheRowsItHidWhereverTheyAreNow)
{
    struct TCase {
        const char* Name;
        std::function<void(grid::TRowStore&)> Change;
        int Level;
        std::vector<int> Shown;
        std::vector<int> StillHidden;
    } cases[] = {
        {"the last of two levels", [](grid::TRowStore&) {}, 1, {4, 9}, {2, 5}},
        {"the first of two levels", [](grid::TRowStore&) {}, 0, {2, 5}, {4, 9}},
        {"after a hidden row moved", [](grid::TRowStore& s) { s.MoveRow(9, 0); }, 1, {0, 5}, {3, 6}},
        {"after a reorder moved hidden rows",
         [](grid::TRowStore& s) {
             const std::vector<int> places{2, 4, 5, 9};
             const std::vector<int> source{1, 0, 3, 2};
             s.ReorderRows(places, source);
         },
         1, {2, 5}, {4, 9}},
        {"a row of the level shown alone", [](grid::TRowStore& s) { s.SetHidden(4, false); }, 1, {9}, {2, 5}},
        {"a row hidden alone keeps its old level", [](grid::TRowStore& s) { s.SetHidden(7, true); }, 0, {2, 5, 7}, {4, 9}},
        {"the level used twice",
         [](grid::TRowStore& s) { HideAt(s, {0}, 1); },
         1, {0, 4, 9}, {2, 5}},
    };
    for (const TCase& c : cases) {
        grid::TRowStore store = MakeStore({});
        // A record made with level 0 before it is ever hidden.
        store.Row(7).Level = 0;
        HideAt(store, {2, 5}, 0);
        // Real rows 4 and 9 are display rows 3 and 7 now.
        HideAt(store, {3, 7}, 1);
        c.Change(store);
        EXPECT_EQ(store.ShowLevel(c.Level), c.Shown) << c.Name;
        for (int r : c.Shown) EXPECT_FALSE(store.IsHidden(r)) << c.Name << ", real " << r;
        for (int r : c.StillHidden) EXPECT_TRUE(store.IsHidden(r)) << c.Name << ", real " << r;
        EXPECT_EQ(store.HiddenCount(), static_cast<int>(c.StillHidden.size())) << c.Name;
        grid::TRowStore single = MakeStore({});
        for (int r = 0; r < 12; ++r) single.SetText(0, r, store.Text(0, r));
        for (int r : c.StillHidden) single.SetHidden(r, true);
        ExpectSameRows(store, single, c.Name);
    }
}
