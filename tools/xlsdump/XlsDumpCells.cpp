// Cell listing through the file object: every cell's kind, stored value and
// the text its number format shows. Formula cells give their formula text
// as the value and their cached result as the shown text.
#include "XlsDumpCommands.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUVyxNumberFormat.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace {

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
        for (int row = 1; row <= file.MaxRow(); ++row)
            for (int i = 1; i <= file.ColIndexCount(row); ++i) {
                const int col = file.ColByIndex(row, i);
                const TXlsCellValue v = file.GetCellValueX(row, col);
                std::string kind;
                std::string stored;
                switch (v.Value.VarType()) {
                case varEmpty:
                    // A formula whose result is not kept shows nothing.
                    if (!v.IsFormula)
                        continue;
                    break;
                case varBoolean:
                    kind = "boolean";
                    stored = v.Value.AsBoolean() ? "TRUE" : "FALSE";
                    break;
                case varString: {
                    int index = 0;
                    const TCellRecordList* cells = worksheet->Cells().CellList().FindCell(row - 1, col - 1, index);
                    kind = cells && cells->Id(index) == 0x0205 ? "error" : "text";
                    stored = v.Value.AsString();
                    break;
                }
                default:
                    kind = "number";
                    stored = NumberText(v.Value.AsDouble());
                }
                if (v.IsFormula) {
                    kind = "formula";
                    stored = file.GetCellFormula(row, col);
                }
                std::printf("%s!%s%d\t%s\t%s\t%s\n", sheet.c_str(), ColNumberToLetters(col).c_str(), row,
                            kind.c_str(), stored.c_str(), ShownText(file, v.Value, v.XF).c_str());
            }
    }
}
