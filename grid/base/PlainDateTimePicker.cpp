// The plain date-time picker: value and text, committing typed text, and its button.
#include "grid/base/PlainDateTimePicker.h"

#include <cmath>

#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ScrollBars.h"

namespace grid {

TPlainDateTimePicker::TPlainDateTimePicker(TComponent* AOwner) : TCustomEdit(AOwner), FDateTime(::Date())
{
    SetBounds(0, 0, 186, 21);
    ShowValue();
}

int TPlainDateTimePicker::PlatformButtonWidth()
{
    return GetSystemMetrics(SM_CXVSCROLL);
}

void TPlainDateTimePicker::CreateWnd()
{
    TCustomEdit::CreateWnd();
    Perform(EM_SETMARGINS, EC_RIGHTMARGIN, MakeLParam(0, PlatformButtonWidth() + 2));
}

void TPlainDateTimePicker::SetKind(TDateTimeKind Value)
{
    if (Value == FKind) return;
    FKind = Value;
    ShowValue();
    Invalidate();
}

void TPlainDateTimePicker::SetDateTime(TDateTime Value)
{
    if (Value == FDateTime) return;
    FDateTime = Value;
    ShowValue();
    Change();
}

TDateTime TPlainDateTimePicker::Date() const
{
    return std::trunc(FDateTime);
}

void TPlainDateTimePicker::SetDate(TDateTime Value)
{
    SetDateTime(std::trunc(Value) + Time());
}

TDateTime TPlainDateTimePicker::Time() const
{
    return FDateTime - std::trunc(FDateTime);
}

void TPlainDateTimePicker::SetTime(TDateTime Value)
{
    SetDateTime(Date() + (Value - std::trunc(Value)));
}

void TPlainDateTimePicker::SetCtl3D(bool Value)
{
    if (Value == FCtl3D) return;
    FCtl3D = Value;
    Perform(CM_CTL3DCHANGED);
    Invalidate();
}

void TPlainDateTimePicker::ShowValue()
{
    SetText(FKind == dtkDate ? DateToStr(FDateTime) : TimeToStr(FDateTime));
}

void TPlainDateTimePicker::CommitText()
{
    try {
        if (FKind == dtkDate) SetDate(StrToDate(Text()));
        else SetTime(StrToTime(Text()));
    } catch (const EConvertError&) {
        // Leaving the field must not lose the value the picker holds.
    }
    ShowValue();
}

void TPlainDateTimePicker::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) CommitText();
    TCustomEdit::KeyDown(Key, Shift);
}

void TPlainDateTimePicker::CMExit(TMessage& Message)
{
    CommitText();
    TCustomEdit::CMExit(Message);
}

TRect TPlainDateTimePicker::ButtonRect() const
{
    const TRect client = ClientRect();
    return {client.Right - PlatformButtonWidth(), client.Top, client.Right, client.Bottom};
}

void TPlainDateTimePicker::Paint()
{
    TCustomEdit::Paint();
    TCanvas& c = *Canvas();
    const unsigned state = Enabled() ? 0u : DFCS_INACTIVE;
    TRect button = ButtonRect();
    if (FKind == dtkDate) {
        DrawFrameControl(c.Handle(), button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state);
        return;
    }
    const int middle = (button.Top + button.Bottom) / 2;
    TRect up{button.Left, button.Top, button.Right, middle};
    TRect down{button.Left, middle, button.Right, button.Bottom};
    DrawFrameControl(c.Handle(), up, DFC_SCROLL, DFCS_SCROLLUP | state);
    DrawFrameControl(c.Handle(), down, DFC_SCROLL, DFCS_SCROLLDOWN | state);
}

void TPlainDateTimePicker::PaintNonClient(TCanvas& Canvas)
{
    if (FCtl3D) {
        TCustomEdit::PaintNonClient(Canvas);
        return;
    }
    const TRect outer{0, 0, Width(), Height()};
    Canvas.Brush()->SetColor(clWindowFrame);
    Canvas.FrameRect(outer);
    TRect inner = outer;
    InflateRect(inner, -1, -1);
    Canvas.Brush()->SetColor(Color());
    Canvas.FrameRect(inner);
}

} // namespace grid
