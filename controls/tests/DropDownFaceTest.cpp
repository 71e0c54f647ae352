// The drop-down's edit face: the value's formatting by kind and precision,
// paste and cut, the border frames, the focused face without editor, the
// least height, the label and the version.
#include <gtest/gtest.h>

#include "controls/dropdown/QuillListDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

using namespace controls;
namespace input = backend::input;

namespace {

class DropDownFaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        FormatSettings().DecimalSeparator = '.';
        FormatSettings().ThousandSeparator = ',';
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 320, 200);
        Drop = new TQuillListDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(80, 20, 150, 21);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(80, 120, 100, 21);
        Form->Show();
    }
    void TearDown() override { delete Form; }
    // The colour the form shows at a point of the drop-down's window.
    TColor WindowPixel(TPoint p)
    {
        input::Pump();
        const TRect m{2, 2, 0, 0};
        const TPoint at = Form->ScreenToClient(Drop->ClientToScreen({p.X - m.Left, p.Y - m.Top}));
        TBitmap copy;
        copy.Assign(&Form->Surface());
        return copy.Canvas()->Pixels(at.X, at.Y) & 0xFFFFFF;
    }

    TForm* Form = nullptr;
    TQuillListDropDown* Drop = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(DropDownFaceTest, WrittenValuesFollowTheKindAndPrecision)
{
    struct Case {
        TQuillEditType type;
        int precision;
        const char* written;
        const char* shown;
    };
    const Case cases[] = {
        {etFloat, 2, "3.14159", "3.14"}, {etFloat, 2, "Error", "Error"}, {etNumeric, 0, "", "0"},
        {etFloat, 0, "", "0"},           {etMoney, 2, "1234.5", "1,234.50"}, {etMoney, 0, "1234.5", "1234.5"},
        {etHex, 0, "1a", "1A"},          {etString, 3, "", ""},
    };
    for (const Case& c : cases) {
        Drop->SetEditType(c.type);
        Drop->SetPrecision(c.precision);
        Drop->SetText(c.written);
        EXPECT_EQ(Drop->Text(), c.shown) << c.written << " as kind " << c.type;
    }
    Drop->SetEditType(etFloat);
    Drop->SetPrecision(1);
    Drop->SetText("Error");
    EXPECT_EQ(Drop->FloatValue(), 0);
    Drop->SetFloatValue(2.25);
    EXPECT_EQ(Drop->Text(), "2.3");
}

TEST_F(DropDownFaceTest, PasteTakesTheWholeTextWhenItFitsTheKindAndCutNeedsAnEditor)
{
    Drop->SetFocus();
    Drop->SetEditType(etHex);
    Drop->SetText("FF");
    Clipboard()->SetAsText("1A");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "FF") << "hexadecimal pastes nothing";

    Drop->SetEditType(etNumeric);
    Drop->SetText("5");
    Clipboard()->SetAsText("12x");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "5");
    Clipboard()->SetAsText("42\r\n43");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "5") << "the whole clipboard text is judged, and two lines are no number";
    Clipboard()->SetAsText("42");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "42");

    Clipboard()->SetAsText("kept");
    Drop->SetReadOnly(true);
    Drop->SelectAll();
    input::PressKey(*Form, 'X', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "42");
    EXPECT_EQ(Clipboard()->AsText(), "kept") << "a read-only cut copies nothing";
}

TEST_F(DropDownFaceTest, BorderColoursFrameTheFaceByFocus)
{
    Drop->SetBorderColor(clRed);
    Drop->SetFocusBorderColor(clBlue);
    Other->SetFocus();
    EXPECT_EQ(WindowPixel({0, 10}), clRed);
    Drop->SetFocus();
    ASSERT_TRUE(Drop->Focused());
    EXPECT_EQ(WindowPixel({0, 10}), clBlue);
    Drop->SetBorderColor(clNone);
    Other->SetFocus();
    EXPECT_NE(WindowPixel({0, 10}), clBlue) << "only the focus frame: none while unfocused";
}

TEST_F(DropDownFaceTest, AFaceWithoutEditorShowsItsValueHighlightedWhenFocused)
{
    Drop->Items().Add("alpha");
    Drop->SetText("alpha");
    Drop->SetEditorEnabled(false);
    Drop->SetFocus();
    EXPECT_EQ(WindowPixel({Drop->Width() - Drop->DropDownButtonWidth() - 8, 10}), ColorToRGB(clHighlight));
    input::TypeText(*Form, "x");
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Drop->Text(), "alpha");
}

TEST_F(DropDownFaceTest, HeightLabelAndVersion)
{
    Drop->SetHeight(4);
    EXPECT_GT(Drop->Height(), 4);
    Drop->SetLabelCaption("Pick");
    ASSERT_NE(Drop->EditLabel(), nullptr);
    EXPECT_EQ(Drop->EditLabel()->Top(), Drop->Top());
    EXPECT_EQ(Drop->EditLabel()->Left() + Drop->EditLabel()->Width() + 4, Drop->Left());
    Drop->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(Drop->EditLabel()->Left(), Drop->Left());
    EXPECT_EQ(Drop->Version(), "1.2.1.1");
}

} // namespace

namespace {

TEST_F(DropDownFaceTest, ComponentStylesColourThePopupAndItsStrips)
{
    EXPECT_EQ(Drop->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(Drop->DropDownColor(), TColor(0xF3E5DA));
    Drop->SetDropDownBorderColor(clRed);
    Drop->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Drop->DropDownBorderColor(), clRed) << "the style keeps the popup's border";
    EXPECT_EQ(Drop->DropDownHeader().Color, TColor(0xFCE1CB));
    EXPECT_EQ(Drop->DropDownFooter().BorderColor, TColor(0x962D00));
    Drop->DropDownHeader().Color = clYellow;
    Drop->SetComponentStyle(tsCustom);
    EXPECT_EQ(Drop->DropDownHeader().Color, clYellow);

    Drop->SetSelectionColor(clLime);
    Drop->SetSelectionColorStyle(scCustom);
    EXPECT_EQ(Drop->SelectionColor(), clLime);
    Drop->SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(Drop->SelectionColor(), TColor(0xFCEBDC));
    EXPECT_EQ(Drop->SelectionColorTo(), TColor(0xFCDBC1));
}

TEST_F(DropDownFaceTest, ColourTonesPaintTheButtonAndTheFrame)
{
    TColorTones tones;
    tones.Background = {TColor(0xF0E0D0), clNavy, clBlack};
    tones.Hover = {TColor(0xC0FFFF), clNone, clNone};
    tones.Selected = {TColor(0x80C0FF), clNone, clNone};
    Drop->SetColorTones(tones);
    Other->SetFocus();
    EXPECT_EQ(Drop->BorderColor(), clNavy);
    EXPECT_EQ(WindowPixel({0, 10}), clNavy);
    const TRect button = Drop->ButtonRect();
    EXPECT_EQ(WindowPixel({button.Right - 2, button.Top + 2}), TColor(0xF0E0D0));
}

} // namespace

namespace {

TEST_F(DropDownFaceTest, AssignCopiesTheSettingsOfAnotherDropDown)
{
    auto* source = new TQuillListDropDown(Form);
    source->SetEditType(etFloat);
    source->SetPrecision(3);
    source->SetDropDownColor(clYellow);
    source->SetDropDownWidth(220);
    source->SetDropPosition(dpUp);
    source->SetEditorEnabled(false);
    source->SetDropDownButtonHint("Open the list");
    source->SetDropDownEnabled(true);
    source->SetSelectionColorStyle(scWindowsVista);
    source->DropDownHeader().Caption = "Names";
    Drop->Assign(source);
    EXPECT_EQ(Drop->EditType(), etFloat);
    EXPECT_EQ(Drop->Precision(), 3);
    EXPECT_EQ(Drop->DropDownColor(), clYellow);
    EXPECT_EQ(Drop->DropDownWidth(), 220);
    EXPECT_EQ(Drop->DropPosition(), dpUp);
    EXPECT_FALSE(Drop->EditorEnabled());
    EXPECT_EQ(Drop->DropDownButtonHint(), "Open the list");
    EXPECT_TRUE(Drop->DropDownEnabled());
    EXPECT_EQ(Drop->SelectionColor(), TColor(0xFDF8F1));
    EXPECT_EQ(Drop->DropDownHeader().Caption, "Names");
    Drop->Assign(Other);
    EXPECT_EQ(Drop->Precision(), 3) << "another kind of source is ignored";
}

} // namespace

namespace {

TEST_F(DropDownFaceTest, ComponentStylesColourTheStripButtons)
{
    EXPECT_EQ(Drop->ButtonAppearance().Color, TColor(0xFFEFE3)) << "Office 2007 Luna";
    Drop->SetComponentStyle(tsOffice2010Silver);
    EXPECT_EQ(Drop->ButtonAppearance().Color, TColor(0xFFFFFF));
    EXPECT_EQ(Drop->ButtonAppearance().ColorHot, TColor(0x8AE3FD)) << "as Office 2010 Blue";
    Drop->ButtonAppearance().Color = clYellow;
    Drop->SetComponentStyle(tsCustom);
    EXPECT_EQ(Drop->ButtonAppearance().Color, clYellow);
    TQuillButtonAppearance fresh;
    EXPECT_EQ(fresh.ColorChecked, AdjustColorTone(fresh.ColorHot, -10, -10, 0));
}

} // namespace

namespace {

// Focus coming back selects the whole value, so typing replaces it.
void Refocus(TWinControl& Away, TWinControl& Back)
{
    Away.SetFocus();
    Back.SetFocus();
}

} // namespace

TEST_F(DropDownFaceTest, TypedCharactersFollowTheKind)
{
    struct Case {
        TQuillEditType type;
        int precision;
        bool isSigned;
        const char* typed;
        const char* value;
    } cases[] = {
        {etNumeric, 0, false, "12a3", "123"},
        {etNumeric, 0, false, "-5", "5"},
        {etNumeric, 0, true, "5-", "-5"},
        {etFloat, 2, false, "3.145", "3.14"},
        {etFloat, 0, false, "3.1", "31"},
        {etMoney, 0, false, "1234567", "1,234,567"},
        {etHex, 0, false, "1g2f", "12f"},
        {etUppercase, 0, false, "ab", "AB"},
        {etMixedCase, 0, false, "ronald mcdonald", "Ronald McDonald"},
    };
    for (const Case& c : cases) {
        Drop->SetEditType(c.type);
        Drop->SetPrecision(c.precision);
        Drop->SetSigned(c.isSigned);
        Drop->SetText("");
        Refocus(*Other, *Drop);
        input::TypeText(*Form, c.typed);
        EXPECT_EQ(Drop->Text(), c.value) << c.typed;
    }
}

TEST_F(DropDownFaceTest, PrefixAndSuffixStayAroundTheTypedValue)
{
    Drop->SetEditType(etMoney);
    Drop->SetPrefix("$ ");
    Drop->SetSuffix(" USD");
    Drop->SetText("12");
    EXPECT_EQ(Drop->GetText(), "$ 12 USD");
    EXPECT_EQ(Drop->Text(), "12");
    Refocus(*Other, *Drop);
    EXPECT_EQ(Drop->SelStart(), 2) << "focus selects the value, not the prefix";
    EXPECT_EQ(Drop->SelLength(), 2);
    input::TypeText(*Form, "4500");
    EXPECT_EQ(Drop->GetText(), "$ 4,500 USD");
    input::PressKey(*Form, VK_HOME);
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Drop->GetText(), "$ 4,500 USD") << "Backspace at the value's start leaves the prefix";

    Drop->SetEditType(etNumeric);
    Drop->SetText("45");
    Refocus(*Other, *Drop);
    input::PressKey(*Form, VK_HOME);
    input::TypeText(*Form, "1");
    EXPECT_EQ(Drop->GetText(), "$ 145 USD") << "a character typed in the prefix goes into the value";
}

TEST_F(DropDownFaceTest, EscSelectsTheValueAndClearsModifiedWithoutRestoring)
{
    Drop->SetText("ab");
    Refocus(*Other, *Drop);
    input::PressKey(*Form, VK_END);
    input::TypeText(*Form, "c");
    EXPECT_TRUE(Drop->Modified());
    input::PressKey(*Form, VK_ESCAPE);
    EXPECT_EQ(Drop->Text(), "abc");
    EXPECT_FALSE(Drop->Modified());
    EXPECT_EQ(Drop->SelLength(), 3);

    Drop->SetCanUndo(false);
    input::TypeText(*Form, "d");
    input::PressKey(*Form, VK_ESCAPE);
    EXPECT_TRUE(Drop->Modified()) << "without undo Esc leaves the mark";
}

TEST_F(DropDownFaceTest, FocusWithoutAutoSelectPutsTheCaretBeforeTheDecimals)
{
    Drop->SetAutoSelect(false);
    Drop->SetEditType(etFloat);
    Drop->SetPrecision(2);
    Drop->SetText("12.5");
    Refocus(*Other, *Drop);
    EXPECT_EQ(Drop->Text(), "12.50");
    EXPECT_EQ(Drop->SelStart(), 2);
    EXPECT_EQ(Drop->SelLength(), 0);
}
