// Printed pages of the memo: options, page geometry and drawing a page onto any canvas.
#include "memo/MemoPrint.h"

#include "memo/QuillMemo.h"
#include "platform/rtl/Exceptions.h"

void TPrintOptions::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TPrintOptions*>(Source);
    if (!other) throw EInvalidCast("Invalid class typecast");
    JobName = other->JobName;
    Title = other->Title;
    PageNr = other->PageNr;
    PrintLineNumbers = other->PrintLineNumbers;
    MarginLeft = other->MarginLeft;
    MarginRight = other->MarginRight;
    MarginTop = other->MarginTop;
    MarginBottom = other->MarginBottom;
    PagePrefix = other->PagePrefix;
}

TQuillCustomMemo::PageLayout TQuillCustomMemo::LayOutPage(TCanvas& Canvas, int PageWidth, int PageHeight) const
{
    Canvas.SetFont(FFont.get());
    PageLayout page;
    page.Text = {FPrintOptions->MarginLeft, FPrintOptions->MarginTop, PageWidth - FPrintOptions->MarginRight,
                 PageHeight - FPrintOptions->MarginBottom};
    page.LineHeight = Canvas.TextHeight("W_") + 3;
    if (FPrintOptions->PageNr) {
        page.PageNumberBand = {page.Text.Left, page.Text.Bottom - page.LineHeight, page.Text.Right, page.Text.Bottom};
        page.Text.Bottom -= page.LineHeight;
    }
    page.TitleHeight = FPrintOptions->Title.empty() ? 0 : page.LineHeight;
    // A page too low for one line still takes one, so that every line is printed somewhere.
    page.LinesPerPage = std::max((page.Text.Height() - page.TitleHeight) / page.LineHeight, 1);
    return page;
}

int TQuillCustomMemo::NumberOfPages(TCanvas& Canvas, int PageWidth, int PageHeight) const
{
    PageLayout page = LayOutPage(Canvas, PageWidth, PageHeight);
    return (FLines->Count() - 1) / page.LinesPerPage + 1;
}

namespace {

// Text drawn at the band's top, centred when it fits and from the left edge when not.
void DrawCentred(TCanvas& Canvas, const TRect& Band, const std::string& Text)
{
    int width = Canvas.TextWidth(Text);
    int x = width < Band.Width() ? Band.Left + (Band.Width() - width) / 2 : Band.Left;
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(x, Band.Top, Text);
}

} // namespace

void TQuillCustomMemo::PrintToCanvas(TCanvas& Canvas, int PageWidth, int PageHeight, int PageNr)
{
    PageLayout page = LayOutPage(Canvas, PageWidth, PageHeight);
    int y = page.Text.Top;
    if (page.TitleHeight > 0) {
        DrawCentred(Canvas, {page.Text.Left, y, page.Text.Right, y + page.TitleHeight}, FPrintOptions->Title);
        y += page.TitleHeight;
    }
    const int first = (PageNr - 1) * page.LinesPerPage;
    if (PageNr < 1 || first >= FLines->Count()) return;
    const int last = std::min(first + page.LinesPerPage, FLines->Count());
    TStyle style;
    GetLineStartStyle(first, style);
    for (int line = first; line < last; ++line, y += page.LineHeight)
        PaintLine(Canvas, line, -1, {page.Text.Left, y, page.Text.Right, y + page.LineHeight}, plPrint, style);
    if (FPrintOptions->PageNr) {
        Canvas.SetFont(FFont.get());
        DrawCentred(Canvas, page.PageNumberBand, FPrintOptions->PagePrefix + " " + std::to_string(PageNr));
    }
}

std::string TQuillCustomMemo::PrintedLineNumber(int LineIndex) const
{
    std::string text = std::to_string(LineIndex + FGutter->LineNumberStart());
    if (FGutter->ShowLeadingZeros() && static_cast<int>(text.size()) < FGutter->DigitCount())
        text.insert(0, static_cast<size_t>(FGutter->DigitCount()) - text.size(), '0');
    return text + FGutter->NumberSuffix();
}
