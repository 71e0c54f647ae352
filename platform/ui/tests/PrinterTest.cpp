// The printer writes what its canvas drew as PDF pages, and says so when it cannot.
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Printers.h"

#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::RunCommand;

namespace {

struct PrinterFixture : ::testing::Test {
    testsupport::TempFolder folder{"printer"};
    TPrinter printer;
    void SetUp() override { printer.SetFileName(folder / "out.pdf"); }
    void TearDown() override { ui::DialogHook().PrintDialog = nullptr; }
};

TEST_F(PrinterFixture, PagesOfTheCanvasArriveInTheFileInOrder)
{
    REQUIRE_PEER("poppler-utils");
    printer.SetTitle("three pages");
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) printer.NewPage();
        EXPECT_EQ(printer.PageNumber(), page);
        printer.Canvas()->Font()->SetSize(12);
        printer.Canvas()->TextOut(300, 300, "Page text " + std::to_string(page));
    }
    // Nothing is in place until the document ends.
    EXPECT_FALSE(std::filesystem::exists(folder / "out.pdf"));
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    std::string info, text;
    ASSERT_EQ(RunCommand("pdfinfo '" + folder / "out.pdf" + "'", &info), 0) << info;
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("595.2 x 841.92 pts (A4)"), std::string::npos) << info;
    ASSERT_EQ(RunCommand("pdftotext -layout '" + folder / "out.pdf" + "' -", &text), 0);
    auto p1 = text.find("Page text 1"), p2 = text.find("Page text 2"), p3 = text.find("Page text 3");
    ASSERT_NE(p3, std::string::npos) << text;
    EXPECT_TRUE(p1 < p2 && p2 < p3);
}

TEST_F(PrinterFixture, LandscapeTurnsThePageAndFontsKeepTheirPointSize)
{
    printer.SetOrientation(poLandscape);
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
    TFont screenFont; // 96 dots per inch
    screenFont.SetSize(10);
    printer.Canvas()->SetFont(&screenFont);
    EXPECT_EQ(printer.Canvas()->Font()->Size(), 10);
    EXPECT_EQ(printer.Canvas()->Font()->Height(), -42); // 10 points at 300 dots per inch
}

TEST_F(PrinterFixture, FailuresAreReportedAndLeaveNoDocument)
{
    // Ending or paging without a document.
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
    // An aborted document leaves nothing behind.
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    printer.Canvas()->TextOut(10, 10, "dropped");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    // A folder that does not exist.
    printer.SetFileName(folder / "missing/out.pdf");
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
    // A printer of a print system that is not there: the job is not reported as printed.
    printer.SetPrinterName("Office laser");
    EXPECT_EQ(printer.PrinterName(), "Office laser");
    printer.BeginDoc();
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
}

TEST_F(PrinterFixture, ThePrintDialogChoosesFilePagesCopiesAndOrientation)
{
    ui::TPrintDialogRequest seen;
    ui::DialogHook().PrintDialog = [&](const ui::TPrintDialogRequest& r) -> std::optional<ui::TPrintDialogAnswer> {
        seen = r;
        ui::TPrintDialogAnswer a;
        a.FileName = folder / "chosen.pdf";
        a.Range = ui::TPrintRangeKind::PageNums;
        a.FromPage = 2;
        a.ToPage = 9; // beyond the last page: held to it
        a.Copies = 2;
        a.Landscape = true;
        return a;
    };
    TPrintDialog dialog(nullptr);
    dialog.SetMaxPage(4);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(seen.MaxPage, 4);
    EXPECT_EQ(dialog.PrintRange(), prPageNums);
    EXPECT_EQ(dialog.FromPage(), 2);
    EXPECT_EQ(dialog.ToPage(), 4);
    EXPECT_EQ(dialog.Copies(), 2);
    EXPECT_EQ(Printer()->FileName(), folder / "chosen.pdf");
    EXPECT_EQ(Printer()->Orientation(), poLandscape);
    EXPECT_EQ(Printer()->PrinterIndex(), 0);
    Printer()->SetOrientation(poPortrait);
    ui::DialogHook().PrintDialog = [](const ui::TPrintDialogRequest&) { return std::optional<ui::TPrintDialogAnswer>(); };
    EXPECT_FALSE(dialog.Execute());
}

} // namespace
