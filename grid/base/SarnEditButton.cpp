// The edit's button container and its speed button: click on release, focus
// hand-over, and the face in button colours, flat or pushed look.
#include "grid/base/SarnEditButton.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"

namespace grid {

TQuillSpeedButton::TQuillSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TQuillSpeedButton::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    Invalidate();
}

void TQuillSpeedButton::SetNumGlyphs(int Value)
{
    FNumGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

void TQuillSpeedButton::CMMouseEnter(TMessage& Message)
{
    FHot = true;
    Invalidate();
    TSpeedButton::CMMouseEnter(Message);
}

void TQuillSpeedButton::CMMouseLeave(TMessage& Message)
{
    FHot = false;
    Invalidate();
    TSpeedButton::CMMouseLeave(Message);
}

void TQuillSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = PaintFace(c, dynamic_cast<const TSarnEditButton*>(Parent()));
    if (PressedOrLatched()) OffsetRect(r, 1, 1);
    if (!Glyph().Empty()) PaintGlyph(c, r);
    if (Caption().empty()) return;
    c.Font()->Assign(&Font());
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    std::string caption = Caption();
    c.TextRect(r, caption, TTextFormat{}.Include(tfCenter).Include(tfVerticalCenter).Include(tfSingleLine));
}

TRect TQuillSpeedButton::PaintFace(TCanvas& C, const TSarnEditButton* Container)
{
    TRect r = ClientRect();
    const bool pressed = PressedOrLatched();
    if (Container && Container->ButtonColors().Custom()) {
        C.Brush()->SetStyle(bsSolid);
        C.Brush()->SetColor(Container->ButtonColors().FaceFor(pressed, FHot));
        C.FillRect(r);
        return r;
    }
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(clBtnFace);
    if (Flat()) {
        C.FillRect(r);
        DrawEdge(C.Handle(), r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        InflateRect(r, -1, -1);
    } else {
        DrawFrameControl(C.Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    }
    return r;
}

void TQuillSpeedButton::PaintGlyph(TCanvas& C, const TRect& R)
{
    TBitmap& glyph = Glyph();
    const int w = glyph.Width() / FNumGlyphs, h = glyph.Height();
    TBitmap first(w, h);
    first.Canvas()->CopyRect({0, 0, w, h}, *glyph.Canvas(), {0, 0, w, h});
    first.SetTransparent(true);
    // Centred in each direction where the glyph is the smaller.
    const int x = w < R.Width() ? R.Left + (R.Width() - w) / 2 : R.Left;
    const int y = h < R.Height() ? R.Top + (R.Height() - h) / 2 : R.Top;
    C.Draw(x, y, &first);
}

} // namespace grid

TSarnEditButton::TSarnEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FButton = new grid::TQuillSpeedButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { ButtonReleased(); };
    SetBounds(0, 0, 20, 25);
}

TSarnEditButton::~TSarnEditButton() = default;

void TSarnEditButton::BoundsChanged()
{
    TWinControl::BoundsChanged();
    if (FButton) FButton->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TSarnEditButton::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TSarnEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFocusControl) FFocusControl = nullptr;
    if (AComponent == FButton) FButton = nullptr;
}

void TSarnEditButton::ButtonColorChanged(grid::TButtonColorPart Part)
{
    using enum grid::TButtonColorPart;
    if (Part == Face || Part == FaceHot || Part == FaceDown) FButton->Invalidate();
}

void TSarnEditButton::ButtonReleased()
{
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}
