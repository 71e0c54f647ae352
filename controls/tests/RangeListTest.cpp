// Range texts to integer lists and back, with malformed and oversized input.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "controls/RangeList.h"

namespace {

std::vector<int> Entries(const TRangeList& list)
{
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetInteger(i));
    return out;
}

} // namespace

TEST(RangeList, ReadsRangeTexts)
{
    struct Case {
        const char* text;
        bool valid;
        std::vector<int> entries;
    } cases[] = {
        {"1-3,5", true, {1, 2, 3, 5}},
        {"1,,2", false, {1, 2}},
        {"0;2", true, {0, 2}},
        {"5-3", true, {}},
        {"3,1-4", true, {3, 1, 2, 4}},
        {"x,7", false, {7}},
        {"1-x", false, {}},
        {"-5", false, {}},
        {"", true, {}},
        {"1,", true, {1}},
    };
    for (const Case& c : cases) {
        TRangeList list;
        EXPECT_EQ(list.StrToList(c.text), c.valid) << c.text;
        EXPECT_EQ(Entries(list), c.entries) << c.text;
    }
}

TEST(RangeList, HugeRangeIsRefusedInsteadOfAllocated)
{
    TRangeList list;
    EXPECT_FALSE(list.StrToList("1-2000000000,7"));
    EXPECT_EQ(Entries(list), (std::vector<int>{7}));
    EXPECT_TRUE(list.StrToList("1-" + std::to_string(TRangeList::MaxEntries)));
    EXPECT_EQ(list.Count(), TRangeList::MaxEntries);
}

TEST(RangeList, WritesRuns)
{
    TRangeList list;
    for (int v : {7, 1, 2, 3}) list.Add(v);
    list.Add(2);
    EXPECT_EQ(list.Count(), 4) << "duplicates are not added";
    EXPECT_EQ(list.ToRangeStr(), "1-3,7");
    EXPECT_EQ(Entries(list), (std::vector<int>{1, 2, 3, 7})) << "the list is left sorted";

    TRangeList runs;
    for (int v : {1, 2, 3, 5, 7, 8, 0, -2}) runs.Add(v);
    EXPECT_EQ(runs.ToRangeStr(), "-2,0-3,5,7-8");

    TRangeList empty;
    EXPECT_EQ(empty.ToRangeStr(), "");
}

TEST(RangeList, MembershipFollowsEveryChange)
{
    TRangeList list;
    list.AddMultiple(0, 3);
    EXPECT_TRUE(list.InList(0));
    list.Delete(0);
    EXPECT_FALSE(list.InList(0));
    list.SetInteger(0, 9);
    EXPECT_TRUE(list.InList(9));
    EXPECT_FALSE(list.InList(1));
    std::ostringstream shown;
    list.Show(shown);
    EXPECT_EQ(shown.str(), "9\n2\n");
}
