// Inside the graphics library: GDI objects and the device context's state over Cairo.
#pragma once

#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct _cairo;
struct _cairo_surface;
struct _PangoLayout;

namespace graphics {

enum class TGdiKind { Font, Pen, Brush, Region };

class TGdiObject {
public:
    explicit TGdiObject(TGdiKind kind) : Kind(kind) {}
    virtual ~TGdiObject() = default;
    const TGdiKind Kind;
    // Owned by a device context (a snapshot SelectObject handed back); DeleteObject leaves it.
    bool Stock = false;
};

struct TFontObject : TGdiObject {
    explicit TFontObject(const LOGFONT& log) : TGdiObject(TGdiKind::Font), Log(log) {}
    LOGFONT Log;
};

struct TPenState {
    TColorRef Color = 0;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct TPenObject : TGdiObject {
    explicit TPenObject(const TPenState& pen) : TGdiObject(TGdiKind::Pen), Pen(pen) {}
    TPenState Pen;
};

struct TBrushState {
    TColorRef Color = 0xFFFFFF;
    TBrushStyle Style = bsSolid;
    TBitmap* Pattern = nullptr;
};

struct TBrushObject : TGdiObject {
    explicit TBrushObject(const TBrushState& brush) : TGdiObject(TGdiKind::Brush), Brush(brush) {}
    TBrushState Brush;
};

// A set of pixels as a union of rectangles.
struct TRegionObject : TGdiObject {
    TRegionObject();
    explicit TRegionObject(const TRect& r);
    CairoRegionPtr Region;
};

// The background modes of SetBkMode (TRANSPARENT and OPAQUE).
constexpr int TRANSPARENT_MODE = 1;
constexpr int OPAQUE_MODE = 2;

// What SaveDC keeps and RestoreDC brings back.
struct TDcState {
    LOGFONT Font;
    TPenState Pen;
    TBrushState Brush;
    int BkMode = OPAQUE_MODE;
    TColorRef BkColor = 0xFFFFFF;
    TColorRef TextColor = 0;
    TPoint ViewportOrg;
    TPoint WindowOrg;
    bool Clipped = false;   // ClipRects applies
    std::vector<TRect> ClipRects; // device coordinates
    TPoint PenPos;
    bool Mirrored = false;  // x grows to the left within MirrorWidth
    int MirrorWidth = 0;
};

struct TDeviceContext {
    explicit TDeviceContext(_cairo_surface* surface);
    // A context over a surface without pixels of its own (a PDF page), Width x Height dots.
    TDeviceContext(_cairo_surface* surface, int width, int height, int pixelsPerInch);
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    _cairo_surface* Surface;
    _cairo* Cr;
    int Width;
    int Height;
    // The device's resolution, reported as its logical pixels per inch.
    int PixelsPerInch = ScreenPixelsPerInch;
    // Whether the pixels can be read and written directly (an image surface).
    bool DirectPixels = true;
    TDcState State;
    std::vector<TDcState> Saved;
    // SelectObject hands back snapshots of what was selected before; a ring per
    // kind lets nested selections restore each other.
    static constexpr int SnapshotRing = 16;
    std::unique_ptr<TGdiObject> Snapshots[3][SnapshotRing];
    int NextSnapshot[3] = {};
    HGDIOBJ Snapshot(TGdiKind kind);

    // Rebuilds the Cairo clip and transform after Origin or the clip changed.
    void ApplyState();
    // The clip as one device rectangle bounding it (the whole surface when unclipped).
    TRect ClipBox() const;
    // Replaces the clip with a device region (nullptr: no clip).
    void SetClipRegion(const cairo_region_t* deviceRegion);
    // The clip as a new device region (the whole surface when unclipped).
    CairoRegionPtr ClipRegion() const;
    TPoint Offset() const
    {
        return {State.ViewportOrg.X - State.WindowOrg.X, State.ViewportOrg.Y - State.WindowOrg.Y};
    }
    TRect LogicalToDevice(const TRect& r) const;
    // Whether a device pixel is inside the surface and the clip.
    bool InClip(int x, int y) const;
    // The pixels are about to be written directly; flush Cairo first and mark them dirty after.
    void BeginDirectAccess();
    void EndDirectAccess();
};

// Cairo drawing helpers shared by the canvas and the free routines.
void SetSourceColor(_cairo* cr, TColorRef color);
// Fills a path with a brush (hatches and patterns included).
void FillWithBrush(TDeviceContext& dc, const std::function<void(_cairo*)>& path, const TBrushState& brush,
                   TPenMode mode = pmCopy);
// Strokes a path with a pen, honouring its style and raster mode.
void StrokeWithPen(TDeviceContext& dc, const std::function<void(_cairo*)>& path, const TPenState& pen);
// Applies a raster operation to the pixels a path covers (no antialiasing).
void RasterOperation(TDeviceContext& dc, const std::function<void(_cairo*)>& path, bool stroke, double lineWidth,
                     TColorRef color, TPenMode mode);

// Text: a Pango layout for the DC's font, shared and reset on every call.
_PangoLayout* LayoutFor(TDeviceContext& dc, const LOGFONT& font);
// The pixel metrics of a logical font.
struct TFontMetrics {
    int Ascent;
    int Descent;
    int InternalLeading;
    int ExternalLeading;
    int AveCharWidth;
    int MaxCharWidth;
    bool FixedPitch;
};
TFontMetrics MetricsFor(const LOGFONT& font);

TColorRef ToColorRef(TColor color) noexcept;
// Surface pixels (0xAARRGGBB, premultiplied) to colour references and back (opaque).
TColorRef PixelToColorRef(std::uint32_t pixel) noexcept;
std::uint32_t ColorRefToPixel(TColorRef color) noexcept;

} // namespace graphics
