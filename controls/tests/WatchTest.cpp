// The analogue watch, its preset looks and the time picker drop-down that
// shows it: geometry, clicks and keys, carries, animation, the masked face.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillTimePickerDropDown.h"
#include "controls/tests/ControlShot.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

int HourOf(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T - std::floor(T), h, m, s, ms);
    return h;
}

int MinuteOf(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T - std::floor(T), h, m, s, ms);
    return m;
}

class WatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Watch = new TQuillWatch(Form);
        Watch->SetParent(Form);
        Watch->SetBounds(10, 10, 180, 180);
        Watch->SetAnimation(false);
        Watch->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
    }
    void TearDown() override { delete Form; }
    void ClickAt(int X, int Y) { input::Click(*Watch, {X, Y}); }

    TForm* Form = nullptr;
    TQuillWatch* Watch = nullptr;
    int Changes = 0;
};

} // namespace

TEST_F(WatchTest, ClicksOutsideTheFaceSetTheMinuteAndInsideItTheHour)
{
    EXPECT_EQ(Watch->FaceRect(), (TRect{10, 10, 170, 170}));
    EXPECT_EQ(Watch->Center(), (TPoint{90, 90}));
    EXPECT_EQ(Watch->Radius(), 80);
    struct {
        int x, y, minute;
    } minutes[] = {{90, 5, 0}, {175, 90, 15}, {90, 175, 30}, {5, 90, 45}, {174, 42, 10}};
    for (const auto& m : minutes) {
        SCOPED_TRACE(testing::Message() << m.x << "," << m.y);
        EXPECT_EQ(Watch->MinuteFromPoint(m.x, m.y), m.minute);
    }
    Watch->SetTime(EncodeTime(10, 20, 0, 0));
    ClickAt(175, 90);
    EXPECT_EQ(MinuteOf(Watch->Time()), 15);
    EXPECT_EQ(HourOf(Watch->Time()), 10);
    EXPECT_EQ(Changes, 1) << "every click without animation fires once";

    ClickAt(140, 88);  // 3 o'clock inside the face
    EXPECT_EQ(HourOf(Watch->Time()), 3);
    Watch->SetTime(EncodeTime(20, 0, 0, 0));
    ClickAt(140, 88);
    EXPECT_EQ(HourOf(Watch->Time()), 15) << "the PM half";
    ClickAt(92, 40);  // 12 o'clock, from either side
    EXPECT_EQ(HourOf(Watch->Time()), 12);
    Watch->SetTime(EncodeTime(2, 0, 0, 0));
    ClickAt(88, 40);
    EXPECT_EQ(HourOf(Watch->Time()), 0);

    // The AM/PM box switches the half of the day.
    const TRect box = Watch->GetAMPMRect();
    Watch->SetTime(EncodeTime(9, 30, 0, 0));
    ClickAt((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(HourOf(Watch->Time()), 21);
    EXPECT_FALSE(Watch->AM());

    EXPECT_THROW(Watch->SetMinute(60), Exception);
    EXPECT_EQ(MinuteOf(Watch->Time()), 30);
}

TEST_F(WatchTest, MinutesCarryForwardThroughTwelveAndKeysStep)
{
    struct {
        int hour, minute;
        const char* keys;
        int wantHour, wantMinute;
    } cases[] = {
        {10, 45, "End", 11, 0}, {10, 15, "End", 10, 0},   {10, 5, "LLLLL", 10, 0}, {10, 5, "LLLLLL", 9, 59},
        {0, 0, "L", 23, 59},    {10, 59, "R", 11, 0},     {23, 10, "U", 0, 10},    {0, 10, "D", 23, 10},
        {9, 10, "H", 12, 10},   {9, 10, "P", 21, 10},     {21, 10, "A", 9, 10},    {9, 10, "A", 9, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << " " << c.keys);
        Watch->SetTime(EncodeTime(c.hour, c.minute, 0, 0));
        for (const char* k = c.keys; *k; ++k) {
            const unsigned short key = *k == 'L' ? VK_LEFT : *k == 'R' ? VK_RIGHT : *k == 'U' ? VK_PRIOR
                                     : *k == 'D' ? VK_NEXT : *k == 'H' ? VK_HOME : *k == 'E' ? VK_END
                                                                                                : static_cast<unsigned short>(*k);
            Watch->HandleWatchKey(key);
            if (*k == 'E') break;  // "End"
        }
        EXPECT_EQ(HourOf(Watch->Time()), c.wantHour);
        EXPECT_EQ(MinuteOf(Watch->Time()), c.wantMinute);
    }
}

TEST_F(WatchTest, HandsGlideOneStepPerTickAndRunningModeIgnoresInput)
{
    Watch->SetAnimation(true);
    Watch->SetTime(EncodeTime(1, 0, 0, 0));
    Changes = 0;
    Watch->SetHour(11);
    EXPECT_EQ(HourOf(Watch->Time()), 1) << "the hand glides";
    for (int tick = 1; tick <= 10; ++tick) {
        input::AdvanceTime(1);
        EXPECT_EQ(HourOf(Watch->Time()), 1 + tick);
    }
    EXPECT_EQ(Changes, 1) << "OnChange fires once, on arrival";
    EXPECT_FALSE(Watch->Animating());

    // Minutes glide forward through 12 o'clock and carry.
    Watch->SetTime(EncodeTime(10, 50, 0, 0));
    Watch->SetMinute(0);
    for (int tick = 0; tick < 20 && Watch->Animating(); ++tick) input::AdvanceTime(1);
    EXPECT_EQ(HourOf(Watch->Time()), 11);
    EXPECT_EQ(MinuteOf(Watch->Time()), 0);

    Watch->Settings().SetAuto(true);
    const TDateTime shown = Watch->Time();
    ClickAt(175, 90);
    Watch->HandleWatchKey(VK_HOME);
    EXPECT_EQ(Watch->Time(), shown) << "the running clock takes no input";
}

TEST_F(WatchTest, StylesApplyOnceAndFollowTheWatchSize)
{
    Watch->SetStyle(wsSuperNova);
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), 40);
    EXPECT_EQ(Watch->Appearance().MinuteMarkLength(), 60);
    Watch->Appearance().SetHourMarkLength(3);
    Watch->SetStyle(wsSuperNova);
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), 3) << "the same style again changes nothing";
    Watch->SetBounds(10, 10, 90, 90);
    Watch->SetStyle(wsClassic);
    Watch->SetStyle(wsSuperNova);
    EXPECT_EQ(Watch->Appearance().HourMarkLength(), 20);
    EXPECT_EQ(Watch->Appearance().MinuteMarkLength(), 30);

    Watch->SetShowAMPM(false);
    Watch->SetStyle(wsTower);
    EXPECT_FALSE(Watch->ShowAMPM()) << "the tower keeps the AM/PM setting";
    Watch->SetShowAMPM(true);
    Watch->SetStyle(wsClassic);
    Watch->SetStyle(wsTower);
    EXPECT_TRUE(Watch->ShowAMPM());

    TWatchAppearance a;
    const TColor background = a.BackgroundColor();
    TQuillWatch::ApplyComponentStyle(a, tsCustom);
    EXPECT_EQ(a.CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(a.HourFont().Color(), clBlack);
    EXPECT_EQ(a.BackgroundColor(), background) << "tsCustom only blackens the hub's border and the fonts";
    TQuillWatch::ApplyComponentStyle(a, tsWindows7);
    EXPECT_EQ(a.BackgroundColorTo(), TColor(0xFDF3EB));
    EXPECT_EQ(a.MinutePointer(), TColor(0xFBD6B8));
}

TEST_F(WatchTest, EveryStyleLooksAsItsGoldenImage)
{
    const char* names[] = {"classic", "tower", "fluorescent", "emerald", "bluestar", "fuchsia",
                           "black", "blackwhite", "gray", "supernova", "sports", "smooth"};
    Watch->SetTime(EncodeTime(14, 50, 0, 0));
    for (int s = wsSmooth; s >= wsClassic; --s) {
        SCOPED_TRACE(names[s]);
        Watch->SetStyle(static_cast<TWatchStyle>(s));
        testsupport::ExpectMatchesGolden(*Shot(*Form, *Watch), std::string("watch-") + names[s]);
    }
}

// ---- The time picker drop-down

namespace {

class TimePickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 320);
        Drop = new TQuillTimePickerDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 150, 24);
        Drop->SetEditorEnabled(true);
        Drop->OnTimeChange = [this](TObject*) { ++TimeChanges; };
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TQuillTimePickerDropDown* Drop = nullptr;
    int TimeChanges = 0;
};

} // namespace

TEST_F(TimePickerTest, UpAndDownStepTheFieldUnderTheCaret)
{
    EXPECT_EQ(Drop->Text(), "00:00:00");
    EXPECT_EQ(Drop->Time(), 0);
    EXPECT_EQ(Drop->EditMask(), "!90:00:00;1; ");
    Drop->SetSelStart(1);
    Press(VK_UP);
    EXPECT_EQ(Drop->Text(), "23:00:00");
    EXPECT_EQ(TimeChanges, 1);
    Press(VK_DOWN);
    EXPECT_EQ(Drop->Text(), "00:00:00");
    Drop->SetSelStart(4);
    Press(VK_DOWN);
    Drop->SetSelStart(7);
    Press(VK_UP);
    EXPECT_EQ(Drop->Text(), "00:01:59");
    EXPECT_EQ(Drop->SelStart(), 7) << "the caret stays";

    Drop->SetShowSeconds(false);
    EXPECT_EQ(Drop->EditMask(), "!90:00;1; ");
    Drop->SetTime(EncodeTime(9, 30, 0, 0));
    EXPECT_EQ(Drop->Text(), "09:30");
    Drop->SetSelStart(5);
    Press(VK_DOWN);
    EXPECT_EQ(Drop->Text(), "09:31") << "past the last separator the minute steps";
}

TEST_F(TimePickerTest, TypedTimesAreTakenWhenCompleteAndValid)
{
    Drop->SetSelStart(0);
    input::TypeText(*Form, "093015");
    EXPECT_EQ(Drop->Text(), "09:30:15");
    EXPECT_NEAR(Drop->Time(), EncodeTime(9, 30, 15, 0), 1e-9);
    EXPECT_EQ(TimeChanges, 0) << "typing sets the time silently";

    Drop->SetSelStart(0);
    input::TypeText(*Form, "1 0000");
    EXPECT_EQ(Drop->Text(), "10:00:00") << "a blank inside counts as a zero digit";
    EXPECT_NEAR(Drop->Time(), EncodeTime(10, 0, 0, 0), 1e-9);

    const TDateTime before = Drop->Time();
    Drop->SetSelStart(0);
    input::TypeText(*Form, "99");
    EXPECT_EQ(Drop->Time(), before) << "hour 99 leaves the time";
    Drop->SetSelStart(0);
    input::TypeText(*Form, " 7");
    EXPECT_EQ(Drop->Time(), before) << "a leading blank is no complete time";
}

TEST_F(TimePickerTest, ThePopupsWatchSetsTheTimeAndEscKeepsTheOldOne)
{
    Drop->SetTime(EncodeTime(9, 10, 0, 0));
    Drop->SetAnimation(false);
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    TQuillWatch& w = *Drop->Watch();
    EXPECT_NEAR(w.Time(), Drop->Time(), 1e-9);
    Press(VK_RIGHT);  // the watch's key: minute + 1
    EXPECT_EQ(Drop->Text(), "09:11:00");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "09:10:00") << "Esc keeps the time from before the opening";

    Drop->ShowDropDown();
    input::Click(w, {w.ClientWidth() - 2, w.ClientHeight() / 2});  // minute 15
    Press(VK_RETURN);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->Text(), "09:15:00");

    // Dragging the minute hand.
    Drop->ShowDropDown();
    const TPoint c = w.Center();
    const TPoint grip{c.X + w.Radius() / 2, c.Y};  // on the minute hand at 15
    input::MouseDown(w, grip);
    input::MouseMove(w, {c.X, c.Y + w.Radius() / 2});
    input::MouseMove(w, {c.X - w.Radius() / 2, c.Y});
    input::MouseUp(w, {c.X - w.Radius() / 2, c.Y});
    EXPECT_EQ(Drop->Text(), "09:45:00") << "the hand follows the drag; the release sets no hour";

    // With the time picker below the watch, each follows the other.
    Drop->HideDropDown(false);
    Drop->SetShowTimePicker(true);
    Drop->ShowDropDown();
    ASSERT_NE(Drop->TimePicker(), nullptr);
    TimeChanges = 0;
    Press(VK_RIGHT);
    EXPECT_EQ(MinuteOf(Drop->TimePicker()->DateTime()), 46);
    EXPECT_EQ(TimeChanges, 1);
    Drop->TimePicker()->SetDateTime(EncodeTime(7, 5, 0, 0));
    testsupport::ExpectMatchesGolden(Drop->DropDownForm()->Surface(), "timepicker-popup");
    Press(VK_RETURN);
    testsupport::ExpectMatchesGolden(*Shot(*Form, *Drop), "timepicker-face");
}
