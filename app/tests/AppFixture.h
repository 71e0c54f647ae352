// The whole application on the headless backend with the recording browser engine, and answered dialogs.
#pragma once

#include "app/SettingsStore.h"
#include "app/UEvent.h"
#include "app/UMain.h"
#include "app/VistraMain.h"
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithMarkers.h"
#include "platform/classes/StringList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Shell.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/WebBrowser.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app::testing {

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("VISTRA_BACKEND", "headless", 1);
        savedFactory = TWebBrowser::SetEngineFactory(
            [](int w, int h) { return std::make_unique<web::RecordingEngine>(w, h); });
        Settings() = {};
        app::SetSettingsFileName(dir / "Vistra.INI");
        auto& hook = ui::DialogHook();
        hook = {};
        hook.MessageBox = [this](const ui::TMessageBoxRequest& r) {
            messages.push_back(r.Text);
            return IDOK;
        };
        hook.FileDialog = [this](const ui::TFileDialogRequest& r) -> std::optional<ui::TFileDialogAnswer> {
            fileDialogs.push_back(r);
            if (fileAnswers.empty()) return std::nullopt;
            auto answer = fileAnswers.front();
            fileAnswers.pop_front();
            return answer;
        };
        hook.InputQuery = [this](const ui::TInputQueryRequest& r) -> std::optional<std::string> {
            inputQueries.push_back(r);
            return inputAnswer;
        };
        ui::SetShellOpenHandler([this](const std::string& target) {
            opened.push_back(target);
            return true;
        });
        Application->Initialize();
        Application->ResetTerminated();
        app::CreateWindows(*Application);
    }

    void TearDown() override
    {
        app::DestroyWindows();
        ui::SetShellOpenHandler(nullptr);
        ui::DialogHook() = {};
        TWebBrowser::SetEngineFactory(savedFactory);
        app::SetSettingsFileName("");
        Settings() = {};
    }

    void WriteSettings(const std::string& markerFile, const std::string& zoom = "12")
    {
        WriteFile(dir / "Vistra.INI", "[Settings]\r\nopt1=38.920346\r\nopt2=-94.854674\r\nopt3=" + dir.Path() +
                                         "\r\nopt4=" + markerFile + "\r\nopt5=" + zoom + "\r\n");
    }

    // Shows the main window (settings, marker file, page launch) and plays the page's first tiles report.
    void ShowAndGoLive()
    {
        FrmMain->Show();
        ASSERT_TRUE(Engine().InjectExternalCall("ExternalMapTilesLoad"));
        ASSERT_TRUE(FrmMain->Geolith1->PageLive());
        Engine().ClearScripts();
    }

    web::RecordingEngine& Engine()
    {
        return *static_cast<web::RecordingEngine*>(FrmMain->Geolith1->WebBrowser()->Engine());
    }
    const std::vector<std::string>& Scripts() { return Engine().Scripts(); }
    TMarkers& Markers() { return *FrmMain->Geolith1->Markers(); }

    std::vector<std::string> LogLines()
    {
        std::vector<std::string> lines;
        TStrings& log = FrmEvent->MmEvents->Lines();
        for (int i = 0; i < log.Count(); ++i) lines.push_back(log.Strings(i));
        return lines;
    }
    std::string LastLogLine()
    {
        const auto lines = LogLines();
        return lines.empty() ? std::string() : lines.back();
    }

    void AnswerFileDialog(const std::string& file, int filterIndex = 1)
    {
        fileAnswers.push_back({{file}, filterIndex});
    }

    TempFolder dir{"window"};
    TWebBrowser::EngineFactory savedFactory;
    std::vector<std::string> messages;
    std::vector<ui::TFileDialogRequest> fileDialogs;
    std::deque<ui::TFileDialogAnswer> fileAnswers;
    std::vector<ui::TInputQueryRequest> inputQueries;
    std::optional<std::string> inputAnswer;
    std::vector<std::string> opened;
};

}  // namespace app::testing
