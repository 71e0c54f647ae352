// The spin edit: limits, stepping of each kind (dates by the caret's field,
// times through midnight), the stepping keys, the character filter of each
// kind, the buttons' auto-repeat, and the rendered looks.
#include <string>

#include "EditorsFixture.h"
#include "LocaleScope.h"
#include "grid/base/SarnSpinEdit.h"
#include "platform/graphics/Bitmap.h"
#include "testsupport/GoldenImage.h"

using namespace backend;
using grid::test::LocaleScope;

namespace {

class SpinEditTest : public EditorsTest {
protected:
    void SetUp() override
    {
        EditorsTest::SetUp();
        FormatSettings().LongTimeFormat = "hh:nn:ss";
        Spin = Add<TSarnSpinEdit>(10, 40, 121, 24);
        Form->Show();
        Spin->SetFocus();
    }
    void TypeAt(int caret, char32_t ch)
    {
        Spin->SetSelStart(caret);
        Spin->SetSelLength(0);
        input::Char(*Form, ch);
    }

    LocaleScope Locale{'.', ',', '/', ':', "dd/mm/yyyy"};
    TSarnSpinEdit* Spin = nullptr;
};

} // namespace

TEST_F(SpinEditTest, IntegerLimitsApplyWhenLeavingUnlessTheBoundsAreEqual)
{
    EXPECT_EQ(Spin->Text(), "0");
    Spin->SetText("150");
    Other->SetFocus();
    EXPECT_EQ(Spin->Text(), "100");

    Spin->SetMaxValue(0);
    Spin->SetValue(-4000);
    EXPECT_EQ(Spin->Text(), "-4000") << "equal bounds switch the limit off";
    Spin->SetText("abc");
    EXPECT_EQ(Spin->Value(), 0) << "an unreadable text reads as MinValue";
    Spin->SetText(" ");
    EXPECT_EQ(Spin->Value(), 0);
}

TEST_F(SpinEditTest, StepsOfEachKind)
{
    struct Case {
        const char* name;
        TSarnSpinType type;
        int precision;
        std::string text;
        int caret;
        bool up, page;
        std::string expected;
    };
    const Case cases[] = {
        {"integer up", sptNormal, 0, "5", 0, true, false, "6"},
        {"integer page makes no difference", sptNormal, 0, "7", 0, false, true, "6"},
        {"integer stops at the maximum", sptNormal, 0, "100", 0, true, false, "100"},
        {"real by its increment", sptFloat, 0, "1.5", 0, true, false, "1.6"},
        {"real page step", sptFloat, 2, "1.5", 0, false, true, "0.50"},
        {"real general format", sptFloat, 0, "1.005", 0, true, true, "2.005"},
        {"unreadable real starts from MinValue", sptFloat, 0, "abc", 0, true, false, "5.1"},
        {"day field", sptDate, 0, "31/01/2011", 1, true, false, "01/02/2011"},
        {"month field", sptDate, 0, "31/01/2011", 4, true, false, "28/02/2011"},
        {"year field", sptDate, 0, "31/01/2011", 8, false, false, "31/01/2010"},
        {"29 February into a common year", sptDate, 0, "29/02/2012", 8, true, false, "28/02/2013"},
        {"hour up through midnight", sptTime, 0, "23:30:00", 1, true, false, "00:30:00"},
        {"hour down through midnight", sptTime, 0, "00:10:00", 0, false, false, "23:10:00"},
        {"minute field", sptTime, 0, "10:59:00", 4, true, false, "11:00:00"},
        {"second field", sptTime, 0, "10:00:00", 7, false, false, "09:59:59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Spin->SetSpinType(c.type);
        Spin->SetMinValue(5);
        Spin->SetPrecision(c.precision);
        Spin->SetText(c.text);
        Spin->SetSelStart(c.caret);
        if (c.up) Spin->StepUp(c.page);
        else Spin->StepDown(c.page);
        EXPECT_EQ(Spin->Text(), c.expected);
        Spin->SetMinValue(0);
    }

    // A real that fails to read is left alone on leaving when MinValue lies in the real range.
    Spin->SetSpinType(sptFloat);
    Spin->SetPrecision(0);
    Spin->SetMinValue(5);
    Spin->SetText("abc");
    Other->SetFocus();
    EXPECT_EQ(Spin->Text(), "abc");
}

TEST_F(SpinEditTest, MonthBeforeDayLocaleStepsTheMonthFirst)
{
    LocaleScope us{'.', ',', '/', ':', "mm/dd/yyyy"};
    Spin->SetSpinType(sptDate);
    Spin->SetText("01/31/2011");
    Spin->SetSelStart(0);
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Text(), "02/28/2011") << "calendar month arithmetic ends at the month's last day";
    Spin->SetSelStart(4);
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Text(), "03/01/2011");
}

TEST_F(SpinEditTest, StepKeysAreUsedUpBeforeTheKeyEvent)
{
    int keyEvents = 0;
    Spin->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { ++keyEvents; };
    Spin->SetSpinType(sptFloat);
    Spin->SetText("10");
    Press(VK_UP);
    Press(VK_PRIOR);
    EXPECT_EQ(Spin->Text(), "11.1");
    Press(VK_DOWN);
    Press(VK_NEXT);
    Press(VK_NEXT);
    EXPECT_EQ(Spin->Text(), "9");
    EXPECT_EQ(keyEvents, 0);

    Spin->SetReadOnly(true);
    Press(VK_UP);
    EXPECT_EQ(Spin->Text(), "9") << "a read-only edit does not step";
}

TEST_F(SpinEditTest, TypedCharactersAreFilteredByKind)
{
    struct Case {
        const char* name;
        TSarnSpinType type;
        std::string text;
        int caret;
        char32_t key;
        std::string expected;
    };
    const Case cases[] = {
        {"digit", sptNormal, "12", 2, U'3', "123"},
        {"letter", sptNormal, "12", 2, U'a', "12"},
        {"minus in the middle", sptNormal, "12", 1, U'-', "12"},
        {"minus at the start", sptNormal, "12", 0, U'-', "-12"},
        {"second minus", sptNormal, "-12", 0, U'-', "-12"},
        {"decimal point in an integer", sptNormal, "12", 2, U'.', "12"},
        {"decimal point in a real", sptFloat, "12", 2, U'.', "12."},
        {"second decimal point", sptFloat, "1.2", 3, U'.', "1.2"},
        {"thousand separator in a real", sptFloat, "1000", 1, U',', "1000"},
        {"time separator in a real", sptFloat, "12", 2, U':', "12"},
        {"time separator in a time", sptTime, "12", 2, U':', "12:"},
        {"third time separator", sptTime, "12:30:", 6, U':', "12:30:"},
        {"date separator in a date", sptDate, "12", 2, U'/', "12/"},
        {"time separator in a date", sptDate, "12", 2, U':', "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Spin->SetSpinType(c.type);
        Spin->SetText(c.text);
        TypeAt(c.caret, c.key);
        EXPECT_EQ(Spin->Text(), c.expected);
    }

    Spin->SetSpinType(sptFloat);
    Spin->SetPrecision(2);
    Spin->SetText("1.25");
    TypeAt(4, U'7');
    EXPECT_EQ(Spin->Text(), "1.25") << "no third decimal";
    TypeAt(0, U'7');
    EXPECT_EQ(Spin->Text(), "71.25");

    Spin->SetEditorEnabled(false);
    TypeAt(0, U'1');
    Press(VK_BACK);
    Press(VK_DELETE);
    EXPECT_EQ(Spin->Text(), "71.25") << "a locked edit takes no typing";
    Press(VK_UP);
    EXPECT_EQ(Spin->Text(), "71.35") << "but still steps";
}

TEST_F(SpinEditTest, KeypadDecimalKeyTypesTheLocaleSeparator)
{
    LocaleScope comma{',', '.', '/', ':', "dd/mm/yyyy"};
    Spin->SetSpinType(sptFloat);
    Spin->SetExcelStyleDecimalSeparator(true);
    Spin->SetText("3");
    Spin->SetSelStart(1);
    Spin->Perform(WM_CHAR, '.', LPARAM{1} << 22);
    EXPECT_EQ(Spin->Text(), "3,");
    Spin->SetText("3");
    Spin->SetSelStart(1);
    Spin->Perform(WM_CHAR, '.', 0);
    EXPECT_EQ(Spin->Text(), "3") << "the main full stop is the thousand separator here, refused in a real";
}

TEST_F(SpinEditTest, ReturnMovesTheFocusOnWhenAsked)
{
    Spin->SetReturnIsTab(true);
    Press(VK_RETURN);
    input::Pump();
    EXPECT_FALSE(Spin->Focused());
}

TEST_F(SpinEditTest, HeldButtonRepeatsAfter400ThenEvery100Milliseconds)
{
    TQuillTimerSpeedButton& up = Spin->Button().UpButton();
    input::MouseDown(up, {3, 3});
    EXPECT_EQ(Spin->Text(), "0");
    input::AdvanceTime(399);
    EXPECT_EQ(Spin->Text(), "0");
    input::AdvanceTime(1);
    EXPECT_EQ(Spin->Text(), "1");
    input::AdvanceTime(100);
    EXPECT_EQ(Spin->Text(), "2");
    input::MouseUp(up, {3, 3});
    EXPECT_EQ(Spin->Text(), "3") << "the release clicks too";
    input::AdvanceTime(1000);
    EXPECT_EQ(Spin->Text(), "3") << "the timer stops with the release";

    input::Click(Spin->Button().DownButton(), {3, 3});
    EXPECT_EQ(Spin->Text(), "2");
}

TEST_F(SpinEditTest, ButtonPairLayout)
{
    TSarnSpinButton& pair = Spin->Button();
    EXPECT_EQ(pair.Left(), 121 - 15 - 5);
    EXPECT_EQ(pair.Height(), 24 - 5);
    EXPECT_EQ(pair.UpButton().BoundsRect(), TRect(0, 0, 15, 9));
    EXPECT_EQ(pair.DownButton().BoundsRect(), TRect(0, 8, 15, 19)) << "the halves overlap by one pixel";
    Spin->SetDirection(spHorizontal);
    EXPECT_EQ(pair.Width(), 20);
    EXPECT_EQ(pair.DownButton().BoundsRect(), TRect(0, 0, 10, 19));
    EXPECT_EQ(pair.UpButton().BoundsRect(), TRect(11, 0, 20, 19));
    EXPECT_EQ(pair.UpButton().ButtonDirection(), bdRight);
}

TEST_F(SpinEditTest, SpinEditLooks)
{
    Spin->SetValue(42);
    auto* real = Add<TSarnSpinEdit>(180, 40, 121, 24);
    real->SetSpinType(sptFloat);
    real->SetPrecision(2);
    real->SetFloatValue(3.14159);
    real->SetEditAlign(grid::eaRight);
    auto* date = Add<TSarnSpinEdit>(10, 90, 121, 24);
    date->SetSpinType(sptDate);
    date->SetDateValue(EncodeDate(2026, 12, 10));
    auto* time = Add<TSarnSpinEdit>(180, 90, 121, 24);
    time->SetSpinType(sptTime);
    time->SetShowSeconds(false);
    time->SetTimeValue(EncodeTime(9, 5, 0, 0));
    auto* horizontal = Add<TSarnSpinEdit>(10, 140, 121, 24);
    horizontal->SetDirection(spHorizontal);
    horizontal->SetValue(7);
    auto* coloured = Add<TSarnSpinEdit>(180, 140, 121, 24);
    coloured->Button().SetButtonColor(clSkyBlue);
    coloured->SetValue(99);
    Other->SetFocus();
    input::Pump();
    testsupport::ExpectMatchesGolden(Form->Surface(), "sarn-spin-edits");
}
