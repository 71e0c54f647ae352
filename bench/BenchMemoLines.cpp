// The memo's line list over a 100,000-line text: loading, saving, and inserting and deleting mid-text.
#include "memo/MemoLines.h"
#include "memo/tests/LinesTestMemo.h"
#include "platform/classes/Streams.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int LineCount = 100'000;

// Source-like lines of 20 to 80 characters; every fourth starts with a tab.
const std::string& SourceText()
{
    static const std::string text = [] {
        std::string bytes;
        for (int i = 0; i < LineCount; ++i) {
            if (i % 4 == 0)
                bytes += '\t';
            bytes += "line " + std::to_string(i) + " ";
            bytes.append(static_cast<size_t>(10 + i % 60), 'x');
            bytes += "\r\n";
        }
        return bytes;
    }();
    return text;
}

void LoadFromStream(benchmark::State& state)
{
    for (auto _ : state) {
        LinesTestMemo memo;
        TStringStream in(SourceText());
        memo.Lines.LoadFromStream(in);
        benchmark::DoNotOptimize(memo.Lines.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(SourceText().size()));
}
BENCHMARK(LoadFromStream)->Unit(benchmark::kMillisecond);

void LoadFromFile(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / ("bench-memo-lines-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << SourceText();
    for (auto _ : state) {
        LinesTestMemo memo;
        memo.Lines.LoadFromFile(path.string());
        benchmark::DoNotOptimize(memo.Lines.Count());
    }
    std::filesystem::remove(path);
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond);

void SaveToStream(benchmark::State& state)
{
    LinesTestMemo memo;
    TStringStream in(SourceText());
    memo.Lines.LoadFromStream(in);
    for (auto _ : state) {
        TStringStream out;
        memo.Lines.SaveToStream(out);
        benchmark::DoNotOptimize(out.Size());
    }
}
BENCHMARK(SaveToStream)->Unit(benchmark::kMillisecond);

// One line inserted in the middle and deleted again (through the memo's DeleteLine).
void InsertAndDeleteMidText(benchmark::State& state)
{
    LinesTestMemo memo;
    TStringStream in(SourceText());
    memo.Lines.LoadFromStream(in);
    const int middle = memo.Lines.Count() / 2;
    for (auto _ : state) {
        memo.Lines.Insert(middle, "inserted\tline");
        memo.Lines.Delete(middle);
    }
}
BENCHMARK(InsertAndDeleteMidText)->Unit(benchmark::kMicrosecond);

} // namespace
