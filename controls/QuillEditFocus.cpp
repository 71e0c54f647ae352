// TQuillEdit's focus handling (colours, value formatting on leaving, Esc
// restore point), its mouse handling (caret clamps, hot border, address
// clicks) and the states that change its colours: error, disabled, flat.
#include "controls/QuillEdit.h"

#include <algorithm>

#include "controls/QuillEditInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Shell.h"

using namespace controls;

namespace {

// What a click on an address opens: web and mail addresses only, never a
// local file or a program's own scheme. Empty when nothing may be opened.
std::string OpenTarget(const std::string& Value)
{
    const std::string lower = LowerCase(Value);
    for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"})
        if (lower.starts_with(scheme)) return Value;
    if (lower.starts_with("www.")) return "http://" + Value;
    if (Value.find("://") == std::string::npos && Value.find('@', 1) != std::string::npos) return "mailto:" + Value;
    return {};
}

} // namespace

// ---- Focus

void TQuillEdit::WMSetFocus(TMessage& Message)
{
    TCustomEdit::WMSetFocus(Message);
    if (Loading()) return;
    FOldString = Text();
    FocusArrived();
}

void TQuillEdit::FocusArrived()
{
    if (FFocusColor != clNone && ValidateValue(Text())) TCustomEdit::SetColor(FFocusColor);
    if (!(FError && FShowError) && !FShowModified) {
        if (Font().Color() != FFontColor) FFontColor = Font().Color();
        if (!FIsUrl && FFocusFontColor != clNone) SetFontColor(FFocusFontColor);
    }
    if (AutoSelect()) SelectAll();
    FLabelLink.ShowFocus(true);
    if (FFocusWidthInc > 0 && !FAlignChanging) SetWidth(Width() + FFocusWidthInc);
    FOldEditAlign = FEditAlign;
    if (FFocusAlign != FEditAlign && FFocusAlign != eaDefault) {
        FAlignChanging = true;
        SetEditAlign(FFocusAlign);
        FAlignChanging = false;
    }
    if ((Text().empty() && !FEmptyText.empty()) || FFocusBorder || FFocusBorderColor != clNone) {
        ApplyEditMargins(FFlat);
        Invalidate();
    }
}

void TQuillEdit::WMKillFocus(TMessage& Message)
{
    if (Loading()) {
        TCustomEdit::WMKillFocus(Message);
        return;
    }
    // The popup stays while the focus moves into it.
    const auto* receiving = FindControl(reinterpret_cast<HWND>(Message.WParam));
    if (!receiving || (receiving != FLookupList.get() && receiving->Parent() != FLookupList.get()))
        FLookupList->HidePopup();
    FocusLeaving();
    const std::string value = Text();
    const bool decimal = FEditType == etFloat || FEditType == etMoney;
    if (FPrecision > 0 && decimal && (!value.empty() || !FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(FloatValue());
        SetModified(modified);
    }
    if (value.empty() && !FAllowNumericNullValue) {
        if (FEditType == etNumeric) SetText("0");
        else if (decimal && Text().empty()) SetFloatValue(0);
    }
    ValidateValue(Text());
    TCustomEdit::WMKillFocus(Message);
    FocusLeft();
}

void TQuillEdit::FocusLeaving()
{
    if (!FError && TCustomEdit::Color() != FNormalColor) TCustomEdit::SetColor(FNormalColor);
    if (!(FError && FShowError) && !FShowModified && !FIsUrl) SetFontColor(FFontColor);
    FLabelLink.ShowFocus(false);
}

void TQuillEdit::FocusLeft()
{
    if (!FAlignChanging) {
        if (FFocusWidthInc > 0) SetWidth(Width() - FFocusWidthInc);
        if (FFocusAlign != eaDefault) SetEditAlign(FOldEditAlign);
    }
    AddHistoryEntry();
    // The focus moves on only after this handler, so re-placing the label
    // above still saw the edit focused.
    FLabelLink.ShowFocus(false);
    Invalidate();
}

void TQuillEdit::SetFontColor(TColor Value)
{
    if (Font().Color() != Value) Font().SetColor(Value);
}

// ---- Colour states

void TQuillEdit::SetColor(TColor Value)
{
    TCustomEdit::SetColor(Value);
    FNormalColor = Value;
}

void TQuillEdit::SetIsError(bool Value)
{
    if (Loading() || Value == FError) return;
    FError = Value;
    if (!FShowError) return;
    if (Value) {
        TCustomEdit::SetColor(FErrorColor);
        SetFontColor(FErrorFontColor);
    } else if (Focused()) {
        TCustomEdit::SetColor(FFocusColor != clNone ? FFocusColor : FNormalColor);
        if (FFocusFontColor != clNone) SetFontColor(FFocusFontColor);
    } else {
        TCustomEdit::SetColor(FNormalColor);
        SetFontColor(FFontColor);
    }
}

void TQuillEdit::SetEnabled(bool Value)
{
    if (Value != Enabled() && !Loading()) {
        if (Value)
            TCustomEdit::SetColor(FNormalColor);
        else {
            if (!(FError && FShowError)) FNormalColor = TCustomEdit::Color();
            TCustomEdit::SetColor(FDisabledColor);
        }
    }
    TCustomEdit::SetEnabled(Value);
    FLabelLink.FollowEnabled(Value);
    Invalidate();
}

void TQuillEdit::SetFlat(bool Value)
{
    if (Loading()) {
        FFlat = Value;
        return;
    }
    if (Value == FFlat) return;
    FFlat = Value;
    if (Value) {
        const TColor current = TCustomEdit::Color();
        if (FFlatParentColor && Parent()) {
            TCustomEdit::SetColor(Parent()->Color());
            FFocusColor = Parent()->Color();
        } else
            TCustomEdit::SetColor(FNormalColor);
        FNormalColor = current;
        SetBorderStyle(bsNone);
    } else {
        TCustomEdit::SetColor(FNormalColor);
        SetBorderStyle(FOldBorder);
    }
    ApplyEditMargins(Value);
    Invalidate();
}

void TQuillEdit::SetEditAlign(TEditAlign Value)
{
    FEditAlign = Value;
    SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
}

void TQuillEdit::ApplyEditMargins(bool FlatMargins)
{
    if (!HandleAllocated()) return;
    const TRect r = ClientRect();
    FEditRect = FlatMargins ? TRect{FIndentL + 4, 3, r.Right - FIndentR - 4, r.Bottom - 4}
                            : TRect{FIndentL, 0, r.Right - FIndentR, r.Bottom};
    // Set without repainting: callers repaint when they need to.
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&FEditRect));
}

void TQuillEdit::Init()
{
    FNormalColor = TCustomEdit::Color();
    FFontColor = Font().Color();
    FOldBorder = BorderStyle();
    const bool flat = FFlat;
    FFlat = !flat;
    SetFlat(flat);
    UpdateLabel();
    if (!Enabled()) TCustomEdit::SetColor(FDisabledColor);
}

void TQuillEdit::CreateWnd()
{
    TCustomEdit::CreateWnd();
    ApplyEditMargins(FFlat);
}

void TQuillEdit::Loaded()
{
    TCustomEdit::Loaded();
    Init();
    LoadPersist();
    FLabelLink.FollowEnabled(Enabled());
    UpdateLabel();
    if (EditLabel() && ParentFont()) EditLabel()->SetFont(Font());
    FParentFnt = ParentFont();
    UpdateLabel();
}

// ---- Address look

void TQuillEdit::SetShowURL(bool Value)
{
    FShowURL = Value;
    SetURLLook(Value && TextIsURL());
}

void TQuillEdit::SetURLLook(bool On)
{
    if (On == FIsUrl) return;
    if (On) {
        FParentFnt = false;
        Font().SetStyle(Font().Style().Include(fsUnderline));
        SetFontColor(FURLColor);
        SetCursor(crHandPoint);
    } else {
        Font().SetStyle(Font().Style().Exclude(fsUnderline));
        SetFontColor(FFontColor);
        SetCursor(crIBeam);
    }
    FIsUrl = On;
    Invalidate();
}

// ---- Mouse

void TQuillEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomEdit::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (Focused() && FIsUrl && FShowURL) {
        bool show = true;
        const std::string value = Text();
        if (OnURLClick) OnURLClick(this, value, show);
        if (show)
            if (const std::string target = OpenTarget(value); !target.empty())
                ShellExecute(Handle(), "open", target, "", "", SW_SHOWNORMAL);
        return;
    }
    const int prefix = PrefixLength(), valueEnd = prefix + ValueLength();
    if (!FPrefix.empty() && CaretPos() < prefix) {
        SelectAll();
        return;
    }
    if (!FSuffix.empty()) {
        if (SelLength() == 0 && CaretPos() > valueEnd) SetValueCaret(ValueLength());
        else if (SelStart() + SelLength() > valueEnd) SetValueSel(SelStart() - prefix, valueEnd - SelStart());
    }
}

void TQuillEdit::CMMouseEnter(TMessage& Message)
{
    if (FAutoFocus) {
        TCustomForm* form = GetParentForm();
        if ((!form || form->Active()) && CanFocus()) SetFocus();
    }
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        if (FFocusBorder) Invalidate();
    }
    TCustomEdit::CMMouseEnter(Message);
}

void TQuillEdit::CMMouseLeave(TMessage& Message)
{
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        if (FFocusBorder) Invalidate();
    }
    TCustomEdit::CMMouseLeave(Message);
}

void TQuillEdit::CMHintShow(TMessage& Message)
{
    TCustomEdit::CMHintShow(Message);
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!info || !FHintShowLargeText || GetTextSize() <= Width()) return;
    info->HintStr = Text();
    info->HintPos = ClientToScreen({0, 0});
}

// ---- Geometry of the text

TPoint TQuillEdit::PosFromChar(int Index) { return TCustomEdit::PosFromChar(std::clamp(Index, 0, static_cast<int>(FText32.size()))); }

int TQuillEdit::CharFromPos(TPoint Point) { return TCustomEdit::CharFromPos(Point); }

int TQuillEdit::GetTextSize()
{
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&Font());
    return probe.Canvas()->TextWidth(Text());
}
