// The large workbook the workbook benchmarks read: 2 sheets x 65,536 rows x
// 10 numbers, written once by xlwt into the build's bench-data folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

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
