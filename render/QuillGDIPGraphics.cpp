// The drawing-surface wrapper: each operation forwards to the flat API and keeps its status.
#include "render/QuillGDIPGraphics.h"

#include "platform/gdiplus/GdiPlusFlat.h"
#include "render/QuillGDIPBrushes.h"
#include "render/QuillGDIPGeometry.h"
#include "render/QuillGDIPImages.h"
#include "render/QuillGDIPText.h"

#include <cmath>

using render::NativeOf;

TGPGraphics::TGPGraphics(HDC hdc) { lastResult = GdipCreateFromHDC(hdc, &nativeGraphics); }

TGPGraphics::TGPGraphics(TGPImage* image)
{
    if (image) lastResult = GdipGetImageGraphicsContext(image->Native(), &nativeGraphics);
}

TGPGraphics::~TGPGraphics() { GdipDeleteGraphics(nativeGraphics); }

std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(TGPImage* image) { return std::make_unique<TGPGraphics>(image); }

Status TGPGraphics::Flush(FlushIntention intention) { return SetStatus(GdipFlush(nativeGraphics, intention)); }
Status TGPGraphics::Clear(ARGB color) { return SetStatus(GdipGraphicsClear(nativeGraphics, color)); }

HDC TGPGraphics::GetHDC()
{
    return render::ReadValue(lastResult, nativeGraphics, GdipGetDC, HDC{});
}

Status TGPGraphics::ReleaseHDC(HDC hdc) { return SetStatus(GdipReleaseDC(nativeGraphics, hdc)); }

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    return render::ReadValue(lastResult, nativeGraphics, GdipGetTextRenderingHint, TextRenderingHintSystemDefault);
}

Status TGPGraphics::SetSmoothingMode(SmoothingMode smoothingMode)
{
    return SetStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

SmoothingMode TGPGraphics::GetSmoothingMode()
{
    return render::ReadValue(lastResult, nativeGraphics, GdipGetSmoothingMode, SmoothingModeInvalid);
}

Status TGPGraphics::SetCompositingQuality(CompositingQuality compositingQuality)
{
    return SetStatus(GdipSetCompositingQuality(nativeGraphics, compositingQuality));
}

CompositingQuality TGPGraphics::GetCompositingQuality()
{
    return render::ReadValue(lastResult, nativeGraphics, GdipGetCompositingQuality, CompositingQualityInvalid);
}

Status TGPGraphics::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GdipSetWorldTransform(nativeGraphics, NativeOf(matrix)));
}

Status TGPGraphics::ResetTransform() { return SetStatus(GdipResetWorldTransform(nativeGraphics)); }

Status TGPGraphics::SetClip(const TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, NativeOf(region), combineMode));
}

Status TGPGraphics::SetClip(const TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(nativeGraphics, NativeOf(path), combineMode));
}

Status TGPGraphics::ExcludeClip(const TGPRectF& rect)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(const TGPRegion* region)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, NativeOf(region), CombineModeExclude));
}

Status TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(nativeGraphics)); }

Status TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipDrawLine(nativeGraphics, NativeOf(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle,
                            float sweepAngle)
{
    return SetStatus(GdipDrawArc(nativeGraphics, NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawEllipse(nativeGraphics, NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRect& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, int x, int y, int width, int height)
{
    return DrawEllipse(pen, float(x), float(y), float(width), float(height));
}

Status TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawRectangle(const TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawRectangle(nativeGraphics, NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path)
{
    return SetStatus(GdipDrawPath(nativeGraphics, NativeOf(pen), NativeOf(path)));
}

Status TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipFillRectangle(nativeGraphics, NativeOf(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipFillEllipse(nativeGraphics, NativeOf(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRect& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, int x, int y, int width, int height)
{
    return FillEllipse(brush, float(x), float(y), float(width), float(height));
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count)
{
    return FillPolygon(brush, points, count, FillModeAlternate);
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(nativeGraphics, NativeOf(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count)
{
    return FillPolygon(brush, points, count, FillModeAlternate);
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygonI(nativeGraphics, NativeOf(brush), points, count, fillMode));
}

Status TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path)
{
    return SetStatus(GdipFillPath(nativeGraphics, NativeOf(brush), NativeOf(path)));
}

Status TGPGraphics::DrawImage(TGPImage* image, int x, int y)
{
    return SetStatus(GdipDrawImageI(nativeGraphics, NativeOf(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage* image, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, NativeOf(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                              float srcheight, Unit_ srcUnit, const TGPImageAttributes* imageAttributes)
{
    return SetStatus(GdipDrawImageRectRect(nativeGraphics, NativeOf(image), destRect.X, destRect.Y, destRect.Width,
                                           destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                                           NativeOf(imageAttributes)));
}

Status TGPGraphics::DrawImageRect(TGPImage* image, int x, int y, int width, int height)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, NativeOf(image), float(x), float(y), float(width), float(height)));
}

Status TGPGraphics::DrawImageRect(TGPImage* image, const TGPRectF& rect)
{
    return DrawImageRect(image, static_cast<int>(std::lround(rect.X)), static_cast<int>(std::lround(rect.Y)),
                         static_cast<int>(std::lround(rect.Width)), static_cast<int>(std::lround(rect.Height)));
}

Status TGPGraphics::MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted,
                                  int* linesFilled)
{
    return SetStatus(GdipMeasureString(nativeGraphics, render::LeadingCharacters(string_, length), NativeOf(font), &layoutRect,
                                       NativeOf(stringFormat), &boundingBox, codepointsFitted, linesFilled));
}

Status TGPGraphics::MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                                  const TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, boundingBox);
}

Status TGPGraphics::MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::DrawString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                               const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return SetStatus(GdipDrawString(nativeGraphics, render::LeadingCharacters(string_, length), NativeOf(font), &layoutRect,
                                    NativeOf(stringFormat), NativeOf(brush)));
}

Status TGPGraphics::DrawString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                               const TGPBrush* brush)
{
    return DrawString(string_, length, font, layoutRect, nullptr, brush);
}

Status TGPGraphics::DrawString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPBrush* brush)
{
    return DrawString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, nullptr, brush);
}

Status TGPGraphics::DrawString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                               const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return DrawString(string_, length, font, TGPRectF{origin.X, origin.Y, 0, 0}, stringFormat, brush);
}
