// Loading a 100,000-line marker file into a live map page through the main window, as "&Load markers"
// does, in the real browser against the map library stand-in; against the same markers created by
// one script sent straight to the page, in the same run. While the file loads, a menu click arrives
// every 50 ms; "menu_ms" is the longest a click waited for the window to answer it.
//
// The stand-in draws its map once after each script, so the figures are about the
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
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"

#include <benchmark/benchmark.h>
#include <glib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
// The size the figures are about, and a tenth of it to show the growth is linear.
constexpr int LineCount = 100000;
constexpr int SmallLineCount = 10000;
constexpr unsigned ClickInterval = 50;

std::filesystem::path BenchFolder()
{
    return std::filesystem::temp_directory_path() / ("vistra-bench-app-" + std::to_string(::getpid()));
}

// The marker file of that many lines.
std::string MarkerFile(int lines) { return (BenchFolder() / ("markers" + std::to_string(lines) + ".csv")).string(); }

// Marker files of LineCount and SmallLineCount lines and a settings file
// without a marker file, in a folder of their own.
std::string WriteFiles()
{
    const auto folder = BenchFolder();
    std::filesystem::create_directories(folder);
    for (int count : {LineCount, SmallLineCount}) {
        std::ofstream markers(MarkerFile(count), std::ios::binary);
        for (int i = 0; i < count; ++i)
            markers << "Marker " << i << ";" << 38.0 + (i % 100) * 0.01 << ";" << -94.0 - (i / 100) * 0.01
                    << ";;-1;-1;-1;0;0;" << i % 50 << ";\r\n";
    }
    std::ofstream(folder / "Vistra.INI", std::ios::binary)
        << "[Settings]\r\nopt1=38.5\r\nopt2=-94.5\r\nopt3=" << folder.string() << "/\r\nopt4="
        << "\r\nopt5=12\r\n";
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
        app::SetSettingsFileName(WriteFiles());
        Application->Initialize();
        app::CreateWindows(*Application);
        FrmMain->Geolith1->OnDownloadFinish = [this](TObject*) { live = true; };
        FrmMain->Show();
        web::WebKitEngine::ProcessEvents(30s, [this] { return live; });
        return live;
    }
};

LiveProgram* Program(benchmark::State& state)
{
    std::string whyNot;
    if (!web::WebKitEngine::DisplayAvailable(&whyNot)) {
        state.SkipWithError(("needs a display: " + whyNot).c_str());
        return nullptr;
    }
    static LiveProgram program;
    static const bool started = program.Start();
    if (!started) {
        state.SkipWithError("the program's page did not come up");
        return nullptr;
    }
    return &program;
}

void CheckLoaded(benchmark::State& state, int count)
{
    if (FrmMain->Geolith1->Markers()->Count() != count) state.SkipWithError("not every marker reached the map");
    if (!FrmMain->Geolith1->Markers()->PageInStep()) state.SkipWithError("the page fell out of step");
    state.counters["markers/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * count), benchmark::Counter::kIsRate);
}

// A menu click arrives every ClickInterval from the display's side (the main
// loop's clock, which runs while the page works too) as a posted message; the
// window answers it when its own loop next runs. Keeps the longest wait.
struct MenuClicks {
    unsigned message = RegisterWindowMessage("BenchMenuClick");
    guint source = 0;
    std::uint64_t longest = 0;
    int answered = 0;

    static std::uint64_t Now()
    {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
    void Start()
    {
        Application->OnMessage = [this](TMessage& m, bool& handled) {
            if (m.Msg != message) return;
            handled = true;
            longest = std::max(longest, Now() - static_cast<std::uint64_t>(m.LParam));
            FrmMain->ShowEvents1->Click();
            ++answered;
        };
        source = g_timeout_add(ClickInterval, [](gpointer self) -> gboolean {
            PostMessage(0, static_cast<MenuClicks*>(self)->message, 0, static_cast<LPARAM>(Now()));
            return G_SOURCE_CONTINUE;
        }, this);
    }
    void Stop()
    {
        g_source_remove(source);
        Application->OnMessage = nullptr;
    }
};

void BM_LoadMarkerFileIntoWebKitPage(benchmark::State& state)
{
    if (!Program(state)) return;
    const int count = static_cast<int>(state.range(0));
    // The program starts without markers; the file is what each iteration loads.
    FrmMain->SetMarkerFileName(MarkerFile(count));
    MenuClicks clicks;
    std::uint64_t longest = 0;
    for (auto _ : state) {
        clicks.Start();
        FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
        clicks.Stop();
        longest = std::max(longest, clicks.longest);
    }
    CheckLoaded(state, count);
    state.counters["menu_ms"] = static_cast<double>(longest);
    state.counters["menu_clicks"] = clicks.answered;
}
// On a busy machine the least of several repetitions (--benchmark_repetitions)
// is the figure to compare.
double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

BENCHMARK(BM_LoadMarkerFileIntoWebKitPage)
    ->Arg(SmallLineCount)->Arg(LineCount)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)
    ->ComputeStatistics("min", Least);

// The baseline: the same markers, created in the page by one script.
void BM_OneScriptCreatingTheSameMarkers(benchmark::State& state)
{
    if (!Program(state)) return;
    TMarkers& markers = *FrmMain->Geolith1->Markers();
    FrmMain->SetMarkerFileName(MarkerFile(LineCount));
    if (markers.Count() != LineCount) FrmMain->LoadCSVMarkers(FrmMain->MarkerFileName());
    std::string script = "deleteAllMapMarker();";
    for (int i = 0; i < markers.Count(); ++i) script += map::CreateMarkerScript(*markers.Items(i));
    for (auto _ : state)
        if (!FrmMain->Geolith1->ExecJScript(script)) state.SkipWithError("the page refused the script");
    CheckLoaded(state, LineCount);
}
BENCHMARK(BM_OneScriptCreatingTheSameMarkers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)
    ->ComputeStatistics("min", Least);

}  // namespace
