// Soft word wrap: cutting lines, joining them for the logical text, and editing across wraps.
#include "MemoFixture.h"

#include "memo/MemoLineAttributes.h"
#include "memo/MemoWrap.h"
#include "memo/QuillmWS.h"
#include "testsupport/GoldenImage.h"
#include "platform/classes/Streams.h"

TEST(MemoWrapLine, CutsAfterWholeWordsOrHard)
{
    struct Case {
        const char* line;
        int width;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"aa bb cc dd", 10, {"aa bb cc ", "dd"}},
        {"aaaaaaaaaa", 10, {"aaaaaaaaaa"}},
        {"abcdefghijklmnopqrstuvwxy", 10, {"abcdefghij", "klmnopqrst", "uvwxy"}},
        {"aa bbbbbbbbbbbbbb", 10, {"aa ", "bbbbbbbbbb", "bbbb"}},
        // Columns are characters: a two-byte letter counts once.
        {"\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9", 6, {"\xC3\xA9\xC3\xA9 ", "\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9"}},
        {"", 5, {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(memo::WrapLine(c.line, c.width), c.pieces) << c.line;
}

class MemoWrapTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        Memo->SetRightMargin(10);
    }
    std::string Flags() const
    {
        std::string out;
        for (int i = 0; i < Memo->Lines().Count(); ++i) out += memo::IsLineWrapped(Memo->Lines(), i) ? 'w' : '-';
        return out;
    }
};

TEST_F(MemoWrapTest, WrapsAndJoinsBackKeepingLineMarks)
{
    SetText({"aa bb cc dd", "abcdefghijklmnopqrstuvwxy", "short"});
    memo::SetBreakPoint(Memo->Lines(), 2, true);
    Memo->SetWordWrap(wwRightMargin);
    EXPECT_EQ(Text(), "aa bb cc |dd|abcdefghij|klmnopqrst|uvwxy|short");
    EXPECT_EQ(Flags(), "-w-ww-");
    EXPECT_TRUE(memo::BreakPoint(Memo->Lines(), 5)) << "a wrap keeps the marks of the lines it moves";
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd\r\nabcdefghijklmnopqrstuvwxy\r\nshort\r\n");
    EXPECT_EQ(Text(), "aa bb cc |dd|abcdefghij|klmnopqrst|uvwxy|short") << "the logical text is read without unwrapping for good";
    TStringStream saved;
    Memo->Lines().SaveToStream(saved);
    EXPECT_EQ(saved.DataString(), "aa bb cc dd\r\nabcdefghijklmnopqrstuvwxy\r\nshort\r\n");
    Memo->SetWordWrap(wwNone);
    EXPECT_EQ(Text(), "aa bb cc dd|abcdefghijklmnopqrstuvwxy|short");
    EXPECT_EQ(Flags(), "---");
    EXPECT_TRUE(memo::BreakPoint(Memo->Lines(), 2));
}

TEST_F(MemoWrapTest, TypingRewrapsAndUndoRestoresTextAndCaret)
{
    SetText({"aa bb cc"});
    Memo->SetWordWrap(wwRightMargin);
    Memo->SetCurX(8);
    Type(" dd ee");
    EXPECT_EQ(Text(), "aa bb cc |dd ee");
    EXPECT_EQ(Caret(), std::make_pair(5, 1)) << "the caret follows its text onto the continuation";
    Type("!");
    EXPECT_EQ(Caret(), std::make_pair(6, 1));
    Memo->Undo();
    EXPECT_EQ(Text(), "aa bb cc");
    EXPECT_EQ(Caret(), std::make_pair(8, 0));
    Memo->Redo();
    EXPECT_EQ(Text(), "aa bb cc |dd ee!");
    EXPECT_EQ(Caret(), std::make_pair(6, 1));
}

TEST_F(MemoWrapTest, DeletingAcrossAWrapRemovesTheRightCharacter)
{
    SetText({"aa bb cc dd ee"});
    Memo->SetWordWrap(wwRightMargin);
    ASSERT_EQ(Text(), "aa bb cc |dd ee");
    // Backspace at the start of a continuation deletes the space before it.
    Memo->SetCurY(1);
    Memo->SetCurX(0);
    Press(VK_BACK);
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb ccdd ee\r\n");
    Memo->Undo();
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd ee\r\n");
    // Delete at the end of a head deletes the continuation's first character.
    Memo->SetCurY(0);
    Memo->SetCurX(9);
    Press(VK_DELETE);
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc d ee\r\n");
    Memo->Undo();
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd ee\r\n");
    EXPECT_EQ(Flags(), "-w");
}

TEST_F(MemoWrapTest, EnterAndSelectionEditsKeepTheLogicalText)
{
    SetText({"aa bb cc dd ee ff"});
    Memo->SetWordWrap(wwRightMargin);
    ASSERT_EQ(Text(), "aa bb cc |dd ee ff");
    Memo->SetCurY(1);
    Memo->SetCurX(3);
    Press(VK_RETURN);
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd \r\nee ff\r\n") << "the blank before the break stays";
    Memo->Undo();
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd ee ff\r\n");
    // A selection across the wrap is one run of text with no line break in it.
    Memo->SetCurY(0);
    Memo->SetCurX(6);
    Memo->ClearSelection();
    for (int i = 0; i < 6; ++i) Press(VK_RIGHT, {ssShift});
    EXPECT_EQ(Memo->Selection(), "cc dd ");
    Type("x");
    EXPECT_EQ(Text(), "aa bb |xee ff");
    Memo->Undo();
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb ee ff\r\n");
    Memo->Undo();
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), "aa bb cc dd ee ff\r\n");
}

TEST_F(MemoWrapTest, ClientWidthFollowsTheWindow)
{
    SetText({std::string(100, 'a').c_str()});
    Memo->SetWordWrap(wwClientWidth);
    const int width = Memo->VisiblePosCount() - 1;
    ASSERT_GT(width, 5);
    EXPECT_EQ(Memo->Lines().Strings(0).size(), static_cast<size_t>(width));
    Form->SetBounds(10, 10, 250, 300);
    backend::input::Pump();
    EXPECT_EQ(Memo->Lines().Strings(0).size(), static_cast<size_t>(Memo->VisiblePosCount() - 1));
    EXPECT_EQ(memo::WrappedText(Memo->Lines()), std::string(100, 'a') + "\r\n");
    EXPECT_FALSE(Memo->HorzScrollBar().Visible());
}

TEST_F(MemoWrapTest, WrappedHtmlMatchesReference)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    Memo->SetRightMargin(80);
    SetText({"<p class=\"intro\">A paragraph long enough to need two or three rows in this window.</p>",
             "<!-- a comment that runs on and on past the right edge of the memo -->", "<br>"});
    Memo->SetWordWrap(wwClientWidth);
    Memo->SetCurY(1);
    Memo->SetCurX(3);
    Memo->ClearSelection();
    Press(VK_RIGHT, {ssShift, ssCtrl});
    backend::input::Pump();
    Form->Update();
    testsupport::ExpectMatchesGolden(Form->Surface(), "memo-wrapped");
}

TEST_F(MemoWrapTest, AssignCopiesSettingsAndTheLogicalText)
{
    SetText({"aa bb cc dd", "x"});
    Memo->SetWordWrap(wwRightMargin);
    Memo->SetTabSize(8);
    Memo->SetReadOnly(true);
    Memo->SetBkColor(clYellow);
    Memo->SetCharCase(ecUpperCase);
    Memo->Gutter().SetGutterColor(clRed);
    Memo->AutoCorrect().OldValue().Add("teh");
    TQuillMemo copy(Form);
    copy.SetParent(Form);
    copy.Assign(Memo);
    EXPECT_EQ(copy.RightMargin(), 10);
    EXPECT_EQ(copy.WordWrap(), wwRightMargin);
    EXPECT_TRUE(copy.ReadOnly());
    EXPECT_EQ(copy.BkColor(), clYellow);
    EXPECT_EQ(copy.CharCase(), ecUpperCase);
    EXPECT_EQ(copy.Gutter().GutterColor(), clRed);
    EXPECT_EQ(copy.AutoCorrect().OldValue().Count(), 1);
    EXPECT_EQ(copy.TabSize(), 4) << "the tab size is not copied";
    EXPECT_EQ(memo::WrappedText(copy.Lines()), "aa bb cc dd\r\nx\r\n") << "wrapped lines arrive as the logical text";
    TStringList text;
    text.Add("ee ff gg hh");
    copy.SetLines(text);
    EXPECT_EQ(copy.Lines().Count(), 2) << "text written while wrapping is on is wrapped";
    TStringList notAMemo;
    copy.Assign(&notAMemo);
    EXPECT_TRUE(copy.ReadOnly());

    copy.SetAutoThemeAdapt(true);
    EXPECT_EQ(copy.Gutter().GutterColor(), clWhite);
    EXPECT_EQ(copy.Gutter().GutterColorTo(), clBtnFace);
}

TEST_F(MemoWrapTest, MarksStayOnTheirTextWhenLinesAreCutOrJoined)
{
    SetText({"aa bb cc", "marked"});
    Memo->AddMarker(1, 0);
    Memo->SetBookmarks(0, 1);
    Memo->SetWordWrap(wwRightMargin);
    Memo->SetCurX(8);
    Type(" dd");
    ASSERT_EQ(Text(), "aa bb cc |dd|marked");
    EXPECT_EQ(Memo->MarkerList().Markers().Items(0)->LineNumber(), 2);
    EXPECT_EQ(Memo->Bookmarks(0), 2);
    Memo->SetWordWrap(wwNone);
    EXPECT_EQ(Memo->MarkerList().Markers().Items(0)->LineNumber(), 1);
    EXPECT_EQ(Memo->Bookmarks(0), 1);
}
