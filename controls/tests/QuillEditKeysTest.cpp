// Typing into each edit type through the real key pipeline: filtering,
// sign toggles, separators, decimals, length limits and the prefix guards.
#include <functional>
#include <vector>

#include "QuillEditFixture.h"

namespace {

struct TypingCase {
    const char* name;
    std::function<void(TQuillEdit&)> setup;
    const char* initial; // written through Text before the caret is placed
    int caret;           // value position; -1 keeps the focus selection
    const char* typed;
    const char* expected;
    int expectedCaret; // -1: not checked
};

} // namespace

TEST_F(QuillEditTest, TypingFiltersAndFormatsPerEditType)
{
    auto kind = [](TQuillEditType type, int precision = 0, bool isSigned = false) {
        return [=](TQuillEdit& e) {
            e.SetEditType(type);
            e.SetPrecision(precision);
            e.SetSigned(isSigned);
            e.SetAllowNumericNullValue(true);
        };
    };
    const TypingCase cases[] = {
        {"text takes anything", kind(etString), "", 0, "a-1.,x", "a-1.,x", 6},
        {"numeric drops letters", kind(etNumeric), "", 0, "12a3", "123", 3},
        {"numeric refuses a minus unless signed", kind(etNumeric), "12", 2, "-", "12", 2},
        {"numeric signed minus toggles the sign", kind(etNumeric, 0, true), "12", 2, "-", "-12", 3},
        {"float: a full decimal part refuses more", kind(etFloat, 2), "1.25", 4, "3", "1.25", 4},
        {"float: a digit among full decimals overwrites", kind(etFloat, 2), "1.25", 3, "9", "1.29", 4},
        {"float: a second separator jumps past the first", kind(etFloat, 2), "12.5", 0, ".", "12.50", 3},
        {"float: no separator without precision", kind(etFloat, 0), "12", 2, ".", "12", 2},
        {"float: separator into an empty value", kind(etFloat, 2), "", 0, ".", "0.", 2},
        {"float signed: minus toggles twice", kind(etFloat, 1, true), "12.5", 2, "--", "12.5", 2},
        {"float signed: minus once", kind(etFloat, 1, true), "12.5", 2, "-", "-12.5", 3},
        {"float unsigned: minus refused", kind(etFloat, 1), "12.5", 2, "-", "12.5", 2},
        {"float: decimal after 1,23 refused", kind(etFloat, 2), "", 0, "1,23.", "1,23", 4},
        {"float: decimal after 1,234 accepted", kind(etFloat, 2), "", 0, "1,234.5", "1,234.5", 7},
        {"float: a comma that is no separator is refused", [](TQuillEdit& e) {
             FormatSettings().ThousandSeparator = ' ';
             e.SetEditType(etFloat);
             e.SetAllowNumericNullValue(true);
         }, "", 0, "1,2", "12", 2},
        {"money groups while typing", kind(etMoney, 2), "", 0, "1234", "1,234", 5},
        {"money: separator over the whole value makes zero", kind(etMoney, 2), "1234", -1, ".", "0.00", 2},
        {"money: letters dropped", kind(etMoney, 2), "", 0, "1x2", "12", 2},
        {"range: a full range text is typeable", kind(etRange), "", 0, "1-3,5;7", "1-3,5;7", 7},
        {"range: no separator first or after another", kind(etRange), "", 0, ",1-,2", "1-2", 3},
        {"hexadecimal keeps case until written", kind(etHex), "", 0, "ffg1", "ff1", 3},
        {"upper case", kind(etUppercase), "", 0, "abC", "ABC", 3},
        {"lower case", kind(etLowerCase), "", 0, "ABc", "abc", 3},
        {"mixed case while typing", kind(etMixedCase), "", 0, "ronald mcdonald ii", "Ronald McDonald II", 18},
        {"letters and digits only", kind(etAlphaNumeric), "", 0, "a-1 b", "a1b", 3},
        {"valid characters only", [](TQuillEdit& e) {
             e.SetEditType(etValidChars);
             e.SetValidChars("abc");
         }, "", 0, "abcd", "abc", 3},
        {"length limit stops the integer part, not the decimals", [](TQuillEdit& e) {
             e.SetEditType(etFloat);
             e.SetPrecision(2);
             e.SetAllowNumericNullValue(true);
             e.SetLengthLimit(3);
         }, "", 0, "1234.56", "123.56", 6},
        {"prefix and suffix stay around a sign toggle", [](TQuillEdit& e) {
             e.SetEditType(etNumeric);
             e.SetSigned(true);
             e.SetPrefix("$");
             e.SetSuffix(" EUR");
         }, "42", 2, "-", "-42", 3},
        {"prefix and suffix stay around mixed case", [](TQuillEdit& e) {
             e.SetEditType(etMixedCase);
             e.SetPrefix("<");
             e.SetSuffix(">");
         }, "", 0, "ann", "Ann", 3},
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.setup(*Edit);
        Edit->SetText(c.initial);
        Focus();
        if (c.caret >= 0) Caret(c.caret);
        Type(c.typed);
        EXPECT_EQ(Edit->Text(), c.expected);
        EXPECT_EQ(Edit->DisplayText(), Edit->Prefix() + c.expected + Edit->Suffix());
        if (c.expectedCaret >= 0) {
            EXPECT_EQ(ValueCaret(), c.expectedCaret);
        }
    }
}

TEST_F(QuillEditTest, HexadecimalIsUpperCasedByTheNextWrite)
{
    Edit->SetEditType(etHex);
    Edit->SetText("");
    Focus();
    Edit->SelectAll();
    Type("ff");
    EXPECT_EQ(Edit->Text(), "ff");
    EXPECT_EQ(Edit->IntValue(), 255);
    Edit->SetText(Edit->Text());
    EXPECT_EQ(Edit->Text(), "FF");
}

TEST_F(QuillEditTest, FullLengthMovesTheFocusOn)
{
    Edit->SetEditType(etFloat);
    Edit->SetAllowNumericNullValue(true);
    Edit->SetText("");
    Edit->SetLengthLimit(3);
    Edit->SetTabOnFullLength(true);
    Focus();
    Type("12");
    EXPECT_TRUE(Edit->Focused());
    Type("3");
    EXPECT_TRUE(After->Focused());
}

TEST_F(QuillEditTest, PrefixAndSuffixGuardTheCaret)
{
    Edit->SetPrefix("$");
    Edit->SetSuffix(" EUR");
    Edit->SetText("123");
    Focus();
    EXPECT_EQ(Edit->SelText(), "123") << "focus selects the value alone";

    Caret(2);
    Press(VK_HOME);
    EXPECT_EQ(ValueCaret(), 0);
    Press(VK_LEFT);
    EXPECT_EQ(ValueCaret(), 0) << "Left stops at the prefix";
    Press(VK_BACK);
    EXPECT_EQ(Edit->Text(), "123") << "Backspace after the prefix deletes nothing";
    Press(VK_END);
    EXPECT_EQ(ValueCaret(), 3);
    Press(VK_RIGHT);
    EXPECT_EQ(ValueCaret(), 3) << "Right stops at the suffix";
    Press(VK_DELETE);
    EXPECT_EQ(Edit->DisplayText(), "$123 EUR") << "Delete before the suffix deletes nothing";

    Caret(1);
    Press(VK_END, {ssShift});
    EXPECT_EQ(Edit->SelText(), "23");
    Press(VK_HOME, {ssShift});
    EXPECT_EQ(Edit->SelText(), "123");

    // A click in the suffix puts the caret at the end of the value.
    Caret(0);
    backend::input::Click(*Edit, {Edit->ClientWidth() - 4, 5});
    EXPECT_EQ(ValueCaret(), 3);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(QuillEditTest, DeleteMayNotJoinTheIntegerPartPastTheLimit)
{
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Edit->SetLengthLimit(3);
    Edit->SetText("123.45");
    Focus();
    Caret(3);
    Press(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "123.45");
    Caret(2);
    Press(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "12.45");
    EXPECT_TRUE(Edit->Modified());
}

TEST_F(QuillEditTest, ChangeNotifications)
{
    Edit->SetText("abc");
    Focus();
    Edit->SelectAll();
    Changes = 0;
    Type("x");
    EXPECT_EQ(Edit->Text(), "x");
    EXPECT_EQ(Changes, 0) << "typing over the whole value raises no change for that key";
    Type("y");
    EXPECT_EQ(Changes, 1);

    // Backspace that empties a modified value raises the change itself.
    Edit->SelectAll();
    Changes = 0;
    Press(VK_BACK);
    EXPECT_EQ(Edit->Text(), "");
    EXPECT_EQ(Changes, 1);

    // Esc and Enter never leave the swallowing flag behind.
    Type("ab");
    Edit->SelectAll();
    Press(VK_RETURN);
    Changes = 0;
    Type("c");
    EXPECT_EQ(Changes, 0) << "typing over the selection";
    Type("d");
    EXPECT_EQ(Changes, 1);
}

TEST_F(QuillEditTest, EscRestoresTheValueOfFocusArrival)
{
    Edit->SetText("start");
    Focus();
    Caret(5);
    Type("ed");
    EXPECT_TRUE(Edit->Modified());
    Press(VK_ESCAPE);
    EXPECT_EQ(Edit->Text(), "start");
    EXPECT_FALSE(Edit->Modified());
    EXPECT_EQ(Edit->SelText(), "start");

    // With undo off, Esc leaves the value alone.
    Edit->SetCanUndo(false);
    Caret(5);
    Type("x");
    Press(VK_ESCAPE);
    EXPECT_EQ(Edit->Text(), "startx");
}

TEST_F(QuillEditTest, FocusLeavingFormatsNumbers)
{
    struct Case {
        const char* name;
        TQuillEditType type;
        int precision;
        bool allowNull;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"empty float shows zero with its decimals", etFloat, 2, false, "", "0.00"},
        {"empty float stays empty with null values", etFloat, 2, true, "", ""},
        {"float takes its decimals", etFloat, 2, true, "3.5", "3.50"},
        {"empty numeric shows 0", etNumeric, 0, false, "", "0"},
        {"money takes decimals and groups", etMoney, 2, true, "1234", "1,234.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Edit->SetEditType(c.type);
        Edit->SetPrecision(c.precision);
        Edit->SetAllowNumericNullValue(true);
        Edit->SetText("");
        Edit->SetAllowNumericNullValue(c.allowNull);
        Focus();
        Type(c.typed);
        After->SetFocus();
        EXPECT_EQ(Edit->Text(), c.expected);
    }
}

TEST_F(QuillEditTest, FocusColourFollowsValidation)
{
    Edit->SetFocusColor(clYellow);
    bool valid = true;
    Edit->OnValueValidate = [&](TObject*, const std::string&, bool& isValid) { isValid = valid; };
    Focus();
    EXPECT_EQ(Edit->Color(), clYellow);
    After->SetFocus();
    EXPECT_EQ(Edit->Color(), clWindow);
    valid = false;
    Focus();
    EXPECT_EQ(Edit->Color(), clWindow) << "a refused value keeps its colour";
}

TEST_F(QuillEditTest, KeypadSeparatorTypesTheDecimalSeparator)
{
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Edit->SetAllowNumericNullValue(true);
    Edit->SetExcelStyleDecimalSeparator(true);
    Edit->SetText("");
    Focus();
    Type("3");
    // The host reports the keypad's "." with the keypad bit in its key data.
    auto& window = static_cast<backend::THeadlessWindow&>(*Form->NativeWindow());
    window.Events().NativeChar(U'.', KF_KEYPAD_BIT | 1, false);
    Type("5");
    EXPECT_EQ(Edit->Text(), "3,5");
}

TEST_F(QuillEditTest, EnterAndEscGoToTheParentWithoutDefaultHandling)
{
    std::vector<unsigned short> parentKeys;
    Form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { parentKeys.push_back(key); };
    Edit->SetDefaultHandling(false);
    Edit->SetCanUndo(false);
    Focus();
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    backend::input::Pump();
    EXPECT_EQ(parentKeys, (std::vector<unsigned short>{VK_RETURN, VK_ESCAPE}));
}
