// Opening and saving a workbook with many pictures and comments, beside the
// same workbook without them, in the same run: Args are pictures and
// comments; the cost per object should stay flat as they grow.
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

constexpr int Rows = 2000;

// A 1x1 bitmap, made different for each picture so that the store holds
// one entry per picture.
ByteArray Bitmap(int Seed)
{
    ByteArray dib(48, 0);
    dib[0] = 40;
    dib[4] = dib[8] = 1;
    dib[12] = dib[14] = 1;
    dib[40] = static_cast<std::uint8_t>(Seed);
    dib[41] = static_cast<std::uint8_t>(Seed >> 8);
    return dib;
}

// The workbook as saved: cells in every row, then the pictures and comments.
const TMemoryStream& Workbook(int Pictures, int Comments)
{
    static std::map<std::pair<int, int>, std::unique_ptr<TMemoryStream>> made;
    auto& slot = made[{Pictures, Comments}];
    if (!slot) {
        TXLSFile file(nullptr);
        file.Connect();
        file.NewFile(1);
        for (int row = 1; row <= Rows; ++row)
            file.SetCellValue(row, 1, Variant(static_cast<double>(row)));
        for (int i = 0; i < Pictures; ++i) {
            const int row = 1 + i % Rows;
            file.AddImage(Bitmap(i), xli_Bmp, {3, 0, row, 0, 4, 0, row + 1, 0, ""}, at_MoveAndResize);
        }
        for (int i = 0; i < Comments; ++i) {
            const int row = 1 + i % Rows, col = 5 + i / Rows;
            file.SetCellComment(row, col, "comment " + std::to_string(i), {col + 1, 0, row, 0, col + 3, 0, row + 3, 0, ""});
        }
        slot = std::make_unique<TMemoryStream>();
        file.Save(false, {}, nullptr, nullptr, slot.get());
    }
    return *slot;
}

void BM_OpenAndSaveWithDrawings(benchmark::State& state)
{
    const int pictures = static_cast<int>(state.range(0)), comments = static_cast<int>(state.range(1));
    const TMemoryStream& source = Workbook(pictures, comments);
    for (auto _ : state) {
        TMemoryStream input;
        input.WriteBuffer(source.Memory(), const_cast<TMemoryStream&>(source).Size());
        input.SetPosition(0);
        TXLSFile file(nullptr);
        file.Connect();
        file.LoadFromStream(input);
        TMemoryStream output;
        file.Save(false, {}, nullptr, nullptr, &output);
        benchmark::DoNotOptimize(output.Size());
    }
    state.counters["objects"] = pictures + comments;
    state.counters["bytes"] = static_cast<double>(const_cast<TMemoryStream&>(source).Size());
}
BENCHMARK(BM_OpenAndSaveWithDrawings)
    ->Args({0, 0})
    ->Args({250, 2500})
    ->Args({500, 5000})
    ->Args({1000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
