// Per-line marks, change notification of mark writes, soft-wrap mapping and the lexer-state cache.
#include "memo/MemoLineAttributes.h"
#include "memo/tests/LinesTestMemo.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace memo;

TEST(MemoLineAttributes, LinesWithoutLineObjectsReadAsNew)
{
    LinesTestMemo memo;
    memo.Lines.Insert(0, "x");
    ASSERT_EQ(memo.Lines.GetLineProp(0), nullptr);
    TStyle style;
    EXPECT_FALSE(BreakPoint(memo.Lines, 0));
    EXPECT_FALSE(Executable(memo.Lines, 0));
    EXPECT_FALSE(Bookmark(memo.Lines, 0));
    EXPECT_EQ(LineModifiedInt(memo.Lines, 0), lmUnmodified);
    EXPECT_FALSE(IsLineWrapped(memo.Lines, 0));
    EXPECT_FALSE(GetCachedStyle(memo.Lines, 0, style));
    EXPECT_FALSE(BreakPoint(memo.Lines, 42));
    EXPECT_THROW(SetBreakPoint(memo.Lines, 42, true), EStringListError);
}

TEST(MemoLineAttributes, MarksFireNoLineChangeButExecutableAndCachesDo)
{
    LinesTestMemo memo;
    memo.Lines.Add("b");
    const int changes = memo.linesChanged;
    SetBreakPoint(memo.Lines, 0, true);
    SetBookmark(memo.Lines, 0, true);
    SetLineModifiedInt(memo.Lines, 0, lmModified);
    EXPECT_EQ(memo.linesChanged, changes);
    EXPECT_EQ(memo.repaints, 3);

    SetExecutable(memo.Lines, 1, true);
    SetLineWrapped(memo.Lines, 1, true);
    SetCachedStyle(memo.Lines, 1, TStyle{});
    EXPECT_EQ(memo.linesChanged, changes + 3);
}

TEST(MemoLineAttributes, RewritingAModifiedMarkChangesNothingAndKeepsTheMemoListening)
{
    LinesTestMemo memo;
    SetLineModifiedInt(memo.Lines, 0, lmSaved);
    const int repaints = memo.repaints;
    SetLineModifiedInt(memo.Lines, 0, lmSaved);
    EXPECT_EQ(memo.repaints, repaints);
    const int changes = memo.linesChanged;
    memo.Lines.SetStrings(0, "edited");
    EXPECT_EQ(memo.linesChanged, changes + 1);

    SetLineModifiedInt(memo.Lines, 5, lmModified);
    EXPECT_EQ(memo.Lines.Count(), 1);
    EXPECT_TRUE(LineModified(memo.Lines, 0));
    SetLineModified(memo.Lines, 0, false);
    EXPECT_EQ(LineModifiedInt(memo.Lines, 0), lmUnmodified);
}

TEST(MemoLineAttributes, ClearOperationsResetEveryLineObject)
{
    LinesTestMemo memo;
    memo.Lines.Add("b");
    for (int i = 0; i < 2; ++i) {
        SetBreakPoint(memo.Lines, i, true);
        SetExecutable(memo.Lines, i, true);
        SetLineModified(memo.Lines, i, true);
        SetCachedStyle(memo.Lines, i, TStyle{.isComment = true, .index = 3});
    }
    ClearBreakpoints(memo.Lines);
    ClearExecutableLines(memo.Lines);
    ClearModified(memo.Lines);
    ClearStyleCache(memo.Lines);
    TStyle style;
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(BreakPoint(memo.Lines, i));
        EXPECT_FALSE(Executable(memo.Lines, i));
        EXPECT_FALSE(LineModified(memo.Lines, i));
        EXPECT_FALSE(GetCachedStyle(memo.Lines, i, style));
    }
    EXPECT_EQ(memo.statusChanges, 1);
}

TEST(MemoLineAttributes, StyleCacheRangeClearsOnlyItsLines)
{
    LinesTestMemo memo;
    for (int i = 1; i < 6; ++i)
        memo.Lines.Add("x");
    const TStyle cached{.isBracket = true, .EndBracket = u'"', .StartBracket = u'"', .index = 7};
    for (int i = 0; i < 6; ++i)
        SetCachedStyle(memo.Lines, i, cached);
    ClearStyleCacheRange(memo.Lines, 4, 2);
    ClearStyleCacheRange(memo.Lines, 2, 3);
    TStyle style;
    const bool expected[] = {true, true, false, false, true, true};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetCachedStyle(memo.Lines, i, style), expected[i]) << "line " << i;
    ASSERT_TRUE(GetCachedStyle(memo.Lines, 5, style));
    EXPECT_EQ(style, cached);
}

TEST(MemoLineAttributes, WrappedLineIndexCountsContinuationsAboveWhileWrapping)
{
    LinesTestMemo memo;
    for (int i = 1; i < 5; ++i)
        memo.Lines.Add("x");
    SetLineWrapped(memo.Lines, 2, true);
    EXPECT_EQ(GetWrappedLineIndex(memo.Lines, 3), 3);
    memo.softWrap = true;
    EXPECT_EQ(GetWrappedLineIndex(memo.Lines, 3), 2);
    EXPECT_EQ(GetWrappedLineIndex(memo.Lines, 1), 1);
    EXPECT_EQ(GetWrappedLineIndex(memo.Lines, -1), -1);
}

TEST(MemoLineAttributes, WrappedTextJoinsContinuationsAndLeavesTheLinesWrapped)
{
    LinesTestMemo memo;
    memo.Lines.SetStrings(0, "first ");
    memo.Lines.Add("half");
    memo.Lines.Add("second");
    SetLineWrapped(memo.Lines, 1, true);
    memo.softWrap = true;
    EXPECT_EQ(WrappedText(memo.Lines), "first half\r\nsecond\r\n");
    EXPECT_EQ(WrappedLine(memo.Lines, 1), "second");
    EXPECT_THROW(WrappedLine(memo.Lines, 2), EStringListError);
    EXPECT_EQ(memo.Lines.Count(), 3);
    EXPECT_TRUE(IsLineWrapped(memo.Lines, 1));
    EXPECT_TRUE(memo.refreshing);
}
