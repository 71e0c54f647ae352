// TQuillSpeedButton: the embedded button's faces (push button or drop-down
// arrow, in custom colours or the classic look), glyph, caption and hot state.
#include <array>

#include "controls/QuillEdBtn.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "render/ThemeBinders.h"

struct TQuillSpeedButton::TLook {
    bool disabled, pressed, hot, custom;
    // The custom face and text colours for the current state.
    TColor face, text;
};

TQuillSpeedButton::TQuillSpeedButton(TEditButton& Owner) : TSpeedButton(&Owner), FOwner(Owner) {}

void TQuillSpeedButton::SetEtched(bool Value)
{
    if (Value == FEtched) return;
    FEtched = Value;
    Invalidate();
}

void TQuillSpeedButton::SetFocused(bool Value)
{
    if (Value == FFocused) return;
    FFocused = Value;
    Invalidate();
}

void TQuillSpeedButton::CMMouseEnter(TMessage& Message)
{
    TSpeedButton::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void TQuillSpeedButton::CMMouseLeave(TMessage& Message)
{
    TSpeedButton::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

TQuillSpeedButton::TLook TQuillSpeedButton::LookNow() const
{
    const TQuillEditBtn& edit = FOwner.Edit();
    TLook look{};
    look.disabled = !edit.Enabled() || edit.ReadOnly();
    look.pressed = (Down() || Pressing()) && !FUp;
    look.hot = FHot;
    look.custom = FOwner.ButtonColor != clNone;
    // The hot and down colours apply whatever their value.
    look.face = look.pressed ? FOwner.ButtonColorDown : look.hot ? FOwner.ButtonColorHot : FOwner.ButtonColor;
    look.text = look.pressed ? FOwner.ButtonTextColorDown : look.hot ? FOwner.ButtonTextColorHot : FOwner.ButtonTextColor;
    return look;
}

void TQuillSpeedButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TLook look = LookNow();
    if (FOwner.Edit().ButtonStyle() == bsDropDown) PaintDropDown(canvas, look);
    else PaintButton(canvas, look);
}

namespace {

void FillWith(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(R);
}

void LeftEdgeLine(TCanvas& Canvas, int Height, TColor Color)
{
    Canvas.Pen()->SetColor(Color);
    Canvas.MoveTo(0, 0);
    Canvas.LineTo(0, Height);
}

void DropTriangle(TCanvas& Canvas, TColor Color)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
    Canvas.Pen()->SetColor(Color);
    const std::array<TPoint, 3> points{TPoint{5, 7}, TPoint{11, 7}, TPoint{8, 10}};
    Canvas.Polygon(points);
}

// The desktop theme's face of the button when a theme is active.
bool ThemedFace(TCanvas& Canvas, HWND Window, std::string_view ThemeClass, int Part, const TRect& R, bool Disabled,
                bool Pressed, bool Hot)
{
    const render::TThemeLibraryBinder& binder = render::EditButtonThemeBinder();
    if (!binder.ThemeActive()) return false;
    const int state = Disabled ? PBS_DISABLED : Pressed ? PBS_PRESSED : Hot ? PBS_HOT : PBS_NORMAL;
    return binder.DrawPart(Window, ThemeClass, Part, state, Canvas.Handle(), R);
}

// The raised face of a button, sunken while pressed.
void ClassicFace(TCanvas& Canvas, TRect R, bool Pressed)
{
    FillWith(Canvas, R, clBtnFace);
    DrawEdge(Canvas.Handle(), R, Pressed ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
}

} // namespace

void TQuillSpeedButton::PaintDropDown(TCanvas& Canvas, const TLook& Look)
{
    const TRect r = ClientRect();
    if (Look.custom) {
        FillWith(Canvas, r, Look.face);
        LeftEdgeLine(Canvas, Height(), FOwner.Edit().BorderColor());
        DropTriangle(Canvas, Look.text);
        return;
    }
    if (Glyph().Empty() &&
        ThemedFace(Canvas, FOwner.Edit().Handle(), "combobox", CP_DROPDOWNBUTTON, r, Look.disabled, Look.pressed, Look.hot))
        return;
    ClassicFace(Canvas, r, Look.pressed);
    Canvas.Pen()->SetColor(clBtnFace);
    Canvas.MoveTo(Width() - 2, 0);
    Canvas.LineTo(0, 0);
    Canvas.LineTo(0, Height() - 1);
    Canvas.Pen()->SetColor(clWhite);
    Canvas.MoveTo(Width() - 3, 1);
    Canvas.LineTo(1, 1);
    Canvas.LineTo(1, Height() - 2);
    if (Glyph().Empty()) DropTriangle(Canvas, clBlack);
    else PaintGlyphAndCaption(Canvas, Look);
}

void TQuillSpeedButton::PaintButton(TCanvas& Canvas, const TLook& Look)
{
    TRect r = ClientRect();
    if (Look.custom) {
        FillWith(Canvas, r, Look.face);
        LeftEdgeLine(Canvas, Height(), FOwner.Edit().BorderColor());
    } else if (Flat()) {
        FillWith(Canvas, r, clBtnFace);
        r.Right += 1;
        r.Bottom += 1;
        DrawEdge(Canvas.Handle(), r, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (Look.pressed ? BF_FLAT : 0));
    } else if (!ThemedFace(Canvas, FOwner.Edit().Handle(), "button", BP_PUSHBUTTON, r, Look.disabled, Look.pressed,
                           Look.hot)) {
        ClassicFace(Canvas, r, Look.pressed);
    }
    PaintGlyphAndCaption(Canvas, Look);
}

void TQuillSpeedButton::PaintGlyphAndCaption(TCanvas& Canvas, const TLook& Look)
{
    const TBitmap& glyph = Glyph();
    const bool hasGlyph = !glyph.Empty();
    const std::string caption = Caption();
    if (hasGlyph) {
        TRect r = ClientRect();
        OffsetRect(r, 1, 1);
        if (!caption.empty()) r.Left += 2;
        else if (glyph.Width() < r.Width()) r.Left += (r.Width() - glyph.Width()) / 2;
        if (glyph.Height() < r.Height()) r.Top += (r.Height() - glyph.Height()) / 2;
        if (Look.pressed) OffsetRect(r, 1, 1);
        // The colour of the bottom-left pixel is transparent.
        TBitmap drawn;
        drawn.Assign(&glyph);
        drawn.SetTransparent(true);
        Canvas.Draw(r.Left, r.Top, &drawn);
    }
    if (caption.empty()) return;
    Canvas.Font()->Assign(&FOwner.Edit().Font());
    TColor color = FOwner.ButtonTextColor != clNone ? FOwner.ButtonTextColor : clBtnText;
    if (Look.disabled) color = TColor(0x808080);
    if (Look.hot && FOwner.ButtonTextColorHot != clNone) color = FOwner.ButtonTextColorHot;
    if (Look.pressed && FOwner.ButtonTextColorDown != clNone) color = FOwner.ButtonTextColorDown;
    Canvas.Font()->SetColor(color);
    TRect r = ClientRect();
    if (Look.custom) r.Left += 2;
    else InflateRect(r, -3, -1);
    if (!hasGlyph) {
        if (!Look.custom) {
            InflateRect(r, -3, -1);
            if (Look.pressed) OffsetRect(r, 1, 1);
        }
    } else {
        r.Left += glyph.Width() + 2;
        r.Top -= 1;
    }
    Canvas.Brush()->SetStyle(bsClear);
    std::string text = caption;
    Canvas.TextRect(r, text, TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine});
}
