// Grouping the string grid's rows by a column into a one-level outline with
// header and summary rows, ungrouping, and the per-group calculations. The
// rows of all groups are inserted and removed in one pass each, so grouping
// stays linear in the rows however many groups there are.
#include "grid/QuillGrid.h"

#include <algorithm>

#include "grid/base/CellProperties.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/RowStore.h"
#include "grid/model/SortSettings.h"
#include "platform/rtl/ScopeExit.h"

namespace {

// The text no group value is expected to equal (U+00FF U+00FE), so that the
// first data row always opens a group.
constexpr std::string_view GroupSentinel = "\xC3\xBF\xC3\xBE";

} // namespace

// Rows in bulk.

void TQuillStringGrid::InsertRowsBefore(const std::vector<int>& Before)
{
    if (Before.empty()) return;
    CloseEditor();
    const int shown = RowCount();
    const int first = std::clamp(Before.front(), 0, shown);
    const int firstReal = first < shown ? RealRowIndex(first) : FRowStore->Total();
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(shown) + Before.size());
    for (int d = 0; d < first; ++d) heights.push_back(RowHeights(d));
    // The records from the first insertion on are taken out and put back
    // with the new rows among them; a hidden row keeps its place above the
    // shown row it stood above.
    std::vector<grid::TRowRecord> tail =
        FRowStore->RemoveRows(firstReal, FRowStore->Total(), [](int, const grid::TRowRecord&) { return true; });
    std::vector<grid::TRowRecord> rebuilt;
    rebuilt.reserve(tail.size() + Before.size());
    std::vector<int> hidden;
    std::size_t next = 0;
    const auto insertUpTo = [&](int Displ) {
        for (; next < Before.size() && Before[next] <= Displ; ++next) {
            rebuilt.emplace_back();
            heights.push_back(DefaultRowHeight());
        }
    };
    int displ = first;
    for (grid::TRowRecord& record : tail) {
        if (record.Hidden) {
            hidden.push_back(firstReal + static_cast<int>(rebuilt.size()));
            record.Hidden = false;
        } else {
            insertUpTo(displ);
            heights.push_back(RowHeights(displ++));
        }
        rebuilt.push_back(std::move(record));
    }
    insertUpTo(shown);
    FRowStore->InsertRows(firstReal, static_cast<int>(rebuilt.size()));
    for (std::size_t k = 0; k < rebuilt.size(); ++k) FRowStore->Row(firstReal + static_cast<int>(k)) = std::move(rebuilt[k]);
    for (int real : hidden) FRowStore->SetHidden(real, true);
    SetShownRowSizes(heights);
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    DoCellsChanged({0, first, ColCount() - 1, RowCount() - 1});
}

void TQuillStringGrid::RemoveFlaggedRows(const std::vector<bool>& Drop)
{
    CloseEditor();
    std::vector<int> kept, displ, reals;
    std::vector<bool> dropReal(static_cast<std::size_t>(FRowStore->Total()), false);
    for (int r = 0; r < RowCount(); ++r) {
        if (r >= static_cast<int>(Drop.size()) || !Drop[static_cast<std::size_t>(r)]) {
            kept.push_back(RowHeights(r));
            continue;
        }
        const int real = RealRowIndex(r);
        dropReal[static_cast<std::size_t>(real)] = true;
        FreeRowObjects(real);
        displ.push_back(r);
        reals.push_back(real);
    }
    DropRowFlags(displ, reals);
    (void)FRowStore->RemoveRows(0, FRowStore->Total(), [&](int real, const grid::TRowRecord&) {
        return static_cast<bool>(dropReal[static_cast<std::size_t>(real)]);
    });
    SetShownRowSizes(kept);
    DoCellsChanged({0, FixedRows(), ColCount() - 1, RowCount()});
}

void TQuillStringGrid::ColorGroupRow(int ARow, TColor Color, TColor ColorTo, TColor TextColor)
{
    if (Color != clNone) SetRowColor(ARow, ColorToRGB(Color));
    if (ColorTo != clNone) SetRowColorTo(ARow, ColorToRGB(ColorTo));
    if (TextColor != clNone) SetRowFontColor(ARow, ColorToRGB(TextColor));
}

// Grouping.

void TQuillStringGrid::Group(int Colindex)
{
    // Column 0 carries the outline's nodes; removing it would lose them.
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount()) return;
    if (FGroupColumn != -1) UnGroup();
    if (RowCount() - FFixedFooters <= FixedRows()) return;
    FIsGrouping = true;
    rtl::ScopeExit endGrouping([this] {
        FIsGrouping = false;
        Invalidate();
    });
    FGroupColumn = Colindex;
    FGroupWidth = ColWidths(DisplColIndex(Colindex));
    if (FixedRows() > 0) FGroupCaption = Cells(Colindex, 0);
    if (FFixedFooters > 0) FGroupFooter = Cells(Colindex, RowCount() - 1);
    if (FSortSettings->AutoSortForGrouping()) {
        FSortSettings->SetColumn(Colindex);
        QSort();
    }

    // Runs of equal stored texts are the groups.
    const int first = FixedRows();
    const int last = RowCount() - 1 - FFixedFooters;
    std::vector<int> starts;
    std::vector<std::string> values;
    std::string_view previous = GroupSentinel;
    for (int r = first; r <= last; ++r) {
        const std::string& current = Cells(Colindex, r);
        if (current != previous) {
            starts.push_back(r);
            values.push_back(current);
        }
        previous = current;
    }
    if (starts.empty()) {
        AddNode(RealRowIndex(first), last);
    } else {
        // A header before each group and, with summaries, a summary row
        // after each; the k-th inserted row lands k rows below its place.
        const bool summary = FGrouping->Summary();
        std::vector<int> before;
        for (std::size_t g = 0; g < starts.size(); ++g) {
            if (summary && g > 0) before.push_back(starts[g]);
            before.push_back(starts[g]);
        }
        if (summary) before.push_back(last + 1);
        InsertRowsBefore(before);
        const int textCol = Colindex == 1 ? 2 : 1;
        const bool colorSummary = !(FGrouping->MergeSummary() && summary);
        std::size_t k = 0;
        for (std::size_t g = 0; g < starts.size(); ++g) {
            if (summary && g > 0) ++k;
            const int header = before[k] + static_cast<int>(k);
            ++k;
            const int next = g + 1 < starts.size() ? starts[g + 1] : last + 1;
            const int span = next - starts[g] + 1;
            SetGridCell(textCol, header, values[g]);
            if (!FGrouping->MergeHeader())
                ColorGroupRow(header, FGrouping->HeaderColor(), FGrouping->HeaderColorTo(), FGrouping->HeaderTextColor());
            AddNode(RealRowIndex(header), span);
            if (!summary) continue;
            MarkSummaryRow(RealRowIndex(header + span));
            if (colorSummary)
                ColorGroupRow(header + span, FGrouping->SummaryColor(), FGrouping->SummaryColorTo(),
                              FGrouping->SummaryTextColor());
        }
    }
    // Hidden rows have no header to carry their value; it is kept aside, in
    // row order, for UnGroup.
    FGroupHiddenValues.clear();
    for (int real = 0; real < TotalRowCount(); ++real)
        if (IsHiddenRow(real)) FGroupHiddenValues.push_back(FRowStore->Text(Colindex, real));
    RemoveCols(Colindex, 1);

    const bool mergeSummary = FGrouping->MergeSummary() && FGrouping->Summary();
    if (FGrouping->MergeHeader() || mergeSummary)
        for (int b = FixedRows(); b < RowCount(); ++b) {
            const bool header = FGrouping->MergeHeader() && IsNode(b);
            const bool summaryRow = mergeSummary && IsSummary(b);
            if (!header && !summaryRow) continue;
            MergeCells(1, b, ColCount() - 1, 1);
            SetColors(1, b, ColorToRGB(header ? FGrouping->HeaderColor() : FGrouping->SummaryColor()));
            SetColorsTo(1, b, ColorToRGB(header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo()));
            SetFontColors(1, b, ColorToRGB(header ? FGrouping->HeaderTextColor() : FGrouping->SummaryTextColor()));
        }
    if (Col() < 0 || Col() >= ColCount() || Row() < 0 || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows(), true);
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TQuillStringGrid::UnGroup()
{
    if (FGroupColumn <= 0) return;
    ExpandAll();
    InsertCols(FGroupColumn, 1);
    SetColWidths(DisplColIndex(FGroupColumn), FGroupWidth);
    if (FixedRows() > 0) SetGridCell(FGroupColumn, 0, FGroupCaption);
    if (FFixedFooters > 0) SetGridCell(FGroupColumn, RowCount() - 1, FGroupFooter);
    FIsGrouping = true;
    rtl::ScopeExit endGrouping([this] {
        FIsGrouping = false;
        FGroupColumn = -1;
        Invalidate();
    });
    const int textCol = FGroupColumn == 1 ? 2 : 1;
    const bool summary = FGrouping->Summary();
    std::vector<bool> drop(static_cast<std::size_t>(RowCount()), false);
    // Undoes a header's or summary's merge or colours; the row goes later.
    const auto dismantle = [&](int ARow, bool Merged, TColor Color, TColor ColorTo) {
        if (Merged) SplitCells(1, ARow);
        else {
            if (Color != clNone) SetRowColor(ARow, clNone);
            if (ColorTo != clNone) SetRowColorTo(ARow, clNone);
        }
        ClearRect(0, ARow, TotalColCount() - 1, ARow);
        drop[static_cast<std::size_t>(ARow)] = true;
    };
    std::string value;
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) {
        if (drop[static_cast<std::size_t>(r)]) continue;
        if (!IsNode(r)) {
            SetGridCell(FGroupColumn, r, value);
            continue;
        }
        const int s = r + GetNodeSpan(r);
        if (summary && s < RowCount() && IsSummary(s))
            dismantle(s, FGrouping->MergeSummary(), FGrouping->SummaryColor(), FGrouping->SummaryColorTo());
        value = Cells(textCol, r);
        RemoveNode(RealRowIndex(r));
        dismantle(r, FGrouping->MergeHeader(), FGrouping->HeaderColor(), FGrouping->HeaderColorTo());
    }
    RemoveFlaggedRows(drop);
    std::size_t kept = 0;
    for (int real = 0; real < TotalRowCount() && kept < FGroupHiddenValues.size(); ++real)
        if (IsHiddenRow(real)) StoreCellText(FGroupColumn, real, FGroupHiddenValues[kept++]);
    FGroupHiddenValues.clear();
}

void TQuillStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1) UnGroup();
    else if (Value > 0) Group(Value);
}

void TQuillStringGrid::GroupCalc(int ACol, int Method)
{
    for (int r = FixedRows(); r < RowCount();) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int span = std::max(GetNodeSpan(r), 1);
        const int target = FGrouping->Summary() ? r + span : r;
        const int from = r + 1;
        const int to = r + span - 1;
        if (target < RowCount()) {
            switch (Method) {
            case 1: SetFloats(ACol, target, ColumnSum(ACol, from, to)); break;
            case 2: SetFloats(ACol, target, ColumnAvg(ACol, from, to)); break;
            case 3: SetFloats(ACol, target, ColumnMin(ACol, from, to)); break;
            case 4: SetFloats(ACol, target, ColumnMax(ACol, from, to)); break;
            case 5: SetInts(ACol, target, span - 1); break;
            case 6: {
                double result = 0;
                if (OnGroupCalc) OnGroupCalc(this, ACol, from, to, result);
                SetFloats(ACol, target, result);
                break;
            }
            case 7: SetFloats(ACol, target, ColumnDistinct(ACol, from, to)); break;
            case 8: SetFloats(ACol, target, ColumnStdDev(ACol, from, to)); break;
            default: break;
            }
        }
        // Rows inside the group, inner headers too, are not visited alone.
        r += span;
    }
}
