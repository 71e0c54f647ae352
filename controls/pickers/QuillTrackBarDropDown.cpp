#include "controls/pickers/QuillTrackBarDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

TQuillTrackBarDropDown::TQuillTrackBarDropDown(TComponent* AOwner) : TQuillCustomDropDown(AOwner)
{
    CreateDropDownForm();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetForceShadow(true);
    SetRawText("0");
}

void TQuillTrackBarDropDown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (FTrackBar) return;
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(DropDownForm());
    FTrackBar->SetBounds(0, 0, Width(), TrackBarHeight);
    FTrackBar->SetRange(FMin, FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->OnChange = [this](TObject*) { HandleTrackBarChange(); };
}

void TQuillTrackBarDropDown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    // A click elsewhere closes the popup keeping the value.
    DropDownForm()->SetCancelOnDeActivate(false);
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetDropDownControl(FTrackBar);
}

void TQuillTrackBarDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    // The track bar fills the popup while it is open; its own height is what
    // the popup needs.
    FTrackBar->SetAlign(alNone);
    FTrackBar->SetBounds(0, 0, this->Width(), TrackBarHeight);
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
}

void TQuillTrackBarDropDown::Store(int& Field, int Value, void (TTrackBar::*Setter)(int), int (TTrackBar::*Getter)() const)
{
    Field = Value;
    if (!FTrackBar) return;
    (FTrackBar->*Setter)(Value);
    Field = (FTrackBar->*Getter)();
}

void TQuillTrackBarDropDown::SetMin(int Value) { Store(FMin, Value, &TTrackBar::SetMin, &TTrackBar::Min); }
void TQuillTrackBarDropDown::SetMax(int Value) { Store(FMax, Value, &TTrackBar::SetMax, &TTrackBar::Max); }
void TQuillTrackBarDropDown::SetPosition(int Value)
{
    Store(FPosition, Value, &TTrackBar::SetPosition, &TTrackBar::Position);
}

void TQuillTrackBarDropDown::SetPageSize(int Value)
{
    FPageSize = Value;
    if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TQuillTrackBarDropDown::SetFrequency(int Value)
{
    FFrequency = Value;
    if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TQuillTrackBarDropDown::HandleTrackBarChange()
{
    FPosition = FTrackBar->Position();
    SetRawText(std::to_string(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TQuillTrackBarDropDown::Change()
{
    TQuillCustomDropDown::Change();
    // A text that is no integer (an empty one, while typing) leaves the value.
    std::int32_t value = 0;
    if (TryStrToInt(Text(), value) && value != FPosition) SetPosition(value);
}

void TQuillTrackBarDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift)
{
    // The track bar moves itself by its keys; only the keys that close the
    // popup go on to the edit.
    if (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F4 || Shift.Contains(ssAlt))
        TQuillCustomDropDown::ControlKeyDown(Key, Shift);
}

void TQuillTrackBarDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    const unsigned short key = Key;
    TQuillCustomDropDown::KeyDown(Key, Shift);
    if (EditorEnabled() || Shift.Contains(ssAlt)) return;
    if (key == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
    else if (key == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
    else return;
    SetRawText(std::to_string(FPosition));
}

void TQuillTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQuillCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!DropDownEnabled() || EditorEnabled()) return;
    FMouseX = X;
    FMouseDraging = true;
}

void TQuillTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TQuillCustomDropDown::MouseMove(Shift, X, Y);
    if (!DropDownEnabled() || EditorEnabled() || !FMouseDraging) return;
    const int moved = X - FMouseX;
    FMouseX = X;
    // A page size of 0 or less moves one step per pixel.
    const int step = moved / (FPageSize > 0 ? FPageSize : 1);
    if (step == 0) return;
    SetPosition(FPosition + step);
    SetRawText(std::to_string(FPosition));
}

void TQuillTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQuillCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}

} // namespace controls
