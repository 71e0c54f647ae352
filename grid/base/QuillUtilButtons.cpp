// Drop-down, push and spin buttons in the classic, flat and colour-tone looks.
#include "grid/base/QuillUtilPaint.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "render/QuillStyleIF.h"
#include "render/ThemeBinders.h"

#include <array>

namespace {

using namespace grid;

// The themed look draws the desktop theme's part; without a theme library it
// falls back to the classic frame control.
bool ThemedPart(TCanvas& canvas, HWND wnd, std::string_view themeClass, int part, int state, const TRect& r)
{
    return render::ControlsThemeBinder().DrawPart(wnd, themeClass, part, state, canvas.Handle(), r);
}

// Combo and spin buttons show only normal and disabled in the theme.
int NormalOrDisabled(int state)
{
    return state == kButtonDisabled ? 4 : 1;
}

unsigned FlatFlag(int look)
{
    return look == kButtonLookFlat ? DFCS_FLAT : 0;
}

unsigned InactiveFlag(int state)
{
    return state == kButtonDisabled ? DFCS_INACTIVE : 0;
}

const TColorTone& ToneOf(const TColorTones& tones, int state)
{
    switch (state) {
    case kButtonHot:
        return tones.Hover;
    case kButtonDown:
        return tones.Selected;
    case kButtonDisabled:
        return tones.Disabled;
    default:
        return tones.Background;
    }
}

void FrameControl(TCanvas& canvas, TRect r, unsigned type, unsigned state)
{
    DrawFrameControl(canvas.Handle(), r, type, state);
}

void FilledTriangle(TCanvas& canvas, TColor color, TPoint a, TPoint b, TPoint c)
{
    canvas.Pen()->SetColor(color);
    canvas.Brush()->SetColor(color);
    canvas.Brush()->SetStyle(bsSolid);
    const std::array<TPoint, 3> points{a, b, c};
    canvas.Polygon(points);
}

void ToneRectangle(TCanvas& canvas, const TRect& r, TColor fill, TColor outline)
{
    canvas.Pen()->SetColor(outline);
    canvas.Brush()->SetColor(fill);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Rectangle(r);
}

} // namespace

void DrawComboButton(TCanvas& Canvas, HWND Wnd, const TRect& R, int Look, int State, const TColorTones& Tones)
{
    const TRect button{R.Right - 17 - 2, R.Top + 1, R.Right - 2, R.Bottom - 1};
    if (Look == kButtonLookThemed && ThemedPart(Canvas, Wnd, "combobox", 1, NormalOrDisabled(State), button)) return;
    if (Look != kButtonLookTones) {
        FrameControl(Canvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | InactiveFlag(State) | FlatFlag(Look));
        return;
    }
    const TColorTone& tone = ToneOf(Tones, State);
    const TRect face{button.Left + 3, button.Top, button.Right, button.Bottom};
    ToneRectangle(Canvas, face, tone.BrushColor, tone.BrushColor);
    Canvas.Pen()->SetColor(Tones.Background.BorderColor);
    Canvas.MoveTo(face.Left + 1, face.Top);
    Canvas.LineTo(face.Left + 1, face.Bottom);
    FilledTriangle(Canvas, Tones.Background.TextColor, {face.Left + 5, face.Top + 8}, {face.Left + 11, face.Top + 8},
        {face.Left + 8, face.Top + 11});
}

void DrawPushButton(TCanvas& Canvas, HWND Wnd, const TRect& R, int Look, int State, const TColorTones& Tones)
{
    if (Look == kButtonLookThemed && State >= 0 && State < 4 && ThemedPart(Canvas, Wnd, "button", 1, State + 1, R))
        return;
    if (Look != kButtonLookTones) {
        static constexpr std::array<unsigned, 4> stateFlags{0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
        const unsigned stateFlag = State >= 0 && State < 4 ? stateFlags[static_cast<std::size_t>(State)] : 0;
        FrameControl(Canvas, R, DFC_BUTTON, DFCS_BUTTONPUSH | stateFlag | FlatFlag(Look));
        return;
    }
    const TColorTone& tone = ToneOf(Tones, State);
    ToneRectangle(Canvas, R, tone.BrushColor, tone.BorderColor);
}

void DrawSpinButtons(TCanvas& Canvas, HWND Wnd, const TRect& R, int Look, int State, const TColorTones& Tones)
{
    const TRect area{R.Right - 15 - 1, R.Top - 1, R.Right - 1, R.Bottom - 1};
    const int middle = area.Top + area.Height() / 2;
    const TRect up{area.Left, area.Top, area.Right, middle};
    const TRect down{area.Left, middle + 1, area.Right, area.Bottom};
    if (Look == kButtonLookThemed && ThemedPart(Canvas, Wnd, "spin", 1, NormalOrDisabled(State), up)) {
        ThemedPart(Canvas, Wnd, "spin", 2, NormalOrDisabled(State), down);
        return;
    }
    if (Look != kButtonLookTones) {
        const unsigned flags = InactiveFlag(State) | FlatFlag(Look);
        FrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | flags);
        FrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
        return;
    }
    const TColorTone& tone = ToneOf(Tones, State);
    ToneRectangle(Canvas, up, tone.BrushColor, tone.BrushColor);
    ToneRectangle(Canvas, down, tone.BrushColor, tone.BrushColor);
    const int L = area.Left;
    const int T = area.Top;
    FilledTriangle(Canvas, clBlack, {L + 5, T + 5}, {L + 9, T + 5}, {L + 7, T + 3});
    FilledTriangle(Canvas, clBlack, {L + 5, middle + 2}, {L + 9, middle + 2}, {L + 7, middle + 4});
}
