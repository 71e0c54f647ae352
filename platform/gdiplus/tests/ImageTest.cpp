// Images decoded from files written by an independent encoder, hostile bytes, and drawing through attributes.
#include "TestSurface.h"

#include "platform/classes/Streams.h"
#include "platform/gdiplus/Objects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using gdiplus::testing::NearColor;
using gdiplus::testing::TestSurface;

namespace {

std::string dataFile(const char* name) { return std::string(VISTRA_TEST_DATA) + "/" + name; }

std::vector<std::uint8_t> fileBytes(const char* name)
{
    TMemoryStream file;
    file.LoadFromFile(dataFile(name));
    return file.Bytes();
}

Status decodeBytes(const std::vector<std::uint8_t>& bytes, GpImage** image)
{
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    return GdipLoadImageFromStream(&stream, image);
}

} // namespace

TEST(Image, DecodesEachFormatWithItsSizeAndKind)
{
    struct Case {
        const char* File;
        unsigned Width, Height;
        ImageFormatId Format;
        bool Alpha;
        ARGB TopLeft;
    };
    const Case cases[] = {
        {"alpha.png", 4, 2, ImageFormatId::PNG, true, 0xFFFF0000},
        {"small.bmp", 3, 2, ImageFormatId::BMP, false, 0xFF00FF00},
        {"solid.jpg", 8, 8, ImageFormatId::JPEG, false, 0xFFC82828},
        {"yellow.gif", 5, 3, ImageFormatId::GIF, false, 0xFFFFFF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        GpImage* image = nullptr;
        ASSERT_EQ(GdipLoadImageFromFile(dataFile(c.File), &image), Ok);
        unsigned width = 0, height = 0;
        GdipGetImageWidth(image, &width);
        GdipGetImageHeight(image, &height);
        EXPECT_EQ(width, c.Width);
        EXPECT_EQ(height, c.Height);
        ImageFormatId format;
        GdipGetImageRawFormat(image, &format);
        EXPECT_EQ(format, c.Format);
        PixelFormat pixels = 0;
        GdipGetImagePixelFormat(image, &pixels);
        EXPECT_EQ((pixels & PixelFormatAlpha) != 0, c.Alpha);
        TestSurface s(static_cast<int>(c.Width), static_cast<int>(c.Height));
        ASSERT_EQ(GdipDrawImageI(s.Graphics, image, 0, 0), Ok);
        EXPECT_TRUE(NearColor(s.Pixel(0, 0), c.TopLeft, 6));
        GdipDisposeImage(image);
    }
}

TEST(Image, TranslucentPixelsBlendOverTheSurface)
{
    GpImage* image = nullptr;
    ASSERT_EQ(GdipLoadImageFromFile(dataFile("alpha.png"), &image), Ok);
    TestSurface s(4, 2);
    GdipGraphicsClear(s.Graphics, 0xFFFFFFFF);
    GdipDrawImageI(s.Graphics, image, 0, 0);
    EXPECT_TRUE(NearColor(s.Pixel(3, 0), 0xFF7F7FFF, 4));
    GdipDisposeImage(image);
}

TEST(Image, BadInputGivesAStatusAndNoImage)
{
    std::vector<std::uint8_t> png = fileBytes("alpha.png");
    std::vector<std::uint8_t> truncated(png.begin(), png.begin() + 30);
    // A bitmap header that claims 100000 x 100000 pixels.
    std::vector<std::uint8_t> huge = fileBytes("small.bmp");
    const std::int32_t side = 100000;
    std::memcpy(&huge[18], &side, 4);
    std::memcpy(&huge[22], &side, 4);
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Bytes;
        Status Expected;
    };
    const Case cases[] = {
        {"empty", {}, InvalidParameter},
        {"unknown kind", {'h', 'e', 'l', 'l', 'o'}, UnknownImageFormat},
        {"truncated PNG", truncated, InvalidParameter},
        {"huge BMP", huge, InvalidParameter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        GpImage* image = nullptr;
        EXPECT_EQ(decodeBytes(c.Bytes, &image), c.Expected);
        EXPECT_EQ(image, nullptr);
    }
    GpImage* image = nullptr;
    EXPECT_EQ(GdipLoadImageFromFile(dataFile("missing.png"), &image), FileNotFound);
}

TEST(Image, EveryTruncationOfEveryFixtureIsHandled)
{
    for (const char* file : {"alpha.png", "small.bmp", "solid.jpg", "yellow.gif"}) {
        const std::vector<std::uint8_t> bytes = fileBytes(file);
        for (std::size_t length = 1; length < bytes.size(); ++length) {
            GpImage* image = nullptr;
            Status status = decodeBytes({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)}, &image);
            EXPECT_EQ(status == Ok, image != nullptr) << file << " cut at " << length;
            GdipDisposeImage(image);
        }
    }
}

TEST(Image, ColourKeyMakesItsRangeTransparent)
{
    GpImage* image = nullptr;
    ASSERT_EQ(GdipLoadImageFromFile(dataFile("small.bmp"), &image), Ok);
    GpImageAttributes attributes;
    ASSERT_EQ(GdipSetImageAttributesColorKeys(&attributes, ColorAdjustTypeDefault, true, 0xFFF000F0, 0xFFFF00FF), Ok);
    TestSurface s(3, 2);
    ASSERT_EQ(GdipDrawImageRectRect(s.Graphics, image, 0, 0, 3, 2, 0, 0, 3, 2, UnitPixel, &attributes), Ok);
    EXPECT_EQ(s.Pixel(0, 1), 0u) << "the magenta pixel";
    EXPECT_EQ(s.Pixel(1, 1), 0xFF00FF00);
    GdipDisposeImage(image);
}

TEST(Image, RotationSwapsTheSidesAndMovesThePixels)
{
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(3, 2, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    GdipBitmapSetPixel(bitmap, 0, 0, 0xFFFF0000);
    ASSERT_EQ(GdipImageRotateFlip(gdiplus::ImageOf(bitmap), Rotate90FlipNone), Ok);
    unsigned width = 0;
    GdipGetImageWidth(gdiplus::ImageOf(bitmap), &width);
    EXPECT_EQ(width, 2u);
    ARGB corner = 0;
    GdipBitmapGetPixel(bitmap, 1, 0, &corner);
    EXPECT_EQ(corner, 0xFFFF0000) << "top left turns to top right";
    EXPECT_EQ(GdipBitmapGetPixel(bitmap, 2, 0, &corner), InvalidParameter);
    EXPECT_EQ(GdipBitmapSetPixel(bitmap, -1, 0, 0), InvalidParameter);
    GdipDisposeImage(gdiplus::ImageOf(bitmap));
}

TEST(Image, ScanLinesAreCopiedFromTheCallersPixels)
{
    const std::uint32_t pixels[2] = {0x80FF0000, 0xFF0000FF};
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(2, 1, 8, PixelFormat32bppARGB, reinterpret_cast<const std::uint8_t*>(pixels),
                                        &bitmap),
              Ok);
    ARGB color = 0;
    GdipBitmapGetPixel(bitmap, 0, 0, &color);
    EXPECT_EQ(color, 0x80FF0000u);
    GdipDisposeImage(gdiplus::ImageOf(bitmap));
    EXPECT_EQ(GdipCreateBitmapFromScan0(2, 1, 4, PixelFormat32bppARGB, reinterpret_cast<const std::uint8_t*>(pixels),
                                        &bitmap),
              InvalidParameter)
        << "a stride shorter than a row";
    EXPECT_EQ(GdipCreateBitmapFromScan0(40000, 40000, 0, PixelFormat32bppARGB, nullptr, &bitmap), OutOfMemory);
}
