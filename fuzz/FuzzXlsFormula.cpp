// Fuzzes the formula coders. An input starting with "=" is formula text:
// it is encoded against a small workbook and, when that succeeds, decoded
// again. Any other input is a token array with its 16-bit count in front,
// decoded as a cell's formula would be, and walked as the reference
// arrangement walks a formula.
#include "xlsAdapter/qorUXlsEncodeFormula.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsFormulaParser.h"
#include "xlsAdapter/qorUXlsTokenArray.h"

#include "platform/rtl/Exceptions.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

// Two sheets, an external sheet table that grows as formulas ask, one name,
// and array and table records made of the input itself.
class TFuzzWorkbook : public xlsAdapter::TFormulaContext {
public:
    explicit TFuzzWorkbook(std::span<const std::uint8_t> Input) : FInput(Input.begin(), Input.end()) {}

    bool FindSheet(std::u16string_view SheetName, int& SheetIndex) const override
    {
        SheetIndex = SheetName == u"SHEET1" ? 0 : SheetName == u"SHEET2" ? 1 : -1;
        return SheetIndex >= 0;
    }
    bool FindName(std::u16string_view Name, int& NameIndex) const override
    {
        NameIndex = Name == u"RATES" ? 0 : -1;
        return NameIndex >= 0;
    }
    int AddExternSheet(int FirstSheet, int LastSheet) override { return FirstSheet * 2 + LastSheet; }
    std::string ExternSheetPrefix(int ExternSheet) const override
    {
        return "'Sheet" + std::to_string(ExternSheet) + "'!";
    }
    std::string DefinedName(int, int NameIndex) const override
    {
        if (NameIndex != 0)
            xlsAdapter::ExcelError(xlsAdapter::msg::IndexOutOfRange, NameIndex, "Name Index", 0, 0);
        return "Rates";
    }
    ByteArray ArrayFormula(int, int) const override { return FInput; }
    ByteArray TableFormula(int, int) const override { return FInput; }

private:
    ByteArray FInput;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    TFuzzWorkbook book(input);
    try {
        if (size > 0 && data[0] == '=') {
            TParseString parser(std::string(reinterpret_cast<const char*>(data), size), book, xlsAdapter::fmValue);
            parser.Parse();
            ByteArray tokens(static_cast<std::size_t>(parser.TotalSize()));
            parser.CopyToPtr(tokens, 0);
            (void)xlsAdapter::DecodeFormula(tokens, 2, book);
        } else {
            (void)xlsAdapter::DecodeFormula(input, 2, book);
        }
    } catch (const Exception&) {
        // Refused input is the expected outcome for most of it.
    }
    // The same bytes as tokens whose references follow deleted rows and
    // columns, then a copied sheet.
    if (size >= 2) {
        ByteArray tokens(data + 2, data + size);
        TSheetInfo info;
        info.InsSheet = 0;
        info.FormulaSheet = 0;
        info.GetSheet = [](int ref) { return ref % 3 - 1; };
        info.SetSheet = [](int sheet) { return sheet + 1; };
        try {
            xlsAdapter::ArrangeTokensInsert(tokens, 0, tokens.size(), 3, -2, 1, 1, -1, 0, info);
            xlsAdapter::ArrangeTokensCopySheet(tokens, 0, tokens.size(), info);
        } catch (const Exception&) {
        }
    }
    return 0;
}
