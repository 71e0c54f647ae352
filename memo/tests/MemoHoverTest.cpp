// Hover hints for the word or token under the mouse, and the gutter's right and double clicks.
#include "MemoFixture.h"

#include "platform/ui/Hints.h"

namespace {

class MemoHoverTest : public MemoTest {
public:
    // The hint the memo gives for a client point: its text, or "(none)" when it refuses one.
    std::string HintAt(int Column, int Line)
    {
        const TRect area = Memo->TextAreaRect();
        THintInfo info;
        info.HintControl = Memo;
        info.HintStr = "own";
        info.CursorPos = {area.Left + Column * Memo->CellSize().W + 1, area.Top + Line * Memo->CellSize().H + 1};
        return Memo->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) ? "(none)" : info.HintStr;
    }
};

} // namespace

TEST_F(MemoHoverTest, WordThenTokenHandlersGiveTheHint)
{
    SetText({"call obj.member(\"text\")", "", "plain"});
    std::vector<std::string> asked;
    Memo->OnHintForWord = [&](TObject*, int x, int y, const std::string& word, std::string& hint, bool& show) {
        asked.push_back("word " + word + " " + std::to_string(x) + "," + std::to_string(y));
        if (word == "plain") show = false;
        else hint = "W:" + word;
    };
    EXPECT_EQ(HintAt(6, 0), "W:obj.member(") << "a word runs to the next blank or quote";
    EXPECT_EQ(asked.back(), "word obj.member( 6,0");
    EXPECT_EQ(HintAt(1, 1), "own") << "an empty line keeps the control's own hint";
    EXPECT_EQ(HintAt(1, 2), "(none)") << "a handler that says no hides the hint";

    Memo->OnHintForToken = [&](TObject*, int, int, const std::string& token, std::string& hint, bool& show) {
        show = true;
        hint = "T:" + token;
    };
    EXPECT_EQ(HintAt(1, 2), "T:plain") << "the token handler answers when the word handler declined";
    Memo->OnHintForWord = nullptr;
    EXPECT_EQ(HintAt(6, 0), "T:obj");
}

TEST_F(MemoHoverTest, GutterRightAndDoubleClicksNameTheLine)
{
    SetText({"one", "two", "three"});
    Memo->Gutter().SetVisible(true);
    std::vector<std::string> clicks;
    Memo->OnGutterRightClick = [&](TObject*, int line) { clicks.push_back("right " + std::to_string(line)); };
    Memo->OnGutterDblClick = [&](TObject*, int line) { clicks.push_back("double " + std::to_string(line)); };
    bool dbl = false;
    Memo->OnDblClick = [&](TObject*) { dbl = true; };
    const int y = Memo->TextAreaRect().Top + Memo->CellSize().H + 2;
    backend::input::MouseDown(*Memo, {5, y}, 1);
    backend::input::MouseUp(*Memo, {5, y}, 1);
    backend::input::DoubleClick(*Memo, {5, y});
    EXPECT_EQ(clicks, (std::vector<std::string>{"right 1", "double 1"}));
    EXPECT_FALSE(dbl) << "a double click in the gutter is not the text's double click";
}
