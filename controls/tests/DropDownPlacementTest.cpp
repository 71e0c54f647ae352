// Where the popup opens at each edge of the work area.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownPlacement.h"

using namespace controls;

namespace {
struct Case {
    const char* what;
    TRect edit;
    int width, height;
    TDropPosition position;
    TRect expected;
};
} // namespace

TEST(DropDownPlacement, KeepsThePopupBesideTheEditAndOnTheWorkArea)
{
    const TRect work{0, 0, 1024, 768};
    const Case cases[] = {
        {"room below: opens below, sharing the edit's bottom row", {100, 100, 300, 121}, 200, 300, dpAuto, {100, 120, 300, 420}},
        {"no room below: opens above", {100, 500, 300, 521}, 200, 300, dpAuto, {100, 200, 300, 500}},
        {"room on neither side: the larger side, kept on screen", {100, 300, 300, 321}, 200, 500, dpAuto, {100, 268, 300, 768}},
        {"forced down at the bottom edge: lifted onto the screen", {100, 700, 300, 721}, 200, 100, dpDown, {100, 668, 300, 768}},
        {"forced up at the top edge: lowered onto the screen", {100, 50, 300, 71}, 200, 100, dpUp, {100, 0, 300, 100}},
        {"right edge: shifted left to end at the edge", {900, 100, 1000, 121}, 200, 100, dpAuto, {824, 120, 1024, 220}},
        {"left edge: shifted right to start at the edge", {-50, 100, 150, 121}, 200, 100, dpAuto, {0, 120, 200, 220}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceDropDown(c.edit, c.width, c.height, c.position, work), c.expected);
    }
}

TEST(DropDownPlacement, FollowsAWorkAreaThatDoesNotStartAtTheOrigin)
{
    // A second monitor left of the primary one, with a panel at its top.
    const TRect work{-1280, 30, 0, 1024};
    EXPECT_EQ(PlaceDropDown({-100, 10, 0, 31}, 200, 100, dpUp, work), (TRect{-200, 30, 0, 130}));
}
