// The memo's print jobs: what the printer's PDF holds, read back by pdftotext and pdfinfo.
#include "MemoFixture.h"

#include "platform/ui/Printers.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <filesystem>
#include <regex>

using testsupport::RunCommand;

namespace {

class MemoPrintJobTest : public MemoTest {
public:
    void SetUp() override
    {
        MemoTest::SetUp();
        Printer()->SetFileName(Pdf);
        Printer()->SetPrinterIndex(0);
    }
    void Lines(int count)
    {
        Memo->Lines().Clear();
        for (int i = 1; i <= count; ++i) Memo->Lines().Add("text of line " + std::to_string(i));
    }
    int Pages()
    {
        std::string info;
        EXPECT_EQ(RunCommand("pdfinfo '" + Pdf + "'", &info), 0) << info;
        std::smatch m;
        return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
    }
    std::string Text()
    {
        std::string text;
        EXPECT_EQ(RunCommand("pdftotext -layout '" + Pdf + "' -", &text), 0);
        return text;
    }
    int PagesOnPrinter()
    {
        return Memo->NumberOfPages(*Printer()->Canvas(), Printer()->PageWidth(), Printer()->PageHeight());
    }
    testsupport::TempFolder Folder{"memoprint"};
    std::string Pdf = Folder / "memo.pdf";
};

TEST_F(MemoPrintJobTest, EveryLinePrintsInOrderWithTitleAndPageNumbers)
{
    REQUIRE_PEER("poppler-utils");
    Lines(200);
    TPrintOptions& options = Memo->PrintOptions();
    options.PageNr = true;
    options.PagePrefix = "Page";
    options.Title = "The listing";
    Memo->Print();
    EXPECT_EQ(Printer()->Title(), "QuillMemo print job");
    const int pages = PagesOnPrinter();
    ASSERT_GT(pages, 1);
    EXPECT_EQ(Pages(), pages);
    const std::string text = Text();
    size_t at = 0;
    for (int i = 1; i <= 200; ++i) {
        at = text.find("text of line " + std::to_string(i) + "\n", at);
        ASSERT_NE(at, std::string::npos) << "line " << i;
    }
    size_t start = 0;
    for (int p = 1; p <= pages; ++p) {
        const size_t end = text.find('\f', start);
        const std::string page = text.substr(start, end - start);
        EXPECT_NE(page.find("The listing"), std::string::npos) << "page " << p;
        EXPECT_NE(page.find("Page " + std::to_string(p)), std::string::npos) << "page " << p;
        start = end + 1;
    }
}

TEST_F(MemoPrintJobTest, PageRangesAreHeldToTheTextAndBadRangesPrintNothing)
{
    REQUIRE_PEER("poppler-utils");
    Memo->PrintOptions().JobName = "ranges";
    Lines(1);
    const int perPage = PagesOnPrinter() == 1 ? [&] {
        Lines(400);
        return 400 / PagesOnPrinter();
    }() : 0;
    ASSERT_GT(perPage, 0);
    Lines(perPage * 2 + 5); // three pages
    ASSERT_EQ(PagesOnPrinter(), 3);
    Memo->PrintPages(5, 9);
    EXPECT_EQ(Printer()->Title(), "ranges");
    EXPECT_EQ(Pages(), 1);
    const std::string text = Text();
    EXPECT_NE(text.find("text of line " + std::to_string(perPage * 2 + 5)), std::string::npos);
    EXPECT_EQ(text.find("text of line 1\n"), std::string::npos);
    for (auto [from, to] : {std::pair{2, 1}, {0, 3}, {-1, 2}}) {
        std::filesystem::remove(Pdf);
        Memo->PrintPages(from, to);
        EXPECT_FALSE(std::filesystem::exists(Pdf)) << from << ".." << to;
    }
}

TEST_F(MemoPrintJobTest, TheSelectionPrintsAloneWithTheNumbersItsLinesShow)
{
    REQUIRE_PEER("poppler-utils");
    SetText({"alpha", "beta", "gamma", "delta", "epsilon"});
    Memo->PrintOptions().PrintLineNumbers = true;
    Memo->SetSelStart(static_cast<int>(std::string("alpha\r\n").size()));
    Memo->SetSelLength(static_cast<int>(std::string("beta\r\ngamma\r\ndelta").size()));
    Memo->PrintSelection();
    const std::string text = Text();
    EXPECT_EQ(text.find("alpha"), std::string::npos);
    EXPECT_EQ(text.find("epsilon"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("(^|\\n)\\s*2\\s*beta"))) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("(^|\\n)\\s*4\\s*delta"))) << text;
    EXPECT_EQ(Memo->Lines().Count(), 5) << "printing changes nothing in the memo";
}

TEST_F(MemoPrintJobTest, AJobThatCannotBeWrittenSaysSo)
{
    Lines(3);
    Printer()->SetFileName(Folder / "no/such/folder/memo.pdf");
    EXPECT_THROW(Memo->Print(), EPrinter);
    EXPECT_FALSE(Printer()->Printing());
}

} // namespace
