// The spin edit: a single-line edit holding an integer, a real number, a date
// or a time, stepped by its up and down buttons and the arrow and page keys,
// with typed characters filtered by kind.
#pragma once

#include "grid/base/SarnSpinButton.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/EditControls.h"

enum TSarnSpinType { sptNormal, sptFloat, sptDate, sptTime };

namespace grid {
// The spin edit's text alignment (the typed edit has an alignment type of its own).
enum TEditAlign { eaLeft, eaRight, eaCenter };
} // namespace grid

class TSarnSpinEdit : public TCustomEdit {
    VISTRA_CLASS(TSarnSpinEdit, TCustomEdit)

    explicit TSarnSpinEdit(TComponent* AOwner);
    ~TSarnSpinEdit() override;

    TSarnSpinButton& Button() const noexcept { return *FButton; }
    TSarnSpinType SpinType() const noexcept { return FSpinType; }
    void SetSpinType(TSarnSpinType Value);

    // Values are read from the text each time; an unreadable text falls back
    // (integer and real: MinValue; date: MinDateValue; time: 0).
    int Value() const;
    void SetValue(int AValue);
    int MinValue() const noexcept { return FMinValue; }
    void SetMinValue(int AValue) { FMinValue = AValue; }
    int MaxValue() const noexcept { return FMaxValue; }
    void SetMaxValue(int AValue) { FMaxValue = AValue; }
    int Increment() const noexcept { return FIncrement; }
    void SetIncrement(int AValue) { FIncrement = AValue; }

    double FloatValue() const;
    void SetFloatValue(double AValue);
    double MinFloatValue() const noexcept { return FMinFloatValue; }
    void SetMinFloatValue(double AValue) { FMinFloatValue = AValue; }
    double MaxFloatValue() const noexcept { return FMaxFloatValue; }
    void SetMaxFloatValue(double AValue) { FMaxFloatValue = AValue; }
    double IncrementFloat() const noexcept { return FIncrementFloat; }
    void SetIncrementFloat(double AValue) { FIncrementFloat = AValue; }
    double IncrementFloatPage() const noexcept { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double AValue) { FIncrementFloatPage = AValue; }
    // Decimals shown for reals; 0 shows the general format.
    int Precision() const noexcept { return FPrecision; }
    void SetPrecision(int AValue);

    TDateTime DateValue() const;
    void SetDateValue(TDateTime AValue);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime AValue);
    // The date range, also applied to times; equal bounds mean no limit.
    TDateTime MinDateValue() const noexcept { return FMinDateValue; }
    void SetMinDateValue(TDateTime AValue) { FMinDateValue = AValue; }
    TDateTime MaxDateValue() const noexcept { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime AValue) { FMaxDateValue = AValue; }
    int IncrementHours() const noexcept { return FIncrementHours; }
    void SetIncrementHours(int AValue) { FIncrementHours = AValue; }
    int IncrementMinutes() const noexcept { return FIncrementMinutes; }
    void SetIncrementMinutes(int AValue) { FIncrementMinutes = AValue; }
    int IncrementSeconds() const noexcept { return FIncrementSeconds; }
    void SetIncrementSeconds(int AValue) { FIncrementSeconds = AValue; }
    bool ShowSeconds() const noexcept { return FShowSeconds; }
    void SetShowSeconds(bool AValue) { FShowSeconds = AValue; }

    // Typing allowed; when off only the buttons and keys change the value.
    bool EditorEnabled() const noexcept { return FEditorEnabled; }
    void SetEditorEnabled(bool AValue) { FEditorEnabled = AValue; }
    grid::TEditAlign EditAlign() const noexcept { return FEditAlign; }
    void SetEditAlign(grid::TEditAlign AValue);
    TSpinDirection Direction() const noexcept { return FButton->Direction(); }
    void SetDirection(TSpinDirection AValue);
    bool SpinFlat() const noexcept { return FSpinFlat; }
    void SetSpinFlat(bool AValue);
    bool SpinTransparent() const noexcept { return FSpinTransparent; }
    void SetSpinTransparent(bool AValue);
    // Enter moves the focus on as Tab does.
    bool ReturnIsTab() const noexcept { return FReturnIsTab; }
    void SetReturnIsTab(bool AValue) { FReturnIsTab = AValue; }
    // The keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator() const noexcept { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool AValue) { FExcelStyleDecimalSeparator = AValue; }
    // Kept for the grid's editor handling.
    bool AllowEmptyValue() const noexcept { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool AValue) { FAllowEmptyValue = AValue; }
    void SetIsWinXP(bool AValue) { FButton->SetIsWinXP(AValue); }

    void Loaded() override;

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    // Whether a typed character may go into the text in the current kind.
    virtual bool AcceptsChar(char32_t& Key);
    virtual void UpButtonClick(TObject* Sender);
    virtual void DownButtonClick(TObject* Sender);

protected:
    void CreateParams(TCreateParams& Params) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void BoundsChanged() override;
    void CMFontChanged(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Step(int Sign, bool Page);
    void StepDate(int Sign);
    void StepTime(int Sign);
    int LimitInt(int AValue) const;
    double LimitFloat(double AValue) const;
    TDateTime LimitDate(TDateTime AValue) const;
    // Rewrites the text in the current kind's form, limited to its range.
    void ReapplyValue();
    void LayoutButtonAndText();
    void RaiseToMinimumHeight();
    // The text changes and the caret stays where it was.
    void SetTextKeepingCaret(const std::string& AText);

    TSarnSpinButton* FButton;
    TSarnSpinType FSpinType = sptNormal;
    int FMinValue = 0, FMaxValue = 100, FIncrement = 1;
    double FMinFloatValue = 0, FMaxFloatValue = 100, FIncrementFloat = 0.1, FIncrementFloatPage = 1;
    int FPrecision = 0;
    TDateTime FDateValue = 0, FTimeValue = 0, FMinDateValue = 0, FMaxDateValue = 0;
    int FIncrementHours = 1, FIncrementMinutes = 1, FIncrementSeconds = 1;
    bool FShowSeconds = true, FEditorEnabled = true, FSpinFlat = false, FSpinTransparent = false;
    bool FReturnIsTab = false, FExcelStyleDecimalSeparator = false, FAllowEmptyValue = false;
    grid::TEditAlign FEditAlign = grid::eaLeft;
};
