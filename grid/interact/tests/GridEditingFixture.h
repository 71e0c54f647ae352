// A string grid with a second control on a shown headless form, driven
// through the platform's key pipeline.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "grid/QuillGrid.h"
#include "grid/base/NavigationSettings.h"
#include "grid/interact/QuillInplaceEdit.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

class GridEditingTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        ui::ResetKeyboardState();
        ui::ResetMessageQueue();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 600, 400);
        Grid = new TQuillStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        TGridOptions options = Grid->Options();
        options.Include(goEditing);
        Grid->SetOptions(options);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(510, 10, 80, 21);
        Form->Show();
        Grid->SetFocus();
        Grid->FocusCell(1, 1, true);
    }
    void TearDown() override
    {
        delete Form;
        backend::input::Pump();
    }

    void Press(unsigned short vk, TShiftState shift = {}) { backend::input::PressKey(*Form, vk, shift); }
    void Type(std::string_view text) { backend::input::TypeText(*Form, text); }
    bool EditorShown() { return Grid->NormalEdit() && Grid->NormalEdit()->Visible(); }
    std::string EditorText() { return Grid->NormalEdit() ? Grid->NormalEdit()->Text() : std::string("<none>"); }
    std::string ShownColumn(int ACol = 1)
    {
        std::string s;
        for (int r = 0; r < Grid->RowCount(); ++r) s += (r ? " " : "") + Grid->Cells(ACol, r);
        return s;
    }
    // The middle of a cell in view, in the grid's client coordinates.
    TPoint Centre(int ACol, int ARow) const
    {
        const TRect rect = Grid->CellRect(ACol, ARow);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
    void SetOption(TGridOption option, bool on)
    {
        TGridOptions options = Grid->Options();
        if (on) options.Include(option);
        else options.Exclude(option);
        Grid->SetOptions(options);
    }

    TForm* Form = nullptr;
    TQuillStringGrid* Grid = nullptr;
    TEdit* Other = nullptr;
};
