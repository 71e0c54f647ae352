// Helpers shared by the workbook engine's tests: temporary files, running
// the independent peers, and building record streams by hand.
#pragma once

#include "platform/classes/Streams.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace xlstest {

using testsupport::RunCommand;
using testsupport::TempFolder;

// Command lines of the peers: python3 with xlrd, olefile and xlwt (peer_check.py); node with
// cfb and xlsx (cfb_tool.js). Tests say which they need with REQUIRE_PEER.
std::string PeerCheck(const std::string& arguments);
std::string CfbTool(const std::string& arguments);
// The command line of the LibreOffice driver that applies row, column and sheet
// operations to a workbook (arrange_uno.py, which says how).
std::string ArrangeInLibreOffice(const TempFolder& dir, const std::string& arguments);
// Our own record lister.
std::string XlsDump();

ByteArray ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const ByteArray& bytes);

// One record: id, length and data.
ByteArray Rec(std::uint16_t id, const ByteArray& data);
ByteArray Concat(std::initializer_list<ByteArray> parts);
// A compound file with one stream "Workbook", made by our container writer (which pads a stream
// shorter than 4096 bytes with zeros), written to the folder under that name.
std::string MakeContainer(const TempFolder& dir, const std::string& name, const ByteArray& workbook);
// The same made by the cfb peer, which keeps a short stream's size in the mini stream and adds
// a small stream of its own.
std::string CfbContainer(const TempFolder& dir, const std::string& name, const ByteArray& workbook);

// The whole content of a stream, read through our container.
ByteArray ReadStream(const std::string& file, std::u16string_view name);
// Writes a copy of the container with the Workbook stream given new bytes.
void RewriteWorkbook(const std::string& in, const std::string& out, const ByteArray& workbook,
                     const std::vector<std::u16string>& DeleteStorages = {});

// The message of the engine error that action raises, or "no exception".
std::string ErrorOf(const std::function<void()>& action);
// The context of an operation on sheet 0 whose formulas are on sheet 0 too.
TSheetInfo SameSheet();

// The formula text LibreOffice shows in each formula cell of a sheet (from 1)
// of an .xlsx it wrote, by row and column.
std::map<std::pair<int, int>, std::string> FormulasShown(const std::string& xlsx, int sheet);
// Our formula text in LibreOffice's notation, where the two differ.
std::string LibreOfficeNotation(const std::string& formula);
// Each formula cell LibreOffice shows on a sheet (from 1) reads as that text.
void ExpectTextShown(TXLSFile& file, int sheet, const std::map<std::pair<int, int>, std::string>& shown);

} // namespace xlstest
