// Adding markers to a live map page: in one update block (one script) and one by one, in the real
// browser against the map library stand-in, and on the recording engine.
//
// The stand-in draws its map once after each script, as the real library draws
// asynchronously, so the figures are about the control and the bridge to the page.
#include "map/UGeolith.h"
#include "map/UGeolithBrowser.h"
#include "map/UGeolithMarkers.h"
#include "platform/rtl/Numbers.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebKitEngine.h"
#include "platform/web/testing/MapStandinServer.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace std::chrono_literals;
constexpr int MarkerCount = 2000;

// A launched map whose first tiles-loaded report has been handled.
struct LivePage {
    std::unique_ptr<web::testing::MapStandinServer> server;
    std::unique_ptr<TGeolith> geolith;
    bool live = false;

    void Launch(bool realBrowser)
    {
        if (realBrowser) server = std::make_unique<web::testing::MapStandinServer>();
        geolith = std::make_unique<TGeolith>(nullptr);
        geolith->OnDownloadFinish = [this](TObject*) { live = true; };
        if (!geolith->Launch()) return;
        if (realBrowser)
            web::WebKitEngine::ProcessEvents(20s, [this] { return live; });
        else
            static_cast<web::RecordingEngine*>(geolith->WebBrowser()->Engine())->InjectExternalCall("ExternalMapTilesLoad");
    }
};

enum class Sending { OneScript, OneByOne };

void AddMarkers(benchmark::State& state, LivePage& page, Sending sending, int count)
{
    TMarkers& markers = *page.geolith->Markers();
    for (auto _ : state) {
        state.PauseTiming();
        markers.BeginUpdate();
        markers.Clear();
        markers.EndUpdate();
        state.ResumeTiming();
        if (sending == Sending::OneScript) markers.BeginUpdate();
        for (int i = 0; i < count; ++i) markers.Add(48.0 + i * 0.001, 2.0 + i * 0.001, "Marker " + IntToStr(i));
        if (sending == Sending::OneScript) markers.EndUpdate();
    }
    if (!markers.PageInStep()) state.SkipWithError("the page fell out of step");
    state.counters["markers/s"] = benchmark::Counter(static_cast<double>(state.iterations() * count),
                                                     benchmark::Counter::kIsRate);
}

LivePage* WebKitPage(benchmark::State& state)
{
    std::string whyNot;
    if (!web::WebKitEngine::DisplayAvailable(&whyNot)) {
        state.SkipWithError(("needs a display: " + whyNot).c_str());
        return nullptr;
    }
    static LivePage page;
    if (!page.geolith) page.Launch(true);
    if (!page.live) {
        state.SkipWithError("the page did not report its first tiles");
        return nullptr;
    }
    return &page;
}

void BM_AddMarkersToWebKitPage(benchmark::State& state)
{
    if (LivePage* page = WebKitPage(state)) AddMarkers(state, *page, Sending::OneScript, MarkerCount);
}
BENCHMARK(BM_AddMarkersToWebKitPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// One browser round trip per marker; fewer markers, since the stand-in draws after each.
void BM_AddMarkersToWebKitPageOneByOne(benchmark::State& state)
{
    if (LivePage* page = WebKitPage(state)) AddMarkers(state, *page, Sending::OneByOne, 200);
}
BENCHMARK(BM_AddMarkersToWebKitPageOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AddMarkersToRecordingPage(benchmark::State& state)
{
    static LivePage page;
    if (!page.geolith) {
        TWebBrowser::SetEngineFactory([](int w, int h) { return std::make_unique<web::RecordingEngine>(w, h); });
        page.Launch(false);
        TWebBrowser::SetEngineFactory(nullptr);
    }
    auto* engine = static_cast<web::RecordingEngine*>(page.geolith->WebBrowser()->Engine());
    AddMarkers(state, page, Sending::OneByOne, MarkerCount);
    engine->ClearScripts();
}
BENCHMARK(BM_AddMarkersToRecordingPage)->Unit(benchmark::kMillisecond);

}  // namespace
