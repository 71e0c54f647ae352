#include "controls/pickers/CalculatorKeypad.h"

#include <algorithm>

#include "controls/dropdown/DropDownDrawing.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/TextOutput.h"
#include "render/QuillGDIP.h"

namespace controls {

// ---- Items

TButtonItem::TButtonItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

void TButtonItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TButtonItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    Caption = s->Caption;
    CaptionColor = s->CaptionColor;
    Tag = s->Tag;
    ImageIndex = s->ImageIndex;
    FImage->Assign(s->FImage.get());
    Enabled = s->Enabled;
    Name = s->Name;
}

// ---- Appearance

TButtonAppearance::TButtonAppearance()
    : FColorChecked(AdjustColorTone(0xF5F0E1, -10, -10, 0)), FColorCheckedTo(AdjustColorTone(0xF9D2B2, -10, -10, 0)),
      FColorDisabled(AdjustColorTone(clWhite, -5, -5, -5)), FColorDisabledTo(AdjustColorTone(clWhite, -5, -5, -5)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetSize(10);
    FFont->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::SetColour(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TButtonAppearance::SetFont(const TFont& Value) { FFont->Assign(&Value); }

void TButtonAppearance::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TButtonAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    for (auto field : {&TButtonAppearance::FColor, &TButtonAppearance::FColorTo, &TButtonAppearance::FColorHot,
                       &TButtonAppearance::FColorHotTo, &TButtonAppearance::FColorDown,
                       &TButtonAppearance::FColorDownTo, &TButtonAppearance::FBorderColor,
                       &TButtonAppearance::FBorderColorHot, &TButtonAppearance::FBorderColorDown,
                       &TButtonAppearance::FGlowColorHot, &TButtonAppearance::FGlowColorDown,
                       &TButtonAppearance::FTextColor, &TButtonAppearance::FSpecialTextColor,
                       &TButtonAppearance::FColorChecked, &TButtonAppearance::FColorCheckedTo,
                       &TButtonAppearance::FColorDisabled, &TButtonAppearance::FColorDisabledTo,
                       &TButtonAppearance::FBorderColorChecked})
        SetColour(this->*field, s->*field);
    FShineColor = s->FShineColor;
    FFont->Assign(s->FFont.get());
}

// ---- Drawing a face

namespace {

ARGB WithAlpha(TColor Color, int Alpha)
{
    const ARGB c = ColorToOpaqueARGB(Color);
    return PackARGB(static_cast<std::uint8_t>(Alpha), ARGBRed(c), ARGBGreen(c), ARGBBlue(c));
}

TGPRectF RectF(float L, float T, float R, float B) { return NewGPRectF(L, T, R - L, B - T); }

// A strip of the halo fading from the side that touches the button.
void FillHalo(TGPGraphics& G, const TGPRectF& R, TColor Glow, LinearGradientMode Mode, bool FromFar)
{
    if (R.Width <= 0 || R.Height <= 0) return;
    const ARGB near = WithAlpha(Glow, 130), far = WithAlpha(Glow, 0);
    TGPLinearGradientBrush brush(NewGPRectF(R.X - 0.5f, R.Y - 0.5f, R.Width + 1, R.Height + 1), FromFar ? far : near,
                                 FromFar ? near : far, Mode);
    G.FillRectangle(&brush, R);
}

} // namespace

void DrawKeypadFace(TCanvas& Canvas, const TRect& R, TColor Face, TColor FaceTo, TColor Border, TColor Glow,
                    TColor Shine)
{
    TGPGraphics g(Canvas.Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const float L = static_cast<float>(R.Left), T = static_cast<float>(R.Top), Rt = static_cast<float>(R.Right),
                B = static_cast<float>(R.Bottom);
    const float mid = static_cast<float>(R.Top + R.Height() / 2), w = static_cast<float>(R.Width());

    const TGPRectF lower = NewGPRectF(L, mid, w - 1, B - mid - 1);
    if (lower.Height > 0) {
        TGPLinearGradientBrush lowerBrush(NewGPRectF(L, mid - 1, w, B - mid + 1), ColorToOpaqueARGB(Face),
                                          ColorToOpaqueARGB(FaceTo), LinearGradientModeVertical);
        g.FillRectangle(&lowerBrush, lower);
    }
    const TGPRectF upper = NewGPRectF(L, T, w - 1, mid - T);
    if (upper.Height > 0) {
        TGPSolidBrush faceBrush(ColorToOpaqueARGB(Face));
        g.FillRectangle(&faceBrush, upper);
        TGPLinearGradientBrush shine(NewGPRectF(L, T - 1, w, mid - T + 2), WithAlpha(Shine, 160), WithAlpha(Shine, 90),
                                     LinearGradientModeVertical);
        g.FillRectangle(&shine, upper);
    }
    TGPPen white(ColorToOpaqueARGB(clWhite));
    g.DrawLine(&white, L, T + 1, Rt, T + 1);
    TGPPen inner(ColorToOpaqueARGB(0xE7E0C7));
    g.DrawLine(&inner, L + 1, T + 2, L + 1, B - 2);
    g.DrawLine(&inner, L + 1, B - 2, Rt - 1, B - 2);
    g.DrawLine(&inner, Rt - 1, B - 2, Rt - 1, T + 1);
    if (Border != clNone) {
        TGPPen outline(ColorToOpaqueARGB(Border));
        g.DrawRectangle(&outline, L, T, w, B - T - 1);
    }
    if (Glow == clNone) return;
    TGPPen glowLine(WithAlpha(Glow, 100));
    g.DrawRectangle(&glowLine, L, T, w, B - T - 1);
    FillHalo(g, RectF(L - 8, T, L, B), Glow, LinearGradientModeHorizontal, true);
    FillHalo(g, RectF(Rt - 1, T, Rt + 8, B), Glow, LinearGradientModeHorizontal, false);
    FillHalo(g, RectF(L, T - 8, Rt, T), Glow, LinearGradientModeVertical, true);
    FillHalo(g, RectF(L, B - 1, Rt, B + 7), Glow, LinearGradientModeVertical, false);
    FillHalo(g, RectF(L - 6, B - 1, L, B + 5), Glow, LinearGradientModeBackwardDiagonal, true);
    FillHalo(g, RectF(Rt, B, Rt + 5, B + 5), Glow, LinearGradientModeForwardDiagonal, false);
    FillHalo(g, RectF(L - 6, T - 6, L, T), Glow, LinearGradientModeForwardDiagonal, true);
    FillHalo(g, RectF(Rt, T - 6, Rt + 5, T), Glow, LinearGradientModeBackwardDiagonal, false);
}

// ---- The panel

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>(this)),
      FAppearance(std::make_unique<TButtonAppearance>())
{
    FAppearance->OnChange = [this](TObject*) {
        if (!FDropDown) Invalidate();
    };
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    FButtonPanelType = Value;
    ArrangeButtons();
}

void TCustomButtonPanel::SetImages(const TImageList* Value)
{
    FImages = Value;
    ArrangeButtons();
}

void TCustomButtonPanel::GetButtonsRect(TRect& R) const
{
    R = {OffsetX, OffsetY, ClientWidth() - OffsetX, ClientHeight() - OffsetY};
}

TSize TCustomButtonPanel::ImageSize(const TButtonItem& Item) const
{
    if (Item.Image().Graphic() && !Item.Image().Graphic()->Empty()) return {Item.Image().Width(), Item.Image().Height()};
    if (FImages && Item.ImageIndex >= 0) return {FImages->Width(), FImages->Height()};
    return {0, 0};
}

void TCustomButtonPanel::GetButtonSize(TSize& Size)
{
    TSize image{0, 0}, caption{0, 0};
    Canvas()->Font()->Assign(&Font());
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem& item = *FButtons->Items(i);
        const TSize is = ImageSize(item);
        image = {std::max(image.cx, is.cx), std::max(image.cy, is.cy)};
        if (!item.Caption.empty()) {
            const TSize cs = Canvas()->TextExtent(item.Caption);
            caption = {std::max(caption.cx, cs.cx), std::max(caption.cy, cs.cy)};
        }
    }
    const int gap = image.cx > 0 && caption.cx > 0 ? FCaptionGap : 0;
    if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
        Size.cx = 2 * ButtonOffsetX + image.cx + gap + caption.cx;
        Size.cy = std::max(image.cy, caption.cy) + 2 * ButtonOffsetY;
    } else {
        Size.cx = std::max(image.cx, caption.cx) + 2 * ButtonOffsetX;
        Size.cy = 2 * ButtonOffsetY + image.cy + (image.cy > 0 && caption.cy > 0 ? FCaptionGap : 0) + caption.cy;
    }
}

void TCustomButtonPanel::ClearButtons() { FButtons->Clear(); }

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    InitButtons();
}

void TCustomButtonPanel::InitButtons()
{
    struct TKey {
        const char* Caption;
        int Tag;
        bool Special;
    };
    static constexpr TKey keys[] = {
        {"", 30, false},     {"Back", 31, true}, {"CE", 32, true}, {"C", 16, true},    {"MC", 33, true},
        {"MR", 34, true},    {"MS", 35, true},   {"M+", 36, true}, {"0", 0, false},    {"1", 1, false},
        {"4", 4, false},     {"7", 7, false},    {"8", 8, false},  {"5", 5, false},    {"2", 2, false},
        {"+/-", 14, false},  {".", 15, false},   {"3", 3, false},  {"6", 6, false},    {"9", 9, false},
        {"/", 13, true},     {"*", 12, true},    {"-", 11, true},  {"+", 10, true},    {"=", 17, true},
        {"1/x", 38, false},  {"%", 18, false},   {"sqrt", 37, true}};
    if (FButtons->Count() == 0 && FButtonPanelType == plCalculator) {
        for (const TKey& k : keys) {
            TButtonItem& item = *FButtons->Add();
            item.Caption = k.Caption;
            item.Tag = k.Tag;
            item.Special = k.Special;
            item.Name = std::string("BTN_") + (k.Tag == 30 ? "ON" : k.Caption);
            if (k.Special) item.CaptionColor = 128;
        }
    }
    ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtonPanelType != plCalculator || FButtons->Count() == 0) return;
    TRect a;
    GetButtonsRect(a);
    constexpr int gap = 4;
    const int w = (a.Width() - 2 * gap) / 6, h = (a.Height() - gap) / 5;
    auto place = [this](int Index, int X, int Y, int W, int H) {
        if (!ValidIndex(Index)) return;
        TButtonItem& b = *FButtons->Items(Index);
        b.Left = X;
        b.Top = Y;
        b.Width = W;
        b.Height = H;
    };
    place(0, a.Left, a.Top, w, h);
    int col[6];
    col[0] = a.Left;
    col[1] = col[0] + w + gap;
    col[2] = col[1] + w - 1;
    col[3] = col[2] + w - 1;
    col[4] = col[3] + w + gap;
    col[5] = col[4] + w - 1;
    int row[4];
    row[0] = a.Top + h + gap;
    for (int r = 1; r < 4; ++r) row[r] = row[r - 1] + h - 1;
    // The collection fills the columns alternately downward and upward.
    static constexpr int grid[4][6] = {{4, 11, 12, 19, 20, 27}, {5, 10, 13, 18, 21, 26},
                                       {6, 9, 14, 17, 22, 25}, {7, 8, 15, 16, 23, 24}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c) place(grid[r][c], col[c], row[r], w, h);
    const int right = col[5] + w, x = a.Left + w + gap;
    const int w2 = (right - x - 2 * gap) / 3;
    place(1, x, a.Top, w2, h);
    place(2, x + w2 + gap, a.Top, w2, h);
    const int cx = x + 2 * (w2 + gap);
    place(3, cx, a.Top, right - cx, h);
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const
{
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TRect r = FButtons->Items(i)->Rect();
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
    }
    return -1;
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (!ValidIndex(Index)) return;
    TRect r = FButtons->Items(Index)->Rect();
    r = {r.Left - 8, r.Top - 8, r.Right + 8, r.Bottom + 8};
    InvalidateRect(&r, true);
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* Canvas)
{
    if (!ValidIndex(Index) || !Canvas) return;
    const TButtonItem& item = *FButtons->Items(Index);
    TRect r = item.Rect();
    if (r.Left < 0 && r.Right < 0) return;
    const TButtonAppearance& a = *FAppearance;
    if (Index == FDownIndex)
        DrawKeypadFace(*Canvas, r, a.ColorDown(), a.ColorDownTo(), a.BorderColorDown(), a.GlowColorDown(),
                       a.ShineColor());
    else if (Index == FHotIndex)
        DrawKeypadFace(*Canvas, r, a.ColorHot(), a.ColorHotTo(), a.BorderColorHot(), a.GlowColorHot(), a.ShineColor());
    else DrawKeypadFace(*Canvas, r, a.Color(), a.ColorTo(), a.BorderColor(), clNone, a.ShineColor());

    const TSize image = ImageSize(item);
    const bool hasImage = image.cx > 0;
    TRect content{r.Left + ButtonOffsetX, r.Top + ButtonOffsetY, r.Right - ButtonOffsetX, r.Bottom - ButtonOffsetY};
    Canvas->Font()->Assign(&a.Font());
    Canvas->Font()->SetColor(item.Special ? a.SpecialTextColor() : a.TextColor());
    Canvas->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_SINGLELINE | DT_VCENTER | (hasImage ? DT_LEFT : DT_CENTER);
    auto drawImage = [&](int X, int Y) {
        if (!hasImage) return;
        if (item.Image().Graphic() && !item.Image().Graphic()->Empty()) Canvas->Draw(X, Y, item.Image().Graphic());
        else FImages->Draw(Canvas, X, Y, item.ImageIndex, item.Enabled);
    };
    auto drawCaption = [&](TRect R, unsigned Flags) {
        if (!item.Caption.empty()) DrawText(Canvas->Handle(), item.Caption, R, Flags);
    };
    const int captionWidth = item.Caption.empty() ? 0 : Canvas->TextWidth(item.Caption);
    const int captionHeight = item.Caption.empty() ? 0 : Canvas->TextHeight(item.Caption);
    switch (FButtonLayout) {
    case ilCaptionRight:
        drawImage(content.Left, content.Top + (content.Height() - image.cy) / 2);
        if (hasImage) content.Left += image.cx + FCaptionGap;
        drawCaption(content, flags);
        break;
    case ilCaptionLeft: {
        TRect text = content;
        text.Right -= image.cx;
        drawCaption(text, flags);
        drawImage(text.Left + captionWidth + FCaptionGap, content.Top + (content.Height() - image.cy) / 2);
        break;
    }
    case ilCaptionTop:
        if (!item.Caption.empty()) {
            TRect text = content;
            text.Bottom -= image.cy;
            drawCaption(text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            drawImage(content.Left, content.Top + captionHeight + FCaptionGap);
        } else drawImage(content.Left, content.Top + (content.Height() - image.cy) / 2);
        break;
    case ilCaptionBottom: {
        const int top = item.Caption.empty() ? content.Top + (content.Height() - image.cy) / 2 : content.Top;
        drawImage(content.Left, top);
        content.Top = top + image.cy + FCaptionGap;
        drawCaption(content, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        break;
    }
    }
}

void TCustomButtonPanel::Paint()
{
    TCustomControl::Paint();
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.Brush()->SetStyle(bsSolid);
    c.FillRect({0, 0, ClientWidth(), ClientHeight()});
    if (!FDropDown) {
        c.Brush()->SetStyle(bsClear);
        c.Pen()->SetColor(clBlack);
        c.Rectangle({0, 0, ClientWidth(), ClientHeight()});
    }
    for (int i = 0; i < FButtons->Count(); ++i)
        if (i != FHotIndex) DrawButton(i, &c);
    // The hot button last: its halo lies over its neighbours.
    if (ValidIndex(FHotIndex)) DrawButton(FHotIndex, &c);
}

void TCustomButtonPanel::Loaded()
{
    TCustomControl::Loaded();
    if (!FDropDown) InitButtons();
}

void TCustomButtonPanel::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    ArrangeButtons();
}

void TCustomButtonPanel::SetButtonHot(int Index)
{
    if (Index == FHotIndex || (ValidIndex(Index) && !FButtons->Items(Index)->Enabled)) return;
    const int old = FHotIndex;
    FHotIndex = -1;
    InvalidateButton(old);
    FHotIndex = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index)
{
    if (Index == FDownIndex || (ValidIndex(Index) && !FButtons->Items(Index)->Enabled)) return;
    const int old = FDownIndex;
    FDownIndex = -1;
    InvalidateButton(old);
    FDownIndex = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (ValidIndex(i) && FButtons->Items(i)->Enabled) SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    // Over a disabled button no button is hot.
    SetButtonHot(ValidIndex(i) && FButtons->Items(i)->Enabled ? i : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const int pressed = FDownIndex;
    SetButtonDown(-1);
    if (pressed >= 0 && ButtonAtPos(X, Y) == pressed) DoButtonClick(pressed);
}

void TCustomButtonPanel::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    SetButtonHot(-1);
}

} // namespace controls
