// Helpers shared by the workbook engine's tests.
#include "xlsAdapter/tests/XlsTestSupport.h"

#include "testsupport/CompoundFile.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <gtest/gtest.h>


namespace xlstest {

std::string PeerCheck(const std::string& arguments)
{
    return std::string("/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/peer_check.py ") + arguments;
}

std::string CfbTool(const std::string& arguments)
{
    return std::string("node " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/cfb_tool.js ") + arguments;
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

void RewriteWorkbook(const std::string& in, const std::string& out, const ByteArray& workbook)
{
    TFileStream input(in, fmOpenRead);
    TOle2File container(input);
    TFileStream output(out, fmCreate);
    container.PrepareForWrite(output, u"Workbook");
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

} // namespace xlstest
