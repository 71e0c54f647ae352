// The grid's HTML tables: classes, spans, escaping, links, and LibreOffice reading the cells back.
#include "grid/files/tests/AwkwardCells.h"
#include "grid/tests/QuillGridFixture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegImage.h"
#include "platform/ui/Clipboard.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"
#include "platform/rtl/Files.h"

#include <filesystem>

using namespace gridfiles_test;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridHtmlTest : public QuillGridTest {
protected:
    testsupport::TempFolder Dir{"gridhtml"};

    void SmallGrid()
    {
        Grid->SetColCount(2);
        Grid->SetRowCount(2);
    }
};

std::size_t Count(const std::string& Text, const std::string& Part)
{
    std::size_t n = 0;
    for (std::size_t p = Text.find(Part); p != std::string::npos; p = Text.find(Part, p + 1)) ++n;
    return n;
}

} // namespace

TEST_F(GridHtmlTest, HeaderRowBodyRowsAndSharedClasses)
{
    SmallGrid();
    Grid->SetCells(1, 0, "Name");
    Grid->SetCells(1, 1, "Ann");
    const std::string html = Grid->SaveToHTMLString();
    EXPECT_EQ(Count(html, "<TR>"), 2u);
    EXPECT_NE(html.find("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">"), std::string::npos)
        << html;
    EXPECT_NE(html.find(" nowrap>Ann</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">&nbsp;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(".c0 {"), std::string::npos);

    Grid->SetAlignments(1, 1, taRightJustify);
    const std::string aligned = Grid->SaveToHTMLString();
    EXPECT_NE(aligned.find("text-align: right"), std::string::npos) << aligned;
}

TEST_F(GridHtmlTest, TextsNeverBecomeMarkupAndLinksAreQuoted)
{
    SmallGrid();
    Grid->SetCells(1, 0, "<script>alert(1)</script>");
    Grid->SetCells(1, 1, "a < b & \"c\"\r\nnext");
    Grid->SetCells(0, 1, "http://x.org/a b>c");
    const std::string html = Grid->SaveToHTMLString();
    EXPECT_EQ(html.find("<script>"), std::string::npos) << "a header cell is escaped too";
    EXPECT_NE(html.find("&lt;script&gt;"), std::string::npos);
    EXPECT_NE(html.find("a &lt; b &amp; &quot;c&quot;<br>next"), std::string::npos) << html;
    EXPECT_NE(html.find("<a href=\"http://x.org/a b&gt;c\">http://x.org/a b&gt;c</a>"), std::string::npos) << html;
    Grid->SetURLFull(false);
    EXPECT_NE(Grid->SaveToHTMLString().find(">x.org/a b&gt;c</a>"), std::string::npos);
}

TEST_F(GridHtmlTest, OnlyTextsOpeningWithASafeSchemeBecomeLinks)
{
    SmallGrid();
    Grid->SetURLFull(false);
    struct Case {
        const char* Text;
        const char* Expected; // what the cell's content holds
    };
    const Case cases[] = {
        {"javascript:alert(document.cookie)//mailto:", ">javascript:alert(document.cookie)//mailto:<"},
        {"javascript:alert(1)//http://x", ">javascript:alert(1)//http://x<"},
        {"data:text/html,<b>x</b>://", "data:text/html,&lt;b&gt;x&lt;/b&gt;://"},
        {"see http://x.org", ">see http://x.org<"},
        {"HTTPS://x.org/p", "<a href=\"HTTPS://x.org/p\">x.org/p</a>"},
        {"ftp://files.example", "<a href=\"ftp://files.example\">files.example</a>"},
        {"mailto:ann@example.org", "<a href=\"mailto:ann@example.org\">ann@example.org</a>"},
    };
    for (const Case& c : cases) {
        Grid->SetCells(1, 1, c.Text);
        const std::string html = Grid->SaveToHTMLString();
        EXPECT_NE(html.find(c.Expected), std::string::npos) << c.Text << "\n" << html;
        if (std::string_view(c.Expected).find("<a ") == std::string_view::npos)
            EXPECT_EQ(html.find("<a href"), std::string::npos) << c.Text;
    }
}

TEST_F(GridHtmlTest, MergedAreaIsOneCellWithSpans)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(4);
    Grid->MergeCells(1, 1, 3, 2);
    Grid->SetCells(1, 1, "merged");
    const std::string html = Grid->SaveToHTMLString();
    EXPECT_NE(html.find(" COLSPAN=\"3\" ROWSPAN=\"2\""), std::string::npos) << html;
    EXPECT_EQ(Count(html, "<TD"), 20u - 5u) << "the five covered cells write nothing";
}

TEST_F(GridHtmlTest, AsciiFileKeepsEveryCharacterAsReference)
{
    SmallGrid();
    Grid->SetCells(1, 1, "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80");
    Grid->SaveToHTML(Dir / "t.html");
    EXPECT_NE(ReadFile(Dir / "t.html").find("&#252;&#8364;&#128512;"), std::string::npos);
    Grid->AppendToHTML(Dir / "t.html", false);
    EXPECT_EQ(Count(ReadFile(Dir / "t.html"), "<TABLE"), 2u);
}

TEST_F(GridHtmlTest, LibreOfficeReadsTheSameCells)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3");
    // HTML collapses blanks and spreadsheet cells hold no control characters.
    std::vector<std::string> cells;
    for (const std::string& c : AwkwardCells())
        if (c.find_first_of("\x01\t\v\r ") == std::string::npos && c != "=1+2" && c != "-" && c != "+" && !c.empty())
            cells.push_back(c);
    cells.push_back("two words");
    cells.push_back("l1\r\nl2");
    FillAwkward(*Grid, cells);
    Grid->SetFixedRows(0);
    Grid->SaveToHTML(Dir / "ours.html");
    std::string output;
    ASSERT_EQ(0, testsupport::RunCommand(testsupport::LibreOffice(Dir.Path()) +
                                             " --infilter='HTML (StarCalc)' --convert-to "
                                             "'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir " +
                                             Dir / "lo" + " " + Dir / "ours.html",
                                         &output))
        << output;
    WriteFile(Dir / "read.py", R"(
import csv, sys
for row in csv.reader(open(sys.argv[1], newline='', encoding='utf-8-sig')):
    print(' '.join(c.encode('utf-8').hex() or '-' for c in row))
)");
    ASSERT_EQ(0, testsupport::RunCommand("/usr/bin/python3 " + Dir / "read.py" + " " + Dir / "lo/ours.csv", &output))
        << output;
    std::vector<std::string> read;
    std::size_t pos = 0;
    while (pos < output.size()) {
        std::size_t end = output.find_first_of(" \n", pos);
        if (end == std::string::npos) end = output.size();
        std::string hex = output.substr(pos, end - pos), cell;
        if (hex != "-")
            for (std::size_t i = 0; i + 1 < hex.size(); i += 2) cell += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        read.push_back(cell);
        pos = end + 1;
    }
    ASSERT_GE(read.size(), cells.size()) << output;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string expected = cells[i];
        if (expected == "l1\r\nl2") expected = "l1\nl2";
        EXPECT_EQ(read[i], expected) << "cell " << i;
    }
}

TEST_F(GridHtmlTest, ClipboardGetsTheTableAsAnHtmlDocumentAndText)
{
    SmallGrid();
    Grid->SetCells(1, 1, "\xE2\x82\xAC <x>");
    const std::string before = GetCurrentDir();
    Grid->CopyToClipBoardAsHTML();
    const auto html = Clipboard()->GetAsBytes(RegisterClipboardFormat("HTML Format"));
    ASSERT_TRUE(html.has_value());
    EXPECT_EQ(html->substr(0, 6), "<html>");
    EXPECT_NE(html->find("\xE2\x82\xAC &lt;x&gt;"), std::string::npos) << "UTF-8, escaped";
    EXPECT_NE(Clipboard()->AsText().find("<TABLE"), std::string::npos);
    EXPECT_FALSE(DirectoryExists(before + "/images")) << "nothing is written into the working folder";
}

TEST_F(GridHtmlTest, CellPicturesGoBesideTheFileAndAreNeverOverwritten)
{
    SmallGrid();
    Grid->CreateBitmap(1, 1, false, haLeft, vaTop)->SetSize(4, 3);
    Grid->SetCells(1, 1, "pic");
    Grid->AddNode(1, 1);
    const std::string folder = Dir / "my pages";
    ForceDirectories(folder);
    const std::string file = folder + "/t.html";
    Grid->SaveToHTML(file);
    const std::string first = ReadFile(file);
    EXPECT_NE(first.find(">pic<img src= \"file://" + Dir.Path() + "my%20pages/images/img1.jpg\"></td>"),
              std::string::npos) << first;
    EXPECT_NE(first.find(">+"), std::string::npos) << "a node's cell shows \"+\" before its text";
    TJPEGImage image;
    image.LoadFromFile(folder + "/images/img1.jpg");
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 3);

    Grid->GetBitmap(1, 1)->SetSize(6, 5);
    Grid->AppendToHTML(file);
    image.LoadFromFile(folder + "/images/img1.jpg");
    EXPECT_EQ(image.Width(), 4) << "the earlier table's image stays as it was";
    image.LoadFromFile(folder + "/images/img2.jpg");
    EXPECT_EQ(image.Width(), 6);
    const std::string both = ReadFile(file);
    EXPECT_NE(both.find("images/img1.jpg"), std::string::npos);
    EXPECT_NE(both.find("images/img2.jpg"), std::string::npos);

    // A clipboard copy has no folder of its own: it writes no files and refers to none.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(Dir.Path());
    Grid->CopyToClipBoardAsHTML();
    std::filesystem::current_path(here);
    EXPECT_FALSE(std::filesystem::exists(Dir / "images"));
    EXPECT_EQ(Clipboard()->AsText().find("<img"), std::string::npos);
    EXPECT_NE(Clipboard()->AsText().find(">pic</td>"), std::string::npos);
}
