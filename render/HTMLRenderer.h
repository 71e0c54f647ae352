// The mini-HTML renderer: lays markup out in a rectangle and draws, measures or hit-tests it.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/ui/Messages.h"
#include "platform/graphics/Types.h"

#include <string>
#include <string_view>

class TCanvas;
class TImageList;
class TPictureContainer;
class THTMLPictureCache;

// How the text reads: left to right, or right to left with or without
// right alignment, or only in right-to-left reading order.
enum THTMLReadingMode : unsigned char {
    rmLeftToRight = 0,
    rmRightToLeft = 1,
    rmRightToLeftNoAlign = 2,
    rmRightToLeftReading = 3,
};

// What one call is asked to do. The canvas's font at the call is the base font of the markup.
struct THTMLRenderParams {
    const TImageList* Images = nullptr;    // source of "IDX:" images
    int XPos = 0;                          // the point to hit-test, canvas coordinates
    int YPos = 0;
    int FocusLink = -1;                    // zero-based link that gets a focus rectangle; -1 none
    int HoverLink = 0;                     // one-based link under the mouse (with HoverOnly)
    int ShadowOffset = 1;                  // pixels right and down of shadowed text
    bool HitTest = false;                  // the second pass only measures and hit-tests
    bool MeasureOnly = false;              // only the measuring pass: nothing drawn, no hit result
    bool Printing = false;                 // image-list pictures and icons stretch by PrintScale
    bool Selected = false;                 // link and FONT colours are not applied
    bool BlinkVisible = true;              // false: blink text takes the entry brush colour
    bool HoverOnly = false;                // only link HoverLink is underlined and hover-coloured
    bool WordWrap = true;                  // break lines at spaces; otherwise ellipsis and stop
    bool MouseDown = false;                // a push button under the point draws pressed
    HWND Window = 0;                       // the window themed form controls are drawn for
    double PrintScale = 1.0;
    TColor LinkColor = clBlue;
    TColor HoverColor = clNone;            // brush behind hovered links
    TColor HoverFontColor = clNone;        // text of hovered links; none = link colour
    TColor ShadowColor = clGray;
    std::string ControlID;                 // hit-test calls: a control to locate by its ID
    THTMLPictureCache* PictureCache = nullptr;
    const TPictureContainer* PictureContainer = nullptr;
    THTMLReadingMode ReadingMode = rmLeftToRight;
};

// What one call found. LinkValue and LinkTitle are written only on a hit.
struct THTMLRenderResult {
    std::string LinkValue;     // HREF under the point; "ctrl" for a form control
    std::string PlainText;     // every text piece without markup; a BR adds a carriage return
    std::string FocusValue;    // HREF of the focus link
    std::string LinkTitle;     // TITLE of the link under the point
    int Width = 0;             // widest line
    int Height = 0;            // sum of the line heights, never 0
    int LinkCount = 0;         // A tags met
    int HoveredLink = -1;      // one-based link under the point
    TRect HoverRect;           // that link's rectangle
    TRect ControlRect;         // the form control under the point
    std::string ControlID;
    std::string ControlValue;
    std::string ControlType;   // upper case
};

// Lays Text out in Bounds and draws it (unless MeasureOnly or HitTest), filling
// Result. True when the hit test found a link, a linked image or a form
// control under the point. Bad markup never raises: an unclosed tag ends the
// text and unknown tags are ignored.
bool RenderHTMLText(TCanvas* Canvas, std::string_view Text, const TRect& Bounds, const THTMLRenderParams& Params,
                    THTMLRenderResult& Result);

// The brush and text colours of HI text for the whole process; until set they
// are the system highlight colours.
void SetHTMLHighlightColors(TColor Background, TColor Text);

// Adjusts DrawText flags for the reading mode: in a Middle-East locale, mode 1
// toggles right alignment and modes 1 to 3 add right-to-left reading.
unsigned BiDiDrawTextFlags(unsigned Flags, THTMLReadingMode Mode);
unsigned BiDiDrawTextFlags(unsigned Flags, THTMLReadingMode Mode, bool MiddleEastLocale);
