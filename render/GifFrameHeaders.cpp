// Walks the blocks of a GIF stream to find its animation frames, never reading past the data.
#include "render/GifFrameHeaders.h"

#include <cstring>

namespace render {

namespace {

constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t GraphicControlLabel = 0xF9;
constexpr std::size_t HeaderAndScreenSize = 13;
constexpr std::size_t ImageDescriptorSize = 10;  // separator and nine bytes

class TBlockCursor {
public:
    TBlockCursor(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

    bool Has(std::size_t count) const noexcept { return count <= FSize - FPos; }
    std::size_t Position() const noexcept { return FPos; }
    std::uint8_t At(std::size_t offset) const noexcept { return FData[FPos + offset]; }
    std::uint16_t WordAt(std::size_t offset) const noexcept
    {
        return static_cast<std::uint16_t>(FData[FPos + offset] | (FData[FPos + offset + 1] << 8));
    }
    bool Skip(std::size_t count) noexcept
    {
        if (!Has(count)) return false;
        FPos += count;
        return true;
    }
    // Skips data sub-blocks up to and including their zero terminator.
    bool SkipSubBlocks() noexcept
    {
        while (Has(1)) {
            std::size_t length = At(0);
            if (!Skip(1 + length)) return false;
            if (length == 0) return true;
        }
        return false;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

std::size_t ColorTableSize(std::uint8_t packed) noexcept
{
    return (packed & 0x80) ? 3u * (2u << (packed & 0x07)) : 0u;
}

} // namespace

TGifLayout ScanGifFrames(const std::uint8_t* Data, std::size_t Size)
{
    TGifLayout layout;
    if (Size < HeaderAndScreenSize || std::memcmp(Data, "GIF8", 4) != 0) return layout;
    TBlockCursor cursor(Data, Size);
    layout.ScreenWidth = cursor.WordAt(6);
    layout.ScreenHeight = cursor.WordAt(8);
    if (!cursor.Skip(HeaderAndScreenSize + ColorTableSize(Data[10]))) return layout;

    // Every step moves the cursor forward, so the walk ends within Size steps.
    int imageIndex = 0;
    bool pendingControl = false;
    TGifFrameHeader pending;
    while (cursor.Has(1)) {
        std::uint8_t kind = cursor.At(0);
        if (kind == ImageSeparator) {
            if (!cursor.Has(ImageDescriptorSize)) break;
            if (pendingControl) {
                pending.Left = cursor.WordAt(1);
                pending.Top = cursor.WordAt(3);
                pending.Width = cursor.WordAt(5);
                pending.Height = cursor.WordAt(7);
                pending.ImageIndex = imageIndex;
                layout.Frames.push_back(pending);
                pendingControl = false;
            }
            ++imageIndex;
            std::size_t localTable = ColorTableSize(cursor.At(9));
            // Descriptor, local colour table, LZW minimum code size, then the image data.
            if (!cursor.Skip(ImageDescriptorSize + localTable + 1) || !cursor.SkipSubBlocks()) break;
        } else if (kind == ExtensionIntroducer) {
            if (!cursor.Has(2)) break;
            bool control = cursor.At(1) == GraphicControlLabel;
            // A frame's control block: size 4, packed byte, delay, transparent index, terminator.
            if (control && cursor.Has(8) && cursor.At(2) == 4 && cursor.At(7) == 0) {
                std::uint8_t packed = cursor.At(3);
                pending = TGifFrameHeader{};
                pending.Transparent = (packed & 0x01) != 0;
                pending.Disposal = static_cast<std::uint16_t>((packed >> 3) & 0x07);
                pending.DelayHundredths = cursor.WordAt(4);
                pendingControl = true;
                cursor.Skip(8);
                continue;
            }
            pendingControl = false;
            if (!cursor.Skip(2) || !cursor.SkipSubBlocks()) break;
        } else {
            break;  // the trailer, or bytes that are not a block
        }
    }
    return layout;
}

} // namespace render
