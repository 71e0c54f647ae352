// The objects a grid owns: what a new grid starts with, what they change in
// the grid, what copying a grid takes over, and the owning form's resizes.
#include "grid/tests/QuillGridFixture.h"
#include "grid/base/GridSettings.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AppearanceSettings.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/ControlLook.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/PrintSettings.h"

#include <stdexcept>

#include "grid/base/QuillHintInfo.h"
#include "platform/graphics/Bitmap.h"

namespace {

using QuillGridSettingsTest = QuillGridTest;

TEST_F(QuillGridSettingsTest, NewGridStartsWithTheConstructorDefaults)
{
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->DefaultRowHeight(), 22);
    EXPECT_EQ(Grid->FixedRowHeight(), 22);
    EXPECT_EQ(Grid->FixedFont().Name(), "Tahoma");
    EXPECT_TRUE(Grid->FixedFont().Style().Contains(fsBold));
    EXPECT_TRUE(Grid->ActiveCellFont().Style().Contains(fsBold));
    EXPECT_EQ(Grid->FloatingFooter().Height(), 22);
    EXPECT_FALSE(Grid->FloatingFooter().Visible());
    EXPECT_EQ(Grid->ControlLook().CheckSize(), 15);
    EXPECT_TRUE(Grid->RowIndicator().Empty());
    EXPECT_FALSE(Grid->Balloon().Enable());
    EXPECT_EQ(Grid->SyncGrid().Grid(), nullptr);
}

TEST_F(QuillGridSettingsTest, ControlLookSizesTheCellControls)
{
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddRadioButton(2, 1, false);
    Grid->ControlLook().SetCheckSize(21);
    Grid->ControlLook().SetRadioSize(13);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (TPoint{21, 21}));
    EXPECT_EQ(Grid->GetCellGraphicSize(2, 1), (TPoint{13, 13}));
}

TEST_F(QuillGridSettingsTest, FloatingFooterTakesTheLastRowOnlyWhenItShowsIt)
{
    TFloatingFooter& footer = Grid->FloatingFooter();
    footer.SetVisible(true);
    EXPECT_EQ(Grid->FixedFooters(), 1);
    footer.SetFooterStyle(fsColumnPreview);
    EXPECT_EQ(Grid->FixedFooters(), 0);
    footer.SetFooterStyle(fsFixedLastRow);
    footer.SetVisible(false);
    EXPECT_EQ(Grid->FixedFooters(), 0);
    Grid->SetDefaultRowHeight(30);
    EXPECT_EQ(footer.Height(), 30);
}

TEST_F(QuillGridSettingsTest, AssignTakesTheSettingsObjectsButNotTheLook)
{
    auto* source = new TQuillStringGrid(Form);
    source->Bands().SetActive(true);
    source->PrintSettings().SetTitleText("Report");
    source->DragDropSettings().SetOleEntireRows(true);
    source->SearchFooter().SetSearchColumn(3);
    source->ProgressAppearance().SetSteps(4);
    source->OfficeHint().SetTitle("tip");
    source->FilterDropDown().SetHeight(99);
    source->ActiveCellFont().SetSize(14);
    source->ControlLook().SetCheckSize(30);
    source->ShowModified().SetEnabled(true);
    source->SetColCount(3);
    source->SetCells(2, 4, "kept");

    Grid->Assign(source);
    EXPECT_TRUE(Grid->Bands().Active());
    EXPECT_EQ(Grid->PrintSettings().TitleText(), "Report");
    EXPECT_TRUE(Grid->DragDropSettings().OleEntireRows());
    EXPECT_EQ(Grid->SearchFooter().SearchColumn(), 3);
    EXPECT_EQ(Grid->ProgressAppearance().Steps(), 4);
    EXPECT_EQ(Grid->OfficeHint().Title(), "tip");
    EXPECT_EQ(Grid->FilterDropDown().Height(), 99);
    EXPECT_EQ(Grid->ActiveCellFont().Size(), 14);
    EXPECT_EQ(Grid->Cells(2, 4), "kept");
    // Not copied: the control look and the modified-cell marks.
    EXPECT_EQ(Grid->ControlLook().CheckSize(), 15);
    EXPECT_FALSE(Grid->ShowModified().Enabled());

    // Anything but a grid changes nothing.
    Grid->Assign(&source->Bands());
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->Cells(2, 4), "kept");
}

class QuillGridFormResizeTest : public QuillGridTest {
protected:
    void ResizeFormBy(int DX, int DY) { Form->SetBounds(0, 0, Form->Width() + DX, Form->Height() + DY); }
    int Calls = 0;
};

TEST_F(QuillGridFormResizeTest, GridsFollowTheFormAndKeepItsOwnHandlerCalled)
{
    // The fixture's grid joined before the form had a handler; set one up
    // the way an application does, before its grids.
    delete Grid;
    Form->OnResize = [this](TObject*) { ++Calls; };
    auto* first = new TQuillStringGrid(Form);
    auto* second = new TQuillStringGrid(Form);
    second->SetSizeWithForm(true);
    const int width = second->Width(), height = second->Height();

    ResizeFormBy(40, 20);
    EXPECT_EQ(Calls, 1);
    EXPECT_EQ(second->Width(), width + 40);
    EXPECT_EQ(second->Height(), height + 20);
    EXPECT_EQ(first->Width(), 400); // without SizeWithForm

    // The grid made first goes first: the form must not reach it any more.
    delete first;
    ResizeFormBy(-10, 0);
    EXPECT_EQ(Calls, 2);
    EXPECT_EQ(second->Width(), width + 30);

    // The last grid gives the form its own handler back.
    delete second;
    ResizeFormBy(5, 5);
    EXPECT_EQ(Calls, 3);
}

TEST_F(QuillGridFormResizeTest, AFailingFormHandlerDoesNotStopTheGrids)
{
    delete Grid;
    Form->OnResize = [](TObject*) { throw std::runtime_error("form handler"); };
    Grid = new TQuillStringGrid(Form);
    Grid->SetSizeWithForm(true);
    const int width = Grid->Width();
    EXPECT_NO_THROW(ResizeFormBy(25, 0));
    EXPECT_EQ(Grid->Width(), width + 25);
}

TEST_F(QuillGridFormResizeTest, ShrinkingPastZeroLeavesTheGridsSize)
{
    Grid->SetSizeWithForm(true);
    const int width = Grid->Width();
    ResizeFormBy(-(width + 10), 0);
    EXPECT_EQ(Grid->Width(), width);
}

} // namespace
