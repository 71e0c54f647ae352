// Formula token ids, error texts, invariant number text and the worksheet
// function table, the table also checked against the one xlwt carries.
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <utility>

using namespace xlsAdapter;
using testsupport::RunCommand;
using testsupport::TempFolder;

namespace {

TEST(XlsFormulaTokens, EveryClassOfAnIdNormalisesToTheReferenceClass)
{
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {0x24, ptgRef},   {0x44, ptgRef},    {0x64, ptgRef},     {0x3B, ptgArea3d}, {0x5B, ptgArea3d},
        {0x7B, ptgArea3d}, {0x21, ptgFunc},  {0x41, ptgFunc},    {0x62, ptgFuncVar}, {0x20, ptgArray},
        {0x40, ptgArray}, {0x60, ptgArray},  {ptgAdd, ptgAdd},   {ptgAttr, ptgAttr}, {ptgNum, ptgNum},
    };
    for (auto [id, expected] : cases)
        EXPECT_EQ(expected, NormalizeTokenId(id)) << std::hex << int(id);
}

TEST(XlsFormulaTokens, ReferencesTurnDeletedInTheirOwnClass)
{
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {0x24, 0x2A}, {0x44, 0x4A}, {0x64, 0x6A}, {0x25, 0x2B}, {0x45, 0x4B}, {0x65, 0x6B},
        {0x3A, 0x3C}, {0x5A, 0x5C}, {0x7A, 0x7C}, {0x3B, 0x3D}, {0x5B, 0x5D}, {0x7B, 0x7D},
        // Not a live reference: already deleted, a name, an operator, a relative reference.
        {0x2A, 0x2A}, {0x5D, 0x5D}, {0x23, 0x23}, {ptgAdd, ptgAdd}, {0x2C, 0x2C},
    };
    for (auto [id, expected] : cases)
        EXPECT_EQ(expected, DeletedReferenceId(id)) << std::hex << int(id);
}

TEST(XlsFormulaTokens, ErrorCodesReadAsTheirTextsAndUnknownCodesAsOne)
{
    const std::pair<std::uint8_t, std::string_view> cases[] = {
        {0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"}, {0x17, "#REF!"},
        {0x1D, "#NAME?"}, {0x24, "#NUM!"},   {0x2A, "#N/A"},    {0x01, "#TABULOR_UNKNOWN"},
        {0xFF, "#TABULOR_UNKNOWN"},
    };
    for (auto [code, text] : cases)
        EXPECT_EQ(text, ErrorCodeText(code)) << int(code);
}

// Numbers in formulas keep "." whatever decimal separator the user has.
TEST(XlsFormulaTokens, InvariantNumberTextIgnoresTheUsersSeparator)
{
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings saved = settings;
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';

    EXPECT_EQ("1.5", InvariantFloatToText(1.5));
    EXPECT_EQ("-0.25", InvariantFloatToText(-0.25));
    // As many digits as reading the text back needs, up to 17.
    EXPECT_EQ("0.1", InvariantFloatToText(0.1));
    EXPECT_EQ("0.30000000000000004", InvariantFloatToText(0.1 + 0.2));
    EXPECT_EQ("1.2345678901234568E17", InvariantFloatToText(123456789012345678.0));
    EXPECT_DOUBLE_EQ(1.5, InvariantTextToFloat("1.5"));
    EXPECT_DOUBLE_EQ(1200.0, InvariantTextToFloat("1.2E3"));
    EXPECT_DOUBLE_EQ(0.012, InvariantTextToFloat("1.2e-2"));
    EXPECT_THROW(InvariantTextToFloat("1.2.3"), EConvertError);
    EXPECT_THROW(InvariantTextToFloat("1,5"), EConvertError);

    settings = saved;
}

bool IsPlaceholder(const TCellFunctionData& function)
{
    return function.Name == "NotAFunction" + std::to_string(function.Index);
}

TEST(XlsFunctionTable, FreePositionsAreExactlyThePlaceholders)
{
    const std::pair<int, int> freeRanges[] = {
        {53, 55},   {79, 81},   {84, 85},   {87, 96},   {103, 104}, {106, 108}, {110, 110}, {122, 123},
        {132, 139}, {145, 147}, {149, 161}, {166, 166}, {170, 182}, {185, 188}, {191, 192}, {200, 203},
        {217, 218}, {223, 226}, {236, 243}, {245, 246}, {248, 251}, {253, 260}, {262, 268}, {333, 335},
        {338, 341}, {348, 349}, {355, 357},
    };
    std::set<int> expectedFree;
    for (auto [first, last] : freeRanges)
        for (int index = first; index <= last; ++index)
            expectedFree.insert(index);

    const auto& table = CellFunctionTable();
    std::set<int> actualFree;
    for (int position = 0; position < CellFunctionCount; ++position) {
        const TCellFunctionData& function = table[position];
        EXPECT_EQ(position, function.Index);
        if (IsPlaceholder(function)) {
            actualFree.insert(position);
            EXPECT_EQ(0, function.MinArgCount);
            EXPECT_EQ(0, function.MaxArgCount);
            EXPECT_EQ("", function.ParamType);
            EXPECT_EQ('-', function.ParamTypeOf(0));
        } else {
            EXPECT_LE(function.MinArgCount, function.MaxArgCount) << function.Name;
            EXPECT_LE(function.MaxArgCount, 30) << function.Name;
            EXPECT_FALSE(function.ParamType.empty()) << function.Name;
            EXPECT_EQ(std::string::npos, function.ParamType.find_first_not_of("VRA-")) << function.Name;
        }
    }
    EXPECT_EQ(expectedFree, actualFree);
    EXPECT_EQ(247u, CellFunctionCount - actualFree.size());
}

TEST(XlsFunctionTable, EntriesCarryTheirClassesAndVolatility)
{
    struct Case {
        std::string_view Name;
        int Index;
        bool Volatile;
        TFmReturnType ReturnType;
        bool Fixed;
    };
    const Case cases[] = {
        {"SUM", 4, false, fmValue, false},      {"IF", 1, false, fmRef, false},
        {"OFFSET", 78, true, fmRef, false},     {"INDIRECT", 148, true, fmRef, false},
        {"RAND", 63, true, fmValue, true},      {"TRANSPOSE", 83, false, fmArray, true},
        {"MMULT", 165, false, fmArray, true},   {"ROUND", 27, false, fmValue, true},
        {"ERROR.TYPE", 261, false, fmValue, true}, {"VARA", 367, false, fmValue, false},
    };
    for (const Case& c : cases) {
        const TCellFunctionData* function = FindCellFunction(c.Name);
        ASSERT_NE(nullptr, function) << c.Name;
        EXPECT_EQ(c.Index, function->Index) << c.Name;
        EXPECT_EQ(c.Volatile, function->Volatile) << c.Name;
        EXPECT_EQ(c.ReturnType, function->ReturnType) << c.Name;
        EXPECT_EQ(c.Fixed, function->HasFixedArgCount()) << c.Name;
    }
}

TEST(XlsFunctionTable, ArgumentsBeyondTheLastLetterTakeTheLastLetter)
{
    const TCellFunctionData& choose = *FindCellFunction("CHOOSE");
    EXPECT_EQ('V', choose.ParamTypeOf(0));
    EXPECT_EQ('R', choose.ParamTypeOf(1));
    EXPECT_EQ('R', choose.ParamTypeOf(29));
    EXPECT_EQ('-', FindCellFunction("PI")->ParamTypeOf(0));
}

TEST(XlsFunctionTable, LookupIsExactAndIndexesOutsideTheTableHaveNoEntry)
{
    EXPECT_EQ(nullptr, FindCellFunction("sum"));
    EXPECT_EQ(nullptr, FindCellFunction("NOTAFUNCTION53"));
    EXPECT_EQ(nullptr, FindCellFunction(""));
    EXPECT_EQ(nullptr, FindCellFunction("SUMX"));

    EXPECT_EQ("VARA", CellFunctionByIndex(367)->Name);
    EXPECT_EQ(nullptr, CellFunctionByIndex(368));
    EXPECT_EQ(nullptr, CellFunctionByIndex(-1));
    EXPECT_EQ(nullptr, CellFunctionByIndex(0xFFFF));
    // A user-defined call has no function of its own.
    EXPECT_EQ("NotAFunction255", CellFunctionByIndex(255)->Name);
}

// Our minimum counts differ from xlwt's only where we accept fewer arguments:
// the list functions take none, and FIXED's decimals are optional. They stay:
// LibreOffice computes every one of those calls (0, the empty text, FIXED
// with two decimals), as the file-object tests show.
TEST(XlsFunctionTable, NumbersNamesAndCountsMatchXlwt)
{
    REQUIRE_PEER("python3-xlwt");
    const TempFolder folder("xls-functions");
    const std::string dump = folder / "functions.txt";
    {
        std::ofstream out(dump);
        for (const TCellFunctionData& function : CellFunctionTable())
            if (!IsPlaceholder(function))
                out << function.Index << '\t' << function.Name << '\t' << function.MinArgCount << '\t'
                    << function.MaxArgCount << '\n';
    }
    std::string differences;
    EXPECT_EQ(0, RunCommand("/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/function_table_xlwt.py " + dump,
                            &differences))
        << differences;

    EXPECT_EQ("0: ours ('COUNT', 0, 30), xlwt ('COUNT', 1, 30)\n"
              "4: ours ('SUM', 0, 30), xlwt ('SUM', 1, 30)\n"
              "14: ours ('FIXED', 1, 3), xlwt ('FIXED', 2, 3)\n"
              "169: ours ('COUNTA', 0, 30), xlwt ('COUNTA', 1, 30)\n"
              "183: ours ('PRODUCT', 0, 30), xlwt ('PRODUCT', 1, 30)\n"
              "321: ours ('SUMSQ', 0, 30), xlwt ('SUMSQ', 1, 30)\n"
              "336: ours ('CONCATENATE', 0, 30), xlwt ('CONCATENATE', 1, 30)\n",
              differences);
}

} // namespace
