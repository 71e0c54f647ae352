// What the typed edit takes from its base edit: Text through a TControl*,
// select-all of the value alone, the formatting rectangle of its flat look,
// its alignments and its transparency.
#include "QuillEditFixture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Caret.h"

namespace {

// A pixel of a control placed on the form, whose surface holds its client area.
TColor ClientPixel(TForm& form, TWinControl& control, int x, int y)
{
    TBitmap shot;
    shot.Assign(&form.Surface());
    TRect client = control.WindowClientRect();
    return ColorToRGB(shot.Canvas()->Pixels(control.Left() + client.Left + x, control.Top() + client.Top + y));
}

TRect FormattingRect(TQuillEdit& edit)
{
    TRect r;
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

} // namespace

TEST_F(QuillEditTest, TextReachesCallersHoldingTheBaseControl)
{
    Edit->SetPrefix("$ ");
    Edit->SetSuffix(" kg");
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    TControl& control = *Edit;
    control.SetText("3");
    EXPECT_EQ(Edit->DisplayText(), "$ 3.00 kg") << "the typed edit's own formatting ran";
    EXPECT_EQ(control.Text(), "3.00");
    static_cast<TCustomEdit&>(*Edit).Clear();
    EXPECT_EQ(Edit->DisplayText(), "$ 0.00 kg") << "cleared as the typed edit clears: formatted, between prefix and suffix";
}

TEST_F(QuillEditTest, SelectAllAndCtrlASelectTheValueOnly)
{
    Edit->SetPrefix("[");
    Edit->SetSuffix("]");
    Edit->SetText("abc");
    Focus();
    Caret(1);
    static_cast<TCustomEdit&>(*Edit).SelectAll();
    EXPECT_EQ(Edit->SelText(), "abc");
    Caret(1);
    Press('A', TShiftState{ssCtrl});
    EXPECT_EQ(Edit->SelText(), "abc") << "Ctrl+A";
    // Entering by keyboard with AutoSelect, through the framework's enter.
    Before->SetFocus();
    Press(VK_TAB);
    ASSERT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelText(), "abc");
}

TEST_F(QuillEditTest, FlatMarginsSetTheFormattingRectangle)
{
    Edit->SetText("value");
    const TRect client = Edit->ClientRect();
    EXPECT_EQ(FormattingRect(*Edit), (TRect{0, 0, client.Right, client.Bottom}));
    const int plainX = Edit->PosFromChar(0).X;
    Edit->SetFlat(true);
    const TRect flat = Edit->ClientRect();
    EXPECT_EQ(FormattingRect(*Edit), (TRect{4, 3, flat.Right - 4, flat.Bottom - 4}));
    EXPECT_EQ(Edit->PosFromChar(0), (TPoint{4, 3}));
    EXPECT_NE(plainX, 4);
    EXPECT_EQ(Edit->CharFromPos({4 + 1, 5}), 0);
    Edit->SetFlat(false);
    EXPECT_EQ(FormattingRect(*Edit).Left, 0);
}

TEST_F(QuillEditTest, EditAlignAndFocusAlign)
{
    Edit->SetText("42");
    Edit->SetEditAlign(eaRight);
    const TRect r = FormattingRect(*Edit);
    const int valueEnd = Edit->PosFromChar(2).X;
    EXPECT_NEAR(valueEnd, r.Right, 1) << "right-aligned value ends at the rectangle's right";

    Edit->SetEditAlign(eaLeft);
    Edit->SetFocusAlign(eaCenter);
    Focus();
    EXPECT_EQ(Edit->EditAlign(), eaCenter);
    const int width = Edit->PosFromChar(2).X - Edit->PosFromChar(0).X;
    EXPECT_NEAR(Edit->PosFromChar(0).X, r.Left + (r.Width() - width) / 2, 1);
    Edit->SetSelStart(2);
    TPoint caret;
    ASSERT_TRUE(GetCaretPos(caret));
    EXPECT_EQ(caret, Edit->PosFromChar(2));
    After->SetFocus();
    EXPECT_EQ(Edit->EditAlign(), eaLeft) << "the focus alignment is undone on leaving";
    EXPECT_EQ(Edit->PosFromChar(0).X, r.Left);
}

TEST_F(QuillEditTest, TransparentShowsTheParent)
{
    Form->SetColor(clLime);
    const int x = Edit->ClientWidth() - 4, y = Edit->ClientHeight() / 2;
    EXPECT_EQ(ClientPixel(*Form, *Edit, x, y), ColorToRGB(clWindow));
    Edit->SetTransparent(true);
    EXPECT_EQ(ClientPixel(*Form, *Edit, x, y), ColorToRGB(clLime));
}
