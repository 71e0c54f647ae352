// The edit and the memo: typing, deleting, selection, limits, clipboard, undo
// and when change notifications arise.
#include "UiFixture.h"

#include "platform/classes/StringList.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ScrollBars.h"

using namespace backend;

namespace {

// An edit that reports which clipboard messages reach it.
class TWatchedEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::vector<unsigned> ClipboardMessages;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_COPY || m.Msg == WM_CUT || m.Msg == WM_PASTE) ClipboardMessages.push_back(m.Msg);
        TEdit::WndProc(m);
    }
};

} // namespace

class EditTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Edit = new TWatchedEdit(Form);
        Edit->SetParent(Form);
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Edit->SetFocus();
    }
    TWatchedEdit* Edit = nullptr;
    int Changes = 0;
};

TEST_F(EditTest, TypingInsertsAndEachEditRaisesOneChange)
{
    input::TypeText(*Form, "héllo");
    EXPECT_EQ(Edit->Text(), "héllo");
    EXPECT_EQ(Edit->SelStart(), 5) << "positions count characters";
    EXPECT_EQ(Changes, 5);
    EXPECT_TRUE(Edit->Modified());

    Edit->SetText("set by code");
    EXPECT_EQ(Changes, 6) << "a programmatic change notifies too";
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_FALSE(Edit->Modified());
    EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(EditTest, PunctuationIsTypedWithItsOwnKeys)
{
    // '.' shares its code with the Delete key and '$' with Home: typed text
    // must press the punctuation keys, not those.
    input::TypeText(*Form, "ab");
    input::TypeText(*Form, "$1.5-'x'");
    EXPECT_EQ(Edit->Text(), "ab$1.5-'x'");
}

TEST_F(EditTest, BackspaceDeletesOnTheCharacterAndDeleteOnTheKeyDown)
{
    Edit->SetText("abcd");
    Edit->SetSelStart(2);
    // A Backspace whose character is swallowed deletes nothing.
    Edit->OnKeyPress = [](TObject*, char32_t& ch) {
        if (ch == 8) ch = 0;
    };
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Edit->Text(), "abcd");
    Edit->OnKeyPress = nullptr;
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Edit->Text(), "acd");

    // A Delete whose key-down is cleared deletes nothing.
    Edit->OnKeyDown = [](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_DELETE) key = 0;
    };
    input::PressKey(*Form, VK_DELETE);
    EXPECT_EQ(Edit->Text(), "acd");
    Edit->OnKeyDown = nullptr;
    input::PressKey(*Form, VK_DELETE);
    EXPECT_EQ(Edit->Text(), "ad");
}

TEST_F(EditTest, ShiftArrowsSelectAndTypingReplacesTheSelection)
{
    Edit->SetText("one two");
    input::PressKey(*Form, VK_END);
    input::PressKey(*Form, VK_LEFT, TShiftState{ssShift, ssCtrl});
    EXPECT_EQ(Edit->SelText(), "two");
    input::TypeText(*Form, "2");
    EXPECT_EQ(Edit->Text(), "one 2");
    input::PressKey(*Form, VK_HOME, TShiftState{ssShift});
    EXPECT_EQ(Edit->SelLength(), 5);
}

TEST_F(EditTest, MaxLengthReadOnlyAndPasswordAreHonoured)
{
    Edit->SetMaxLength(3);
    input::TypeText(*Form, "abcdef");
    EXPECT_EQ(Edit->Text(), "abc");
    Clipboard()->SetAsText("XYZ");
    Edit->SetSelStart(1);
    input::PressKey(*Form, 'V', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "abc") << "a paste is cut to the room left";

    Edit->SetMaxLength(0);
    Edit->SetReadOnly(true);
    input::TypeText(*Form, "z");
    input::PressKey(*Form, VK_BACK);
    EXPECT_EQ(Edit->Text(), "abc");
    Edit->SetReadOnly(false);

    Edit->SetPasswordChar(U'*');
    Edit->SelectAll();
    Clipboard()->SetAsText("before");
    input::PressKey(*Form, 'C', TShiftState{ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "before") << "a password is never copied";
}

TEST_F(EditTest, ControlCharactersBecomeClipboardMessagesAndUndoRestores)
{
    Edit->SetText("copy me");
    Edit->SelectAll();
    input::PressKey(*Form, 'C', TShiftState{ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "copy me");
    input::PressKey(*Form, 'X', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "");
    input::PressKey(*Form, 'V', TShiftState{ssCtrl});
    input::PressKey(*Form, 'V', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "copy mecopy me");
    EXPECT_EQ(Edit->ClipboardMessages, (std::vector<unsigned>{WM_COPY, WM_CUT, WM_PASTE, WM_PASTE}));
    input::PressKey(*Form, 'Z', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->Text(), "copy me");
}

TEST_F(EditTest, EditMessagesSelectAndReplace)
{
    Edit->SetText("abcdef");
    Edit->Perform(EM_SETSEL, 4, 1);
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 3);
    EXPECT_EQ(Edit->CaretPos(), 1) << "the caret goes to the second position";
    std::string text = "XY";
    Edit->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(Edit->Text(), "aXYef");
    EXPECT_EQ(Edit->Perform(EM_POSFROMCHAR, 99, 0), -1) << "past the end fails";
    LRESULT at = Edit->Perform(EM_POSFROMCHAR, 2, 0);
    TPoint p{static_cast<std::int16_t>(at & 0xFFFF), static_cast<std::int16_t>((at >> 16) & 0xFFFF)};
    EXPECT_EQ(Edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(p.X + 1, p.Y + 2)) & 0xFFFF, 2);
}

TEST_F(EditTest, MemoLinesFollowTheText)
{
    auto* memo = new TMemo(Form);
    memo->SetParent(Form);
    memo->Lines().Add("first");
    memo->Lines().Add("second");
    EXPECT_EQ(memo->Text(), "first\nsecond\n");
    EXPECT_EQ(memo->Lines().Count(), 2);
    memo->SetFocus();
    input::PressKey(*Form, VK_END, TShiftState{ssCtrl});
    input::TypeText(*Form, "third");
    input::PressKey(*Form, VK_RETURN);
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines().Strings(2), "third");
    memo->Lines().Delete(0);
    EXPECT_EQ(memo->Text(), "second\nthird\n");
}

TEST_F(EditTest, MemoVerticalScrollBarFollowsAndScrollsTheLines)
{
    auto* memo = new TMemo(Form);
    memo->SetParent(Form);
    memo->SetBounds(0, 40, 200, 100);
    memo->SetScrollBars(ssVertical);
    for (int i = 0; i < 30; ++i) memo->Lines().Add("line " + std::to_string(i));
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, 30) << "thirty lines and the empty one after the last break";
    EXPECT_GT(si.nPos, 0);
    EXPECT_EQ(si.nPos + static_cast<int>(si.nPage), 31) << "adding lines follows the newest one";
    memo->Lines().Insert(0, "head");
    GetScrollInfo(memo->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nPos, 0) << "an inserted line is shown too";
    EXPECT_EQ(memo->SelStart(), 5);
    memo->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
    si.fMask = SIF_POS | SIF_PAGE;
    GetScrollInfo(memo->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nPos, static_cast<int>(si.nPage));
    memo->SetFocus();
    input::PressKey(*Form, VK_HOME, TShiftState{ssCtrl});
    GetScrollInfo(memo->Handle(), SB_VERT, si);
    EXPECT_EQ(si.nPos, 0) << "moving the caret scrolls it into view";
}
