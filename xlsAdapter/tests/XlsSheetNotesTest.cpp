// Comments stay on their cells when rows and columns are inserted and
// deleted, as xlrd and LibreOffice read the saved workbook.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <sstream>

using namespace xlstest;

namespace {

// A sheet with comments on B3 and D6, as LibreOffice saves it.
const std::string Fixture = VISTRA_TEST_DATA "/notes-libreoffice.xls";
const std::string Peer = "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/fileobject_peer.py";

struct TCase {
    const char* Name;
    std::function<void(TXLSFile&)> Change;
    const char* Notes; // as xlrd reads them from the saved file
};

// Rows and columns of the file API count from 1.
const TCase Cases[] = {
    {"unchanged", [](TXLSFile&) {}, "Notes!B3 on B3|Notes!D6 on D6|"},
    {"two rows inserted above", [](TXLSFile& f) { f.InsertAndCopyRows(20, 20, 1, 2, false); },
     "Notes!B5 on B3|Notes!D8 on D6|"},
    {"rows inserted between", [](TXLSFile& f) { f.InsertAndCopyRows(20, 21, 4, 3, false); },
     "Notes!B3 on B3|Notes!D12 on D6|"},
    {"a column inserted before B", [](TXLSFile& f) { f.InsertAndCopyCols(20, 20, 2, 1, false); },
     "Notes!C3 on B3|Notes!E6 on D6|"},
    {"rows 1 and 2 deleted", [](TXLSFile& f) { f.DeleteRows(1, 2); }, "Notes!B1 on B3|Notes!D4 on D6|"},
    // A note goes with its cell.
    {"the commented row 3 deleted", [](TXLSFile& f) { f.DeleteRows(3, 1); }, "Notes!D5 on D6|"},
    {"columns A to C deleted", [](TXLSFile& f) { f.DeleteCols(1, 3); }, "Notes!A6 on D6|"},
};

std::string Slug(const std::string& name)
{
    std::string slug = name;
    for (char& c : slug)
        if (c == ' ')
            c = '-';
    return slug + ".xls";
}

} // namespace

TEST(XlsSheetNotes, CommentsFollowTheirCellsAsXlrdReadsThem)
{
    REQUIRE_PEER("python3-xlrd");
    TempFolder dir;
    std::string files;
    for (const TCase& c : Cases) {
        TXLSFile file(nullptr);
        file.Connect();
        file.OpenFile(Fixture);
        c.Change(file);
        file.Save(false, dir / Slug(c.Name), nullptr, nullptr, nullptr);
        files += " " + (dir / Slug(c.Name));
    }
    std::string output;
    ASSERT_EQ(0, RunCommand(Peer + " notes" + files, &output)) << output;
    std::map<std::string, std::string> notes;
    std::istringstream lines(output);
    for (std::string file, cell, text; std::getline(lines, file, '\t') && std::getline(lines, cell, '\t') &&
                                       std::getline(lines, text);)
        notes[file] += cell + " " + text + "|";
    for (const TCase& c : Cases)
        EXPECT_EQ(notes[Slug(c.Name)], c.Notes) << c.Name;
}

TEST(XlsSheetNotes, LibreOfficeSeesEachCommentOnTheCellItWasOn)
{
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(Fixture);
    file.InsertAndCopyRows(20, 20, 1, 2, false);
    file.InsertAndCopyCols(20, 20, 2, 1, false);
    file.Save(false, dir / "moved.xls", nullptr, nullptr, nullptr);
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to html moved.xls",
                            &log))
        << log;
    // LibreOffice writes a cell's comment inside the cell, before its text;
    // the cells holding the texts "B3" and "D6" carry the comments.
    const std::string html = testsupport::ReadFile(dir / "moved.html");
    EXPECT_TRUE(std::regex_search(html, std::regex(R"(<comment>on B3</comment>\s*B3</td>)"))) << html;
    EXPECT_TRUE(std::regex_search(html, std::regex(R"(<comment>on D6</comment>\s*D6</td>)"))) << html;
}
