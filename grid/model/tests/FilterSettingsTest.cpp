#include "grid/model/FilterSettings.h"

#include "RecordingGridOwner.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterTest, ConditionsJoinWithAndAfterTheFirst)
{
    TRecordingGridOwner grid;
    TFilter filter(&grid);
    EXPECT_EQ(filter.Owner(), &grid);

    TFilterData* first = filter.Add();
    TFilterData* second = filter.Add();
    TFilterData* inserted = filter.Insert(0);
    EXPECT_EQ(first->Operation(), foNONE);
    EXPECT_EQ(second->Operation(), foAND);
    EXPECT_EQ(inserted->Operation(), foSHORT);
    EXPECT_EQ(filter.GetItem(2), inserted) << "Insert appends whatever the index";

    EXPECT_EQ(first->Column(), 0);
    EXPECT_EQ(first->Condition(), "");
    EXPECT_TRUE(first->CaseSensitive());
    EXPECT_EQ(first->Data(), fcVirtual);
}

TEST(FilterTest, ColumnFiltersAreFoundAddedAndRemoved)
{
    TRecordingGridOwner grid;
    TFilter filter(&grid);
    filter.Add()->SetColumn(2);
    filter.Add()->SetColumn(5);
    filter.Add()->SetColumn(2);

    EXPECT_EQ(filter.GetColFilter(2), filter.GetItem(0)) << "the first condition on the column";
    EXPECT_FALSE(filter.HasFilter(7));
    TFilterData* added = filter.GetColFilter(7);
    EXPECT_EQ(added->Column(), 7);
    EXPECT_EQ(added->Operation(), foAND);
    EXPECT_TRUE(filter.HasFilter(7));
    EXPECT_EQ(filter.Count(), 4);

    filter.RemoveColumnFilter(2);
    EXPECT_FALSE(filter.HasFilter(2));
    ASSERT_EQ(filter.Count(), 2);
    EXPECT_EQ(filter.GetItem(0)->Column(), 5);
    EXPECT_EQ(grid.TakeCalls(), (std::vector<std::string>{"cell 2,0"}));
}

TEST(FilterDataTest, AssignCopiesTheWholeCondition)
{
    TFilter filter(nullptr);
    TFilterData* source = filter.Add();
    source->SetColumn(40000);
    source->SetCondition(">10 & <20");
    source->SetCaseSensitive(false);
    source->SetData(fcStripHTML);
    source->SetPrefix("$");
    source->SetSuffix(" EUR");
    source->SetOperation(foXOR);
    TFilterData* target = filter.Add();

    target->Assign(source);

    EXPECT_EQ(target->Column(), 40000) << "columns past 16 bits are kept";
    EXPECT_EQ(target->Condition(), ">10 & <20");
    EXPECT_FALSE(target->CaseSensitive());
    EXPECT_EQ(target->Data(), fcStripHTML);
    EXPECT_EQ(target->Prefix(), "$");
    EXPECT_EQ(target->Suffix(), " EUR");
    EXPECT_EQ(target->Operation(), foXOR);

    target->Assign(nullptr);
    EXPECT_EQ(target->Condition(), ">10 & <20");
    TFilter otherClass(nullptr);
    EXPECT_THROW(target->Assign(&otherClass), EInvalidCast);
}

TEST(FilterDataTest, SetItemCopiesIntoTheCondition)
{
    TFilter filter(nullptr);
    filter.Add()->SetCondition("a*");
    TFilter other(nullptr);
    other.Add()->SetCondition("b*");
    filter.SetItem(0, other.GetItem(0));
    EXPECT_EQ(filter.GetItem(0)->Condition(), "b*");
    EXPECT_NE(filter.GetItem(0), other.GetItem(0));
}

} // namespace
