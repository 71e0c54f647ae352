// Golden-image comparison for the drawing tests.
#include "testsupport/GoldenImage.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PngImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace testsupport {

namespace {

constexpr int TileSize = 16;
// Flat areas: gradients and blends may round by a level or two.
constexpr int FlatTolerance = 8;
// A golden pixel whose neighbours differ from it by more than this lies on an edge.
constexpr int EdgeContrast = 32;
// Edge pixels: anti-aliasing may shade them differently, within this much.
constexpr int EdgeTolerance = 96;
// Edge pixels of one tile that may differ by more than that: a glyph's corner that rounds
// the other way. A line or a missing underline passes through a tile on many more.
constexpr int EdgeMissesPerTile = 2;

int Difference(const TRGBQuad& a, const TRGBQuad& b)
{
    return std::max({std::abs(a.rgbRed - b.rgbRed), std::abs(a.rgbGreen - b.rgbGreen),
                     std::abs(a.rgbBlue - b.rgbBlue), std::abs(a.rgbReserved - b.rgbReserved)});
}

bool OnEdge(const TBitmap& golden, int x, int y)
{
    const TRGBQuad& centre = golden.ScanLine(y)[x];
    for (int ny = std::max(0, y - 1); ny <= std::min(golden.Height() - 1, y + 1); ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(golden.Width() - 1, x + 1); ++nx)
            if (Difference(centre, golden.ScanLine(ny)[nx]) > EdgeContrast)
                return true;
    return false;
}

// The bitmap as a PNG file holds it: what is compared is what the reference can store.
std::unique_ptr<TPngImage> AsStored(const TBitmap& bitmap)
{
    TPngImage encoded;
    encoded.Assign(&bitmap);
    TMemoryStream file;
    encoded.SaveToStream(file);
    file.SetPosition(0);
    auto decoded = std::make_unique<TPngImage>();
    decoded->LoadFromStream(file);
    return decoded;
}

} // namespace

std::string GoldenMismatch(const TBitmap& Golden, const TBitmap& Rendered)
{
    if (Golden.Width() != Rendered.Width() || Golden.Height() != Rendered.Height()) {
        std::ostringstream text;
        text << "the size differs: " << Rendered.Width() << "x" << Rendered.Height() << " rendered, "
             << Golden.Width() << "x" << Golden.Height() << " expected";
        return text.str();
    }
    std::ostringstream text;
    int failedTiles = 0;
    for (int top = 0; top < Golden.Height(); top += TileSize)
        for (int left = 0; left < Golden.Width(); left += TileSize) {
            int flatMisses = 0;
            int edgeMisses = 0;
            int worst = 0;
            for (int y = top; y < std::min(top + TileSize, Golden.Height()); ++y)
                for (int x = left; x < std::min(left + TileSize, Golden.Width()); ++x) {
                    const int d = Difference(Golden.ScanLine(y)[x], Rendered.ScanLine(y)[x]);
                    if (d <= FlatTolerance)
                        continue;
                    worst = std::max(worst, d);
                    if (!OnEdge(Golden, x, y))
                        ++flatMisses;
                    else if (d > EdgeTolerance)
                        ++edgeMisses;
                }
            if (flatMisses == 0 && edgeMisses <= EdgeMissesPerTile)
                continue;
            if (++failedTiles <= 5)
                text << "tile at (" << left << ", " << top << "): " << flatMisses << " pixels differ where the golden is flat, "
                     << edgeMisses << " on its edges, by up to " << worst << "; ";
        }
    if (failedTiles == 0)
        return {};
    text << failedTiles << " of " << ((Golden.Width() + TileSize - 1) / TileSize) * ((Golden.Height() + TileSize - 1) / TileSize)
         << " tiles differ";
    return text.str();
}

void ExpectMatchesGoldenIn(const std::string& Folder, const TBitmap& Rendered, const std::string& Name)
{
    const std::filesystem::path dir = Folder;
    const std::filesystem::path reference = dir / (Name + ".png");
    const std::filesystem::path failed = dir / (Name + "-FAILED.png");
    const std::unique_ptr<TPngImage> rendered = AsStored(Rendered);

    const char* update = std::getenv("VISTRA_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(dir);
        rendered->SaveToFile(reference.string());
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(reference)) << "missing reference " << reference;
    TPngImage expected;
    expected.LoadFromFile(reference.string());
    const std::string mismatch = GoldenMismatch(expected.Bitmap(), rendered->Bitmap());
    std::error_code ignored;
    if (mismatch.empty())
        std::filesystem::remove(failed, ignored);
    else
        rendered->SaveToFile(failed.string());
    EXPECT_EQ("", mismatch) << Name << ": rendering written to " << failed;
}

} // namespace testsupport
