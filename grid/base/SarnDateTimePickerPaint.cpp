// Drawing the grid's date-time picker: its own drop-down button, the flat border and the frame.
#include "grid/base/SarnDateTimePicker.h"

#include <array>

#include "grid/base/QuillUtilPaint.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/WinControl.h"
#include "render/QuillStyleIF.h"

namespace {

// The frame colour of themed pickers, whatever colours were chosen.
constexpr TColor kThemedFrameColor = 0xB99D7F;

void Frame(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(Color);
    C.FrameRect(R);
}

} // namespace

TRect TSarnDateTimePicker::OwnButtonRect() const
{
    const TRect client = ClientRect();
    return {client.Right - FButtonWidth + 2, client.Top, client.Right, client.Bottom};
}

void TSarnDateTimePicker::Paint()
{
    TPlainDateTimePicker::Paint();
    const bool newerPlatform = render::OperatingSystem().KernelHasGetLocaleInfoEx;
    if (!(!Ctl3D() || MetroActive()) || !newerPlatform) return;
    if (!MetroActive() || Kind() == dtkTime) return;
    TCanvas& c = *Canvas();
    if (FIsThemed) {
        // Our base draws its button over the whole client height, so the cover does too.
        const TRect client = ClientRect();
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        c.FillRect({ButtonRect().Left - 2, client.Top, client.Right, client.Bottom});
    }
    PaintButton(c);
    if (!(FIsWinXP && UsesTheme())) PaintButtonRing(c);
}

void TSarnDateTimePicker::PaintButton(TCanvas& C)
{
    TRect r = OwnButtonRect();
    InflateRect(r, -1, -1);
    const bool held = FMouseButtonDown;
    const grid::TButtonColorSet& colors = ButtonColors();
    if (colors.Custom()) {
        const TColor fill = colors.FaceFor(FButtonHover && held, FButtonHover);
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(fill);
        C.FillRect({r.Left + 2, r.Top, r.Right, r.Bottom});
        if (colors.Border != clNone) {
            C.Pen()->SetColor(colors.Border);
            C.MoveTo(r.Left, r.Top);
            C.LineTo(r.Left, r.Bottom);
        }
        const TColor arrow = held && colors.TextDown != clNone ? colors.TextDown : colors.Text;
        const std::array<TPoint, 3> points{{{r.Left + 5, r.Top + 7}, {r.Left + 11, r.Top + 7}, {r.Left + 8, r.Top + 10}}};
        C.Brush()->SetColor(arrow);
        C.Pen()->SetColor(arrow);
        C.Polygon(points);
    } else if (UsesTheme()) {
        int state = grid::kButtonHot;
        if (!Enabled()) state = grid::kButtonDisabled;
        else if (held && DroppedDown()) state = grid::kButtonDown;
        else if (held || !FButtonHover || DroppedDown()) state = grid::kButtonNormal;
        DrawComboButton(C, Handle(), r, grid::kButtonLookThemed, state, TColorTones{});
    } else {
        DrawFrameControl(C.Handle(), r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

// The one-pixel ring between the button and the frame.
void TSarnDateTimePicker::PaintButtonRing(TCanvas& C)
{
    TRect ring = OwnButtonRect();
    if (Active()) {
        DrawEdge(C.Handle(), ring, BDR_RAISEDINNER, BF_RECT | (DroppedDown() ? BF_FLAT : 0u));
    } else {
        Frame(C, ring, clBtnFace);
    }
}

void TSarnDateTimePicker::PaintNonClient(TCanvas& Canvas)
{
    TPlainDateTimePicker::PaintNonClient(Canvas);
    PaintFlatBorder(Canvas);
    if (!Enabled() && UsesTheme() && !FDisabledBorder) PaintFrame(Canvas);
    if ((FHasFocus && FFocusBorderColor != clNone) || FBorderColor != clNone) PaintFrame(Canvas);
}

void TSarnDateTimePicker::PaintFlatBorder(TCanvas& C)
{
    if (Ctl3D() || FBorderColor == clNone) return;
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    TColor outer = FBorderColor;
    if (FBorderStyle == bsNone) outer = parentColor;
    else if (FIsThemed) outer = kThemedFrameColor;
    Frame(C, {0, 0, Width(), Height()}, outer);
    C.Pen()->SetColor(parentColor);
    C.MoveTo(1, Height() - 2);
    C.LineTo(1, 1);
    C.LineTo(Width() - 1, 1);
}

void TSarnDateTimePicker::PaintFrame(TCanvas& C)
{
    if (!MetroActive() || (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone)) return;
    TRect r{0, 0, Width(), Height()};
    if (!Enabled() && UsesTheme() && !FDisabledBorder) {
        Frame(C, r, kThemedFrameColor);
        return;
    }
    const bool focusColoured = FHasFocus && FFocusBorderColor != clNone;
    if (focusColoured) {
        Frame(C, r, FFocusBorderColor);
    } else if (FBorderColor != clNone) {
        Frame(C, r, FBorderColor);
    } else if (FFocusBorderColor == clNone) {
        const TColor parentColor = Parent() ? Parent()->Color() : Color();
        if (Hot()) {
            DrawEdge(C.Handle(), r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            Frame(C, r, clBtnFace);
            InflateRect(r, -1, -1);
            Frame(C, r, Color());
        } else {
            Frame(C, r, parentColor);
            InflateRect(r, -1, -1);
            Frame(C, {r.Left, r.Top, r.Right - FButtonWidth, r.Bottom}, parentColor);
            InflateRect(r, -1, -1);
            Frame(C, r, Color());
        }
    }
}
