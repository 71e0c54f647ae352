// The demo's value editors on a real display, worked with the X server's
// pointer and keyboard.
#include <chrono>
#include <thread>

#include "controls/QuillDateTimePicker.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillCalculatorDropdown.h"
#include "controls/pickers/QuillMemoDropDown.h"
#include "controls/pickers/QuillMultiColumnDropDown.h"
#include "controls/pickers/QuillTimePickerDropDown.h"
#include "controls/pickers/QuillTrackBarDropDown.h"
#include "platform/classes/StringList.h"
#include "platform/ui/ComCtrls.h"
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

TEST_F(DropDownDemoTest, TheTimeIsSetByDraggingTheMinuteHandAndEscKeepsTheOldTime)
{
    controls::TQuillTimePickerDropDown& time = *Form->DrpTime;
    time.SetAnimation(false);
    ClickAt(ButtonOf(time));
    SettleUntil([&] { return time.DroppedDown(); });
    ASSERT_TRUE(time.DroppedDown()) << "the button opens the watch";
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-time.png");
    const controls::TQuillWatch& watch = *time.Watch();
    const TPoint c = watch.Center();
    const int r = watch.Radius();
    // 09:10: the minute hand points at 2 o'clock; drag it round to 8 o'clock (minute 40).
    const TPoint grip = watch.ClientToScreen({c.X + r * 4 / 10 * 866 / 1000, c.Y - r * 4 / 10 / 2});
    const TPoint via = watch.ClientToScreen({c.X, c.Y + r / 2});
    const TPoint drop = watch.ClientToScreen({c.X - r * 4 / 10 * 866 / 1000, c.Y + r * 4 / 10 / 2});
    XDo("mousemove " + std::to_string(grip.X) + " " + std::to_string(grip.Y) + " mousedown 1 mousemove " +
        std::to_string(via.X) + " " + std::to_string(via.Y) + " mousemove " + std::to_string(drop.X) + " " +
        std::to_string(drop.Y) + " mouseup 1");
    SettleUntil([&] { return time.Text() == "09:40:00"; });
    EXPECT_EQ(time.Text(), "09:40:00") << "the minute hand follows the drag";
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-time-dragged.png");
    XDo("key --clearmodifiers Return");
    SettleUntil([&] { return !time.DroppedDown(); });
    EXPECT_FALSE(time.DroppedDown());
    EXPECT_EQ(time.Text(), "09:40:00");

    // Keys on the open watch move it; Esc returns to the time before opening.
    XDo("key --clearmodifiers alt+Down");
    SettleUntil([&] { return time.DroppedDown(); });
    ASSERT_TRUE(time.DroppedDown());
    XDo("key --clearmodifiers Right Right Prior");
    SettleUntil([&] { return time.Text() == "10:42:00"; });
    EXPECT_EQ(time.Text(), "10:42:00");
    XDo("key --clearmodifiers Escape");
    SettleUntil([&] { return !time.DroppedDown(); });
    EXPECT_EQ(time.Text(), "09:40:00");

    // Up on the closed face steps the hour under the caret.
    XDo("key --clearmodifiers Home Up");
    SettleUntil([&] { return time.Text() == "08:40:00"; });
    EXPECT_EQ(time.Text(), "08:40:00");
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-time-stepped.png");
}

TEST_F(DropDownDemoTest, TheTrackBarAndTheMemoEditTheirValuesInTheirPopups)
{
    controls::TQuillTrackBarDropDown& level = *Form->DrpLevel;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ClickAt(ButtonOf(level));
    SettleUntil([&] { return level.DroppedDown(); });
    ASSERT_TRUE(level.DroppedDown());
    Settle();
    const TTrackBar& bar = *level.TrackBar();
    const TRect thumb = bar.ThumbRect();
    const TPoint from = CentreOf(bar, thumb);
    XDo("mousemove " + std::to_string(from.X) + " " + std::to_string(from.Y) + " mousedown 1 mousemove " +
        std::to_string(bar.ClientToScreen({bar.ClientWidth() - 4, 0}).X) + " " + std::to_string(from.Y) + " mouseup 1");
    SettleUntil([&] { return level.Position() == 10; });
    EXPECT_EQ(level.Position(), 10);
    EXPECT_EQ(level.Text(), "10");
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-trackbar.png");
    ClickAt(Form->EdtNote->ClientToScreen({5, 5}));
    SettleUntil([&] { return !level.DroppedDown(); });
    EXPECT_EQ(level.Position(), 10) << "a click elsewhere keeps the value";

    controls::TQuillMemoDropDown& note = *Form->DrpNote;
    EXPECT_EQ(note.Text(), "Bring the maps...");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ClickAt(ButtonOf(note));
    SettleUntil([&] { return note.DroppedDown(); });
    ASSERT_TRUE(note.DroppedDown());
    SettleUntil([&] { return note.Memo()->Focused(); });
    XDo("key --clearmodifiers ctrl+Home");
    Settle();
    XDo("type --delay 40 'Please '");
    SettleUntil([&] { return note.Memo()->Lines().Count() >= 1 && note.Memo()->Lines().Strings(0) == "Please Bring the maps"; });
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-memo.png");
    ClickAt(Form->EdtNote->ClientToScreen({5, 5}));
    SettleUntil([&] { return !note.DroppedDown(); });
    EXPECT_FALSE(note.DroppedDown());
    ASSERT_GE(note.MemoText().Count(), 2);
    EXPECT_EQ(note.MemoText().Strings(0), "Please Bring the maps");
    EXPECT_EQ(note.MemoText().Strings(1), "and the compass");
    EXPECT_EQ(note.Text(), "Please Bring the maps...");
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-memo-closed.png");
}

TEST_F(DropDownDemoTest, AMultiColumnItemIsFoundByItsFirstLettersAndChosenWithEnter)
{
    controls::TQuillMultiColumnDropDown& place = *Form->DrpPlace;
    ClickAt(place.ClientToScreen({5, 5}));
    SettleUntil([&] { return place.Focused(); });
    ASSERT_TRUE(place.Focused());
    // Typed into the closed face: the entry completes as the letters come.
    XDo("key --clearmodifiers ctrl+a BackSpace");
    Settle();
    XDo("type --delay 60 Han");
    SettleUntil([&] { return place.Text() == "Hannover"; });
    EXPECT_EQ(place.Text(), "Hannover");
    XDo("key --clearmodifiers Return");
    Settle();
    EXPECT_EQ(place.ItemIndex(), 5);

    // In the open list: its first letters find the row, Enter chooses it.
    XDo("key --clearmodifiers alt+Down");
    SettleUntil([&] { return place.DroppedDown(); });
    ASSERT_TRUE(place.DroppedDown());
    XDo("type --delay 60 be");
    SettleUntil([&] { return place.Grid()->Row() == 2; });
    EXPECT_EQ(place.Grid()->Row(), 2);
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-multicolumn.png");
    XDo("key --clearmodifiers Return");
    SettleUntil([&] { return !place.DroppedDown(); });
    EXPECT_FALSE(place.DroppedDown());
    EXPECT_EQ(place.Text(), "Bergen");
    EXPECT_EQ(place.ItemIndex(), 1);
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-multicolumn-chosen.png");
}

TEST_F(DropDownDemoTest, TheDateTimePickerIsSetToAnAfternoonTimeByKeysAndShowsItsAmPmField)
{
    TQuillDateTimePicker& when = *Form->DtpWhen;
    ASSERT_NE(when.TimePicker(), nullptr);
    TCustomDateTimePicker& time = *when.TimePicker();
    EXPECT_EQ(time.DisplayText(), "09:30 AM");
    ClickAt(time.ClientToScreen({4, time.ClientHeight() / 2}));
    SettleUntil([&] { return time.Focused(); });
    ASSERT_TRUE(time.Focused());
    XDo("key --clearmodifiers Right Right p");
    SettleUntil([&] { return time.DisplayText() == "09:30 PM"; });
    EXPECT_EQ(time.DisplayText(), "09:30 PM");
    EXPECT_NEAR(when.Time(), EncodeTime(21, 30, 0, 0), 1e-9);
    // The hour by its digits keeps the afternoon.
    XDo("key --clearmodifiers Left Left 1 1");
    SettleUntil([&] { return time.DisplayText() == "11:30 PM"; });
    EXPECT_EQ(time.DisplayText(), "11:30 PM");
    EXPECT_NEAR(when.Time(), EncodeTime(23, 30, 0, 0), 1e-9);
    Settle();
    SaveScreenshot(*Form, "dropdowndemo-datetime-pm.png");
}
