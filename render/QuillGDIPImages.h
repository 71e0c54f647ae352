// Wrappers of images, bitmaps and image attributes.
#pragma once

#include "render/QuillGDIPBase.h"

#include <memory>
#include <string_view>

class TStream;

class TGPImage : public TGdiplusBase {
public:
    // Decodes a BMP, PNG, JPEG, GIF or ICO file or the rest of a stream; a
    // failure leaves no image and its status says why.
    explicit TGPImage(std::string_view filename, bool useEmbeddedColorManagement = false);
    explicit TGPImage(TStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage(GpImage* native, Status status) : nativeImage(native), lastResult(status) {}
    virtual ~TGPImage();
    TGPImage(const TGPImage&) = delete;
    TGPImage& operator=(const TGPImage&) = delete;

    unsigned GetWidth();
    unsigned GetHeight();
    PixelFormat GetPixelFormat();
    unsigned GetPixelDepth();
    bool HasPalette();
    bool HasAlphaChannel();
    // The encoded form the image was read from; ifUndefined when unknown.
    TGPImageFormat GetFormat();
    Status RotateFlip(RotateFlipType rotateFlipType);
    // Writes the image as a BMP, PNG, JPEG or GIF file; UnknownImageFormat for other formats.
    Status Save(std::string_view filename, TGPImageFormat format);
    Status Save(TStream* stream, TGPImageFormat format);
    // A new image of the size given with this one scaled into it.
    std::unique_ptr<TGPImage> GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight);
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpImage* Native() const noexcept { return nativeImage; }

protected:
    TGPImage() = default;
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpImage* nativeImage = nullptr;
    Status lastResult = Ok;
};

class TGPBitmap : public TGPImage {
public:
    explicit TGPBitmap(TStream* stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(GpBitmap* native, Status status);
    // Transparent pixels of the size given.
    TGPBitmap(int width, int height, PixelFormat format = PixelFormat32bppARGB);

    static std::unique_ptr<TGPBitmap> FromStream(TStream* stream, bool useEmbeddedColorManagement = false);
    Status GetPixel(int x, int y, ARGB& color);
    Status SetPixel(int x, int y, ARGB color);
};

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    ~TGPImageAttributes();
    TGPImageAttributes(const TGPImageAttributes&) = delete;
    TGPImageAttributes& operator=(const TGPImageAttributes&) = delete;

    std::unique_ptr<TGPImageAttributes> Clone();
    Status SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                            ColorMatrixFlags mode = ColorMatrixFlagsDefault, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetThreshold(float threshold, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetGamma(float gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    // Pixels whose red, green and blue each lie between the two colours' become transparent.
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetRemapTable(unsigned mapSize, const ColorMap* map, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(unsigned mapSize, const ColorMap* map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpImageAttributes* Native() const noexcept { return nativeImageAttr; }

private:
    explicit TGPImageAttributes(GpImageAttributes* native, Status status) : nativeImageAttr(native), lastResult(status) {}
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpImageAttributes* nativeImageAttr = nullptr;
    Status lastResult = Ok;
};
