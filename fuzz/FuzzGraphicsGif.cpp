// Fuzzes the GIF decoder: load, then draw the picture scaled onto a small bitmap.
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GifImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    input.WriteBuffer(data, static_cast<std::int64_t>(size));
    input.SetPosition(0);
    try {
        TGIFImage picture;
        picture.LoadFromStream(input);
        TBitmap target(8, 8);
        target.Canvas()->StretchDraw(Rect(0, 0, 8, 8), &picture);
    } catch (const Exception&) {
    }
    return 0;
}
