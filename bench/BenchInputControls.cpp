// The typed edit's lookup list refilled after a keystroke over 10,000 and
// 50,000 entries, against the bare scan of the same entries; and truncating a
// 10,000-character line, against measuring it once.
#include <benchmark/benchmark.h>

#include <string>

#include "controls/QuillEdit.h"
#include "controls/dropdown/DropDownDrawing.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Forms.h"

namespace {

// Entries "Name00000" .. ; one in ten starts with "Ab", the typed text.
std::string Entry(int i) { return (i % 10 == 0 ? "Ab" : "Zy") + std::to_string(100000 + i); }

struct TLookupScene {
    explicit TLookupScene(int entries)
    {
        backend::InstallHeadlessBackend();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        edit = new TQuillEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 150, 21);
        edit->Lookup().SetEnabled(true);
        edit->Lookup().DisplayList().BeginUpdate();
        for (int i = 0; i < entries; ++i) edit->Lookup().DisplayList().Add(Entry(i));
        edit->Lookup().DisplayList().EndUpdate();
        edit->SetText("ab");
        form->Show();
    }
    std::unique_ptr<TForm> form;
    TQuillEdit* edit = nullptr;
};

void LookupAfterKeystroke(benchmark::State& state)
{
    TLookupScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.edit->UpdateLookupList();
        benchmark::DoNotOptimize(scene.edit->LookupList().ListControl().Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LookupAfterKeystroke)->Arg(10'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

// The least any lookup must do: upper-case and compare every entry.
void BaselinePrefixScan(benchmark::State& state)
{
    TLookupScene scene(static_cast<int>(state.range(0)));
    const TStringList& entries = scene.edit->Lookup().DisplayList();
    for (auto _ : state) {
        int matches = 0;
        for (int i = 0; i < entries.Count(); ++i) matches += AnsiUpperCase(entries.Strings(i)).starts_with("AB");
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BaselinePrefixScan)->Arg(10'000)->Arg(50'000)->Unit(benchmark::kMillisecond);

const std::string& LongLine()
{
    static const std::string line = [] {
        std::string text;
        while (text.size() < 10'000) text += "lorem ipsum dolor sit amet ";
        text.resize(10'000);
        return text;
    }();
    return line;
}

void TruncateLongLine(benchmark::State& state)
{
    TBitmap bitmap(1, 1);
    TCanvas& canvas = *bitmap.Canvas();
    for (auto _ : state) benchmark::DoNotOptimize(controls::TruncateText(canvas, LongLine(), 300, true));
}
BENCHMARK(TruncateLongLine)->Unit(benchmark::kMillisecond);

void BaselineMeasureLongLineOnce(benchmark::State& state)
{
    TBitmap bitmap(1, 1);
    TCanvas& canvas = *bitmap.Canvas();
    for (auto _ : state) benchmark::DoNotOptimize(canvas.TextWidth(LongLine()));
}
BENCHMARK(BaselineMeasureLongLineOnce)->Unit(benchmark::kMillisecond);

} // namespace
