// Reads and writes BMP files and icon DIBs; every size and offset in the file is checked.
#include "platform/graphics/BmpFormat.h"

#include <algorithm>
#include <bit>
#include <string>

namespace graphics {
namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_ALPHABITFIELDS = 6;

struct Mask {
    std::uint32_t Bits = 0;
    int Shift = 0;
    int Width = 0;
    explicit Mask(std::uint32_t bits = 0) : Bits(bits)
    {
        if (bits) {
            Shift = std::countr_zero(bits);
            Width = std::popcount(bits >> Shift);
            if (Width > 16) Width = 16;
        }
    }
    std::uint32_t Extract(std::uint32_t value) const
    {
        if (!Bits || Width == 0) return 0;
        std::uint32_t v = (value & Bits) >> Shift;
        std::uint32_t max = (1u << Width) - 1;
        return (std::min(v, max) * 255 + max / 2) / max;
    }
};

// Reads the info header at the cursor's position and the pixels at
// pixelOffset (or right after the colour table when it is 0); offsets count
// from the cursor's start.
TDibImage readDib(rtl::TByteCursor& r, std::size_t pixelOffset, bool icon)
{
    r.SetRecord("info header");
    std::size_t headerStart = r.Position();
    std::uint32_t headerSize = r.U32();
    std::int64_t width, height;
    int planes, bpp;
    std::uint32_t compression = BI_RGB, colorsUsed = 0;
    bool core = headerSize == 12;
    const std::size_t sizeAt = r.Position(), planesAt = sizeAt + (core ? 4 : 8), bppAt = planesAt + 2,
                      compressionAt = bppAt + 2;
    if (core) {
        width = r.U16();
        height = static_cast<std::int16_t>(r.U16());
        planes = r.U16();
        bpp = r.U16();
    } else if (headerSize >= 40 && headerSize <= 1024) {
        width = r.I32();
        height = r.I32();
        planes = r.U16();
        bpp = r.U16();
        compression = r.U32();
        r.Skip(12); // image size and resolution
        colorsUsed = r.U32();
        r.Skip(4);
    } else {
        r.FailAt(headerStart, "info header size " + std::to_string(headerSize) + " is not supported");
    }
    if (planes != 1) r.FailAt(planesAt, "plane count " + std::to_string(planes) + ", needs 1");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        r.FailAt(bppAt, std::to_string(bpp) + " bits per pixel are not supported");
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (icon) height /= 2;
    if (width <= 0 || height <= 0)
        r.FailAt(sizeAt, "image size " + std::to_string(width) + " x " + std::to_string(height));
    CheckImageSize(r, sizeAt, width, height);

    Mask red, green, blue, alpha;
    if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
        if (bpp != 16 && bpp != 32) r.FailAt(bppAt, "bit fields need 16 or 32 bits per pixel");
        // The masks follow a 40-byte header, or are part of a larger one.
        r.SetRecord("bit fields");
        r.Seek(headerStart + 40);
        red = Mask(r.U32());
        green = Mask(r.U32());
        blue = Mask(r.U32());
        if (compression == BI_ALPHABITFIELDS || headerSize >= 56) alpha = Mask(r.U32());
        if (headerSize > 40) r.Seek(headerStart + headerSize);
    } else if (compression != BI_RGB) {
        r.FailAt(compressionAt, "compression " + std::to_string(compression) + " is not supported");
    } else if (bpp == 16) {
        red = Mask(0x7C00), green = Mask(0x03E0), blue = Mask(0x001F);
    } else if (bpp == 24 || bpp == 32) {
        red = Mask(0xFF0000), green = Mask(0x00FF00), blue = Mask(0x0000FF);
    }

    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        r.SetRecord("colour table");
        r.Seek(headerStart + headerSize);
        std::uint32_t count = colorsUsed ? colorsUsed : (1u << bpp);
        if (count > 256) r.Fail("colour table of " + std::to_string(count) + " entries");
        int entry = core ? 3 : 4;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* c = r.Bytes(static_cast<std::size_t>(entry)).data();
            palette.push_back(0xFF000000u | (std::uint32_t(c[2]) << 16) | (std::uint32_t(c[1]) << 8) | c[0]);
        }
        palette.resize(std::size_t(1) << bpp, 0xFF000000u);
    }

    r.SetRecord("pixels");
    if (pixelOffset) r.Seek(pixelOffset);
    else if (bpp > 8 && compression == BI_RGB) r.Seek(headerStart + headerSize);
    std::size_t stride = ((std::size_t(width) * bpp + 31) / 32) * 4;
    const std::uint8_t* bits = r.Bytes(stride * std::size_t(height)).data();

    TDibImage dib;
    dib.BitsPerPixel = bpp;
    dib.Pixels = TPixelBuffer(static_cast<int>(width), static_cast<int>(height), false);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = bits + stride * std::size_t(topDown ? y : height - 1 - y);
        std::uint32_t* dst = dib.Pixels.Row(y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p;
            if (bpp <= 8) {
                int perByte = 8 / bpp;
                int shift = (perByte - 1 - x % perByte) * bpp;
                p = palette[(src[x / perByte] >> shift) & ((1u << bpp) - 1)];
            } else {
                std::uint32_t v = bpp == 16 ? std::uint32_t(src[x * 2] | (src[x * 2 + 1] << 8))
                                  : bpp == 24 ? std::uint32_t(src[x * 3] | (src[x * 3 + 1] << 8) | (src[x * 3 + 2] << 16))
                                              : std::uint32_t(src[x * 4] | (src[x * 4 + 1] << 8) | (src[x * 4 + 2] << 16) |
                                                              (std::uint32_t(src[x * 4 + 3]) << 24));
                std::uint32_t a = 255;
                if (alpha.Bits) a = alpha.Extract(v);
                else if (bpp == 32 && compression == BI_RGB) a = v >> 24;
                if (a != 255) anyAlpha = true;
                p = (a << 24) | (red.Extract(v) << 16) | (green.Extract(v) << 8) | blue.Extract(v);
            }
            dst[x] = p;
        }
    }
    // A 32-bit file whose alpha bytes are all zero uses them as padding: opaque.
    if (bpp == 32 && anyAlpha) {
        bool allZero = std::all_of(dib.Pixels.Pixels.begin(), dib.Pixels.Pixels.end(),
                                   [](std::uint32_t p) { return (p >> 24) == 0; });
        if (allZero)
            for (auto& p : dib.Pixels.Pixels) p |= 0xFF000000u;
        else
            dib.Pixels.HasAlpha = true;
    } else {
        for (auto& p : dib.Pixels.Pixels) p |= 0xFF000000u;
    }

    if (icon) {
        // The AND mask: 1 bits are transparent. Some icons leave it out at 32 bits.
        std::size_t maskStride = ((std::size_t(width) + 31) / 32) * 4;
        r.SetRecord("icon mask");
        if (r.Remaining() >= maskStride * std::size_t(height)) {
            const std::uint8_t* maskBits = r.Bytes(maskStride * std::size_t(height)).data();
            bool masked = false;
            for (int y = 0; y < height; ++y) {
                const std::uint8_t* m = maskBits + maskStride * std::size_t(topDown ? y : height - 1 - y);
                for (int x = 0; x < width; ++x)
                    if (m[x / 8] & (0x80 >> (x % 8))) {
                        dib.Pixels.Row(y)[x] = 0;
                        masked = true;
                    }
            }
            if (masked) dib.Pixels.HasAlpha = true;
        } else if (bpp != 32) {
            r.Fail("icon mask is missing");
        }
    }
    return dib;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bpp, std::uint32_t imageSize,
                   std::uint32_t colors)
{
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bpp));
    put32(out, BI_RGB);
    put32(out, imageSize);
    put32(out, 3780); // 96 pixels per inch
    put32(out, 3780);
    put32(out, colors);
    put32(out, 0);
}

void putPixels(std::vector<std::uint8_t>& out, const TPixelBuffer& pixels, int bpp)
{
    std::size_t stride = ((std::size_t(pixels.Width) * bpp + 31) / 32) * 4;
    for (int y = pixels.Height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        out.resize(start + stride, 0);
        std::uint8_t* row = out.data() + start;
        const std::uint32_t* src = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint32_t p = src[x];
            if (bpp == 1) {
                int luminance = (299 * ((p >> 16) & 0xFF) + 587 * ((p >> 8) & 0xFF) + 114 * (p & 0xFF)) / 1000;
                if (luminance >= 128) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else if (bpp == 24) {
                row[x * 3] = p & 0xFF;
                row[x * 3 + 1] = (p >> 8) & 0xFF;
                row[x * 3 + 2] = (p >> 16) & 0xFF;
            } else {
                row[x * 4] = p & 0xFF;
                row[x * 4 + 1] = (p >> 8) & 0xFF;
                row[x * 4 + 2] = (p >> 16) & 0xFF;
                row[x * 4 + 3] = pixels.HasAlpha ? (p >> 24) & 0xFF : 0xFF;
            }
        }
    }
}

} // namespace

TDibImage ReadBmp(std::span<const std::uint8_t> data)
{
    rtl::TByteCursor r = PictureCursor(data, "BMP", "file header");
    auto magic = r.Bytes(2);
    if (magic[0] != 'B' || magic[1] != 'M') r.FailAt(0, "the file does not start with \"BM\"");
    r.Skip(8);
    std::uint32_t pixelOffset = r.U32();
    if (pixelOffset < 14 || pixelOffset >= data.size())
        r.FailAt(10, "pixel offset " + std::to_string(pixelOffset) + " is outside the file");
    return readDib(r, pixelOffset, false);
}

TDibImage ReadIconDib(rtl::TByteCursor dib) { return readDib(dib, 0, true); }

std::vector<std::uint8_t> WriteBmp(const TPixelBuffer& pixels, int bitsPerPixel)
{
    int bpp = bitsPerPixel == 1 ? 1 : bitsPerPixel == 32 ? 32 : 24;
    std::size_t stride = ((std::size_t(pixels.Width) * bpp + 31) / 32) * 4;
    std::uint32_t colors = bpp == 1 ? 2 : 0;
    std::uint32_t imageSize = static_cast<std::uint32_t>(stride * pixels.Height);
    std::uint32_t offset = 14 + 40 + colors * 4;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, pixels.Width, pixels.Height, bpp, imageSize, colors);
    if (bpp == 1) {
        put32(out, 0x000000);
        put32(out, 0xFFFFFF);
    }
    putPixels(out, pixels, bpp);
    return out;
}

std::vector<std::uint8_t> WriteIconDib(const TPixelBuffer& pixels)
{
    std::size_t maskStride = ((std::size_t(pixels.Width) + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    putInfoHeader(out, pixels.Width, pixels.Height * 2, 32,
                  static_cast<std::uint32_t>(pixels.Width * 4 * pixels.Height + maskStride * pixels.Height), 0);
    TPixelBuffer withAlpha = pixels;
    withAlpha.HasAlpha = true;
    putPixels(out, withAlpha, 32);
    for (int y = pixels.Height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        out.resize(start + maskStride, 0);
        for (int x = 0; x < pixels.Width; ++x)
            if (pixels.HasAlpha && (pixels.Row(y)[x] >> 24) == 0) out[start + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return out;
}

} // namespace graphics
