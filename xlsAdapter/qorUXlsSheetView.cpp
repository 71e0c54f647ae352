// A worksheet's window and print options over the records it links:
// freezing and splitting panes.
#include "xlsAdapter/qorUXlsWorkSheet.h"

#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsPageSetupRecords.h"

#include <algorithm>

using namespace xlsAdapter;

bool TWorkSheet::ShowGridLines() const { return !FWindow2 || FWindow2->ShowGridLines(); }
bool TWorkSheet::ShowGridHeaders() const { return !FWindow2 || FWindow2->ShowGridHeaders(); }
bool TWorkSheet::PrintGridLines() const { return !FPrintGridLines || FPrintGridLines->Value(); }
bool TWorkSheet::PrintHCentered() const { return FHCenter && FHCenter->Centered(); }
bool TWorkSheet::PrintVCentered() const { return FVCenter && FVCenter->Centered(); }
bool TWorkSheet::PrintToFit() const { return FWSBool && FWSBool->FitToPage(); }
bool TWorkSheet::OutlineSummaryRowsBelowDetail() const { return !FWSBool || FWSBool->OutlineSummaryRowsBelowDetail(); }
bool TWorkSheet::OutlineSummaryColsRightOfDetail() const { return !FWSBool || FWSBool->OutlineSummaryColsRightOfDetail(); }
bool TWorkSheet::OutlineAutomaticStyles() const { return FWSBool && FWSBool->OutlineAutomaticStyles(); }

void TWorkSheet::SetShowGridLines(bool Value)
{
    if (FWindow2)
        FWindow2->SetShowGridLines(Value);
}

void TWorkSheet::SetShowGridHeaders(bool Value)
{
    if (FWindow2)
        FWindow2->SetShowGridHeaders(Value);
}

void TWorkSheet::SetPrintGridLines(bool Value)
{
    if (FPrintGridLines)
        FPrintGridLines->SetValue(Value);
}

void TWorkSheet::SetPrintHCentered(bool Value)
{
    if (FHCenter)
        FHCenter->SetCentered(Value);
}

void TWorkSheet::SetPrintVCentered(bool Value)
{
    if (FVCenter)
        FVCenter->SetCentered(Value);
}

void TWorkSheet::SetPrintToFit(bool Value)
{
    if (FWSBool)
        FWSBool->SetFitToPage(Value);
}

void TWorkSheet::SetOutlineSummaryRowsBelowDetail(bool Value)
{
    if (FWSBool)
        FWSBool->SetOutlineSummaryRowsBelowDetail(Value);
}

void TWorkSheet::SetOutlineSummaryColsRightOfDetail(bool Value)
{
    if (FWSBool)
        FWSBool->SetOutlineSummaryColsRightOfDetail(Value);
}

void TWorkSheet::SetOutlineAutomaticStyles(bool Value)
{
    if (FWSBool)
        FWSBool->SetOutlineAutomaticStyles(Value);
}

void TWorkSheet::SetSheetZoom(int Value)
{
    // A new SCL record goes right after WINDOW2.
    if (!FZoom && FMiscRecords2.Count() >= 2) {
        std::unique_ptr<TSCLRecord> zoom = TSCLRecord::CreateFromData(100);
        FZoom = zoom.get();
        FMiscRecords2.Insert(1, std::move(zoom));
    }
    if (FZoom) {
        const int before = FZoom->TotalSize();
        FZoom->SetZoom(Value);
        FMiscRecords2.AdaptSize(FZoom->TotalSize() - before);
    }
}

void TWorkSheet::SetPaneRecord(bool Present)
{
    if (Present && !FPane && FMiscRecords2.Count() >= 2) {
        auto pane = std::make_unique<TPaneRecord>(xlr::PANE, ByteArray(10));
        FPane = pane.get();
        FMiscRecords2.Insert(1, std::move(pane));
    } else if (!Present && FPane) {
        for (int i = 0; i < FMiscRecords2.Count(); ++i)
            if (FMiscRecords2.Items(i) == FPane) {
                FMiscRecords2.Delete(i);
                break;
            }
        FPane = nullptr;
    }
}

void TWorkSheet::FreezePanes(int Row, int Col)
{
    SetPaneRecord(Row > 0 || Col > 0);
    // A window is frozen only with the pane that says where: a sheet that
    // cannot take a PANE record stays unfrozen.
    const bool frozen = FPane != nullptr;
    if (FWindow2) {
        FWindow2->SetIsFrozen(frozen);
        FWindow2->SetIsFrozenButNoSplit(frozen);
    }
    if (!FPane)
        return;
    FPane->SetRowSplit(static_cast<std::uint16_t>(Row));
    FPane->SetFirstVisibleRow(static_cast<std::uint16_t>(std::max<int>(FPane->FirstVisibleRow(), std::max(Row, 1))));
    FPane->SetColSplit(static_cast<std::uint16_t>(Col));
    FPane->SetFirstVisibleCol(static_cast<std::uint16_t>(std::max<int>(FPane->FirstVisibleCol(), std::max(Col, 1))));
    FPane->EnsureSelectedVisible();
}

void TWorkSheet::GetFrozenPanes(int& Row, int& Col) const
{
    Row = 0;
    Col = 0;
    if (FPane && (!FWindow2 || FWindow2->IsFrozen())) {
        Row = FPane->RowSplit();
        Col = FPane->ColSplit();
    }
}

void TWorkSheet::SplitWindow(int xOffset, int yOffset)
{
    if (FWindow2) {
        FWindow2->SetIsFrozen(false);
        FWindow2->SetIsFrozenButNoSplit(false);
    }
    SetPaneRecord(xOffset > 0 || yOffset > 0);
    if (!FPane)
        return;
    FPane->SetRowSplit(static_cast<std::uint16_t>(yOffset));
    FPane->SetColSplit(static_cast<std::uint16_t>(xOffset));
    if (FPane->FirstVisibleRow() == 0)
        FPane->SetFirstVisibleRow(1);
    if (FPane->FirstVisibleCol() == 0)
        FPane->SetFirstVisibleCol(1);
    FPane->EnsureSelectedVisible();
}

void TWorkSheet::GetSplitWindow(int& xOffset, int& yOffset) const
{
    xOffset = 0;
    yOffset = 0;
    if (FPane && FWindow2 && !FWindow2->IsFrozen()) {
        xOffset = FPane->ColSplit();
        yOffset = FPane->RowSplit();
    }
}
