// A rich-text cell on any bytes: runs or a read error, and whatever is read
// lays out on a bitmap without crashing or hanging.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "grid/paint/RichText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"

// Fontconfig keeps its font caches for the life of the process; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    static TBitmap* const bitmap = [] {
        auto* b = new TBitmap;
        b->SetSize(160, 60);
        return b;
    }();
    try {
        const auto runs = grid::ReadRichText({reinterpret_cast<const char*>(Data), Size});
        grid::LayoutRichText(*bitmap->Canvas(), {0, 0, 160, 60}, runs, Size % 2 == 0);
    } catch (const EReadError&) {
    }
    return 0;
}
