// Formula cells: the cached result of each kind, the text of a STRING record,
// the records that travel with a formula, and refused truncated records.
#include "xlsAdapter/qorUXlsFormula.h"

#include "XlsGlobalsTestSupport.h"
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
    // A copy, usually somewhere else, has no result until it is computed.
    const auto copy = TBaseRecord::CopyTo(&text);
    EXPECT_EQ(alone, copy->TotalSize());
    EXPECT_TRUE(static_cast<const TFormulaRecord&>(*copy).GetValue().IsEmpty());
}

TEST(XlsFormulaRecord, NewFormulasStoreTheirResultOfEveryKind)
{
    const ByteArray tokens{3, 0, 0x1E, 1, 0};
    auto number = TFormulaRecord::CreateFromData(2, 1, 15, tokens, Variant(2.5), false);
    EXPECT_EQ(2.5, TFormulaRecord(0x0006, number->Data).GetValue().AsDouble());
    EXPECT_EQ(2, number->Row());
    EXPECT_EQ(15, number->XF());
    EXPECT_EQ(0x1E, number->Data[22]);
    auto date = TFormulaRecord::CreateFromData(0, 0, 15, tokens, Variant::FromDate(1500), true);
    EXPECT_EQ(38, TFormulaRecord(0x0006, date->Data).GetValue().AsDouble());
    auto boolean = TFormulaRecord::CreateFromData(0, 0, 15, tokens, Variant(false), false);
    EXPECT_FALSE(TFormulaRecord(0x0006, boolean->Data).GetValue().AsBoolean());
    EXPECT_EQ(0x0002, GetWord(boolean->Data, 14) & 0x0002);
    // No result reads as none, not as 0.
    auto none = TFormulaRecord::CreateFromData(0, 0, 15, tokens, Variant(), false);
    EXPECT_TRUE(TFormulaRecord(0x0006, none->Data).GetValue().IsEmpty());
    EXPECT_EQ(none->DataSize() + 4, none->TotalSize());
    EXPECT_NE(std::string::npos,
              ErrorOf([&] { none->SetFormulaValue(Variant::FromError(7)); }).find("Invalid cell value"));
}

TEST(XlsFormulaRecord, LongTextResultsContinueTheirStringRecord)
{
    // 5,000 16-bit characters are 10,000 bytes: one STRING and one CONTINUE,
    // split between two characters.
    const std::string text = [] {
        std::string t;
        for (int i = 0; i < 5000; ++i)
            t += "\xD0\x96";
        return t;
    }();
    auto formula = TFormulaRecord::CreateFromData(0, 0, 15, ByteArray{3, 0, 0x1E, 1, 0}, Variant(text), false);
    EXPECT_EQ(text, formula->GetValue().AsString());
    EXPECT_EQ(formula->DataSize() + 4 + (3 + 8218 + 4) + (1 + 10000 - 8218 + 4), formula->TotalSize());

    const ByteArray bytes = xlstest::WrittenBytes([&](TOle2File& file) { formula->SaveToStream(file); });
    TFormulaRecord read(0x0006, ByteArray(bytes.begin() + 4, bytes.begin() + 4 + formula->DataSize()));
    // The STRING record as read: its data and the CONTINUE chain after it.
    const std::size_t stringAt = 4 + static_cast<std::size_t>(formula->DataSize());
    auto stringRecord = std::make_unique<TBaseRecord>(
        0x0207, ByteArray(bytes.begin() + static_cast<std::ptrdiff_t>(stringAt + 4),
                          bytes.begin() + static_cast<std::ptrdiff_t>(stringAt + 4 + 3 + 8218)));
    const std::size_t continueAt = stringAt + 4 + 3 + 8218;
    EXPECT_EQ(0x003C, GetWord(bytes, static_cast<std::int64_t>(continueAt)));
    stringRecord->AddContinue(std::make_unique<TContinueRecord>(
        0x003C, ByteArray(bytes.begin() + static_cast<std::ptrdiff_t>(continueAt + 4), bytes.end())));
    read.AddFollower(std::move(stringRecord));
    EXPECT_EQ(text, read.GetValue().AsString());
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
