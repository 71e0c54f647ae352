// Cells against independent programs: files written by xlwt and LibreOffice
// read to the values xlrd reads, and cells we write read back identically
// by xlrd and the npm xlsx package.
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/tests/XlsCellsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

using namespace xlstest;
namespace xlr = xlsAdapter::xlr;

namespace {

const std::string XlwtFixture = VISTRA_TEST_DATA "/cells-xlwt.xls";
const std::string LibreOfficeFixture = VISTRA_TEST_DATA "/cells-libreoffice.xls";

std::string Peer(const std::string& command)
{
    std::string output;
    EXPECT_EQ(0, RunCommand(command, &output)) << output;
    return output;
}

std::string XlrdCells(const std::string& file)
{
    return CellsPeer("xlrd " + file);
}

std::string SheetJsCells(const std::string& file)
{
    return Peer("VISTRA_PEERS=" VISTRA_SOURCE_DIR "/tools/peers node " VISTRA_SOURCE_DIR
                "/xlsAdapter/tests/peers/cells_sheetjs.js " +
                file);
}

std::string DoubleBytes(double value)
{
    std::uint8_t bytes[8];
    std::memcpy(bytes, &value, 8);
    std::string hex;
    char digits[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        hex += digits;
    }
    return hex;
}

// Our reading of the sheet in the peer listing's form.
std::string OurCells(const TCells& cells)
{
    std::ostringstream out;
    const TCellList& list = cells.CellList();
    for (int row = 0; row < list.Count(); ++row) {
        TCellRecordList* records = list.CellRow(row);
        records->Sort();
        for (int i = 0; i < records->Count(); ++i) {
            const int col = records->Column(i);
            const TXlsCellValue v = list.GetValue(row, col);
            std::string type, value;
            switch (v.Value.VarType()) {
            case varDouble:
                type = "number";
                value = DoubleBytes(v.Value.AsDouble());
                break;
            case varBoolean:
                type = "bool";
                value = v.Value.AsBoolean() ? "1" : "0";
                break;
            case varString:
                type = records->Id(i) == xlr::BOOLERR ? "error" : "text";
                value = v.Value.AsString();
                break;
            default:
                if (v.XF == 15)
                    continue;
                type = "blank";
                value = "-";
            }
            out << row << ' ' << col << ' ' << type << ' ' << value << ' ' << v.XF << '\n';
        }
    }
    return out.str();
}

} // namespace

TEST(XlsCellListPeers, PeerFilesReadToTheValuesXlrdReads)
{
    REQUIRE_PEER("python3-xlrd");
    for (const std::string& file : {XlwtFixture, LibreOfficeFixture}) {
        SCOPED_TRACE(file);
        TLoadedWorkbook book(file);
        EXPECT_EQ(XlrdCells(file), OurCells(book.Cells));
    }
    // The fixtures hold the multiple-cell records this test is about.
    const std::vector<std::uint16_t> ids = TLoadedWorkbook(XlwtFixture).CellRecordIds;
    EXPECT_NE(ids.end(), std::find(ids.begin(), ids.end(), xlr::MULRK));
    EXPECT_NE(ids.end(), std::find(ids.begin(), ids.end(), xlr::MULBLANK));
}

TEST(XlsCellListPeers, SavedCellsReadBackIdentically)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("node-xlsx");
    TempFolder dir;
    for (const std::string& file : {XlwtFixture, LibreOfficeFixture}) {
        SCOPED_TRACE(file);
        TLoadedWorkbook book(file);
        const std::string out = dir / "out.xls";
        book.Save(file, out);
        EXPECT_EQ(XlrdCells(file), XlrdCells(out));
        EXPECT_EQ(SheetJsCells(file), SheetJsCells(out));
        // Runs split on load are joined again: the same records come out.
        EXPECT_EQ(book.CellRecordIds, SavedCellRecordIds(out));
    }
}

TEST(XlsCellListPeers, NumbersWeWriteReadBackExactly)
{
    REQUIRE_PEER("python3-xlrd");
    const struct {
        double value;
        std::uint16_t record;
    } table[] = {
        {0, xlr::RK},           {1, xlr::RK},           {-1, xlr::RK},          {100, xlr::RK},
        {0.5, xlr::RK},         {0.1, xlr::RK},         {0.01, xlr::RK},        {123.45, xlr::RK},
        {-123.45, xlr::RK},     {12345, xlr::RK},       {123456789, xlr::RK},   {536870911, xlr::RK},
        {536870912, xlr::RK},   {-536870912, xlr::RK},  {-5368709.12, xlr::RK},  {5368709.11, xlr::NUMBER}, // ×100 is not integral in one rounding
        {536870913, xlr::NUMBER}, {0.07, xlr::NUMBER},  {1e300, xlr::NUMBER},   {1234567.89, xlr::NUMBER},
        {-2.5e-7, xlr::NUMBER}, {5958.2300000000005, xlr::NUMBER}, {-2038.8999999999999, xlr::NUMBER},
        {-1825.1200000000001, xlr::NUMBER}, {4.9e-324, xlr::NUMBER}, {1.7976931348623157e308, xlr::NUMBER},
    };
    TempFolder dir;
    TLoadedWorkbook book(XlwtFixture);
    book.Cells.Clear();
    std::string expected;
    std::vector<std::uint16_t> expectedRecords;
    int row = 0;
    for (const auto& c : table) {
        // One per row, so that no run joins them.
        book.Cells.CellList().SetValueX2(row, 0, {c.value, -1, false}, {}, false);
        expected += std::to_string(row) + " 0 number " + DoubleBytes(c.value) + " 15\n";
        expectedRecords.push_back(c.record);
        ++row;
    }
    const std::string out = dir / "numbers.xls";
    book.Save(XlwtFixture, out);
    EXPECT_EQ(expected, XlrdCells(out));
    EXPECT_EQ(expectedRecords, SavedCellRecordIds(out));
}
