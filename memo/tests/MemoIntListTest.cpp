// The memo's integer list: storage in pointer slots and the binary-search IndexOf.
#include "memo/MemoIntList.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using memo::TIntList;

TEST(MemoIntList, StoresSignedValuesInOrder)
{
    TIntList list;
    list.Add(5);
    list.Add(-2147483647 - 1);
    list.Insert(0, -1);
    list.SetInteger(2, 2147483647);
    list.Delete(1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), -1);
    EXPECT_EQ(list.Items(1), 2147483647);
    EXPECT_THROW(list.Items(2), EListError);
    EXPECT_THROW(list.Insert(5, 1), EListError);
}

TEST(MemoIntListIndexOf, SearchesAnAscendingList)
{
    TIntList sorted;
    for (int value : {-4, 0, 3, 8, 15, 21})
        sorted.Add(value);
    struct Case {
        int value;
        int index;
    };
    for (Case c : {Case{-4, 0}, Case{21, 5}, Case{8, 3}, Case{4, -1}, Case{-9, -1}, Case{30, -1}})
        EXPECT_EQ(sorted.IndexOf(c.value), c.index) << c.value;
    EXPECT_EQ(TIntList().IndexOf(0), -1);
}

TEST(MemoIntListIndexOf, MayMissValuesOfAnUnsortedList)
{
    TIntList unsorted;
    for (int value : {9, 1, 5})
        unsorted.Add(value);
    EXPECT_EQ(unsorted.IndexOf(9), -1);
    EXPECT_EQ(unsorted.IndexOf(1), 1);
}
