// The file object's defined names: their texts, areas and sheets, adding
// names, and binding the block operations to a name's columns.
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsNameRecord.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"

using namespace xlsAdapter;

namespace {

// The bound of a name that is no cell area reads -1 in the name and stays
// -1 here, not 0, so that callers can tell it from the first row.
int OneBased(int Bound)
{
    return Bound < 0 ? Bound : Bound + 1;
}

} // namespace

TNameRecord& TXLSFile::Name(int index)
{
    TNameRecordList& names = Workbook().Globals().Names();
    if (index < 1 || index > names.Count())
        ExcelError(msg::IndexOutOfRange, index, std::string("RangeIndex"), 1, names.Count());
    return *names.Items(index - 1);
}

int TXLSFile::RangeCount() { return Workbook().Globals().Names().Count(); }
std::string TXLSFile::GetRangeName(int index) { return rtl::Utf16ToUtf8(Name(index).Name()); }
int TXLSFile::GetRangeR1(int index) { return OneBased(Name(index).GetR1()); }
int TXLSFile::GetRangeR2(int index) { return OneBased(Name(index).GetR2()); }
int TXLSFile::GetRangeC1(int index) { return OneBased(Name(index).GetC1()); }
int TXLSFile::GetRangeC2(int index) { return OneBased(Name(index).GetC2()); }
void TXLSFile::SetRangeR1(int index, int value) { Name(index).SetR1(value - 1); }
void TXLSFile::SetRangeR2(int index, int value) { Name(index).SetR2(value - 1); }
void TXLSFile::SetRangeC1(int index, int value) { Name(index).SetC1(value - 1); }
void TXLSFile::SetRangeC2(int index, int value) { Name(index).SetC2(value - 1); }

int TXLSFile::GetRangeSheet(int index)
{
    const TWorkbookGlobals& globals = Workbook().Globals();
    return OneBased(Name(index).RefersToSheet([&](int ref) { return globals.References().GetSheet(ref); }));
}

void TXLSFile::AddRange(TXlsNamedRange& NamedRange)
{
    // The name's formula is written in the active sheet's cells' context;
    // the engine counts sheets from 0 (-1: the whole workbook).
    TWorkSheet& sheet = ActiveWorkSheetOrRaise();
    TXlsNamedRange range = NamedRange;
    range.NameSheetIndex -= 1;
    Workbook().Globals().AddName(range, sheet.Cells().CellList());
    IsFileModified = true;
}

void TXLSFile::SetBounds(int aRangePos)
{
    const TNameRecord& name = Name(aRangePos);
    if (name.GetC1() < 0)
        ExcelError(msg::NameIsNoCellRange, rtl::Utf16ToUtf8(name.Name()));
    FirstColumn = name.GetC1();
    LastColumn = name.GetC2();
}
