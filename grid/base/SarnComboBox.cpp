// TSarnCustomCombo: its settings, focus colours, mouse tracking, list
// notifications and the attached label.
#include "grid/base/SarnComboBox.h"

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"

namespace {
constexpr int MinButtonWidth = 14;
constexpr int MaxButtonWidth = 32;
} // namespace

TSarnCustomCombo::TSarnCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2)
{
    LabelFont().OnChange = [this](TObject*) { UpdateLabel(); };
}

TSarnCustomCombo::~TSarnCustomCombo() { LabelFont().OnChange = nullptr; }

bool TSarnCustomCombo::Loading() const { return ComponentState().Contains(csLoading); }

void TSarnCustomCombo::Init() { FNormalColor = Color(); }

void TSarnCustomCombo::SelectItem(const std::string& AString)
{
    const int index = Items().IndexOf(AString);
    if (index >= 0) SetItemIndex(index);
}

void TSarnCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    SetDroppedWidth(FDropWidth);
    FDisabledSavedColor = FLoadingColor;
    if (FFlat || !FFlatParentColor) SetColor(FLoadingColor);
    FLabelLink.FollowEnabled(Enabled());
    UpdateLabel();
    Init();
}

// ---- Settings

void TSarnCustomCombo::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    if (FFlat && FFlatParentColor) SetParentColor(true);
    else SetColor(FLoadingColor);
    Invalidate();
}

void TSarnCustomCombo::SetFlatLineColor(TColor Value)
{
    FFlatLineColor = Value;
    Invalidate();
}

void TSarnCustomCombo::SetFlatParentColor(bool Value)
{
    FFlatParentColor = Value;
    Invalidate();
}

void TSarnCustomCombo::SetEtched(bool Value)
{
    FEtched = Value;
    Invalidate();
}

void TSarnCustomCombo::SetButtonWidth(int Value)
{
    if (Value < MinButtonWidth || Value > MaxButtonWidth) return;
    FButtonWidth = Value;
    // The button lies in the frame, so the text area changes with it.
    Realign();
    Invalidate();
}

void TSarnCustomCombo::SetDropWidth(int Value)
{
    FDropWidth = Value;
    SetDroppedWidth(Value);
}

void TSarnCustomCombo::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    if (HandleAllocated()) Invalidate();
}

void TSarnCustomCombo::SetFocusBorder(bool Value)
{
    FFocusBorder = Value;
    Invalidate();
}

void TSarnCustomCombo::SetFocusBorderColor(TColor Value)
{
    FFocusBorderColor = Value;
    Invalidate();
}

void TSarnCustomCombo::SetDisabledBorder(bool Value)
{
    FDisabledBorder = Value;
    Invalidate();
}

void TSarnCustomCombo::ButtonColorChanged(grid::TButtonColorPart Part)
{
    if (Part == grid::TButtonColorPart::Face) Invalidate();
}

void TSarnCustomCombo::CMColorChanged(TMessage& Message)
{
    TCustomComboBox::CMColorChanged(Message);
    if (Loading()) FLoadingColor = Color();
}

void TSarnCustomCombo::SetEnabled(bool Value)
{
    const bool changed = Value != Enabled();
    // A disabled flat combo shows its parent's colour and gets its own back when enabled.
    if (changed && FFlat) {
        if (Value) {
            SetColor(FDisabledSavedColor);
            SetParentColor(FDisabledSavedParentColor);
        } else {
            FDisabledSavedColor = Color();
            FDisabledSavedParentColor = ParentColor();
            SetParentColor(true);
        }
    }
    TCustomComboBox::SetEnabled(Value);
    if (!changed || Loading() || !ComboLabel()) return;
    FLabelLink.FollowEnabled(Value);
    UpdateLabel();
}

// ---- Focus

void TSarnCustomCombo::ShowFocusLook()
{
    FHasFocus = true;
    if (FFocusColor != clNone) {
        // A combo made in code may never have been given its normal colour.
        if (FNormalColor == clNone) FNormalColor = Color();
        SetColor(FFocusColor);
    }
    FLabelLink.ShowFocus(true);
    Invalidate();
}

void TSarnCustomCombo::ShowNormalLook()
{
    FHasFocus = false;
    if (FFocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
    FLabelLink.ShowFocus(false);
    Invalidate();
}

void TSarnCustomCombo::CMEnter(TMessage& Message)
{
    ShowFocusLook();
    TCustomComboBox::CMEnter(Message);
}

void TSarnCustomCombo::CMExit(TMessage& Message)
{
    ShowNormalLook();
    TCustomComboBox::CMExit(Message);
}

void TSarnCustomCombo::WMSetFocus(TMessage& Message)
{
    TCustomComboBox::WMSetFocus(Message);
    ShowFocusLook();
}

void TSarnCustomCombo::WMKillFocus(TMessage& Message)
{
    TCustomComboBox::WMKillFocus(Message);
    ShowNormalLook();
}

bool TSarnCustomCombo::IsActiveControl() const
{
    if (Focused()) return true;
    TCustomForm* form = GetParentForm();
    return form && form->ActiveControl() == this;
}

// ---- Mouse and list

void TSarnCustomCombo::CMMouseEnter(TMessage& Message)
{
    TCustomComboBox::CMMouseEnter(Message);
    if (!Enabled()) return;
    FMouseInControl = true;
    Invalidate();
    if (!FAutoFocus || !CanFocus() || Focused()) return;
    TCustomForm* form = GetParentForm();
    if (!form || form->Active()) SetFocus();
}

void TSarnCustomCombo::CMMouseLeave(TMessage& Message)
{
    TCustomComboBox::CMMouseLeave(Message);
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TSarnCustomCombo::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomComboBox::MouseMove(Shift, X, Y);
    const int windowX = X + NonClientMargins().Left;
    const bool hover = Width() - FButtonWidth < windowX && windowX < Width();
    if (hover == FButtonHover) return;
    FButtonHover = hover;
    Invalidate();
}

void TSarnCustomCombo::Dispatch(TMessage& Message)
{
    if (Message.Msg == CN_COMMAND && (Message.WParamHi() == CBN_DROPDOWN || Message.WParamHi() == CBN_CLOSEUP)) {
        Invalidate();
        if (Message.WParamHi() == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
        return;
    }
    TCustomComboBox::Dispatch(Message);
}

// ---- Label

void TSarnCustomCombo::SetLabelCaption(const std::string& Value)
{
    FLabelLink.SetCaption(*this, Value);
    UpdateLabel();
}

void TSarnCustomCombo::SetLabelPosition(TLabelPosition Value)
{
    FLabelLink.SetPosition(Value);
    UpdateLabel();
}

void TSarnCustomCombo::SetLabelMargin(int Value)
{
    FLabelLink.SetMargin(Value);
    UpdateLabel();
}

void TSarnCustomCombo::SetLabelTransparent(bool Value)
{
    FLabelLink.SetTransparent(Value);
    UpdateLabel();
}

// Unlike the edit's, turning this off hands the label back the combo's state.
void TSarnCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    FLabelLink.SetAlwaysEnabled(Value);
    if (ComboLabel()) ComboLabel()->SetEnabled(Value || Enabled());
    UpdateLabel();
}

// The font's change handler updates the label.
void TSarnCustomCombo::SetLabelFont(const TFont& Value) { LabelFont().Assign(&Value); }

void TSarnCustomCombo::UpdateLabel() { FLabelLink.Update(*this, FHasFocus, ParentFont()); }

void TSarnCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!ComponentState().Contains(csDestroying)) UpdateLabel();
}

void TSarnCustomCombo::SetParent(TWinControl* AParent)
{
    TCustomComboBox::SetParent(AParent);
    FLabelLink.SetParent(AParent);
    UpdateLabel();
}

void TSarnCustomCombo::CMVisibleChanged(TMessage& Message)
{
    TCustomComboBox::CMVisibleChanged(Message);
    FLabelLink.SetVisible(Visible());
}

void TSarnCustomCombo::CMParentFontChanged(TMessage& Message)
{
    TCustomComboBox::CMParentFontChanged(Message);
    UpdateLabel();
}

void TSarnCustomCombo::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove) FLabelLink.Forget(AComponent);
}
