// Column and row positions from prefix sums, checked against plain sums.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/grids/GridAxis.h"

namespace {

// The plain model: sizes in a vector, positions by summing.
struct TModel {
    std::vector<int> Sizes;
    int Line = 1;
    int Extent(int i) const { return Sizes[static_cast<std::size_t>(i)] < 0 ? 0 : Sizes[static_cast<std::size_t>(i)] + Line; }
    std::int64_t Offset(int i) const
    {
        std::int64_t s = 0;
        for (int k = 0; k < i; ++k) s += Extent(k);
        return s;
    }
    int IndexAt(std::int64_t pos) const
    {
        if (pos < 0) return -1;
        std::int64_t s = 0;
        for (int k = 0; k < static_cast<int>(Sizes.size()); ++k) {
            s += Extent(k);
            if (pos < s) return k;
        }
        return static_cast<int>(Sizes.size());
    }
};

void ExpectSame(const TGridAxis& axis, const TModel& model)
{
    ASSERT_EQ(axis.Count(), static_cast<int>(model.Sizes.size()));
    for (int i = 0; i <= axis.Count(); ++i) ASSERT_EQ(axis.Offset(i), model.Offset(i)) << "offset " << i;
    std::int64_t end = model.Offset(axis.Count());
    for (std::int64_t p = -1; p <= end + 3; ++p) ASSERT_EQ(axis.IndexAt(p), model.IndexAt(p)) << "pixel " << p;
}

} // namespace

TEST(GridAxis, PositionsMatchPlainSumsThroughSizingMovingAndCountChanges)
{
    std::mt19937 random(7);
    TGridAxis axis(40, 10, 1);
    TModel model{std::vector<int>(40, 10), 1};
    ExpectSame(axis, model);
    for (int step = 0; step < 300; ++step) {
        int what = static_cast<int>(random() % 10);
        int n = axis.Count();
        if (what < 5) {
            int i = static_cast<int>(random() % n);
            int size = static_cast<int>(random() % 30) - 3; // some hidden (negative)
            axis.SetSize(i, size);
            model.Sizes[static_cast<std::size_t>(i)] = size;
        } else if (what < 7) {
            int from = static_cast<int>(random() % n), to = static_cast<int>(random() % n);
            axis.Move(from, to);
            int v = model.Sizes[static_cast<std::size_t>(from)];
            model.Sizes.erase(model.Sizes.begin() + from);
            model.Sizes.insert(model.Sizes.begin() + to, v);
        } else {
            int count = 1 + static_cast<int>(random() % 90);
            axis.SetCount(count);
            model.Sizes.resize(static_cast<std::size_t>(count), 10);
        }
        if (step % 25 == 0) ExpectSame(axis, model);
    }
    ExpectSame(axis, model);

    axis.SetLineWidth(3);
    model.Line = 3;
    ExpectSame(axis, model);

    // A new default resets every size.
    axis.SetDefaultSize(7);
    model.Sizes.assign(model.Sizes.size(), 7);
    EXPECT_TRUE(axis.Uniform());
    ExpectSame(axis, model);
}

TEST(GridAxis, LongMovesAndGrowthOneByOneKeepTheSums)
{
    TGridAxis axis(300, 5, 0);
    TModel model{std::vector<int>(300, 5), 0};
    for (int i = 0; i < 300; i += 7) {
        axis.SetSize(i, i % 13);
        model.Sizes[static_cast<std::size_t>(i)] = i % 13;
    }
    axis.Move(3, 290);
    int v = model.Sizes[3];
    model.Sizes.erase(model.Sizes.begin() + 3);
    model.Sizes.insert(model.Sizes.begin() + 290, v);
    ExpectSame(axis, model);
    for (int k = 0; k < 70; ++k) {
        axis.SetCount(axis.Count() + 1);
        model.Sizes.push_back(5);
    }
    ExpectSame(axis, model);
}

TEST(GridAxis, IndexesOutsideTheCountRaise)
{
    TGridAxis axis(3, 10, 1);
    EXPECT_THROW(axis.Size(3), EListError);
    EXPECT_THROW(axis.SetSize(-1, 4), EListError);
    EXPECT_THROW(axis.Offset(4), EListError);
    EXPECT_THROW(axis.Move(0, 3), EListError);
    EXPECT_EQ(axis.Offset(3), 33);
}
