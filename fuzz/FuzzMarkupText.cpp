// Fuzzes the text that users and files put into cells and documents: the
// first byte picks a rendering mode, the rest is markup laid out, drawn and
// hit-tested on a bitmap, stripped to plain text, used as a filter condition
// against itself, converted to RTF, and merged into an RTF document as RTF.
// None of it may crash, hang or read out of bounds.
#include "grid/base/FilterMatch.h"
#include "memo/HTMLToRTF.h"
#include "memo/RTFEngine.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderer.h"
#include "render/HTMLUtils.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Fontconfig keeps its font caches for the life of the process; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    static TBitmap* const bitmap = [] {
        auto* b = new TBitmap;
        b->SetSize(200, 80);
        return b;
    }();
    THTMLRenderParams params;
    params.WordWrap = mode & 1;
    params.HitTest = mode & 2;
    params.MeasureOnly = mode & 4;
    params.XPos = 5 + (mode >> 4) * 10;
    params.YPos = 5;
    THTMLRenderResult result;
    RenderHTMLText(bitmap->Canvas(), text, TRect{0, 0, 200, 80}, params, result);

    StripHTMLMarkup(text);
    MatchFilterExpr(text, text, mode & 8);

    TRTFEngine document;
    HTMLToRTF(text, *bitmap->Canvas()->Font(), document);
    document.AddRTF(text);
    document.GetText();
    return 0;
}
