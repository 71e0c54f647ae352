// A fresh headless backend and a shown form for each window-layer test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Application.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

// A windowed control that records the messages it receives by name.
class TRecordingControl : public TCustomControl {
public:
    TRecordingControl(TComponent* owner, std::vector<std::string>& log, std::string name)
        : TCustomControl(owner), FLog(log), FTag(std::move(name))
    {
        SetTabStop(true);
        SetBounds(0, 0, 50, 20);
    }
    LRESULT DlgCode = 0;
    bool WantSpecial = false;

    void WndProc(TMessage& m) override
    {
        if (m.Msg != WM_PAINT && m.Msg != WM_ERASEBKGND && m.Msg != WM_NCPAINT && m.Msg != CM_HITTEST &&
            m.Msg != WM_GETTEXT)
            FLog.push_back(FTag + ":" + ui::MessageName(m.Msg));
        TCustomControl::WndProc(m);
    }

protected:
    void WMGetDlgCode(TMessage& m) override { m.Result = DlgCode; }
    void CMWantSpecialKey(TMessage& m) override { m.Result = WantSpecial ? 1 : 0; }

private:
    std::vector<std::string>& FLog;
    std::string FTag;
};

class UiTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        ui::DialogHook() = {};
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
    }
    void TearDown() override
    {
        delete Form;
        ui::DialogHook() = {};
        Application->OnException = nullptr;
        Application->OnIdle = nullptr;
    }
    TRecordingControl* AddControl(const std::string& name, int left = 0)
    {
        auto* c = new TRecordingControl(Form, Log, name);
        c->SetParent(Form);
        c->SetLeft(left);
        return c;
    }

    TForm* Form = nullptr;
    std::vector<std::string> Log;
};
