// Sub-groups inside the groups of a grouped string grid: a header row as a
// child of its group before each run of equal values of a column, and their
// removal, which gives every data row its value back.
#include "grid/QuillGrid.h"

#include <optional>
#include <string>

#include "grid/model/BehaviourSettings.h"

bool TQuillStringGrid::IsOutlineRow(int ARow) { return IsNode(ARow) || IsSummary(ARow); }

void TQuillStringGrid::LookSubGroupRow(int ARow, int Colindex, bool Header)
{
    const TGrouping& g = *FGrouping;
    const bool merged = Header ? g.MergeHeader() : g.MergeSummary() && g.Summary();
    const TColor color = Header ? g.HeaderColor() : g.SummaryColor();
    const TColor colorTo = Header ? g.HeaderColorTo() : g.SummaryColorTo();
    const TColor textColor = Header ? g.HeaderTextColor() : g.SummaryTextColor();
    if (!merged) {
        ColorGroupRow(ARow, color, colorTo, textColor);
        return;
    }
    const int first = Colindex + 1;
    MergeCells(first, ARow, ColCount() - first, 1);
    SetColors(first, ARow, ColorToRGB(color));
    SetColorsTo(first, ARow, ColorToRGB(colorTo));
    SetFontColors(first, ARow, ColorToRGB(textColor));
}

void TQuillStringGrid::CloseSubGroup(int AHeader, int ASpan, int Colindex)
{
    AddNode(RealRowIndex(AHeader), ASpan);
    NodeGraphic(AHeader)->SetCellVar(Colindex);
}

void TQuillStringGrid::SubGroup(int Colindex)
{
    // The value goes into the next column, which must exist.
    if (Colindex < FixedCols() || Colindex >= ColCount() - 1) return;
    const int headerCol = Colindex + 1;
    // No value yet differs from every text, so a run always starts a sub-group
    // and the walk always moves on.
    std::optional<std::string> previous;
    int header = -1;
    int a = FixedRows() + 1;
    // Rows are inserted as the walk goes, so its end is read each time.
    while (a < RowCount() - FFixedFooters) {
        const std::string current = Cells(Colindex, a);
        if (current != previous || IsOutlineRow(a)) {
            if (header != -1 && !IsOutlineRow(header)) CloseSubGroup(header, a - header, Colindex);
            if (!IsOutlineRow(a)) {
                InsertChildRow(RealRowIndex(a), 0);
                SetCells(headerCol, a, current);
                LookSubGroupRow(a, Colindex, true);
            }
            header = a;
            ++a;
        }
        if (a < RowCount() && !IsOutlineRow(a - 1)) {
            previous = Cells(Colindex, a);
            SetCells(Colindex, a, "");
            ++a;
        } else {
            previous.reset();
        }
    }
    if (header == -1 || !IsOutlineRow(header)) {
        if (header == -1) {
            // Nothing was walked: a lone data row below the first header
            // still gets its sub-group, and no row means nothing to do.
            if (a >= RowCount() - FFixedFooters) return;
            InsertChildRow(RealRowIndex(a), 0);
            CloseSubGroup(a, 2, Colindex);
            SetCells(headerCol, a, Cells(Colindex, a + 1));
            ++a;
            SetCells(Colindex, a, "");
        } else {
            CloseSubGroup(header, a - header, Colindex);
            LookSubGroupRow(header, Colindex, true);
        }
        if (a <= RowCount() - 1 && !IsOutlineRow(a - 1)) {
            SetCells(Colindex, a, "");
            ++a;
        }
        if (FGrouping->Summary()) {
            InsertRows(a, 1, true);
            MarkSummaryRow(RealRowIndex(a));
            LookSubGroupRow(a, Colindex, false);
        }
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
    Invalidate();
}

void TQuillStringGrid::SubUnGroup(int Colindex)
{
    ExpandAll();
    std::string value;
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1;) {
        if (IsNode(r)) {
            const TCellGraphic* node = NodeGraphic(r);
            if (node->CellVar() == Variant(Colindex)) {
                value = Cells(Colindex + 1, r);
                RemoveNode(RealRowIndex(r));
                if (FGrouping->MergeHeader()) {
                    SplitCells(Colindex + 1, r);
                } else {
                    if (FGrouping->HeaderColor() != clNone) SetRowColor(r, clNone);
                    if (FGrouping->HeaderColorTo() != clNone) SetRowColorTo(r, clNone);
                }
                RemoveChildRow(RealRowIndex(r));
                continue;
            }
        } else if (!IsSummary(r)) {
            // Summary rows keep their calculated values.
            SetCells(Colindex, r, value);
        }
        ++r;
    }
    Invalidate();
}
