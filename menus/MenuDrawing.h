// Gradient, bar and background painters of the styled menus.
#pragma once

#include "menus/MenuAppearance.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"

class TBackground;
class TCanvas;

// Fills Rect from FromColor to ToColor, one row (gdVertical) or column
// (gdHorizontal) at a time; ToColor clNone fills plain FromColor. The last row
// or column stops one step short of ToColor.
void DrawLinearGradient(TCanvas& Canvas, const TRect& Rect, TColor FromColor, TColor ToColor,
                        TGradientDirection Direction);
// Paints only the part inside ClipRect of the gradient that would fill
// FullRect, so that neighbouring slices join without a seam.
void DrawGradientSlice(TCanvas& Canvas, const TRect& FullRect, const TRect& ClipRect, TColor FromColor,
                       TColor ToColor, TGradientDirection Direction);
// A gradient (when Fill and Color is a colour) framed in BorderColor (when a colour).
void DrawGradientBox(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo,
                     TGradientDirection Direction, TColor BorderColor, bool Fill);
// As DrawGradientBox; with ColorMirror the lower half has a gradient of its own.
void DrawMirrorGradientBox(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor ColorMirror,
                           TColor ColorMirrorTo, TGradientDirection Direction, TColor BorderColor, bool Fill);
// A band inset by Margin at both ends whose ends fade over GradientWidth pixels.
void DrawGradientBar(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                     TGradientType GradientType, int GradientWidth, int Margin);
// Composes Background (gradient and picture) in its work bitmap and draws it
// into Rect less the background's margins.
void PaintMenuBackground(TCanvas& Canvas, const TRect& Rect, TBackground& Background, bool WithGradient);
