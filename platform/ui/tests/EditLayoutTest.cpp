// The edit's text rectangle, margins, alignment and transparency, seen in
// its pixels and in its hit-testing; and the caret it keeps while focused.
#include "UiFixture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Caret.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/MessageQueue.h"

using namespace backend;

namespace {

// The first and last client columns of an edit holding pixels other than
// the background: where its text stands.
struct TInk {
    int Left = -1, Right = -1;
};

class EditLayoutTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Edit = new TEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(20, 20, 200, 24);
        Edit->SetText("WWWW");
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(20, 80, 200, 24);
        Form->Show();
    }

    std::unique_ptr<TBitmap> Snapshot()
    {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(&Form->Surface());
        return copy;
    }
    TColor ClientPixel(TBitmap& shot, TEdit* edit, int x, int y)
    {
        // The edits sit on the form; the surface holds the form's client area.
        TRect client = edit->WindowClientRect();
        return ColorToRGB(shot.Canvas()->Pixels(edit->Left() + client.Left + x, edit->Top() + client.Top + y));
    }
    TInk Ink(TEdit* edit, TColor background = clNone)
    {
        auto shot = Snapshot();
        TInk ink;
        background = ColorToRGB(background == clNone ? edit->Color() : background);
        for (int x = 0; x < edit->ClientWidth(); ++x)
            for (int y = 0; y < edit->ClientHeight(); ++y)
                if (ClientPixel(*shot, edit, x, y) != background) {
                    if (ink.Left < 0) ink.Left = x;
                    ink.Right = x;
                    break;
                }
        return ink;
    }
    int CharAt(TEdit* edit, int x, int y)
    {
        return static_cast<int>(edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(x, y)) & 0xFFFF);
    }
    TPoint PosOf(TEdit* edit, int i)
    {
        LRESULT at = edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i), 0);
        return {static_cast<std::int16_t>(at & 0xFFFF), static_cast<std::int16_t>((at >> 16) & 0xFFFF)};
    }

    TEdit* Edit = nullptr;
    TEdit* Other = nullptr;
};

} // namespace

TEST_F(EditLayoutTest, MarginsMoveTheTextAndItsHitTesting)
{
    TInk plain = Ink(Edit);
    ASSERT_GE(plain.Left, 0) << "the text is drawn";
    int firstX = PosOf(Edit, 1).X;

    Edit->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(30, 12));
    EXPECT_EQ(Edit->Perform(EM_GETMARGINS, 0, 0), MakeLParam(30, 12));
    TRect r;
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.Right, Edit->ClientWidth() - 2 - 12);
    EXPECT_EQ(Ink(Edit).Left, plain.Left + 30);
    EXPECT_EQ(PosOf(Edit, 1).X, firstX + 30);
    EXPECT_EQ(CharAt(Edit, firstX + 30, 5), 1) << "hit-testing moved with the text";
    EXPECT_EQ(CharAt(Edit, firstX, 5), 0);

    // Only the right margin: the left one stays.
    Edit->Perform(EM_SETMARGINS, EC_RIGHTMARGIN, MakeLParam(99, 0));
    EXPECT_EQ(Edit->Perform(EM_GETMARGINS, 0, 0), MakeLParam(30, 0));
}

TEST_F(EditLayoutTest, TextRectanglePlacesAndClipsTheText)
{
    Edit->SetSelStart(0);
    TRect set{40, 6, 60, 20};
    Edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&set));
    TRect got;
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got, set);
    EXPECT_EQ(PosOf(Edit, 0), (TPoint{40, 6}));
    EXPECT_EQ(CharAt(Edit, 0, 8), 0) << "left of the rectangle is the first character";

    Edit->SetText("a long line that cannot fit in twenty pixels");
    Edit->Invalidate();
    TInk ink = Ink(Edit);
    EXPECT_GE(ink.Left, 40);
    EXPECT_LT(ink.Right, 60) << "text outside the rectangle is not drawn";

    // No rectangle brings back the client area less the margins.
    Edit->Perform(EM_SETRECT, 0, 0);
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got, Edit->TextRect());
    EXPECT_EQ(got.Left, 2);
}

TEST_F(EditLayoutTest, AlignmentPlacesTextCaretAndHitTesting)
{
    const TRect r = Edit->TextRect();
    struct Case {
        TAlignment Align;
        const char* Name;
    };
    for (Case c : {Case{taLeftJustify, "left"}, Case{taRightJustify, "right"}, Case{taCenter, "centre"}}) {
        SCOPED_TRACE(c.Name);
        Edit->SetAlignment(c.Align);
        Edit->SetFocus();
        Edit->SetSelStart(4);
        int start = PosOf(Edit, 0).X, end = PosOf(Edit, 3).X + (PosOf(Edit, 3).X - PosOf(Edit, 2).X);
        int width = end - start;
        int expected = c.Align == taLeftJustify ? r.Left : c.Align == taRightJustify ? r.Right - width
                                                                                     : r.Left + (r.Width() - width) / 2;
        EXPECT_NEAR(start, expected, 1);
        TPoint caret;
        ASSERT_TRUE(GetCaretPos(caret));
        EXPECT_NEAR(caret.X, end, 1) << "the caret stands after the last character";
        EXPECT_EQ(CharAt(Edit, start + 1, 5), 0);
        EXPECT_EQ(CharAt(Edit, end + 3, 5), 4);
        EXPECT_EQ(CharAt(Edit, start - 20 < 0 ? 0 : start - 20, 5), 0);
        input::Click(*Edit, {end + 3, 5});
        EXPECT_EQ(Edit->CaretPos(), 4) << "a click right of the text";
        input::Click(*Edit, {start + 2, 5});
        EXPECT_EQ(Edit->CaretPos(), 0) << "a click on the first character's left half";
        Other->SetFocus();
        TInk ink = Ink(Edit);
        EXPECT_NEAR(ink.Left, start, 2);
    }
}

TEST_F(EditLayoutTest, AlignmentAndWindowStyleAgree)
{
    // An edit that asks for centred text through its window style.
    class TCentredEdit : public TEdit {
    public:
        using TEdit::TEdit;

    protected:
        void CreateParams(TCreateParams& Params) override
        {
            TEdit::CreateParams(Params);
            Params.Style |= ES_CENTER;
        }
    };
    auto* centred = new TCentredEdit(Form);
    centred->SetParent(Form);
    centred->HandleNeeded();
    EXPECT_EQ(centred->Alignment(), taCenter);

    Edit->SetAlignment(taRightJustify);
    Edit->RecreateWnd();
    Edit->HandleNeeded();
    EXPECT_EQ(Edit->WindowParams().Style & (ES_CENTER | ES_RIGHT), ES_RIGHT);
    EXPECT_EQ(Edit->Alignment(), taRightJustify) << "recreating keeps the alignment";
}

TEST_F(EditLayoutTest, OverlongTextScrollsWhateverTheAlignment)
{
    Edit->SetAlignment(taRightJustify);
    Edit->SetFocus();
    Edit->SetText(std::string(80, 'w'));
    EXPECT_EQ(PosOf(Edit, 0).X, Edit->TextRect().Left) << "a line too wide starts at the left";
    Edit->SetSelStart(80);
    TPoint caret;
    ASSERT_TRUE(GetCaretPos(caret));
    EXPECT_LE(caret.X, Edit->TextRect().Right) << "the caret is scrolled into view";
    EXPECT_GE(caret.X, Edit->TextRect().Left);
}

TEST_F(EditLayoutTest, TransparentEditShowsItsParentsBackground)
{
    Form->SetColor(clYellow);
    Edit->SetColor(clAqua);
    auto shot = Snapshot();
    const int x = Edit->ClientWidth() - 5, y = Edit->ClientHeight() / 2;
    EXPECT_EQ(ClientPixel(*shot, Edit, x, y), ColorToRGB(clAqua));
    Edit->SetTransparent(true);
    shot = Snapshot();
    EXPECT_EQ(ClientPixel(*shot, Edit, x, y), ColorToRGB(clYellow));
    EXPECT_NEAR(Ink(Edit, clYellow).Left, PosOf(Edit, 0).X, 1) << "the text is still drawn";
}

TEST_F(EditLayoutTest, TheCaretFollowsTheFocus)
{
    Edit->SetFocus();
    auto caret = ui::CaretState();
    ASSERT_TRUE(caret);
    EXPECT_EQ(caret->Owner, Edit->Handle());
    EXPECT_TRUE(caret->Visible());
    Edit->SetSelStart(2);
    TPoint p;
    ASSERT_TRUE(GetCaretPos(p));
    EXPECT_EQ(p, PosOf(Edit, 2));

    const int height = caret->Bounds.Height();
    Edit->Font().SetSize(Edit->Font().Size() * 2);
    ASSERT_TRUE(ui::CaretState());
    EXPECT_GT(ui::CaretState()->Bounds.Height(), height) << "a larger font, a taller caret";
    EXPECT_TRUE(ui::CaretState()->Visible());

    Other->SetFocus();
    caret = ui::CaretState();
    ASSERT_TRUE(caret);
    EXPECT_EQ(caret->Owner, Other->Handle()) << "one caret, moved to the new focus";

    auto* button = AddControl("plain");
    button->SetTop(150);
    button->SetFocus();
    EXPECT_FALSE(ui::CaretState()) << "destroyed when the focus leaves the edits";
}

TEST_F(EditLayoutTest, CaretIsDrawnBlinksAndHidesNest)
{
    Edit->SetText("");
    Edit->SetFocus();
    TPoint p;
    ASSERT_TRUE(GetCaretPos(p));
    auto shot = Snapshot();
    EXPECT_NE(ClientPixel(*shot, Edit, p.X, p.Y + 3), ColorToRGB(clWindow)) << "the caret is drawn";

    ASSERT_TRUE(HideCaret(Edit->Handle()));
    ASSERT_TRUE(HideCaret(0));
    EXPECT_FALSE(HideCaret(Other->Handle())) << "only the owner hides it";
    EXPECT_TRUE(ShowCaret(Edit->Handle()));
    EXPECT_FALSE(ui::CaretState()->Visible()) << "one hide is still in force";
    shot = Snapshot();
    EXPECT_EQ(ClientPixel(*shot, Edit, p.X, p.Y + 3), ColorToRGB(clWindow));
    EXPECT_TRUE(ShowCaret(Edit->Handle()));
    EXPECT_FALSE(ShowCaret(Edit->Handle())) << "showing a shown caret fails";

    const unsigned old = GetCaretBlinkTime();
    EXPECT_FALSE(SetCaretBlinkTime(0));
    ASSERT_TRUE(SetCaretBlinkTime(100));
    EXPECT_TRUE(ui::CaretState()->BlinkOn);
    input::AdvanceTime(60);
    EXPECT_TRUE(ui::CaretState()->BlinkOn);
    input::AdvanceTime(60);
    EXPECT_FALSE(ui::CaretState()->BlinkOn) << "the blink timer turns it off";
    shot = Snapshot();
    EXPECT_EQ(ClientPixel(*shot, Edit, p.X, p.Y + 3), ColorToRGB(clWindow)) << "and the dark half is not drawn";
    SetCaretBlinkTime(old);
}

TEST_F(EditLayoutTest, DestroyingTheFocusedEditTakesItsCaret)
{
    Edit->SetFocus();
    ASSERT_TRUE(ui::CaretState());
    delete Edit;
    Edit = nullptr;
    EXPECT_FALSE(ui::CaretState());
    EXPECT_FALSE(SetCaretPos(1, 1));
}
