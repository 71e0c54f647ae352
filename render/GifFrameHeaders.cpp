// Walks the blocks of a GIF stream to find its animation frames, reading
// through the runtime's checked cursor.
#include "render/GifFrameHeaders.h"

#include "platform/rtl/ByteCursor.h"
#include "platform/rtl/Exceptions.h"

#include <cstdio>
#include <span>

namespace render {

namespace {

constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t Trailer = 0x3B;
constexpr std::uint8_t GraphicControlLabel = 0xF9;

std::size_t ColorTableSize(std::uint8_t packed) noexcept
{
    return (packed & 0x80) ? 3u * (2u << (packed & 0x07)) : 0u;
}

// Skips data sub-blocks up to and including their zero terminator. Every
// sub-block moves the cursor forward, so the loop ends within the data.
void SkipSubBlocks(rtl::TByteCursor& cursor)
{
    while (std::uint8_t length = cursor.U8()) cursor.Skip(length);
}

// Reads the blocks after the logical screen into layout.Frames; the cursor's
// errors say where the stream broke.
void ScanBlocks(rtl::TByteCursor& cursor, TGifLayout& layout)
{
    int imageIndex = 0;
    bool pendingControl = false;
    TGifFrameHeader pending;
    for (;;) {
        cursor.SetRecord("block");
        const std::size_t start = cursor.Position();
        const std::uint8_t kind = cursor.U8();
        if (kind == Trailer) return;
        if (kind == ImageSeparator) {
            const std::string image = "image " + std::to_string(imageIndex + 1);
            cursor.SetRecord("image descriptor of " + image);
            TGifFrameHeader frame = pending;
            frame.Left = cursor.U16();
            frame.Top = cursor.U16();
            frame.Width = cursor.U16();
            frame.Height = cursor.U16();
            const std::uint8_t packed = cursor.U8();
            if (pendingControl) {
                frame.ImageIndex = imageIndex;
                layout.Frames.push_back(frame);
                pendingControl = false;
            }
            ++imageIndex;
            cursor.SetRecord("colour table of " + image);
            cursor.Skip(ColorTableSize(packed));
            cursor.SetRecord("image data of " + image);
            cursor.Skip(1); // LZW minimum code size
            SkipSubBlocks(cursor);
        } else if (kind == ExtensionIntroducer) {
            const std::uint8_t label = cursor.U8();
            if (label == GraphicControlLabel) {
                cursor.SetRecord("graphic control extension");
                // Size 4, packed byte, delay, transparent index, terminator.
                const bool wellFormed = cursor.Remaining() >= 6 && cursor.U8() == 4;
                if (wellFormed) {
                    const std::uint8_t controlPacked = cursor.U8();
                    const std::uint16_t delay = cursor.U16();
                    cursor.Skip(1); // transparent colour index
                    if (cursor.U8() == 0) {
                        pending = TGifFrameHeader{};
                        pending.Transparent = (controlPacked & 0x01) != 0;
                        pending.Disposal = static_cast<std::uint16_t>((controlPacked >> 3) & 0x07);
                        pending.DelayHundredths = delay;
                        pendingControl = true;
                        continue;
                    }
                }
                // Not the usual shape: skipped as any other extension, from its label on.
                cursor.Seek(start + 2);
            } else {
                char name[32];
                std::snprintf(name, sizeof name, "extension 0x%02X", label);
                cursor.SetRecord(name);
            }
            pendingControl = false;
            SkipSubBlocks(cursor);
        } else {
            char what[48];
            std::snprintf(what, sizeof what, "byte 0x%02X starts no block", kind);
            cursor.FailAt(start, what);
        }
    }
}

} // namespace

TGifLayout ScanGifFrames(const std::uint8_t* Data, std::size_t Size)
{
    TGifLayout layout;
    rtl::TByteCursor cursor(std::span(Data, Size), rtl::TByteContext{"GIF", "header", 0});
    try {
        const auto signature = cursor.Bytes(6);
        if (signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8')
            cursor.FailAt(0, "the stream does not start with \"GIF8\"");
        cursor.SetRecord("logical screen descriptor");
        const std::uint16_t width = cursor.U16();
        const std::uint16_t height = cursor.U16();
        const std::uint8_t packed = cursor.U8();
        cursor.Skip(2); // background colour index, pixel aspect ratio
        layout.ScreenWidth = width;
        layout.ScreenHeight = height;
        cursor.SetRecord("global colour table");
        cursor.Skip(ColorTableSize(packed));
        ScanBlocks(cursor, layout);
    } catch (const EReadError& e) {
        layout.Damage = e.Message();
    }
    return layout;
}

} // namespace render
