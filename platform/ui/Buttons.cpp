// TButton, TBitBtn, TSpeedButton, TCheckBox and TRadioButton.
#include "platform/ui/Buttons.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FrameDrawing.h"

namespace {

void DrawCaption(TCanvas& c, TRect r, const std::string& caption, bool enabled)
{
    std::string text = caption;
    c.Brush()->SetStyle(bsClear);
    if (!enabled) c.Font()->SetColor(clGrayText);
    c.TextRect(r, text, TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine});
    c.Brush()->SetStyle(bsSolid);
}

} // namespace

// ---- TButton

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    FColor = clBtnFace;
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value)
{
    FDefault = Value;
    Invalidate();
}

void TButton::SetPressed(bool Value)
{
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    bool isDefault = FDefault || Focused();
    if (isDefault) {
        c.Brush()->SetColor(clWindowFrame);
        c.FrameRect(r);
        InflateRect(r, -1, -1);
    }
    DrawEdge(c.Handle(), r, FPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    c.Font()->Assign(&Font());
    TRect face = r;
    if (FPressed) OffsetRect(face, 1, 1);
    PaintFace(c, face);
    if (Focused()) {
        InflateRect(r, -2, -2);
        c.DrawFocusRect(r);
    }
}

void TButton::PaintFace(TCanvas& C, TRect R) { DrawCaption(C, R, Caption(), IsEnabledWithParents()); }

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (MouseCapture()) SetPressed(ClientRect().Contains({X, Y}));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) SetPressed(false);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) {
        FSpaceDown = true;
        SetPressed(true);
    }
}

void TButton::KeyUp(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        SetPressed(false);
        Click();
    }
}

void TButton::WMKillFocus(TMessage& Message)
{
    FSpaceDown = false;
    SetPressed(false);
    TCustomControl::WMKillFocus(Message);
}

void TButton::CMDialogKey(TMessage& Message)
{
    auto key = static_cast<unsigned short>(Message.WParam);
    TShiftState shift = KeyDataToShiftState(static_cast<std::uint32_t>(Message.LParam));
    TWinControl* focused = ui::FocusedControl();
    // The focused button takes Enter; the default one does while no other button has the focus.
    bool active = Focused() || (FDefault && !dynamic_cast<TButton*>(focused));
    if (((key == VK_RETURN && active) || (key == VK_ESCAPE && FCancel)) && shift.Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(Message);
}

void TButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
    }
}

// ---- TBitBtn

namespace {
struct TKindInfo {
    const char* Caption;
    TModalResult Result;
};
constexpr TKindInfo KindInfo[] = {
    {"", mrNone},         {"OK", mrOk},     {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},      {"&No", mrNo},    {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry},  {"&Ignore", mrIgnore}, {"&All", mrAll},
};
} // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetGlyph(const TBitmap& Value)
{
    FGlyph->Assign(&Value);
    Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind Value)
{
    FKind = Value;
    if (Value == bkCustom) return;
    const TKindInfo& info = KindInfo[Value];
    SetCaption(info.Caption);
    SetModalResult(info.Result);
    if (Value == bkOK || Value == bkYes) SetDefault(true);
    if (Value == bkCancel || Value == bkNo) SetCancel(true);
}

void TBitBtn::SetLayout(TButtonLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TBitBtn::SetSpacing(int Value)
{
    FSpacing = Value;
    Invalidate();
}

void TBitBtn::PaintFace(TCanvas& C, TRect R)
{
    if (FGlyph->Empty()) {
        TButton::PaintFace(C, R);
        return;
    }
    std::string text = Caption();
    TRect measure{0, 0, 10000, 0};
    C.TextRect(measure, text, TTextFormat{tfCalcRect, tfSingleLine});
    int gw = FGlyph->Width(), gh = FGlyph->Height();
    bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    int totalW = horizontal ? gw + FSpacing + measure.Width() : std::max(gw, measure.Width());
    int totalH = horizontal ? std::max(gh, measure.Height()) : gh + FSpacing + measure.Height();
    int x = R.Left + (R.Width() - totalW) / 2, y = R.Top + (R.Height() - totalH) / 2;
    TPoint glyphAt, textAt;
    switch (FLayout) {
    case blGlyphLeft: glyphAt = {x, R.Top + (R.Height() - gh) / 2}; textAt = {x + gw + FSpacing, y}; break;
    case blGlyphRight: glyphAt = {x + totalW - gw, R.Top + (R.Height() - gh) / 2}; textAt = {x, y}; break;
    case blGlyphTop: glyphAt = {R.Left + (R.Width() - gw) / 2, y}; textAt = {x, y + gh + FSpacing}; break;
    case blGlyphBottom: glyphAt = {R.Left + (R.Width() - gw) / 2, y + totalH - gh}; textAt = {x, y}; break;
    }
    FGlyph->SetTransparent(true);
    C.Draw(glyphAt.X, glyphAt.Y, FGlyph.get());
    TRect textRect = Bounds(textAt.X, textAt.Y, horizontal ? measure.Width() : totalW, measure.Height());
    DrawCaption(C, textRect, text, IsEnabledWithParents());
}

// ---- TSpeedButton

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FColor = clBtnFace;
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap& Value)
{
    FGlyph->Assign(&Value);
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value)
{
    FGroupIndex = Value;
    if (Value == 0) SetDown(false);
}

void TSpeedButton::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetDown(bool Value)
{
    if (FGroupIndex == 0) Value = false;
    if (FDown == Value) return;
    if (!Value && !FAllowAllUp) {
        // The last button down of a group stays down unless the group allows none.
        bool otherDown = false;
        if (Parent())
            for (int i = 0; i < Parent()->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this &&
                    b->FGroupIndex == FGroupIndex && b->FDown)
                    otherDown = true;
        if (!otherDown) return;
    }
    FDown = Value;
    if (Value && Parent()) {
        TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (Parent()->Controls(i) != this) Parent()->Controls(i)->WindowProc(m);
    }
    Invalidate();
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_BUTTONPRESSED) {
        if (static_cast<int>(Message.WParam) == FGroupIndex && FGroupIndex != 0 &&
            reinterpret_cast<TSpeedButton*>(Message.LParam) != this && FDown) {
            FDown = false;
            Invalidate();
        }
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::Click()
{
    if (FGroupIndex != 0) SetDown(FAllowAllUp ? !FDown : true);
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FPressing = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        FPressing = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::CMMouseEnter(TMessage& Message)
{
    FHot = true;
    if (FFlat) Invalidate();
    TGraphicControl::CMMouseEnter(Message);
}

void TSpeedButton::CMMouseLeave(TMessage& Message)
{
    FHot = false;
    if (FFlat) Invalidate();
    TGraphicControl::CMMouseLeave(Message);
}

void TSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    bool sunken = FDown || FPressing;
    if (!FFlat || FHot || sunken) DrawEdge(c.Handle(), r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    if (sunken) OffsetRect(r, 1, 1);
    c.Font()->Assign(&Font());
    if (!FGlyph->Empty()) {
        FGlyph->SetTransparent(true);
        int x = r.Left + (r.Width() - FGlyph->Width()) / 2;
        int y = r.Top + (r.Height() - FGlyph->Height()) / 2;
        if (Caption().empty()) {
            c.Draw(x, y, FGlyph.get());
            return;
        }
        c.Draw(r.Left + 2, y, FGlyph.get());
        r.Left += FGlyph->Width() + 4;
    }
    DrawCaption(c, r, Caption(), IsEnabledWithParents());
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    FColor = clBtnFace;
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    Invalidate();
    TCustomControl::Click();
}

void TCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbGrayed: SetState(cbChecked); break;
    default: SetState(cbUnchecked); break;
    }
}

void TCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCheckBox::Click() { Toggle(); }

void TCheckBox::KeyUp(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE) Toggle();
}

void TCheckBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        Message.Result = 1;
    }
}

void TCheckBox::PaintButton(bool Radio)
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    int box = 13;
    TRect mark = Bounds(0, (r.Height() - box) / 2, box, box);
    unsigned state = Radio ? DFCS_BUTTONRADIO : (FState == cbGrayed ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK);
    if (FState != cbUnchecked) state |= DFCS_CHECKED;
    if (!IsEnabledWithParents()) state |= DFCS_INACTIVE;
    DrawFrameControl(c.Handle(), mark, DFC_BUTTON, state);
    c.Font()->Assign(&Font());
    TRect text{box + 4, 0, r.Right, r.Bottom};
    std::string caption = Caption();
    c.Brush()->SetStyle(bsClear);
    if (!IsEnabledWithParents()) c.Font()->SetColor(clGrayText);
    TRect measure = text;
    c.TextRect(measure, caption, TTextFormat{tfCalcRect, tfSingleLine});
    c.TextRect(text, caption, TTextFormat{tfSingleLine, tfVerticalCenter, tfLeft});
    if (Focused()) {
        TRect focus{text.Left - 1, (r.Height() - measure.Height()) / 2 - 1, text.Left + measure.Width() + 1,
                    (r.Height() + measure.Height()) / 2 + 1};
        c.DrawFocusRect(focus);
    }
}

void TCheckBox::Paint() { PaintButton(false); }

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* AOwner) : TCheckBox(AOwner) {}

void TRadioButton::SetState(TCheckBoxState Value)
{
    if (Value == cbGrayed) Value = cbChecked;
    bool turningOn = Value == cbChecked && FState != cbChecked;
    TCheckBox::SetState(Value);
    if (!turningOn || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this && other->Checked())
            other->SetState(cbUnchecked);
}

void TRadioButton::Toggle()
{
    // Choosing a radio button only ever checks it.
    SetState(cbChecked);
}

void TRadioButton::WMSetFocus(TMessage& Message)
{
    TCheckBox::WMSetFocus(Message);
    // Moving into a group with the arrow keys selects the button reached.
    if (GetKeyState(VK_LBUTTON) >= 0 && GetKeyState(VK_TAB) >= 0 && !Checked()) SetState(cbChecked);
}

void TRadioButton::Paint() { PaintButton(true); }
