#include "controls/dropdown/DropDownPanels.h"

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/QuillDropDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "render/HTMLRenderer.h"
#include "platform/ui/Screen.h"

namespace controls {

TPanelAppearance::TPanelAppearance() : FFont(std::make_unique<TFont>()) {}

void TPanelAppearance::SetVisible(bool Value)
{
    if (Value == FVisible) return;
    FVisible = Value;
    if (OnChange) OnChange(nullptr);
}

void TPanelAppearance::AssignColors(const TPanelAppearance& Source)
{
    ColorTo = Source.ColorTo;
    Color = Source.Color;
    BorderColor = Source.BorderColor;
    FFont->Assign(Source.FFont.get());
    GradientDirection = Source.GradientDirection;
}

void TPanelAppearance::AssignPanel(const TPanelAppearance& Source)
{
    AssignColors(Source);
    Caption = Source.Caption;
    BorderWidth = Source.BorderWidth;
    ImageIndex = Source.ImageIndex;
    Buttons = Source.Buttons;
    ButtonAlignment = Source.ButtonAlignment;
    Height = Source.Height;
    SetVisible(Source.FVisible);
}

THeaderAppearance::THeaderAppearance() { Font().SetName("Tahoma"); }

void TFooterAppearance::Assign(const TFooterAppearance& Source)
{
    AssignPanel(Source);
    SizeGrip = Source.SizeGrip;
}

TDropDownPanel::TDropDownPanel(TComponent* AOwner, TQuillCustomDropDown& DropDown, bool Footer)
    : TCustomControl(AOwner), FDropDown(DropDown), FFooter(Footer)
{
    SetAlign(Footer ? alBottom : alTop);
    Refresh();
}

const TPanelAppearance& TDropDownPanel::Appearance() const
{
    if (FFooter) return FDropDown.DropDownFooter();
    return FDropDown.DropDownHeader();
}

bool TDropDownPanel::ShowsGrip() const
{
    return FFooter && FDropDown.DropDownFooter().SizeGrip && FDropDown.DropDownSizeable() &&
           FDropDown.DropDownForm()->Sizeable();
}

void TDropDownPanel::Refresh()
{
    const TPanelAppearance& a = Appearance();
    SetHeight(a.Height);
    SetVisible(a.Visible());
    CreateButtons();
    Invalidate();
}

TRect TDropDownPanel::ButtonArea() const
{
    const TRect r = ClientRect();
    if (!FFooter) return {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3};
    return {r.Left + 2, r.Top + 2, r.Right - (ShowsGrip() ? 14 : 2), r.Bottom - 2};
}

void TDropDownPanel::CreateButtons()
{
    for (auto it = FButtons.rbegin(); it != FButtons.rend(); ++it) delete *it;
    FButtons.clear();
    const TPanelAppearance& a = Appearance();
    const TQuillButtonAppearance& look = FDropDown.ButtonAppearance();
    const TImageList* images = FDropDown.Images();
    const int maxHeight = ButtonArea().Height();
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&look.Font());
    for (size_t i = 0; i < a.Buttons.size(); ++i) {
        const TStripButton& item = a.Buttons[i];
        auto* button = new TQuillButton(this, look);
        button->SetParent(this);
        button->SetCaption(item.Caption);
        button->SetImages(images, item.ImageIndex);
        button->SetEnabled(item.Enabled);
        if (FFooter) button->SetModalResult(item.ModalResult, &FDropDown);
        int w = probe.Canvas()->TextWidth(item.Caption), h = probe.Canvas()->TextHeight(item.Caption);
        if (images && item.ImageIndex >= 0) {
            w = std::max(w, images->Width());
            h = std::max(h, images->Height());
        }
        w = item.Width > 0 ? item.Width : w + 8;
        h = std::min(item.Height > 0 ? item.Height : h + 4, maxHeight);
        button->SetBounds(0, 0, w, h);
        button->SetTag(static_cast<int>(i));
        button->OnClick = [this](TObject* Sender) {
            const int index = static_cast<TQuillButton*>(Sender)->Tag();
            auto& event = FFooter ? FDropDown.OnDropDownFooterButtonClick : FDropDown.OnDropDownHeaderButtonClick;
            if (event) event(&FDropDown, index);
        };
        FButtons.push_back(button);
    }
    ArrangeButtons();
}

void TDropDownPanel::ArrangeButtons()
{
    if (FButtons.empty()) return;
    const TRect area = ButtonArea();
    int x = Appearance().ButtonAlignment == baRight ? area.Right : area.Left;
    for (TQuillButton* button : FButtons) {
        const int top = std::max(area.Top, (area.Bottom - button->Height()) / 2);
        if (Appearance().ButtonAlignment == baRight) {
            x -= button->Width();
            button->SetBounds(x, top, button->Width(), button->Height());
        } else {
            button->SetBounds(x, top, button->Width(), button->Height());
            x += button->Width();
        }
    }
}

void TDropDownPanel::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    ArrangeButtons();
}

void TDropDownPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, canvas, r);
        return;
    }
    const TPanelAppearance& a = Appearance();
    DrawRectangle(canvas, r, a.Color, a.ColorTo, a.GradientDirection, clNone, 0);
    if (a.BorderColor != clNone && a.BorderWidth > 0) PaintBorder(canvas, r, a);

    TRect content{r.Left + a.BorderWidth, r.Top + a.BorderWidth, r.Right - a.BorderWidth, r.Bottom - a.BorderWidth};
    const TImageList* images = FDropDown.Images();
    int textLeft = content.Left + 4;
    if (images && a.ImageIndex >= 0 && a.ImageIndex < images->Count()) {
        images->Draw(&canvas, content.Left + 4, content.Top + (content.Height() - images->Height()) / 2, a.ImageIndex);
        textLeft += images->Width() + 4;
    }
    std::string text = a.Caption;
    if (OnGetText) OnGetText(this, text);
    if (!text.empty()) {
        // The caption may carry markup: measured first, then drawn centred
        // in the strip's height.
        canvas.Font()->Assign(&a.Font());
        canvas.Brush()->SetStyle(bsClear);
        TRect bounds{textLeft, content.Top, content.Right, content.Bottom};
        // The caption stops short of the buttons.
        if (!FButtons.empty()) bounds.Right = FButtons.back()->Left() - 2;
        THTMLRenderParams params;
        params.Images = images;
        params.MeasureOnly = true;
        THTMLRenderResult measured;
        RenderHTMLText(&canvas, text, bounds, params, measured);
        bounds.Top += std::max(0, (bounds.Height() - measured.Height) / 2);
        params.MeasureOnly = false;
        THTMLRenderResult drawn;
        RenderHTMLText(&canvas, text, bounds, params, drawn);
    }
    if (ShowsGrip()) PaintGrip(canvas, {r.Right - a.BorderWidth - 16, 1, r.Right - a.BorderWidth - 1, r.Bottom}, a);
}

void TDropDownPanel::PaintBorder(TCanvas& Canvas, TRect R, const TPanelAppearance& A)
{
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetColor(A.BorderColor);
    Canvas.Pen()->SetWidth(A.BorderWidth);
    // Without a frame of the popup's own, the strip closes its outer sides.
    bool outer = FDropDown.DropDownBorderWidth() <= 0 || FDropDown.DropDownBorderColor() == clNone;
    int inner = FFooter ? R.Top : R.Bottom - 1;
    int edge = FFooter ? R.Bottom - 1 : R.Top;
    Canvas.MoveTo(R.Left, inner);
    Canvas.LineTo(R.Right, inner);
    if (outer) {
        Canvas.MoveTo(R.Left, inner);
        Canvas.LineTo(R.Left, edge);
        Canvas.LineTo(R.Right - 1, edge);
        Canvas.LineTo(R.Right - 1, inner);
    }
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(BlendColor(A.BorderColor, clWhite, 20));
    Canvas.Brush()->SetStyle(bsClear);
    if (FFooter) Canvas.Rectangle(R.Left, R.Top + A.BorderWidth, R.Right, R.Bottom);
    else Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom - A.BorderWidth);
}

void TDropDownPanel::PaintGrip(TCanvas& Canvas, TRect R, const TPanelAppearance& A)
{
    const TPoint dots[] = {{R.Left + 5, R.Bottom - 2},  {R.Left + 9, R.Bottom - 2}, {R.Left + 13, R.Bottom - 2},
                           {R.Left + 13, R.Bottom - 6}, {R.Left + 13, R.Bottom - 10}, {R.Left + 9, R.Bottom - 6}};
    Canvas.Brush()->SetStyle(bsSolid);
    // A light copy, then the dots themselves one pixel up and left: an engraved look.
    for (int pass = 0; pass < 2; ++pass) {
        Canvas.Brush()->SetColor(pass == 0 ? clWhite : A.BorderColor);
        for (TPoint p : dots) Canvas.FillRect({p.X - pass, p.Y - 2 - pass, p.X + 2 - pass, p.Y - pass});
    }
}

bool TDropDownPanel::InGrip(int X, int Y) const
{
    return ShowsGrip() && X > Width() - GripZoneWidth && Y > Height() - GripZoneHeight;
}

void TDropDownPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !InGrip(X, Y)) return;
    TCustomForm* popup = GetParentForm();
    FSizing = true;
    FSizeStart = ClientToScreen({X, Y});
    FStartSize = {popup->Width(), popup->Height()};
    SetMouseCapture(true);
}

void TDropDownPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(FSizing || InGrip(X, Y) ? crSizeNWSE : crDefault);
    if (!FSizing) return;
    TPoint now = ClientToScreen({X, Y});
    TCustomForm* popup = GetParentForm();
    popup->SetBounds(popup->Left(), popup->Top(),
                     std::max(TQuillCustomDropDown::MinPopupWidth, FStartSize.cx + now.X - FSizeStart.X),
                     std::max(TQuillCustomDropDown::MinPopupHeight, FStartSize.cy + now.Y - FSizeStart.Y));
    if (auto* form = dynamic_cast<TDropDownForm*>(popup); form && form->OnSizing) form->OnSizing(form);
}

void TDropDownPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FSizing) return;
    FSizing = false;
    SetMouseCapture(false);
}

} // namespace controls
