// Check boxes, radios, buttons and expand buttons: adding, reading, toggling
// and undoing, and check boxes that stay with their rows.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/GridUndoRedo.h"

TEST_F(QuillGridTest, DataCheckBoxesKeepACheckTextAndWriteOtherwise)
{
    Grid->SetCells(1, 1, "N");
    Grid->AddCheckBox(1, 1, true, true);
    EXPECT_EQ(Grid->Cells(1, 1), "N");
    EXPECT_FALSE(Grid->IsChecked(1, 1));
    Grid->SetCells(1, 2, "maybe");
    Grid->AddCheckBox(1, 2, true, true);
    EXPECT_EQ(Grid->Cells(1, 2), "Y");
    EXPECT_TRUE(Grid->IsChecked(1, 2));
    Grid->SetCells(1, 1, "whatever");
    EXPECT_TRUE(Grid->ToggleCheckBox(1, 1));
    EXPECT_EQ(Grid->Cells(1, 1), "Y");
    EXPECT_FALSE(Grid->IsChecked(3, 3)) << "no check box";
    EXPECT_THROW(Grid->AddCheckBox(99, 1, true, false), Exception);
}

TEST_F(QuillGridTest, TriStateBoxesCycleAndReportUnchecked)
{
    Grid->AddCheckBox(1, 1, cbUnchecked);
    std::vector<bool> reported;
    Grid->OnCheckBoxChange = [&](TObject*, int, int, bool state) { reported.push_back(state); };
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < 3; ++i) {
        Grid->ToggleCheckBox(1, 1);
        TCheckBoxState s = cbUnchecked;
        ASSERT_TRUE(Grid->GetCheckBoxState(1, 1, s));
        states.push_back(s);
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(reported, (std::vector<bool>{false, false, false}));
}

TEST_F(QuillGridTest, UndoingAToggleRestoresTheTextNotTheCaption)
{
    auto* undo = new TQuillGridUndoRedo(Form);
    Grid->SetUndoRedo(undo);
    Grid->SetCells(1, 1, "Caption");
    Grid->AddCheckBox(1, 1, false, false);
    Grid->ToggleCheckBox(1, 1);
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    undo->Undo();
    EXPECT_EQ(Grid->Cells(1, 1), "Caption") << "a plain box's caption is no check text";
    Grid->AddCheckBox(2, 1, false, true);
    Grid->ToggleCheckBox(2, 1);
    EXPECT_EQ(Grid->Cells(2, 1), "Y");
    undo->Undo();
    EXPECT_EQ(Grid->Cells(2, 1), "N");
}

TEST_F(QuillGridTest, CheckBoxesStayWithTheirRowsThroughInsertsMovesAndRemovals)
{
    FillRows(10);
    Grid->AddCheckBox(1, 4, true, false);
    Grid->AddCheckBox(1, 6, false, true);
    Grid->InsertRows(2, 3);
    EXPECT_TRUE(Grid->IsChecked(1, 7));
    EXPECT_TRUE(Grid->HasDataCheckBox(1, 9));
    Grid->MoveRow(7, 1);
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    Grid->RemoveRows(2, 2);
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    EXPECT_TRUE(Grid->HasDataCheckBox(1, 7));
    // With rows hidden the reading takes real rows: a hidden box still answers.
    Grid->HideRow(1);
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    EXPECT_TRUE(Grid->SetCheckBoxState(1, 1, false));
    Grid->UnHideRowsAll();
    EXPECT_FALSE(Grid->IsChecked(1, 1));
    EXPECT_EQ(Grid->Cells(0, 1), "r4");
}

TEST_F(QuillGridTest, RadioButtonsOfAColumnAreExclusive)
{
    for (int r = 1; r <= 3; ++r) Grid->AddRadioButton(1, r, r == 1);
    EXPECT_TRUE(Grid->ToggleRadio(1, 3, false));
    EXPECT_FALSE(Grid->IsRadioButtonChecked(1, 1));
    EXPECT_TRUE(Grid->IsRadioButtonChecked(1, 3));
    EXPECT_TRUE(Grid->ToggleRadio(1, 3, false)) << "clicking an on button keeps it on";
    EXPECT_TRUE(Grid->IsRadioButtonChecked(1, 3));
}

TEST_F(QuillGridTest, RadioGroupsButtonsAndExpandButtons)
{
    TStrings* options = Grid->CreateRadio(1, 1, 0, 1);
    options->Add("a");
    options->Add("b");
    EXPECT_TRUE(Grid->IsRadio(1, 1));
    EXPECT_EQ(Grid->GetRadioStrings(1, 1), options);
    int idx = -5;
    EXPECT_TRUE(Grid->GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 1);
    Grid->AddButton(2, 1, 40, 20, "Go", haLeft, vaTop);
    EXPECT_TRUE(Grid->HasButton(2, 1));
    Grid->SetButtonText(2, 1, "Stop");
    EXPECT_EQ(Grid->GetButtonText(2, 1), "Stop");
    Grid->RemoveButton(2, 1);
    EXPECT_FALSE(Grid->HasButton(2, 1));
    Grid->AddExpand(3, 2, 60);
    EXPECT_FALSE(Grid->GetExpandState(3, 2));
    EXPECT_TRUE(Grid->ToggleExpand(3, 2));
    EXPECT_EQ(Grid->GetExpandHeight(3, 2, true), 60);
    EXPECT_EQ(Grid->GetExpandHeight(3, 2, false), 22);
}
