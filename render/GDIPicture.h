// A picture kept as its encoded bytes and decoded through the drawing wrappers each time it is drawn or measured.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TGPGraphics;
class TGPImage;
class TMemoryStream;

class TGDIPPicture : public TGraphic {
    VISTRA_CLASS(TGDIPPicture, TGraphic)

    TGDIPPicture();
    ~TGDIPPicture() override;

    // Takes the bytes of another such picture, the BMP form of a bitmap, or the
    // file form of a picture holder's graphic; nothing clears the picture.
    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FIsEmpty; }
    // The size found by the last decode; 0 before one.
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // The size comes from the image; setting it does nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    // A file that cannot be read leaves the picture empty; no error is raised.
    void LoadFromFile(const std::string& FileName) override;
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // Form loading keeps the bytes; the size is found at the next decode.
    void ReadData(TStream& Stream) override;
    // The raw-data resource of that name, when the program has one.
    void LoadFromResourceName(std::uintptr_t Instance, std::string_view ResName);
    // The raw-data resource "#<ResID>"; a missing one raises EResNotFound.
    void LoadFromResourceID(std::uintptr_t Instance, int ResID);
    // "RES://name" loads a resource, "FILE://path" a file; other addresses do nothing.
    void LoadFromURL(std::string_view url);

    // Decodes the bytes for their size; false when there is no image to be had.
    bool GetImageSizes();
    // A bitmap is stretched into Rect with its bottom-left colour transparent;
    // other images are scaled into Rect, blended by their alpha.
    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;
    // At the image's own size, or scaled into (X, Y, W, H), through a surface of the caller's.
    void DrawImage(TGPGraphics& Graphics, int X, int Y);
    void DrawImageRect(TGPGraphics& Graphics, int X, int Y, int W, int H);

    const std::string& GetFileName() const noexcept { return FFileName; }
    bool DoubleBuffered() const noexcept { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    TColor BackgroundColor() const noexcept { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }

    // Raised when the picture is cleared or a file is loaded.
    TNotifyEvent OnClear;

private:
    std::unique_ptr<TGPImage> Decode() const;
    void RaiseClear();

    std::string FFileName;
    std::unique_ptr<TMemoryStream> FDatastream;
    bool FIsEmpty = true;
    mutable int FWidth = 0;
    mutable int FHeight = 0;
    bool FDoubleBuffered = false;
    TColor FBackgroundColor = clNone;
};
