// Printing the grid: pages on the printer read back by independent PDF readers, and the
// page engine's layout counted on a preview canvas.
#include "QuillGridFixture.h"
#include "grid/model/PrintSettings.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PngImage.h"
#include "platform/ui/Printers.h"
#include "testsupport/GoldenImage.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <filesystem>
#include <regex>

using testsupport::RunCommand;

namespace {

class QuillGridPrintTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Printer()->SetFileName(Folder / "grid.pdf");
        Printer()->SetPrinterIndex(0);
    }
    // Rows of "Rr-Cc" under a fixed header row of "Head c".
    void FillGrid(int Rows, int Cols)
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows + 1);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(0);
        for (int c = 0; c < Cols; ++c) {
            Grid->SetCells(c, 0, "Head " + std::to_string(c));
            for (int r = 1; r <= Rows; ++r) Grid->SetCells(c, r, "R" + std::to_string(r) + "-C" + std::to_string(c));
        }
    }
    int PdfPages(const std::string& File)
    {
        std::string info;
        EXPECT_EQ(RunCommand("pdfinfo '" + File + "'", &info), 0) << info;
        std::smatch m;
        return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
    }
    std::string PdfText(const std::string& File)
    {
        std::string text;
        EXPECT_EQ(RunCommand("pdftotext -layout '" + File + "' -", &text), 0);
        return text;
    }
    // Page 1 previewed on an A4 bitmap at the screen's resolution.
    std::unique_ptr<TBitmap> Preview(int Page)
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(794, 1123);
        bitmap->Canvas()->Brush()->SetColor(clWhite);
        bitmap->Canvas()->FillRect({0, 0, 794, 1123});
        Grid->SetPreviewPage(Page);
        Grid->PrintPreview(*bitmap->Canvas(), {0, 0, 794, 1123});
        return bitmap;
    }
    testsupport::TempFolder Folder{"gridprint"};
};

TEST_F(QuillGridPrintTest, ManyPagesHoldEveryCellInOrderWithRepeatedHeadersAndPageNumbers)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(2000, 4);
    TPrintSettings& S = Grid->PrintSettings();
    S.SetRepeatFixedRows(true);
    S.SetPageNr(ppBottomCenter);
    S.SetPagePrefix("Page");
    S.SetJobName("grid job");
    Grid->Print();
    const std::string pdf = Folder / "grid.pdf";
    const int pages = Grid->PrintNrOfPages();
    ASSERT_GT(pages, 10);
    EXPECT_EQ(PdfPages(pdf), pages);
    const std::string text = PdfText(pdf);
    // Every row in order, its cells left to right on one line.
    size_t at = 0;
    for (int r = 1; r <= 2000; ++r) {
        const std::string row = "R" + std::to_string(r) + "-C0";
        at = text.find(row, at);
        ASSERT_NE(at, std::string::npos) << "row " << r << " missing or out of order";
        const size_t eol = text.find('\n', at);
        const std::string line = text.substr(at, eol - at);
        for (int c = 1; c < 4; ++c)
            EXPECT_NE(line.find("R" + std::to_string(r) + "-C" + std::to_string(c)), std::string::npos) << line;
    }
    // Each page (form feed apart) starts with the header row and ends with its number of the total.
    size_t start = 0;
    for (int p = 1; p <= pages; ++p) {
        size_t end = text.find('\f', start);
        const std::string page = text.substr(start, end - start);
        EXPECT_NE(page.find("Head 0"), std::string::npos) << "page " << p;
        EXPECT_LT(page.find("Head 0"), page.find("R")) << "page " << p;
        EXPECT_NE(page.find("Page " + std::to_string(p) + "/" + std::to_string(pages)), std::string::npos) << "page " << p;
        start = end + 1;
    }
}

TEST_F(QuillGridPrintTest, PrintStartChoosesThePagesOrCancelsTheJob)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(300, 3);
    int offered = 0;
    Grid->OnPrintStart = [&](TObject*, int NrOfPages, int& FromPage, int& ToPage) {
        offered = NrOfPages;
        FromPage = 2;
        ToPage = 3;
    };
    Grid->Print();
    ASSERT_GT(offered, 3);
    EXPECT_EQ(PdfPages(Folder / "grid.pdf"), 2);
    const std::string text = PdfText(Folder / "grid.pdf");
    EXPECT_EQ(text.find("R1-C0"), std::string::npos);
    std::filesystem::remove(Folder / "grid.pdf");
    Grid->OnPrintStart = [](TObject*, int, int& FromPage, int&) { FromPage = 0; };
    Grid->Print();
    EXPECT_FALSE(std::filesystem::exists(Folder / "grid.pdf"));
    EXPECT_FALSE(Printer()->Printing());
}

TEST_F(QuillGridPrintTest, APrintedPageLooksLikeItsPreview)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(60, 4);
    Grid->PrintSettings().SetPageNr(ppTopRight);
    Grid->PrintSettings().SetBorders(pbSingle);
    Grid->SetColor(clWhite);
    auto preview = Preview(1);
    testsupport::ExpectMatchesGolden(*preview, "print_preview_page1");
    Grid->SetPreviewPage(1);
    Grid->Print();
    ASSERT_EQ(RunCommand("pdftoppm -r 96 -png -singlefile -f 1 -l 1 '" + Folder / "grid.pdf" + "' '" + Folder / "page" + "'"), 0);
    TPngImage png;
    png.LoadFromFile(Folder / "page.png");
    TBitmap printed;
    printed.Assign(&png);
    ASSERT_EQ(printed.Width(), preview->Width());
    ASSERT_EQ(printed.Height(), preview->Height());
    // Fonts round differently at 96 and 300 dots per inch, so text may shift a pixel or two:
    // tiles of 32 pixels compare by their ink, and the page's layout has to agree.
    int tiles = 0, differing = 0;
    for (int top = 0; top + 32 <= printed.Height(); top += 32)
        for (int left = 0; left + 32 <= printed.Width(); left += 32) {
            auto ink = [&](TBitmap& b) {
                long sum = 0;
                for (int y = top; y < top + 32; ++y)
                    for (int x = left; x < left + 32; ++x) {
                        const TColor c = b.Canvas()->Pixels(x, y);
                        sum += 255 - ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
                    }
                return sum / (32 * 32);
            };
            ++tiles;
            if (std::abs(ink(printed) - ink(*preview)) > 24) ++differing;
        }
    EXPECT_LT(differing * 20, tiles) << differing << " of " << tiles << " tiles differ";
}

TEST_F(QuillGridPrintTest, TheLayoutCutsBandsFitsColumnsAndRaisesItsEvents)
{
    FillGrid(40, 12);
    TBitmap canvas;
    canvas.SetSize(794, 1123);
    const TRect page{0, 0, 794, 1123};
    for (int c = 0; c < 12; ++c) Grid->SetCells(c, 1, std::string(40, 'W'));
    Grid->PrintPreview(*canvas.Canvas(), page);
    const int unfitted = Grid->PrintNrOfPages();
    EXPECT_GT(unfitted, 1) << "twelve wide columns need several bands";

    // Shrinking to the page width puts every column on one band.
    Grid->PrintSettings().SetFitToPage(fpShrink);
    Grid->PrintPreview(*canvas.Canvas(), page);
    EXPECT_EQ(Grid->PrintNrOfPages(), 1);
    EXPECT_LE(Grid->PrintColOffset(11) + Grid->PrintColWidth(11), Grid->PrintPageRect().Right);

    // A custom fit asked and refused prints unscaled.
    Grid->PrintSettings().SetFitToPage(fpCustom);
    double offeredScale = 0;
    Grid->OnFitToPage = [&](TObject*, double& Scale, bool& Allow) {
        offeredScale = Scale;
        Allow = false;
    };
    Grid->PrintPreview(*canvas.Canvas(), page);
    EXPECT_LT(offeredScale, 1.0);
    EXPECT_EQ(Grid->PrintNrOfPages(), unfitted);

    // Events: widths per column, one page begun and done per page, cancel after the first.
    Grid->PrintSettings().SetFitToPage(fpNever);
    int widths = 0, begun = 0, done = 0;
    Grid->OnPrintSetColumnWidth = [&](TObject*, int, int& Width) {
        ++widths;
        Width = 300;
    };
    Grid->OnPrintPage = [&](TObject*, TCanvas*, int, int, int) { ++begun; };
    Grid->OnPrintPageDone = [&](TObject*, TCanvas*, int, int, int, int, int) { ++done; };
    Grid->PrintPreview(*canvas.Canvas(), page);
    EXPECT_EQ(widths, 2 * 12) << "once when counting, once when drawing";
    EXPECT_EQ(Grid->PrintColWidth(5), 300);
    EXPECT_GE(begun, 1);
    EXPECT_GE(done, 1);
    Grid->OnPrintCancel = [](TObject*, int, bool& Cancel) { Cancel = true; };
    done = 0;
    Grid->PrintPreview(*canvas.Canvas(), page);
    EXPECT_EQ(done, 1) << "the layout ends with the page that cancelled";

    EXPECT_THROW(Grid->PrintColWidth(512), EQuillGridError);
    EXPECT_THROW(Grid->PrintColOffset(-1), EQuillGridError);
    EXPECT_EQ(Grid->MapFontHeight(10), -35);
    EXPECT_EQ(Grid->MapFontSize(35), 9);
    // An empty range lays nothing out.
    Grid->PrintPreviewRect(*canvas.Canvas(), page, TGridRect{5, 1, 2, 3});
    EXPECT_EQ(Grid->PrintNrOfPages(), 0);
}

TEST_F(QuillGridPrintTest, BandsRepeatFixedColumnsAndNumberTheirPages)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(5, 14);
    Grid->SetFixedCols(1);
    for (int c = 0; c < 14; ++c) Grid->SetCells(c, 1, "wide" + std::to_string(c) + std::string(30, 'm'));
    TPrintSettings& S = Grid->PrintSettings();
    S.SetRepeatFixedCols(true);
    S.SetPageNr(ppBottomRight);
    Grid->Print();
    const std::string text = PdfText(Folder / "grid.pdf");
    const int pages = Grid->PrintNrOfPages();
    ASSERT_GE(pages, 2);
    EXPECT_EQ(PdfPages(Folder / "grid.pdf"), pages);
    size_t start = 0;
    for (int band = 1; band <= pages; ++band) {
        const std::string page = text.substr(start, text.find('\f', start) - start);
        EXPECT_NE(page.find(" 1-" + std::to_string(band)), std::string::npos) << page;
        EXPECT_NE(page.find("Head 0"), std::string::npos) << "the fixed column on band " << band;
        start = text.find('\f', start) + 1;
    }
    // Every column is on some band.
    for (int c = 1; c < 14; ++c) EXPECT_NE(text.find("Head " + std::to_string(c)), std::string::npos) << c;
}

TEST_F(QuillGridPrintTest, AnHtmlTitleHeadsEveryPageAboveTheRows)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(150, 2);
    TPrintSettings& S = Grid->PrintSettings();
    S.SetTitle(ppTopCenter);
    S.TitleLines()->Add("<b>Quarterly</b> report");
    Grid->Print();
    const std::string text = PdfText(Folder / "grid.pdf");
    ASSERT_GE(Grid->PrintNrOfPages(), 2);
    size_t start = 0;
    for (int p = 1; p <= Grid->PrintNrOfPages(); ++p) {
        const std::string page = text.substr(start, text.find('\f', start) - start);
        ASSERT_NE(page.find("Quarterly report"), std::string::npos) << "page " << p;
        EXPECT_LT(page.find("Quarterly report"), page.find("R")) << "page " << p;
        start = text.find('\f', start) + 1;
    }
}

TEST_F(QuillGridPrintTest, ForcedBreaksAndFastPrintNumberThePages)
{
    REQUIRE_PEER("poppler-utils");
    FillGrid(30, 2);
    Grid->PrintSettings().SetPageNr(ppBottomCenter);
    // A break after every tenth row; the one after the last row adds an empty page.
    Grid->OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow % 10 == 1 && ARow > 1; };
    Grid->Print();
    EXPECT_EQ(Grid->PrintNrOfPages(), 4);
    EXPECT_EQ(PdfPages(Folder / "grid.pdf"), 4);
    const std::string text = PdfText(Folder / "grid.pdf");
    EXPECT_NE(text.find("3/4"), std::string::npos);
    // Without the counting pass the total is not known.
    Grid->OnPrintNewPage = nullptr;
    Grid->SetFastPrint(true);
    Grid->Print();
    EXPECT_NE(PdfText(Folder / "grid.pdf").find("1/2147483647"), std::string::npos);
}

} // namespace
