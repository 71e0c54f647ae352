// Helpers shared by the workbook engine's tests.
#include "xlsAdapter/tests/XlsTestSupport.h"

#include "testsupport/CompoundFile.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace xlstest {

std::string PeerCheck(const std::string& arguments)
{
    return std::string("/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/peer_check.py ") + arguments;
}

std::string CfbTool(const std::string& arguments)
{
    return std::string("node " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/cfb_tool.js ") + arguments;
}

std::string ArrangeInLibreOffice(const TempFolder& dir, const std::string& arguments)
{
    return std::string("/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/arrange_uno.py '") +
           testsupport::LibreOffice(dir.Path()) + "' " + arguments;
}

std::string XlsDump()
{
    return XLSDUMP_PATH;
}

ByteArray ReadFileBytes(const std::string& path)
{
    const std::string bytes = testsupport::ReadFile(path);
    return ByteArray(bytes.begin(), bytes.end());
}

void WriteFileBytes(const std::string& path, const ByteArray& bytes)
{
    testsupport::WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

ByteArray Rec(std::uint16_t id, const ByteArray& data)
{
    ByteArray bytes{static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8),
                    static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(data.size() >> 8)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

ByteArray Concat(std::initializer_list<ByteArray> parts)
{
    ByteArray bytes;
    for (const ByteArray& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

std::string MakeContainer(const TempFolder& dir, const std::string& name, const ByteArray& workbook)
{
    const std::string file = dir / name;
    WriteFileBytes(file, testsupport::CompoundFile(workbook));
    return file;
}

std::string CfbContainer(const TempFolder& dir, const std::string& name, const ByteArray& workbook)
{
    const std::string streamFile = dir / (name + ".stream");
    const std::string file = dir / name;
    WriteFileBytes(streamFile, workbook);
    std::string output;
    EXPECT_EQ(0, RunCommand(CfbTool("write " + file + " Workbook=" + streamFile), &output)) << output;
    return file;
}

ByteArray ReadStream(const std::string& file, std::u16string_view name)
{
    TFileStream input(file, fmOpenRead);
    TOle2File container(input);
    container.SelectStream(name);
    ByteArray bytes(static_cast<std::size_t>(container.Length()));
    container.ReadMem(bytes.data(), container.Length());
    return bytes;
}

void RewriteWorkbook(const std::string& in, const std::string& out, const ByteArray& workbook,
                     const std::vector<std::u16string>& DeleteStorages)
{
    TFileStream input(in, fmOpenRead);
    TOle2File container(input);
    TFileStream output(out, fmCreate);
    container.PrepareForWrite(output, u"Workbook", DeleteStorages);
    container.Write(workbook);
    container.FinishWrite();
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EExcelException& e) {
        return e.Message();
    }
    return "no exception";
}

TSheetInfo SameSheet()
{
    TSheetInfo info;
    info.InsSheet = 0;
    info.FormulaSheet = 0;
    return info;
}

// Where LibreOffice's notation differs from ours: sheet names that need no
// quotes lose them, a span of sheets quotes each sheet that needs it, and
// Boolean constants show as the functions TRUE() and FALSE().
std::string LibreOfficeNotation(const std::string& formula)
{
    static const std::pair<std::regex, const char*> notation[] = {
        {std::regex("'([A-Za-z_][A-Za-z0-9_]*)'!"), "$1!"},
        {std::regex("'Data:Sales 2026'!"), "Data:'Sales 2026'!"},
        {std::regex("\\b(TRUE|FALSE)\\b(?!\\()"), "$1()"},
    };
    std::string text = formula;
    for (const auto& [pattern, replacement] : notation)
        text = std::regex_replace(text, pattern, replacement);
    return text;
}

// LibreOffice's sheets have more rows than a workbook file's: it reads a
// whole column as its rows 1 to 65536, and moves the last when rows are
// inserted or deleted above it, where the whole column stays whole.
std::string WholeColumns(const std::string& shown)
{
    static const std::regex wholeColumn("\\b([A-Z]+)1:\\1(?:655)[0-9][0-9]\\b");
    return std::regex_replace(shown, wholeColumn, "$1:$1");
}

std::map<std::pair<int, int>, std::string> FormulasShown(const std::string& xlsx, int sheet)
{
    std::string out;
    EXPECT_EQ(0, RunCommand("/usr/bin/python3 -c \"import zipfile, re, html\n"
                            "z = zipfile.ZipFile('" + xlsx + "')\n"
                            "for m in re.finditer(r'<c r=.([A-Z]+)([0-9]+).[^>]*>(?:(?!</c>|<c ).)*?<f[^>]*>([^<]*)</f>', "
                            "z.read('xl/worksheets/sheet" + std::to_string(sheet) + ".xml').decode()):\n"
                            " print(m.group(1) + chr(9) + m.group(2) + chr(9) + html.unescape(m.group(3)))\"",
                            &out))
        << out;
    std::map<std::pair<int, int>, std::string> shown;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        int column = 0;
        for (const char letter : line.substr(0, first))
            column = column * 26 + (letter - 'A' + 1);
        shown[{std::stoi(line.substr(first + 1, second - first - 1)), column}] = "=" + line.substr(second + 1);
    }
    return shown;
}

void ExpectTextShown(TXLSFile& file, int sheet, const std::map<std::pair<int, int>, std::string>& shown)
{
    file.SetActiveSheet(sheet);
    for (const auto& [cell, text] : shown)
        EXPECT_EQ(WholeColumns(text), LibreOfficeNotation(file.GetCellFormula(cell.first, cell.second)))
            << "sheet " << sheet << ", row " << cell.first << ", column " << cell.second;
}

} // namespace xlstest
