// The mouse on the memo: caret placement, drag selection, Shift+click, double click, gutter and wheel.
#include "MemoFixture.h"

namespace {

class MemoMouseTest : public MemoTest {
public:
    // The middle of the character cell at (column, row) of the view.
    TPoint Cell(int column, int row) const
    {
        TRect area = Memo->TextAreaRect();
        TCellSize size = Memo->CellSize();
        return {area.Left + size.W * column + size.W / 4, area.Top + size.H * row + size.H / 2};
    }
};

} // namespace

TEST_F(MemoMouseTest, ClickPlacesTheCaretAndVirtualSpaceStaysUnfilled)
{
    SetText({"first line", "ab", "third"});
    backend::input::Click(*Memo, Cell(3, 0));
    EXPECT_EQ(Caret(), std::make_pair(3, 0));
    backend::input::Click(*Memo, Cell(7, 1));
    EXPECT_EQ(Caret(), std::make_pair(7, 1)) << "past the end the caret stands in virtual space";
    EXPECT_EQ(Text(), "first line|ab|third") << "a click changes no text";
    backend::input::Click(*Memo, Cell(2, 9));
    EXPECT_EQ(Caret(), std::make_pair(2, 2)) << "below the text the last line takes the click";
    Memo->SetAutoExpand(false);
    backend::input::Click(*Memo, Cell(7, 1));
    EXPECT_EQ(Caret(), std::make_pair(2, 1)) << "without AutoExpand the caret stops at the line's end";
}

TEST_F(MemoMouseTest, DraggingSelectsAndShiftClickExtends)
{
    SetText({"hello world", "second line"});
    backend::input::MouseDown(*Memo, Cell(6, 0));
    backend::input::MouseMove(*Memo, Cell(8, 0), {ssLeft});
    backend::input::MouseMove(*Memo, Cell(6, 1), {ssLeft});
    backend::input::MouseUp(*Memo, Cell(6, 1));
    EXPECT_EQ(Memo->Selection(), "world\r\nsecond");
    EXPECT_EQ(Caret(), std::make_pair(6, 1));
    backend::input::MouseDown(*Memo, Cell(2, 0), 0, {ssShift});
    backend::input::MouseUp(*Memo, Cell(2, 0), 0, {ssShift});
    EXPECT_EQ(Memo->Selection(), "llo ") << "Shift+click moves the end and keeps the anchor";
    // A press inside the selection that does not move only places the caret.
    backend::input::Click(*Memo, Cell(4, 0));
    EXPECT_EQ(Memo->Selection(), "");
    EXPECT_EQ(Caret(), std::make_pair(4, 0));
    // Dragging back over the line's end stops at its last character.
    backend::input::MouseDown(*Memo, Cell(2, 1));
    backend::input::MouseMove(*Memo, Cell(3, 1), {ssLeft});
    backend::input::MouseMove(*Memo, Cell(30, 0), {ssLeft});
    backend::input::MouseUp(*Memo, Cell(30, 0));
    EXPECT_EQ(Memo->Selection(), "\r\nse");
    Type("X");
    EXPECT_EQ(Text(), "hello worldXcond line") << "typing replaces the dragged selection";
}

TEST_F(MemoMouseTest, DoubleClickSelectsTheWord)
{
    SetText({"say \"hello there\" now"});
    backend::input::DoubleClick(*Memo, Cell(7, 0));
    EXPECT_EQ(Memo->Selection(), "hello");
    EXPECT_EQ(Caret(), std::make_pair(7, 0)) << "the caret stays where the first click put it";
    backend::input::DoubleClick(*Memo, Cell(4, 0));
    EXPECT_EQ(Memo->Selection(), "") << "a delimiter has no word";
}

TEST_F(MemoMouseTest, GutterClickAndWheel)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("line " + std::to_string(i));
    Memo->Lines().Clear();
    for (const std::string& line : lines) Memo->Lines().Add(line);
    int clicked = -1;
    Memo->OnGutterClick = [&](TObject*, int line) { clicked = line; };
    TRect area = Memo->TextAreaRect();
    backend::input::Click(*Memo, {area.Left / 2, area.Top + Memo->CellSize().H * 3 + 2});
    EXPECT_EQ(clicked, 3);
    backend::input::Wheel(*Memo, -120, Cell(1, 1));
    EXPECT_EQ(Memo->TopLine(), 4);
    backend::input::Wheel(*Memo, 120, Cell(1, 1));
    EXPECT_EQ(Memo->TopLine(), 0);
    // A drag below the view scrolls down with the caret.
    backend::input::MouseDown(*Memo, Cell(0, 0));
    backend::input::MouseMove(*Memo, Cell(0, 1), {ssLeft});
    backend::input::MouseMove(*Memo, {Cell(0, 0).X, Memo->Height() + 40}, {ssLeft});
    backend::input::MouseUp(*Memo, {Cell(0, 0).X, Memo->Height() + 40});
    EXPECT_GT(Memo->TopLine(), 0);
    EXPECT_GT(Memo->CurY(), Memo->VisibleLineCount() - 1);
}
