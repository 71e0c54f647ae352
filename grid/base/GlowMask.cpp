// The focus glow around the edited cell: a rounded-rectangle mask, its Gaussian blur,
// and the 32-bit alpha mask built from it.
#include "grid/base/GlowMask.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int KernelHalfSize = 10;
// Rows and columns this far from every edge copy the blurred row or column below.
constexpr int EdgeBand = 20;
constexpr int CopiedLine = 15;

std::uint8_t Premultiply(std::uint8_t channel, int alpha)
{
    return static_cast<std::uint8_t>(std::lround(channel * alpha / 255.0));
}

} // namespace

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::Assign(const TPersistent* Source)
{
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(Source)) {
        FOpacity = mask->FOpacity;
        const int rows = std::min(Height(), mask->Height());
        const int columns = std::min(Width(), mask->Width());
        for (int y = 0; y < rows; ++y)
            std::copy_n(mask->ScanLine(y), columns, ScanLine(y));
        PixelsChanged();
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor /*Color*/)
{
    if (Bitmap.PixelFormat() != pf24bit)
        return;
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (int y = 0; y < Bitmap.Height(); ++y) {
        const TRGBQuad* source = Bitmap.ScanLine(y);
        const TRGBQuad* maskLine = y < Mask.Height() ? Mask.ScanLine(y) : nullptr;
        TRGBQuad* target = ScanLine(y);
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const int alpha = (maskLine && x < Mask.Width()) ? maskLine[x].rgbRed : 0;
            target[x] = {Premultiply(source[x].rgbBlue, alpha), Premultiply(source[x].rgbGreen, alpha),
                         Premultiply(source[x].rgbRed, alpha), static_cast<std::uint8_t>(alpha)};
        }
    }
    PixelsChanged();
}

int ClampToRange(int lower, int upper, int x)
{
    return std::clamp(x, lower, upper);
}

int ClampTruncToRange(int lower, int upper, double x)
{
    if (x >= upper)
        return upper;
    if (x < lower)
        return lower;
    return static_cast<int>(x);
}

std::vector<double> MakeGaussKernel(double Radius)
{
    std::vector<double> weights(2 * KernelHalfSize + 1);
    double sum = 0;
    for (int i = -KernelHalfSize; i <= KernelHalfSize; ++i) {
        const double scaled = i / Radius;
        weights[static_cast<size_t>(i + KernelHalfSize)] = std::exp(-scaled * scaled / 2);
        sum += weights[static_cast<size_t>(i + KernelHalfSize)];
    }
    for (double& weight : weights)
        weight /= sum;
    int half = KernelHalfSize;
    double tails = 0;
    while (tails < 1.0 / 510 && half > 1) {
        tails += 2 * weights[static_cast<size_t>(half + KernelHalfSize)];
        --half;
    }
    std::vector<double> kernel(weights.begin() + (KernelHalfSize - half), weights.begin() + (KernelHalfSize + half + 1));
    sum = 0;
    for (double weight : kernel)
        sum += weight;
    for (double& weight : kernel)
        weight /= sum;
    return kernel;
}

void BlurLine(const std::vector<double>& Kernel, const TRGBQuad* Line, int Count, TRGBQuad* Out)
{
    const int half = static_cast<int>(Kernel.size() / 2);
    for (int x = 0; x < Count; ++x) {
        double blue = 0;
        double green = 0;
        double red = 0;
        for (int j = -half; j <= half; ++j) {
            const TRGBQuad& pixel = Line[ClampToRange(0, Count - 1, x - j)];
            const double weight = Kernel[static_cast<size_t>(j + half)];
            blue += weight * pixel.rgbBlue;
            green += weight * pixel.rgbGreen;
            red += weight * pixel.rgbRed;
        }
        TRGBQuad& target = Out[x];
        target.rgbBlue = static_cast<std::uint8_t>(ClampTruncToRange(0, 255, blue));
        target.rgbGreen = static_cast<std::uint8_t>(ClampTruncToRange(0, 255, green));
        target.rgbRed = static_cast<std::uint8_t>(ClampTruncToRange(0, 255, red));
        target.rgbReserved = Line[x].rgbReserved;
    }
}

void GaussianBlur24(TBitmap& Bitmap, double Radius)
{
    if (Bitmap.HandleType() != bmDIB || Bitmap.PixelFormat() != pf24bit)
        throw Exception("Blur only works for 24-bit bitmaps");
    // A radius of 0 or less would divide by zero; such a blur changes nothing.
    if (!(Radius > 0))
        return;
    const int width = Bitmap.Width();
    const int height = Bitmap.Height();
    if (width <= 0 || height <= 0)
        return;
    const std::vector<double> kernel = MakeGaussKernel(Radius);
    const auto interior = [](int index, int count) { return index > EdgeBand && count - 1 - index > EdgeBand; };

    std::vector<TRGBQuad> line(static_cast<size_t>(std::max(width, height)));
    std::vector<TRGBQuad> blurred(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        TRGBQuad* row = Bitmap.ScanLine(y);
        if (interior(y, height)) {
            std::copy_n(Bitmap.ScanLine(CopiedLine), width, row);
            continue;
        }
        std::copy_n(row, width, line.data());
        BlurLine(kernel, line.data(), width, row);
    }
    for (int x = 0; x < width; ++x) {
        if (interior(x, width)) {
            for (int y = 0; y < height; ++y)
                Bitmap.ScanLine(y)[x] = Bitmap.ScanLine(y)[CopiedLine];
            continue;
        }
        for (int y = 0; y < height; ++y)
            line[static_cast<size_t>(y)] = Bitmap.ScanLine(y)[x];
        BlurLine(kernel, line.data(), height, blurred.data());
        for (int y = 0; y < height; ++y)
            Bitmap.ScanLine(y)[x] = blurred[static_cast<size_t>(y)];
    }
    Bitmap.PixelsChanged();
}

void BuildRoundRectMask(TBitmap& Bitmap, int W, int H, double Radius, int Corner, int PenWidth)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(W, H);
    TCanvas& canvas = *Bitmap.Canvas();
    canvas.Brush()->SetColor(clBlack);
    canvas.FillRect(TRect{0, 0, W, H});
    canvas.Pen()->SetColor(clWhite);
    if (PenWidth < 1) {
        canvas.Pen()->SetWidth(1);
        canvas.Brush()->SetColor(clWhite);
    } else {
        canvas.Pen()->SetWidth(PenWidth);
        canvas.Brush()->SetColor(clBlack);
    }
    const int c = PenWidth / 2;
    canvas.RoundRect(c + 2, c + 2, W - c - 2, H - c - 2, Corner, Corner);
    if (Radius > 0)
        GaussianBlur24(Bitmap, Radius);
}
