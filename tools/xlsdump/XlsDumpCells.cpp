// Cell listing through the file object: every cell's kind, stored value and
// the text its number format shows. Formula cells, which the engine keeps as
// records, are listed with their cached results.
#include "XlsDumpCommands.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUVyxNumberFormat.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct TLine {
    int Row;
    int Col;
    std::string Text;
};

// The shortest text that reads back as exactly the same number.
std::string NumberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ShownText(TXLSFile& file, const Variant& value, int xf)
{
    int color = 0;
    const std::string format = file.GetFormatList(xf).Format;
    return ApplyNumberFormat(value, format.empty() ? "General" : format, file.Options1904Dates(), nullptr, color);
}

// The cached result of a FORMULA record; a text result sits in the STRING
// record that follows it.
void AddFormula(TXLSFile& file, const TBaseRecordList& records, int index, const std::string& sheet,
                std::vector<TLine>& lines)
{
    const TBaseRecord& formula = *records.Items(index);
    if (formula.DataSize() < 20)
        return;
    const int row = GetWord(formula.Data, 0);
    const int col = GetWord(formula.Data, 2);
    const int xf = GetWord(formula.Data, 4);
    Variant value;
    std::string stored;
    if (GetWord(formula.Data, 12) != 0xFFFF) {
        double number = 0;
        std::memcpy(&number, formula.Data.data() + 6, 8);
        value = Variant(number);
        stored = NumberText(number);
    } else if (formula.Data[6] == 1) {
        value = Variant(formula.Data[8] != 0);
        stored = formula.Data[8] != 0 ? "TRUE" : "FALSE";
    } else if (formula.Data[6] == 2) {
        stored = std::string(xlsAdapter::ErrorCodeText(formula.Data[8]));
        value = Variant(stored);
    } else if (formula.Data[6] == 0 && index + 1 < records.Count() && records.Items(index + 1)->Id == 0x0207) {
        const TBaseRecord& text = *records.Items(index + 1);
        if (text.DataSize() >= 3) {
            const int count = GetWord(text.Data, 0);
            const bool wide = text.Data[2] & 1;
            std::u16string chars;
            for (int i = 0; i < count && 3 + (i + 1) * (wide ? 2 : 1) <= text.DataSize(); ++i)
                chars += wide ? static_cast<char16_t>(GetWord(text.Data, 3 + 2 * i)) : char16_t{text.Data[3 + i]};
            stored = rtl::Utf16ToUtf8(chars);
        }
        value = Variant(stored);
    }
    lines.push_back({row, col,
                     sheet + "!" + ColNumberToLetters(col + 1) + std::to_string(row + 1) + "\tformula\t" + stored +
                         "\t" + ShownText(file, value, xf)});
}

} // namespace

void xlsdump::DumpCells(const char* FileName)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(FileName);
    for (int sheetNo = 1; sheetNo <= file.SheetCount(); ++sheetNo) {
        file.SetActiveSheet(sheetNo);
        if (!file.IsWorksheet(sheetNo))
            continue;
        const std::string sheet = file.ActiveSheetName();
        auto* worksheet = static_cast<TWorkSheet*>(file.GetTWorkbook()->Sheets().GetItems(sheetNo - 1));
        std::vector<TLine> lines;
        for (int row = 1; row <= file.MaxRow(); ++row)
            for (int i = 1; i <= file.ColIndexCount(row); ++i) {
                const int col = file.ColByIndex(row, i);
                const TXlsCellValue v = file.GetCellValueX(row, col);
                std::string kind;
                std::string stored;
                switch (v.Value.VarType()) {
                case varEmpty:
                    continue;
                case varBoolean:
                    kind = "boolean";
                    stored = v.Value.AsBoolean() ? "TRUE" : "FALSE";
                    break;
                case varString: {
                    const TCellRecord* cell = worksheet->Cells().CellList().FindCell(row - 1, col - 1);
                    kind = cell && cell->Id == 0x0205 ? "error" : "text";
                    stored = v.Value.AsString();
                    break;
                }
                default:
                    kind = "number";
                    stored = NumberText(v.Value.AsDouble());
                }
                lines.push_back({row - 1, col - 1,
                                 sheet + "!" + ColNumberToLetters(col) + std::to_string(row) + "\t" + kind + "\t" +
                                     stored + "\t" + ShownText(file, v.Value, v.XF)});
            }
        for (const TBaseRecordList* list : {&worksheet->MiscRecords1(), &worksheet->MiscRecords2()})
            for (int i = 0; i < list->Count(); ++i)
                if (list->Items(i)->Id == 0x0006)
                    AddFormula(file, *list, i, sheet, lines);
        std::stable_sort(lines.begin(), lines.end(),
                         [](const TLine& a, const TLine& b) { return a.Row != b.Row ? a.Row < b.Row : a.Col < b.Col; });
        for (const TLine& line : lines)
            std::printf("%s\n", line.Text.c_str());
    }
}
