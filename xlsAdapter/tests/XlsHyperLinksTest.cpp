// Hyperlinks: their bytes, the sheet's list following inserted, copied and
// deleted rows, and xlrd reading what the file object writes.
#include "xlsAdapter/qorUXlsHyperLink.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace xlstest;

namespace {

const std::string Peer = "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/fileobject_peer.py";

std::unique_ptr<THLinkRecord> Link(int row, int col, const THyperLink& link = {hl_URL, "", "", "", "http://x", ""})
{
    return THLinkRecord::CreateNew({col, row, col, row}, link);
}

std::string Rows(const THLinkList& list)
{
    std::string rows;
    for (int i = 0; i < list.Count(); ++i)
        rows += std::to_string(list[i]->FirstRow()) + "-" + std::to_string(list[i]->LastRow()) + " ";
    return rows;
}

} // namespace

TEST(XlsHyperLinks, EveryKindOfLinkReadsBackAsWritten)
{
    const THyperLink cases[] = {
        {hl_URL, "", "", "", "http", ""},
        {hl_URL, "Shown text", "_blank", "part", "https://example.org/a?b=c", "A tip"},
        {hl_LocalFile, "", "", "", "..\\..\\report.xls", ""},
        {hl_LocalFile, "", "", "Sheet2!A1", "docs\\caf\xC3\xA9.txt", ""},
        {hl_LocalFile, "", "", "", "\xE6\x97\xA5\xE6\x9C\xAC.xls", ""}, // a path above Latin-1
        {hl_UNC, "", "", "", "\\\\server\\share\\file.xls", ""},
        {hl_CurrentWorkbook, "", "", "Sheet1!B7", "", ""},
    };
    for (const THyperLink& value : cases) {
        auto link = Link(3, 2, value);
        EXPECT_EQ(link->GetProperties(), value) << value.Text;
        auto copy = std::unique_ptr<THLinkRecord>(static_cast<THLinkRecord*>(link->DoCopyTo().release()));
        EXPECT_EQ(copy->GetProperties(), value) << value.Text;
    }
    // A four-character URL stores its byte length with the terminating zero.
    auto url = Link(0, 0, {hl_URL, "", "", "", "http", ""});
    EXPECT_EQ(GetCardinal(url->Data, 32 + 16), 10u);
    EXPECT_EQ(url->OptionFlags(), 0x03);
    // Two up-steps are stored as a count, the rest as the path.
    auto file = Link(0, 0, {hl_LocalFile, "", "", "", "..\\..\\a.xls", ""});
    EXPECT_EQ(GetWord(file->Data, 32 + 16), 2);
    EXPECT_EQ(GetCardinal(file->Data, 32 + 18), 6u);
    // Empty strings set no flags; the tip goes with an empty hint.
    auto plain = Link(0, 0, {hl_CurrentWorkbook, "", "", "", "", "tip"});
    EXPECT_EQ(plain->OptionFlags(), 0);
    ASSERT_TRUE(plain->Hint);
    plain->SetProperties({hl_CurrentWorkbook, "", "", "", "", ""});
    EXPECT_FALSE(plain->Hint);
}

TEST(XlsHyperLinks, LengthsRunningPastTheRecordAreRefused)
{
    auto link = Link(0, 0, {hl_URL, "", "", "", "http://example.org", ""});
    ByteArray cut = link->Data;
    cut.resize(cut.size() - 6);
    EXPECT_NE(ErrorOf([&] { THLinkRecord(xlsAdapter::xlr::HLINK, cut).GetProperties(); }), "no exception");
    ByteArray huge = link->Data;
    SetCardinal(huge, 32 + 16, 0x7FFFFFF0);
    EXPECT_NE(ErrorOf([&] { THLinkRecord(xlsAdapter::xlr::HLINK, huge).GetProperties(); }), "no exception");
    EXPECT_NE(ErrorOf([&] { THLinkRecord(xlsAdapter::xlr::HLINK, ByteArray(20, 0)); }), "no exception");
}

TEST(XlsHyperLinks, ListFollowsInsertedCopiedAndDeletedRows)
{
    THLinkList list;
    list.Add(Link(5, 0));  // inside the copied rows 5..6
    list.Add(Link(12, 0)); // below the insertion point
    list.Add(Link(2, 0));  // above it
    // Two copies of rows 5..6 go in at row 10.
    list.InsertAndCopyRange({0, 5, 255, 6}, 10, 0, 2, 0, SameSheet());
    list.Sort();
    EXPECT_EQ(Rows(list), "2-2 5-5 10-10 12-12 16-16 ");

    // Rows 10..13 go again: the copies with them, the link below moves up.
    list.DeleteRange({0, 10, 255, 10}, 4, 0, SameSheet());
    list.Sort();
    EXPECT_EQ(Rows(list), "2-2 5-5 12-12 ");

    // A link pushed past the last row is refused and keeps its place.
    THLinkList edge;
    edge.Add(Link(65535, 0));
    EXPECT_EQ(ErrorOf([&] { edge.InsertAndCopyRange({0, 0, 255, 0}, 0, 0, 1, 0, SameSheet()); }),
              "Too many entries for this kind of record (65536 out of a maximum of 65535)");
    EXPECT_EQ(Rows(edge), "65535-65535 ");
}

TEST(XlsHyperLinks, XlrdReadsTheLinksTheFileObjectWrites)
{
    REQUIRE_PEER("python3-xlrd");
    TempFolder dir;
    TXLSFile file(nullptr);
    file.Connect();
    file.NewFile(1);
    file.AddHyperLink({2, 3, 2, 3}, {hl_URL, "Example", "", "", "https://example.org/", "Opens the site"});
    file.AddHyperLink({1, 5, 3, 6}, {hl_CurrentWorkbook, "", "", "Sheet1!A1", "", ""});
    ASSERT_EQ(file.HyperLinkCount(), 2);
    EXPECT_EQ(file.GetHyperLinkCellRange(2).Right, 3);
    EXPECT_EQ(ErrorOf([&] { file.GetHyperLink(3); }),
              "The index \"3\" of the property \"HyperLinkIndex\" is not in the range 1-2");
    file.Save(false, dir / "links.xls", nullptr, nullptr, nullptr);
    file.InsertAndCopyRows(30, 30, 1, 2, false); // two empty rows on top
    file.Save(false, dir / "moved.xls", nullptr, nullptr, nullptr);

    std::string output;
    ASSERT_EQ(0, RunCommand(Peer + " links " + (dir / "links.xls") + " " + (dir / "moved.xls"), &output)) << output;
    EXPECT_EQ(output, "links.xls\tSheet1!B3:B3\turl\thttps://example.org/\t\tExample\tOpens the site\n"
                      "links.xls\tSheet1!A5:C6\tworkbook\t\tSheet1!A1\t\t\n"
                      "moved.xls\tSheet1!B5:B5\turl\thttps://example.org/\t\tExample\tOpens the site\n"
                      "moved.xls\tSheet1!A7:C8\tworkbook\t\tSheet1!A1\t\t\n");

    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "moved.xls");
    ASSERT_EQ(again.HyperLinkCount(), 2);
    EXPECT_EQ(again.GetHyperLink(1).Hint, "Opens the site");
    again.DeleteHyperLink(1);
    EXPECT_EQ(again.GetHyperLink(1).TextMark, "Sheet1!A1");
}
