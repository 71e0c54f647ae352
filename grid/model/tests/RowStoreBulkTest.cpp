// Hiding and showing many rows of the row store at once, against the same
// rows hidden and shown one by one.
#include <gtest/gtest.h>

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
        const int hidden = bulk.HideDisplayRows(drop, [&](int Displ, grid::TRowRecord&) { told.push_back(Displ); });
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
