// Saving and loading the grid as CSV: every writer option keeps every text, the
// loader's growth and detection, and files of other programs.
#include "grid/files/tests/AwkwardCells.h"
#include "grid/files/tests/GridFileFixture.h"

#include "platform/classes/Streams.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace gridfiles_test;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class GridCsvTest : public GridFileTest {
protected:
    GridCsvTest() : GridFileTest("gridcsv") {}
};

// Rows of cells from text where cells are hex UTF-8 ("-" empty), split by blanks, rows by lines.
std::vector<std::vector<std::string>> ParseHexRows(std::string_view Text)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t pos = 0;
    while (pos < Text.size()) {
        std::size_t end = Text.find('\n', pos);
        if (end == std::string_view::npos) end = Text.size();
        std::string_view line = Text.substr(pos, end - pos);
        pos = end + 1;
        std::vector<std::string> cells;
        std::size_t p = 0;
        while (p < line.size()) {
            std::size_t q = line.find(' ', p);
            if (q == std::string_view::npos) q = line.size();
            std::string_view hex = line.substr(p, q - p);
            std::string cell;
            if (hex != "-")
                for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
                    cell += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
            cells.push_back(cell);
            p = q + 1;
        }
        rows.push_back(cells);
    }
    return rows;
}

void ExpectRows(TQuillStringGrid& Grid, const std::vector<std::vector<std::string>>& Rows, const std::string& What)
{
    ASSERT_EQ(Grid.RowCount(), static_cast<int>(Rows.size())) << What;
    for (std::size_t r = 0; r < Rows.size(); ++r) {
        EXPECT_GE(Grid.ColCount(), static_cast<int>(Rows[r].size())) << What << ", row " << r;
        for (std::size_t c = 0; c < Rows[r].size(); ++c)
            EXPECT_EQ(Grid.Cells(static_cast<int>(c), static_cast<int>(r)), Rows[r][c])
                << What << ", row " << r << ", column " << c;
    }
}

// Prints each file's rows as Python's csv module reads them, in ParseHexRows form,
// each file's rows after a line with its name.
constexpr const char* kPrintRows = R"(
def dump(path, delimiter, encoding):
    with open(path, newline='', encoding=encoding) as f:
        rows = list(csv.reader(f, delimiter=delimiter))
    print(path)
    for row in rows:
        print(' '.join(c.encode('utf-8').hex() or '-' for c in row))
)";

std::map<std::string, std::vector<std::vector<std::string>>> SplitDump(const std::string& Output)
{
    std::map<std::string, std::vector<std::vector<std::string>>> files;
    std::string current, body;
    auto flush = [&] {
        if (!current.empty()) files[current] = ParseHexRows(body);
        body.clear();
    };
    std::size_t pos = 0;
    while (pos < Output.size()) {
        std::size_t end = Output.find('\n', pos);
        if (end == std::string::npos) end = Output.size();
        const std::string line = Output.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line[0] == '/') {
            flush();
            current = line;
        } else {
            body += line + "\n";
        }
    }
    flush();
    return files;
}

} // namespace

TEST_F(GridCsvTest, SavesFieldsQuotedWhereNeeded)
{
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "a");
    Grid->SetCells(1, 0, "b\"c");
    Grid->SetCells(2, 0, "x,y");
    Grid->SaveToCSV(Dir / "row.csv", false);
    EXPECT_EQ(ReadFile(Dir / "row.csv"), "a,\"b\"\"c\",\"x,y\"\r\n");
    Grid->SaveToCSV(Dir / "row.csv", true);
    EXPECT_EQ(ReadFile(Dir / "row.csv"), "\xEF\xBB\xBF" "a,\"b\"\"c\",\"x,y\"\r\n");
}

TEST_F(GridCsvTest, EveryWriterOptionKeepsEveryText)
{
    struct Option {
        const char* Name;
        void (*Apply)(TQuillStringGrid&);
    } options[] = {
        {"default", [](TQuillStringGrid&) {}},
        {"always quotes", [](TQuillStringGrid& g) { g.SetAlwaysQuotes(true); }},
        {"quote empty cells", [](TQuillStringGrid& g) { g.SetQuoteEmptyCells(true); }},
        {"java", [](TQuillStringGrid& g) { g.SetJavaCSV(true); }},
        {"java, always quotes", [](TQuillStringGrid& g) { g.SetJavaCSV(true); g.SetAlwaysQuotes(true); }},
        {"multi-line cells", [](TQuillStringGrid& g) { g.SetMultiLineCells(true); }},
    };
    for (const Option& option : options) {
        for (char delimiter : std::string(",;#\t|@*-+&")) {
            for (bool unicode : {true, false}) {
                const std::string what = std::string(option.Name) + ", delimiter '" + delimiter + "'" +
                                         (unicode ? ", UTF-8" : ", ANSI");
                // The line-break code of each convention cannot stand for itself.
                const auto cells = AwkwardCellsWithout(option.Name[0] == 'j' ? "~" : "\v");
                auto source = NewGrid();
                FillAwkward(*source, cells);
                option.Apply(*source);
                source->SetDelimiter(delimiter);
                source->SaveToCSV(Dir / "all.csv", unicode);
                auto target = NewGrid();
                target->SetColCount(1);
                option.Apply(*target);
                target->SetDelimiter(delimiter);
                target->LoadFromCSV(Dir / "all.csv");
                ExpectAwkward(*target, what, cells);
                EXPECT_EQ(target->ColCount(), AwkwardCols) << what;
            }
        }
    }
}

TEST_F(GridCsvTest, OemCodePageRoundTrips)
{
    const std::vector<std::string> cells = {"caf\xC3\xA9", "\xC3\x84rger", "\xE2\x96\x91 box", "plain"};
    auto source = NewGrid();
    FillAwkward(*source, cells);
    source->SetOemConvert(true);
    source->SaveToCSV(Dir / "oem.csv", false);
    EXPECT_EQ(ReadFile(Dir / "oem.csv").substr(0, 5), "caf\x82,") << "code-page bytes on disk";
    auto target = NewGrid();
    target->SetOemConvert(true);
    target->LoadFromCSV(Dir / "oem.csv");
    ExpectAwkward(*target, "OEM", cells);
}

TEST_F(GridCsvTest, LoadingGrowsRowsAheadAndEndsAtTheLoadedRows)
{
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += "v" + std::to_string(i) + ";w\r\n";
    WriteFile(Dir / "big.csv", text);
    Grid->SetRowCount(2);
    Grid->SetFixedRows(0);
    Grid->SetFixedFooters(1);
    int mostRows = 0;
    Grid->OnLoadCell = [&](TObject*, int, int, std::string&) { mostRows = std::max(mostRows, Grid->RowCount()); };
    Grid->LoadFromCSV(Dir / "big.csv");
    EXPECT_EQ(Grid->RowCount(), 2500 + 1);
    EXPECT_EQ(mostRows, 2999) << "grown to 1000 rows ahead of the current row";
    EXPECT_EQ(Grid->Cells(0, 2499), "v2499");
    EXPECT_EQ(Grid->Cells(1, 0), "w") << "';' detected";
}

TEST_F(GridCsvTest, HeaderLineIsSkippedButStillDecidesTheDelimiter)
{
    WriteFile(Dir / "h.csv", "name|town\r\nann|rome|x\r\n");
    Grid->SetFixedRows(0);
    Grid->SetLoadFirstRow(false);
    Grid->LoadFromCSV(Dir / "h.csv");
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->Cells(0, 0), "ann");
    EXPECT_EQ(Grid->Cells(2, 0), "x");
    EXPECT_EQ(Grid->Delimiter(), '\0') << "the detected delimiter is for this load only";
}

TEST_F(GridCsvTest, DatesPhoneNumbersAndMultiLineFirstCellsLoadAsWritten)
{
    struct Case {
        const char* Name;
        std::string File;
        std::vector<std::vector<std::string>> Rows;
    };
    const Case cases[] = {
        {"ISO dates", "2024-01-05,2024-02-06\r\n2024-03-07,2024-04-08\r\n",
         {{"2024-01-05", "2024-02-06"}, {"2024-03-07", "2024-04-08"}}},
        {"phone numbers", "+1-555-0100\r\n+1-555-0199\r\n", {{"+1-555-0100"}, {"+1-555-0199"}}},
        {"office suite's line break in the first cell", "\"one\ntwo\nthree\",b,c\n1,2,3\n",
         {{"one\ntwo\nthree", "b", "c"}, {"1", "2", "3"}}},
    };
    for (const Case& c : cases) {
        WriteFile(Dir / "in.csv", c.File);
        auto grid = NewGrid();
        grid->SetColCount(1);
        grid->SetRowCount(1);
        grid->LoadFromCSV(Dir / "in.csv");
        ExpectRows(*grid, c.Rows, c.Name);
        EXPECT_EQ(grid->ColCount(), static_cast<int>(c.Rows[0].size())) << c.Name;
        // And what the grid writes of them reads back the same.
        grid->SaveToCSV(Dir / "out.csv", true);
        auto back = NewGrid();
        back->LoadFromCSV(Dir / "out.csv");
        ExpectRows(*back, c.Rows, std::string(c.Name) + ", written and read back");
    }
}

TEST_F(GridCsvTest, MaxRowsAndInsertAddBelow)
{
    WriteFile(Dir / "r.csv", "1,a\n2,b\n3,c\n");
    Grid->SetFixedRows(0);
    Grid->LoadFromCSV(Dir / "r.csv", 2);
    EXPECT_EQ(Grid->RowCount(), 2);
    Grid->InsertFromCSV(Dir / "r.csv");
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Cells(1, 4), "c");
    TStringStream stream("x,y\r\n");
    Grid->LoadFromCSVStream(stream);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->Cells(1, 0), "y");
}

TEST_F(GridCsvTest, AppendAddsRowsToTheExistingFile)
{
    WriteFile(Dir / "a.csv", "old,row");
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "new");
    Grid->AppendToCSV(Dir / "a.csv", false);
    EXPECT_EQ(ReadFile(Dir / "a.csv"), "old,row\r\nnew\r\n");
    EXPECT_THROW(Grid->AppendToCSV(Dir / "missing.csv"), EFOpenError);
}

TEST_F(GridCsvTest, FailuresLeaveGridAndFilesAsTheyWere)
{
    Grid->SetCells(1, 1, "kept");
    WriteFile(Dir / "empty.csv", "");
    try {
        Grid->LoadFromCSV(Dir / "empty.csv");
        ADD_FAILURE() << "an empty file loads";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_THROW(Grid->LoadFromCSV(Dir / "missing.csv"), EFOpenError);
    EXPECT_EQ(Grid->Cells(1, 1), "kept");

    // A save that cannot finish leaves the old file whole and no stray file.
    const std::string sub = Dir / "locked";
    ::mkdir(sub.c_str(), 0755);
    WriteFile(sub + "/keep.csv", "precious\r\n");
    ::chmod(sub.c_str(), 0555);
    if (::access((sub + "/probe").c_str(), F_OK) != 0 && ::geteuid() != 0) {
        EXPECT_THROW(Grid->SaveToCSV(sub + "/keep.csv"), EFCreateError);
        EXPECT_EQ(ReadFile(sub + "/keep.csv"), "precious\r\n");
    }
    ::chmod(sub.c_str(), 0755);
    EXPECT_THROW(Grid->SaveToCSV(Dir / "no-such-folder/x.csv"), EFCreateError);
}

TEST_F(GridCsvTest, LoadsPythonFilesAsPythonReadsThem)
{
    REQUIRE_PEER("python3");
    const std::string script = Dir / "write.py";
    WriteFile(script, std::string("import csv, sys\n") + kPrintRows + R"(
rows = [['a', 'b,c', 'say "hi"', 'two\nlines', 'crlf\r\nx', ''],
        ['\u00fc\u20ac\U0001F600', '', 'x;y|z', 'tab\there', '"', ''],
        ['last', '', '', '', '', 'end']]
latin = [['caf\u00e9', 'b,c', 'q"q', '', 'x\ny', '']]
folder = sys.argv[1]
for name, rows_, kw, enc in [
        ('lf.csv', rows, dict(lineterminator='\n'), 'utf-8'),
        ('crlf.csv', rows, dict(lineterminator='\r\n'), 'utf-8'),
        ('cr.csv', rows, dict(lineterminator='\r'), 'utf-8'),
        ('bom.csv', rows, dict(), 'utf-8-sig'),
        ('semicolon.csv', rows, dict(delimiter=';'), 'utf-8'),
        ('tab.csv', rows, dict(delimiter='\t'), 'utf-8'),
        ('allquoted.csv', rows, dict(quoting=csv.QUOTE_ALL), 'utf-8'),
        ('latin1.csv', latin, dict(), 'latin-1')]:
    path = folder + name
    with open(path, 'w', newline='', encoding=enc) as f:
        csv.writer(f, **kw).writerows(rows_)
    dump(path, kw.get('delimiter', ','), enc)
)");
    std::string output;
    ASSERT_EQ(0, testsupport::RunCommand("/usr/bin/python3 " + script + " " + Dir.Path(), &output)) << output;
    const auto files = SplitDump(output);
    ASSERT_EQ(files.size(), 8u) << output;
    for (const auto& [path, rows] : files) {
        auto grid = NewGrid();
        const std::string name = path.substr(path.rfind('/') + 1);
        grid->SetDelimiter(name == "semicolon.csv" ? ';' : name == "tab.csv" ? '\t' : ',');
        grid->LoadFromCSV(path);
        ExpectRows(*grid, rows, path);
    }
}

TEST_F(GridCsvTest, LibreOfficeReadsOurFileAndWeReadItsFile)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3");
    // Spreadsheet cells hold no control characters; the rest go through LibreOffice.
    std::vector<std::string> cells;
    for (const std::string& c : AwkwardCellsWithout("\v"))
        if (c.find_first_of("\x01\r") == std::string::npos && c != "=1+2") cells.push_back(c);
    cells.push_back("l1\nl2");
    FillAwkward(*Grid, cells);
    Grid->SaveToCSV(Dir / "ours.csv", true);
    const std::string outDir = Dir / "lo";
    std::string output;
    ASSERT_EQ(0, testsupport::RunCommand(testsupport::LibreOffice(Dir.Path()) +
                                             " --infilter=CSV:44,34,76,1 --convert-to "
                                             "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false' "
                                             "--outdir " + outDir + " " + Dir / "ours.csv",
                                         &output))
        << output;
    const std::string theirs = outDir + "/ours.csv";
    WriteFile(Dir / "read.py", std::string("import csv, sys\n") + kPrintRows + "dump(sys.argv[1], ',', 'utf-8-sig')\n");
    ASSERT_EQ(0, testsupport::RunCommand("/usr/bin/python3 " + Dir / "read.py" + " " + theirs, &output)) << output;
    auto rows = SplitDump(output)[theirs];
    // What LibreOffice read from our file is what it wrote: the grid's cells.
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(Grid->RowCount())) << output;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::size_t r = i / AwkwardCols, c = i % AwkwardCols;
        ASSERT_LT(c, rows[r].size());
        EXPECT_EQ(rows[r][c], cells[i]) << "LibreOffice read cell " << i;
    }
    // And we read LibreOffice's file as Python does.
    auto grid = NewGrid();
    grid->SetDelimiter(',');
    grid->LoadFromCSV(theirs);
    ExpectRows(*grid, rows, "LibreOffice's file");
}
