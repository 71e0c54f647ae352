// Where the animation frames of a GIF stream start, found by walking its blocks with every read bounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace render {

// One animation frame: a graphic control extension directly followed by an image descriptor.
struct TGifFrameHeader {
    int DelayHundredths = 0;
    bool Transparent = false;
    std::uint16_t Disposal = 0;  // 0..7
    std::uint16_t Left = 0;
    std::uint16_t Top = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    int ImageIndex = 0;  // zero-based place of its image among all images of the stream
};

struct TGifLayout {
    std::uint16_t ScreenWidth = 0;
    std::uint16_t ScreenHeight = 0;
    std::vector<TGifFrameHeader> Frames;
    // What ended the walk before the trailer, naming the block and its
    // offset ("GIF: image data of image 2 at offset 812: ..."); empty when
    // the stream is whole.
    std::string Damage;
};

// The stream must start with "GIF8". A truncated or malformed stream gives the
// frames found before the damage, and says what the damage is; nothing is read
// outside the data.
TGifLayout ScanGifFrames(const std::uint8_t* Data, std::size_t Size);

} // namespace render
