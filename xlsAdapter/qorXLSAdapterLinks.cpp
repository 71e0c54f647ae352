// The file object's hyperlinks: the active sheet's list with 1-based
// indexes and cell ranges.
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorXLSAdapter.h"

using namespace xlsAdapter;

int TXLSFile::HyperLinkCount()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->HLinks().Count() : 0;
}

THLinkRecord& TXLSFile::HyperLink(int HyperLinkIndex)
{
    const int count = HyperLinkCount();
    if (HyperLinkIndex < 1 || HyperLinkIndex > count)
        ExcelError(msg::IndexOutOfRange, HyperLinkIndex, "HyperLinkIndex", 1, count);
    return *ActiveWorkSheet()->HLinks()[HyperLinkIndex - 1];
}

THyperLink TXLSFile::GetHyperLink(int HyperLinkIndex)
{
    return HyperLink(HyperLinkIndex).GetProperties();
}

void TXLSFile::SetHyperLink(int HyperLinkIndex, const THyperLink& value)
{
    HyperLink(HyperLinkIndex).SetProperties(value);
}

TXlsCellRange TXLSFile::GetHyperLinkCellRange(int HyperLinkIndex)
{
    return OffsetCellRange(HyperLink(HyperLinkIndex).GetCellRange(), 1, 1);
}

void TXLSFile::SetHyperLinkCellRange(int HyperLinkIndex, const TXlsCellRange& CellRange)
{
    HyperLink(HyperLinkIndex).SetCellRange(OffsetCellRange(CellRange, -1, -1));
}

void TXLSFile::AddHyperLink(const TXlsCellRange& CellRange, const THyperLink& value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->HLinks().Add(THLinkRecord::CreateNew(OffsetCellRange(CellRange, -1, -1), value));
}

void TXLSFile::DeleteHyperLink(int HyperLinkIndex)
{
    HyperLink(HyperLinkIndex);
    ActiveWorkSheet()->HLinks().Delete(HyperLinkIndex - 1);
}
