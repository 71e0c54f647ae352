// The bitmap: pixels on a Cairo surface, its canvas, transparent drawing and the BMP form.
#include "platform/graphics/Bitmap.h"

#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiState.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TextOutput.h"
#include "platform/graphics/RasterGraphic.h"
#include "platform/rtl/Exceptions.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

using namespace graphics;

namespace {

// The canvas of a bitmap makes its context on the bitmap's surface when first used.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
    void Release() { DeleteHandle(); }

protected:
    void CreateHandle() override { SetOwnedHandle(CreateBitmapDC(FBitmap)); }
    void Changed() override
    {
        FBitmap.PixelsChanged();
        TCanvas::Changed();
    }

private:
    TBitmap& FBitmap;
};

} // namespace

TBitmap::TBitmap() : FImage(std::make_unique<TBitmapImage>(0, 0, false)) {}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const { return FImage->Width == 0 || FImage->Height == 0; }
int TBitmap::Width() const { return FImage->Width; }
int TBitmap::Height() const { return FImage->Height; }
void TBitmap::SetWidth(int Value) { SetSize(Value, Height()); }
void TBitmap::SetHeight(int Value) { SetSize(Width(), Value); }

void TBitmap::ReplaceImage(std::unique_ptr<TBitmapImage> image)
{
    // The canvas's context points at the old surface; it makes a new one when next used.
    if (FCanvas) static_cast<TBitmapCanvas*>(FCanvas.get())->Release();
    FImage = std::move(image);
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (AWidth == Width() && AHeight == Height()) return;
    auto image = std::make_unique<TBitmapImage>(AWidth, AHeight, FImage->Alpha);
    if (!Empty() && AWidth > 0 && AHeight > 0) {
        const CairoPtr cr(cairo_create(image->Surface));
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr.get(), FImage->Surface, 0, 0);
        cairo_rectangle(cr.get(), 0, 0, std::min(AWidth, Width()), std::min(AHeight, Height()));
        cairo_fill(cr.get());
    }
    ReplaceImage(std::move(image));
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == FPixelFormat) return;
    FPixelFormat = Value;
    bool alpha = Value == pf32bit;
    if (alpha != FImage->Alpha) {
        // Converting keeps the colours; a new alpha channel starts opaque.
        TPixelBuffer pixels = FromImage(*FImage);
        pixels.HasAlpha = alpha;
        ReplaceImage(ToImage(pixels));
    }
    Changed();
}

void TBitmap::SetMonochrome(bool Value)
{
    if (Value == Monochrome()) return;
    SetPixelFormat(Value ? pf1bit : pfDevice);
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    FImage->Flush();
    return static_cast<TColor>(PixelToColorRef(FImage->Row(Height() - 1)[0]));
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value == FTransparentColor) return;
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == FTransparentMode) return;
    if (Value == tmAuto) FTransparentColor = clDefault;
    else if (FTransparentColor == clDefault) FTransparentColor = TransparentColor();
    FTransparentMode = Value;
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return FCanvas.get();
}

TRGBQuad* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= Height()) throw EInvalidOperation("Scan line index out of range");
    FImage->Flush();
    // Writers through the pointer change the pixels behind Cairo's back.
    FImage->MarkDirty();
    return reinterpret_cast<TRGBQuad*>(FImage->Row(Row));
}

const TRGBQuad* TBitmap::ScanLine(int Row) const
{
    if (Row < 0 || Row >= Height()) throw EInvalidOperation("Scan line index out of range");
    FImage->Flush();
    return reinterpret_cast<const TRGBQuad*>(FImage->Row(Row));
}

void TBitmap::PixelsChanged()
{
    TGraphic::Changed();
}

void TBitmap::Changed() { TGraphic::Changed(); }

void TBitmap::Assign(const TPersistent* Source)
{
    if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (bitmap == this) return;
        auto image = std::make_unique<TBitmapImage>(bitmap->Width(), bitmap->Height(), bitmap->FImage->Alpha);
        if (!bitmap->Empty()) {
            bitmap->FImage->Flush();
            std::memcpy(image->Row(0), bitmap->FImage->Row(0), std::size_t(image->Stride) * image->Height);
            image->MarkDirty();
        }
        ReplaceImage(std::move(image));
        FPixelFormat = bitmap->FPixelFormat;
        FHandleType = bitmap->FHandleType;
        FTransparentMode = bitmap->FTransparentMode;
        FTransparentColor = bitmap->FTransparentColor;
        TGraphic::SetTransparent(bitmap->Transparent());
        Changed();
        return;
    }
    if (auto* raster = dynamic_cast<const TRasterGraphic*>(Source)) {
        Assign(&raster->Bitmap());
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        // Any other picture is drawn onto a bitmap of its size.
        auto image = std::make_unique<TBitmapImage>(graphic->Width(), graphic->Height(), true);
        if (!graphic->Empty()) {
            const CairoPtr cr(cairo_create(image->Surface));
            cairo_set_operator(cr.get(), CAIRO_OPERATOR_CLEAR);
            cairo_paint(cr.get());
        }
        ReplaceImage(std::move(image));
        FPixelFormat = pf32bit;
        if (!graphic->Empty()) Canvas()->Draw(0, 0, graphic);
        TGraphic::SetTransparent(graphic->Transparent());
        Changed();
        return;
    }
    if (!Source) {
        ReplaceImage(std::make_unique<TBitmapImage>(0, 0, false));
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::LoadFromStream(TStream& Stream)
{
    std::vector<std::uint8_t> bytes = ReadRemaining(Stream);
    TDibImage dib = ReadBmp(bytes);
    ReplaceImage(ToImage(dib.Pixels));
    switch (dib.BitsPerPixel) {
    case 1: FPixelFormat = pf1bit; break;
    case 4: FPixelFormat = pf4bit; break;
    case 8: FPixelFormat = pf8bit; break;
    case 16: FPixelFormat = pf16bit; break;
    case 24: FPixelFormat = pf24bit; break;
    default: FPixelFormat = dib.Pixels.HasAlpha ? pf32bit : pf24bit; break;
    }
    Changed();
}

void TBitmap::SaveToStream(TStream& Stream) const
{
    int bpp = FPixelFormat == pf32bit ? 32 : FPixelFormat == pf1bit ? 1 : 24;
    std::vector<std::uint8_t> bytes = WriteBmp(FromImage(*FImage), bpp);
    Stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TBitmap::LoadFromResourceName(std::uintptr_t Instance, std::string_view ResName)
{
    TResourceStream stream(Instance, ResName, RT_BITMAP);
    LoadFromStream(stream);
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& Rect) const
{
    if (Empty() || Rect.IsEmpty()) return;
    HDC dc = ACanvas.Handle();
    cairo_surface_t* source = FImage->Surface;
    CairoSurfacePtr keyed;
    if (Monochrome()) {
        // A black-and-white glyph takes the context's colours: dark pixels the
        // text colour, light ones the background colour (or nothing when the
        // background mode is transparent).
        TPixelBuffer pixels = FromImage(*FImage);
        std::uint32_t text = ColorRefToPixel(dc->State.TextColor);
        std::uint32_t back = dc->State.BkMode == TRANSPARENT_MODE ? 0u : ColorRefToPixel(dc->State.BkColor);
        for (auto& p : pixels.Pixels) {
            int luminance = (299 * ((p >> 16) & 0xFF) + 587 * ((p >> 8) & 0xFF) + 114 * (p & 0xFF)) / 1000;
            p = luminance < 128 ? text : back;
        }
        pixels.HasAlpha = true;
        keyed.reset(cairo_surface_reference(ToImage(pixels)->Surface));
        source = keyed.get();
    } else if (Transparent()) {
        // The transparent colour's pixels become clear in a copy that is drawn instead.
        TPixelBuffer pixels = FromImage(*FImage);
        std::uint32_t key = ColorRefToPixel(ToColorRef(TransparentColor())) & 0xFFFFFF;
        for (auto& p : pixels.Pixels)
            if ((p & 0xFFFFFF) == key && (p >> 24) == 0xFF) p = 0;
        pixels.HasAlpha = true;
        keyed.reset(cairo_surface_reference(ToImage(pixels)->Surface));
        source = keyed.get();
    }
    cairo_t* cr = dc->Cr;
    cairo_save(cr);
    cairo_rectangle(cr, Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    cairo_clip(cr);
    cairo_translate(cr, Rect.Left, Rect.Top);
    cairo_scale(cr, double(Rect.Width()) / Width(), double(Rect.Height()) / Height());
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), Rect.Width() == Width() && Rect.Height() == Height()
                                                       ? CAIRO_FILTER_NEAREST
                                                       : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
}

int FontLineHeight(const TFont& Font)
{
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&Font);
    TEXTMETRIC metrics{};
    GetTextMetrics(probe.Canvas()->Handle(), metrics);
    return metrics.tmHeight;
}
