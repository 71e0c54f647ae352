// Typing, movement and editing keys through the key pipeline, and undo and redo of every edit.
#include "MemoFixture.h"

#include "platform/ui/Clipboard.h"

#include <stdexcept>

TEST_F(MemoTest, NewMemoDefaults)
{
    EXPECT_EQ(Memo->Lines().Count(), 1);
    EXPECT_TRUE(Memo->IsEmpty());
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_EQ(Memo->TabSize(), 4);
    EXPECT_EQ(Memo->UndoLimit(), 100);
    EXPECT_EQ(Memo->RightMargin(), 80);
    EXPECT_EQ(Memo->Version(), "2.3.11.0");
    TQuillMemo loose(nullptr);
    EXPECT_EQ(loose.Width(), 350);
    EXPECT_EQ(loose.Height(), 250);
}

TEST_F(MemoTest, TypingMovingAndSelectingWithTheKeyboard)
{
    Type("hello world");
    EXPECT_EQ(Text(), "hello world");
    EXPECT_EQ(Caret(), std::make_pair(11, 0));
    Press(VK_LEFT, {ssCtrl});
    EXPECT_EQ(Caret(), std::make_pair(6, 0)) << "word left stops at the word start";
    Press(VK_HOME);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    Press(VK_RIGHT, {ssCtrl});
    EXPECT_EQ(Caret(), std::make_pair(6, 0));
    Press(VK_RIGHT, {ssShift});
    Press(VK_RIGHT, {ssShift});
    EXPECT_EQ(Memo->Selection(), "wo");
    Press(VK_RIGHT);
    EXPECT_EQ(Memo->Selection(), "") << "a plain move collapses the selection";
    Press(VK_END);
    EXPECT_EQ(Caret(), std::make_pair(11, 0));
    Press(VK_RETURN);
    Type("x");
    EXPECT_EQ(Text(), "hello world|x");
    Press(VK_UP);
    // Ctrl+Shift+Home and Ctrl+Shift+End select from the anchor, which stays put.
    Press(VK_HOME, {ssShift, ssCtrl});
    EXPECT_EQ(Memo->Selection(), "h");
    Press(VK_END, {ssShift, ssCtrl});
    EXPECT_EQ(Memo->Selection(), "ello world\r\nx");
}

TEST_F(MemoTest, ArrowsAtLineEdgesAndVirtualSpace)
{
    SetText({"ab", "cdef"});
    Memo->SetAutoExpand(false);
    Memo->SetCurX(2);
    Press(VK_RIGHT);
    EXPECT_EQ(Caret(), std::make_pair(0, 1)) << "right at a line end goes to the next line";
    Press(VK_END);
    Press(VK_RIGHT);
    EXPECT_EQ(Caret(), std::make_pair(4, 1)) << "at the end of the last line the caret stays";
    Press(VK_UP);
    EXPECT_EQ(Caret(), std::make_pair(2, 0)) << "up to a shorter line stops at its end";

    SetText({""});
    Memo->SetAutoExpand(true);
    Memo->SetCurX(10);
    Type("Z");
    EXPECT_EQ(Text(), "          Z");
}

TEST_F(MemoTest, PageMovesByTheVisibleRows)
{
    Memo->Lines().Clear();
    for (int i = 0; i < 100; ++i) Memo->Lines().Add("line " + std::to_string(i));
    Memo->SetCurY(0);
    backend::input::Pump();
    int rows = Memo->TextAreaRect().Height() / Memo->CellSize().H;
    ASSERT_GT(rows, 3);
    Press(VK_NEXT);
    EXPECT_EQ(Memo->CurY(), rows);
    EXPECT_EQ(Memo->TopLine(), rows);
    Press(VK_PRIOR);
    EXPECT_EQ(Memo->CurY(), 0);
    Press(VK_NEXT, {ssCtrl});
    EXPECT_EQ(Caret(), std::make_pair(7, 99));
}

// Each row: the starting text and caret, the keys, and the text and caret after.
struct EditCase {
    const char* name;
    std::initializer_list<const char*> lines;
    int x, y;
    std::function<void(MemoTest&)> keys;
    const char* after;
    int afterX, afterY;
};

TEST_F(MemoTest, EditingKeysAndTheirUndoAndRedo)
{
    const EditCase cases[] = {
        {"backspace at column 0 joins", {"ab", "cd"}, 0, 1, [](MemoTest& t) { t.Press(VK_BACK); }, "abcd", 2, 0},
        {"delete at line end joins", {"ab", "cd"}, 2, 0, [](MemoTest& t) { t.Press(VK_DELETE); }, "abcd", 2, 0},
        {"three deletes", {"abcdef"}, 1, 0,
         [](MemoTest& t) {
             t.Press(VK_DELETE);
             t.Press(VK_DELETE);
             t.Press(VK_DELETE);
         },
         "aef", 1, 0},
        {"tab inserts spaces", {"ab"}, 1, 0, [](MemoTest& t) { t.Press(VK_TAB); }, "a    b", 5, 0},
        {"enter keeps the indent", {"  abc  def  "}, 6, 0, [](MemoTest& t) { t.Press(VK_RETURN); }, "  abc |  def  ", 2, 1},
        {"ctrl+backspace deletes a word", {"one two"}, 7, 0, [](MemoTest& t) { t.Press(VK_BACK, {ssCtrl}); }, "one ", 4, 0},
        {"typing a multi-byte word", {"ab"}, 1, 0, [](MemoTest& t) { t.Type("\xC3\xA9\xE2\x82\xAC"); }, "a\xC3\xA9\xE2\x82\xAC" "b", 3, 0},
        {"backspace over multi-byte", {"x\xC3\xA9\xE2\x82\xACy"}, 3, 0,
         [](MemoTest& t) {
             t.Press(VK_BACK);
             t.Press(VK_BACK);
         },
         "xy", 1, 0},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        Memo->Lines().Clear();
        for (const char* line : c.lines) Memo->Lines().Add(line);
        Memo->SetCurY(c.y);
        Memo->SetCurX(c.x);
        Memo->ClearSelection();
        Memo->ClearUndoRedo();
        std::string before = Text();
        c.keys(*this);
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Caret(), std::make_pair(c.afterX, c.afterY));
        while (Memo->CanUndo()) Memo->Undo();
        EXPECT_EQ(Text(), before) << "undo gives the text back";
        EXPECT_EQ(Caret(), std::make_pair(c.x, c.y)) << "undo puts the caret back";
        while (Memo->CanRedo()) Memo->Redo();
        EXPECT_EQ(Text(), c.after) << "redo repeats the edit";
        EXPECT_EQ(Caret(), std::make_pair(c.afterX, c.afterY));
    }
}

TEST_F(MemoTest, TypingRunsMergeIntoOneStep)
{
    Type("abc");
    EXPECT_EQ(Memo->UndoList().Count(), 1);
    Press(VK_LEFT);
    Type("d");
    EXPECT_EQ(Memo->UndoList().Count(), 2) << "a caret move starts a new step";
    Memo->Undo();
    EXPECT_EQ(Text(), "abc");
    Type("x");
    EXPECT_FALSE(Memo->CanRedo()) << "a new keystroke drops the redo step";
    EXPECT_EQ(Memo->UndoList().Count(), 2) << "and does not merge into an undone step";
    Memo->SetUndoLineByLine(true);
    SetText({""});
    Type("ab");
    Press(VK_RETURN);
    Type("cd");
    EXPECT_EQ(Memo->UndoList().Count(), 3);
}

TEST_F(MemoTest, OverwriteModeReplacesAndAppends)
{
    SetText({"abcd"});
    Memo->SetCurX(1);
    Press(VK_INSERT);
    EXPECT_TRUE(Memo->Overwrite());
    EXPECT_EQ(Memo->UndoList().Count(), 0) << "with an empty undo list no toggle step is recorded";
    Type("XY");
    Press(VK_END);
    Type("Z");
    EXPECT_EQ(Text(), "aXYdZ");
    while (Memo->CanUndo()) Memo->Undo();
    EXPECT_EQ(Text(), "abcd");
    while (Memo->CanRedo()) Memo->Redo();
    EXPECT_EQ(Text(), "aXYdZ");
}

TEST_F(MemoTest, SmartTabAlignsWithTheLineAboveAndBackspaceReturns)
{
    SetText({"    word", ""});
    Memo->SetSmartTabs(true);
    Memo->SetCurY(1);
    Press(VK_TAB);
    EXPECT_EQ(Caret(), std::make_pair(4, 1));
    Press(VK_BACK);
    EXPECT_EQ(Caret(), std::make_pair(0, 1));
    EXPECT_EQ(Text(), "    word|");
}

TEST_F(MemoTest, ShiftTabMovesLeftWithoutChangingText)
{
    SetText({"abcdefgh"});
    Memo->SetCurX(6);
    Press(VK_TAB, {ssShift});
    EXPECT_EQ(Caret(), std::make_pair(2, 0));
    EXPECT_EQ(Text(), "abcdefgh");
}

TEST_F(MemoTest, PasteOverSelectionUndoesInOneStep)
{
    SetText({"one two three"});
    Clipboard()->SetAsText("A\nB");
    Memo->SetCurX(4);
    Memo->ClearSelection();
    Press(VK_RIGHT, {ssShift, ssCtrl});
    ASSERT_EQ(Memo->Selection(), "two ");
    Memo->PasteFromClipBoard();
    EXPECT_EQ(Text(), "one A|Bthree");
    Memo->Undo();
    EXPECT_EQ(Text(), "one two three");
    EXPECT_EQ(Memo->Selection(), "two ") << "the deleted selection comes back selected";
    Memo->Redo();
    EXPECT_EQ(Text(), "one A|Bthree");
}

TEST_F(MemoTest, DeleteLineAndItsUndoKeepEveryLine)
{
    SetText({"only"});
    Memo->DeleteLine();
    EXPECT_EQ(Text(), "");
    Memo->Undo();
    EXPECT_EQ(Text(), "only") << "the memo's only line comes back without an extra empty line";
    SetText({"a", "b", "c"});
    Memo->SetCurY(2);
    Memo->DeleteLine();
    EXPECT_EQ(Text(), "a|b");
    Memo->Undo();
    EXPECT_EQ(Text(), "a|b|c");
}

TEST_F(MemoTest, PositionsAndOffsets)
{
    SetText({"ab", "cd"});
    EXPECT_EQ(Memo->TextFromPos(1, 1), 5);
    int x = -1, y = -1;
    Memo->PosFromText(5, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(1, 1));
    Memo->PosFromText(100, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
    SetText({"a", "b", "c", "d", "e"});
    Memo->SetCurY(1000);
    EXPECT_EQ(Memo->CurY(), 4);
    Memo->SetCurY(4);
    Memo->SetCurX(-1);
    EXPECT_EQ(Caret(), std::make_pair(1, 3));
}

TEST_F(MemoTest, BlockIndentAndUndo)
{
    SetText({"a", "b", "c", "d", "e", "f"});
    Memo->BlockIndent(5, 2, 4, true);
    EXPECT_EQ(Text(), "a|b|    c|    d|    e|    f");
    Memo->Undo();
    EXPECT_EQ(Text(), "a|b|c|d|e|f");
}

TEST_F(MemoTest, UndoLimitClampsAndDropsOldest)
{
    Memo->SetUndoLimit(0);
    EXPECT_EQ(Memo->UndoLimit(), 1);
    Memo->SetUndoLimit(500);
    EXPECT_EQ(Memo->UndoLimit(), 100);
    for (int i = 0; i < 101; ++i) {
        Type("a");
        Press(VK_LEFT);
    }
    EXPECT_EQ(Memo->UndoList().Count(), 100);
}

TEST_F(MemoTest, BackspaceInVirtualSpaceOnlyWalksLeft)
{
    SetText({"long line", "ab", "next"});
    Memo->SetCurX(6);
    Press(VK_DOWN);
    ASSERT_EQ(Caret(), std::make_pair(6, 1)) << "the caret keeps its column past the short line's end";
    Press(VK_BACK);
    EXPECT_EQ(Text(), "long line|ab|next") << "the next line is not joined";
    EXPECT_EQ(Caret(), std::make_pair(5, 1));
}

TEST_F(MemoTest, MultiByteCharactersStayWhole)
{
    SetText({"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\xE2\x82\xAC x"});
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "t\xC3\xA9 \xE2\x82\xAC\xE2\x82\xAC x");
    Press(VK_RIGHT, {ssCtrl});
    EXPECT_EQ(Caret(), std::make_pair(3, 0));
    Press(VK_RIGHT, {ssShift});
    EXPECT_EQ(Memo->Selection(), "\xE2\x82\xAC");
    Memo->Undo();
    EXPECT_EQ(Text(), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\xE2\x82\xAC x");
}

// A step whose replay fails must not leave the list replaying for ever.
class FailingUndo : public TUndo {
public:
    FailingUndo() : TUndo(0, 0, 0, 0, {}) {}
    void PerformUndo() override { throw std::runtime_error("replay failed"); }
    void PerformRedo() override {}
};

TEST_F(MemoTest, FailedReplayStillRecordsLaterEdits)
{
    Memo->AddUndoStep(new FailingUndo);
    EXPECT_THROW(Memo->Undo(), std::runtime_error);
    EXPECT_FALSE(Memo->UndoList().IsPerforming());
    EXPECT_TRUE(Memo->AutoIndent());
    Type("a");
    EXPECT_TRUE(Memo->CanUndo()) << "the keystroke after the failure is recorded";
}

TEST_F(MemoTest, ProportionalFontIsReplacedByAFixedOne)
{
    TFont font;
    font.SetName("Arial");
    font.SetSize(10);
    Memo->SetFont(font);
    EXPECT_EQ(Memo->Font().Name(), "FixedSys");
    EXPECT_GT(Memo->CellSize().W, 0);
}

TEST_F(MemoTest, SmartTabsUndoAndRedoExactly)
{
    SetText({"    word", "      x"});
    Memo->SetSmartTabs(true);
    Memo->SetCurY(1);
    Memo->SetCurX(6);
    Memo->ClearSelection();
    Press(VK_BACK);
    EXPECT_EQ(Text(), "    word|    x") << "smart backspace returns to the word above";
    Press(VK_BACK);
    EXPECT_EQ(Text(), "    word|x");
    Memo->Undo();
    Memo->Undo();
    EXPECT_EQ(Text(), "    word|      x");
    EXPECT_EQ(Caret(), std::make_pair(6, 1));
    Memo->Redo();
    Memo->Redo();
    EXPECT_EQ(Text(), "    word|x");
    EXPECT_EQ(Caret(), std::make_pair(0, 1));
}

TEST_F(MemoTest, TypingInVirtualSpaceUndoesItsPadding)
{
    SetText({"ab", "long line"});
    Memo->SetCurY(1);
    Memo->SetCurX(6);
    Press(VK_UP);
    ASSERT_EQ(Caret(), std::make_pair(6, 0));
    Type("xy");
    EXPECT_EQ(Text(), "ab    xy|long line");
    Memo->Undo();
    EXPECT_EQ(Text(), "ab|long line") << "the blanks typing put before the characters go with them";
    EXPECT_FALSE(Memo->CanUndo());
    Memo->Redo();
    EXPECT_EQ(Text(), "ab    xy|long line");
    EXPECT_EQ(Caret(), std::make_pair(8, 0));
}

TEST_F(MemoTest, AutoCorrectReplacesTheTypedWordAsAnUndoableStep)
{
    TStringList before, after;
    before.Add("teh");
    before.Add("dont");
    before.Add("orphan"); // no partner: typed as it is
    after.Add("the");
    after.Add("don't");
    Memo->AutoCorrect().SetOldValue(before);
    Memo->AutoCorrect().SetNewValue(after);
    Type("teh dont orphan ");
    EXPECT_EQ(Text(), "the don't orphan ");
    EXPECT_EQ(Caret(), std::make_pair(17, 0));
    Memo->Undo(); // " orphan "
    Memo->Undo(); // the correction of dont
    EXPECT_EQ(Text(), "the dont");
    Memo->Undo(); // " dont"
    Memo->Undo(); // the correction of teh
    EXPECT_EQ(Text(), "teh");
    Memo->Undo();
    EXPECT_EQ(Text(), "");
    for (int i = 0; i < 4; ++i) Memo->Redo();
    EXPECT_EQ(Text(), "the don't");

    // Only the part of a word left of the caret was typed: the rest stays.
    SetText({"tehxyz"});
    Memo->SetCurX(3);
    Type(" ");
    EXPECT_EQ(Text(), "the xyz");
    Memo->AutoCorrect().SetActive(false);
    std::vector<std::pair<std::string, std::string>> seen;
    Memo->OnWordComplete = [&](TObject*, const std::string& word, std::string& replacement) {
        seen.emplace_back(word, replacement);
        if (word == "up") replacement = "UP";
    };
    SetText({""});
    Type("go up.");
    EXPECT_EQ(Text(), "go UP.");
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, std::string>>{{"go", "go"}, {"up", "up"}}));
}

TEST_F(MemoTest, CharCaseConvertsTypedLetters)
{
    Memo->SetCharCase(ecUpperCase);
    Type("ab1");
    Memo->SetCharCase(ecLowerCase);
    Type("CD");
    EXPECT_EQ(Text(), "AB1cd");
}

TEST_F(MemoTest, CorrectionStepsExchangeTheLineAndSkipALineThatIsGone)
{
    SetText({"one", "two"});
    Memo->Lines().SetStrings(1, "TWO");
    Memo->AddUndoStep(new TCorrectUndo(1, "two"));
    Memo->Undo();
    EXPECT_EQ(Text(), "one|two");
    Memo->Redo();
    EXPECT_EQ(Text(), "one|TWO");
    Memo->AddUndoStep(new TCorrectUndo(7, "gone"));
    Memo->Undo();
    EXPECT_EQ(Text(), "one|TWO");
    EXPECT_FALSE(Memo->UndoList().IsPerforming());
}

TEST_F(MemoTest, AltBackspaceFindReplaceAndClipboardMessages)
{
    Type("abc");
    Press(VK_BACK, {ssAlt});
    EXPECT_EQ(Text(), "");
    Press(VK_BACK, {ssAlt, ssShift});
    EXPECT_EQ(Text(), "abc");
    Memo->SetReadOnly(true);
    Press(VK_BACK, {ssAlt});
    EXPECT_EQ(Text(), "abc") << "a read-only memo is not undone";
    Memo->SetReadOnly(false);

    int finds = 0, replaces = 0;
    Memo->OnFind = [&](TObject*) { ++finds; };
    Memo->OnReplace = [&](TObject*) { ++replaces; };
    Press('F', {ssCtrl});
    Press('H', {ssCtrl});
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(replaces, 1);
    EXPECT_EQ(Text(), "abc") << "the letters are not typed";

    Memo->SelectAll();
    Memo->Perform(WM_COPY, 0, 0);
    EXPECT_EQ(Clipboard()->AsText(), "abc");
    Memo->Perform(WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "");
    Memo->Perform(WM_PASTE, 0, 0);
    Memo->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "abcabc");
}
