// Sub-groups inside the groups of a grouped string grid: a header row as a
// child of its group before each run of equal values of a column, and their
// removal, which gives every data row its value back. Headers come and go in
// one pass over the rows each way, so the work stays linear in the rows
// however many sub-groups there are.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "grid/model/BehaviourSettings.h"

namespace {

// A run of equal values between outline rows: its first data row (display
// index before any row moves), its length, its value, the node holding it
// and that node's level.
struct TSubGroupRun {
    int First = 0;
    int Rows = 0;
    std::string Value;
    int Parent = -1;
    int ParentLevel = -1;
};

} // namespace

bool TQuillStringGrid::IsOutlineRow(int ARow) { return IsNode(ARow) || IsSummary(ARow); }

std::vector<int> TQuillStringGrid::EnclosingNodes(int AEnd)
{
    // An expanded node holds the shown rows of its span; a contracted node
    // inside it hides all of its span but itself, which ends the outer
    // node that many rows sooner. The innermost open node holds the row.
    struct TOpenNode {
        int Row;
        int End;
    };
    std::vector<TOpenNode> open;
    std::vector<int> enclosing;
    enclosing.reserve(static_cast<std::size_t>(std::max(0, AEnd - FixedRows())));
    for (int r = FixedRows(); r < AEnd; ++r) {
        while (!open.empty() && open.back().End <= r) open.pop_back();
        enclosing.push_back(open.empty() ? -1 : open.back().Row);
        if (!IsNode(r)) continue;
        const int span = GetNodeSpan(r);
        if (GetNodeState(r)) {
            for (TOpenNode& outer : open) outer.End -= std::max(span - 1, 0);
        } else {
            open.push_back({r, r + span});
        }
    }
    return enclosing;
}

void TQuillStringGrid::ResizeEnclosingNodes(const std::vector<int>& Enclosing, int AParent, std::vector<int>& Delta)
{
    // The node holding the row and each outer node above it, while levels go down.
    const auto at = [&](int ARow) -> int& { return Delta[static_cast<std::size_t>(ARow - FixedRows())]; };
    if (AParent == -1) return;
    ++at(AParent);
    int level = GetNodeLevel(AParent);
    for (int q = AParent; level > 1;) {
        const int outer = Enclosing[static_cast<std::size_t>(q - FixedRows())];
        if (outer == -1 || GetNodeLevel(outer) >= level) break;
        ++at(outer);
        level = GetNodeLevel(outer);
        q = outer;
    }
}

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

void TQuillStringGrid::SubGroup(int Colindex)
{
    // The value goes into the next column, which must exist.
    if (Colindex < FixedCols() || Colindex >= ColCount() - 1) return;
    const int headerCol = Colindex + 1;
    // Below the first header, above the footer rows.
    const int first = FixedRows() + 1;
    const int end = RowCount() - FFixedFooters;
    if (first >= end) return;

    // The runs are found before any row moves: a run ends at a change of
    // value and at every node or summary row.
    const std::vector<int> enclosing = EnclosingNodes(end);
    std::vector<TSubGroupRun> runs;
    bool open = false;
    for (int r = first; r < end; ++r) {
        if (IsOutlineRow(r)) {
            open = false;
            continue;
        }
        const std::string& value = Cells(Colindex, r);
        if (open && value == runs.back().Value) {
            ++runs.back().Rows;
            continue;
        }
        const int parent = enclosing[static_cast<std::size_t>(r - FixedRows())];
        runs.push_back({r, 1, value, parent, parent == -1 ? -1 : GetNodeLevel(parent)});
        open = true;
    }
    // Each header makes the nodes holding it one row longer.
    std::vector<int> grown(enclosing.size(), 0);
    std::vector<int> before;
    before.reserve(runs.size() + 1);
    for (const TSubGroupRun& run : runs) {
        ResizeEnclosingNodes(enclosing, run.Parent, grown);
        before.push_back(run.First);
    }
    // Only a sub-group left open at the end gets a summary row of its own;
    // the others end at a group's summary row or header.
    const bool summary = open && FGrouping->Summary();
    if (summary) before.push_back(end);
    InsertRowsBefore(before);

    // Rows moved down by the headers inserted above them.
    std::size_t above = 0;
    for (int r = FixedRows(); r < end; ++r) {
        const int delta = grown[static_cast<std::size_t>(r - FixedRows())];
        if (delta == 0) continue;
        while (above < runs.size() && runs[above].First <= r) ++above;
        const int moved = r + static_cast<int>(above);
        UpdateNodeSpan(moved, delta);
        UpdateSubNodeCount(moved, delta);
    }
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const TSubGroupRun& run = runs[k];
        const int header = run.First + static_cast<int>(k);
        if (run.ParentLevel != -1) GetCellProperties(0, header)->SetNodeLevel(run.ParentLevel);
        SetCells(headerCol, header, run.Value);
        for (int r = header + 1; r <= header + run.Rows; ++r) SetCells(Colindex, r, "");
        LookSubGroupRow(header, Colindex, true);
        AddNode(RealRowIndex(header), run.Rows + 1);
        NodeGraphic(header)->SetCellVar(Colindex);
    }
    if (summary) {
        const int row = end + static_cast<int>(runs.size());
        MarkSummaryRow(RealRowIndex(row));
        LookSubGroupRow(row, Colindex, false);
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
    Invalidate();
}

void TQuillStringGrid::SubUnGroup(int Colindex)
{
    ExpandAll();
    const int end = RowCount() - FFixedFooters;
    if (FixedRows() >= end) return;
    const std::vector<int> enclosing = EnclosingNodes(end);
    const auto enclosingOf = [&](int ARow) { return enclosing[static_cast<std::size_t>(ARow - FixedRows())]; };
    std::vector<int> shrunk(enclosing.size(), 0);
    std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
    // The value of each header that goes, by its row.
    std::unordered_map<int, std::string> values;
    for (int r = FixedRows(); r < end; ++r) {
        if (IsNode(r)) {
            if (NodeGraphic(r)->CellVar() != Variant(Colindex)) continue;
            values[r] = Cells(Colindex + 1, r);
            RemoveNode(RealRowIndex(r));
            if (FGrouping->MergeHeader()) {
                SplitCells(Colindex + 1, r);
            } else {
                if (FGrouping->HeaderColor() != clNone) SetRowColor(r, clNone);
                if (FGrouping->HeaderColorTo() != clNone) SetRowColorTo(r, clNone);
            }
            // A header inside another one that goes belongs to that one's node.
            int holder = enclosingOf(r);
            while (holder != -1 && drop[static_cast<std::size_t>(holder)]) holder = enclosingOf(holder);
            ResizeEnclosingNodes(enclosing, holder, shrunk);
            drop[static_cast<std::size_t>(r)] = true;
            continue;
        }
        // Summary rows keep their calculated values; a row no header holds
        // (its group was contracted when the sub-groups were made) keeps its own.
        if (IsSummary(r)) continue;
        int holder = enclosingOf(r);
        while (holder != -1 && !drop[static_cast<std::size_t>(holder)]) holder = enclosingOf(holder);
        if (holder != -1) SetCells(Colindex, r, values[holder]);
    }
    // A node keeps at least its own row.
    for (int r = FixedRows(); r < end; ++r) {
        const int delta = std::min(shrunk[static_cast<std::size_t>(r - FixedRows())], std::max(GetNodeSpan(r) - 1, 0));
        if (delta == 0) continue;
        UpdateNodeSpan(r, -delta);
        UpdateSubNodeCount(r, -delta);
    }
    RemoveFlaggedRows(drop);
    Invalidate();
}
