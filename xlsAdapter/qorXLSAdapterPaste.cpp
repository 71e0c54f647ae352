// Pasting workbook data copied to the clipboard into the active sheet.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"

#include <algorithm>

using namespace xlsAdapter;

void TXLSFile::PasteFromXlsClipboardFormat(int Row, int Col, TStream& Stream)
{
    if (!ActiveWorkSheet())
        return;
    TXLSFile source(nullptr);
    source.Connect();
    source.OpenStream(Stream);
    if (source.SheetCount() < 1 || !source.IsWorksheet(1))
        return;
    source.SetActiveSheet(1);
    // The copied block as its DIMENSIONS record gives it, one past the last
    // row and column; a hostile record cannot reach past the sheet.
    const TDimensionsRec& dims = source.ActiveWorkSheet()->OriginalDimensions();
    const int firstRow = static_cast<int>(std::min<std::uint32_t>(dims.FirstRow, 65536));
    const int lastRow = static_cast<int>(std::min<std::uint32_t>(dims.LastRow, 65536));
    const int firstCol = std::min<int>(dims.FirstCol, 256);
    const int lastCol = std::min<int>(dims.LastCol, 256);
    IsFileModified = true;
    for (int r = firstRow; r < lastRow; ++r)
        for (int c = firstCol; c < lastCol; ++c) {
            TXlsCellValue value;
            TRTFRunList runs;
            source.GetCellValueX2(r + 1, c + 1, value, runs);
            if (!value.Value.IsEmpty() || value.XF >= 0) {
                value.XF = AddFormat(source.GetFormatList(std::max(value.XF, 0)));
                for (TRTFRun& run : runs)
                    run.FontIndex = static_cast<decltype(run.FontIndex)>(AddFont(source.GetFontList(run.FontIndex)));
            }
            // An empty cell of the copy clears the cell it lands on.
            AssignCellValueX2(Row + r - firstRow, Col + c - firstCol, value, runs);
        }
}
