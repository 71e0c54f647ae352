// A shown form with a plain edit to hold the focus elsewhere, for driving the
// editor controls through the headless backend's key and mouse pipeline.
#pragma once

#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"

class EditorsTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 360, 240);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 10, 100, 21);
    }
    void TearDown() override { delete Form; }

    template <class T> T* Add(int left, int top, int width, int height)
    {
        auto* control = new T(Form);
        control->SetParent(Form);
        control->SetBounds(left, top, width, height);
        return control;
    }
    void Press(unsigned short vk, TShiftState shift = {}) { backend::input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TEdit* Other = nullptr;
};
