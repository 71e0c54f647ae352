// Plain drawing routines shared by the grids and the drop-down controls:
// gradients, the styled selection box, colour arithmetic, buttons in four
// looks, cell shapes, transparent bitmaps and the layered-window calls.
//
// Every routine draws on the caller's canvas, keeps no state, and leaves the
// canvas's pen, brush and font as its last drawing step set them. A
// rectangle's right and bottom edges are exclusive unless a routine says
// otherwise; clNone marks the absence of a colour.
#pragma once

#include "grid/base/GridEnums.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <string_view>

class TBitmap;
class TCanvas;
struct TColorTones;

namespace grid {

// Button states and looks taken by the button routines.
constexpr int kButtonNormal = 0;
constexpr int kButtonHot = 1;
constexpr int kButtonDown = 2;
constexpr int kButtonDisabled = 3;

constexpr int kButtonLookThemed = 0;
constexpr int kButtonLookClassic = 1;
constexpr int kButtonLookFlat = 2;
constexpr int kButtonLookTones = 3;

} // namespace grid

// Banded gradient from Color to ColorTo across R (left to right when
// Horizontal, else top to bottom) in Steps + 1 bands, Steps kept within
// 1..extent - 1. With one colour clNone the other fills R; with both, nothing is drawn.
void DrawSteppedGradient(TCanvas& Canvas, TColor Color, TColor ColorTo, int Steps, TRect R, bool Horizontal);

// A two- or four-colour background (Fill) and a border (BorderColor), either
// a frame or, with SideLinesOnly, the left and right edges.
void DrawMirrorGradient(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
    TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);

// The gradient's colour at Pos of Min..Max; Color when ColorTo is clNone or
// the range is empty.
TColor GradientColorAt(TColor Color, TColor ColorTo, double Min, double Max, double Pos);

// One cell's piece of a rounded selection box: Part 0 a whole box, 1 its left
// end, 2 its right end, 3 a middle piece.
void DrawStyledSelection(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
    TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor, TColor BackgroundColor,
    const TRect& R, int Part);

// Each channel of the resolved colour halved.
TColor HalveColor(TColor Color);
// Each channel c of the resolved colour becomes c + c x Percent / 100,
// rounded and kept to 0..255.
TColor AdjustColorByPercent(TColor Color, int Percent);

// A drop-down button 17 pixels wide at the right of R.
void DrawComboButton(TCanvas& Canvas, HWND Window, const TRect& R, int Look, int State, const TColorTones& Tones);
// A push button filling R.
void DrawPushButton(TCanvas& Canvas, HWND Window, const TRect& R, int Look, int State, const TColorTones& Tones);
// Up and down buttons 15 pixels wide at the right of R.
void DrawSpinButtons(TCanvas& Canvas, HWND Window, const TRect& R, int Look, int State, const TColorTones& Tones);

// One shape in the box X, Y, Width, Height with PenColor outline and BrushColor fill.
void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
    TColor PenColor);

// Draws the named bitmap resource like DrawBitmapTransparent; raises
// EResNotFound when there is no such resource.
void DrawResourceBitmap(TCanvas& Canvas, TColor BackgroundColor, const TRect& R, std::string_view ResourceName);
// Copies Bitmap in its own size to R's top-left corner, every pixel of the
// colour of its top-left pixel replaced by BackgroundColor.
void DrawBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& R);

// A small filled triangle pointing down, its top edge from X - 3 to X + 3 at Y.
void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color);
void FillRectWithColor(TCanvas& Canvas, const TRect& R, TColor Color);

// Layered windows: their transparency and per-pixel alpha.
constexpr unsigned LWA_COLORKEY = 0x1;
constexpr unsigned LWA_ALPHA = 0x2;
constexpr unsigned ULW_COLORKEY = 0x1;
constexpr unsigned ULW_ALPHA = 0x2;
constexpr unsigned ULW_OPAQUE = 0x4;

struct BLENDFUNCTION {
    std::uint8_t BlendOp;
    std::uint8_t BlendFlags;
    std::uint8_t SourceConstantAlpha;
    std::uint8_t AlphaFormat;
};

// Ask the window system to make a window translucent or to give it a
// per-pixel alpha image. Windows here cannot be layered, so both report
// false: nothing was applied, and callers keep their opaque drawing.
bool TryUpdateLayeredWindow(HWND Wnd, HDC DestDC, const TPoint* DestPos, const TSize* Size, HDC SourceDC,
    const TPoint* SourcePos, TColorRef Key, const BLENDFUNCTION* Blend, unsigned Flags);
bool TrySetLayeredWindowAttributes(HWND Wnd, TColorRef Key, std::uint8_t Alpha, unsigned Flags);
