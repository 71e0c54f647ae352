// Drawing routines that show a number inside a cell: a progress bar with text,
// a styled multi-level progress bar, a circular gauge, a bar growing either
// way from the middle, and the zig-zag under a misspelt range of characters.
//
// Like the painting routines they draw on the caller's canvas, keep no state
// and leave the canvas's pen, brush and font as their last step set them.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"

#include <string_view>

class TCanvas;
class TFont;
class TWinControl;

// The look of a level progress bar, filled by the grid from its progress
// appearance. Percentages are 0..100.
namespace grid {

struct TLevelProgressSettings {
    TColor Level0Color = clNone;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clNone;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = clNone;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clNone;
    TColor Level3ColorTo = clNone;
    int Level1Perc = 0;
    int Level2Perc = 0;
    TColor BorderColor = clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    const TFont* Font = nullptr; // the canvas's font when null
    TColor CompleteFontColor = clBlack;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int Steps = 1;
    TColor UnCompleteColor = clNone;
    bool Vertical = false;
};

} // namespace grid

// A bar filled to Value's place in Min..Max (clamped to 0..100 percent) with
// centred text: FormatText formatted with the value (as a rounded integer when
// its conversion is d, u or x, else as a real), or without FormatText the
// rounded value and "%". The text takes the font colour of the part it is
// over. When Min equals Max the bar is empty below Max and full from it.
void DrawProgressBar(TCanvas& Canvas, const TRect& R, TColor FilledColor, TColor FilledFontColor,
    TColor EmptyColor, TColor EmptyFontColor, double Value, int MarginX, int MarginY, double Min, double Max,
    std::string_view FormatText, TColor BorderColor, bool Printing);

// A bar in up to four level colours, stacked or chosen by Percent, smooth or in blocks.
void DrawLevelProgressBar(
    TCanvas& Canvas, const TRect& R, int Percent, const grid::TLevelProgressSettings& Settings);

// A grey circle with its wedge from 12 o'clock to Percent x 3.6 degrees clockwise filled in FillColor.
void DrawPieProgress(TCanvas& Canvas, const TRect& R, TColor FillColor, int Percent, bool Printing);

// A bar from the middle of R, to the right for positive values and to the left
// for negative ones, full at Max (Value is kept to -Max..Max; a Max of 0 or
// less draws no bar). With ShowValue the kept value is written at the top.
void DrawSignedBar(TCanvas& Canvas, const TRect& R, double Value, double Max, bool ShowValue, TColor NegativeColor,
    TColor PositiveColor);

// A red zig-zag under the characters Start .. Start + Length - 1 (counted from
// 0) of Text as a hidden edit of Grid's font lays them out in R, Offset pixels
// below their top.
void DrawErrorUnderline(TWinControl& Grid, TCanvas& Canvas, std::string_view Text, const TRect& R, int Offset,
    int Start, int Length);
