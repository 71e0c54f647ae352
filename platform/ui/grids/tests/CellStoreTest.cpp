// The sparse cell store: reads and writes anywhere, moves, and index errors.
#include <gtest/gtest.h>

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/grids/CellStore.h"

TEST(GridCellStore, UnwrittenCellsReadEmptyAndClearingThemAllocatesNothing)
{
    TGridCellStore store;
    EXPECT_EQ(store.Text(7, 1'000'000), "");
    EXPECT_EQ(store.Object(3, 3), nullptr);
    store.SetText(5, 900, "");
    store.SetObject(5, 900, nullptr);
    EXPECT_EQ(store.AllocatedRows(), 0u);

    TObject marker;
    store.SetText(2, 4, "x");
    store.SetObject(9, 4, &marker);
    EXPECT_EQ(store.Text(2, 4), "x");
    EXPECT_EQ(store.Object(9, 4), &marker);
    EXPECT_EQ(store.Object(2, 4), nullptr);
    EXPECT_EQ(store.Text(9, 4), "");
    EXPECT_EQ(store.AllocatedRows(), 1u);
}

TEST(GridCellStore, NegativeIndexesRaiseTheListIndexError)
{
    TGridCellStore store;
    TObject marker;
    EXPECT_THROW(store.Text(-1, 0), EListError);
    EXPECT_THROW(store.Text(0, -1), EListError);
    EXPECT_THROW(store.SetText(-1, 0, "a"), EListError);
    EXPECT_THROW(store.SetObject(0, -2, &marker), EListError);
    EXPECT_THROW(store.Object(-3, 0), EListError);
    EXPECT_THROW(store.MoveRow(-1, 2), EListError);
    EXPECT_THROW(store.MoveColumn(0, -1), EListError);
}

TEST(GridCellStore, MovesCarryTextsAndObjectsAndShiftTheCellsBetween)
{
    TGridCellStore store;
    TObject a, b;
    for (int r = 0; r < 4; ++r) store.SetText(0, r, "r" + std::to_string(r));
    store.SetObject(1, 0, &a);
    store.SetObject(1, 3, &b);

    store.MoveRow(0, 3); // r1 r2 r3 r0
    EXPECT_EQ(store.Text(0, 0), "r1");
    EXPECT_EQ(store.Text(0, 2), "r3");
    EXPECT_EQ(store.Text(0, 3), "r0");
    EXPECT_EQ(store.Object(1, 3), &a);
    EXPECT_EQ(store.Object(1, 2), &b);

    store.MoveRow(3, 0); // back
    EXPECT_EQ(store.Text(0, 0), "r0");
    EXPECT_EQ(store.Object(1, 0), &a);

    // A move to an index past everything written still keeps every cell.
    store.MoveRow(1, 10);
    EXPECT_EQ(store.Text(0, 10), "r1");
    EXPECT_EQ(store.Text(0, 1), "r2");

    store.SetText(0, 0, "c0");
    store.SetText(2, 0, "c2");
    store.MoveColumn(0, 2); // old col 1 -> 0, 2 -> 1, 0 -> 2
    EXPECT_EQ(store.Text(2, 0), "c0");
    EXPECT_EQ(store.Text(1, 0), "c2");
    EXPECT_EQ(store.Object(0, 0), &a);
    store.MoveColumn(5, 0);
    EXPECT_EQ(store.Text(0, 0), "");
    EXPECT_EQ(store.Text(3, 0), "c0");
}
