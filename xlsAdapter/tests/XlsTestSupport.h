// Helpers shared by the workbook engine's tests: temporary files, running
// the independent peers, and building record streams by hand.
#pragma once

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace xlstest {

// A fresh folder for this test; removed when the object dies.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    std::string Path(const std::string& name) const { return (FPath / name).string(); }

private:
    std::filesystem::path FPath;
};

// Runs a shell command; returns its exit status and, when asked, its
// standard output.
int RunCommand(const std::string& command, std::string* output = nullptr);
// The peers: python3 with xlrd, olefile and xlwt; node with cfb.
std::string PeerCheck(const std::string& arguments);
std::string CfbTool(const std::string& arguments);
std::string XlsDump();

ByteArray ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const ByteArray& bytes);

// One record: id, length and data.
ByteArray Rec(std::uint16_t id, const ByteArray& data);
ByteArray Concat(std::initializer_list<ByteArray> parts);
// A compound file made by the cfb peer with one stream "Workbook".
std::string MakeContainer(const TTempDir& dir, const std::string& name, const ByteArray& workbook);

// The whole content of a stream, read through our container.
ByteArray ReadStream(const std::string& file, std::u16string_view name);
// Writes a copy of the container with the Workbook stream given new bytes.
void RewriteWorkbook(const std::string& in, const std::string& out, const ByteArray& workbook);

// The message of the engine error that action raises, or "no exception".
std::string ErrorOf(const std::function<void()>& action);
// The context of an operation on sheet 0 whose formulas are on sheet 0 too.
TSheetInfo SameSheet();

} // namespace xlstest
