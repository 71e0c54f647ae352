// Fuzzes the scan of a GIF stream for its animation frames.
#include "render/GifFrameHeaders.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const render::TGifLayout layout = render::ScanGifFrames(data, size);
    // Frames come in stream order, each on an image of its own.
    int previous = -1;
    for (const render::TGifFrameHeader& frame : layout.Frames) {
        if (frame.ImageIndex <= previous || frame.Disposal > 7) std::abort();
        previous = frame.ImageIndex;
    }
    return 0;
}
