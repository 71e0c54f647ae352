// Every decoder against truncated, corrupted and crafted files: a clear error, never a crash.
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/PngImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes encode(TGraphic& graphic)
{
    TMemoryStream stream;
    graphic.SaveToStream(stream);
    return stream.Bytes();
}

std::unique_ptr<TBitmap> sample()
{
    auto bitmap = std::make_unique<TBitmap>(13, 9);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clSkyBlue);
    canvas->Ellipse(0, 0, 13, 9);
    canvas->SetPixels(1, 1, clRed);
    return bitmap;
}

// Loads through TPicture, which picks the decoder by content. Returns false
// when the bytes were refused with a picture error.
bool load(const Bytes& bytes)
{
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    TPicture picture;
    try {
        picture.LoadFromStream(stream);
        TBitmap drawn(4, 4);
        drawn.Canvas()->StretchDraw(Rect(0, 0, 4, 4), picture.Graphic());
        return true;
    } catch (const EInvalidGraphic&) {
        return false;
    } catch (const EOutOfResources&) {
        return false;
    }
}

struct Format {
    const char* Name;
    std::function<Bytes()> Make;
};

std::vector<Format> formats()
{
    return {
        {"BMP", [] { return encode(*sample()); }},
        {"BMP 32", [] { auto b = sample(); b->SetPixelFormat(pf32bit); return encode(*b); }},
        {"PNG", [] { TPngImage p; p.Assign(sample().get()); return encode(p); }},
        {"JPEG", [] { TJPEGImage j; j.Assign(sample().get()); return encode(j); }},
        {"GIF", [] {
             TGIFImage g;
             auto b = sample();
             g.AddFrame(*b, 50);
             g.AddFrame(*b, 50);
             return encode(g);
         }},
        {"ICO", [] { TIcon i; i.Assign(sample().get()); return encode(i); }},
    };
}

} // namespace

TEST(HostileInput, EveryTruncationIsRefusedCleanly)
{
    // Our own files and those of another writer (the fuzzers' seeds).
    std::vector<Format> all = formats();
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VISTRA_TEST_DATA) + "/seeds")) {
        std::string path = entry.path().string();
        all.push_back({"seed", [path] {
                           TMemoryStream file;
                           file.LoadFromFile(path);
                           return file.Bytes();
                       }});
    }
    for (const Format& format : all) {
        Bytes whole = format.Make();
        ASSERT_TRUE(load(whole)) << format.Name;
        for (std::size_t length = 0; length < whole.size(); ++length) {
            Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            // A cut that only drops trailing padding may still load; it must never crash.
            bool loaded = load(part);
            if (length < whole.size() / 2) {
                EXPECT_FALSE(loaded) << format.Name << " cut at " << length;
            }
        }
    }
}

TEST(HostileInput, CorruptedBytesNeverCrash)
{
    std::mt19937 random(20261210);
    for (const Format& format : formats()) {
        Bytes whole = format.Make();
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = whole;
            int flips = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < flips; ++i) {
                std::size_t at = random() % damaged.size();
                damaged[at] = static_cast<std::uint8_t>(random());
            }
            load(damaged);
        }
    }
    SUCCEED();
}

TEST(HostileInput, CraftedHeadersGiveClearErrors)
{
    auto put32 = [](Bytes& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); };
    std::unique_ptr<TBitmap> sourceBitmap = sample();
    TBitmap& source = *sourceBitmap;
    Bytes bmp = encode(source);
    struct Row {
        const char* Name;
        std::function<void(Bytes&)> Damage;
        const char* Message;
    } rows[] = {
        {"huge width", [&](Bytes& b) { put32(b, 18, 0x7FFFFFFF); }, "too large"},
        {"huge height", [&](Bytes& b) { put32(b, 22, 0x80000001); }, "too large"},
        {"pixels past the end", [&](Bytes& b) { put32(b, 10, 0x7FFFFFF0); }, "outside the file"},
        {"odd bit count", [&](Bytes& b) { b[28] = 7; }, "bits per pixel"},
        {"palette too long", [&](Bytes& b) { b[28] = 8; put32(b, 46, 100000); }, "colour table"},
        {"compression", [&](Bytes& b) { put32(b, 30, 99); }, "compression"},
    };
    for (const auto& row : rows) {
        Bytes damaged = bmp;
        row.Damage(damaged);
        TMemoryStream stream;
        stream.WriteBuffer(damaged.data(), static_cast<std::int64_t>(damaged.size()));
        stream.SetPosition(0);
        TBitmap bitmap;
        try {
            bitmap.LoadFromStream(stream);
            ADD_FAILURE() << row.Name << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.Message().find(row.Message), std::string::npos) << row.Name << ": " << e.Message();
        }
    }

    // An icon directory entry pointing outside the file.
    TIcon icon;
    icon.Assign(&source);
    Bytes ico = encode(icon);
    put32(ico, 18, 0xFFFFFF00);
    EXPECT_FALSE(load(ico));
    // A GIF whose frame claims 65535 x 65535 pixels.
    TGIFImage gif;
    gif.AddFrame(source, 0);
    Bytes g = encode(gif);
    for (std::size_t i = 0; i + 9 < g.size(); ++i) {
        if (g[i] == 0x2C) { // image descriptor
            g[i + 5] = g[i + 6] = g[i + 7] = g[i + 8] = 0xFF;
            break;
        }
    }
    EXPECT_FALSE(load(g));
}

TEST(HostileInput, SmallFilesClaimingHugePicturesAreRefusedBeforeAllocating)
{
    // Found by the fuzzers: tiny files whose headers claim pictures of a gigabyte.
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0x7F, 0x00, 0x20, 0x00, 0x00, 0x00,
                 0x2C, 0, 0, 0, 0, 0xFF, 0x7F, 0x00, 0x20, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    TMemoryStream gifStream;
    gifStream.WriteBuffer(gif.data(), static_cast<std::int64_t>(gif.size()));
    gifStream.SetPosition(0);
    TGIFImage image;
    try {
        image.LoadFromStream(gifStream);
        ADD_FAILURE() << "accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(e.Message().find("cannot hold"), std::string::npos) << e.Message();
    }

    TMemoryStream seed;
    seed.LoadFromFile(std::string(VISTRA_TEST_DATA) + "/seeds/seed.jpg");
    Bytes jpeg = seed.Bytes();
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) { // start of frame: height and width follow the precision
            jpeg[i + 5] = jpeg[i + 7] = 0x7F;
            jpeg[i + 6] = jpeg[i + 8] = 0xFF;
            break;
        }
    EXPECT_FALSE(load(jpeg));

    // Nothing at all, for each decoder on its own.
    TMemoryStream empty;
    std::unique_ptr<TGraphic> decoders[] = {std::make_unique<TBitmap>(), std::make_unique<TPngImage>(),
                                            std::make_unique<TJPEGImage>(), std::make_unique<TGIFImage>(),
                                            std::make_unique<TIcon>()};
    for (auto& decoder : decoders) {
        empty.SetPosition(0);
        EXPECT_THROW(decoder->LoadFromStream(empty), EInvalidGraphic) << decoder->ClassName();
    }
}

TEST(HostileInput, ErrorsNameTheFormatTheStructureAndTheOffset)
{
    const struct {
        const char* File;
        const char* Message;
    } rows[] = {
        {"bmp-odd-bit-count.bmp", "BMP: info header at offset 28: 7 bits per pixel are not supported"},
        {"bmp-pixels-cut.bmp", "BMP: pixels at offset 54: needs 1960 bytes, has 196"},
        {"bmp-colour-table-cut.bmp", "BMP: colour table at offset 498: needs 4 bytes, has 2"},
        {"ico-entry-outside.ico",
         "ICO: directory entry 0 at offset 6: image at offset 4294967040 with 92 bytes lies outside the file"},
        {"ico-dib-planes.ico", "ICO: info header at offset 34: plane count 2, needs 1"},
        {"gif-cut-in-image-data.gif", "GIF: image data of frame 2 at offset 113: the file ends at offset 120 inside it"},
        {"gif-defective-image-data.gif", "GIF: image data of frame 2 at offset 113: "},
    };
    for (const auto& row : rows) {
        TMemoryStream file;
        file.LoadFromFile(std::string(VISTRA_TEST_DATA) + "/hostile/" + row.File);
        TPicture picture;
        try {
            picture.LoadFromStream(file);
            ADD_FAILURE() << row.File << " was accepted";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind(row.Message, 0), 0u) << row.File << ": " << e.Message();
        }
    }
}
