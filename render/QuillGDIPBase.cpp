// Start-up and shut-down of the drawing library for the process, the wrappers' allocator and colour helpers.
#include "render/QuillGDIPBase.h"

#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/rtl/Strings.h"

#include <cstring>
#include <new>

namespace {

// Background work is suppressed: there is no thread of the library's own.
const GdiplusStartupInput startupInput{1, nullptr, true, false};
GdiplusStartupOutput startupOutput;
std::uintptr_t gdiplusToken = 0;

// Starts the library when the program starts and shuts it down when it ends.
struct LibraryLifetime {
    LibraryLifetime() { GdiplusStartup(&gdiplusToken, &startupInput, &startupOutput); }
    ~LibraryLifetime() { GdiplusShutdown(gdiplusToken); }
};
const LibraryLifetime lifetime;

} // namespace

namespace render {

std::uintptr_t GdiplusToken() noexcept { return gdiplusToken; }

std::string_view LeadingCharacters(std::string_view text, int length)
{
    return length < 0 ? text : text.substr(0, rtl::Utf8ByteOffset(text, static_cast<std::size_t>(length)));
}

} // namespace render

void* TGdiplusBase::operator new(std::size_t size)
{
    void* block = GdipAlloc(size);
    if (!block) {
        // Objects made before the start-up above ran (or after a shut-down) start the library themselves.
        GdiplusStartup(&gdiplusToken, &startupInput, &startupOutput);
        block = GdipAlloc(size);
    }
    if (!block) throw std::bad_alloc();
    std::memset(block, 0, size);
    return block;
}

void TGdiplusBase::operator delete(void* ptr) noexcept { GdipFree(ptr); }

ARGB ColorToOpaqueARGB(TColor Color) noexcept
{
    const auto rgb = static_cast<TColorRef>(ColorToRGB(Color));
    return PackOpaqueRGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TGPPoint NewGPPoint(int X, int Y) noexcept { return {X, Y}; }

TGPRectF NewGPRectF(float X, float Y, float Width, float Height) noexcept { return {X, Y, Width, Height}; }
