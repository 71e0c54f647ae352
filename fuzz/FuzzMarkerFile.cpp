// Fuzzes the marker-file reader: the file's encoding and lines, each line's
// fields, and the title and icon fields' escapes, which must decode what they encode.
#include "app/MarkerFile.h"
#include "fuzz/ScratchFile.h"
#include "platform/rtl/Exceptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    try {
        for (const app::TMarkerLine& line : app::ParseMarkerLines(app::ReadMarkerFileLines(ScratchFile()), "/icons/")) {
            if (app::DecodeMarkerField(app::EncodeMarkerField(line.Title)) != line.Title) std::abort();
            if (app::DecodeMarkerField(app::EncodeMarkerField(line.Icon)) != line.Icon) std::abort();
        }
    } catch (const Exception&) {
    }
    return 0;
}
