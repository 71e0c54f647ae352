// Formula cells: the cached result of each kind, the text of a STRING record,
// the records that travel with a formula, and refused truncated records.
#include "xlsAdapter/qorUXlsFormula.h"

#include "XlsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace xlsAdapter;
using xlstest::ErrorOf;

namespace {

// A FORMULA record at B3 with the given result bytes and the tokens of =1.
ByteArray FormulaData(std::initializer_list<std::uint8_t> result)
{
    ByteArray data(25, 0);
    data[0] = 2;
    data[2] = 1;
    std::copy(result.begin(), result.end(), data.begin() + 6);
    data[20] = 3;
    data[22] = 0x1E;
    data[23] = 1;
    return data;
}

ByteArray NumberResult(double value)
{
    ByteArray data = FormulaData({});
    std::memcpy(data.data() + 6, &value, sizeof value);
    return data;
}

TEST(XlsFormulaRecord, CachedResultsOfEveryKind)
{
    EXPECT_EQ(2.5, TFormulaRecord(0x0006, NumberResult(2.5)).GetValue().AsDouble());
    EXPECT_TRUE(TFormulaRecord(0x0006, FormulaData({1, 0, 1, 0, 0, 0, 0xFF, 0xFF})).GetValue().AsBoolean());
    EXPECT_EQ("#DIV/0!", TFormulaRecord(0x0006, FormulaData({2, 0, 7, 0, 0, 0, 0xFF, 0xFF})).GetValue().AsString());
    // An unknown error code or kind keeps no result.
    EXPECT_TRUE(TFormulaRecord(0x0006, FormulaData({2, 0, 99, 0, 0, 0, 0xFF, 0xFF})).GetValue().IsEmpty());
    EXPECT_TRUE(TFormulaRecord(0x0006, FormulaData({7, 0, 0, 0, 0, 0, 0xFF, 0xFF})).GetValue().IsEmpty());

    // A text result is the STRING record's text; the record travels with the cell.
    TFormulaRecord text(0x0006, FormulaData({0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
    const int alone = text.TotalSize();
    text.AddFollower(std::make_unique<TBaseRecord>(0x0207, ByteArray{3, 0, 0, 'a', 'b', 'c'}));
    EXPECT_EQ("abc", text.GetValue().AsString());
    EXPECT_EQ(alone + 10, text.TotalSize());
    const auto copy = TBaseRecord::CopyTo(&text);
    EXPECT_EQ(text.TotalSize(), copy->TotalSize());
    EXPECT_EQ("abc", static_cast<const TFormulaRecord&>(*copy).GetValue().AsString());
}

TEST(XlsFormulaRecord, IsMarkedForCalculationOnLoad)
{
    const TFormulaRecord formula(0x0006, NumberResult(1));
    EXPECT_EQ(0x0002, GetWord(formula.Data, 14) & 0x0002);
}

TEST(XlsFormulaRecord, TruncatedRecordsAreRefused)
{
    EXPECT_NE("no exception", ErrorOf([] { TFormulaRecord(0x0006, ByteArray(21, 0)); }));
    ByteArray longTokens = NumberResult(1);
    longTokens[20] = 4;
    EXPECT_NE(std::string::npos, ErrorOf([&] { TFormulaRecord(0x0006, longTokens); }).find("reach past the record"));
}

} // namespace
