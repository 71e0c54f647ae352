// Wrappers of images, bitmaps and image attributes: each operation forwards to the flat API and keeps its status.
#include "render/QuillGDIPImages.h"

#include "platform/gdiplus/GdiPlusFlat.h"

namespace {

// The encoded forms the flat API reports, in the order of TGPImageFormat.
constexpr ImageFormatId knownFormats[] = {
    ImageFormatId::MemoryBMP, ImageFormatId::BMP, ImageFormatId::EMF,  ImageFormatId::WMF,  ImageFormatId::JPEG,
    ImageFormatId::PNG,       ImageFormatId::GIF, ImageFormatId::TIFF, ImageFormatId::EXIF, ImageFormatId::Icon,
};

ImageFormatId formatId(TGPImageFormat format)
{
    const auto index = static_cast<std::size_t>(format) - ifMemoryBMP;
    return index < std::size(knownFormats) ? knownFormats[index] : ImageFormatId::Undefined;
}

} // namespace

TGPImage::TGPImage(std::string_view filename, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromFileICM(filename, &nativeImage)
                                            : GdipLoadImageFromFile(filename, &nativeImage);
}

TGPImage::TGPImage(TStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromStreamICM(stream, &nativeImage)
                                            : GdipLoadImageFromStream(stream, &nativeImage);
}

TGPImage::~TGPImage() { GdipDisposeImage(nativeImage); }

unsigned TGPImage::GetWidth()
{
    return render::ReadValue(lastResult, nativeImage, GdipGetImageWidth, unsigned{});
}

unsigned TGPImage::GetHeight()
{
    return render::ReadValue(lastResult, nativeImage, GdipGetImageHeight, unsigned{});
}

PixelFormat TGPImage::GetPixelFormat()
{
    return render::ReadValue(lastResult, nativeImage, GdipGetImagePixelFormat, PixelFormat{});
}

unsigned TGPImage::GetPixelDepth() { return (static_cast<unsigned>(GetPixelFormat()) >> 8) & 0xFF; }
bool TGPImage::HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }
bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }

TGPImageFormat TGPImage::GetFormat()
{
    ImageFormatId raw = ImageFormatId::Undefined;
    if (SetStatus(GdipGetImageRawFormat(nativeImage, &raw)) != Ok) return ifUndefined;
    for (std::size_t i = 0; i < std::size(knownFormats); ++i)
        if (knownFormats[i] == raw) return static_cast<TGPImageFormat>(ifMemoryBMP + i);
    return ifUndefined;
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipImageRotateFlip(nativeImage, rotateFlipType));
}


Status TGPImage::Save(std::string_view filename, TGPImageFormat format)
{
    return SetStatus(GdipSaveImageToFile(nativeImage, filename, formatId(format)));
}

Status TGPImage::Save(TStream* stream, TGPImageFormat format)
{
    return SetStatus(GdipSaveImageToStream(nativeImage, stream, formatId(format)));
}

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight)
{
    GpImage* thumb = nullptr;
    Status status = SetStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumb));
    return std::make_unique<TGPImage>(thumb, status);
}

TGPBitmap::TGPBitmap(TStream* stream, bool useEmbeddedColorManagement)
{
    GpBitmap* bitmap = nullptr;
    lastResult = useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                            : GdipCreateBitmapFromStream(stream, &bitmap);
    nativeImage = gdiplus::ImageOf(bitmap);
}

TGPBitmap::TGPBitmap(GpBitmap* native, Status status) : TGPImage(gdiplus::ImageOf(native), status) {}

TGPBitmap::TGPBitmap(int width, int height, PixelFormat format)
{
    GpBitmap* bitmap = nullptr;
    lastResult = GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap);
    nativeImage = gdiplus::ImageOf(bitmap);
}

std::unique_ptr<TGPBitmap> TGPBitmap::FromStream(TStream* stream, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPBitmap>(stream, useEmbeddedColorManagement);
}

Status TGPBitmap::GetPixel(int x, int y, ARGB& color)
{
    return SetStatus(GdipBitmapGetPixel(gdiplus::BitmapOf(nativeImage), x, y, &color));
}

Status TGPBitmap::SetPixel(int x, int y, ARGB color)
{
    return SetStatus(GdipBitmapSetPixel(gdiplus::BitmapOf(nativeImage), x, y, color));
}

TGPImageAttributes::TGPImageAttributes() { lastResult = GdipCreateImageAttributes(&nativeImageAttr); }

TGPImageAttributes::~TGPImageAttributes() { GdipDisposeImageAttributes(nativeImageAttr); }

std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone()
{
    GpImageAttributes* cloned = nullptr;
    Status status = SetStatus(GdipCloneImageAttributes(nativeImageAttr, &cloned));
    return std::unique_ptr<TGPImageAttributes>(new TGPImageAttributes(cloned, status));
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type));
}

Status TGPImageAttributes::Reset(ColorAdjustType type) { return SetStatus(GdipResetImageAttributes(nativeImageAttr, type)); }

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, true, &colorMatrix, nullptr, mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, false, nullptr, nullptr,
                                                       ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                                            ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, true, &colorMatrix, &grayMatrix, mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType type) { return ClearColorMatrix(type); }

Status TGPImageAttributes::SetThreshold(float threshold, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, true, threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, false, 0));
}

Status TGPImageAttributes::SetGamma(float gamma, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, true, gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, false, 0));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, true));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, false));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, true, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, false, 0, 0));
}

Status TGPImageAttributes::SetRemapTable(unsigned mapSize, const ColorMap* map, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, true, mapSize, map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, false, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(unsigned mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}
