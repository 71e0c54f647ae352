// What the markup renderer's line pass shares with the inline items it lays out: images and form controls.
#pragma once

#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

#include <string>

class TCanvas;

namespace render {

// One line pass at the moment it meets an inline item. The item reads where the
// line stands and moves X, DrawX and LineHeight on by the room it takes.
struct THTMLInlinePass {
    TCanvas* Canvas = nullptr;
    bool Painting = false;    // draws; otherwise the pass only measures and hit-tests
    int Left = 0;             // the pass's left edge (canvas coordinates)
    int Top = 0;              // the pass's top
    int Bottom = 0;           // the pass's bottom: form controls stand on it
    int AvailableWidth = 0;   // pass right minus pass left
    TPoint Point;             // the point to hit-test, canvas coordinates
    int X = 0;                // line width so far, relative to Left
    int DrawX = 0;            // where the next item is drawn (canvas coordinates)
    int LineHeight = 0;
    bool Wrap = false;        // set when the item does not fit: its tag starts the next line
    bool ItemHit = false;     // set when the point lies on the item
};

// The size and hover state of the form control last laid out; a CONTROL tag with
// an unreadable WIDTH keeps the previous control's width and item height.
struct THTMLControlGeometry {
    int Width = 0;
    int Height = 0;
    int ItemHeight = 0;
    bool Hover = false;
};

// State of one renderer call that images and form controls share, and the
// hit results they report. The caller resets ImageCounter at the start of each
// line's passes (both passes of a line count from the same value).
struct THTMLItemCallState {
    bool HitTestCall = false;  // the call's second pass only hit-tests
    bool MouseDown = false;    // a hovered push button draws pressed
    bool Themed = false;       // form controls draw in the desktop theme's look
    HWND Window = 0;           // the window the theme is opened for
    int ImageCounter = 0;      // grows by one for every IMG tag
    int ImageHit = -1;         // number of the image (or control) under the point
    THTMLControlGeometry Control;
    // Hit results, written only on a hit.
    std::string LinkValue;
    std::string LinkTitle;
    TRect ControlRect;
    std::string ControlID;     // in hit-test calls also the ID of a control to locate
    std::string ControlValue;
    std::string ControlType;
};

} // namespace render
