// Pictures, comments and hyperlinks through the file object, as xlrd and
// LibreOffice read them; a LibreOffice workbook with a chart passed through
// the engine with rows inserted, against LibreOffice inserting them itself.
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace xlstest;

namespace {

const std::string FilePeer = "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/fileobject_peer.py";

std::string Describe(const TempFolder& dir, const std::string& file, const std::string& insert = "")
{
    std::string output;
    const std::string command = "cd " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers && /usr/bin/python3 drawings_uno.py '" +
                                testsupport::LibreOffice(dir.Path()) + "' describe " + file + " " + insert;
    EXPECT_EQ(0, RunCommand(command, &output)) << output;
    return output;
}

// The workbook of the file-object checks: two pictures, three comments and
// two hyperlinks on labelled cells.
void MakeWorkbook(TXLSFile& file)
{
    file.NewFile(1);
    file.AddImage(ReadFileBytes(VISTRA_TEST_DATA "/picture-red.png"), xli_Png,
                  {2, 0, 2, 0, 4, 0, 6, 0, "red.png"}, at_MoveAndResize);
    file.AddImage(ReadFileBytes(VISTRA_TEST_DATA "/picture-blue.jpg"), xli_Jpeg,
                  {5, 512, 9, 100, 7, 0, 14, 0, "blue.jpg"}, at_MoveAndDontResize);
    for (const auto& [row, col, text] : {std::tuple{1, 1, "first comment"}, {4, 3, "zweiter Kommentar \xC3\xA4"},
                                         {20, 6, "third"}})
        file.SetCellComment(row, col, text, {col + 1, 0, row, 0, col + 3, 0, row + 4, 0, ""});
    file.SetCellValue(16, 1, Variant(std::string("site")));
    file.AddHyperLink({1, 16, 1, 16}, {hl_URL, "site", "", "", "https://example.org/", "Opens the site"});
    file.SetCellValue(17, 2, Variant(std::string("home")));
    file.AddHyperLink({2, 17, 2, 17}, {hl_CurrentWorkbook, "home", "", "Sheet1!A1", "", ""});
}

} // namespace

TEST(XlsDrawingsPeers, FileObjectPicturesCommentsAndLinksReadBack)
{
    TempFolder dir;
    TXLSFile file(nullptr);
    file.Connect();
    MakeWorkbook(file);
    file.Save(false, dir / "made.xls", nullptr, nullptr, nullptr);

    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "made.xls");
    again.BeginSheet();
    ASSERT_EQ(again.GetPicturesCount(0), 2);
    EXPECT_EQ(again.GetPicturesCount(9), 1);
    TMemoryStream data;
    TXlsImgTypes type = xli_Unknown;
    TClientAnchor anchor;
    again.GetPicture(2, 0, &data, type, anchor);
    EXPECT_EQ(type, xli_Png);
    EXPECT_EQ(data.Size(), static_cast<std::int64_t>(ReadFileBytes(VISTRA_TEST_DATA "/picture-red.png").size()));
    EXPECT_EQ(anchor, (TClientAnchor{0, 2, 0, 2, 0, 4, 0, 6, 0}));
    EXPECT_EQ(again.GetCellComment(4, 3), "zweiter Kommentar \xC3\xA4");
    EXPECT_EQ(again.GetCommentsCount(20), 1);
    EXPECT_EQ(again.GetCommentColumn(20, 0), 6);
    EXPECT_EQ(again.GetHyperLink(1).Text, "https://example.org/");
    EXPECT_EQ(ErrorOf([&] { again.DeleteImage(2); }),
              "The index \"2\" of the property \"ImageIndex\" is not in the range 0-1");

    // Replacing, clearing and deleting keep the store and shapes in step.
    again.SetCellComment(20, 6, "", {});
    again.AssignComment(1, 0, "changed");
    again.DeleteImage(0);
    again.Save(false, dir / "changed.xls", nullptr, nullptr, nullptr);
    TXLSFile third(nullptr);
    third.Connect();
    third.OpenFile(dir / "changed.xls");
    EXPECT_EQ(third.GetPicturesCount(0), 1);
    EXPECT_EQ(third.GetCellComment(1, 1), "changed");
    EXPECT_EQ(third.GetCellComment(20, 6), "");
}

TEST(XlsDrawingsPeers, XlrdAndLibreOfficeSeeTheFileObjectsPicturesCommentsAndLinks)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    TXLSFile file(nullptr);
    file.Connect();
    MakeWorkbook(file);
    file.Save(false, dir / "made.xls", nullptr, nullptr, nullptr);

    std::string output;
    ASSERT_EQ(0, RunCommand(FilePeer + " notes " + (dir / "made.xls"), &output)) << output;
    EXPECT_EQ(output, "made.xls\tSheet1!A1\tfirst comment\n"
                      "made.xls\tSheet1!C4\tzweiter Kommentar \xC3\xA4\n"
                      "made.xls\tSheet1!F20\tthird\n");
    ASSERT_EQ(0, RunCommand(FilePeer + " links " + (dir / "made.xls"), &output)) << output;
    EXPECT_EQ(output, "made.xls\tSheet1!A16:A16\turl\thttps://example.org/\t\tsite\tOpens the site\n"
                      "made.xls\tSheet1!B17:B17\tworkbook\t\tSheet1!A1\thome\t\n");

    // Each picture's top-left corner lies where its anchor puts it: the
    // red one in B2, the blue one in E9 (positions in millimetres).
    EXPECT_EQ(Describe(dir, dir / "made.xls"), "comment A1 first comment\n"
                                               "comment C4 zweiter Kommentar \xC3\xA4\n"
                                               "comment F20 third\n"
                                               "link A16 https://example.org/ site\n"
                                               "link B17 #Sheet1.A1 home\n"
                                               "shape GraphicObjectShape in B2 at 18 4 size 35 18\n"
                                               "shape GraphicObjectShape in E9 at 80 38 size 27 21\n");
}

TEST(XlsDrawingsPeers, RowsInsertedMoveEverythingAsLibreOfficeMovesIt)
{
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    const std::string fixture = VISTRA_TEST_DATA "/drawings-chart-libreoffice.xls";
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(fixture);
    file.InsertAndCopyRows(60, 60, 1, 2, false); // two empty rows on top
    file.Save(false, dir / "ours.xls", nullptr, nullptr, nullptr);

    // Row heights of inserted rows differ between the two; shapes are
    // compared by their place on the page.
    const std::regex cell(" in [A-Z]+[0-9]+");
    const std::string ours = std::regex_replace(Describe(dir, dir / "ours.xls"), cell, "");
    const std::string theirs = std::regex_replace(Describe(dir, fixture, "1 2"), cell, "");
    EXPECT_EQ(ours, theirs);
    EXPECT_NE(ours.find("chart B3:B10"), std::string::npos) << ours;
    EXPECT_NE(ours.find("comment B8 second note"), std::string::npos) << ours;
}
