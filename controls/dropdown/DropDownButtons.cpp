// The strip buttons: their shared appearance, their face by state, the click
// on release and the popup closed by a decisive modal result.
#include "controls/dropdown/DropDownButtons.h"

#include <algorithm>

#include "controls/dropdown/QuillDropDown.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

namespace controls {

TQuillButtonAppearance::TQuillButtonAppearance()
    : ColorChecked(AdjustColorTone(TColor(0xF5F0E1), -10, -10, 0)),
      ColorCheckedTo(AdjustColorTone(TColor(0xF9D2B2), -10, -10, 0)), FFont(std::make_unique<TFont>())
{
    FFont->SetName("Tahoma");
}

void TQuillButtonAppearance::Assign(const TQuillButtonAppearance& Source)
{
    BorderColor = Source.BorderColor;
    BorderColorHot = Source.BorderColorHot;
    BorderColorDown = Source.BorderColorDown;
    BorderColorDisabled = Source.BorderColorDisabled;
    BorderColorChecked = Source.BorderColorChecked;
    Color = Source.Color;
    ColorTo = Source.ColorTo;
    ColorHot = Source.ColorHot;
    ColorHotTo = Source.ColorHotTo;
    ColorDown = Source.ColorDown;
    ColorDownTo = Source.ColorDownTo;
    ColorDisabled = Source.ColorDisabled;
    ColorDisabledTo = Source.ColorDisabledTo;
    ColorChecked = Source.ColorChecked;
    ColorCheckedTo = Source.ColorCheckedTo;
    Gradient = Source.Gradient;
    FFont->Assign(Source.FFont.get());
}

TQuillButton::TQuillButton(TComponent* AOwner, const TQuillButtonAppearance& Appearance)
    : TCustomControl(AOwner), FAppearance(Appearance)
{
    SetBounds(0, 0, 23, 22);
}

void TQuillButton::SetImages(const TImageList* Images, int ImageIndex)
{
    FImages = Images;
    FImageIndex = ImageIndex;
    Invalidate();
}

void TQuillButton::SetModalResult(TModalResult Value, TQuillCustomDropDown* DropDown)
{
    FModalResult = Value;
    FDropDown = DropDown;
}

void TQuillButton::Click()
{
    if (FDropDown) {
        switch (FModalResult) {
        case mrOk:
        case mrYes:
        case mrAll:
        case mrYesToAll: FDropDown->HideDropDown(false); break;
        case mrCancel:
        case mrAbort:
        case mrIgnore:
        case mrNo:
        case mrNoToAll: FDropDown->HideDropDown(true); break;
        default: break;
        }
    }
    TCustomControl::Click();
}

void TQuillButton::Paint()
{
    TCanvas& c = *Canvas();
    const TQuillButtonAppearance& a = FAppearance;
    TColor color = a.Color, colorTo = a.ColorTo, border = a.BorderColor;
    if (!Enabled()) {
        color = a.ColorDisabled, colorTo = a.ColorDisabledTo, border = a.BorderColorDisabled;
    } else if (FPressed && FPressedInside) {
        color = a.ColorDown, colorTo = a.ColorDown, border = a.BorderColorDown;
    } else if (FHot) {
        color = a.ColorHot, colorTo = a.ColorHot, border = a.BorderColorHot;
    }
    DrawRectangle(c, ClientRect(), color, colorTo, a.Gradient, border, 1);
    c.Font()->Assign(&a.Font());
    if (!Enabled()) c.Font()->SetColor(clGrayText);
    c.Brush()->SetStyle(bsClear);
    DrawImageAndText(c, ClientRect(), Caption(), FImageIndex, FImages, Enabled());
}

void TQuillButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = FPressedInside = true;
    SetMouseCapture(true);
    Invalidate();
}

void TQuillButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FPressed) return;
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (inside == FPressedInside) return;
    FPressedInside = inside;
    Invalidate();
}

void TQuillButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != mbLeft || !FPressed) {
        TCustomControl::MouseUp(Button, Shift, X, Y);
        return;
    }
    // The window layer has already clicked when the release was inside.
    FPressed = false;
    SetMouseCapture(false);
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TQuillButton::CMMouseEnter(TMessage& Message)
{
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void TQuillButton::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

} // namespace controls
