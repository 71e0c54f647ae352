// The drawing-surface wrapper, with the text routines that draw and measure in a platform font.
#pragma once

#include "render/QuillGDIPBase.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"

#include <memory>
#include <string_view>

class TFont;
class TGPBrush;
class TGPFont;
class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;
class TGPMatrix;
class TGPPen;
class TGPRegion;
class TGPStringFormat;

// The rectangle-calculating bit of DrawText's style: measure, draw nothing.
constexpr unsigned GPDrawTextCalcRect = 0x400;

class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(HDC hdc);
    // A surface over the image's pixels; without an image there is no surface.
    explicit TGPGraphics(TGPImage* image);
    ~TGPGraphics();
    TGPGraphics(const TGPGraphics&) = delete;
    TGPGraphics& operator=(const TGPGraphics&) = delete;

    static std::unique_ptr<TGPGraphics> FromImage(TGPImage* image);

    Status Flush(FlushIntention intention = FlushIntentionFlush);
    Status Clear(ARGB color);
    HDC GetHDC();
    Status ReleaseHDC(HDC hdc);
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetSmoothingMode(SmoothingMode smoothingMode);
    SmoothingMode GetSmoothingMode();
    Status SetCompositingQuality(CompositingQuality compositingQuality);
    CompositingQuality GetCompositingQuality();
    Status SetTransform(const TGPMatrix* matrix);
    Status ResetTransform();
    Status SetClip(const TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    Status ExcludeClip(const TGPRectF& rect);
    Status ExcludeClip(const TGPRegion* region);
    Status ResetClip();

    Status DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
    Status DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(const TGPPen* pen, float x, float y, float width, float height);
    Status DrawEllipse(const TGPPen* pen, const TGPRect& rect);
    Status DrawEllipse(const TGPPen* pen, int x, int y, int width, int height);
    Status DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    Status DrawRectangle(const TGPPen* pen, float x, float y, float width, float height);
    Status DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    Status FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    Status FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(const TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(const TGPBrush* brush, const TGPRect& rect);
    Status FillEllipse(const TGPBrush* brush, int x, int y, int width, int height);
    Status FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count);
    Status FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, FillMode fillMode);
    Status FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count);
    Status FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, FillMode fillMode);
    Status FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);

    // At the image's own size.
    Status DrawImage(TGPImage* image, int x, int y);
    // Scaled into the rectangle.
    Status DrawImage(TGPImage* image, float x, float y, float width, float height);
    Status DrawImage(TGPImage* image, const TGPRectF& rect);
    // The source rectangle of the image (in pixels) into the destination, through the attributes.
    Status DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth, float srcheight,
                     Unit_ srcUnit, const TGPImageAttributes* imageAttributes = nullptr);
    Status DrawImageRect(TGPImage* image, int x, int y, int width, int height);
    Status DrawImageRect(TGPImage* image, const TGPRectF& rect);

    // Text is UTF-8; length counts characters, -1 for all of it.
    Status MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                         const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted = nullptr,
                         int* linesFilled = nullptr);
    Status MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                         const TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    Status MeasureString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                         TGPRectF& boundingBox);
    Status DrawString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                      const TGPStringFormat* stringFormat, const TGPBrush* brush);
    Status DrawString(std::string_view string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                      const TGPBrush* brush);
    Status DrawString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                      const TGPBrush* brush);
    Status DrawString(std::string_view string_, int length, const TGPFont* font, const TGPPointF& origin,
                      const TGPStringFormat* stringFormat, const TGPBrush* brush);

    // Draws the first len characters of the text (all for -1) at rect's top
    // left in the platform font and its colour. With GPDrawTextCalcRect in
    // style, or a background colour other than clNone, rect's right and bottom
    // become the text's extent; the background fills that extent; with the
    // bit nothing is drawn. Returns the height of rect.
    int DrawText(std::string_view string_, int len, TRect& rect, const TFont* font, unsigned style, TColor bkColor);
    int TextHeight(std::string_view string_, const TFont* font);
    int TextWidth(std::string_view string_, const TFont* font);
    // The drawing-library font of a platform font: its face (Arial when that
    // is not installed), its size in points, bold, italic and underline.
    std::unique_ptr<TGPFont> MakeFont(const TFont* font);

    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }
    GpGraphics* Native() const noexcept { return nativeGraphics; }

private:
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }
    TGPRectF MeasureWithPlatformFont(std::string_view text, const TGPFont* font, const TGPRectF& layoutRect);

    GpGraphics* nativeGraphics = nullptr;
    Status lastResult = Ok;
};
