// Drawing many short cell texts, and encoding a screen-sized bitmap as PNG and JPEG.
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "platform/graphics/TextOutput.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int CellCount = 10000;

std::vector<std::string> cellTexts()
{
    std::vector<std::string> texts;
    for (int i = 0; i < CellCount; ++i) texts.push_back("Cell " + std::to_string(i * 7919 % 100000));
    return texts;
}

// 10,000 cells of a 100 x 100 grid, each text measured and drawn in its
// rectangle as a grid draws it: single line, vertically centred, ellipsis.
void DrawCellTexts(benchmark::State& state)
{
    const auto texts = cellTexts();
    TBitmap bitmap(1000, 2000);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName("Tahoma");
    canvas->Font()->SetSize(8);
    HDC dc = canvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    for (auto _ : state) {
        int i = 0;
        for (const auto& text : texts) {
            TRect cell = Bounds((i % 100) * 10, (i / 100) * 20, 64, 20);
            TRect measured = cell;
            DrawText(dc, text, measured, DT_SINGLELINE | DT_CALCRECT);
            DrawText(dc, text, cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
            benchmark::DoNotOptimize(measured);
            ++i;
        }
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(DrawCellTexts)->Unit(benchmark::kMillisecond);

// A full-HD picture with gradients, shapes and text, like a map screenshot.
std::unique_ptr<TBitmap> screenshot()
{
    auto bitmap = std::make_unique<TBitmap>(1920, 1080);
    TCanvas* canvas = bitmap->Canvas();
    for (int y = 0; y < 1080; y += 4) {
        canvas->Brush()->SetColor(static_cast<TColor>(RGB(static_cast<std::uint8_t>(y * 255 / 1080), 160,
                                                          static_cast<std::uint8_t>(255 - y * 255 / 1080))));
        canvas->FillRect(Rect(0, y, 1920, y + 4));
    }
    canvas->Brush()->SetColor(clYellow);
    for (int i = 0; i < 200; ++i) canvas->Ellipse(i * 9, (i * 37) % 1000, i * 9 + 40, (i * 37) % 1000 + 40);
    canvas->Brush()->SetStyle(bsClear);
    for (int i = 0; i < 100; ++i) canvas->TextOut((i * 173) % 1800, (i * 91) % 1050, "Marker " + std::to_string(i));
    return bitmap;
}

void EncodePng(benchmark::State& state)
{
    auto bitmap = screenshot();
    TPngImage png;
    png.Assign(bitmap.get());
    for (auto _ : state) {
        TMemoryStream out;
        png.SaveToStream(out);
        state.counters["bytes"] = static_cast<double>(out.Size());
    }
}
BENCHMARK(EncodePng)->Unit(benchmark::kMillisecond);

void EncodeJpeg(benchmark::State& state)
{
    auto bitmap = screenshot();
    TJPEGImage jpeg;
    jpeg.Assign(bitmap.get());
    for (auto _ : state) {
        TMemoryStream out;
        jpeg.SaveToStream(out);
        state.counters["bytes"] = static_cast<double>(out.Size());
    }
}
BENCHMARK(EncodeJpeg)->Unit(benchmark::kMillisecond);

} // namespace
