// Tenths of a millimetre, y upwards, over a canvas of any resolution.
#include "grid/print/PageCanvas.h"

#include "platform/graphics/DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace grid::print {

namespace {

int Scale(int Value, double Factor) { return static_cast<int>(std::lround(Value * Factor)); }

} // namespace

TPageCanvas::TPageCanvas(TCanvas& Canvas)
    : FCanvas(Canvas), FDpiX(GetDeviceCaps(Canvas.Handle(), LOGPIXELSX)),
      FDpiY(GetDeviceCaps(Canvas.Handle(), LOGPIXELSY))
{
    if (FDpiX <= 0) FDpiX = ScreenPixelsPerInch;
    if (FDpiY <= 0) FDpiY = ScreenPixelsPerInch;
}

int TPageCanvas::ToDeviceX(int X) const noexcept { return Scale(X, FDpiX / 254.0); }
int TPageCanvas::ToDeviceY(int Y) const noexcept { return Scale(-Y, FDpiY / 254.0); }
int TPageCanvas::ToLogicalX(int X) const noexcept { return Scale(X, 254.0 / FDpiX); }
int TPageCanvas::ToLogicalY(int Y) const noexcept { return -Scale(Y, 254.0 / FDpiY); }

TRect TPageCanvas::LPtoDP(const TRect& R) const noexcept
{
    return {ToDeviceX(R.Left), ToDeviceY(R.Top), ToDeviceX(R.Right), ToDeviceY(R.Bottom)};
}

TRect TPageCanvas::DPtoLP(const TRect& R) const noexcept
{
    return {ToLogicalX(R.Left), ToLogicalY(R.Top), ToLogicalX(R.Right), ToLogicalY(R.Bottom)};
}

void TPageCanvas::SetFontHeight(int Height) const
{
    int device = Scale(std::abs(Height), FDpiY / 254.0);
    FCanvas.Font()->SetHeight(Height < 0 ? -std::max(device, 1) : std::max(device, 1));
}

TSize TPageCanvas::TextExtent(std::string_view Text) const
{
    TSize size = FCanvas.TextExtent(Text);
    return {Scale(size.cx, 254.0 / FDpiX), Scale(size.cy, 254.0 / FDpiY)};
}

void TPageCanvas::TextOut(int X, int Y, std::string_view Text) const
{
    FCanvas.TextOut(ToDeviceX(X), ToDeviceY(Y), Text);
}

void TPageCanvas::TextOutClipped(const TRect& Clip, int X, int Y, std::string_view Text) const
{
    FCanvas.TextRect(LPtoDP(Clip), ToDeviceX(X), ToDeviceY(Y), Text);
}

void TPageCanvas::TextRect(const TRect& R, std::string Text, TTextFormat Format) const
{
    TRect device = LPtoDP(R);
    FCanvas.TextRect(device, Text, Format);
}

int TPageCanvas::MeasureWrapped(int Width, std::string Text) const
{
    TRect device{0, 0, ToDeviceX(Width), 50};
    FCanvas.TextRect(device, Text, TTextFormat{tfCalcRect, tfWordBreak, tfNoPrefix});
    return Scale(device.Height(), 254.0 / FDpiY);
}

void TPageCanvas::SetPenWidth(int Width) const { FCanvas.Pen()->SetWidth(std::max(1, Scale(Width, FDpiX / 254.0))); }

void TPageCanvas::Line(int X1, int Y1, int X2, int Y2) const
{
    FCanvas.MoveTo(ToDeviceX(X1), ToDeviceY(Y1));
    FCanvas.LineTo(ToDeviceX(X2), ToDeviceY(Y2));
}

void TPageCanvas::FillRect(const TRect& R) const { FCanvas.FillRect(LPtoDP(R)); }

} // namespace grid::print
