// The golden-image rule: every golden of the project against small changes that must fail
// and rendering noise that must pass.
#include "testsupport/GoldenImage.h"
#include "testsupport/TempFolder.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PngImage.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

std::vector<std::filesystem::path> ProjectGoldens()
{
    std::vector<std::filesystem::path> goldens;
    for (const char* folder : {"platform", "controls", "grid", "render", "menus", "memo", "map", "app", "xlsAdapter"}) {
        const std::filesystem::path root = std::filesystem::path(VISTRA_SOURCE_DIR) / folder;
        if (!std::filesystem::exists(root))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::filesystem::path& path = entry.path();
            if (path.extension() == ".png" && path.parent_path().filename() == "golden" &&
                !path.stem().string().ends_with("-FAILED"))
                goldens.push_back(path);
        }
    }
    return goldens;
}

std::unique_ptr<TPngImage> Load(const std::filesystem::path& file)
{
    auto image = std::make_unique<TPngImage>();
    image->LoadFromFile(file.string());
    return image;
}

// An opaque pixel that stands out from the one beneath.
TRGBQuad Contrasting(const TRGBQuad& under)
{
    const bool dark = under.rgbRed + under.rgbGreen + under.rgbBlue < 384 && under.rgbReserved > 127;
    const std::uint8_t level = dark ? 255 : 0;
    return {level, level, level, 255};
}

void DrawRow(TBitmap& bitmap, int y)
{
    for (int x = 0; x < bitmap.Width(); ++x)
        bitmap.ScanLine(y)[x] = Contrasting(bitmap.ScanLine(y)[x]);
}

void DrawColumn(TBitmap& bitmap, int x)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        bitmap.ScanLine(y)[x] = Contrasting(bitmap.ScanLine(y)[x]);
}

} // namespace

TEST(GoldenImage, AOnePixelLineAcrossAnyGoldenFails)
{
    const std::vector<std::filesystem::path> goldens = ProjectGoldens();
    ASSERT_GT(goldens.size(), 20u);
    for (const std::filesystem::path& file : goldens) {
        SCOPED_TRACE(file.string());
        const auto golden = Load(file);
        const TBitmap& want = golden->Bitmap();
        EXPECT_EQ("", testsupport::GoldenMismatch(want, want));

        const auto across = Load(file);
        DrawRow(across->Bitmap(), want.Height() / 2);
        EXPECT_NE("", testsupport::GoldenMismatch(want, across->Bitmap()));

        const auto down = Load(file);
        DrawColumn(down->Bitmap(), want.Width() / 2);
        EXPECT_NE("", testsupport::GoldenMismatch(want, down->Bitmap()));
    }
}

TEST(GoldenImage, AlphaCountsAndNoiseDoesNot)
{
    TBitmap golden;
    golden.SetPixelFormat(pf32bit);
    golden.SetSize(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            golden.ScanLine(y)[x] = {static_cast<std::uint8_t>(x * 6), 128, 40, 255};

    TBitmap noisy;
    noisy.Assign(&golden);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            noisy.ScanLine(y)[x].rgbGreen = static_cast<std::uint8_t>(128 + (x + y) % 5 - 2);
    EXPECT_EQ("", testsupport::GoldenMismatch(golden, noisy));

    TBitmap clear;
    clear.Assign(&golden);
    clear.ScanLine(10)[10].rgbReserved = 0;
    EXPECT_NE("", testsupport::GoldenMismatch(golden, clear));

    TBitmap smaller;
    smaller.SetPixelFormat(pf32bit);
    smaller.SetSize(40, 19);
    EXPECT_EQ("the size differs: 40x19 rendered, 40x20 expected", testsupport::GoldenMismatch(golden, smaller));
}

TEST(GoldenImage, AMismatchIsWrittenBesideTheReferenceAndRemovedOnceItMatches)
{
    const testsupport::TempFolder folder("golden");
    const std::filesystem::path source = ProjectGoldens().front();
    std::filesystem::copy_file(source, folder / "sample.png");
    const auto golden = Load(source);
    const auto changed = Load(source);
    DrawRow(changed->Bitmap(), 0);

    EXPECT_NONFATAL_FAILURE(testsupport::ExpectMatchesGoldenIn(folder.Path(), changed->Bitmap(), "sample"),
                            "sample-FAILED.png");
    ASSERT_TRUE(std::filesystem::exists(folder / "sample-FAILED.png"));
    EXPECT_EQ("", testsupport::GoldenMismatch(changed->Bitmap(), Load(folder / "sample-FAILED.png")->Bitmap()));

    testsupport::ExpectMatchesGoldenIn(folder.Path(), golden->Bitmap(), "sample");
    EXPECT_FALSE(std::filesystem::exists(folder / "sample-FAILED.png"));
}
