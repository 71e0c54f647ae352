// A sample workbook written through the file object: values of every kind,
// number formats, fonts, colours, fills, merged ranges, column widths, row
// heights and page breaks.
#include "XlsDumpCommands.h"

#include "xlsAdapter/qorXLSAdapter.h"

#include <string>

namespace {

int FormatWith(TXLSFile& file, const char* numberFormat, bool bold, bool italic, int fontColor, int fill)
{
    TVyxFormat format = file.GetFormatList(15);
    format.Format = numberFormat;
    if (bold)
        format.Font.Style.Include(flsBold);
    if (italic)
        format.Font.Style.Include(flsItalic);
    if (fontColor > 0)
        format.Font.ColorIndex = fontColor;
    if (fill > 0) {
        format.FillPattern.Pattern = 1;
        format.FillPattern.FgColorIndex = fill;
    }
    return file.AddFormat(format);
}

} // namespace

void xlsdump::WriteSample(const char* FileName)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.NewFile(2);
    file.AllowOverwritingFiles = true;
    file.SetActiveSheet(1);
    file.SetActiveSheetName("Sample");

    struct TRow {
        const char* Label;
        Variant Value;
        const char* Format;
    };
    const TRow rows[] = {
        {"general", Variant(1234.5), ""},
        {"fixed", Variant(3.14159), "0.00"},
        {"thousands", Variant(1234567.891), "#,##0.00"},
        {"percent", Variant(0.256), "0.0%"},
        {"scientific", Variant(123456.0), "0.00E+00"},
        {"date", Variant(45000.0), "dd/mm/yyyy"},
        {"time", Variant(0.5625), "hh:mm:ss"},
        {"currency", Variant(-42.5), "\"$\"#,##0.00;[Red]\"$\"-#,##0.00"},
        {"text", Variant("plain text"), "@"},
        {"boolean", Variant(true), ""},
    };
    file.SetCellValueX(1, 1, TXlsCellValue{Variant("kind"), FormatWith(file, "", true, false, 0, 0), false});
    file.SetCellValueX(1, 2, TXlsCellValue{Variant("value"), FormatWith(file, "", true, true, 10, 0), false});
    int row = 2;
    for (const TRow& r : rows) {
        file.SetCellValue(row, 1, Variant(r.Label));
        file.SetCellValueX(row, 2, TXlsCellValue{r.Value, FormatWith(file, r.Format, false, false, 0, 0), false});
        ++row;
    }
    file.SetCellValueX(row, 1, TXlsCellValue{Variant("merged and filled"), FormatWith(file, "", true, false, 2, 6), false});
    file.MergeCells(row, 1, row + 1, 3);
    file.SetColumnWidth(1, 16 * 256);
    file.SetColumnWidth(2, 20 * 256);
    file.SetRowHeight(1, 400);
    file.SetRowHeight(row, 600);
    file.InsertHPageBreak(6);
    file.InsertVPageBreak(2);

    file.SetActiveSheet(2);
    file.SetActiveSheetName("Second");
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 3; ++c)
            file.SetCellValue(r, c, Variant(r * 10 + c));
    file.MergeCells(7, 1, 7, 2);
    file.SetColumnHidden(4, true);
    file.SetAutoFilter(1, 1, 3);
    file.SetPageHeader("&CSecond sheet");
    file.SetActiveSheet(1);
    file.Save(false, FileName, nullptr, nullptr, nullptr);
}
