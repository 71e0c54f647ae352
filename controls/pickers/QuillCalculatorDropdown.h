// A numeric edit whose popup is a pocket calculator: the four operations,
// percent, square root, reciprocal, sign change, a one-value memory and clear
// keys. The edit shows the calculator's display, and the number shown stays
// in the edit when the popup closes. Operator keys typed into the closed edit
// compute in place.
#pragma once

#include <memory>

#include "controls/dropdown/QuillDropDown.h"
#include "controls/pickers/CalculatorKeypad.h"

namespace controls {

class TQuillCalculatorDropdown : public TQuillCustomDropDown {
    VISTRA_CLASS(TQuillCalculatorDropdown, TQuillCustomDropDown)

    explicit TQuillCalculatorDropdown(TComponent* AOwner);
    ~TQuillCalculatorDropdown() override;

    // The keypad's colours and font, copied into the keypad at each opening.
    TButtonAppearance& CalcButtonAppearance() const noexcept { return *FCalcButtonAppearance; }
    void SetCalcButtonAppearance(const TButtonAppearance& Value) { FCalcButtonAppearance->Assign(&Value); }
    // Shows the display with thousand separators (money) or without (float).
    bool ShowThousandSeparator() const noexcept { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    // The shown number; an empty display first shows 0, a text that is no
    // number reads 0. Writing shows the value to Precision decimals.
    long double Value();
    void SetValue(long double Value);
    // The "=" operation.
    void CalcResult() { CalcEquals(); }
    TCustomButtonPanel* ButtonPanel() const noexcept { return FQuillButtonPanel; }
    // The memory's value.
    long double MemoryValue() const noexcept { return FMVal; }

    // The drop-down's colours, then the drop-down button's colours for the keypad.
    void SetComponentStyle(TQORStyle AStyle) override;

    // The text shown when a result cannot be shown.
    static constexpr const char* ErrorText = "Error";
    static constexpr int KeypadHeight = 150;

protected:
    // Called first by every keypad click and every character typed on the open
    // popup, before the calculator changes the display.
    virtual void BeforeCalcInput() {}
    void CalcButtonClick(TObject* Sender, int Index);

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownSize(int& Width, int& Height) override;
    void FormKeyPress(char32_t& Key) override;
    void FormKeyDown(unsigned short& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void CMEnter(TMessage& Message) override;

private:
    void CalcAdd() { ApplyPendingThen(0); }
    void CalcMultiply() { ApplyPendingThen(1); }
    void CalcSubtract() { ApplyPendingThen(2); }
    void CalcDivide() { ApplyPendingThen(3); }
    void ApplyPendingThen(int Operator);
    void ApplyPendingOperator();
    void CalcEquals();
    void CalcPercent();
    void CalcKeyPress(char32_t Key);
    // The edit's own key handling of a typed character, open or closed.
    void HandleKeyPress(char32_t& Key);
    void DigitEntry(int Digit);
    // The shown text without thousand separators as a number; a text that is
    // no number raises EConvertError.
    long double ShownNumber() const;
    // Writes a computed value; one that cannot be shown shows "Error".
    void ShowResult(long double Value);
    void ShowText(const std::string& Text) { ApplyText(Text); }
    bool ShowsError() const { return Text() == ErrorText; }
    bool CalculatorClosed() const;
    bool LengthFull() const;

    TCustomButtonPanel* FQuillButtonPanel = nullptr;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    int FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    bool FCalcClosed = true;
    long double FMVal = 0;
    bool FShowThousandSeparator = false;
    bool FInFormKeyPress = false;
};

} // namespace controls
