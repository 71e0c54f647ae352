// The file object's row heights and column widths fitted to the contents.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"

void TXLSFile::AutofitRow(int Row1, int Row2, bool AutofitNotAutofittingRows, bool KeepHeightAutomatic,
                          double Adjustment)
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        sheet->RecalcRowHeights(Row1 - 1, Row2 - 1, AutofitNotAutofittingRows, KeepHeightAutomatic, Adjustment);
        RestoreObjectCoords();
    }
}

void TXLSFile::AutofitCol(int Col1, int Col2, bool IgnoreStrings, double Adjustment)
{
    if (TWorkSheet* sheet = ActiveWorkSheet()) {
        sheet->RecalcColWidths(Col1 - 1, Col2 - 1, IgnoreStrings, Adjustment);
        RestoreObjectCoords();
    }
}

void TXLSFile::AutofitRowsOnWorkbook(bool AutofitNotAutofittingRows, bool KeepSizesAutomatic, double Adjustment)
{
    TSheetList& sheets = Workbook().Sheets();
    for (int i = 0; i < sheets.Count(); ++i)
        if (auto* sheet = dynamic_cast<TWorkSheet*>(sheets.GetItems(i))) {
            sheet->RecalcRowHeights(0, sheet->Cells().RowList().Count() - 1, AutofitNotAutofittingRows,
                                    KeepSizesAutomatic, Adjustment);
            Workbook().RestoreObjectCoords(i);
        }
}
