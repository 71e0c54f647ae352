// Start-up counting and the allocator that wrapper objects live in.
#include "platform/gdiplus/GdiPlusFlat.h"

#include <cstdlib>

namespace {

int startupCount = 0;
std::uintptr_t nextToken = 1;

} // namespace

Status GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    if (!token || !input) return InvalidParameter;
    if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
    // No background thread exists, so there is never a hook to hand out.
    if (output) *output = GdiplusStartupOutput{};
    *token = nextToken++;
    ++startupCount;
    return Ok;
}

void GdiplusShutdown(std::uintptr_t token)
{
    if (token != 0 && startupCount > 0) --startupCount;
}

void* GdipAlloc(std::size_t size)
{
    if (startupCount == 0) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void GdipFree(void* ptr) { std::free(ptr); }
