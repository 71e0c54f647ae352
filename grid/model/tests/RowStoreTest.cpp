// The row store's real/display mapping against a plain count, through both
// of its lookup paths, and its row moves and removals.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "grid/model/RowStore.h"
#include "platform/rtl/Exceptions.h"

namespace {

// The mapping written the slow, obvious way.
struct TPlainMap {
    std::vector<bool> Hidden;
    int RealToDispl(int real) const
    {
        int shown = 0;
        for (int r = 0; r < real && r < static_cast<int>(Hidden.size()); ++r) shown += Hidden[static_cast<std::size_t>(r)] ? 0 : 1;
        return real < static_cast<int>(Hidden.size()) ? shown : shown + real - static_cast<int>(Hidden.size());
    }
    int DisplToReal(int displ) const
    {
        int shown = 0;
        for (int r = 0; r < static_cast<int>(Hidden.size()); ++r)
            if (!Hidden[static_cast<std::size_t>(r)] && shown++ == displ) return r;
        return static_cast<int>(Hidden.size()) + displ - shown;
    }
};

void ExpectSameMapping(const grid::TRowStore& store, const TPlainMap& plain, const std::string& what)
{
    const int total = static_cast<int>(plain.Hidden.size());
    for (int real = 0; real < total + 3; ++real)
        ASSERT_EQ(store.RealToDispl(real), plain.RealToDispl(real)) << what << ", real " << real;
    for (int displ = 0; displ < store.ShownCount() + 3; ++displ)
        ASSERT_EQ(store.DisplToReal(displ), plain.DisplToReal(displ)) << what << ", display " << displ;
}

} // namespace

TEST(RowStoreTest, MappingMatchesPlainCountAtTheEdges)
{
    struct TCase {
        const char* Name;
        std::vector<int> Hidden;
    } cases[] = {
        {"nothing hidden", {}},
        {"first row", {0}},
        {"last row", {19}},
        {"first two and last two", {0, 1, 18, 19}},
        {"all but one", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}},
        {"scattered", {3, 4, 9, 12, 17}},
    };
    for (const TCase& c : cases) {
        grid::TRowStore store;
        store.SetShownCount(20);
        TPlainMap plain{std::vector<bool>(20, false)};
        for (int r : c.Hidden) {
            store.SetHidden(r, true);
            plain.Hidden[static_cast<std::size_t>(r)] = true;
        }
        EXPECT_EQ(store.ShownCount(), 20 - static_cast<int>(c.Hidden.size())) << c.Name;
        // Twice: the second round runs on the flat maps the first one paid for.
        ExpectSameMapping(store, plain, c.Name);
        ExpectSameMapping(store, plain, std::string(c.Name) + " (settled)");
    }
}

TEST(RowStoreTest, MappingStaysRightThroughRandomChanges)
{
    std::mt19937 random(7);
    grid::TRowStore store;
    store.SetShownCount(500);
    TPlainMap plain{std::vector<bool>(500, false)};
    for (int step = 0; step < 300; ++step) {
        const int r = static_cast<int>(random() % static_cast<unsigned>(store.Total()));
        switch (random() % 4) {
        case 0:
        case 1: {
            const bool hide = !plain.Hidden[static_cast<std::size_t>(r)];
            store.SetHidden(r, hide);
            plain.Hidden[static_cast<std::size_t>(r)] = hide;
            break;
        }
        case 2:
            store.InsertRows(r, 3);
            plain.Hidden.insert(plain.Hidden.begin() + r, 3, false);
            break;
        case 3:
            store.SetShownCount(store.ShownCount() + 2);
            plain.Hidden.insert(plain.Hidden.end(), 2, false);
            break;
        }
        if (step % 25 == 0) ExpectSameMapping(store, plain, "step " + std::to_string(step));
        // A few lookups between changes use the tree, not the flat maps.
        const int d = static_cast<int>(random() % static_cast<unsigned>(store.ShownCount()));
        ASSERT_EQ(store.DisplToReal(d), plain.DisplToReal(d)) << "step " << step;
    }
}

TEST(RowStoreTest, RemovingRowsKeepsTheOthersAndTheirFlags)
{
    grid::TRowStore store;
    store.SetShownCount(6);
    for (int r = 0; r < 6; ++r) store.SetText(0, r, "r" + std::to_string(r));
    store.SetHidden(2, true);
    // Drop shown rows 1..3, keeping hidden row 2 in its place among the rest.
    auto removed = store.RemoveRows(1, 4, [](int, const grid::TRowRecord& row) { return !row.Hidden; });
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(store.Total(), 4);
    EXPECT_EQ(store.Text(0, 1), "r2");
    EXPECT_TRUE(store.IsHidden(1));
    EXPECT_EQ(store.Text(0, 2), "r4");
    EXPECT_EQ(store.DisplToReal(1), 2);
}

TEST(RowStoreTest, ShrinkingKeepsDataBeyondTheCountAndShowsCutHiddenRows)
{
    grid::TRowStore store;
    store.SetShownCount(5);
    store.SetText(0, 4, "last");
    store.SetHidden(3, true);
    store.SetShownCount(2);
    EXPECT_EQ(store.Total(), 2);
    EXPECT_EQ(store.HiddenCount(), 0);
    store.SetShownCount(5);
    EXPECT_EQ(store.Text(0, 4), "last");
    EXPECT_FALSE(store.IsHidden(3));
}

TEST(RowStoreTest, ReorderingMovesWholeRecordsAndKeepsTheMappingRight)
{
    grid::TRowStore store;
    store.SetShownCount(6);
    for (int r = 0; r < 6; ++r) store.SetText(1, r, "r" + std::to_string(r));
    store.SetHidden(4, true);
    // Settle the flat maps, so a stale one would show.
    for (int i = 0; i < 200; ++i) (void)store.DisplToReal(i % 5);

    // The shown rows 0, 1, 3 and 5 take the order 5, 3, 0, 1; row 2 and the
    // hidden row 4 keep their places.
    const std::vector<int> places = {0, 1, 3, 5};
    store.ReorderRows(places, std::vector<int>{3, 2, 0, 1});
    std::string texts;
    for (int r = 0; r < 6; ++r) texts += store.Text(1, r) + " ";
    EXPECT_EQ(texts, "r5 r3 r2 r0 r4 r1 ");
    EXPECT_TRUE(store.IsHidden(4));
    EXPECT_EQ(store.DisplToReal(4), 5);

    // A hidden record moved to another place takes its hidden state along.
    store.ReorderRows(std::vector<int>{4, 5}, std::vector<int>{1, 0});
    EXPECT_TRUE(store.IsHidden(5));
    EXPECT_FALSE(store.IsHidden(4));
    EXPECT_EQ(store.Text(1, 5), "r4");
    EXPECT_EQ(store.DisplToReal(4), 4);
    EXPECT_EQ(store.RealToDispl(5), 5);
    EXPECT_EQ(store.HiddenCount(), 1);
}

TEST(RowStoreTest, ReorderingRejectsAnOrderThatIsNoPermutation)
{
    grid::TRowStore store;
    store.SetShownCount(3);
    for (int r = 0; r < 3; ++r) store.SetText(0, r, std::to_string(r));
    const std::vector<int> places = {0, 1, 2};
    const std::vector<std::vector<int>> broken = {{0, 0, 1}, {0, 1, 3}, {2, -1, 0}, {0, 1}};
    for (const std::vector<int>& source : broken)
        EXPECT_THROW(store.ReorderRows(places, source), EListError);
    EXPECT_THROW(store.ReorderRows(std::vector<int>{0, -2}, std::vector<int>{1, 0}), EListError);
    EXPECT_THROW(store.ReorderRows(std::vector<int>{1, 1}, std::vector<int>{1, 0}), EListError);
    EXPECT_THROW(store.ReorderRows(std::vector<int>{2, 0, 2}, std::vector<int>{1, 2, 0}), EListError);
    EXPECT_EQ(store.Text(0, 0) + store.Text(0, 1) + store.Text(0, 2), "012") << "nothing moved";
}
