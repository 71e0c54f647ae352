// The grid's check box: state changes, mouse and keys, and its drawing.
#include "grid/base/QuillCheckBox.h"

#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/MessageQueue.h"

namespace {

constexpr int kBoxStripWidth = 20;
constexpr int kBoxCorner = 16;
constexpr int kBoxSize = 13;

} // namespace

TQuillCheckBox::TQuillCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 98, 20);
    SetParentColor(true);
    // Clicks come from Toggle's callers, not from the framework's press and release.
    ControlStyle().Exclude(csClickEvents);
    SetCaption(ClassName());
}

void TQuillCheckBox::Toggle()
{
    if (!FReadOnly) SetChecked(!Checked());
}

void TQuillCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TQuillCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == FState) return;
    FState = Value;
    const TRect strip = BoxStrip();
    InvalidateRect(&strip, true);
}

void TQuillCheckBox::SetCaption(const std::string& Value)
{
    if (HandleAllocated()) SetTextBuf(Value);
    FCaption = Value;
    Invalidate();
}

void TQuillCheckBox::SetButtonVertAlign(TTextLayout Value)
{
    if (Value == FBtnVAlign) return;
    FBtnVAlign = Value;
    Invalidate();
}

void TQuillCheckBox::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TQuillCheckBox::SetEllipsis(bool Value)
{
    if (Value == FEllipsis) return;
    FEllipsis = Value;
    Invalidate();
}

void TQuillCheckBox::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

TRect TQuillCheckBox::BoxStrip() const
{
    const TRect client = ClientRect();
    if (FAlignment == taRightJustify) return {client.Right - kBoxStripWidth, client.Top, client.Right, client.Bottom};
    return {client.Left, client.Top, client.Left + kBoxStripWidth, client.Bottom};
}

void TQuillCheckBox::InvalidateBoxCorner()
{
    const TRect corner{0, 0, kBoxCorner, kBoxCorner};
    InvalidateRect(&corner, true);
}

TRect TQuillCheckBox::BoxRect() const
{
    const int height = ClientHeight();
    const int x = FAlignment == taRightJustify ? ClientWidth() - kBoxSize : 0;
    int y = 4;
    if (FBtnVAlign == tlCenter) y = height / 2 - 6;
    else if (FBtnVAlign == tlBottom) y = height - 17;
    return {x, y, x + kBoxSize, y + kBoxSize};
}

TRect TQuillCheckBox::CaptionRect() const
{
    TRect r = ClientRect();
    if (FAlignment == taRightJustify) {
        r.Left = 0;
        r.Right -= 9;
    } else {
        r.Left += 9;
    }
    r.Top += 4;
    r.Left += 6;
    return r;
}

void TQuillCheckBox::Paint()
{
    TCanvas& c = *Canvas();
    // A caption set before the window existed reaches the window text here.
    if (GetText() != FCaption) SetTextBuf(FCaption);
    if (!FTransparent) {
        c.Brush()->SetColor(Color());
        c.FillRect(ClientRect());
    }
    TRect box = BoxRect();
    unsigned boxState = DFCS_BUTTONCHECK;
    if (!Enabled() || FState == cbGrayed) boxState |= DFCS_INACTIVE;
    if (FState == cbChecked) boxState |= DFCS_CHECKED;
    DrawFrameControl(c.Handle(), box, DFC_BUTTON, boxState);

    TRect text = CaptionRect();
    const unsigned format = DT_SINGLELINE | DT_LEFT | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    c.Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        TRect highlight = text;
        OffsetRect(highlight, 1, 1);
        c.Font()->SetColor(clWhite);
        DrawText(c.Handle(), FCaption, highlight, format);
        c.Font()->SetColor(0x808080);
    }
    DrawText(c.Handle(), FCaption, text, format);

    if (FFocused) {
        const TSize extent = c.TextExtent(FCaption);
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect({text.Left - 2, text.Top, text.Left - 2 + extent.cx + 1, text.Top + extent.cy + 1});
    }
}

void TQuillCheckBox::PaintNonClient(TCanvas& Canvas)
{
    if (!FTransparent) TCustomControl::PaintNonClient(Canvas);
}

void TQuillCheckBox::WMEraseBkgnd(TMessage& Message)
{
    if (FTransparent) Message.Result = 1;
    else TCustomControl::WMEraseBkgnd(Message);
}

void TQuillCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!Focused() && CanFocus()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    SetMouseCapture(true);
    FMouseDown = true;
    FDown = true;
    InvalidateBoxCorner();
}

void TQuillCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (MouseCapture()) FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
}

void TQuillCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        SetMouseCapture(false);
        FDown = false;
        const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
        if (inside && Focused() && FMouseDown) {
            Toggle();
            Click();
        }
        FMouseDown = false;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    InvalidateBoxCorner();
}

void TQuillCheckBox::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        // Posted into the key pipeline at its start, so the form moves the focus as for a typed Tab.
        PostMessage(Handle(), CN_KEYDOWN, VK_TAB, 0);
    } else if (Key == VK_SPACE) {
        FDown = true;
        InvalidateBoxCorner();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TQuillCheckBox::KeyUp(unsigned short& Key, TShiftState Shift)
{
    if (Key != VK_SPACE) {
        TCustomControl::KeyUp(Key, Shift);
        return;
    }
    FDown = false;
    Toggle();
    Click();
}

void TQuillCheckBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(static_cast<char32_t>(Message.WParam), FCaption) && CanFocus()) {
        Toggle();
        if (TabStop()) SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TQuillCheckBox::CMEnter(TMessage& Message)
{
    FFocused = true;
    Invalidate();
    TCustomControl::CMEnter(Message);
}

void TQuillCheckBox::CMExit(TMessage& Message)
{
    FFocused = false;
    Invalidate();
    TCustomControl::CMExit(Message);
}

void TQuillCheckBox::CMMouseEnter(TMessage& Message)
{
    FHot = true;
    InvalidateBoxCorner();
    TCustomControl::CMMouseEnter(Message);
}

void TQuillCheckBox::CMMouseLeave(TMessage& Message)
{
    FHot = false;
    InvalidateBoxCorner();
    TCustomControl::CMMouseLeave(Message);
}

void TQuillCheckBox::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}
