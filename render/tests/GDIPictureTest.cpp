// The encoded-bytes picture: loading from files, streams, resources and addresses, assigning, stored form and drawing.
#include "render/GDIPicture.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "render/QuillGDIP.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string fixture(const char* name) { return std::string(VISTRA_SOURCE_DIR) + "/platform/gdiplus/tests/data/" + name; }

TColor at(const TBitmap& bitmap, int x, int y)
{
    const TRGBQuad& q = bitmap.ScanLine(y)[x];
    return static_cast<TColor>(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
}

bool near(TColor actual, TColor expected, int tolerance = 6)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((actual >> shift) & 0xFF) - ((expected >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

void loadBytes(TGDIPPicture& picture, const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    picture.LoadFromStream(stream);
}

std::vector<std::uint8_t> fileBytes(const char* name)
{
    TMemoryStream file;
    file.LoadFromFile(fixture(name));
    return file.Bytes();
}

} // namespace

TEST(GDIPicture, DrawsEachFormatScaledIntoTheRectangle)
{
    struct Case {
        const char* File;
        int Width, Height;
        TColor Inside;
    };
    const Case cases[] = {
        {"solid.jpg", 8, 8, static_cast<TColor>(RGB(200, 40, 40))},
        {"yellow.gif", 5, 3, clYellow},
        {"alpha.png", 4, 2, clRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        TGDIPPicture picture;
        picture.LoadFromFile(fixture(c.File));
        ASSERT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), c.Width);
        EXPECT_EQ(picture.Height(), c.Height);
        EXPECT_EQ(picture.GetFileName(), fixture(c.File));
        TBitmap canvas(60, 40);
        picture.Draw(*canvas.Canvas(), TRect{10, 10, 50, 30});
        EXPECT_TRUE(near(at(canvas, 12, 12), c.Inside));
        EXPECT_EQ(at(canvas, 5, 5), clWhite);
        EXPECT_EQ(at(canvas, 55, 35), clWhite);
    }
}

TEST(GDIPicture, AlphaBlendsOverTheCanvas)
{
    TGDIPPicture picture;
    picture.LoadFromFile(fixture("alpha.png"));
    TBitmap canvas(40, 20);
    picture.Draw(*canvas.Canvas(), TRect{0, 0, 40, 20});
    EXPECT_TRUE(near(at(canvas, 35, 10), static_cast<TColor>(RGB(127, 127, 255))));
}

TEST(GDIPicture, BitmapIsStretchedWithItsBottomLeftColourTransparent)
{
    TGDIPPicture picture;
    picture.LoadFromFile(fixture("small.bmp"));
    TBitmap canvas(30, 20);
    picture.Draw(*canvas.Canvas(), TRect{0, 0, 30, 20});
    // Smoothing while stretching lets a trace of the green neighbour in.
    EXPECT_TRUE(near(at(canvas, 5, 15), clWhite, 16)) << "magenta, the bottom-left colour";
    EXPECT_EQ(at(canvas, 15, 5), clLime);
    EXPECT_EQ(at(canvas, 25, 15), clLime);
}

TEST(GDIPicture, DrawsThroughACallersSurface)
{
    TGDIPPicture picture;
    picture.LoadFromFile(fixture("yellow.gif"));
    TBitmap canvas(20, 20);
    TGPGraphics graphics(canvas.Canvas()->Handle());
    picture.DrawImage(graphics, 2, 2);
    picture.DrawImageRect(graphics, 10, 10, 10, 10);
    EXPECT_EQ(at(canvas, 6, 4), clYellow);
    EXPECT_EQ(at(canvas, 7, 4), clWhite) << "at its own size, five pixels wide";
    EXPECT_EQ(at(canvas, 18, 18), clYellow);
    TGDIPPicture empty;
    empty.DrawImage(graphics, 0, 0);
    EXPECT_EQ(at(canvas, 0, 0), clWhite);
}

TEST(GDIPicture, AddressesLoadFilesAndResourcesOnly)
{
    TGDIPPicture picture;
    picture.LoadFromURL("http://example.com/a.png");
    picture.LoadFromURL("RES://");
    picture.LoadFromURL("res://NO_SUCH_RESOURCE");
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromURL("file://" + fixture("solid.jpg"));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 8);
    picture.LoadFromURL("http://example.com/a.png");
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_THROW(picture.LoadFromResourceID(HInstance, 424242), EResNotFound);
}

TEST(GDIPicture, AssigningCopiesBytesOrClears)
{
    TGDIPPicture source, target;
    source.LoadFromFile(fixture("solid.jpg"));
    target.Assign(&source);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.Width(), 8);

    TGDIPPicture empty;
    target.Assign(&empty);
    EXPECT_TRUE(target.Empty());
    EXPECT_EQ(target.Width(), 8) << "an empty picture leaves the size";

    int clears = 0, changes = 0;
    target.OnClear = [&](TObject*) { ++clears; };
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(nullptr);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(target.Empty());

    TBitmap bitmap(7, 3);
    target.Assign(&bitmap);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.Width(), 7);
    TMemoryStream saved;
    target.SaveToStream(saved);
    EXPECT_EQ(saved.Memory()[0], 'B') << "a bitmap is kept in its BMP form";

    TPicture holder;
    holder.LoadFromFile(fixture("yellow.gif"));
    target.Assign(&holder);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.Width(), 5);
}

TEST(GDIPicture, FilesRaiseClearAndMissingOnesLeaveThePictureEmpty)
{
    TGDIPPicture picture;
    int clears = 0;
    picture.OnClear = [&](TObject*) { ++clears; };
    picture.LoadFromFile(fixture("missing.png"));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(clears, 0);
    picture.LoadFromFile(fixture("alpha.png"));
    EXPECT_EQ(clears, 1);
}

TEST(GDIPicture, StoredFormKeepsTheBytesAndSizeWaitsForADecode)
{
    TGDIPPicture source;
    source.LoadFromFile(fixture("alpha.png"));
    TMemoryStream stored;
    source.WriteData(stored);
    const std::vector<std::uint8_t> bytes = fileBytes("alpha.png");
    ASSERT_EQ(stored.Size(), static_cast<std::int64_t>(bytes.size() + 4));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), stored.Memory() + 4));

    stored.SetPosition(0);
    TGDIPPicture loaded;
    loaded.ReadData(stored);
    EXPECT_FALSE(loaded.Empty());
    EXPECT_EQ(loaded.Width(), 0);
    EXPECT_TRUE(loaded.GetImageSizes());
    EXPECT_EQ(loaded.Width(), 4);

    // Drawing a picture that is not a bitmap finds its size too; drawing a bitmap does not.
    TBitmap canvas(8, 8);
    stored.SetPosition(0);
    TGDIPPicture drawn;
    drawn.ReadData(stored);
    drawn.Draw(*canvas.Canvas(), TRect{0, 0, 8, 8});
    EXPECT_EQ(drawn.Height(), 2);
    TGDIPPicture bitmapPicture, bitmapLoaded;
    bitmapPicture.LoadFromFile(fixture("small.bmp"));
    TMemoryStream bitmapStored;
    bitmapPicture.WriteData(bitmapStored);
    bitmapStored.SetPosition(0);
    bitmapLoaded.ReadData(bitmapStored);
    bitmapLoaded.Draw(*canvas.Canvas(), TRect{0, 0, 8, 8});
    EXPECT_EQ(bitmapLoaded.Width(), 0);

    TMemoryStream overlong;
    const std::int32_t claimed = 1000;
    overlong.WriteBuffer(&claimed, 4);
    overlong.SetPosition(0);
    EXPECT_THROW(loaded.ReadData(overlong), EInvalidGraphic);
}

TEST(GDIPicture, UndecodableBytesDrawNothingAndMeasureZero)
{
    TGDIPPicture picture;
    loadBytes(picture, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    EXPECT_FALSE(picture.Empty());
    EXPECT_FALSE(picture.GetImageSizes());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    TBitmap canvas(10, 10);
    picture.Draw(*canvas.Canvas(), TRect{0, 0, 10, 10});
    EXPECT_EQ(at(canvas, 5, 5), clWhite);
}

TEST(GDIPicture, HostileBytesNeverCrash)
{
    for (const char* file : {"alpha.png", "small.bmp", "solid.jpg", "yellow.gif"}) {
        std::vector<std::uint8_t> bytes = fileBytes(file);
        for (std::size_t length = 1; length <= bytes.size(); ++length) {
            std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
            // Flip a byte past the signature as well, so headers lie about themselves.
            if (length > 8) cut[length / 2] ^= 0x5A;
            TGDIPPicture picture;
            loadBytes(picture, cut);
            TBitmap canvas(8, 8);
            EXPECT_NO_THROW(picture.Draw(*canvas.Canvas(), TRect{0, 0, 8, 8})) << file << " cut at " << length;
        }
    }
}
