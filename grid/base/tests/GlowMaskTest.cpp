// The focus glow's mask, blur and alpha mask.
#include "grid/base/GlowMask.h"

#include "grid/base/tests/PythonPeer.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

namespace {

std::string Pixels(const TBitmap& bitmap)
{
    std::ostringstream out;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TRGBQuad& p = bitmap.ScanLine(y)[x];
            out << int(p.rgbRed) << ' ' << int(p.rgbGreen) << ' ' << int(p.rgbBlue) << '\n';
        }
    return out.str();
}

} // namespace

TEST(GlowMask, Clamps)
{
    EXPECT_EQ(ClampTruncToRange(0, 255, 255.0), 255);
    EXPECT_EQ(ClampTruncToRange(0, 255, 254.9), 254);
    EXPECT_EQ(ClampTruncToRange(0, 255, -0.5), 0);
    EXPECT_EQ(ClampToRange(0, 9, 12), 9);
    EXPECT_EQ(ClampToRange(0, 9, -3), 0);
}

TEST(GlowMask, KernelIsTrimmedAndNormalised)
{
    for (double radius : {0.5, 1.0, 3.0, 10.0}) {
        const auto kernel = MakeGaussKernel(radius);
        EXPECT_EQ(kernel.size() % 2, 1u);
        EXPECT_LE(kernel.size(), 21u);
        EXPECT_NEAR(std::accumulate(kernel.begin(), kernel.end(), 0.0), 1.0, 1e-12);
    }
    // The weight at which the dropped tails pass 1/510 goes too.
    EXPECT_EQ(MakeGaussKernel(1.0).size(), 5u);
    EXPECT_EQ(MakeGaussKernel(10.0).size(), 19u);
}

TEST(GlowMask, BlurNeedsA24BitBitmap)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.SetPixelFormat(pf32bit);
    try {
        GaussianBlur24(bitmap, 2);
        FAIL() << "a 32-bit bitmap was blurred";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Blur only works for 24-bit bitmaps");
    }
}

TEST(GlowMask, BlurWithoutRadiusChangesNothing)
{
    TBitmap mask;
    BuildRoundRectMask(mask, 30, 30, 0, 8, 0);
    const std::string sharp = Pixels(mask);
    GaussianBlur24(mask, 0);
    GaussianBlur24(mask, -2);
    EXPECT_EQ(Pixels(mask), sharp);
}

TEST(GlowMask, BlurredMaskMatchesAnIndependentComputation)
{
    TBitmap mask;
    BuildRoundRectMask(mask, 60, 48, 0, 10, 0);
    const std::string sharp = Pixels(mask);
    GaussianBlur24(mask, 3);
    // Python blurs the sharp mask by the same rules: a Gaussian of 21 taps trimmed while
    // its tails weigh under 1/510, lines clamped at the ends, truncation to 0..255, and
    // rows and columns beyond 20 pixels from every edge copied from row or column 15.
    const std::string script = R"(
import sys, math
W, H, R = 60, 48, 3.0
px = [list(map(int, l.split())) for l in sys.stdin.read().split('\n') if l]
img = [[px[y * W + x] for x in range(W)] for y in range(H)]
w = [math.exp(-((i / R) ** 2) / 2) for i in range(-10, 11)]
s = sum(w); w = [v / s for v in w]
k, t = 10, 0.0
while t < 1 / 510 and k > 1:
    t += 2 * w[k + 10]; k -= 1
ker = w[10 - k:10 + k + 1]; s = sum(ker); ker = [v / s for v in ker]
def clamp(v): return 255 if v >= 255 else 0 if v < 0 else int(v)
def blur(line):
    n = len(line); out = []
    for x in range(n):
        acc = [0.0, 0.0, 0.0]
        for j in range(-k, k + 1):
            p = line[min(max(x - j, 0), n - 1)]
            for c in range(3): acc[c] += ker[j + k] * p[c]
        out.append([clamp(a) for a in acc])
    return out
inner = lambda i, n: i > 20 and n - 1 - i > 20
for y in range(H):
    img[y] = list(img[15]) if inner(y, H) else blur(img[y])
for x in range(W):
    col = [img[y][15] for y in range(H)] if inner(x, W) else blur([img[y][x] for y in range(H)])
    for y in range(H): img[y][x] = col[y]
print('\n'.join(' '.join(map(str, img[y][x])) for y in range(H) for x in range(W)))
)";
    EXPECT_EQ(grid::test::RunPython(script, sharp), Pixels(mask));
    EXPECT_NE(sharp, Pixels(mask));
}

TEST(GlowMask, OutlineMaskIsBlackInside)
{
    TBitmap mask;
    BuildRoundRectMask(mask, 40, 30, 0, 6, 4);
    EXPECT_EQ(mask.PixelFormat(), pf24bit);
    EXPECT_EQ(mask.ScanLine(15)[20].rgbRed, 0) << "outline only";
    EXPECT_EQ(mask.ScanLine(15)[4].rgbRed, 255) << "the pen runs inside the inset edge";
    EXPECT_EQ(mask.ScanLine(0)[0].rgbRed, 0);
}

TEST(TGridAlphaMask, MergeMaskPremultiplies)
{
    TBitmap mask;
    mask.SetPixelFormat(pf24bit);
    mask.SetSize(2, 1);
    mask.ScanLine(0)[0] = {0, 0, 128, 255};
    mask.ScanLine(0)[1] = {0, 0, 255, 255};
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(3, 1);
    for (int x = 0; x < 3; ++x)
        picture.ScanLine(0)[x] = {200, 100, 51, 255};

    TGridAlphaMask alpha;
    alpha.MergeMask(mask, picture, clRed);
    ASSERT_EQ(alpha.Width(), 3);
    const TRGBQuad* line = alpha.ScanLine(0);
    EXPECT_EQ(line[0].rgbReserved, 128);
    EXPECT_EQ(line[0].rgbBlue, 100) << "200 * 128 / 255 rounded";
    EXPECT_EQ(line[0].rgbRed, 26);
    EXPECT_EQ(line[1].rgbGreen, 100);
    EXPECT_EQ(line[2].rgbReserved, 0) << "outside a smaller mask nothing shows";

    TGridAlphaMask unchanged;
    unchanged.SetSize(1, 1);
    picture.SetPixelFormat(pf32bit);
    unchanged.MergeMask(mask, picture, clRed);
    EXPECT_EQ(unchanged.Width(), 1) << "only 24-bit pictures are merged";
}

TEST(TGridAlphaMask, AssignCopiesOpacityAndTheOverlap)
{
    TGridAlphaMask source;
    source.SetSize(2, 2);
    source.SetOpacity(90);
    source.ScanLine(1)[1] = {1, 2, 3, 4};
    TGridAlphaMask larger;
    larger.SetSize(3, 3);
    larger.Assign(&source);
    EXPECT_EQ(larger.Opacity(), 90);
    EXPECT_EQ(larger.Width(), 3) << "the receiver keeps its size";
    EXPECT_EQ(larger.ScanLine(1)[1].rgbRed, 3);
    EXPECT_EQ(larger.PixelFormat(), pf32bit);
}
