// Fuzzes loading the grid's binary cell stream (records of a header, cells and their properties) into a grid.
#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/classes/Streams.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool installed = (backend::InstallHeadlessBackend(), true);
    (void)installed;
    TStringStream stream(std::string_view(reinterpret_cast<const char*>(data), size));
    TQuillStringGrid grid(nullptr);
    try {
        grid.LoadFromBinStream(stream);
    } catch (const Exception&) {
    }
    return 0;
}
