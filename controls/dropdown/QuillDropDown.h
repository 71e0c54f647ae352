// The base of every drop-down editor: a single-line edit with a drop-down
// button at its right end and a borderless popup (TDropDownForm) that opens
// below or above the edit and hosts one control supplied by a descendant.
//
// A descendant creates its control with the popup as parent, loads it from
// the edit's value in BeforeDropDown (calling SetDropDownControl there),
// accepts a choice by writing the text and closing with Cancel false, and may
// replace the sizing, placement, wheel and key operations below.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/QuillEditTypes.h"
#include "controls/TypedCharFilter.h"
#include "controls/dropdown/DropDownDrawing.h"
#include "controls/dropdown/DropDownPanels.h"
#include "controls/dropdown/DropDownPlacement.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/PopupWatch.h"
#include "render/QuillStyleIF.h"

class TBitmap;
class TImageList;

namespace controls {

class TDropDownForm;
class TItemAppearance;

using TDropDownEvent = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ButtonIndex)>;

class TQuillCustomDropDown : public TCustomEdit, public IQORStyle, public IQORTones, private ui::TOpenPopup {
    VISTRA_CLASS(TQuillCustomDropDown, TCustomEdit)

    explicit TQuillCustomDropDown(TComponent* AOwner);
    ~TQuillCustomDropDown() override;

    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const noexcept { return FDroppedDown; }
    TDropDownForm* DropDownForm() const noexcept { return FDropDownForm.get(); }
    // The control the popup hosts; a descendant records it before opening.
    TControl* DropDownControl() const noexcept { return FControl; }
    void SetDropDownControl(TControl* AControl);

    // Writing the text also makes it the text a cancelled popup returns to.
    void SetText(const std::string& Value) override { ApplyText(Value); }

    // Popup size asked for; 0 or less: computed. A new value forgets the size
    // the popup had when it last closed.
    int DropDownWidth() const noexcept { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const noexcept { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    TDropPosition DropPosition() const noexcept { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) noexcept { FDropPosition = Value; }
    // False: the edit is a read-only face that opens the popup when clicked.
    bool EditorEnabled() const noexcept { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TColor DropDownColor() const noexcept { return FDropDownColor; }
    void SetDropDownColor(TColor Value) noexcept { FDropDownColor = Value; }
    TColor DropDownColorTo() const noexcept { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) noexcept { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const noexcept { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) noexcept { FDropDownGradient = Value; }
    TColor DropDownBorderColor() const noexcept { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) noexcept { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const noexcept { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) noexcept { FDropDownBorderWidth = Value; }
    // The popup's header and footer strips.
    THeaderAppearance& DropDownHeader() noexcept { return FDropDownHeader; }
    const THeaderAppearance& DropDownHeader() const noexcept { return FDropDownHeader; }
    TFooterAppearance& DropDownFooter() noexcept { return FDropDownFooter; }
    const TFooterAppearance& DropDownFooter() const noexcept { return FDropDownFooter; }
    // The look every header and footer button shares.
    TQuillButtonAppearance& ButtonAppearance() noexcept { return FButtonAppearance; }
    const TQuillButtonAppearance& ButtonAppearance() const noexcept { return FButtonAppearance; }
    // The user may resize the popup through the footer's size grip.
    bool DropDownSizeable() const noexcept { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) noexcept { FDropDownSizeable = Value; }
    // The popup asks the window system for a drop shadow.
    bool DropDownShadow() const noexcept { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) noexcept { FDropDownShadow = Value; }
    int DropDownButtonWidth() const noexcept { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    // The drop-down button's rectangle in the edit's window coordinates.
    TRect ButtonRect() const;

    // ---- The edit face
    // The kind of value; numbers show Precision decimals when it is above 0.
    TQuillEditType EditType() const noexcept { return FEditType; }
    void SetEditType(TQuillEditType Value);
    int Precision() const noexcept { return FPrecision; }
    void SetPrecision(int Value);
    double FloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int Value);
    bool Modified() const noexcept { return FIsModified; }
    void SetModified(bool Value);
    // The value without the prefix and suffix the face shows around it.
    std::string Text() const override;
    const std::string& Prefix() const noexcept { return FPrefix; }
    void SetPrefix(const std::string& Value);
    const std::string& Suffix() const noexcept { return FSuffix; }
    void SetSuffix(const std::string& Value);
    // The longest value that may be typed; 0: no limit.
    int LengthLimit() const noexcept { return FLengthLimit; }
    void SetLengthLimit(int Value) noexcept { FLengthLimit = std::max(0, Value); }
    // The characters an etValidChars face accepts.
    const std::string& ValidChars() const noexcept { return FValidChars; }
    void SetValidChars(const std::string& Value) { FValidChars = Value; }
    // Enter moves on to the next control as Tab does, and no longer closes
    // the popup.
    bool ReturnIsTab() const noexcept { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) noexcept { FReturnIsTab = Value; }
    // Numbers may be typed negative.
    bool Signed() const noexcept { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    // Money groups its integer digits while typed.
    bool AutoThousandSeparator() const noexcept { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    // Esc selects the value and forgets that it was modified.
    bool CanUndo() const noexcept { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    // The whole value, without prefix and suffix; the caret before the decimals.
    void SelectAll() override;
    void SelectBeforeDecimal();
    // Frames drawn over the border: always, only while focused, or a flat
    // look that shows its edge while hot.
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const noexcept { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value);
    bool DisabledBorder() const noexcept { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    // With the editor disabled, the focused face shows its value highlighted.
    bool FocusDraw() const noexcept { return FFocusDraw; }
    void SetFocusDraw(bool Value);

    // Pictures for the header's and footer's ImageIndex and their captions'
    // "IDX:" images; the list must outlive the drop-down or be set back to null.
    const TImageList* Images() const noexcept { return FImages; }
    void SetImages(const TImageList* Value) noexcept { FImages = Value; }
    // A flag kept for descendants.
    bool DropDownEnabled() const noexcept { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) noexcept { FDropDownEnabled = Value; }
    // The hint shown over the drop-down button.
    const std::string& DropDownButtonHint() const noexcept { return FButtonHint; }
    void SetDropDownButtonHint(const std::string& Value) { FButtonHint = Value; }
    bool Etched() const noexcept { return FEtched; }
    void SetEtched(bool Value) noexcept { FEtched = Value; }
    // A picture drawn on the drop-down button in place of its arrow; empty:
    // the arrow.
    TBitmap& DropDownButtonGlyph() const noexcept { return *FButtonGlyph; }
    // Shows the popup a second time when it opens, so that a window system
    // that takes the shadow only at mapping time draws it.
    bool ForceShadow() const noexcept { return FForceShadow; }
    void SetForceShadow(bool Value) noexcept { FForceShadow = Value; }
    // The control that takes the focus once the popup is open; none by default.
    TWinControl* FocusControl() const noexcept { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    // Copies the settings of another drop-down; any other source is ignored.
    void Assign(const TPersistent* Source) override;

    // ---- Colour styles
    // The popup's, header's and footer's colours of a style; tsCustom keeps them.
    void SetComponentStyle(TQORStyle AStyle) override;
    TQORStyle GetComponentStyle() const noexcept { return FComponentStyle; }
    // The button's colours and the frame from a set of tones.
    void SetColorTones(const TColorTones& ATones) override;
    TColor ButtonColor() const noexcept { return FButtonColor; }
    TSelectionColorStyle SelectionColorStyle() const noexcept { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    TColor SelectionColor() const noexcept { return FSelectionColor; }
    void SetSelectionColor(TColor Value) noexcept { FSelectionColor = Value; }
    TColor SelectionColorTo() const noexcept { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) noexcept { FSelectionColorTo = Value; }
    // The background of a chosen item in the pickers' lists.
    void DrawSelectionBackground(TCanvas& Canvas, const TRect& Rect);
    // The hot and selected look of a picker's items for a style; tsCustom and
    // a missing appearance change nothing.
    static void SetItemAppearanceStyle(TItemAppearance* Appearance, TQORStyle AStyle);

    // ---- Label
    TLabel* EditLabel() const noexcept { return FLabelLink.Label(); }
    std::string LabelCaption() const { return FLabelLink.Caption(); }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const noexcept { return FLabelLink.Position(); }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const noexcept { return FLabelLink.Margin(); }
    void SetLabelMargin(int Value);
    TFont& LabelFont() const noexcept { return FLabelLink.Font(); }
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    virtual std::uint32_t GetVersionNr() const { return 0x01020101; }
    std::string Version() const;

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Asked before the clipboard takes or gives text (Allow false refuses).
    TClipboardEvent OnClipboardCopy, OnClipboardCut, OnClipboardPaste;
    TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TDrawBackGroundEvent OnDrawHeader, OnDrawFooter;
    TButtonClickEvent OnDropDownHeaderButtonClick, OnDropDownFooterButtonClick;
    TGetTextEvent OnGetHeaderText, OnGetFooterText;

    // The popup's smallest size.
    static constexpr int MinPopupWidth = 80;
    static constexpr int MinPopupHeight = 50;
    // A click on the button this soon after a click elsewhere closed the popup
    // does not open it again: that click was the one that closed it.
    static constexpr unsigned ReopenGuardMs = 250;

protected:
    // The operations a descendant replaces, each calling this one unless it
    // knows better.
    //
    // Makes the popup once; the constructor runs this one. A descendant
    // replaces it to make its hosted control with the popup as parent, and
    // calls its own version from its constructor.
    virtual void CreateDropDownForm();
    virtual void BeforeDropDown();
    virtual void DoShowDropDown();
    virtual void AdaptDropDownSize(int& Width, int& Height);
    virtual void PlaceDropDownControl();
    virtual void FocusDropDownControl();
    virtual void DoHideDropDown(bool Cancel);
    virtual void DropDownHidden();
    virtual void SelectionWheelDown() {}
    virtual void SelectionWheelUp() {}
    // The popup form is going away with the drop-down.
    virtual void DropDownFormDestroyed() {}
    // The wheel turned over the popup: moves the selection as over the edit.
    virtual void FormMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void FormMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
    // Keys the popup form or its hosted control receive go on to the edit
    // (as WM_CHAR, WM_KEYDOWN and WM_KEYUP with no key data), so that Enter,
    // Esc and F4 typed there close the popup by the edit's rules. A
    // descendant whose control must see a key first replaces these.
    virtual void FormKeyPress(char32_t& Key);
    virtual void FormKeyDown(unsigned short& Key, TShiftState Shift);
    virtual void FormKeyUp(unsigned short& Key, TShiftState Shift);
    virtual void ControlKeyDown(unsigned short& Key, TShiftState Shift);
    virtual void ControlKeyUp(unsigned short& Key, TShiftState Shift);
    virtual void ControlKeyPress(char32_t& Key);
    // The user is resizing the popup by its size grip.
    virtual void FormSizing() {}
    // The attached label was clicked or double-clicked.
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    // Keeps the edit at least as high as its font needs; the button fills
    // the frame's right end.
    virtual void PositionDropDownButton();
    // A picker's background gradient.
    virtual void DrawBackgroundGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor,
                                        TGradientDirection Direction, const TRect& Rect, int Steps);
    // The next opening computes the popup's size again, whatever size it closed with.
    void ForgetUserDropDownSize() noexcept { FUserDropDownWidth = FUserDropDownHeight = -1; }
    // The rectangle the face's text stands in, in client coordinates.
    TRect EditRect() const;
    // Writes the text and remembers it as the text a cancel returns to.
    virtual void ApplyText(const std::string& Value);
    // Writes the text without making it the text a cancel returns to: for a
    // choice made while the popup is still open.
    void SetRawText(const std::string& Value) { TCustomEdit::SetText(Value); }

    // The button's click, and a click on an edit whose editor is disabled.
    void OpenFromClick();

    TRect NonClientMargins() const override;
    void PaintNonClient(TCanvas& Canvas) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void BoundsChanged() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    const TCustomForm* PopupForm() const override;
    const TCustomForm* OwnerForm() const override { return GetParentForm(); }
    void Dismiss() override;
    // Enter accepts, Esc cancels, F4 toggles; true when the key was used.
    bool DispatchPopupKey(unsigned short Key);
    bool PopupVisible() const;
    bool InButton(int X) const;
    // The value as the face stores it for the edit type and precision.
    std::string FormattedValue(std::string Value) const;
    void HandlePaste();
    std::string SelectedValueText() const;
    // Display positions less the prefix.
    int PrefixLength() const;
    void SetValueSel(int Start, int Length);
    // Writes the value between prefix and suffix, unformatted.
    void WriteValue(const std::string& Value);
    void CarryOut(const TTypedOutcome& Outcome, TMessage& Message);
    void RegroupTypedMoney();
    void PaintBorder(TCanvas& Canvas);
    void PaintFocusedText(TCanvas& Canvas);
    int MinHeight() const;
    void UpdateLabel();

    TQuillEditType FEditType = etString;
    int FPrecision = 0;
    bool FIsModified = false;
    std::string FPrefix, FSuffix;
    bool FSigned = false, FAutoThousandSeparator = true, FCanUndo = true, FReturnIsTab = false;
    int FLengthLimit = 0;
    std::string FValidChars;
    TColor FBorderColor = clNone, FFocusBorderColor = clNone;
    bool FDisabledBorder = true, FFlat = false, FMouseInControl = false, FFocusDraw = true;
    TEditLabelLink FLabelLink;
    bool FDropDownEnabled = false, FEtched = false;
    const TImageList* FImages = nullptr;
    std::string FButtonHint;
    TWinControl* FFocusControl = nullptr;
    TQORStyle FComponentStyle = tsCustom;
    TColor FButtonColor = clNone, FButtonColorHot = clNone, FButtonColorDown = clNone, FButtonBorderColor = clNone;
    TSelectionColorStyle FSelectionColorStyle = scCustom;
    TColor FSelectionColor = clHighlight, FSelectionColorTo = clNone;

    int FDropDownWidth = 0, FDropDownHeight = 0;
    int FUserDropDownWidth = -1, FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    TDropPosition FDropPosition = dpAuto;
    TColor FDropDownColor = clWhite, FDropDownColorTo = clNone, FDropDownBorderColor = clBlack;
    TGradientDirection FDropDownGradient = gdHorizontal;
    int FDropDownBorderWidth = 1;
    int FButtonWidth = 17;
    bool FDropDownSizeable = true;
    bool FDropDownShadow = true;
    THeaderAppearance FDropDownHeader;
    TFooterAppearance FDropDownFooter;
    TQuillButtonAppearance FButtonAppearance;
    bool FDroppedDown = false;
    bool FForceShadow = false;
    std::unique_ptr<TBitmap> FButtonGlyph;
    bool FButtonPressed = false;
    TControl* FControl = nullptr;
    std::unique_ptr<TDropDownForm> FDropDownForm;
    std::string FOldText;
};

} // namespace controls
