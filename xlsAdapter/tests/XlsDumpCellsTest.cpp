// Cells through the file object, checked against the peers: xlsdump --cells
// agrees with python3-xlrd on every cell's kind and value and with
// LibreOffice's "as shown" CSV on the text of the common number formats; the
// sample workbook opens in both with the same cells, merges and sizes.
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

using namespace xlstest;

namespace {

const std::string Peer = "/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/fileobject_peer.py";

std::vector<std::vector<std::string>> Lines(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        lines.push_back(fields);
    }
    return lines;
}

std::string RunPeer(const std::string& command)
{
    std::string output;
    EXPECT_EQ(0, RunCommand(command, &output)) << command << "\n" << output;
    return output;
}

// Our cells and xlrd's: the same cells with the same values; formula cells
// give their formula text and show their cached result, which xlrd reads
// under whatever kind the result has.
void ExpectCellsAsXlrdReads(const std::string& file)
{
    const auto ours = Lines(RunPeer(XlsDump() + " --cells " + file));
    const auto theirs = Lines(RunPeer(Peer + " cells " + file));
    ASSERT_EQ(ours.size(), theirs.size()) << file;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        ASSERT_EQ(ours[i].size(), 4u) << file;
        EXPECT_EQ(ours[i][0], theirs[i][0]) << file;
        if (ours[i][1] == "formula") {
            EXPECT_TRUE(ours[i][2].starts_with("=")) << file << " " << ours[i][0];
            EXPECT_EQ(ours[i][3], theirs[i][2]) << file << " " << ours[i][0];
        } else {
            EXPECT_EQ(ours[i][1], theirs[i][1]) << file << " " << ours[i][0];
            EXPECT_EQ(ours[i][2], theirs[i][2]) << file << " " << ours[i][0];
        }
    }
}

// Shown texts by cell name for the rows of one sheet's first two columns.
std::map<std::string, std::string> Shown(const std::string& file, const std::string& sheet)
{
    std::map<std::string, std::string> shown;
    for (const auto& fields : Lines(RunPeer(XlsDump() + " --cells " + file)))
        // LibreOffice shows Booleans in the general format as numbers.
        if (fields[0].starts_with(sheet + "!") && fields[1] != "boolean")
            shown[fields[0].substr(sheet.size() + 1)] = fields[3];
    return shown;
}

void ExpectShownAsLibreOffice(const std::string& csv, const std::map<std::string, std::string>& shown,
                              const std::string& column)
{
    const auto rows = Lines(testsupport::ReadFile(csv));
    ASSERT_FALSE(rows.empty()) << csv;
    const std::size_t index = column == "A" ? 0 : 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string name = column + std::to_string(r + 1);
        if (!shown.count(name) || rows[r].size() <= index)
            continue;
        EXPECT_EQ(shown.at(name), rows[r][index]) << csv << " " << name;
    }
}

} // namespace

TEST(XlsDumpCells, CellsAndShownTextAgreeWithXlrdAndLibreOffice)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    const std::string sample = dir / "sample.xls";
    RunPeer(XlsDump() + " --write-sample " + sample);
    const std::string xlwt = dir / "xlwt.xls";
    const std::string libre = dir / "libre.xls";
    WriteFileBytes(xlwt, ReadFileBytes(VISTRA_TEST_DATA "/numberformats-xlwt.xls"));
    WriteFileBytes(libre, ReadFileBytes(VISTRA_TEST_DATA "/numberformats-libreoffice.xls"));
    for (const std::string& file : {xlwt, libre, sample})
        ExpectCellsAsXlrdReads(file);

    // One LibreOffice run writes every sheet of the three files as shown.
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to 'csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,false,true,true,"
                                "false,false,-1' xlwt.xls libre.xls sample.xls",
                            &log))
        << log;
    ExpectShownAsLibreOffice(dir / "xlwt-Formats.csv", Shown(xlwt, "Formats"), "A");
    ExpectShownAsLibreOffice(dir / "libre-Formats.csv", Shown(libre, "Formats"), "A");
    ExpectShownAsLibreOffice(dir / "sample-Sample.csv", Shown(sample, "Sample"), "B");
    EXPECT_EQ(Lines(testsupport::ReadFile(dir / "sample-Second.csv")).size(), 5u);

    EXPECT_EQ(RunPeer(Peer + " shape " + sample),
              "Sample [(11, 13, 0, 3)] [4096, 5120, None, None, None] "
              "[400, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 600, None] [(6, 0, 255)] [(2, 0, 65535)]\n"
              "Second [(6, 7, 0, 2)] [None, None, None, 2344, None] "
              "[255, 255, 255, 255, 255, None, None, None, None, None, None, None, None] [] []\n");
}
