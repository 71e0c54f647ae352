// The selection listener a grid keeps: told of every accepted move of the
// current cell, replaced by the next one registered, forgotten when freed.
#include "grid/interact/tests/GridEditingFixture.h"

#include <string>
#include <vector>

#include "grid/model/GridSelectionListener.h"

namespace {

class TCellLog : public TGridSelectionListener {
public:
    TCellLog() : TGridSelectionListener(nullptr) {}
    void SelectionChanged(int ACol, int ARow) override { Cells.push_back(std::to_string(ACol) + "," + std::to_string(ARow)); }
    std::vector<std::string> Cells;
};

using Log = std::vector<std::string>;

TEST_F(GridEditingTest, TheSelectionListenerHearsEveryAcceptedMove)
{
    TCellLog listener;
    Grid->RegisterSelListener(&listener);
    Press(VK_DOWN);
    Press(VK_RIGHT);
    Grid->FocusCell(3, 4, true);
    backend::input::Click(*Grid, Centre(2, 3));
    EXPECT_EQ(listener.Cells, (Log{"1,2", "2,2", "3,4", "2,3"})) << "each with the cell it reaches";
    Grid->OnCellChanging = [](TObject*, int, int, int, int, bool& Allow) { Allow = false; };
    Press(VK_UP);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(listener.Cells.size(), 4u) << "a refused move is not reported";
}

TEST_F(GridEditingTest, OneSelectionListenerAtATimeAndAFreedOneIsForgotten)
{
    TCellLog first, second;
    Grid->RegisterSelListener(&first);
    Grid->RegisterSelListener(&second);
    Press(VK_DOWN);
    EXPECT_TRUE(first.Cells.empty()) << "replaced";
    EXPECT_EQ(second.Cells, (Log{"1,2"}));
    // Unregistering forgets the listener whichever is passed.
    Grid->UnRegisterSelListener(&first);
    Press(VK_DOWN);
    EXPECT_EQ(second.Cells.size(), 1u);

    auto* freed = new TCellLog;
    grid::TSelectionListenerLink link;
    link.SetListener(freed);
    Grid->RegisterSelListener(freed);
    delete freed;
    EXPECT_EQ(link.Listener(), nullptr);
    Press(VK_UP);
    EXPECT_EQ(Grid->Row(), 2) << "moves go on without the freed listener";
    Grid->RegisterSelListener(&first);
    Press(VK_UP);
    EXPECT_EQ(first.Cells, (Log{"1,1"}));
}

} // namespace
