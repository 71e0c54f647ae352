// The 32-bit bitmap with its canvas, transparency and BMP file form.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <string_view>

class TCanvas;
class TFont;

// How the bitmap is stored when saved; pixels in memory are always 32-bit.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

// One pixel of a scan line: blue, green, red, then alpha. With pf32bit the
// colour channels are premultiplied by alpha; other formats are opaque.
struct TRGBQuad {
    std::uint8_t rgbBlue;
    std::uint8_t rgbGreen;
    std::uint8_t rgbRed;
    std::uint8_t rgbReserved;
};

namespace graphics {
struct TBitmapImage;
}

class TBitmap : public TGraphic {
    VISTRA_CLASS(TBitmap, TGraphic)

    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;

    void Assign(const TPersistent* Source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    // New pixels are white; kept pixels stay where they are.
    void SetSize(int AWidth, int AHeight);

    TPixelFormat PixelFormat() const noexcept { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    TBitmapHandleType HandleType() const noexcept { return FHandleType; }
    void SetHandleType(TBitmapHandleType Value) { FHandleType = Value; }
    bool Monochrome() const noexcept { return FPixelFormat == pf1bit; }
    void SetMonochrome(bool Value);

    // The colour left out when a transparent bitmap is drawn: with tmAuto the
    // bottom-left pixel, with tmFixed the colour set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const noexcept { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    TCanvas* Canvas();
    // The pixels of one row, top row first; a row outside the bitmap raises EInvalidOperation.
    TRGBQuad* ScanLine(int Row);
    const TRGBQuad* ScanLine(int Row) const;

    // The BMP file form (file header, info header, colour table, pixels).
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // Loads a bitmap resource compiled into the program; EResNotFound when missing.
    void LoadFromResourceName(std::uintptr_t Instance, std::string_view ResName);

    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

    graphics::TBitmapImage& Image() const { return *FImage; }
    // Called by the canvas after it drew into the bitmap.
    void PixelsChanged();

protected:
    void Changed() override;

private:
    void ReplaceImage(std::unique_ptr<graphics::TBitmapImage> image);

    std::unique_ptr<graphics::TBitmapImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    TBitmapHandleType FHandleType = bmDIB;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};

// The height of a line of text in Font (the font's full cell height), measured
// off screen, for controls that size themselves before they have a surface.
int FontLineHeight(const TFont& Font);
