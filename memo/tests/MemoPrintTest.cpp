// Printed pages: how many a text takes, and a page drawn with its title, line numbers and number.
#include "MemoFixture.h"

#include "memo/QuillmWS.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/GoldenImage.h"

namespace {

void NumberedLines(TQuillMemo& memo, int count)
{
    memo.Lines().Clear();
    for (int i = 1; i <= count; ++i) memo.Lines().Add("<p>line " + std::to_string(i) + "</p> <!-- note -->");
}

} // namespace

TEST_F(MemoTest, PagesHoldWhatFitsBetweenMarginsTitleAndPageNumber)
{
    TBitmap page;
    page.SetSize(400, 300);
    TCanvas& canvas = *page.Canvas();
    canvas.SetFont(&Memo->Font());
    const int h = canvas.TextHeight("W_") + 3;
    NumberedLines(*Memo, 100);
    TPrintOptions& options = Memo->PrintOptions();
    options.MarginTop = 10;
    options.MarginBottom = 10;
    const int height = 20 + 50 * h;
    EXPECT_EQ(Memo->NumberOfPages(canvas, 400, height), 2) << "50 lines a page";
    options.PageNr = true;
    EXPECT_EQ(Memo->NumberOfPages(canvas, 400, height), 3) << "the page number takes a line";
    options.Title = "Listing";
    EXPECT_EQ(Memo->NumberOfPages(canvas, 400, height), 3) << "48 lines a page";
    EXPECT_EQ(Memo->NumberOfPages(canvas, 400, 20 + h / 2), 100) << "a page too low for a line still takes one";
    Memo->Lines().Clear();
    EXPECT_EQ(Memo->NumberOfPages(canvas, 400, height), 1);

    TStringList notOptions;
    EXPECT_THROW(options.Assign(&notOptions), EInvalidCast);
}

TEST_F(MemoTest, PrintedPageMatchesReference)
{
    TQuillHTMLMemoStyler styler(Form);
    Memo->SetSyntaxStyles(&styler);
    NumberedLines(*Memo, 30);
    TPrintOptions& options = Memo->PrintOptions();
    options.Title = "Listing";
    options.PageNr = true;
    options.PagePrefix = "Page";
    options.PrintLineNumbers = true;
    options.MarginLeft = options.MarginRight = options.MarginTop = options.MarginBottom = 12;
    TBitmap page;
    page.SetSize(320, 240);
    page.Canvas()->Brush()->SetColor(clWhite);
    page.Canvas()->FillRect({0, 0, 320, 240});
    ASSERT_EQ(Memo->NumberOfPages(*page.Canvas(), 320, 240), 3);
    Memo->PrintToCanvas(*page.Canvas(), 320, 240, 2);
    testsupport::ExpectMatchesGolden(page, "memo-printed-page");
}
