// Fuzzes reading the memo's settings file: any INI content either applies
// settings the memo can work with (it paints with them afterwards) or fails
// with the library's exception, never more.
#include "memo/QuillMemo.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "fuzz/ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        backend::InstallHeadlessBackend();
        return true;
    }();
    (void)ready;
    std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);

    TQuillMemo memo(nullptr);
    memo.Lines().Add("\tint x = 1; // http://example.com");
    try {
        memo.LoadMemoSettingsFromFile(ScratchFile());
    } catch (const Exception&) {
    }
    if (memo.TabSize() < 1 || memo.TabSize() > 64 || memo.UndoLimit() < 1 || memo.UndoLimit() > 100) std::abort();
    TBitmap page(200, 100);
    memo.PrintToCanvas(*page.Canvas(), 200, 100, 1);
    return 0;
}
