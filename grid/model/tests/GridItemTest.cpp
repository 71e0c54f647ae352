#include "grid/model/GridItem.h"

#include <gtest/gtest.h>

namespace {

TEST(GridItemTest, HoldsAHiddenRowWithItsOwnTexts)
{
    TCollection store(ItemClassOf<TGridItem>());
    auto* item = static_cast<TGridItem*>(store.Add());
    item->SetIdx(12);
    item->SetHeight(24);
    item->SetLevel(1);
    item->Items()->Add("first");

    TStringList texts;
    texts.Add("a");
    texts.Add("b");
    item->SetItems(&texts);
    texts.Clear();

    EXPECT_EQ(item->Idx(), 12);
    EXPECT_EQ(item->Height(), 24);
    EXPECT_EQ(item->Level(), 1);
    ASSERT_EQ(item->Items()->Count(), 2) << "setting copies the caller's texts";
    EXPECT_EQ(item->Items()->Strings(1), "b");
}

} // namespace
