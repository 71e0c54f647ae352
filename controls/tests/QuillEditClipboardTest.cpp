// Pasting through Ctrl+V: one line only, each edit type's test, the events,
// and the focus move of a full-length edit; copying through the events.
#include <functional>

#include "QuillEditFixture.h"
#include "platform/ui/Clipboard.h"

namespace {

struct PasteCase {
    const char* name;
    std::function<void(TQuillEdit&)> setup;
    const char* initial;
    const char* clipboard;
    const char* expected;
};

} // namespace

TEST_F(QuillEditTest, PasteFiltersByEditType)
{
    auto kind = [](TQuillEditType type, int precision = 0, bool isSigned = false) {
        return [=](TQuillEdit& e) {
            e.SetEditType(type);
            e.SetPrecision(precision);
            e.SetSigned(isSigned);
        };
    };
    const PasteCase cases[] = {
        {"text takes the first line only", kind(etString), "", "first\r\nsecond", "first"},
        {"a bare line feed ends the line too", kind(etString), "", "first\nsecond", "first"},
        {"numeric refuses letters", kind(etNumeric), "7", "12a", "7"},
        {"numeric takes digits", kind(etNumeric), "7", "12", "12"},
        {"numeric refuses a minus when unsigned", kind(etNumeric), "7", "-12", "7"},
        {"numeric refuses a minus inside", kind(etNumeric, 0, true), "7", "12-3", "7"},
        {"float is formatted", kind(etFloat, 2), "", "3.5", "3.50"},
        {"float without precision refuses decimals", kind(etFloat), "1", "3.5", "1"},
        {"money is grouped", kind(etMoney, 2), "", "1234567", "1,234,567.00"},
        {"range takes nothing", kind(etRange), "1", "2-3", "1"},
        {"hexadecimal takes hex digits", kind(etHex), "", "1f", "1F"},
        {"hexadecimal refuses others", kind(etHex), "A", "xyz", "A"},
        {"upper case", kind(etUppercase), "", "abc", "ABC"},
        {"mixed case", kind(etMixedCase), "", "henry iii", "Henry III"},
        {"letters and digits", kind(etAlphaNumeric), "", "ab 1", ""},
        {"valid characters", [](TQuillEdit& e) {
             e.SetEditType(etValidChars);
             e.SetValidChars("xyz");
         }, "", "zyx", "zyx"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.setup(*Edit);
        Edit->SetAllowNumericNullValue(true);
        Edit->SetText(c.initial);
        Focus();
        Edit->SelectAll();
        Clipboard()->SetAsText(c.clipboard);
        Press('V', {ssCtrl});
        EXPECT_EQ(Edit->Text(), c.expected);
    }
}

TEST_F(QuillEditTest, PasteReplacesTheSelectionInsideTheValue)
{
    Edit->SetPrefix("[");
    Edit->SetSuffix("]");
    Edit->SetText("abcdef");
    Focus();
    Edit->Perform(EM_SETSEL, 3, 5); // "cd"
    Clipboard()->SetAsText("XY");
    Press('V', {ssCtrl});
    EXPECT_EQ(Edit->DisplayText(), "[abXYef]");
    EXPECT_EQ(Edit->SelText(), "XY") << "the pasted text stays selected";
    EXPECT_TRUE(Edit->Modified());

    Caret(0);
    Press('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), "XYabXYef");
    EXPECT_EQ(ValueCaret(), 2) << "the caret follows the inserted text";
}

TEST_F(QuillEditTest, PasteEventsAndLimits)
{
    Edit->SetText("abc");
    Focus();
    Edit->SelectAll();
    std::string offered;
    Edit->OnClipboardPaste = [&](TObject*, const std::string& value, bool& allow) {
        offered = value;
        allow = false;
    };
    Clipboard()->SetAsText("xyz");
    Press('V', {ssCtrl});
    EXPECT_EQ(offered, "xyz");
    EXPECT_EQ(Edit->Text(), "abc");

    Edit->OnClipboardPaste = nullptr;
    Edit->SetMaxLength(4);
    Caret(3);
    Clipboard()->SetAsText("12\r\nmore text on another line");
    Press('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), "abc") << "the line that would be pasted is too long";
    Clipboard()->SetAsText("1\r\nmore text on another line");
    Press('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), "abc1") << "only the pasted line counts against the length";
}

TEST_F(QuillEditTest, FullLengthPasteMovesTheFocusOn)
{
    Edit->SetLengthLimit(4);
    Edit->SetTabOnFullLength(true);
    Focus();
    Clipboard()->SetAsText("1234");
    Press('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), "1234");
    EXPECT_TRUE(After->Focused()) << "forward, as typing does";
}

TEST_F(QuillEditTest, CopyAndCutOfferTheSelectedValue)
{
    Edit->SetPrefix("$");
    Edit->SetText("12345");
    Focus();
    Edit->Perform(EM_SETSEL, 2, 4); // "23"
    std::string copied, cut;
    Edit->OnClipboardCopy = [&](TObject*, const std::string& value, bool&) { copied = value; };
    Edit->OnClipboardCut = [&](TObject*, const std::string& value, bool& allow) {
        cut = value;
        allow = false;
    };
    Press('C', {ssCtrl});
    EXPECT_EQ(copied, "23");
    EXPECT_EQ(Clipboard()->AsText(), "23");
    Press('X', {ssCtrl});
    EXPECT_EQ(cut, "23");
    EXPECT_EQ(Edit->Text(), "12345") << "a refused cut keeps the text";
}
