// A shown form holding a typed edit and a second control, driven through the
// headless backend's real key and mouse pipeline.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "controls/QuillEdit.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"

class QuillEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        FOldSettings = FormatSettings();
        FormatSettings().DecimalSeparator = '.';
        FormatSettings().ThousandSeparator = ',';
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 320, 200);
        Before = new TEdit(Form);
        Before->SetParent(Form);
        Before->SetBounds(10, 10, 100, 21);
        Edit = new TQuillEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 60, 150, 21);
        After = new TEdit(Form);
        After->SetParent(Form);
        After->SetBounds(10, 110, 100, 21);
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
    }
    void TearDown() override
    {
        delete Form;
        FormatSettings() = FOldSettings;
    }

    // Types characters as a host delivers them: the key-down carries the
    // character's own virtual key (punctuation uses the OEM keys), then the
    // character, then the key-up.
    void Type(std::string_view text)
    {
        using namespace backend;
        for (char c : text) {
            unsigned short vk = 0;
            if (c >= 'a' && c <= 'z') vk = static_cast<unsigned short>(c - 32);
            else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) vk = static_cast<unsigned short>(c);
            else if (c == ' ') vk = VK_SPACE;
            else if (c == '.') vk = VK_OEM_PERIOD;
            else if (c == ',') vk = VK_OEM_COMMA;
            else if (c == '-') vk = VK_OEM_MINUS;
            else if (c == ';') vk = VK_OEM_1;
            if (vk) input::KeyDown(*Form, vk);
            input::Char(*Form, static_cast<unsigned char>(c));
            if (vk) input::KeyUp(*Form, vk);
        }
    }
    void Press(unsigned short vk, TShiftState shift = {}) { backend::input::PressKey(*Form, vk, shift); }
    void Focus() { Edit->SetFocus(); }
    // Caret at a value position, nothing selected.
    void Caret(int valuePos) { Edit->SetSelStart(static_cast<int>(Edit->Prefix().size()) + valuePos); }
    int ValueCaret() const { return Edit->CaretPos() - static_cast<int>(Edit->Prefix().size()); }

    TForm* Form = nullptr;
    TEdit* Before = nullptr;
    TQuillEdit* Edit = nullptr;
    TEdit* After = nullptr;
    int Changes = 0;

private:
    TFormatSettings FOldSettings;
};
