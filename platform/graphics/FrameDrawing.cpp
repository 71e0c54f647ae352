// 3-D edges, frame controls and gradient fills drawn with the fixed system palette.
#include "platform/graphics/FrameDrawing.h"

#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiState.h"

#include <cairo.h>

#include <algorithm>
#include <numbers>

using namespace graphics;

namespace {

void fill(HDC dc, const TRect& r, TColorRef color)
{
    if (r.IsEmpty()) return;
    cairo_t* cr = dc->Cr;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    SetSourceColor(cr, color);
    cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
    cairo_fill(cr);
    cairo_restore(cr);
}

TColorRef sys(int index) { return GetSysColor(index); }

// One ring of an edge: top and left in one colour, bottom and right in another.
void ring(HDC dc, TRect& r, TColorRef topLeft, TColorRef bottomRight, unsigned sides)
{
    if (sides & BF_TOP) fill(dc, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    if (sides & BF_LEFT) fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    if (sides & BF_BOTTOM) fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    if (sides & BF_RIGHT) fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    if (sides & BF_TOP) ++r.Top;
    if (sides & BF_LEFT) ++r.Left;
    if (sides & BF_BOTTOM) --r.Bottom;
    if (sides & BF_RIGHT) --r.Right;
}

void arrow(HDC dc, const TRect& r, unsigned direction, TColorRef color, int shift)
{
    int size = std::max(2, std::min(r.Width(), r.Height()) / 3);
    int cx = (r.Left + r.Right) / 2 + shift, cy = (r.Top + r.Bottom) / 2 + shift;
    cairo_t* cr = dc->Cr;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    SetSourceColor(cr, color);
    int half = size / 2 + 1;
    // A filled triangle made of rows, so that it is symmetric to the pixel.
    for (int i = 0; i < half; ++i) {
        int len = 2 * (half - i) - 1;
        switch (direction) {
        case DFCS_SCROLLUP: cairo_rectangle(cr, cx - len / 2, cy - half / 2 + (half - 1 - i), len, 1); break;
        case DFCS_SCROLLLEFT: cairo_rectangle(cr, cx - half / 2 + (half - 1 - i), cy - len / 2, 1, len); break;
        case DFCS_SCROLLRIGHT: cairo_rectangle(cr, cx - half / 2 + i, cy - len / 2, 1, len); break;
        default: cairo_rectangle(cr, cx - len / 2, cy - half / 2 + i, len, 1); break;
        }
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void buttonFace(HDC dc, TRect& r, unsigned state)
{
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        ring(dc, r, sys(state & DFCS_MONO ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW),
             sys(state & DFCS_MONO ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW), BF_RECT);
    } else if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        ring(dc, r, sys(COLOR_BTNSHADOW), sys(COLOR_BTNSHADOW), BF_RECT);
    } else {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    }
    if (!(state & DFCS_TRANSPARENT)) fill(dc, r, sys(COLOR_BTNFACE));
}

// A square of the glyph size centred in the rectangle.
TRect glyphBox(const TRect& r)
{
    int size = std::min({r.Width(), r.Height(), 13});
    int left = r.Left + (r.Width() - size) / 2, top = r.Top + (r.Height() - size) / 2;
    return {left, top, left + size, top + size};
}

void checkBox(HDC dc, const TRect& r, unsigned state)
{
    TRect box = glyphBox(r);
    bool inactive = state & DFCS_INACTIVE;
    if (state & (DFCS_FLAT | DFCS_MONO))
        ring(dc, box, sys(COLOR_BTNSHADOW), sys(COLOR_BTNSHADOW), BF_RECT);
    else
        DrawEdge(dc, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    bool greyed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    fill(dc, box, sys((inactive || (state & DFCS_PUSHED) || greyed) ? COLOR_BTNFACE : COLOR_WINDOW));
    if (!(state & DFCS_CHECKED)) return;
    // The tick: a seven-pixel wide "v" three pixels thick, scaled to the box.
    TColorRef mark = sys(inactive ? COLOR_GRAYTEXT : greyed ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    int size = box.Width();
    int x0 = box.Left + (size - 7) / 2, y0 = box.Top + (size - 7) / 2 + 2;
    static const int dy[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) fill(dc, {x0 + i, y0 + dy[i], x0 + i + 1, y0 + dy[i] + 3}, mark);
}

void radioButton(HDC dc, const TRect& r, unsigned state)
{
    TRect box = glyphBox(r);
    bool inactive = state & DFCS_INACTIVE;
    cairo_t* cr = dc->Cr;
    double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0, radius = box.Width() / 2.0;
    auto disc = [&](double rad, TColorRef color, double from, double to) {
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        SetSourceColor(cr, color);
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, rad, from, to);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_restore(cr);
    };
    const double pi = std::numbers::pi;
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        disc(radius, sys(COLOR_BTNSHADOW), 0, 2 * pi);
    } else {
        // Upper-left half dark and lower-right half light, as a sunken edge.
        disc(radius, sys(COLOR_BTNSHADOW), 3 * pi / 4, 7 * pi / 4);
        disc(radius, sys(COLOR_BTNHIGHLIGHT), -pi / 4, 3 * pi / 4);
        disc(radius - 1, sys(COLOR_3DDKSHADOW), 3 * pi / 4, 7 * pi / 4);
        disc(radius - 1, sys(COLOR_3DLIGHT), -pi / 4, 3 * pi / 4);
    }
    disc(radius - 2, sys((inactive || (state & DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW), 0, 2 * pi);
    if (state & DFCS_CHECKED) disc(std::max(1.5, radius / 3), sys(inactive ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT), 0, 2 * pi);
}

} // namespace

bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags)
{
    if (!DC) return false;
    TRect r = R;
    unsigned sides = Flags & BF_RECT;
    TColorRef outerTL, outerBR, innerTL, innerBR;
    if (Flags & (BF_FLAT | BF_MONO)) {
        TColorRef frame = sys(Flags & BF_MONO ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
        TColorRef inner = sys(Flags & BF_MONO ? COLOR_WINDOW : COLOR_BTNFACE);
        outerTL = outerBR = frame;
        innerTL = innerBR = inner;
    } else {
        bool soft = Flags & BF_SOFT;
        outerTL = (Edge & BDR_RAISEDOUTER) ? sys(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT) : sys(COLOR_BTNSHADOW);
        outerBR = (Edge & BDR_RAISEDOUTER) ? sys(COLOR_3DDKSHADOW) : sys(COLOR_BTNHIGHLIGHT);
        innerTL = (Edge & BDR_RAISEDINNER) ? sys(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT) : sys(COLOR_3DDKSHADOW);
        innerBR = (Edge & BDR_RAISEDINNER) ? sys(COLOR_BTNSHADOW) : sys(COLOR_3DLIGHT);
    }
    if (Edge & BDR_OUTER) ring(DC, r, outerTL, outerBR, sides);
    if (Edge & BDR_INNER) ring(DC, r, innerTL, innerBR, sides);
    if (Flags & BF_MIDDLE) fill(DC, r, sys(Flags & BF_MONO ? COLOR_WINDOW : COLOR_BTNFACE));
    if (Flags & BF_ADJUST) R = r;
    return true;
}

bool DrawFrameControl(HDC DC, TRect& R, unsigned Type, unsigned State)
{
    if (!DC) return false;
    if (Type == DFC_BUTTON) {
        if (State & DFCS_BUTTONPUSH) {
            TRect r = R;
            buttonFace(DC, r, State);
            if (State & DFCS_ADJUSTRECT) R = r;
        } else if (State & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) {
            radioButton(DC, R, State);
        } else if (State & DFCS_BUTTONRADIOMASK) {
            return false;
        } else {
            checkBox(DC, R, State);
        }
        return true;
    }
    if (Type == DFC_SCROLL) {
        unsigned kind = State & 0xFF;
        if (kind > DFCS_SCROLLRIGHT && kind != DFCS_SCROLLCOMBOBOX) return false;
        TRect r = R;
        buttonFace(DC, r, State);
        int shift = (State & DFCS_PUSHED) ? 1 : 0;
        unsigned direction = kind == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : kind;
        if (State & DFCS_INACTIVE) {
            arrow(DC, r, direction, sys(COLOR_BTNHIGHLIGHT), 1);
            arrow(DC, r, direction, sys(COLOR_BTNSHADOW), 0);
        } else {
            arrow(DC, r, direction, sys(COLOR_BTNTEXT), shift);
        }
        return true;
    }
    return false;
}

bool GradientFill(HDC DC, const TRIVERTEX* Vertices, unsigned VertexCount, const GRADIENT_RECT* Rects, unsigned RectCount,
                  unsigned Mode)
{
    if (!DC || !Vertices || !Rects || (Mode != GRADIENT_FILL_RECT_H && Mode != GRADIENT_FILL_RECT_V)) return false;
    cairo_t* cr = DC->Cr;
    for (unsigned i = 0; i < RectCount; ++i) {
        if (Rects[i].UpperLeft >= VertexCount || Rects[i].LowerRight >= VertexCount) return false;
        const TRIVERTEX& a = Vertices[Rects[i].UpperLeft];
        const TRIVERTEX& b = Vertices[Rects[i].LowerRight];
        int left = std::min(a.x, b.x), right = std::max(a.x, b.x), top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
        if (left == right || top == bottom) continue;
        // The gradient runs from the first vertex's side to the second's, one
        // colour per pixel column (or row) as the stepped original shows.
        bool horizontal = Mode == GRADIENT_FILL_RECT_H;
        const TRIVERTEX& from = (horizontal ? a.x <= b.x : a.y <= b.y) ? a : b;
        const TRIVERTEX& to = &from == &a ? b : a;
        int steps = horizontal ? right - left : bottom - top;
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        for (int s = 0; s < steps; ++s) {
            double t = steps > 1 ? double(s) / (steps - 1) : 0;
            auto mix = [t](std::uint16_t p, std::uint16_t q) { return ((p >> 8) + t * ((q >> 8) - (p >> 8))) / 255.0; };
            cairo_set_source_rgb(cr, mix(from.Red, to.Red), mix(from.Green, to.Green), mix(from.Blue, to.Blue));
            if (horizontal) cairo_rectangle(cr, left + s, top, 1, bottom - top);
            else cairo_rectangle(cr, left, top + s, right - left, 1);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    return true;
}
