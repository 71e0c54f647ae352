// Loading a 10,000-line marker file into a live map page through the main window, as "&Load markers"
// does, in the real browser against the map library stand-in.
//
// The stand-in draws its map once after each script, so the figure is about the
// application, the control and the bridge to the page.
#include "app/SettingsStore.h"
#include "app/UEvent.h"
#include "app/UMain.h"
#include "app/VistraMain.h"
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithMarkers.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace std::chrono_literals;
constexpr int LineCount = 10000;

// A marker file of LineCount lines and a settings file without a marker file, in a folder of their own.
std::string WriteFiles(std::string& markerFile)
{
    const auto folder = std::filesystem::temp_directory_path() / ("vistra-bench-app-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream markers(folder / "markers.csv", std::ios::binary);
    for (int i = 0; i < LineCount; ++i)
        markers << "Marker " << i << ";" << 38.0 + (i % 100) * 0.01 << ";" << -94.0 - (i / 100) * 0.01
                << ";;-1;-1;-1;0;0;" << i % 50 << ";\r\n";
    std::ofstream(folder / "Vistra.INI", std::ios::binary)
        << "[Settings]\r\nopt1=38.5\r\nopt2=-94.5\r\nopt3=" << folder.string() << "/\r\nopt4="
        << "\r\nopt5=12\r\n";
    markerFile = (folder / "markers.csv").string();
    return (folder / "Vistra.INI").string();
}

// The program's windows with the page launched and live.
struct LiveProgram {
    std::unique_ptr<web::testing::MapStandinServer> server;
    bool live = false;

    bool Start()
    {
        ::setenv("VISTRA_BACKEND", "headless", 1);
        ui::DialogHook().MessageBox = [](const ui::TMessageBoxRequest&) { return IDOK; };
        server = std::make_unique<web::testing::MapStandinServer>();
        std::string markerFile;
        app::SetSettingsFileName(WriteFiles(markerFile));
        Application->Initialize();
        app::CreateWindows(*Application);
        FrmMain->Geolith1->OnDownloadFinish = [this](TObject*) { live = true; };
        FrmMain->Show();
        web::WebKitEngine::ProcessEvents(30s, [this] { return live; });
        // The program starts without markers; the file is what each iteration loads.
        FrmMain->SetMarkerFileName(markerFile);
        return live;
    }
};

void LoadFile(benchmark::State& state)
{
    for (auto _ : state) FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    if (FrmMain->Geolith1->Markers()->Count() != LineCount) state.SkipWithError("not every line was loaded");
    if (!FrmMain->Geolith1->Markers()->PageInStep()) state.SkipWithError("the page fell out of step");
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * LineCount), benchmark::Counter::kIsRate);
}

void BM_LoadMarkerFileIntoWebKitPage(benchmark::State& state)
{
    std::string whyNot;
    if (!web::WebKitEngine::DisplayAvailable(&whyNot)) {
        state.SkipWithError(("needs a display: " + whyNot).c_str());
        return;
    }
    static LiveProgram program;
    static const bool started = program.Start();
    if (!started) {
        state.SkipWithError("the program's page did not come up with its markers");
        return;
    }
    LoadFile(state);
}
BENCHMARK(BM_LoadMarkerFileIntoWebKitPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
