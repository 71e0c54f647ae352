// Picture codecs against an independent reader and writer (python3-pil), and against hostile bytes.
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/PngImage.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace {

// Test cases run as parallel processes: each works in a folder of its own,
// removed when the process ends.
const testsupport::TempFolder& scratchFolder()
{
    static const testsupport::TempFolder folder("graphics");
    return folder;
}

// Runs a Python script with python3-pil and returns what it prints.
std::string runPeer(const std::string& script)
{
    const std::string file = scratchFolder() / "peer.py";
    testsupport::WriteFile(file, script);
    std::string output;
    EXPECT_EQ(0, testsupport::RunCommand("/usr/bin/python3 " + file, &output)) << output;
    return output;
}

std::string tempPath(const std::string& name) { return scratchFolder() / name; }

// A small picture with distinct colours in its corners and a clear pixel when asked.
std::unique_ptr<TBitmap> testPattern(bool alpha)
{
    auto result = std::make_unique<TBitmap>(7, 5);
    TBitmap& bitmap = *result;
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 7, 5));
    canvas->SetPixels(0, 0, clRed);
    canvas->SetPixels(6, 0, clLime);
    canvas->SetPixels(0, 4, clBlue);
    canvas->SetPixels(6, 4, static_cast<TColor>(0x336699));
    if (alpha) {
        bitmap.SetPixelFormat(pf32bit);
        TRGBQuad* row = bitmap.ScanLine(2);
        row[3] = {0, 0, 0, 0};
    } else {
        bitmap.SetPixelFormat(pf24bit);
    }
    return result;
}

constexpr const char* describeImage = R"(
from PIL import Image
im = Image.open(PATH)
print(im.format, im.size[0], im.size[1], getattr(im, 'n_frames', 1))
rgba = im.convert('RGBA')
for x, y in [(0, 0), (6, 0), (0, 4), (6, 4), (3, 2)]:
    print('%d,%d=%02x%02x%02x%02x' % ((x, y) + rgba.getpixel((x, y))))
)";

std::string describe(const std::string& path)
{
    return runPeer("PATH = '" + path + "'\n" + describeImage);
}

void expectRoundTrip(TGraphic& graphic, const std::string& file, const std::string& expected)
{
    graphic.SaveToFile(file);
    EXPECT_EQ(describe(file), expected) << file;
}

} // namespace

TEST(Codecs, OurFilesReadByPil)
{
    REQUIRE_PEER("python3-pil");
    const std::string opaque = "0,0=ff0000ff\n6,0=00ff00ff\n0,4=0000ffff\n6,4=996633ff\n3,2=ffffffff\n";
    const std::string clear = "0,0=ff0000ff\n6,0=00ff00ff\n0,4=0000ffff\n6,4=996633ff\n3,2=00000000\n";

    std::unique_ptr<TBitmap> ownBmp = testPattern(false);
    TBitmap& bmp = *ownBmp;
    expectRoundTrip(bmp, tempPath("vistra-rt.bmp"), "BMP 7 5 1\n" + opaque);
    std::unique_ptr<TBitmap> ownBmp32 = testPattern(true);
    TBitmap& bmp32 = *ownBmp32;
    std::string bmp32Text = describe((bmp32.SaveToFile(tempPath("vistra-rt32.bmp")), tempPath("vistra-rt32.bmp")));
    EXPECT_NE(bmp32Text.find("3,2=000000"), std::string::npos) << bmp32Text;

    TPngImage png;
    png.Assign(&bmp);
    expectRoundTrip(png, tempPath("vistra-rt.png"), "PNG 7 5 1\n" + opaque);
    png.Assign(&bmp32);
    expectRoundTrip(png, tempPath("vistra-rt-alpha.png"), "PNG 7 5 1\n" + clear);

    TGIFImage gif;
    gif.AddFrame(bmp32, 100);
    std::unique_ptr<TBitmap> second = testPattern(false);
    second->Canvas()->SetPixels(3, 2, clBlack);
    gif.AddFrame(*second, 250);
    gif.SaveToFile(tempPath("vistra-rt.gif"));
    EXPECT_EQ(describe(tempPath("vistra-rt.gif")), "GIF 7 5 2\n" + clear);
    EXPECT_EQ(runPeer("from PIL import Image\nim = Image.open('" + tempPath("vistra-rt.gif") +
                      "')\nim.seek(1)\nprint(im.info['duration'], im.convert('RGBA').getpixel((3, 2)))\n"),
              "250 (0, 0, 0, 255)\n");

    TIcon icon;
    icon.Assign(&bmp32);
    expectRoundTrip(icon, tempPath("vistra-rt.ico"), "ICO 7 5 1\n" + clear);

    TJPEGImage jpeg;
    TBitmap flat(16, 16);
    flat.Canvas()->Brush()->SetColor(static_cast<TColor>(0x3070B0));
    flat.Canvas()->FillRect(Rect(0, 0, 16, 16));
    jpeg.Assign(&flat);
    jpeg.SaveToFile(tempPath("vistra-rt.jpg"));
    std::string jpegText = runPeer("from PIL import Image\nim = Image.open('" + tempPath("vistra-rt.jpg") +
                                   "')\nr, g, b = im.getpixel((8, 8))\nprint(im.format, im.size, abs(r - 0xB0) < 6 "
                                   "and abs(g - 0x70) < 6 and abs(b - 0x30) < 6)\n");
    EXPECT_EQ(jpegText, "JPEG (16, 16) True\n");
}

TEST(Codecs, PilFilesReadByUs)
{
    REQUIRE_PEER("python3-pil");
    const std::string dir = tempPath("vistra-pil");
    std::filesystem::create_directories(dir);
    // Each file holds the same picture of 4 x 3 blocks of 8 pixels: red, green,
    // blue, white in the top row, grey below with one clear block where the
    // format has alpha. Blocks keep JPEG's subsampling away from the samples.
    std::string made = runPeer("D = '" + dir + R"('
from PIL import Image
small = Image.new('RGBA', (4, 3), (128, 128, 128, 255))
for x, c in enumerate([(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)]):
    small.putpixel((x, 0), c)
small.putpixel((1, 1), (0, 0, 0, 0))
im = small.resize((32, 24), Image.NEAREST)
rgb = im.convert('RGB')
rgb.save(D + '/rgb24.bmp')
rgb.convert('P', palette=Image.ADAPTIVE).save(D + '/pal8.bmp')
im.save(D + '/rgba.png')
rgb.convert('L').save(D + '/grey.png')
im.save(D + '/rgba.gif')
rgb.save(D + '/interlaced.gif', interlace=True)
rgb.save(D + '/plain.jpg', quality=95)
rgb.save(D + '/progressive.jpg', quality=95, progressive=True)
rgb.convert('CMYK').save(D + '/cmyk.jpg', quality=95)
im.save(D + '/sizes.ico', sizes=[(16, 12), (32, 24)])
f2 = rgb.copy(); f2.paste((0, 0, 0), (0, 0, 8, 8))
rgb.save(D + '/anim.gif', save_all=True, append_images=[f2], duration=[70, 130], loop=0)
print('ok')
)");
    ASSERT_EQ(made, "ok\n");

    struct Row {
        const char* File;
        bool Exact, Alpha;
    } rows[] = {{"rgb24.bmp", true, false},     {"pal8.bmp", true, false},   {"rgba.png", true, true},
                {"grey.png", false, false},     {"rgba.gif", true, true},    {"interlaced.gif", true, false},
                {"plain.jpg", false, false},    {"progressive.jpg", false, false}, {"cmyk.jpg", false, false},
                {"sizes.ico", true, true},      {"anim.gif", true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.File);
        TPicture picture;
        ASSERT_NO_THROW(picture.LoadFromFile(dir + "/" + row.File));
        EXPECT_EQ(picture.Width(), 32);
        EXPECT_EQ(picture.Height(), 24);
        TBitmap bitmap;
        bitmap.Assign(picture.Graphic());
        TCanvas* canvas = bitmap.Canvas();
        auto near = [&](int x, int y, TColor want) {
            TColorRef got = static_cast<TColorRef>(canvas->Pixels(x * 8 + 4, y * 8 + 4));
            int tolerance = row.Exact ? 0 : 40;
            EXPECT_NEAR(GetRValue(got), GetRValue(static_cast<TColorRef>(want)), tolerance) << x << "," << y;
            EXPECT_NEAR(GetGValue(got), GetGValue(static_cast<TColorRef>(want)), tolerance) << x << "," << y;
            EXPECT_NEAR(GetBValue(got), GetBValue(static_cast<TColorRef>(want)), tolerance) << x << "," << y;
        };
        if (std::string(row.File) != "grey.png") {
            near(0, 0, clRed);
            near(1, 0, clLime);
            near(2, 0, clBlue);
        }
        near(3, 0, clWhite);
        near(0, 2, static_cast<TColor>(0x808080));
        if (row.Alpha) {
            EXPECT_EQ(bitmap.ScanLine(12)[12].rgbReserved, 0);
        }
    }
    TGIFImage anim;
    anim.LoadFromFile(dir + "/anim.gif");
    ASSERT_EQ(anim.FrameCount(), 2);
    EXPECT_EQ(anim.FrameDelay(0), 70);
    EXPECT_EQ(anim.FrameDelay(1), 130);
    EXPECT_EQ(anim.LoopCount(), 0);
    EXPECT_EQ(anim.Frame(1).ScanLine(0)[0].rgbRed, 0);
    EXPECT_EQ(anim.Frame(0).ScanLine(0)[0].rgbRed, 255);
    TIcon icon;
    icon.LoadFromFile(dir + "/sizes.ico");
    EXPECT_EQ(icon.ImageCount(), 2);
}

TEST(Codecs, BitmapKeepsItsFormInAPictureStream)
{
    std::unique_ptr<TBitmap> bitmap = testPattern(false);
    TPicture picture;
    picture.SetGraphic(bitmap.get());
    TMemoryStream data;
    picture.WriteData(data);
    data.WriteString("after");
    data.SetPosition(0);
    TPicture copy;
    copy.ReadData(data);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_EQ(copy.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(copy.Bitmap()->Canvas()->Pixels(6, 4), static_cast<TColor>(0x336699));
    char tail[5];
    data.ReadBuffer(tail, 5);
    EXPECT_EQ(std::string(tail, 5), "after") << "the picture reads only its own bytes";
}

TEST(Codecs, LoadingABadFileKeepsThePicture)
{
    TPngImage png;
    std::unique_ptr<TBitmap> bitmap = testPattern(false);
    png.Assign(bitmap.get());
    TMemoryStream bad;
    bad.WriteString("\x89PNG\r\n\x1A\nrubbish");
    bad.SetPosition(0);
    EXPECT_THROW(png.LoadFromStream(bad), EInvalidGraphic);
    EXPECT_EQ(png.Width(), 7);
    TPicture picture;
    TMemoryStream unknown;
    unknown.WriteString("plain text, not a picture");
    unknown.SetPosition(0);
    EXPECT_THROW(picture.LoadFromStream(unknown), EInvalidGraphic);
}
