// The demo's value editors on a real display, worked with the X server's
// pointer and keyboard.
#include <chrono>
#include <thread>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillCalculatorDropdown.h"
#include "tools/dropdowndemo/tests/DemoDisplay.h"

using namespace demo_display;

namespace {

// The centre of a keypad key on the screen.
TPoint KeyOnScreen(const controls::TCustomButtonPanel& Pad, const std::string& Caption)
{
    for (int i = 0; i < Pad.Buttons().Count(); ++i)
        if (Pad.Buttons().Items(i)->Caption == Caption) return CentreOf(Pad, Pad.Buttons().Items(i)->Rect());
    ADD_FAILURE() << "no key " << Caption;
    return {};
}

} // namespace

TEST_F(DropDownDemoTest, TheCalculatorComputesTwelveTimesSevenByMouseIntoItsFace)
{
    controls::TQuillCalculatorDropdown& calc = *Form->DrpCalc;
    ClickAt(ButtonOf(calc));
    SettleUntil([&] { return calc.DroppedDown(); });
    ASSERT_TRUE(calc.DroppedDown()) << "the button opens the keypad";
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-calculator.png");
    const controls::TCustomButtonPanel& pad = *calc.ButtonPanel();
    for (const char* key : {"1", "2", "*", "7", "="}) {
        ClickAt(KeyOnScreen(pad, key));
        // Each click is its own press and release.
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        Settle();
    }
    SettleUntil([&] { return calc.Text() == "84.00"; });
    EXPECT_EQ(calc.Text(), "84.00");
    SaveScreenshot(*Form, "dropdowndemo-calculator-84.png");

    // A click elsewhere closes the keypad and keeps the result.
    ClickAt(Form->EdtNote->ClientToScreen({5, 5}));
    SettleUntil([&] { return !calc.DroppedDown(); });
    EXPECT_FALSE(calc.DroppedDown());
    EXPECT_EQ(calc.Text(), "84.00");

    // Keys typed into the closed face compute as well.
    ClickAt(calc.ClientToScreen({5, 5}));
    SettleUntil([&] { return calc.Focused(); });
    XDo("type --delay 40 '/4='");
    SettleUntil([&] { return calc.Text() == "21.00"; });
    EXPECT_EQ(calc.Text(), "21.00");
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-calculator-typed.png");
}
