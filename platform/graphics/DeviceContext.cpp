// Device contexts over Cairo surfaces: object selection, saved states, origins, clipping and regions.
#include "platform/graphics/DeviceContext.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/GdiState.h"

#include <cairo.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace graphics {

TRegionObject::TRegionObject() : TGdiObject(TGdiKind::Region), Region(cairo_region_create()) {}

TRegionObject::TRegionObject(const TRect& r) : TGdiObject(TGdiKind::Region)
{
    cairo_rectangle_int_t rect{r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())};
    Region.reset(cairo_region_create_rectangle(&rect));
}

TDeviceContext::TDeviceContext(cairo_surface_t* surface)
    : Surface(cairo_surface_reference(surface)), Cr(cairo_create(surface)),
      Width(cairo_image_surface_get_width(surface)), Height(cairo_image_surface_get_height(surface))
{
    State.Font.lfHeight = -11;
    State.Font.lfFaceName = DefFontName;
    ApplyState();
}

TDeviceContext::TDeviceContext(cairo_surface_t* surface, int width, int height, int pixelsPerInch)
    : Surface(cairo_surface_reference(surface)), Cr(cairo_create(surface)), Width(width), Height(height),
      PixelsPerInch(pixelsPerInch), DirectPixels(false)
{
    State.Font.lfHeight = -11;
    State.Font.lfFaceName = DefFontName;
    ApplyState();
}

TDeviceContext::~TDeviceContext()
{
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
}

void TDeviceContext::ApplyState()
{
    cairo_reset_clip(Cr);
    cairo_identity_matrix(Cr);
    if (State.Clipped) {
        for (const TRect& r : State.ClipRects) cairo_rectangle(Cr, r.Left, r.Top, r.Width(), r.Height());
        if (State.ClipRects.empty()) cairo_rectangle(Cr, 0, 0, 0, 0);
        cairo_clip(Cr);
    }
    if (State.Mirrored) {
        cairo_translate(Cr, State.MirrorWidth, 0);
        cairo_scale(Cr, -1, 1);
    }
    TPoint offset = Offset();
    cairo_translate(Cr, offset.X, offset.Y);
}

TRect TDeviceContext::ClipBox() const
{
    TRect whole{0, 0, Width, Height};
    if (!State.Clipped) return whole;
    TRect box;
    for (const TRect& r : State.ClipRects) box = UnionRect(box, r);
    return IntersectRect(box, whole);
}

void TDeviceContext::SetClipRegion(const cairo_region_t* deviceRegion)
{
    State.ClipRects.clear();
    State.Clipped = deviceRegion != nullptr;
    if (deviceRegion) {
        int n = cairo_region_num_rectangles(deviceRegion);
        for (int i = 0; i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(deviceRegion, i, &r);
            State.ClipRects.push_back({r.x, r.y, r.x + r.width, r.y + r.height});
        }
    }
    ApplyState();
}

CairoRegionPtr TDeviceContext::ClipRegion() const
{
    if (!State.Clipped) {
        cairo_rectangle_int_t whole{0, 0, Width, Height};
        return CairoRegionPtr(cairo_region_create_rectangle(&whole));
    }
    CairoRegionPtr region(cairo_region_create());
    for (const TRect& r : State.ClipRects) {
        cairo_rectangle_int_t rect{r.Left, r.Top, r.Width(), r.Height()};
        cairo_region_union_rectangle(region.get(), &rect);
    }
    return region;
}

TRect TDeviceContext::LogicalToDevice(const TRect& r) const
{
    TPoint offset = Offset();
    TRect d{r.Left + offset.X, r.Top + offset.Y, r.Right + offset.X, r.Bottom + offset.Y};
    if (State.Mirrored) d = {State.MirrorWidth - d.Right, d.Top, State.MirrorWidth - d.Left, d.Bottom};
    return d;
}

bool TDeviceContext::InClip(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height) return false;
    if (!State.Clipped) return true;
    return std::any_of(State.ClipRects.begin(), State.ClipRects.end(), [&](const TRect& r) { return r.Contains({x, y}); });
}

HGDIOBJ TDeviceContext::Snapshot(TGdiKind kind)
{
    int k = static_cast<int>(kind);
    std::unique_ptr<TGdiObject> snapshot;
    if (kind == TGdiKind::Font) snapshot = std::make_unique<TFontObject>(State.Font);
    else if (kind == TGdiKind::Pen) snapshot = std::make_unique<TPenObject>(State.Pen);
    else snapshot = std::make_unique<TBrushObject>(State.Brush);
    snapshot->Stock = true;
    auto& slot = Snapshots[k][NextSnapshot[k]];
    NextSnapshot[k] = (NextSnapshot[k] + 1) % SnapshotRing;
    slot = std::move(snapshot);
    return slot.get();
}

void TDeviceContext::BeginDirectAccess() { cairo_surface_flush(Surface); }
void TDeviceContext::EndDirectAccess() { cairo_surface_mark_dirty(Surface); }

TColorRef ToColorRef(TColor color) noexcept
{
    return static_cast<TColorRef>(ColorToRGB(color)) & 0xFFFFFF;
}

} // namespace graphics

using namespace graphics;

void DrawWithCairo(HDC DC, const std::function<void(_cairo*)>& Draw)
{
    if (!DC || !DC->Cr) return;
    cairo_save(DC->Cr);
    Draw(DC->Cr);
    cairo_restore(DC->Cr);
}

namespace {

TRegionObject* asRegion(HRGN region)
{
    return region && region->Kind == TGdiKind::Region ? static_cast<TRegionObject*>(region) : nullptr;
}

int regionKind(const cairo_region_t* region)
{
    int n = cairo_region_num_rectangles(region);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

HDC CreateBitmapDC(TBitmap& Bitmap) { return new TDeviceContext(Bitmap.Image().Surface); }

void DeleteDC(HDC DC) { delete DC; }

HFONT CreateFontIndirect(const LOGFONT& LogFont) { return new TFontObject(LogFont); }

HPEN CreatePen(TPenStyle Style, int Width, TColorRef Color)
{
    return new TPenObject(TPenState{Color & 0xFFFFFF, Width, Style, pmCopy});
}

HBRUSH CreateSolidBrush(TColorRef Color) { return new TBrushObject(TBrushState{Color & 0xFFFFFF, bsSolid, nullptr}); }

HBRUSH CreateHatchBrush(TBrushStyle Style, TColorRef Color)
{
    return new TBrushObject(TBrushState{Color & 0xFFFFFF, Style, nullptr});
}

HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object)
{
    if (!DC || !Object) return nullptr;
    if (Object->Kind == TGdiKind::Region) {
        SelectClipRgn(DC, Object);
        return nullptr;
    }
    // The context keeps copies of what is selected, so the objects may be freed
    // while selected; the handle returned is a snapshot that restores the old state.
    HGDIOBJ previous = DC->Snapshot(Object->Kind);
    switch (Object->Kind) {
    case TGdiKind::Font: DC->State.Font = static_cast<TFontObject*>(Object)->Log; break;
    case TGdiKind::Pen: DC->State.Pen = static_cast<TPenObject*>(Object)->Pen; break;
    case TGdiKind::Brush: DC->State.Brush = static_cast<TBrushObject*>(Object)->Brush; break;
    default: break;
    }
    return previous;
}

bool DeleteObject(HGDIOBJ Object)
{
    if (!Object || Object->Stock) return false;
    delete Object;
    return true;
}

bool GetObject(HGDIOBJ Object, LOGFONT& LogFont)
{
    if (!Object || Object->Kind != TGdiKind::Font) return false;
    LogFont = static_cast<TFontObject*>(Object)->Log;
    return true;
}

int SaveDC(HDC DC)
{
    if (!DC) return 0;
    DC->Saved.push_back(DC->State);
    return static_cast<int>(DC->Saved.size());
}

bool RestoreDC(HDC DC, int SavedDC)
{
    if (!DC || DC->Saved.empty()) return false;
    int level = SavedDC < 0 ? static_cast<int>(DC->Saved.size()) + 1 + SavedDC : SavedDC;
    if (level < 1 || level > static_cast<int>(DC->Saved.size())) return false;
    DC->State = DC->Saved[static_cast<std::size_t>(level - 1)];
    DC->Saved.resize(static_cast<std::size_t>(level - 1));
    DC->ApplyState();
    return true;
}

int SetBkMode(HDC DC, int Mode)
{
    if (!DC || (Mode != TRANSPARENT && Mode != OPAQUE)) return 0;
    return std::exchange(DC->State.BkMode, Mode);
}

int GetBkMode(HDC DC) { return DC ? DC->State.BkMode : 0; }

TColorRef SetBkColor(HDC DC, TColorRef Color)
{
    return DC ? std::exchange(DC->State.BkColor, Color & 0xFFFFFF) : 0;
}

TColorRef GetBkColor(HDC DC) { return DC ? DC->State.BkColor : 0; }

TColorRef SetTextColor(HDC DC, TColorRef Color)
{
    return DC ? std::exchange(DC->State.TextColor, Color & 0xFFFFFF) : 0;
}

TColorRef GetTextColor(HDC DC) { return DC ? DC->State.TextColor : 0; }

int GetDeviceCaps(HDC DC, int Index)
{
    switch (Index) {
    case HORZRES: return DC ? DC->Width : 0;
    case VERTRES: return DC ? DC->Height : 0;
    case BITSPIXEL: return 32;
    case LOGPIXELSX:
    case LOGPIXELSY: return DC ? DC->PixelsPerInch : ScreenPixelsPerInch;
    default: return 0;
    }
}

bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Previous)
{
    if (!DC) return false;
    if (Previous) *Previous = DC->State.ViewportOrg;
    DC->State.ViewportOrg = {X, Y};
    DC->ApplyState();
    return true;
}

bool GetViewportOrgEx(HDC DC, TPoint& Origin)
{
    if (!DC) return false;
    Origin = DC->State.ViewportOrg;
    return true;
}

bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Previous)
{
    if (!DC) return false;
    return SetViewportOrgEx(DC, DC->State.ViewportOrg.X + DX, DC->State.ViewportOrg.Y + DY, Previous);
}

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Previous)
{
    if (!DC) return false;
    if (Previous) *Previous = DC->State.WindowOrg;
    DC->State.WindowOrg = {X, Y};
    DC->ApplyState();
    return true;
}

bool GetWindowOrgEx(HDC DC, TPoint& Origin)
{
    if (!DC) return false;
    Origin = DC->State.WindowOrg;
    return true;
}

unsigned SetLayout(HDC DC, unsigned Layout)
{
    if (!DC) return 0;
    unsigned previous = DC->State.Mirrored ? LAYOUT_RTL : 0;
    DC->State.Mirrored = (Layout & LAYOUT_RTL) != 0;
    DC->State.MirrorWidth = DC->Width;
    DC->ApplyState();
    return previous;
}

unsigned GetLayout(HDC DC) { return DC && DC->State.Mirrored ? LAYOUT_RTL : 0; }

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom)
{
    return new TRegionObject(TRect{Left, Top, Right, Bottom});
}

HRGN CreateRectRgnIndirect(const TRect& R) { return new TRegionObject(R); }

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode)
{
    // Owned until returned: the size check below may throw.
    auto region = std::make_unique<TRegionObject>();
    if (!Points || Count < 3) return region.release();
    int left = Points[0].X, right = Points[0].X, top = Points[0].Y, bottom = Points[0].Y;
    for (int i = 1; i < Count; ++i) {
        left = std::min(left, Points[i].X), right = std::max(right, Points[i].X);
        top = std::min(top, Points[i].Y), bottom = std::max(bottom, Points[i].Y);
    }
    if (right == left || bottom == top) return region.release();
    CheckBitmapSize(right - left, bottom - top);
    // Rasterise without antialiasing, then collect each row's runs as rectangles.
    const CairoSurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top));
    {
        const CairoPtr cr(cairo_create(mask.get()));
        cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(cr.get(), FillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_move_to(cr.get(), Points[0].X - left, Points[0].Y - top);
        for (int i = 1; i < Count; ++i) cairo_line_to(cr.get(), Points[i].X - left, Points[i].Y - top);
        cairo_close_path(cr.get());
        cairo_fill(cr.get());
    }
    cairo_surface_flush(mask.get());
    const unsigned char* data = cairo_image_surface_get_data(mask.get());
    int stride = cairo_image_surface_get_stride(mask.get());
    for (int y = 0; y < bottom - top; ++y) {
        const unsigned char* row = data + y * stride;
        for (int x = 0; x < right - left;) {
            if (row[x] < 128) {
                ++x;
                continue;
            }
            int start = x;
            while (x < right - left && row[x] >= 128) ++x;
            cairo_rectangle_int_t run{left + start, top + y, x - start, 1};
            cairo_region_union_rectangle(region->Region.get(), &run);
        }
    }
    return region.release();
}

int CombineRgn(HRGN Dest, HRGN Source1, HRGN Source2, int Mode)
{
    TRegionObject* dest = asRegion(Dest);
    TRegionObject* a = asRegion(Source1);
    TRegionObject* b = asRegion(Source2);
    if (!dest || !a || (Mode != RGN_COPY && !b)) return ERROR_REGION;
    CairoRegionPtr result(cairo_region_copy(a->Region.get()));
    cairo_status_t status = CAIRO_STATUS_SUCCESS;
    switch (Mode) {
    case RGN_AND: status = cairo_region_intersect(result.get(), b->Region.get()); break;
    case RGN_OR: status = cairo_region_union(result.get(), b->Region.get()); break;
    case RGN_XOR: status = cairo_region_xor(result.get(), b->Region.get()); break;
    case RGN_DIFF: status = cairo_region_subtract(result.get(), b->Region.get()); break;
    case RGN_COPY: break;
    default: status = CAIRO_STATUS_INVALID_STATUS;
    }
    if (status != CAIRO_STATUS_SUCCESS) return ERROR_REGION;
    dest->Region = std::move(result);
    return regionKind(dest->Region.get());
}

int OffsetRgn(HRGN Region, int DX, int DY)
{
    TRegionObject* region = asRegion(Region);
    if (!region) return ERROR_REGION;
    cairo_region_translate(region->Region.get(), DX, DY);
    return regionKind(region->Region.get());
}

bool PtInRegion(HRGN Region, int X, int Y)
{
    TRegionObject* region = asRegion(Region);
    return region && cairo_region_contains_point(region->Region.get(), X, Y);
}

int GetRgnBox(HRGN Region, TRect& Box)
{
    TRegionObject* region = asRegion(Region);
    if (!region) return ERROR_REGION;
    cairo_rectangle_int_t r;
    cairo_region_get_extents(region->Region.get(), &r);
    Box = {r.x, r.y, r.x + r.width, r.y + r.height};
    return regionKind(region->Region.get());
}

bool EqualRgn(HRGN A, HRGN B)
{
    TRegionObject* a = asRegion(A);
    TRegionObject* b = asRegion(B);
    return a && b && cairo_region_equal(a->Region.get(), b->Region.get());
}

int SelectClipRgn(HDC DC, HRGN Region)
{
    if (!DC) return ERROR_REGION;
    TRegionObject* region = asRegion(Region);
    if (!region) {
        DC->SetClipRegion(nullptr);
        return SIMPLEREGION;
    }
    // The region is logical; the clip is kept in device pixels.
    const CairoRegionPtr device(cairo_region_create());
    int n = cairo_region_num_rectangles(region->Region.get());
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region->Region.get(), i, &r);
        TRect d = DC->LogicalToDevice({r.x, r.y, r.x + r.width, r.y + r.height});
        cairo_rectangle_int_t dr{d.Left, d.Top, d.Width(), d.Height()};
        cairo_region_union_rectangle(device.get(), &dr);
    }
    DC->SetClipRegion(device.get());
    return regionKind(device.get());
}

namespace {

int changeClip(HDC DC, const TRect& logical, bool exclude)
{
    if (!DC) return ERROR_REGION;
    TRect d = DC->LogicalToDevice(logical);
    cairo_rectangle_int_t r{d.Left, d.Top, std::max(0, d.Width()), std::max(0, d.Height())};
    const CairoRegionPtr clip = DC->ClipRegion();
    if (exclude)
        cairo_region_subtract_rectangle(clip.get(), &r);
    else
        cairo_region_intersect_rectangle(clip.get(), &r);
    DC->SetClipRegion(clip.get());
    return regionKind(clip.get());
}

} // namespace

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    return changeClip(DC, {Left, Top, Right, Bottom}, false);
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    return changeClip(DC, {Left, Top, Right, Bottom}, true);
}

int GetClipBox(HDC DC, TRect& Box)
{
    if (!DC) return ERROR_REGION;
    TRect d = DC->ClipBox();
    TPoint offset = DC->Offset();
    if (DC->State.Mirrored) d = {DC->State.MirrorWidth - d.Right, d.Top, DC->State.MirrorWidth - d.Left, d.Bottom};
    Box = {d.Left - offset.X, d.Top - offset.Y, d.Right - offset.X, d.Bottom - offset.Y};
    if (d.IsEmpty()) return NULLREGION;
    return DC->State.Clipped && DC->State.ClipRects.size() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

int GetClipRgn(HDC DC, HRGN Region)
{
    TRegionObject* region = asRegion(Region);
    if (!DC || !region) return -1;
    if (!DC->State.Clipped) return 0;
    region->Region = DC->ClipRegion();
    TPoint offset = DC->Offset();
    cairo_region_translate(region->Region.get(), -offset.X, -offset.Y);
    return 1;
}
