// Painting with the HTML styler against reference images, folding, geometry and scrolling.
#include "MemoFixture.h"

#include "memo/QuillmWS.h"
#include "platform/graphics/Bitmap.h"
#include "testsupport/GoldenImage.h"

namespace {

void HtmlText(TQuillMemo& memo)
{
    memo.Lines().Clear();
    for (const char* line : {"<html>", "<!-- a comment", "  over two lines -->", "<body bgcolor=\"white\">",
                             "  <a href='x.htm'>link</a> 12 &lt;", "  <table border=1>", "    <tr><td>cell</td></tr>",
                             "  </table>", "</body>", "</html>"})
        memo.Lines().Add(line);
}

const TBitmap& Snapshot(TForm& form)
{
    backend::input::Pump();
    form.Update();
    return form.Surface();
}

} // namespace

TEST_F(MemoTest, HtmlStylerGutterActiveLineAndSelectionMatchReference)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    HtmlText(*Memo);
    Memo->ActiveLineSettings().SetShowActiveLine(true);
    Memo->ActiveLineSettings().SetActiveLineColor(0xF0E0D0);
    Memo->ActiveLineSettings().SetActiveLineTextColor(clNone);
    Memo->SetActiveLine(3);
    Memo->SetCurY(6);
    Memo->SetCurX(4);
    Memo->ClearSelection();
    Press(VK_RIGHT, {ssShift, ssCtrl});
    Press(VK_RIGHT, {ssShift, ssCtrl});
    testsupport::ExpectMatchesGolden(Snapshot(*Form), "memo-html");
}

TEST_F(MemoTest, FoldedRegionPaintsAndEditsAround)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    HtmlText(*Memo);
    Memo->CodeFolding().SetEnabled(true);
    EXPECT_TRUE(Memo->AddCodeFolding(5, 7));
    EXPECT_FALSE(Memo->AddCodeFolding(5, 6)) << "a line that is a node already is refused";
    EXPECT_TRUE(Memo->IsNode(5));
    Memo->SetExpandNode(5, false);
    EXPECT_EQ(Memo->LineFromDisplayRow(6), 8) << "the row after the node shows the line after the region";
    EXPECT_EQ(Memo->DisplayRowFromLine(6), 5) << "a hidden line maps to its node's row";
    testsupport::ExpectMatchesGolden(Snapshot(*Form), "memo-html-folded");

    // Editing around the folded region: the line after it and the node line.
    Memo->SetCurY(8);
    Memo->SetCurX(0);
    Memo->ClearSelection();
    Type("X");
    EXPECT_EQ(Memo->Lines().Strings(8), "X</body>");
    Press(VK_UP);
    EXPECT_EQ(Memo->CurY(), 5) << "up from below the region lands on its node";
    Memo->Undo();
    EXPECT_EQ(Memo->Lines().Strings(8), "</body>");
    EXPECT_EQ(Memo->RegionEndLine(5), 7);
}

TEST_F(MemoTest, AutoCodeFoldFindsNestedRegions)
{
    TQuillHTMLMemoStyler styler(Form);
    TRegionDefinition* def = styler.RegionDefinitions().Add();
    def->SetIdentifier(" OPEN ");
    def->SetRegionStart("OPEN");
    def->SetRegionEnd("SHUT");
    EXPECT_EQ(def->Identifier(), "OPEN");
    Memo->SetSyntaxStyles(&styler);
    Memo->Lines().Clear();
    for (const char* line : {"a", "b", "open", "open", "shut", "shut", "<!-- open -->", "g"}) Memo->Lines().Add(line);
    Memo->CodeFolding().SetEnabled(true);
    EXPECT_TRUE(Memo->IsNode(2));
    EXPECT_TRUE(Memo->IsNode(3));
    EXPECT_EQ(Memo->RegionEndLine(2), 5);
    EXPECT_EQ(Memo->RegionEndLine(3), 4);
    EXPECT_FALSE(Memo->IsNode(6)) << "a region word inside a comment is not counted";
}

TEST_F(MemoTest, GeometryAndTopLine)
{
    Memo->SetBorderStyle(bsNone);
    EXPECT_EQ(Memo->TextAreaRect().Left, 47);
    int w = Memo->CellSize().W;
    ASSERT_GE(w, 2);
    int x = Memo->TextAreaRect().Left + 4 * w - 1;
    EXPECT_EQ(Memo->PointToCell(x, 5).X, 4);
    EXPECT_EQ(Memo->CharFromPos(x, 5).Pos, 3);

    Memo->Lines().Clear();
    for (int i = 0; i < 100; ++i) Memo->Lines().Add("row");
    Memo->SetTopLine(79);
    int visible = Memo->VisibleLineCount();
    EXPECT_EQ(Memo->TopLine(), 79 + visible < 100 ? 79 : 100 - visible / 2);
}

TEST_F(MemoTest, GutterSettingsAndStyles)
{
    TQuillGutter& gutter = Memo->Gutter();
    gutter.SetGutterMargin(10);
    EXPECT_EQ(gutter.GutterMargin(), 45);
    gutter.SetShowLeadingZeros(true);
    int x = 0;
    EXPECT_EQ(Memo->FormatLineNumber(9, x), "0009");
    EXPECT_EQ(Memo->FormatLineNumber(123456, x), "123456");
    gutter.SetLineNumberStart(-1);
    EXPECT_EQ(gutter.LineNumberStart(), 1);
    Memo->SetComponentStyle(tsOffice2003Silver);
    EXPECT_EQ(gutter.GutterColor(), TColor(0xECE2E1));
    Memo->SetStyle(msCustom);
    EXPECT_EQ(gutter.GutterColor(), TColor(0xECE2E1));
    EXPECT_EQ(gutter.BorderColor(), Memo->BorderColor());
}

TEST_F(MemoTest, EditOpeningACommentRecoloursTheLinesBelow)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    Memo->Lines().Clear();
    for (int i = 0; i < 60; ++i) Memo->Lines().Add("<b>text</b>");
    TStyle before;
    Memo->GetLineStartStyle(45, before);
    EXPECT_FALSE(before.isComment);
    Memo->SetCurY(2);
    Memo->SetCurX(0);
    Memo->ClearSelection();
    Type("<!--");
    TStyle after;
    Memo->GetLineStartStyle(45, after);
    EXPECT_TRUE(after.isComment) << "the cached state below the edit is not reused";
}

TEST_F(MemoTest, WheelScrollBarsAndStrictMode)
{
    Memo->Lines().Clear();
    for (int i = 0; i < 100; ++i) Memo->Lines().Add("row " + std::to_string(i));
    backend::input::Pump();
    Memo->RefreshScrollBars(false);
    EXPECT_TRUE(Memo->VertScrollBar().Visible());
    backend::input::Wheel(*Memo, -120, {60, 60});
    EXPECT_EQ(Memo->TopLine(), 4) << "the wheel scrolls four lines";
    backend::input::Wheel(*Memo, 120, {60, 60});
    EXPECT_EQ(Memo->TopLine(), 0);

    Memo->Lines().Clear();
    Memo->Lines().Add("short");
    Memo->RefreshScrollBars(false);
    EXPECT_FALSE(Memo->VertScrollBar().Visible()) << "all lines fit";
    EXPECT_EQ(Memo->TopLine(), 0);

    Memo->Lines().Clear();
    for (int i = 0; i < 100; ++i) Memo->Lines().Add("row");
    Memo->SetScrollBars(ssNone);
    Memo->SetScrollMode(smStrict);
    Memo->SetCurY(0);
    Memo->SetCurY(80);
    EXPECT_EQ(Memo->TopLine(), 0) << "strict mode without a bar moves the caret instead of scrolling";
    EXPECT_LT(Memo->CurY(), 80);
}

TEST_F(MemoTest, DraggingTheThumbShowsTheRowInAHint)
{
    Memo->Lines().Clear();
    for (int i = 0; i < 100; ++i) Memo->Lines().Add("row");
    Memo->RefreshScrollBars(false);
    ASSERT_TRUE(Memo->VertScrollBar().Visible());
    Memo->SetScrollHint(true);
    std::string shown;
    Memo->OnScrollHint = [&](TObject*, int row, std::string& text) {
        text += " / " + std::to_string(row);
        shown = text;
    };
    int pos = 0;
    Memo->VertScrollBar().OnScroll(&Memo->VertScrollBar(), scTrack, pos);
    EXPECT_EQ(shown, "Row : 1 / 1");
    EXPECT_EQ(Memo->ScrollHintWindow().Caption(), "Row : 1 / 1");
    pos = 10;
    Memo->VertScrollBar().OnScroll(&Memo->VertScrollBar(), scTrack, pos);
    EXPECT_EQ(Memo->TopLine(), 10);
    Memo->VertScrollBar().OnScroll(&Memo->VertScrollBar(), scEndScroll, pos);
}

TEST_F(MemoTest, ACustomDrawStylerDrawsItsKeywordsInTheirCells)
{
    struct Drawer : TQuillHTMLMemoStyler {
        using TQuillHTMLMemoStyler::TQuillHTMLMemoStyler;
        std::vector<std::pair<std::string, int>> Drawn;
        void DrawKeyword(TCanvas& Canvas, const std::string& AKeyword, TRect& ARect) override
        {
            Drawn.emplace_back(AKeyword, ARect.Left);
            Canvas.Brush()->SetColor(clRed);
            Canvas.FillRect({ARect.Left, ARect.Top, ARect.Left + 4, ARect.Top + 4});
            ARect.Left += 4;
        }
    } styler(Form);
    styler.SetCustomDraw(true);
    Memo->SetSyntaxStyles(&styler);
    Memo->Lines().Clear();
    Memo->Lines().Add("<table>");
    Memo->SetActiveLine(-1);
    const TBitmap& shot = Snapshot(*Form);
    ASSERT_FALSE(styler.Drawn.empty());
    EXPECT_EQ(styler.Drawn.front().first, "table");
    const TRect cell = Memo->CharCellRect(1, 0);
    const TPoint origin = Memo->ClientToParent({cell.Left, cell.Top}, Form);
    EXPECT_EQ(const_cast<TBitmap&>(shot).Canvas()->Pixels(origin.X + 1, origin.Y + 1), clRed) << "the keyword is drawn where its first cell is";
}
