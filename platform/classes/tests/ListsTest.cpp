#include "platform/classes/Lists.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

void* P(std::intptr_t v)
{
    return reinterpret_cast<void*>(v);
}

std::vector<std::intptr_t> Values(const TList& l)
{
    std::vector<std::intptr_t> out;
    for (int i = 0; i < l.Count(); ++i)
        out.push_back(reinterpret_cast<std::intptr_t>(l.Items(i)));
    return out;
}

int gAlive = 0;
struct TCounted : TObject {
    TCounted() { ++gAlive; }
    ~TCounted() override { --gAlive; }
};

} // namespace

TEST(List, EditingOperations)
{
    TList l;
    for (int v : {1, 2, 3, 4})
        l.Add(P(v));
    l.Insert(0, P(9));
    l.Exchange(0, 4);
    l.Move(0, 2);
    EXPECT_EQ(Values(l), (std::vector<std::intptr_t>{1, 2, 4, 3, 9}));
    EXPECT_EQ(l.Remove(P(4)), 2);
    EXPECT_EQ(l.Remove(P(4)), -1);
    EXPECT_EQ(l.Extract(P(9)), P(9));
    EXPECT_EQ(l.Extract(P(9)), nullptr);
    EXPECT_EQ(l.First(), P(1));
    EXPECT_EQ(l.Last(), P(3));
    l.SetCount(5);
    EXPECT_EQ(l.Items(4), nullptr);
    l.Pack();
    EXPECT_EQ(Values(l), (std::vector<std::intptr_t>{1, 2, 3}));
    l.Insert(3, P(7)); // at Count is an append
    EXPECT_EQ(l.IndexOf(P(7)), 3);
}

TEST(List, IndexErrors)
{
    TList l;
    l.Add(P(1));
    try {
        l.Items(1);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(l.Delete(-1), EListError);
    EXPECT_THROW(l.Insert(2, P(1)), EListError);
    EXPECT_THROW(l.Move(0, 1), EListError);
    EXPECT_THROW(l.Exchange(0, 3), EListError);
    EXPECT_THROW(l.SetCapacity(0), EListError);
    TList empty;
    EXPECT_THROW(empty.First(), EListError);
    EXPECT_THROW(empty.Last(), EListError);
}

TEST(List, SortOrdersAndSurvivesAnInconsistentComparer)
{
    TList l;
    std::mt19937 rng(7);
    for (int i = 0; i < 500; ++i)
        l.Add(P(rng() % 100));
    l.Sort([](void* a, void* b) {
        auto x = reinterpret_cast<std::intptr_t>(a), y = reinterpret_cast<std::intptr_t>(b);
        return x < y ? -1 : x > y ? 1 : 0;
    });
    auto v = Values(l);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));

    // A comparer that always answers "less" must not walk off the list.
    l.Sort([](void*, void*) { return -1; });
    l.Sort([](void*, void*) { return 1; });
    EXPECT_EQ(l.Count(), 500);
}

TEST(ObjectList, FreesWhatItOwnsButNotWhatItHandsBack)
{
    gAlive = 0;
    {
        TObjectList owning;
        auto* a = new TCounted;
        auto* b = new TCounted;
        owning.Add(a);
        owning.Add(b);
        owning.Add(new TCounted);
        owning.Delete(2);
        EXPECT_EQ(gAlive, 2);
        EXPECT_EQ(owning.Extract(a), a);
        owning.SetItems(0, new TCounted); // replaces and frees b
        EXPECT_EQ(gAlive, 2);
        delete a;
    }
    EXPECT_EQ(gAlive, 0);

    TCounted kept;
    {
        TObjectList referencing(false);
        referencing.Add(&kept);
    }
    EXPECT_EQ(gAlive, 1);
}
