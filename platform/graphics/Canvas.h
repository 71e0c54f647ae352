// The canvas: drawing with a font, pen and brush on a device context.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

class TGraphic;
class TBitmap;

enum TFillStyle { fsSurface, fsBorder };

// Options of TextRect's formatted form.
enum TTextFormats {
    tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis, tfExpandTabs,
    tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight, tfRtlReading,
    tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak, tfHidePrefix, tfNoFullWidthCharBreak,
    tfPrefixOnly, tfTabStop, tfWordEllipsis, tfComposited
};
using TTextFormat = graphics::TEnumSet<TTextFormats>;

class TCanvas : public TPersistent {
    VISTRA_CLASS(TCanvas, TPersistent)

    TCanvas();
    ~TCanvas() override;

    TFont* Font() const noexcept { return FFont.get(); }
    TPen* Pen() const noexcept { return FPen.get(); }
    TBrush* Brush() const noexcept { return FBrush.get(); }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    void SetPen(const TPen* Value) { FPen->Assign(Value); }
    void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }

    // The device context with this canvas's font, pen and brush selected.
    HDC Handle();
    // Draws on a device context the caller owns (nullptr detaches).
    void SetHandle(HDC Value);
    bool HandleAllocated() const noexcept { return FHandle != nullptr; }

    TPoint PenPos() const noexcept;
    void SetPenPos(TPoint Value);
    unsigned CopyMode() const noexcept { return FCopyMode; }
    void SetCopyMode(unsigned Value) { FCopyMode = Value; }
    // The clip's bounding box in logical coordinates.
    TRect ClipRect();

    void MoveTo(int X, int Y);
    // Draws to (X, Y) with the pen, leaving out the end point.
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void Polygon(std::span<const TPoint> Points);
    void Polyline(std::span<const TPoint> Points);
    void PolyBezier(std::span<const TPoint> Points);
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
    // The platform focus rectangle: dotted and XOR-ed, so drawing it twice erases it.
    void DrawFocusRect(const TRect& R);

    // Text at (X, Y), the top-left corner of its cell, in the font's colour;
    // the background is filled with the brush unless the brush is clear.
    void TextOut(int X, int Y, std::string_view Text);
    // Text at (X, Y), clipped to R (R filled with the brush first unless clear).
    void TextRect(const TRect& R, int X, int Y, std::string_view Text);
    // Formatted text in R as DrawText lays it out; with tfCalcRect R receives the extent.
    void TextRect(TRect& R, std::string& Text, TTextFormat Format);
    TSize TextExtent(std::string_view Text);
    int TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
    int TextHeight(std::string_view Text) { return TextExtent(Text).cy; }

    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& R, const TGraphic* Graphic);
    // Copies Source's rectangle into Dest, scaling it, with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source);
    // Copies a bitmap's rectangle, painting the pixels of Color with the brush.
    void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Color);

    // Forgets the selected objects so that the next use selects them again.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Called when Handle is needed and none is set: a derived canvas makes one.
    virtual void CreateHandle() {}
    // Frees a context this canvas made for itself.
    void DeleteHandle();
    void SetOwnedHandle(HDC Value);
    virtual void Changing();
    virtual void Changed();

private:
    void SelectObjects();

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    HDC FHandle = nullptr;
    bool FOwnsHandle = false;
    bool FFontDirty = true;
    bool FPenDirty = true;
    bool FBrushDirty = true;
    TPoint FPenPos; // kept while there is no handle
    unsigned FCopyMode = 0x00CC0020;
};
