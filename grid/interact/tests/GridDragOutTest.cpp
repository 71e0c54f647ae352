// Dragging selected cells and header columns out of the grid, dropped on
// the headless host's drop target: what travels, what a move takes away,
// and when a press turns into a drag at all.
#include "grid/interact/tests/GridEditingFixture.h"

#include <optional>
#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"

using namespace backend::input;

namespace {

class GridDragOutTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        Dropped.reset();
        Events.clear();
        DropEffect = DROPEFFECT_COPY;
        SetOption(goEditing, false);
        Grid->DragDropSettings().SetOleDropSource(true);
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < 4; ++c) Grid->SetCells(c, r, std::string(1, static_cast<char>('a' + c - 1)) + std::to_string(r));
        Grid->SetSelection({1, 1, 2, 2});
        backend::HeadlessBackend().SetDropHandler([this](const ui::TClipboardContents& data, int allowed) {
            Dropped = data;
            Allowed = allowed;
            return DropEffect;
        });
        Grid->OnOleDragStart = [this](TObject*, int ARow, int ACol) { Events.push_back("start " + Where(ARow, ACol)); };
        Grid->OnOleDragStop = [this](TObject*, int Effect) { Events.push_back("stop " + std::to_string(Effect)); };
    }
    static std::string Where(int ARow, int ACol) { return std::to_string(ACol) + "," + std::to_string(ARow); }
    // Presses at the middle of a cell and moves the held button by (dx, dy).
    void PressAndMove(int ACol, int ARow, int dx, int dy)
    {
        const TPoint from = Centre(ACol, ARow);
        MouseDown(*Grid, from);
        MouseMove(*Grid, {from.X + dx, from.Y + dy}, TShiftState{ssLeft});
    }
    std::optional<std::string> DroppedAs(const std::string& Name) const
    {
        if (!Dropped) return std::nullopt;
        for (const auto& [name, bytes] : Dropped->Items)
            if (name == Name) return bytes;
        return std::nullopt;
    }

    int DropEffect = DROPEFFECT_COPY;
    std::optional<ui::TClipboardContents> Dropped;
    int Allowed = 0;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(GridDragOutTest, DroppedCellsStayOnACopyAndLeaveOnAMove)
{
    struct Case {
        const char* name;
        int effect;
        bool copyAlways, removeRows;
        const char* column1;   // afterwards, rows 0..
        int rowCount;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"copied", DROPEFFECT_COPY, false, false, " a1 a2 a3 a4", 5, {"start 1,1", "stop 1"}},
        {"moved", DROPEFFECT_MOVE, false, false, "   a3 a4", 5, {"start 1,1", "stop 2"}},
        {"moved but always copied", DROPEFFECT_MOVE, true, false, " a1 a2 a3 a4", 5, {"start 1,1", "stop 2"}},
        {"moved as rows", DROPEFFECT_MOVE, false, true, " a3 a4", 3, {"start 1,1", "stop 2"}},
        {"cancelled", DROPEFFECT_NONE, false, false, " a1 a2 a3 a4", 5, {"start 1,1"}},
    };
    for (const Case& c : cases) {
        // Each case on a grid of its own.
        TearDown();
        SetUp();
        DropEffect = c.effect;
        Grid->DragDropSettings().SetOleCopyAlways(c.copyAlways);
        Grid->DragDropSettings().SetOleRemoveRows(c.removeRows);
        if (c.removeRows) SetOption(goRowSelect, true);
        Grid->SetSelection({1, 1, c.removeRows ? 3 : 2, 2});
        PressAndMove(1, 1, 0, 4);
        ASSERT_TRUE(Dropped) << c.name;
        EXPECT_EQ(Allowed, DROPEFFECT_COPY | DROPEFFECT_MOVE) << c.name;
        EXPECT_EQ(ShownColumn(1), c.column1) << c.name;
        EXPECT_EQ(Grid->RowCount(), c.rowCount) << c.name;
        EXPECT_EQ(Events, c.events) << c.name;
    }
}

TEST_F(GridDragOutTest, TheDragCarriesTextRichTextAndTheCellStream)
{
    Grid->SetCells(2, 2, "{\\rtf1 b\\'e92}");
    PressAndMove(1, 1, 4, 0);
    ASSERT_TRUE(Dropped);
    EXPECT_EQ(DroppedAs("text/plain;charset=utf-8"), "a1\tb1\r\na2\tb\xC3\xA9" "2") << "rich text as its plain text";
    EXPECT_EQ(DroppedAs("text/rtf"), std::nullopt) << "rich text takes part only when switched on";
    EXPECT_EQ(DroppedAs(grid::GridCellsClipboardFormatName), std::nullopt) << "cells travel as text only by default";

    // From the rich text cell, with the grid's own format and rich text allowed.
    Dropped.reset();
    Grid->Navigation().SetAllowFmtClipboard(true);
    Grid->DragDropSettings().SetOleDropRTF(true);
    PressAndMove(2, 2, -4, -4);
    Grid->DragDropSettings().SetOleDropRTF(false);
    ASSERT_TRUE(Dropped);
    EXPECT_EQ(DroppedAs("text/rtf"), "{\\rtf1 b\\'e92}");
    const std::optional<std::string> block = DroppedAs(grid::GridCellsClipboardFormatName);
    ASSERT_TRUE(block);
    // The block is its byte count, four zero bytes, then the stream.
    ASSERT_GT(block->size(), 8u);
    const std::string cells = block->substr(8);
    EXPECT_EQ(static_cast<unsigned char>((*block)[0]) | static_cast<unsigned char>((*block)[1]) << 8, cells.size());
    EXPECT_EQ(block->substr(4, 4), std::string(4, '\0'));
    // Another grid takes the stream whole.
    Grid->SetSelection({1, 3, 1, 3});
    Grid->Navigation().SetAllowClipboardAlways(true);
    Clipboard()->SetAsBytes(RegisterClipboardFormat(grid::GridCellsClipboardFormatName), cells);
    Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(Grid->Cells(1, 3), "a1");
    EXPECT_EQ(Grid->Cells(2, 4), "{\\rtf1 b\\'e92}");
}

TEST_F(GridDragOutTest, APressTurnsIntoADragOnlyWhenItShould)
{
    // A move of a whole row's height is far enough; dy 0 below means that.
    struct Case {
        const char* name;
        int col, row, dx, dy;
        bool columnsOnly, refuse;
        bool dragged;
        TGridRect selectionAfter;   // after the move and the release
    };
    const Case cases[] = {
        {"three pixels", 1, 1, 3, -3, false, false, false, {1, 1, 1, 1}},
        {"four pixels", 1, 1, 0, -4, false, false, true, {1, 1, 2, 2}},
        {"a cell outside the selection", 3, 3, 0, 0, false, false, false, {3, 3, 3, 4}},
        {"columns only", 1, 1, 0, 0, true, false, false, {1, 1, 1, 2}},
        {"refused", 2, 1, 0, 0, false, true, false, {2, 1, 2, 2}},
    };
    for (const Case& c : cases) {
        // Each case on a grid of its own.
        TearDown();
        SetUp();
        Grid->DragDropSettings().SetOleColumnsOnly(c.columnsOnly);
        int asked = 0;
        Grid->OnOleDrag = [&](TObject*, int ARow, int ACol, const std::string& Data, bool& Allow) {
            ++asked;
            EXPECT_EQ(Data, Grid->Cells(ACol, ARow)) << c.name;
            Allow = !c.refuse;
        };
        const TPoint from = Centre(c.col, c.row);
        const int dy = c.dy != 0 ? c.dy : Centre(c.col, c.row + 1).Y - from.Y;
        PressAndMove(c.col, c.row, c.dx, dy);
        EXPECT_EQ(Dropped.has_value(), c.dragged) << c.name;
        EXPECT_EQ(asked, c.refuse ? 1 : c.dragged ? 1 : 0) << c.name;
        if (!c.dragged) MouseUp(*Grid, {from.X + c.dx, from.Y + dy});
        EXPECT_EQ(Grid->Selection(), c.selectionAfter) << c.name;
    }
}

TEST_F(GridDragOutTest, AHeaderDragsItsColumn)
{
    Grid->DragDropSettings().SetOleColumnDragDrop(true);
    Grid->SetCells(2, 0, "B");
    PressAndMove(2, 0, 0, 30);
    ASSERT_TRUE(Dropped);
    EXPECT_EQ(DroppedAs("Grid Column"), std::string("\2\0\0\0", 4)) << "the column's index travels";
    EXPECT_EQ(DroppedAs("text/plain;charset=utf-8"), std::nullopt);
    EXPECT_EQ(Events, (std::vector<std::string>{"start 2,1", "stop 1"}));
    EXPECT_EQ(Grid->Cells(2, 1), "b1") << "a column is dragged, never moved away";

    // Without column drags a header press sorts or selects as before.
    Grid->DragDropSettings().SetOleColumnDragDrop(false);
    Dropped.reset();
    PressAndMove(2, 0, 0, 30);
    EXPECT_FALSE(Dropped);
}
