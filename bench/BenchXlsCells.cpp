// Cell storage with 650,000 numbers (65,000 rows of 10): loading them from
// their records as a sheet is read, writing them as values, and measuring
// the cell block for saving.
#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsRecordFactory.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int Rows = 65000;
constexpr int Columns = 10;
constexpr int RKColumns = 5; // columns 0..4 hold RK numbers, 5..9 NUMBER

struct TRawRecord {
    std::uint16_t Id;
    ByteArray Data;
};

ByteArray Words(std::initializer_list<std::uint16_t> words)
{
    ByteArray bytes;
    for (std::uint16_t w : words) {
        bytes.push_back(static_cast<std::uint8_t>(w));
        bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return bytes;
}

// The records a writer stores the cells in: per row a ROW record, one
// MULRK for the RK run and a NUMBER for each other cell.
const std::vector<TRawRecord>& SheetRecords()
{
    static const std::vector<TRawRecord> records = [] {
        std::vector<TRawRecord> list;
        for (int row = 0; row < Rows; ++row) {
            const auto r = static_cast<std::uint16_t>(row);
            list.push_back({0x0208, Words({r, 0, Columns, 255, 0, 0, 0x0100, 15})});
            ByteArray mulrk = Words({r, 0});
            for (int col = 0; col < RKColumns; ++col) {
                std::uint32_t rk = 0;
                if (!EncodeRK(rk, row + col * 0.25)) // quarters below 2^17 always fit
                    std::abort();
                const ByteArray cell = Words({15, static_cast<std::uint16_t>(rk), static_cast<std::uint16_t>(rk >> 16)});
                mulrk.insert(mulrk.end(), cell.begin(), cell.end());
            }
            const ByteArray last = Words({RKColumns - 1});
            mulrk.insert(mulrk.end(), last.begin(), last.end());
            list.push_back({0x00BD, mulrk});
            for (int col = RKColumns; col < Columns; ++col) {
                ByteArray number = Words({r, static_cast<std::uint16_t>(col), 15});
                const double value = row / 7.0 + col;
                number.resize(14);
                std::memcpy(number.data() + 6, &value, 8);
                list.push_back({0x0203, number});
            }
        }
        return list;
    }();
    return records;
}

void LoadInto(TCells& cells)
{
    for (const TRawRecord& raw : SheetRecords()) {
        std::unique_ptr<TBaseRecord> record = xlsAdapter::CreateRecord(raw.Id, raw.Data);
        if (auto* multiple = dynamic_cast<TMultipleValueRecord*>(record.get())) {
            cells.AddMultipleCells(*multiple);
        } else if (dynamic_cast<TRowRecord*>(record.get())) {
            cells.AddRow(TRowEntry(std::move(record)));
        } else {
            auto* cell = static_cast<TCellRecord*>(record.release());
            cells.AddCell(std::unique_ptr<TCellRecord>(cell), cell->Row());
        }
    }
    cells.FixRows();
}

void BM_LoadCellRecords(benchmark::State& state)
{
    SheetRecords();
    for (auto _ : state) {
        TWorkbookGlobals globals;
        TCells cells(globals, nullptr);
        LoadInto(cells);
        benchmark::DoNotOptimize(cells.CellList().Count());
        state.PauseTiming(); // freeing is not loading
        cells.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
}
BENCHMARK(BM_LoadCellRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SetCellValues(benchmark::State& state)
{
    for (auto _ : state) {
        TWorkbookGlobals globals;
        TCells cells(globals, nullptr);
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Columns; ++col)
                cells.CellList().SetValueX2(row, col, {col < RKColumns ? row + col * 0.25 : row / 7.0 + col, -1, false},
                                            {}, false);
        benchmark::DoNotOptimize(cells.CellList().Count());
        state.PauseTiming();
        cells.Clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
}
BENCHMARK(BM_SetCellValues)->Unit(benchmark::kMillisecond)->UseRealTime();

// The size of the cell block, which saving computes before it writes.
void BM_CellBlockSize(benchmark::State& state)
{
    TWorkbookGlobals globals;
    TCells cells(globals, nullptr);
    LoadInto(cells);
    std::int64_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(size = cells.TotalSize());
    state.counters["MB"] = static_cast<double>(size) / 1e6;
    state.SetItemsProcessed(state.iterations() * Rows * Columns);
}
BENCHMARK(BM_CellBlockSize)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
