// The string grid's footer values, kept in step with edits and with rows
// inserted and removed, and the stretching of a column to the client width.
#include "grid/QuillGrid.h"
#include "grid/QuillGridFooterTotals.h"
#include "grid/model/FloatingFooter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "grid/base/CellProperties.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/RowStore.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ScopeExit.h"

// The footer calculates while the floating footer shows the last row.
bool TQuillStringGrid::FooterCalculates() const
{
    const TFloatingFooter& footer = *FFloatingFooter;
    return footer.Visible() && footer.FooterStyle() == fsFixedLastRow && footer.EnableCalculation() &&
           FFixedFooters > 0 && RowCount() > FixedRows();
}

// The footer takes the rows between the fixed rows and the footer row by
// real index, hidden ones only with CalculateHiddenRows.
bool TQuillStringGrid::InFooterRange(int AReal) const
{
    return AReal >= FixedRows() && AReal < RealRowIndex(RowCount() - 1) &&
           (FFloatingFooter->CalculateHiddenRows() || !IsHiddenRow(AReal));
}

int TQuillStringGrid::FooterHiddenRows() const
{
    return FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
}

// Hiding or showing a row changes the totals only while hidden rows are left out.
int TQuillStringGrid::HiddenRowsLeftOut() const
{
    return FFloatingFooter->CalculateHiddenRows() ? 0 : NumHiddenRows();
}

const TCellProperties* TQuillStringGrid::FooterProps(int ACol) const
{
    return FooterCalculates() ? FindProps(ACol, RowCount() - 1) : nullptr;
}

grid::TFooterCellValue TQuillStringGrid::FooterCellValue(int ACol, int AReal, TColumnCalcType Calc)
{
    grid::TFooterCellValue value;
    // Cells covered by a merged area count once, at their base cell.
    if (!IsHiddenRow(AReal) && IsMergedNonBaseCell(ACol, DisplRowIndex(AReal))) {
        value.Counted = false;
        return value;
    }
    const std::string text = AllCells(ACol, AReal);
    if (grid::TFooterTotals::WantsTexts(Calc)) value.Folded = AnsiUpperCase(text);
    if (grid::TFooterTotals::WantsNumbers(Calc)) value.HasNumber = grid::TryStatisticValue(text, value.Number);
    return value;
}

grid::TFooterTotals* TQuillStringGrid::KeptFooterTotals(int ACol, int AddedRows)
{
    const auto kept = FFooterTotals->find(ACol);
    if (kept == FFooterTotals->end()) return nullptr;
    grid::TFooterTotals& totals = kept->second;
    // Totals of another footer cell, calculation or row set are stale.
    const TCellProperties* props = FooterProps(ACol);
    if (props && props == totals.Footer && props->CalcType() == totals.Calc() &&
        totals.Rows + AddedRows == TotalRowCount() && totals.Hidden == HiddenRowsLeftOut() &&
        totals.First == FixedRows())
        return &totals;
    FFooterTotals->erase(kept);
    return nullptr;
}

void TQuillStringGrid::UpdateFooterValues(int ACol)
{
    if (!FooterCalculates()) return;
    if (ACol != -1) {
        CalculateFooter(ACol);
        return;
    }
    for (int c = 0; c < AllColCount(); ++c) CalculateFooter(c);
}

void TQuillStringGrid::CalculateFooter(int ACol)
{
    FFooterTotals->erase(ACol);
    const TCellProperties* props = FooterProps(ACol);
    if (!props) return;
    const TColumnCalcType calc = props->CalcType();
    if (grid::TFooterTotals::Tracks(calc)) {
        std::vector<grid::TFooterCellValue> values;
        const int end = RealRowIndex(RowCount() - 1);
        for (int r = FixedRows(); r < end; ++r)
            if (InFooterRange(r)) values.push_back(FooterCellValue(ACol, r, calc));
        grid::TFooterTotals& totals = FFooterTotals->try_emplace(ACol, calc, values).first->second;
        totals.Footer = props;
        totals.Rows = TotalRowCount();
        totals.Hidden = HiddenRowsLeftOut();
        totals.First = FixedRows();
    }
    ShowFooterValue(ACol, calc);
}

void TQuillStringGrid::ShowFooterValue(int ACol, TColumnCalcType Calc)
{
    const int footer = RowCount() - 1;
    const int hidden = FooterHiddenRows();
    switch (Calc) {
    case acCOUNT: SetInts(ACol, footer, RowCount() + hidden - FixedRows() - 1); break;
    case acCUSTOM: {
        std::string value;
        if (OnFooterCalc) OnFooterCalc(this, ACol, footer + hidden, value);
        else if (FFloatingFooter->OnCalcFooter) FFloatingFooter->OnCalcFooter(this, ACol, footer + hidden, value);
        SetCells(ACol, footer, value);
        break;
    }
    case acNONE:
    case acSPREAD: break;
    default: SetFloats(ACol, footer, FFooterTotals->at(ACol).Result()); break;
    }
}

void TQuillStringGrid::RefreshFooterValues()
{
    if (!FooterCalculates()) return;
    for (int c = 0; c < AllColCount(); ++c) {
        const TCellProperties* props = FooterProps(c);
        if (!props) continue;
        const TColumnCalcType calc = props->CalcType();
        if (!grid::TFooterTotals::Tracks(calc) || KeptFooterTotals(c)) ShowFooterValue(c, calc);
        else CalculateFooter(c);
    }
}

void TQuillStringGrid::FooterCellsChanged()
{
    // Row insertions and removals that kept the totals in step only show
    // them; any other bulk change calculates every footer afresh.
    if (std::exchange(FFooterInStep, false)) RefreshFooterValues();
    else UpdateFooterValues(-1);
}

void TQuillStringGrid::StoreCellText(int ACol, int AReal, const std::string& Value)
{
    grid::TFooterTotals* totals = FFooterTotals->empty() || FFooterAreaOut ? nullptr : KeptFooterTotals(ACol);
    if (totals && !InFooterRange(AReal)) totals = nullptr;
    if (totals) totals->Remove(FooterCellValue(ACol, AReal, totals->Calc()));
    FRowStore->SetText(ACol, AReal, Value);
    if (!totals) return;
    totals->Add(FooterCellValue(ACol, AReal, totals->Calc()));
    // No cell edit follows for a hidden row to show the footer.
    if (IsHiddenRow(AReal)) ShowFooterValue(ACol, totals->Calc());
}

void TQuillStringGrid::FooterCellEdited(int ACol, int ARow)
{
    if (ARow < FixedRows() || ARow >= RowCount() - 1) return;
    const TCellProperties* props = FooterProps(ACol);
    if (!props) return;
    const TColumnCalcType calc = props->CalcType();
    // The count is of rows, which an edit leaves alone.
    if (calc == acNONE || calc == acSPREAD || calc == acCOUNT) return;
    if (grid::TFooterTotals::Tracks(calc) && KeptFooterTotals(ACol)) ShowFooterValue(ACol, calc);
    else CalculateFooter(ACol);
}

void TQuillStringGrid::CellTextChanged(int ACol, int ARow) { FooterCellEdited(ACol, ARow); }

void TQuillStringGrid::NotifyCellEdited(int ACol, int ARow)
{
    FFooterInStep = true;
    // A handler that skips the footer leaves no claim behind for the next change.
    const rtl::ScopeExit done([this] { FFooterInStep = false; });
    DoCellsChanged(Rect(ACol, ARow, ACol, ARow));
}

void TQuillStringGrid::FooterRowMoved(int FromIndex, int ToIndex)
{
    if (FFooterTotals->empty()) return;
    const auto counted = [this](int ARow) { return ARow >= FixedRows() && ARow < RowCount() - 1; };
    // A move among the counted rows leaves every statistic as it was.
    if (counted(FromIndex) && counted(ToIndex)) return;
    UpdateFooterValues(-1);
}

void TQuillStringGrid::FooterRowsChanging(int ARow, int ACount, grid::TRowChange Change)
{
    const bool inserted = Change == grid::TRowChange::Inserted;
    if (FFooterTotals->empty()) return;
    // Rows between the fixed rows and the footer row keep the footer in
    // place; others change what the footer is and leave it to a full pass.
    const bool normalRows = ARow >= FixedRows() && ARow + ACount <= RowCount() - 1;
    std::vector<int> columns;
    for (const auto& kept : *FFooterTotals) columns.push_back(kept.first);
    for (const int c : columns) {
        grid::TFooterTotals* totals = KeptFooterTotals(c, inserted ? ACount : 0);
        if (!totals) continue;
        if (!normalRows) {
            FFooterTotals->erase(c);
            continue;
        }
        for (int d = ARow; d < ARow + ACount; ++d) {
            const grid::TFooterCellValue value = FooterCellValue(c, RealRowIndex(d), totals->Calc());
            if (inserted) totals->Add(value);
            else totals->Remove(value);
        }
        totals->Rows += inserted ? ACount : -ACount;
    }
    FFooterInStep = true;
}

void TQuillStringGrid::FooterAreaChanging(const TRect& Area, bool Leaving)
{
    if (FFooterTotals->empty()) return;
    for (int c = Area.Left; c <= Area.Right; ++c) {
        grid::TFooterTotals* totals = KeptFooterTotals(c);
        if (!totals) continue;
        for (int d = std::max(Area.Top, 0); d <= Area.Bottom && d < RowCount(); ++d) {
            const int real = RealRowIndex(d);
            if (!InFooterRange(real)) continue;
            const grid::TFooterCellValue value = FooterCellValue(c, real, totals->Calc());
            if (Leaving) totals->Remove(value);
            else totals->Add(value);
        }
        if (!Leaving) ShowFooterValue(c, totals->Calc());
    }
}

// Merging or splitting changes which cells of the area count.
void TQuillStringGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY)
{
    const TRect area{ACol, ARow, ACol + SpanX - 1, ARow + SpanY - 1};
    FooterAreaChanging(area, true);
    {
        // The area's cells are out of the totals while the merge writes them.
        FFooterAreaOut = true;
        const rtl::ScopeExit areaBack([this] { FFooterAreaOut = false; });
        TBaseGrid::MergeCells(ACol, ARow, SpanX, SpanY);
    }
    FooterAreaChanging(area, false);
}

void TQuillStringGrid::SplitCells(int ACol, int ARow)
{
    const TRect area = FullCell(ACol, ARow);
    FooterAreaChanging(area, true);
    {
        // The area's cells are out of the totals while the merge writes them.
        FFooterAreaOut = true;
        const rtl::ScopeExit areaBack([this] { FFooterAreaOut = false; });
        TBaseGrid::SplitCells(ACol, ARow);
    }
    FooterAreaChanging(area, false);
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
