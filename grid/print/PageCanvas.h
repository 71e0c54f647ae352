// A canvas seen in tenths of a millimetre with y growing upwards: the page's top edge
// is y = 0 and everything on the page has negative y. The page engine lays pages out
// in these units whatever the device's resolution; every call converts to device pixels.
#pragma once

#include "platform/graphics/Canvas.h"

#include <string>
#include <string_view>

namespace grid::print {

class TPageCanvas {
public:
    explicit TPageCanvas(TCanvas& Canvas);

    TCanvas& Canvas() const noexcept { return FCanvas; }
    // The device's resolution, in pixels per inch.
    int DpiX() const noexcept { return FDpiX; }
    int DpiY() const noexcept { return FDpiY; }

    int ToDeviceX(int X) const noexcept;
    int ToDeviceY(int Y) const noexcept;
    int ToLogicalX(int X) const noexcept;
    int ToLogicalY(int Y) const noexcept;
    TPoint LPtoDP(TPoint P) const noexcept { return {ToDeviceX(P.X), ToDeviceY(P.Y)}; }
    TPoint DPtoLP(TPoint P) const noexcept { return {ToLogicalX(P.X), ToLogicalY(P.Y)}; }
    TRect LPtoDP(const TRect& R) const noexcept;
    TRect DPtoLP(const TRect& R) const noexcept;

    // Font heights: a negative height is the character height, as for any font.
    void SetFontHeight(int Height) const;
    TSize TextExtent(std::string_view Text) const;
    int TextWidth(std::string_view Text) const { return TextExtent(Text).cx; }
    int TextHeight(std::string_view Text) const { return TextExtent(Text).cy; }
    // Text with its top-left corner at (X, Y); clipped to Clip when given.
    void TextOut(int X, int Y, std::string_view Text) const;
    void TextOutClipped(const TRect& Clip, int X, int Y, std::string_view Text) const;
    // Formatted text in R (top > bottom) as TCanvas::TextRect lays it out.
    void TextRect(const TRect& R, std::string Text, TTextFormat Format) const;
    // The formatted text's height for width W.
    int MeasureWrapped(int Width, std::string Text) const;

    // The pen's width in tenths of a millimetre (at least one device pixel).
    void SetPenWidth(int Width) const;
    void Line(int X1, int Y1, int X2, int Y2) const;
    void FillRect(const TRect& R) const;

private:
    TCanvas& FCanvas;
    int FDpiX, FDpiY;
};

} // namespace grid::print
