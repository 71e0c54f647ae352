// A copied sheet's drawing has its own drawing id and shape ids, registered
// in the drawing group, as read from the saved file by a reader of our own
// in Python, by xlrd and by LibreOffice.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace xlstest;

namespace {

const std::string Peer = "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/fileobject_peer.py";

std::string Copied(const TempFolder& dir, const std::string& fixture, int copies)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(VISTRA_TEST_DATA "/" + fixture);
    file.InsertAndCopySheets(1, 2, copies);
    const std::string saved = dir / ("copied-" + fixture);
    file.Save(false, saved, nullptr, nullptr, nullptr);
    return saved;
}

struct TIds {
    std::uint32_t MaxShapeId = 0, ShapesSaved = 0, DrawingsSaved = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Clusters; // drawing id, ids used
    std::vector<std::uint32_t> Drawings;                            // drawing id per sheet
    std::vector<std::vector<std::uint32_t>> Shapes;                 // shape ids per sheet
};

std::vector<std::uint32_t> Numbers(const std::string& text)
{
    std::vector<std::uint32_t> numbers;
    static const std::regex number("[0-9]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        numbers.push_back(static_cast<std::uint32_t>(std::stoul(it->str())));
    return numbers;
}

// "group MAX SAVED DRAWINGS [(dg, used), ...]" and "sheet N (dg, csp, last) [ids]".
TIds ReadIds(const std::string& file)
{
    std::string output;
    EXPECT_EQ(0, RunCommand(Peer + " shapes " + file, &output)) << output;
    TIds ids;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::uint32_t> n = Numbers(line);
        if (line.rfind("group", 0) == 0 && n.size() >= 3) {
            ids.MaxShapeId = n[0];
            ids.ShapesSaved = n[1];
            ids.DrawingsSaved = n[2];
            for (std::size_t i = 3; i + 1 < n.size(); i += 2)
                ids.Clusters.emplace_back(n[i], n[i + 1]);
        } else if (line.rfind("sheet", 0) == 0 && n.size() >= 4) {
            ids.Drawings.push_back(n[1]);
            ids.Shapes.emplace_back(n.begin() + 4, n.end());
            EXPECT_EQ(n[2], ids.Shapes.back().size()) << line;
            EXPECT_EQ(n[3], ids.Shapes.back().back()) << line;
        }
    }
    return ids;
}

// Every shape id is unique in the workbook and lies in a cluster of its
// sheet's drawing; the group counts every shape and drawing.
void ExpectConsistent(const TIds& ids, std::size_t sheets)
{
    ASSERT_EQ(ids.Shapes.size(), sheets);
    EXPECT_EQ(std::set<std::uint32_t>(ids.Drawings.begin(), ids.Drawings.end()).size(), sheets);
    std::set<std::uint32_t> seen;
    std::uint32_t total = 0, highest = 0;
    for (std::size_t s = 0; s < sheets; ++s)
        for (const std::uint32_t id : ids.Shapes[s]) {
            EXPECT_TRUE(seen.insert(id).second) << "shape id " << id << " repeats on sheet " << s;
            const std::size_t cluster = id / 1024 - 1;
            ASSERT_LT(cluster, ids.Clusters.size()) << id;
            EXPECT_EQ(ids.Clusters[cluster].first, ids.Drawings[s]) << id;
            ++total;
            highest = std::max(highest, id);
        }
    EXPECT_EQ(ids.ShapesSaved, total);
    EXPECT_EQ(ids.DrawingsSaved, sheets);
    EXPECT_GE(ids.MaxShapeId, highest);
}

} // namespace

TEST(XlsDrawingIds, CopiedSheetsGetTheirOwnDrawingAndShapeIds)
{
    REQUIRE_PEER("python3-olefile");
    TempFolder dir;
    // A picture, a rectangle and a comment; copied twice.
    const TIds drawings = ReadIds(Copied(dir, "drawings-libreoffice.xls", 2));
    ExpectConsistent(drawings, 3);
    EXPECT_EQ(drawings.Shapes[1].size(), drawings.Shapes[0].size());
    // Two comments.
    ExpectConsistent(ReadIds(Copied(dir, "notes-libreoffice.xls", 1)), 2);
}

TEST(XlsDrawingIds, XlrdAndLibreOfficeReadTheCopiedComments)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    const std::string file = Copied(dir, "notes-libreoffice.xls", 1);
    std::string output;
    ASSERT_EQ(0, RunCommand(Peer + " notes " + file, &output)) << output;
    EXPECT_NE(output.find("\tNotes!B3\ton B3"), std::string::npos) << output;
    EXPECT_NE(output.find("!D6\ton D6"), std::string::npos) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 4) << output;
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to html " + file,
                            &log))
        << log;
    const std::string html = testsupport::ReadFile(dir / "copied-notes-libreoffice.html");
    const std::regex onB3(R"(<comment>on B3</comment>\s*B3</td>)");
    EXPECT_EQ(std::distance(std::sregex_iterator(html.begin(), html.end(), onB3), std::sregex_iterator()), 2) << html;
}
