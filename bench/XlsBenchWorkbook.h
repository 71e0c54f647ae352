// The large workbook the workbook benchmarks read: 2 sheets x 65,536 rows x
// 10 numbers, written once by xlwt into the build's bench-data folder; and
// running the python3 peers.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

// Runs a python3 program and times it; its peak memory comes from its own
// last output line, in KiB.
inline bool RunPython(const std::string& program, double& seconds, double& peakMiB)
{
    const std::string command = "/usr/bin/python3 -c \"" + program +
                                "\nimport resource; print(resource.getrusage(resource.RUSAGE_SELF).ru_maxrss)\"";
    const auto start = std::chrono::steady_clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    char line[256] = {};
    std::string last;
    while (fgets(line, sizeof line, pipe))
        last = line;
    if (pclose(pipe) != 0 || last.empty())
        return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    peakMiB = std::stod(last) / 1024.0;
    return true;
}

// Each iteration runs the peer's program and counts its run time; a failed run
// skips the benchmark naming the peer and answers false.
inline bool TimePython(benchmark::State& state, const std::string& program, const std::string& peer, double& peakMiB)
{
    for (auto _ : state) {
        double seconds = 0;
        if (!RunPython(program, seconds, peakMiB)) {
            state.SkipWithError((peer + " failed").c_str());
            return false;
        }
        state.SetIterationTime(seconds);
    }
    return true;
}

// The file's path; empty when xlwt could not write it.
inline const std::string& LargeWorkbook()
{
    static const std::string path = [] {
        const std::string file = XLS_BENCH_DATA "/xls-2x65536x10.xls";
        if (!std::filesystem::exists(file)) {
            std::filesystem::create_directories(XLS_BENCH_DATA);
            const std::string command = "/usr/bin/python3 " VISTRA_SOURCE_DIR
                                        "/xlsAdapter/tests/peers/peer_check.py xlwt " + file + ".tmp 65536 2 && mv " +
                                        file + ".tmp " + file;
            if (std::system(command.c_str()) != 0)
                return std::string();
        }
        return file;
    }();
    return path;
}

} // namespace bench
