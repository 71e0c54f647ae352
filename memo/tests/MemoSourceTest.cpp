// Shared documents: a memo switching between sources keeps each one's place; the checker runs while typing.
#include "MemoFixture.h"

namespace {

std::string Joined(const TStrings& Lines)
{
    std::string all;
    for (int i = 0; i < Lines.Count(); ++i) all += (i ? "|" : "") + Lines.Strings(i);
    return all;
}

class MemoSourceTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        SourceA = new TQuillMemoSource(Form);
        SourceB = new TQuillMemoSource(Form);
        for (const char* line : {"alpha one", "alpha two", "alpha three", "alpha four"}) SourceA->Lines().Add(line);
        SourceB->Lines().Add("b\tx");
    }
    TQuillMemoSource* SourceA = nullptr;
    TQuillMemoSource* SourceB = nullptr;
};

// Records what the memo asks of it; corrects "teh" to "the".
class RecordingChecker : public TQuillMemoChecker {
public:
    using TQuillMemoChecker::TQuillMemoChecker;
    std::vector<std::string> Calls;
    void CheckLine(int LineNo) override { Calls.push_back("CheckLine " + std::to_string(LineNo)); }
    void CheckWord(int LineNo, int LinePos, const std::string& S) override
    {
        Calls.push_back("CheckWord " + std::to_string(LineNo) + " " + std::to_string(LinePos) + " " + S);
    }
    void CorrectWord(int, int, std::string& S) override
    {
        if (S == "teh") S = "the";
    }
};

} // namespace

TEST_F(MemoSourceTest, EachSourceKeepsItsTextUndoAndPlace)
{
    SetText({"own text"});
    Memo->SetMemoSource(SourceA);
    EXPECT_EQ(Joined(Memo->EffectiveLines()), "alpha one|alpha two|alpha three|alpha four");
    EXPECT_EQ(Joined(Memo->Lines()), "own text") << "Lines stays the memo's own list";
    Memo->SetCursor(5, 2);
    Type("!");
    Memo->SetBookmarks(3, 0);
    EXPECT_EQ(SourceA->Lines().Strings(2), "alpha! three");
    EXPECT_TRUE(SourceA->Modified());
    TQuillMemoSavePos before;
    Memo->SaveViewState(before);

    Memo->SetMemoSource(SourceB);
    EXPECT_EQ(Joined(Memo->EffectiveLines()), "b    x") << "binding turns the source's tabs into spaces";
    EXPECT_EQ(Memo->CurY(), 0) << "a source shorter than the caret line puts the caret at the top";
    EXPECT_EQ(Memo->Bookmarks(3), 0) << "a new source keeps the memo's bookmark slots";
    EXPECT_FALSE(Memo->CanUndo()) << "B has its own undo list";
    EXPECT_EQ(SourceA->Memo(), nullptr);
    EXPECT_TRUE(SourceA->Modified()) << "unbound, the source reports its own undo steps";

    Memo->SetBookmarks(3, -1);
    Memo->SetMemoSource(SourceA);
    TQuillMemoSavePos after;
    Memo->SaveViewState(after);
    EXPECT_EQ(std::tie(after.CurX, after.CurY, after.TopLine, after.LeftCol), std::tie(before.CurX, before.CurY, before.TopLine, before.LeftCol));
    EXPECT_EQ(Memo->Bookmarks(3), 0) << "A's bookmark slots come back with it";
    Memo->Undo();
    EXPECT_EQ(SourceA->Lines().Strings(2), "alpha three") << "undo works on A's steps";
    Memo->SetModified(false);
    EXPECT_FALSE(SourceA->Modified());

    Memo->SetMemoSource(nullptr);
    EXPECT_EQ(Joined(Memo->EffectiveLines()), "own text") << "without a source the memo's own text is back";
}

TEST_F(MemoSourceTest, TwoMemosTakeTurnsOnOneSourceAndASourceCanGo)
{
    auto* second = new TQuillMemo(Form);
    second->SetParent(Form);
    Memo->SetMemoSource(SourceA);
    second->SetMemoSource(SourceA);
    EXPECT_EQ(SourceA->Memo(), second) << "one memo is bound at a time";
    SourceA->AttachMemo(Memo);
    Memo->SetCursor(0, 0);
    Type("X");
    EXPECT_EQ(second->EffectiveLines().Strings(0), "Xalpha one") << "the other memo shows the same lines";
    second->SetMemoSource(nullptr);
    EXPECT_EQ(SourceA->Memo(), Memo) << "a memo leaving the source does not unbind the other";

    delete SourceA;
    EXPECT_EQ(Memo->MemoSource(), nullptr);
    EXPECT_EQ(Memo->EffectiveLines().Count(), Memo->Lines().Count());
    Memo->SetCursor(0, 0);
    Type("y");
    EXPECT_EQ(Memo->Lines().Strings(0), "y") << "the memo edits its own lines again";
}

TEST_F(MemoSourceTest, TheCheckerRunsAtWordAndLineEnds)
{
    auto* checker = new RecordingChecker(Form);
    Memo->SetMemoChecker(checker);
    EXPECT_EQ(checker->Memo(), Memo);
    struct Case {
        TAutoCorrectType Type;
        const char* Keys;
        std::vector<std::string> Calls;
        const char* Line;
    };
    const Case cases[] = {
        {acWordCheck, "ab cd", {"CheckWord 0 2 ab"}, "ab cd"},
        {acLineCheck, "ab cd\r", {"CheckLine 0"}, "ab cd"},
        {acWordCorrect, "teh x", {}, "the x"},
        {acNone, "teh x\r", {}, "teh x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Keys);
        SetText({""});
        checker->Calls.clear();
        checker->SetAutoCorrectType(c.Type);
        for (const char* k = c.Keys; *k; ++k) {
            if (*k == '\r') Press(VK_RETURN);
            else Type(std::string(1, *k));
        }
        EXPECT_EQ(checker->Calls, c.Calls);
        EXPECT_EQ(Memo->Lines().Strings(0), c.Line);
    }
    SetText({"teh"});
    checker->SetAutoCorrectType(acWordCorrect);
    Memo->SetCursor(3, 0);
    Type(" ");
    EXPECT_EQ(Memo->Lines().Strings(0), "the ");
    Memo->Undo();
    Memo->Undo();
    EXPECT_EQ(Memo->Lines().Strings(0), "teh") << "the correction is one undo step";

    delete checker;
    EXPECT_EQ(Memo->MemoChecker(), nullptr);
    Type(" ");
}
