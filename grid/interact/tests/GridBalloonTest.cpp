// Balloon tips driven by pointer moves and the headless clock: shown after
// the pointer rests on a cell, closed on another cell or outside the grid,
// with the cell's plain text, a title and an icon the application may set.
#include "grid/interact/tests/GridEditingFixture.h"
#include "grid/model/BehaviourSettings.h"

#include <vector>

#include "grid/interact/GridBalloon.h"

using namespace backend::input;

namespace {

class GridBalloonTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        Grid->Balloon().SetInitialDelay(300);
        Grid->Balloon().SetReshowDelay(50);
        Grid->Balloon().SetAutoHideDelay(2000);
        Grid->Balloon().SetEnable(true);
    }
    const grid::TBalloonContent* Shown()
    {
        auto* window = dynamic_cast<grid::TBalloonWindow*>(Grid->BalloonWindow());
        return window ? &window->Content() : nullptr;
    }
    std::string ShownText() { return Shown() ? Shown()->Text : "<none>"; }
};

} // namespace

TEST_F(GridBalloonTest, ShowsAfterTheRestAndClosesOnAnotherCellOrOutside)
{
    Grid->SetCells(2, 2, "<b>bold</b> words");
    Grid->SetCells(3, 2, "\r\n\r\nfirst\tline");
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(250);
    EXPECT_EQ(Shown(), nullptr) << "not before the initial delay";
    AdvanceTime(100);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->Text, "bold words") << "the text without its markup";
    EXPECT_EQ(Shown()->Title, " ");
    EXPECT_EQ(Shown()->Icon, 1);
    const TRect bounds = Grid->BalloonWindow()->BoundsRect();
    EXPECT_EQ(bounds.TopLeft(), Grid->ClientToScreen({Centre(2, 2).X, Centre(2, 2).Y + 20})) << "below the pointer";
    EXPECT_LE(bounds.Width(), 300);
    MouseMove(*Grid, {Centre(2, 2).X + 3, Centre(2, 2).Y});
    EXPECT_EQ(ShownText(), "bold words") << "moving within the cell keeps it";

    MouseMove(*Grid, Centre(3, 2));
    EXPECT_EQ(Shown(), nullptr) << "another cell closes it";
    AdvanceTime(60);
    EXPECT_EQ(ShownText(), "first line") << "and shows its own after the reshow delay";
    AdvanceTime(2000);
    EXPECT_EQ(Shown(), nullptr) << "hidden after its time";
    AdvanceTime(1000);
    EXPECT_EQ(Shown(), nullptr) << "and not back on the same cell";

    MouseMove(*Grid, Centre(1, 3));
    AdvanceTime(400);
    EXPECT_EQ(Shown(), nullptr) << "an empty cell shows none";
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(400);
    ASSERT_NE(Shown(), nullptr);
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(Shown(), nullptr) << "leaving the grid closes it";
}

TEST_F(GridBalloonTest, TheApplicationSetsTitleTextAndIconWithinTheirLimits)
{
    Grid->SetCells(2, 2, std::string(3000, 'a'));
    std::vector<std::string> asked;
    Grid->OnCellBalloon = [&](TObject*, int ACol, int ARow, std::string& title, std::string& text, int& icon) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(text.size()));
        title = std::string(150, 't');
        icon = 3;
    };
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(400);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(asked, std::vector<std::string>{"2,2 2048"}) << "a long text is cut before the event";
    EXPECT_EQ(Shown()->Text, std::string(2045, 'a') + "...");
    EXPECT_EQ(Shown()->Title, std::string(97, 't') + "...");
    EXPECT_EQ(Shown()->Icon, 3);
}

TEST_F(GridBalloonTest, EnableStartsAndStopsBalloonsAtOnce)
{
    Grid->SetCells(2, 2, "text");
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(400);
    ASSERT_NE(Shown(), nullptr);
    Grid->Balloon().SetEnable(true);
    EXPECT_NE(Shown(), nullptr) << "enabling again keeps the one balloon";
    Grid->Balloon().SetEnable(false);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(Grid->Balloon().Initialized());
    MouseMove(*Grid, Centre(3, 3));
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(400);
    EXPECT_EQ(Shown(), nullptr) << "no balloons while off";
    Grid->Balloon().SetEnable(true);
    MouseMove(*Grid, Centre(2, 2));
    AdvanceTime(400);
    EXPECT_EQ(ShownText(), "text") << "and back when on again";
}
