// Drawing routines shared by the drop-downs, their popups and panels, and by
// the string grid's panels.
#pragma once

#include <string>
#include <string_view>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"

class TBitmap;
class TCanvas;
class TImageList;

namespace controls {

enum TGradientDirection { gdHorizontal, gdVertical };
// The preset selection colours of the pickers; scCustom keeps the colours set.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// Fills Rect with Steps bands going from FromColor to ToColor, left to right
// when Horizontal, else top to bottom. Neighbouring bands overlap by one
// pixel so that no gap shows whatever the rounding.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, TRect Rect, int Steps);

// Percent of Color1 mixed with the rest of Color2. At 100 or more Color1 comes
// back unchanged (a system colour stays a system colour), at 0 or less Color2.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);

// A tone of Color: each non-zero channel shrinks by the (negative) percentage
// Delta, and a zero channel becomes max(0, Delta).
TColor AdjustColorTone(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue);

// Width and height of one line of text in the canvas's font; (0, 0) for none.
TSize MeasureTextLine(TCanvas& Canvas, std::string_view Text);

// The longest leading part of Text narrower than MaxWidth (with "..." when
// AddEllipsis); Text itself when it fits, or when no part does.
std::string TruncateText(TCanvas& Canvas, std::string_view Text, int MaxWidth, bool AddEllipsis);

// An image of Images (ImageIndex 0 or more) at the left, vertically centred,
// and a one-line caption with an end ellipsis: centred without an image, after
// it with one. An empty text draws no caption.
void DrawImageAndText(TCanvas& Canvas, TRect Rect, std::string_view Text, int ImageIndex, const TImageList* Images,
                      bool Enabled = true);

// A gradient (ColorTo set) or plain (Color set) fill with an optional outline.
void DrawRectangle(TCanvas& Canvas, TRect Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                   TColor BorderColor, int BorderWidth);

// Bitmap copied into Rect with the colour of its top-left pixel replaced by
// BackColor: a glyph on a background of that colour.
void DrawTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor BackColor, const TRect& Rect);

// Mini-HTML Text laid out in Rect: drawn when Draw, else only measured.
// Returns the size the text takes; Images supplies its "IDX:" pictures.
TSize DrawHTMLText(TCanvas& Canvas, std::string_view Text, const TRect& Rect, bool Draw,
                   const TImageList* Images = nullptr);

} // namespace controls
