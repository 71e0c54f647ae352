// Runs a small script in the system's Python, the independent reader and writer that
// the text formats are checked against.
#include "grid/base/tests/PythonPeer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace grid::test {

namespace {

constexpr const char* Python = "/usr/bin/python3";

std::filesystem::path WriteTemp(const std::string& name, const std::string& content)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("grid_util_" + std::to_string(getpid()) + "_" + name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

} // namespace

std::string RunPython(const std::string& Script, const std::string& Input)
{
    if (!std::filesystem::exists(Python)) {
        ADD_FAILURE() << Python << " is missing";
        return {};
    }
    const auto script = WriteTemp("script.py", Script);
    const auto input = WriteTemp("input.bin", Input);
    const std::string command = std::string(Python) + " " + script.string() + " < " + input.string();
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, got);
        const int status = pclose(pipe);
        EXPECT_EQ(status, 0) << "python failed on:\n" << Script;
    } else {
        ADD_FAILURE() << "cannot start " << command;
    }
    std::filesystem::remove(script);
    std::filesystem::remove(input);
    return output;
}

} // namespace grid::test
