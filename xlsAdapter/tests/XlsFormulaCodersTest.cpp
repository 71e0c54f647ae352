// Formula text to tokens and back: the token bytes of typical formulas, the
// errors of bad text, the texts of hand-made and hostile token arrays, and
// text → tokens → text on a table of formulas.
#include "xlsAdapter/qorUXlsEncodeFormula.h"
#include "xlsAdapter/qorUXlsFormulaParser.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include "XlsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

using namespace xlsAdapter;
using xlstest::ErrorOf;

namespace {

// A workbook of named sheets with its own external sheet table and names.
class TTestWorkbook : public TFormulaContext {
public:
    explicit TTestWorkbook(std::vector<std::string> Sheets) : FSheets(std::move(Sheets)) {}

    std::vector<std::pair<int, int>> ExternSheets;
    std::vector<std::string> Names;

    bool FindSheet(std::u16string_view SheetName, int& SheetIndex) const override
    {
        const std::string wanted = AnsiUpperCase(rtl::Utf16ToUtf8(SheetName));
        for (std::size_t i = 0; i < FSheets.size(); ++i) {
            if (AnsiUpperCase(FSheets[i]) == wanted) {
                SheetIndex = static_cast<int>(i);
                return true;
            }
        }
        SheetIndex = -1;
        return false;
    }
    bool FindName(std::u16string_view Name, int& NameIndex) const override
    {
        const std::string wanted = AnsiUpperCase(rtl::Utf16ToUtf8(Name));
        for (NameIndex = 0; NameIndex < static_cast<int>(Names.size()); ++NameIndex)
            if (AnsiUpperCase(Names[static_cast<std::size_t>(NameIndex)]) == wanted)
                return true;
        NameIndex = -1;
        return false;
    }
    int AddExternSheet(int FirstSheet, int LastSheet) override
    {
        for (std::size_t i = 0; i < ExternSheets.size(); ++i)
            if (ExternSheets[i] == std::make_pair(FirstSheet, LastSheet))
                return static_cast<int>(i);
        ExternSheets.emplace_back(FirstSheet, LastSheet);
        return static_cast<int>(ExternSheets.size()) - 1;
    }
    std::string ExternSheetPrefix(int ExternSheet) const override
    {
        const auto [first, last] = ExternSheets.at(static_cast<std::size_t>(ExternSheet));
        std::string text = FSheets.at(static_cast<std::size_t>(first));
        if (last != first)
            text += ":" + FSheets.at(static_cast<std::size_t>(last));
        return "'" + text + "'!";
    }
    std::string DefinedName(int, int NameIndex) const override
    {
        if (NameIndex < 0 || NameIndex >= static_cast<int>(Names.size()))
            ExcelError(msg::IndexOutOfRange, NameIndex, "Name Index", 0, static_cast<int>(Names.size()) - 1);
        return Names[static_cast<std::size_t>(NameIndex)];
    }
    ByteArray ArrayFormula(int, int) const override { return ArrayRecord; }
    ByteArray TableFormula(int, int) const override { return TableRecord; }

    ByteArray ArrayRecord;
    ByteArray TableRecord;

private:
    std::vector<std::string> FSheets;
};

ByteArray Encode(TFormulaContext& book, const std::string& text, TFmReturnType type = fmValue)
{
    TParseString parser(text, book, type);
    parser.Parse();
    ByteArray out(static_cast<std::size_t>(parser.TotalSize()));
    parser.CopyToPtr(out, 0);
    return ByteArray(out.begin() + 2, out.end());
}

ByteArray WithCount(const ByteArray& tokens)
{
    ByteArray out{static_cast<std::uint8_t>(tokens.size() & 0xFF), static_cast<std::uint8_t>(tokens.size() >> 8)};
    out.insert(out.end(), tokens.begin(), tokens.end());
    return out;
}

std::string Decode(const TFormulaContext& book, const ByteArray& tokens)
{
    return DecodeFormula(WithCount(tokens), 2, book);
}

ByteArray NumberToken(double value)
{
    ByteArray out{ptgNum, 0, 0, 0, 0, 0, 0, 0, 0};
    std::memcpy(out.data() + 1, &value, sizeof value);
    return out;
}

TEST(XlsFormulaEncoder, WritesTheTokensOfTypicalFormulas)
{
    TTestWorkbook book({"Sheet1"});
    const std::pair<const char*, ByteArray> cases[] = {
        {"=1+2", {0x1E, 1, 0, 0x1E, 2, 0, 0x03}},
        {"=-1", {0x1E, 1, 0, 0x13}},
        {"=A1", {0x44, 0, 0, 0, 0xC0}},
        {"=$A$1", {0x44, 0, 0, 0, 0x00}},
        {"=B$3", {0x44, 2, 0, 1, 0x40}},
        {"=SUM(A1:B2)", {0x25, 0, 0, 1, 0, 0, 0xC0, 1, 0xC0, 0x42, 1, 4, 0}},
        {"=SUM( A1)", {0x19, 0x40, 0, 1, 0x24, 0, 0, 0, 0xC0, 0x42, 1, 4, 0}},
        {"=IF(A1,,2)", {0x44, 0, 0, 0, 0xC0, 0x16, 0x1E, 2, 0, 0x42, 3, 1, 0}},
        {"=NOW()", {0x41, 74, 0}},
        {"=A:A", {0x45, 0, 0, 0xFF, 0xFF, 0, 0xC0, 0, 0xC0}},
        {"=1:1", {0x45, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xC0}},
        {"=\"a\"\"b\"", {0x17, 3, 0, 'a', '"', 'b'}},
        {"=TRUE", {0x1D, 1}},
        {"=#N/A", {0x1C, 0x2A}},
        {"=1 +2", {0x1E, 1, 0, 0x1E, 2, 0, 0x19, 0x40, 0, 1, 0x03}},
        {"=(1)", {0x1E, 1, 0, 0x15}},
        {"=( 1 )", {0x19, 0x40, 0, 1, 0x1E, 1, 0, 0x19, 0x40, 4, 1, 0x15}},
        {"=Sheet1!B2", {0x5A, 0, 0, 1, 0, 1, 0xC0}},
        {"=-2^2", {0x1E, 2, 0, 0x13, 0x1E, 2, 0, 0x07}},
        {"=50%", {0x1E, 50, 0, 0x14}},
        {"=1<=2", {0x1E, 1, 0, 0x1E, 2, 0, 0x0A}},
    };
    for (const auto& [text, tokens] : cases)
        EXPECT_EQ(tokens, Encode(book, text)) << text;

    EXPECT_EQ(NumberToken(1.5), Encode(book, "=1.5"));
    EXPECT_EQ(NumberToken(70000), Encode(book, "=70000"));
    // A reference as a whole name's formula stays in the reference class.
    EXPECT_EQ((ByteArray{0x24, 0, 0, 0, 0xC0}), Encode(book, "=A1", fmRef));
}

TEST(XlsFormulaEncoder, RefusesBadTextWithItsMessage)
{
    TTestWorkbook book({"Sheet1"});
    const std::pair<std::string, std::string> cases[] = {
        {"1+2", "Formula must start with \"=\": \"1+2\""},
        {"=", "Unexpected end of formula: \"=\""},
        {"=1 ", "Unexpected char \" \" at pos 3 on formula: \"=1 \""},
        {"=(1", "Missing closing parentheses on formula: \"=(1\""},
        {"=SUM(1", "Unexpected end of formula: \"=SUM(1\""},
        {"=FOO(1)", "Function not found: \"FOO\" on formula \"=FOO(1)\""},
        {"=ROUND(1)", "Invalid number of parameters to function \"ROUND\": Expected 2 and found 1"},
        {"={1,2}", "Writing array formulas is not yet supported"},
        {"=Sheet2!A1", "Invalid sheet: SHEET2"},
        {"=Sheet1!Total", "External names are not supported: TOTAL"},
        {"=\"abc", "Unterminated string on formula: \"=\"abc\""},
        {"=#FOO", "Unexpected Identifier: \"#FOO\" on formula \"=#FOO\""},
        {"=Total", "Unexpected Identifier: \"TOTAL\" on formula \"=Total\""},
        {"=1+", "Unexpected end of formula: \"=1+\""},
        {"=1+)", "Unexpected char \")\" at pos 4 on formula: \"=1+)\""},
        {"=()", "Unexpected char \")\" at pos 3 on formula: \"=()\""},
        {"=\"" + std::string(256, 'x') + "\"", "A text in a formula has more than 255 characters: \"=\"" +
                                                  std::string(256, 'x') + "\"\""},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(message, ErrorOf([&] { Encode(book, text); })) << text;

    std::string sum = "=";
    for (int i = 0; i < 510; ++i)
        sum += "1+";
    EXPECT_EQ("Formula too long: \"" + sum + "111\"", ErrorOf([&] { Encode(book, sum + "111"); }));
    // One character less fits, and so does nesting as deep as the length allows.
    EXPECT_NO_THROW(Encode(book, sum + "11"));
    EXPECT_NO_THROW(Encode(book, "=" + std::string(510, '(') + "1" + std::string(510, ')')));
}

TEST(XlsFormulaEncoder, ForcedThreeDimensionalReferencesAreAbsoluteOnTheDefaultSheet)
{
    TTestWorkbook book({"Data", "Other"});
    TParseString parser("=B2+Other!C3", book, true, "data", fmRef);
    parser.Parse();
    ByteArray out(static_cast<std::size_t>(parser.TotalSize()));
    parser.CopyToPtr(out, 0);
    EXPECT_EQ(Decode(book, ByteArray(out.begin() + 2, out.end())), "='Data'!$B$2+'Other'!C3");
}

TEST(XlsFormulaDecoder, ReadsHandMadeTokenArrays)
{
    TTestWorkbook book({"Sheet1", "Sheet2", "Sheet3"});
    book.AddExternSheet(0, 0);
    book.AddExternSheet(1, 2);
    book.Names = {"Rates"};
    const std::pair<ByteArray, const char*> cases[] = {
        {{0x1E, 1, 0, 0x1E, 2, 0, 0x03}, "=1+2"},
        {{0x1E, 1, 0, 0x1E, 2, 0, 0x19, 0x40, 0, 1, 0x03}, "=1 +2"},
        {{0x25, 0, 0, 0xFF, 0xFF, 0, 0xC0, 2, 0xC0}, "=A:C"},
        {{0x25, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xC0}, "=A1:IV1"},
        {{0x3A, 0, 0, 0, 0, 0, 0xC0}, "='Sheet1'!A1"},
        {{0x3B, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0xC0, 0, 0xC0}, "='Sheet1'!A1:A65536"},
        {{0x3A, 1, 0, 0, 0, 0, 0xC0}, "='Sheet2:Sheet3'!A1"},
        {{0x1C, 0x2A}, "=#N/A"},
        {{0x1C, 0x05}, "=#TABULOR_UNKNOWN"},
        {{0x23, 1, 0, 0, 0, 0x1E, 2, 0, 0x05}, "=Rates*2"},
        // Function 255 takes its name from its first argument.
        {{0x23, 1, 0, 0, 0, 0x1E, 7, 0, 0x22, 2, 0xFF, 0}, "=Rates(7)"},
        {{0x1E, 3, 0, 0x19, 0x10, 0, 0}, "=SUM(3)"},
        {{0x1E, 1, 0, 0x19, 0x40, 2, 2, 0x15}, "=  (1)"},
        {{0x2A, 0, 0, 0, 0}, "=#REF!"},
        {{0x3D, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "=#REF!"},
    };
    for (const auto& [tokens, text] : cases)
        EXPECT_EQ(text, Decode(book, tokens));
}

TEST(XlsFormulaDecoder, ReadsArrayConstantsAndAnchoredFormulas)
{
    TTestWorkbook book({"Sheet1"});
    // {1,"a";TRUE,#DIV/0!} with its values in the extra data after the tokens.
    ByteArray data = WithCount({0x60, 0, 0, 0, 0, 0, 0, 0});
    const ByteArray extra = {1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 2, 1, 0, 0, 'a', 4, 1, 0, 0, 0, 0, 0, 0, 0,
                             0x10,
                             0x07, 0, 0, 0, 0, 0, 0, 0};
    data.insert(data.end(), extra.begin(), extra.end());
    EXPECT_EQ("={1,\"a\";TRUE,#DIV/0!}", DecodeFormula(data, 2, book));

    // An array formula: the anchor shows the ARRAY record's own formula.
    book.ArrayRecord = ByteArray(12, 0);
    const ByteArray inner = WithCount({0x25, 0, 0, 1, 0, 0, 0xC0, 0, 0xC0, 0x42, 1, 4, 0});
    book.ArrayRecord.insert(book.ArrayRecord.end(), inner.begin(), inner.end());
    EXPECT_EQ("{=SUM(A1:A2)}", Decode(book, {0x01, 0, 0, 0, 0}));

    // A data table with two input cells, B1 and C1.
    book.TableRecord = {0, 0, 0, 0, 0, 0, 0x08, 0, 0, 0, 1, 0, 0, 0, 2, 0};
    EXPECT_EQ("{=TABLE(B1,C1)}", Decode(book, {0x02, 0, 0, 0, 0}));
}

TEST(XlsFormulaDecoder, RefusesHostileTokenArrays)
{
    TTestWorkbook book({"Sheet1"});
    book.ArrayRecord = ByteArray(12, 0);
    const ByteArray selfAnchor = WithCount({0x01, 0, 0, 0, 0});
    book.ArrayRecord.insert(book.ArrayRecord.end(), selfAnchor.begin(), selfAnchor.end());
    const std::pair<ByteArray, const char*> cases[] = {
        {{0x03}, "String Stack is empty"},
        {{0x1E, 1}, "needs 2 bytes"},
        {{0x1F, 0, 0}, "needs"},
        {{0x1E, 1, 0, 0x1E, 2, 0}, "more than one value"},
        {{0x21, 0x90, 0x01}, "The index \"400\" of the property \"Function name\" is not in the range 0-367"},
        {{0x22, 3, 4, 0}, "String Stack is empty"},
        {{0x18}, "Token Id: 0x18 is not supported"},
        {{0x01, 0, 0, 0, 0}, "anchors another one"},
        {{0x20, 0, 0, 0, 0, 0, 0, 0}, "extra data"},
        {{0x17, 5, 0, 'a'}, ""},
    };
    for (const auto& [tokens, fragment] : cases) {
        const std::string error = ErrorOf([&] { Decode(book, tokens); });
        EXPECT_NE("no exception", error);
        EXPECT_NE(std::string::npos, error.find(fragment)) << error;
    }
    // A count that reaches past the data.
    EXPECT_NE("no exception", ErrorOf([&] { DecodeFormula(ByteArray{9, 0, 0x1E, 1, 0}, 2, book); }));
    // Ten thousand parentheses around one number stop at the text limit.
    ByteArray deep{0x1E, 1, 0};
    deep.insert(deep.end(), 10000, 0x15);
    EXPECT_NE(std::string::npos, ErrorOf([&] { Decode(book, deep); }).find("grows past"));
}

TEST(XlsFormulaCoders, TextReadsBackAsWritten)
{
    TTestWorkbook book({"Sheet1", "Sales 2026", "Données"});
    book.Names = {"Rates", "MyTotal"};
    const char* formulas[] = {
        "=Rates*2",
        "=SUM(MyTotal,Rates)-MyTotal",
        "=1+2*3-4/5^6&\"x\"",
        "=(1+2)*3",
        "=--1",
        "=-+1",
        "=1<>2",
        "=A1>=B$2",
        "=SUM(A1:B2,C3,$D$4:E5)",
        "=IF(A1>0,\"yes\",\"no\")",
        "=IF(A1,,2)",
        "=AVERAGE('Sheet1'!A1:A10)*2",
        "='Sales 2026'!B3+'Données'!C4",
        "='Sheet1:Données'!A1",
        "=ROUND(PI(),2)",
        "=NOW()",
        "=\"say \"\"hi\"\"\"",
        "=\"Grüße, 日本\"",
        "=TRUE=FALSE",
        "=#DIV/0!",
        "=A:C",
        "=50%%",
        "=1 + 2",
        "=SUM( A1, B2)",
        "= (1)",
        "=(A1:B2,C3)",
        "=A1:B2:C3",
        "=VLOOKUP(A1,$B$1:$D$100,3,FALSE)",
        "=0.001",
        "=123456789",
        "=1E20",
    };
    for (const char* text : formulas)
        EXPECT_EQ(text, Decode(book, Encode(book, text)));
    // Names the reader writes in other case or without quotes read back in one form.
    EXPECT_EQ("=SUM('Sheet1'!A1)", Decode(book, Encode(book, "=sum(sheet1!a1)")));
    EXPECT_EQ("=SUM(A1)", Decode(book, Encode(book, "=SUM(A1 )")));
    EXPECT_EQ("=MyTotal", Decode(book, Encode(book, "=mytotal")));
    // Number constants keep every bit through their text.
    for (const double value : {0.1 + 0.2, 1.0 / 3.0, 5958.2300000000005, 1e-300, 123456789.12345679}) {
        const std::string text = Decode(book, NumberToken(value));
        double back = 0;
        std::memcpy(&back, Encode(book, text).data() + 1, sizeof back);
        EXPECT_EQ(value, back) << text;
    }
    EXPECT_EQ("=0.1", Decode(book, NumberToken(0.1)));
    // Whole rows have no short form.
    EXPECT_EQ("=A3:IV5", Decode(book, Encode(book, "=3:5")));
}

// The records of a Workbook stream that formulas need: sheet names, the
// external sheet table, and each FORMULA record's row and token array.
struct TFormulaRows {
    std::vector<std::string> Sheets;
    std::vector<std::pair<int, int>> ExternSheets;
    std::vector<std::pair<int, ByteArray>> Formulas;
};

TFormulaRows ReadFormulaRows(const ByteArray& stream)
{
    TFormulaRows rows;
    for (std::size_t pos = 0; pos + 4 <= stream.size();) {
        const std::uint16_t id = GetWord(stream, static_cast<std::int64_t>(pos));
        const std::uint16_t size = GetWord(stream, static_cast<std::int64_t>(pos) + 2);
        const ByteArray data(stream.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                             stream.begin() + static_cast<std::ptrdiff_t>(pos + 4 + size));
        pos += 4 + size;
        if (id == 0x0085) {
            std::int64_t byteCount = 0;
            std::u16string name;
            ReadBiffString(false, data, 6, byteCount, name);
            rows.Sheets.push_back(rtl::Utf16ToUtf8(name));
        } else if (id == 0x0017) {
            for (int i = 0; i < GetWord(data, 0); ++i)
                rows.ExternSheets.emplace_back(GetWord(data, 4 + 6 * i), GetWord(data, 6 + 6 * i));
        } else if (id == 0x0006) {
            rows.Formulas.emplace_back(GetWord(data, 0), ByteArray(data.begin() + 20, data.end()));
        }
    }
    return rows;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(XlsFormulaCoders, FormulasXlwtCompiledReadAsItsTextAndEncodeToTheSameText)
{
    const std::string data = std::string(VISTRA_SOURCE_DIR) + "/xlsAdapter/tests/data/";
    const TFormulaRows rows = ReadFormulaRows(xlstest::ReadStream(data + "formulas-xlwt.xls", u"Workbook"));
    const std::vector<std::string> expected = ReadLines(data + "formulas-xlwt.txt");
    ASSERT_EQ(expected.size(), rows.Formulas.size());
    TTestWorkbook book(rows.Sheets);
    book.ExternSheets = rows.ExternSheets;
    for (const auto& [row, tokens] : rows.Formulas) {
        const std::string& text = expected.at(static_cast<std::size_t>(row));
        EXPECT_EQ(text, DecodeFormula(tokens, 2, book)) << "row " << row;
        EXPECT_EQ(text, Decode(book, Encode(book, text))) << "row " << row;
    }
}

} // namespace
