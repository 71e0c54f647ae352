// Temporary folders and whole-file helpers for tests.
#include "testsupport/TempFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace testsupport {

TempFolder::TempFolder(std::string_view Name)
{
    // mkdtemp makes the name unique across processes: ctest runs test programs in parallel.
    std::string pattern = (std::filesystem::temp_directory_path() / ("vistra-" + std::string(Name) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder from " + pattern);
    FPath = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string ReadFile(const std::string& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& Path, std::string_view Bytes)
{
    std::ofstream out(Path, std::ios::binary | std::ios::trunc);
    out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

} // namespace testsupport
