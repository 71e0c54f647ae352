// TQuillEdit: the single-line edit with typed input (numbers, money, ranges,
// casing and character sets), a fixed prefix and suffix, focus colours, an
// error marker, a URL look and an attached label.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/QuillEditLookup.h"
#include "controls/QuillEditTypes.h"
#include "controls/TypedCharFilter.h"
#include "platform/ui/EditControls.h"

class TCustomIniFile;
class TLabel;
class TRangeList;

class TQuillEdit : public TCustomEdit {
    VISTRA_CLASS(TQuillEdit, TCustomEdit)

    explicit TQuillEdit(TComponent* AOwner);
    ~TQuillEdit() override;

    // ---- Value and typed input
    // The value: the display text without Prefix and Suffix.
    std::string Text() const override;
    // Writes the value formatted by the edit type; the display becomes
    // Prefix + value + Suffix and Modified is cleared.
    void SetText(const std::string& Value) override;
    // The control's own text: Prefix + value + Suffix.
    std::string DisplayText() const { return TCustomEdit::GetText(); }
    double FloatValue() const;
    void SetFloatValue(double Value);
    int IntValue() const;
    void SetIntValue(int Value);
    void Clear();

    TQuillEditType EditType() const noexcept { return FEditType; }
    void SetEditType(TQuillEditType Value);
    int Precision() const noexcept { return FPrecision; }
    void SetPrecision(int Value);
    TPrecisionDisplay PrecisionDisplay() const noexcept { return FPrecisionDisplay; }
    void SetPrecisionDisplay(TPrecisionDisplay Value);
    const std::string& Prefix() const noexcept { return FPrefix; }
    void SetPrefix(const std::string& Value);
    const std::string& Suffix() const noexcept { return FSuffix; }
    void SetSuffix(const std::string& Value);
    bool Signed() const noexcept { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    int LengthLimit() const noexcept { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    bool TabOnFullLength() const noexcept { return FTabOnFullLength; }
    void SetTabOnFullLength(bool Value) { FTabOnFullLength = Value; }
    bool ExcelStyleDecimalSeparator() const noexcept { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    bool AllowNumericNullValue() const noexcept { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    bool AutoThousandSeparator() const noexcept { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value);
    const std::string& ValidChars() const noexcept { return FValidChars; }
    void SetValidChars(const std::string& Value) { FValidChars = Value; }
    bool CanUndo() const noexcept { return FCanUndo; }
    void SetCanUndo(bool Value);
    bool ReturnIsTab() const noexcept { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool DefaultHandling() const noexcept { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    // One-shot: the next Esc query is ignored.
    void BlockDefaultHandling() { FBlockDefaultHandling = true; }
    bool Modified() const noexcept { return FIsModified; }
    void SetModified(bool Value);
    bool IsError() const noexcept { return FError; }
    void SetIsError(bool Value);
    // "major.minor.release.build" of GetVersionNr.
    std::string Version() const;

    virtual std::uint32_t GetVersionNr() const { return 0x02090201; }
    // Asks OnValueValidate about Value; true while a validation is running.
    virtual bool ValidateValue(const std::string& Value);
    virtual void DoValueValidate(const std::string& Value, bool& IsValid);
    virtual bool TextIsURL() const;

    // Regroups the integer digits of a money value, keeping the caret's
    // distance from the end.
    void ApplyMoneyGrouping();
    int IntegerPartLength(const std::string& Value) const;

    // ---- Selection and range lists
    // Selects the value (without prefix and suffix; after "://" or "mailto:"
    // for an address shown as a link).
    void SelectAll() override;
    void SelectBeforeDecimal();
    void SelectAfterDecimal();
    bool RangeStrToList(TRangeList& RangeList) const;
    void ListToRangeStr(TRangeList& RangeList);

    // ---- Appearance
    TColor Color() const noexcept { return TCustomEdit::Color(); }
    void SetColor(TColor Value);
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    TColor FlatLineColor() const noexcept { return FFlatLineColor; }
    void SetFlatLineColor(TColor Value) { FFlatLineColor = Value; Invalidate(); }
    bool FlatParentColor() const noexcept { return FFlatParentColor; }
    void SetFlatParentColor(bool Value) { FFlatParentColor = Value; Invalidate(); }
    bool SoftBorder() const noexcept { return FSoftBorder; }
    void SetSoftBorder(bool Value) { FSoftBorder = Value; Invalidate(); }
    bool Border3D() const noexcept { return FBorder3D; }
    void SetBorder3D(bool Value) { FBorder3D = Value; Invalidate(); }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; Invalidate(); }
    bool FocusBorder() const noexcept { return FFocusBorder; }
    void SetFocusBorder(bool Value) { FFocusBorder = Value; Invalidate(); }
    TColor FocusBorderColor() const noexcept { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; Invalidate(); }
    TColor FocusColor() const noexcept { return FFocusColor; }
    void SetFocusColor(TColor Value) { FFocusColor = Value; }
    TColor FocusFontColor() const noexcept { return FFocusFontColor; }
    void SetFocusFontColor(TColor Value) { FFocusFontColor = Value; }
    TColor ErrorColor() const noexcept { return FErrorColor; }
    void SetErrorColor(TColor Value) { FErrorColor = Value; }
    TColor ErrorFontColor() const noexcept { return FErrorFontColor; }
    void SetErrorFontColor(TColor Value) { FErrorFontColor = Value; }
    bool ShowError() const noexcept { return FShowError; }
    void SetShowError(bool Value) { FShowError = Value; }
    TColor ModifiedColor() const noexcept { return FModifiedColor; }
    void SetModifiedColor(TColor Value) { FModifiedColor = Value; }
    bool ShowModified() const noexcept { return FShowModified; }
    void SetShowModified(bool Value) { FShowModified = Value; }
    TColor DisabledColor() const noexcept { return FDisabledColor; }
    void SetDisabledColor(TColor Value) { FDisabledColor = Value; Invalidate(); }
    bool DisabledBorder() const noexcept { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; Invalidate(); }
    bool ShowURL() const noexcept { return FShowURL; }
    void SetShowURL(bool Value);
    TColor URLColor() const noexcept { return FURLColor; }
    void SetURLColor(TColor Value) { FURLColor = Value; }
    const std::string& EmptyText() const noexcept { return FEmptyText; }
    void SetEmptyText(const std::string& Value) { FEmptyText = Value; Invalidate(); }
    bool EmptyTextFocused() const noexcept { return FEmptyTextFocused; }
    void SetEmptyTextFocused(bool Value) { FEmptyTextFocused = Value; Invalidate(); }
    int ErrorMarkerPos() const noexcept { return FErrorMarkerPos; }
    void SetErrorMarkerPos(int Value) { FErrorMarkerPos = Value; Invalidate(); }
    int ErrorMarkerLen() const noexcept { return FErrorMarkerLen; }
    void SetErrorMarkerLen(int Value) { FErrorMarkerLen = Value; Invalidate(); }
    bool HintShowLargeText() const noexcept { return FHintShowLargeText; }
    void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
    int FocusWidthInc() const noexcept { return FFocusWidthInc; }
    void SetFocusWidthInc(int Value) { FFocusWidthInc = Value; }
    TEditAlign EditAlign() const noexcept { return FEditAlign; }
    void SetEditAlign(TEditAlign Value);
    TEditAlign FocusAlign() const noexcept { return FFocusAlign; }
    void SetFocusAlign(TEditAlign Value) { FFocusAlign = Value; }
    bool AutoFocus() const noexcept { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }
    void SetEnabled(bool Value) override;
    // Takes the current colours and border as the normal ones and applies the look.
    void Init();

    // Client point of a value character and the character under a client point.
    TPoint PosFromChar(int Index);
    int CharFromPos(TPoint Point);
    // The pixel width of the value in the edit's font.
    int GetTextSize();

    // ---- Label
    TLabel* EditLabel() const noexcept { return FLabelLink.Label(); }
    std::string LabelCaption() const { return FLabelLink.Caption(); }
    void SetLabelCaption(const std::string& Value);
    TLabelPosition LabelPosition() const noexcept { return FLabelLink.Position(); }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const noexcept { return FLabelLink.Margin(); }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const noexcept { return FLabelLink.Transparent(); }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const noexcept { return FLabelLink.AlwaysEnabled(); }
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() const noexcept { return FLabelLink.Font(); }
    void SetLabelFont(const TFont& Value);
    bool FocusLabel() const noexcept { return FLabelLink.FocusLabel(); }
    void SetFocusLabel(bool Value) { FLabelLink.SetFocusLabel(Value); }

    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- Lookup list and persistence
    TLookupSettings& Lookup() noexcept { return FLookup; }
    TPersistence& Persistence() noexcept { return FPersistence; }
    // Entries match anywhere in the text, not only at its start (when the
    // lookup is not case-sensitive).
    bool FullTextSearch() const noexcept { return FFullTextSearch; }
    void SetFullTextSearch(bool Value) noexcept { FFullTextSearch = Value; }
    TListHintWindow& LookupList() const noexcept { return *FLookupList; }
    // Shows the entries matching the typed part below the caret, or hides
    // the popup when there are none.
    void UpdateLookupList();
    // Takes the highlighted entry (or its paired value) into the edit.
    void SelectLookupEntry();
    // Read the text and the lookup history back from the store, and write
    // them; saving runs when the window goes.
    virtual void LoadPersist();
    virtual void SavePersist();

    TValueValidateEvent OnValueValidate;
    controls::TClipboardEvent OnClipboardCopy;
    controls::TClipboardEvent OnClipboardCut;
    controls::TClipboardEvent OnClipboardPaste;
    TURLClickEvent OnURLClick;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;
    TLookupSelectEvent OnLookupSelect;
    TLookupIndexSelectEvent OnLookupIndexSelect;

protected:
    // Room kept free at the left and right of the text (for an embedded
    // button); the flat underline stops that far from the right edge.
    void SetIndents(int Left, int Right) noexcept
    {
        FIndentL = Left;
        FIndentR = Right;
    }
    bool MouseInControl() const noexcept { return FMouseInControl; }

    void Loaded() override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WMSysKeyDown(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Change() override;
    void Dispatch(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMParentFontChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void Paint() override;
    void PaintNonClient(TCanvas& Canvas) override;

private:
    // Value positions: display positions less the prefix.
    int PrefixLength() const;
    int SuffixLength() const;
    int ValueLength() const;
    int ValueCaret() const { return CaretPos() - PrefixLength(); }
    int ValueSelStart() const { return SelStart() - PrefixLength(); }
    void SetValueSel(int Start, int Length);
    void SetValueCaret(int Position) { SetValueSel(Position, 0); }
    bool WholeValueSelected() const;
    // Writes the value as it is, without the edit type's formatting.
    void WriteRawValue(const std::string& Value);
    void WriteFormattedValue(std::string Value);

    // Typed characters, step by step.
    void HandleChar(TMessage& Message);
    void CarryOut(const controls::TTypedOutcome& Outcome, TMessage& Message);
    void AfterCharacter();
    void PassOn(TMessage& Message, char32_t Key);
    void HandleCommand(TMessage& Message);
    void HandleWMKeyDown(TMessage& Message);
    void HandleWantSpecialKey(TMessage& Message);
    void HandleCopy(TMessage& Message);
    void HandleCut(TMessage& Message);
    void HandlePaste(TMessage& Message);
    bool PasteAccepted(const std::string& Candidate, const std::string& Pasted);
    void MoveFocus(bool Forward);
    void PostKeyToParent(unsigned short Key, bool Down, bool Up);

    // Look.
    void FocusArrived();
    void FocusLeaving();
    void FocusLeft();
    void SetURLLook(bool On);
    void ApplyEditMargins(bool FlatMargins);
    void PaintOverlay(TCanvas& Canvas);
    void DrawErrorMarker(TCanvas& Canvas);
    void DrawBorder(TCanvas& Canvas);
    void RedrawBorder(TCanvas& Canvas);
    bool NeedsOwnBorder(bool CountBorder3D) const;
    bool IsHot() const;
    void SetFontColor(TColor Value);
    bool Loading() const { return ComponentState().Contains(csLoading); }

    void UpdateLabel();

    // The lookup keys while the popup shows; true when the key was used.
    bool HandleLookupKey(TMessage& Message);
    void AddHistoryEntry();
    // The store the settings name and the section in it.
    std::unique_ptr<TCustomIniFile> OpenPersistStore(std::string& Section) const;

    TLookupSettings FLookup;
    TPersistence FPersistence;
    bool FFullTextSearch = false;
    std::unique_ptr<TListHintWindow> FLookupList;

    TQuillEditType FEditType = etString;
    int FPrecision = 0;
    TPrecisionDisplay FPrecisionDisplay = pdNormal;
    std::string FPrefix, FSuffix;
    bool FSigned = false;
    int FLengthLimit = 0;
    bool FTabOnFullLength = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FAllowNumericNullValue = false;
    bool FAutoThousandSeparator = true;
    std::string FValidChars;
    bool FCanUndo = true;
    bool FReturnIsTab = false;
    bool FDefaultHandling = true;
    bool FBlockDefaultHandling = false;
    std::string FOldString;
    bool FBlockChange = false;
    bool FIsModified = false;
    bool FIsValidating = false;
    bool FBlockCopy = false;
    bool FError = false;

    TEditLabelLink FLabelLink;
    bool FAutoFocus = false;
    bool FFlat = false;
    TColor FFlatLineColor = clBlack;
    bool FFlatParentColor = true;
    bool FSoftBorder = false;
    bool FBorder3D = false;
    TColor FBorderColor = clNone;
    bool FFocusBorder = false;
    TColor FFocusBorderColor = clNone;
    TColor FNormalColor = clWindow;
    TColor FFocusColor = clNone;
    TColor FFontColor = clWindowText;
    TColor FFocusFontColor = clWindowText;
    TColor FErrorColor = clRed;
    TColor FErrorFontColor = clWhite;
    bool FShowError = false;
    TColor FModifiedColor = clHighlight;
    bool FShowModified = false;
    TColor FDisabledColor = clSilver;
    bool FDisabledBorder = true;
    bool FShowURL = false;
    TColor FURLColor = clBlue;
    bool FIsUrl = false;
    std::string FEmptyText;
    bool FEmptyTextFocused = false;
    int FErrorMarkerPos = 0;
    int FErrorMarkerLen = 0;
    bool FHintShowLargeText = false;
    int FFocusWidthInc = 0;
    TEditAlign FEditAlign = eaLeft;
    TEditAlign FFocusAlign = eaDefault;
    TEditAlign FOldEditAlign = eaLeft;
    bool FAlignChanging = false;
    int FIndentL = 0, FIndentR = 0;
    bool FMouseInControl = false;
    bool FParentFnt = false;
    TBorderStyle FOldBorder = bsSingle;
    TRect FEditRect;
};
