// TQuillCustomDropDown's edit face: the value's kind and formatting, paste
// and cut rules, the border frames, the focused face of a face without
// editor, the least height and the attached label.
#include <algorithm>

#include "controls/QuillEditInput.h"
#include "controls/dropdown/QuillDropDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Screen.h"
#include "render/QuillStyleIF.h"

namespace controls {

namespace {

constexpr std::string_view ErrorText = "Error";

bool IsNumberKind(TQuillEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney || Kind == etHex; }

} // namespace

// ---- Value

std::string TQuillCustomDropDown::FormattedValue(std::string Value) const
{
    if (Value.empty()) return IsNumberKind(FEditType) ? "0" : Value;
    if (FEditType == etHex) return AnsiUpperCase(Value);
    // The calculator shows "Error", which is no number to format.
    if (FPrecision <= 0 || Value == ErrorText) return Value;
    if (FEditType == etFloat) return FormatFixed(TextToNumber(Value), FPrecision);
    if (FEditType == etMoney) return FormatThousands(TextToNumber(Value), FPrecision);
    return Value;
}

void TQuillCustomDropDown::SetEditType(TQuillEditType Value)
{
    if (Value == FEditType) return;
    FEditType = Value;
    ApplyText(Text());
}

void TQuillCustomDropDown::SetPrecision(int Value)
{
    if (Value == FPrecision) return;
    FPrecision = std::max(0, Value);
    ApplyText(Text());
}

double TQuillCustomDropDown::FloatValue() const
{
    const std::string text = Text();
    if (text.empty() || text == ErrorText) return 0;
    return FEditType == etHex ? HexValue(text) : TextToNumber(text);
}

void TQuillCustomDropDown::SetFloatValue(double Value)
{
    ApplyText(FPrecision > 0 ? FormatFixed(Value, FPrecision) : FormatGeneral(Value));
    FIsModified = true;
}

void TQuillCustomDropDown::SetIntValue(int Value)
{
    ApplyText(std::to_string(Value));
    FIsModified = true;
}

void TQuillCustomDropDown::SetModified(bool Value)
{
    if (ComponentState().Contains(csLoading) || !FEditorEnabled || ReadOnly()) return;
    FIsModified = Value;
}

std::string TQuillCustomDropDown::Version() const
{
    const std::uint32_t v = GetVersionNr();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

// ---- Clipboard

void TQuillCustomDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_COPY: {
        bool allow = true;
        if (OnClipboardCopy) OnClipboardCopy(this, SelectedValueText(), allow);
        if (allow) TCustomEdit::Dispatch(Message);
        return;
    }
    case WM_CUT: {
        // A face that takes no typing keeps its text, and so does the clipboard.
        if (!FEditorEnabled || ReadOnly()) return;
        bool allow = true;
        if (OnClipboardCut) OnClipboardCut(this, SelectedValueText(), allow);
        if (allow) TCustomEdit::Dispatch(Message);
        return;
    }
    case WM_PASTE: HandlePaste(); return;
    default: TCustomEdit::Dispatch(Message);
    }
}

std::string TQuillCustomDropDown::SelectedValueText() const
{
    return rtl::Utf8Copy(Text(), std::max(0, SelStart() - PrefixLength()) + 1, SelLength());
}

void TQuillCustomDropDown::HandlePaste()
{
    if (!FEditorEnabled || ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
    if (FEditType == etHex || FEditType == etRange) return;
    // The whole clipboard text goes in, line breaks and all.
    const std::string pasted = Clipboard()->AsText();
    const std::string value = Text();
    const int length = static_cast<int>(rtl::Utf8Length(value));
    const int start = std::clamp(SelStart() - PrefixLength(), 0, length);
    const int selected = std::clamp(SelLength(), 0, length - start);
    std::string candidate = value;
    rtl::Utf8Delete(candidate, static_cast<size_t>(start) + 1, static_cast<size_t>(selected));
    rtl::Utf8Insert(pasted, candidate, static_cast<size_t>(start) + 1);
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, candidate, allow);
    if (!allow) return;
    const int limit = FLengthLimit > 0 ? FLengthLimit : MaxLength();
    if (limit > 0 && static_cast<int>(rtl::Utf8Length(candidate)) > limit) return;
    if (FEditType == etValidChars) {
        const std::u32string valid = ToU32(FValidChars);
        for (char32_t c : ToU32(pasted))
            if (valid.find(c) == std::u32string::npos) return;
    }
    const TNumberKind kind = NumberKindOf(candidate);
    if (FEditType == etNumeric && kind != TNumberKind::Integer) return;
    if ((FEditType == etFloat || FEditType == etMoney) && kind != TNumberKind::Integer && kind != TNumberKind::Decimal)
        return;
    WriteValue(candidate);
    SetValueSel(start + static_cast<int>(rtl::Utf8Length(pasted)), 0);
    FIsModified = true;
}

// ---- Border and focused face

void TQuillCustomDropDown::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TQuillCustomDropDown::SetFocusBorderColor(TColor Value)
{
    FFocusBorderColor = Value;
    Invalidate();
}

void TQuillCustomDropDown::SetDisabledBorder(bool Value)
{
    FDisabledBorder = Value;
    Invalidate();
}

void TQuillCustomDropDown::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TQuillCustomDropDown::SetFocusDraw(bool Value)
{
    FFocusDraw = Value;
    Invalidate();
}

void TQuillCustomDropDown::PaintBorder(TCanvas& Canvas)
{
    const bool enabled = IsEnabledWithParents();
    if (enabled && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    const TRect whole{0, 0, Width(), Height()};
    Canvas.Brush()->SetStyle(bsSolid);
    auto frame = [&](TRect r, TColor color) {
        Canvas.Brush()->SetColor(color);
        Canvas.FrameRect(r);
    };
    if (!enabled && CommonControlsThemed() && FDisabledBorder) return frame(whole, clSilver);
    if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) return frame(whole, FBorderColor);
    if (FFocusBorderColor != clNone) {
        if (Focused()) frame(whole, FFocusBorderColor);
        return;
    }
    const bool hot = FMouseInControl || (Screen && Screen->ActiveControl() == this);
    if (hot) {
        TRect r = whole;
        DrawEdge(Canvas.Handle(), r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frame(r, clBtnFace);
        return;
    }
    const TColor parent = Parent() ? Parent()->Color() : Color();
    frame(whole, parent);
    frame({1, 1, Width() - 1, Height() - 1}, parent);
}

void TQuillCustomDropDown::Paint()
{
    TCustomEdit::Paint();
    PaintFocusedText(*Canvas());
}

void TQuillCustomDropDown::PaintFocusedText(TCanvas& Canvas)
{
    if (FEditorEnabled || !Focused() || !FFocusDraw) return;
    // The face's rectangle in window coordinates, drawn on the client.
    const TRect margins = TCustomEdit::NonClientMargins();
    TRect r{2 - margins.Left, 2 - margins.Top, Width() - FButtonWidth - 1 - margins.Left, Height() - 2 - margins.Top};
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clHighlight);
    Canvas.Rectangle(r);
    r.Left += 2;
    r.Right -= 3;
    Canvas.Font()->Assign(&Font());
    Canvas.Font()->SetColor(clHighlightText);
    Canvas.Brush()->SetStyle(bsClear);
    std::string value = Text();
    Canvas.TextRect(r, value, TTextFormat{tfSingleLine, tfVerticalCenter});
}

void TQuillCustomDropDown::CMMouseEnter(TMessage& Message)
{
    TCustomEdit::CMMouseEnter(Message);
    if (!Enabled()) return;
    FMouseInControl = true;
    if (FFlat) Invalidate();
}

void TQuillCustomDropDown::CMMouseLeave(TMessage& Message)
{
    TCustomEdit::CMMouseLeave(Message);
    if (!Enabled()) return;
    FMouseInControl = false;
    if (FFlat) Invalidate();
}

// ---- Height

int TQuillCustomDropDown::MinHeight() const
{
    const int font = FontLineHeight(Font());
    return font + std::min(FontLineHeight(TFont()), font) / 4;
}

void TQuillCustomDropDown::BoundsChanged()
{
    TCustomEdit::BoundsChanged();
    PositionDropDownButton();
}

void TQuillCustomDropDown::PositionDropDownButton()
{
    // The button stands in the frame's right end and follows the height.
    if (const int least = MinHeight(); Height() < least) {
        SetHeight(least);
        return;
    }
    Invalidate();
}

TRect TQuillCustomDropDown::EditRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

// ---- Label

void TQuillCustomDropDown::SetLabelCaption(const std::string& Value)
{
    if (!FLabelLink.Label()) {
        FLabelLink.OnLabelCreated = [this](TLabel& Label) {
            Label.SetFont(LabelFont());
            Label.OnClick = [this](TObject*) { DoLabelClick(); };
            Label.OnDblClick = [this](TObject*) { DoLabelDblClick(); };
        };
    }
    FLabelLink.SetCaption(*this, Value);
    UpdateLabel();
}

void TQuillCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    FLabelLink.SetPosition(Value);
    UpdateLabel();
}

void TQuillCustomDropDown::SetLabelMargin(int Value)
{
    FLabelLink.SetMargin(Value);
    UpdateLabel();
}

void TQuillCustomDropDown::UpdateLabel() { FLabelLink.Update(*this, Focused(), ParentFont()); }

void TQuillCustomDropDown::SetParent(TWinControl* AParent)
{
    TCustomEdit::SetParent(AParent);
    FLabelLink.SetParent(AParent);
    UpdateLabel();
}

void TQuillCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (EditLabel() && EditLabel()->Parent()) UpdateLabel();
}

void TQuillCustomDropDown::CMVisibleChanged(TMessage& Message)
{
    TCustomEdit::CMVisibleChanged(Message);
    FLabelLink.SetVisible(Visible());
}

} // namespace controls

namespace controls {

// ---- Settings

void TQuillCustomDropDown::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TQuillCustomDropDown::FocusDropDownControl()
{
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TQuillCustomDropDown::CMHintShow(TMessage& Message)
{
    TCustomEdit::CMHintShow(Message);
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    // Over the button its own hint shows.
    if (info && !FButtonHint.empty() && info->CursorPos.X >= ClientWidth()) info->HintStr = FButtonHint;
}

void TQuillCustomDropDown::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TQuillCustomDropDown*>(Source);
    if (!source) return;
    FFocusDraw = source->FFocusDraw;
    FDropDownEnabled = source->FDropDownEnabled;
    FDropDownColor = source->FDropDownColor;
    FDropDownColorTo = source->FDropDownColorTo;
    FDropDownGradient = source->FDropDownGradient;
    FDropDownBorderColor = source->FDropDownBorderColor;
    FDropDownBorderWidth = source->FDropDownBorderWidth;
    FDropDownShadow = source->FDropDownShadow;
    SetDropDownWidth(source->FDropDownWidth);
    SetDropDownHeight(source->FDropDownHeight);
    FDropDownSizeable = source->FDropDownSizeable;
    FEditType = source->FEditType;
    FPrecision = source->FPrecision;
    FDropDownHeader.Assign(source->FDropDownHeader);
    FDropDownFooter.Assign(source->FDropDownFooter);
    FButtonAppearance.Assign(source->FButtonAppearance);
    FDropPosition = source->FDropPosition;
    FFlat = source->FFlat;
    SetDropDownButtonWidth(source->FButtonWidth);
    FButtonHint = source->FButtonHint;
    SetEditorEnabled(source->FEditorEnabled);
    FEtched = source->FEtched;
    FForceShadow = source->FForceShadow;
    FReturnIsTab = source->FReturnIsTab;
    FLengthLimit = source->FLengthLimit;
    FValidChars = source->FValidChars;
    FSigned = source->FSigned;
    FAutoThousandSeparator = source->FAutoThousandSeparator;
    FCanUndo = source->FCanUndo;
    SetPrefix(source->FPrefix);
    SetSuffix(source->FSuffix);
    FButtonGlyph->Assign(source->FButtonGlyph.get());
    FImages = source->FImages;
    FSelectionColorStyle = source->FSelectionColorStyle;
    FSelectionColor = source->FSelectionColor;
    FSelectionColorTo = source->FSelectionColorTo;
    Invalidate();
}

} // namespace controls
