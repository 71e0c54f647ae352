// Measuring, drawing and hit-testing 10,000 short mini-HTML cell texts, as a grid screen does.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderer.h"
#include "render/HTMLUtils.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int CellCount = 10000;
constexpr int CellWidth = 100;
constexpr int CellHeight = 20;

std::vector<std::string> CellTexts()
{
    const char* const forms[] = {
        "<b>Cell</b> %",
        "Item <font color=\"clred\">%</font>",
        "<a href=\"cell%\">link %</a> here",
        "<i>note</i> % <u>due</u>",
        "plain text %",
    };
    std::vector<std::string> texts;
    for (int i = 0; i < CellCount; ++i) {
        std::string text = forms[i % 5];
        const std::string number = std::to_string(i * 7919 % 100000);
        for (size_t at; (at = text.find('%')) != std::string::npos;)
            text.replace(at, 1, number);
        texts.push_back(text);
    }
    return texts;
}

TRect CellRect(int i)
{
    const int column = i % 10, row = i / 10 % 100;
    return TRect{column * CellWidth, row * CellHeight, (column + 1) * CellWidth, (row + 1) * CellHeight};
}

struct CellCanvas {
    CellCanvas()
    {
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("Tahoma");
        canvas->Font()->SetSize(8);
    }
    TBitmap bitmap{10 * CellWidth, 100 * CellHeight};
    TCanvas* canvas = nullptr;
};

void Run(benchmark::State& state, THTMLRenderParams params)
{
    const auto texts = CellTexts();
    CellCanvas cells;
    THTMLRenderResult result;
    for (auto _ : state) {
        for (int i = 0; i < CellCount; ++i) {
            const TRect r = CellRect(i);
            if (params.HitTest) {
                params.XPos = r.Left + 20;
                params.YPos = r.Top + 10;
            }
            benchmark::DoNotOptimize(RenderHTMLText(cells.canvas, texts[i], r, params, result));
        }
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}

void MeasureCellTexts(benchmark::State& state)
{
    THTMLRenderParams params;
    params.MeasureOnly = true;
    params.Selected = true;
    Run(state, params);
}
BENCHMARK(MeasureCellTexts)->Unit(benchmark::kMillisecond);

void DrawCellTexts(benchmark::State& state) { Run(state, THTMLRenderParams{}); }
BENCHMARK(DrawCellTexts)->Unit(benchmark::kMillisecond);

void HitTestCellTexts(benchmark::State& state)
{
    THTMLRenderParams params;
    params.HitTest = true;
    Run(state, params);
}
BENCHMARK(HitTestCellTexts)->Unit(benchmark::kMillisecond);

// A long text measured whole: the line loop must stay linear in the text's length.
void MeasureLongText(benchmark::State& state)
{
    std::string text;
    while (text.size() < static_cast<size_t>(state.range(0)))
        text += "word <b>bold</b> <font color=\"#FF0000\">red</font> and more words<br>";
    CellCanvas cells;
    THTMLRenderParams params;
    params.MeasureOnly = true;
    THTMLRenderResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderHTMLText(cells.canvas, text, TRect{0, 0, 400, 100}, params, result));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(MeasureLongText)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Highlighting and unhighlighting 5,000 matches in a 100 KB text.
void MatchTags(benchmark::State& state)
{
    std::string text;
    while (text.size() < 100'000)
        text += "some <b>cell</b> text with a match in it; ";
    for (auto _ : state) {
        const std::string tagged = InsertMatchTags(text, "match", "hi", false);
        benchmark::DoNotOptimize(RemoveMatchTags(tagged, "hi"));
    }
}
BENCHMARK(MatchTags)->Unit(benchmark::kMillisecond);

} // namespace
