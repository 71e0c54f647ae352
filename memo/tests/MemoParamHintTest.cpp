// The parameter hint: which call the caret is in, the parameter shown in bold, and when it hides.
#include "MemoFixture.h"

#include "memo/QuillmWS.h"

namespace {

class MemoHintTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        Styler = new TQuillHTMLMemoStyler(Form);
        Styler->HintParameter().Parameters().Add("Max(A: Integer; B: Integer)");
        Styler->HintParameter().Parameters().Add("Min(X, Y)");
        Memo->SetSyntaxStyles(Styler);
    }
    std::string Shown() const
    {
        const TQuillHintForm& hint = Memo->HintForm();
        if (!Memo->ParameterHintVisible()) return "(hidden)";
        std::string parts[] = {hint.Part1, hint.Part2, hint.Part3};
        if (hint.Active >= 1 && hint.Active <= 3) parts[hint.Active - 1] = "[" + parts[hint.Active - 1] + "]";
        return parts[0] + parts[1] + parts[2];
    }
    TQuillHTMLMemoStyler* Styler = nullptr;
};

} // namespace

TEST_F(MemoHintTest, FollowsTheCallTheCaretIsIn)
{
    Type("x = max(1");
    EXPECT_EQ(Shown(), "[A: Integer;] B: Integer");
    Type(", 2");
    EXPECT_EQ(Shown(), "A: Integer;[ B: Integer]") << "the second argument shows the second parameter";
    Type(")");
    EXPECT_EQ(Shown(), "(hidden)") << "behind the closed call there is no hint";
    Memo->Lines().Clear();
    Type("o.min(a,");
    EXPECT_EQ(Shown(), "X,[ Y]") << "a qualifier before the name is dropped";
    Type("     ");
    EXPECT_EQ(Shown(), "(hidden)") << "five blanks end the search for the call";
}

TEST_F(MemoHintTest, ManualHintTimerFocusAndSettings)
{
    Memo->SetAutoHintParameters(hpManual);
    Type("max(");
    EXPECT_EQ(Shown(), "(hidden)");
    Press(VK_SPACE, {ssCtrl, ssShift});
    EXPECT_EQ(Shown(), "[A: Integer;] B: Integer");
    EXPECT_EQ(Memo->Lines().Strings(0), "max(") << "the space of the shortcut is not typed";
    backend::input::AdvanceTime(static_cast<std::uint64_t>(Memo->AutoHintParameterDelay()) + 10);
    EXPECT_EQ(Shown(), "(hidden)") << "the hint goes after its delay";
    Press(VK_SPACE, {ssCtrl, ssShift});
    TEdit* other = new TEdit(Form);
    other->SetParent(Form);
    other->SetFocus();
    backend::input::Pump();
    EXPECT_EQ(Shown(), "(hidden)") << "losing the focus hides it";

    THintParameter copy;
    copy.Parameters().Add("kept");
    copy.HintCharStart = U'[';
    copy.Assign(&Styler->HintParameter());
    EXPECT_EQ(copy.HintCharStart, U'(');
    EXPECT_EQ(copy.Parameters().Count(), 1) << "the declarations are not copied";
}
