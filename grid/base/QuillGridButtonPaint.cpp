// Drawing the grid button: face by state and look, drop-down part, glyph and caption.
#include "grid/base/QuillGridButton.h"

#include <array>
#include <cmath>

#include "grid/base/GridButtonLayout.h"
#include "grid/base/QuillUtilPaint.h"
#include "grid/base/ThemedComCtl.h"
#include "render/QuillStyleIF.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"

namespace {

constexpr int kRoundCorner = 8;

// A vertical gradient in 16 bands from From to To (To clNone fills with
// From), framed in Frame unless that is clNone.
void DrawButtonGradient(TCanvas& C, TColor From, TColor To, TColor Frame, const TRect& R)
{
    constexpr int kBands = 16;
    if (To == clNone) {
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(From);
        C.FillRect(R);
    } else {
        const TColorRef from = static_cast<TColorRef>(ColorToRGB(From));
        const TColorRef to = static_cast<TColorRef>(ColorToRGB(To));
        auto channel = [](int a, int b, int band) {
            return static_cast<std::uint8_t>(std::lround(a + band * (b - a) / static_cast<double>(kBands)));
        };
        const double share = R.Height() / static_cast<double>(kBands);
        C.Brush()->SetStyle(bsSolid);
        for (int band = 0; band < kBands; ++band) {
            C.Brush()->SetColor(static_cast<TColor>(RGB(channel(GetRValue(from), GetRValue(to), band),
                channel(GetGValue(from), GetGValue(to), band), channel(GetBValue(from), GetBValue(to), band))));
            const int top = R.Top + static_cast<int>(band * share);
            const int bottom = std::min(R.Bottom, R.Top + static_cast<int>((band + 1) * share) + 1);
            C.FillRect({R.Left, top, R.Right, bottom});
        }
    }
    if (Frame != clNone) {
        C.Brush()->SetStyle(bsClear);
        C.Pen()->SetColor(Frame);
        C.Rectangle(R);
    }
}

void DrawRoundFrame(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush()->SetStyle(bsClear);
    C.Pen()->SetColor(Color);
    C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, kRoundCorner, kRoundCorner);
}

bool IsPressed(TButtonState State)
{
    return State == bsDown || State == bsExclusive;
}

} // namespace

void TQuillGridButton::Paint()
{
    TCanvas& c = *Canvas();
    SettleState();
    TRect r = ClientRect();
    PaintFace(c, r);
    PaintContent(c, r);
}

void TQuillGridButton::SettleState()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;
}

// Leaves R as the content rectangle inside the face.
void TQuillGridButton::PaintFace(TCanvas& C, TRect& R)
{
    const bool checked = FStyle == tasCheck && FDown;
    if (!FFlat) {
        if (FAutoXPStyle && HasThemedComCtl()) {
            const int state = IsPressed(FState) ? grid::kButtonDown
                              : FMouseInControl ? grid::kButtonHot
                                                : grid::kButtonNormal;
            DrawPushButton(C, 0, R, grid::kButtonLookThemed, state, TColorTones{});
        } else {
            TRect frame = R;
            DrawFrameControl(C.Handle(), frame, DFC_BUTTON, DFCS_BUTTONPUSH | (IsPressed(FState) ? DFCS_PUSHED : 0));
        }
        return;
    }

    if (FBorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
    const bool designing = ComponentState().Contains(csDesigning);
    if (!FMouseInControl || !Enabled() || designing) {
        if (checked) {
            DrawButtonGradient(C, FColorChecked, FColorCheckedTo, FBorderDownColor, R);
        } else {
            const TColor frame = FRounded ? clNone : FDown ? FBorderDownColor : FBorderColor;
            DrawButtonGradient(C, Color(), FColorTo, frame, R);
        }
        if (FBorderColor != clNone) {
            if (FRounded) {
                TRect outer = R;
                InflateRect(outer, 1, 1);
                DrawRoundFrame(C, outer, FBorderColor);
            } else {
                C.Brush()->SetStyle(bsClear);
                C.Pen()->SetColor(FBorderColor);
                C.Rectangle(R);
            }
        }
    } else {
        TColor from = FColorHot, to = FColorHotTo, border = FBorderHotColor;
        if (checked && !FDragging) {
            from = FColorChecked;
            to = FColorCheckedTo;
            border = FBorderDownColor;
        } else if (FState == bsDown) {
            from = FColorDown;
            to = FColorDownTo;
            border = FBorderDownColor;
        }
        DrawButtonGradient(C, from, to, FRounded ? clNone : border, R);
        if (FRounded && border != clNone) DrawRoundFrame(C, R, border);
        if (FDropDownButton) {
            C.Pen()->SetColor(border == clNone ? clBtnShadow : border);
            C.MoveTo(R.Right - DropDownPartWidth, R.Top);
            C.LineTo(R.Right - DropDownPartWidth, R.Bottom);
        }
    }
    InflateRect(R, -1, -1);
}

const TBitmap& TQuillGridButton::GlyphToDraw(bool Pressed) const
{
    const bool designing = ComponentState().Contains(csDesigning);
    if (FState == bsDisabled) return FGlyphDisabled->Empty() ? *FGlyph : *FGlyphDisabled;
    if (Pressed) return FGlyphDown->Empty() ? *FGlyph : *FGlyphDown;
    if (FMouseInControl && !designing && !FGlyphHot->Empty()) return *FGlyphHot;
    return *FGlyph;
}

void TQuillGridButton::PaintContent(TCanvas& C, TRect R)
{
    const bool pressed = IsPressed(FState) || (FGroupIndex != 0 && FDown);
    const bool enabled = FState != bsDisabled;
    const bool hotLift = FFlat && FMouseInControl && enabled && FShaded && !pressed;

    if (FState == bsExclusive && !(FFlat && FMouseInControl))
        DrawButtonGradient(C, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor, R);
    TPoint offset{0, 0};
    if (!FFlat && pressed) offset = {1, 1};
    else if (hotLift) offset = {-1, -1};

    if (FDropDownButton) {
        const int middle = (R.Top + R.Bottom) / 2;
        const std::array<TPoint, 3> arrow{
            {{R.Right - 8, middle - 1}, {R.Right - 4, middle - 1}, {R.Right - 6, middle + 1}}};
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(Font().Color());
        C.Pen()->SetColor(Font().Color());
        C.Polygon(arrow);
        R.Right -= DropDownPartWidth;
    }

    C.SetFont(&Font());
    const std::string caption = FShowCaption ? Caption() : std::string();
    TSize captionSize;
    if (!caption.empty()) {
        TRect measure{0, 0, R.Width(), 0};
        DrawText(C.Handle(), caption, measure, DT_CALCRECT | DT_SINGLELINE | DT_CENTER);
        captionSize = {measure.Width(), measure.Height()};
    }
    const TBitmap& glyph = GlyphToDraw(pressed);
    const TSize glyphSize = glyph.Empty() ? TSize{} : TSize{glyph.Width(), glyph.Height()};
    const auto places = grid::LayoutGlyphAndCaption({R.Width(), R.Height()}, glyphSize, captionSize, FLayout,
        FMargin, FSpacing);
    // Without a caption the glyph keeps its place whatever the state.
    const TPoint glyphShift = caption.empty() ? TPoint{0, 0} : offset;

    if (!glyph.Empty()) {
        const int x = R.Left + places.Glyph.X + glyphShift.X, y = R.Top + places.Glyph.Y + glyphShift.Y;
        if (hotLift && !FGlyphShade->Empty()) C.Draw(x + 2, y + 2, FGlyphShade.get());
        C.Draw(x, y, &glyph);
    }
    if (caption.empty()) return;

    TRect text{R.Left + places.Caption.X + offset.X, R.Top + places.Caption.Y + offset.Y, 0, 0};
    if (hotLift) OffsetRect(text, 1, 1);
    text.Right = text.Left + captionSize.cx;
    text.Bottom = text.Top + captionSize.cy;
    C.Brush()->SetStyle(bsClear);
    constexpr unsigned kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!enabled) {
        TRect highlight = text;
        OffsetRect(highlight, 1, 1);
        C.Font()->SetColor(clBtnHighlight);
        DrawText(C.Handle(), caption, highlight, kFormat);
        C.Font()->SetColor(clBtnShadow);
    }
    DrawText(C.Handle(), caption, text, kFormat);
}
