// The file object's page header, footer, print setup, reference style and
// autofilter of the active sheet; apart from header and footer, sheets that
// are not worksheets read as the defaults and ignore changes.
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"

namespace {

template <typename T, typename Sheet, typename Read>
T ReadOr(const Sheet* Section, T Default, Read read)
{
    return Section ? read(*Section) : Default;
}

} // namespace

// Header and footer work on every kind of sheet.
std::string TXLSFile::PageHeader()
{
    return rtl::Utf16ToUtf8(ReadOr(ActiveSheetSection(), std::u16string(), [](auto& s) { return s.PageHeader(); }));
}

void TXLSFile::SetPageHeader(std::string_view Value)
{
    if (TSheet* sheet = ActiveSheetSection())
        sheet->SetPageHeader(rtl::Utf8ToUtf16(Value));
}

std::string TXLSFile::PageFooter()
{
    return rtl::Utf16ToUtf8(ReadOr(ActiveSheetSection(), std::u16string(), [](auto& s) { return s.PageFooter(); }));
}

void TXLSFile::SetPageFooter(std::string_view Value)
{
    if (TSheet* sheet = ActiveSheetSection())
        sheet->SetPageFooter(rtl::Utf8ToUtf16(Value));
}

int TXLSFile::PrintNumberOfHorizontalPages()
{
    return ReadOr(ActiveWorkSheet(), 1, [](auto& s) { return s.PrintNumberOfHorizontalPages(); });
}

void TXLSFile::SetPrintNumberOfHorizontalPages(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintNumberOfHorizontalPages(Value);
}

int TXLSFile::PrintNumberOfVerticalPages()
{
    return ReadOr(ActiveWorkSheet(), 1, [](auto& s) { return s.PrintNumberOfVerticalPages(); });
}

void TXLSFile::SetPrintNumberOfVerticalPages(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintNumberOfVerticalPages(Value);
}

int TXLSFile::PrintScale() { return ReadOr(ActiveWorkSheet(), 100, [](auto& s) { return s.PrintScale(); }); }

void TXLSFile::SetPrintScale(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintScale(Value);
}

int TXLSFile::PrintOptions() { return ReadOr(ActiveWorkSheet(), 0, [](auto& s) { return s.PrintOptions(); }); }

void TXLSFile::SetPrintOptions(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintOptions(Value);
}

int TXLSFile::PrintCopies() { return ReadOr(ActiveWorkSheet(), 1, [](auto& s) { return s.PrintCopies(); }); }

void TXLSFile::SetPrintCopies(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintCopies(Value);
}

int TXLSFile::PrintPaperSize() { return ReadOr(ActiveWorkSheet(), 0, [](auto& s) { return s.PrintPaperSize(); }); }

void TXLSFile::SetPrintPaperSize(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintPaperSize(Value);
}

int TXLSFile::PrintXResolution()
{
    return ReadOr(ActiveWorkSheet(), 600, [](auto& s) { return s.PrintXResolution(); });
}

void TXLSFile::SetPrintXResolution(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintXResolution(Value);
}

int TXLSFile::PrintYResolution()
{
    return ReadOr(ActiveWorkSheet(), 600, [](auto& s) { return s.PrintYResolution(); });
}

void TXLSFile::SetPrintYResolution(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintYResolution(Value);
}

TPrinterDriverSettings TXLSFile::PrinterDriverSettings()
{
    return ReadOr(ActiveWorkSheet(), TPrinterDriverSettings{}, [](auto& s) { return s.PrinterDriverSettings(); });
}

void TXLSFile::SetPrinterDriverSettings(const TPrinterDriverSettings& Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrinterDriverSettings(Value);
}

bool TXLSFile::OptionsR1C1()
{
    TSheetList& sheets = Workbook().Sheets();
    for (int i = 0; i < sheets.Count(); ++i)
        if (const auto* sheet = dynamic_cast<const TWorkSheet*>(sheets.GetItems(i)))
            return sheet->IsR1C1();
    return false;
}

void TXLSFile::SetOptionsR1C1(bool Value)
{
    TSheetList& sheets = Workbook().Sheets();
    for (int i = 0; i < sheets.Count(); ++i)
        if (auto* sheet = dynamic_cast<TWorkSheet*>(sheets.GetItems(i)))
            sheet->SetIsR1C1(Value);
}

void TXLSFile::SetAutoFilter(int Row, int Col1, int Col2)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetAutoFilter(FActiveSheet - 1, Row - 1, Col1 - 1, Col2 - 1);
}

bool TXLSFile::HasAutoFilter(int Row, int Col)
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet && sheet->HasAutoFilter(FActiveSheet - 1, Row - 1, Col - 1);
}

TXlsCellRange TXLSFile::GetAutoFilterRange()
{
    TXlsCellRange range{-1, -1, -1, -1};
    if (TWorkSheet* sheet = ActiveWorkSheet())
        range = sheet->GetAutoFilterRange(FActiveSheet - 1);
    return {range.Left + 1, range.Top + 1, range.Right + 1, range.Bottom + 1};
}

void TXLSFile::RemoveAutoFilter()
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->RemoveAutoFilter();
}

bool TXLSFile::HasAutoFilter() { return ReadOr(ActiveWorkSheet(), false, [](auto& s) { return s.HasAutoFilter(); }); }
