// Snapshots of a browser engine's view as bitmaps.
#include "platform/web/SnapshotBitmap.h"

#include "platform/graphics/Bitmap.h"

namespace web {

namespace {

// Premultiplied colour over white: each channel gains what alpha leaves uncovered.
std::uint8_t OverWhite(std::uint32_t pixel, int shift)
{
    const unsigned uncovered = 255 - (pixel >> 24);
    return static_cast<std::uint8_t>(std::min(255u, ((pixel >> shift) & 0xFF) + uncovered));
}

}  // namespace

Outcome SnapshotToBitmap(BrowserEngine& engine, TBitmap& bitmap)
{
    PixelBuffer picture;
    Outcome taken = engine.Snapshot(picture);
    if (!taken)
        return taken;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(picture.Width, picture.Height);
    for (int y = 0; y < picture.Height; ++y) {
        TRGBQuad* row = bitmap.ScanLine(y);
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            row[x] = TRGBQuad{OverWhite(pixel, 0), OverWhite(pixel, 8), OverWhite(pixel, 16), 255};
        }
    }
    bitmap.PixelsChanged();
    return Outcome::Success();
}

}  // namespace web
