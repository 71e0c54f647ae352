// Recording cell changes and playing them back into a grid.
#include "grid/base/GridUndoRedo.h"

#include "grid/base/BaseGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace {

using Playback = std::tuple<int, int, std::string, std::string>;

class GridUndoRedoTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TBaseGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        History = new TQuillGridUndoRedo(Form.get());
        Grid->SetUndoRedo(History);
        History->OnUndo = [this](TObject*, TBaseGrid*, int Col, int Row, const std::string& Orig, const std::string& New) {
            Undone.emplace_back(Col, Row, Orig, New);
        };
        History->OnRedo = [this](TObject*, TBaseGrid*, int Col, int Row, const std::string& Orig, const std::string& New) {
            Redone.emplace_back(Col, Row, Orig, New);
        };
    }

    // Writes the cell as an edit would and records the change.
    void Change(int col, int row, const std::string& text)
    {
        History->RegisterChange(col, row, Grid->GetCellEx(col, row), text);
        Grid->SetCellEx(col, row, text);
    }

    std::unique_ptr<TForm> Form;
    TBaseGrid* Grid = nullptr;
    TQuillGridUndoRedo* History = nullptr;
    std::vector<Playback> Undone;
    std::vector<Playback> Redone;
};

} // namespace

TEST_F(GridUndoRedoTest, UndoAndRedoOneChange)
{
    Grid->SetCellEx(1, 1, "a");
    Change(1, 1, "b");
    EXPECT_EQ(History->Level(), 1);
    Grid->SetCol(3);
    Grid->SetRow(2);
    History->Undo();
    EXPECT_EQ(Grid->GetCellEx(1, 1), "a");
    EXPECT_EQ(Undone, (std::vector<Playback>{{1, 1, "b", "a"}}));
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(History->Level(), 0);
    EXPECT_FALSE(History->CanUndo());
    EXPECT_TRUE(History->CanRedo());
    History->Redo();
    EXPECT_EQ(Grid->GetCellEx(1, 1), "b");
    EXPECT_EQ(Redone, (std::vector<Playback>{{1, 1, "a", "b"}}));
    EXPECT_EQ(History->Level(), 1);
}

TEST_F(GridUndoRedoTest, SequencePlaysBackAsOneStep)
{
    Change(1, 1, "x");
    History->StartSequence();
    Change(1, 2, "p");
    Change(2, 2, "q");
    Change(3, 2, "r");
    History->StopSequence();
    EXPECT_EQ(History->Level(), 6);

    History->Undo();
    EXPECT_EQ(History->Level(), 1) << "past both markers";
    EXPECT_EQ(Undone, (std::vector<Playback>{{3, 2, "r", ""}, {2, 2, "q", ""}, {1, 2, "p", ""}}));
    EXPECT_EQ(Grid->GetCellEx(1, 1), "x");

    History->Redo();
    EXPECT_EQ(History->Level(), 6);
    EXPECT_EQ(Redone, (std::vector<Playback>{{1, 2, "", "p"}, {2, 2, "", "q"}, {3, 2, "", "r"}}));
    EXPECT_EQ(Grid->GetCellEx(3, 2), "r");
}

TEST_F(GridUndoRedoTest, MaxLevelDropsTheOldest)
{
    History->SetMaxLevel(2);
    Change(1, 1, "a");
    Change(1, 2, "b");
    Change(1, 3, "c");
    ASSERT_EQ(History->Items().Count(), 2);
    EXPECT_EQ(History->Items().Items(0)->Row(), 2);
    EXPECT_EQ(History->Level(), 2);
}

TEST_F(GridUndoRedoTest, NothingToPlayBackDoesNothing)
{
    History->Undo();
    History->Redo();
    Change(1, 1, "a");
    History->Redo();
    EXPECT_EQ(Redone.size(), 0u);
    History->SetGrid(nullptr);
    History->Undo();
    EXPECT_EQ(Grid->GetCellEx(1, 1), "a");
    EXPECT_EQ(History->Level(), 1);
}

TEST_F(GridUndoRedoTest, ResetForgetsEverything)
{
    Change(1, 1, "a");
    Change(1, 2, "b");
    History->Reset();
    EXPECT_FALSE(History->CanRedo());
    EXPECT_FALSE(History->CanUndo()) << "an empty history has nothing to undo";
    History->Undo();
    EXPECT_EQ(Grid->GetCellEx(1, 2), "b");
}

TEST_F(GridUndoRedoTest, ANewChangeDiscardsWhatWasUndone)
{
    Change(1, 1, "a");
    History->Undo();
    Change(2, 2, "b");
    EXPECT_EQ(History->Items().Count(), 1);
    EXPECT_FALSE(History->CanRedo());
    History->Undo();
    History->Undo();
    EXPECT_EQ(Undone.size(), 2u) << "the abandoned change is not played back again";
    EXPECT_EQ(Grid->GetCellEx(1, 1), "");
    History->Redo();
    EXPECT_EQ(Grid->GetCellEx(2, 2), "b");
    EXPECT_EQ(Grid->GetCellEx(1, 1), "") << "nor redone";
}

TEST_F(GridUndoRedoTest, MarkersNeverReachTheGrid)
{
    History->StartSequence();
    History->Undo();
    EXPECT_EQ(History->Level(), 0) << "an empty open sequence is stepped over";
    EXPECT_TRUE(Undone.empty());

    // An unclosed sequence redoes all its changes.
    History->StartSequence();
    Change(1, 1, "a");
    Change(2, 1, "b");
    History->SetLevel(0);
    History->Redo();
    EXPECT_EQ(Redone.size(), 2u);
    EXPECT_EQ(History->Level(), 3);

    // A stop marker without its start is passed over.
    History->StopSequence();
    History->SetLevel(3);
    History->Redo();
    EXPECT_EQ(History->Level(), 4);
    EXPECT_EQ(Redone.size(), 2u);
}

TEST_F(GridUndoRedoTest, ChangesOutsideTheGridAreSkipped)
{
    Change(4, 4, "far");
    Change(1, 1, "near");
    Grid->SetRowCount(3);
    History->Undo();
    History->Undo();
    EXPECT_EQ(Undone.size(), 1u);
    EXPECT_EQ(History->Level(), 0);
}

TEST_F(GridUndoRedoTest, GridAndHistoryForgetEachOtherWhenFreed)
{
    EXPECT_EQ(History->Grid(), Grid) << "the grid's link fills in the history's grid";
    auto* other = new TQuillGridUndoRedo(Form.get());
    other->SetGrid(Grid);
    delete History;
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
    delete Grid;
    EXPECT_EQ(other->Grid(), nullptr);
    other->Undo();
}
