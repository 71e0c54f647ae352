// Fuzzes loading XML documents of records and fields into the grid, in both row modes.
#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (backend::InstallHeadlessBackend(), true);
    (void)installed;
    static const std::string file = "/tmp/fuzz-grid-xml-" + std::to_string(::getpid()) + ".xml";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    for (const bool levelToRow : {false, true}) {
        TQuillStringGrid grid(nullptr);
        try {
            grid.LoadFromXML(file, levelToRow, levelToRow);
        } catch (const Exception&) {
        }
    }
    std::remove(file.c_str());
    return 0;
}
