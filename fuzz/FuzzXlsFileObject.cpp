// Fuzzes worksheets through the file object: the input is a Workbook stream
// in a copy of a real container. A stream that opens is read cell by cell,
// changed through the interface and saved; what it saves must open, and
// saving that again must give a file that reads the same. (The first save
// may drop what loading kept but saving tidies, such as empty standard rows.)
#include "fuzz/XlsFuzzSupport.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Every cell value, format and merge of every worksheet, as one text.
std::string ReadEverything(TXLSFile& file)
{
    std::string seen;
    for (int sheet = 1; sheet <= file.SheetCount(); ++sheet) {
        file.SetActiveSheet(sheet);
        seen += file.ActiveSheetName() + "\n";
        for (int row = 1; row <= file.MaxRow(); ++row) {
            seen += std::to_string(file.GetRowHeight(row)) + ":";
            for (int i = 1; i <= file.ColIndexCount(row); ++i) {
                const int col = file.ColByIndex(row, i);
                const TXlsCellValue v = file.GetCellValueX(row, col);
                seen += std::to_string(col) + "=" + VariantToText(v.Value) + "/" +
                        file.GetFormatList(v.XF).Format + ";";
            }
            seen += "\n";
        }
        for (int col = 1; col <= 256; ++col)
            seen += std::to_string(file.GetColumnWidth(col)) + (file.GetColumnHidden(col) ? "h," : ",");
        for (int i = 0; i < file.CellMergedListCount(); ++i) {
            const TXlsCellRange r = file.GetCellMergedList(i);
            seen += std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
                    std::to_string(r.Bottom) + ";";
        }
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    xlsfuzz::WrapAsWorkbook(data, size, input);
    TXLSFile file(nullptr);
    file.Connect();
    TMemoryStream saved;
    try {
        file.LoadFromStream(input);
        ReadEverything(file);
        for (int sheet = 1; sheet <= file.SheetCount(); ++sheet) {
            file.SetActiveSheet(sheet);
            if (!file.IsWorksheet(sheet))
                continue;
            file.SetCellValue(1, 1, Variant(1.5));
            file.SetColumnWidth(3, 4000);
            file.SetRowHeight(2, 600);
            file.SetRowHidden(4, true);
            file.MergeCells(2, 2, 3, 3);
            file.InsertAndCopyRows(1, 2, 5, 2, false);
            file.DeleteCols(2, 1);
            file.DeleteRows(2, 3);
            file.AutofitRow(1, 10, true, false, 1);
            file.AutofitCol(1, 5, false, 1);
            file.SetPageHeader("&CFuzz");
            file.SetAutoFilter(1, 1, 2);
        }
        if (file.SheetCount() > 0)
            file.InsertAndCopySheets(1, 1, 1);
        file.Save(false, {}, nullptr, nullptr, &saved);
    } catch (const EExcelException&) {
        return 0;
    }
    saved.SetPosition(0);
    TXLSFile first(nullptr);
    first.Connect();
    first.LoadFromStream(saved);
    const std::string once = ReadEverything(first);
    TMemoryStream savedAgain;
    first.Save(false, {}, nullptr, nullptr, &savedAgain);
    savedAgain.SetPosition(0);
    TXLSFile second(nullptr);
    second.Connect();
    second.LoadFromStream(savedAgain);
    if (ReadEverything(second) != once)
        std::abort();
    return 0;
}
