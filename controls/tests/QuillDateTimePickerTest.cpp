// The date-time picker: AutoTab across fields and into the companion time
// picker, the kinds and the companion, date and time parts, the check box's
// hold on the companion, the flat frame, the label, and the look.
#include <gtest/gtest.h>

#include "controls/QuillDateTimePicker.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"

namespace input = backend::input;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return EncodeDateTime(y, mo, d, h, mi, s, ms);
}

class QuillDateTimePickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 320, 160);
        Picker = new TQuillDateTimePicker(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(80, 20, 200, 21);
        Picker->SetFormat("dd/MM/yyyy");
        Picker->SetDateTime(At(2026, 6, 15, 8, 30));
        Picker->SetAutoTab(true);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(80, 100, 100, 21);
        Form->Show();
        Picker->SetFocus();
    }
    void TearDown() override { delete Form; }
    // Each digit's own posted follow-up runs before the next key, as on a display.
    void Type(const char* digits)
    {
        for (const char* d = digits; *d; ++d) {
            input::TypeText(*Form, std::string_view(d, 1));
            input::Pump();
        }
    }

    TForm* Form = nullptr;
    TQuillDateTimePicker* Picker = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(QuillDateTimePickerTest, AutoTabMovesOnAfterACompletedFieldAndIntoTheTime)
{
    Type("21");
    EXPECT_EQ(Picker->FieldIndex(), 1) << "a completed day moves to the month";
    Type("06");
    EXPECT_EQ(Picker->FieldIndex(), 1) << "a month left as it was posts nothing";
    Type("07");
    EXPECT_EQ(Picker->FieldIndex(), 2);
    Type("203");
    EXPECT_TRUE(Picker->Focused()) << "the year waits for its last digit";
    Type("1");
    ASSERT_NE(Picker->TimePicker(), nullptr);
    EXPECT_TRUE(Picker->TimePicker()->Focused()) << "the completed last field hands over to the time";
    EXPECT_EQ(Picker->Date(), At(2031, 7, 21));

    // In the companion the hours, then the minutes, move on as typed.
    Type("10");
    EXPECT_EQ(Picker->TimePicker()->FieldIndex(), 1);
    Type("45");
    EXPECT_NEAR(Picker->Time(), EncodeTime(10, 45, 0, 0), 1e-9);
}

TEST_F(QuillDateTimePickerTest, WithoutAFormatTheYearHandsOverAndTheOtherFieldsMoveOn)
{
    FormatSettings().ShortDateFormat = "m/d/yyyy";
    Picker->SetFormat("");
    EXPECT_EQ(Picker->DisplayText(), "6/15/2026");
    Type("9");
    EXPECT_EQ(Picker->FieldIndex(), 1);
    Type("4");
    EXPECT_EQ(Picker->FieldIndex(), 2);
    Type("2027");
    EXPECT_TRUE(Picker->TimePicker()->Focused());
    EXPECT_EQ(Picker->Date(), At(2027, 9, 4));
}

TEST_F(QuillDateTimePickerTest, TheCompanionComesAndGoesWithTheKind)
{
    TCustomDateTimePicker* companion = Picker->TimePicker();
    ASSERT_NE(companion, nullptr);
    EXPECT_TRUE(companion->Visible());
    EXPECT_EQ(companion->Parent(), Picker);
    const int w = companion->Width();
    EXPECT_EQ(companion->Left(), Picker->Width() - w - 23);
    EXPECT_EQ(companion->Height(), Picker->Height());

    Picker->SetKind(dkDate);
    EXPECT_EQ(Picker->TimePicker(), nullptr);
    Picker->SetFormat("");
    Picker->SetKind(dkTime);
    EXPECT_EQ(Picker->TimePicker(), nullptr);
    EXPECT_EQ(Picker->DisplayText().find('/'), std::string::npos) << "a time picker shows the time";
    Picker->SetKind(dkDateTime);
    EXPECT_NE(Picker->TimePicker(), nullptr);
}

TEST_F(QuillDateTimePickerTest, DateAndTimePartsReadBackAndMillisecondsDrop)
{
    Picker->SetTime(EncodeTime(17, 5, 9, 0));
    EXPECT_NEAR(Picker->Time(), EncodeTime(17, 5, 9, 0), 1e-9);
    EXPECT_NEAR(Picker->DateTime(), At(2026, 6, 15, 17, 5, 9), 1e-9);
    EXPECT_NEAR(Picker->TimePicker()->Time(), EncodeTime(17, 5, 9, 0), 1e-9);
    Picker->SetDate(At(2027, 1, 2, 3, 4, 5));
    EXPECT_NEAR(Picker->DateTime(), At(2027, 1, 2, 17, 5, 9), 1e-9) << "a new date keeps the time";
    Picker->SetDateTime(At(2026, 2, 3, 4, 5, 6, 789));
    EXPECT_NEAR(Picker->DateTime(), At(2026, 2, 3, 4, 5, 6), 1e-9);
}

TEST_F(QuillDateTimePickerTest, TheCheckBoxHoldsTheCompanion)
{
    Picker->SetShowCheckbox(true);
    input::PressKey(*Form, VK_SPACE);
    EXPECT_FALSE(Picker->Checked());
    EXPECT_FALSE(Picker->TimePicker()->Enabled());
    input::PressKey(*Form, VK_SPACE);
    EXPECT_TRUE(Picker->TimePicker()->Enabled());
    Picker->SetChecked(false);
    EXPECT_FALSE(Picker->TimePicker()->Enabled());
    Picker->SetChecked(true);
    Picker->SetEnabled(false);
    EXPECT_FALSE(Picker->TimePicker()->Enabled());
}

TEST_F(QuillDateTimePickerTest, TheFlatFrameShowsOnlyWithAColourOrWhenDisabled)
{
    Picker->SetCtl3D(false);
    Picker->SetMetroStyle(true);
    Picker->SetBorderColor(clNone);
    Other->SetFocus();
    auto corner = [&] {
        input::Pump();
        const TPoint at = Form->ScreenToClient(Picker->ClientToScreen({-1, -1}));
        TBitmap copy;
        copy.Assign(&Form->Surface());
        return copy.Canvas()->Pixels(at.X, at.Y) & 0xFFFFFF;
    };
    Picker->SetEnabled(false);
    EXPECT_EQ(corner(), TColor(0xB99D7F)) << "a disabled themed picker";
    Picker->SetEnabled(true);
    Picker->SetBorderColor(clRed);
    EXPECT_EQ(corner(), clRed);
}

TEST_F(QuillDateTimePickerTest, LabelAndVersion)
{
    Picker->SetLabelCaption("When");
    TLabel* label = Picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Top(), Picker->Top());
    EXPECT_EQ(label->Left() + label->Width() + 4, Picker->Left());
    Picker->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label->Left(), Picker->Left());
    EXPECT_EQ(label->Top(), Picker->Top() - label->Height() - 4);
    EXPECT_EQ(Picker->Version(), "1.2.0.0");
}

TEST_F(QuillDateTimePickerTest, Look)
{
    Picker->SetLabelCaption("When");
    Picker->SetTimeFormat("HH:mm");
    auto* flat = new TQuillDateTimePicker(Form);
    flat->SetParent(Form);
    flat->SetBounds(80, 60, 200, 21);
    flat->SetKind(dkDate);
    flat->SetFormat("yyyy-MM-dd");
    flat->SetDateTime(At(2026, 12, 11));
    flat->SetCtl3D(false);
    flat->SetMetroStyle(true);
    flat->SetBorderColor(clNavy);
    flat->ButtonColor = TColor(0xF0D0B0);
    flat->ButtonTextColor = clNavy;
    Other->SetFocus();
    input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "date-time-pickers");
}

} // namespace

// Tab goes from the date to the companion's hour field and on to the next
// control; Shift+Tab comes back.
TEST_F(QuillDateTimePickerTest, TabReachesTheTimeFieldsAndLeavesThem)
{
    TCustomDateTimePicker* time = Picker->TimePicker();
    ASSERT_NE(time, nullptr);
    input::Pump();
    input::PressKey(*Form, VK_TAB);
    EXPECT_TRUE(time->Focused()) << "Tab from the date reaches the hour";
    input::PressKey(*Form, VK_UP);
    EXPECT_EQ(Picker->DateTime(), At(2026, 6, 15, 9, 30)) << "the hour field takes the arrow";
    input::PressKey(*Form, VK_TAB);
    EXPECT_TRUE(Other->Focused());
    input::PressKey(*Form, VK_TAB, TShiftState{ssShift});
    EXPECT_TRUE(time->Focused());
    input::PressKey(*Form, VK_TAB, TShiftState{ssShift});
    EXPECT_TRUE(Picker->Focused());
}
