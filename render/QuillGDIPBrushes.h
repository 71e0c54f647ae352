// Wrappers of brushes and pens.
#pragma once

#include "render/QuillGDIPBase.h"

#include <memory>

class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;

class TGPBrush : public TGdiplusBase {
public:
    // A brush of no kind: its status is NotImplemented.
    TGPBrush();
    virtual ~TGPBrush();
    TGPBrush(const TGPBrush&) = delete;
    TGPBrush& operator=(const TGPBrush&) = delete;

    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }
    GpBrush* Native() const noexcept { return nativeBrush; }

protected:
    TGPBrush(GpBrush* native, Status status) : nativeBrush(native), lastResult(status) {}
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }
    GpBrush* nativeBrush = nullptr;
    Status lastResult = Ok;

    friend class TGPPen;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    // A wrapper without a brush, for callers that fill one in later.
    TGPSolidBrush() = default;

private:
    using TGPBrush::TGPBrush;
    friend class TGPPen;
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    // A wrapper without a brush.
    TGPHatchBrush() = default;

    HatchStyle GetHatchStyle();
    Status GetForegroundColor(ARGB& color);
    Status GetBackgroundColor(ARGB& color);

private:
    using TGPBrush::TGPBrush;
    GpHatch* Hatch() const noexcept;
    friend class TGPPen;
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    // Across the rectangle: horizontally, vertically or along a diagonal.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    // Across the rectangle at an angle in degrees, clockwise from the x axis.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);

    Status SetGammaCorrection(bool useGammaCorrection);
    // Colours at positions from 0 (the start) to 1 (the end) in place of the two colours.
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);

private:
    using TGPBrush::TGPBrush;
    GpLineGradient* Gradient() const noexcept;
    friend class TGPPen;
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);

    Status GetCenterColor(ARGB& color);
    Status SetCenterColor(ARGB color);
    int GetPointCount();
    // Fills colors with one colour per path point; count gives the room and gets the number written.
    Status GetSurroundColors(ARGB* colors, int& count);
    // One colour per path point from the first; the last one given repeats for the rest.
    Status SetSurroundColors(const ARGB* colors, int& count);
    Status GetCenterPoint(TGPPointF& point);
    Status GetCenterPoint(TGPPoint& point);
    Status SetCenterPoint(const TGPPointF& point);
    Status SetCenterPoint(const TGPPoint& point);
    // Colours from the path's edge (position 0) to the centre point (position 1).
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetWrapMode(WrapMode wrapMode);

private:
    GpPathGradient* Gradient() const noexcept;
};

class TGPTextureBrush : public TGPBrush {
public:
    // The image, or a rectangle of it in pixels, repeated as the wrap mode says.
    explicit TGPTextureBrush(TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, const TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth, float dstHeight);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, int dstX, int dstY, int dstWidth, int dstHeight);
    // A wrapper without a brush.
    TGPTextureBrush() = default;

    Status ResetTransform();
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    // A new image of the texture's pixels; nullptr when none could be made.
    std::unique_ptr<TGPImage> GetImage();

private:
    using TGPBrush::TGPBrush;
    GpTexture* Texture() const noexcept;
    friend class TGPPen;
};

class TGPPen : public TGdiplusBase {
public:
    explicit TGPPen(ARGB color, float width = 1.0f);
    explicit TGPPen(const TGPBrush* brush, float width = 1.0f);
    ~TGPPen();
    TGPPen(const TGPPen&) = delete;
    TGPPen& operator=(const TGPPen&) = delete;

    // A new wrapper around a copy of the pen's fill: solid, hatch, texture, linear gradient, or a plain brush otherwise.
    std::unique_ptr<TGPBrush> GetBrush();
    Status SetBrush(const TGPBrush* brush);
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    Status SetEndCap(LineCap endCap);
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpPen* Native() const noexcept { return nativePen; }

private:
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpPen* nativePen = nullptr;
    Status lastResult = Ok;
};
