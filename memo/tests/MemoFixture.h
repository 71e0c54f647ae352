// A headless form holding one memo with the focus, driven through the platform's key pipeline.
#pragma once

#include <gtest/gtest.h>

#include "memo/QuillMemo.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"

#include <string>

class MemoTest : public testing::Test {
public:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(10, 10, 400, 300);
        Memo = new TQuillMemo(Form);
        Memo->SetParent(Form);
        Memo->SetAlign(alClient);
        Form->Show();
        Memo->SetFocus();
        backend::input::Pump();
    }
    void TearDown() override { delete Form; }

    void Type(const std::string& text) { backend::input::TypeText(*Form, text); }
    void Press(unsigned short vk, TShiftState shift = {}) { backend::input::PressKey(*Form, vk, shift); }
    void SetText(std::initializer_list<const char*> lines)
    {
        Memo->Lines().Clear();
        for (const char* line : lines) Memo->Lines().Add(line);
        Memo->SetCurY(0);
        Memo->SetCurX(0);
        Memo->ClearSelection();
        Memo->ClearUndoRedo();
    }
    std::string Text() const
    {
        std::string out;
        for (int i = 0; i < Memo->Lines().Count(); ++i) out += (i ? "|" : "") + Memo->Lines().Strings(i);
        return out;
    }
    std::pair<int, int> Caret() const { return {Memo->CurX(), Memo->CurY()}; }

    TForm* Form = nullptr;
    TQuillMemo* Memo = nullptr;
};
