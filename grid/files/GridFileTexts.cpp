// The texts the grid's writers save and the store of loaded texts, with progress reports.
#include "grid/QuillGrid.h"

#include <cmath>

void TQuillStringGrid::GetSaveCellText(int ACol, int ARow, std::string& Value)
{
    Value = GetGridCell(ACol, ARow);
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TQuillStringGrid::DoLoadCell(int ACol, int ARow, const std::string& Value)
{
    if (!OnLoadCell) {
        SetGridCell(ACol, ARow, Value);
        return;
    }
    std::string text = Value;
    OnLoadCell(this, ACol, ARow, text);
    SetGridCell(ACol, ARow, text);
}

void TQuillStringGrid::ExportNotification(TExportState, int) {}

void TQuillStringGrid::ImportNotification(TImportState, int) {}

void TQuillStringGrid::ReportFileProgress(int& Last, double Fraction)
{
    if (!OnFileProgress) return;
    const int percent = static_cast<int>(std::nearbyint(Fraction * 100.0));
    if (percent == Last) return;
    Last = percent;
    OnFileProgress(this, percent);
}
