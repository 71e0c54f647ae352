// TSarnCustomCombo's own painting of its frame and drop button, used for the
// flat look and the border and button colours; otherwise the platform paints.
#include <array>

#include "grid/base/SarnComboBox.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "render/ThemeBinders.h"

namespace {

void FrameInColor(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FrameRect(R);
}

bool MouseButtonHeld() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }

TColor OrElse(TColor Color, TColor Fallback) { return Color != clNone ? Color : Fallback; }

} // namespace

bool TSarnCustomCombo::UsesOwnPainting() const
{
    if (FIsVista && !ButtonColors().Custom()) return false;
    return FFlat || ButtonColors().Custom() || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus);
}

TRect TSarnCustomCombo::ButtonRect() const { return {Width() - FButtonWidth - 1, 1, Width() - 1, Height() - 1}; }

void TSarnCustomCombo::PaintNonClient(TCanvas& Canvas)
{
    if (!UsesOwnPainting()) {
        TCustomComboBox::PaintNonClient(Canvas);
        return;
    }
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect({0, 0, Width(), Height()});
    if (Style() != csSimple) PaintButton(Canvas);
    PaintFrame(Canvas);
}

void TSarnCustomCombo::PaintButton(TCanvas& Canvas)
{
    TRect r = ButtonRect();
    const bool held = MouseButtonHeld();
    const grid::TButtonColorSet& colors = ButtonColors();
    if (colors.Custom()) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(colors.FaceFor(FButtonHover && held, FButtonHover));
        Canvas.FillRect(r);
        if (colors.Border != clNone) {
            Canvas.Pen()->SetColor(colors.Border);
            Canvas.MoveTo(r.Left, r.Top);
            Canvas.LineTo(r.Left, r.Bottom);
        }
        r = {r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        const TColor arrow = OrElse(held ? colors.TextDown : colors.Text, clBlack);
        Canvas.Pen()->SetColor(arrow);
        Canvas.Brush()->SetColor(arrow);
        const std::array<TPoint, 3> triangle{{{r.Left + 4, r.Top + 7}, {r.Left + 10, r.Top + 7}, {r.Left + 7, r.Top + 10}}};
        Canvas.Polygon(triangle);
        return;
    }
    if (FIsWinXP && render::ControlsThemeBinder().ThemeActive()) {
        const int state = !IsEnabledWithParents()       ? CBXS_DISABLED
                          : held && DroppedDown()       ? CBXS_PRESSED
                          : held || !FButtonHover || DroppedDown() ? CBXS_NORMAL
                                                          : CBXS_HOT;
        if (render::ControlsThemeBinder().DrawPart(Handle(), "combobox", CP_DROPDOWNBUTTON, state, Canvas.Handle(), r))
            return;
    }
    DrawFrameControl(Canvas.Handle(), r, DFC_SCROLL,
        DFCS_SCROLLCOMBOBOX | DFCS_FLAT | (IsEnabledWithParents() ? 0 : DFCS_INACTIVE));
}

void TSarnCustomCombo::PaintFrame(TCanvas& Canvas)
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    if (FIsVista && FBorderColor == clNone) return;
    const TRect window{0, 0, Width(), Height()};
    const bool focusFrame = FHasFocus && FFocusBorderColor != clNone;
    const bool active = FMouseInControl || IsActiveControl();
    if (FBorderColor != clNone || focusFrame) {
        FrameInColor(Canvas, window, focusFrame ? FFocusBorderColor : FBorderColor);
    } else if (FFocusBorderColor == clNone) {
        TRect inner = window;
        InflateRect(inner, -1, -1);
        TRect innermost = inner;
        InflateRect(innermost, -1, -1);
        if (FFocusBorder && active) {
            TRect edge = window;
            DrawEdge(Canvas.Handle(), edge, BDR_SUNKENOUTER, BF_RECT);
            FrameInColor(Canvas, inner, clBtnFace);
        } else {
            const TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
            FrameInColor(Canvas, window, parentColor);
            FrameInColor(Canvas, {inner.Left, inner.Top, ButtonRect().Left, inner.Bottom}, parentColor);
        }
        FrameInColor(Canvas, innermost, Color());
        if (FFlat && FFlatLineColor != clNone) {
            Canvas.Pen()->SetColor(FFlatLineColor);
            Canvas.MoveTo(0, Height() - 1);
            Canvas.LineTo(ButtonRect().Left, Height() - 1);
        }
    }
    // An inactive combo hides the button's raised edge in the button face colour.
    if (Style() != csSimple && !active) FrameInColor(Canvas, ButtonRect(), clBtnFace);
}
