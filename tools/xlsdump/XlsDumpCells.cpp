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
#include <unordered_map>

namespace {

// The shortest text that reads back as exactly the same number.
std::string NumberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Each cell format's number format, looked up once: a workbook has few.
class TShownTexts {
public:
    explicit TShownTexts(TXLSFile& File) : FFile(File) {}

    std::string Of(const Variant& Value, int XF)
    {
        auto found = FFormats.find(XF);
        if (found == FFormats.end()) {
            std::string format = FFile.GetFormatList(XF).Format;
            found = FFormats.emplace(XF, format.empty() ? "General" : std::move(format)).first;
        }
        int color = 0;
        return ApplyNumberFormat(Value, found->second, FFile.Options1904Dates(), nullptr, color);
    }

private:
    TXLSFile& FFile;
    std::unordered_map<int, std::string> FFormats;
};

} // namespace

void xlsdump::DumpCells(const char* FileName)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(FileName);
    TShownTexts shown(file);
    std::string line;
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
                line.assign(sheet).append("!").append(ColNumberToLetters(col)).append(std::to_string(row));
                line.append("\t").append(kind).append("\t").append(stored).append("\t");
                line.append(shown.Of(v.Value, v.XF)).append("\n");
                std::fwrite(line.data(), 1, line.size(), stdout);
            }
    }
}
