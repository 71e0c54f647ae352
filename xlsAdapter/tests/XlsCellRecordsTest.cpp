// Cell records: the RK encoding, values of single cells, splitting
// multiple-cell records, joining runs on save, and hostile layouts.
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsRecordFactory.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace xlstest;
namespace xlr = xlsAdapter::xlr;

namespace {

// The bytes a row of cells writes, range limited to columns Left..Right.
ByteArray Saved(TCellRecordList& cells, int Left = 0, int Right = 255, int Row = 0)
{
    const TXlsCellRange range{Left, Row, Right, Row};
    const ByteArray written = WrittenBytes([&](TOle2File& out) { cells.SaveRangeToStream(out, range); });
    EXPECT_EQ(static_cast<std::int64_t>(written.size()), cells.TotalRangeSize(range, false));
    return written;
}

} // namespace

TEST(XlsCellRecords, RKValuesDecode)
{
    const std::pair<std::uint32_t, double> table[] = {
        {0x00000002, 0},   {0x00000006, 1},    {0xFFFFFFFE, -1},          {0x3FF00000, 1.0},
        {0x3FF00001, 0.01}, {0x00000193, 1.0}, {0x7FFFFFFE, 536870911}, {0x80000002, -536870912},
        {0xC0590000, -100}, {0x40C81C81, 123.45},
    };
    for (const auto& [rk, value] : table)
        EXPECT_EQ(value, xlsAdapter::DecodeRK(rk)) << std::hex << rk;
}

TEST(XlsCellRecords, RKEncodingTable)
{
    const std::pair<double, std::uint32_t> encodable[] = {
        {1.0, 0x3FF00000},        {0.01, 0x3FF00001},      {0.1, 0x40240001},       {12345, 0x40C81C80},
        {123456789, 0x1D6F3456},  {123.45, 0x40C81C81},    {536870911, 0x7FFFFFFE}, {536870912, 0x41C00000},
        {-536870912, 0xC1C00000}, {-536870911, 0x80000006}, {0, 0x00000000},          {-1, 0xBFF00000},
        {0.5, 0x3FE00000},        {100, 0x40590000},       {-123456789, 0xE290CBAE}, {1e300, 0},
    };
    for (const auto& [value, rk] : encodable) {
        SCOPED_TRACE(value);
        std::uint32_t encoded = 0;
        if (value == 1e300) { // too precise for 30 bits: a NUMBER
            EXPECT_FALSE(EncodeRK(encoded, value));
            continue;
        }
        ASSERT_TRUE(EncodeRK(encoded, value));
        EXPECT_EQ(rk, encoded);
        EXPECT_EQ(value, xlsAdapter::DecodeRK(encoded));
    }
    // Values RK cannot hold, and values one unit in the last place away from
    // a ×100 value, which the ×100 form would silently round.
    for (double value : {0.07, 1234567.89, 536870913.0, 1e-300, 5958.2300000000005, -2038.8999999999999,
                         -1825.1200000000001, std::nextafter(0.01, 1.0), std::nan("")})
        EXPECT_FALSE(IsRKEncodable(value)) << value;
}

TEST(XlsCellRecords, EveryRKEncodingReadsBackExactly)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> cents(-500000000, 500000000);
    int encoded = 0;
    for (int i = 0; i < 200000; ++i) {
        // Values with two decimals and their neighbours, as arithmetic makes them.
        double value = static_cast<double>(cents(random)) / 100;
        if (i % 3 == 1)
            value = std::nextafter(value, 1e300);
        std::uint32_t rk = 0;
        if (EncodeRK(rk, value)) {
            ++encoded;
            ASSERT_EQ(value, xlsAdapter::DecodeRK(rk)) << value;
        }
    }
    EXPECT_GT(encoded, 100000) << "most cent values in the integer range encode";
}

TEST(XlsCellRecords, NumberAndRKValues)
{
    auto number = TNumberRecord::CreateFromData(3, 4, 15);
    EXPECT_EQ(Variant(0.0), number->GetValue());
    number->SetValue(1e300);
    EXPECT_EQ(Variant(1e300), number->GetValue());
    number->SetValue(Variant::FromDate(45000.25));
    EXPECT_EQ(Variant(45000.25), number->GetValue());
    number->SetValue(7);
    EXPECT_EQ(Variant(7.0), number->GetValue());
    EXPECT_EQ("Invalid cell value: \"\"", ErrorOf([&] { number->SetValue(Variant::Null()); }));
    EXPECT_EQ(Variant(7.0), number->GetValue());

    auto rk = TRKRecord::CreateFromData(3, 5, 15);
    EXPECT_EQ(Variant(0.0), rk->GetValue());
    rk->SetValue(-12.5);
    EXPECT_EQ(Variant(-12.5), rk->GetValue());
    EXPECT_EQ("Invalid cell value: \"0.07\"", ErrorOf([&] { rk->SetValue(0.07); }));
    EXPECT_EQ(Variant(-12.5), rk->GetValue()) << "a failed write keeps the value";
}

TEST(XlsCellRecords, BooleansAndErrors)
{
    auto cell = TBoolErrRecord::CreateFromData(0, 0, 15);
    EXPECT_EQ(Variant(false), cell->GetValue());
    cell->SetValue(true);
    EXPECT_EQ((ByteArray{0, 0, 0, 0, 15, 0, 1, 0}), cell->Data);
    const std::pair<const char*, std::uint8_t> errors[] = {{"#NULL!", 0x00}, {"#DIV/0!", 0x07}, {"#VALUE!", 0x0F},
                                                           {"#REF!", 0x17},  {"#NAME?", 0x1D},  {"#NUM!", 0x24},
                                                           {"#N/A", 0x2A}};
    for (const auto& [text, code] : errors) {
        cell->SetValue(text);
        EXPECT_EQ(code, cell->Data[6]) << text;
        EXPECT_EQ(1, cell->Data[7]);
        EXPECT_EQ(Variant(text), cell->GetValue());
    }
    EXPECT_EQ("Invalid cell error code: \"#n/a\"", ErrorOf([&] { cell->SetValue("#n/a"); }));
    EXPECT_EQ("Invalid cell value: \"\"", ErrorOf([&] { cell->SetValue(Variant::Null()); }));
    EXPECT_EQ("Invalid cell value: \"3\"", ErrorOf([&] { cell->SetValue(3); }));
    EXPECT_EQ(Variant("#N/A"), cell->GetValue());

    const TBoolErrRecord unknown(xlr::BOOLERR, {0, 0, 0, 0, 15, 0, 0x55, 1});
    EXPECT_EQ(Variant("#NULL!"), unknown.GetValue());
}

TEST(XlsCellRecords, MultipleRecordsSplitIntoSingleCells)
{
    // MULRK: row 7, columns 3..7, five {XF, RK} pairs.
    ByteArray mulrk = Words({7, 3});
    for (std::uint16_t i = 0; i < 5; ++i) {
        const ByteArray pair = Words({static_cast<std::uint16_t>(20 + i)});
        mulrk.insert(mulrk.end(), pair.begin(), pair.end());
        const ByteArray rk = Words({static_cast<std::uint16_t>(((i + 1) << 2) | 2), 0});
        mulrk.insert(mulrk.end(), rk.begin(), rk.end());
    }
    const ByteArray last = Words({7});
    mulrk.insert(mulrk.end(), last.begin(), last.end());
    ASSERT_EQ(36u, mulrk.size());
    auto record = xlsAdapter::CreateRecord(xlr::MULRK, mulrk);
    auto* multiple = dynamic_cast<TMultipleValueRecord*>(record.get());
    ASSERT_TRUE(multiple);
    TCellRecordList row(7);
    for (int i = 0; i < 5; ++i) {
        ASSERT_FALSE(multiple->Eof());
        row.Add(multiple->ExtractOneCell());
        EXPECT_EQ(xlr::RK, row.Id(i));
        EXPECT_EQ(3 + i, row.Column(i));
        EXPECT_EQ(20 + i, row.XF(i));
        EXPECT_EQ(Variant(static_cast<double>(i + 1)), row.GetValue(i));
    }
    EXPECT_TRUE(multiple->Eof());
    EXPECT_NE("no exception", ErrorOf([&] { multiple->ExtractOneCell(); }));
    // Written back, the cells join into the same record.
    EXPECT_EQ(Rec(xlr::MULRK, mulrk), Saved(row, 0, 255, 7));

    auto blanks = xlsAdapter::CreateRecord(xlr::MULBLANK, Words({2, 0, 15, 16, 1}));
    auto* mulblank = dynamic_cast<TMultipleValueRecord*>(blanks.get());
    ASSERT_TRUE(mulblank);
    TCellRecordList blankRow(2);
    blankRow.Add(mulblank->ExtractOneCell());
    blankRow.Add(mulblank->ExtractOneCell());
    EXPECT_TRUE(mulblank->Eof());
    EXPECT_EQ(xlr::BLANK, blankRow.Id(1));
    EXPECT_EQ(1, blankRow.Column(1));
    EXPECT_EQ(16, blankRow.XF(1));
}

TEST(XlsCellRecords, ARowRefusesCellsPastItsLimit)
{
    // Only duplicated columns, as a hostile file may hold, get this far.
    TCellRecordList row;
    for (int i = 0; i < 65535; ++i)
        row.Add(TCellSlot::Blank(i % 256, 15));
    EXPECT_EQ("Too many entries for this kind of record (65536 out of a maximum of 65535)",
              ErrorOf([&] { row.Add(TCellSlot::Blank(3, 15)); }));
    EXPECT_EQ(65535, row.Count());
    EXPECT_EQ(254, row.Column(65534));
}

TEST(XlsCellRecords, HostileCellRecordsAreRefused)
{
    const struct {
        const char* what;
        std::uint16_t id;
        ByteArray data;
    } cases[] = {
        {"MULRK without a cell", xlr::MULRK, Words({0, 1, 1})},
        {"MULRK cut inside a cell", xlr::MULRK, Concat({Words({0, 1, 15, 0}), Words({1})})},
        {"MULRK columns reversed", xlr::MULRK, Concat({Words({0, 5, 15, 2, 0, 15, 2, 0}), Words({4})})},
        {"MULRK count past the record", xlr::MULRK, Concat({Words({0, 1, 15, 2, 0, 15, 2, 0}), Words({9})})},
        {"MULRK past column 255", xlr::MULRK, Concat({Words({0, 255, 15, 2, 0, 15, 2, 0}), Words({256})})},
        {"MULBLANK odd size", xlr::MULBLANK, ByteArray{0, 0, 1, 0, 15, 0, 1, 0, 0}},
        {"MULBLANK columns reversed", xlr::MULBLANK, Words({0, 3, 15, 15, 2})},
        {"MULBLANK short", xlr::MULBLANK, ByteArray{0, 0, 1, 0, 1}},
        {"NUMBER short", xlr::NUMBER, ByteArray(10)},
        {"RK short", xlr::RK, ByteArray(8)},
        {"BOOLERR short", xlr::BOOLERR, ByteArray(7)},
        {"BLANK short", xlr::BLANK, ByteArray(4)},
    };
    for (const auto& c : cases)
        EXPECT_NE("no exception", ErrorOf([&] { xlsAdapter::CreateRecord(c.id, c.data); })) << c.what;
}

TEST(XlsCellRecords, RunsOfBlanksAndRKsAreJoined)
{
    const auto rk = [](std::uint16_t col, double value) {
        auto cell = TRKRecord::CreateFromData(0, col, 15);
        cell->SetValue(value);
        return cell;
    };
    TCellRecordList cells;
    cells.Add(TBlankRecord::CreateFromData(0, 2, 20));
    cells.Add(TBlankRecord::CreateFromData(0, 3, 21));
    cells.Add(TBlankRecord::CreateFromData(0, 4, 22));
    cells.Add(rk(5, 1)); // a blank followed by an RK: two records
    cells.Add(rk(6, 2));
    cells.Add(rk(7, 3));
    cells.Add(TNumberRecord::CreateFromData(0, 8, 15)); // numbers never join
    cells.Add(TNumberRecord::CreateFromData(0, 9, 15));
    cells.Add(TBlankRecord::CreateFromData(0, 11, 15)); // not adjacent
    cells.Add(TBlankRecord::CreateFromData(0, 13, 15));
    const ByteArray expected = Concat({
        Rec(xlr::MULBLANK, Words({0, 2, 20, 21, 22, 4})),
        Rec(xlr::MULRK, Words({0, 5, 15, 0, 0x3FF0, 15, 0, 0x4000, 15, 0, 0x4008, 7})),
        Rec(xlr::NUMBER, Words({0, 8, 15, 0, 0, 0, 0})),
        Rec(xlr::NUMBER, Words({0, 9, 15, 0, 0, 0, 0})),
        Rec(xlr::BLANK, Words({0, 11, 15})),
        Rec(xlr::BLANK, Words({0, 13, 15})),
    });
    EXPECT_EQ(expected, Saved(cells));
    // A range edge cuts a run.
    EXPECT_EQ(Concat({Rec(xlr::BLANK, Words({0, 4, 22})), Rec(xlr::MULRK, Words({0, 5, 15, 0, 0x3FF0, 15, 0, 0x4000, 6}))}),
              Saved(cells, 4, 6));
}
