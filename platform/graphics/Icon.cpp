// ICO files: the directory, PNG or DIB images with AND masks, and writing a 32-bit icon.
#include "platform/graphics/Icon.h"

#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/PictureCursor.h"
#include "platform/graphics/PngImage.h"

#include "platform/classes/Streams.h"

#include <cstring>

using namespace graphics;

namespace {

constexpr int MaxIconEntries = 256;

struct Entry {
    int Width;
    int Height;
    int BitsPerPixel;
    std::uint32_t Size;
    std::uint32_t Offset;
};

bool isPng(const std::uint8_t* data, std::size_t size)
{
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return size >= 8 && std::memcmp(data, signature, 8) == 0;
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

} // namespace

void TIcon::Assign(const TPersistent* Source)
{
    if (Source == this) return;
    TRasterGraphic::Assign(Source);
    if (auto* icon = dynamic_cast<const TIcon*>(Source)) {
        FOriginal = icon->FOriginal;
        FImageCount = icon->FImageCount;
    } else {
        FImageCount = Empty() ? 0 : 1;
    }
}

void TIcon::BitmapChanged()
{
    FOriginal.clear();
    FImageCount = Empty() ? 0 : 1;
    TRasterGraphic::BitmapChanged();
}

void TIcon::Decode(const std::vector<std::uint8_t>& Data, TBitmap& Into)
{
    rtl::TByteCursor r = PictureCursor(Data, "ICO", "directory");
    if (r.U16() != 0) r.FailAt(0, "reserved field is not 0");
    int type = r.U16();
    if (type != 1 && type != 2) r.FailAt(2, "resource type " + std::to_string(type) + " is neither icon nor cursor");
    int count = r.U16();
    if (count == 0 || count > MaxIconEntries) r.FailAt(4, std::to_string(count) + " images in the directory");
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i) {
        r.SetRecord("directory entry " + std::to_string(i));
        const std::size_t entryAt = r.Position();
        Entry e;
        e.Width = r.U8();
        e.Height = r.U8();
        r.Skip(4); // colour count, reserved, planes or hot spot x
        e.BitsPerPixel = r.U16();
        e.Size = r.U32();
        e.Offset = r.U32();
        if (e.Width == 0) e.Width = 256;
        if (e.Height == 0) e.Height = 256;
        if (std::uint64_t(e.Offset) + e.Size > Data.size() || e.Size == 0)
            r.FailAt(entryAt, "image at offset " + std::to_string(e.Offset) + " with " + std::to_string(e.Size) +
                                  " bytes lies outside the file");
        entries.push_back(e);
    }
    // The largest image with the most colours draws best at every size.
    std::size_t best = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const Entry& b = entries[best];
        if (e.Width * e.Height > b.Width * b.Height ||
            (e.Width * e.Height == b.Width * b.Height && e.BitsPerPixel > b.BitsPerPixel))
            best = i;
    }
    const Entry& chosen = entries[best];
    const std::uint8_t* image = Data.data() + chosen.Offset;
    if (isPng(image, chosen.Size)) {
        TPngImage png;
        TMemoryStream stream;
        stream.WriteBuffer(image, chosen.Size);
        stream.SetPosition(0);
        png.LoadFromStream(stream);
        Into.Assign(&png.Bitmap());
    } else {
        r.Seek(chosen.Offset);
        TDibImage dib = ReadIconDib(r.Sub(chosen.Size, "image " + std::to_string(best)));
        StoreInBitmap(Into, dib.Pixels);
    }
    FOriginal = Data;
    FImageCount = count;
}

std::vector<std::uint8_t> TIcon::Encode(const TBitmap& From) const
{
    if (!FOriginal.empty()) return FOriginal;
    if (From.Empty()) throw EInvalidGraphic("ICO: an empty picture cannot be saved");
    if (From.Width() > 256 || From.Height() > 256) throw EInvalidGraphic("ICO: images are at most 256 x 256 pixels");
    TPixelBuffer pixels = FromImage(From.Image());
    if (From.Transparent() && From.PixelFormat() != pf32bit) {
        std::uint32_t key = static_cast<std::uint32_t>(ColorToRGB(From.TransparentColor()));
        std::uint32_t keyPixel = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
        for (auto& p : pixels.Pixels)
            if ((p & 0xFFFFFF) == keyPixel) p = 0;
        pixels.HasAlpha = true;
    }
    std::vector<std::uint8_t> dib = WriteIconDib(pixels);
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.push_back(static_cast<std::uint8_t>(pixels.Width & 0xFF));
    out.push_back(static_cast<std::uint8_t>(pixels.Height & 0xFF));
    out.push_back(0);
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<std::uint32_t>(dib.size()));
    put32(out, 6 + 16);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}
