// Opening a large workbook file and walking all its records, beside the
// python3-xlrd reader opening the same file.
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include "XlsBenchWorkbook.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void BM_OpenAndWalkAllRecords(benchmark::State& state)
{
    const std::string& file = bench::LargeWorkbook();
    if (file.empty()) {
        state.SkipWithError("python3-xlwt could not write the workbook");
        return;
    }
    std::int64_t records = 0;
    for (auto _ : state) {
        TFileStream input(file, fmOpenRead);
        TOle2File container(input);
        container.SelectStream(u"Workbook");
        TRecordHeader header;
        ReadRecordHeader(container, header);
        records = 0;
        while (!header.EndOfStream) {
            benchmark::DoNotOptimize(LoadRecord(container, header));
            ++records;
        }
    }
    state.counters["records"] = static_cast<double>(records);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(BM_OpenAndWalkAllRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same file opened by python3-xlrd (process start included, about 50 ms).
void BM_XlrdOpensTheSameFile(benchmark::State& state)
{
    const std::string& file = bench::LargeWorkbook();
    const std::string command = "/usr/bin/python3 -c \"import xlrd; xlrd.open_workbook('" + file + "')\"";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("python3-xlrd failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_XlrdOpensTheSameFile)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace
