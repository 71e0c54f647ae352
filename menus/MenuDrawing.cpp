// Gradient, bar and background painters of the styled menus.
#include "menus/MenuDrawing.h"

#include "menus/MenuBackground.h"
#include "menus/MenuUtil.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"

namespace {

// The canvas fills a reversed rectangle as if it were the right way round;
// the painters here mean "nothing" by an empty one.
void FillSolid(TCanvas& Canvas, const TRect& R, TColor Color)
{
    if (R.IsEmpty()) return;
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(R);
}

// The colour Step steps of Count along the way from From to To.
TColor BlendStep(const TColorBytes& From, const TColorBytes& To, int Step, int Count)
{
    auto channel = [&](std::uint8_t f, std::uint8_t t) {
        return static_cast<std::uint8_t>(f + (t - f) * Step / Count);
    };
    return PackColorBytes(channel(From.R, To.R), channel(From.G, To.G), channel(From.B, To.B), 0);
}

} // namespace

void DrawLinearGradient(TCanvas& Canvas, const TRect& Rect, TColor FromColor, TColor ToColor,
                        TGradientDirection Direction)
{
    if (ToColor == clNone) ToColor = FromColor;
    if (FromColor == ToColor) {
        FillSolid(Canvas, Rect, FromColor);
        return;
    }
    const TColorBytes from = SplitColorBytes(FromColor);
    const TColorBytes to = SplitColorBytes(ToColor);
    if (RectHeight(Rect) <= 0) return;
    if (Direction == gdVertical) {
        const int n = RectHeight(Rect);
        for (int i = 0; i < n; ++i)
            FillSolid(Canvas, ::Rect(Rect.Left, Rect.Top + i, Rect.Right, Rect.Top + i + 1), BlendStep(from, to, i, n));
    } else {
        const int n = RectWidth(Rect);
        for (int i = 0; i < n; ++i)
            FillSolid(Canvas, ::Rect(Rect.Left + i, Rect.Top, Rect.Left + i + 1, Rect.Bottom), BlendStep(from, to, i, n));
    }
}

void DrawGradientSlice(TCanvas& Canvas, const TRect& FullRect, const TRect& ClipRect, TColor FromColor,
                       TColor ToColor, TGradientDirection Direction)
{
    const TRect clip = IntersectRect(ClipRect, FullRect);
    if (RectWidth(clip) <= 0 || RectHeight(clip) <= 0) return;
    if (ToColor == clNone) ToColor = FromColor;
    const TColorBytes from = SplitColorBytes(FromColor);
    const TColorBytes to = SplitColorBytes(ToColor);
    TColor start;
    TColor end;
    if (Direction == gdHorizontal) {
        const int n = RectWidth(FullRect);
        start = BlendStep(from, to, clip.Left - FullRect.Left, n);
        end = BlendStep(from, to, clip.Right - FullRect.Left, n);
    } else {
        const int n = RectHeight(FullRect);
        start = BlendStep(from, to, clip.Top - FullRect.Top, n);
        end = BlendStep(from, to, clip.Bottom - FullRect.Top, n);
    }
    DrawLinearGradient(Canvas, clip, start, end, Direction);
}

namespace {
void FrameIn(TCanvas& Canvas, const TRect& Rect, TColor BorderColor)
{
    if (BorderColor == clNone) return;
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(BorderColor);
    Canvas.FrameRect(Rect);
}
} // namespace

void DrawGradientBox(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo,
                     TGradientDirection Direction, TColor BorderColor, bool Fill)
{
    if (Fill && Color != clNone) DrawLinearGradient(Canvas, Rect, Color, ColorTo, Direction);
    FrameIn(Canvas, Rect, BorderColor);
}

void DrawMirrorGradientBox(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor ColorMirror,
                           TColor ColorMirrorTo, TGradientDirection Direction, TColor BorderColor, bool Fill)
{
    if (Fill && Color != clNone) {
        if (ColorMirror == clNone) {
            DrawLinearGradient(Canvas, Rect, Color, ColorTo, Direction);
        } else {
            const int middle = Rect.Top + RectHeight(Rect) / 2;
            DrawLinearGradient(Canvas, ::Rect(Rect.Left, Rect.Top, Rect.Right, middle), Color, ColorTo, Direction);
            DrawLinearGradient(Canvas, ::Rect(Rect.Left, middle, Rect.Right, Rect.Bottom), ColorMirror, ColorMirrorTo,
                               Direction);
        }
    }
    FrameIn(Canvas, Rect, BorderColor);
}

void DrawGradientBar(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TGradientDirection Direction,
                     TGradientType GradientType, int GradientWidth, int Margin)
{
    if (ColorTo == clNone) ColorTo = Color;
    TRect r = Rect;
    int g = GradientWidth;
    if (Direction == gdHorizontal) {
        r.Left += Margin;
        r.Right -= Margin;
        // A fade as long as the bar leaves no solid part; a gtBoth bar of odd
        // length still gets its middle pixel, which would otherwise stay unpainted.
        g = MinOf(g, RectWidth(r));
        switch (GradientType) {
        case gtLeft: FillSolid(Canvas, ::Rect(r.Left + g, r.Top, r.Right, r.Bottom), ColorTo); break;
        case gtRight: FillSolid(Canvas, ::Rect(r.Left, r.Top, r.Right - g, r.Bottom), ColorTo); break;
        case gtBoth: FillSolid(Canvas, ::Rect(r.Left + g / 2, r.Top, r.Right - g / 2, r.Bottom), Color); break;
        }
        if (g < 1) return;
        switch (GradientType) {
        case gtLeft:
            DrawLinearGradient(Canvas, ::Rect(r.Left, r.Top, r.Left + g, r.Bottom), Color, ColorTo, gdHorizontal);
            break;
        case gtRight:
            DrawLinearGradient(Canvas, ::Rect(r.Right - g, r.Top, r.Right, r.Bottom), ColorTo, Color, gdHorizontal);
            break;
        case gtBoth:
            DrawLinearGradient(Canvas, ::Rect(r.Left, r.Top, r.Left + g / 2, r.Bottom), ColorTo, Color, gdHorizontal);
            DrawLinearGradient(Canvas, ::Rect(r.Right - g / 2, r.Top, r.Right, r.Bottom), Color, ColorTo, gdHorizontal);
            break;
        }
        return;
    }
    r.Top += Margin;
    r.Bottom -= Margin;
    // Each end of a vertical gtBoth bar fades over the whole GradientWidth.
    if (GradientType == gtBoth) g *= 2;
    g = MinOf(g, RectHeight(r));
    switch (GradientType) {
    case gtLeft: FillSolid(Canvas, ::Rect(r.Left, r.Top, r.Right, r.Bottom - g), ColorTo); break;
    case gtRight: FillSolid(Canvas, ::Rect(r.Left, r.Top + g, r.Right, r.Bottom), ColorTo); break;
    case gtBoth: FillSolid(Canvas, ::Rect(r.Left, r.Top + g / 2, r.Right, r.Bottom - g / 2), Color); break;
    }
    if (g < 1) return;
    switch (GradientType) {
    case gtLeft:
        DrawLinearGradient(Canvas, ::Rect(r.Left, r.Bottom - g, r.Right, r.Bottom), ColorTo, Color, gdVertical);
        break;
    case gtRight:
        DrawLinearGradient(Canvas, ::Rect(r.Left, r.Top, r.Right, r.Top + g), Color, ColorTo, gdVertical);
        break;
    case gtBoth:
        DrawLinearGradient(Canvas, ::Rect(r.Left, r.Top, r.Right, r.Top + g / 2), ColorTo, Color, gdVertical);
        DrawLinearGradient(Canvas, ::Rect(r.Left, r.Bottom - g / 2, r.Right, r.Bottom), Color, ColorTo, gdVertical);
        break;
    }
}

void PaintMenuBackground(TCanvas& Canvas, const TRect& Rect, TBackground& Background, bool WithGradient)
{
    const TRect r = ::Rect(Rect.Left + Background.MarginX(), Rect.Top + Background.MarginY(),
                           Rect.Right - Background.MarginX(), Rect.Bottom - Background.MarginY());
    if (r.IsEmpty()) return;
    TBitmap& work = Background.WorkBitmap();
    work.SetSize(RectWidth(r), RectHeight(r));
    TCanvas& target = *work.Canvas();
    const bool hasPicture = Background.HasPicture();
    const TGraphic* picture = hasPicture ? Background.Image()->Graphic() : nullptr;
    const TBackgroundPosition position = Background.Position();
    const bool pictureCoversAll = hasPicture && (position == bpTiled || position == bpStretched) &&
                                  !picture->Transparent();
    if (WithGradient && !pictureCoversAll)
        DrawLinearGradient(target, BitmapBounds(&work), Background.Color(), Background.ColorTo(),
                           Background.GradientDirection());
    if (hasPicture) {
        switch (position) {
        case bpTiled:
            if (picture->Width() < 1 || picture->Height() < 1) break;
            for (int y = 0; y < work.Height(); y += picture->Height())
                for (int x = 0; x < work.Width(); x += picture->Width()) target.Draw(x, y, picture);
            break;
        case bpStretched: target.StretchDraw(BitmapBounds(&work), picture); break;
        case bpXY: target.Draw(Background.OffsetX(), Background.OffsetY(), picture); break;
        default: {
            int x = 0;
            int y = 0;
            Background.CalcPicturePosition(BitmapBounds(&work), x, y);
            target.Draw(x, y, picture);
        }
        }
    }
    Canvas.Draw(r.Left, r.Top, &work);
}
