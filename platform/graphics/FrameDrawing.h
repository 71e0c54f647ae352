// GDI-style 3-D edges, frame controls (check boxes, radio buttons, push buttons, arrows) and gradient fills.
#pragma once

#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"

#include <cstdint>

constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr unsigned BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Draws the edges of R in the system's 3-D colours; with BF_ADJUST, R becomes
// the rectangle inside them.
bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags);

constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;

constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x2;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_TRANSPARENT = 0x800;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// Draws a check box, radio button or push button (DFC_BUTTON), or a scroll
// or combo-box arrow button (DFC_SCROLL), in R with the given state. Returns
// false for kinds it does not draw.
bool DrawFrameControl(HDC DC, TRect& R, unsigned Type, unsigned State);

struct TRIVERTEX {
    int x;
    int y;
    std::uint16_t Red;  // colour channels in 16 bits, as 0xFF00 for full
    std::uint16_t Green;
    std::uint16_t Blue;
    std::uint16_t Alpha;
};

struct GRADIENT_RECT {
    unsigned UpperLeft;
    unsigned LowerRight;
};

constexpr unsigned GRADIENT_FILL_RECT_H = 0;
constexpr unsigned GRADIENT_FILL_RECT_V = 1;

// Fills each rectangle between two vertices, shading from the first
// vertex's colour to the second's, across (H) or down (V).
bool GradientFill(HDC DC, const TRIVERTEX* Vertices, unsigned VertexCount, const GRADIENT_RECT* Rects, unsigned RectCount,
                  unsigned Mode);
