// The memo's line list: splitting and tabs on the way in, line objects, lengths, deletion and caret.
#include "memo/MemoLines.h"
#include "memo/tests/LinesTestMemo.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace memo;

namespace {

// Every line's length in characters sits in the length list, in line order.
void ExpectLengthsInStep(const TQuillMemoStrings& lines)
{
    ASSERT_EQ(lines.LineLengths().Count(), lines.Count());
    for (int i = 0; i < lines.Count(); ++i)
        EXPECT_EQ(lines.LineLengths().Items(i), static_cast<int>(rtl::Utf8Length(lines.Strings(i)))) << "line " << i;
}

class UserObject : public TObject {};

} // namespace

TEST(MemoLines, NewMemoHasOneEmptyLineThatIsNotRealContent)
{
    LinesTestMemo memo;
    EXPECT_EQ(memo.Lines.Count(), 1);
    EXPECT_EQ(memo.Lines.RealCount(), 0);
    memo.Lines.SetStrings(0, "a");
    EXPECT_EQ(memo.Lines.RealCount(), memo.Lines.Count());
    memo.Lines.Add("");
    EXPECT_EQ(memo.Lines.RealCount(), 2);
}

TEST(MemoLines, AddSplitsAtCarriageReturnsAndExpandsTabs)
{
    struct Case {
        const char* added;
        std::vector<std::string> appended;
    };
    const Case cases[] = {
        {"a\tb", {"a    b"}},
        {"x\r\ny\r\nz", {"x", "y", "z"}},
        {"x\ry", {"x", "y"}},
        {"x\ny", {"xy"}},
        {"x\r\n", {"x", ""}},
    };
    for (const Case& c : cases) {
        LinesTestMemo memo;
        int last = memo.Lines.Add(c.added);
        std::vector<std::string> expected{""};
        expected.insert(expected.end(), c.appended.begin(), c.appended.end());
        EXPECT_EQ(memo.Texts(), expected) << c.added;
        EXPECT_EQ(last, memo.Lines.Count() - 1) << c.added;
        ExpectLengthsInStep(memo.Lines);
    }
}

TEST(MemoLines, TabsFollowTabSizeAndAddObjectKeepsThem)
{
    LinesTestMemo memo;
    memo.tabSize = 2;
    memo.Lines.Add("a\tb");
    memo.Lines.AddObject("a\tb", nullptr);
    memo.Lines.SetStrings(0, "\t");
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"  ", "a  b", "a\tb"}));
    ExpectLengthsInStep(memo.Lines);
}

TEST(MemoLines, ListWithoutMemoKeepsTextAsGiven)
{
    TQuillMemoStrings lines;
    lines.Add("a\tb\rc");
    lines.Insert(0, "x\r\ny");
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Strings(0), "x\r\ny");
    EXPECT_EQ(lines.Strings(1), "a\tb\rc");
    lines.SetStrings(1, "\xC3\xA9t\xC3\xA9");
    ExpectLengthsInStep(lines);
}

TEST(MemoLines, InsertSplitsAtLineBreakPairsShiftsBookmarksAndMakesNoLineObjects)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "last");
    memo.bookmarks[0] = 0;
    memo.bookmarks[3] = 0;
    memo.Lines.Insert(0, "one\r\ntwo");
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"one", "two", "last"}));
    EXPECT_EQ(memo.bookmarks[0], 2);
    EXPECT_EQ(memo.bookmarks[3], 2);
    EXPECT_EQ(memo.bookmarks[1], -1);
    EXPECT_EQ(memo.Lines.GetLineProp(0), nullptr);
    EXPECT_EQ(memo.Lines.GetLineProp(1), nullptr);
    EXPECT_FALSE(BreakPoint(memo.Lines, 0));
    SetBreakPoint(memo.Lines, 0, true);
    ASSERT_NE(memo.Lines.GetLineProp(0), nullptr);
    EXPECT_TRUE(BreakPoint(memo.Lines, 0));
    ExpectLengthsInStep(memo.Lines);
}

TEST(MemoLines, InsertWithTrailingPairAddsEmptyLineAndRejectsBadIndexUntouched)
{
    LinesTestMemo memo;
    memo.Lines.Insert(1, "a\r\n");
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"", "a", ""}));
    EXPECT_THROW(memo.Lines.Insert(9, "b"), EStringListError);
    EXPECT_THROW(memo.Lines.SetStrings(9, "b"), EStringListError);
    ExpectLengthsInStep(memo.Lines);
}

TEST(MemoLines, DeleteGoesThroughTheMemoAndKeepsTheCaretOnItsLine)
{
    LinesTestMemo memo;
    for (int i = 1; i < 10; ++i)
        memo.Lines.Add("line " + std::to_string(i));
    memo.curY = 8;
    memo.curX = 3;
    memo.Lines.Delete(5);
    EXPECT_EQ(memo.deletedLines, (std::vector<std::string>{"line 5"}));
    EXPECT_EQ(memo.Lines.Count(), 9);
    EXPECT_EQ(memo.Lines.Strings(5), "line 6");
    EXPECT_EQ(memo.curY, 7);
    EXPECT_EQ(memo.curX, 3);
    ExpectLengthsInStep(memo.Lines);

    memo.Lines.Delete(-1);
    memo.Lines.Delete(9);
    EXPECT_EQ(memo.Lines.Count(), 9);
}

TEST(MemoLines, DeletingTheOnlyLineLeavesOneEmptyLine)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "only");
    memo.curX = 4;
    memo.Lines.Delete(0);
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{""}));
    EXPECT_EQ(memo.deletedLines, (std::vector<std::string>{"only"}));
    EXPECT_EQ(memo.curX, 0);
}

TEST(MemoLines, DeletingTheCaretsLastLineKeepsTheCaretOnAnExistingLine)
{
    LinesTestMemo memo;
    memo.Lines.Add("a");
    memo.Lines.Add("b");
    memo.curY = 2;
    memo.Lines.Delete(2);
    EXPECT_EQ(memo.curY, 1);
}

TEST(MemoLines, DeleteRemovesTheFoldingOfTheLine)
{
    LinesTestMemo memo;
    memo.folding = true;
    for (int i = 1; i < 5; ++i)
        memo.Lines.Add("x");
    memo.Lines.LineProp(1).SetHasChildren(true);
    memo.Lines.LineProp(3).SetHasParent(true);
    memo.Lines.LineProp(3).SetLastChildOfParents(1);
    memo.Lines.LineProp(2).SetHasParent(true);
    memo.Lines.Delete(3);
    memo.Lines.Delete(2);
    memo.Lines.Delete(1);
    EXPECT_EQ(memo.removedRegionEnds, (std::vector<int>{3}));
    EXPECT_EQ(memo.removedRegionStarts, (std::vector<int>{1}));
}

TEST(MemoLines, LineDataFollowsInsertsDeletesMovesAndExchanges)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "zero");
    memo.Lines.Add("one");
    memo.Lines.Add("two\xC3\xA9");
    memo.Lines.Add("three");
    SetBreakPoint(memo.Lines, 1, true);
    SetLineModifiedInt(memo.Lines, 2, lmModified);
    SetBookmark(memo.Lines, 3, true);

    memo.Lines.Insert(0, "new");       // new zero one two three
    memo.Lines.Delete(1);              // new one two three
    memo.Lines.Move(1, 3);             // new two three one
    memo.Lines.Exchange(0, 2);         // three two new one
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"three", "two\xC3\xA9", "new", "one"}));
    EXPECT_TRUE(Bookmark(memo.Lines, 0));
    EXPECT_EQ(LineModifiedInt(memo.Lines, 1), lmModified);
    EXPECT_FALSE(BreakPoint(memo.Lines, 2));
    EXPECT_TRUE(BreakPoint(memo.Lines, 3));
    ExpectLengthsInStep(memo.Lines);

    memo.Lines.Sort();
    EXPECT_TRUE(BreakPoint(memo.Lines, memo.Lines.IndexOf("one")));
    ExpectLengthsInStep(memo.Lines);
}

TEST(MemoLines, ObjectsAreTheUserObjectsNeverLineObjects)
{
    LinesTestMemo memo;
    UserObject first, second, third;
    memo.Lines.AddObject("a", &first);
    ASSERT_NE(memo.Lines.GetLineProp(1), nullptr);
    EXPECT_EQ(memo.Lines.Objects(1), &first);

    SetBreakPoint(memo.Lines, 1, true);
    memo.Lines.SetObjects(1, &second);
    EXPECT_EQ(memo.Lines.Objects(1), &second);
    EXPECT_TRUE(BreakPoint(memo.Lines, 1));

    // An inserted line keeps its user object in the slot until it gets a line object.
    memo.Lines.InsertObject(0, "b", &third);
    EXPECT_EQ(memo.Lines.GetLineProp(0), nullptr);
    EXPECT_EQ(memo.Lines.Objects(0), &third);
    SetExecutable(memo.Lines, 0, true);
    EXPECT_EQ(memo.Lines.Objects(0), &third);
    memo.Lines.CreateLineProp(0);
    EXPECT_EQ(memo.Lines.Objects(0), &third);

    EXPECT_EQ(memo.Lines.Objects(7), nullptr);
    memo.Lines.SetObjects(7, &first);
    EXPECT_THROW(memo.Lines.CreateLineProp(7), EStringListError);
}

TEST(MemoLines, DeletedLinesKeepTheirLineObjectsUntilClear)
{
    LinesTestMemo memo;
    memo.Lines.Add("a");
    SetBreakPoint(memo.Lines, 1, true);
    TLineProp* orphan = memo.Lines.GetLineProp(1);
    memo.Lines.Delete(1);
    ASSERT_EQ(memo.Lines.Pool().size(), 2u);
    ClearBreakpoints(memo.Lines);
    EXPECT_FALSE(orphan->BreakPoint);
    memo.Lines.Clear();
    EXPECT_TRUE(memo.Lines.Pool().empty());
    EXPECT_EQ(memo.Lines.LineLengths().Count(), 0);
}

TEST(MemoLines, NewLineObjectInsideAFoldedRegionIsMarkedAsChild)
{
    LinesTestMemo memo;
    memo.folding = true;
    memo.Lines.Add("body");
    memo.Lines.Add("end");
    memo.Lines.LineProp(0).SetHasChildren(true);
    memo.Lines.Insert(1, "inserted");
    EXPECT_TRUE(memo.Lines.LineProp(1).HasParent());

    memo.Lines.Insert(0, "before");
    EXPECT_FALSE(memo.Lines.LineProp(0).HasParent());
}

TEST(MemoLines, UpdateBracketFiresNoChangeEventsAtItsEnds)
{
    LinesTestMemo memo;
    int changing = 0;
    memo.Lines.OnChanging = [&](TObject*) { ++changing; };
    const int changes = memo.linesChanged;
    memo.Lines.BeginUpdate();
    memo.Lines.Add("a");
    memo.Lines.EndUpdate();
    EXPECT_EQ(changing, 0);
    EXPECT_EQ(memo.linesChanged, changes);
    memo.Lines.Add("b");
    EXPECT_EQ(memo.linesChanged, changes + 1);
}

TEST(MemoLines, AssignTakesLengthsFromTheStoredLinesAndRestoresFolding)
{
    LinesTestMemo memo;
    memo.folding = true;
    memo.trimTrailingSpaces = true;
    TStringList source;
    source.Add("kept   ");
    source.Add("b");
    memo.Lines.Assign(&source);
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"kept", "b"}));
    EXPECT_TRUE(memo.folding);
    ExpectLengthsInStep(memo.Lines);

    TQuillMemoStrings unattached;
    unattached.Assign(&source);
    EXPECT_EQ(unattached.Count(), 2);
    ExpectLengthsInStep(unattached);
    TPersistent notAList;
    EXPECT_THROW(unattached.Assign(&notAList), EConvertError);
}

namespace {

// A source list that fails while it is being read.
class FailingStrings : public TStringList {
public:
    std::string Strings(int Index) const override
    {
        if (Index == 1)
            throw EStringListError("read failed");
        return TStringList::Strings(Index);
    }
};

} // namespace

TEST(MemoLines, ReplaceLinesHandsBackLineObjectsAndRecoversFromAFailingSource)
{
    LinesTestMemo memo;
    SetBreakPoint(memo.Lines, 0, true);
    TStringList replacement;
    replacement.Add("x");
    replacement.Add("y");
    TQuillMemoStrings::LineProps old = memo.Lines.ReplaceLines(replacement);
    ASSERT_EQ(old.size(), 1u);
    EXPECT_TRUE(old[0]->BreakPoint);
    EXPECT_EQ(memo.Texts(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(memo.Lines.GetLineProp(0), nullptr);
    ExpectLengthsInStep(memo.Lines);

    FailingStrings failing;
    failing.Add("p");
    failing.Add("q");
    EXPECT_THROW((void)memo.Lines.ReplaceLines(failing), EStringListError);
    memo.Lines.Add("after");
    EXPECT_NE(memo.Lines.GetLineProp(memo.Lines.Count() - 1), nullptr);
}
