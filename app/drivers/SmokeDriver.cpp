// Runs the whole program against the map library stand-in, waits for the first map, saves its outputs and closes it.
//
//   CorvantaVistraSmoke --settings FILE [--markers FILE] [--screenshot OUT.png]
//                       [--events OUT.txt] [--save OUT.csv]
//
// The settings file is read from a private copy (with the marker file put in
// when --markers is given), so the caller's file is never written. Exits 0
// after a normal close, 1 with the reason on standard error on any failure or
// after 60 seconds.
#include "app/SettingsStore.h"
#include "app/UEvent.h"
#include "app/UMain.h"
#include "app/VistraMain.h"
#include "map/UGeolith.h"
#include "platform/classes/IniFiles.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Timer.h"
#include "platform/web/testing/MapStandinServer.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto TimeLimit = std::chrono::seconds(60);

[[noreturn]] void Fail(const std::string& reason)
{
    std::cerr << "smoke: " << reason << "\n";
    std::cerr.flush();
    ::_exit(1);
}

std::map<std::string, std::string> ParseOptions(int argc, char** argv)
{
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name != "--settings" && name != "--markers" && name != "--screenshot" && name != "--events" &&
            name != "--save")
            Fail("unknown option " + name);
        if (i + 1 >= argc) Fail(name + " needs a file name");
        options[name] = argv[++i];
    }
    if (!options.count("--settings")) Fail("--settings FILE is required");
    return options;
}

// The program's settings as a private copy, with the marker file replaced when asked.
std::string PrepareSettings(const std::map<std::string, std::string>& options, const std::string& folder)
{
    const std::string source = options.at("--settings");
    if (!std::filesystem::is_regular_file(source)) Fail("no settings file " + source);
    const std::string copy = folder + "/CorvantaVistra.INI";
    std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
    if (auto markers = options.find("--markers"); markers != options.end()) {
        if (!std::filesystem::is_regular_file(markers->second)) Fail("no marker file " + markers->second);
        TIniFile(copy).WriteString(app::SettingsSection, "opt4", std::filesystem::absolute(markers->second).string());
    }
    return copy;
}

void WriteOutputs(const std::map<std::string, std::string>& options)
{
    if (auto out = options.find("--screenshot"); out != options.end())
        if (!FrmMain->ExportScreenShot(out->second, 1)) Fail("the map gave no picture");
    if (auto out = options.find("--save"); out != options.end()) FrmMain->SaveCSVMarkers(out->second);
    if (auto out = options.find("--events"); out != options.end()) {
        std::ofstream events(out->second, std::ios::binary);
        TStrings& lines = FrmEvent->MmEvents->Lines();
        for (int i = 0; i < lines.Count(); ++i) events << lines.Strings(i) << "\n";
        if (!events) Fail("cannot write " + out->second);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = ParseOptions(argc, argv);
    std::atomic<bool> finished = false;
    std::thread([&finished] {
        const auto deadline = std::chrono::steady_clock::now() + TimeLimit;
        while (!finished && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!finished) Fail("no map after 60 seconds");
    }).detach();

    char folderTemplate[] = "/tmp/vistra-smoke-XXXXXX";
    if (!::mkdtemp(folderTemplate)) Fail("cannot make a temporary folder");
    const std::string folder = folderTemplate;
    int exitCode = 0;
    try {
        web::testing::MapStandinServer standin;  // http_proxy now leads the page to the stand-in
        app::SetSettingsFileName(PrepareSettings(options, folder));
        Application->Initialize();
        Application->SetTitle("Corvanta Vistra");
        // A failure the program would show in a message box ends the run instead.
        Application->OnException = [](TObject*, const Exception& e) { Fail("the program reported: " + e.Message()); };
        app::CreateWindows(*Application);

        bool mapShown = false;
        TNotifyEvent logFinish = FrmMain->Geolith1->OnDownloadFinish;
        FrmMain->Geolith1->OnDownloadFinish = [&](TObject* sender) {
            if (logFinish) logFinish(sender);
            mapShown = true;
        };
        // The outputs are taken outside the page's callback, once the program is idle again.
        TTimer poll(nullptr);
        poll.SetInterval(50);
        poll.OnTimer = [&](TObject*) {
            if (!mapShown) return;
            poll.SetEnabled(false);
            WriteOutputs(options);
            FrmMain->Close();
        };
        Application->Run();
        if (!mapShown) Fail("the program ended before its map was shown");
        app::DestroyWindows();
    } catch (const std::exception& e) {
        std::cerr << "smoke: " << e.what() << "\n";
        exitCode = 1;
    }
    finished = true;
    std::filesystem::remove_all(folder);
    return exitCode;
}
