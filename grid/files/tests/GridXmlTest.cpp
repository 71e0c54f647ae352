// The grid's XML files: every text back as it was, the declared encoding, older files, other documents.
#include "grid/files/tests/AwkwardCells.h"
#include "grid/files/tests/GridFileFixture.h"

#include "platform/classes/StringList.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <memory>

using namespace gridfiles_test;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridXmlTest : public GridFileTest {
protected:
    GridXmlTest() : GridFileTest("gridxml") {}
};

} // namespace

TEST_F(GridXmlTest, EveryTextSurvivesInEachEncodingWithEmptyCellsLeftOut)
{
    auto cells = AwkwardCells();
    cells.push_back("$amp; and $#x41; stay");
    for (const char* encoding : {"ISO-8859-1", "UTF-8", "US-ASCII"}) {
        for (bool emptyCells : {false, true}) {
            const std::string what = std::string(encoding) + (emptyCells ? ", empty cells written" : "");
            auto source = NewGrid();
            FillAwkward(*source, cells);
            source->SetXMLEncoding(encoding);
            source->SaveToXML(Dir / "all.xml", "list", "rec", nullptr, emptyCells);
            auto target = NewGrid();
            target->LoadFromXML(Dir / "all.xml");
            ExpectAwkward(*target, what, cells);
        }
    }
}

TEST_F(GridXmlTest, EmptyRowsStayEmptyWhereverTheyAre)
{
    auto source = NewGrid();
    source->SetColCount(2);
    source->SetRowCount(4);
    source->SetCells(0, 1, "b");
    source->SetCells(1, 2, " ");
    source->SaveToXML(Dir / "empty.xml", "list", "rec", nullptr, false);
    auto target = NewGrid();
    target->SetColCount(1);
    target->SetRowCount(1);
    target->LoadFromXML(Dir / "empty.xml");
    EXPECT_EQ(target->RowCount(), 4);
    EXPECT_EQ(target->ColCount(), 2);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_EQ(target->Cells(col, row), source->Cells(col, row)) << col << "," << row;
}

TEST_F(GridXmlTest, WritesTheDeclaredEncodingAndWellFormedXml)
{
    REQUIRE_PEER("python3");
    FillAwkward(*Grid);
    Grid->SaveToXML(Dir / "latin.xml", "list", "rec");
    const std::string bytes = ReadFile(Dir / "latin.xml");
    EXPECT_EQ(bytes.substr(0, 46), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n");
    EXPECT_NE(bytes.find("\xFC \xDF &#x20AC;"), std::string::npos) << "Latin-1 bytes, the rest as references";
    Grid->SetXMLEncoding("UTF-8");
    Grid->SaveToXML(Dir / "utf8.xml", "list", "rec");
    // Python's parser reads both to the same texts; control characters are the grid's own codes.
    WriteFile(Dir / "check.py", R"(
import sys, xml.etree.ElementTree as ET
a = [f.text or '' for f in ET.parse(sys.argv[1]).getroot().iter() if f.tag.startswith('FIELD')]
b = [f.text or '' for f in ET.parse(sys.argv[2]).getroot().iter() if f.tag.startswith('FIELD')]
assert a == b, (a, b)
print('|'.join(t for t in a if '$#x' not in t).encode('unicode_escape').decode())
)");
    std::string output;
    ASSERT_EQ(0, testsupport::RunCommand("/usr/bin/python3 " + Dir / "check.py" + " " + Dir / "latin.xml" + " " +
                                             Dir / "utf8.xml",
                                         &output))
        << output;
    EXPECT_NE(output.find("line1\\r\\nline2"), std::string::npos) << output;
    EXPECT_NE(output.find("<b>&amp;</b>"), std::string::npos) << output;
    EXPECT_NE(output.find("\\U0001f600"), std::string::npos) << output;
    if (testsupport::PeerAvailable("python3")) {
        EXPECT_EQ(0, testsupport::RunCommand("xmllint --noout " + Dir / "latin.xml" + " " + Dir / "utf8.xml", &output))
            << output;
    }
}

TEST_F(GridXmlTest, ReadsOlderFilesAndDocumentsOfAttributes)
{
    WriteFile(Dir / "old.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<rec>\r\n"
                               "<FIELD0>a $amp; b</FIELD0>\r\n<FIELD1>&lt;x&gt; &quot;q&quot;</FIELD1>\r\n"
                               "</rec>\r\n</list>\r\n");
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->LoadFromXML(Dir / "old.xml");
    EXPECT_EQ(Grid->Cells(0, 0), "a & b");
    EXPECT_EQ(Grid->Cells(1, 0), "<x> \"q\"");

    WriteFile(Dir / "attr.xml", "<people><p name=\"Ann\" town=\"Rome\"/><p name=\"Bo\" town=\"Oslo\"/></people>");
    auto grid = NewGrid();
    grid->SetFixedRows(1);
    grid->SetSaveFixedRows(true);
    grid->SetSaveFixedCells(false);
    grid->LoadFromXML(Dir / "attr.xml", false, true);
    EXPECT_EQ(grid->Cells(0, 0), "name");
    EXPECT_EQ(grid->Cells(1, 0), "town");
    EXPECT_EQ(grid->Cells(1, 2), "Oslo");
}

TEST_F(GridXmlTest, ErrorsNameTheFileOrTheLine)
{
    EXPECT_THROW(Grid->LoadFromXML(Dir / "missing.xml"), Exception);
    WriteFile(Dir / "bad.xml", "<list>\n<rec>\n<FIELD0>x</FIELD1>\n</rec>\n</list>\n");
    try {
        Grid->LoadFromXML(Dir / "bad.xml");
        ADD_FAILURE() << "a broken document loads";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("XMLDOM Parsing error "), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(" on line 3"), std::string::npos) << e.what();
    }
    std::string deep;
    for (int i = 0; i < 2000; ++i) deep += "<a><b/>";
    for (int i = 0; i < 2000; ++i) deep += "</a>";
    WriteFile(Dir / "deep.xml", deep);
    EXPECT_THROW(Grid->LoadFromXML(Dir / "deep.xml"), Exception);
    EXPECT_THROW(Grid->SaveToXML(Dir / "no-folder/x.xml", "l", "r"), EQuillGridError);
}
