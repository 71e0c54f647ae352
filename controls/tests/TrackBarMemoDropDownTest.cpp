// The track-bar and memo drop-downs: stepping, dragging and clamping the
// value; the memo's first line on the face and the text's way in and out.
#include <gtest/gtest.h>

#include "controls/dropdown/DropDownForm.h"
#include "controls/pickers/QuillMemoDropDown.h"
#include "controls/pickers/QuillTrackBarDropDown.h"
#include "controls/tests/ControlShot.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/classes/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "testsupport/GoldenImage.h"

using namespace controls;
namespace input = backend::input;

namespace {

class ValueDropDownTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Track = new TQuillTrackBarDropDown(Form);
        Track->SetParent(Form);
        Track->SetBounds(10, 20, 150, 24);
        Memo = new TQuillMemoDropDown(Form);
        Memo->SetParent(Form);
        Memo->SetBounds(10, 80, 150, 24);
        Form->Show();
    }
    void TearDown() override { delete Form; }
    void Press(unsigned short vk, TShiftState shift = {}) { input::PressKey(*Form, vk, shift); }

    TForm* Form = nullptr;
    TQuillTrackBarDropDown* Track = nullptr;
    TQuillMemoDropDown* Memo = nullptr;
};

} // namespace

TEST_F(ValueDropDownTest, TheTrackBarValueStepsDragsAndIsClamped)
{
    Track->SetFocus();
    int moves = 0;
    Track->OnTrackChange = [&](TObject*) { ++moves; };
    Track->SetPosition(50);
    EXPECT_EQ(Track->Position(), 10) << "clamped by the track bar's maximum";
    EXPECT_EQ(Track->Text(), "10");
    Press(VK_DOWN);
    EXPECT_EQ(Track->Position(), 10) << "Down stops at the maximum";
    Press(VK_UP);
    EXPECT_EQ(Track->Position(), 9);
    EXPECT_EQ(Track->Text(), "9");
    EXPECT_GT(moves, 0);

    Track->SetPosition(2);
    input::MouseDown(*Track, {20, 5});
    input::MouseMove(*Track, {25, 5}, TShiftState{ssLeft});
    EXPECT_EQ(Track->Position(), 4) << "five pixels with page size 2 move by 2";
    input::MouseMove(*Track, {26, 5}, TShiftState{ssLeft});
    EXPECT_EQ(Track->Position(), 4) << "one pixel moves nothing";
    input::MouseUp(*Track, {26, 5});
    if (Track->DroppedDown()) Track->HideDropDown(true);

    // The popup's track bar writes its value into the face; Esc keeps it, a
    // click elsewhere closes accepting.
    Track->ShowDropDown();
    ASSERT_TRUE(Track->DroppedDown());
    Track->TrackBar()->SetPosition(7);
    EXPECT_EQ(Track->Text(), "7");
    input::Click(*Form, {300, 250});
    EXPECT_FALSE(Track->DroppedDown());
    EXPECT_EQ(Track->Position(), 7);

    Track->SetEditorEnabled(true);
    Track->SetFocus();
    Track->SelectAll();
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Track->Position(), 7) << "an emptied face leaves the value";
    Track->SetText("3");
    EXPECT_EQ(Track->Position(), 3);
}

TEST_F(ValueDropDownTest, TheMemoShowsItsFirstLineAndTakesTypingAndItsPopupsText)
{
    Memo->MemoText().SetText("Short\nSecond line");
    EXPECT_EQ(Memo->Text(), "Short...");
    Memo->MemoText().SetText("Short");
    EXPECT_EQ(Memo->Text(), "Short");
    Memo->MemoText().SetText("A first line far wider than the edit that shows it");
    const std::string shown = Memo->Text();
    EXPECT_LT(shown.size(), 50u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");

    Memo->SetFocus();
    Memo->SelectAll();
    input::TypeText(*Form, "typed");
    EXPECT_EQ(Memo->MemoText().Text(), "typed\r\n");
    EXPECT_EQ(Memo->Text(), "typed");

    Memo->MemoText().SetText("one\ntwo");
    Memo->ShowDropDown();
    ASSERT_TRUE(Memo->DroppedDown());
    EXPECT_TRUE(Memo->Memo()->Focused()) << "the memo takes the keys";
    EXPECT_EQ(Memo->Memo()->Lines().Count(), 2);
    input::TypeText(*Memo->DropDownForm(), "zero ");
    input::PressKey(*Memo->DropDownForm(), VK_ESCAPE);
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_TRUE(Memo->Focused()) << "the focus returns to the edit";
    EXPECT_EQ(Memo->MemoText().Text(), "one\r\ntwo\r\n") << "Esc keeps the text";

    Memo->ShowDropDown();
    Memo->Memo()->SetSelStart(0);
    input::TypeText(*Memo->DropDownForm(), "zero\r");
    testsupport::ExpectMatchesGolden(Memo->DropDownForm()->Surface(), "memo-popup");
    input::Click(*Form, {300, 250});
    EXPECT_FALSE(Memo->DroppedDown());
    EXPECT_EQ(Memo->MemoText().Text(), "zero\r\none\r\ntwo\r\n") << "a click elsewhere keeps the memo's text";
    EXPECT_EQ(Memo->Text(), "zero...");
    testsupport::ExpectMatchesGolden(*Shot(*Form, *Memo), "memo-face");
}
