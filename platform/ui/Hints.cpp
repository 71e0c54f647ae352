// THintWindow: a popup form that never takes activation, drawn in the
// tool-tip colours.
#include "platform/ui/Hints.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomForm(AOwner)
{
    SetPopup(true);
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    FColor = clInfoBk;
    Font().SetColor(clInfoText);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint)
{
    TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    c->SetFont(&Font());
    TRect r{0, 0, MaxWidth, 0};
    std::string text = AHint;
    c->TextRect(r, text, TTextFormat{tfCalcRect, tfLeft, tfWordBreak, tfNoPrefix});
    r.Right += 6;
    r.Bottom += 4;
    return r;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint)
{
    SetCaption(AHint);
    SetBoundsRect(Rect);
    if (!Visible()) Show();
    Invalidate();
}

void THintWindow::ReleaseHandle() { Hide(); }

void THintWindow::Paint()
{
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBlack);
    c->Rectangle(r);
    c->Font()->Assign(&Font());
    c->Brush()->SetStyle(bsClear);
    InflateRect(r, -2, -2);
    DrawHintText(*c, r);
}

void THintWindow::DrawHintText(TCanvas& ACanvas, const TRect& R)
{
    TRect r = R;
    std::string text = Caption();
    ACanvas.TextRect(r, text, TTextFormat{tfLeft, tfWordBreak, tfNoPrefix});
}
