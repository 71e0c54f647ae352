// A shown headless form with a grid drop-down of three cities and a second
// control, driven through the platform's key pipeline.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/dropdown/DropDownForm.h"
#include "grideditors/QuillCustomGridDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace grideditors::testing {

class GridDropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        ui::ResetKeyboardState();
        ui::ResetMessageQueue();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 600, 400);
        DropDown = new TCustomQuillGridDropDown(Form);
        DropDown->SetParent(Form);
        DropDown->SetBounds(10, 10, 200, 22);
        DropDown->Columns().Add()->SetHeader("City");
        DropDown->Columns().Add()->SetHeader("Country");
        AddItem({"Lisbon", "Portugal"});
        AddItem({"London", "England"});
        AddItem({"Oslo", "Norway"});
        DropDown->EndUpdate();
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(300, 10, 80, 21);
        Form->Show();
        DropDown->SetFocus();
    }
    void TearDown() override
    {
        delete Form;
        backend::input::Pump();
    }
    void AddItem(std::vector<std::string> Texts)
    {
        TDropDownItem* item = DropDown->Items().Add();
        for (const std::string& t : Texts) item->Text().Add(t);
    }
    void Press(unsigned short vk, TShiftState shift = {}) { backend::input::PressKey(*Form, vk, shift); }
    void Type(std::string_view text)
    {
        // One character at a time, as a person types: the completion's
        // selection is placed before the next one arrives.
        for (const char c : text) {
            backend::input::TypeText(*Form, std::string(1, c));
            backend::input::Pump();
        }
    }
    TQuillColGrid& Grid() { return *DropDown->GetColGrid(); }
    bool Open() { return DropDown->DropDownForm()->Visible(); }
    // The middle of a row of the open list, in the grid's coordinates.
    TPoint RowCentre(int ARow)
    {
        const TRect r = Grid().CellRect(0, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    TForm* Form = nullptr;
    TCustomQuillGridDropDown* DropDown = nullptr;
    TEdit* Other = nullptr;
};

} // namespace grideditors::testing
