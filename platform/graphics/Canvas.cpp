// The canvas: keeps its font, pen and brush selected in its device context and draws through it.
#include "platform/graphics/Canvas.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiState.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Exceptions.h"

#include <cairo.h>

using namespace graphics;

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FFont->OnChange = [this](TObject*) { FFontDirty = true; };
    FPen->OnChange = [this](TObject*) { FPenDirty = true; };
    FBrush->OnChange = [this](TObject*) { FBrushDirty = true; };
}

TCanvas::~TCanvas() { DeleteHandle(); }

HDC TCanvas::Handle()
{
    if (!FHandle) CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
    SelectObjects();
    return FHandle;
}

void TCanvas::SetHandle(HDC Value)
{
    if (Value == FHandle) return;
    DeleteHandle();
    FHandle = Value;
    FOwnsHandle = false;
    if (FHandle) FHandle->State.PenPos = FPenPos;
    Refresh();
}

void TCanvas::SetOwnedHandle(HDC Value)
{
    DeleteHandle();
    FHandle = Value;
    FOwnsHandle = true;
    if (FHandle) FHandle->State.PenPos = FPenPos;
    Refresh();
}

void TCanvas::DeleteHandle()
{
    if (FHandle) FPenPos = FHandle->State.PenPos;
    if (FOwnsHandle && FHandle) DeleteDC(FHandle);
    FHandle = nullptr;
    FOwnsHandle = false;
}

void TCanvas::Refresh() { FFontDirty = FPenDirty = FBrushDirty = true; }

void TCanvas::SelectObjects()
{
    TDcState& state = FHandle->State;
    // The text colour follows the font and the background the brush; both are
    // set only when those change, so that a caller's SetTextColor on the
    // handle holds until then.
    if (FFontDirty) {
        state.Font = FFont->LogFont();
        state.TextColor = ToColorRef(FFont->Color());
        FFontDirty = false;
    }
    if (FPenDirty) {
        state.Pen = {ToColorRef(FPen->Color()), FPen->Width(), FPen->Style(), FPen->Mode()};
        FPenDirty = false;
    }
    if (FBrushDirty) {
        state.Brush = {ToColorRef(FBrush->Color()), FBrush->Style(), FBrush->Bitmap()};
        // A hatched brush draws only its lines: the background shows through.
        bool solid = FBrush->Style() == bsSolid;
        state.BkColor = solid ? ToColorRef(FBrush->Color()) : ~ToColorRef(FBrush->Color()) & 0xFFFFFF;
        state.BkMode = solid ? OPAQUE_MODE : TRANSPARENT_MODE;
        FBrushDirty = false;
    }
}

void TCanvas::Changing()
{
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() const noexcept { return FHandle ? FHandle->State.PenPos : FPenPos; }

void TCanvas::SetPenPos(TPoint Value)
{
    FPenPos = Value;
    if (FHandle) FHandle->State.PenPos = Value;
}

TRect TCanvas::ClipRect()
{
    TRect box;
    GetClipBox(Handle(), box);
    return box;
}

void TCanvas::MoveTo(int X, int Y) { ::MoveToEx(Handle(), X, Y); }

void TCanvas::LineTo(int X, int Y)
{
    HDC dc = Handle();
    Changing();
    ::LineTo(dc, X, Y);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    HDC dc = Handle();
    Changing();
    ::Rectangle(dc, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::FillRect(const TRect& R)
{
    HDC dc = Handle();
    Changing();
    FillWithBrush(*dc, [&](cairo_t* cr) { cairo_rectangle(cr, R.Left, R.Top, R.Width(), R.Height()); }, dc->State.Brush);
    Changed();
}

void TCanvas::FrameRect(const TRect& R)
{
    HDC dc = Handle();
    Changing();
    HBRUSH brush = new TBrushObject(dc->State.Brush);
    ::FrameRect(dc, R, brush);
    DeleteObject(brush);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    HDC dc = Handle();
    Changing();
    ::RoundRect(dc, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    HDC dc = Handle();
    Changing();
    ::Ellipse(dc, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points)
{
    HDC dc = Handle();
    Changing();
    ::Polygon(dc, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points)
{
    HDC dc = Handle();
    Changing();
    ::Polyline(dc, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::PolyBezier(std::span<const TPoint> Points)
{
    HDC dc = Handle();
    Changing();
    ::PolyBezier(dc, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    HDC dc = Handle();
    Changing();
    ::Arc(dc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    HDC dc = Handle();
    Changing();
    ::Pie(dc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    HDC dc = Handle();
    Changing();
    ::Chord(dc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    HDC dc = Handle();
    Changing();
    ExtFloodFill(dc, X, Y, ToColorRef(Color), FillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    HDC dc = Handle();
    Changing();
    ::DrawFocusRect(dc, R);
    Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text)
{
    HDC dc = Handle();
    Changing();
    ::ExtTextOut(dc, X, Y, 0, nullptr, Text);
    dc->State.PenPos = {X + TextWidth(Text), Y};
    Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, std::string_view Text)
{
    HDC dc = Handle();
    Changing();
    unsigned options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
    ::ExtTextOut(dc, X, Y, options, &R, Text);
    Changed();
}

void TCanvas::TextRect(TRect& R, std::string& Text, TTextFormat Format)
{
    static constexpr struct {
        TTextFormats Option;
        unsigned Flag;
    } flags[] = {
        {tfBottom, DT_BOTTOM}, {tfCalcRect, DT_CALCRECT}, {tfCenter, DT_CENTER}, {tfEditControl, DT_EDITCONTROL},
        {tfEndEllipsis, DT_END_ELLIPSIS}, {tfPathEllipsis, DT_PATH_ELLIPSIS}, {tfExpandTabs, DT_EXPANDTABS},
        {tfExternalLeading, DT_EXTERNALLEADING}, {tfNoClip, DT_NOCLIP}, {tfNoPrefix, DT_NOPREFIX},
        {tfRight, DT_RIGHT}, {tfRtlReading, DT_RTLREADING}, {tfSingleLine, DT_SINGLELINE},
        {tfVerticalCenter, DT_VCENTER}, {tfWordBreak, DT_WORDBREAK}, {tfHidePrefix, DT_HIDEPREFIX},
        {tfPrefixOnly, DT_PREFIXONLY}, {tfTabStop, DT_TABSTOP}, {tfWordEllipsis, DT_WORD_ELLIPSIS},
    };
    unsigned format = 0;
    for (const auto& f : flags)
        if (Format.Contains(f.Option)) format |= f.Flag;
    HDC dc = Handle();
    if (!(format & DT_CALCRECT)) Changing();
    if (FBrush->Style() == bsClear) SetBkMode(dc, TRANSPARENT);
    ::DrawText(dc, Text, R, format);
    if (!(format & DT_CALCRECT)) Changed();
}

TSize TCanvas::TextExtent(std::string_view Text)
{
    TSize size;
    GetTextExtentPoint32(Handle(), Text, size);
    return size;
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    Graphic->Draw(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    Graphic->Draw(*this, R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source)
{
    HDC dc = Handle();
    HDC source = Canvas.Handle();
    Changing();
    StretchBlt(dc, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), source, Source.Left, Source.Top, Source.Width(),
               Source.Height(), FCopyMode);
    Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color)
{
    if (!Bitmap || Bitmap->Empty()) return;
    // The pixels of Color take the brush: fill with the brush, then draw the
    // bitmap with Color as its transparent colour.
    TBitmap part(Source.Width(), Source.Height());
    part.Canvas()->CopyRect(Rect(0, 0, Source.Width(), Source.Height()), *Bitmap->Canvas(), Source);
    part.SetTransparentMode(tmFixed);
    part.SetTransparentColor(Color);
    part.SetTransparent(true);
    FillRect(Dest);
    StretchDraw(Dest, &part);
}

TColor TCanvas::Pixels(int X, int Y)
{
    TColorRef c = GetPixel(Handle(), X, Y);
    return c == CLR_INVALID ? TColor(-1) : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    HDC dc = Handle();
    Changing();
    SetPixel(dc, X, Y, ToColorRef(Color));
    Changed();
}
