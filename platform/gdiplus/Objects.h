// Inside the drawing library: what the handles of the flat API point to.
#pragma once

#include "platform/gdiplus/GdiPlusTypes.h"
#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/GdiTypes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _cairo;
struct _cairo_surface;
struct _cairo_pattern;
struct _cairo_matrix;

namespace gdiplus {

// An affine transform: x' = xx*x + xy*y + x0, y' = yx*x + yy*y + y0.
struct Affine {
    double xx = 1, yx = 0, xy = 0, yy = 1, x0 = 0, y0 = 0;
};

_cairo_matrix ToCairo(const Affine& a) noexcept;
Affine FromCairo(const _cairo_matrix& m) noexcept;
// The matrix combined with an operation: prepended, the operation applies to points first.
Affine Combine(const Affine& matrix, const _cairo_matrix& operation, MatrixOrder order) noexcept;
// A rotation by angle degrees, clockwise on a y-down surface.
_cairo_matrix Rotation(float angle) noexcept;

// What every flat getter does: refuse a missing object or destination, else
// store what read (a field or a function of the object) gives.
template <typename Object, typename Value, typename Read>
Status ReadOut(const Object* object, Value* out, Read read)
{
    if (!object || !out) return InvalidParameter;
    *out = std::invoke(read, *object);
    return Ok;
}

// Point kinds of a path, as the path stores them beside its points.
constexpr std::uint8_t PathPointStart = 0;
constexpr std::uint8_t PathPointLine = 1;
constexpr std::uint8_t PathPointBezier = 3;
constexpr std::uint8_t PathPointKindMask = 0x07;
constexpr std::uint8_t PathPointCloseFigure = 0x80;

// A colour stop of a gradient: position 0..1 and colour.
struct GradientStop {
    float Position;
    ARGB Color;
};

// Adds the path's figures to the Cairo context's current path.
void AppendPath(_cairo* cr, const GpPath& path);
void SetSourceArgb(_cairo* cr, ARGB color);
// Unpremultiplied ARGB of a premultiplied surface pixel and back.
ARGB PixelToArgb(std::uint32_t pixel) noexcept;
std::uint32_t ArgbToPixel(ARGB color) noexcept;

} // namespace gdiplus

struct GpMatrix {
    gdiplus::Affine M;
};

struct GpPath {
    FillMode Fill = FillModeAlternate;
    std::vector<TGPPointF> Points;
    std::vector<std::uint8_t> Types;
    bool NewFigure = true;
};

struct GpRegion {
    // The region is the first shape, combined in order with the others; a shape
    // is a path or a copy of a whole region.
    struct Step {
        CombineMode Mode;
        GpPath Path;
        std::shared_ptr<const GpRegion> Nested;
    };
    std::vector<Step> Steps;
    std::size_t Weight = 0; // steps counted through nested regions
    std::size_t Depth = 1;  // how deep regions nest in it
};

struct GpBrush {
    explicit GpBrush(BrushType type) : Type(type) {}
    virtual ~GpBrush() = default;
    virtual std::unique_ptr<GpBrush> Clone() const = 0;
    // A Cairo source in user space; the caller destroys it.
    virtual graphics::CairoPatternPtr CreatePattern() const = 0;
    const BrushType Type;
};

struct GpSolidFill : GpBrush {
    explicit GpSolidFill(ARGB color) : GpBrush(BrushTypeSolidColor), Color(color) {}
    std::unique_ptr<GpBrush> Clone() const override;
    graphics::CairoPatternPtr CreatePattern() const override;
    ARGB Color;
};

struct GpLineGradient : GpBrush {
    GpLineGradient() : GpBrush(BrushTypeLinearGradient) {}
    std::unique_ptr<GpBrush> Clone() const override;
    graphics::CairoPatternPtr CreatePattern() const override;
    TGPPointF Start, End;
    ARGB Color1 = 0, Color2 = 0;
    WrapMode Wrap = WrapModeTile;
    std::vector<gdiplus::GradientStop> Preset;
    bool GammaCorrection = false;
};

struct GpPathGradient : GpBrush {
    GpPathGradient() : GpBrush(BrushTypePathGradient) {}
    std::unique_ptr<GpBrush> Clone() const override;
    graphics::CairoPatternPtr CreatePattern() const override;
    GpPath Path;
    ARGB CenterColor = 0xFF000000;
    TGPPointF CenterPoint;
    // One colour per path point; the last one given repeats for the rest.
    std::vector<ARGB> SurroundColors{0xFFFFFFFF};
    // From the edge (0) to the centre point (1); empty for centre and surround colours.
    std::vector<gdiplus::GradientStop> Preset;
    bool GammaCorrection = false;
    WrapMode Wrap = WrapModeClamp;
};

struct GpHatch : GpBrush {
    GpHatch() : GpBrush(BrushTypeHatchFill) {}
    std::unique_ptr<GpBrush> Clone() const override;
    graphics::CairoPatternPtr CreatePattern() const override;
    HatchStyle Style = HatchStyleHorizontal;
    ARGB ForeColor = 0;
    ARGB BackColor = 0;
};

struct GpTexture : GpBrush {
    GpTexture() : GpBrush(BrushTypeTextureFill) {}
    std::unique_ptr<GpBrush> Clone() const override;
    graphics::CairoPatternPtr CreatePattern() const override;
    std::shared_ptr<_cairo_surface> Pixels; // shared by copies; never written after creation
    int Width = 0;
    int Height = 0;
    WrapMode Wrap = WrapModeTile;
    gdiplus::Affine Transform; // texture space to world space
};

struct GpPen {
    float Width = 1;
    std::unique_ptr<GpBrush> Brush;
    DashStyle Dash = DashStyleSolid;
    LineCap EndCap = LineCapFlat;
};

struct GpFontFamily {
    std::string Name;       // as asked for
    std::string FaceFamily; // the installed family that draws it
};

struct GpFont {
    GpFontFamily Family;
    float EmSize = 0;
    int Style = 0;
    Unit_ Unit = UnitPoint;
    double EmPixels() const;
};

struct GpStringFormat {
    int Flags = 0;
    int Language = 0;
    StringAlignment Align = StringAlignmentNear;
    StringAlignment LineAlign = StringAlignmentNear;
    StringTrimming Trimming = StringTrimmingCharacter;
    int HotkeyPrefix = HotkeyPrefixNone;
};

struct GpImage {
    virtual ~GpImage() = default;
    graphics::CairoSurfacePtr Surface; // ARGB32, premultiplied
    int Width = 0;
    int Height = 0;
    ImageFormatId Format = ImageFormatId::Undefined;
    PixelFormat Pixels = PixelFormat32bppARGB;
};

struct GpBitmap : GpImage {};

struct GpImageAttributes {
    bool NoOp = false;
    bool ColorKey = false;
    ARGB KeyLow = 0, KeyHigh = 0;
    std::optional<ColorMatrix> Matrix;
    std::optional<float> Threshold;
    std::optional<float> Gamma;
    std::vector<ColorMap> Remap;
    WrapMode Wrap = WrapModeClamp;
    bool Adjusts() const noexcept;
};

struct GpGraphics {
    GpGraphics() = default;
    ~GpGraphics();
    GpGraphics(const GpGraphics&) = delete;
    GpGraphics& operator=(const GpGraphics&) = delete;

    _cairo* Cr = nullptr;
    int Width = 0;
    int Height = 0;
    HDC Dc = nullptr;                                // the device context drawn on, when made from one
    std::unique_ptr<graphics::TDeviceContext> OwnDc; // handed out by GetDC for an image
    gdiplus::Affine Origin;                          // the device context's origin
    gdiplus::Affine World;
    graphics::CairoSurfacePtr ClipMask;                    // A8 in device pixels; none: unclipped
    SmoothingMode Smoothing = SmoothingModeNone;
    TextRenderingHint TextHint = TextRenderingHintSystemDefault;
    CompositingQuality Quality = CompositingQualityDefault;
};
