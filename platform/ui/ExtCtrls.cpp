// TPanel, TGroupBox, TLabel, TImage and TStatusBar.
#include "platform/ui/ExtCtrls.h"

#include <algorithm>

#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/MessageQueue.h"

namespace {

unsigned EdgeOf(TBevelCut cut) { return cut == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER; }

// Draws one bevel of the given width and moves R inside it.
void DrawBevel(TCanvas& c, TRect& r, TBevelCut cut, int width)
{
    if (cut == bvNone) return;
    for (int i = 0; i < width; ++i) {
        if (cut == bvSpace) InflateRect(r, -1, -1);
        else DrawEdge(c.Handle(), r, EdgeOf(cut), BF_RECT | BF_ADJUST);
    }
}

TTextFormat AlignmentFormat(TAlignment a)
{
    switch (a) {
    case taRightJustify: return TTextFormat{tfRight};
    case taCenter: return TTextFormat{tfCenter};
    default: return TTextFormat{tfLeft};
    }
}

} // namespace

// ---- TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle().Include(csAcceptsControls);
    FColor = clBtnFace;
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    FBevelInner = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    FBevelOuter = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    FBevelWidth = std::max(1, Value);
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    FBorderStyle = Value;
    Realign();
    Invalidate();
}

TRect TCustomPanel::NonClientMargins() const
{
    return WithSingleBorder(TCustomControl::NonClientMargins(), FBorderStyle);
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    int bevel = (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
    InflateRect(Rect, -bevel, -bevel);
}

void TCustomPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawBevel(c, r, FBevelOuter, FBevelWidth);
    DrawBevel(c, r, FBevelInner, FBevelWidth);
    std::string text = Caption();
    if (text.empty()) return;
    c.Font()->Assign(&Font());
    c.Brush()->SetStyle(bsClear);
    TTextFormat f = AlignmentFormat(FAlignment);
    f.Include(tfVerticalCenter);
    f.Include(tfSingleLine);
    InflateRect(r, -2, 0);
    c.TextRect(r, text, f);
}

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle().Include(csAcceptsControls);
    FColor = clBtnFace;
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::AdjustClientRect(TRect& Rect)
{
    Rect.Top += 15;
    InflateRect(Rect, -2, -2);
}

void TGroupBox::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.Font()->Assign(&Font());
    int textHeight = c.TextHeight("0");
    TRect frame = ClientRect();
    frame.Top += textHeight / 2;
    DrawEdge(c.Handle(), frame, EDGE_ETCHED, BF_RECT);
    std::string text = Caption();
    if (text.empty()) return;
    TRect r{8, 0, ClientWidth() - 8, textHeight};
    TRect measure = r;
    c.TextRect(measure, text, TTextFormat{tfCalcRect, tfSingleLine, tfLeft});
    r.Right = measure.Right + 4;
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    c.Brush()->SetStyle(bsClear);
    r.Left += 2;
    c.TextRect(r, text, TTextFormat{tfSingleLine, tfLeft});
}

// ---- TCustomLabel

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FColor = clBtnFace;
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::TextChanged()
{
    TGraphicControl::TextChanged();
    AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message)
{
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR) {
        if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<char32_t>(Message.WParam), Caption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
        }
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TCustomLabel::DoDrawText(TRect& Rect, TTextFormat Flags)
{
    std::string text = Caption();
    if (text.empty() && Flags.Contains(tfCalcRect)) text = " ";
    if (!FShowAccelChar) Flags.Include(tfNoPrefix);
    if (FWordWrap) Flags.Include(tfWordBreak);
    else Flags.Include(tfSingleLine);
    TCanvas& c = *Canvas();
    c.Font()->Assign(&Font());
    if (!IsEnabledWithParents()) c.Font()->SetColor(clGrayText);
    c.Brush()->SetStyle(bsClear);
    c.TextRect(Rect, text, Flags);
}

void TCustomLabel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    if (!FTransparent) {
        c.Brush()->SetColor(Color());
        c.FillRect(r);
    }
    TTextFormat f = AlignmentFormat(FAlignment);
    if (FLayout != tlTop) {
        TRect measure = r;
        DoDrawText(measure, f | TTextFormat{tfCalcRect});
        int h = measure.Height();
        r.Top = FLayout == tlCenter ? (r.Height() - h) / 2 : r.Bottom - h;
        r.Bottom = r.Top + h;
    }
    DoDrawText(r, f);
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize) return;
    TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    std::string text = Caption().empty() ? " " : Caption();
    TRect r{0, 0, FWordWrap ? Width() : 10000, 0};
    c->Font()->Assign(&Font());
    TTextFormat f{tfCalcRect};
    f.Include(FWordWrap ? tfWordBreak : tfSingleLine);
    if (!FShowAccelChar) f.Include(tfNoPrefix);
    c->TextRect(r, text, f);
    int left = Left();
    if (FAlignment == taRightJustify) left += Width() - r.Width();
    else if (FAlignment == taCenter) left += (Width() - r.Width()) / 2;
    SetBounds(left, Top(), r.Width(), r.Height());
}

// ---- TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this](TObject* s) { PictureChanged(s); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    if (FFrameTimer) KillTimer(0, FFrameTimer);
}

void TImage::SetPicture(const TPicture& Value) { FPicture->Assign(&Value); }

void TImage::SetStretch(bool Value)
{
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    FCenter = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    FProportional = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TImage::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    PictureChanged(this);
}

void TImage::SetAnimate(bool Value)
{
    FAnimate = Value;
    ScheduleFrame();
}

void TImage::PictureChanged(TObject*)
{
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    ScheduleFrame();
    Invalidate();
}

void TImage::ScheduleFrame()
{
    if (FFrameTimer) KillTimer(0, FFrameTimer);
    FFrameTimer = 0;
    auto* gif = dynamic_cast<TGIFImage*>(FPicture->Graphic());
    if (!FAnimate || !gif || gif->FrameCount() < 2) return;
    int delay = std::max(10, gif->FrameDelay(gif->CurrentFrame()));
    FFrameTimer = SetTimer(0, 0, static_cast<unsigned>(delay), [this](HWND, unsigned, std::uintptr_t, std::uint64_t) {
        if (auto* g = dynamic_cast<TGIFImage*>(FPicture->Graphic())) {
            g->NextFrame();
            Invalidate();
        }
        ScheduleFrame();
    });
}

TRect TImage::DestRect() const
{
    int w = FPicture->Width(), h = FPicture->Height();
    int cw = ClientWidth(), ch = ClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            double scale = std::min(double(cw) / w, double(ch) / h);
            w = static_cast<int>(w * scale);
            h = static_cast<int>(h * scale);
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0, y = 0;
    if (FCenter) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    return Bounds(x, y, w, h);
}

void TImage::Paint()
{
    TGraphic* g = FPicture->Graphic();
    if (!g || g->Empty()) return;
    g->SetTransparent(FTransparent);
    Canvas()->StretchDraw(DestRect(), g);
}

// ---- TStatusBar

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FColor = clBtnFace;
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool Value)
{
    FSimplePanel = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& Value)
{
    FSimpleText = Value;
    Invalidate();
}

TStatusPanel& TStatusBar::Panels(int Index)
{
    if (Index < 0 || Index >= PanelCount()) throw EListError("Status panel index out of range (" + std::to_string(Index) + ")");
    return FPanels[static_cast<std::size_t>(Index)];
}

TStatusPanel& TStatusBar::AddPanel()
{
    FPanels.emplace_back();
    Invalidate();
    return FPanels.back();
}

void TStatusBar::ClearPanels()
{
    FPanels.clear();
    Invalidate();
}

void TStatusBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.Font()->Assign(&Font());
    auto drawPanel = [&](TRect r, const std::string& text, TAlignment a) {
        TRect frame = r;
        DrawEdge(c.Handle(), frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        InflateRect(frame, -2, 0);
        std::string t = text;
        c.Brush()->SetStyle(bsClear);
        TTextFormat f = AlignmentFormat(a);
        f.Include(tfSingleLine);
        f.Include(tfVerticalCenter);
        c.TextRect(frame, t, f);
        c.Brush()->SetStyle(bsSolid);
    };
    if (FSimplePanel || FPanels.empty()) {
        drawPanel(ClientRect(), FSimpleText, taLeftJustify);
        return;
    }
    int x = 0;
    for (std::size_t i = 0; i < FPanels.size(); ++i) {
        // The last panel takes the rest of the bar.
        int w = i + 1 == FPanels.size() ? std::max(FPanels[i].Width, ClientWidth() - x) : FPanels[i].Width;
        drawPanel(Bounds(x, 0, w, ClientHeight()), FPanels[i].Text, FPanels[i].Alignment);
        x += w;
    }
}
