// Packed keys sort as a stable sort with the key comparison does, both
// below and above the size where radix passes take over, and report the
// runs of equal keys.
#include "grid/data/PackedSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

struct TKeyCase {
    grid::TSortKey Key;
    int BlankOrder = 0;
};

// Keys that meet at every field: ranks, equal numbers, 0 and -0, negative
// numbers, texts sharing eight-byte prefixes, trailing zero bytes, blanks.
// The texts drawn from: those that fit a prefix, then longer ones, then one
// ending in a zero byte.
enum TTexts { tsShort = 6, tsLong = 8, tsZeroByte = 9 };

std::vector<TKeyCase> AwkwardKeys(std::size_t Count, TTexts Texts, unsigned Seed)
{
    static const char* const texts[] = {"", "a", "ab", "B", "b", "abcdefgh", "abcdefghi", "abcdefghj"};
    static const double numbers[] = {0.0, -0.0, 1.5, -1.5, 1e300, -1e-300, 42, 42.000000000000007};
    std::mt19937 random(Seed);
    std::vector<TKeyCase> keys(Count);
    for (TKeyCase& k : keys) {
        k.Key.Rank = static_cast<int>(random() % 3);
        k.Key.Number = numbers[random() % std::size(numbers)];
        const std::size_t t = random() % Texts;
        k.Key.Text = t < std::size(texts) ? std::string(texts[t]) : std::string("abcdefgh\0", 9);
        k.Key.Blank = k.Key.Text.empty() && random() % 2;
        k.BlankOrder = k.Key.Blank ? (Seed % 2 ? 1 : -1) : 0;
    }
    return keys;
}

TEST(PackedSort, OrdersAndTiesAsAStableSortWithTheKeyComparison)
{
    // With the first half of the keys all alike, each field holds one value
    // for a while before the rows differ.
    for (bool alikeFirstHalf : {false, true})
    for (std::size_t count : {std::size_t{40}, std::size_t{3000}})
        for (TTexts texts : {tsShort, tsLong, tsZeroByte})
            for (bool descending : {false, true}) {
                SCOPED_TRACE(testing::Message() << count << " texts " << texts << (descending ? " descending" : "")
                                                << (alikeFirstHalf ? " first half alike" : ""));
                std::vector<TKeyCase> keys = AwkwardKeys(count, texts, static_cast<unsigned>(count) + descending);
                if (alikeFirstHalf) std::fill(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count / 2), keys[count / 2]);
                grid::TPackedSortKeys packed(count, descending);
                for (std::uint32_t i = 0; i < count; ++i)
                    packed.Set(i, grid::RefOf(keys[i].Key), keys[i].BlankOrder);
                const auto compare = [&](std::uint32_t a, std::uint32_t b) {
                    if (keys[a].BlankOrder != keys[b].BlankOrder) return keys[a].BlankOrder < keys[b].BlankOrder ? -1 : 1;
                    const int c = grid::CompareSortKeys(grid::RefOf(keys[a].Key), grid::RefOf(keys[b].Key));
                    return descending ? -c : c;
                };
                std::vector<std::uint32_t> expected(count);
                std::iota(expected.begin(), expected.end(), 0u);
                std::stable_sort(expected.begin(), expected.end(), [&](auto a, auto b) { return compare(a, b) < 0; });
                std::vector<grid::TSortRun> expectedTies;
                for (std::size_t b = 0; b < count;) {
                    std::size_t e = b + 1;
                    while (e < count && compare(expected[b], expected[e]) == 0) ++e;
                    if (e - b > 1) expectedTies.push_back({b, e});
                    b = e;
                }

                // Sorted as the middle part of a longer order, as the runs of a
                // tie-breaking column are.
                std::vector<std::uint32_t> order(count + 2);
                order.front() = order.back() = 99999;
                std::iota(order.begin() + 1, order.end() - 1, 0u);
                std::vector<grid::TSortRun> ties;
                packed.Sort(order, {1, count + 1}, ties);
                EXPECT_TRUE(std::equal(expected.begin(), expected.end(), order.begin() + 1));
                EXPECT_EQ(order.front(), 99999u);
                EXPECT_EQ(order.back(), 99999u);
                ASSERT_EQ(ties.size(), expectedTies.size());
                for (std::size_t i = 0; i < ties.size(); ++i) {
                    EXPECT_EQ(ties[i].Begin, expectedTies[i].Begin + 1);
                    EXPECT_EQ(ties[i].End, expectedTies[i].End + 1);
                }
            }
}

} // namespace
