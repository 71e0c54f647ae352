// Wrappers of brushes and pens: each operation forwards to the flat API and keeps its status.
#include "render/QuillGDIPBrushes.h"

#include "platform/gdiplus/GdiPlusFlat.h"
#include "render/QuillGDIPGeometry.h"
#include "render/QuillGDIPImages.h"

#include <new>

using render::NativeOf;

TGPBrush::TGPBrush() : lastResult(NotImplemented) {}

TGPBrush::~TGPBrush() { GdipDeleteBrush(nativeBrush); }

TGPSolidBrush::TGPSolidBrush(ARGB color)
{
    GpSolidFill* brush = nullptr;
    lastResult = GdipCreateSolidFill(color, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

GpHatch* TGPHatchBrush::Hatch() const noexcept { return gdiplus::HatchOf(nativeBrush); }

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    GpHatch* brush = nullptr;
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle style = HatchStyleHorizontal;
    SetStatus(GdipGetHatchStyle(Hatch(), &style));
    return style;
}

Status TGPHatchBrush::GetForegroundColor(ARGB& color) { return SetStatus(GdipGetHatchForegroundColor(Hatch(), &color)); }
Status TGPHatchBrush::GetBackgroundColor(ARGB& color) { return SetStatus(GdipGetHatchBackgroundColor(Hatch(), &color)); }

GpLineGradient* TGPLinearGradientBrush::Gradient() const noexcept
{
    return gdiplus::LineGradientOf(nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrushI(&point1, &point2, color1, color2, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
{
    GpLineGradient* brush = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(Gradient(), useGammaCorrection));
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    return SetStatus(GdipSetLinePresetBlend(Gradient(), presetColors, blendPositions, count));
}

GpPathGradient* TGPPathGradientBrush::Gradient() const noexcept
{
    return gdiplus::PathGradientOf(nativeBrush);
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path)
{
    GpPathGradient* brush = nullptr;
    lastResult = GdipCreatePathGradientFromPath(NativeOf(path), &brush);
    nativeBrush = gdiplus::BrushOf(brush);
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& color)
{
    return SetStatus(GdipGetPathGradientCenterColor(Gradient(), &color));
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    return SetStatus(GdipSetPathGradientCenterColor(Gradient(), color));
}

int TGPPathGradientBrush::GetPointCount()
{
    int count = 0;
    SetStatus(GdipGetPathGradientPointCount(Gradient(), &count));
    return count;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count)
{
    if (!colors) return SetStatus(InvalidParameter);
    int colorCount = 0;
    if (Status status = SetStatus(GdipGetPathGradientSurroundColorCount(Gradient(), &colorCount)); status != Ok)
        return status;
    if (count < colorCount || colorCount <= 0) return SetStatus(InsufficientBuffer);
    Status status = SetStatus(GdipGetPathGradientSurroundColorsWithCount(Gradient(), colors, &colorCount));
    if (status == Ok) count = colorCount;
    return status;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count)
{
    if (!colors) return SetStatus(InvalidParameter);
    const int pointCount = GetPointCount();
    if (count > pointCount || pointCount <= 0) return SetStatus(InvalidParameter);
    return SetStatus(GdipSetPathGradientSurroundColorsWithCount(Gradient(), colors, &count));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& point)
{
    return SetStatus(GdipGetPathGradientCenterPoint(Gradient(), &point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& point)
{
    return SetStatus(GdipGetPathGradientCenterPointI(Gradient(), &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GdipSetPathGradientCenterPoint(Gradient(), &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point)
{
    return SetStatus(GdipSetPathGradientCenterPointI(Gradient(), &point));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    return SetStatus(GdipSetPathGradientPresetBlend(Gradient(), presetColors, blendPositions, count));
}

Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetPathGradientGammaCorrection(Gradient(), useGammaCorrection));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetPathGradientWrapMode(Gradient(), wrapMode));
}

GpTexture* TGPTextureBrush::Texture() const noexcept { return gdiplus::TextureOf(nativeBrush); }

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode)
{
    GpTexture* texture = nullptr;
    lastResult = GdipCreateTexture(NativeOf(image), wrapMode, &texture);
    nativeBrush = gdiplus::BrushOf(texture);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, const TGPImageAttributes* imageAttributes)
{
    GpTexture* texture = nullptr;
    lastResult = GdipCreateTextureIA(NativeOf(image), NativeOf(imageAttributes), dstRect.X, dstRect.Y, dstRect.Width,
                                     dstRect.Height, &texture);
    nativeBrush = gdiplus::BrushOf(texture);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes)
{
    GpTexture* texture = nullptr;
    lastResult = GdipCreateTextureIAI(NativeOf(image), NativeOf(imageAttributes), dstRect.X, dstRect.Y, dstRect.Width,
                                      dstRect.Height, &texture);
    nativeBrush = gdiplus::BrushOf(texture);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth,
                                 float dstHeight)
{
    GpTexture* texture = nullptr;
    lastResult = GdipCreateTexture2(NativeOf(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &texture);
    nativeBrush = gdiplus::BrushOf(texture);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, int dstX, int dstY, int dstWidth, int dstHeight)
{
    GpTexture* texture = nullptr;
    lastResult = GdipCreateTexture2I(NativeOf(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &texture);
    nativeBrush = gdiplus::BrushOf(texture);
}

Status TGPTextureBrush::ResetTransform() { return SetStatus(GdipResetTextureTransform(Texture())); }

Status TGPTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateTextureTransform(Texture(), dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipScaleTextureTransform(Texture(), sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateTextureTransform(Texture(), angle, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipSetTextureWrapMode(Texture(), wrapMode)); }

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    SetStatus(GdipGetTextureWrapMode(Texture(), &mode));
    return mode;
}

std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    GpImage* image = nullptr;
    Status status = SetStatus(GdipGetTextureImage(Texture(), &image));
    try {
        return std::make_unique<TGPImage>(image, status);
    } catch (const std::bad_alloc&) {
        GdipDisposeImage(image);
        return nullptr;
    }
}

TGPPen::TGPPen(ARGB color, float width) { lastResult = GdipCreatePen1(color, width, UnitWorld, &nativePen); }

TGPPen::TGPPen(const TGPBrush* brush, float width)
{
    lastResult = GdipCreatePen2(NativeOf(brush), width, UnitWorld, &nativePen);
}

TGPPen::~TGPPen() { GdipDeletePen(nativePen); }

std::unique_ptr<TGPBrush> TGPPen::GetBrush()
{
    PenType type = PenTypeUnknown;
    if (SetStatus(GdipGetPenFillType(nativePen, &type)) != Ok) return nullptr;
    GpBrush* fill = nullptr;
    Status status = SetStatus(GdipGetPenBrushFill(nativePen, &fill));
    switch (type) {
    case PenTypeSolidColor: return std::unique_ptr<TGPBrush>(new TGPSolidBrush(fill, status));
    case PenTypeHatchFill: return std::unique_ptr<TGPBrush>(new TGPHatchBrush(fill, status));
    case PenTypeTextureFill: return std::unique_ptr<TGPBrush>(new TGPTextureBrush(fill, status));
    case PenTypeLinearGradient: return std::unique_ptr<TGPBrush>(new TGPLinearGradientBrush(fill, status));
    default: return std::unique_ptr<TGPBrush>(new TGPBrush(fill, status));
    }
}

Status TGPPen::SetBrush(const TGPBrush* brush) { return SetStatus(GdipSetPenBrushFill(nativePen, NativeOf(brush))); }

DashStyle TGPPen::GetDashStyle()
{
    return render::ReadValue(lastResult, nativePen, GdipGetPenDashStyle, DashStyleSolid);
}

Status TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipSetPenDashStyle(nativePen, dashStyle)); }

Status TGPPen::SetEndCap(LineCap endCap) { return SetStatus(GdipSetPenEndCap(nativePen, endCap)); }
