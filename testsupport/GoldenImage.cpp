// Golden-image comparison for the drawing tests.
#include "testsupport/GoldenImage.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PngImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace testsupport {

void ExpectMatchesGoldenIn(const std::string& Folder, const TBitmap& Rendered, const std::string& Name)
{
    const std::filesystem::path dir = Folder;
    const std::filesystem::path reference = dir / (Name + ".png");
    const std::filesystem::path failed = dir / (Name + "-FAILED.png");
    TPngImage rendered;
    rendered.Assign(&Rendered);

    const char* update = std::getenv("VISTRA_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(dir);
        rendered.SaveToFile(reference.string());
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(reference)) << "missing reference " << reference;
    TPngImage expected;
    expected.LoadFromFile(reference.string());
    const TBitmap& want = expected.Bitmap();
    bool sameSize = want.Width() == Rendered.Width() && want.Height() == Rendered.Height();
    int differing = 0;
    if (sameSize) {
        for (int y = 0; y < want.Height(); ++y) {
            const TRGBQuad* a = want.ScanLine(y);
            const TRGBQuad* b = Rendered.ScanLine(y);
            for (int x = 0; x < want.Width(); ++x) {
                int d = std::max({std::abs(a[x].rgbRed - b[x].rgbRed), std::abs(a[x].rgbGreen - b[x].rgbGreen),
                                  std::abs(a[x].rgbBlue - b[x].rgbBlue)});
                if (d > 24) ++differing;
            }
        }
    }
    // A handful of pixels may differ where glyph edges round differently.
    int allowed = sameSize ? want.Width() * want.Height() / 500 : 0;
    bool ok = sameSize && differing <= allowed;
    if (!ok) rendered.SaveToFile(failed.string());
    else std::filesystem::remove(failed);
    EXPECT_TRUE(ok) << Name << ": " << (sameSize ? std::to_string(differing) + " pixels differ" : "size differs")
                    << "; rendering written to " << failed;
}

} // namespace testsupport
