// Finding and replacing in the memo, its status and version, error marks and block matching.
#include "MemoFixture.h"

#include "memo/MemoLineAttributes.h"
#include "memo/QuillmWS.h"

namespace {

struct FindCase {
    const char* Name;
    std::initializer_list<const char*> Lines;
    int CaretX, CaretY;
    const char* Search;
    TFindOptions Options;
    int WantX, WantY; // -1: not found
};

} // namespace

TEST_F(MemoTest, FindTextWalksMatchesFromTheCaret)
{
    const FindCase cases[] = {
        {"forward skips the caret line's left part", {"abc abc", "abc"}, 3, 0, "abc", {frDown}, 4, 0},
        {"forward finds on later lines", {"abc xyz", "  abc"}, 3, 0, "abc", {frDown, frWholeWord}, 2, 1},
        {"backward: the rightmost left of the caret", {"ab ab ab"}, 7, 0, "ab", {}, 3, 0},
        {"case folded ASCII only", {"x ABC", "\xC3\x89t\xC3\xA9"}, 0, 0, "abc", {frDown}, 2, 0},
        {"accented capital does not fold", {"\xC3\x89t\xC3\xA9"}, 0, 0, "\xC3\xA9t", {frDown}, -1, -1},
        {"match case", {"ABC abc"}, 0, 0, "abc", {frDown, frMatchCase}, 4, 0},
        {"whole word not in concat or cat5", {"concat cat5", "the cat."}, 0, 0, "cat", {frDown, frWholeWord}, 4, 1},
        {"whole word after a part word on one line", {"concat cat"}, 0, 0, "cat", {frDown, frWholeWord}, 7, 0},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SetText(c.Lines);
        Memo->SetCurY(c.CaretY);
        Memo->SetCurX(c.CaretX);
        Memo->ClearSelection();
        const int found = Memo->FindText(c.Search, c.Options);
        if (c.WantY < 0) {
            EXPECT_EQ(found, -1);
            EXPECT_EQ(Memo->SelLength(), 0);
            EXPECT_EQ(Caret(), std::make_pair(c.CaretX, c.CaretY));
            continue;
        }
        EXPECT_EQ(Caret(), std::make_pair(c.WantX, c.WantY));
        EXPECT_EQ(found, Memo->TextFromPos(c.WantX, c.WantY));
        EXPECT_EQ(Memo->Selection(), Memo->Lines().Strings(c.WantY).substr(static_cast<size_t>(c.WantX), std::string(c.Search).size()));
    }
}

TEST_F(MemoTest, RepeatedFindWalksEveryMatchThenResetsTheSelection)
{
    SetText({"a foo b foo", "foo"});
    std::vector<std::pair<int, int>> seen;
    while (Memo->FindText("foo", {frDown}) >= 0) seen.push_back(Caret());
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 0}, {8, 0}, {0, 1}}));
    EXPECT_EQ(Memo->SelStartX(), 0);
    EXPECT_EQ(Memo->SelEndY(), 0);
    EXPECT_EQ(Memo->FindText("", {frDown}), -1);
}

TEST_F(MemoTest, FindTextCountReportsEachMatchingLineOnce)
{
    SetText({"foo foo", "bar", "xfoo"});
    std::vector<std::pair<int, int>> found;
    EXPECT_EQ(Memo->FindTextCount("foo", {frDown}), -1); // nobody listens
    Memo->OnTextFound = [&](TObject*, int X, int Y) { found.push_back({X, Y}); };
    EXPECT_EQ(Memo->FindTextCount("foo", {frDown}), 2);
    EXPECT_EQ(found, (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}}));
}

TEST_F(MemoTest, FindTextPosLeavesCaretAndUsesSpacesForWholeWords)
{
    SetText({"cat;", "x cat"});
    EXPECT_EQ(Memo->FindTextPos("cat", {frDown, frWholeWord}), Memo->TextFromPos(2, 1));
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_EQ(Memo->FindText("cat", {frDown, frWholeWord}), 0);
}

TEST_F(MemoTest, ReplaceAllIsOneUndoStepAndNeverLoops)
{
    struct Case {
        const char* Name;
        std::initializer_list<const char*> Lines;
        const char *Find, *With;
        TFindOptions Options;
        int CaretX, CaretY;
        int Count;
        const char* After;
    } cases[] = {
        {"every match forward", {"a a a", "b a"}, "a", "b", {frDown}, 0, 0, 4, "b b b|b b"},
        {"empty replacement removes every match", {"xxxx", "abab"}, "x", "", {frDown}, 0, 0, 4, "|abab"},
        {"backward with the search text inside the replacement", {"a a", "a"}, "a", "ba", {}, 1, 1, 3, "ba ba|ba"},
        {"whole words only", {"cat concat cat"}, "cat", "dog", {frDown, frWholeWord}, 0, 0, 2, "dog concat dog"},
        {"a line break in the replacement", {"a;b"}, ";", "\r\n", {frDown}, 0, 0, 1, "a|b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetText(c.Lines);
        const std::string before = Text();
        Memo->SetCurY(c.CaretY);
        Memo->SetCurX(c.CaretX);
        Memo->ClearSelection();
        EXPECT_EQ(Memo->FindAndReplace(c.Find, c.With, c.Options), c.Count);
        EXPECT_EQ(Text(), c.After);
        EXPECT_TRUE(Memo->Modified());
        Memo->Undo();
        EXPECT_EQ(Text(), before);
        EXPECT_FALSE(Memo->CanUndo());
        Memo->Redo();
        EXPECT_EQ(Text(), c.After);
    }
    SetText({"abc"});
    EXPECT_EQ(Memo->FindAndReplace("", "x", {frDown}), 0);
    EXPECT_EQ(Memo->FindAndReplace("zz", "x", {frDown}), 0);
    EXPECT_FALSE(Memo->Modified());
}

TEST_F(MemoTest, CtrlFAndCtrlHAskTheApplication)
{
    int finds = 0, replaces = 0;
    Memo->OnFind = [&](TObject*) { ++finds; };
    Memo->OnReplace = [&](TObject*) { ++replaces; };
    Press('F', {ssCtrl});
    Press('H', {ssCtrl});
    Press('H', {ssCtrl});
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(replaces, 2);
}

TEST_F(MemoTest, ModifiedFollowsTheUndoListAndVersionIsFixed)
{
    SetText({"abc"});
    EXPECT_FALSE(Memo->Modified());
    int status = 0;
    Memo->OnStatusChange = [&](TObject*) { ++status; };
    Type("x");
    EXPECT_TRUE(Memo->Modified());
    EXPECT_EQ(memo::LineModifiedInt(Memo->Lines(), 0), lmModified);
    status = 0;
    Memo->SetModified(true); // writing true changes nothing
    EXPECT_TRUE(Memo->Modified());
    Memo->SetModified(false);
    EXPECT_FALSE(Memo->Modified());
    EXPECT_FALSE(Memo->CanUndo());
    EXPECT_GT(status, 0);
    EXPECT_EQ(memo::LineModifiedInt(Memo->Lines(), 0), lmUnmodified);
    EXPECT_EQ(Memo->Lines().Strings(0), "xabc");
    EXPECT_EQ(Memo->GetVersionNr(), 0x02030B00u);
    EXPECT_EQ(Memo->GetVersionString(), "2.3.11.0 Dec, 2011");
}

TEST_F(MemoTest, CanCutCanCopyAndClear)
{
    SetText({"abc", "def"});
    EXPECT_FALSE(Memo->CanCopy());
    Memo->SelectAll();
    EXPECT_TRUE(Memo->CanCopy());
    EXPECT_TRUE(Memo->CanCut());
    Memo->SetReadOnly(true);
    EXPECT_FALSE(Memo->CanCut());
    Memo->SetReadOnly(false);
    Type("x");
    const bool couldUndo = Memo->CanUndo();
    Memo->SetBookmarks(0, 0);
    Memo->Clear();
    EXPECT_EQ(Memo->Lines().Count(), 0);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_EQ(Memo->Bookmarks(0), -1);
    EXPECT_EQ(Memo->CanUndo(), couldUndo);
}

TEST_F(MemoTest, ErrorMarksAreAddedAndCleared)
{
    SetText({"teh word", "ok"});
    Memo->SetError(0, 0, 3);
    Memo->SetError(0, 0, 3);
    Memo->SetError(0, 4, 4);
    const TLineProp* prop = Memo->Lines().GetLineProp(0);
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->FErrStart.Count(), 3);
    Memo->ClearWordError(0, 0);
    EXPECT_EQ(prop->FErrStart.Count(), 2);
    Memo->ClearLineErrors(0);
    EXPECT_EQ(prop->FErrStart.Count(), 0);
    Memo->SetError(1, 0, 2);
    Memo->ClearErrors();
    EXPECT_EQ(Memo->Lines().GetLineProp(1)->FErrLen.Count(), 0);
    EXPECT_THROW(Memo->SetError(5, 0, 1), EStringListError);
}

TEST_F(MemoTest, BlockWordsAroundTheCaretAreMarked)
{
    TQuillCustomMemoStyler styler(Form);
    styler.SetBlockStart("open");
    styler.SetBlockEnd("close,end");
    Memo->SetSyntaxStyles(&styler);
    int notified = 0;
    Memo->OnCursorChange = [&](TObject*) { ++notified; };
    struct Case {
        const char* Name;
        int CaretY;
        int StartLine, StartCol, EndLine, EndCol;
    } cases[] = {
        {"on an open line", 0, 0, 2, 4, 0},
        {"on a nested open line", 1, 1, 3, 2, 3},
        {"between, around a nested block", 3, 0, 2, 4, 0},
        {"on an end line", 2, 1, 3, 2, 3},
        {"opener is not open", 5, -1, -1, -1, -1},
    };
    SetText({"  open x", "   open", "   end", "", "close", "opener"});
    Memo->SetSyntaxStyles(&styler);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        notified = 0;
        Memo->SetCurY(c.CaretY == 0 ? 1 : 0);
        Memo->SetCurY(c.CaretY);
        EXPECT_GT(notified, 0);
        EXPECT_EQ(Memo->BlockEndMark().Line, c.StartLine);
        EXPECT_EQ(Memo->BlockEndMark().Start, c.StartCol);
        EXPECT_EQ(Memo->BlockStartMark().Line, c.EndLine);
        EXPECT_EQ(Memo->BlockStartMark().Start, c.EndCol);
    }
    int pos = 0;
    EXPECT_EQ(Memo->FindWholeWord("OPEN", "OPENER OPEN", pos), 8);
    std::string words = "CLOSE,END";
    EXPECT_EQ(Memo->FindBlockWord(words, pos, "THE END"), 5);
    EXPECT_EQ(words, "END");
}
