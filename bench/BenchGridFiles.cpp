// The string grid's CSV files at 100,000 rows x 10 columns, each beside the npm
// csv-parse (and csv-stringify) packages working on the same file in the same
// run: reading into the grid, and reading and writing back byte for byte;
// the grid's binary cell stream saved and loaded beside the CSV read.
// VISTRA_BENCH_SMALL=1 shrinks the file for a quick smoke run.
#include "grid/QuillGrid.h"
#include "grid/files/ClipboardText.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int Cols = 10;

int Rows() { return std::getenv("VISTRA_BENCH_SMALL") ? 1'000 : 100'000; }

std::filesystem::path Folder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("vistra-bench-gridfiles-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// UTF-8 with a mark, CR LF, quotes only where needed: the form the grid
// writes, so that writing back gives the same bytes. One file per row count.
std::string InputFile(int RowCount = Rows())
{
    static std::map<int, std::string> made;
    std::string& path = made[RowCount];
    if (path.empty()) {
        const std::string file = (Folder() / ("input-" + std::to_string(RowCount) + ".csv")).string();
        std::ofstream out(file, std::ios::binary);
        out << "\xEF\xBB\xBF";
        for (int r = 0; r < RowCount; ++r) {
            for (int c = 0; c < Cols; ++c) {
                if (c) out << ',';
                const int n = r * Cols + c;
                if (n % 13 == 0)
                    out << "\"say \"\"" << r << "\"\"\"";
                else if (n % 7 == 0)
                    out << "\"Street " << r << ", Town\"";
                else
                    out << "R" << r << "C" << c << (n % 3 == 0 ? " \xC3\xBC\xE2\x82\xAC" : "");
            }
            out << "\r\n";
        }
        path = file;
    }
    return path;
}

std::string ReadAll(const std::string& File)
{
    std::ifstream in(File, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TGridScene {
    TGridScene()
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Grid->SetDelimiter(',');
    }
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

// Two sizes ten times apart show whether the cost follows the rows.
void BM_GridLoadCsv(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string input = InputFile(rows);
    TGridScene scene;
    for (auto _ : state) scene.Grid->LoadFromCSV(input);
    state.SetItemsProcessed(state.iterations() * rows * Cols);
    state.counters["fileKiB"] = static_cast<double>(std::filesystem::file_size(input)) / 1024.0;
}
BENCHMARK(BM_GridLoadCsv)->Arg(Rows() / 10)->Arg(Rows())->Unit(benchmark::kMillisecond);

void BM_GridLoadAndSaveCsv(benchmark::State& state)
{
    const std::string input = InputFile();
    const std::string output = (Folder() / "output.csv").string();
    TGridScene scene;
    for (auto _ : state) {
        scene.Grid->LoadFromCSV(input);
        scene.Grid->SaveToCSV(output, true);
    }
    if (ReadAll(output) != ReadAll(input)) state.SkipWithError("the written file differs from the one read");
    state.SetItemsProcessed(state.iterations() * Rows() * Cols);
}
BENCHMARK(BM_GridLoadAndSaveCsv)->Unit(benchmark::kMillisecond);

// The same grid through the binary cell stream, saved to a file and loaded
// from it, measured against the CSV read above.
void BM_GridLoadBinFile(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string file = (Folder() / "load.grid").string();
    TGridScene scene, back;
    scene.Grid->LoadFromCSV(InputFile(rows));
    scene.Grid->SaveToBinFile(file);
    for (auto _ : state) back.Grid->LoadFromBinFile(file);
    if (back.Grid->Cells(Cols - 1, rows - 1) != scene.Grid->Cells(Cols - 1, rows - 1))
        state.SkipWithError("the loaded grid differs from the saved one");
    state.SetItemsProcessed(state.iterations() * rows * Cols);
    state.counters["fileKiB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024.0;
}
BENCHMARK(BM_GridLoadBinFile)->Arg(Rows() / 10)->Arg(Rows())->Unit(benchmark::kMillisecond);

void BM_GridSaveBinFile(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string output = (Folder() / "save.grid").string();
    TGridScene scene;
    scene.Grid->LoadFromCSV(InputFile(rows));
    for (auto _ : state) scene.Grid->SaveToBinFile(output);
    state.SetItemsProcessed(state.iterations() * rows * Cols);
}
BENCHMARK(BM_GridSaveBinFile)->Arg(Rows() / 10)->Arg(Rows())->Unit(benchmark::kMillisecond);

// Pasted text of ordinary lines, some opening a quote that no tab closes (as
// "Hello," he said): the parse must follow the text's length.
void BM_ParseClipboardText(benchmark::State& state)
{
    std::string text;
    for (int r = 0; r < state.range(0); ++r)
        text += (r % 3 == 0 ? "\"Hello,\" he said\t" : "plain words\t") + std::to_string(r) + "\tmore text here\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(grid::files::ParseClipboardText(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["textKiB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(BM_ParseClipboardText)->Arg(Rows() / 4)->Arg(Rows() * 10 / 4)->Unit(benchmark::kMillisecond);

// Runs the peer script on the input; its own clock measures parsing (and
// stringifying), so node's start-up is not counted against it.
constexpr const char* kPeerScript = R"(
const req = require('module').createRequire(process.argv[2] + '/');
const { parse } = req('csv-parse/sync');
const { stringify } = req('csv-stringify/sync');
const bytes = require('fs').readFileSync(process.argv[3]);
const t0 = process.hrtime.bigint();
const rows = parse(bytes, { bom: true, relax_column_count: true });
const t1 = process.hrtime.bigint();
const roundTrip = process.argv[4] === 'write';
const out = roundTrip ? stringify(rows, { bom: true, record_delimiter: 'windows' }) : '';
const t2 = process.hrtime.bigint();
const same = !roundTrip || Buffer.from(out).equals(bytes);
console.log(`${Number(t1 - t0) / 1e9} ${Number(t2 - t0) / 1e9} ${same ? 1 : 0}`);
)";

void PeerBenchmark(benchmark::State& state, bool Write)
{
    const std::string modules = std::string(VISTRA_SOURCE_DIR) + "/tools/peers/node_modules";
    if (!std::filesystem::exists(modules + "/csv-parse") || std::system("node --version >/dev/null 2>&1") != 0) {
        state.SkipWithError("node with tools/peers' csv-parse is needed (tools/setup installs it)");
        return;
    }
    const std::string script = (Folder() / "peer.js").string();
    std::ofstream(script) << kPeerScript;
    const std::string command =
        "node " + script + " " + modules + " " + InputFile() + (Write ? " write" : " read");
    for (auto _ : state) {
        FILE* pipe = ::popen(command.c_str(), "r");
        double parseSeconds = -1, totalSeconds = -1;
        int same = 0;
        if (pipe) {
            if (std::fscanf(pipe, "%lf %lf %d", &parseSeconds, &totalSeconds, &same) != 3) parseSeconds = -1;
            ::pclose(pipe);
        }
        if (parseSeconds < 0 || !same) {
            state.SkipWithError("the csv-parse peer failed or wrote other bytes");
            return;
        }
        state.SetIterationTime(Write ? totalSeconds : parseSeconds);
    }
    state.SetItemsProcessed(state.iterations() * Rows() * Cols);
}

void BM_CsvParsePeer(benchmark::State& state) { PeerBenchmark(state, false); }
BENCHMARK(BM_CsvParsePeer)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CsvParseAndStringifyPeer(benchmark::State& state) { PeerBenchmark(state, true); }
BENCHMARK(BM_CsvParseAndStringifyPeer)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
