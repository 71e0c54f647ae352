// The calculator drop-down and its keypad: key sequences clicked on the
// keypad against the display they leave, keys typed into the closed edit,
// the memory, the keypad's layout and its press-and-release rule.
#include <gtest/gtest.h>

#include <sstream>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillCalculatorDropdown.h"
#include "controls/tests/ControlShot.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

class CalculatorTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Calc = new TQuillCalculatorDropdown(Form);
        Calc->SetParent(Form);
        Calc->SetBounds(10, 20, 150, 24);
        Form->Show();
        Calc->SetFocus();
    }
    void TearDown() override { delete Form; }

    TCustomButtonPanel& Pad() const { return *Calc->ButtonPanel(); }
    int ButtonOf(const std::string& caption) const
    {
        for (int i = 0; i < Pad().Buttons().Count(); ++i)
            if (Pad().Buttons().Items(i)->Caption == caption) return i;
        ADD_FAILURE() << "no key " << caption;
        return -1;
    }
    // Clicks the keys, separated by blanks, on the keypad with the mouse.
    void Keys(const std::string& sequence)
    {
        if (!Calc->DroppedDown()) Calc->ShowDropDown();
        std::istringstream in(sequence);
        for (std::string key; in >> key;) {
            const TRect r = Pad().Buttons().Items(ButtonOf(key))->Rect();
            input::Click(Pad(), {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        }
    }

    TForm* Form = nullptr;
    TQuillCalculatorDropdown* Calc = nullptr;
};

} // namespace

TEST_F(CalculatorTest, KeySequencesLeaveTheirResultOnTheDisplay)
{
    struct {
        const char* keys;
        const char* shown;
    } cases[] = {
        {"1", "1.00"},
        {"1 2", "12.00"},
        {"1 2 .", "12.00"},
        {"1 2 . 5", "12.50"},
        {"1 2 * 7 =", "84.00"},
        {"7 + 3 =", "10.00"},
        {"7 + 3 = =", "10.00"},  // no repeat of the last operation
        {"1 / 3 =", "0.33"},
        {"1 / 3 = * 3 =", "0.99"},  // the running value is what was shown
        {"9 - 4 - 2 =", "3.00"},
        {"5 / 0 =", "Error"},
        {"5 / 0 = 2 + 2 =", "4.00"},
        {"5 +/-", "-5.00"},
        {"5 +/- 3", "-53.00"},
        {"1 . 5 CE 3", "3.00"},
        {"4 +/- sqrt", "Error"},
        {"9 sqrt", "3.00"},
        {"C 1/x", "Error"},
        {"4 1/x", "0.25"},
        {"2 0 0 + 1 0 %", "20.00"},
        {"2 0 0 + 1 0 % =", "220.00"},
        {"1 2 MS C MR", "12.00"},
        {"5 MS 3", "53.00"},  // MS does not end the entry
        {"5 MS C 3 M+ C MR", "8.00"},
        {"5 MS C 3 M+ MC MR", "0.00"},
        {"1 2 . 5 Back", "12.00"},
        {"7 + Back", "7.00"},  // Back does nothing while an operator is pending
        {"3 C", "0.00"},
        // A result a double cannot show every digit of says so.
        {"9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 =", "Error"},
        {"9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 = C 2 + 2 =", "4.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Calc->HideDropDown(false);
        delete Calc;
        Calc = new TQuillCalculatorDropdown(Form);
        Calc->SetParent(Form);
        Keys(c.keys);
        EXPECT_EQ(Calc->Text(), c.shown);
    }
}

TEST_F(CalculatorTest, OperatorKeysComputeInTheClosedEdit)
{
    input::TypeText(*Form, "C2*3=");
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "6.00");
    input::TypeText(*Form, "+4");
    input::PressKey(*Form, VK_RETURN);
    EXPECT_EQ(Calc->Text(), "10.00");
    EXPECT_DOUBLE_EQ(static_cast<double>(Calc->Value()), 10.0);

    // Keys typed on the open popup compute as well; Enter is "=" and closes.
    Calc->ShowDropDown();
    input::TypeText(*Form, "*3");
    input::PressKey(*Form, VK_RETURN);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "30.00");
}

TEST_F(CalculatorTest, LimitsSeparatorsAndTextsThatAreNoNumber)
{
    Calc->SetShowThousandSeparator(true);
    Keys("1 2 3 4 MS C MR");
    EXPECT_DOUBLE_EQ(static_cast<double>(Calc->MemoryValue()), 1234.0);
    EXPECT_EQ(Calc->Text(), "1,234.00");
    Keys("+ 1 =");
    EXPECT_EQ(Calc->Text(), "1,235.00");
    Calc->HideDropDown(false);

    Calc->SetShowThousandSeparator(false);
    Keys("C 1");
    Calc->SetMaxLength(4);
    Keys("2");
    EXPECT_EQ(Calc->Text(), "1.00") << "the digit keys stop at the length limit";
    Keys("+ 1 =");
    EXPECT_EQ(Calc->Text(), "2.00") << "the operators still work";
    Calc->HideDropDown(false);

    // A display that is no number: the operators refuse it and change nothing,
    // while Value reads 0.
    Calc->SetMaxLength(0);
    Calc->SetEditType(etString);
    Calc->SetText("-");
    EXPECT_EQ(Calc->Value(), 0);
    EXPECT_THROW(Calc->CalcResult(), EConvertError);
    EXPECT_EQ(Calc->Text(), "-");
}

TEST_F(CalculatorTest, AClickOutsideTheOpenPopupKeepsTheResult)
{
    Keys("6 * 7");
    input::Click(*Form, {300, 250});
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "7.00");
    input::PressKey(*Form, VK_ESCAPE);
    Keys("=");
    EXPECT_EQ(Calc->Text(), "42.00") << "the pending operator survives the closing";
    input::PressKey(*Form, VK_ESCAPE);
    EXPECT_FALSE(Calc->DroppedDown());
}

TEST_F(CalculatorTest, KeypadLaysOutSixColumnsAndClicksOnlyOnARelease)
{
    TCustomButtonPanel pad(Form);
    pad.SetParent(Form);
    pad.SetBounds(0, 0, 214, 134);
    pad.InitButtons();
    ASSERT_EQ(pad.Buttons().Count(), 28);
    auto rect = [&](const std::string& caption) {
        for (int i = 0; i < pad.Buttons().Count(); ++i)
            if (pad.Buttons().Items(i)->Caption == caption) return pad.Buttons().Items(i)->Rect();
        return TRect{};
    };
    // Buttons area 198 x 118: w = 31, h = 22.
    EXPECT_EQ(pad.Buttons().Items(0)->Rect(), (TRect{8, 8, 39, 30}));
    EXPECT_EQ(rect("MC"), (TRect{8, 34, 39, 56}));
    EXPECT_EQ(rect("7"), (TRect{43, 34, 74, 56}));
    EXPECT_EQ(rect("8"), (TRect{73, 34, 104, 56}));
    EXPECT_EQ(rect("9"), (TRect{103, 34, 134, 56}));
    EXPECT_EQ(rect("/"), (TRect{138, 34, 169, 56}));
    EXPECT_EQ(rect("sqrt"), (TRect{168, 34, 199, 56}));
    EXPECT_EQ(rect("MR").Top, 55);
    EXPECT_EQ(rect("M+").Top, 97);
    EXPECT_EQ(rect("="), (TRect{168, 97, 199, 119}));
    EXPECT_EQ(rect("Back").Left, 43);
    EXPECT_EQ(rect("C").Right, 199);
    EXPECT_EQ(pad.Buttons().Items(5)->Name, "BTN_MR");

    std::vector<int> clicks;
    pad.OnButtonClick = [&](TObject*, int Index) { clicks.push_back(Index); };
    const TRect seven = rect("7"), eight = rect("8");
    input::MouseDown(pad, {seven.Left + 5, seven.Top + 5});
    input::MouseUp(pad, {eight.Right - 5, eight.Top + 5});
    EXPECT_TRUE(clicks.empty()) << "pressed on one key, released on another";
    input::Click(pad, {seven.Left + 5, seven.Top + 5});
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(pad.Buttons().Items(clicks[0])->Tag, 7);

    pad.Buttons().Items(12)->Enabled = false;  // the 8
    input::MouseMove(pad, {seven.Left + 5, seven.Top + 5});
    EXPECT_EQ(pad.Buttons().Items(pad.HotIndex())->Caption, "7");
    input::MouseMove(pad, {eight.Right - 5, eight.Top + 5});
    EXPECT_EQ(pad.HotIndex(), -1) << "a disabled key is never hot";

    TCustomButtonPanel custom(Form);
    custom.SetButtonPanelType(plCustom);
    custom.InitButtons();
    EXPECT_EQ(custom.Buttons().Count(), 0);
    TButtonItem& own = *custom.Buttons().Add();
    own.Left = 3;
    own.Width = 9;
    custom.ArrangeButtons();
    EXPECT_EQ(own.Left, 3);
    EXPECT_EQ(own.Width, 9);
}

TEST_F(CalculatorTest, FaceAndKeypadLookAsTheirGoldenImages)
{
    Keys("1 2 * 7 =");
    TCustomButtonPanel& pad = Pad();
    const TRect five = pad.Buttons().Items(13)->Rect();
    input::MouseMove(pad, {five.Left + 4, five.Top + 4});
    input::Pump();
    testsupport::ExpectMatchesGolden(Calc->DropDownForm()->Surface(), "calculator-popup");
    Calc->HideDropDown(false);
    testsupport::ExpectMatchesGolden(*Shot(*Form, *Calc), "calculator-face");
}
