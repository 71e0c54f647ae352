// What the drop-down framework offers its descendants beyond opening and
// closing: keys and wheel turns reaching the edit from the popup and its
// control, typing limits, Enter as Tab, clipboard events, copying settings,
// the label's clicks, the button's glyph and the item looks of the styles.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

using namespace controls;
namespace input = backend::input;

namespace {

class DropDownFrameworkTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Drop = new TQuillListDropDown(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 20, 150, 21);
        for (const char* s : {"alpha", "beta", "gamma"}) Drop->Items().Add(s);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 200, 100, 21);
        Form->Show();
        Drop->SetFocus();
    }
    void TearDown() override { delete Form; }
    TDropDownForm& Popup() const { return *Drop->DropDownForm(); }

    TForm* Form = nullptr;
    TQuillListDropDown* Drop = nullptr;
    TEdit* Other = nullptr;
};

} // namespace

TEST_F(DropDownFrameworkTest, KeysOfThePopupAndItsControlReachTheEdit)
{
    struct Route {
        const char* what;
        std::function<void(unsigned short)> send;
        std::string text;
    };
    const Route routes[] = {
        {"the popup's Enter accepts",
         [&](unsigned short k) {
             if (k != VK_RETURN) return;
             Popup().OnKeyDown(&Popup(), k, {});
         },
         "beta"},
        {"the control's Esc cancels",
         [&](unsigned short k) {
             if (k != VK_ESCAPE) return;
             Drop->List().OnKeyDown(&Drop->List(), k, {});
         },
         "alpha"},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.what);
        Drop->SetText("alpha");
        Drop->ShowDropDown();
        ASSERT_TRUE(Drop->DroppedDown());
        bool handled = false;
        Popup().OnMouseWheelDown(&Popup(), {}, {}, handled);
        EXPECT_EQ(Drop->Text(), "beta") << "a wheel turn over the popup moves the choice";
        r.send(VK_RETURN);
        r.send(VK_ESCAPE);
        EXPECT_FALSE(Drop->DroppedDown());
        EXPECT_EQ(Drop->Text(), r.text);
    }
}

TEST_F(DropDownFrameworkTest, EnterAsTabMovesOnAndLeavesThePopupToTheFocusRules)
{
    Drop->SetReturnIsTab(true);
    input::PressKey(*Form, VK_RETURN);
    EXPECT_TRUE(Other->Focused()) << "Enter went on to the next control";
}

TEST_F(DropDownFrameworkTest, TypingLimitsAndClipboardEvents)
{
    Drop->SetText("");
    Drop->SetLengthLimit(3);
    input::TypeText(*Form, "abcde");
    EXPECT_EQ(Drop->Text(), "abc");
    Clipboard()->SetAsText("xyz");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "xyz");
    Clipboard()->SetAsText("wxyz");
    Drop->SelectAll();
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "xyz") << "a paste past the limit is refused";

    Drop->SetLengthLimit(0);
    Drop->SetEditType(etValidChars);
    Drop->SetValidChars("01");
    Drop->SetText("");
    input::TypeText(*Form, "1021");
    EXPECT_EQ(Drop->Text(), "101");

    Drop->SetEditType(etString);
    std::vector<std::string> asked;
    Drop->OnClipboardPaste = [&](TObject*, const std::string& v, bool& allow) {
        asked.push_back(v);
        allow = v != "no";
    };
    Drop->SetText("");
    Clipboard()->SetAsText("no");
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "");
    Clipboard()->SetAsText("one\ntwo");
    input::PressKey(*Form, 'V', {ssCtrl});
    EXPECT_EQ(Drop->Text(), "one\ntwo") << "the whole clipboard text, both lines";
    EXPECT_EQ(asked, (std::vector<std::string>{"no", "one\ntwo"}));

    std::string copied;
    Drop->OnClipboardCopy = [&](TObject*, const std::string& v, bool& allow) {
        copied = v;
        allow = false;
    };
    Drop->SelectAll();
    input::PressKey(*Form, 'C', {ssCtrl});
    EXPECT_EQ(copied, "one\ntwo");
    EXPECT_EQ(Clipboard()->AsText(), "one\ntwo") << "a refused copy leaves the clipboard as it was";
}

TEST_F(DropDownFrameworkTest, AssignCopiesTheSettingsOfAnotherDropDown)
{
    TQuillListDropDown source(nullptr);
    source.SetReturnIsTab(true);
    source.SetLengthLimit(7);
    source.SetValidChars("ab");
    source.SetForceShadow(true);
    source.SetPrefix("<");
    source.SetDropDownColor(clYellow);
    source.DropDownButtonGlyph().SetSize(4, 4);
    Drop->Assign(&source);
    EXPECT_TRUE(Drop->ReturnIsTab());
    EXPECT_EQ(Drop->LengthLimit(), 7);
    EXPECT_EQ(Drop->ValidChars(), "ab");
    EXPECT_TRUE(Drop->ForceShadow());
    EXPECT_EQ(Drop->Prefix(), "<");
    EXPECT_EQ(Drop->DropDownColor(), clYellow);
    EXPECT_EQ(Drop->DropDownButtonGlyph().Width(), 4);
    TEdit plain(nullptr);
    Drop->Assign(&plain); // any other source is ignored
    EXPECT_EQ(Drop->LengthLimit(), 7);

    // Only the colours, font and direction of a strip.
    source.DropDownHeader().Color = clRed;
    source.DropDownHeader().Caption = "not copied";
    source.DropDownHeader().Font().SetSize(17);
    Drop->DropDownHeader().Caption = "kept";
    Drop->DropDownHeader().AssignColors(source.DropDownHeader());
    EXPECT_EQ(Drop->DropDownHeader().Color, clRed);
    EXPECT_EQ(Drop->DropDownHeader().Font().Size(), 17);
    EXPECT_EQ(Drop->DropDownHeader().Caption, "kept");
    EXPECT_EQ(Popup().TopLevelWindow(), Form) << "the window the drop-down stands in";

    // Shown twice for the shadow, the popup is still open once.
    Drop->ShowDropDown();
    EXPECT_TRUE(Drop->DroppedDown());
    EXPECT_TRUE(Popup().Visible());
}

TEST_F(DropDownFrameworkTest, TheLabelsClicksAndTheButtonsGlyph)
{
    int clicks = 0, doubles = 0;
    Drop->OnLabelClick = [&](TObject* s) { clicks += s == Drop; };
    Drop->OnLabelDblClick = [&](TObject* s) { doubles += s == Drop; };
    Drop->SetLabelCaption("Name");
    input::Click(*Drop->EditLabel(), {2, 2});
    input::DoubleClick(*Drop->EditLabel(), {2, 2});
    EXPECT_GE(clicks, 1);
    EXPECT_EQ(doubles, 1);

    TBitmap& glyph = Drop->DropDownButtonGlyph();
    glyph.SetSize(8, 8);
    glyph.Canvas()->Brush()->SetColor(clLime);
    glyph.Canvas()->FillRect({0, 0, 8, 8});
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({2, 2, 6, 6});
    Drop->Invalidate();
    input::Pump();
    TBitmap copy;
    copy.Assign(&Form->Surface());
    const TRect button = Drop->ButtonRect();
    const TPoint at = Form->ScreenToClient(Drop->ClientToScreen({0, 0}));
    const TPoint origin{at.X - 2 + button.Left, at.Y - 2 + button.Top};
    EXPECT_EQ(copy.Canvas()->Pixels(origin.X + 3, origin.Y + 3) & 0xFFFFFF, clRed) << "the glyph";
    EXPECT_EQ(copy.Canvas()->Pixels(origin.X + 1, origin.Y + 1) & 0xFFFFFF, ColorToRGB(clBtnFace))
        << "its top-left colour is transparent";
}

TEST(DropDownItemLooks, StylesSetTheHotAndSelectedLooksOfTheItems)
{
    TItemAppearance a;
    a.BorderColorHot = clRed;
    TQuillCustomDropDown::SetItemAppearanceStyle(&a, tsWindows7);
    EXPECT_EQ(a.BorderColorHot, clNone);
    EXPECT_EQ(a.ColorHot, TColor(0xFDFBFA));
    EXPECT_EQ(a.EdgeColor, TColor(0xE0C5AE));
    EXPECT_EQ(a.ColorSelectedText, clBlack);
    TQuillCustomDropDown::SetItemAppearanceStyle(&a, tsWindowsXP);
    EXPECT_EQ(a.ColorSelected, clHighlight);
    EXPECT_EQ(a.ColorSelectedText, clHighlightText);
    const TColor before = a.ColorHot;
    TQuillCustomDropDown::SetItemAppearanceStyle(&a, tsCustom);
    TQuillCustomDropDown::SetItemAppearanceStyle(nullptr, tsWindows7);
    EXPECT_EQ(a.ColorHot, before);

    // A preset style loads its colours; copying takes the source's style last.
    TItemAppearance vista;
    vista.SetColorStyle(scWindowsVista);
    EXPECT_EQ(vista.ColorSelected, TColor(0xFAEEDE));
    EXPECT_EQ(vista.ColorMirrorHot, clNone);
    TItemAppearance copy;
    copy.Assign(&vista);
    EXPECT_EQ(copy.ColorStyle(), scWindowsVista);
    EXPECT_EQ(copy.ColorSelectedTo, TColor(0xFAE3B4));
}

TEST(DropDownDrawing, ATransparentBitmapShowsTheBackgroundWhereItsCornerColourIs)
{
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 4, 4});
    glyph.Canvas()->SetPixels(1, 1, clNavy);
    TBitmap target;
    target.SetSize(10, 10);
    DrawTransparentBitmap(*target.Canvas(), glyph, clYellow, {3, 3, 7, 7});
    EXPECT_EQ(target.Canvas()->Pixels(3, 3) & 0xFFFFFF, clYellow);
    EXPECT_EQ(target.Canvas()->Pixels(4, 4) & 0xFFFFFF, clNavy);

    TSize measured = DrawHTMLText(*target.Canvas(), "<b>bold</b> text", {0, 0, 1000, 500}, false);
    EXPECT_GT(measured.cx, 20);
    EXPECT_GT(measured.cy, 5);
}
