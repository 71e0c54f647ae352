// TQuillEdit's painting on top of the edit: the flat line or soft frame, the
// grey empty text, the red zig-zag error marker and the own borders.
#include "controls/QuillEdit.h"

#include <array>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {
constexpr TColor Grey = 0x808080;
constexpr TColor SilverFrame = 0xC0C0C0;
// Our window layer always draws the modern, themed frame.
constexpr bool Themed = true;
} // namespace

void TQuillEdit::Paint()
{
    TCustomEdit::Paint();
    TCanvas& canvas = *Canvas();
    PaintOverlay(canvas);
    // Without a frame the client area is the whole window.
    if (BorderStyle() == bsNone && NeedsOwnBorder(true)) RedrawBorder(canvas);
}

void TQuillEdit::PaintNonClient(TCanvas& Canvas)
{
    TCustomEdit::PaintNonClient(Canvas);
    if (BorderStyle() != bsNone && NeedsOwnBorder(true)) RedrawBorder(Canvas);
}

bool TQuillEdit::NeedsOwnBorder(bool CountBorder3D) const
{
    return (CountBorder3D && FBorder3D) || FFocusBorderColor != clNone || FBorderColor != clNone ||
           (!Enabled() && FDisabledBorder);
}

void TQuillEdit::PaintOverlay(TCanvas& Canvas)
{
    if (FFlat) {
        if (FFocusBorder && Focused())
            DrawBorder(Canvas);
        else if (FFlatLineColor != clNone) {
            Canvas.Pen()->SetStyle(psSolid);
            Canvas.Pen()->SetWidth(1);
            Canvas.Pen()->SetColor(Enabled() ? FFlatLineColor : Grey);
            const TRect& r = FEditRect;
            const int w = Width(), h = Height();
            if (FSoftBorder) {
                const std::array<TPoint, 5> frame{TPoint{r.Left + FIndentL - 4, h - 1}, TPoint{w - 1, h - 1},
                                                  TPoint{w - 1, r.Top - 3}, TPoint{r.Left + FIndentL - 4, r.Top - 3},
                                                  TPoint{r.Left + FIndentL - 4, h - 1}};
                Canvas.Polyline(frame);
            } else {
                Canvas.MoveTo(r.Left + FIndentL - 2, h - 1);
                Canvas.LineTo(w - FIndentR, h - 1);
            }
        }
    }
    if (Text().empty() && !FEmptyText.empty() && (!Focused() || FEmptyTextFocused)) {
        Canvas.Font()->Assign(&Font());
        Canvas.Font()->SetColor(Grey);
        Canvas.Brush()->SetStyle(Transparent() ? bsClear : bsSolid);
        Canvas.Brush()->SetColor(TCustomEdit::Color());
        Canvas.TextOut(3, 2, FEmptyText);
        Canvas.Brush()->SetStyle(bsSolid);
    }
    if (!Focused() && FErrorMarkerLen > 0) DrawErrorMarker(Canvas);
}

void TQuillEdit::DrawErrorMarker(TCanvas& Canvas)
{
    const int p = FErrorMarkerPos, n = FErrorMarkerLen;
    const int length = ValueLength(), prefix = PrefixLength();
    if (length <= 0) return;
    const TPoint startChar = TCustomEdit::PosFromChar(prefix + std::min(p, length - 1));
    const int startX = p < length ? startChar.X : TCustomEdit::PosFromChar(prefix + length).X + 4;
    const TPoint endChar = TCustomEdit::PosFromChar(prefix + (p + n < length ? p + n - 1 : length - 1));
    const int endX = p + n < length ? endChar.X : endChar.X + 4;
    Canvas.Font()->Assign(&Font());
    const int h = Canvas.TextHeight("gh");
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetColor(clRed);
    Canvas.Pen()->SetWidth(2);
    int x = startX;
    bool high = true;
    Canvas.MoveTo(x, startChar.Y + h + 2);
    // Steps of 3 pixels until past the end, then one more.
    for (bool last = false; !last;) {
        last = x > endX;
        x += 3;
        Canvas.LineTo(x, endChar.Y + (high ? h - 1 : h + 2));
        high = !high;
    }
    Canvas.Pen()->SetWidth(1);
}

bool TQuillEdit::IsHot() const
{
    return (FFocusBorder && (FMouseInControl || Focused())) || FBorder3D;
}

void TQuillEdit::RedrawBorder(TCanvas& Canvas)
{
    if (!Enabled() || FFlat || FBorderColor != clNone || (FFocusBorder && FMouseInControl) || FBorder3D ||
        FFocusBorderColor != clNone)
        DrawBorder(Canvas);
}

void TQuillEdit::DrawBorder(TCanvas& Canvas)
{
    TColor color = clNone;
    if (!Enabled() && Themed && FDisabledBorder)
        color = SilverFrame;
    else {
        color = FBorderColor;
        if (Focused() && FFocusBorderColor != clNone) color = FFocusBorderColor;
    }
    TRect r{0, 0, Width(), Height()};
    Canvas.Brush()->SetStyle(bsSolid);
    if (color != clNone) {
        Canvas.Brush()->SetColor(color);
        Canvas.FrameRect(r);
        return;
    }
    if (!Enabled() || (Themed && FFocusBorder)) return;
    if (IsHot()) {
        DrawEdge(Canvas.Handle(), r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.FrameRect(r);
    } else {
        const TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
        Canvas.Brush()->SetColor(parentColor);
        Canvas.FrameRect(r);
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        Canvas.FrameRect(r);
    }
}
