// The file object's window and print options of the active sheet.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUXlsWorkSheet.h"

bool TXLSFile::ShowGridLines()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->ShowGridLines() : true;
}

void TXLSFile::SetShowGridLines(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetShowGridLines(Value);
}

bool TXLSFile::ShowGridHeaders()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->ShowGridHeaders() : true;
}

void TXLSFile::SetShowGridHeaders(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetShowGridHeaders(Value);
}

bool TXLSFile::PrintGridLines()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->PrintGridLines() : true;
}

void TXLSFile::SetPrintGridLines(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintGridLines(Value);
}

bool TXLSFile::PrintHCentered()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->PrintHCentered() : false;
}

void TXLSFile::SetPrintHCentered(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintHCentered(Value);
}

bool TXLSFile::PrintVCentered()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->PrintVCentered() : false;
}

void TXLSFile::SetPrintVCentered(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintVCentered(Value);
}

bool TXLSFile::PrintToFit()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->PrintToFit() : false;
}

void TXLSFile::SetPrintToFit(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetPrintToFit(Value);
}

bool TXLSFile::OutlineSummaryColsRightOfDetail()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->OutlineSummaryColsRightOfDetail() : true;
}

void TXLSFile::SetOutlineSummaryColsRightOfDetail(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetOutlineSummaryColsRightOfDetail(Value);
}

bool TXLSFile::OutlineSummaryRowsBelowDetail()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->OutlineSummaryRowsBelowDetail() : true;
}

void TXLSFile::SetOutlineSummaryRowsBelowDetail(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetOutlineSummaryRowsBelowDetail(Value);
}

bool TXLSFile::OutlineAutomaticStyles()
{
    TWorkSheet* sheet = ActiveWorkSheet();
    return sheet ? sheet->OutlineAutomaticStyles() : false;
}

void TXLSFile::SetOutlineAutomaticStyles(bool Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetOutlineAutomaticStyles(Value);
}

int TXLSFile::SheetZoom()
{
    // Read on every kind of sheet; changed only on worksheets.
    TSheet* sheet = ActiveSheetSection();
    return sheet ? sheet->SheetZoom() : 100;
}

void TXLSFile::SetSheetZoom(int Value)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SetSheetZoom(Value);
}

void TXLSFile::FreezePanes(int Row, int Col)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->FreezePanes(Row - 1, Col - 1);
}

void TXLSFile::GetFrozenPanes(int& Row, int& Col)
{
    Row = 0;
    Col = 0;
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->GetFrozenPanes(Row, Col);
    ++Row;
    ++Col;
}

void TXLSFile::SplitWindow(int xOffset, int yOffset)
{
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->SplitWindow(xOffset, yOffset);
}

void TXLSFile::GetSplitWindow(int& xOffset, int& yOffset)
{
    xOffset = 0;
    yOffset = 0;
    if (TWorkSheet* sheet = ActiveWorkSheet())
        sheet->GetSplitWindow(xOffset, yOffset);
}

// Margins work on every kind of sheet.
TXlsMargins TXLSFile::Margins()
{
    TSheet* sheet = ActiveSheetSection();
    return sheet ? sheet->Margins() : TXlsMargins{};
}

void TXLSFile::SetMargins(const TXlsMargins& Value)
{
    if (TSheet* sheet = ActiveSheetSection())
        sheet->SetMargins(Value);
}
