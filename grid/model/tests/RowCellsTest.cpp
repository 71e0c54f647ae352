// A row's cells: every column operation gives what a plain map of columns gives,
// whichever form the row is in, and a row of far-apart cells costs its cells only.
#include "grid/model/RowCells.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

using grid::TRowCells;

namespace {

using TModel = std::map<std::size_t, std::string>;

void ExpectSame(const TRowCells<std::string>& Row, const TModel& Model, std::size_t Width, const std::string& What)
{
    for (std::size_t c = 0; c < Width; ++c) {
        const std::string* found = Row.Find(c);
        const auto it = Model.find(c);
        EXPECT_EQ(found ? *found : std::string(), it == Model.end() ? std::string() : it->second) << What << ", column " << c;
    }
}

void ModelMove(TModel& Model, std::size_t From, std::size_t To)
{
    TModel moved;
    for (auto& [col, text] : Model) {
        std::size_t c = col;
        if (col == From)
            c = To;
        else if (From < To && col > From && col <= To)
            c = col - 1;
        else if (From > To && col >= To && col < From)
            c = col + 1;
        moved[c] = text;
    }
    Model = moved;
}

} // namespace

TEST(RowCells, EveryOperationMatchesAMapOfColumnsInBothForms)
{
    constexpr std::size_t width = 400;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        // Even seeds fill near the left (the array form), odd ones far apart (pairs).
        const std::size_t spread = seed % 2 ? width : 24;
        TRowCells<std::string> row;
        TModel model;
        for (int step = 0; step < 300; ++step) {
            const std::size_t a = random() % spread, b = random() % spread;
            const std::string what = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            switch (random() % 8) {
            case 0: case 1: case 2: {
                const std::string text = "t" + std::to_string(step);
                row.Slot(a) = text;
                model[a] = text;
                break;
            }
            case 3:
                if (row.Find(a)) row.Slot(a).clear();
                model.erase(a);
                break;
            case 4: {
                row.Move(a, b);
                ModelMove(model, a, b);
                break;
            }
            case 5: {
                row.Swap(a, b);
                TModel swapped;
                for (auto& [col, text] : model)
                    swapped[col == a ? b : col == b ? a : col] = text;
                model = swapped;
                break;
            }
            case 6: {
                const std::size_t n = 1 + random() % 3;
                row.Insert(a, n);
                TModel shifted;
                for (auto& [col, text] : model)
                    shifted[col >= a ? col + n : col] = text;
                model = shifted;
                break;
            }
            case 7: {
                const std::size_t n = 1 + random() % 3;
                row.Erase(a, n);
                TModel shifted;
                for (auto& [col, text] : model)
                    if (col < a || col >= a + n) shifted[col >= a + n ? col - n : col] = text;
                model = shifted;
                break;
            }
            }
            for (auto it = model.begin(); it != model.end();)
                it = it->second.empty() ? model.erase(it) : std::next(it);
            ExpectSame(row, model, width + 20, what);
            if (::testing::Test::HasFailure()) return;
        }
        const TRowCells<std::string> copy = row;
        ExpectSame(copy, model, width + 20, "a copy, seed " + std::to_string(seed));
    }
}

TEST(RowCells, FarApartCellsKeepNoSlotsBetweenThem)
{
    TRowCells<std::string> row;
    row.Slot(99'999) = "far";
    row.Slot(50'000) = "middle";
    row.Slot(0) = "near";
    EXPECT_EQ(row.Extent(), 100'000u);
    std::size_t slots = 0;
    row.ForEach([&slots](const std::string&) { ++slots; });
    EXPECT_EQ(slots, 3u) << "three cells, three slots";
    // Filling from the left keeps an array no longer than about twice the cells.
    TRowCells<std::string> filled;
    for (std::size_t c = 0; c < 1000; c += 3)
        filled.Slot(c) = "x";
    slots = 0;
    filled.ForEach([&slots](const std::string&) { ++slots; });
    EXPECT_LE(slots, 2 * 334 + 16);
    EXPECT_EQ(*filled.Find(999), "x");
}

TEST(RowCells, AFirstWidthMakesOneArrayForARowFilledColumnByColumn)
{
    TRowCells<std::string> row;
    const std::string* first = &(row.Slot(0, 10) = "a");
    for (std::size_t c = 1; c < 10; ++c)
        row.Slot(c, 10) = std::string(1, static_cast<char>('a' + c));
    EXPECT_EQ(row.Find(0), first) << "the cells stayed where the first write put them";
    EXPECT_EQ(*row.Find(9), "j");
    // A hostile width is capped, and a far cell still takes no room between.
    TRowCells<std::string> wide;
    wide.Slot(0, 1'000'000) = "x";
    std::size_t slots = 0;
    wide.ForEach([&slots](const std::string&) { ++slots; });
    EXPECT_LE(slots, TRowCells<std::string>::MaxFirstWidth);
    TRowCells<std::string> far;
    far.Slot(99'999, 100'000) = "far";
    slots = 0;
    far.ForEach([&slots](const std::string&) { ++slots; });
    EXPECT_EQ(slots, 1u);
    EXPECT_EQ(*far.Find(99'999), "far");
}
