// The date-time picker's fields (text, stepping, typed digits) and the
// picker by keyboard and mouse, its check box and its month calendar.
#include "UiFixture.h"

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/PopupWatch.h"

using namespace backend;
using ui::TDateField;
using ui::TDateTimeFields;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return EncodeDateTime(y, mo, d, h, mi, s, 0); }

} // namespace

TEST(DateTimeFields, FormatsShowTheirFields)
{
    const TDateTime value = At(2026, 3, 7, 9, 5, 4);
    struct Case {
        const char* format;
        const char* text;
        size_t fields;
    };
    const Case cases[] = {{"dd/MM/yyyy", "07/03/2026", 3}, {"d.M.yy", "7.3.26", 3}, {"HH:mm:ss", "09:05:04", 3},
                          {"h:mm", "9:05", 2},             {"'day' d", "day 7", 1}, {"yyyy-MM-dd HH:mm", "2026-03-07 09:05", 5}};
    for (const Case& c : cases) {
        TDateTimeFields fields(c.format);
        EXPECT_EQ(fields.Text(value), c.text) << c.format;
        EXPECT_EQ(fields.Editable().size(), c.fields) << c.format;
    }
}

TEST(DateTimeFields, SteppingWrapsInsideTheField)
{
    struct Case {
        const char* name;
        TDateTime from;
        TDateField field;
        int delta;
        TDateTime to;
    };
    const Case cases[] = {
        {"day past the month's end", At(2026, 1, 31), TDateField::Day, 1, At(2026, 1, 1)},
        {"day below one", At(2026, 2, 1), TDateField::Day, -1, At(2026, 2, 28)},
        {"month past December keeps the year", At(2026, 12, 5), TDateField::Month, 1, At(2026, 1, 5)},
        {"month into a shorter one", At(2026, 1, 31), TDateField::Month, 1, At(2026, 2, 28)},
        {"hour past 23", At(2026, 1, 1, 23, 10), TDateField::Hour, 1, At(2026, 1, 1, 0, 10)},
        {"minute below zero", At(2026, 1, 1, 5, 0), TDateField::Minute, -1, At(2026, 1, 1, 5, 59)},
        {"leap day by year", At(2024, 2, 29), TDateField::Year, 1, At(2025, 2, 28)},
    };
    for (const Case& c : cases) EXPECT_EQ(TDateTimeFields::Step(c.from, c.field, c.delta), c.to) << c.name;
}

TEST(DateTimeFields, TypedDigitsFillAFieldBeforeItTakesThem)
{
    struct Case {
        const char* name;
        TDateField field;
        const char* digits;
        TDateTime to;
    };
    const TDateTime from = At(2026, 6, 15, 10, 20, 30);
    const Case cases[] = {
        {"two day digits", TDateField::Day, "21", At(2026, 6, 21, 10, 20, 30)},
        {"a day digit no second can follow", TDateField::Day, "4", At(2026, 6, 4, 10, 20, 30)},
        {"one day digit waits", TDateField::Day, "1", from},
        {"a month too large starts over", TDateField::Month, "19", At(2026, 9, 15, 10, 20, 30)},
        {"a year needs four digits", TDateField::Year, "203", from},
        {"four year digits", TDateField::Year, "2031", At(2031, 6, 15, 10, 20, 30)},
        {"hours", TDateField::Hour, "23", At(2026, 6, 15, 23, 20, 30)},
    };
    for (const Case& c : cases) {
        std::string typed;
        TDateTime value = from;
        for (const char* d = c.digits; *d; ++d) value = TDateTimeFields::TypeDigit(value, c.field, *d - '0', typed);
        EXPECT_EQ(value, c.to) << c.name;
    }
    std::string typed = "1";
    EXPECT_EQ(TDateTimeFields::Commit(from, TDateField::Day, typed), At(2026, 6, 1, 10, 20, 30));
    EXPECT_TRUE(typed.empty());
}

TEST(DateTimeFields, TwelveHourClockAmPmAndNames)
{
    // Saturday 7 March 2026, in the morning and in the afternoon.
    const TDateTime morning = At(2026, 3, 7, 9, 5, 4), afternoon = At(2026, 3, 7, 21, 5, 4);
    const TDateTime noon = At(2026, 3, 7, 12, 0, 0), midnight = At(2026, 3, 7, 0, 0, 0);
    struct Case {
        const char* format;
        TDateTime value;
        const char* text;
    };
    const Case cases[] = {
        {"hh:mm tt", morning, "09:05 AM"},  {"hh:mm tt", afternoon, "09:05 PM"}, {"h:mm t", afternoon, "9:05 P"},
        {"hh tt", noon, "12 PM"},           {"hh tt", midnight, "12 AM"},        {"HH:mm", afternoon, "21:05"},
        {"ddd d MMM yyyy", morning, "Sat 7 Mar 2026"}, {"dddd, d MMMM", morning, "Saturday, 7 March"},
    };
    for (const Case& c : cases) EXPECT_EQ(TDateTimeFields(c.format).Text(c.value), c.text) << c.format;
    EXPECT_EQ(TDateTimeFields("dddd MMMM").Editable().size(), 2u) << "names are fields";

    // The 12-hour hour steps and takes digits inside its half of the day;
    // the AM/PM field switches the half by a step or by A and P.
    EXPECT_EQ(TDateTimeFields::Step(afternoon, TDateField::Hour12, 3), At(2026, 3, 7, 12, 5, 4));
    EXPECT_EQ(TDateTimeFields::Step(noon, TDateField::Hour12, -1), At(2026, 3, 7, 23, 0, 0));
    EXPECT_EQ(TDateTimeFields::Step(morning, TDateField::AmPm, 1), afternoon);
    std::string typed;
    EXPECT_EQ(TDateTimeFields::TypeDigit(afternoon, TDateField::Hour12, 4, typed), At(2026, 3, 7, 16, 5, 4));
    typed.clear();
    TDateTime twelve = TDateTimeFields::TypeDigit(morning, TDateField::Hour12, 1, typed);
    twelve = TDateTimeFields::TypeDigit(twelve, TDateField::Hour12, 2, typed);
    EXPECT_EQ(twelve, At(2026, 3, 7, 0, 5, 4)) << "12 in the morning is midnight's hour";
    EXPECT_EQ(TDateTimeFields::TypeLetter(morning, TDateField::AmPm, U'p'), afternoon);
    EXPECT_EQ(TDateTimeFields::TypeLetter(afternoon, TDateField::AmPm, U'A'), morning);
    EXPECT_EQ(TDateTimeFields::TypeLetter(morning, TDateField::AmPm, U'x'), morning);
    EXPECT_EQ(TDateTimeFields::TypeLetter(morning, TDateField::Hour12, U'p'), morning);
    // A weekday steps the day.
    EXPECT_EQ(TDateTimeFields::Step(morning, TDateField::DayName, 1), At(2026, 3, 8, 9, 5, 4));
}

class DateTimePickerTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Picker = new TDateTimePicker(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 150, 21);
        Picker->SetFormat("dd/MM/yyyy");
        Picker->SetDateTime(At(2026, 6, 15, 8, 30));
        Picker->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Picker->SetFocus();
    }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }
    TDateTimePicker* Picker = nullptr;
    int Changes = 0;
};

TEST_F(DateTimePickerTest, KeysEditTheFieldUnderTheCaret)
{
    Press(VK_UP);
    EXPECT_EQ(Picker->DisplayText(), "16/06/2026");
    Press(VK_RIGHT);
    EXPECT_EQ(Picker->FieldIndex(), 1);
    Press(VK_DOWN);
    EXPECT_EQ(Picker->DisplayText(), "16/05/2026");
    input::TypeText(*Form, "12");
    EXPECT_EQ(Picker->DisplayText(), "16/12/2026");
    Press(VK_END);
    input::TypeText(*Form, "19");
    EXPECT_EQ(Picker->DisplayText(), "16/12/2026") << "a year waits for its four digits";
    Press(VK_LEFT);
    EXPECT_EQ(Picker->DisplayText(), "16/12/0019") << "moving on takes what was typed";
    EXPECT_EQ(Changes, 4);
    EXPECT_NEAR(Picker->Time(), EncodeTime(8, 30, 0, 0), 1e-9) << "the time of day stays";
}

TEST_F(DateTimePickerTest, TheCheckBoxSwitchesTheValueOff)
{
    Picker->SetShowCheckbox(true);
    Press(VK_SPACE);
    EXPECT_FALSE(Picker->Checked());
    Press(VK_UP);
    EXPECT_EQ(Picker->DisplayText(), "15/06/2026") << "an unchecked value takes no input";
    input::Click(*Picker, {5, 8});
    EXPECT_TRUE(Picker->Checked());
    EXPECT_EQ(Changes, 2);
}

TEST_F(DateTimePickerTest, TheCalendarDropsAndChoosesADay)
{
    Press(VK_F4);
    ASSERT_TRUE(Picker->DroppedDown());
    Press(VK_RIGHT);
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->DisplayText(), "15/06/2026") << "Esc keeps the date";

    Press(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Picker->DroppedDown());
    Press(VK_NEXT);
    Press(VK_LEFT);
    Press(VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->DisplayText(), "14/07/2026");
    EXPECT_NEAR(Picker->Time(), EncodeTime(8, 30, 0, 0), 1e-9);

    // The button drops it; a click on a day takes that day. June 2026 starts
    // on a Monday, so the first row shows 31 May to 6 June.
    Picker->SetDateTime(At(2026, 6, 15));
    input::Click(*Picker, {Picker->ClientWidth() - 3, 5});
    ASSERT_TRUE(Picker->DroppedDown());
    ASSERT_NE(ui::OpenPopup(), nullptr);
    auto& calendar = const_cast<TCustomForm&>(*ui::OpenPopup()->PopupForm());
    EXPECT_EQ(calendar.Top(), Picker->ClientToScreen({0, Picker->Height()}).Y - 2);
    input::Click(calendar, {1 + 3 * 24 + 10, 20 + 16 + 5});
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->DisplayText(), "03/06/2026");

    // A press elsewhere closes it and keeps the date.
    Picker->DropDown();
    input::Click(*Form, {300, 250});
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->DisplayText(), "03/06/2026");
}

TEST_F(DateTimePickerTest, TimeModeStepsTheFieldFromTheButton)
{
    Picker->SetKind(dtkTime);
    Picker->SetFormat("HH:mm");
    EXPECT_EQ(Picker->DisplayText(), "08:30");
    Press(VK_F4);
    EXPECT_FALSE(Picker->DroppedDown()) << "no calendar for a time";
    const int x = Picker->ClientWidth() - 3;
    input::Click(*Picker, {x, 2});
    EXPECT_EQ(Picker->DisplayText(), "09:30");
    input::Click(*Picker, {x, Picker->ClientHeight() - 2});
    input::Click(*Picker, {x, Picker->ClientHeight() - 2});
    EXPECT_EQ(Picker->DisplayText(), "07:30");
}

TEST_F(DateTimePickerTest, APressedPTurnsTheTimeToTheAfternoon)
{
    Picker->SetKind(dtkTime);
    Picker->SetFormat("hh:mm tt");
    EXPECT_EQ(Picker->DisplayText(), "08:30 AM");
    Picker->SetFieldIndex(2);
    input::TypeText(*Form, "p");
    EXPECT_EQ(Picker->DisplayText(), "08:30 PM");
    EXPECT_EQ(Changes, 1);
    Picker->SetFieldIndex(0);
    input::TypeText(*Form, "11");
    EXPECT_EQ(Picker->DisplayText(), "11:30 PM");
}
