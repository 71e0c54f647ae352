// The string grid's footer values and the stretching of a column to the
// client width.
#include "grid/QuillGrid.h"

#include <algorithm>

#include "grid/base/CellProperties.h"
#include "grid/model/BehaviourSettings.h"
#include "platform/rtl/ScopeExit.h"

void TQuillStringGrid::UpdateFooterValues(int ACol)
{
    if (FFixedFooters <= 0 || RowCount() <= FixedRows()) return;
    const int footer = RowCount() - 1;
    const int hidden = NumHiddenRows();
    // The rows above the footer by real index, hidden ones included.
    const int from = FixedRows();
    const int to = RealRowIndex(footer) - 1;
    FRealStatisticRows = true;
    rtl::ScopeExit shownRows([this] { FRealStatisticRows = false; });
    const int firstCol = ACol == -1 ? 0 : ACol;
    const int lastCol = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = std::max(firstCol, 0); c <= lastCol && c < AllColCount(); ++c) {
        const TCellProperties* props = FindProps(c, footer);
        if (!props) continue;
        switch (props->CalcType()) {
        case acSUM:
        case acAVG: {
            TFooterTotal total;
            for (const double value : ColumnValues(c, from, to)) {
                total.Sum += value;
                ++total.Count;
            }
            FFooterTotals[c] = total;
            ShowFooterTotal(c, props->CalcType(), total);
            break;
        }
        case acCOUNT: SetInts(c, footer, RowCount() + hidden - FixedRows() - 1); break;
        case acMIN: SetFloats(c, footer, ColumnMin(c, from, to)); break;
        case acMAX: SetFloats(c, footer, ColumnMax(c, from, to)); break;
        case acDISTINCT: SetFloats(c, footer, ColumnDistinct(c, from, to)); break;
        case acSTDDEV: SetFloats(c, footer, ColumnStdDev(c, from, to)); break;
        case acCUSTOM: {
            std::string value;
            if (OnFooterCalc) OnFooterCalc(this, c, footer + hidden, value);
            SetCells(c, footer, value);
            break;
        }
        case acNONE:
        case acSPREAD: break;
        }
    }
}

void TQuillStringGrid::ShowFooterTotal(int ACol, TColumnCalcType Calc, const TFooterTotal& Total)
{
    const double average = Total.Count == 0 ? 0 : Total.Sum / Total.Count;
    SetFloats(ACol, RowCount() - 1, Calc == acAVG ? average : Total.Sum);
}

void TQuillStringGrid::FooterCellEdited(int ACol, int ARow, const std::string& Before)
{
    if (FFixedFooters <= 0 || ARow < FixedRows() || ARow > LastNormalRow()) return;
    const TCellProperties* props = FindProps(ACol, RowCount() - 1);
    const TColumnCalcType calc = props ? props->CalcType() : acNONE;
    // Totals kept while the column showed another calculation would be stale.
    if (calc != acSUM && calc != acAVG) FFooterTotals.erase(ACol);
    switch (calc) {
    case acNONE:
    case acSPREAD:
    case acCOUNT: return; // The count is of rows, which an edit leaves alone.
    case acSUM:
    case acAVG: {
        const auto total = FFooterTotals.find(ACol);
        if (total == FFooterTotals.end()) break;
        // A cell under a merged area is no value of the column either way.
        if (IsMergedNonBaseCell(ACol, ARow)) return;
        TFooterTotal& kept = total->second;
        double value = 0;
        if (grid::TryStatisticValue(Before, value)) {
            kept.Sum -= value;
            --kept.Count;
        }
        if (grid::TryStatisticValue(GetGridCell(ACol, ARow), value)) {
            kept.Sum += value;
            ++kept.Count;
        }
        // Without values the sum is exactly 0, not what rounding left over.
        if (kept.Count == 0) kept.Sum = 0;
        ShowFooterTotal(ACol, calc, kept);
        return;
    }
    // The others depend on every value of the column.
    case acMIN:
    case acMAX:
    case acDISTINCT:
    case acSTDDEV:
    case acCUSTOM: break;
    }
    UpdateFooterValues(ACol);
}

void TQuillStringGrid::StretchColumn(int ACol)
{
    if (FDestroying) return;
    if (ACol == -1) ACol = ColCount() - 1;
    if (ACol < 0 || ACol >= ColCount()) throw EQuillGridError("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging) return;
    FIsColChanging = true;
    rtl::ScopeExit done([this] { FIsColChanging = false; });
    const int client = ClientWidth();
    if (ColCount() == 1) {
        SetColWidths(ACol, client);
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != ACol) others += ColWidths(c);
        if (others < client) SetColWidths(ACol, client - others - 1);
        else if (LeftCol() == FixedCols()) SetColWidths(ACol, DefaultColWidth());
    }
    FColChangeFlag = true;
}
