// The handle-based vector drawing API: paths, brushes, pens, text, images and surfaces.
// Every function reports its outcome as a Status and never throws; objects made
// by a Create function are freed by the matching Delete or Dispose function.
#pragma once

#include "platform/gdiplus/GdiPlusTypes.h"
#include "platform/graphics/GdiTypes.h"

#include <cstddef>
#include <string_view>

class TStream;

// Process start-up and shut-down, counted: allocation works only between them.
Status GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(std::uintptr_t token);
// A block of memory for a wrapper object, or nullptr while the library is shut down.
void* GdipAlloc(std::size_t size);
void GdipFree(void* ptr);

// Matrices: (m11, m12, m21, m22, dx, dy), points as row vectors.
Status GdipCreateMatrix(GpMatrix** matrix);
Status GdipCreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy, GpMatrix** matrix);
Status GdipCreateMatrix3(const TGPRectF* rect, const TGPPointF* dstplg, GpMatrix** matrix);
Status GdipCreateMatrix3I(const TGPRect* rect, const TGPPoint* dstplg, GpMatrix** matrix);
Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix);
Status GdipDeleteMatrix(GpMatrix* matrix);
Status GdipSetMatrixElements(GpMatrix* matrix, float m11, float m12, float m21, float m22, float dx, float dy);
Status GdipGetMatrixElements(const GpMatrix* matrix, float* matrixOut);
Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, MatrixOrder order);
Status GdipTranslateMatrix(GpMatrix* matrix, float offsetX, float offsetY, MatrixOrder order);
Status GdipScaleMatrix(GpMatrix* matrix, float scaleX, float scaleY, MatrixOrder order);
Status GdipRotateMatrix(GpMatrix* matrix, float angle, MatrixOrder order);
Status GdipShearMatrix(GpMatrix* matrix, float shearX, float shearY, MatrixOrder order);
Status GdipInvertMatrix(GpMatrix* matrix);
Status GdipTransformMatrixPoints(GpMatrix* matrix, TGPPointF* pts, int count);
Status GdipTransformMatrixPointsI(GpMatrix* matrix, TGPPoint* pts, int count);
Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, TGPPointF* pts, int count);
Status GdipVectorTransformMatrixPointsI(GpMatrix* matrix, TGPPoint* pts, int count);
Status GdipIsMatrixInvertible(const GpMatrix* matrix, bool* result);
Status GdipIsMatrixIdentity(const GpMatrix* matrix, bool* result);

// Paths: figures of lines and cubic Bezier curves.
Status GdipCreatePath(FillMode brushMode, GpPath** path);
Status GdipDeletePath(GpPath* path);
Status GdipResetPath(GpPath* path);
Status GdipGetPointCount(GpPath* path, int* count);
Status GdipClosePathFigure(GpPath* path);
Status GdipAddPathLine(GpPath* path, float x1, float y1, float x2, float y2);
Status GdipAddPathLineI(GpPath* path, int x1, int y1, int x2, int y2);
Status GdipAddPathLine2I(GpPath* path, const TGPPoint* points, int count);
Status GdipAddPathRectangle(GpPath* path, float x, float y, float width, float height);
Status GdipAddPathRectangleI(GpPath* path, int x, int y, int width, int height);
Status GdipAddPathArc(GpPath* path, float x, float y, float width, float height, float startAngle, float sweepAngle);
Status GdipAddPathArcI(GpPath* path, int x, int y, int width, int height, float startAngle, float sweepAngle);
Status GdipAddPathEllipse(GpPath* path, float x, float y, float width, float height);
Status GdipAddPathEllipseI(GpPath* path, int x, int y, int width, int height);
Status GdipAddPathPie(GpPath* path, float x, float y, float width, float height, float startAngle, float sweepAngle);
Status GdipAddPathPieI(GpPath* path, int x, int y, int width, int height, float startAngle, float sweepAngle);
Status GdipAddPathPolygon(GpPath* path, const TGPPointF* points, int count);
Status GdipAddPathPolygonI(GpPath* path, const TGPPoint* points, int count);
Status GdipAddPathBezier(GpPath* path, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
Status GdipAddPathBezierI(GpPath* path, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
Status GdipAddPathBeziers(GpPath* path, const TGPPointF* points, int count);
Status GdipAddPathCurve2(GpPath* path, const TGPPointF* points, int count, float tension);
// The outlines of the text's glyphs, laid out in the rectangle; emSize is in world units.
Status GdipAddPathString(GpPath* path, std::string_view text, const GpFontFamily* family, int style, float emSize,
                         const TGPRectF* layoutRect, const GpStringFormat* format);

// Regions: a rectangle or path combined with further paths and regions.
Status GdipCreateRegionRect(const TGPRectF* rect, GpRegion** region);
Status GdipCreateRegionRectI(const TGPRect* rect, GpRegion** region);
Status GdipCreateRegionPath(GpPath* path, GpRegion** region);
Status GdipDeleteRegion(GpRegion* region);
Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode);
Status GdipCombineRegionRegion(GpRegion* region, GpRegion* region2, CombineMode combineMode);

// Brushes.
Status GdipDeleteBrush(GpBrush* brush);
Status GdipGetBrushType(GpBrush* brush, BrushType* type);
Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
Status GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color);
Status GdipCreateLineBrush(const TGPPointF* point1, const TGPPointF* point2, ARGB color1, ARGB color2, WrapMode wrapMode,
                           GpLineGradient** lineGradient);
Status GdipCreateLineBrushI(const TGPPoint* point1, const TGPPoint* point2, ARGB color1, ARGB color2, WrapMode wrapMode,
                            GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRect(const TGPRectF* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectI(const TGPRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectWithAngle(const TGPRectF* rect, ARGB color1, ARGB color2, float angle,
                                            bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectWithAngleI(const TGPRect* rect, ARGB color1, ARGB color2, float angle,
                                             bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection);
Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend, const float* positions, int count);

Status GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** polyGradient);
Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colors);
Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colors);
Status GdipGetPathGradientPointCount(GpPathGradient* brush, int* count);
Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, int* count);
Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* color, int* count);
Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* color, int* count);
Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, TGPPointF* point);
Status GdipGetPathGradientCenterPointI(GpPathGradient* brush, TGPPoint* point);
Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const TGPPointF* point);
Status GdipSetPathGradientCenterPointI(GpPathGradient* brush, const TGPPoint* point);
Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* blend, const float* positions, int count);
Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection);
Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode wrapmode);

// Hatch brushes: an 8 x 8 pattern of the foreground colour over the background colour.
Status GdipCreateHatchBrush(HatchStyle hatchstyle, ARGB forecol, ARGB backcol, GpHatch** brush);
Status GdipGetHatchStyle(GpHatch* brush, HatchStyle* hatchstyle);
Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* forecol);
Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* backcol);

// Texture brushes: an image, or a rectangle of it, repeated as the wrap mode says.
Status GdipCreateTexture(GpImage* image, WrapMode wrapmode, GpTexture** texture);
Status GdipCreateTexture2(GpImage* image, WrapMode wrapmode, float x, float y, float width, float height,
                          GpTexture** texture);
Status GdipCreateTexture2I(GpImage* image, WrapMode wrapmode, int x, int y, int width, int height, GpTexture** texture);
Status GdipCreateTextureIA(GpImage* image, const GpImageAttributes* imageAttributes, float x, float y, float width,
                           float height, GpTexture** texture);
Status GdipCreateTextureIAI(GpImage* image, const GpImageAttributes* imageAttributes, int x, int y, int width,
                            int height, GpTexture** texture);
Status GdipResetTextureTransform(GpTexture* brush);
Status GdipTranslateTextureTransform(GpTexture* brush, float dx, float dy, MatrixOrder order);
Status GdipScaleTextureTransform(GpTexture* brush, float sx, float sy, MatrixOrder order);
Status GdipRotateTextureTransform(GpTexture* brush, float angle, MatrixOrder order);
Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode wrapmode);
Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* wrapmode);
// A new image of the texture's pixels; the caller disposes it.
Status GdipGetTextureImage(GpTexture* brush, GpImage** image);

// Pens.
Status GdipCreatePen1(ARGB color, float width, Unit_ unit, GpPen** pen);
Status GdipCreatePen2(GpBrush* brush, float width, Unit_ unit, GpPen** pen);
Status GdipDeletePen(GpPen* pen);
Status GdipGetPenFillType(GpPen* pen, PenType* type);
// A new brush equal to the pen's fill; the caller deletes it.
Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush);
Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush);
Status GdipGetPenDashStyle(GpPen* pen, DashStyle* dashstyle);
Status GdipSetPenDashStyle(GpPen* pen, DashStyle dashstyle);
Status GdipSetPenEndCap(GpPen* pen, LineCap endCap);

// Fonts and string formats. Families are looked up among the fonts the font
// map knows; sizes in points are converted at 96 pixels per inch.
Status GdipCreateFontFamilyFromName(std::string_view name, void* fontCollection, GpFontFamily** fontFamily);
Status GdipDeleteFontFamily(GpFontFamily* fontFamily);
Status GdipCloneFontFamily(GpFontFamily* fontFamily, GpFontFamily** clonedFontFamily);
Status GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily);
Status GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily);
Status GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily);
Status GdipCreateFont(const GpFontFamily* fontFamily, float emSize, int style, Unit_ unit, GpFont** font);
Status GdipDeleteFont(GpFont* font);
Status GdipGetFontStyle(GpFont* font, int* style);
Status GdipGetFontSize(GpFont* font, float* size);

Status GdipCreateStringFormat(int formatAttributes, int language, GpStringFormat** format);
Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** newFormat);
Status GdipDeleteStringFormat(GpStringFormat* format);
Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatFlags(GpStringFormat* format, int flags);
Status GdipGetStringFormatFlags(GpStringFormat* format, int* flags);
Status GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming);
Status GdipGetStringFormatTrimming(GpStringFormat* format, StringTrimming* trimming);
Status GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, int hotkeyPrefix);
Status GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, int* hotkeyPrefix);

// Images, decoded from BMP, PNG, JPEG, GIF and ICO bytes.
Status GdipLoadImageFromStream(TStream* stream, GpImage** image);
Status GdipLoadImageFromStreamICM(TStream* stream, GpImage** image);
Status GdipLoadImageFromFile(std::string_view filename, GpImage** image);
Status GdipLoadImageFromFileICM(std::string_view filename, GpImage** image);
Status GdipCloneImage(GpImage* image, GpImage** cloneImage);
Status GdipDisposeImage(GpImage* image);
Status GdipGetImageWidth(GpImage* image, unsigned* width);
Status GdipGetImageHeight(GpImage* image, unsigned* height);
Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
Status GdipGetImageRawFormat(GpImage* image, ImageFormatId* format);
Status GdipImageRotateFlip(GpImage* image, RotateFlipType rfType);
// A new image of the size given with the image scaled into it (120 x 120 when both are 0).
Status GdipGetImageThumbnail(GpImage* image, unsigned thumbWidth, unsigned thumbHeight, GpImage** thumbImage);
// Writes the image in the encoder's format (BMP, PNG, JPEG or GIF); UnknownImageFormat for others.
Status GdipSaveImageToStream(GpImage* image, TStream* stream, ImageFormatId encoder);
Status GdipSaveImageToFile(GpImage* image, std::string_view filename, ImageFormatId encoder);
Status GdipCreateBitmapFromStream(TStream* stream, GpBitmap** bitmap);
Status GdipCreateBitmapFromStreamICM(TStream* stream, GpBitmap** bitmap);
// A bitmap of the size given, transparent black, over pixels of our own (scan0 may be nullptr).
Status GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, const std::uint8_t* scan0,
                                 GpBitmap** bitmap);
Status GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* color);
Status GdipBitmapSetPixel(GpBitmap* bitmap, int x, int y, ARGB color);

Status GdipCreateImageAttributes(GpImageAttributes** imageattr);
Status GdipCloneImageAttributes(const GpImageAttributes* imageattr, GpImageAttributes** cloneImageattr);
Status GdipDisposeImageAttributes(GpImageAttributes* imageattr);
Status GdipSetImageAttributesToIdentity(GpImageAttributes* imageattr, ColorAdjustType type);
Status GdipResetImageAttributes(GpImageAttributes* imageattr, ColorAdjustType type);
Status GdipSetImageAttributesColorMatrix(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                         const ColorMatrix* colorMatrix, const ColorMatrix* grayMatrix,
                                         ColorMatrixFlags flags);
Status GdipSetImageAttributesThreshold(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       float threshold);
Status GdipSetImageAttributesGamma(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag, float gamma);
Status GdipSetImageAttributesNoOp(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag);
Status GdipSetImageAttributesColorKeys(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       ARGB colorLow, ARGB colorHigh);
Status GdipSetImageAttributesRemapTable(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                        unsigned mapSize, const ColorMap* map);
Status GdipSetImageAttributesWrapMode(GpImageAttributes* imageAttr, WrapMode wrap, ARGB argb, bool clamp);

// Drawing surfaces.
Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics);
Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status GdipDeleteGraphics(GpGraphics* graphics);
Status GdipFlush(GpGraphics* graphics, FlushIntention intention);
Status GdipGraphicsClear(GpGraphics* graphics, ARGB color);
// The device context drawn on (for an image, one made over its pixels until released).
Status GdipGetDC(GpGraphics* graphics, HDC* hdc);
Status GdipReleaseDC(GpGraphics* graphics, HDC hdc);
Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint mode);
Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* mode);
Status GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode smoothingMode);
Status GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* smoothingMode);
Status GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality compositingQuality);
Status GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* compositingQuality);
Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipResetWorldTransform(GpGraphics* graphics);
Status GdipSetClipRect(GpGraphics* graphics, float x, float y, float width, float height, CombineMode combineMode);
Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode);
Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode);
Status GdipResetClip(GpGraphics* graphics);

Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2);
Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height);
Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height);
Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const TGPPointF* points, int count, FillMode fillMode);
Status GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const TGPPoint* points, int count, FillMode fillMode);
Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);

Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y);
Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, float x, float y, float width, float height);
// Draws the source rectangle (in pixels) of the image into the destination
// rectangle, adjusted by the attributes when given.
Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dstx, float dsty, float dstwidth,
                             float dstheight, float srcx, float srcy, float srcwidth, float srcheight, Unit_ srcUnit,
                             const GpImageAttributes* imageAttributes);

// Text in UTF-8; length counts bytes, -1 for the whole text.
Status GdipMeasureString(GpGraphics* graphics, std::string_view text, const GpFont* font, const TGPRectF* layoutRect,
                         const GpStringFormat* stringFormat, TGPRectF* boundingBox, int* codepointsFitted,
                         int* linesFilled);
Status GdipDrawString(GpGraphics* graphics, std::string_view text, const GpFont* font, const TGPRectF* layoutRect,
                      const GpStringFormat* stringFormat, const GpBrush* brush);

namespace gdiplus {

// A brush of any kind is a brush; a brush is a gradient only when it was made as one (nullptr otherwise).
GpBrush* BrushOf(GpSolidFill* brush) noexcept;
GpBrush* BrushOf(GpLineGradient* brush) noexcept;
GpBrush* BrushOf(GpPathGradient* brush) noexcept;
GpBrush* BrushOf(GpTexture* brush) noexcept;
GpBrush* BrushOf(GpHatch* brush) noexcept;
GpLineGradient* LineGradientOf(GpBrush* brush) noexcept;
GpPathGradient* PathGradientOf(GpBrush* brush) noexcept;
GpTexture* TextureOf(GpBrush* brush) noexcept;
GpHatch* HatchOf(GpBrush* brush) noexcept;
// A bitmap is an image; an image is a bitmap only when it was made as one (nullptr otherwise).
GpImage* ImageOf(GpBitmap* bitmap) noexcept;
GpBitmap* BitmapOf(GpImage* image) noexcept;

} // namespace gdiplus
