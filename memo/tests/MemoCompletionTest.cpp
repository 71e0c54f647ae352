// The completion list: which candidates it offers, the keys it takes, and what accepting inserts.
#include "MemoFixture.h"

#include "memo/QuillmWS.h"

namespace {

class MemoCompletionTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        Styler = new TQuillHTMLMemoStyler(Form);
        Styler->AutoCompletion().AddObject("function Max(A, B: Integer): Integer", CompletionKindObject(ckFunction));
        Styler->AutoCompletion().AddObject("var Mode: Integer", CompletionKindObject(ckVariable));
        Styler->AutoCompletion().AddObject("procedure Print(S: string)", CompletionKindObject(ckProcedure));
        Styler->HintParameter().Parameters().Add("Max(A: Integer; B: Integer)");
        Memo->SetSyntaxStyles(Styler);
    }
    std::vector<std::string> Listed() const
    {
        std::vector<std::string> items;
        if (TAutoCompletionListBox* list = Memo->ListCompletion())
            for (int i = 0; i < list->Count(); ++i) items.push_back(list->Items().Strings(i));
        return items;
    }
    std::string Line() const { return Memo->Lines().Strings(Memo->CurY()); }
    TQuillHTMLMemoStyler* Styler = nullptr;
};

using Items = std::vector<std::string>;

} // namespace

TEST_F(MemoCompletionTest, CtrlSpaceListsTheMatchesAndEnterInsertsTheCall)
{
    Type("x := M");
    Press(VK_SPACE, {ssCtrl});
    ASSERT_NE(Memo->FormAutoCompletion(), nullptr);
    EXPECT_EQ(Listed(), (Items{"function Max(A, B: Integer): Integer", "var Mode: Integer"}));
    EXPECT_EQ(Line(), "x := M") << "the space of the shortcut is not typed";
    Type("a");
    EXPECT_EQ(Listed(), (Items{"function Max(A, B: Integer): Integer"})) << "typing filters the open list";
    Press(VK_RETURN);
    EXPECT_EQ(Memo->FormAutoCompletion(), nullptr);
    EXPECT_EQ(Line(), "x := Max()");
    EXPECT_EQ(Memo->CurX(), 9) << "the caret sits between the parentheses";
    EXPECT_TRUE(Memo->ParameterHintVisible());
    EXPECT_EQ(Memo->HintForm().Part2, "A: Integer;") << "the hint shows the first parameter in bold";
}

TEST_F(MemoCompletionTest, KeysInTheOpenList)
{
    struct Case {
        const char* Name;
        std::function<void()> Keys;
        const char* LineAfter;
        bool OpenAfter;
    };
    const Case cases[] = {
        {"Esc closes", [&] { Press(VK_ESCAPE); }, "M", false},
        {"a symbol closes without being typed", [&] { Type("+"); }, "M", false},
        {"Down then Enter takes the second", [&] { Press(VK_DOWN); Press(VK_RETURN); }, "Mode", false},
        {"Space accepts without typing a space", [&] { Type(" "); }, "Max()", false},
        {"Backspace edits and keeps it open", [&] { Press(VK_BACK); }, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Memo->Lines().Clear();
        Type("M");
        Press(VK_SPACE, {ssCtrl});
        ASSERT_NE(Memo->FormAutoCompletion(), nullptr);
        c.Keys();
        EXPECT_EQ(Line(), c.LineAfter);
        EXPECT_EQ(Memo->FormAutoCompletion() != nullptr, c.OpenAfter);
        Memo->CloseAutoCompletion();
    }
}

TEST_F(MemoCompletionTest, HandlersStartTokenTimerAndSettings)
{
    // Without a styler the handler alone supplies candidates; hooks may rename the entry.
    Memo->SetSyntaxStyles(nullptr);
    int asked = 0;
    Memo->OnGetAutoCompletionList = [&](TObject*, const std::string& token, TStringList& list) {
        ++asked;
        list.AddObject("method Open(Path)", CompletionKindObject(ckMethod));
        EXPECT_EQ(token, "O");
    };
    Memo->OnInsertAutoCompletionEntry = [](TObject*, std::string& entry) { entry = "OpenFile"; };
    Type("o");
    Press(VK_SPACE, {ssCtrl});
    EXPECT_EQ(Listed(), (Items{"method Open(Path)"}));
    Press(VK_RETURN);
    EXPECT_EQ(Line(), "OpenFile");

    // A start character arms the timer; a key before it fires disarms it.
    Memo->OnGetAutoCompletionList = [](TObject*, const std::string&, TStringList& list) { list.Add("Length"); };
    Memo->OnInsertAutoCompletionEntry = nullptr;
    Memo->AutoCompletion().SetDelay(100);
    Memo->Lines().Clear();
    Type("s.");
    Press(VK_LEFT);
    backend::input::AdvanceTime(200);
    EXPECT_EQ(Memo->FormAutoCompletion(), nullptr);
    Press(VK_RIGHT);
    Type(".");
    backend::input::AdvanceTime(200);
    ASSERT_NE(Memo->FormAutoCompletion(), nullptr) << "the list opens after the delay";
    Press(VK_RETURN);
    EXPECT_EQ(Line(), "s..Length") << "in anchored mode the name goes in at the caret";

    // Refused while read-only or inactive; the settings copy whole.
    Memo->Lines().Clear();
    Memo->SetReadOnly(true);
    Press(VK_SPACE, {ssCtrl});
    EXPECT_EQ(Memo->FormAutoCompletion(), nullptr);
    Memo->SetReadOnly(false);
    TAutoCompletion copy(nullptr);
    copy.StartToken = "#";
    copy.SetDelay(42);
    copy.Active = false;
    Memo->SetAutoCompletion(copy);
    EXPECT_EQ(Memo->AutoCompletion().Delay(), 42);
    Press(VK_SPACE, {ssCtrl});
    EXPECT_EQ(Memo->FormAutoCompletion(), nullptr);
    EXPECT_TRUE(Memo->IsCompletionStartKey(U'#'));
    EXPECT_TRUE(Memo->IsCompletionWordChar(U'é'));
    EXPECT_FALSE(Memo->IsCompletionWordChar(U'+'));
}

TEST_F(MemoCompletionTest, KeepLastSizeAndListWidth)
{
    Memo->AutoCompletion().KeepLastSize = true;
    Type("M");
    Press(VK_SPACE, {ssCtrl});
    ASSERT_NE(Memo->FormAutoCompletion(), nullptr);
    TAutoCompletionListBox& list = *Memo->ListCompletion();
    EXPECT_GE(list.ItemHeight(), 16);
    const int needed = list.AutoAdaptWidth();
    EXPECT_EQ(Memo->FormAutoCompletion()->Width(), needed);
    Memo->FormAutoCompletion()->SetBounds(Memo->FormAutoCompletion()->Left(), Memo->FormAutoCompletion()->Top(), 321, 123);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Memo->AutoCompletion().AutoWidth);
    Press(VK_SPACE, {ssCtrl});
    ASSERT_NE(Memo->FormAutoCompletion(), nullptr);
    EXPECT_EQ(Memo->FormAutoCompletion()->Width(), 321) << "the list opens at the size the user gave it";
    EXPECT_EQ(Memo->FormAutoCompletion()->Height(), 123);
}
